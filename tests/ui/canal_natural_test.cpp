// The two natural-channel windows driven as a user drives them: bank boxes, the
// segment grid, "&Calcular", "&Limpiar Pantalla", the graph and the messages.

#include <QChartView>
#include <QLineSeries>
#include <QScrollBar>
#include <QTableWidget>
#include <QWheelEvent>
#include <functional>

#include "conductor.h"

namespace {

namespace {

const QString kMensaje
    = QStringLiteral("Ingresó valores inadecuados. ¡Hacer la corrección correspondiente!");

class CanalNatural : public PruebaVentanas {
protected:
    QWidget* w = nullptr;

    void AbrirConstante() { w = Abrir("frmQNaturalNConstante"); }
    void AbrirCompuesta() { w = Abrir("frmQNaturalRugCompuesta"); }

    // Types each segment into the entry row, Enter after every value.
    void Segmentos(const std::vector<QStringList>& filas)
    {
        Hallar<QTableWidget>(w, "grdt")->setFocus();
        for (const auto& fila : filas)
            for (const auto& valor : fila) {
                // Key by key: the first opens the cell editor, the rest go into it.
                for (QChar c : valor)
                    QTest::keyClicks(QApplication::focusWidget(), QString(c));
                Tecla(Qt::Key_Return);
            }
    }
    void Llenar(std::initializer_list<std::pair<const char*, const char*>> cajas)
    {
        for (const auto& [caja, texto] : cajas)
            Escribir(w, caja, texto);
    }
    QList<QPointF> Puntos()
    {
        auto* grafico = Hallar<QChartView>(w, "Graph1");
        auto* serie = static_cast<QLineSeries*>(grafico->chart()->series().value(0));
        return serie ? serie->points() : QList<QPointF>();
    }
    bool GraficoVisible() { return Hallar<QWidget>(w, "Graph1")->isVisible(); }
    void EsperarResultados(std::initializer_list<std::pair<const char*, const char*>> cajas)
    {
        for (const auto& [caja, texto] : cajas)
            EXPECT_EQ(Leer(w, caja), texto) << caja;
    }
};

TEST_F(CanalNatural, OpensWithTheBankDepthSelected)
{
    AbrirCompuesta();
    EXPECT_EQ(Leer(w, "txtho"), "0");
    EXPECT_EQ(Hallar<QLineEdit>(w, "txtho")->selectedText(), "0");
    EXPECT_EQ(Leer(w, "txtvo"), "0");
    EXPECT_EQ(Leer(w, "txtnf"), "0");
    EXPECT_FALSE(GraficoVisible());
    EXPECT_TRUE(Hallar<QWidget>(w, "Picture1")->isVisible());
    EXPECT_EQ(Hallar<QTableWidget>(w, "grdt")->rowCount(), 1);
}

TEST_F(CanalNatural, ConstantWindowCaptionHasTwoBlanks)
{
    AbrirConstante();
    EXPECT_EQ(
        w->windowTitle(), "Cálculo del caudal en una sección natural con  rugosidad constante");
}

TEST_F(CanalNatural, RectangleWithConstantRoughness)
{
    AbrirConstante();
    Llenar({ { "txtS", "0.001" }, { "txtn", "0.015" }, { "txtho", "1" } });
    Segmentos({ { "2", "1" } });
    Pulsar(w, "bCalcular");
    // Rectangle 2 m wide, 1 m deep: A 2, P 4, T 2, R 0.5; Q = 2^(5/3)·√0.001/(0.015·4^(2/3)).
    EsperarResultados({ { "txta", "2.0" }, { "txtp", "4.0" }, { "txtEspejo", "2.0" },
        { "txtR", "0.5" }, { "txtQ", "2.6561" }, { "txtV", "1.3281" }, { "txtFroude", "0.424" },
        { "txtTipoFlujo", "Subcrítico" } });
    EXPECT_TRUE(grabadora.mensajes.empty());
    EXPECT_TRUE(GraficoVisible());
    EXPECT_EQ(Puntos(), (QList<QPointF> { { 0, 0 }, { 0, -1 }, { 2, -1 }, { 2, 0 } }));
}

TEST_F(CanalNatural, TrapezoidKnownByHand)
{
    AbrirConstante();
    Llenar({ { "txtS", "0.001" }, { "txtn", "0.02" }, { "txtho", "0" } });
    Segmentos({ { "1", "1" }, { "2", "1" }, { "1", "0" } });
    Pulsar(w, "bCalcular");
    // Bottom 2, depth 1, sides 1:1: A 3, P 2 + 2√2 = 4.82843, T 4, R 0.62132,
    // Q = 3^(5/3)·√0.001/(0.02·4.82843^(2/3)) = 3.45384, v = Q/3, F = v/√(9.81·3/4).
    EsperarResultados({ { "txta", "3.0" }, { "txtp", "4.8284" }, { "txtEspejo", "4.0" },
        { "txtR", "0.6213" }, { "txtQ", "3.4538" }, { "txtV", "1.1513" }, { "txtFroude", "0.4244" },
        { "txtTipoFlujo", "Subcrítico" } });
    // No walls: k + 1 points from the surface at the left bank.
    EXPECT_EQ(Puntos(), (QList<QPointF> { { 0, 0 }, { 1, -1 }, { 3, -1 }, { 4, 0 } }));
}

TEST_F(CanalNatural, CompositeRoughnessSection)
{
    AbrirCompuesta();
    Llenar({ { "txtS", "0.0005" }, { "txtho", "0.5" }, { "txtvo", "0.04" }, { "txtnf", "0.05" } });
    Segmentos({ { "2", "1.0", "0.030" }, { "3", "1.5", "0.025" }, { "2", "0.8", "0.035" } });
    Pulsar(w, "bCalcular");
    EsperarResultados({ { "txta", "7.55" }, { "txtp", "8.5219" }, { "txtEspejo", "7.0" },
        { "txtNponderado", "0.0323" }, { "txtQ", "4.8159" }, { "txtV", "0.6379" },
        { "txtFroude", "0.1961" }, { "txtTipoFlujo", "Subcrítico" } });
    EXPECT_EQ(Puntos(),
        (QList<QPointF> { { 0, 0 }, { 0, -0.5 }, { 2, -1 }, { 5, -1.5 }, { 7, -0.8 }, { 7, 0 } }));
}

TEST_F(CanalNatural, CompositeWithEqualRoughnessMatchesTheConstantOne)
{
    AbrirCompuesta();
    Llenar({ { "txtS", "0.001" }, { "txtho", "1" }, { "txtvo", "0.015" }, { "txtnf", "0.015" } });
    Segmentos({ { "2", "1", "0.015" } });
    Pulsar(w, "bCalcular");
    EsperarResultados({ { "txtNponderado", "0.015" }, { "txtQ", "2.6561" } });
}

TEST_F(CanalNatural, EmptyRoughnessWritesTheSectionAndGraphThenFails)
{
    AbrirConstante();
    Llenar({ { "txtS", "0.001" }, { "txtn", "0.015" }, { "txtho", "1" } });
    Segmentos({ { "2", "1" } });
    Pulsar(w, "bCalcular");
    Escribir(w, "txtn", "");
    Segmentos({ { "1", "1" } });
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, kMensaje);
    EXPECT_EQ(grabadora.mensajes[0].titulo, "Quelmora");
    EXPECT_EQ(grabadora.mensajes[0].icono, IconoMensaje::Ninguno);
    // The new section and outline are written; the discharge and after keep their text.
    EsperarResultados({ { "txta", "3.0" }, { "txtp", "5.0" }, { "txtEspejo", "3.0" },
        { "txtR", "0.6" }, { "txtQ", "2.6561" }, { "txtV", "1.3281" }, { "txtFroude", "0.424" },
        { "txtTipoFlujo", "Subcrítico" } });
    EXPECT_EQ(Puntos().size(), 5);
}

TEST_F(CanalNatural, NegativeRoughnessFailsBeforeAnythingIsWritten)
{
    AbrirCompuesta();
    Llenar({ { "txtS", "0.001" }, { "txtho", "1" }, { "txtvo", "-0.02" }, { "txtnf", "0.02" } });
    Segmentos({ { "2", "1", "0.02" } });
    Escribir(w, "txta", "tecleado");
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.ultimoMensaje(), kMensaje);
    EXPECT_EQ(Leer(w, "txta"), "tecleado");
    EXPECT_EQ(Leer(w, "txtp"), "");
    EXPECT_FALSE(GraficoVisible());
}

