#include <gtest/gtest.h>

#include "measurement/core/vertederos.h"

using namespace quelmora;

namespace {

namespace {

struct CasoRectangular {
    const char* nota;
    double L, h, n, cd, q;
};

class VertederoRectangular : public ::testing::TestWithParam<CasoRectangular> { };

TEST_P(VertederoRectangular, GivesDischarge)
{
    const auto& c = GetParam();
    const auto r = CalcularVertederoRectangular(c.L, c.h, c.n, c.cd);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno) << c.nota;
    EXPECT_NEAR(r.caudal, c.q, 1e-9) << c.nota;
    EXPECT_NEAR(r.caudalLitros, 1000 * c.q, 1e-6) << c.nota;
}

// Q = Cd·(L − 0.1·n·h)·h^1.5 by hand (h^1.5 as h·√h); the first four are the
// window's worked examples 0.5865, 0.6047, 2.086 and -0.003.
INSTANTIATE_TEST_SUITE_P(Tabla, VertederoRectangular,
    ::testing::Values(
        CasoRectangular { "sharp crest, two contractions", 2, 0.3, 2, 1.84, 0.5865451324 },
        CasoRectangular { "sharp crest, no contraction", 2, 0.3, 0, 1.84, 0.6046857035 },
        CasoRectangular { "Creager profile, one contraction", 3, 0.5, 1, 2, 2.085965005 },
        CasoRectangular {
            "negative effective length, no message", 0.05, 0.3, 2, 1.84, -0.003023428517 },
        CasoRectangular { "broad crest", 1.5, 0.4, 1, 1.45, 0.5355633445 },
        CasoRectangular { "no head, no flow", 2, 0, 2, 1.84, 0 }));

TEST(VertederoRectangular, NegativeHeadHasNoRealPower)
{
    EXPECT_EQ(CalcularVertederoRectangular(2, -0.3, 0, 1.84).fallo, FalloCalculo::CalculoImposible);
}

TEST(VertederoRectangular, OverflowIsRefused)
{
    EXPECT_EQ(
        CalcularVertederoRectangular(1e300, 1e300, 0, 1.84).fallo, FalloCalculo::CalculoImposible);
}

struct CasoTriangular {
    const char* nota;
    double h, cd;
    FalloCalculo estado;
    double q;
};

class VertederoTriangular : public ::testing::TestWithParam<CasoTriangular> { };

TEST_P(VertederoTriangular, ChecksTheMinimumHeadThenGivesDischarge)
{
    const auto& c = GetParam();
    const auto r = CalcularVertederoTriangular(c.h, c.cd);
    ASSERT_EQ(r.fallo, c.estado) << c.nota;
    if (c.estado == FalloCalculo::Ninguno) {
        EXPECT_NEAR(r.caudal, c.q, 1e-10) << c.nota;
        EXPECT_NEAR(r.caudalLitros, 1000 * c.q, 1e-7) << c.nota;
    }
}

// Q = Cd·h^2.5 by hand; minimum heads from the coefficient table.
INSTANTIATE_TEST_SUITE_P(Tabla, VertederoTriangular,
    ::testing::Values(CasoTriangular { "90 degrees at its minimum head passes", 0.14, 1.4,
                          FalloCalculo::Ninguno, 0.01026710787 },
        CasoTriangular {
            "90 degrees below its minimum", 0.13, 1.4, FalloCalculo::CargaMenorQueMinima, 0 },
        CasoTriangular { "untabulated coefficient has no minimum", 0.05, 1.38,
            FalloCalculo::Ninguno, 0.0007714434522 },
        CasoTriangular {
            "45 degrees above its minimum", 0.3, 0.596, FalloCalculo::Ninguno, 0.02937983798 },
        CasoTriangular { "15 degrees at 0.15", 0.15, 0.206, FalloCalculo::Ninguno, 0.001795127781 },
        CasoTriangular { "30 degrees: 0.2 lies below its 0.205", 0.2, 0.392,
            FalloCalculo::CargaMenorQueMinima, 0 },
        CasoTriangular { "negative head with a tabulated coefficient: minimum first", -0.5, 1.4,
            FalloCalculo::CargaMenorQueMinima, 0 },
        CasoTriangular { "negative head, untabulated coefficient", -0.5, 1.5,
            FalloCalculo::CalculoImposible, 0 }));

TEST(CargaMinimaTriangular, IsLookedUpByTheCoefficientValue)
{
    EXPECT_EQ(CargaMinimaTriangular(0.819), 0.17);
    EXPECT_EQ(CargaMinimaTriangular(2.465), 0.12);
    EXPECT_FALSE(CargaMinimaTriangular(0.8190001).has_value());
}

struct CasoTrapezoidal {
    const char* nota;
    double L, h, q;
};

class VertederoTrapezoidal : public ::testing::TestWithParam<CasoTrapezoidal> { };

TEST_P(VertederoTrapezoidal, GivesDischarge)
{
    const auto& c = GetParam();
    const auto r = CalcularVertederoTrapezoidal(c.L, c.h);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno) << c.nota;
    EXPECT_NEAR(r.caudal, c.q, 1e-9) << c.nota;
}

// Q = 1.859·L·h^1.5 by hand; the first is the window's worked example (0.166, 166.274).
INSTANTIATE_TEST_SUITE_P(Tabla, VertederoTrapezoidal,
    ::testing::Values(CasoTrapezoidal { "worked example", 1, 0.2, 0.1662740148 },
        CasoTrapezoidal { "wider crest", 2.5, 0.35, 0.9623243277 },
        CasoTrapezoidal { "zero length", 0, 0.35, 0 }));

TEST(VertederoTrapezoidal, NegativeHeadHasNoRealPower)
{
    EXPECT_EQ(CalcularVertederoTrapezoidal(1, -0.2).fallo, FalloCalculo::CalculoImposible);
}

} // namespace

} // namespace
