#include "calculator/frmcalculadora.h"

#include <QAction>
#include <QGroupBox>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTime>
#include <random>

#include "calculator/dibujos_calculadora.h"
#include "calculator/pantallacalculadora.h"
#include "frame/controles.h"
#include "frame/core/numeros.h"
#include "frame/plataforma.h"

namespace quelmora {

namespace {

// ---- Control table (twips) -------------------------------------------------

struct MarcoTeclas {
    const char* nombre;
    int x, y, ancho, alto;
};

const MarcoTeclas kFrame1 { "Frame1", 120, 0, 5415, 735 };
const MarcoTeclas kFrame5 { "Frame5", 120, 720, 5415, 615 };
const MarcoTeclas kFrame6 { "Frame6", 120, 1320, 735, 2175 };
const MarcoTeclas kFrame3 { "Frame3", 960, 1320, 1935, 2175 };
const MarcoTeclas kFrame4 { "Frame4", 3000, 1320, 2535, 2175 };

enum class Accion {
    Numero,
    Decimal,
    Signo,
    Retroceso,
    Borrar,
    Operacion,
    Igual,
    Cientifica,
    Memoria
};

struct Tecla {
    const MarcoTeclas* marco;
    const char* nombre;
    Accion accion;
    int codigo;
    const char* rotulo; // empty for a picture key
    DibujoCalculadora dibujo;
    const char* ayuda;
    int x, y;
    int ancho = 495;
    int alto = 375;
};

using D = DibujoCalculadora;
constexpr auto kSinDibujo = D::Ninguno;

const Tecla kTeclas[] = {
    { &kFrame1, "cmdBackSpace", Accion::Retroceso, 0, "<<", kSinDibujo, "Backspace", 2400, 240,
        855 },
    { &kFrame1, "cmdClear_0", Accion::Borrar, 0, "C", kSinDibujo,
        "Resets de constante corriente y valores, cancelando toda operación", 3360, 240 },
    { &kFrame1, "cmdClear_1", Accion::Borrar, 1, "CE", kSinDibujo, "Limpiar última operación", 3960,
        240 },

    { &kFrame5, "cmdSci_0", Accion::Cientifica, 0, "sin", kSinDibujo, "Operación trigonométrica",
        120, 240, 615, 255 },
    { &kFrame5, "cmdSci_1", Accion::Cientifica, 1, "cos", kSinDibujo, "Operación trigonométrica",
        840, 240, 615, 255 },
    { &kFrame5, "cmdSci_2", Accion::Cientifica, 2, "tan", kSinDibujo, "Operación trigonométrica",
        1560, 240, 615, 255 },
    { &kFrame5, "cmdSci_3", Accion::Cientifica, 3, "sin-1", kSinDibujo, "Operación trigonométrica",
        2280, 240, 615, 255 },
    { &kFrame5, "cmdSci_4", Accion::Cientifica, 4, "cos-1", kSinDibujo, "Operación trigonométrica",
        3000, 240, 615, 255 },
    { &kFrame5, "cmdSci_5", Accion::Cientifica, 5, "tan-1", kSinDibujo, "Operación trigonométrica",
        3720, 240, 615, 255 },
    { &kFrame5, "cmdSci_6", Accion::Cientifica, 6, "", D::Pi, "Valor de pi", 4920, 240, 375, 255 },

    { &kFrame6, "cmdMem_0", Accion::Memoria, 0, "MC", kSinDibujo, "Limpiar memoria", 120, 240 },
    { &kFrame6, "cmdMem_1", Accion::Memoria, 1, "MR", kSinDibujo, "Mostrar contenido memoria", 120,
        720 },
    { &kFrame6, "cmdMem_2", Accion::Memoria, 2, "MS", kSinDibujo,
        "Almacenar valor corriente en la memoria", 120, 1200 },
    { &kFrame6, "cmdMem_3", Accion::Memoria, 3, "M+", kSinDibujo,
        "Adicionar valor corriente a la memoria", 120, 1680 },

    { &kFrame3, "cmdNum_7", Accion::Numero, 7, "7", kSinDibujo, "Entrada numérica", 120, 240 },
    { &kFrame3, "cmdNum_8", Accion::Numero, 8, "8", kSinDibujo, "Entrada numérica", 720, 240 },
    { &kFrame3, "cmdNum_9", Accion::Numero, 9, "9", kSinDibujo, "Entrada numérica", 1320, 240 },
    { &kFrame3, "cmdNum_4", Accion::Numero, 4, "4", kSinDibujo, "Entrada numérica", 120, 720 },
    { &kFrame3, "cmdNum_5", Accion::Numero, 5, "5", kSinDibujo, "Entrada numérica", 720, 720 },
    { &kFrame3, "cmdNum_6", Accion::Numero, 6, "6", kSinDibujo, "Entrada numérica", 1320, 720 },
    { &kFrame3, "cmdNum_1", Accion::Numero, 1, "1", kSinDibujo, "Entrada numérica", 120, 1200 },
    { &kFrame3, "cmdNum_2", Accion::Numero, 2, "2", kSinDibujo, "Entrada numérica", 720, 1200 },
    { &kFrame3, "cmdNum_3", Accion::Numero, 3, "3", kSinDibujo, "Entrada numérica", 1320, 1200 },
    { &kFrame3, "cmdNum_0", Accion::Numero, 0, "0", kSinDibujo, "Entrada numérica", 120, 1680 },
    { &kFrame3, "cmdValue", Accion::Signo, 0, "", D::CambioSigno, "Convertir positivo/negativo",
        720, 1680 },
    { &kFrame3, "cmdDecimal", Accion::Decimal, 0, ".", kSinDibujo, "Punto decimal", 1320, 1680 },

    { &kFrame4, "cmdOp_4", Accion::Operacion, 4, "", D::Suma, "Operación - adición", 120, 240 },
    { &kFrame4, "cmdOp_5", Accion::Operacion, 5, "", D::RaizCuadrada, "Operación - raiz cuadrada",
        720, 240 },
    { &kFrame4, "cmdOp_14", Accion::Operacion, 14, "", D::RaizCubica, "Operación - raiz cúbica",
        1320, 240 },
    { &kFrame4, "cmdOp_13", Accion::Operacion, 13, "", D::RaizN, "Operación - raiz n", 1920, 240 },
    { &kFrame4, "cmdOp_3", Accion::Operacion, 3, "", D::Resta, "Operación - subtracción", 120,
        720 },
    { &kFrame4, "cmdOp_9", Accion::Operacion, 9, "", D::Cuadrado, "Operación - elevar al cuadrado",
        720, 720 },
    { &kFrame4, "cmdOp_10", Accion::Operacion, 10, "", D::Cubo, "Operación - elevar al cubo", 1320,
        720 },
    { &kFrame4, "cmdOp_8", Accion::Operacion, 8, "", D::Potencia, "Operación - potencia n", 1920,
        720 },
    { &kFrame4, "cmdOp_2", Accion::Operacion, 2, "", D::Multiplicacion,
        "Operación - multiplicación", 120, 1200 },
    { &kFrame4, "cmdOp_7", Accion::Operacion, 7, "1/x", kSinDibujo, "Operación - inversa", 720,
        1200 },
    { &kFrame4, "cmdOp_11", Accion::Operacion, 11, "mod", kSinDibujo,
        "Operación - (16 mod 5 = 1),(74  mod 10 = 4)", 1320, 1200 },
    { &kFrame4, "cmdSci_7", Accion::Cientifica, 7, "ran", kSinDibujo, "Número aleatorio", 1920,
        1200 },
    { &kFrame4, "cmdOp_1", Accion::Operacion, 1, "", D::Division, "Operación - división", 120,
        1680 },
    { &kFrame4, "cmdEquals", Accion::Igual, 0, "", D::Igual, "", 720, 1680 },
    { &kFrame4, "cmdOp_6", Accion::Operacion, 6, "%", kSinDibujo,
        "Operación - porcentaje - 30 (como) % (de) 300 = 10)", 1320, 1680 },
    { &kFrame4, "cmdOp_12", Accion::Operacion, 12, "int", kSinDibujo, "Operación - valor entero",
        1920, 1680 },
};

// ---- The engine's platform -------------------------------------------------

// The error box of an operation the engine cancels, titled "Error en cálculo".
constexpr const char* kMensajeOperacionCancelada
    = "No se puede cumplir con su petición.\r\nEsta operación ha sido cancelada.";

class ServiciosCalculadoraQt final : public ServiciosCalculadora {
public:
    explicit ServiciosCalculadoraQt(QWidget* ventana)
        : ventana_(ventana)
    {
    }

