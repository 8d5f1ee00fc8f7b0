// Section elements against geometry worked out independently: by hand, from the
// circular segment with the exact π, and from the parabola's arc length
// integrated numerically.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "hydraulics/finitos.h"
#include "hydraulics/secciones.h"

using namespace quelmora;

namespace {

namespace {

constexpr double kPi = std::numbers::pi;

// Whether every element a calculation writes has a value.
bool Finitos(const ElementosSeccion& e)
{
    return SonFinitos({ e.area, e.perimetro, e.espejo, e.radio, e.profundidad });
}
bool Finitos(const ElementosParabolicos& e)
{
    return SonFinitos({ e.area, e.perimetro, e.foco, e.radio, e.profundidad });
}
bool Finitos(const ElementosCirculares& e)
{
    return SonFinitos(
        { e.coseno, e.angulo, e.area, e.perimetro, e.espejo, e.radio, e.profundidad });
}
bool Finitos(const ElementosCircularesAnguloCentral& e)
{
    return SonFinitos({ e.angulo, e.area, e.perimetro, e.espejo, e.radio, e.profundidad });
}
bool Finitos(const ElementosCircularesUnitarios& e)
{
    return SonFinitos({ e.angulo, e.area, e.radio });
}

// --- Trapezoid, with the rectangle and the triangle as its special cases ----

struct FilaTrapecio {
    std::string nombre;
    double b, z, y;
    double area, perimetro, espejo; // by hand
};

class Trapecio : public ::testing::TestWithParam<FilaTrapecio> { };

TEST_P(Trapecio, ElementsMatchTheHandWorkedSection)
{
    const FilaTrapecio& f = GetParam();
    for (auto forma : { FormaPerimetroTrapecio::DobleTirantePorRaiz,
             FormaPerimetroTrapecio::DobleRaizPorTirante }) {
        const ElementosSeccion e = PropiedadesSeccionTrapezoidal(f.b, f.z, f.y, forma);
        EXPECT_DOUBLE_EQ(e.area, f.area);
        EXPECT_DOUBLE_EQ(e.perimetro, f.perimetro);
        EXPECT_DOUBLE_EQ(e.espejo, f.espejo);
        EXPECT_DOUBLE_EQ(e.radio, f.area / f.perimetro);
        EXPECT_DOUBLE_EQ(e.profundidad, f.area / f.espejo);
        EXPECT_TRUE(Finitos(e));
    }
}

INSTANTIATE_TEST_SUITE_P(SeccionesTrapeciales, Trapecio,
    ::testing::Values(
        // b = 1, Z = 1, y = 0.5: A = 0.75, P = 1 + √2, T = 2.
        FilaTrapecio { "trapecio", 1.0, 1.0, 0.5, 0.75, 1.0 + std::sqrt(2.0), 2.0 },
        // y = 1, b = 2, Z = 1: A = 3, P = 2 + 2√2, T = 4.
        FilaTrapecio { "trapecio_ancho", 2.0, 1.0, 1.0, 3.0, 2.0 + 2.0 * std::sqrt(2.0), 4.0 },
        // Z = 0: A = b·y, P = b + 2y, T = b.
        FilaTrapecio { "rectangulo", 3.0, 0.0, 0.8, 2.4, 4.6, 3.0 },
        // b = 0, Z = 2: A = Z·y² = 2·0.25, P = 2y·√5, T = 2·Z·y = 2.
        FilaTrapecio { "triangulo", 0.0, 2.0, 0.5, 0.5, std::sqrt(5.0), 2.0 },
        // 3-4-5 side: Z = 0.75, y = 2 gives a side of 2.5.
        FilaTrapecio { "talud_tres_cuartos", 1.0, 0.75, 2.0, 5.0, 6.0, 4.0 }),
    [](const auto& info) { return info.param.nombre; });

TEST(PropiedadesSeccionTrapezoidal, ZeroDepthGivesNonFiniteRadiusNotACrash)
{
    // Rectangle at y = 0: R = 0/b is fine, but a triangle at y = 0 is 0/0.
    EXPECT_FALSE(Finitos(PropiedadesSeccionTrapezoidal(0.0, 1.0, 0.0)));
}

// --- Parabola given its top width ---------------------------------------------

// Arc length of z = 4y·x²/T² between the edges of the water surface, by Simpson's
// rule: a method of its own, with no closed form shared with the program.
double ArcoParabola(double t, double y)
{
    const int n = 20000;
    const double a = 0.0, b = t / 2.0, h = (b - a) / n;
    auto g = [&](double x) {
        const double pendiente = 8.0 * y * x / (t * t);
        return std::sqrt(1.0 + pendiente * pendiente);
    };
    double suma = g(a) + g(b);
    for (int i = 1; i < n; ++i)
        suma += g(a + i * h) * (i % 2 ? 4.0 : 2.0);
    return 2.0 * suma * h / 3.0;
}

struct FilaParabola {
    std::string nombre;
    double t, y;
    bool exacta; // y/T above 0.25: the exact arc length applies
    double area, perimetro, foco;
};

class Parabola : public ::testing::TestWithParam<FilaParabola> { };

TEST_P(Parabola, ElementsMatchTheHandWorkedSectionInBothForms)
{
    const FilaParabola& f = GetParam();
    for (auto forma : { FormaParabolica::General, FormaParabolica::VentanaCaudal }) {
        const ElementosParabolicos e = PropiedadesSeccionParabolica(f.t, f.y, forma);
        EXPECT_NEAR(e.area, f.area, 1e-14);
        EXPECT_NEAR(e.perimetro, f.perimetro, 1e-12);
        EXPECT_NEAR(e.foco, f.foco, 1e-14);
        EXPECT_NEAR(e.radio, f.area / f.perimetro, 1e-12);
        EXPECT_NEAR(e.profundidad, 2.0 * f.y / 3.0, 1e-14);
        if (f.exacta) {
            EXPECT_NEAR(e.perimetro, ArcoParabola(f.t, f.y), 1e-9);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SeccionesParabolicas, Parabola,
    ::testing::Values(
        // T = 2, y = 0.4 (y/T = 0.2): A = 1.6/3, P = 2 + 1.28/6, k = 4/3.2.
        FilaParabola { "aproximada", 2.0, 0.4, false, 1.6 / 3.0, 2.0 + 1.28 / 6.0, 1.25 },
        // T = 4, y = 1 (y/T = 0.25 exactly): still the approximation, P = 7T/6.
        FilaParabola { "en_el_umbral", 4.0, 1.0, false, 8.0 / 3.0, 14.0 / 3.0, 2.0 },
        // T = 2, y = 1 (x = 2): A = 4/3, P = √5 + ln(2 + √5)/2, k = 0.5.
        FilaParabola { "exacta", 2.0, 1.0, true, 4.0 / 3.0,
            std::sqrt(5.0) + std::log(2.0 + std::sqrt(5.0)) / 2.0, 0.5 },
        // T = 3, y = 3 (x = 4): P = 1.5·(√17 + ln(4 + √17)/4), k = 9/24.
        FilaParabola { "profunda", 3.0, 3.0, true, 6.0,
            1.5 * (std::sqrt(17.0) + std::log(4.0 + std::sqrt(17.0)) / 4.0), 0.375 }),
    [](const auto& info) { return info.param.nombre; });

TEST(PerimetroParabolico, PerimeterDropsJustAboveTheThreshold)
{
    // Just above y/T = 0.25 the exact arc length, (T/2)·(√2 + ln(1 + √2)), takes
    // over: about 1.6 % below the approximation's 7T/6.
    const double y = std::nextafter(1.0, 2.0);
    const double exacto = 2.0 * (std::sqrt(2.0) + std::log(1.0 + std::sqrt(2.0)));
    for (auto forma : { FormaParabolica::General, FormaParabolica::VentanaCaudal }) {
        EXPECT_DOUBLE_EQ(PerimetroParabolico(4.0, 1.0, forma), 14.0 / 3.0);
        const double encima = PerimetroParabolico(4.0, y, forma);
        EXPECT_NEAR(encima, exacto, 1e-12);
        EXPECT_NEAR(encima, ArcoParabola(4.0, y), 1e-9);
        EXPECT_NEAR(1.0 - encima / (14.0 / 3.0), 0.0163, 0.0005);
    }
}

TEST(PropiedadesSeccionParabolica, ZeroDepthIsNotFinite)
{
    EXPECT_FALSE(Finitos(PropiedadesSeccionParabolica(2.0, 0.0)));
}

// --- Circle by the half angle, π as 3.14159265 ----------------------------------

// Circular segment with the exact π: the half angle is arccos(1 − 2y/d).
struct Segmento {
    double angulo, area, perimetro, espejo;
};
Segmento SegmentoExacto(double d, double y)
{
    const double r = d / 2.0;
    const double mitad = std::acos((r - y) / r);
    return { mitad, r * r * (2.0 * mitad - std::sin(2.0 * mitad)) / 2.0, 2.0 * mitad * r,
        2.0 * std::sqrt(y * (d - y)) };
}

struct FilaCirculo {
    std::string nombre;
    double d, y;
    double tolerancia; // above the centre 3.14159265 leaves α 3.6e-9 short
};

class CirculoSemiangulo : public ::testing::TestWithParam<FilaCirculo> { };

TEST_P(CirculoSemiangulo, ElementsMatchTheCircularSegment)
{
    const FilaCirculo& f = GetParam();
    const ElementosCirculares e = PropiedadesSeccionCircular(f.d, f.y);
    const Segmento s = SegmentoExacto(f.d, f.y);
    EXPECT_TRUE(Finitos(e));
    EXPECT_NEAR(e.coseno, 1.0 - 2.0 * f.y / f.d, 1e-15);
    EXPECT_NEAR(e.angulo, s.angulo, f.tolerancia);
    EXPECT_NEAR(e.area, s.area, f.tolerancia * f.d * f.d);
    EXPECT_NEAR(e.perimetro, s.perimetro, f.tolerancia * f.d);
    EXPECT_NEAR(e.espejo, s.espejo, f.tolerancia * f.d);
    EXPECT_NEAR(e.radio, s.area / s.perimetro, f.tolerancia * f.d);
    EXPECT_NEAR(e.profundidad, s.area / s.espejo, f.tolerancia * f.d * 10.0);
}

INSTANTIATE_TEST_SUITE_P(SeccionesCirculares, CirculoSemiangulo,
    ::testing::Values(
        // c = 0.4: α = arctan(√0.84/0.4), T = √0.84.
        FilaCirculo { "bajo_el_centro", 1.0, 0.3, 1e-14 },
        // d = 2, y = 0.5: c = 0.5, α = π/3, T = √3.
        FilaCirculo { "tercio_de_pi", 2.0, 0.5, 1e-14 },
        // c = −0.6: α = 3.14159265 − arctan(0.8/0.6), T = 0.8.
        FilaCirculo { "sobre_el_centro", 1.0, 0.8, 1e-8 },
        // c = 0 exactly: the limit, not a division by zero.
        FilaCirculo { "medio_lleno", 1.0, 0.5, 1e-8 },
        FilaCirculo { "medio_lleno_grande", 3.0, 1.5, 1e-8 },
        FilaCirculo { "casi_lleno", 1.0, 0.99, 1e-8 }),
    [](const auto& info) { return info.param.nombre; });

TEST(PropiedadesSeccionCircular, HalfFullIsFiniteWithAQuarterOfTheDiameterAsRadius)
{
    const ElementosCirculares e = PropiedadesSeccionCircular(1.0, 0.5);
    EXPECT_NEAR(e.angulo, 3.14159265 - kPi / 2.0, 1e-15);
    EXPECT_NEAR(e.espejo, 1.0, 1e-15);
    EXPECT_NEAR(e.radio, 0.25, 1e-8);
}

TEST(PropiedadesSeccionCircular, FullPipeKeepsTheShortenedPi)
{
    // c = −1, u = 0: α = 3.14159265; T = sin(3.14159265), about 3.6e-9, not 0.
    const ElementosCirculares e = PropiedadesSeccionCircular(1.0, 1.0);
    EXPECT_EQ(e.angulo, 3.14159265);
    EXPECT_EQ(e.perimetro, 3.14159265);
    EXPECT_NEAR(e.espejo, kPi - 3.14159265, 1e-15);
    EXPECT_GT(e.espejo, 0.0);
    EXPECT_NEAR(e.area, 0.25 * kPi, 1e-8);
    EXPECT_TRUE(Finitos(e));
}

TEST(PropiedadesSeccionCircular, DepthsOutsideThePipeAreNotFinite)
{
    EXPECT_FALSE(Finitos(PropiedadesSeccionCircular(1.0, 0.0)));
    EXPECT_FALSE(Finitos(PropiedadesSeccionCircular(1.0, -0.1)));
    EXPECT_FALSE(Finitos(PropiedadesSeccionCircular(1.0, 1.1)));
}

// --- Circle by the central angle, π/2 as 1.570796 --------------------------------

// The literal 1.570796 falls short of π/2 by this much, so the rule's half angle
// is arccos(x) less it: arctan(x/√(1 − x²)) is arcsin(x) = π/2 − arccos(x).
constexpr double kFaltaMedioPi = kPi / 2.0 - 1.570796;

double AnguloCentralEsperado(double x) { return 2.0 * (std::acos(x) - kFaltaMedioPi); }

struct FilaAnguloCentral {
    std::string nombre;
    double y, d;
};

class CirculoAnguloCentral : public ::testing::TestWithParam<FilaAnguloCentral> { };

TEST_P(CirculoAnguloCentral, DepthFormMatchesTheSegmentUpToTheShortenedHalfPi)
{
    const FilaAnguloCentral& f = GetParam();
    const ElementosCircularesAnguloCentral e = PropiedadesCircularAnguloCentral(f.y, f.d);
    const Segmento s = SegmentoExacto(f.d, f.y);
    const double theta = AnguloCentralEsperado(1.0 - 2.0 * f.y / f.d);
    EXPECT_FALSE(e.lleno);
    EXPECT_TRUE(Finitos(e));
    EXPECT_NEAR(e.angulo, theta, 1e-12);
    EXPECT_NEAR(e.angulo, 2.0 * s.angulo, 1e-6);
    EXPECT_NEAR(e.area, s.area, 1e-6 * f.d * f.d);
    EXPECT_NEAR(e.perimetro, s.perimetro, 1e-6 * f.d);
    // The top width comes from the chord, not from the angle.
    EXPECT_NEAR(e.espejo, s.espejo, 1e-14 * f.d);
    EXPECT_NEAR(e.radio, s.area / s.perimetro, 1e-6 * f.d);
    EXPECT_NEAR(e.profundidad, e.area / s.espejo, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(SeccionesCirculares, CirculoAnguloCentral,
    ::testing::Values(FilaAnguloCentral { "cuarto", 0.25, 1.0 },
        FilaAnguloCentral { "medio_lleno", 0.5, 1.0 },
        FilaAnguloCentral { "tres_cuartos", 1.5, 2.0 },
        FilaAnguloCentral { "casi_lleno", 0.999999, 1.0 },
        FilaAnguloCentral { "poco_tirante", 0.01, 0.6 }),
    [](const auto& info) { return info.param.nombre; });

TEST(PropiedadesCircularAnguloCentral, HalfFullUsesTwiceTheLiteral)
{
    const ElementosCircularesAnguloCentral e = PropiedadesCircularAnguloCentral(0.5, 1.0);
    EXPECT_EQ(e.angulo, 3.141592);
    EXPECT_EQ(e.perimetro, 1.570796);
    EXPECT_EQ(e.espejo, 1.0);
    EXPECT_LT(e.area, kPi / 8.0);
    EXPECT_NEAR(e.area, kPi / 8.0, 1e-6);
    EXPECT_LT(e.radio, 0.25);
}

TEST(PropiedadesCircularAnguloCentral, FullPipeCaseHasZeroTopWidthAndTheSmallDivisor)
{
    const double d = 1.2;
    const ElementosCircularesAnguloCentral e = PropiedadesCircularAnguloCentral(d, d);
    EXPECT_TRUE(e.lleno);
    EXPECT_TRUE(Finitos(e));
    EXPECT_NEAR(e.area, kPi * d * d / 4.0, 1e-15);
    EXPECT_NEAR(e.perimetro, kPi * d, 1e-15);
    EXPECT_NEAR(e.radio, d / 4.0, 1e-15);
    EXPECT_EQ(e.espejo, 0.0);
    EXPECT_NEAR(e.profundidad, kPi * d * d / 4.0 / 0.001, 1e-10);
}

TEST(PropiedadesCircularAnguloCentral, DepthFormOutsideThePipeIsNotFinite)
{
    EXPECT_FALSE(Finitos(PropiedadesCircularAnguloCentral(1.2, 1.0)));
    EXPECT_FALSE(Finitos(PropiedadesCircularAnguloCentral(-0.1, 1.0)));
    EXPECT_FALSE(Finitos(PropiedadesCircularAnguloCentral(0.0, 1.0)));
}

struct FilaRelacion {
    std::string nombre;
    double relacion;
};

class CirculoRelacion : public ::testing::TestWithParam<FilaRelacion> { };

TEST_P(CirculoRelacion, RatioFormMatchesTheUnitSegment)
{
    const FilaRelacion& f = GetParam();
    const ElementosCircularesUnitarios u = PropiedadesCircularAnguloCentral(f.relacion);
    const Segmento s = SegmentoExacto(1.0, f.relacion);
    EXPECT_TRUE(Finitos(u));
    EXPECT_NEAR(u.angulo, AnguloCentralEsperado(1.0 - 2.0 * f.relacion), 1e-12);
    EXPECT_NEAR(u.area, s.area, 1e-6);
    EXPECT_NEAR(u.radio, s.area / s.perimetro, 1e-6);
    // Completed with a diameter the elements scale as lengths and areas do.
    const double d = 2.5;
    const ElementosSeccion e = CompletarConDiametro(u, d);
    const Segmento sd = SegmentoExacto(d, f.relacion * d);
    EXPECT_NEAR(e.area, sd.area, 1e-5);
    EXPECT_NEAR(e.perimetro, sd.perimetro, 1e-5);
    EXPECT_NEAR(e.radio, sd.area / sd.perimetro, 1e-5);
    EXPECT_NEAR(e.espejo, sd.espejo, 1e-5);
    EXPECT_NEAR(e.profundidad, e.area / e.espejo, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(SeccionesCirculares, CirculoRelacion,
    ::testing::Values(FilaRelacion { "pequena", 0.05 }, FilaRelacion { "cuarto", 0.25 },
        FilaRelacion { "media", 0.5 }, FilaRelacion { "tres_cuartos", 0.75 },
        FilaRelacion { "casi_uno", 0.98 }),
    [](const auto& info) { return info.param.nombre; });

TEST(PropiedadesCircularAnguloCentral, RatioFormHalfFullFallsJustShortOfTheExactValues)
{
    const ElementosCircularesUnitarios u = PropiedadesCircularAnguloCentral(0.5);
    EXPECT_EQ(u.angulo, 3.141592);
    EXPECT_LT(u.area, kPi / 8.0);
    EXPECT_NEAR(u.area, kPi / 8.0, 1e-6);
    EXPECT_LT(u.radio, 0.25);
    EXPECT_NEAR(u.radio, 0.25, 1e-6);
}

TEST(PropiedadesCircularAnguloCentral, RatioFormTopWidthDiffersFromTheChordInTheSeventhDecimal)
{
    // d = 1, y = 0.25: the chord is √3/2 exactly; sin(θ/2) is off by about 1.6e-7.
    const ElementosSeccion e = CompletarConDiametro(PropiedadesCircularAnguloCentral(0.25), 1.0);
    const double diferencia = std::abs(e.espejo - std::sqrt(3.0) / 2.0);
    EXPECT_GT(diferencia, 1e-8);
    EXPECT_LT(diferencia, 1e-6);
    EXPECT_EQ(PropiedadesCircularAnguloCentral(0.25, 1.0).espejo, std::sqrt(3.0) / 2.0);
}

TEST(PropiedadesCircularAnguloCentral, RatioFormOfOneIsNotFinite)
{
    EXPECT_FALSE(Finitos(PropiedadesCircularAnguloCentral(1.0)));
    EXPECT_FALSE(Finitos(PropiedadesCircularAnguloCentral(-0.2)));
}

} // namespace

} // namespace
