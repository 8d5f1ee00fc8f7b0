#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "hydraulics/flujo_variado.h"

using namespace quelmora;

namespace {

namespace {

// Adaptive Simpson, the independent integrator of these tests.
double Simpson(const std::function<double(double)>& f, double a, double b, double fa, double fm,
    double fb, double total, double tolerancia, int profundidad)
{
    const double m = (a + b) / 2, lm = (a + m) / 2, rm = (m + b) / 2;
    const double flm = f(lm), frm = f(rm);
    const double izquierda = (m - a) / 6 * (fa + 4 * flm + fm);
    const double derecha = (b - m) / 6 * (fm + 4 * frm + fb);
    if (profundidad <= 0 || std::fabs(izquierda + derecha - total) <= 15 * tolerancia)
        return izquierda + derecha + (izquierda + derecha - total) / 15;
    return Simpson(f, a, m, fa, flm, fm, izquierda, tolerancia / 2, profundidad - 1)
        + Simpson(f, m, b, fm, frm, fb, derecha, tolerancia / 2, profundidad - 1);
}

double Integrar(const std::function<double(double)>& f, double a, double b)
{
    const double fa = f(a), fb = f(b), fm = f((a + b) / 2);
    return Simpson(f, a, b, fa, fm, fb, (b - a) / 6 * (fa + 4 * fm + fb), 1e-13, 50);
}

} // namespace

TEST(PendienteFriccion, ManningSlopeOfASection)
{
    // n = 0.025, v = 1.2 m/s, R = 0.64 m: R^(2/3) = 0.742742..., Se = (0.03/0.742742)^2.
    const double r23 = std::cbrt(0.64 * 0.64);
    EXPECT_NEAR(PendienteFriccion(0.025, 1.2, 0.64), (0.03 / r23) * (0.03 / r23), 1e-16);
    EXPECT_NEAR(PendienteFriccion(0.025, 1.2, 0.64), 0.00163181, 1e-8);
}

TEST(PendienteFriccion, ReachTakesTheMeanOfItsEnds)
{
    EXPECT_DOUBLE_EQ(PendienteFriccionTramo(0.0012, 0.0020), 0.0016);
}

struct CasoExponentes {
    double b, Z, ym, N, M, J;
    const char* origen;
};

class ExponentesHidraulicosTabla : public ::testing::TestWithParam<CasoExponentes> { };

TEST_P(ExponentesHidraulicosTabla, MatchWorkedValues)
{
    const auto c = GetParam();
    const auto e = CalcularExponentesHidraulicos(c.b, c.Z, c.ym);
    ASSERT_TRUE(e.validos) << c.origen;
    EXPECT_NEAR(e.N, c.N, 1e-12) << c.origen;
    EXPECT_NEAR(e.M, c.M, 1e-12) << c.origen;
    EXPECT_NEAR(e.J, c.J, 1e-12) << c.origen;
}

INSTANTIATE_TEST_SUITE_P(Canales, ExponentesHidraulicosTabla,
    ::testing::Values(
        // Triangle: N = 16/3, M = 5, J = (16/3)/(4/3) = 4 whatever the depth.
        CasoExponentes { 0, 1.5, 0.8, 16.0 / 3, 5, 4, "triangle" },
        // Rectangle b = 2, ym = 1: N = 10/3 − (8/3)/4 = 8/3, M = 3, J = (8/3)/(2/3) = 4.
        CasoExponentes { 2, 0, 1, 8.0 / 3, 3, 4, "rectangle by hand" },
        // Trapezoid b = 1, Z = 1, ym = 1: T = 3, W = 2, r = √2;
        // N = 5 − (8/3)·√2/(1 + 2√2), M = (27 − 4)/6, J = N/(N − M + 1).
        CasoExponentes { 1, 1, 1, 5 - (8.0 / 3) * std::sqrt(2.0) / (1 + 2 * std::sqrt(2.0)),
            23.0 / 6,
            (5 - (8.0 / 3) * std::sqrt(2.0) / (1 + 2 * std::sqrt(2.0)))
                / (5 - (8.0 / 3) * std::sqrt(2.0) / (1 + 2 * std::sqrt(2.0)) - 23.0 / 6 + 1),
            "trapezoid by hand" }));

TEST(ExponentesHidraulicos, ZeroWidthAndSlopeHaveNoExponents)
{
    EXPECT_FALSE(CalcularExponentesHidraulicos(0, 0, 1).validos);
}

TEST(ExponentesHidraulicos, ZeroMeanDepthOfATriangleHasNoExponents)
{
    EXPECT_FALSE(CalcularExponentesHidraulicos(0, 1, 0).validos);
}

struct CasoFlujoVariado {
    double w;
    float E;
    double tolerancia;
};

class FuncionFlujoVariadoTabla : public ::testing::TestWithParam<CasoFlujoVariado> { };

// Below 1 the function is ∫0^w dx/(1 − x^E); above 1 it is ∫w^∞ dx/(x^E − 1), the
// sum of the series, whose 60 terms leave a negligible tail at these ratios.
TEST_P(FuncionFlujoVariadoTabla, AgreesWithDirectIntegration)
{
    const auto c = GetParam();
    const double E = c.E;
    double esperado;
    if (c.w < 1) {
        esperado = Integrar([E](double x) { return 1 / (1 - std::pow(x, E)); }, 0, c.w);
    } else {
        // x = w/t maps [w, ∞) onto (0, 1].
        const double w = c.w;
        esperado = Integrar(
            [w, E](double t) {
                if (t == 0)
                    return 0.0;
                const double x = w / t;
                return w / (t * t) / (std::pow(x, E) - 1);
            },
            0, 1);
    }
    const auto r = FuncionFlujoVariado(c.w, c.E);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_NEAR(r.F, esperado, c.tolerancia) << "w=" << c.w << " E=" << c.E;
}

INSTANTIATE_TEST_SUITE_P(Razones, FuncionFlujoVariadoTabla,
    ::testing::Values(CasoFlujoVariado { 0.2, 3.5f, 1e-12 }, CasoFlujoVariado { 0.5, 3.5f, 1e-12 },
        CasoFlujoVariado { 0.8, 4.25f, 1e-11 }, CasoFlujoVariado { 0.95, 2.75f, 1e-9 },
        CasoFlujoVariado { 1.5, 3.5f, 1e-10 }, CasoFlujoVariado { 2.0, 4.25f, 1e-10 },
        CasoFlujoVariado { 3.0, 2.5f, 1e-10 }));

// For N = 2 the function is atanh(w) below 1 and atanh(1/w) above.
TEST(FuncionFlujoVariado, ExponentTwoBelowOneIsTheInverseHyperbolicTangent)
{
    for (double w : { 0.1, 0.4, 0.7, 0.9 })
        EXPECT_NEAR(FuncionFlujoVariado(w, 2.0f).F, std::atanh(w), 1e-12) << w;
}

TEST(FuncionFlujoVariado, RatioOfExactly0999IsIntegratedByRomberg)
{
    // Near the pole the ten Romberg levels are far from converged: rebuild the
    // extrapolation from trapezoid sums of 1, 2, ..., 512 panels computed afresh.
    double T[10][10] = {};
    for (int k = 0; k < 10; ++k) {
        const int paneles = 1 << k;
        const double h = 0.999 / paneles;
        double s = (1 + 1 / (1 - 0.999 * 0.999)) / 2;
        for (int i = 1; i < paneles; ++i)
            s += 1 / (1 - (i * h) * (i * h));
        T[k][0] = s * h;
        for (int j = 1; j <= k; ++j)
            T[k][j] = T[k][j - 1] + (T[k][j - 1] - T[k - 1][j - 1]) / (std::pow(4.0, j) - 1);
    }
    const auto r = FuncionFlujoVariado(0.999, 2.0f);
    EXPECT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_NEAR(r.F, T[9][9], 1e-9);
    EXPECT_NEAR(r.F, std::atanh(0.999), 0.03);
}

TEST(FuncionFlujoVariado, ExponentTwoAboveOneIsTheSixtyTermSeries)
{
    EXPECT_NEAR(FuncionFlujoVariado(2.0, 2.0f).F, std::atanh(0.5), 1e-15);
    // Just above 0.999 the series is used even below 1: 60 terms of w^(1-2k)/(2k−1),
    // which at w = 0.9995 add up the odd powers of 1/w, far from the integral.
    double parcial = 0;
    for (int k = 1; k <= 60; ++k)
        parcial += std::pow(1 / 0.9995, 2 * k - 1) / (2 * k - 1);
    EXPECT_NEAR(FuncionFlujoVariado(0.9995, 2.0f).F, parcial, 1e-9);
}

TEST(FuncionFlujoVariado, DepthEqualToNormalDepthHasNoValue)
{
    EXPECT_EQ(FuncionFlujoVariado(1.0, 3.5f).fallo, FalloCalculo::TiranteNormal);
}

TEST(FuncionFlujoVariado, ExponentMakingATermDivideByZeroFails)
{
    // k·E = 1 at k = 2 for E = 0.5.
    EXPECT_EQ(FuncionFlujoVariado(1.5, 0.5f).fallo, FalloCalculo::CalculoImposible);
}

TEST(FuncionFlujoVariado, NegativeRatioWithFractionalExponentFails)
{
    EXPECT_EQ(FuncionFlujoVariado(-0.5, 3.5f).fallo, FalloCalculo::CalculoImposible);
}

TEST(CoeficienteChezy, SixthRootOfTheMeanDepthOverRoughness)
{
    // Mean depth 1.5 m: 1.5^(1/6) = 1.0699131939..., n = 0.025.
    EXPECT_NEAR(CoeficienteChezy(1.0, 2.0, 0.025), 1.0699131939336 / 0.025, 1e-9);
    EXPECT_TRUE(std::isnan(CoeficienteChezy(-1.0, -2.0, 0.025)));
}

struct CasoBresse {
    double Z, phi;
    const char* origen;
};

class FuncionBresseTabla : public ::testing::TestWithParam<CasoBresse> { };

TEST_P(FuncionBresseTabla, MatchesWorkedValues)
{
    const auto c = GetParam();
    EXPECT_NEAR(FuncionBresse(c.Z), c.phi, 1e-12) << c.origen;
}

namespace {
// φ0 written out by hand for the table below.
double Phi0(double z)
{
    return std::log((z * z + z + 1) / ((z - 1) * (z - 1))) / 6
        - std::atan(std::sqrt(3.0) / (2 * z + 1)) / std::sqrt(3.0);
}
} // namespace

INSTANTIATE_TEST_SUITE_P(Razones, FuncionBresseTabla,
    ::testing::Values(
        // Z = 0: ln 1 = 0 and arctan √3 = π/3, so φ = 0.6046 − π/(3√3).
        CasoBresse { 0.0, 0.6046 - M_PI / (3 * std::sqrt(3.0)), "Z = 0" },
        // Z = 2: ln 7 / 6 − arctan(√3/5)/√3 = 0.324318... − 0.192239...
        CasoBresse { 2.0, std::log(7.0) / 6 - std::atan(std::sqrt(3.0) / 5) / std::sqrt(3.0),
            "Z = 2, no constant" },
        CasoBresse { 0.5, Phi0(0.5) + 0.6046, "Z = 0.5" },
        CasoBresse { 0.999, Phi0(0.999) + 0.6046, "0.999 takes the constant" },
        CasoBresse { 0.9995, Phi0(0.9995), "above 0.999 no constant" },
        CasoBresse { -0.45, Phi0(-0.45) + 1.8138, "−0.45 takes 1.8138" },
        CasoBresse { -0.3, Phi0(-0.3) + 1.8138, "−0.3" },
        CasoBresse { -0.6, Phi0(-0.6), "below −0.45 no constant" }));

TEST(FuncionBresse, NoValueAtTheNormalDepthNorAtMinusOneHalf)
{
    EXPECT_FALSE(std::isfinite(FuncionBresse(1.0)));
    EXPECT_FALSE(std::isfinite(FuncionBresse(-0.5)));
}

} // namespace
