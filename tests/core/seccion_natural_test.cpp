#include <gtest/gtest.h>

#include <vector>

#include "measurement/core/seccion_natural.h"

using namespace quelmora;

namespace {

namespace {

using Paso = PasoSeccionNatural;

DatosSeccionNatural Constante(double s, double n, double ho, std::vector<TramoNatural> tramos)
{
    DatosSeccionNatural d;
    d.pendiente = s;
    d.rugosidad = n;
    d.profundidadMargen = ho;
    d.tramos = std::move(tramos);
    return d;
}

DatosSeccionNatural Compuesta(
    double s, double ho, double no, double nf, std::vector<TramoNatural> tramos)
{
    DatosSeccionNatural d;
    d.rugosidadCompuesta = true;
    d.pendiente = s;
    d.profundidadMargen = ho;
    d.rugosidadMargen = no;
    d.rugosidadMargenFinal = nf;
    d.tramos = std::move(tramos);
    return d;
}

struct CasoSeccion {
    const char* nota;
    DatosSeccionNatural datos;
    double area, perimetro, espejo, cuarto; // cuarto: R or the weighted roughness
    double caudal, velocidad, froude;
};

class SeccionNatural : public ::testing::TestWithParam<CasoSeccion> { };

TEST_P(SeccionNatural, GivesSectionDischargeAndRegime)
{
    const auto& c = GetParam();
    const auto r = CalcularSeccionNatural(c.datos);
    ASSERT_TRUE(r.completo()) << c.nota;
    EXPECT_NEAR(r.area, c.area, 1e-9) << c.nota;
    EXPECT_NEAR(r.perimetro, c.perimetro, 1e-9) << c.nota;
    EXPECT_NEAR(r.espejo, c.espejo, 1e-9) << c.nota;
    EXPECT_NEAR(c.datos.rugosidadCompuesta ? r.rugosidadPonderada : r.radio, c.cuarto, 1e-10)
        << c.nota;
    EXPECT_NEAR(r.caudal, c.caudal, 1e-9) << c.nota;
    EXPECT_NEAR(r.velocidad, c.velocidad, 1e-9) << c.nota;
    EXPECT_NEAR(r.froude, c.froude, 1e-9) << c.nota;
    EXPECT_EQ(r.tipoFlujo, TipoFlujo::Subcritico) << c.nota;
}

// Expected values by hand where the section is simple (rectangle, triangle pair,
// trapezoid), and for every case cross-checked with a separate script that rounds
// each sum to single precision through a 32-bit pack and unpack. The first four are
// the worked examples (Q 2.6561, 2.6561, 4.8159, 0.7906 through "0.0###").
INSTANTIATE_TEST_SUITE_P(Tabla, SeccionNatural,
    ::testing::Values(
        CasoSeccion { "rectangle 2 x 1, constant n", Constante(0.001, 0.015, 1, { { 2, 1 } }), 2, 4,
            2, 0.5, 2.65614679311, 1.32807339655, 0.42402120264 },
        CasoSeccion { "the same rectangle with composite n all 0.015",
            Compuesta(0.001, 1, 0.015, 0.015, { { 2, 1, 0.015 } }), 2, 4, 2, 0.0149999993398,
            2.65614691001, 1.32807345501, 0.424021221303 },
        CasoSeccion { "three segments of different roughness",
            Compuesta(0.0005, 0.5, 0.04, 0.05,
                { { 2, 1.0, 0.030 }, { 3, 1.5, 0.025 }, { 2, 0.8, 0.035 } }),
            7.55000019073, 8.5218963623, 7, 0.0323363335762, 4.81594662131, 0.637873708562,
            0.196099161687 },
        CasoSeccion { "V of two slopes, no walls",
            Constante(0.001, 0.02, 0, { { 1, 1 }, { 1, 0 } }), 1, 2.82842707634, 2, 0.353553384542,
            0.790569424062, 0.790569424062, 0.356960784805 },
        CasoSeccion { "trapezoid: bottom 2, depth 1, sides 1:1 (A 3, P 2 + 2√2, T 4)",
            Constante(0.001, 0.02, 0, { { 1, 1 }, { 2, 1 }, { 1, 0 } }), 3, 4.82842731476, 4,
            0.621320307255, 3.45383534957, 1.15127844986, 0.424438958358 },
        CasoSeccion { "vertical step adds only to the perimeter",
            Compuesta(0.002, 0.3, 0.035, 0.045,
                { { 1.5, 0.9, 0.03 }, { 0, 1.4, 0.03 }, { 2.5, 1.2, 0.022 }, { 1, 0.4, 0.04 } }),
            4.9500002861, 6.60416126251, 5, 0.0305153994356, 5.98585509347, 1.20926358535,
            0.388033178827 }));

struct CasoFallo {
    const char* nota;
    DatosSeccionNatural datos;
    Paso alcanzado;
};

class SeccionNaturalFalla : public ::testing::TestWithParam<CasoFallo> { };

TEST_P(SeccionNaturalFalla, StopsAtTheFailingStep)
{
    const auto& c = GetParam();
    EXPECT_EQ(CalcularSeccionNatural(c.datos).alcanzado, c.alcanzado) << c.nota;
}

std::vector<TramoNatural> Tramos(int cuantos, TramoNatural tramo)
{
    return std::vector<TramoNatural>(static_cast<std::size_t>(cuantos), tramo);
}

// The failure table of the windows, row by row.
INSTANTIATE_TEST_SUITE_P(Tabla, SeccionNaturalFalla,
    ::testing::Values(CasoFallo { "500 segments: nothing written",
                          Constante(0.001, 0.02, 1, Tramos(500, { 1, 1, 0 })), Paso::Ninguno },
        CasoFallo { "negative wall roughness: before A, P, T",
            Compuesta(0.001, 1, -0.02, 0.02, { { 2, 1, 0.02 } }), Paso::Ninguno },
        CasoFallo { "negative segment roughness: before A, P, T",
            Compuesta(0.001, 1, 0.02, 0.02, { { 2, 1, -0.02 } }), Paso::Ninguno },
        CasoFallo { "negative roughness sum from negative depths: after A, P, T",
            Compuesta(0.001, -1, 0.02, 0.02, { { 1, -1, 0.02 } }), Paso::Seccion },
        CasoFallo { "298 segments with both walls: after A, P, T and R",
            Constante(0.001, 0.02, 1, Tramos(298, { 1, 1, 0 })), Paso::Radio },
        CasoFallo { "298 segments with both walls, composite: after A, P, T",
            Compuesta(0.001, 1, 0.02, 0.02, Tramos(298, { 1, 1, 0.02 })), Paso::Seccion },
        CasoFallo { "empty roughness box: after the graph", Constante(0.001, 0, 1, { { 2, 1 } }),
            Paso::Grafico },
        CasoFallo { "all roughness 0 in the composite window: after the graph",
            Compuesta(0.001, 1, 0, 0, { { 2, 1, 0 } }), Paso::Grafico },
        CasoFallo { "negative slope: after the graph", Constante(-0.001, 0.02, 1, { { 2, 1 } }),
            Paso::Grafico },
        CasoFallo { "negative depths give a negative area: after the graph",
            Constante(0.001, 0.02, -1, { { 3, -1 } }), Paso::Grafico },
        CasoFallo {
            "no segments: Q 0 written, then v = 0/0", Constante(0.001, 0.02, 1, {}), Paso::Caudal },
        CasoFallo { "no wall and no segments: R = 0/0 after A, P, T", Constante(0.001, 0.02, 0, {}),
            Paso::Seccion },
        CasoFallo { "overflow of a single-precision sum: nothing written",
            Constante(0.001, 0.02, 1, { { 1e39, 1 } }), Paso::Ninguno },
        CasoFallo { "top width 0 with an area: F divides by zero",
            Constante(0.001, 0.02, 1, { { 1, 3 }, { -1, 0 } }), Paso::Velocidad }));

TEST(SeccionNatural, LimitsOfTheOutline)
{
    // 297 segments with both walls make 300 points, the most the outline holds;
    // 298 with one wall and 299 with none as well.
    EXPECT_TRUE(
        CalcularSeccionNatural(Constante(0.001, 0.02, 1, Tramos(297, { 1, 1, 0 }))).completo());
    auto una = Tramos(298, { 1, 1, 0 });
    una.back().profundidad = 0;
    EXPECT_TRUE(CalcularSeccionNatural(Constante(0.001, 0.02, 1, una)).completo());
    auto ninguna = Tramos(299, { 1, 1, 0 });
    ninguna.back().profundidad = 0;
    EXPECT_TRUE(CalcularSeccionNatural(Constante(0.001, 0.02, 0, ninguna)).completo());
    ninguna.push_back({ 1, 0, 0 });
    EXPECT_EQ(CalcularSeccionNatural(Constante(0.001, 0.02, 0, ninguna)).alcanzado, Paso::Radio);
}

TEST(SeccionNatural, EmptySlopeIsNoFailure)
{
    const auto r = CalcularSeccionNatural(Constante(0, 0.015, 1, { { 2, 1 } }));
    ASSERT_TRUE(r.completo());
    EXPECT_EQ(r.caudal, 0);
    EXPECT_EQ(r.velocidad, 0);
    EXPECT_EQ(r.froude, 0);
    EXPECT_EQ(r.tipoFlujo, TipoFlujo::Subcritico);
}

TEST(SeccionNatural, NoSegmentsWritesZeroDischargeBeforeFailing)
{
    const auto r = CalcularSeccionNatural(Constante(0.001, 0.02, 1, {}));
    EXPECT_EQ(r.caudal, 0);
    // With no segment the right wall is the left one: P = 2·ho, A = 0, T = 0.
    EXPECT_EQ(r.perimetro, 2);
    EXPECT_EQ(r.area, 0);
}

struct CasoContorno {
    const char* nota;
    double ho;
    std::vector<TramoNatural> tramos;
    std::vector<std::pair<double, double>> puntos;
};

class Contorno : public ::testing::TestWithParam<CasoContorno> { };

TEST_P(Contorno, RunsFromTheSurfaceDownTheWallsAlongTheBed)
{
    const auto& c = GetParam();
    const auto puntos = ContornoSeccionNatural(c.ho, c.tramos);
    ASSERT_EQ(puntos.size(), c.puntos.size()) << c.nota;
    for (std::size_t i = 0; i < puntos.size(); ++i) {
        EXPECT_DOUBLE_EQ(puntos[i].x, c.puntos[i].first) << c.nota << " point " << i;
        EXPECT_DOUBLE_EQ(puntos[i].y, c.puntos[i].second) << c.nota << " point " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Tabla, Contorno,
    ::testing::Values(CasoContorno { "both walls: k + 3 points", 1.5, { { 2, 1 }, { 3, 0.8 } },
                          { { 0, 0 }, { 0, -1.5 }, { 2, -1 }, { 5, -0.8 }, { 5, 0 } } },
        CasoContorno { "left wall only: k + 2", 1, { { 2, 1 }, { 1, 0 } },
            { { 0, 0 }, { 0, -1 }, { 2, -1 }, { 3, 0 } } },
        CasoContorno { "right wall only: k + 2", 0, { { 2, 1 }, { 1, 0.5 } },
            { { 0, 0 }, { 2, -1 }, { 3, -0.5 }, { 3, 0 } } },
        CasoContorno {
            "no walls: k + 1", 0, { { 1, 1 }, { 1, 0 } }, { { 0, 0 }, { 1, -1 }, { 2, 0 } } }));

} // namespace

} // namespace