TEST_F(CanalNatural, NegativeRoughnessSumFailsAfterTheSection)
{
    AbrirCompuesta();
    Llenar({ { "txtS", "0.001" }, { "txtho", "-1" }, { "txtvo", "0.02" }, { "txtnf", "0.02" } });
    Segmentos({ { "1", "-1", "0.02" } });
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.ultimoMensaje(), kMensaje);
    // A = 1·(−1), P = −1 − 1 + 1, T = 1; the sum ho·no^1.5 + h·nf^1.5 + 1·n^1.5 < 0.
    EsperarResultados({ { "txta", "-1.0" }, { "txtp", "-1.0" }, { "txtEspejo", "1.0" },
        { "txtQ", "" }, { "txtNponderado", "" } });
    EXPECT_FALSE(GraficoVisible());
}

TEST_F(CanalNatural, CompositeWithoutRoughnessFailsAfterTheGraph)
{
    AbrirCompuesta();
    Llenar({ { "txtS", "0.001" }, { "txtho", "1" } });
    Segmentos({ { "2", "1", "0" } });
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.ultimoMensaje(), kMensaje);
    EsperarResultados(
        { { "txta", "2.0" }, { "txtp", "4.0" }, { "txtQ", "" }, { "txtNponderado", "" } });
    EXPECT_TRUE(GraficoVisible());
}

