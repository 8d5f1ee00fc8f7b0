#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "biseccion.h"
#include "critical_flow/core/calculo_resalto.h"
#include "frame/core/numero_plano.h"
#include "hydraulics/resalto.h"

using namespace quelmora;

namespace {

// The momentum function M = Q²/(9.81·A) + A·ȳ of each section, written here
// from the geometry, and the conjugate depth as the other root of
// M(y2) = M(y), by bisection on the far side of the critical depth (where M is
// least).
namespace {

struct Momento {
    double area, primerMomento, espejo;
};

using Seccion = std::function<Momento(double)>;

double M(const Seccion& s, double q, double y)
{
    const Momento m = s(y);
    return q * q / (9.81 * m.area) + m.primerMomento;
}

double Critico(const Seccion& s, double q, double alto)
{
    return Biseccion(
        [&](double y) {
            const Momento m = s(y);
            return q * q * m.espejo - 9.81 * std::pow(m.area, 3);
        },
        1e-9, alto);
}

double Conjugado(const Seccion& s, double q, double y, double alto)
{
    const double yc = Critico(s, q, alto);
    const double m1 = M(s, q, y);
    auto f = [&](double x) { return M(s, q, x) - m1; };
    return y < yc ? Biseccion(f, yc, alto) : Biseccion(f, 1e-9, yc);
}

Seccion Trapecio(double b, double z)
{
    return [=](double y) {
        return Momento { (b + z * y) * y, b * y * y / 2 + z * y * y * y / 3, b + 2 * z * y };
    };
}

// Parabola through the edges of a surface T wide at depth y0: the width grows as √y.
Seccion Parabola(double t0, double y0)
{
    return [=](double y) {
        const double t = t0 * std::sqrt(y / y0);
        const double a = 2 * t * y / 3;
        return Momento { a, 0.4 * a * y, t };
    };
}

Seccion Circulo(double d)
{
    return [=](double y) {
        const double alfa = std::acos(1 - 2 * y / d);
        const double a = d * d / 8 * (2 * alfa - std::sin(2 * alfa));
        const double centroide = y - d / 2 + std::pow(d * std::sin(alfa), 3) / (12 * a);
        return Momento { a, a * centroide, d * std::sin(alfa) };
    };
}

double Froude(const Momento& m, double q)
{
    return q / m.area / std::sqrt(9.81 * m.area / m.espejo);
}
double Energia(const Momento& m, double q, double y)
{
    const double v = q / m.area;
    return y + v * v / 19.62;
}

} // namespace

// The relations, by hand.
TEST(ClasificarTiranteResalto, FroudeOfExactlyOneIsSubcritical)
{
    const TirantesDiagrama t = ClasificarTiranteResalto(1.0, 0.5, 0.4);
    EXPECT_EQ(t.lado, LadoResalto::Subcritico);
    EXPECT_EQ(t.mayor, 0.5);
    EXPECT_EQ(t.menor, 0.4);
    const TirantesDiagrama s = ClasificarTiranteResalto(1.0000001, 0.5, 0.6);
    EXPECT_EQ(s.lado, LadoResalto::Supercritico);
    EXPECT_EQ(s.menor, 0.5);
    EXPECT_EQ(s.mayor, 0.6);
}

TEST(ResaltoRelaciones, HeightLossAndLength)
{
    EXPECT_DOUBLE_EQ(AlturaResalto(0.3, 1.5), 1.2);
    EXPECT_DOUBLE_EQ(PerdidaEnergiaResalto(2.0, 1.25), 0.75);
    EXPECT_DOUBLE_EQ(PerdidaEnergiaResaltoRectangular(0.5, 1.5), 1.0 / 3.0); // 1/(4·0.75)
    EXPECT_DOUBLE_EQ(LongitudResalto(5, 1.2), 6.0);
}

TEST(ResaltoRelaciones, DrawingRoundsHalfUpAndCuts)
{
    EXPECT_DOUBLE_EQ(RedondearCentesimas(0.125), 0.13);
    EXPECT_DOUBLE_EQ(RedondearCentesimas(0.4196), 0.42);
    EXPECT_DOUBLE_EQ(CortarCentesimas(0.4196), 0.41);
    EXPECT_DOUBLE_EQ(RedondearDecimas(8.65), 8.7);
}

struct PuntoCoeficiente {
    double z, k;
};

class CoeficienteLongitud : public ::testing::TestWithParam<PuntoCoeficiente> { };

// The table's own points, and two values of the polynomial worked by hand.
TEST_P(CoeficienteLongitud, PolynomialThroughTheTable)
{
    EXPECT_NEAR(InterpolarCoeficienteLongitud(GetParam().z), GetParam().k, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Puntos, CoeficienteLongitud,
    ::testing::Values(PuntoCoeficiente { 0, 5 }, PuntoCoeficiente { 0.5, 7.9 },
        PuntoCoeficiente { 0.75, 9.2 }, PuntoCoeficiente { 1, 10.6 },
        PuntoCoeficiente { 1.25, 12.6 }, PuntoCoeficiente { 1.5, 15 },
        PuntoCoeficiente { 2, 11.8 }));

TEST(CoeficienteLongitud, TurnsNegativeBeyondASlopeOfAboutTwoPointTwo)
{
    EXPECT_GT(InterpolarCoeficienteLongitud(2.1), 0);
    EXPECT_LT(InterpolarCoeficienteLongitud(2.5), 0);
    EXPECT_LT(InterpolarCoeficienteLongitud(3), 0);
}

struct CasoTexto {
    double valor;
    const char* texto;
};

class NumeroPlano : public ::testing::TestWithParam<CasoTexto> { };

TEST_P(NumeroPlano, PlainDecimalText)
{
    EXPECT_EQ(EscribirNumeroPlano(GetParam().valor), GetParam().texto);
}

INSTANTIATE_TEST_SUITE_P(Valores, NumeroPlano,
    ::testing::Values(CasoTexto { 0.2, " .2" }, CasoTexto { 1.02, " 1.02" },
        CasoTexto { 1.5, " 1.5" }, CasoTexto { 1, " 1" }, CasoTexto { 8.7, " 8.7" },
        CasoTexto { -2.3, "-2.3" }, CasoTexto { -0.41, "-.41" }, CasoTexto { 0, " 0" },
        CasoTexto { 12, " 12" }, CasoTexto { 0.13, " .13" }));

struct CasoResalto {
    double q, a, b, y; // rectangle: b = a; trapezoid: b, Z; parabola: T; circle: d
    bool supercritico;
};

// Rectangle: y2 against bisection, the loss rounded to four decimals, L = 5·h.
class ResaltoRectangular : public ::testing::TestWithParam<CasoResalto> { };

TEST_P(ResaltoRectangular, ConjugateMeetsTheMomentumBalance)
{
    const auto c = GetParam();
    const Seccion s = Trapecio(c.a, 0);
    const double y2 = Conjugado(s, c.q, c.y, 50);
    const ResultadoResalto r = CalcularResaltoRectangular(c.q, c.a, c.y);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_NEAR(r.conjugado, y2, 1e-9);
    EXPECT_NEAR(r.froude, Froude(s(y2), c.q), 1e-9);
    EXPECT_NEAR(r.altura, std::fabs(y2 - c.y), 1e-9);
    EXPECT_NEAR(r.longitud, 5 * std::fabs(y2 - c.y), 1e-8);
    EXPECT_NEAR(r.perdida, std::fabs(Energia(s(c.y), c.q, c.y) - Energia(s(y2), c.q, y2)), 0.00005);
    EXPECT_EQ(
        r.tirantes.lado, c.supercritico ? LadoResalto::Supercritico : LadoResalto::Subcritico);
}

INSTANTIATE_TEST_SUITE_P(Casos, ResaltoRectangular,
    ::testing::Values(CasoResalto { 2, 1, 1, 0.3, true }, CasoResalto { 2, 1, 1, 1.2, false },
        CasoResalto { 12, 3, 3, 0.4, true }, CasoResalto { 0.5, 0.8, 0.8, 0.9, false }));

TEST(ResaltoRectangular, TheDrawingCutsTheConjugate)
{
    // Q = 2, b = 1, y = 1.2: y2 = 0.4196, drawn as .41 (rounding would give .42).
    const ResultadoResalto r = CalcularResaltoRectangular(2, 1, 1.2);
    EXPECT_EQ(r.tirantes.menor, 0.41);
    EXPECT_EQ(r.tirantes.mayor, 1.2);
    EXPECT_EQ(r.longitudDiagrama, 3.9);
}

TEST(ResaltoRectangular, NegativeDepthIsRefused)
{
    EXPECT_EQ(CalcularResaltoRectangular(2, 1, -0.3).fallo, FalloCalculo::CalculoImposible);
}

class ResaltoTrapecial : public ::testing::TestWithParam<CasoResalto> { };

TEST_P(ResaltoTrapecial, ConjugateMeetsTheMomentumBalance)
{
    const auto c = GetParam();
    const Seccion s = Trapecio(c.a, c.b);
    const double y2 = Conjugado(s, c.q, c.y, 100);
    const ResultadoResalto r = CalcularResaltoTrapecial(c.q, c.a, c.b, c.y);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_NEAR(r.conjugado, y2, 2e-5);
    EXPECT_NEAR(r.relacion, y2 / c.y, 2e-4);
    EXPECT_NEAR(r.froude, Froude(s(y2), c.q), 1e-4);
    EXPECT_NEAR(r.altura, std::fabs(y2 - c.y), 2e-5);
    EXPECT_NEAR(r.perdida, std::fabs(Energia(s(c.y), c.q, c.y) - Energia(s(y2), c.q, y2)), 1e-4);
    EXPECT_EQ(
        r.tirantes.lado, c.supercritico ? LadoResalto::Supercritico : LadoResalto::Subcritico);
}

INSTANTIATE_TEST_SUITE_P(Casos, ResaltoTrapecial,
    ::testing::Values(CasoResalto { 1.5, 1, 1, 0.2, true }, CasoResalto { 1.5, 1, 1, 1, false },
        CasoResalto { 4, 2, 0.5, 0.25, true }, CasoResalto { 4, 2, 1.5, 0.9, false },
        // From J = 6 Newton used to end near J = −11 here.
        CasoResalto { 2, 1, 1, 0.1, true },
        // From J = 0.1 it used to end on a negative root here.
        CasoResalto { 3, 0.5, 1, 1, false },
        // Beyond the length table's reach: the depths are still worked out.
        CasoResalto { 2, 1, 2.5, 0.3, true }));

TEST(ResaltoTrapecial, LengthFromTheSlopeCoefficient)
{
    // Z = 1: K = 10.6.
    const ResultadoResalto r = CalcularResaltoTrapecial(1.5, 1, 1, 0.2);
    EXPECT_NEAR(r.longitud, 10.6 * r.altura, 1e-12);
    EXPECT_EQ(r.tirantes.menor, 0.2);
    EXPECT_EQ(r.tirantes.mayor, 1.02);
    EXPECT_EQ(r.longitudDiagrama, 8.7);
}

// K(2.5) and K(3) of the six-point polynomial are negative: the jump is worked
// out without its length; K(2) = 11.8 is still positive.
TEST(ResaltoTrapecial, NoLengthWhereTheCoefficientIsNotPositive)
{
    for (double z : { 2.5, 3.0 }) {
        const ResultadoResalto r = CalcularResaltoTrapecial(2, 1, z, 0.3);
        ASSERT_EQ(r.fallo, FalloCalculo::Ninguno) << z;
        EXPECT_FALSE(r.conLongitud) << z;
        EXPECT_EQ(r.tirantes.lado, LadoResalto::Supercritico) << z;
    }
    EXPECT_TRUE(CalcularResaltoTrapecial(2, 1, 2, 0.3).conLongitud);
}

// A side slope so negative that the section closes above the water: Newton
// finds no positive depth ratio, and the window has no message of its own.
TEST(ResaltoTrapecial, NoPositiveRatioIsAnImpossibleCalculation)
{
    EXPECT_EQ(
        CalcularResaltoTrapecial(5, 800, -5000, 0.0125).fallo, FalloCalculo::CalculoImposible);
}

class ResaltoParabolico : public ::testing::TestWithParam<CasoResalto> { };

TEST_P(ResaltoParabolico, ConjugateMeetsTheMomentumBalance)
{
    const auto c = GetParam();
    const Seccion s = Parabola(c.a, c.y);
    const double y2 = Conjugado(s, c.q, c.y, 100);
    const ResultadoResalto r = CalcularResaltoParabolico(c.q, c.y, c.a);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_NEAR(r.conjugado, y2, 2e-5);
    EXPECT_NEAR(r.relacion, y2 / c.y, 1e-4);
    EXPECT_NEAR(r.foco, c.a * c.a / (8 * c.y), 1e-12);
    EXPECT_NEAR(r.froude, Froude(s(y2), c.q), 1e-4);
    EXPECT_NEAR(r.altura, std::fabs(y2 - c.y), 2e-5);
    EXPECT_NEAR(r.perdida, std::fabs(Energia(s(c.y), c.q, c.y) - Energia(s(y2), c.q, y2)), 1e-4);
    EXPECT_EQ(
        r.tirantes.lado, c.supercritico ? LadoResalto::Supercritico : LadoResalto::Subcritico);
}

INSTANTIATE_TEST_SUITE_P(Casos, ResaltoParabolico,
    ::testing::Values(CasoResalto { 1, 2, 0, 0.3, true }, CasoResalto { 0.5, 2, 0, 1, false },
        CasoResalto { 1.45, 2, 0, 1, false }, CasoResalto { 3.45, 2, 0, 1, true }));

TEST(ResaltoParabolico, SubcriticalFroudeNearOneIsRefused)
{
    EXPECT_EQ(CalcularResaltoParabolico(1.5, 1, 2).fallo, FalloCalculo::ValoresInadecuados);
    EXPECT_EQ(CalcularResaltoParabolico(3.4, 1, 2).fallo, FalloCalculo::ValoresInadecuados);
}

TEST(ResaltoParabolico, NegativeDepthIsRefused)
{
    EXPECT_EQ(CalcularResaltoParabolico(1, -0.3, 2).fallo, FalloCalculo::CalculoImposible);
}

class ResaltoCircular : public ::testing::TestWithParam<CasoResalto> { };

TEST_P(ResaltoCircular, ConjugateMeetsTheMomentumBalance)
{
    const auto c = GetParam();
    const Seccion s = Circulo(c.a);
    const double y2 = Conjugado(s, std::fabs(c.q), c.y, c.a * 0.9999999);
    const ResultadoResalto r = CalcularResaltoCircular(c.q, c.y, c.a);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_NEAR(r.conjugado, y2, 2e-5);
    EXPECT_NEAR(r.froude, Froude(s(y2), c.q), 2e-4);
    EXPECT_NEAR(r.altura, std::fabs(y2 - c.y), 2e-5);
    EXPECT_NEAR(r.perdida, std::fabs(Energia(s(c.y), c.q, c.y) - Energia(s(y2), c.q, y2)), 2e-4);
    EXPECT_EQ(
        r.tirantes.lado, c.supercritico ? LadoResalto::Supercritico : LadoResalto::Subcritico);
}

INSTANTIATE_TEST_SUITE_P(Casos, ResaltoCircular,
    ::testing::Values(CasoResalto { 0.5, 1, 0, 0.2, true }, CasoResalto { 0.5, 1, 0, 0.7, false },
        CasoResalto { 0.2, 1, 0, 0.3, false },
        // Negative Q: the conjugate of |Q|, F negative.
        CasoResalto { -0.5, 1, 0, 0.2, false }));

TEST(ResaltoCircular, ConjugateAboveTheDiameterHasTwoMessages)
{
    EXPECT_EQ(CalcularResaltoCircular(1, 0.2, 1).fallo, FalloCalculo::ConjugadoMayorDiametro);
    EXPECT_EQ(CalcularResaltoCircular(1, 0.6, 1).fallo, FalloCalculo::TiranteNoAdecuado);
}

TEST(ResaltoCircular, DepthsWithoutACircleAreRefused)
{
    EXPECT_EQ(CalcularResaltoCircular(0.5, 1.2, 1).fallo, FalloCalculo::CalculoImposible);
    EXPECT_EQ(CalcularResaltoCircular(0.5, -0.2, 1).fallo, FalloCalculo::CalculoImposible);
    EXPECT_EQ(CalcularResaltoCircular(0.5, 0.2, -1).fallo, FalloCalculo::CalculoImposible);
    // 0.05·d − 0.001 below 0 for a very small pipe.
    EXPECT_NE(CalcularResaltoCircular(1e-6, 0.012, 0.015).fallo, FalloCalculo::Ninguno);
}

TEST(ResaltoCircular, FullPipeGivenDepthIsSubcritical)
{
    const ResultadoResalto r = CalcularResaltoCircular(0.5, 1, 1);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_EQ(r.tirantes.lado, LadoResalto::Subcritico);
    EXPECT_LT(r.conjugado, 0.5);
}

// Given sections without area, width or a depth that can be raised to its power
// have no velocity and no jump: each is refused with nothing computed.
struct CasoSinSeccion {
    const char* nombre;
    std::function<ResultadoResalto()> calcular;
};

class ResaltoSinSeccion : public ::testing::TestWithParam<CasoSinSeccion> { };

TEST_P(ResaltoSinSeccion, IsAnImpossibleCalculation)
{
    EXPECT_EQ(GetParam().calcular().fallo, FalloCalculo::CalculoImposible);
}

INSTANTIATE_TEST_SUITE_P(Casos, ResaltoSinSeccion,
    ::testing::Values(
        // b = 0: A = 0 and q = Q/b have no value.
        CasoSinSeccion {
            "rectangulo_sin_ancho", [] { return CalcularResaltoRectangular(2, 0, 0.5); } },
        CasoSinSeccion {
            "rectangulo_sin_tirante", [] { return CalcularResaltoRectangular(2, 1, 0); } },
        // Z = 0: the ratio t = b/(Z·y) of the trapezoid's equation has no value.
        CasoSinSeccion {
            "trapecio_sin_talud", [] { return CalcularResaltoTrapecial(2, 2, 0, 0.5); } },
        // b = −1, Z = 1, y = 1: A = (−1 + 1)·1 = 0.
        CasoSinSeccion {
            "trapecio_sin_area", [] { return CalcularResaltoTrapecial(2, -1, 1, 1); } },
        // T = 0: A = 2·T·y/3 = 0.
        CasoSinSeccion {
            "parabola_sin_espejo", [] { return CalcularResaltoParabolico(2, 0.5, 0); } },
        // y = 1e-70: y⁵ = 1e-350 is below the smallest double.
        CasoSinSeccion {
            "circulo_tirante_minimo", [] { return CalcularResaltoCircular(0.5, 1e-70, 1); } },
        // d = 1e-170: d² = 1e-340 is below the smallest double.
        CasoSinSeccion { "circulo_diametro_minimo",
            [] { return CalcularResaltoCircular(0.5, 0.5e-170, 1e-170); } }),
    [](const ::testing::TestParamInfo<CasoSinSeccion>& i) { return std::string(i.param.nombre); });

} // namespace
