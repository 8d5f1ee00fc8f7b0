// The side-weir window, driven as a user drives it. Expected cells were worked
// out apart from the program: Manning's discharge as A·R^(2/3)·√S/n, each slice
// from the row before it by hand in double precision, and the texts through the
// masks by their rule.

#include <vector>

#include "conductor.h"
#include "structures/frmVertederoLateral.h"

namespace {

namespace {

struct Datos {
    const char *y, *b, *z, *n, *s, *a, *dl, *nt;
};

using Fila = std::vector<const char*>; // the sixteen columns, upper grid first

// y0 = 1, b = 2, Z = 1, n = 0.015, S = 0.001, a = 0.6, ΔL = 1, two slices.
const Datos kCanal { "1", "2", "1", "0.015", "0.001", "0.6", "1", "2" };
const std::vector<Fila> kFilasCanal {
    { "1.0", "4.6051", "0.40", "1.1206", "0.4676", "0.5240", "2.4130", "4.0", "84.8283", "3.0",
        "28.2761", "88.290", "-60.0139", "-0.0402", "0.9598", "0.0" },
    { "0.9598", "5.1291", "0.3598", "0.9559", "0.4635", "0.4431", "2.2726", "3.9196", "103.1149",
        "2.8408", "36.2980", "79.1675", "-42.8695", "-0.0530", "0.9068", "1.0" },
    { "0.9068", "5.5722", "0.3068", "0.7526", "0.4580", "0.3447", "1.9209", "3.8136", "118.4079",
        "2.6358", "44.9228", "68.1550", "-23.2322", "-0.0827", "0.8241", "2.0" },
};

// y0 = 0.8 over a 0.5 m crest, ΔL = 2, 40 slices: the fifth section (8 m) gives
// y + Δh = 0.3342, below the crest.
const Datos kHastaLaCresta { "0.8", "1.5", "0.5", "0.014", "0.0008", "0.5", "2", "40" };

const QString kTramos = QStringLiteral("El número de tramos debe ser como máximo 50");

class PruebaVertederoLateral : public PruebaVentanas {
protected:
    QWidget* w = nullptr;
    void SetUp() override
    {
        PruebaVentanas::SetUp();
        w = Abrir("frmVertederoLateral");
    }
    void Calcular(const Datos& d)
    {
        Escribir(w, "txty", d.y);
        Escribir(w, "txtb", d.b);
        Escribir(w, "txtZ", d.z);
        Escribir(w, "txtn", d.n);
        Escribir(w, "txtS", d.s);
        Escribir(w, "txtU", d.a);
        Escribir(w, "txtL", d.dl);
        Escribir(w, "txtNt", d.nt);
        Pulsar(w, "bCalcular");
    }
    QString CeldaMarcha(int fila, int columna)
    {
        return Celda(w, columna < 8 ? "grdDatosVerte01" : "grdDatosVerte02", fila, columna % 8);
    }
    int FilasEscritas()
    {
        int n = 0;
        for (int fila = 1; fila < FilasDe(w, "grdDatosVerte01"); ++fila)
            if (!CeldaMarcha(fila, 0).isEmpty())
                ++n;
        return n;
    }
    QString Mensaje() { return Hallar<QLabel>(w, "lblMensaje")->text(); }
};

} // namespace

TEST_F(PruebaVertederoLateral, OpensWithHeadersOnly)
{
    EXPECT_EQ(FilasDe(w, "grdDatosVerte01"), 52);
    EXPECT_EQ(FilasDe(w, "grdDatosVerte02"), 52);
    const char* cabeceras[] = { "y", "Q", "h=y-a", "hSqr(2gh)", "m", "deltaQ", "Q*deltaQ", "T",
        "Q2T", "A", "Q2T/A", "gA2", "Q2T/A-gA2", "deltah", "y+deltah", "Lacum" };
    for (int c = 0; c < 16; ++c)
        EXPECT_EQ(CeldaMarcha(0, c), cabeceras[c]);
    EXPECT_EQ(FilasEscritas(), 0);
    EXPECT_EQ(Mensaje(), "");
}

TEST_F(PruebaVertederoLateral, MarchCellByCell)
{
    Calcular(kCanal);
    EXPECT_TRUE(grabadora.mensajes.empty());
    ASSERT_EQ(FilasEscritas(), 3);
    for (int k = 0; k < 3; ++k)
        for (int c = 0; c < 16; ++c)
            EXPECT_EQ(CeldaMarcha(k + 1, c), kFilasCanal[k][c]) << "row " << k << " col " << c;
    EXPECT_EQ(Mensaje(), "");
}

TEST_F(PruebaVertederoLateral, DepthReachingTheCrestStopsTheMarch)
{
    Calcular(kHastaLaCresta);
    EXPECT_TRUE(grabadora.mensajes.empty());
    EXPECT_EQ(Mensaje(), "Los cálculos se realizaron hasta los  8 m");
    EXPECT_EQ(FilasEscritas(), 5);
    EXPECT_EQ(CeldaMarcha(5, 15), "8.0");
    EXPECT_EQ(CeldaMarcha(5, 14), "0.3342");
    EXPECT_EQ(CeldaMarcha(5, 0), "0.7710");
    // Rows the march never reached stay blank.
    EXPECT_EQ(CeldaMarcha(6, 0), "");
    EXPECT_EQ(CeldaMarcha(41, 15), "");
}

TEST_F(PruebaVertederoLateral, StartAtTheCrestStopsAtZero)
{
    Calcular({ "0.5", "1", "1", "0.014", "0.001", "0.5", "1", "3" });
    EXPECT_EQ(Mensaje(), "Los cálculos se realizaron hasta los  0 m");
    EXPECT_EQ(FilasEscritas(), 1);
    EXPECT_EQ(CeldaMarcha(1, 2), "0.0"); // h
    EXPECT_EQ(CeldaMarcha(1, 4), "0.4340"); // m = 0.434
    EXPECT_EQ(CeldaMarcha(1, 5), "0.0"); // ΔQ
    EXPECT_EQ(CeldaMarcha(1, 13), "0.0"); // Δh
}

// The distance as plain decimal text: a blank before it when it is not
// negative, the minus sign in the blank's place when it is.
TEST(TextoParadaVertedero, KeepsTheFractionAndTheSign)
{
    EXPECT_EQ(TextoParadaVertedero(12.5), "Los cálculos se realizaron hasta los  12.5 m");
    EXPECT_EQ(TextoParadaVertedero(-3), "Los cálculos se realizaron hasta los -3 m");
}

TEST_F(PruebaVertederoLateral, NoSlicesWritesTheStartRowOnly)
{
    Calcular({ "0.5", "1", "1", "0.014", "0.001", "0.5", "1", "0" });
    EXPECT_EQ(FilasEscritas(), 1);
    EXPECT_EQ(Mensaje(), "");
}

TEST_F(PruebaVertederoLateral, NegativeSlicesLeaveHeadersOnly)
{
    Calcular(kCanal);
    Calcular({ "1", "2", "1", "0.015", "0.001", "0.6", "1", "-1" });
    EXPECT_TRUE(grabadora.mensajes.empty());
    EXPECT_EQ(FilasEscritas(), 0);
    EXPECT_EQ(CeldaMarcha(0, 15), "Lacum");
    EXPECT_EQ(Mensaje(), "");
}

TEST_F(PruebaVertederoLateral, HalfSlicesRoundToEven)
{
    Calcular({ "1", "2", "1", "0.015", "0.001", "0.6", "0.1", "2.5" });
    EXPECT_EQ(FilasEscritas(), 4);
    Calcular({ "1", "2", "1", "0.015", "0.001", "0.6", "0.1", "1.5" });
    EXPECT_EQ(FilasEscritas(), 2);
}

TEST_F(PruebaVertederoLateral, NoSliceLengthFillsAllFiftyOneRows)
{
    Calcular({ "1", "2", "1", "0.015", "0.001", "0.6", "0", "50" });
    EXPECT_EQ(FilasEscritas(), 51);
    EXPECT_EQ(CeldaMarcha(51, 0), "1.0");
    EXPECT_EQ(CeldaMarcha(51, 15), "0.0");
    EXPECT_EQ(Mensaje(), "");
}

TEST_F(PruebaVertederoLateral, ShorterMarchLeavesNoRowsOfTheLongerOne)
{
    Calcular({ "1", "2", "1", "0.015", "0.001", "0.6", "0", "50" });
    Calcular(kCanal);
    EXPECT_EQ(FilasEscritas(), 3);
    EXPECT_EQ(CeldaMarcha(2, 15), "1.0");
}

TEST_F(PruebaVertederoLateral, SlicesAboveFiftyWarnWhileTyping)
{
    Escribir(w, "txtNt", "5");
    EXPECT_TRUE(grabadora.mensajes.empty());
    QTest::keyClicks(Hallar<QLineEdit>(w, "txtNt"), "1");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, kTramos);
    EXPECT_EQ(grabadora.mensajes[0].titulo, "Quelmora");
    EXPECT_EQ(grabadora.pitidos, 0);
    EXPECT_EQ(Leer(w, "txtNt"), "51");
    Escribir(w, "txtNt", "50");
    EXPECT_EQ(grabadora.mensajes.size(), 1u);
    QTest::keyClicks(Hallar<QLineEdit>(w, "txtNt"), ".5");
    EXPECT_EQ(grabadora.mensajes.size(), 2u);
    Escribir(w, "txtNt", "600"); // 6, 60 and 600
    EXPECT_EQ(grabadora.mensajes.size(), 4u);
}

