// The warped-transition windows, driven as a user drives them. Expected cells
// were worked out apart from the program: the laws along the transition by hand,
// each depth by bisection on the subcritical branch of y + t/A² = H, and the
// texts through the masks by their rule.

#include <vector>

#include "conductor.h"

namespace {

namespace {

const QString kErrorCalculo = QStringLiteral(
    "Para estos datos se produce error de cálculos, posiblemente se produce resalto en la "
    "transición");

struct Diseno {
    const char *q, *bc, *bf, *zc, *zf, *yc, *hz, *k;
};

using Filas = std::vector<std::vector<const char*>>; // I, b, Z, HZ, y, v, E

// Outlet: Q = 2, bc = 2.5, BF = 1.8, zc = 1.5, ZF = 0, yc = 0.9, hz = 0.05, K = 0.2;
// t = 0.163099, H = 0.863585, L = Int(3.8725) + 1 = 4, eight reaches of 0.5 m.
const Diseno kSalida { "2", "2.5", "1.8", "1.5", "0", "0.9", "0.05", "0.2" };
const Filas kFilasSalida {
    { "0", "1.80", "0.0", "0.0", "0.7811", "1.4225", "0.8842" },
    { "1", "1.8054", "0.0969", "0.0063", "0.7975", "1.3321", "0.8879" },
    { "2", "1.8226", "0.2010", "0.0125", "0.8136", "1.2376", "0.8917" },
    { "3", "1.8532", "0.3141", "0.0188", "0.8292", "1.1411", "0.8956" },
    { "4", "1.8993", "0.4393", "0.0250", "0.8442", "1.0436", "0.8997" },
    { "5", "1.9647", "0.5814", "0.0313", "0.8584", "0.9457", "0.9040" },
    { "6", "2.0557", "0.750", "0.0375", "0.8719", "0.8466", "0.9084" },
    { "7", "2.1875", "0.9697", "0.0438", "0.8849", "0.7421", "0.9129" },
    { "8", "2.50", "1.50", "0.050", "0.90", "0.5772", "0.9170" },
};

// Inlet: Q = 1.5, bc = 1, BF = 2.6, zc = 0, ZF = 2, yc = 0.8, hz = 0.04, K = 0.1;
// yF = 1.031654, L = Int(7.16) + 1 = 8.
const Diseno kEntrada { "1.5", "1", "2.6", "0", "2", "0.8", "0.04", "0.1" };
const Filas kFilasEntrada {
    { "0", "1.0", "0.0", "0.0", "0.80", "1.8750", "0.9792" },
    { "1", "1.0112", "0.1292", "0.0050", "0.8701", "1.5342", "0.9901" },
    { "2", "1.0468", "0.2679", "0.010", "0.9174", "1.2650", "0.9989" },
    { "3", "1.1103", "0.4189", "0.0150", "0.9508", "1.0458", "1.0065" },
    { "4", "1.2071", "0.5858", "0.020", "0.9752", "0.8650", "1.0133" },
    { "5", "1.3456", "0.7753", "0.0250", "0.9936", "0.7135", "1.0195" },
    { "6", "1.5410", "1.0", "0.030", "1.0080", "0.5838", "1.0254" },
    { "7", "1.8302", "1.2929", "0.0350", "1.0199", "0.4671", "1.0310" },
    { "8", "2.60", "2.0", "0.040", "1.0317", "0.3118", "1.0366" },
};

// bc − BF = 8.1 with vertical walls: L = Int(19.035) + 1 = 20.
const Diseno kVeinteMetrosSalida { "0.5", "9.1", "1", "0", "0", "1", "0", "0.2" };
const Diseno kVeinteMetrosEntrada { "0.5", "1", "9.1", "0", "0", "1", "0", "0.1" };

class PruebaTransicion : public PruebaVentanas {
protected:
    QWidget* w = nullptr;
    void AbrirVentana(const char* clase) { w = Abrir(clase); }
    void Datos(const Diseno& d)
    {
        Escribir(w, "q", d.q);
        Escribir(w, "bc", d.bc);
        Escribir(w, "BF", d.bf);
        Escribir(w, "zc", d.zc);
        Escribir(w, "ZF", d.zf);
        Escribir(w, "yc", d.yc);
        Escribir(w, "hz", d.hz);
        Escribir(w, "k", d.k);
    }
    void Calcular(const Diseno& d)
    {
        Datos(d);
        Pulsar(w, "bCalcular");
    }
    void CompararGrillas(const Filas& filas)
    {
        for (std::size_t i = 0; i < filas.size(); ++i) {
            SCOPED_TRACE(i);
            const int fila = int(i) + 1;
            for (int c = 0; c < 4; ++c)
                EXPECT_EQ(Celda(w, "STV", fila, c), filas[i][c]);
            EXPECT_EQ(Celda(w, "TVE", fila, 0), filas[i][0]);
            for (int c = 1; c < 4; ++c)
                EXPECT_EQ(Celda(w, "TVE", fila, c), filas[i][c + 3]);
        }
    }
    int FilasEscritas(const char* grilla)
    {
        int n = 0;
        for (int fila = 1; fila < FilasDe(w, grilla); ++fila)
            if (!Celda(w, grilla, fila, 0).isEmpty())
                ++n;
        return n;
    }
};

} // namespace

TEST_F(PruebaTransicion, OutletOpensEmptyWithItsDefaultCoefficient)
{
    AbrirVentana("TranAlSa");
    for (const char* caja : { "q", "bc", "BF", "zc", "ZF", "yc", "hz" })
        EXPECT_EQ(Leer(w, caja), "") << caja;
    EXPECT_EQ(Leer(w, "k"), "0.2");
    EXPECT_EQ(FilasDe(w, "STV"), 22);
    EXPECT_EQ(FilasDe(w, "TVE"), 22);
    EXPECT_EQ(Celda(w, "STV", 0, 3), "HZ(I)");
    EXPECT_EQ(Celda(w, "TVE", 0, 1), "y(I)");
    EXPECT_EQ(FilasEscritas("STV"), 0);
}

TEST_F(PruebaTransicion, InletOpensWithTwentyOneRowGrids)
{
    AbrirVentana("TranAlEn");
    EXPECT_EQ(Leer(w, "k"), "0.1");
    EXPECT_EQ(FilasDe(w, "STV"), 21);
    EXPECT_EQ(FilasDe(w, "TVE"), 21);
}

TEST_F(PruebaTransicion, OutletDesignCellByCell)
{
    AbrirVentana("TranAlSa");
    Calcular(kSalida);
    EXPECT_TRUE(grabadora.mensajes.empty());
    EXPECT_EQ(Leer(w, "YF"), "0.7811");
    EXPECT_EQ(Leer(w, "LT"), "4");
    EXPECT_EQ(Leer(w, "NT"), "8");
    CompararGrillas(kFilasSalida);
    EXPECT_EQ(FilasEscritas("STV"), 9);
    EXPECT_EQ(FilasEscritas("TVE"), 9);
}

TEST_F(PruebaTransicion, InletDesignCellByCell)
{
    AbrirVentana("TranAlEn");
    Calcular(kEntrada);
    EXPECT_TRUE(grabadora.mensajes.empty());
    EXPECT_EQ(Leer(w, "YF"), "1.0317");
    EXPECT_EQ(Leer(w, "LT"), "8");
    EXPECT_EQ(Leer(w, "NT"), "8");
    CompararGrillas(kFilasEntrada);
}

TEST_F(PruebaTransicion, InletNamesTheFirstEmptyBoxInOrder)
{
    AbrirVentana("TranAlEn");
    const std::vector<std::pair<const char*, const char*>> orden {
        { "q", "Ingresar un valor adecuado para el caudal" },
        { "bc", "Ingresar un valor adecuado para el ancho de solera en C" },
        { "BF", "Ingresar un valor adecuado para el ancho de solera en F" },
        { "zc", "Ingresar un valor adecuado para el talud en C" },
        { "ZF", "Ingresar un valor adecuado para el talud en F" },
        { "yc", "Ingresar un valor adecuado para el tirante en C, sección de inicio de cálculos" },
        { "hz", "Ingresar un valor adecuado para la diferencia de cotas entre los 2 tramos" },
        { "k", "Ingresar un valor adecuado para coeficiente de pérdida de entrada Ke" },
    };
    Escribir(w, "k", "");
    const char* valores[] = { "1.5", "1", "2.6", "0", "2", "0.8", "0.04", "0.1" };
    for (std::size_t i = 0; i < orden.size(); ++i) {
        SCOPED_TRACE(orden[i].first);
        Pulsar(w, "bCalcular");
        ASSERT_EQ(grabadora.mensajes.size(), i + 1);
        EXPECT_EQ(grabadora.mensajes.back().texto, orden[i].second);
        EXPECT_EQ(grabadora.mensajes.back().titulo, "Error de ingreso de datos");
        EXPECT_EQ(grabadora.mensajes.back().icono, IconoMensaje::Informacion);
        EXPECT_EQ(NombreDelFoco(), orden[i].first);
        EXPECT_EQ(Leer(w, "YF"), "");
        Escribir(w, orden[i].first, valores[i]);
    }
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.mensajes.size(), orden.size());
    EXPECT_EQ(Leer(w, "YF"), "1.0317");
}

