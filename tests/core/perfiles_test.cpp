#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "varied_flow/core/perfiles.h"

using namespace quelmora;

namespace {

namespace {

Entero16 Tramos(int n) { return Entero16 { true, static_cast<std::int16_t>(n) }; }

// Composite Simpson with many panels: the independent integrator of these tests.
double Simpson(const std::function<double(double)>& f, double a, double b, int paneles = 20000)
{
    const double h = (b - a) / paneles;
    double s = f(a) + f(b);
    for (int i = 1; i < paneles; ++i)
        s += f(a + i * h) * (i % 2 ? 4 : 2);
    return s * h / 3;
}

// Bisection of a function that changes sign on [a, b].
double Biseccion(const std::function<double(double)>& f, double a, double b)
{
    double fa = f(a);
    for (int i = 0; i < 200; ++i) {
        const double m = (a + b) / 2, fm = f(m);
        if ((fm < 0) == (fa < 0)) {
            a = m;
            fa = fm;
        } else {
            b = m;
        }
    }
    return (a + b) / 2;
}

// dx/dy of gradually varied flow in a trapezoidal channel, written out afresh.
double PendientePerfil(double Q, double b, double Z, double So, double n, double y)
{
    const double A = (b + Z * y) * y, P = b + 2 * y * std::sqrt(1 + Z * Z), T = b + 2 * Z * y;
    const double R = A / P, v = Q / A;
    const double Se = n * n * v * v / std::pow(R, 4.0 / 3.0);
    return (1 - Q * Q * T / (9.81 * A * A * A)) / (So - Se);
}

} // namespace

// ---- graphical integration ------------------------------------------------

TEST(IntegracionGrafica, RowsOfAnM1ProfileWorkedByHand)
{
    // Rectangle b = 2, Q = 2, So = 0.001, n = 0.015 from y1 = 1.5 to y2 = 1.2 in 3 steps.
    // At y = 1.5: A = 3, P = 5, R = 0.6, v = 2/3, Se = (0.01/0.6^(2/3))² = 0.000197605,
    // c = 1 − 4·2/(9.81·27) = 0.969797, f = c/(0.001 − Se) = 1208.46.
    DatosIntegracionGrafica d { 2, 2, 0, 0.001, 0.015, 1.5, 1.2, Tramos(3) };
    const auto r = CalcularIntegracionGrafica(d);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    ASSERT_EQ(r.filas.size(), 4u);
    const auto& f1 = r.filas[0];
    EXPECT_DOUBLE_EQ(f1.A, 3.0);
    EXPECT_DOUBLE_EQ(f1.P, 5.0);
    EXPECT_DOUBLE_EQ(f1.T, 2.0);
    EXPECT_NEAR(f1.Se, 1.97605e-4, 1e-9);
    EXPECT_NEAR(f1.c, 1 - 8 / (9.81 * 27), 1e-15);
    EXPECT_NEAR(f1.f, (1 - 8 / (9.81 * 27)) / (0.001 - f1.Se), 1e-9);
    EXPECT_EQ(f1.dx, 0.0);
    EXPECT_EQ(f1.x, 0.0);
    // Step to y = 1.4: the trapezoid of the two f values, negative since y falls.
    const auto& f2 = r.filas[1];
    EXPECT_NEAR(f2.y, 1.4, 1e-15);
    EXPECT_NEAR(f2.dx, -0.1 * (f1.f + f2.f) / 2, 1e-9);
    EXPECT_LT(f2.dx, 0.0);
    EXPECT_NEAR(f2.x, -f2.dx, 1e-12);
    EXPECT_NEAR(r.filas[3].y, 1.2, 1e-12);
}

TEST(IntegracionGrafica, ManyStepsApproachTheIntegralOfTheProfileEquation)
{
    // M2 drawdown in a trapezoid b = 3, Z = 1.5, So = 0.0008, n = 0.02, Q = 10
    // (yn = 1.4515, yc = 0.8916 by bisection): the length from 1.4 m to 1.0 m by
    // Simpson over 20000 panels.
    DatosIntegracionGrafica d { 10, 3, 1.5, 0.0008, 0.02, 1.4, 1.0, Tramos(150) };
    const auto r = CalcularIntegracionGrafica(d);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    const double largo = std::fabs(
        Simpson([](double y) { return PendientePerfil(10, 3, 1.5, 0.0008, 0.02, y); }, 1.4, 1.0));
    EXPECT_NEAR(r.filas.back().x, largo, largo * 3e-4); // trapezoid-rule error
}

TEST(IntegracionGrafica, EqualDepthsGiveNoLength)
{
    DatosIntegracionGrafica d { 2, 2, 1, 0.001, 0.015, 1.1, 1.1, Tramos(4) };
    const auto r = CalcularIntegracionGrafica(d);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    for (const auto& f : r.filas) {
        EXPECT_EQ(f.dx, 0.0);
        EXPECT_EQ(f.x, 0.0);
    }
}

// ---- checks shared by the depth-step windows -------------------------------

// Each test file keeps its case rows to itself, so a row type of the same
// name in another file is a different type.
namespace {
struct CasoRechazo {
    DatosIntegracionGrafica datos;
    FalloCalculo falla;
    const char* porque;
};

class RechazosIntegracionGrafica : public ::testing::TestWithParam<CasoRechazo> { };
} // namespace

TEST_P(RechazosIntegracionGrafica, RefuseWithNothingComputed)
{
    const auto c = GetParam();
    const auto r = CalcularIntegracionGrafica(c.datos);
    EXPECT_EQ(r.fallo, c.falla) << c.porque;
    EXPECT_TRUE(r.filas.empty()) << c.porque;
}

INSTANTIATE_TEST_SUITE_P(Casos, RechazosIntegracionGrafica,
    ::testing::Values(CasoRechazo { { 0, 2, 1, 0.001, 0.015, 1.5, 1.2, Tramos(3) },
                          FalloCalculo::DatosIncompletos, "Q" },
        CasoRechazo {
            { 2, 2, 1, 0.001, 0.015, 1.5, 1.2, Tramos(0) }, FalloCalculo::DatosIncompletos, "nt" },
        CasoRechazo {
            { 2, 0, 0, 0.001, 0.015, 1.5, 1.2, Tramos(3) }, FalloCalculo::AnchoTaludCero, "b, Z" },
        CasoRechazo { { 2, 2, 1, 0.001, 0.015, 1.5, 1.2, Tramos(152) }, FalloCalculo::NumeroTramos,
            "152 steps need 153 points" },
        CasoRechazo { { 2, 2, 1, 0.001, 0.015, 1.5, 1.2, Tramos(-3) }, FalloCalculo::NumeroTramos,
            "negative count" },
        CasoRechazo { { 2, 2, 1, 0.001, 0.015, 1.5, 1.2, Entero16 {} }, FalloCalculo::NumeroTramos,
            "beyond 16 bits" },
        // Zero check before the count: an empty Q with a huge count is incomplete data.
        CasoRechazo { { 0, 2, 1, 0.001, 0.015, 1.5, 1.2, Entero16 {} },
            FalloCalculo::DatosIncompletos, "zero check first" },
        // Normal depth of b = 2, Z = 0, Q = 2, n = 0.015, So = Se(1) = (0.015·1/(0.5^(2/3)))²:
        // So − Se = 0 at y = 1 divides by zero.
        CasoRechazo { { 2, 2, 0, std::pow(0.015 / std::pow(0.5, 2.0 / 3.0), 2.0), 0.015, 1.0, 1.2,
                          Tramos(2) },
            FalloCalculo::CalculoImposible, "So = Se at the normal depth" },
        CasoRechazo { { 2, 2, 0, 0.001, 0.015, 1.0, -1.0, Tramos(2) },
            FalloCalculo::CalculoImposible, "zero area at y = 0" }));

TEST(IntegracionGrafica, OneHundredFiftyOneStepsFillAllPoints)
{
    DatosIntegracionGrafica d { 2, 2, 1, 0.001, 0.015, 1.5, 1.2, Tramos(151) };
    const auto r = CalcularIntegracionGrafica(d);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_EQ(r.filas.size(), 152u);
}

// ---- direct step ----------------------------------------------------------

TEST(TramosDirecto, OneStepByTheEnergyBalanceWorkedByHand)
{
    // Rectangle b = 2, Q = 2, So = 0.001, n = 0.015, from 1.5 to 1.2 in one step.
    // y = 1.5: v = 2/3, E = 1.5 + 0.444444/19.62 = 1.522653; y = 1.2: v = 0.833333,
    // E = 1.2 + 0.694444/19.62 = 1.235395; Se(1.5) = 1.97540e-4, Se(1.2) = (0.0125/
    // (2.4/4.4)^(2/3))² = 3.5078e-4; Δx = (1.235395 − 1.522653)/(0.001 − 2.7419e-4).
    DatosTramosDirecto d { 2, 2, 0, 0.001, 0.015, 1.5, 1.2, Tramos(1) };
    const auto r = CalcularTramosDirecto(d);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    ASSERT_EQ(r.filas.size(), 2u);
    const double E1 = 1.5 + (4.0 / 9) / 19.62, E2 = 1.2 + (25.0 / 36) / 19.62;
    const double Se1 = std::pow(0.015 / 1.5, 2) / std::pow(0.6, 4.0 / 3);
    const double Se2 = std::pow(0.015 / 1.2, 2) / std::pow(2.4 / 4.4, 4.0 / 3);
    EXPECT_NEAR(r.filas[0].E, E1, 1e-14);
    EXPECT_NEAR(r.filas[1].E, E2, 1e-14);
    EXPECT_NEAR(r.filas[1].dE, E2 - E1, 1e-14);
    EXPECT_NEAR(r.filas[1].SeP, (Se1 + Se2) / 2, 1e-15);
    EXPECT_NEAR(r.filas[1].dx, (E2 - E1) / (0.001 - (Se1 + Se2) / 2), 1e-9);
    EXPECT_NEAR(r.filas[1].dx, -395.727, 0.001);
    EXPECT_NEAR(r.filas[1].x, 395.727, 0.001);
    EXPECT_EQ(r.filas[0].x, 0.0);
}

TEST(TramosDirecto, ManyStepsApproachTheIntegralOfTheProfileEquation)
{
    // S1-like backwater over a steep slope would be the same rule; an M1 here:
    // trapezoid b = 3, Z = 1.5, So = 0.0008, n = 0.02, Q = 10, from 2.5 m to 2.0 m.
    DatosTramosDirecto d { 10, 3, 1.5, 0.0008, 0.02, 2.5, 2.0, Tramos(150) };
    const auto r = CalcularTramosDirecto(d);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    const double largo = std::fabs(
        Simpson([](double y) { return PendientePerfil(10, 3, 1.5, 0.0008, 0.02, y); }, 2.5, 2.0));
    EXPECT_NEAR(r.filas.back().x, largo, largo * 1e-3);
}

TEST(TramosDirecto, ZeroDifferenceOfSlopesIsANumericFailure)
{
    // Equal depths at the normal depth: ΔE = 0 and So − SeP = 0, a 0/0.
    // Se at y = 1 (A = 2, P = 4, v = 1) formed as the window forms it.
    const double So = std::pow(0.015 / std::pow(0.5, 2.0 / 3.0), 2.0);
    DatosTramosDirecto d { 2, 2, 0, So, 0.015, 1.0, 1.0, Tramos(2) };
    EXPECT_EQ(CalcularTramosDirecto(d).fallo, FalloCalculo::CalculoImposible);
    EXPECT_TRUE(CalcularTramosDirecto(d).filas.empty());
}

TEST(TramosDirecto, CountChecksMatchTheOtherWindows)
{
    DatosTramosDirecto d { 2, 2, 1, 0.001, 0.015, 1.5, 1.2, Tramos(152) };
    EXPECT_EQ(CalcularTramosDirecto(d).fallo, FalloCalculo::NumeroTramos);
    d.nt = Tramos(151);
    EXPECT_EQ(CalcularTramosDirecto(d).filas.size(), 152u);
    d.b = 0;
    d.Z = 0;
    EXPECT_EQ(CalcularTramosDirecto(d).fallo, FalloCalculo::AnchoTaludCero);
}

// ---- Bakhmeteff -----------------------------------------------------------

namespace {

// Bakhmeteff's x is the exact integral of dx/dy = (1 − (yc/y)^M)/(S·(1 − (yn/y)^N))
// with the exponents held fixed.
double LargoBakhmeteff(double S, double yn, double yc, double N, double M, double ya, double yb)
{
    return std::fabs(Simpson(
        [=](double y) { return (1 - std::pow(yc / y, M)) / (S * (1 - std::pow(yn / y, N))); }, ya,
        yb));
}

} // namespace

struct CasoBakhmeteff {
    DatosBakhmeteff datos;
    const char* perfil;
};

class PerfilesBakhmeteff : public ::testing::TestWithParam<CasoBakhmeteff> { };

TEST_P(PerfilesBakhmeteff, DistancesAgreeWithTheIntegratedProfileEquation)
{
    const auto c = GetParam();
    const auto r = CalcularBakhmeteff(c.datos);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno) << c.perfil;
    ASSERT_EQ(r.filas.size(), static_cast<size_t>(c.datos.nt.valor + 1));
    EXPECT_EQ(r.filas[0].x, 0.0);
    EXPECT_DOUBLE_EQ(r.filas[0].X, r.X1);
    for (const auto& f : r.filas) {
        const double esperado
            = LargoBakhmeteff(c.datos.S, c.datos.yn, c.datos.yc, r.N, r.M, c.datos.y1, f.y);
        // The exponents enter F in single precision: a few parts in 10^7.
        EXPECT_NEAR(f.x, esperado, 1e-5 * (1 + esperado)) << c.perfil << " y=" << f.y;
    }
}

