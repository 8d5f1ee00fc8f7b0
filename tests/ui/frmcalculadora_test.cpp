#include "conductor.h"

#include <QAction>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <vector>

#include "frame/core/numeros.h"

using namespace quelmora;

namespace {

// Expected displays are worked out by hand from the keys clicked.

namespace {

class VentanaCalculadora : public PruebaVentanas {
protected:
    QWidget* w = nullptr;

    void SetUp() override
    {
        PruebaVentanas::SetUp();
        w = Abrir("frmCalculadora");
        ASSERT_NE(w, nullptr);
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }

    QWidget* Display() { return Hallar(w, "PicDisplay"); }
    QString Pantalla() { return Display()->property("text").toString(); }
    bool Habilitado(const QString& nombre) { return Hallar(w, nombre)->isEnabled(); }
    QAction* Accion(const QString& nombre) { return Hallar<QAction>(w, nombre); }

    // Clicks the keys named one after the other, separated by blanks.
    void Clics(const QString& teclas)
    {
        for (const QString& t : teclas.split(' ', Qt::SkipEmptyParts))
            Pulsar(w, t);
    }

    // Opens the "&Edit" menu with the mouse, as the user does, and closes it.
    void AbrirMenuEdit()
    {
        auto* barra = w->findChild<QMenuBar*>();
        auto* menu = Hallar<QMenu>(w, "mnuEditbase");
        ASSERT_NE(barra, nullptr);
        ASSERT_NE(menu, nullptr);
        QTest::mouseClick(
            barra, Qt::LeftButton, {}, barra->actionGeometry(menu->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        QTest::keyClick(menu, Qt::Key_Escape);
        QTest::qWait(20);
    }

    void Portapapeles(const QString& texto)
    {
        grabadora.portapapeles = texto;
        grabadora.portapapelesConTexto = true;
    }
};

struct Clic {
    const char* teclas;
    const char* pantalla;
};

void PrintTo(const Clic& c, std::ostream* os) { *os << '"' << c.teclas << '"'; }

class ClicsEnTeclas : public VentanaCalculadora, public ::testing::WithParamInterface<Clic> { };

TEST_P(ClicsEnTeclas, KeysDriveTheDisplay)
{
    Clics(GetParam().teclas);
    EXPECT_EQ(Pantalla(), GetParam().pantalla);
    EXPECT_TRUE(grabadora.mensajes.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Teclas, ClicsEnTeclas, ::testing::Values(
    Clic{"", "0."},
    Clic{"cmdNum_1 cmdNum_2 cmdDecimal cmdNum_5", "12.5"},
    Clic{"cmdNum_7 cmdNum_8 cmdNum_9 cmdNum_4 cmdNum_5 cmdNum_6 cmdNum_3 cmdNum_0", "78945630."},
    Clic{"cmdNum_2 cmdOp_4 cmdNum_3 cmdOp_2 cmdNum_4 cmdEquals", "20."},
    Clic{"cmdNum_6 cmdValue cmdOp_1 cmdNum_3 cmdEquals", "-2."},  // signed quotient
    Clic{"cmdNum_9 cmdOp_3 cmdNum_4 cmdEquals cmdEquals", "1."},
    Clic{"cmdNum_2 cmdOp_4 cmdClear_0 cmdNum_5 cmdOp_4 cmdNum_3 cmdEquals", "8."},
    Clic{"cmdNum_2 cmdOp_4 cmdNum_3 cmdClear_1", "2."},
    Clic{"cmdNum_1 cmdNum_2 cmdDecimal cmdNum_5 cmdBackSpace cmdBackSpace", "1."},
    Clic{"cmdNum_1 cmdNum_6 cmdOp_5", "4."},
    Clic{"cmdNum_8 cmdOp_14", "2."},
    Clic{"cmdNum_2 cmdNum_7 cmdOp_13 cmdNum_3 cmdEquals", "3."},
    Clic{"cmdNum_3 cmdOp_9", "9."},
    Clic{"cmdNum_3 cmdOp_10", "27."},
    Clic{"cmdNum_2 cmdOp_8 cmdNum_1 cmdNum_0 cmdEquals", "1024."},
    Clic{"cmdNum_4 cmdOp_7", "0.25"},
    Clic{"cmdNum_7 cmdNum_4 cmdOp_11 cmdNum_1 cmdNum_0 cmdEquals", "4."},
    Clic{"cmdNum_3 cmdNum_0 cmdOp_6 cmdNum_3 cmdNum_0 cmdNum_0 cmdEquals", "10."},
    Clic{"cmdNum_2 cmdDecimal cmdNum_5 cmdValue cmdOp_12", "-3."},
    Clic{"cmdNum_3 cmdNum_0 cmdSci_0", "0.5"},
    Clic{"cmdNum_3 cmdNum_0 cmdValue cmdSci_0", "-0.5"},
    Clic{"cmdNum_6 cmdNum_0 cmdSci_1", "0.500000000000001"},
    Clic{"cmdNum_1 cmdSci_2", "0.0174550649282176"},  // tan 1 degree
    Clic{"cmdDecimal cmdNum_5 cmdValue cmdSci_3", "330."},
    Clic{"cmdNum_0 cmdSci_4", "90.0000000000001"},
    Clic{"cmdNum_1 cmdValue cmdSci_5", "135."},
    Clic{"cmdSci_6", "3.14159265358979"},
    Clic{"OptRadian cmdNum_1 cmdSci_0", "0.841470984807897"},
    Clic{"OptRadian OptDegree cmdNum_3 cmdNum_0 cmdSci_0", "0.5"}));
// clang-format on

TEST_F(VentanaCalculadora, OpensWithZero)
{
    EXPECT_EQ(Pantalla(), "0.");
    EXPECT_FALSE(Habilitado("cmdMem_1"));
    EXPECT_TRUE(Habilitado("cmdSci_3"));
    EXPECT_TRUE(Habilitado("cmdSci_4"));
    EXPECT_TRUE(Accion("mnuEdit_0")->isEnabled());
    EXPECT_TRUE(Accion("mnuEdit_1")->isEnabled());
    EXPECT_TRUE(Hallar<QPushButton>(w, "OptDegree")->isChecked());
    EXPECT_FALSE(Hallar<QPushButton>(w, "OptRadian")->isChecked());
    EXPECT_TRUE(Display()->hasFocus());
}

TEST_F(VentanaCalculadora, ClientAreaKeepsItsSize)
{
    auto* principal = qobject_cast<QMainWindow*>(w);
    ASSERT_NE(principal, nullptr);
    EXPECT_EQ(principal->centralWidget()->size(), QSize(377, 239)); // 5655 x 3585 twips
    EXPECT_EQ(Display()->geometry(), QRect(16, 20, 137, 17));
}

TEST_F(VentanaCalculadora, DivisionByZeroShowsTheCriticalBox)
{
    Clics("cmdNum_5 cmdOp_1 cmdNum_0 cmdEquals");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].titulo, QString("Error en cálculo"));
    EXPECT_EQ(grabadora.mensajes[0].texto,
        QString("No se puede cumplir con su petición.\r\nEsta operación ha sido cancelada."));
    EXPECT_EQ(grabadora.mensajes[0].icono, IconoMensaje::Critico);
    EXPECT_EQ(Pantalla(), "5.");
}

TEST_F(VentanaCalculadora, OverflowShowsTheBoxNeverInfinity)
{
    Clics("cmdNum_1 cmdNum_0 cmdOp_8 cmdNum_4 cmdNum_0 cmdNum_0 cmdEquals");
    EXPECT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(Pantalla(), "10.");
}

TEST_F(VentanaCalculadora, InverseSineAndCosineFollowTheEntry)
{
    Clics("cmdDecimal cmdNum_5");
    EXPECT_TRUE(Habilitado("cmdSci_3"));
    Clics("cmdOp_4 cmdDecimal cmdNum_3 cmdEquals"); // 0.8
    EXPECT_EQ(Pantalla(), "0.8");
    EXPECT_TRUE(Habilitado("cmdSci_3"));
    EXPECT_TRUE(Habilitado("cmdSci_4"));
    Clics("cmdEquals");
    EXPECT_EQ(Pantalla(), "1.1");
    EXPECT_FALSE(Habilitado("cmdSci_3"));
    EXPECT_FALSE(Habilitado("cmdSci_4"));
    Clics("cmdEquals");
    EXPECT_EQ(Pantalla(), "1.4");
    EXPECT_FALSE(Habilitado("cmdSci_3"));
    Clics("cmdClear_0 cmdNum_1");
    EXPECT_FALSE(Habilitado("cmdSci_4")); // 1 itself is outside
    Clics("cmdValue");
    EXPECT_FALSE(Habilitado("cmdSci_4"));
    Clics("cmdClear_0");
    EXPECT_TRUE(Habilitado("cmdSci_3"));
}

TEST_F(VentanaCalculadora, AdditionKeyStaysEnabledForNegativeEntries)
{
    Clics("cmdNum_5 cmdValue");
    EXPECT_EQ(Pantalla(), "-5.");
    EXPECT_TRUE(Habilitado("cmdOp_4"));
    Clics("cmdOp_4 cmdNum_2 cmdEquals");
    EXPECT_EQ(Pantalla(), "-3.");
}

TEST_F(VentanaCalculadora, MemoryRecallEnabledOnlyWhileMemoryHoldsAValue)
{
    EXPECT_FALSE(Habilitado("cmdMem_1"));
    Clics("cmdMem_2"); // "0." shown
    EXPECT_FALSE(Habilitado("cmdMem_1"));
    Clics("cmdNum_3 cmdMem_2");
    EXPECT_TRUE(Habilitado("cmdMem_1"));
    Clics("cmdMem_0");
    EXPECT_FALSE(Habilitado("cmdMem_1"));
    Clics("cmdClear_0 cmdNum_3 cmdMem_3");
    EXPECT_TRUE(Habilitado("cmdMem_1"));
    Clics("cmdClear_0 cmdClear_1"); // "C" and "CE" leave the memory
    EXPECT_TRUE(Habilitado("cmdMem_1"));
    Clics("cmdMem_1");
    EXPECT_EQ(Pantalla(), "3.");
    Clics("cmdValue cmdMem_3"); // 3 + (-3)
    EXPECT_FALSE(Habilitado("cmdMem_1"));
}

TEST_F(VentanaCalculadora, CopyPutsTheDisplayOnTheClipboard)
{
    Clics("cmdNum_1 cmdNum_2");
    ElegirMenu(w, "mnuEdit_0");
    EXPECT_EQ(grabadora.portapapeles, "12.");
    Clics("cmdClear_0");
    QTest::keyClick(w, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(grabadora.portapapeles, "0.");
}

TEST_F(VentanaCalculadora, PasteGreyedForLettersAndCtrlVDoesNothing)
{
    Portapapeles("abc");
    Clics("cmdNum_7");
    AbrirMenuEdit();
    EXPECT_FALSE(Accion("mnuEdit_1")->isEnabled());
    QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Pantalla(), "7.");
    // Greyed until the menu is opened again, whatever the clipboard holds now.
    Portapapeles("12");
    QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Pantalla(), "7.");
    AbrirMenuEdit();
    EXPECT_TRUE(Accion("mnuEdit_1")->isEnabled());
    QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Pantalla(), "12.");
    Clics("cmdOp_4 cmdNum_1 cmdEquals");
    EXPECT_EQ(Pantalla(), "13.");
}

TEST_F(VentanaCalculadora, PasteBeforeTheMenuWasOpenedTakesAnyText)
{
    Portapapeles("abc");
    Clics("cmdNum_7");
    QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Pantalla(), "0.");
}