TEST_F(PruebaTransicion, InletBlankBoxIsNotEmpty)
{
    AbrirVentana("TranAlEn");
    Datos(kEntrada);
    Escribir(w, "zc", " ");
    Pulsar(w, "bCalcular");
    EXPECT_TRUE(grabadora.mensajes.empty());
    EXPECT_EQ(Leer(w, "YF"), "1.0317");
}

TEST_F(PruebaTransicion, OutletWithOnlyTheCoefficientShowsTheCalculationErrorAndChangesNothing)
{
    AbrirVentana("TranAlSa");
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, kErrorCalculo);
    EXPECT_EQ(grabadora.mensajes[0].titulo, "Error de cálculos");
    EXPECT_EQ(grabadora.mensajes[0].icono, IconoMensaje::Informacion);
    EXPECT_EQ(Leer(w, "YF"), "");
    EXPECT_EQ(FilasEscritas("STV"), 0);
}

TEST_F(PruebaTransicion, JumpInSectionFLeavesTheEarlierResults)
{
    AbrirVentana("TranAlSa");
    Calcular(kSalida);
    // 5 m³/s through a 0.5 m end has no subcritical depth below the head target.
    Calcular({ "5", "3", "0.5", "1.5", "0", "1", "0.1", "0.2" });
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.ultimoMensaje(), kErrorCalculo);
    EXPECT_EQ(Leer(w, "YF"), "0.7811");
    CompararGrillas(kFilasSalida);
}

