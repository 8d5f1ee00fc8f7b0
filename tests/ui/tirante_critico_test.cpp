// The critical-depth windows driven as a user drives them. Expected values were
// worked out apart from the program: the depth where Q²·T = 9.81·A³ found by
// bisection, every element from that depth with the section's own geometry.

#include <QLabel>

#include "conductor.h"

namespace {

namespace {

struct Dato {
    const char* caja;
    const char* texto;
};

void Llenar(QWidget* w, std::initializer_list<Dato> datos)
{
    for (const Dato& d : datos)
        Escribir(w, d.caja, d.texto);
}

struct Esperado {
    const char* caja;
    const char* texto;
};

void Comprobar(QWidget* w, std::initializer_list<Esperado> cajas)
{
    for (const Esperado& e : cajas)
        EXPECT_EQ(Leer(w, e.caja), e.texto) << "box " << e.caja;
}

const QString kIncompletos = "Complete adecuadamente el ingreso de datos, antes de ejecutar ";

} // namespace

class VentanaYctrape : public PruebaVentanas { };

struct CasoYctrape {
    Dato q, b, z;
    Esperado y, p, a, r, t, v, f, e;
};

class VentanaYctrapeCasos : public PruebaVentanas,
                            public ::testing::WithParamInterface<CasoYctrape> { };

TEST_P(VentanaYctrapeCasos, WritesTheCriticalDepthAndItsElements)
{
    const auto& c = GetParam();
    QWidget* w = Abrir("yctrape");
    Llenar(w, { c.q, c.b, c.z });
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    EXPECT_TRUE(grabadora.mensajes.empty()) << grabadora.ultimoMensaje().toStdString();
    Comprobar(w, { c.y, c.p, c.a, c.r, c.t, c.v, c.f, c.e });
}

INSTANTIATE_TEST_SUITE_P(Secciones, VentanaYctrapeCasos,
    ::testing::Values(
        CasoYctrape { { "q", "2" }, { "b", "1" }, { "z", "1" }, { "y", "0.6023" },
            { "p", "2.7036" }, { "a", "0.9651" }, { "r", "0.3570" }, { "t", "2.2046" },
            { "v", "2.0723" }, { "f", "1.0000" }, { "e", "0.8212" } },
        CasoYctrape { { "q", "5" }, { "b", "2" }, { "z", "0" }, { "y", "0.8605" },
            { "p", "3.7209" }, { "a", "1.7209" }, { "r", "0.4625" }, { "t", "2.0000" },
            { "v", "2.9054" }, { "f", "1.0000" }, { "e", "1.2907" } },
        CasoYctrape { { "q", "2.5" }, { "b", "0" }, { "z", "0.75" }, { "y", "1.1777" },
            { "p", "2.9442" }, { "a", "1.0402" }, { "r", "0.3533" }, { "t", "1.7665" },
            { "v", "2.4034" }, { "f", "1.0000" }, { "e", "1.4721" } },
        // A litre a second: the critical depth 0.0047 m, not 0.0390 m with F 0.
        CasoYctrape { { "q", "0.001" }, { "b", "1" }, { "z", "" }, { "y", "0.0047" },
            { "p", "1.0093" }, { "a", "0.0047" }, { "r", "0.0046" }, { "t", "1.0000" },
            { "v", "0.2141" }, { "f", "1.0000" }, { "e", "0.0070" } },
        // A negative discharge: the depth of its absolute value, v and F negative.
        CasoYctrape { { "q", "-2" }, { "b", "1" }, { "z", "1" }, { "y", "0.6023" },
            { "p", "2.7036" }, { "a", "0.9651" }, { "r", "0.3570" }, { "t", "2.2046" },
            { "v", "-2.0723" }, { "f", "-1.0000" }, { "e", "0.8212" } }));

TEST_F(VentanaYctrape, EmptyDischargeIsRefusedWithoutABeep)
{
    QWidget* w = Abrir("yctrape");
    Llenar(w, { { "b", "1" }, { "z", "1" } });
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, kIncompletos);
    EXPECT_EQ(grabadora.mensajes[0].titulo, "Quelmora");
    EXPECT_EQ(grabadora.pitidos, 0);
    EXPECT_EQ(Leer(w, "y"), "");
}

TEST_F(VentanaYctrape, WidthAndSlopeBothZeroBeepFirst)
{
    QWidget* w = Abrir("yctrape");
    Llenar(w, { { "q", "2" } });
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.eventos.size(), 2u);
    EXPECT_EQ(grabadora.eventos[0].tipo, EventoGrabado::Pitido);
    EXPECT_EQ(grabadora.eventos[1].texto,
        "Los valores de b y Z no pueden ser simultáneamente iguales a cero");
}

TEST_F(VentanaYctrape, ResultsStayAfterARefusal)
{
    QWidget* w = Abrir("yctrape");
    Llenar(w, { { "q", "2" }, { "b", "1" }, { "z", "1" } });
    Pulsar(w, "bCalcular");
    Escribir(w, "q", "0");
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.ultimoMensaje(), kIncompletos);
    EXPECT_EQ(Leer(w, "y"), "0.6023");
    EXPECT_EQ(Leer(w, "e"), "0.8212");
}

TEST_F(VentanaYctrape, HugeDischargeStopsWithTheNonConvergenceMessage)
{
    QWidget* w = Abrir("yctrape");
    Llenar(w, { { "q", "1e7" }, { "b", "1" }, { "z", "0" } });
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.ultimoMensaje(),
        "El cálculo no converge con los datos ingresados, revise los datos");
    EXPECT_EQ(Leer(w, "y"), "");
}

