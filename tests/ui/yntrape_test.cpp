// The trapezoidal normal-depth window driven as a user drives it.

#include <QColor>
#include <QPalette>

#include "conductor.h"
#include "esperado_flujo_uniforme.h"

namespace {

namespace {

struct DatosTrapecio {
    const char* nombre;
    const char *q, *b, *z, *n, *s;
};

class VentanaYntrape : public PruebaVentanas, public ::testing::WithParamInterface<DatosTrapecio> {
protected:
    QWidget* w = nullptr;
    void SetUp() override
    {
        PruebaVentanas::SetUp();
        w = Abrir("yntrape");
    }
    void Datos(const char* q, const char* b, const char* z, const char* n, const char* s)
    {
        Escribir(w, "q", q);
        Escribir(w, "b", b);
        Escribir(w, "z", z);
        Escribir(w, "n", n);
        Escribir(w, "s", s);
    }
    QColor ColorVelocidad() { return Hallar<QLineEdit>(w, "v")->palette().color(QPalette::Text); }
    QString Aviso() { return Hallar<QLabel>(w, "mv")->text(); }
    QString Visible()
    {
        for (const char* nombre : { "trape", "rectan", "trian" })
            if (!Hallar<QWidget>(w, nombre)->isHidden())
                return nombre;
        return {};
    }
};

TEST_P(VentanaYntrape, WritesEveryResultOfTheNormalDepth)
{
    const DatosTrapecio& d = GetParam();
    Datos(d.q, d.b, d.z, d.n, d.s);
    Pulsar(w, "bCalcular");
    const SeccionEsperada x = TirantePorTrapecio(QString(d.q).toDouble(), QString(d.b).toDouble(),
        QString(d.z).toDouble(), QString(d.n).toDouble(), QString(d.s).toDouble());
    EXPECT_EQ(Leer(w, "y"), Cuatro(x.y));
    EXPECT_EQ(Leer(w, "a"), Cuatro(x.a));
    EXPECT_EQ(Leer(w, "t"), Cuatro(x.t));
    EXPECT_EQ(Leer(w, "f"), Cuatro(x.f));
    EXPECT_EQ(Leer(w, "tf"), x.tipo);
    EXPECT_EQ(Leer(w, "p"), Cuatro(x.p));
    EXPECT_EQ(Leer(w, "r"), Cuatro(x.r));
    EXPECT_EQ(Leer(w, "v"), Cuatro(x.v));
    EXPECT_EQ(Leer(w, "e"), Cuatro(x.e));
    EXPECT_EQ(ColorVelocidad(), x.erosiva ? QColor(255, 0, 0) : QColor(0, 0, 0));
    EXPECT_EQ(Aviso(), x.erosiva ? QString("Cuidado velocidad erosiva") : QString(27, ' '));
}

INSTANTIATE_TEST_SUITE_P(Datos, VentanaYntrape,
    ::testing::Values(DatosTrapecio { "trapecio", "1", "1", "1", "0.015", "0.001" },
        DatosTrapecio { "rectangulo", "2", "1.5", "0", "0.014", "0.0008" },
        DatosTrapecio { "triangulo", "0.4", "0", "1.5", "0.03", "0.002" },
        // Steep and smooth: supercritical, fast, yet black while n ≤ 0.024.
        DatosTrapecio { "supercritico", "1", "1", "1", "0.014", "0.05" },
        DatosTrapecio { "erosivo", "3", "1", "1.5", "0.03", "0.01" },
        // n = 0.024 exactly never warns.
        DatosTrapecio { "revestido_limite", "3", "1", "1.5", "0.024", "0.01" },
        // A negative side slope is calculated as typed: T comes out below b.
        DatosTrapecio { "talud_negativo", "1", "4", "-0.5", "0.015", "0.001" }),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(VentanaYntrape, NegativeSideSlopeWarnsWhileTypingAndNarrowsTheTopWidth)
{
    Datos("1", "4", "-0.5", "0.015", "0.001");
    EXPECT_EQ(grabadora.pitidos, 1);
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, "Ingresar para Z, un valor igual o mayor que cero");
    Pulsar(w, "bCalcular");
    EXPECT_LT(Leer(w, "t").toDouble(), 4.0);
    EXPECT_EQ(grabadora.mensajes.size(), 1u);
}

// By bisection of Manning's equation, b 1, Z 1, n 0.014, S 0.001: Q 1.5 gives
// y 0.710568 (Q 1 would give 0.573189).
TEST_F(VentanaYntrape, DecimalCommaInTheDischargeIsADecimalPoint)
{
    Datos("1,5", "1", "1", "0.014", "0.001");
    Pulsar(w, "bCalcular");
    EXPECT_EQ(Leer(w, "y"), "0.7106");
    EXPECT_TRUE(grabadora.mensajes.empty());
}

TEST_F(VentanaYntrape, MissingDischargeIsRefusedWithoutBeepAndKeepsResults)
{
    Datos("1", "1", "1", "0.015", "0.001");
    Pulsar(w, "bCalcular");
    const QString y = Leer(w, "y");
    Escribir(w, "q", "");
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto,
        "Complete adecuadamente el ingreso de datos, antes de ejecutar ");
    EXPECT_EQ(grabadora.mensajes[0].titulo, "Quelmora");
    EXPECT_EQ(grabadora.pitidos, 0);
    EXPECT_EQ(Leer(w, "y"), y);
}

TEST_F(VentanaYntrape, WidthAndSlopeBothZeroBeepThenRefuse)
{
    Datos("1", "", "", "0.015", "0.001");
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.eventos.size(), 2u);
    EXPECT_EQ(grabadora.eventos[0].tipo, EventoGrabado::Pitido);
    EXPECT_EQ(grabadora.eventos[1].texto,
        "Los valores de b y Z no pueden ser simultáneamente iguales a cero");
    EXPECT_EQ(Leer(w, "y"), "");
}