INSTANTIATE_TEST_SUITE_P(Canales, PerfilesBakhmeteff,
    ::testing::Values(
        // M1 backwater in a trapezoid, all ratios above 1 (series).
        CasoBakhmeteff { { 10, 3, 1.5, 0.0008, 1.4, 0.9, 2.5, 1.8, Tramos(5) }, "M1" },
        // M2 drawdown, ratios between yc/yn and 0.999 (Romberg).
        CasoBakhmeteff { { 10, 3, 1.5, 0.0008, 1.4, 0.9, 1.35, 1.0, Tramos(7) }, "M2" },
        // S2 on a steep rectangle: yc above y above yn.
        CasoBakhmeteff { { 5, 2, 0, 0.01, 0.5, 0.9, 0.85, 0.6, Tramos(5) }, "S2" },
        // Triangle, rising depths.
        CasoBakhmeteff { { 1, 0, 1, 0.002, 0.8, 0.5, 1.0, 1.4, Tramos(4) }, "triangle M1" }));

TEST(Bakhmeteff, TriangleExponentsAreFixed)
{
    DatosBakhmeteff d { 1, 0, 2, 0.002, 0.8, 0.5, 1.0, 1.4, Tramos(2) };
    const auto r = CalcularBakhmeteff(d);
    EXPECT_NEAR(r.N, 16.0 / 3, 1e-14);
    EXPECT_NEAR(r.M, 5.0, 1e-14);
    EXPECT_NEAR(r.J, 4.0, 1e-14);
}

