// The circular discharge window driven as a user drives it. The expected boxes
// were worked out by hand from the central angle θ = 2·arccos(1 − 2y/d):
// A = (θ − sin θ)·d²/8, P = θ·d/2, T = 2·√(y·(d − y)), D = A/T, and for the full
// pipe A = π·d²/4, P = π·d, T = 0, D = A/0.001; then Q = A·(A/P)^(2/3)·√S/n,
// v = Q/A, F = v/√(9.81·D), E = y + v²/19.62. The window's 1.570796 for π/2
// changes none of these to four decimals.

#include "conductor.h"

namespace {

namespace {

const QString kIncompletos = "Complete adecuadamente el ingreso los datos, antes de ejecutar";
const QString kTiranteMayor
    = "El tirante no puede ser mayor que el diámetro. Ingresar valores adecuados";

struct CasoCirculo {
    const char* nombre;
    const char *y, *d, *n, *s;
    const char *q, *a, *r, *f, *tf, *v, *p, *t, *e;
};

void PrintTo(const CasoCirculo& c, std::ostream* os) { *os << c.nombre; }

class VentanaQcir : public PruebaVentanas {
protected:
    QWidget* w = nullptr;
    void SetUp() override
    {
        PruebaVentanas::SetUp();
        w = Abrir("qcir");
        ASSERT_NE(w, nullptr);
    }
    void Datos(const char* y, const char* d, const char* n, const char* s)
    {
        Escribir(w, "y", y);
        Escribir(w, "d", d);
        Escribir(w, "n", n);
        Escribir(w, "s", s);
    }
    QStringList Resultados()
    {
        QStringList textos;
        for (const char* caja : { "q", "a", "r", "f", "tf", "v", "p", "t", "e" })
            textos << Leer(w, caja);
        return textos;
    }
};

class ResultadosQcir : public VentanaQcir, public ::testing::WithParamInterface<CasoCirculo> { };

TEST_P(ResultadosQcir, WritesEveryBoxOfTheDischarge)
{
    const CasoCirculo& c = GetParam();
    Datos(c.y, c.d, c.n, c.s);
    grabadora.mensajes.clear(); // the warnings of negative data
    Pulsar(w, "bCalcular");
    EXPECT_EQ(Leer(w, "q"), c.q);
    EXPECT_EQ(Leer(w, "a"), c.a);
    EXPECT_EQ(Leer(w, "r"), c.r);
    EXPECT_EQ(Leer(w, "f"), c.f);
    EXPECT_EQ(Leer(w, "tf"), QString::fromUtf8(c.tf));
    EXPECT_EQ(Leer(w, "v"), c.v);
    EXPECT_EQ(Leer(w, "p"), c.p);
    EXPECT_EQ(Leer(w, "t"), c.t);
    EXPECT_EQ(Leer(w, "e"), c.e);
    // No erosion rule: the velocity keeps the box's own colour.
    EXPECT_EQ(ColorDeTexto(w, "v"), ColorDeTexto(w, "a"));
    EXPECT_TRUE(grabadora.mensajes.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Datos, ResultadosQcir, ::testing::Values(
    // θ = 2π/3, T = √3/2.
    CasoCirculo{"cuarto", "0.25", "1", "0.013", "0.001",
        "0.1039", "0.1535", "0.1466", "0.5129", "Subcrítico", "0.6764", "1.0472", "0.8660", "0.2733"},
    // A = π/8, P = π/2, R = 1/4, T = d.
    CasoCirculo{"medio_lleno", "0.5", "1", "0.013", "0.001",
        "0.3791", "0.3927", "0.2500", "0.4918", "Subcrítico", "0.9653", "1.5708", "1.0000", "0.5475"},
    // Twice the half-full discharge at the same velocity; 0.001 for the top width.
    CasoCirculo{"lleno", "1", "1", "0.013", "0.001",
        "0.7582", "0.7854", "0.2500", "0.0110", "Subcrítico", "0.9653", "3.1416", "0.0000", "1.0475"},
    CasoCirculo{"casi_lleno", "0.999", "1", "0.013", "0.001",
        "0.7685", "0.7854", "0.2551", "0.0886", "Subcrítico", "0.9785", "3.0783", "0.0632", "1.0478"},
    CasoCirculo{"sobre_el_centro", "0.8", "1.2", "0.015", "0.002",
        "1.1845", "0.8010", "0.3493", "0.5612", "Subcrítico", "1.4789", "2.2928", "1.1314", "0.9115"},
    // Steep and smooth: every whole digit of a velocity above ten is written.
    CasoCirculo{"supercritico", "1.5", "2", "0.009", "0.1",
        "63.4099", "2.5274", "0.6034", "6.6312", "Supercrítico", "25.0889", "4.1888", "1.7321", "33.5823"},
    CasoCirculo{"rugosidad_negativa", "0.5", "1", "-0.013", "0.001",
        "-0.3791", "0.3927", "0.2500", "-0.4918", "Subcrítico", "-0.9653", "1.5708", "1.0000", "0.5475"}),
    [](const auto& info) { return std::string(info.param.nombre); });
// clang-format on

TEST_F(VentanaQcir, OpensWithItsDrawingAndNoWarningLabel)
{
    EXPECT_TRUE(Hallar<QWidget>(w, "Picture1")->isVisible());
    EXPECT_EQ(w->findChild<QLabel*>("mv"), nullptr);
}

TEST_F(VentanaQcir, AnyZeroDatumIsRefusedWithoutBeepAndSendsTheFocusToTheDepth)
{
    Datos("0.5", "1", "0.013", "0.001");
    Pulsar(w, "bCalcular");
    const QStringList antes = Resultados();
    for (const char* caja : { "y", "d", "n", "s" }) {
        const QString texto = Leer(w, caja);
        Escribir(w, caja, "");
        Hallar<QWidget>(w, "s")->setFocus();
        grabadora.mensajes.clear();
        Pulsar(w, "bCalcular");
        ASSERT_EQ(grabadora.mensajes.size(), 1u) << caja;
        EXPECT_EQ(grabadora.mensajes[0].texto, kIncompletos);
        EXPECT_EQ(NombreDelFoco(), "y") << caja;
        EXPECT_EQ(Resultados(), antes) << caja;
        Escribir(w, caja, texto);
    }
    EXPECT_EQ(grabadora.pitidos, 0);
}

TEST_F(VentanaQcir, DepthAboveTheDiameterBeepsEmptiesTheDiameterAndFocusesIt)
{
    Datos("0.5", "1", "0.013", "0.001");
    Pulsar(w, "bCalcular");
    const QStringList antes = Resultados();
    Escribir(w, "y", "1.2");
    grabadora.eventos.clear();
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.eventos.size(), 2u);
    EXPECT_EQ(grabadora.eventos[0].tipo, EventoGrabado::Pitido);
    EXPECT_EQ(grabadora.eventos[1].texto, kTiranteMayor);
    EXPECT_EQ(grabadora.mensajes[0].titulo, "Quelmora");
    EXPECT_EQ(Leer(w, "d"), "");
    EXPECT_EQ(NombreDelFoco(), "d");
    EXPECT_EQ(Leer(w, "y"), "1.2");
    EXPECT_EQ(Resultados(), antes);
}

TEST_F(VentanaQcir, EmptyDiameterGivesTheZeroCheckRatherThanTheDepthCheck)
{
    Datos("1", "", "0.013", "0.001");
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, kIncompletos);
    EXPECT_EQ(grabadora.pitidos, 0);
    EXPECT_EQ(NombreDelFoco(), "y");
}

// Data that pass both checks but have no real section: the impossible-calculation
// message, nothing written, the previous results kept.
TEST_F(VentanaQcir, InputsWithoutARealDischargeAreReportedAndWriteNothing)
{
    struct Caso {
        const char *y, *d, *s;
    };
    const Caso casos[] = {
        { "0.5", "1", "-0.001" }, // √S of a negative slope
        { "-0.5", "1", "0.001" }, // the angle of a negative depth
        { "-1", "-1", "0.001" }, // a "full" pipe of negative diameter
        { "-1", "-0.5", "0.001" }, // a depth below a negative diameter
    };
    Datos("0.5", "1", "0.013", "0.001");
    Pulsar(w, "bCalcular");
    const QStringList antes = Resultados();
    for (const Caso& caso : casos) {
        Datos(caso.y, caso.d, "0.013", caso.s);
        grabadora.mensajes.clear();
        grabadora.pitidos = 0;
        Pulsar(w, "bCalcular");
        ASSERT_EQ(grabadora.mensajes.size(), 1u) << caso.y << " " << caso.d << " " << caso.s;
        EXPECT_EQ(grabadora.ultimoMensaje(),
            "Los datos ingresados no permiten realizar el cálculo, revise los datos");
        EXPECT_EQ(grabadora.pitidos, 0);
        EXPECT_EQ(Resultados(), antes);
    }
}

} // namespace

} // namespace
