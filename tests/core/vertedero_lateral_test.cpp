#include <gtest/gtest.h>

#include <cmath>

#include "structures/core/vertedero_lateral.h"

using namespace quelmora;

namespace {

namespace {

DatosVertederoLateral Datos(
    double y0, double b, double z, double n, double s, double a, double dl, double nt)
{
    return { y0, b, z, n, s, a, dl, nt };
}

} // namespace

TEST(VertederoLateral, MarchRowByRow)
{
    // Worked apart: Q at the start from A·R^(2/3)·√S/n with A = 3, P = 2 + 2√2;
    // then each slice from the row before it.
    const auto r = MarchaVertedero(Datos(1.0, 2.0, 1.0, 0.015, 0.001, 0.6, 1.0, 2));
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_EQ(r.filasGrilla, 3);
    EXPECT_FALSE(r.distanciaAlcanzada);
    const double esperado[3][16] = {
        { 1, 4.60511392, 0.4, 1.120571283, 0.4676, 0.5239791319, 2.412983594, 4, 84.82829687, 3,
            28.27609896, 88.29, -60.01390104, -0.0402070779, 0.9597929221, 0 },
        { 0.9597929221, 5.129093052, 0.3597929221, 0.9559351365, 0.4635100157, 0.4430855101,
            2.272626811, 3.919585844, 103.1148791, 2.840788298, 36.29798079, 79.16746666,
            -42.86948587, -0.05301269108, 0.906780231, 1 },
        { 0.906780231, 5.572178562, 0.306780231, 0.7526456514, 0.4580364291, 0.3447391266,
            1.920947971, 3.813560462, 118.4079021, 2.635810849, 44.92276147, 68.15496356,
            -23.23220209, -0.08268471337, 0.8240955176, 2 },
    };
    ASSERT_EQ(r.filas.size(), 3u);
    for (int k = 0; k < 3; ++k)
        for (int c = 0; c < 16; ++c)
            EXPECT_NEAR(
                r.filas[k][c], esperado[k][c], 1e-8 * std::max(1.0, std::fabs(esperado[k][c])))
                << "row " << k << " column " << c;
}

TEST(VertederoLateral, StopsWhereTheDepthReachesTheCrest)
{
    // Row 4 (at 8 m) gives y + Δh = 0.334 below the 0.5 m crest.
    const auto r = MarchaVertedero(Datos(0.8, 1.5, 0.5, 0.014, 0.0008, 0.5, 2.0, 40));
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_EQ(r.filasGrilla, 41);
    ASSERT_EQ(r.filas.size(), 5u);
    ASSERT_TRUE(r.distanciaAlcanzada);
    EXPECT_EQ(*r.distanciaAlcanzada, 8.0);
    EXPECT_EQ(r.filas[4][15], 8.0);
    EXPECT_NEAR(r.filas[4][14], 0.3342497985, 1e-9);
}

TEST(VertederoLateral, StartAtTheCrestStopsAtZero)
{
    const auto r = MarchaVertedero(Datos(0.5, 1, 1, 0.014, 0.001, 0.5, 1, 3));
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    ASSERT_EQ(r.filas.size(), 1u);
    EXPECT_EQ(r.filas[0][2], 0.0); // h
    EXPECT_EQ(r.filas[0][4], 0.434); // m
    EXPECT_EQ(r.filas[0][5], 0.0); // ΔQ
    EXPECT_EQ(r.filas[0][13], 0.0); // Δh
    ASSERT_TRUE(r.distanciaAlcanzada);
    EXPECT_EQ(*r.distanciaAlcanzada, 0.0);
}

struct CasoSecciones {
    double nt;
    int filasGrilla;
    std::size_t filas;
};

class VertederoSecciones : public ::testing::TestWithParam<CasoSecciones> { };

TEST_P(VertederoSecciones, SlicesRoundHalfToEven)
{
    // The crest is low enough that no run here reaches it.
    const CasoSecciones c = GetParam();
    const auto r = MarchaVertedero(Datos(1.0, 2.0, 1.0, 0.015, 0.001, 0.6, 0.1, c.nt));
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_EQ(r.filasGrilla, c.filasGrilla);
    EXPECT_EQ(r.filas.size(), c.filas);
    EXPECT_FALSE(r.distanciaAlcanzada);
}

INSTANTIATE_TEST_SUITE_P(Tabla, VertederoSecciones,
    ::testing::Values(CasoSecciones { 0, 1, 1 }, CasoSecciones { 1.5, 2, 2 },
        CasoSecciones { 2.5, 4, 4 }, CasoSecciones { -1, 0, 0 }, CasoSecciones { -0.5, 0, 0 }));

TEST(VertederoLateral, NoSliceLengthRepeatsTheStartRow)
{
    const auto r = MarchaVertedero(Datos(1.0, 2.0, 1.0, 0.015, 0.001, 0.6, 0, 50));
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    ASSERT_EQ(r.filas.size(), 51u);
    EXPECT_EQ(r.filas[50], r.filas[0]);
}

TEST(VertederoLateral, MoreThanFiftySlicesComputesNothing)
{
    const auto r = MarchaVertedero(Datos(1.0, 2.0, 1.0, 0.015, 0.001, 0.6, 0.1, 50.5));
    EXPECT_EQ(r.fallo, FalloCalculo::DemasiadosTramos);
    EXPECT_TRUE(r.filas.empty());
}

// Each test file keeps its case rows to itself, so a row type of the same
// name in another file is a different type.
namespace {
struct CasoFallo {
    const char* nombre;
    DatosVertederoLateral datos;
};

class VertederoFallos : public ::testing::TestWithParam<CasoFallo> { };
} // namespace

TEST_P(VertederoFallos, DataWithoutValueFailWithNothingWritten)
{
    const auto r = MarchaVertedero(GetParam().datos);
    EXPECT_EQ(r.fallo, FalloCalculo::CalculoImposible);
    EXPECT_TRUE(r.filas.empty());
}

INSTANTIATE_TEST_SUITE_P(Tabla, VertederoFallos,
    ::testing::Values(CasoFallo { "SinRugosidad", Datos(1, 2, 1, 0, 0.001, 0.6, 1, 3) },
        CasoFallo { "PendienteNegativa", Datos(1, 2, 1, 0.015, -0.001, 0.6, 1, 3) },
        CasoFallo { "TiranteCero", Datos(0, 2, 1, 0.015, 0.001, 0, 1, 3) },
        CasoFallo { "TiranteNegativo", Datos(-1, 2, 1, 0.015, 0.001, -2, 1, 3) },
        CasoFallo { "BajoLaCresta", Datos(0.5, 2, 1, 0.015, 0.001, 0.6, 1, 3) },
        CasoFallo { "SinSeccion", Datos(1, 0, 0, 0.015, 0.001, 0.6, 1, 3) },
        // A crest below the bed lets slice 1 fall to a depth of −0.13 m,
        // still above the crest: the whole march fails.
        CasoFallo { "FilaPosteriorBajoElFondo", Datos(1, 2, 1, 0.015, 0.001, -0.5, 2, 5) }),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(VertederoLateral, SupercriticalStartRaisesTheDepthWithoutAWord)
{
    // A 1 m rectangle on a 5 % slope: Q = 0.5·0.25^(2/3)·√0.05/0.01 = 4.436921 at
    // y0 = 0.5 (Froude about 4). Q²·T/A − 9.81·A² = 36.920 > 0, so Δh is positive
    // and each section is deeper than the one before; the march goes on.
    const auto r = MarchaVertedero(Datos(0.5, 1.0, 0.0, 0.01, 0.05, 0.3, 0.5, 2));
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_FALSE(r.distanciaAlcanzada);
    ASSERT_EQ(r.filas.size(), 3u);
    EXPECT_NEAR(r.filas[0][1], 4.436921, 5e-7);
    EXPECT_NEAR(r.filas[0][12], 36.920033, 5e-6);
    EXPECT_NEAR(r.filas[0][13], 0.011132, 5e-7);
    EXPECT_NEAR(r.filas[1][0], 0.511132, 5e-7);
    EXPECT_NEAR(r.filas[1][1], 4.529548, 5e-7);
    EXPECT_NEAR(r.filas[2][0], 0.523300, 5e-7);
    EXPECT_NEAR(r.filas[2][14], 0.536647, 5e-7);
}

} // namespace