TEST_F(VentanaYntrape, EmptySideSlopeCalculatesTheRectangle)
{
    Datos("2", "1", "", "0.014", "0.0008");
    Pulsar(w, "bCalcular");
    EXPECT_EQ(Leer(w, "t"), "1.0000");
    EXPECT_EQ(Leer(w, "y"), Cuatro(TirantePorTrapecio(2, 1, 0, 0.014, 0.0008).y));
}

TEST_F(VentanaYntrape, DrawingFollowsTheBoxEditedLast)
{
    EXPECT_EQ(Visible(), "trape");
    Escribir(w, "b", "0");
    Escribir(w, "z", "0");
    EXPECT_EQ(Visible(), "rectan");
    Escribir(w, "b", "0");
    EXPECT_EQ(Visible(), "trian");
    Escribir(w, "z", "2");
    Escribir(w, "b", "1");
    EXPECT_EQ(Visible(), "trape");
}

TEST_F(VentanaYntrape, NegativeSlopeEndsWithTheImpossibleCalculationMessage)
{
    Datos("1", "1", "1", "0.015", "0.001");
    Pulsar(w, "bCalcular");
    const QString y = Leer(w, "y");
    Escribir(w, "s", "-0.001");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, kMensajeCalculoImposible);
    EXPECT_EQ(Leer(w, "y"), y);
}

TEST_F(VentanaYntrape, NegativeDischargeNeverWritesNan)
{
    Datos("-1", "1", "1", "0.015", "0.001");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, kMensajeCalculoImposible);
    for (const char* caja : { "y", "a", "t", "f", "tf", "p", "r", "v", "e" })
        EXPECT_EQ(Leer(w, caja), "") << caja;
}

