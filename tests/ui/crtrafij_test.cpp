// The fixed-reach profile window, driven as a user drives it. The expected depths
// were worked out apart from the program: each reach's far depth by bisection on
// the energy balance y1 + v1²/2g + S·dx = y2 + v2²/2g + dx·(Sf1 + Sf2)/2, written
// through the masks by their rule.

#include <vector>

#include "conductor.h"

namespace {

namespace {

struct Punto {
    const char* x;
    const char* y;
    double puntoX, puntoY;
};

struct PerfilFijo {
    const char* nombre;
    const char *q, *b, *z, *s, *n, *yi, *nt, *dx;
    std::vector<Punto> puntos;
};

const PerfilFijo kM1AguasArriba { "M1_upstream", "10", "3", "1.5", "0.0008", "0.02", "2.5", "5",
    "-100",
    { { "0.0", "2.500", 0, 2.5 }, { "-100.0", "2.4278", -100, 2.4278064823 },
        { "-200.0", "2.3567", -200, 2.3566767458 }, { "-300.0", "2.2868", -300, 2.2867717066 },
        { "-400.0", "2.2183", -400, 2.2182757813 }, { "-500.0", "2.1514", -500, 2.1513988596 } } };

const PerfilFijo kM1AguasAbajo { "M1_downstream", "10", "3", "1.5", "0.0008", "0.02", "2.5", "4",
    "100",
    { { "0.0", "2.500", 0, 2.5 }, { "100.0", "2.5731", 100, 2.5731175793 },
        { "200.0", "2.6470", 200, 2.6470383123 }, { "300.0", "2.7217", 300, 2.7216577933 },
        { "400.0", "2.7969", 400, 2.7968859714 } } };

const PerfilFijo kS2 { "S2", "5", "2", "0", "0.01", "0.015", "0.85", "3", "5",
    { { "0.0", "0.8500", 0, 0.85 }, { "5.0", "0.7659", 5, 0.7659474722 },
        { "10.0", "0.7418", 10, 0.7417526234 }, { "15.0", "0.7270", 15, 0.7270136205 } } };

const QString kTrampa = "No olvidar que para aguas arriba, ingresar para la distancia de cada "
                        "tramo dx, un valor con signo -, y para aguas abajo con signo + ";

class PruebaCrtrafij : public PruebaVentanas {
protected:
    QWidget* w = nullptr;
    void SetUp() override
    {
        PruebaVentanas::SetUp();
        w = Abrir("crtrafij");
    }
    void Datos(const PerfilFijo& p)
    {
        const char* cajas[] = { "q", "b", "z", "s", "n", "yi", "nt", "dx" };
        const char* valores[] = { p.q, p.b, p.z, p.s, p.n, p.yi, p.nt, p.dx };
        for (int i = 0; i < 8; ++i)
            Escribir(w, cajas[i], valores[i]);
        grabadora.mensajes.clear();
        grabadora.pitidos = 0;
    }
    GraficoLineas* Grafico() { return Hallar<GraficoLineas>(w, "Graph1"); }
};

} // namespace

TEST_F(PruebaCrtrafij, OpensWithTheFinalTableOnlyAndOneCopyButton)
{
    EXPECT_EQ(FilasDe(w, "g"), 200);
    EXPECT_EQ(Celda(w, "g", 0, 0), "x");
    EXPECT_EQ(w->findChild<QWidget*>("grdTablaP"), nullptr);
    EXPECT_EQ(w->findChild<QWidget*>("bResulParciales"), nullptr);
    EXPECT_EQ(Hallar<Marco>(w, "Frame2")->titulo(), "Resultados:");
    EXPECT_EQ(Grafico()->Titulo(), "Curva de Remanso Método de Tramos Fijos");
    EXPECT_FALSE(Grafico()->isVisible());
}

class PerfilesCrtrafij : public PruebaCrtrafij,
                         public ::testing::WithParamInterface<PerfilFijo> { };

TEST_P(PerfilesCrtrafij, DistancesAndDepthsMatchTheEnergyBalance)
{
    const auto& p = GetParam();
    Datos(p);
    Pulsar(w, "bCalcular");
    EXPECT_TRUE(grabadora.mensajes.empty());
    const int filas = static_cast<int>(p.puntos.size());
    EXPECT_EQ(FilasDe(w, "g"), filas + 1);
    for (int i = 1; i <= filas; ++i) {
        EXPECT_EQ(Celda(w, "g", i, 0), p.puntos[i - 1].x) << p.nombre << " row " << i;
        EXPECT_EQ(Celda(w, "g", i, 1), p.puntos[i - 1].y) << p.nombre << " row " << i;
    }
    ASSERT_TRUE(Grafico()->isVisible());
    const auto puntos = Grafico()->Puntos();
    ASSERT_EQ(puntos.size(), filas);
    for (int i = 0; i < filas; ++i) {
        EXPECT_DOUBLE_EQ(puntos[i].x(), p.puntos[i].puntoX);
        EXPECT_NEAR(puntos[i].y(), p.puntos[i].puntoY, 1e-7);
    }
}

INSTANTIATE_TEST_SUITE_P(Perfiles, PerfilesCrtrafij,
    ::testing::Values(kM1AguasArriba, kM1AguasAbajo, kS2),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(PruebaCrtrafij, ZeroChecksIncludeTheReachLengthAndTheCount)
{
    for (const char* caja : { "q", "s", "n", "dx", "yi", "nt" }) {
        Datos(kS2);
        Escribir(w, caja, caja == QString("nt") ? "0.5" : "");
        grabadora.mensajes.clear();
        Pulsar(w, "bCalcular");
        ASSERT_EQ(grabadora.mensajes.size(), 1u) << caja;
        EXPECT_EQ(grabadora.ultimoMensaje(),
            "Complete adecuadamente el ingreso los datos, antes de ejecutar");
    }
    Datos(kS2);
    Escribir(w, "b", "0");
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.pitidos, 1);
    EXPECT_EQ(grabadora.ultimoMensaje(),
        "Los valores de b y Z no pueden ser simultáneamente iguales a cero");
    EXPECT_FALSE(Grafico()->isVisible());
}

TEST_F(PruebaCrtrafij, CountBeyondThePointsWritesWhatFitsThenTheTrap)
{
    Datos(kM1AguasArriba);
    Escribir(w, "dx", "-10");
    Escribir(w, "nt", "160");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, kTrampa);
    EXPECT_EQ(grabadora.mensajes[0].titulo, "Mensaje de error");
    EXPECT_EQ(grabadora.mensajes[0].icono, IconoMensaje::Informacion);
    EXPECT_EQ(FilasDe(w, "g"), 162);
    EXPECT_EQ(Celda(w, "g", 152, 0), "-1510.0");
    EXPECT_EQ(Celda(w, "g", 153, 0), "");
    EXPECT_FALSE(Grafico()->isVisible());
    EXPECT_EQ(NombreDelFoco(), "dx");
    EXPECT_EQ(TextoDeEstado(w),
        "Ingresar la distancia de los tramos, cálculo hacia aguas abajo "
        "con signo +, hacia aguas arriba con signo -");