TEST_F(PruebaVertederoLateral, MoreThanFiftySlicesComputeNothing)
{
    Calcular(kHastaLaCresta);
    grabadora.mensajes.clear();
    Escribir(w, "txtNt", "50.5");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.ultimoMensaje(), kTramos);
    EXPECT_EQ(FilasEscritas(), 5);
    EXPECT_EQ(Mensaje(), "Los cálculos se realizaron hasta los  8 m");
}

// Each test file keeps its case rows to itself, so a row type of the same
// name in another file is a different type.
namespace {
struct CasoSinValor {
    const char* nombre;
    Datos datos;
};

class PruebaVertederoSinValor : public PruebaVertederoLateral,
                                public ::testing::WithParamInterface<CasoSinValor> { };
} // namespace

TEST_P(PruebaVertederoSinValor, ShowsTheNumericFailureAndKeepsTheEarlierMarch)
{
    Calcular(kHastaLaCresta);
    Calcular(GetParam().datos);
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.ultimoMensaje(), kMensajeCalculoImposible);
    EXPECT_EQ(FilasEscritas(), 5);
    EXPECT_EQ(Mensaje(), "Los cálculos se realizaron hasta los  8 m");
}

INSTANTIATE_TEST_SUITE_P(Tabla, PruebaVertederoSinValor,
    ::testing::Values(
        CasoSinValor { "SinRugosidad", { "1", "2", "1", "", "0.001", "0.6", "1", "2" } },
        CasoSinValor { "PendienteNegativa", { "1", "2", "1", "0.015", "-0.001", "0.6", "1", "2" } },
        CasoSinValor { "TiranteCero", { "", "2", "1", "0.015", "0.001", "", "1", "2" } },
        CasoSinValor { "BajoLaCresta", { "0.5", "2", "1", "0.015", "0.001", "0.6", "1", "2" } },
        CasoSinValor { "SinSeccion", { "1", "0", "0", "0.015", "0.001", "0.6", "1", "2" } }),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(PruebaVertederoLateral, CopyButtonsCopyEachGridsSelection)
{
    Calcular(kCanal);
    SeleccionarCeldas(w, "grdDatosVerte01", 1, 0, 2, 1);
    Pulsar(w, "bResulParcialesS");
    EXPECT_EQ(grabadora.portapapeles, "1.0\t4.6051\r0.9598\t5.1291");
    SeleccionarCeldas(w, "grdDatosVerte02", 3, 6, 3, 7);
    Pulsar(w, "bResulParcialesI");
    EXPECT_EQ(grabadora.portapapeles, "0.8241\t2.0");
}

TEST_F(PruebaVertederoLateral, ClearingKeepsTheHeaders)
{
    Calcular(kHastaLaCresta);
    Pulsar(w, "bLimpiar");
    EXPECT_EQ(FilasEscritas(), 0);
    EXPECT_EQ(CeldaMarcha(0, 0), "y");
    EXPECT_EQ(CeldaMarcha(0, 8), "Q2T");
    EXPECT_EQ(Mensaje(), "");
}

TEST_F(PruebaVertederoLateral, EnterSelectsNothing)
{
    Escribir(w, "txtNt", "1");
    Escribir(w, "txtL", "2");
    Hallar<QLineEdit>(w, "txtL")->setFocus();
    Tecla(Qt::Key_Return);
    EXPECT_EQ(Hallar<QLineEdit>(w, "txtNt")->selectedText(), "");
}

} // namespace