    void OperacionCancelada() override
    {
        plataforma().mensaje(ventana_, QString::fromUtf8(kMensajeOperacionCancelada),
            QStringLiteral("Error en cálculo"), IconoMensaje::Critico);
    }
    void LimpiarPortapapeles() override { plataforma().limpiarPortapapeles(); }
    void PonerTextoPortapapeles(const std::string& texto) override
    {
        plataforma().ponerTextoPortapapeles(QString::fromStdString(texto));
    }
    bool PortapapelesTieneTexto() override { return plataforma().portapapelesTieneTexto(); }
    std::string TextoPortapapeles() override
    {
        return plataforma().textoPortapapeles().toStdString();
    }
    float SortearAleatorio() override
    {
        // Reseeded from the seconds since midnight, mixed with where the
        // generator stands, so that two draws in one second still differ.
        const auto segundos
            = static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay() / 1000);
        generador_.seed(segundos ^ generador_());
        // 24 random bits: exactly representable, and never 1.
        return static_cast<float>(generador_() >> 8) / 16777216.0f;
    }

private:
    QWidget* ventana_;
    std::mt19937 generador_;
};

} // namespace

constinit const DescripcionVentana frmCalculadora::kDescripcion {
    .clase = "frmCalculadora",
    .fabrica = Fabricar<frmCalculadora>,
    .entrada = {},
    .titulo = "Calculadora científica (Quelmora)",
    .mensajes = { kMensajeOperacionCancelada },
};