    Escribir(w, "nt", "151");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    EXPECT_TRUE(grabadora.mensajes.empty());
    EXPECT_EQ(FilasDe(w, "g"), 153);
    EXPECT_EQ(Grafico()->Puntos().size(), 152);
}

TEST_F(PruebaCrtrafij, HugeAndNegativeCountsEndInTheTrapWithTheGridUnchanged)
{
    Datos(kS2);
    Pulsar(w, "bCalcular");
    for (const char* nt : { "32766", "40000", "-2" }) {
        Escribir(w, "nt", nt);
        grabadora.mensajes.clear();
        Pulsar(w, "bCalcular");
        ASSERT_EQ(grabadora.mensajes.size(), 1u) << nt;
        EXPECT_EQ(grabadora.ultimoMensaje(), kTrampa);
        EXPECT_EQ(FilasDe(w, "g"), 5) << nt;
        EXPECT_EQ(Celda(w, "g", 4, 1), "0.7270") << nt;
        EXPECT_EQ(NombreDelFoco(), "dx");
    }
}

TEST_F(PruebaCrtrafij, CountOfMinusOneLeavesTheHeaderRowAloneThenTheTrap)
{
    Datos(kS2);
    Pulsar(w, "bCalcular");
    ASSERT_TRUE(Grafico()->isVisible());
    Escribir(w, "nt", "-1");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.ultimoMensaje(), kTrampa);
    // nt + 2 = 1 row: the header, with no room for the first point.
    EXPECT_EQ(FilasDe(w, "g"), 1);
    EXPECT_EQ(Celda(w, "g", 0, 0), "x");
    EXPECT_EQ(Celda(w, "g", 0, 1), "y");
    // The graph is touched only after the last reach: the previous profile stays.
    EXPECT_TRUE(Grafico()->isVisible());
    EXPECT_EQ(NombreDelFoco(), "dx");
}

TEST_F(PruebaCrtrafij, DepthLeavingTheSectionStopsWithTheRowsAlreadyWritten)
{
    // Rectangle b = 1, Q = 1 stepped 200 m downstream from 0.3 m: the depths turn
    // negative and at the seventh reach the radius under its 4/3 power has no value.
    const char* cajas[] = { "q", "b", "z", "s", "n", "yi", "nt", "dx" };
    const char* valores[] = { "1", "1", "0", "0.001", "0.015", "0.3", "10", "200" };
    for (int i = 0; i < 8; ++i)
        Escribir(w, cajas[i], valores[i]);
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.ultimoMensaje(), kTrampa);
    EXPECT_EQ(FilasDe(w, "g"), 12);
    EXPECT_EQ(Celda(w, "g", 7, 0), "1200.0");
    EXPECT_EQ(Celda(w, "g", 8, 0), "");
    EXPECT_EQ(NombreDelFoco(), "dx");
}

TEST_F(PruebaCrtrafij, ReachLengthTakesAnySignAndClearingKeepsTheRowCount)
{
    Datos(kS2);
    Pulsar(w, "bCalcular");
    SeleccionarCeldas(w, "g", 2, 0, 2, 0);
    Pulsar(w, "bResulFinales");
    EXPECT_EQ(grabadora.portapapeles, "5.0");
    Escribir(w, "dx", "-3");
    EXPECT_TRUE(grabadora.mensajes.empty()); // dx takes any sign
    Pulsar(w, "bLimpiar");
    EXPECT_EQ(FilasDe(w, "g"), 5);
    EXPECT_EQ(Celda(w, "g", 0, 1), "y");
    EXPECT_FALSE(Grafico()->isVisible());
}

} // namespace