TEST_F(CanalNatural, FiveHundredSegmentsWriteNothing)
{
    AbrirConstante();
    Llenar({ { "txtS", "0.001" }, { "txtn", "0.02" }, { "txtho", "1" } });
    Segmentos(std::vector<QStringList>(500, QStringList { "", "" }));
    ASSERT_EQ(Hallar<QTableWidget>(w, "grdt")->rowCount(), 501);
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.ultimoMensaje(), kMensaje);
    EsperarResultados({ { "txta", "" }, { "txtp", "" }, { "txtR", "" } });
    EXPECT_EQ(Hallar<QTableWidget>(w, "grdt")->rowCount(), 501);
}

TEST_F(CanalNatural, NoSegmentsWritesAZeroDischargeThenFails)
{
    AbrirConstante();
    Llenar({ { "txtS", "0.001" }, { "txtn", "0.02" }, { "txtho", "1" } });
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.ultimoMensaje(), kMensaje);
    // The right wall is the left one: P = 2·ho.
    EsperarResultados(
        { { "txta", "0.0" }, { "txtp", "2.0" }, { "txtEspejo", "0.0" }, { "txtR", "0.0" },
            { "txtQ", "0.0" }, { "txtV", "" }, { "txtFroude", "" }, { "txtTipoFlujo", "" } });
    EXPECT_TRUE(GraficoVisible());
}

TEST_F(CanalNatural, NegativeSlopeFailsAfterTheGraph)
{
    AbrirConstante();
    Llenar({ { "txtS", "-0.001" }, { "txtn", "0.02" }, { "txtho", "1" } });
    Segmentos({ { "2", "1" } });
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.ultimoMensaje(), kMensaje);
    EXPECT_EQ(Leer(w, "txtR"), "0.5");
    EXPECT_TRUE(GraficoVisible());
    EXPECT_EQ(Leer(w, "txtQ"), "");
}

TEST_F(CanalNatural, EmptySlopeIsSubcriticalWithoutAMessage)
{
    AbrirConstante();
    Llenar({ { "txtn", "0.015" }, { "txtho", "1" } });
    Segmentos({ { "2", "1" } });
    Pulsar(w, "bCalcular");
    EXPECT_TRUE(grabadora.mensajes.empty());
    EsperarResultados({ { "txtQ", "0.0" }, { "txtV", "0.0" }, { "txtFroude", "0.0" },
        { "txtTipoFlujo", "Subcrítico" } });
}

