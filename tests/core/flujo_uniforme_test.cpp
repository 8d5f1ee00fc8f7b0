// Normal-depth and section-design calculations against roots found by bisection
// and Manning's discharge recomputed from the section by hand.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "uniform_flow/core/flujo_uniforme.h"

using namespace quelmora;

namespace {

namespace {

double Biseccion(const std::function<double(double)>& caudalMenos, double bajo, double alto)
{
    while (alto - bajo > 1e-13) {
        const double medio = (bajo + alto) / 2.0;
        (caudalMenos(medio) > 0.0 ? bajo : alto) = medio;
    }
    return (bajo + alto) / 2.0;
}

double Manning(double a, double p, double n, double s)
{
    return a * std::pow(a / p, 2.0 / 3.0) * std::sqrt(s) / n;
}

struct FilaTrapecio {
    std::string nombre;
    double q, b, z, n, s;
};

class TiranteTrapecial : public ::testing::TestWithParam<FilaTrapecio> { };

TEST_P(TiranteTrapecial, DepthCarriesTheDischargeAndIndicatorsFollow)
{
    const FilaTrapecio& f = GetParam();
    const auto seccion = [&](double y) {
        const double a = (f.b + f.z * y) * y;
        const double p = f.b + 2.0 * y * std::sqrt(1.0 + f.z * f.z);
        return std::pair { a, p };
    };
    const double y = Biseccion(
        [&](double y) {
            auto [a, p] = seccion(y);
            return f.q - Manning(a, p, f.n, f.s);
        },
        1e-9, 100.0);
    const ResultadoFlujoUniforme r = CalcularTiranteTrapecial(f.q, f.b, f.z, f.n, f.s);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_NEAR(r.tirante, y, 1e-6);
    auto [a, p] = seccion(r.tirante);
    const double t = f.b + 2.0 * f.z * r.tirante;
    EXPECT_NEAR(r.area, a, 1e-12);
    EXPECT_NEAR(r.perimetro, p, 1e-12);
    EXPECT_NEAR(r.espejo, t, 1e-12);
    EXPECT_NEAR(r.radio, a / p, 1e-12);
    EXPECT_NEAR(r.velocidad, f.q / a, 1e-9);
    EXPECT_NEAR(r.froude, f.q / a / std::sqrt(9.81 * a / t), 1e-9);
    EXPECT_NEAR(r.energia, r.tirante + (f.q / a) * (f.q / a) / (2.0 * 9.81), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(CalcularTiranteTrapecial, TiranteTrapecial,
    ::testing::Values(FilaTrapecio { "trapecio", 1.0, 1.0, 1.0, 0.015, 0.001 },
        FilaTrapecio { "rectangulo", 2.0, 1.5, 0.0, 0.014, 0.0008 },
        FilaTrapecio { "triangulo", 0.4, 0.0, 1.5, 0.03, 0.002 },
        FilaTrapecio { "talud_negativo", 1.0, 4.0, -0.5, 0.015, 0.001 }),
    [](const auto& info) { return info.param.nombre; });

TEST(CalcularTiranteTrapecial, NegativeSlopeHasNoDepth)
{
    EXPECT_EQ(CalcularTiranteTrapecial(1.0, 1.0, 1.0, 0.015, -0.001).fallo,
        FalloCalculo::CalculoImposible);
}

TEST(CalcularTiranteTrapecial, NegativeDischargeOrRoughnessDrivesTheDepthBelowZero)
{
    EXPECT_EQ(CalcularTiranteTrapecial(-1.0, 1.0, 1.0, 0.015, 0.001).fallo,
        FalloCalculo::CalculoImposible);
    EXPECT_EQ(CalcularTiranteTrapecial(1.0, 1.0, 1.0, -0.015, 0.001).fallo,
        FalloCalculo::CalculoImposible);
}

TEST(CalcularTiranteParabolico, DepthCarriesTheDischargeWithTheExactArc)
{
    // T = 2, n = 0.015, S = 0.001, Q = 1.5: the depth lands above T/4.
    const double t = 2.0, n = 0.015, s = 0.001, q = 1.5;
    const auto perimetro = [&](double y) {
        if (y / t <= 0.25)
            return t + 8.0 * y * y / (3.0 * t);
        const double x = 4.0 * y / t;
        return t / 2.0 * (std::sqrt(1.0 + x * x) + std::asinh(x) / x);
    };
    const double y = Biseccion(
        [&](double y) { return q - Manning(2.0 * t * y / 3.0, perimetro(y), n, s); }, 1e-9, 50.0);
    const ResultadoFlujoUniforme r = CalcularTiranteParabolico(q, t, n, s);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_GT(y / t, 0.25);
    EXPECT_NEAR(r.tirante, y, 1e-6);
    EXPECT_NEAR(r.foco, t * t / (8.0 * r.tirante), 1e-12);
    EXPECT_NEAR(r.froude, q / r.area / std::sqrt(9.81 * 2.0 * r.tirante / 3.0), 1e-9);
}

TEST(CalcularTiranteParabolico, DischargeInsideThePerimeterDropDoesNotConverge)
{
    // T 4, n 0.015, S 0.001, Q 3.89: the discharge falls inside the jump at
    // y/T = 0.25, where no depth carries it; the iteration alternates for ever.
    EXPECT_EQ(CalcularTiranteParabolico(3.89, 4.0, 0.015, 0.001).fallo, FalloCalculo::NoConverge);
}

TEST(CalcularTiranteCircular, DepthCarriesTheDischarge)
{
    const double d = 1.2, n = 0.013, s = 0.002, q = 0.9;
    const double y = Biseccion(
        [&](double y) {
            const double mitad = std::acos(1.0 - 2.0 * y / d);
            const double a = d * d / 8.0 * (2.0 * mitad - std::sin(2.0 * mitad));
            return q - Manning(a, mitad * d, n, s);
        },
        1e-9, 0.9 * d);
    const ResultadoFlujoUniforme r = CalcularTiranteCircular(q, d, n, s);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_NEAR(r.tirante, y, 1e-6);
    EXPECT_NEAR(r.espejo, 2.0 * std::sqrt(r.tirante * (d - r.tirante)), 1e-7);
}

TEST(CalcularTiranteCircular, DischargeTooLargeForThePipeStopsAboveTheDiameter)
{
    EXPECT_EQ(
        CalcularTiranteCircular(10.0, 0.5, 0.013, 0.001).fallo, FalloCalculo::TiranteMayorDiametro);
}

struct FilaDiseno {
    std::string nombre;
    double q, z, n, s;
    double relacion; // m = b/y by the criterion, worked by hand for each Z
    bool maximaEficiencia;
};

class Diseno : public ::testing::TestWithParam<FilaDiseno> { };

TEST_P(Diseno, SectionCarriesTheDischargeWithTheCriterionsRatio)
{
    const FilaDiseno& f = GetParam();
    const ResultadoFlujoUniforme r = f.maximaEficiencia
        ? CalcularMaximaEficiencia(f.q, f.z, f.n, f.s)
        : CalcularMinimaInfiltracion(f.q, f.z, f.n, f.s);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    const double y = r.tirante;
    EXPECT_NEAR(r.ancho, f.relacion * y, 1e-12);
    const double a = (r.ancho + f.z * y) * y;
    const double p = r.ancho + 2.0 * y * std::sqrt(1.0 + f.z * f.z);
    EXPECT_NEAR(r.area, a, 1e-12);
    EXPECT_NEAR(r.perimetro, p, 1e-12);
    EXPECT_NEAR(r.espejo, r.ancho + 2.0 * f.z * y, 1e-12);
    EXPECT_NEAR(Manning(a, p, f.n, f.s), f.q, 1e-10 * std::abs(f.q));
    if (f.maximaEficiencia) {
        EXPECT_NEAR(r.radio, y / 2.0, 1e-12);
    }
}

INSTANTIATE_TEST_SUITE_P(Disenos, Diseno,
    ::testing::Values(
        // Z = 1: m = 2·(√2 − 1) and 4·(√2 − 1).
        FilaDiseno {
            "eficiencia_talud_uno", 2.0, 1.0, 0.015, 0.001, 2.0 * (std::sqrt(2.0) - 1.0), true },
        FilaDiseno {
            "infiltracion_talud_uno", 2.0, 1.0, 0.015, 0.001, 4.0 * (std::sqrt(2.0) - 1.0), false },
        // Z = 0: the rectangle of b = 2y and b = 4y.
        FilaDiseno { "eficiencia_rectangulo", 0.8, 0.0, 0.014, 0.0005, 2.0, true },
        FilaDiseno { "infiltracion_rectangulo", 0.8, 0.0, 0.014, 0.0005, 4.0, false },
        // Z = 0.75: √(1 + Z²) = 1.25, m = 1 and 2.
        FilaDiseno { "eficiencia_tres_cuartos", 5.0, 0.75, 0.025, 0.002, 1.0, true },
        FilaDiseno { "infiltracion_tres_cuartos", 5.0, 0.75, 0.025, 0.002, 2.0, false },
        // Z = −0.75: √(1 + Z²) = 1.25, m = 4 and 8; the top width is below b.
        FilaDiseno { "eficiencia_talud_negativo", 1.0, -0.75, 0.015, 0.001, 4.0, true }),
    [](const auto& info) { return info.param.nombre; });

TEST(CalcularMaximaEficiencia, NegativeDischargeAndRoughnessGiveTheSameSectionWithNegativeVelocity)
{
    const ResultadoFlujoUniforme positivo = CalcularMaximaEficiencia(2.0, 1.0, 0.015, 0.001);
    const ResultadoFlujoUniforme negativo = CalcularMaximaEficiencia(-2.0, 1.0, -0.015, 0.001);
    ASSERT_EQ(negativo.fallo, FalloCalculo::Ninguno);
    EXPECT_EQ(negativo.tirante, positivo.tirante);
    EXPECT_EQ(negativo.ancho, positivo.ancho);
    EXPECT_EQ(negativo.velocidad, -positivo.velocidad);
    EXPECT_EQ(negativo.tipoFlujo, TipoFlujo::Subcritico);
    EXPECT_FALSE(negativo.erosiva);
}

TEST(Disenos, NegativeSlopeOrOneNegativeFactorHasNoRealDepth)
{
    for (auto calcular : { CalcularMaximaEficiencia, CalcularMinimaInfiltracion }) {
        EXPECT_EQ(calcular(2.0, 1.0, 0.015, -0.001).fallo, FalloCalculo::CalculoImposible);
        EXPECT_EQ(calcular(-2.0, 1.0, 0.015, 0.001).fallo, FalloCalculo::CalculoImposible);
    }
}

} // namespace

} // namespace
