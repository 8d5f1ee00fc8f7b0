#include "app/botonsalir.h"
#include "frame/controles.h"

#include <QMouseEvent>

#include "resources/portada.h"

namespace quelmora {

BotonSalir::BotonSalir(QWidget* padre, int izquierda, int arriba, int ancho, int alto)
    : QToolButton(padre)
{
    setObjectName(QStringLiteral("bSalir"));
    setText(QStringLiteral("&Salir"));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(32, 32));
    setIcon(ImagenSalir(1));
    setGeometry(Pixeles(izquierda), Pixeles(arriba), Pixeles(ancho), Pixeles(alto));
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

void BotonSalir::Restablecer()
{
    if (!resaltado_)
        return;
    resaltado_ = false;
    setIcon(ImagenSalir(1));
}

void BotonSalir::mouseMoveEvent(QMouseEvent* e)
{
    if (!resaltado_) {
        resaltado_ = true;
        setIcon(ImagenSalir(2));
    }
    QToolButton::mouseMoveEvent(e);
}

} // namespace quelmora