TEST(Bakhmeteff, DepthEqualToTheNormalDepthStopsWithNothingComputed)
{
    // y1 = yn: the reference point itself.
    DatosBakhmeteff d { 10, 3, 1.5, 0.0008, 1.4, 0.9, 1.4, 1.8, Tramos(4) };
    auto r = CalcularBakhmeteff(d);
    EXPECT_EQ(r.fallo, FalloCalculo::TiranteNormal);
    EXPECT_TRUE(r.filas.empty());
    // A later depth equal to yn: 1.0, 1.2, 1.4, ...
    d.y1 = 1.0;
    d.y2 = 1.8;
    r = CalcularBakhmeteff(d);
    EXPECT_EQ(r.fallo, FalloCalculo::TiranteNormal);
    EXPECT_TRUE(r.filas.empty());
}

TEST(Bakhmeteff, ExponentDivisorOfZeroIsANumericFailure)
{
    // N − M + 1 = 0 cannot be met by a real channel; a negative depth mean makes W = 0:
    // b = 2, Z = 1, ym = −2 gives W = 0.
    DatosBakhmeteff d { 10, 2, 1, 0.0008, 1.4, 0.9, -1.0, -3.0, Tramos(2) };
    EXPECT_EQ(CalcularBakhmeteff(d).fallo, FalloCalculo::CalculoImposible);
}