TEST_F(VentanaYctrape, DrawingFollowsTheBoxEditedLastAndLimpiarShowsTheTrapezoid)
{
    QWidget* w = Abrir("yctrape");
    Escribir(w, "b", "0");
    EXPECT_TRUE(Hallar(w, "trian")->isVisible());
    EXPECT_FALSE(Hallar(w, "trape")->isVisible());
    Escribir(w, "z", "0");
    EXPECT_TRUE(Hallar(w, "rectan")->isVisible());
    EXPECT_FALSE(Hallar(w, "trian")->isVisible());
    Llenar(w, { { "q", "2" }, { "b", "1" }, { "z", "1" } });
    Pulsar(w, "bCalcular");
    Pulsar(w, "bLimpiar");
    EXPECT_TRUE(Hallar(w, "trape")->isVisible());
    EXPECT_FALSE(Hallar(w, "rectan")->isVisible());
    EXPECT_FALSE(Hallar(w, "trian")->isVisible());
}

class VentanaYcpara : public PruebaVentanas { };

struct CasoYcpara {
    Dato q, t;
    Esperado y, p, a, r, k, v, f, e;
};

class VentanaYcparaCasos : public PruebaVentanas,
                           public ::testing::WithParamInterface<CasoYcpara> { };

TEST_P(VentanaYcparaCasos, WritesTheCriticalDepthAndItsElements)
{
    const auto& c = GetParam();
    QWidget* w = Abrir("ycpara");
    Llenar(w, { c.q, c.t });
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    EXPECT_TRUE(grabadora.mensajes.empty()) << grabadora.ultimoMensaje().toStdString();
    Comprobar(w, { c.y, c.p, c.a, c.r, c.k, c.v, c.f, c.e });
}

INSTANTIATE_TEST_SUITE_P(Secciones, VentanaYcparaCasos,
    ::testing::Values(
        // Wide for its discharge: y/T below 0.25, the approximate perimeter.
        CasoYcpara { { "q", "0.5" }, { "t", "3" }, { "y", "0.2122" }, { "p", "3.0400" },
            { "a", "0.4244" }, { "r", "0.1396" }, { "k", "5.3013" }, { "v", "1.1781" },
            { "f", "1.0000" }, { "e", "0.2829" } },
        // Narrow: y/T above 0.25, the arc length.
        CasoYcpara { { "q", "2" }, { "t", "1" }, { "y", "1.1123" }, { "p", "2.5271" },
            { "a", "0.7415" }, { "r", "0.2934" }, { "k", "0.1124" }, { "v", "2.6971" },
            { "f", "1.0000" }, { "e", "1.4831" } },
        CasoYcpara { { "q", "-0.5" }, { "t", "3" }, { "y", "0.2122" }, { "p", "3.0400" },
            { "a", "0.4244" }, { "r", "0.1396" }, { "k", "5.3013" }, { "v", "-1.1781" },
            { "f", "-1.0000" }, { "e", "0.2829" } }));

TEST_F(VentanaYcpara, EmptyTopWidthIsRefusedWithoutABeep)
{
    QWidget* w = Abrir("ycpara");
    Llenar(w, { { "q", "2" } });
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.ultimoMensaje(), kIncompletos);
    EXPECT_EQ(grabadora.pitidos, 0);
    EXPECT_EQ(Leer(w, "y"), "");
}

class VentanaYccir : public PruebaVentanas { };

TEST_F(VentanaYccir, OrdinaryCaseSettlesBelowTheDiameter)
{
    QWidget* w = Abrir("yccir");
    Llenar(w, { { "q", "1" }, { "d", "1" } });
    Pulsar(w, "bCalcular");
    EXPECT_TRUE(grabadora.mensajes.empty());
    Comprobar(w,
        { { "y", "0.5730" }, { "p", "1.7174" }, { "a", "0.4655" }, { "r", "0.2710" },
            { "t", "0.9893" }, { "v", "2.1484" }, { "f", "1.0000" }, { "e", "0.8083" } });
}

TEST_F(VentanaYccir, FirstStepAboveTheDiameterKeepsTheResultsAndFocusesD)
{
    QWidget* w = Abrir("yccir");
    Llenar(w, { { "q", "1" }, { "d", "1" } });
    Pulsar(w, "bCalcular");
    Escribir(w, "q", "2");
    Pulsar(w, "bCalcular");
    EXPECT_EQ(
        grabadora.ultimoMensaje(), "El tirante es mayor que el diámetro. Incremente el diámetro");
    EXPECT_EQ(grabadora.pitidos, 0);
    EXPECT_EQ(NombreDelFoco(), "d");
    EXPECT_EQ(Leer(w, "y"), "0.5730");
}

TEST_F(VentanaYccir, TinyDischargeIsANumericFailureNotANan)
{
    QWidget* w = Abrir("yccir");
    Llenar(w, { { "q", "0.000001" }, { "d", "1" } });
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.ultimoMensaje(),
        "Los datos ingresados no permiten realizar el cálculo, revise los datos");
    EXPECT_EQ(Leer(w, "y"), "");
}

TEST_F(VentanaYccir, NegativeDiameterWarnsAndKeepsTheFocus)
{
    QWidget* w = Abrir("yccir");
    Escribir(w, "d", "-1");
    EXPECT_EQ(grabadora.pitidos, 1);
    EXPECT_EQ(grabadora.ultimoMensaje(), "Ingresar para el diámetro, un valor mayor que cero");
    EXPECT_EQ(NombreDelFoco(), "d");
    EXPECT_EQ(Leer(w, "d"), "-1");
}

TEST_F(VentanaYccir, EmptyDiameterIsRefused)
{
    QWidget* w = Abrir("yccir");
    Llenar(w, { { "q", "1" } });
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.ultimoMensaje(), kIncompletos);
    EXPECT_EQ(grabadora.pitidos, 0);
}

} // namespace