TEST_F(VentanaCalculadora, PasteMenuEntryReadsTheLeadingNumber)
{
    Portapapeles("  3.5 kg");
    AbrirMenuEdit();
    ASSERT_TRUE(Accion("mnuEdit_1")->isEnabled());
    ElegirMenu(w, "mnuEdit_1");
    EXPECT_EQ(Pantalla(), "3.5");
}

struct TeclaSoltada {
    Qt::Key tecla;
    bool teclado; // on the numeric keypad
};

// Types on the display as the keyboard does: press and release.
void Teclear(QWidget* display, std::initializer_list<TeclaSoltada> teclas)
{
    for (const TeclaSoltada& t : teclas)
        QTest::keyClick(display, t.tecla, t.teclado ? Qt::KeypadModifier : Qt::NoModifier);
}

TEST_F(VentanaCalculadora, KeypadKeysOnTheDisplayCalculate)
{
    Teclear(Display(), { { Qt::Key_1, true }, { Qt::Key_Period, true }, { Qt::Key_5, true } });
    EXPECT_EQ(Pantalla(), "1.5");
    Teclear(
        Display(), { { Qt::Key_Asterisk, true }, { Qt::Key_4, false }, { Qt::Key_Enter, true } });
    EXPECT_EQ(Pantalla(), "6.");
    Teclear(Display(), { { Qt::Key_Plus, true }, { Qt::Key_2, true }, { Qt::Key_Return, false } });
    EXPECT_EQ(Pantalla(), "8.");
    Teclear(Display(), { { Qt::Key_Minus, true }, { Qt::Key_3, true }, { Qt::Key_Enter, true } });
    EXPECT_EQ(Pantalla(), "5.");
    Teclear(Display(), { { Qt::Key_Slash, true }, { Qt::Key_2, true }, { Qt::Key_Enter, true } });
    EXPECT_EQ(Pantalla(), "2.5");
    Teclear(Display(), { { Qt::Key_Backspace, false } });
    EXPECT_EQ(Pantalla(), "2.");
}

