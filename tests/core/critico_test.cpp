#include <gtest/gtest.h>

#include <cmath>

#include "biseccion.h"
#include "critical_flow/core/calculo_critico.h"
#include "hydraulics/critico.h"

using namespace quelmora;

namespace {

// The test's own sections, written from the geometry and not from the program.
namespace {

struct Seccion {
    double area, espejo, perimetro;
};

Seccion Trapecio(double b, double z, double y)
{
    return { b * y + z * y * y, b + 2 * z * y, b + 2 * y * std::hypot(1.0, z) };
}

Seccion Circulo(double d, double y)
{
    const double alfa = std::acos(1 - 2 * y / d); // half the central angle
    return { d * d / 8 * (2 * alfa - std::sin(2 * alfa)), d * std::sin(alfa), alfa * d };
}

} // namespace

// Residuals and derivative worked by hand.
TEST(ResiduoCritico, VolumeFormOfARectangleAndItsDerivative)
{
    // b = 2, y = 1: A = 2, T = 2, A³/T = 4; C of Q = 1 is 1/9.81.
    EXPECT_DOUBLE_EQ(ResiduoCriticoVolumen(2, 2, ConstanteCritica(1)), 4 - 1 / 9.81);
    EXPECT_DOUBLE_EQ(DerivadaResiduoCriticoVolumen(2, 2, 0), 12.0); // 3·A²
}

TEST(ResiduoCritico, TriangleDerivativeIsTwoAndAHalfTimesTheAreaSquared)
{
    // b = 0, Z = 1, y = 2: A = 4, T = 4: 3·16 − 2·64/16 = 40 = 2.5·16.
    EXPECT_DOUBLE_EQ(DerivadaResiduoCriticoVolumen(4, 4, 1), 40.0);
}

TEST(ResiduoCritico, NegativeDischargeHasTheSameVolumeForm)
{
    EXPECT_DOUBLE_EQ(ConstanteCritica(-3), ConstanteCritica(3));
}

TEST(ResiduoCritico, DischargeFormAtHalfTheDiameterIsFinite)
{
    // d = 1, y = 0.5: half full, A = π/8, T = 1 (π as 3.14159265 moves the last digits).
    const double area = std::acos(-1.0) / 8;
    const auto e = EvaluarFuncionCriticaCircular(1.0, 1.0, 0.5);
    EXPECT_NEAR(e.residuo, 1.0 - std::sqrt(9.81) * std::pow(area, 1.5), 1e-8);
}

TEST(ResiduoCritico, ClosedFormForTheParabola)
{
    // y³ = 27·Q²/(8·9.81·T²): Q = 2, T = 1 gives y³ = 108/78.48.
    EXPECT_NEAR(TiranteCriticoParabolico(2, 1), std::cbrt(108 / 78.48), 1e-14);
}

struct CasoTrapecial {
    double q, b, z;
};

class TiranteCriticoTrapecial : public ::testing::TestWithParam<CasoTrapecial> { };

// Expected: the depth where Q²·T = 9.81·A³, by bisection; every element worked
// from that depth with the test's own trapezoid.
TEST_P(TiranteCriticoTrapecial, SettlesOnTheCriticalDepth)
{
    const auto c = GetParam();
    const double y = Biseccion(
        [&](double y) {
            const Seccion s = Trapecio(c.b, c.z, y);
            return c.q * c.q * s.espejo - 9.81 * std::pow(s.area, 3);
        },
        1e-6, 50);
    const Seccion s = Trapecio(c.b, c.z, y);
    const double v = c.q / s.area;

    const ResultadoTiranteCritico r = CalcularTiranteCriticoTrapecial(c.q, c.b, c.z);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_NEAR(r.tirante, y, 4e-5);
    EXPECT_NEAR(r.area, s.area, 1e-4);
    EXPECT_NEAR(r.espejo, s.espejo, 1e-4);
    EXPECT_NEAR(r.perimetro, s.perimetro, 1e-4);
    EXPECT_NEAR(r.radio, s.area / s.perimetro, 1e-4);
    EXPECT_NEAR(r.velocidad, v, 2e-4);
    EXPECT_NEAR(r.energia, y + v * v / 19.62, 1e-4);
    EXPECT_EQ(r.froude, c.q > 0 ? 1.0 : -1.0);
}

INSTANTIATE_TEST_SUITE_P(Secciones, TiranteCriticoTrapecial,
    ::testing::Values(CasoTrapecial { 2, 1, 1 }, // trapezoid
        CasoTrapecial { 5, 2, 0 }, // rectangle
        CasoTrapecial { 3, 0, 1.5 }, // triangle
        CasoTrapecial { 10, 3, 2 }, CasoTrapecial { -2, 1, 1 }, // negative Q: depth of |Q|
        CasoTrapecial { 0.001, 1, 0 }, // a litre a second: 0.0047 m, not 0.0390 m
        CasoTrapecial { 0.0001, 0, 1 }, // a tenth of a litre in a triangle
        CasoTrapecial { 0.01, 0.5, 0.5 }));

TEST(TiranteCriticoTrapecial, AHugeDischargeStopsAtThePassLimit)
{
    EXPECT_EQ(CalcularTiranteCriticoTrapecial(1e7, 1, 0).fallo, FalloCalculo::NoConverge);
}

TEST(TiranteCriticoTrapecial, ASlopeThatClosesTheSectionIsRefused)
{
    // b = −3, Z = 1: the top width passes through zero on the way down.
    EXPECT_NE(CalcularTiranteCriticoTrapecial(1, -3, 1).fallo, FalloCalculo::Ninguno);
}

struct CasoParabolico {
    double q, t;
    bool aproximado; // y/T ≤ 0.25: the approximate perimeter
};

class CriticoParabolico : public ::testing::TestWithParam<CasoParabolico> { };

// Expected: bisection on Q²·T = 9.81·A³ with A = 2·T·y/3; the perimeter by the
// approximation or the arc length ∫√(1 + (dz/dx)²) dx worked in closed form.
TEST_P(CriticoParabolico, ClosedFormMeetsTheCriterion)
{
    const auto c = GetParam();
    const double y = Biseccion(
        [&](double y) { return c.q * c.q * c.t - 9.81 * std::pow(2 * c.t * y / 3, 3); }, 1e-9, 50);
    const double area = 2 * c.t * y / 3;
    const double x = 4 * y / c.t;
    const double perimetro = c.aproximado ? c.t + 8 * y * y / (3 * c.t)
                                          : c.t / 2 * (std::sqrt(1 + x * x) + std::asinh(x) / x);
    const double v = c.q / area;

    const ResultadoTiranteCritico r = CalcularTiranteCriticoParabolico(c.q, c.t);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_EQ(y / c.t <= 0.25, c.aproximado);
    EXPECT_NEAR(r.tirante, y, 1e-9);
    EXPECT_NEAR(r.area, area, 1e-9);
    EXPECT_NEAR(r.foco, c.t * c.t / (8 * y), 1e-8);
    EXPECT_NEAR(r.perimetro, perimetro, 1e-9);
    EXPECT_NEAR(r.radio, area / perimetro, 1e-9);
    EXPECT_NEAR(r.velocidad, v, 1e-8);
    EXPECT_NEAR(r.energia, y + v * v / 19.62, 1e-9);
    EXPECT_EQ(r.froude, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Secciones, CriticoParabolico,
    ::testing::Values(CasoParabolico { 0.5, 3, true }, CasoParabolico { 2, 1, false },
        CasoParabolico { 7, 2.5, false }));

TEST(CriticoParabolico, NegativeDischargeGivesFroudeMinusOne)
{
    const auto r = CalcularTiranteCriticoParabolico(-0.5, 3);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_EQ(r.froude, -1.0);
    EXPECT_LT(r.velocidad, 0);
    EXPECT_NEAR(r.tirante, CalcularTiranteCriticoParabolico(0.5, 3).tirante, 1e-15);
}

struct CasoCircular {
    double q, d;
};

class TiranteCriticoCircular : public ::testing::TestWithParam<CasoCircular> { };

// Expected: bisection on Q²·T = 9.81·A³ over (0, d) with the test's own circle.
TEST_P(TiranteCriticoCircular, SettlesOnTheCriticalDepth)
{
    const auto c = GetParam();
    const double y = Biseccion(
        [&](double y) {
            const Seccion s = Circulo(c.d, y);
            return c.q * c.q * s.espejo - 9.81 * std::pow(s.area, 3);
        },
        1e-9, c.d * 0.999999);
    const Seccion s = Circulo(c.d, y);
    const double v = c.q / s.area;

    const ResultadoTiranteCritico r = CalcularTiranteCriticoCircular(c.q, c.d);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_NEAR(r.tirante, y, 2e-5);
    EXPECT_NEAR(r.area, s.area, 2e-5);
    EXPECT_NEAR(r.espejo, s.espejo, 2e-5);
    EXPECT_NEAR(r.perimetro, s.perimetro, 2e-5);
    EXPECT_NEAR(r.radio, s.area / s.perimetro, 2e-5);
    EXPECT_NEAR(r.velocidad, v, 1e-4);
    EXPECT_NEAR(r.energia, y + v * v / 19.62, 1e-4);
    EXPECT_EQ(r.froude, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Secciones, TiranteCriticoCircular,
    ::testing::Values(CasoCircular { 1, 1 }, CasoCircular { 0.5, 0.8 }, CasoCircular { 0.1, 0.5 },
        CasoCircular { 3, 2 }));

TEST(TiranteCriticoCircular, FirstStepAboveTheDiameterIsRefused)
{
    EXPECT_EQ(CalcularTiranteCriticoCircular(2, 1).fallo, FalloCalculo::TiranteMayorDiametro);
}

struct CasoImposible {
    double q, d;
};

class TiranteCriticoCircularImposible : public ::testing::TestWithParam<CasoImposible> { };

// A trial depth at or below 0 has no circle: a failure, never a NaN result.
TEST_P(TiranteCriticoCircularImposible, IsANumericFailure)
{
    const auto c = GetParam();
    EXPECT_EQ(CalcularTiranteCriticoCircular(c.q, c.d).fallo, FalloCalculo::CalculoImposible);
}

INSTANTIATE_TEST_SUITE_P(Datos, TiranteCriticoCircularImposible,
    ::testing::Values(CasoImposible { 1e-6, 1 }, // a thousandth of a litre
        CasoImposible { -1, 1 }, // negative discharge
        CasoImposible { 1, -1 }, // negative diameter
        CasoImposible { 1e-7, 0.002 })); // 0.35·d − 0.001 < 0

} // namespace
