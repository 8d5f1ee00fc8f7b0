// The parabolic and circular normal-depth windows driven as a user drives them.

#include <QColor>
#include <QPalette>

#include "conductor.h"
#include "esperado_flujo_uniforme.h"

namespace {

namespace {

struct DatosCurvos {
    const char* nombre;
    const char *q, *ancho, *n, *s; // ancho: T of the parabola or d of the circle
};

class Curvas : public PruebaVentanas {
protected:
    QWidget* w = nullptr;
    void Datos(const char* segunda, const DatosCurvos& d)
    {
        Escribir(w, "q", d.q);
        Escribir(w, segunda, d.ancho);
        Escribir(w, "n", d.n);
        Escribir(w, "s", d.s);
    }
    QColor ColorVelocidad() { return Hallar<QLineEdit>(w, "v")->palette().color(QPalette::Text); }
};

class VentanaYnpara : public Curvas, public ::testing::WithParamInterface<DatosCurvos> {
protected:
    void SetUp() override
    {
        Curvas::SetUp();
        w = Abrir("ynpara");
    }
};

TEST_P(VentanaYnpara, WritesEveryResultOfTheNormalDepth)
{
    const DatosCurvos& d = GetParam();
    Datos("t", d);
    Pulsar(w, "bCalcular");
    const SeccionEsperada x = TirantePorParabola(QString(d.q).toDouble(),
        QString(d.ancho).toDouble(), QString(d.n).toDouble(), QString(d.s).toDouble());
    EXPECT_EQ(Leer(w, "y"), Cuatro(x.y));
    EXPECT_EQ(Leer(w, "a"), Cuatro(x.a));
    EXPECT_EQ(Leer(w, "k"), Cuatro(x.k));
    EXPECT_EQ(Leer(w, "f"), Cuatro(x.f));
    EXPECT_EQ(Leer(w, "tf"), x.tipo);
    EXPECT_EQ(Leer(w, "p"), Cuatro(x.p));
    EXPECT_EQ(Leer(w, "r"), Cuatro(x.r));
    EXPECT_EQ(Leer(w, "v"), Cuatro(x.v));
    EXPECT_EQ(Leer(w, "e"), Cuatro(x.e));
    EXPECT_EQ(ColorVelocidad(), x.erosiva ? QColor(255, 0, 0) : QColor(0, 0, 0));
    EXPECT_EQ(Hallar<QLabel>(w, "mv")->text(),
        x.erosiva ? QString("Cuidado velocidad erosiva") : QString(27, ' '));
}

INSTANTIATE_TEST_SUITE_P(Datos, VentanaYnpara,
    ::testing::Values(
        // y/T above 0.25: the exact arc length.
        DatosCurvos { "arco_exacto", "1.5", "2", "0.015", "0.001" },
        // y/T below 0.25: the approximation.
        DatosCurvos { "aproximacion", "1", "5", "0.015", "0.001" },
        DatosCurvos { "supercritico", "1", "3", "0.013", "0.03" },
        DatosCurvos { "erosivo", "2", "3", "0.03", "0.01" }),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(VentanaYnpara, DischargeInsideThePerimeterDropReportsNonConvergence)
{
    Datos("t", { "", "1.5", "2", "0.015", "0.001" });
    Pulsar(w, "bCalcular");
    const QString y = Leer(w, "y");
    ASSERT_FALSE(y.isEmpty());
    Datos("t", { "", "3.89", "4", "0.015", "0.001" });
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, kMensajeNoConverge);
    EXPECT_EQ(Leer(w, "y"), y);
}

TEST_F(VentanaYnpara, ZeroTopWidthIsRefused)
{
    Datos("t", { "", "1", "", "0.015", "0.001" });
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto,
        "Complete adecuadamente el ingreso de datos, antes de ejecutar ");
}

class VentanaYncir : public Curvas, public ::testing::WithParamInterface<DatosCurvos> {
protected:
    void SetUp() override
    {
        Curvas::SetUp();
        w = Abrir("yncir");
    }
};

TEST_P(VentanaYncir, WritesEveryResultOfTheNormalDepth)
{
    const DatosCurvos& d = GetParam();
    Datos("d", d);
    Pulsar(w, "bCalcular");
    const SeccionEsperada x = TirantePorCirculo(QString(d.q).toDouble(),
        QString(d.ancho).toDouble(), QString(d.n).toDouble(), QString(d.s).toDouble());
    EXPECT_EQ(Leer(w, "y"), Cuatro(x.y));
    EXPECT_EQ(Leer(w, "a"), Cuatro(x.a));
    EXPECT_EQ(Leer(w, "t"), Cuatro(x.t));
    EXPECT_EQ(Leer(w, "f"), Cuatro(x.f));
    EXPECT_EQ(Leer(w, "tf"), x.tipo);
    EXPECT_EQ(Leer(w, "p"), Cuatro(x.p));
    EXPECT_EQ(Leer(w, "r"), Cuatro(x.r));
    EXPECT_EQ(Leer(w, "v"), Cuatro(x.v));
    EXPECT_EQ(Leer(w, "e"), Cuatro(x.e));
    EXPECT_EQ(w->findChild<QLabel*>("mv"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Datos, VentanaYncir,
    ::testing::Values(DatosCurvos { "bajo_el_centro", "0.3", "1", "0.013", "0.001" },
        DatosCurvos { "sobre_el_centro", "0.9", "1.2", "0.013", "0.002" },
        DatosCurvos { "supercritico", "0.5", "1", "0.012", "0.04" }),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(VentanaYncir, DischargeBeyondThePipeShowsTheDepthMessageAndKeepsResults)
{
    Datos("d", { "", "0.3", "1", "0.013", "0.001" });
    Pulsar(w, "bCalcular");
    const QString y = Leer(w, "y");
    Datos("d", { "", "10", "0.5", "0.013", "0.001" });
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto,
        "El tirante es mayor que el diámetro. Incremente el diámetro o la pendiente");
    EXPECT_EQ(grabadora.pitidos, 0);
    EXPECT_EQ(Leer(w, "y"), y);
}

TEST_F(VentanaYncir, NegativeSlopeEndsWithTheImpossibleCalculationMessage)
{
    Datos("d", { "", "0.3", "1", "0.013", "-0.001" });
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, kMensajeCalculoImposible);
    EXPECT_EQ(Leer(w, "y"), "");
}

TEST_F(VentanaYncir, MissingDiameterIsRefusedWithoutBeep)
{
    Datos("d", { "", "0.3", "", "0.013", "0.001" });
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto,
        "Complete adecuadamente el ingreso de datos, antes de ejecutar ");
    EXPECT_EQ(grabadora.pitidos, 0);
}

TEST_F(VentanaYnpara, ClearingEmptiesTheWarningLabel)
{
    Datos("t", { "", "2", "3", "0.03", "0.01" });
    Pulsar(w, "bCalcular");
    ASSERT_EQ(Hallar<QLabel>(w, "mv")->text(), "Cuidado velocidad erosiva");
    Pulsar(w, "bLimpiar");
    // An empty caption, not 27 blanks.
    EXPECT_EQ(Hallar<QLabel>(w, "mv")->text(), "");
    EXPECT_FALSE(Hallar<QWidget>(w, "Picture1")->isHidden());
}

TEST_F(VentanaYncir, DepthMessageLeavesTheFocusOnCalculate)
{
    Datos("d", { "", "10", "0.5", "0.013", "0.001" });
    Hallar<QWidget>(w, "s")->setFocus();
    Tecla(Qt::Key_Return);
    ASSERT_EQ(NombreDelFoco(), "bCalcular");
    grabadora.mensajes.clear();
    Tecla(Qt::Key_Return);
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto,
        "El tirante es mayor que el diámetro. Incremente el diámetro o la pendiente");
    EXPECT_EQ(NombreDelFoco(), "bCalcular");
    EXPECT_EQ(Leer(w, "y"), "");
}

} // namespace

} // namespace
