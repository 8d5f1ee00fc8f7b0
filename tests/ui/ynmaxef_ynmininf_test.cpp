// The two section-design windows driven as a user drives them. The expected
// sections come from bisection on Manning's equation with the criterion's ratio
// m = b/y, not from the closed forms the windows use.

#include <QColor>
#include <QPalette>
#include <cmath>

#include "conductor.h"
#include "esperado_flujo_uniforme.h"

namespace {

namespace {

struct DatosDiseno {
    const char* nombre;
    const char* ventana;
    const char *q, *z, *n, *s;
    double relacion; // m = b/y: 2·(√(1 + Z²) − Z) or 4·(√(1 + Z²) − Z), by hand
};

class VentanaDiseno : public PruebaVentanas, public ::testing::WithParamInterface<DatosDiseno> {
protected:
    QWidget* w = nullptr;
    void Datos(const char* q, const char* z, const char* n, const char* s)
    {
        Escribir(w, "q", q);
        Escribir(w, "z", z);
        Escribir(w, "n", n);
        Escribir(w, "s", s);
    }
    QColor ColorVelocidad() { return Hallar<QLineEdit>(w, "v")->palette().color(QPalette::Text); }
    QString Visible()
    {
        return Hallar<QWidget>(w, "trape")->isHidden() ? QString("rectan") : QString("trape");
    }
};

TEST_P(VentanaDiseno, WritesTheDesignedSection)
{
    const DatosDiseno& d = GetParam();
    w = Abrir(d.ventana);
    Datos(d.q, d.z, d.n, d.s);
    Pulsar(w, "bCalcular");
    const SeccionEsperada x = TirantePorRelacion(QString(d.q).toDouble(), d.relacion,
        QString(d.z).toDouble(), QString(d.n).toDouble(), QString(d.s).toDouble());
    EXPECT_EQ(Leer(w, "y"), Cuatro(x.y));
    EXPECT_EQ(Leer(w, "b"), Cuatro(x.b));
    EXPECT_EQ(Leer(w, "p"), Cuatro(x.p));
    EXPECT_EQ(Leer(w, "a"), Cuatro(x.a));
    EXPECT_EQ(Leer(w, "r"), Cuatro(x.r));
    EXPECT_EQ(Leer(w, "t"), Cuatro(x.t));
    EXPECT_EQ(Leer(w, "e"), Cuatro(x.e));
    EXPECT_EQ(Leer(w, "f"), Cuatro(x.f));
    EXPECT_EQ(Leer(w, "v"), Cuatro(x.v));
    EXPECT_EQ(Leer(w, "tf"), x.tipo);
    EXPECT_EQ(ColorVelocidad(), x.erosiva ? QColor(255, 0, 0) : QColor(0, 0, 0));
    EXPECT_EQ(Hallar<QLabel>(w, "mv")->text(),
        x.erosiva ? QString("Cuidado velocidad erosiva") : QString(27, ' '));
}

const double kRaizDos = std::sqrt(2.0);

INSTANTIATE_TEST_SUITE_P(Datos, VentanaDiseno,
    ::testing::Values(DatosDiseno { "eficiencia_talud_uno", "ynmaxef", "2", "1", "0.015", "0.001",
                          2.0 * (kRaizDos - 1.0) },
        DatosDiseno { "infiltracion_talud_uno", "ynmininf", "2", "1", "0.015", "0.001",
            4.0 * (kRaizDos - 1.0) },
        // Z = 0: the rectangles b = 2y and b = 4y.
        DatosDiseno { "eficiencia_rectangulo", "ynmaxef", "0.8", "0", "0.014", "0.0005", 2.0 },
        DatosDiseno { "infiltracion_rectangulo", "ynmininf", "0.8", "0", "0.014", "0.0005", 4.0 },
        // Z = 0.75, √(1 + Z²) = 1.25: m = 1 and 2; rough and fast, so erosive.
        DatosDiseno { "eficiencia_erosiva", "ynmaxef", "5", "0.75", "0.025", "0.002", 1.0 },
        DatosDiseno { "infiltracion_erosiva", "ynmininf", "5", "0.75", "0.025", "0.002", 2.0 },
        DatosDiseno { "eficiencia_supercritica", "ynmaxef", "1", "1", "0.013", "0.03",
            2.0 * (kRaizDos - 1.0) },
        // Z = −0.75: m = 2·(1.25 + 0.75) = 4; the top width comes out below b.
        DatosDiseno {
            "eficiencia_talud_negativo", "ynmaxef", "1", "-0.75", "0.015", "0.001", 4.0 }),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(VentanaDiseno, MaximumEfficiencyHasHalfTheDepthAsRadius)
{
    w = Abrir("ynmaxef");
    Datos("2", "1", "0.015", "0.001");
    Pulsar(w, "bCalcular");
    EXPECT_NEAR(Leer(w, "r").toDouble(), Leer(w, "y").toDouble() / 2.0, 0.00011);
}

TEST_F(VentanaDiseno, NegativeDischargeAndRoughnessGiveTheSameSectionGoingBackwards)
{
    w = Abrir("ynmaxef");
    Datos("-2", "1", "-0.015", "0.001");
    // One warning on "-2", and one on each of the keys "1" and "5" of "-0.015".
    EXPECT_EQ(grabadora.pitidos, 3);
    Pulsar(w, "bCalcular");
    const SeccionEsperada x = TirantePorRelacion(2, 2.0 * (kRaizDos - 1.0), 1, 0.015, 0.001);
    EXPECT_EQ(Leer(w, "y"), Cuatro(x.y));
    EXPECT_EQ(Leer(w, "b"), Cuatro(x.b));
    EXPECT_EQ(Leer(w, "v"), Cuatro(-x.v));
    EXPECT_EQ(Leer(w, "f"), Cuatro(-x.f));
    EXPECT_EQ(Leer(w, "tf"), "Subcrítico");
    EXPECT_EQ(ColorVelocidad(), QColor(0, 0, 0));
}

TEST_F(VentanaDiseno, NegativeSlopeHasNoRealDepth)
{
    w = Abrir("ynmininf");
    Datos("2", "1", "0.015", "-0.001");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, kMensajeCalculoImposible);
    EXPECT_EQ(Leer(w, "y"), "");
}

TEST_F(VentanaDiseno, ZeroDischargeIsRefusedAndResultsStay)
{
    w = Abrir("ynmininf");
    Datos("2", "1", "0.015", "0.001");
    Pulsar(w, "bCalcular");
    const QString y = Leer(w, "y");
    Escribir(w, "n", "");
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto,
        "Complete adecuadamente el ingreso de datos, antes de ejecutar ");
    EXPECT_EQ(grabadora.pitidos, 0);
    EXPECT_EQ(Leer(w, "y"), y);
}

TEST_F(VentanaDiseno, SideSlopeAloneChoosesTheDrawing)
{
    w = Abrir("ynmaxef");
    EXPECT_EQ(Visible(), "trape");
    Escribir(w, "z", "0");
    EXPECT_EQ(Visible(), "rectan");
    EXPECT_TRUE(Hallar<QWidget>(w, "trape")->isHidden());
    Escribir(w, "z", "-1");
    EXPECT_EQ(Visible(), "trape");
    EXPECT_TRUE(Hallar<QWidget>(w, "rectan")->isHidden());
    EXPECT_EQ(grabadora.mensajes.back().texto, "Ingresar para Z, un valor mayor o igual que cero");
    Escribir(w, "z", "0");
    Pulsar(w, "bLimpiar");
    EXPECT_EQ(Visible(), "trape");
}

TEST_F(VentanaDiseno, ClearingEmptiesTheLabel)
{
    w = Abrir("ynmininf");
    Datos("5", "0.75", "0.025", "0.002");
    Pulsar(w, "bCalcular");
    Pulsar(w, "bLimpiar");
    EXPECT_EQ(Hallar<QLabel>(w, "mv")->text(), "");
    // Right after clearing, with Z left empty, the rectangle is designed while the
    // trapezoid drawing stays.
    Escribir(w, "q", "0.8");
    Escribir(w, "n", "0.014");
    Escribir(w, "s", "0.0005");
    Pulsar(w, "bCalcular");
    EXPECT_EQ(Leer(w, "t"), Leer(w, "b"));
    EXPECT_EQ(Visible(), "trape");
}

} // namespace

} // namespace
