// The parabolic discharge window driven as a user drives it. The expected boxes
// were worked out by hand from A = 2·T·y/3, k = T²/(8y), P = T + 8y²/(3T) while
// 4y/T ≤ 1 and otherwise the parabola's arc length in closed form,
// (T/2)·√(1 + u²) + (T²/(16y))·asinh(u) with u = 4y/T, then
// Q = A·(A/P)^(2/3)·√S/n, v = Q/A, F = v/√(9.81·A/T), E = y + v²/19.62.

#include "conductor.h"

namespace {

namespace {

const QString kNegro = QColor(0, 0, 0).name();
const QString kRojo = QColor(255, 0, 0).name();
const QString kIncompletos = "Complete adecuadamente el ingreso los datos, antes de ejecutar";

struct CasoParabola {
    const char* nombre;
    const char *y, *t, *n, *s;
    const char *q, *a, *r, *f, *tf, *v, *p, *k, *e;
    bool erosiva;
};

void PrintTo(const CasoParabola& c, std::ostream* os) { *os << c.nombre; }

class VentanaQpara : public PruebaVentanas {
protected:
    QWidget* w = nullptr;
    void SetUp() override
    {
        PruebaVentanas::SetUp();
        w = Abrir("qpara");
        ASSERT_NE(w, nullptr);
    }
    void Datos(const char* y, const char* t, const char* n, const char* s)
    {
        Escribir(w, "y", y);
        Escribir(w, "t", t);
        Escribir(w, "n", n);
        Escribir(w, "s", s);
    }
    QStringList Resultados()
    {
        QStringList textos;
        for (const char* caja : { "q", "a", "r", "f", "tf", "v", "p", "k", "e" })
            textos << Leer(w, caja);
        return textos << LeerEtiqueta(w, "mv");
    }
};

class ResultadosQpara : public VentanaQpara, public ::testing::WithParamInterface<CasoParabola> { };

TEST_P(ResultadosQpara, WritesEveryBoxOfTheDischarge)
{
    const CasoParabola& c = GetParam();
    Datos(c.y, c.t, c.n, c.s);
    grabadora.mensajes.clear(); // the warnings of negative data
    Pulsar(w, "bCalcular");
    EXPECT_EQ(Leer(w, "q"), c.q);
    EXPECT_EQ(Leer(w, "a"), c.a);
    EXPECT_EQ(Leer(w, "r"), c.r);
    EXPECT_EQ(Leer(w, "f"), c.f);
    EXPECT_EQ(Leer(w, "tf"), QString::fromUtf8(c.tf));
    EXPECT_EQ(Leer(w, "v"), c.v);
    EXPECT_EQ(Leer(w, "p"), c.p);
    EXPECT_EQ(Leer(w, "k"), c.k);
    EXPECT_EQ(Leer(w, "e"), c.e);
    EXPECT_EQ(ColorDeTexto(w, "v").name(), c.erosiva ? kRojo : kNegro);
    EXPECT_EQ(
        LeerEtiqueta(w, "mv"), c.erosiva ? QString("Cuidado velocidad erosiva") : QString(27, ' '));
    EXPECT_TRUE(grabadora.mensajes.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Datos, ResultadosQpara, ::testing::Values(
    // 4y/T = 0.8: P = 2 + 1.28/6, k = 1.25.
    CasoParabola{"somera", "0.4", "2", "0.015", "0.001",
        "0.4354", "0.5333", "0.2410", "0.5047", "Subcrítico", "0.8164", "2.2133", "1.2500", "0.4340", false},
    // 4y/T = 2: P = √5 + ln(2 + √5)/2, k = 0.5.
    CasoParabola{"honda_erosiva", "1", "2", "0.025", "0.004",
        "1.9830", "1.3333", "0.4508", "0.5816", "Subcrítico", "1.4873", "2.9579", "0.5000", "1.1127", true},
    // 4y/T = 1 exactly takes the approximation, P = 7T/6.
    CasoParabola{"en_el_umbral", "1", "4", "0.015", "0.001",
        "3.8713", "2.6667", "0.5714", "0.5677", "Subcrítico", "1.4517", "4.6667", "2.0000", "1.1074", false},
    // A hair deeper: the arc length, 1.6 % shorter, so the discharge jumps up.
    CasoParabola{"un_pelo_mas_honda", "1.0001", "4", "0.015", "0.001",
        "3.9142", "2.6669", "0.5809", "0.5739", "Subcrítico", "1.4677", "4.5913", "1.9998", "1.1099", false},
    CasoParabola{"supercritico", "0.5", "3", "0.013", "0.02",
        "4.9866", "1.0000", "0.3103", "2.7576", "Supercrítico", "4.9866", "3.2222", "2.2500", "1.7674", false},
    CasoParabola{"rugosidad_negativa", "0.8", "2.5", "-0.03", "0.003",
        "-1.3956", "1.3333", "0.4341", "-0.4576", "Subcrítico", "-1.0467", "3.0716", "0.9766", "0.8558", false}),
    [](const auto& info) { return std::string(info.param.nombre); });
// clang-format on

TEST_F(VentanaQpara, OpensWithItsDrawingAndAnEmptyWarning)
{
    EXPECT_EQ(LeerEtiqueta(w, "mv"), "");
    EXPECT_TRUE(Hallar<QWidget>(w, "Picture1")->isVisible());
}

TEST_F(VentanaQpara, AnyZeroDatumIsRefusedWithoutBeepAndKeepsResults)
{
    Datos("0.4", "2", "0.015", "0.001");
    Pulsar(w, "bCalcular");
    const QStringList antes = Resultados();
    for (const char* caja : { "y", "t", "n", "s" }) {
        const QString texto = Leer(w, caja);
        Escribir(w, caja, "");
        grabadora.mensajes.clear();
        Pulsar(w, "bCalcular");
        ASSERT_EQ(grabadora.mensajes.size(), 1u) << caja;
        EXPECT_EQ(grabadora.mensajes[0].texto, kIncompletos);
        EXPECT_EQ(grabadora.mensajes[0].titulo, "Quelmora");
        EXPECT_EQ(Resultados(), antes) << caja;
        EXPECT_EQ(NombreDelFoco(), "bCalcular"); // the check moves no focus
        Escribir(w, caja, texto);
    }
    EXPECT_EQ(grabadora.pitidos, 0);
}

// Only "&Limpiar Pantalla" and "&Imprimir" light up when tabbed onto; the window
// surface and the buttons' frame give the normal pictures back.
TEST_F(VentanaQpara, ClearAndPrintLightUpOnFocusUntilTheMousePassesOverTheWindow)
{
    Hallar<QWidget>(w, "e")->setFocus(Qt::OtherFocusReason);
    Tecla(Qt::Key_Tab);
    ASSERT_EQ(NombreDelFoco(), "bLimpiar");
    EXPECT_TRUE(Resaltado(w, "bLimpiar"));
    EXPECT_EQ(TextoDeEstado(w), "Limpia la pantalla para realizar nuevos cálculos");
    Tecla(Qt::Key_Tab);
    ASSERT_EQ(NombreDelFoco(), "bImprimir");
    EXPECT_TRUE(Resaltado(w, "bImprimir"));
    EXPECT_EQ(TextoDeEstado(w), "Realiza la impresión de la pantalla");
    Tecla(Qt::Key_Tab);
    ASSERT_EQ(NombreDelFoco(), "bMenuPrincipal");
    EXPECT_FALSE(Resaltado(w, "bMenuPrincipal"));
    Tecla(Qt::Key_Tab);
    ASSERT_EQ(NombreDelFoco(), "bCalculadora");
    EXPECT_FALSE(Resaltado(w, "bCalculadora"));
    EXPECT_TRUE(Resaltado(w, "bImprimir"));
    MoverRaton(w, "", QPoint(10, 10));
    EXPECT_FALSE(Resaltado(w, "bLimpiar"));
    EXPECT_FALSE(Resaltado(w, "bImprimir"));

    Hallar<QWidget>(w, "bImprimir")->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(Resaltado(w, "bImprimir"));
    MoverRaton(w, "Frame5", QPoint(4, 4));
    EXPECT_FALSE(Resaltado(w, "bImprimir"));
    EXPECT_TRUE(grabadora.impresas.empty());
}

TEST_F(VentanaQpara, ClearingEmptiesTheWarning)
{
    Datos("1", "2", "0.025", "0.004");
    Pulsar(w, "bCalcular");
    ASSERT_EQ(LeerEtiqueta(w, "mv"), "Cuidado velocidad erosiva");
    Pulsar(w, "bLimpiar");
    EXPECT_EQ(LeerEtiqueta(w, "mv"), "");
    EXPECT_TRUE(Hallar<QWidget>(w, "Picture1")->isVisible());
}

// Inputs whose parabola has no real discharge: the impossible-calculation
// message, nothing written, the previous results kept.
TEST_F(VentanaQpara, InputsWithoutARealDischargeAreReportedAndWriteNothing)
{
    struct Caso {
        const char *y, *t, *s;
    };
    const Caso casos[] = {
        { "0.4", "2", "-0.001" }, // √S of a negative slope
        { "-0.4", "2", "0.001" }, // negative area, radius under 2/3
        // Every value finite, but area and perimeter negative: no real section.
        { "0.4", "-2", "0.001" },
    };
    Datos("0.4", "2", "0.015", "0.001");
    Pulsar(w, "bCalcular");
    const QStringList antes = Resultados();
    for (const Caso& caso : casos) {
        Datos(caso.y, caso.t, "0.015", caso.s);
        grabadora.mensajes.clear();
        Pulsar(w, "bCalcular");
        ASSERT_EQ(grabadora.mensajes.size(), 1u) << caso.y << " " << caso.t << " " << caso.s;
        EXPECT_EQ(grabadora.ultimoMensaje(),
            "Los datos ingresados no permiten realizar el cálculo, revise los datos");
        EXPECT_EQ(Resultados(), antes);
    }
}

} // namespace

} // namespace