TEST_F(CanalNatural, MoreSegmentsThanTheGraphHoldsFailAfterTheSection)
{
    AbrirConstante();
    Llenar({ { "txtS", "0.001" }, { "txtn", "0.02" }, { "txtho", "1" } });
    // 297 segments of 0.0 by Enter alone, then one ending 1 m deep: 298 segments
    // with both walls make 301 outline points.
    std::vector<QStringList> filas(297, QStringList { "", "" });
    filas.push_back({ "1", "1" });
    Segmentos(filas);
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.ultimoMensaje(), kMensaje);
    EXPECT_EQ(Leer(w, "txtEspejo"), "1.0");
    // A 0.5 over P = 2 walls + a 1 m step + √2 = 4.41421: R 0.11327.
    EXPECT_EQ(Leer(w, "txtR"), "0.1133");
    EXPECT_EQ(Leer(w, "txtQ"), "");
    EXPECT_FALSE(GraficoVisible());
}

// The ways out of the cell editor: each but Esc stores the typed text in the
// cell it was typed on, and the calculation uses it.
struct SalidaDelEditor {
    const char* nombre;
    std::function<void(QWidget* ventana)> salir;
    bool guarda;
};

void PrintTo(const SalidaDelEditor& s, std::ostream* os) { *os << s.nombre; }

class SalidasDelEditor : public CanalNatural,
                         public ::testing::WithParamInterface<SalidaDelEditor> { };

TEST_P(SalidasDelEditor, OnlyEscapeDropsTheTypedValue)
{
    AbrirConstante();
    Llenar({ { "txtS", "0.001" }, { "txtn", "0.015" }, { "txtho", "1" } });
    // A rectangle 2 m wide and 1 m deep, then level steps of no width: rows
    // enough for the grid to scroll.
    std::vector<QStringList> filas { { "2", "1" } };
    filas.resize(15, QStringList { "0", "1" });
    Segmentos(filas);
    auto* grdt = Hallar<QTableWidget>(w, "grdt");
    grdt->setCurrentCell(0, 0);
    QTest::keyClicks(grdt, "3");
    ASSERT_EQ(NombreDelFoco(), "txtt");
    GetParam().salir(w);
    EXPECT_TRUE(Hallar<QLineEdit>(w, "txtt")->isHidden());
    EXPECT_EQ(grdt->item(0, 0)->text(), GetParam().guarda ? "3" : "2.0");
    Pulsar(w, "bCalcular");
    // 3 (or 2) m wide by 1 m deep.
    const char* ancho = GetParam().guarda ? "3.0" : "2.0";
    EsperarResultados({ { "txta", ancho }, { "txtEspejo", ancho } });
}

void ClicEnCelda(QWidget* ventana, int fila, int columna)
{
    auto* grdt = Hallar<QTableWidget>(ventana, "grdt");
    const QRect celda = grdt->visualRect(grdt->model()->index(fila, columna));
    QTest::mouseClick(grdt->viewport(), Qt::LeftButton, {}, celda.center());
}

void RuedaHaciaAbajo(QWidget* ventana)
{
    auto* grdt = Hallar<QTableWidget>(ventana, "grdt");
    const QPointF punto = grdt->viewport()->rect().center();
    QWheelEvent rueda(punto, grdt->viewport()->mapToGlobal(punto), {}, { 0, -120 }, Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grdt->viewport(), &rueda);
    EXPECT_GT(grdt->verticalScrollBar()->value(), 0) << "the grid did not scroll";
}

