// The graphical-integration profile window, driven as a user drives it. Expected
// cells were worked out apart from the program: the trapezoid elements, Manning's
// friction slope and the trapezoid rule evaluated by hand in double precision and
// written through the masks by their rule.

#include <vector>

#include "conductor.h"

namespace {

namespace {

struct FilaEsperada {
    std::vector<const char*> parcial;
    const char* x;
    const char* y;
    double puntoX, puntoY;
};

struct PerfilEsperado {
    const char* nombre;
    const char *q, *b, *z, *s, *n, *y1, *y2, *nt;
    std::vector<FilaEsperada> filas;
};

// Trapezoid b = 3, Z = 1.5, n = 0.02, So = 0.0008, Q = 10 (yn = 1.45, yc = 0.89).
const PerfilEsperado kM1 { "M1", "10", "3", "1.5", "0.0008", "0.02", "2.5", "2", "4",
    { { { "2.50", "16.8750", "12.0139", "1.4046", "10.50", "0.5926", "0.000089", "0.9777",
            "0.000711", "1375.71", "---", "---" },
          "0.0", "2.5000", 0, 2.5 },
        { { "2.3750", "15.5859", "11.5632", "1.3479", "10.1250", "0.6416", "0.000111", "0.9727",
              "0.000689", "1410.98", "-174.17", "174.17" },
            "174.17", "2.3750", 174.1680866, 2.375 },
        { { "2.250", "14.3438", "11.1125", "1.2908", "9.750", "0.6972", "0.000138", "0.9663",
              "0.000662", "1460.44", "-179.46", "353.63" },
            "353.63", "2.2500", 353.6316527, 2.25 },
        { { "2.1250", "13.1484", "10.6618", "1.2332", "9.3750", "0.7605", "0.000175", "0.9580",
              "0.000625", "1532.62", "-187.07", "540.70" },
            "540.70", "2.1250", 540.6977202, 2.125 },
        { { "2.0", "12.0", "10.2111", "1.1752", "9.0", "0.8333", "0.000224", "0.9469", "0.000576",
              "1643.90", "-198.53", "739.23" },
            "739.23", "2.0000", 739.2297141, 2.0 } } };

const PerfilEsperado kM2 { "M2", "10", "3", "1.5", "0.0008", "0.02", "1.4", "1", "4",
    { { { "1.40", "7.140", "8.0478", "0.8872", "7.20", "1.4006", "0.000920", "0.7984", "-0.000120",
            "-6632.07", "---", "---" },
          "0.0", "1.4000", 0, 1.4 },
        { { "1.30", "6.4350", "7.6872", "0.8371", "6.90", "1.5540", "0.001224", "0.7360",
              "-0.000424", "-1734.31", "418.32", "418.32" },
            "418.32", "1.3000", 418.3189308, 1.3 },
        { { "1.20", "5.760", "7.3267", "0.7862", "6.60", "1.7361", "0.001662", "0.6479",
              "-0.000862", "-752.03", "124.32", "542.64" },
            "542.64", "1.2000", 542.6357654, 1.2 },
        { { "1.10", "5.1150", "6.9661", "0.7343", "6.30", "1.9550", "0.002308", "0.5201",
              "-0.001508", "-344.92", "54.85", "597.48" },
            "597.48", "1.1000", 597.4829219, 1.1 },
        { { "1.0", "4.50", "6.6056", "0.6812", "6.0", "2.2222", "0.003295", "0.3288", "-0.002495",
              "-131.77", "23.83", "621.32" },
            "621.32", "1.0000", 621.3172506, 1.0 } } };

// Steep rectangle b = 2, n = 0.015, So = 0.01, Q = 5 (yc = 0.86, yn = 0.68).
const PerfilEsperado kS2 { "S2", "5", "2", "0", "0.01", "0.015", "0.85", "0.7", "3",
    { { { "0.850", "1.70", "3.70", "0.4595", "2.0", "2.9412", "0.005490", "-0.0374", "0.004510",
            "-8.30", "---", "---" },
          "0.0", "0.8500", 0, 0.85 },
        { { "0.80", "1.60", "3.60", "0.4444", "2.0", "3.1250", "0.006478", "-0.2443", "0.003522",
              "-69.38", "1.94", "1.94" },
            "1.94", "0.8000", 1.941975487, 0.8 },
        { { "0.750", "1.50", "3.50", "0.4286", "2.0", "3.3333", "0.007737", "-0.5102", "0.002263",
              "-225.45", "7.37", "9.31" },
            "9.31", "0.7500", 9.312718054, 0.75 },
        { { "0.70", "1.40", "3.40", "0.4118", "2.0", "3.5714", "0.009368", "-0.8574", "0.000632",
              "-1357.68", "39.58", "48.89" },
            "48.89", "0.7000", 48.89101506, 0.7 } } };

const char* kCabeceras[]
    = { "y", "A", "p", "R", "T", "v", "Se", "1-Q2T/gA3", "So-Se", "f(y)", "deltax", "x" };

class PruebaCrinte : public PruebaVentanas {
protected:
    QWidget* w = nullptr;
    void SetUp() override
    {
        PruebaVentanas::SetUp();
        w = Abrir("crinte");
    }
    void Datos(const PerfilEsperado& p)
    {
        Escribir(w, "q", p.q);
        Escribir(w, "b", p.b);
        Escribir(w, "z", p.z);
        Escribir(w, "s", p.s);
        Escribir(w, "n", p.n);
        Escribir(w, "y1", p.y1);
        Escribir(w, "y2", p.y2);
        Escribir(w, "nt", p.nt);
    }
    GraficoLineas* Grafico() { return Hallar<GraficoLineas>(w, "Graph1"); }
};

} // namespace

TEST_F(PruebaCrinte, OpensWithHeadersOverTwoHundredEmptyRowsAndNoGraph)
{
    EXPECT_EQ(FilasDe(w, "g"), 200);
    EXPECT_EQ(FilasDe(w, "grdTablaP"), 200);
    EXPECT_EQ(Celda(w, "g", 0, 0), "x");
    EXPECT_EQ(Celda(w, "g", 0, 1), "y");
    for (int c = 0; c < 12; ++c)
        EXPECT_EQ(Celda(w, "grdTablaP", 0, c), kCabeceras[c]);
    EXPECT_EQ(Celda(w, "g", 1, 0), "");
    EXPECT_FALSE(Grafico()->isVisible());
    EXPECT_EQ(Grafico()->Titulo(), "Curva de Remanso Método de Integración Gráfica");
    EXPECT_EQ(NombreDelFoco(), "q");
    EXPECT_EQ(TextoDeEstado(w), "Ingresar el valor del caudal Q");
    EXPECT_EQ(Hallar<QLabel>(w, "Label13")->text(), "Resultados parciales:");
    EXPECT_EQ(Hallar<QAbstractButton>(w, "bResulParciales")->text(), "&Parciales");
    EXPECT_EQ(Hallar<QAbstractButton>(w, "bResulFinales")->toolTip(),
        "Antes de copiar seleccionar resultados finales");
}

class PerfilesCrinte : public PruebaCrinte,
                       public ::testing::WithParamInterface<PerfilEsperado> { };

TEST_P(PerfilesCrinte, EveryCellAndGraphPointMatchesTheWorkedProfile)
{
    const auto& p = GetParam();
    Datos(p);
    Pulsar(w, "bCalcular");
    EXPECT_TRUE(grabadora.mensajes.empty());
    const int filas = static_cast<int>(p.filas.size());
    EXPECT_EQ(FilasDe(w, "g"), filas + 1);
    EXPECT_EQ(FilasDe(w, "grdTablaP"), filas + 1);
    for (int i = 1; i <= filas; ++i) {
        const auto& e = p.filas[i - 1];
        for (int c = 0; c < 12; ++c)
            EXPECT_EQ(Celda(w, "grdTablaP", i, c), e.parcial[c])
                << p.nombre << " row " << i << " column " << c;
        EXPECT_EQ(Celda(w, "g", i, 0), e.x) << p.nombre << " row " << i;
        EXPECT_EQ(Celda(w, "g", i, 1), e.y) << p.nombre << " row " << i;
    }
    ASSERT_TRUE(Grafico()->isVisible());
    const auto puntos = Grafico()->Puntos();
    ASSERT_EQ(puntos.size(), filas);
    for (int i = 0; i < filas; ++i) {
        EXPECT_NEAR(puntos[i].x(), p.filas[i].puntoX, 1e-6);
        EXPECT_NEAR(puntos[i].y(), p.filas[i].puntoY, 1e-12);
    }
}

INSTANTIATE_TEST_SUITE_P(Perfiles, PerfilesCrinte, ::testing::Values(kM1, kM2, kS2),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(PruebaCrinte, HalfCountsGoToTheEvenNeighbour)
{
    Datos(kM1);
    Escribir(w, "nt", "2.5");
    Pulsar(w, "bCalcular");
    EXPECT_EQ(FilasDe(w, "g"), 4);
    EXPECT_EQ(Celda(w, "g", 3, 1), "2.0000");
    Escribir(w, "nt", "3.5");
    Pulsar(w, "bCalcular");
    EXPECT_EQ(FilasDe(w, "grdTablaP"), 6);
    EXPECT_EQ(Hallar<GraficoLineas>(w, "Graph1")->Puntos().size(), 5);
}

TEST_F(PruebaCrinte, CountBoxWarnsOutsideZeroToOneHundredFifty)
{
    Escribir(w, "nt", "150");
    EXPECT_TRUE(grabadora.mensajes.empty());
    Escribir(w, "nt", "150.2");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.ultimoMensaje(),
        "Ingresar para el número de tramos, un valor mayor que cero, o menor que 151 ");
    EXPECT_EQ(grabadora.pitidos, 1);
    EXPECT_EQ(Leer(w, "nt"), "150.2");
    Escribir(w, "nt", "-");
    EXPECT_EQ(grabadora.mensajes.size(), 1u); // a minus sign alone reads 0
    QTest::keyClicks(Hallar<QLineEdit>(w, "nt"), "1");
    EXPECT_EQ(grabadora.mensajes.size(), 2u);
}

TEST_F(PruebaCrinte, OneHundredFiftyOneStepsAreComputedAndMoreAreRefused)
{
    Datos(kM1);
    Escribir(w, "nt", "151");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    EXPECT_TRUE(grabadora.mensajes.empty());
    EXPECT_EQ(FilasDe(w, "g"), 153);
    EXPECT_EQ(Celda(w, "g", 152, 1), "2.0000");
    EXPECT_EQ(Hallar<GraficoLineas>(w, "Graph1")->Puntos().size(), 152);

    // A count the points cannot hold: the nt box's message, nothing written.
    for (const char* nt : { "152", "-2", "40000" }) {
        Escribir(w, "nt", nt);
        grabadora.mensajes.clear();
        grabadora.pitidos = 0;
        Pulsar(w, "bCalcular");
        ASSERT_EQ(grabadora.mensajes.size(), 1u) << nt;
        EXPECT_EQ(grabadora.ultimoMensaje(),
            "Ingresar para el número de tramos, un valor mayor que cero, o menor que 151 ");
        EXPECT_EQ(grabadora.pitidos, 1);
        EXPECT_EQ(FilasDe(w, "g"), 153) << nt;
        EXPECT_EQ(Celda(w, "g", 152, 1), "2.0000") << nt;
    }
}

TEST_F(PruebaCrinte, ZeroCheckAndWidthSlopeCheckRefuseWithTheirMessages)
{
    Datos(kM1);
    Pulsar(w, "bCalcular");
    const QString x2 = Celda(w, "g", 2, 0);
    for (const char* caja : { "q", "s", "n", "y1", "y2", "nt" }) {
        Datos(kM1);
        Escribir(w, caja, caja == QString("nt") ? "0.4" : "");
        grabadora.mensajes.clear();
        grabadora.pitidos = 0;
        Pulsar(w, "bCalcular");
        ASSERT_EQ(grabadora.mensajes.size(), 1u) << caja;
        EXPECT_EQ(grabadora.ultimoMensaje(),
            "Complete adecuadamente el ingreso los datos, antes de ejecutar");
        EXPECT_EQ(grabadora.pitidos, 0);
    }
    Datos(kM1);
    Escribir(w, "b", "");
    Escribir(w, "z", "0");
    grabadora.eventos.clear();
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.eventos.size(), 2u);
    EXPECT_EQ(grabadora.eventos[0].tipo, EventoGrabado::Pitido);
    EXPECT_EQ(grabadora.eventos[1].texto,
        "Los valores de b y Z no pueden ser simultáneamente iguales a cero");
    EXPECT_EQ(Celda(w, "g", 2, 0), x2); // the previous profile stays
}

