#include "frame/pagina_calculo.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace quelmora {

NombresRol NombresConSufijo(const QString& sufijo, const QString& menu, const QString& marcoBotones,
    const QString& marcoCalculadora)
{
    NombresRol n;
    n.calcular += sufijo;
    n.limpiar += sufijo;
    n.imprimir += sufijo;
    n.menu = menu + sufijo;
    n.calculadora += sufijo;
    n.marcoBotones = marcoBotones;
    n.marcoCalculadora = marcoCalculadora;
    return n;
}

ControlPestanas::ControlPestanas(QWidget* padre, const Twips& lugar)
    : QTabWidget(padre)
{
    setObjectName(QStringLiteral("SSTab1"));
    setGeometry(EnPixeles(lugar));
    setMouseTracking(true);
    tabBar()->setMouseTracking(true);
    tabBar()->installEventFilter(this);
    setAttribute(Qt::WA_NoMousePropagation);
}

PaginaCalculo* ControlPestanas::pagina(int i) const
{
    return qobject_cast<PaginaCalculo*>(widget(i));
}

QPoint ControlPestanas::OrigenPaginas() const
{
    QStyleOptionTabWidgetFrame opcion;
    initStyleOption(&opcion);
    return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &opcion, this).topLeft();
}

void ControlPestanas::RestablecerTodos()
{
    for (int i = 0; i < count(); ++i)
        if (PaginaCalculo* p = pagina(i))
            RestablecerBotones(p->botones());
}

void ControlPestanas::mouseMoveEvent(QMouseEvent* e)
{
    RestablecerTodos();
    e->accept();
}

bool ControlPestanas::eventFilter(QObject* objeto, QEvent* e)
{
    if (objeto == tabBar() && e->type() == QEvent::MouseMove)
        RestablecerTodos();
    return QTabWidget::eventFilter(objeto, e);
}

PaginaCalculo::PaginaCalculo(const QString& sufijo)
    : sufijo_(sufijo)
{
    setMouseTracking(true);
}

void PaginaCalculo::mouseMoveEvent(QMouseEvent* e)
{
    // The bare page is the tab control's surface: every page's buttons go back.
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* pestanas = qobject_cast<ControlPestanas*>(w)) {
            pestanas->RestablecerTodos();
            break;
        }
    }
    e->accept();
}

} // namespace quelmora
