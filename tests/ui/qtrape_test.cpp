// The trapezoidal discharge window driven as a user drives it. The expected boxes
// were worked out by hand from A = (b + Z·y)·y, P = b + 2·y·√(1 + Z²),
// T = b + 2·Z·y, Q = A·(A/P)^(2/3)·√S/n, v = Q/A, F = v/√(9.81·A/T),
// E = y + v²/19.62, rounded to four decimals.

#include "conductor.h"

namespace {

namespace {

const QString kNegro = QColor(0, 0, 0).name();
const QString kRojo = QColor(255, 0, 0).name();

struct CasoTrapecio {
    const char* nombre;
    const char *y, *b, *z, *n, *s;
    const char *q, *a, *r, *f, *tf, *v, *p, *t, *e;
    bool erosiva;
};

void PrintTo(const CasoTrapecio& c, std::ostream* os) { *os << c.nombre; }

class VentanaQtrape : public PruebaVentanas {
protected:
    QWidget* w = nullptr;
    void SetUp() override
    {
        PruebaVentanas::SetUp();
        w = Abrir("qtrape");
        ASSERT_NE(w, nullptr);
    }
    void Datos(const char* y, const char* b, const char* z, const char* n, const char* s)
    {
        Escribir(w, "y", y);
        Escribir(w, "b", b);
        Escribir(w, "z", z);
        Escribir(w, "n", n);
        Escribir(w, "s", s);
    }
    QString Dibujo()
    {
        QString visible;
        for (const char* nombre : { "trape", "rectan", "trian" })
            if (!Hallar<QWidget>(w, nombre)->isHidden()) {
                EXPECT_TRUE(visible.isEmpty()) << "two drawings visible";
                visible = nombre;
            }
        return visible;
    }
    QStringList Resultados()
    {
        QStringList textos;
        for (const char* caja : { "q", "a", "r", "f", "tf", "v", "p", "t", "e" })
            textos << Leer(w, caja);
        return textos << LeerEtiqueta(w, "mv");
    }
};

class ResultadosQtrape : public VentanaQtrape,
                         public ::testing::WithParamInterface<CasoTrapecio> { };

TEST_P(ResultadosQtrape, WritesEveryBoxOfTheDischarge)
{
    const CasoTrapecio& c = GetParam();
    Datos(c.y, c.b, c.z, c.n, c.s);
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
    EXPECT_EQ(ColorDeTexto(w, "v").name(), c.erosiva ? kRojo : kNegro);
    EXPECT_EQ(
        LeerEtiqueta(w, "mv"), c.erosiva ? QString("Cuidado velocidad erosiva") : QString(27, ' '));
    EXPECT_TRUE(grabadora.mensajes.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Datos, ResultadosQtrape, ::testing::Values(
    // A = 3, P = 2 + 2√2, T = 4.
    CasoTrapecio{"trapecio", "1", "2", "1", "0.015", "0.001",
        "4.6051", "3.0000", "0.6213", "0.5659", "Subcrítico", "1.5350", "4.8284", "4.0000", "1.1201", false},
    // Z = 0: A = b·y, P = b + 2y, T = b.
    CasoTrapecio{"rectangulo", "0.8", "1.5", "0", "0.014", "0.0008",
        "1.2877", "1.2000", "0.3871", "0.3830", "Subcrítico", "1.0731", "3.1000", "1.5000", "0.8587", false},
    // b = 0: A = Z·y², P = 2y·√(1 + Z²), T = 2Zy.
    CasoTrapecio{"triangulo", "0.6", "0", "1.5", "0.03", "0.002",
        "0.3191", "0.5400", "0.2496", "0.3445", "Subcrítico", "0.5910", "2.1633", "1.8000", "0.6178", false},
    // Steep and smooth: supercritical and fast, yet black while n ≤ 0.024.
    CasoTrapecio{"supercritico", "0.5", "1", "1", "0.014", "0.02",
        "3.4751", "0.7500", "0.3107", "2.4158", "Supercrítico", "4.6335", "2.4142", "2.0000", "1.5943", false},
    CasoTrapecio{"erosivo", "0.9", "1.2", "1.5", "0.03", "0.01",
        "4.9234", "2.2950", "0.5163", "0.8929", "Subcrítico", "2.1453", "4.4450", "3.9000", "1.1346", true},
    // n = 0.024 exactly: the erosion test is strict.
    CasoTrapecio{"rugosidad_limite", "0.9", "1.2", "1.5", "0.024", "0.01",
        "6.1543", "2.2950", "0.5163", "1.1161", "Supercrítico", "2.6816", "4.4450", "3.9000", "1.2665", false},
    // Five whole digits of discharge, all written.
    CasoTrapecio{"gran_canal", "10", "60", "2", "0.012", "0.01",
        "25859.0094", "800.0000", "7.6393", "3.6487", "Supercrítico", "32.3238", "104.7214", "100.0000", "63.2531", false},
    // A negative side slope is warned about while typing and calculated as typed.
    CasoTrapecio{"talud_negativo", "1", "4", "-0.5", "0.015", "0.001",
        "5.0205", "3.5000", "0.5613", "0.4240", "Subcrítico", "1.4344", "6.2361", "3.0000", "1.1049", false},
    // A negative roughness turns Q, v and F negative; nothing is undefined.
    CasoTrapecio{"rugosidad_negativa", "1", "2", "1", "-0.015", "0.001",
        "-4.6051", "3.0000", "0.6213", "-0.5659", "Subcrítico", "-1.5350", "4.8284", "4.0000", "1.1201", false}),
    [](const auto& info) { return std::string(info.param.nombre); });
// clang-format on

TEST_F(VentanaQtrape, OpensWithTheTrapezoidInFront)
{
    EXPECT_EQ(LeerEtiqueta(w, "mv"), "");
    for (const char* nombre : { "trape", "rectan", "trian" })
        EXPECT_FALSE(Hallar<QWidget>(w, nombre)->isHidden()) << nombre;
    auto* trape = Hallar<QWidget>(w, "trape");
    EXPECT_EQ(w->childAt(trape->geometry().center()), trape);
    EXPECT_EQ(Hallar<Marco>(w, "Frame2")->titulo(), "Datos:");
    EXPECT_EQ(Hallar<Marco>(w, "Frame3")->titulo(), "Resultados:");
    EXPECT_EQ(Hallar<QAbstractButton>(w, "bMenuPrincipal")->text(), "&Menú Principal");
}

TEST_F(VentanaQtrape, ZeroDepthSlopeOrRoughnessIsRefusedWithoutBeepAndKeepsResults)
{
    Datos("1", "2", "1", "0.015", "0.001");
    Pulsar(w, "bCalcular");
    const QStringList antes = Resultados();
    for (const char* caja : { "y", "n", "s" }) {
        const QString texto = Leer(w, caja);
        Escribir(w, caja, caja == QString("s") ? "abc" : "");
        grabadora.mensajes.clear();
        Pulsar(w, "bCalcular");
        ASSERT_EQ(grabadora.mensajes.size(), 1u) << caja;
        EXPECT_EQ(grabadora.mensajes[0].texto,
            "Complete adecuadamente el ingreso de datos, antes de ejecutar ");
        EXPECT_EQ(Resultados(), antes) << caja;
        EXPECT_EQ(NombreDelFoco(), "bCalcular"); // the check moves no focus
        Escribir(w, caja, texto);
    }
    EXPECT_EQ(grabadora.pitidos, 0);
}

TEST_F(VentanaQtrape, WidthAndSlopeBothZeroBeepThenRefuseKeepingResults)
{
    Datos("1", "2", "1", "0.015", "0.001");
    Pulsar(w, "bCalcular");
    const QStringList antes = Resultados();
    Escribir(w, "b", "0");
    Escribir(w, "z", "");
    grabadora.eventos.clear();
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.eventos.size(), 2u);
    EXPECT_EQ(grabadora.eventos[0].tipo, EventoGrabado::Pitido);
    EXPECT_EQ(grabadora.eventos[1].texto,
        "Los valores de b y Z no pueden ser simultáneamente iguales a cero");
    EXPECT_EQ(Resultados(), antes);
    EXPECT_EQ(NombreDelFoco(), "bCalcular");
}

TEST_F(VentanaQtrape, EmptyWidthOrSlopeIsAcceptedWhileTheOtherIsNot)
{
    Datos("0.8", "1.5", "", "0.014", "0.0008");
    Pulsar(w, "bCalcular");
    EXPECT_EQ(Leer(w, "q"), "1.2877");
    EXPECT_EQ(Leer(w, "t"), "1.5000");
    EXPECT_TRUE(grabadora.mensajes.empty());
}

// Which drawing shows after each edit, in the order typed: b decides by b first,
// Z by Z first, and with both 0 the box edited last wins.
TEST_F(VentanaQtrape, DrawingFollowsTheWidthAndSlopeAsTheyAreEdited)
{
    struct Paso {
        const char* caja;
        const char* texto;
        const char* dibujo;
    };
    const Paso pasos[] = {
        { "b", "0", "trian" },
        { "z", "0", "rectan" },
        { "b", "2", "rectan" },
        { "z", "1", "trape" },
        { "b", "", "trian" },
        { "z", "0", "rectan" },
        { "b", "0", "trian" },
        { "b", "-1", "rectan" },
        { "z", "1", "trape" },
        { "y", "0", "trape" },
    };
    for (const Paso& paso : pasos) {
        Escribir(w, paso.caja, paso.texto);
        EXPECT_EQ(Dibujo(), paso.dibujo) << paso.caja << "=" << paso.texto;
    }
    Pulsar(w, "bCalcular");
    EXPECT_EQ(Dibujo(), "trape");
}

TEST_F(VentanaQtrape, ClearingAfterATriangleShowsTheTrapezoidAndEmptiesTheWarning)
{
    Datos("0.9", "0", "1.5", "0.03", "0.01");
    Pulsar(w, "bCalcular");
    ASSERT_EQ(Dibujo(), "trian");
    ASSERT_EQ(LeerEtiqueta(w, "mv"), "Cuidado velocidad erosiva");
    Pulsar(w, "bLimpiar");
    EXPECT_EQ(Dibujo(), "trape");
    EXPECT_EQ(LeerEtiqueta(w, "mv"), "");
}

TEST_F(VentanaQtrape, ANonErosiveCalculationTurnsTheVelocityBlackAgain)
{
    Datos("0.9", "1.2", "1.5", "0.03", "0.01");
    Pulsar(w, "bCalcular");
    ASSERT_EQ(ColorDeTexto(w, "v").name(), kRojo);
    Escribir(w, "n", "0.024");
    Pulsar(w, "bCalcular");
    EXPECT_EQ(ColorDeTexto(w, "v").name(), kNegro);
    EXPECT_EQ(LeerEtiqueta(w, "mv"), QString(27, ' '));
}

// Inputs whose section has no real discharge: the impossible-calculation message,
// nothing written, the previous results kept.
TEST_F(VentanaQtrape, InputsWithoutARealDischargeAreReportedAndWriteNothing)
{
    struct Caso {
        const char *y, *b, *z, *s;
    };
    const Caso casos[] = {
        { "1", "2", "1", "-0.001" }, // √S of a negative slope
        { "1", "4", "-2", "0.001" }, // top width 0 under the Froude number
        { "1", "4", "-3", "0.001" }, // negative top width
        { "-0.5", "2", "1", "0.001" }, // negative area, radius under 2/3
        // Every value finite, but the area and perimeter negative: no real section.
        { "-0.7", "1", "1", "0.001" },
    };
    Datos("1", "2", "1", "0.015", "0.001");
    Pulsar(w, "bCalcular");
    const QStringList antes = Resultados();
    for (const Caso& caso : casos) {
        Datos(caso.y, caso.b, caso.z, "0.015", caso.s);
        grabadora.mensajes.clear();
        Pulsar(w, "bCalcular");
        ASSERT_EQ(grabadora.mensajes.size(), 1u) << caso.y << " " << caso.z << " " << caso.s;
        EXPECT_EQ(grabadora.ultimoMensaje(),
            "Los datos ingresados no permiten realizar el cálculo, revise los datos");
        EXPECT_EQ(Resultados(), antes);
    }
}

} // namespace

} // namespace