TEST_F(VentanaCalculadora, MainKeyboardEqualsDoesNothing)
{
    Teclear(Display(),
        { { Qt::Key_2, false }, { Qt::Key_Equal, false }, { Qt::Key_Period, false },
            { Qt::Key_5, false } });
    EXPECT_EQ(Pantalla(), "2.5");
}

// One key as an X keyboard sends it: the key and the text it types with the
// modifiers held at its press, the key's own code (an X keycode), and the key
// and text it reads as when let go with no modifier held.
struct Pulsacion {
    Qt::Key tecla;
    QString texto;
    Qt::KeyboardModifiers modificadores;
    quint32 codigo;
    Qt::Key teclaSola;
    QString textoSolo;
};

constexpr quint32 kCodigoShift = 50;

// A key of the US layout typed without Shift.
Pulsacion Sola(Qt::Key tecla, const QString& texto, quint32 codigo)
{
    return { tecla, texto, Qt::NoModifier, codigo, tecla, texto };
}

// Characters typed on the main keyboard of a US layout, '\n' for Enter.
std::vector<Pulsacion> Escrito(const char* texto)
{
    // X keycodes of the US layout: 1 to 9 and 0 are 10 to 19.
    std::vector<Pulsacion> pulsaciones;
    for (const char* c = texto; *c; ++c) {
        const QString tipo(QChar::fromLatin1(*c));
        if (*c >= '1' && *c <= '9')
            pulsaciones.push_back(Sola(Qt::Key(Qt::Key_0 + (*c - '0')), tipo, 9 + (*c - '0')));
        else if (*c == '0')
            pulsaciones.push_back(Sola(Qt::Key_0, tipo, 19));
        else if (*c == '*')
            pulsaciones.push_back(
                { Qt::Key_Asterisk, tipo, Qt::ShiftModifier, 17, Qt::Key_8, QStringLiteral("8") });
        else if (*c == '+')
            pulsaciones.push_back(
                { Qt::Key_Plus, tipo, Qt::ShiftModifier, 21, Qt::Key_Equal, QStringLiteral("=") });
        else if (*c == '-')
            pulsaciones.push_back(Sola(Qt::Key_Minus, tipo, 20));
        else if (*c == '/')
            pulsaciones.push_back(Sola(Qt::Key_Slash, tipo, 61));
        else if (*c == ',')
            pulsaciones.push_back(Sola(Qt::Key_Comma, tipo, 59));
        else if (*c == '.')
            pulsaciones.push_back(Sola(Qt::Key_Period, tipo, 60));
        else
            pulsaciones.push_back(Sola(Qt::Key_Return, QStringLiteral("\r"), 36));
    }
    return pulsaciones;
}