TEST_F(PruebaCrinte, DepthOfZeroAreaInTheRangeGivesTheNumericFailureAndWritesNothing)
{
    // From 1 m down to −1 m in two steps the middle depth is 0: v = Q/0.
    Escribir(w, "q", "2");
    Escribir(w, "b", "2");
    Escribir(w, "z", "0");
    Escribir(w, "s", "0.001");
    Escribir(w, "n", "0.015");
    Escribir(w, "y1", "1");
    Escribir(w, "y2", "-1");
    grabadora.mensajes.clear();
    Escribir(w, "nt", "2");
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.ultimoMensaje(),
        "Los datos ingresados no permiten realizar el cálculo, revise los datos");
    EXPECT_EQ(FilasDe(w, "g"), 200);
    EXPECT_EQ(Celda(w, "grdTablaP", 1, 0), "");
    EXPECT_FALSE(Hallar<GraficoLineas>(w, "Graph1")->isVisible());
}

TEST_F(PruebaCrinte, CopyButtonsPutTheSelectedCellsOnTheClipboard)
{
    Datos(kM1);
    Pulsar(w, "bCalcular");
    SeleccionarCeldas(w, "g", 1, 0, 2, 1);
    Pulsar(w, "bResulFinales");
    EXPECT_EQ(grabadora.portapapeles, "0.0\t2.5000\r174.17\t2.3750");
    SeleccionarCeldas(w, "grdTablaP", 3, 9, 3, 9);
    Pulsar(w, "bResulParciales");
    EXPECT_EQ(grabadora.portapapeles, "1460.44");
    SeleccionarCeldas(w, "grdTablaP", 1, 10, 2, 11);
    Pulsar(w, "bResulParciales");
    EXPECT_EQ(grabadora.portapapeles, "---\t---\r-174.17\t174.17");
    EXPECT_EQ(Celda(w, "grdTablaP", 1, 10), "---"); // the grid is unchanged
}

TEST_F(PruebaCrinte, ClearingKeepsTheRowsRewritesTheHeadersAndHidesTheGraph)
{
    Datos(kM1);
    Pulsar(w, "bCalcular");
    Pulsar(w, "bLimpiar");
    EXPECT_EQ(FilasDe(w, "g"), 6);
    EXPECT_EQ(FilasDe(w, "grdTablaP"), 6);
    EXPECT_EQ(Celda(w, "g", 0, 0), "x");
    EXPECT_EQ(Celda(w, "grdTablaP", 0, 7), "1-Q2T/gA3");
    EXPECT_EQ(Celda(w, "g", 1, 1), "");
    EXPECT_EQ(Celda(w, "grdTablaP", 5, 11), "");
    EXPECT_FALSE(Hallar<GraficoLineas>(w, "Graph1")->isVisible());
}

} // namespace
