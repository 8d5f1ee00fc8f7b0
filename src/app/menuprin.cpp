#include "app/menuprin.h"

#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <future>

#include "app/botonsalir.h"
#include "app/reposo.h"
#include "frame/controles.h"
#include "frame/plataforma.h"
#include "frame/ventanas.h"
#include "resources/portada.h"

namespace quelmora {

namespace {

// The window: client area 11880 x 7755; the cover's box 11895 x 7980 at (0, 0),
// its picture 789 x 528 pixels inside a sunken border; the exit button on it.
constexpr int kAnchoCliente = 11880, kAltoCliente = 7755;
constexpr int kAnchoCaja = 11895, kAltoCaja = 7980;
constexpr int kAnchoPortada = 789, kAltoPortada = 528;

// Where the help viewer and the help file live in the product's folder.
const QString kVisorAyuda = QStringLiteral("c:\\Quelmora\\hh");
const QString kArchivoAyuda = QStringLiteral("c:\\Quelmora\\Ayuda.chm");
const QString kMensajeSinAyuda = QStringLiteral("Para obtener la ayuda presionar tecla F1 ");
const QString kTituloSinAyuda = QStringLiteral("Mensaje de error");

// The background colour of the exit button, &H00BC9870&.
const QColor kFondoSalir(112, 152, 188);

} // namespace

constinit const DescripcionVentana menuprin::kDescripcion {
    .clase = "menuprin",
    .fabrica = Fabricar<menuprin>,
    .entrada = {},
    .titulo = "QUELMORA la forma más fácil de diseñar canales y estructuras hidráulicas",
};

QString FilaMenu::Control() const
{
    return QString::fromUtf8(ventana ? ventana->entrada.control : control);
}

QString FilaMenu::Titulo() const
{
    return QString::fromUtf8(ventana ? ventana->entrada.titulo : titulo);
}

menuprin::menuprin(QWidget* parent)
    : QMainWindow(parent)
{
    // The cover is the slowest part of the window to make: it is drawn on a
    // thread of its own while the rest of the window is built, and put in its
    // place last.
    std::future<QImage> portada
        = std::async(std::launch::async, [] { return ImagenPortada(kAnchoPortada, kAltoPortada); });

    setWindowTitle(kDescripcion.titulo);
    setWindowIcon(IconoQuelmora());

    auto* cliente = new QWidget(this);
    cliente->setObjectName(QStringLiteral("cliente"));
    QFont letra = FuenteFormulario();
    letra.setBold(true);
    cliente->setFont(letra);
    cliente->setMouseTracking(true);
    cliente->installEventFilter(this);
    setCentralWidget(cliente);

    Picture1 = new QLabel(cliente);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setLineWidth(2);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setGeometry(0, 0, Pixeles(kAnchoCaja), Pixeles(kAltoCaja));
    Picture1->setMouseTracking(true);
    Picture1->installEventFilter(this);

    bSalir = new BotonSalir(Picture1, 9360, 6240, 1335, 855);
    connect(bSalir, &QToolButton::clicked, this, [] { plataforma().terminarPrograma(); });

    // Tab order: the cover first, then the button.
    Picture1->setFocusPolicy(Qt::TabFocus);
    setTabOrder(Picture1, bSalir);

    ConstruirMenus();
    resize(Pixeles(kAnchoCliente), Pixeles(kAltoCliente) + menuBar()->sizeHint().height());
    Form_Load();
    Picture1->setPixmap(QPixmap::fromImage(portada.get()));
}

void menuprin::Form_Load()
{
    QPalette colores = bSalir->palette();
    colores.setColor(QPalette::Button, kFondoSalir);
    colores.setColor(QPalette::Window, kFondoSalir);
    bSalir->setPalette(colores);
    bSalir->setAutoFillBackground(true);
}

void menuprin::ConstruirMenus()
{
    QMenu* menu = nullptr;
    for (const FilaMenu& fila : FilasMenuPrincipal()) {
        const QString control = fila.Control();
        const QString titulo = fila.Titulo();
        if (fila.principal) {
            menu = menuBar()->addMenu(titulo);
            menu->setObjectName(control);
            continue;
        }
        QAction* entrada
            = titulo == QLatin1String("-") ? menu->addSeparator() : menu->addAction(titulo);
        entrada->setObjectName(control);
        if (entrada->isSeparator())
            continue;
        if (fila.ventana) {
            const QString clase = QString::fromUtf8(fila.ventana->clase);
            connect(entrada, &QAction::triggered, this, [clase] { MostrarVentana(clase); });
        } else if (control == QLatin1String("salir")) {
            connect(entrada, &QAction::triggered, this, [] { plataforma().terminarPrograma(); });
        } else if (control == QLatin1String("elementos")) {
            connect(entrada, &QAction::triggered, this, &menuprin::elementos_Click);
        }
    }
}

void menuprin::elementos_Click()
{
    if (!plataforma().iniciarPrograma(kVisorAyuda, { kArchivoAyuda }))
        AvisoInformativo(kMensajeSinAyuda, kTituloSinAyuda, this);
}

bool menuprin::eventFilter(QObject* objeto, QEvent* evento)
{
    // A move over the cover or the window's surface gives the button back its
    // normal picture.
    if (evento->type() == QEvent::MouseMove && (objeto == Picture1 || objeto == centralWidget()))
        bSalir->Restablecer();
    // Once the cover is on the screen, the user reads the menus: time to get the
    // calculation windows' pictures and face ready.
    if (evento->type() == QEvent::Paint && objeto == Picture1)
        PrepararEnReposo();
    return QMainWindow::eventFilter(objeto, evento);
}

} // namespace quelmora