INSTANTIATE_TEST_SUITE_P(Salidas, SalidasDelEditor,
    ::testing::Values(SalidaDelEditor { "Tab", [](QWidget*) { Tecla(Qt::Key_Tab); }, true },
        SalidaDelEditor { "MayusculasTab",
            [](QWidget*) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            },
            true },
        SalidaDelEditor { "ClicEnOtraCelda", [](QWidget* v) { ClicEnCelda(v, 0, 1); }, true },
        SalidaDelEditor { "ClicEnUnaCaja",
            [](QWidget* v) { QTest::mouseClick(Hallar<QLineEdit>(v, "txtn"), Qt::LeftButton); },
            true },
        SalidaDelEditor { "Rueda", RuedaHaciaAbajo, true },
        SalidaDelEditor { "ClicEnCalcular", [](QWidget* v) { Pulsar(v, "bCalcular"); }, true },
        SalidaDelEditor { "Esc", [](QWidget*) { Tecla(Qt::Key_Escape); }, false }),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(CanalNatural, EnterFromTheSlopeSelectsTheRoughness)
{
    AbrirConstante();
    Escribir(w, "txtn", "0.015");
    Hallar<QLineEdit>(w, "txtS")->setFocus();
    Tecla(Qt::Key_Return);
    EXPECT_EQ(NombreDelFoco(), "txtn");
    EXPECT_EQ(Hallar<QLineEdit>(w, "txtn")->selectedText(), "0.015");
}

TEST_F(CanalNatural, CompositeEnterChainSelectsTheBankBoxes)
{
    AbrirCompuesta();
    Tecla(Qt::Key_Return);
    EXPECT_EQ(NombreDelFoco(), "txtho");
    EXPECT_EQ(Hallar<QLineEdit>(w, "txtho")->selectedText(), "0");
    Tecla(Qt::Key_Return);
    EXPECT_EQ(NombreDelFoco(), "txtvo");
    EXPECT_EQ(Hallar<QLineEdit>(w, "txtvo")->selectedText(), "0");
    Tecla(Qt::Key_Return);
    EXPECT_EQ(NombreDelFoco(), "grdt");
    Hallar<QLineEdit>(w, "txtnf")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Hallar<QLineEdit>(w, "txtnf")->selectedText(), "0");
    Tecla(Qt::Key_Return);
    EXPECT_EQ(NombreDelFoco(), "bCalcular");
}

TEST_F(CanalNatural, ClearingEmptiesTheGridAndHidesTheGraph)
{
    AbrirCompuesta();
    Llenar({ { "txtS", "0.0005" }, { "txtho", "0.5" }, { "txtvo", "0.04" }, { "txtnf", "0.05" } });
    Segmentos({ { "2", "1.0", "0.030" }, { "3", "1.5", "0.025" } });
    Pulsar(w, "bCalcular");
    ASSERT_TRUE(GraficoVisible());
    Pulsar(w, "bLimpiar");
    EXPECT_EQ(Hallar<QTableWidget>(w, "grdt")->rowCount(), 1);
    EXPECT_FALSE(GraficoVisible());
}

TEST_F(CanalNatural, ResultBoxesAcceptTypingUntilTheNextCalculation)
{
    AbrirConstante();
    Escribir(w, "txtQ", "a mano");
    EXPECT_EQ(Leer(w, "txtQ"), "a mano");
    Llenar({ { "txtS", "0.001" }, { "txtn", "0.015" }, { "txtho", "1" } });
    Segmentos({ { "2", "1" } });
    Pulsar(w, "bCalcular");
    EXPECT_EQ(Leer(w, "txtQ"), "2.6561");
}

TEST_F(CanalNatural, TheCellEditorWritesItsHelpInTheStatusBar)
{
    AbrirConstante();
    Hallar<QTableWidget>(w, "grdt")->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "2");
    EXPECT_EQ(
        TextoDeEstado(w), "Para introducir o modificar datos, digitarlos y luego presionar ENTER");
    Hallar<QLineEdit>(w, "txtS")->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(TextoDeEstado(w), "Ingresar el valor de la pendiente del canal");
}

TEST_F(CanalNatural, OnlyTheWindowAndTheButtonFramesRestoreTheButtons)
{
    AbrirConstante();
    MoverRaton(w, "bCalcular");
    ASSERT_TRUE(Resaltado(w, "bCalcular"));
    EXPECT_EQ(TextoDeEstado(w), "Ejecuta las operaciones");
    MoverRaton(w, "Picture1");
    MoverRaton(w, "Frame1", { 5, 5 });
    MoverRaton(w, "frmResultados", { 5, 5 });
    EXPECT_TRUE(Resaltado(w, "bCalcular"));
    MoverRaton(w, "Frame5", { 3, 3 });
    EXPECT_FALSE(Resaltado(w, "bCalcular"));
    MoverRaton(w, "bCalculadora");
    MoverRaton(w, "", { 3, 3 });
    EXPECT_FALSE(Resaltado(w, "bCalculadora"));
}