TEST_F(PruebaTransicion, DepthInSectionFThatNeverSettlesShowsTheMessageAndChangesNothing)
{
    AbrirVentana("TranAlSa");
    Calcular(kSalida);
    // Section F (1 m, Z = 0.5) has no depth for a head target of 0.611 m: its
    // y + t/A² is 0.867 m at the lowest. The iteration swings between two depths
    // until its pass limit.
    Calcular({ "2", "4", "1", "1", "0.5", "0.8", "0.2", "0.2" });
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, kErrorCalculo);
    EXPECT_EQ(grabadora.mensajes[0].titulo, "Error de cálculos");
    EXPECT_EQ(Leer(w, "YF"), "0.7811");
    EXPECT_EQ(Leer(w, "LT"), "4");
    EXPECT_EQ(Leer(w, "NT"), "8");
    CompararGrillas(kFilasSalida);
}

TEST_F(PruebaTransicion, OutletTakesTwentyMetres)
{
    AbrirVentana("TranAlSa");
    Calcular(kVeinteMetrosSalida);
    EXPECT_TRUE(grabadora.mensajes.empty());
    EXPECT_EQ(Leer(w, "LT"), "20");
    EXPECT_EQ(Leer(w, "NT"), "20");
    EXPECT_EQ(FilasEscritas("STV"), 21);
    EXPECT_EQ(FilasEscritas("TVE"), 21);
    EXPECT_EQ(Celda(w, "STV", 21, 0), "20");
    EXPECT_EQ(Celda(w, "STV", 21, 1), "9.10");
}