TEST(Bakhmeteff, CountAboveTheLimitIsRefused)
{
    DatosBakhmeteff d { 10, 3, 1.5, 0.0008, 1.4, 0.9, 2.5, 1.8, Tramos(152) };
    EXPECT_EQ(CalcularBakhmeteff(d).fallo, FalloCalculo::NumeroTramos);
    d.nt = Tramos(151);
    EXPECT_EQ(CalcularBakhmeteff(d).filas.size(), 152u);
}

// ---- Bresse ---------------------------------------------------------------

struct CasoBresseDatos {
    DatosBresse datos;
    const char* perfil;
};

class PerfilesBresse : public ::testing::TestWithParam<CasoBresseDatos> { };

// Within one range of its constant, Bresse's x is the integral of
// dx/dy = (1/S)·(1 − (1 − S·C²/9.81)/(1 − (y/yn)³)).
TEST_P(PerfilesBresse, DistancesAgreeWithTheIntegratedProfileEquation)
{
    const auto c = GetParam();
    const auto& d = c.datos;
    const auto r = CalcularBresse(d);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno) << c.perfil;
    const double C = std::pow((d.y1 + d.y2) / 2, 1.0 / 6) / d.n;
    EXPECT_NEAR(r.C, C, 1e-12);
    for (const auto& f : r.filas) {
        const double esperado = std::fabs(Simpson(
            [&](double y) {
                return (1 - (1 - d.S * C * C / 9.81) / (1 - std::pow(y / d.yn, 3))) / d.S;
            },
            d.y1, f.y));
        EXPECT_NEAR(f.x, esperado, 1e-6 * (1 + esperado)) << c.perfil << " y=" << f.y;
    }
}

