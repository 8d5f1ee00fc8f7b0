#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "hydraulics/finitos.h"
#include "structures/core/perdidas.h"

using namespace quelmora;

namespace {

namespace {

// Normal depth by bisection on Q − √S·A^(5/3)/P^(2/3)/n, apart from the solver.
double TiranteBiseccion(const DatosCanal& c)
{
    auto f = [&](double y) {
        const double a = (c.b + c.z * y) * y;
        const double p = c.b + 2 * y * std::sqrt(1 + c.z * c.z);
        return c.q - std::sqrt(c.s) * std::pow(a, 5.0 / 3) / std::pow(p, 2.0 / 3) / c.n;
    };
    double bajo = 1e-9, alto = 50;
    for (int i = 0; i < 200; ++i) {
        const double medio = (bajo + alto) / 2;
        (f(medio) > 0 ? bajo : alto) = medio;
    }
    return bajo;
}

} // namespace

struct CasoTirante {
    DatosCanal canal;
    double y, a, p, t, v;
    bool erosiva;
};

class TiranteNormalPerdidas : public ::testing::TestWithParam<CasoTirante> { };

TEST_P(TiranteNormalPerdidas, SolvesTheNormalDepth)
{
    const CasoTirante c = GetParam();
    const TiranteNormalCanal r = ResolverTiranteNormal(c.canal);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_NEAR(r.tirante, TiranteBiseccion(c.canal), 1e-6);
    EXPECT_NEAR(r.tirante, c.y, 5e-6);
    EXPECT_NEAR(r.area, c.a, 5e-6);
    EXPECT_NEAR(r.perimetro, c.p, 5e-6);
    EXPECT_NEAR(r.espejo, c.t, 5e-6);
    EXPECT_NEAR(r.velocidad, c.v, 5e-6);
    EXPECT_EQ(r.erosiva, c.erosiva);
}

INSTANTIATE_TEST_SUITE_P(Tabla, TiranteNormalPerdidas,
    ::testing::Values(
        // The worked channel: v above 0.9 but n not above 0.024.
        CasoTirante {
            { 1, 1, 1, 0.014, 0.001 }, 0.57319, 0.90173, 2.62122, 2.14638, 1.10897, false },
        // n = 0.025 with v = 1.10397: erosive.
        CasoTirante {
            { 2, 1.5, 1, 0.025, 0.002 }, 0.790825, 1.811643, 3.736792, 3.081651, 1.103970, true },
        // Rectangle and triangle (by bisection and by hand from the depth).
        CasoTirante {
            { 3, 2, 0, 0.02, 0.0005 }, 1.800962, 3.601925, 5.601925, 2.0, 0.832888, false },
        CasoTirante { { 0.5, 0, 1.5, 0.013, 0.004 }, 0.455661, 0.311441, 1.642910, 1.366984,
            1.605441, false }));

TEST(TiranteNormalPerdidas, RoughnessOfExactlyTheLimitIsNotErosive)
{
    const TiranteNormalCanal r = ResolverTiranteNormal({ 2, 1.5, 1, 0.024, 0.002 });
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_GT(r.velocidad, 0.9);
    EXPECT_FALSE(r.erosiva);
}

// Each test file keeps its case rows to itself, so a row type of the same
// name in another file is a different type.
namespace {
struct CasoRechazo {
    DatosCanal canal;
    FalloCalculo estado;
};

class RechazosTiranteNormal : public ::testing::TestWithParam<CasoRechazo> { };
} // namespace

TEST_P(RechazosTiranteNormal, RefusesOrFails)
{
    EXPECT_EQ(ResolverTiranteNormal(GetParam().canal).fallo, GetParam().estado);
}

INSTANTIATE_TEST_SUITE_P(Tabla, RechazosTiranteNormal,
    ::testing::Values(CasoRechazo { { 0, 1, 1, 0.014, 0.001 }, FalloCalculo::DatosIncompletos },
        CasoRechazo { { 1, 1, 1, 0, 0.001 }, FalloCalculo::DatosIncompletos },
        CasoRechazo { { 1, 1, 1, 0.014, 0 }, FalloCalculo::DatosIncompletos },
        CasoRechazo { { 1, 0, 0, 0.014, 0.001 }, FalloCalculo::AnchoTaludCero },
        // √S of a negative slope has no value.
        CasoRechazo { { 1, 1, 1, 0.014, -0.001 }, FalloCalculo::CalculoImposible },
        // A negative discharge has no positive normal depth.
        CasoRechazo { { -1, 1, 1, 0.014, 0.001 }, FalloCalculo::CalculoImposible },
        // Sides leaning inwards (Z = −1.5) close the 2 m bottom at 4/3 m;
        // scanning its depths, Manning's discharge is at most 0.3058
        // m³/s, so 0.5 has no normal depth and the steps swing between
        // about 0.43 and 1.03 m until the pass limit.
        CasoRechazo { { 0.5, 2, -1.5, 0.02, 0.001 }, FalloCalculo::NoConverge }));

TEST(PerdidaRevestido, WorkedChannelWithTheDefaultPermeability)
{
    const DatosCanal canal { 1, 1, 1, 0.014, 0.001 };
    const double y = TiranteBiseccion(canal);
    const auto r = CalcularPerdidaRevestido(canal, y, 2.0f, 0.1, 0.00000505);
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->perdidaKm, 0.0005241, 1e-7);
    EXPECT_NEAR(r->qPerdido, 0.0010482, 1e-7);
    EXPECT_NEAR(r->qFinal, 0.9989518, 1e-7);
    EXPECT_NEAR(r->porcentaje, 0.10482, 1e-5);
}

