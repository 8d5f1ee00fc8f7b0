#include "app/Acerca.h"

#include <QLabel>

#include "app/botonsalir.h"
#include "frame/controles.h"
#include "resources/portada.h"

namespace quelmora {

namespace {

// The labels of the form: position and size in twips, text, and whether it is
// drawn in the highlight colour (the lines that tell where to turn).
struct FilaEtiqueta {
    const char* nombre;
    int izquierda, arriba, ancho, alto;
    bool resaltada;
    const char* texto;
};

constexpr FilaEtiqueta kEtiquetas[] = {
    { "Label1", 600, 120, 6135, 975, false,
        "QUELMORA versión 3.0 es un programa para el diseño hidráulico de canales abiertos y de "
        "sus estructuras: tirantes normal y crítico, resalto, curvas de remanso, medición de "
        "caudales, transiciones, vertedero lateral y pérdidas por infiltración." },
    { "Label2", 720, 4920, 5400, 240, false, "Consultas y sugerencias:" },
    { "Label3", 720, 5160, 4700, 240, false, "Al consultar indique la ventana usada," },
    { "Label4", 720, 5400, 4700, 240, false, "los datos ingresados y el resultado obtenido." },
    { "Label5", 720, 5640, 4700, 240, false, "Toda sugerencia ayuda a mejorar el programa." },
    { "Label6", 720, 5880, 4700, 240, true, "Menú Ayuda > Ayuda QUELMORA" },
    { "Label7", 720, 6360, 4700, 240, false, "Para otros trabajos consultar:" },
    { "Label8", 720, 6600, 4700, 240, true, "los demás menús de la ventana principal" },
    { "Label9", 720, 7080, 1440, 240, false, "Programación :" },
    { "Label10", 2160, 7080, 3300, 240, false, "Equipo de QUELMORA" },
};

// Client area 7365 x 7545; the picture, 335 x 248 pixels, at (1200, 1080).
constexpr int kAnchoCliente = 7365, kAltoCliente = 7545;
constexpr int kAnchoImagen = 335, kAltoImagen = 248;

} // namespace

constinit const DescripcionVentana Acerca::kDescripcion {
    .clase = "Acerca",
    .fabrica = Fabricar<Acerca>,
    .entrada = { "ayuda", "quelmora", "&Acerca de QUELMORA" },
    .titulo = "Acerca de Quelmora versión 3.0",
};

Acerca::Acerca(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(kDescripcion.titulo);
    setWindowIcon(IconoQuelmora());
    QFont letra = FuenteFormulario();
    letra.setBold(true);
    setFont(letra);
    setBackgroundRole(QPalette::Base); // the system window colour
    setAutoFillBackground(true);
    setMouseTracking(true);
    resize(Pixeles(kAnchoCliente), Pixeles(kAltoCliente));

    // Neither the picture nor the labels react to the mouse: a move over them
    // does not reach the window, so it does not restore the button.
    auto* Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(PinturaPortada(kAnchoImagen, kAltoImagen, QStringLiteral("3.0")));
    Picture1->setGeometry(Pixeles(1200), Pixeles(1080), kAnchoImagen, kAltoImagen);
    Picture1->setAttribute(Qt::WA_NoMousePropagation);

    for (const FilaEtiqueta& fila : kEtiquetas) {
        auto* etiqueta = new QLabel(QString::fromUtf8(fila.texto), this);
        etiqueta->setObjectName(QString::fromUtf8(fila.nombre));
        etiqueta->setGeometry(
            Pixeles(fila.izquierda), Pixeles(fila.arriba), Pixeles(fila.ancho), Pixeles(fila.alto));
        etiqueta->setWordWrap(fila.alto > 240); // only the presentation wraps
        etiqueta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        etiqueta->setAttribute(Qt::WA_NoMousePropagation);
        if (fila.resaltada)
            etiqueta->setForegroundRole(QPalette::Highlight);
    }

    bSalir = new BotonSalir(this, 5520, 6480, 1335, 855);
    connect(bSalir, &QToolButton::clicked, this, &QWidget::close);
}

void Acerca::mouseMoveEvent(QMouseEvent* e)
{
    bSalir->Restablecer();
    QWidget::mouseMoveEvent(e);
}

} // namespace quelmora