INSTANTIATE_TEST_SUITE_P(Canales, PerfilesBresse,
    ::testing::Values(CasoBresseDatos { { 5, 10, 0.0005, 0.025, 1.2, 2.0, 1.4, Tramos(6) }, "M1" },
        CasoBresseDatos { { 5, 10, 0.0005, 0.025, 1.2, 1.1, 0.8, Tramos(3) }, "M2" },
        CasoBresseDatos { { 5, 10, 0.02, 0.015, 0.5, 0.8, 0.55, Tramos(5) }, "S2" }));

TEST(Bresse, QAndBEnterOnlyTheZeroCheck)
{
    DatosBresse a { 5, 10, 0.0005, 0.025, 1.2, 2.0, 1.4, Tramos(6) };
    DatosBresse b = a;
    b.Q = 77;
    b.b = 0.3;
    const auto ra = CalcularBresse(a), rb = CalcularBresse(b);
    ASSERT_EQ(ra.filas.size(), rb.filas.size());
    for (size_t i = 0; i < ra.filas.size(); ++i)
        EXPECT_EQ(ra.filas[i].x, rb.filas[i].x);
    b.b = 0;
    EXPECT_EQ(CalcularBresse(b).fallo, FalloCalculo::DatosIncompletos);
}

TEST(Bresse, DepthEqualToNormalDepthAndNegativeMeanAreNumericFailures)
{
    DatosBresse d { 5, 10, 0.0005, 0.025, 1.2, 1.2, 1.6, Tramos(2) };
    EXPECT_EQ(CalcularBresse(d).fallo, FalloCalculo::CalculoImposible);
    d = DatosBresse { 5, 10, 0.0005, 0.025, 1.2, -1.0, -2.0, Tramos(2) };
    EXPECT_EQ(CalcularBresse(d).fallo, FalloCalculo::CalculoImposible);
    // y = −yn/2 gives 2Z + 1 = 0.
    d = DatosBresse { 5, 10, 0.0005, 0.025, 1.2, -0.6, 1.0, Tramos(1) };
    EXPECT_EQ(CalcularBresse(d).fallo, FalloCalculo::CalculoImposible);
}