TEST_F(PruebaTransicion, InletFailsAtTwentyMetresAfterTwentyRowsOfTheLaws)
{
    AbrirVentana("TranAlEn");
    Calcular(kEntrada);
    Calcular(kVeinteMetrosEntrada);
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.ultimoMensaje(), kErrorCalculo);
    EXPECT_EQ(Leer(w, "LT"), "20");
    EXPECT_EQ(Leer(w, "NT"), "20");
    EXPECT_EQ(FilasEscritas("STV"), 20);
    EXPECT_EQ(Celda(w, "STV", 20, 0), "19");
    // The lower grid keeps the earlier design.
    EXPECT_EQ(Celda(w, "TVE", 9, 1), "1.0317");
    EXPECT_EQ(FilasEscritas("TVE"), 9);
}

TEST_F(PruebaTransicion, LengthGivesTheNumberOfReaches)
{
    AbrirVentana("TranAlSa");
    Calcular({ "0.5", "2.8", "1", "0", "0", "1", "0", "0.2" }); // Int(4.23) + 1 = 5
    EXPECT_EQ(Leer(w, "LT"), "5");
    EXPECT_EQ(Leer(w, "NT"), "10");
    EXPECT_EQ(FilasEscritas("TVE"), 11);
    Calcular({ "0.5", "3.2", "1", "0", "0", "1", "0", "0.2" }); // Int(5.17) + 1 = 6
    EXPECT_EQ(Leer(w, "LT"), "6");
    EXPECT_EQ(Leer(w, "NT"), "6");
    EXPECT_EQ(FilasEscritas("STV"), 7);
    EXPECT_EQ(FilasEscritas("TVE"), 7);
}

TEST_F(PruebaTransicion, ShorterDesignLeavesNoRowsOfTheLongerOne)
{
    AbrirVentana("TranAlSa");
    Calcular(kVeinteMetrosSalida);
    Calcular(kSalida);
    CompararGrillas(kFilasSalida);
    EXPECT_EQ(FilasEscritas("STV"), 9);
    EXPECT_EQ(FilasEscritas("TVE"), 9);
    EXPECT_EQ(Celda(w, "STV", 10, 1), "");
    EXPECT_EQ(Celda(w, "TVE", 21, 3), "");
}

TEST_F(PruebaTransicion, NegativeLengthShowsTheThreeBoxesAndTheMessage)
{
    AbrirVentana("TranAlSa");
    Calcular(kSalida);
    Calcular({ "0.5", "1", "4", "0", "0", "1", "0", "0.2" }); // Int(−7.05) + 1 = −7
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.ultimoMensaje(), kErrorCalculo);
    EXPECT_EQ(Leer(w, "LT"), "-7");
    EXPECT_EQ(Leer(w, "NT"), "-14");
    CompararGrillas(kFilasSalida);
}

TEST_F(PruebaTransicion, EnterSelectsTheCoefficient)
{
    AbrirVentana("TranAlSa");
    Hallar<QLineEdit>(w, "hz")->setFocus();
    Tecla(Qt::Key_Return);
    EXPECT_EQ(NombreDelFoco(), "k");
    EXPECT_EQ(Hallar<QLineEdit>(w, "k")->selectedText(), "0.2");
    QTest::keyClicks(QApplication::focusWidget(), "0.3");
    EXPECT_EQ(Leer(w, "k"), "0.3");
    Tecla(Qt::Key_Return);
    EXPECT_EQ(NombreDelFoco(), "bCalcular");
}

TEST_F(PruebaTransicion, ClearingEmptiesBoxesCoefficientAndGrids)
{
    AbrirVentana("TranAlSa");
    Calcular(kSalida);
    Pulsar(w, "bLimpiar");
    EXPECT_EQ(Leer(w, "k"), "");
    EXPECT_EQ(FilasEscritas("STV"), 0);
    EXPECT_EQ(FilasEscritas("TVE"), 0);
    EXPECT_EQ(Celda(w, "STV", 0, 1), "b(I)");
    EXPECT_EQ(Celda(w, "TVE", 0, 3), "E(I)");
    EXPECT_EQ(FilasDe(w, "STV"), 22);
}

TEST_F(PruebaTransicion, OutletAfterClearingRunsWithoutLossCoefficient)
{
    AbrirVentana("TranAlSa");
    Pulsar(w, "bLimpiar");
    Datos({ "0", "3", "1", "1.5", "0", "1", "0.2", "" });
    Pulsar(w, "bCalcular");
    EXPECT_TRUE(grabadora.mensajes.empty());
    EXPECT_EQ(Leer(w, "YF"), "0.8000");
}

