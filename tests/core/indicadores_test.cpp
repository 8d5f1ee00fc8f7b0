// Flow indicators and Manning's equation against values worked by hand.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "hydraulics/indicadores.h"
#include "hydraulics/manning.h"

using namespace quelmora;

namespace {

namespace {

struct FilaTipoFlujo {
    std::string nombre;
    double froude;
    TipoFlujo tipo;
};

class RegimenFlujo : public ::testing::TestWithParam<FilaTipoFlujo> { };

TEST_P(RegimenFlujo, NamesTheRegimeByExactComparisonWithOne)
{
    EXPECT_EQ(ClasificarTipoFlujo(GetParam().froude), GetParam().tipo);
}

INSTANTIATE_TEST_SUITE_P(ClasificarTipoFlujo, RegimenFlujo,
    ::testing::Values(FilaTipoFlujo { "lento", 0.3, TipoFlujo::Subcritico },
        // A hair below 1 is subcritical although a mask shows it as 1.0000.
        FilaTipoFlujo { "apenas_bajo_uno", std::nextafter(1.0, 0.0), TipoFlujo::Subcritico },
        FilaTipoFlujo { "uno_exacto", 1.0, TipoFlujo::Critico },
        FilaTipoFlujo { "apenas_sobre_uno", std::nextafter(1.0, 2.0), TipoFlujo::Supercritico },
        FilaTipoFlujo { "rapido", 2.7, TipoFlujo::Supercritico },
        FilaTipoFlujo { "negativo", -0.5, TipoFlujo::Subcritico },
        FilaTipoFlujo {
            "sin_valor", std::numeric_limits<double>::quiet_NaN(), TipoFlujo::Ninguno }),
    [](const auto& info) { return info.param.nombre; });

struct FilaErosion {
    std::string nombre;
    double velocidad, rugosidad;
    bool erosiva;
};

class Erosion : public ::testing::TestWithParam<FilaErosion> { };

TEST_P(Erosion, BothComparisonsAreStrict)
{
    EXPECT_EQ(EsVelocidadErosiva(GetParam().velocidad, GetParam().rugosidad), GetParam().erosiva);
}

INSTANTIATE_TEST_SUITE_P(EsVelocidadErosiva, Erosion,
    ::testing::Values(FilaErosion { "velocidad_limite", 0.9, 0.03, false },
        FilaErosion { "rugosidad_limite", 0.95, 0.024, false },
        FilaErosion { "rugosidad_apenas_mayor", 0.95, std::nextafter(0.024, 1.0), true },
        FilaErosion { "velocidad_apenas_mayor", std::nextafter(0.9, 1.0), 0.025, true },
        FilaErosion { "revestido_rapido", 5.0, 0.014, false },
        FilaErosion { "tierra_lento", 0.5, 0.035, false }),
    [](const auto& info) { return info.param.nombre; });

TEST(NumeroFroude, UsesNineEightyOneAndTheHydraulicDepth)
{
    // v = 3.132, A = 2, T = 2: D = 1, F = 3.132/√9.81.
    EXPECT_NEAR(NumeroFroude(3.132, 2.0, 2.0), 3.132 / 3.1320919526731652, 1e-15);
    EXPECT_NEAR(NumeroFroudeConProfundidad(3.132, 1.0), 3.132 / 3.1320919526731652, 1e-15);
    // A negative area under the root is no number.
    EXPECT_TRUE(std::isnan(NumeroFroude(1.0, -1.0, 2.0)));
}

TEST(EnergiaEspecifica, AddsTheVelocityHeadWithNineteenSixtyTwo)
{
    // v² = 19.62·0.25 gives a velocity head of 0.25.
    EXPECT_NEAR(EnergiaEspecifica(1.5, std::sqrt(19.62 * 0.25)), 1.75, 1e-15);
    EXPECT_DOUBLE_EQ(EnergiaEspecifica(0.7, 0.0), 0.7);
    EXPECT_NEAR(EnergiaEspecifica(0.7, -1.0), 0.7 + 1.0 / 19.62, 1e-15);
}

// Manning with R^(2/3) = 0.25 (R = 0.125) and √S = 0.01 (S = 0.0001): A = 2 and
// n = 0.01 give Q = 2·0.25·0.01/0.01 = 0.5.
TEST(CaudalManning, HandWorkedDischarge)
{
    EXPECT_NEAR(CaudalManning(2.0, 0.125, 0.0001, 0.01), 0.5, 1e-15);
    // A negative radius raised to 2/3 has no real value.
    EXPECT_TRUE(std::isnan(CaudalManning(2.0, -0.125, 0.0001, 0.01)));
    EXPECT_TRUE(std::isnan(CaudalManning(2.0, 0.125, -0.0001, 0.01)));
}

TEST(PendienteManning, HandWorkedSlope)
{
    EXPECT_NEAR(PendienteManning(0.5, 0.01, 2.0, 0.125), 0.0001, 1e-18);
    // Twice the discharge needs four times the slope.
    EXPECT_NEAR(PendienteManning(1.0, 0.01, 2.0, 0.125), 0.0004, 1e-18);
}

TEST(RugosidadManning, HandWorkedRoughness)
{
    EXPECT_NEAR(RugosidadManning(0.5, 0.0001, 2.0, 0.125), 0.01, 1e-16);
    EXPECT_TRUE(std::isnan(RugosidadManning(0.5, -0.0001, 2.0, 0.125)));
}

struct FilaResiduo {
    std::string nombre;
    FormaResiduoManning forma;
};

class Residuo : public ::testing::TestWithParam<FilaResiduo> { };

TEST_P(Residuo, ZeroAtTheDischargeTheSectionCarries)
{
    // A = 2, P = 16 (R = 0.125), S = 0.0001, n = 0.01 carry 0.5 m³/s.
    const auto forma = GetParam().forma;
    EXPECT_NEAR(ResiduoManning(0.5, 2.0, 16.0, 0.0001, 0.01, forma), 0.0, 1e-15);
    EXPECT_NEAR(ResiduoManning(0.8, 2.0, 16.0, 0.0001, 0.01, forma), 0.3, 1e-15);
    // A larger area at the same perimeter carries more: the residual falls.
    EXPECT_LT(ResiduoManning(0.5, 2.5, 16.0, 0.0001, 0.01, forma), 0.0);
    EXPECT_TRUE(std::isnan(ResiduoManning(0.5, -2.0, 16.0, 0.0001, 0.01, forma)));
}

INSTANTIATE_TEST_SUITE_P(ResiduoManning, Residuo,
    ::testing::Values(FilaResiduo { "general", FormaResiduoManning::General },
        FilaResiduo { "por_radio", FormaResiduoManning::PorRadio }),
    [](const auto& info) { return info.param.nombre; });

} // namespace

} // namespace