TEST(Bresse, CountAboveTheLimitIsRefused)
{
    DatosBresse d { 5, 10, 0.0005, 0.025, 1.2, 2.0, 1.4, Tramos(-1) };
    EXPECT_EQ(CalcularBresse(d).fallo, FalloCalculo::NumeroTramos);
}

// ---- fixed reaches --------------------------------------------------------

namespace {

// The far depth of one reach by bisection on the energy balance
// y1 + v1²/2g + S·dx = y2 + v2²/2g + dx·(Sf1 + Sf2)/2.
double ProfundidadLejana(const DatosTramosFijos& d, double y1, double a, double b)
{
    auto elementos = [&](double y, double& v, double& Sf) {
        const double A = (d.b + d.Z * y) * y, P = d.b + 2 * y * std::sqrt(1 + d.Z * d.Z);
        v = d.Q / A;
        Sf = d.n * d.n * v * v / std::pow(A / P, 4.0 / 3);
    };
    double v1, Sf1;
    elementos(y1, v1, Sf1);
    return Biseccion(
        [&](double y2) {
            double v2, Sf2;
            elementos(y2, v2, Sf2);
            return y2 + v2 * v2 / 19.62 + d.dx * (Sf1 + Sf2) / 2
                - (y1 + v1 * v1 / 19.62 + d.S * d.dx);
        },
        a, b);
}

} // namespace

struct CasoTramosFijos {
    DatosTramosFijos datos;
    double menor, mayor; // bracket of the far depths
    const char* perfil;
};

class PerfilesTramosFijos : public ::testing::TestWithParam<CasoTramosFijos> { };

TEST_P(PerfilesTramosFijos, EachReachMeetsItsEnergyBalance)
{
    const auto c = GetParam();
    const auto r = CalcularTramosFijos(c.datos);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno) << c.perfil;
    ASSERT_EQ(r.numFilas, c.datos.nt.valor + 2);
    ASSERT_EQ(r.puntos.size(), static_cast<size_t>(c.datos.nt.valor + 1));
    EXPECT_EQ(r.puntos[0].x, 0.0);
    EXPECT_EQ(r.puntos[0].y, c.datos.yi);
    for (size_t k = 1; k < r.puntos.size(); ++k) {
        EXPECT_DOUBLE_EQ(r.puntos[k].x, r.puntos[k - 1].x + c.datos.dx);
        const double y = ProfundidadLejana(c.datos, r.puntos[k - 1].y, c.menor, c.mayor);
        EXPECT_NEAR(r.puntos[k].y, y, 1e-7) << c.perfil << " reach " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Canales, PerfilesTramosFijos,
    ::testing::Values(
        // M1 upstream from a dam: dx negative, depths fall toward yn (about 1.4 m).
        CasoTramosFijos {
            { 10, 3, 1.5, 0.0008, 0.02, 2.5, -100, Tramos(5) }, 1.5, 2.6, "M1 upstream" },
        // Downstream on the same channel: depths rise.
        CasoTramosFijos {
            { 10, 3, 1.5, 0.0008, 0.02, 2.5, 100, Tramos(4) }, 1.5, 4.0, "M1 downstream" },
        // Rectangle, S2 downstream on a steep slope.
        CasoTramosFijos { { 5, 2, 0, 0.01, 0.015, 0.85, 5, Tramos(3) }, 0.4, 0.86, "S2" }));