// Worked out apart, the sums rounded to single precision after each addition as the
// window keeps them: A = 1.5·0.6 + 2.2·1.1 + 0.7·0.85 = 3.915, P = 0.3 + 0.4 + the
// three slanted lengths = 5.69179, T = 4.4;
// K = (0.3·0.035^1.5 + 0.4·0.03^1.5 + Σ p·n^1.5)^(2/3), ne = K/P^(2/3) = 0.028868,
// Q = A^(5/3)·√0.0012/K = 3.65079, v = Q/A, F = v/√(9.81·A/T).
TEST_F(CanalNatural, CompositeSectionOfThreeRoughnessesWorkedApart)
{
    AbrirCompuesta();
    Llenar({ { "txtS", "0.0012" }, { "txtho", "0.3" }, { "txtvo", "0.035" }, { "txtnf", "0.03" } });
    Segmentos({ { "1.5", "0.9", "0.028" }, { "2.2", "1.3", "0.022" }, { "0.7", "0.4", "0.04" } });
    Pulsar(w, "bCalcular");
    EXPECT_TRUE(grabadora.mensajes.empty());
    EsperarResultados({ { "txta", "3.915" }, { "txtp", "5.6918" }, { "txtEspejo", "4.4" },
        { "txtNponderado", "0.0289" }, { "txtQ", "3.6508" }, { "txtV", "0.9325" },
        { "txtFroude", "0.3156" }, { "txtTipoFlujo", "Subcrítico" } });
    EXPECT_EQ(Puntos(),
        (QList<QPointF> {
            { 0, 0 }, { 0, -0.3 }, { 1.5, -0.9 }, { 3.7, -1.3 }, { 4.4, -0.4 }, { 4.4, 0 } }));
}

// The same surveyed section with one roughness 0.025: R = single(A/P) = 0.687828,
// Q = A^(5/3)·√0.0012/(0.025·P^(2/3)) = 4.22713.
TEST_F(CanalNatural, ConstantRoughnessOnTheSameSectionWorkedApart)
{
    AbrirConstante();
    Llenar({ { "txtS", "0.0012" }, { "txtn", "0.025" }, { "txtho", "0.3" } });
    Segmentos({ { "1.5", "0.9" }, { "2.2", "1.3" }, { "0.7", "0.4" } });
    Pulsar(w, "bCalcular");
    EsperarResultados({ { "txta", "3.915" }, { "txtp", "5.6918" }, { "txtEspejo", "4.4" },
        { "txtR", "0.6878" }, { "txtQ", "4.2271" }, { "txtV", "1.0797" }, { "txtFroude", "0.3655" },
        { "txtTipoFlujo", "Subcrítico" } });
}

// Negative depths make the area negative: the section and its outline are
// written, then the discharge has no real value.
TEST_F(CanalNatural, NegativeDepthsFailAtTheDischarge)
{
    AbrirConstante();
    Llenar({ { "txtS", "0.001" }, { "txtn", "0.02" }, { "txtho", "0" } });
    Segmentos({ { "2", "-1" } });
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.ultimoMensaje(), kMensaje);
    // A = 2·(−0.5) = −1, P = 0 − 1 + √5 = 1.23607, T = 2, R = −0.809017
    EsperarResultados({ { "txta", "-1.0" }, { "txtp", "1.2361" }, { "txtEspejo", "2.0" },
        { "txtR", "-0.809" }, { "txtQ", "" } });
    EXPECT_TRUE(GraficoVisible());
    EXPECT_EQ(Puntos(), (QList<QPointF> { { 0, 0 }, { 2, 1 }, { 2, 0 } }));
}

} // namespace

} // namespace
