// The finite-difference Newton solver against roots found by bisection, and its
// three ways of ending without a root.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "hydraulics/manning.h"
#include "hydraulics/newton.h"
#include "hydraulics/secciones.h"

using namespace quelmora;

namespace {

namespace {

// Bisection to 1e-12 on a residual that falls as x grows: a different method
// from the one under test.
double Biseccion(const std::function<double(double)>& f, double bajo, double alto)
{
    while (alto - bajo > 1e-12) {
        const double medio = (bajo + alto) / 2.0;
        (f(medio) > 0.0 ? bajo : alto) = medio;
    }
    return (bajo + alto) / 2.0;
}

// Manning's residual of a trapezoid written out here on its own.
std::function<double(double)> ResiduoTrapecio(double q, double b, double z, double n, double s)
{
    return [=](double y) {
        const double a = (b + z * y) * y;
        const double p = b + 2.0 * y * std::sqrt(1.0 + z * z);
        return q - std::sqrt(s) * std::pow(a, 5.0 / 3.0) / (std::pow(p, 2.0 / 3.0) * n);
    };
}

struct FilaNormal {
    std::string nombre;
    double q, b, z, n, s;
    ReglaParada parada;
};

class TiranteNormal : public ::testing::TestWithParam<FilaNormal> { };

TEST_P(TiranteNormal, SettlesOnTheBisectionRootInAHandfulOfPasses)
{
    const FilaNormal& f = GetParam();
    const double raiz = Biseccion(ResiduoTrapecio(f.q, f.b, f.z, f.n, f.s), 1e-6, 50.0);
    const auto residuo = [&](double y) {
        const ElementosSeccion e = PropiedadesSeccionTrapezoidal(f.b, f.z, y);
        return ResiduoManning(f.q, e.area, e.perimetro, f.s, f.n);
    };
    const ResultadoNewton r = NewtonDiferenciaFinita(residuo, 1.0, { .parada = f.parada });
    ASSERT_EQ(r.estado, EstadoNewton::Convergio);
    EXPECT_NEAR(r.x, raiz, 1e-5);
    EXPECT_LE(r.pasos, 8);
    EXPECT_LT(std::abs(r.delta), 1e-5 + 1e-20);
}

INSTANTIATE_TEST_SUITE_P(NewtonDiferenciaFinita, TiranteNormal,
    ::testing::Values(
        FilaNormal { "trapecio_unitario", 1.0, 1.0, 1.0, 0.015, 0.001, ReglaParada::Estricta },
        FilaNormal { "trapecio_holgado", 1.0, 1.0, 1.0, 0.015, 0.001, ReglaParada::Holgada },
        FilaNormal { "rectangulo", 2.5, 1.5, 0.0, 0.014, 0.0005, ReglaParada::Estricta },
        FilaNormal { "triangulo", 0.3, 0.0, 1.5, 0.025, 0.002, ReglaParada::Estricta },
        FilaNormal { "pendiente_fuerte", 1.0, 1.0, 1.0, 0.014, 0.05, ReglaParada::Estricta },
        FilaNormal { "canal_grande", 40.0, 6.0, 2.0, 0.03, 0.0004, ReglaParada::Holgada }),
    [](const auto& info) { return info.param.nombre; });

TEST(NewtonDiferenciaFinita, DirectCorrectionReachesTheSameRoot)
{
    const auto f = ResiduoTrapecio(1.0, 1.0, 1.0, 0.015, 0.001);
    const double raiz = Biseccion(f, 1e-6, 50.0);
    const ResultadoNewton r
        = NewtonDiferenciaFinita(f, 1.0, { .correccion = FormaCorreccion::Directa });
    ASSERT_EQ(r.estado, EstadoNewton::Convergio);
    EXPECT_NEAR(r.x, raiz, 1e-5);
}

TEST(NewtonDiferenciaFinita, CircularNormalDepthFromAThirdOfTheDiameter)
{
    // d = 1, n = 0.013, S = 0.001, Q = 0.3: the exact segment gives the root.
    const double d = 1.0, q = 0.3, n = 0.013, s = 0.001;
    const auto exacto = [&](double y) {
        const double mitad = std::acos(1.0 - 2.0 * y / d);
        const double a = d * d / 8.0 * (2.0 * mitad - std::sin(2.0 * mitad));
        const double p = mitad * d;
        return q - a * std::pow(a / p, 2.0 / 3.0) * std::sqrt(s) / n;
    };
    const double raiz = Biseccion(exacto, 1e-6, 0.9);
    const auto residuo = [&](double y) {
        const ElementosCirculares e = PropiedadesSeccionCircular(d, y);
        return ResiduoManning(q, e.area, e.perimetro, s, n, FormaResiduoManning::PorRadio);
    };
    const ResultadoNewton r = NewtonDiferenciaFinita(residuo, 0.35 * d,
        { .parada = ReglaParada::Holgada, .detenerTras = [&](double y) { return y > d; } });
    ASSERT_EQ(r.estado, EstadoNewton::Convergio);
    EXPECT_NEAR(r.x, raiz, 1e-5);
}

TEST(NewtonDiferenciaFinita, CallerStopsWhenATrialDepthExceedsTheDiameter)
{
    // Ten cubic metres a second do not fit a 0.5 m pipe: the first correction
    // already lands above the diameter.
    const double d = 0.5;
    const auto residuo = [&](double y) {
        const ElementosCirculares e = PropiedadesSeccionCircular(d, y);
        return ResiduoManning(
            10.0, e.area, e.perimetro, 0.001, 0.013, FormaResiduoManning::PorRadio);
    };
    const ResultadoNewton r = NewtonDiferenciaFinita(residuo, 0.35 * d,
        { .parada = ReglaParada::Holgada, .detenerTras = [&](double y) { return y > d; } });
    EXPECT_EQ(r.estado, EstadoNewton::Detenido);
    EXPECT_EQ(r.pasos, 1);
    EXPECT_GT(r.x, d);
}

TEST(NewtonDiferenciaFinita, OscillatingResidualReachesThePassLimit)
{
    // f = sign(x)·√|x|: each Newton step throws x to the other side of the root,
    // never closer to it.
    const auto f = [](double x) { return std::copysign(std::sqrt(std::abs(x)), x); };
    const ResultadoNewton r = NewtonDiferenciaFinita(f, 1.0);
    EXPECT_EQ(r.estado, EstadoNewton::LimitePasos);
    EXPECT_EQ(r.pasos, kMaximoPasosNewton);
    EXPECT_TRUE(std::isfinite(r.x));
}

TEST(NewtonDiferenciaFinita, ParabolaWithoutNormalDepthReachesThePassLimit)
{
    // T = 4, n = 0.015, S = 0.001: the perimeter drops at y = 1 (y/T = 0.25), so
    // the discharge jumps there; a discharge inside the jump has no normal depth.
    const double t = 4.0, n = 0.015, s = 0.001;
    const auto caudal = [&](double a, double p) {
        return std::pow(a, 5.0 / 3.0) / std::pow(p, 2.0 / 3.0) / n * std::sqrt(s);
    };
    const double debajo = caudal(8.0 / 3.0, 14.0 / 3.0);
    const double encima
        = caudal(8.0 / 3.0, 2.0 * (std::sqrt(2.0) + std::log(1.0 + std::sqrt(2.0))));
    ASSERT_LT(debajo, encima);
    const double q = (debajo + encima) / 2.0;
    const auto residuo = [&](double y) {
        const ElementosParabolicos e = PropiedadesSeccionParabolica(t, y);
        return ResiduoManning(q, e.area, e.perimetro, s, n);
    };
    const ResultadoNewton r
        = NewtonDiferenciaFinita(residuo, 1.0, { .parada = ReglaParada::Holgada });
    EXPECT_EQ(r.estado, EstadoNewton::LimitePasos);
}

TEST(NewtonDiferenciaFinita, ResidualWithoutRealValueIsANumericFailure)
{
    // A negative area raised to 5/3: the triangle of Z = 1 at y = −1.
    const auto negativo
        = [](double y) { return 1.0 - std::pow(y * y * (y < 0 ? -1.0 : 1.0), 5.0 / 3.0); };
    EXPECT_EQ(NewtonDiferenciaFinita(negativo, -1.0).estado, EstadoNewton::FalloNumerico);
    // A residual that turns into NaN after the first correction: the NaN must not
    // pass the stop test as if the iteration had settled.
    const auto tarde
        = [](double x) { return x > 0.9 ? x - 0.5 : std::numeric_limits<double>::quiet_NaN(); };
    const ResultadoNewton r = NewtonDiferenciaFinita(tarde, 1.0);
    EXPECT_EQ(r.estado, EstadoNewton::FalloNumerico);
    EXPECT_EQ(r.pasos, 2);
}

TEST(NewtonDiferenciaFinita, FlatResidualIsANumericFailureNotADivisionByZero)
{
    const ResultadoNewton r = NewtonDiferenciaFinita([](double) { return 3.0; }, 1.0);
    EXPECT_EQ(r.estado, EstadoNewton::FalloNumerico);
    EXPECT_EQ(r.pasos, 1);
}

TEST(NewtonDiferenciaFinita, InfiniteResidualIsANumericFailure)
{
    const auto f = [](double x) { return 1.0 / (x - 1.0); };
    EXPECT_EQ(NewtonDiferenciaFinita(f, 1.0).estado, EstadoNewton::FalloNumerico);
}

// A residual that answers 1 at every trial value and −99 at every lowered one
// makes each correction 0.001·1/100, exactly 0.00001.
class ResiduoDeCorreccionFija {
public:
    explicit ResiduoDeCorreccionFija(double rebajado)
        : rebajado_(rebajado)
    {
    }
    double operator()(double) { return (llamadas_++ % 2 == 0) ? 1.0 : rebajado_; }

private:
    double rebajado_;
    int llamadas_ = 0;
};

TEST(NewtonDiferenciaFinita, CorrectionOfExactlyTheToleranceEndsOnlyTheLooseRule)
{
    ASSERT_EQ(0.001 * 1.0 / 100.0, 0.00001);
    const ResultadoNewton holgada = NewtonDiferenciaFinita(
        ResiduoDeCorreccionFija(-99.0), 2.0, { .parada = ReglaParada::Holgada });
    EXPECT_EQ(holgada.estado, EstadoNewton::Convergio);
    EXPECT_EQ(holgada.pasos, 1);
    EXPECT_EQ(holgada.delta, 0.00001);
    // The strict rule repeats while |Δ| ≥ 0.00001, here for ever, up to the limit.
    const ResultadoNewton estricta = NewtonDiferenciaFinita(
        ResiduoDeCorreccionFija(-99.0), 2.0, { .parada = ReglaParada::Estricta });
    EXPECT_EQ(estricta.estado, EstadoNewton::LimitePasos);
    EXPECT_EQ(estricta.pasos, kMaximoPasosNewton);
}

TEST(NewtonDiferenciaFinita, ResultIsTheValueAfterTheLastCorrection)
{
    // A line of slope −1 through 0.7: the first correction lands on the root
    // (to rounding), the second is tiny and ends the loop after being applied.
    const ResultadoNewton r = NewtonDiferenciaFinita([](double x) { return 0.7 - x; }, 1.0);
    ASSERT_EQ(r.estado, EstadoNewton::Convergio);
    EXPECT_EQ(r.pasos, 2);
    EXPECT_NEAR(r.x, 0.7, 1e-12);
}

TEST(NewtonDiferenciaFinita, NonFiniteStartIsANumericFailure)
{
    const auto f = [](double x) { return 0.7 - x; };
    EXPECT_EQ(NewtonDiferenciaFinita(f, std::numeric_limits<double>::quiet_NaN()).estado,
        EstadoNewton::FalloNumerico);
}

} // namespace

} // namespace
