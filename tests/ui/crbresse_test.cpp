// The Bresse profile window, driven as a user drives it. The expected cells were
// worked out apart from the program: Chézy's C from the mean end depth, Bresse's
// function with its range constants and the distance function by hand in double
// precision, each written through its mask by the mask rule.

#include <vector>

#include "conductor.h"

namespace {

namespace {

struct FilaBresse {
    std::vector<const char*> parcial;
    const char* x;
    const char* y;
    double puntoX;
};

struct PerfilBresse {
    const char* nombre;
    const char *q, *b, *s, *n, *yn, *y1, *y2, *nt;
    std::vector<FilaBresse> filas;
};

const PerfilBresse kM1 { "M1", "5", "10", "0.0005", "0.025", "1.2", "2", "1.4", "6",
    { { { "2.0", "1.6667", "4000.0", "0.1980", "429.06", "3570.94", "0.0" }, "0.0", "2.0", 0 },
        { { "1.90", "1.5833", "3800.0", "0.2234", "484.05", "3315.95", "254.99" }, "254.99", "1.90",
            254.9940488 },
        { { "1.80", "1.50", "3600.0", "0.2548", "552.03", "3047.97", "522.97" }, "522.97", "1.80",
            522.972397 },
        { { "1.70", "1.4167", "3400.0", "0.2946", "638.29", "2761.71", "809.24" }, "809.24", "1.70",
            809.2367647 },
        { { "1.60", "1.3333", "3200.0", "0.3470", "751.81", "2448.19", "1122.76" }, "1122.76",
            "1.60", 1122.756 },
        { { "1.50", "1.250", "3000.0", "0.4198", "909.53", "2090.47", "1480.47" }, "1480.47",
            "1.50", 1480.472697 },
        { { "1.40", "1.1667", "2800.0", "0.5307", "1149.69", "1650.31", "1920.63" }, "1920.63",
            "1.40", 1920.634104 } } };

const PerfilBresse kM2 { "M2", "5", "10", "0.0005", "0.025", "1.2", "1.1", "0.8", "3",
    { { { "1.10", "0.9167", "2200.0", "1.2851", "2837.06", "-637.06", "0.0" }, "0.0", "1.10", 0 },
        { { "1.0", "0.8333", "2000.0", "1.0238", "2260.22", "-260.22", "376.84" }, "376.84", "1.0",
            376.8420082 },
        { { "0.90", "0.750", "1800.0", "0.8566", "1891.05", "-91.05", "546.01" }, "546.01", "0.90",
            546.011154 },
        { { "0.80", "0.6667", "1600.0", "0.7267", "1604.19", "-4.19", "632.87" }, "632.87", "0.80",
            632.8688838 } } };

const PerfilBresse kS2 { "S2", "5", "10", "0.02", "0.015", "0.5", "0.8", "0.55", "5",
    { { { "0.80", "1.60", "40.0", "0.2179", "-37.86", "77.86", "0.0" }, "0.0", "0.80", 0 },
        { { "0.750", "1.50", "37.50", "0.2548", "-44.26", "81.76", "3.91" }, "3.91", "0.750",
            3.905593357 },
        { { "0.70", "1.40", "35.0", "0.3039", "-52.80", "87.80", "9.94" }, "9.94", "0.70",
            9.937315032 },
        { { "0.650", "1.30", "32.50", "0.3731", "-64.80", "97.30", "19.45" }, "19.45", "0.650",
            19.44505431 },
        { { "0.60", "1.20", "30.0", "0.4798", "-83.34", "113.34", "35.49" }, "35.49", "0.60",
            35.48558839 },
        { { "0.550", "1.10", "27.50", "0.6806", "-118.23", "145.73", "67.87" }, "67.87", "0.550",
            67.86717951 } } };

class PruebaCrbresse : public PruebaVentanas {
protected:
    QWidget* w = nullptr;
    void SetUp() override
    {
        PruebaVentanas::SetUp();
        w = Abrir("crbresse");
    }
    void Datos(const PerfilBresse& p)
    {
        const char* cajas[] = { "q", "b", "s", "n", "yn", "y1", "y2", "nt" };
        const char* valores[] = { p.q, p.b, p.s, p.n, p.yn, p.y1, p.y2, p.nt };
        for (int i = 0; i < 8; ++i)
            Escribir(w, cajas[i], valores[i]);
        grabadora.mensajes.clear();
        grabadora.pitidos = 0;
    }
};

} // namespace

TEST_F(PruebaCrbresse, OpensWithItsHeadersAndNoSideSlope)
{
    const char* cabeceras[] = { "y", "Z=y/yn", "Sx1", "F(Z)", "Sx2", "deltax", "x" };
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(Celda(w, "grdTablaP", 0, c), cabeceras[c]);
    EXPECT_EQ(w->findChild<QWidget*>("z"), nullptr);
    EXPECT_EQ(Hallar<GraficoLineas>(w, "Graph1")->Titulo(), "Curva de Remanso Método de Bresse");
}

class PerfilesCrbresse : public PruebaCrbresse,
                         public ::testing::WithParamInterface<PerfilBresse> { };

TEST_P(PerfilesCrbresse, EveryCellAndGraphPointMatchesTheWorkedProfile)
{
    const auto& p = GetParam();
    Datos(p);
    Pulsar(w, "bCalcular");
    EXPECT_TRUE(grabadora.mensajes.empty());
    const int filas = static_cast<int>(p.filas.size());
    EXPECT_EQ(FilasDe(w, "g"), filas + 1);
    for (int i = 1; i <= filas; ++i) {
        const auto& e = p.filas[i - 1];
        for (int c = 0; c < 7; ++c)
            EXPECT_EQ(Celda(w, "grdTablaP", i, c), e.parcial[c])
                << p.nombre << " row " << i << " column " << c;
        EXPECT_EQ(Celda(w, "g", i, 0), e.x) << p.nombre << " row " << i;
        EXPECT_EQ(Celda(w, "g", i, 1), e.y) << p.nombre << " row " << i;
    }
    const auto puntos = Hallar<GraficoLineas>(w, "Graph1")->Puntos();
    ASSERT_EQ(puntos.size(), filas);
    for (int i = 0; i < filas; ++i)
        EXPECT_NEAR(puntos[i].x(), p.filas[i].puntoX, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Perfiles, PerfilesCrbresse, ::testing::Values(kM1, kM2, kS2),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(PruebaCrbresse, DischargeAndWidthOnlyHaveToBeNonZero)
{
    Datos(kM2);
    Escribir(w, "q", "77");
    Escribir(w, "b", "0.3");
    Pulsar(w, "bCalcular");
    EXPECT_EQ(Celda(w, "g", 4, 0), "632.87");
    Escribir(w, "b", "0");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.ultimoMensaje(),
        "Complete adecuadamente el ingreso los datos, antes de ejecutar");
    EXPECT_EQ(grabadora.pitidos, 0);
    Escribir(w, "b", "-1");
    EXPECT_EQ(grabadora.ultimoMensaje(), "Ingresar para b, un valor igual o mayor que cero");
}

TEST_F(PruebaCrbresse, DepthEqualToTheNormalDepthIsANumericFailure)
{
    Datos(kM1);
    Pulsar(w, "bCalcular");
    Escribir(w, "y1", "1.2");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.ultimoMensaje(),
        "Los datos ingresados no permiten realizar el cálculo, revise los datos");
    EXPECT_EQ(FilasDe(w, "g"), 8); // the previous profile stays
    EXPECT_EQ(Celda(w, "g", 7, 0), "1920.63");
}

TEST_F(PruebaCrbresse, CountRulesAndClearing)
{
    Datos(kS2);
    Escribir(w, "nt", "2.5");
    Pulsar(w, "bCalcular");
    EXPECT_EQ(FilasDe(w, "grdTablaP"), 4);
    Escribir(w, "nt", "-1");
    EXPECT_EQ(grabadora.pitidos, 1);
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.ultimoMensaje(),
        "Ingresar para el número de tramos, un valor mayor que cero, o menor que 151 ");
    EXPECT_EQ(FilasDe(w, "grdTablaP"), 4);
    Pulsar(w, "bLimpiar");
    EXPECT_EQ(Celda(w, "grdTablaP", 0, 3), "F(Z)");
    EXPECT_EQ(FilasDe(w, "grdTablaP"), 4);
}

} // namespace