// Clearing empties the warning and shows the trapezoid again; the boxes are the
// general rule's.
TEST_F(VentanaYntrape, ClearingEmptiesTheWarningAndLeavesTheVelocityRed)
{
    Datos("3", "0", "1.5", "0.03", "0.01");
    Pulsar(w, "bCalcular");
    EXPECT_EQ(Aviso(), "Cuidado velocidad erosiva");
    Pulsar(w, "bLimpiar");
    EXPECT_EQ(Aviso(), "");
    EXPECT_EQ(Visible(), "trape");
    // The colour stays red until the next calculation sets it.
    EXPECT_EQ(ColorVelocidad(), QColor(255, 0, 0));
    Datos("1", "1", "1", "0.015", "0.001");
    Pulsar(w, "bCalcular");
    EXPECT_EQ(ColorVelocidad(), QColor(0, 0, 0));
    EXPECT_EQ(Aviso(), QString(27, ' '));
}

// The back-to-menu button keeps the name the form gives it.
TEST_F(VentanaYntrape, MenuButtonIsBMemuPrincipal)
{
    auto* boton = Hallar<BotonRol>(w, "bMemuPrincipal");
    ASSERT_NE(boton, nullptr);
    EXPECT_EQ(boton->rol(), Rol::MenuPrincipal);
}

// A refused check changes nothing: results, velocity colour, warning label,
// drawing, and the focus stays on "&Calcular" where Enter put it.
TEST_F(VentanaYntrape, RefusedChecksKeepEverythingAndTheFocusOnCalculate)
{
    Datos("3", "1", "1.5", "0.03", "0.01");
    Pulsar(w, "bCalcular");
    const QString y = Leer(w, "y");
    ASSERT_EQ(Aviso(), "Cuidado velocidad erosiva");
    const auto calcularConEnter = [&] {
        Hallar<QWidget>(w, "s")->setFocus();
        Tecla(Qt::Key_Return);
        ASSERT_EQ(NombreDelFoco(), "bCalcular");
        grabadora.eventos.clear();
        grabadora.mensajes.clear();
        grabadora.pitidos = 0;
        Tecla(Qt::Key_Return);
    };
    Escribir(w, "n", "");
    calcularConEnter();
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto,
        "Complete adecuadamente el ingreso de datos, antes de ejecutar ");
    EXPECT_EQ(grabadora.pitidos, 0);
    EXPECT_EQ(NombreDelFoco(), "bCalcular");

    Escribir(w, "n", "0.03");
    Escribir(w, "b", "0");
    Escribir(w, "z", "0");
    ASSERT_EQ(Visible(), "rectan");
    calcularConEnter();
    ASSERT_EQ(grabadora.eventos.size(), 2u);
    EXPECT_EQ(grabadora.eventos[0].tipo, EventoGrabado::Pitido);
    EXPECT_EQ(grabadora.eventos[1].texto,
        "Los valores de b y Z no pueden ser simultáneamente iguales a cero");
    EXPECT_EQ(NombreDelFoco(), "bCalcular");
    EXPECT_EQ(Leer(w, "y"), y);
    EXPECT_EQ(Aviso(), "Cuidado velocidad erosiva");
    EXPECT_EQ(ColorVelocidad(), QColor(255, 0, 0));
    EXPECT_EQ(Visible(), "rectan");
}

// With b = 1 and Z = −0.5 the sides close in: 0.3 m3/s needs a depth of about
// 1.0235 m (found by bisection), where the top width 1 − y is already below 0 and
// A/T under the Froude number's root is negative. Nothing is written.
TEST_F(VentanaYntrape, NormalDepthAboveClosingSidesIsReportedNotWritten)
{
    Datos("1", "1", "1", "0.015", "0.001");
    Pulsar(w, "bCalcular");
    const QString y = Leer(w, "y"), f = Leer(w, "f");
    Datos("0.3", "1", "-0.5", "0.015", "0.001");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, kMensajeCalculoImposible);
    EXPECT_EQ(Leer(w, "y"), y);
    EXPECT_EQ(Leer(w, "f"), f);
    EXPECT_EQ(Leer(w, "tf"), "Subcrítico");
}

} // namespace

} // namespace
