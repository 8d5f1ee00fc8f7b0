#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "structures/core/transicion.h"

using namespace quelmora;

namespace {

namespace {

constexpr int kFilasSalida = 21;
constexpr int kFilasEntrada = 20;

DatosTransicion Datos(
    double q, double bc, double bf, double zc, double zf, double yc, double hz, double k)
{
    return { q, bc, bf, zc, zf, yc, hz, k };
}

struct FilaEsperada {
    double b, z, d, y, v, e;
};

// Expected rows worked out apart: the laws by hand, and each depth by bisection
// on the subcritical branch of y + t/A² = H (not by Newton's method).
void CompararFilas(const ResultadoTransicion& r, const std::vector<FilaEsperada>& filas)
{
    ASSERT_EQ(r.leyes.size(), filas.size());
    ASSERT_EQ(r.secciones.size(), filas.size());
    for (std::size_t i = 0; i < filas.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(r.leyes[i].indice, int(i));
        EXPECT_NEAR(r.leyes[i].ancho, filas[i].b, 5e-6);
        EXPECT_NEAR(r.leyes[i].talud, filas[i].z, 5e-6);
        EXPECT_NEAR(r.leyes[i].descenso, filas[i].d, 5e-7);
        EXPECT_EQ(r.secciones[i].indice, int(i));
        EXPECT_NEAR(r.secciones[i].tirante, filas[i].y, 2e-5);
        EXPECT_NEAR(r.secciones[i].velocidad, filas[i].v, 5e-5);
        EXPECT_NEAR(r.secciones[i].energia, filas[i].e, 2e-5);
    }
}

} // namespace

TEST(Transicion, OutletExpansionSectionBySection)
{
    const auto r = CalcularTransicion(
        VarianteTransicion::Salida, Datos(2, 2.5, 1.8, 1.5, 0, 0.9, 0.05, 0.2), kFilasSalida);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_NEAR(*r.tiranteF, 0.7810711, 2e-6);
    EXPECT_EQ(*r.longitud, 4.0); // Int(4.7·0.7/2 + 1.65·1.5·0.9) + 1 = Int(3.8725) + 1
    EXPECT_EQ(*r.tramos, 8); // 0.5 m reaches up to 5 m
    CompararFilas(r,
        {
            { 1.800000, 0.000000, 0.000000, 0.781071, 1.422548, 0.884213 },
            { 1.805450, 0.096878, 0.006250, 0.797484, 1.332063, 0.887922 },
            { 1.822640, 0.200962, 0.012500, 0.813628, 1.237634, 0.891699 },
            { 1.853170, 0.314146, 0.018750, 0.829245, 1.141062, 0.895607 },
            { 1.899330, 0.439340, 0.025000, 0.844178, 1.043590, 0.899686 },
            { 1.964699, 0.581441, 0.031250, 0.858368, 0.945699, 0.903951 },
            { 2.055706, 0.750000, 0.037500, 0.871860, 0.846599, 0.908391 },
            { 2.187487, 0.969670, 0.043750, 0.884877, 0.742138, 0.912949 },
            { 2.500000, 1.500000, 0.050000, 0.900000, 0.577201, 0.916981 },
        });
}

TEST(Transicion, InletContractionSectionBySection)
{
    const auto r = CalcularTransicion(
        VarianteTransicion::Entrada, Datos(1.5, 1.0, 2.6, 0, 2, 0.8, 0.04, 0.1), kFilasEntrada);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_NEAR(*r.tiranteF, 1.0316541, 2e-6);
    EXPECT_EQ(*r.longitud, 8.0); // Int(4.7·1.6/2 + 1.65·2·yF) + 1 = Int(7.16) + 1
    EXPECT_EQ(*r.tramos, 8);
    CompararFilas(r,
        {
            { 1.000000, 0.000000, 0.000000, 0.800000, 1.875000, 0.979186 },
            { 1.011218, 0.129171, 0.005000, 0.870137, 1.534214, 0.990107 },
            { 1.046777, 0.267949, 0.010000, 0.917394, 1.264951, 0.998949 },
            { 1.110323, 0.418861, 0.015000, 0.950788, 1.045783, 1.006530 },
            { 1.207138, 0.585786, 0.020000, 0.975159, 0.864953, 1.013291 },
            { 1.345587, 0.775255, 0.025000, 0.993560, 0.713530, 1.019509 },
            { 1.540966, 1.000000, 0.030000, 1.007996, 0.583807, 1.025367 },
            { 1.830206, 1.292893, 0.035000, 1.019872, 0.467091, 1.030992 },
            { 2.600000, 2.000000, 0.040000, 1.031654, 0.311791, 1.036609 },
        });
}

TEST(Transicion, OutletWithoutDischargeRaisesTheDepthByTheBedDrop)
{
    // t = 0: yF = yc − hz, each reach adds hz/N, velocities 0 and E = y.
    const auto r = CalcularTransicion(
        VarianteTransicion::Salida, Datos(0, 3, 1, 1.5, 0, 1, 0.2, 0.2), kFilasSalida);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_NEAR(*r.tiranteF, 0.8, 1e-12);
    EXPECT_EQ(*r.longitud, 8.0); // Int(4.7 + 2.475) + 1
    ASSERT_EQ(r.secciones.size(), 9u);
    for (int i = 0; i <= 8; ++i) {
        EXPECT_NEAR(r.secciones[i].tirante, 0.8 + 0.025 * i, 1e-12);
        EXPECT_EQ(r.secciones[i].velocidad, 0.0);
        EXPECT_EQ(r.secciones[i].energia, r.secciones[i].tirante);
    }
}

struct CasoTramos {
    double bc; // outlet, BF = 1, zc = 0, yc = 1: L = Int(2.35·(bc − 1)) + 1
    double longitud;
    int tramos;
};

class TransicionTramos : public ::testing::TestWithParam<CasoTramos> { };

TEST_P(TransicionTramos, LengthGivesTheReaches)
{
    const CasoTramos c = GetParam();
    const auto r = CalcularTransicion(
        VarianteTransicion::Salida, Datos(0.5, c.bc, 1, 0, 0, 1, 0, 0.2), kFilasSalida);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_EQ(*r.longitud, c.longitud);
    EXPECT_EQ(*r.tramos, c.tramos);
    EXPECT_EQ(int(r.leyes.size()), c.tramos + 1);
    EXPECT_EQ(int(r.secciones.size()), c.tramos + 1);
}

INSTANTIATE_TEST_SUITE_P(Tabla, TransicionTramos,
    ::testing::Values(CasoTramos { 1.0, 1, 2 }, // Int(0) + 1
        CasoTramos { 2.8, 5, 10 }, // Int(4.23) + 1
        CasoTramos { 3.2, 6, 6 }, // Int(5.17) + 1
        CasoTramos { 9.1, 20, 20 } // Int(19.035) + 1
        ));

TEST(Transicion, InletGridsHoldNineteenReachesOnly)
{
    // L = 20: the inlet's grids have room for 20 sections, so section 20 fails
    // when its row of the upper grid would be written.
    const auto r = CalcularTransicion(
        VarianteTransicion::Entrada, Datos(0.5, 1, 9.1, 0, 0, 1, 0, 0.1), kFilasEntrada);
    EXPECT_EQ(r.fallo, FalloCalculo::CalculoImposible);
    EXPECT_EQ(*r.longitud, 20.0);
    EXPECT_EQ(*r.tramos, 20);
    EXPECT_EQ(r.leyes.size(), 20u);
    EXPECT_TRUE(r.secciones.empty());
}

TEST(Transicion, MoreThanTwentyReachesFailAtSectionTwentyOne)
{
    const auto r = CalcularTransicion(
        VarianteTransicion::Salida, Datos(0.5, 9.6, 1, 0, 0, 1, 0, 0.2), kFilasSalida);
    EXPECT_EQ(r.fallo, FalloCalculo::CalculoImposible);
    EXPECT_EQ(*r.longitud, 21.0); // Int(20.21) + 1
    EXPECT_EQ(r.leyes.size(), 21u);
    EXPECT_TRUE(r.secciones.empty());
}

TEST(Transicion, EmptySectionCFailsBeforeWritingAnything)
{
    const auto r = CalcularTransicion(
        VarianteTransicion::Salida, Datos(0, 0, 0, 0, 0, 0, 0, 0.2), kFilasSalida);
    EXPECT_EQ(r.fallo, FalloCalculo::CalculoImposible);
    EXPECT_FALSE(r.tiranteF);
    EXPECT_FALSE(r.longitud);
}

TEST(Transicion, NoSubcriticalDepthInSectionFIsAJump)
{
    // Q = 5 through a 0.5 m vertical-walled end: y + t/(0.5·y)² is 3.02 m at its
    // lowest (y = 2.01 m), far above the head target of 0.95 m.
    const auto r = CalcularTransicion(
        VarianteTransicion::Salida, Datos(5, 3, 0.5, 1.5, 0, 1, 0.1, 0.2), kFilasSalida);
    EXPECT_EQ(r.fallo, FalloCalculo::CalculoImposible);
    EXPECT_FALSE(r.tiranteF);
}

TEST(Transicion, DepthIterationWithoutARootStopsAtThePassLimit)
{
    // Outlet: t = 4·0.8/19.62 = 0.163099, Ac = 3.84, H = 0.8 + t/Ac² − 0.2 = 0.611061.
    // Section F (b = 1, Z = 0.5) has y + t/A² of 0.867 m at its lowest, above H, so
    // no depth exists; Newton's steps swing between about 0.61 m and 7.25 m for
    // ever without a negative depth or a zero slope. Only the pass limit ends it.
    const double t = 4.0 * 0.8 / 19.62;
    const double h = 0.8 + t / (3.84 * 3.84) - 0.2;
    double menor = 1e300;
    for (double y = 0.01; y < 10.0; y += 0.001) {
        const double a = (1.0 + 0.5 * y) * y;
        menor = std::min(menor, y + t / (a * a));
    }
    ASSERT_GT(menor, h + 0.25);
    EXPECT_FALSE(TiranteTransicion(1.0, 0.5, t, h, 1.0));
    const auto r = CalcularTransicion(
        VarianteTransicion::Salida, Datos(2, 4, 1, 1, 0.5, 0.8, 0.2, 0.2), kFilasSalida);
    EXPECT_EQ(r.fallo, FalloCalculo::CalculoImposible);
    EXPECT_FALSE(r.tiranteF);
}

TEST(Transicion, NegativeLengthFailsAfterTheThreeBoxes)
{
    // Int(4.7·(1 − 4)/2) + 1 = −8 + 1 = −7, N = −14.
    const auto r = CalcularTransicion(
        VarianteTransicion::Salida, Datos(0.5, 1, 4, 0, 0, 1, 0, 0.2), kFilasSalida);
    EXPECT_EQ(r.fallo, FalloCalculo::CalculoImposible);
    ASSERT_TRUE(r.tiranteF && r.longitud && r.tramos);
    EXPECT_EQ(*r.longitud, -7.0);
    EXPECT_EQ(*r.tramos, -14);
    EXPECT_TRUE(r.leyes.empty());
}

TEST(Transicion, ZeroLengthFailsAfterTheThreeBoxes)
{
    // Int(4.7·(1 − 1.3)/2) + 1 = Int(−0.705) + 1 = 0.
    const auto r = CalcularTransicion(
        VarianteTransicion::Salida, Datos(0.5, 1, 1.3, 0, 0, 1, 0, 0.2), kFilasSalida);
    EXPECT_EQ(r.fallo, FalloCalculo::CalculoImposible);
    EXPECT_EQ(*r.longitud, 0.0);
    EXPECT_EQ(*r.tramos, 0);
    EXPECT_TRUE(r.leyes.empty());
}

TEST(Transicion, SteepWideEndFailsAtTheLastSection)
{
    // Z1 = 10: nb = 0.8 − 0.26·√10 < 0, and 0^nb has no value at x = L.
    // L = Int(1.65·10·0.5) + 1 = 9, so rows 0 to 8 of the laws are written.
    const auto r = CalcularTransicion(
        VarianteTransicion::Salida, Datos(0.5, 1, 1, 10, 0, 0.5, 0, 0.2), kFilasSalida);
    EXPECT_EQ(r.fallo, FalloCalculo::CalculoImposible);
    EXPECT_EQ(*r.tramos, 9);
    EXPECT_EQ(r.leyes.size(), 9u);
    EXPECT_TRUE(r.secciones.empty());
}

TEST(Transicion, NegativeWideEndSlopeFailsBeforeTheLaws)
{
    const auto r = CalcularTransicion(
        VarianteTransicion::Salida, Datos(0.5, 4, 1, -0.5, 0, 1, 0, 0.2), kFilasSalida);
    EXPECT_EQ(r.fallo, FalloCalculo::CalculoImposible);
    EXPECT_TRUE(r.tramos);
    EXPECT_TRUE(r.leyes.empty());
}

TEST(TiranteTransicion, StepsOnceEvenFromADepthThatAlreadyMeetsTheTolerance)
{
    // t = 0: f = y − H; from H + 0.00005 the pass steps to H and then stops.
    EXPECT_DOUBLE_EQ(*TiranteTransicion(1, 0, 0, 0.7, 0.70005), 0.7);
}

TEST(TiranteTransicion, StopsOnTheResidualOfTheDepthBeforeTheStep)
{
    // Rectangle b = 1: f(y) = y + 0.5/y² − 2, f′ = 1 − 1/y³, from y = 2. The
    // plain Newton sequence is run here until the first depth with |f| < 0.0001;
    // the depth given is the step after it.
    const double b = 1, t = 0.5, h = 2;
    auto f = [&](double y) { return y + t / (y * y) - h; };
    auto fp = [&](double y) { return 1 - 2 * t / (y * y * y); };
    double y = 2;
    while (std::fabs(f(y)) >= 0.0001)
        y -= f(y) / fp(y);
    const double esperado = y - f(y) / fp(y);
    EXPECT_DOUBLE_EQ(*TiranteTransicion(b, 0, t, h, 2), esperado);
}

TEST(TiranteTransicion, ZeroDerivativeFails)
{
    // Rectangle b = 1, t = 0.5: f′(1) = 1 − 2·0.5/1 = 0.
    EXPECT_FALSE(TiranteTransicion(1, 0, 0.5, 2, 1));
}

TEST(TiranteTransicion, DepthAtOrBelowTheBedFails)
{
    // t = 0 and a head target below the bed: the depth found would be −0.3.
    EXPECT_FALSE(TiranteTransicion(1, 0, 0, -0.3, 1));
}

TEST(LeyesTransicionAlabeada, EndsGiveTheEndSections)
{
    const auto inicio = LeyesTransicionAlabeada(1.2, 3, 2, 0.3, 6, 0.43, 0);
    EXPECT_EQ(inicio.ancho, 1.2);
    EXPECT_EQ(inicio.talud, 0.0);
    EXPECT_EQ(inicio.descenso, 0.0);
    const auto fin = LeyesTransicionAlabeada(1.2, 3, 2, 0.3, 6, 0.43, 6);
    EXPECT_EQ(fin.ancho, 3.0);
    EXPECT_EQ(fin.talud, 2.0);
    EXPECT_DOUBLE_EQ(fin.descenso, 0.3);
    // Halfway: b = 1.2 + 1.8·0.5·(1 − 0.5^0.43) = 1.2 + 0.9·0.257738 = 1.431964,
    // Z = 2·(1 − √0.5) = 0.585786.
    const auto medio = LeyesTransicionAlabeada(1.2, 3, 2, 0.3, 6, 0.43, 3);
    EXPECT_NEAR(medio.ancho, 1.431964, 1e-6);
    EXPECT_NEAR(medio.talud, 0.585786, 1e-6);
    EXPECT_DOUBLE_EQ(medio.descenso, 0.15);
}

TEST(TiranteTransicion, AreaWhoseCubeVanishesFails)
{
    // b = 1e-120 m at y = 1: A = 1e-120, whose cube (1e-360) is below the
    // smallest double; neither t/A² nor 2·t·T/A³ has a value.
    EXPECT_FALSE(TiranteTransicion(1e-120, 0, 0.5, 2, 1));
}

TEST(Transicion, SectionCTooSmallToSquareFailsBeforeWritingAnything)
{
    // b = 1e-170 m, Z = 0, y = 1: A = 1e-170 and A² = 1e-340, below the smallest
    // double, so the head at C has no value.
    const auto r = CalcularTransicion(
        VarianteTransicion::Salida, Datos(1, 1e-170, 2, 0, 0, 1, 0.1, 0.2), kFilasSalida);
    EXPECT_EQ(r.fallo, FalloCalculo::CalculoImposible);
    EXPECT_FALSE(r.tiranteF);
    EXPECT_FALSE(r.longitud);
}

} // namespace