frmCalculadora::frmCalculadora(QWidget* parent)
    : QMainWindow(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , servicios_(std::make_unique<ServiciosCalculadoraQt>(this))
    , BBCalc1(std::make_unique<BBCalc>(*servicios_))
{
    setWindowTitle(kDescripcion.titulo);
    setWindowIcon(QIcon(PintarDibujoCalculadora(DibujoCalculadora::Icono)));
    setFont(FuenteFormulario());

    auto* cliente = new QWidget(this);
    cliente->setFixedSize(Pixeles(5655), Pixeles(3585));
    setCentralWidget(cliente);

    QHash<const MarcoTeclas*, QGroupBox*> marcos;
    for (const MarcoTeclas* m : { &kFrame1, &kFrame5, &kFrame6, &kFrame3, &kFrame4 }) {
        auto* marco = new QGroupBox(cliente);
        marco->setObjectName(QString::fromLatin1(m->nombre));
        marco->setGeometry(EnPixeles({ m->x, m->y, m->ancho, m->alto }));
        marcos.insert(m, marco);
    }

    PicDisplay = new PantallaCalculadora(marcos.value(&kFrame1));
    PicDisplay->setObjectName(QStringLiteral("PicDisplay"));
    PicDisplay->setGeometry(EnPixeles({ 240, 300, 2055, 255 }));

    for (const Tecla& t : kTeclas) {
        auto* boton = new QPushButton(marcos.value(t.marco));
        boton->setObjectName(QString::fromLatin1(t.nombre));
        boton->setGeometry(EnPixeles({ t.x, t.y, t.ancho, t.alto }));
        boton->setToolTip(QString::fromUtf8(t.ayuda));
        // The display keeps the focus, so typed keys always reach the engine.
        boton->setFocusPolicy(Qt::NoFocus);
        if (*t.rotulo) {
            boton->setText(QString::fromUtf8(t.rotulo));
        } else {
            const QPixmap dibujo = PintarDibujoCalculadora(t.dibujo);
            boton->setIcon(QIcon(dibujo));
            boton->setIconSize(dibujo.size());
        }
        const int codigo = t.codigo;
        BBCalc& calc = *BBCalc1;
        switch (t.accion) {
        case Accion::Numero:
            connect(boton, &QPushButton::clicked, this,
                [&calc, codigo] { calc.NumberInput(static_cast<std::int16_t>(codigo)); });
            break;
        case Accion::Decimal:
            connect(boton, &QPushButton::clicked, this, [&calc] { calc.DoDecimalPoint(); });
            break;
        case Accion::Signo:
            connect(boton, &QPushButton::clicked, this, [&calc] { calc.ChangeSign(); });
            break;
        case Accion::Retroceso:
            connect(boton, &QPushButton::clicked, this, [&calc] { calc.DoBackSpace(); });
            break;
        case Accion::Borrar:
            connect(boton, &QPushButton::clicked, this, [&calc, codigo] {
                if (codigo == 0)
                    calc.Clear();
                else
                    calc.ClearOperation();
            });
            break;
        case Accion::Operacion:
            connect(boton, &QPushButton::clicked, this,
                [&calc, codigo] { calc.OperationType(codigo); });
            break;
        case Accion::Igual:
            connect(boton, &QPushButton::clicked, this, [&calc] { calc.DoResult(); });
            break;
        case Accion::Cientifica:
            connect(boton, &QPushButton::clicked, this, [&calc, codigo] { calc.TrigOp(codigo); });
            break;
        case Accion::Memoria:
            connect(boton, &QPushButton::clicked, this, [this, codigo] { cmdMem_Click(codigo); });
            break;
        }
    }
    if (auto* porcentaje = ControlNombrado<QPushButton>(this, QStringLiteral("cmdOp_6"))) {
        porcentaje->setFont(FuenteFormulario(9.75));
    }
    cmdSci_3 = ControlNombrado<QPushButton>(this, QStringLiteral("cmdSci_3"));
    cmdSci_4 = ControlNombrado<QPushButton>(this, QStringLiteral("cmdSci_4"));
    cmdMem_1 = ControlNombrado<QPushButton>(this, QStringLiteral("cmdMem_1"));
    cmdMem_1->setEnabled(false);

    // "deg" and "rad" choose the angle unit of the scientific keys.
    auto* OptDegree = new QPushButton(QStringLiteral("deg"), marcos.value(&kFrame1));
    auto* OptRadian = new QPushButton(QStringLiteral("rad"), marcos.value(&kFrame1));
    OptDegree->setObjectName(QStringLiteral("OptDegree"));
    OptRadian->setObjectName(QStringLiteral("OptRadian"));
    OptDegree->setGeometry(EnPixeles({ 4560, 240, 375, 375 }));
    OptRadian->setGeometry(EnPixeles({ 4920, 240, 375, 375 }));
    for (QPushButton* opcion : { OptDegree, OptRadian }) {
        opcion->setCheckable(true);
        opcion->setAutoExclusive(true);
        opcion->setFocusPolicy(Qt::NoFocus);
    }
    OptDegree->setChecked(true);
    connect(OptRadian, &QPushButton::toggled, this,
        [this](bool radianes) { BBCalc1->AngleMode(radianes); });

    auto* mnuEditbase = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuEditbase->setObjectName(QStringLiteral("mnuEditbase"));
    auto* mnuEdit_0 = mnuEditbase->addAction(QStringLiteral("&Copy"));
    mnuEdit_0->setObjectName(QStringLiteral("mnuEdit_0"));
    mnuEdit_0->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuEdit_1 = mnuEditbase->addAction(QStringLiteral("&Paste"));
    mnuEdit_1->setObjectName(QStringLiteral("mnuEdit_1"));
    mnuEdit_1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    connect(mnuEditbase, &QMenu::aboutToShow, this, [this] { mnuEditbase_Click(); });
    connect(mnuEdit_0, &QAction::triggered, this, [this] { BBCalc1->ClipboardAction(0); });
    connect(mnuEdit_1, &QAction::triggered, this, [this] { BBCalc1->ClipboardAction(1); });

    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Window load: the engine adopts the display, which shows "0." and enables
    // the keys once.
    BBCalc1->DisplayChanged = [this] { BBCalc1_DisplayChanged(); };
    BBCalc1->ShowBox(*PicDisplay);

    adjustSize();
    if (const QScreen* pantalla = screen())
        move(pantalla->availableGeometry().center() - rect().center());
}

frmCalculadora::~frmCalculadora()
{
    // The display outlives the engine by a moment; no redraw may reach us then.
    BBCalc1->DisplayChanged = nullptr;
    PicDisplay->EscucharTeclas(nullptr);
}

void frmCalculadora::showEvent(QShowEvent* evento)
{
    QMainWindow::showEvent(evento);
    PicDisplay->setFocus(Qt::ActiveWindowFocusReason);
}

void frmCalculadora::BBCalc1_DisplayChanged()
{
    // The inverse sine and cosine take values strictly between -1 and 1.
    const double v = LeerNumero(PicDisplay->Tag());
    const bool dentro = v > -1 && v < 1;
    cmdSci_3->setEnabled(dentro);
    cmdSci_4->setEnabled(dentro);
}

void frmCalculadora::cmdMem_Click(int codigo)
{
    BBCalc1->MemFunction(static_cast<std::int16_t>(codigo));
    cmdMem_1->setEnabled(BBCalc1->IsMemAvailable());
}

void frmCalculadora::mnuEditbase_Click()
{
    // Only here: between openings of the menu "&Paste" and Ctrl+V keep their state.
    mnuEdit_1->setEnabled(BBCalc1->CanPaste());
}

} // namespace quelmora