TEST(PerdidaRevestido, UsesOneSideSlopeNotTheWettedPerimeter)
{
    // y = 1, b = 2, Z = 0: P = (10·0.01/0.1)·1·(2 + 1) = 3 per km.
    const auto r = CalcularPerdidaRevestido({ 10, 2, 0, 0.014, 0.001 }, 1.0, 1.0f, 0.1, 0.01);
    ASSERT_TRUE(r);
    EXPECT_DOUBLE_EQ(r->perdidaKm, 3.0);
    EXPECT_DOUBLE_EQ(r->qFinal, 7.0);
    EXPECT_DOUBLE_EQ(r->porcentaje, 30.0);
}

TEST(PerdidaRevestido, ZeroThicknessHasNoValue)
{
    EXPECT_FALSE(CalcularPerdidaRevestido({ 1, 1, 1, 0.014, 0.001 }, 0.5, 1.0f, 0.0, 0.01));
}

struct CasoFormula {
    FormulaPerdida formula;
    double coeficiente;
    double perdida;
};

class FormulasPerdida : public ::testing::TestWithParam<CasoFormula> { };

// y = 1, b = 2, Z = 1, Q = 2, A = 3, v = 2/3, worked by hand.
TEST_P(FormulasPerdida, LossPerKilometre)
{
    const CanalEnTierra canal { 2, 2, 1, 1, 2.0 / 3.0 };
    const CasoFormula c = GetParam();
    EXPECT_NEAR(PerdidaFormula(c.formula, canal, c.coeficiente), c.perdida, 5e-8);
}

INSTANTIATE_TEST_SUITE_P(Tabla, FormulasPerdida,
    ::testing::Values(CasoFormula { FormulaPerdida::Ingham, 0, 0.01 },
        CasoFormula { FormulaPerdida::Etcheverry, 0.375, 0.0093142 },
        CasoFormula { FormulaPerdida::Punjab, 0.02, 0.0295468 },
        CasoFormula { FormulaPerdida::Moritz, 0.375, 0.0093142 },
        CasoFormula { FormulaPerdida::Pavlovski, 0.000505, 0.0303 },
        CasoFormula { FormulaPerdida::Kostiakov, 0.000505, 0.0272403 },
        CasoFormula { FormulaPerdida::DavisWilson, 12, 0.0065341 }));

TEST(FormulasPerdida, PunjabOfOneCubicMetreIsItsCoefficient)
{
    EXPECT_DOUBLE_EQ(PerdidaFormula(FormulaPerdida::Punjab, { 1, 2, 1, 0.8, 0.5 }, 0.02), 0.02);
}

TEST(PromedioPerdidas, AveragesTheFormulasKept)
{
    const std::array<double, 7> perdidas { 0.01, 0.02, 0.03, 0.04, 0.5, 0.6, 0.07 };
    const std::array<bool, 7> descartadas { false, false, false, false, true, true, false };
    EXPECT_NEAR(*PromedioPerdidas(perdidas, descartadas), 0.17 / 5, 1e-15);
    const std::array<bool, 7> todas { true, true, true, true, true, true, true };
    EXPECT_FALSE(PromedioPerdidas(perdidas, todas));
}

struct CasoCorreccion {
    double p, q;
    float l;
    double perdido, final, porcentaje;
};

class CorreccionCaudal : public ::testing::TestWithParam<CasoCorreccion> { };

TEST_P(CorreccionCaudal, FinalDischarge)
{
    const CasoCorreccion c = GetParam();
    const auto r = CorregirCaudal(c.p, c.q, c.l);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_NEAR(r.caudales.qPerdido, c.perdido, 1e-6);
    EXPECT_NEAR(r.caudales.qFinal, c.final, 1e-6);
    EXPECT_NEAR(r.caudales.porcentaje, c.porcentaje, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Tabla, CorreccionCaudal,
    ::testing::Values(
        // The worked example: r0 = 0.025, Q1 = 1.5, r1 = 0.0280489, rm = 0.0265244.
        CasoCorreccion { 0.05, 2, 10, 0.530489, 1.469511, 26.5244 },
        // r0·L = 0.9: rm·L = 1.58035, so Q final is negative and over 100 % is lost.
        CasoCorreccion { 0.09, 1, 10, 1.580349, -0.580349, 158.0349 },
        // Nothing lost: all formulas discarded give P = 0.
        CasoCorreccion { 0, 3, 5, 0, 3, 0 },
        // A negative length passes and gives a negative loss.
        CasoCorreccion { 0.05, 2, -10, -0.478653, 2.478653, -23.9326 }));

TEST(CorreccionCaudal, LossesThatReachTheDischargeLeaveNothingToCorrect)
{
    EXPECT_EQ(CorregirCaudal(0.1, 1, 10).fallo, FalloCalculo::PerdidasSuperanCaudal);
    EXPECT_EQ(CorregirCaudal(0.2, 1, 10).fallo, FalloCalculo::PerdidasSuperanCaudal);
}

// A length beyond the float range becomes infinity rather than an undefined narrowing.
TEST(FloatComprobado, BeyondTheFloatRangeIsInfinite)
{
    EXPECT_EQ(FloatComprobado(1e300), std::numeric_limits<float>::infinity());
    EXPECT_EQ(FloatComprobado(-1e39), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(FloatComprobado(2.5), 2.5f);
}

} // namespace
