// Section tools: expected values worked out apart from the code, by bisection on
// Manning's equation (bottom width) and by the closed forms evaluated by hand
// with the program's constants (1.570796 in the central angle).

#include <gtest/gtest.h>

#include <cmath>

#include "section_tools/core/herramientas_seccion.h"

using namespace quelmora;

namespace {

namespace {

struct FilaAncho {
    double q, y, z, n, s;
    double b, a, p, t, v, f, e;
    DibujoTrasAncho dibujo;
    bool erosiva, inadecuado;
    TipoFlujo tipo;
};

class AnchoSolera : public ::testing::TestWithParam<FilaAncho> { };

// Widths by bisection of A^(5/3)·√S/(P^(2/3)·n) = Q over 200 halvings.
INSTANTIATE_TEST_SUITE_P(Bisecciones, AnchoSolera,
    ::testing::Values(
        FilaAncho { 1.5, 0.8, 1, 0.014, 0.001, 0.7123037618924455, 1.2098430095139565,
            2.975045461689398, 2.3123037618924456, 1.2398302822798566, 0.5472498724676303,
            0.8783475600845132, DibujoTrasAncho::Trapecio, false, false, TipoFlujo::Subcritico },
        // The rectangle: T equals b.
        FilaAncho { 2.0, 0.6, 0, 0.014, 0.002, 2.0053165623861195, 1.2031899374316717,
            3.2053165623861197, 2.0053165623861195, 1.6622479442183489, 0.6851500214024286,
            0.7408291655483245, DibujoTrasAncho::Rectangulo, false, false, TipoFlujo::Subcritico },
        FilaAncho { 3, 0.9, 1.5, 0.03, 0.01, 0.399719623952992, 1.574747661557693,
            3.6447157718705823, 3.0997196239529923, 1.9050671248703366, 0.8533584617901153,
            1.0849786315118108, DibujoTrasAncho::Trapecio, true, false, TipoFlujo::Subcritico },
        // The triangle of Z = 1 already carries more than 0.5 m3/s at 1 m.
        FilaAncho { 0.5, 1.0, 1.0, 0.014, 0.001, -0.42540486945934963, 0.5745951305406504,
            2.4030222552868405, 1.5745951305406503, 0.8701779277689632, 0.4599144352027112,
            1.0385937627918598, DibujoTrasAncho::Triangulo, false, true, TipoFlujo::Subcritico }));

TEST_P(AnchoSolera, CarriesTheDischargeAtTheGivenDepth)
{
    const FilaAncho& f = GetParam();
    const ResultadoHerramienta r = CalcularAnchoSolera(f.q, f.y, f.z, f.n, f.s);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_NEAR(r.ancho, f.b, 2e-5);
    EXPECT_NEAR(r.area, f.a, 2e-5);
    EXPECT_NEAR(r.perimetro, f.p, 2e-5);
    EXPECT_NEAR(r.espejo, f.t, 2e-5);
    EXPECT_NEAR(r.velocidad, f.v, 2e-5);
    EXPECT_NEAR(r.froude, f.f, 2e-5);
    EXPECT_NEAR(r.energia, f.e, 2e-5);
    EXPECT_EQ(r.dibujo, f.dibujo);
    EXPECT_EQ(r.erosiva, f.erosiva);
    EXPECT_EQ(r.disenoInadecuado, f.inadecuado);
    EXPECT_EQ(r.tipoFlujo, f.tipo);
}

TEST(AnchoSoleraFallos, ANegativeSlopeHasNoWidth)
{
    EXPECT_EQ(CalcularAnchoSolera(1, 1, 1, 0.014, -0.001).fallo, FalloCalculo::CalculoImposible);
}

struct FilaCerrada {
    double q, y, b, z, dato;
    double buscado, a, p, t, r, v, f, e;
    bool erosiva;
    TipoFlujo tipo;
};

class PendienteTrapecio : public ::testing::TestWithParam<FilaCerrada> { };
class RugosidadTrapecio : public ::testing::TestWithParam<FilaCerrada> { };

// S = (Q·n/(A·R^(2/3)))² with A = (b + Zy)y, P = b + 2y√(1 + Z²), by hand.
INSTANTIATE_TEST_SUITE_P(AMano, PendienteTrapecio,
    ::testing::Values(FilaCerrada { 1.5, 0.8, 1, 1, 0.014, 0.0006329079348546565, 1.44,
                          3.2627416997969525, 2.6, 0.4413466135212648, 1.0416666666666665,
                          0.4468890271729307, 0.8553042530297882, false, TipoFlujo::Subcritico },
        FilaCerrada { 20, 0.5, 1, 0.5, 0.014, 1.0216290611353414, 0.625, 2.118033988749895, 1.5,
            0.2950849718747371, 32.0, 15.827819738543933, 52.69164118246687, false,
            TipoFlujo::Supercritico }));

// n = A·R^(2/3)·√S/Q, by hand; the erosion test takes the computed n.
INSTANTIATE_TEST_SUITE_P(AMano, RugosidadTrapecio,
    ::testing::Values(FilaCerrada { 1.5, 0.8, 1, 1, 0.001, 0.017597775193736672, 1.44,
                          3.2627416997969525, 2.6, 0.4413466135212648, 1.0416666666666665,
                          0.4468890271729307, 0.8553042530297882, false, TipoFlujo::Subcritico },
        FilaCerrada { 3, 0.6, 1.2, 1, 0.02, 0.02637112848221768, 1.08, 2.897056274847714, 2.4,
            0.3727922061357855, 2.777777777777778, 1.322076965673208, 0.9932746882118273, true,
            TipoFlujo::Supercritico }));

void CompararCerrada(const ResultadoHerramienta& r, const FilaCerrada& f, double buscado)
{
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_NEAR(buscado, f.buscado, 1e-12 + 1e-12 * std::fabs(f.buscado));
    EXPECT_NEAR(r.area, f.a, 1e-12);
    EXPECT_NEAR(r.perimetro, f.p, 1e-12);
    EXPECT_NEAR(r.espejo, f.t, 1e-12);
    EXPECT_NEAR(r.radio, f.r, 1e-12);
    EXPECT_NEAR(r.velocidad, f.v, 1e-12);
    EXPECT_NEAR(r.froude, f.f, 1e-12);
    EXPECT_NEAR(r.energia, f.e, 1e-12);
    EXPECT_EQ(r.erosiva, f.erosiva);
    EXPECT_EQ(r.tipoFlujo, f.tipo);
}

TEST_P(PendienteTrapecio, IsManningSolvedForTheSlope)
{
    const FilaCerrada& f = GetParam();
    const ResultadoHerramienta r = CalcularPendienteTrapecio(f.q, f.y, f.b, f.z, f.dato);
    CompararCerrada(r, f, r.pendiente);
}

TEST_P(RugosidadTrapecio, IsManningSolvedForTheRoughness)
{
    const FilaCerrada& f = GetParam();
    const ResultadoHerramienta r = CalcularRugosidadTrapecio(f.q, f.y, f.b, f.z, f.dato);
    CompararCerrada(r, f, r.rugosidad);
}

TEST(TrapecioFallos, SectionWithoutAreaIsRefused)
{
    // b = 0 and Z = 0 let no water through; a negative depth neither.
    EXPECT_EQ(CalcularPendienteTrapecio(1, 1, 0, 0, 0.014).fallo, FalloCalculo::CalculoImposible);
    EXPECT_EQ(CalcularRugosidadTrapecio(1, -1, 1, 0, 0.001).fallo, FalloCalculo::CalculoImposible);
    EXPECT_EQ(CalcularRugosidadTrapecio(1, 1, 1, 1, -0.001).fallo, FalloCalculo::CalculoImposible);
}

struct FilaRelacion {
    double q, yd, n, s;
    double d, y, a, t, p, r, v, e, f;
    TipoFlujo tipo;
};

class RelacionTiranteDiametro : public ::testing::TestWithParam<FilaRelacion> { };

// θ = 2(1.570796 − arctan(x/√(1 − x²))), a = (θ − sin θ)/8, r = (1 − sin θ/θ)/4 and
// d = (Q·n/(a·r^(2/3)·√S))^(3/8), by hand; Manning at the result gives back Q.
INSTANTIATE_TEST_SUITE_P(AMano, RelacionTiranteDiametro,
    ::testing::Values(
        FilaRelacion { 0.5, 0.5, 0.013, 0.001, 1.1093922809885923, 0.5546961404942962,
            0.48331467794303556, 1.109392280988533, 1.742628957407757, 0.2773480125465085,
            1.0345226884645349, 0.6092444174029551, 0.500418196849006, TipoFlujo::Subcritico },
        FilaRelacion { 0.2, 0.75, 0.015, 0.002, 0.5819121882393656, 0.4364341411795242,
            0.21395880023580463, 0.5039508328700227, 1.2187538469055013, 0.17555538452580935,
            0.9347594012472468, 0.48096906157810276, 0.4580304433705539, TipoFlujo::Subcritico },
        FilaRelacion { 0.5, 0.1, 0.013, 0.05, 1.7529129480633843, 0.17529129480633843,
            0.12559743897009118, 1.0517473105635697, 1.128000852853887, 0.1113451631284894,
            3.9809728932376256, 0.9830458909680485, 3.6780703348493917, TipoFlujo::Supercritico }));

TEST_P(RelacionTiranteDiametro, SizesTheConduit)
{
    const FilaRelacion& f = GetParam();
    const ResultadoHerramienta r = CalcularRelacionTiranteDiametro(f.q, f.yd, f.n, f.s);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    for (auto [calculado, esperado] : { std::pair { r.diametro, f.d }, { r.tirante, f.y },
             { r.area, f.a }, { r.espejo, f.t }, { r.perimetro, f.p }, { r.radio, f.r },
             { r.velocidad, f.v }, { r.energia, f.e }, { r.froude, f.f } })
        EXPECT_NEAR(calculado, esperado, 1e-12);
    EXPECT_EQ(r.tipoFlujo, f.tipo);
}

TEST(RelacionTiranteDiametroFallos, RatiosOutsideTheConduitAndNegativeSlopesAreRefused)
{
    for (double yd : { 1.0, 1.5, -0.2 })
        EXPECT_EQ(CalcularRelacionTiranteDiametro(0.5, yd, 0.013, 0.001).fallo,
            FalloCalculo::CalculoImposible)
            << yd;
    EXPECT_EQ(CalcularRelacionTiranteDiametro(0.5, 0.5, 0.013, -0.001).fallo,
        FalloCalculo::CalculoImposible);
    EXPECT_EQ(CalcularRelacionTiranteDiametro(-0.5, 0.5, 0.013, 0.001).fallo,
        FalloCalculo::CalculoImposible);
}

TEST(SeccionCircular, HalfFullSlopeAndRoughnessGiveEachOtherBack)
{
    // Half full: T = d, R = d/4, P = πd/2 (π/2 as 1.570796), by hand.
    const ResultadoHerramienta s = CalcularPendienteCircular(0.3, 0.5, 1.0, 0.013);
    ASSERT_EQ(s.fallo, FalloCalculo::Ninguno);
    EXPECT_NEAR(s.pendiente, 0.0006262627484473379, 1e-15);
    EXPECT_NEAR(s.area, 0.3926989183012759, 1e-12);
    EXPECT_NEAR(s.espejo, 1.0, 1e-12);
    EXPECT_NEAR(s.perimetro, 1.570796, 1e-12);
    EXPECT_NEAR(s.radio, 0.24999994798896602, 1e-12);
    EXPECT_NEAR(s.velocidad, 0.7639440447091888, 1e-12);
    EXPECT_NEAR(s.energia, 0.5297456933459039, 1e-12);
    EXPECT_NEAR(s.froude, 0.3892218329551742, 1e-12);
    EXPECT_EQ(s.tipoFlujo, TipoFlujo::Subcritico);
    // The slope as shown, 0.000626, gives the roughness back to four decimals.
    const ResultadoHerramienta n = CalcularRugosidadCircular(0.3, 0.5, 1.0, 0.000626);
    ASSERT_EQ(n.fallo, FalloCalculo::Ninguno);
    EXPECT_NEAR(n.rugosidad, 0.012997272639825475, 1e-12);
    EXPECT_NEAR(n.area, s.area, 1e-15);
}

TEST(SeccionCircular, DepthsOutsideTheConduitAreRefused)
{
    EXPECT_EQ(
        CalcularPendienteCircular(0.3, -0.1, 1.0, 0.013).fallo, FalloCalculo::CalculoImposible);
    EXPECT_EQ(
        CalcularPendienteCircular(0.3, 1e-20, 1.0, 0.013).fallo, FalloCalculo::CalculoImposible);
    EXPECT_EQ(
        CalcularRugosidadCircular(0.3, 0.5, 1.0, -0.001).fallo, FalloCalculo::CalculoImposible);
    // A negative discharge: the same slope, a negative velocity, subcritical.
    const ResultadoHerramienta r = CalcularPendienteCircular(-0.3, 0.5, 1.0, 0.013);
    ASSERT_EQ(r.fallo, FalloCalculo::Ninguno);
    EXPECT_NEAR(r.pendiente, 0.0006262627484473379, 1e-15);
    EXPECT_LT(r.velocidad, 0);
    EXPECT_EQ(r.tipoFlujo, TipoFlujo::Subcritico);
}

} // namespace

} // namespace
