// The natural-channel windows' segment grid on a real X display, typed at with
// the X server's own key presses (xdotool, through XTEST) as a keyboard types:
// a value still open in the cell editor reaches "&Calcular" pressed by its
// access key, and Tab and Shift+Tab leave the editor as they leave the grid.
//
// Run on a display of its own by tests/con_x.sh, which skips it where no X
// server can start.

#include <QProcess>
#include <QTableWidget>
#include <tuple>

#include "conductor.h"

namespace {

// Keys through the X server to the window with the X input focus; the event
// loop runs meanwhile, so the program takes them as they come.
void Xdotool(const QStringList& argumentos)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), argumentos);
    ASSERT_TRUE(xdotool.waitForStarted(5000)) << "xdotool is missing (tools/setup.sh installs it)";
    EXPECT_TRUE(QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning; }, 20000));
    EXPECT_EQ(xdotool.exitCode(), 0) << xdotool.readAllStandardError().toStdString();
    QTest::qWait(150);
}

void TeclasX(const QStringList& teclas)
{
    Xdotool(QStringList { QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("60") }
        + teclas);
}

void TextoX(const QString& texto)
{
    Xdotool({ QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("60"), texto });
}

struct CanalNaturalX {
    const char* clase;
    std::vector<std::pair<const char*, const char*>> cajas;
    std::vector<QStringList> tramos;
    const char* trasLaGrilla; // the control after the grid in the tab order
    const char* anteDeLaGrilla; // the one before it
};

void PrintTo(const CanalNaturalX& c, std::ostream* os) { *os << c.clase; }

class GrillaTecladoX : public PruebaVentanas,
                       public ::testing::WithParamInterface<CanalNaturalX> { };

TEST_P(GrillaTecladoX, TheOpenEditorReachesTheCalculationAndTabLeavesItAsTheGrid)
{
    ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run through tests/con_x.sh";
    QWidget* w = Abrir(GetParam().clase);
    ASSERT_NE(w, nullptr);
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    for (const auto& [caja, texto] : GetParam().cajas) {
        Hallar<QLineEdit>(w, caja)->setFocus();
        TeclasX({ QStringLiteral("ctrl+a") });
        TextoX(texto);
    }
    auto* grdt = Hallar<QTableWidget>(w, "grdt");
    grdt->setFocus();
    // Each value key by key, then Enter.
    QStringList teclas;
    for (const QStringList& fila : GetParam().tramos)
        for (const QString& valor : fila) {
            for (QChar c : valor)
                teclas << (c == '.' ? QStringLiteral("period") : QString(c));
            teclas << QStringLiteral("Return");
        }
    TeclasX(teclas);
    ASSERT_EQ(grdt->rowCount(), 4);
    auto celdaH = [grdt] { return grdt->item(2, 1)->text(); };
    ASSERT_EQ(celdaH(), "0.0");

    // The last segment's h, 0 → 0,5 left open in the editor, then Alt+C: the
    // area is the one of 0.5 m, 2 × (1.5 + 0.5) / 2 = 2 in place of 1.5 beside
    // 2 × (0 + 1) / 2 + 3 × (1 + 1.5) / 2 = 4.75.
    TeclasX({ QStringLiteral("Up"), QStringLiteral("Right") });
    TextoX(QStringLiteral("0,5"));
    auto* txtt = Hallar<QLineEdit>(w, "txtt");
    ASSERT_TRUE(txtt->isVisible());
    ASSERT_EQ(txtt->text(), "0,5");
    TeclasX({ QStringLiteral("alt+c") });
    EXPECT_EQ(Leer(w, "txta"), "6.75");
    EXPECT_EQ(celdaH(), "0,5");
    EXPECT_TRUE(txtt->isHidden());
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_TRUE(QApplication::focusWidget()->isVisible()) << NombreDelFoco().toStdString();

    // Tab and Shift+Tab from the editor: the cell takes what was typed and the
    // focus goes on as from the grid.
    const std::tuple<const char*, const char*, QString> salidas[] = {
        { "Tab", GetParam().trasLaGrilla, QStringLiteral("0,6") },
        { "shift+Tab", GetParam().anteDeLaGrilla, QStringLiteral("0,7") },
    };
    for (const auto& [tecla, destino, valor] : salidas) {
        grdt->setFocus();
        TextoX(valor);
        ASSERT_TRUE(txtt->isVisible()) << tecla;
        TeclasX({ QString::fromUtf8(tecla) });
        EXPECT_EQ(NombreDelFoco(), QString::fromUtf8(destino)) << tecla;
        EXPECT_EQ(celdaH(), valor) << tecla;
    }
}

INSTANTIATE_TEST_SUITE_P(Ventanas, GrillaTecladoX,
    ::testing::Values(CanalNaturalX { "frmQNaturalNConstante",
                          { { "txtS", "0.001" }, { "txtn", "0.02" }, { "txtho", "0" } },
                          { { "2", "1" }, { "3", "1.5" }, { "2", "0" } }, "bCalcular", "txtho" },
        CanalNaturalX { "frmQNaturalRugCompuesta",
            { { "txtS", "0.001" }, { "txtho", "0" }, { "txtvo", "0.03" }, { "txtnf", "0.03" } },
            { { "2", "1", "0.03" }, { "3", "1.5", "0.03" }, { "2", "0", "0.03" } }, "txtnf",
            "txtvo" }),
    [](const auto& info) { return std::string(info.param.clase); });

} // namespace
