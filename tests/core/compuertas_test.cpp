#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "measurement/core/compuertas.h"

using namespace quelmora;

namespace {

namespace {

struct CasoCompuerta {
    const char* nota;
    double b, y1, a, cc;
    double cv, cd, q;
};

class CompuertaLibre : public ::testing::TestWithParam<CasoCompuerta> { };

TEST_P(CompuertaLibre, GivesVelocityAndDischargeCoefficientsAndDischarge)
{
    const auto& c = GetParam();
    const auto r = CalcularCompuerta(c.b, c.y1, c.a, c.cc);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno) << c.nota;
    EXPECT_NEAR(r.coeficienteVelocidad, c.cv, 1e-9) << c.nota;
    EXPECT_NEAR(r.coeficienteDescarga, c.cd, 1e-9) << c.nota;
    EXPECT_NEAR(r.caudal, c.q, 1e-9) << c.nota;
    EXPECT_NEAR(r.caudalLitros, 1000 * c.q, 1e-6) << c.nota;
}

// Expected values worked by hand from Cv = 0.96 + 0.079a/y1, Cd = Cv·Cc/√(1 + Cc·a/y1),
// Q = Cd·b·a·√(19.62·y1), carried to ten digits on a pocket calculator.
INSTANTIATE_TEST_SUITE_P(Tabla, CompuertaLibre,
    ::testing::Values(CasoCompuerta { "worked example b 2, y1 1.5, a 0.3", 2, 1.5, 0.3, 0.62,
                          0.9758, 0.5706493773, 1.857444 },
        CasoCompuerta {
            "closed gate: a 0 gives Cd 0.96·Cc and no flow", 1, 2, 0, 0.62, 0.96, 0.5952, 0 },
        CasoCompuerta { "wide opening, Cc above the usual", 3, 0.8, 0.5, 0.7, 1.009375,
            0.5893138627, 3.502131195 },
        CasoCompuerta { "negative opening taken as it reads", 1.2, 1, -0.5, 0.62, 0.9205,
            0.6870541021, -1.825961805 },
        CasoCompuerta { "zero width gives no flow", 0, 1.5, 0.3, 0.62, 0.9758, 0.5706493773, 0 },
        CasoCompuerta { "empty Cc reads 0: Cd and Q are 0", 2, 1.5, 0.3, 0, 0.9758, 0, 0 }));

struct CasoFueraDeDominio {
    const char* nota;
    double b, y1, a, cc;
};

class CompuertaSinValorReal : public ::testing::TestWithParam<CasoFueraDeDominio> { };

TEST_P(CompuertaSinValorReal, IsRefusedInsteadOfWritingNan)
{
    const auto& c = GetParam();
    EXPECT_EQ(CalcularCompuerta(c.b, c.y1, c.a, c.cc).fallo, FalloCalculo::CalculoImposible)
        << c.nota;
}

INSTANTIATE_TEST_SUITE_P(Tabla, CompuertaSinValorReal,
    ::testing::Values(CasoFueraDeDominio { "y1 of 0 divides by zero", 2, 0, 0.3, 0.62 },
        CasoFueraDeDominio { "negative y1: root of a negative", 2, -1.5, 0.3, 0.62 },
        CasoFueraDeDominio { "1 + Cc·a/y1 = 0 divides by zero", 2, 1, -1, 1 },
        CasoFueraDeDominio { "1 + Cc·a/y1 < 0: root of a negative", 2, 1, -3, 0.62 },
        CasoFueraDeDominio { "overflow", 1e300, 1e300, 1e300, 0.62 },
        CasoFueraDeDominio {
            "infinite width", std::numeric_limits<double>::infinity(), 1.5, 0.3, 0.62 }));

struct CasoOrificio {
    const char* nota;
    double area, h, cd, q;
};

class Orificio : public ::testing::TestWithParam<CasoOrificio> { };

TEST_P(Orificio, GivesDischarge)
{
    const auto& c = GetParam();
    const auto r = CalcularOrificio(c.area, c.h, c.cd);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno) << c.nota;
    EXPECT_NEAR(r.caudal, c.q, 1e-9) << c.nota;
    EXPECT_NEAR(r.caudalLitros, 1000 * c.q, 1e-6) << c.nota;
}

// Q = Cd·A·√(19.62·h) by hand; the first three are the window's worked examples
// (0.188 / 187.926, 0.257 / 256.832, 0.304 / 303.813).
INSTANTIATE_TEST_SUITE_P(Tabla, Orificio,
    ::testing::Values(CasoOrificio { "thin wall", 0.05, 2, 0.60, 0.1879255172 },
        CasoOrificio { "tube outlet", 0.05, 2, 0.82, 0.2568315401 },
        CasoOrificio { "bell mouth", 0.05, 2, 0.97, 0.3038129194 },
        CasoOrificio { "typed coefficient", 0.1, 3.5, 0.7, 0.5800715473 },
        CasoOrificio { "no head, no flow", 0.2, 0, 0.6, 0 }));

TEST(Orificio, NegativeHeadIsRefused)
{
    EXPECT_EQ(CalcularOrificio(0.05, -2, 0.6).fallo, FalloCalculo::CalculoImposible);
}

TEST(Orificio, OverflowIsRefused)
{
    EXPECT_EQ(CalcularOrificio(1e300, 1e300, 1e300).fallo, FalloCalculo::CalculoImposible);
}

} // namespace

} // namespace
