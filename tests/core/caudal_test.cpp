// The discharge calculations, against Manning's equation written out here from
// the geometry of each section: the parabola's arc length by Simpson's rule, the
// circle's segment by the arccosine with the full-precision π.

#include <cmath>
#include <gtest/gtest.h>

#include "uniform_flow/core/caudal.h"

using namespace quelmora;

namespace {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Esperado {
    double q, a, p, t, r, v, f, e;
};

Esperado DesdeSeccion(double y, double a, double p, double t, double n, double s, double d)
{
    Esperado x {};
    x.a = a;
    x.p = p;
    x.t = t;
    x.r = a / p;
    x.q = a * std::cbrt(x.r * x.r) * std::sqrt(s) / n;
    x.v = x.q / a;
    x.f = x.v / std::sqrt(9.81 * d);
    x.e = y + x.v * x.v / 19.62;
    return x;
}

// Arc length of z = 4·y·x²/T² from the axis to x = T/2, twice, by Simpson's rule.
double ArcoParabola(double t, double y)
{
    const auto f = [&](double x) {
        const double pendiente = 8.0 * y * x / (t * t);
        return std::sqrt(1.0 + pendiente * pendiente);
    };
    const int tramos = 20000;
    const double h = (t / 2.0) / tramos;
    double suma = f(0.0) + f(t / 2.0);
    for (int i = 1; i < tramos; ++i)
        suma += f(i * h) * (i % 2 ? 4.0 : 2.0);
    return 2.0 * suma * h / 3.0;
}

void Comparar(const ResultadoFlujoUniforme& r, const Esperado& x, double tolerancia)
{
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    const auto cerca = [&](double obtenido, double esperado, const char* que) {
        EXPECT_NEAR(obtenido, esperado, tolerancia * std::max(1.0, std::abs(esperado))) << que;
    };
    cerca(r.caudal, x.q, "Q");
    cerca(r.area, x.a, "A");
    cerca(r.perimetro, x.p, "P");
    cerca(r.espejo, x.t, "T");
    cerca(r.radio, x.r, "R");
    cerca(r.velocidad, x.v, "v");
    cerca(r.froude, x.f, "F");
    cerca(r.energia, x.e, "E");
}

struct FilaParabola {
    const char* nombre;
    double y, t, n, s;
    bool exacta; // the exact arc length rather than T + 8y²/(3T)
};

class CaudalParabolico : public ::testing::TestWithParam<FilaParabola> { };

TEST_P(CaudalParabolico, MatchesManningOnTheParabola)
{
    const FilaParabola& c = GetParam();
    const double a = 2.0 * c.t * c.y / 3.0;
    const double p = c.exacta ? ArcoParabola(c.t, c.y) : c.t + 8.0 * c.y * c.y / (3.0 * c.t);
    const ResultadoFlujoUniforme r = CalcularCaudalParabolico(c.y, c.t, c.n, c.s);
    Comparar(r, DesdeSeccion(c.y, a, p, c.t, c.n, c.s, a / c.t), 1e-9);
    EXPECT_NEAR(r.foco, c.t * c.t / (8.0 * c.y), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Parabolas, CaudalParabolico,
    ::testing::Values(FilaParabola { "somera", 0.4, 2.0, 0.015, 0.001, false },
        // 4y/T = 1 exactly still takes the approximation, 7T/6.
        FilaParabola { "en_el_umbral", 1.0, 4.0, 0.015, 0.001, false },
        FilaParabola { "un_pelo_mas_honda", 1.0 + 1e-9, 4.0, 0.015, 0.001, true },
        FilaParabola { "honda", 1.0, 2.0, 0.025, 0.004, true }),
    [](const auto& info) { return std::string(info.param.nombre); });

struct FilaCirculo {
    const char* nombre;
    double y, d, n, s;
};

class CaudalCircular : public ::testing::TestWithParam<FilaCirculo> { };

// θ = 2·arccos(1 − 2y/d); the window's literal 1.570796 for π/2 moves the angle
// by 6.5e-7, well inside the tolerance.
TEST_P(CaudalCircular, MatchesManningOnThePartlyFullCircle)
{
    const FilaCirculo& c = GetParam();
    const double theta = 2.0 * std::acos(1.0 - 2.0 * c.y / c.d);
    const double a = (theta - std::sin(theta)) * c.d * c.d / 8.0;
    const double p = theta * c.d / 2.0;
    const double t = c.d * std::sin(theta / 2.0);
    const ResultadoFlujoUniforme r = CalcularCaudalCircular(c.y, c.d, c.n, c.s);
    Comparar(r, DesdeSeccion(c.y, a, p, t, c.n, c.s, a / t), 2e-6);
    EXPECT_FALSE(r.erosiva);
}

INSTANTIATE_TEST_SUITE_P(Circulos, CaudalCircular,
    ::testing::Values(FilaCirculo { "cuarto", 0.25, 1.0, 0.013, 0.001 },
        FilaCirculo { "medio", 0.5, 1.0, 0.013, 0.001 },
        FilaCirculo { "casi_lleno", 0.999, 1.0, 0.013, 0.001 },
        // Fast enough to erode in a lined channel, but the conduit never warns.
        FilaCirculo { "rapido", 0.6, 1.2, 0.03, 0.05 }),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(CaudalCircularLleno, FullPipeHasNoTopWidthAndAFroudeNumberFromAOver0001)
{
    const ResultadoFlujoUniforme r = CalcularCaudalCircular(2.0, 2.0, 0.013, 0.001);
    const double a = kPi;
    Esperado x = DesdeSeccion(2.0, a, 2.0 * kPi, 0.0, 0.013, 0.001, a / 0.001);
    Comparar(r, x, 1e-12);
    EXPECT_EQ(r.espejo, 0.0);
    EXPECT_EQ(r.tipoFlujo, TipoFlujo::Subcritico);
}

// The windows' tests drive the refusals of negative data; an overflow is refused
// the same way, without reaching a box as "inf".
TEST(CaudalDesbordado, AnAreaBeyondTheDoublesIsRefused)
{
    EXPECT_EQ(CalcularCaudalTrapecial(1e200, 1e200, 1, 0.015, 0.001).fallo,
        FalloCalculo::CalculoImposible);
    EXPECT_EQ(
        CalcularCaudalParabolico(1e200, 1e200, 0.015, 0.001).fallo, FalloCalculo::CalculoImposible);
}

} // namespace

} // namespace