void EnviarTecla(QWidget* destino, QEvent::Type tipo, Qt::Key tecla, Qt::KeyboardModifiers teclas,
    quint32 codigo, const QString& texto)
{
    QKeyEvent evento(tipo, tecla, teclas, codigo, 0, 0, texto);
    QApplication::sendEvent(destino, &evento);
}

struct Tecleo {
    const char* nombre;
    std::vector<Pulsacion> pulsaciones;
    const char* pantalla;
};

void PrintTo(const Tecleo& t, std::ostream* os) { *os << t.nombre; }

// With Shift held until the key is up, or let go first as fast typists and
// xdotool do: then the key reads at its release as its unshifted self ("8", "=").
class TecladoPrincipal : public VentanaCalculadora,
                         public ::testing::WithParamInterface<std::tuple<Tecleo, bool>> { };

TEST_P(TecladoPrincipal, KeysActByTheCharacterTheyTypeWhenPressed)
{
    const auto& [tecleo, shiftPrimero] = GetParam();
    for (const Pulsacion& p : tecleo.pulsaciones) {
        const bool conShift = p.modificadores.testFlag(Qt::ShiftModifier);
        if (conShift)
            EnviarTecla(
                Display(), QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, kCodigoShift, {});
        EnviarTecla(Display(), QEvent::KeyPress, p.tecla, p.modificadores, p.codigo, p.texto);
        if (conShift && shiftPrimero) {
            EnviarTecla(
                Display(), QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier, kCodigoShift, {});
            EnviarTecla(
                Display(), QEvent::KeyRelease, p.teclaSola, Qt::NoModifier, p.codigo, p.textoSolo);
        } else {
            EnviarTecla(Display(), QEvent::KeyRelease, p.tecla, p.modificadores, p.codigo, p.texto);
            if (conShift)
                EnviarTecla(
                    Display(), QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier, kCodigoShift, {});
        }
    }
    EXPECT_EQ(Pantalla(), tecleo.pantalla);
    EXPECT_TRUE(grabadora.mensajes.empty());
}