TEST_F(PruebaTransicion, InletAfterClearingStopsOnTheCoefficient)
{
    AbrirVentana("TranAlEn");
    Pulsar(w, "bLimpiar");
    Datos({ "1.5", "1", "2.6", "0", "2", "0.8", "0.04", "" });
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.ultimoMensaje(),
        "Ingresar un valor adecuado para coeficiente de pérdida de entrada Ke");
    EXPECT_EQ(NombreDelFoco(), "k");
}

TEST_F(PruebaTransicion, CopyButtonsPutTheSelectedCellsOnTheClipboard)
{
    AbrirVentana("TranAlSa");
    Calcular(kSalida);
    SeleccionarCeldas(w, "STV", 1, 1, 2, 3);
    Pulsar(w, "bResulParcialesS");
    EXPECT_EQ(grabadora.portapapeles, "1.80\t0.0\t0.0\r1.8054\t0.0969\t0.0063");
    SeleccionarCeldas(w, "TVE", 9, 0, 9, 1);
    Pulsar(w, "bResulParcialesI");
    EXPECT_EQ(grabadora.portapapeles, "8\t0.90");
    EXPECT_EQ(Celda(w, "TVE", 9, 1), "0.90");
}

TEST_F(PruebaTransicion, CopyButtonsCarryTheirTexts)
{
    AbrirVentana("TranAlEn");
    auto* superior = Hallar<QAbstractButton>(w, "bResulParcialesS");
    auto* inferior = Hallar<QAbstractButton>(w, "bResulParcialesI");
    EXPECT_EQ(superior->text(), "&Parciales Sup.");
    EXPECT_EQ(superior->toolTip(), "Antes de copiar seleccionar resultados parciales superior");
    EXPECT_EQ(inferior->text(), "Parciales Inf.");
    MoverRaton(w, "bResulParcialesI");
    EXPECT_EQ(TextoDeEstado(w), "Antes de copiar, seleccionar los resultados parciales inferior");
    EXPECT_TRUE(Resaltado(w, "bResulParcialesI"));
    MoverRaton(w, "Frame5", { 3, 60 });
    EXPECT_FALSE(Resaltado(w, "bResulParcialesI"));
}

// The copy frame's caption, regular and not bold as in no other frame of these
// windows, reads whole inside its frame.
class PruebaMarcoCopia : public PruebaVentanas,
                         public ::testing::WithParamInterface<const char*> { };

TEST_P(PruebaMarcoCopia, CaptionInRegularWeightFitsItsFrame)
{
    QWidget* w = Abrir(GetParam());
    auto* marco = Hallar<Marco>(w, "Frame5");
    EXPECT_EQ(marco->titulo(), "Copiar al portapapeles los resultados");
    EXPECT_FALSE(marco->fuenteTitulo().bold());
    // The caption is drawn from 10 pixels in and must end before the right border.
    const int ancho = QFontMetrics(marco->fuenteTitulo()).horizontalAdvance(marco->titulo());
    EXPECT_LE(10 + ancho, marco->width() - 2);
}

INSTANTIATE_TEST_SUITE_P(Ventanas, PruebaMarcoCopia,
    ::testing::Values("TranAlSa", "TranAlEn", "frmVertederoLateral"),
    [](const auto& info) { return std::string(info.param); });

TEST_F(PruebaTransicion, TitleLabelKeepsItsFullFaceOnItsLines)
{
    AbrirVentana("TranAlSa");
    auto* titulo = Hallar<QLabel>(w, "Label1");
    EXPECT_EQ(titulo->text(), "Cálculos para una transición de salida alabeada");
    EXPECT_TRUE(titulo->wordWrap());
    EXPECT_TRUE(titulo->font().bold());
    EXPECT_DOUBLE_EQ(titulo->font().pointSizeF(), 9.75);
    // Wrapped over its lines, it needs no narrower face.
    EXPECT_TRUE(titulo->font().stretch() == QFont::AnyStretch
        || titulo->font().stretch() == QFont::Unstretched);
}

} // namespace
