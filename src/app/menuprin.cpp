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

// The menu bar as the form has it: a row with a top-level name opens a menu, the
// rows after it are its entries. "-" is a separator line; an entry's window class
// is what it shows, and the three entries without one act on their own.
struct FilaMenu {
    bool principal;
    const char* control;
    const char* titulo;
    const char* clase;
};

constexpr FilaMenu kMenus[] = {
    { true, "ynormal", "Tirante-&Normal", nullptr },
    { false, "yntrapezoidal", "Sección &Trapezoidal, Rec. Trian", "yntrape" },
    { false, "ynparabolica", "Sección &Parabólica", "ynpara" },
    { false, "yncircular", "Sección &Circular", "yncir" },
    { false, "raya", "-", nullptr },
    { false, "maxima", "Sección de &Máxima Eficiencia", "ynmaxef" },
    { false, "raya2", "-", nullptr },
    { false, "ynmiinf", "Sección de Mínima &Infiltración", "ynmininf" },
    { false, "rayayn3", "-", nullptr },
    { false, "salir", "&Salir", nullptr },
    { true, "ycritico", "&Tirante-Crítico", nullptr },
    { false, "yctrapezoidal", "Sección &Trapezoidal, Rec. Trian", "yctrape" },
    { false, "ycparabolica", "Sección &Parabólica", "ycpara" },
    { false, "yccircular", "Sección &Circular", "yccir" },
    { true, "resalto", "&Resalto-Hidráulico", nullptr },
    { false, "rhrectangular", "Sección &Rectangular", "rhrectan" },
    { false, "rhtrapezoidal", "Sección &Trapezoidal", "rhtrape" },
    { false, "rhparabolica", "Sección &Parabólica", "rhpara" },
    { false, "rhcircular", "Sección &Circular", "rhcir" },
    { true, "remanso", "R&emanso", nullptr },
    { false, "rintegracion", "&Integración Gráfica", "crinte" },
    { false, "bakhmeteff", "&Bakhmeteff", "crbak" },
    { false, "bresse", "B&resse", "crbresse" },
    { false, "directo", "&Directo por Tramos", "crdirtra" },
    { false, "tramos", "&Tramos Fijos", "crtrafij" },
    { true, "caudales", "&Caudales", nullptr },
    { false, "qtrapezoidal", "Sección &Trapezoidal, Rec. Trian", "qtrape" },
    { false, "qparabolica", "Sección &Parabólica", "qpara" },
    { false, "qcircular", "Sección &Circular", "qcir" },
    { true, "otros", "&Otros", nullptr },
    { false, "otroTra", "Sección &Trapezoidal, Rec. Trian (b,S,n)", "frmVariosTrape" },
    { false, "Otroraya", "-", nullptr },
    { false, "otrorelacion", "Sección Circular &relación y/d", "frmRelayd" },
    { false, "otrocircu", "Sección Circular (S,n)", "frmOtrosCir" },
    { true, "mnuMedicion", "&Medición", nullptr },
    { false, "mnumedNcosntante", "Canal Natural con n Constante", "frmQNaturalNConstante" },
    { false, "mnumedncompuesta", "Canal Natural con n Compuesta", "frmQNaturalRugCompuesta" },
    { false, "mnumedraya", "-", nullptr },
    { false, "mnumedcompuerta", "Compuertas y Orificios", "frmCompuerta" },
    { false, "mnumedvertederos", "Vertederos", "frmVertederos" },
    { true, "mnuestructuras", "E&structuras", nullptr },
    { false, "mnuestrucentrada", "Transición de Entrada Alabeada", "TranAlEn" },
    { false, "mnuestrusalida", "Transición de Salida Alabeada", "TranAlSa" },
    { false, "mnuestrulateral", "Vertedero Lateral", "frmVertederoLateral" },
    { false, "mnuestruraya", "-", nullptr },
    { false, "mnuestruperdidas", "Pérdidas en Canales", "frmPerdidasCanales" },
    { true, "ayuda", "&Ayuda", nullptr },
    { false, "elementos", "&Ayuda QUELMORA", nullptr },
    { false, "raay2", "-", nullptr },
    { false, "quelmora", "&Acerca de QUELMORA", "Acerca" },
};

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

menuprin::menuprin(QWidget* parent)
    : QMainWindow(parent)
{
    // The cover is the slowest part of the window to make: it is drawn on a
    // thread of its own while the rest of the window is built, and put in its
    // place last.
    std::future<QImage> portada
        = std::async(std::launch::async, [] { return ImagenPortada(kAnchoPortada, kAltoPortada); });

    setWindowTitle(
        QStringLiteral("QUELMORA la forma más fácil de diseñar canales y estructuras hidráulicas"));
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
    for (const FilaMenu& fila : kMenus) {
        const QString control = QString::fromUtf8(fila.control);
        const QString titulo = QString::fromUtf8(fila.titulo);
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
        if (fila.clase) {
            const QString clase = QString::fromUtf8(fila.clase);
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