// Worked by hand: 12.5 x 2, 7 / 2, 2 + 3, 9 - 4, 1.5 + 1, 7 x 2.
INSTANTIATE_TEST_SUITE_P(Teclas, TecladoPrincipal,
    ::testing::Combine(
        ::testing::Values(Tecleo { "multiplica", Escrito("12.5*2\n"), "25." },
            Tecleo { "divide", Escrito("7/2\n"), "3.5" }, Tecleo { "suma", Escrito("2+3\n"), "5." },
            Tecleo { "resta", Escrito("9-4\n"), "5." },
            Tecleo { "coma_decimal", Escrito("1,5+1\n"), "2.5" },
            // Where the platform reports the unshifted key: the 8 key with Shift
            // typing "*" multiplies.
            Tecleo { "mayusculas_8_multiplica",
                { Sola(Qt::Key_7, "7", 16),
                    { Qt::Key_8, "*", Qt::ShiftModifier, 17, Qt::Key_8, "8" },
                    Sola(Qt::Key_2, "2", 11), Sola(Qt::Key_Return, "\r", 36) },
                "14." },
            // Shift+8 typing "(" (as on a German layout) enters nothing.
            Tecleo { "mayusculas_8_sin_cifra",
                { Sola(Qt::Key_7, "7", 16),
                    { Qt::Key_8, "(", Qt::ShiftModifier, 17, Qt::Key_8, "8" } },
                "7." },
            Tecleo { "mayusculas_8_asterisco_sin_cifra",
                { Sola(Qt::Key_7, "7", 16),
                    { Qt::Key_Asterisk, "*", Qt::ShiftModifier, 17, Qt::Key_8, "8" } },
                "7." }),
        ::testing::Bool()),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).nombre)
            + (std::get<1>(info.param) ? "_shift_suelto_antes" : "_shift_hasta_soltar");
    });

TEST_F(VentanaCalculadora, HeldKeyActsOncePerRelease)
{
    QKeyEvent repetida(QEvent::KeyRelease, Qt::Key_7, Qt::NoModifier, "7", true);
    QApplication::sendEvent(Display(), &repetida);
    EXPECT_EQ(Pantalla(), "0.");
    QKeyEvent soltada(QEvent::KeyRelease, Qt::Key_7, Qt::NoModifier, "7", false);
    QApplication::sendEvent(Display(), &soltada);
    EXPECT_EQ(Pantalla(), "7.");
}

TEST_F(VentanaCalculadora, KeysTypedAfterAClickStillReachTheDisplay)
{
    Clics("cmdNum_4 cmdOp_2");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Pantalla(), "12.");
}

TEST_F(VentanaCalculadora, RandomKeyStaysFromOneUpToThousandAndOne)
{
    for (int i = 0; i < 50; ++i) {
        Clics("cmdSci_7");
        const double v = LeerNumero(Pantalla().toStdString());
        EXPECT_GE(v, 1.0);
        EXPECT_LT(v, 1001.0);
    }
}

} // namespace

} // namespace