TEST(TramosFijos, ChecksInTheirOrder)
{
    DatosTramosFijos d { 10, 3, 1.5, 0.0008, 0.02, 2.5, -100, Tramos(5) };
    d.dx = 0;
    EXPECT_EQ(CalcularTramosFijos(d).fallo, FalloCalculo::DatosIncompletos);
    d.dx = -100;
    d.b = 0;
    d.Z = 0;
    EXPECT_EQ(CalcularTramosFijos(d).fallo, FalloCalculo::AnchoTaludCero);
    d.b = 3;
    d.nt = Entero16 {};
    EXPECT_EQ(CalcularTramosFijos(d).fallo, FalloCalculo::CalculoImposible);
    EXPECT_EQ(CalcularTramosFijos(d).numFilas, 0);
}

TEST(TramosFijos, CountsBeyondTheArraysStopAfterTheLastPointThatFits)
{
    DatosTramosFijos d { 10, 3, 1.5, 0.0008, 0.02, 2.5, -10, Tramos(200) };
    auto r = CalcularTramosFijos(d);
    EXPECT_EQ(r.fallo, FalloCalculo::CalculoImposible);
    EXPECT_EQ(r.numFilas, 202);
    EXPECT_EQ(r.puntos.size(), 152u);
    d.nt = Tramos(151);
    r = CalcularTramosFijos(d);
    EXPECT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_EQ(r.puntos.size(), 152u);
    d.nt = Tramos(32766);
    r = CalcularTramosFijos(d);
    EXPECT_EQ(r.fallo, FalloCalculo::CalculoImposible);
    EXPECT_EQ(r.numFilas, 0);
    EXPECT_TRUE(r.puntos.empty());
    // nt = −1: the grid is cut to its header row, then the first point finds no row.
    d.nt = Tramos(-1);
    r = CalcularTramosFijos(d);
    EXPECT_EQ(r.fallo, FalloCalculo::CalculoImposible);
    EXPECT_EQ(r.numFilas, 1);
    EXPECT_TRUE(r.puntos.empty());
    // nt = −2 would give the grid no row at all: the count fails before the grid changes.
    d.nt = Tramos(-2);
    r = CalcularTramosFijos(d);
    EXPECT_EQ(r.fallo, FalloCalculo::CalculoImposible);
    EXPECT_EQ(r.numFilas, 0);
    EXPECT_TRUE(r.puntos.empty());
}

TEST(TramosFijos, ADepthLeavingTheSectionStopsWithTheReachesDone)
{
    // A rectangle b = 1 stepped 200 m downstream from 0.3 m: the first reach jumps
    // to a negative depth (−1.31 m), which a rectangle still computes while the
    // radius stays positive; six reaches later (−0.62 m) the radius turns
    // negative under its 4/3 power and the trap stops it, seven rows written.
    DatosTramosFijos d { 1, 1, 0, 0.001, 0.015, 0.3, 200, Tramos(10) };
    const auto r = CalcularTramosFijos(d);
    EXPECT_EQ(r.fallo, FalloCalculo::CalculoImposible);
    ASSERT_EQ(r.puntos.size(), 7u);
    EXPECT_NEAR(r.puntos[1].y, -1.3103165, 1e-6);
    EXPECT_EQ(r.numFilas, 12);
}

TEST(TramosFijos, DistancesBeyondTheNumberRangeStopWithThePointsThatFit)
{
    // Reaches of 1E308 m from about the normal depth (1.45 m for these data): the
    // first ends at x = 1E308, the second would end at 2E308, beyond any double.
    DatosTramosFijos d { 10, 3, 1.5, 0.0008, 0.02, 1.45, 1e308, Tramos(3) };
    const auto r = CalcularTramosFijos(d);
    EXPECT_EQ(r.fallo, FalloCalculo::CalculoImposible);
    ASSERT_EQ(r.puntos.size(), 2u);
    EXPECT_EQ(r.puntos[1].x, 1e308);
    EXPECT_TRUE(std::isfinite(r.puntos[1].y));
}

} // namespace
