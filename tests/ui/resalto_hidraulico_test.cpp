// The hydraulic-jump windows driven as a user drives them. Expected values were
// worked out apart from the program: the conjugate depth as the other root of
// the momentum balance Q²/(9.81·A) + A·ȳ, found by bisection on the far side of
// the critical depth, with each section's own geometry; the drawing's numbers
// rounded (or, in the rectangular window, cut) by hand.

#include <QLabel>

#include "conductor.h"

namespace {

namespace {

struct Par {
    const char* nombre;
    const char* texto;
};

const QString kIncompletos = "Complete adecuadamente el ingreso de datos, antes de ejecutar ";
const QString kInadecuados = "Valores de entrada inadecuados. Ingrese nuevos datos";

} // namespace

struct CasoResalto {
    const char* clase;
    std::vector<Par> datos;
    std::vector<Par> cajas;
    std::vector<Par> etiquetas;
};

void PrintTo(const CasoResalto& c, std::ostream* os)
{
    *os << c.clase;
    for (const Par& p : c.datos)
        *os << ' ' << p.nombre << '=' << p.texto;
}

class VentanaResalto : public PruebaVentanas, public ::testing::WithParamInterface<CasoResalto> { };

TEST_P(VentanaResalto, WritesTheBoxesAndTheDrawing)
{
    const CasoResalto& c = GetParam();
    QWidget* w = Abrir(c.clase);
    for (const Par& d : c.datos)
        Escribir(w, d.nombre, d.texto);
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    EXPECT_TRUE(grabadora.mensajes.empty()) << grabadora.ultimoMensaje().toStdString();
    for (const Par& e : c.cajas)
        EXPECT_EQ(Leer(w, e.nombre), e.texto) << "box " << e.nombre;
    for (const Par& e : c.etiquetas)
        EXPECT_EQ(LeerEtiqueta(w, e.nombre), e.texto) << "label " << e.nombre;
}

INSTANTIATE_TEST_SUITE_P(Ventanas, VentanaResalto,
    ::testing::Values(CasoResalto { "rhrectan", { { "q", "2" }, { "b", "1" }, { "y", "0.3" } },
                          { { "txty2", "1.5055" }, { "txtf", "0.3457" }, { "txte", "0.9698" },
                              { "txth", "1.2055" }, { "txtL", "6.03" } },
                          { { "lblMensajeC", "tirante supercrítico" }, { "yyr1", "= .3" },
                              { "yyr2", "=  1.5" }, { "llr", "L= 6" } } },
        // The conjugate 0.4196 is cut to .41 on the drawing.
        CasoResalto { "rhrectan", { { "q", "2" }, { "b", "1" }, { "y", "1.2" } },
            { { "txty2", "0.4196" }, { "txtf", "2.3493" }, { "txte", "0.2360" },
                { "txth", "0.7804" }, { "txtL", "3.90" } },
            { { "lblMensajeC", "tirante subcrítico" }, { "yyr1", "= .41" }, { "yyr2", "=  1.2" },
                { "llr", "L= 3.9" } } },
        // A negative discharge: the conjugate of |Q|, both Froude numbers negative, so
        // the given depth counts as the subcritical one and goes to the larger mark.
        CasoResalto { "rhrectan", { { "q", "-2" }, { "b", "1" }, { "y", "0.3" } },
            { { "txty2", "1.5055" }, { "txtf", "-0.3457" }, { "txte", "0.9698" },
                { "txth", "1.2055" }, { "txtL", "6.03" } },
            { { "lblMensajeC", "tirante subcrítico" }, { "yyr1", "= 1.5" }, { "yyr2", "=  .3" },
                { "llr", "L= 6" } } },
        CasoResalto { "rhtrape", { { "q", "1.5" }, { "y", "0.2" }, { "b", "1" }, { "z", "1" } },
            { { "txty2", "1.0163" }, { "txtff3", "0.2843" }, { "txth", "0.8163" },
                { "txte", "1.1473" }, { "txtjj", "5.0817" }, { "txtL", "8.65" } },
            { { "lblMensajeY", "tirante supercrítico" }, { "yr1", "= .2" }, { "yr2", "=  1.02" },
                { "lr2", "L= 8.7" } } },
        CasoResalto { "rhtrape", { { "q", "1.5" }, { "y", "1" }, { "b", "1" }, { "z", "1" } },
            { { "txty2", "0.2059" }, { "txtff3", "4.6005" }, { "txth", "0.7941" },
                { "txte", "1.0381" }, { "txtjj", "0.2059" }, { "txtL", "8.42" } },
            { { "lblMensajeY", "tirante subcrítico" }, { "yr1", "= .21" }, { "yr2", "=  1" },
                { "lr2", "L= 8.4" } } },
        // From J = 6 the solver used to end near J = −11 here.
        CasoResalto { "rhtrape", { { "q", "2" }, { "y", "0.1" }, { "b", "1" }, { "z", "1" } },
            { { "txty2", "1.8135" }, { "txtff3", "0.1192" }, { "txth", "1.7135" },
                { "txte", "15.1278" }, { "txtjj", "18.1345" }, { "txtL", "18.16" } },
            { { "lblMensajeY", "tirante supercrítico" }, { "yr1", "= .1" }, { "yr2", "=  1.81" },
                { "lr2", "L= 18.2" } } },
        // From J = 0.1 the solver used to end on a negative root here.
        CasoResalto { "rhtrape", { { "q", "3" }, { "y", "1" }, { "b", "0.5" }, { "z", "1" } },
            { { "txty2", "0.8280" }, { "txtff3", "1.2197" }, { "txth", "0.1720" },
                { "txte", "0.0035" }, { "txtjj", "0.8280" }, { "txtL", "1.82" } },
            { { "lblMensajeY", "tirante subcrítico" }, { "yr1", "= .83" }, { "yr2", "=  1" },
                { "lr2", "L= 1.8" } } },
        CasoResalto { "rhpara", { { "q", "1" }, { "y", "0.3" }, { "t", "2" } },
            { { "yy2", "0.5222" }, { "ff", "0.5891" }, { "h", "0.2222" }, { "kk", "1.6667" },
                { "e", "0.0360" }, { "jj", "1.7406" } },
            { { "lblMensajeY", "tirante supercrítico" }, { "yr1", "= .3" }, { "yr2", "=  .52" } } },
        CasoResalto { "rhpara", { { "q", "0.5" }, { "y", "1" }, { "t", "2" } },
            { { "yy2", "0.1064" }, { "ff", "12.9454" }, { "h", "0.8936" }, { "kk", "0.5000" },
                { "e", "5.0446" }, { "jj", "0.1064" } },
            { { "lblMensajeY", "tirante subcrítico" }, { "yr1", "= .11" }, { "yr2", "=  1" } } },
        CasoResalto { "rhcir", { { "q", "0.5" }, { "y1", "0.2" }, { "d", "1" } },
            { { "yy2", "0.7226" }, { "ff", "0.3189" }, { "h", "0.5226" }, { "e", "0.4619" } },
            { { "lblMensajeY", "tirante supercrítico" }, { "yr1", "= .2" }, { "yr2", "=  .72" } } },
        CasoResalto { "rhcir", { { "q", "0.5" }, { "y1", "0.7" }, { "d", "1" } },
            { { "yy2", "0.2084" }, { "ff", "3.5236" }, { "h", "0.4916" }, { "e", "0.3776" } },
            { { "lblMensajeY", "tirante subcrítico" }, { "yr1", "= .21" }, { "yr2", "=  .7" } } },
        // A given depth of exactly half the diameter is a circle like any other.
        CasoResalto { "rhcir", { { "q", "0.5" }, { "y1", "0.5" }, { "d", "1" } },
            { { "yy2", "0.3137" }, { "ff", "1.5893" }, { "h", "0.1863" }, { "e", "0.0179" } },
            { { "lblMensajeY", "tirante subcrítico" }, { "yr1", "= .31" }, { "yr2", "=  .5" } } },
        // A negative discharge: the conjugate of |Q|, F negative, so subcritical.
        CasoResalto { "rhcir", { { "q", "-0.5" }, { "y1", "0.2" }, { "d", "1" } },
            { { "yy2", "0.7226" }, { "ff", "-0.3189" }, { "h", "0.5226" }, { "e", "0.4619" } },
            { { "lblMensajeY", "tirante subcrítico" }, { "yr1", "= .72" }, { "yr2", "=  .2" } } }));

struct CasoMensaje {
    const char* clase;
    std::vector<Par> datos;
    QString mensaje;
    const char* cajaResultado;
};

void PrintTo(const CasoMensaje& c, std::ostream* os)
{
    *os << c.clase << ' ' << c.mensaje.toStdString();
}

class VentanaResaltoMensaje : public PruebaVentanas,
                              public ::testing::WithParamInterface<CasoMensaje> { };

// Each refusal shows its one message, without a beep, and writes nothing.
TEST_P(VentanaResaltoMensaje, RefusesWithItsMessageAndWritesNothing)
{
    const CasoMensaje& c = GetParam();
    QWidget* w = Abrir(c.clase);
    for (const Par& d : c.datos)
        Escribir(w, d.nombre, d.texto);
    grabadora.mensajes.clear();
    const int pitidos = grabadora.pitidos;
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, c.mensaje);
    EXPECT_EQ(grabadora.mensajes[0].titulo, "Quelmora");
    EXPECT_EQ(grabadora.pitidos, pitidos);
    EXPECT_EQ(Leer(w, c.cajaResultado), "");
    EXPECT_EQ(LeerEtiqueta(w, c.clase == QString("rhrectan") ? "yyr1" : "yr1"), "");
}

INSTANTIATE_TEST_SUITE_P(Ventanas, VentanaResaltoMensaje,
    ::testing::Values(
        CasoMensaje { "rhrectan", { { "q", "2" }, { "y", "0.3" } }, kIncompletos, "txty2" },
        CasoMensaje { "rhrectan", { { "q", "2" }, { "b", "1" }, { "y", "-0.3" } },
            "Los datos ingresados no permiten realizar el cálculo, revise los datos", "txty2" },
        CasoMensaje { "rhtrape", { { "q", "2" }, { "y", "0.3" }, { "b", "1" }, { "z", "0" } },
            kIncompletos, "txty2" },
        // A side slope so negative that no positive conjugate is found: the
        // failure text, nothing written.
        CasoMensaje { "rhtrape",
            { { "q", "5" }, { "y", "0.0125" }, { "b", "800" }, { "z", "-5000" } },
            "Los datos ingresados no permiten realizar el cálculo, revise los datos", "txty2" },
        CasoMensaje { "rhpara", { { "q", "1" }, { "t", "2" } },
            "Complete adecuadamente el ingreso de datos, antes de ejecutar", "yy2" },
        // F1 between about 0.43 and 1: the first step from J = 0.1 goes negative.
        CasoMensaje {
            "rhpara", { { "q", "1.5" }, { "y", "1" }, { "t", "2" } }, kInadecuados, "yy2" },
        CasoMensaje {
            "rhpara", { { "q", "3.4" }, { "y", "1" }, { "t", "2" } }, kInadecuados, "yy2" },
        CasoMensaje {
            "rhcir", { { "q", "0.5" }, { "y1", "abc" }, { "d", "1" } }, kIncompletos, "yy2" },
        CasoMensaje { "rhcir", { { "q", "1" }, { "y1", "0.2" }, { "d", "1" } },
            "El tirante conjugado es mayor que el diámetro, incremente el diámetro o "
            "aumente el tirante menor y ejecute de nuevo",
            "yy2" },
        CasoMensaje { "rhcir", { { "q", "1" }, { "y1", "0.6" }, { "d", "1" } },
            "El tirante no es adecuado, incremente el tirante mayor o el diámetro", "yy2" },
        // A given depth above the diameter has no circle.
        CasoMensaje { "rhcir", { { "q", "0.5" }, { "y1", "1.2" }, { "d", "1" } },
            "Los datos ingresados no permiten realizar el cálculo, revise los datos", "yy2" }));

class VentanaRhtrape : public PruebaVentanas { };

// K(2.5) of the length polynomial is negative: every other result is written,
// the length box and label are left empty, and the message comes after them.
// Q 2, y 0.3, b 1, Z 2.5: bisection of the momentum balance gives y2 0.762513,
// so h 0.462513, J 2.541709, F2 0.424626, E1 − E2 0.235651, F1 2.65.
TEST_F(VentanaRhtrape, SteepSlopeWritesTheJumpWithoutItsLength)
{
    QWidget* w = Abrir("rhtrape");
    for (Par d : { Par { "q", "2" }, Par { "y", "0.3" }, Par { "b", "1" }, Par { "z", "1" } })
        Escribir(w, d.nombre, d.texto);
    Pulsar(w, "bCalcular");
    ASSERT_TRUE(grabadora.mensajes.empty());
    // A length from the earlier calculation must not stay beside the new results.
    EXPECT_FALSE(Leer(w, "txtL").isEmpty());
    EXPECT_FALSE(LeerEtiqueta(w, "lr2").isEmpty());
    Escribir(w, "z", "2.5");
    QString conjugadoAlAvisar = "not shown";
    grabadora.alMostrarMensaje = [&](const QString&) { conjugadoAlAvisar = Leer(w, "txty2"); };
    Pulsar(w, "bCalcular");
    grabadora.alMostrarMensaje = nullptr;
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto,
        "No se dispone del coeficiente de longitud del resalto para este talud");
    EXPECT_EQ(grabadora.mensajes[0].titulo, "Quelmora");
    EXPECT_EQ(conjugadoAlAvisar, "0.7625");
    EXPECT_EQ(grabadora.pitidos, 0);
    const Par cajas[] = { { "txty2", "0.7625" }, { "txte", "0.2357" }, { "txth", "0.4625" },
        { "txtff3", "0.4246" }, { "txtjj", "2.5417" }, { "txtL", "" } };
    for (const Par& c : cajas)
        EXPECT_EQ(Leer(w, c.nombre), c.texto) << c.nombre;
    const Par etiquetas[] = { { "lblMensajeY", "tirante supercrítico" }, { "yr1", "= .3" },
        { "yr2", "=  .76" }, { "lr2", "" } };
    for (const Par& e : etiquetas)
        EXPECT_EQ(LeerEtiqueta(w, e.nombre), e.texto) << e.nombre;
    EXPECT_FALSE(Hallar<QLabel>(w, "lr2")->autoFillBackground());
    // Back to a side slope the table covers: the length again.
    Escribir(w, "z", "1");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    EXPECT_TRUE(grabadora.mensajes.empty());
    EXPECT_FALSE(Leer(w, "txtL").isEmpty());
    EXPECT_TRUE(Hallar<QLabel>(w, "lr2")->autoFillBackground());
}

TEST_F(VentanaRhtrape, LimpiarEmptiesTheDrawingAndMakesTheLengthTransparent)
{
    QWidget* w = Abrir("rhtrape");
    for (Par d : { Par { "q", "1.5" }, Par { "y", "0.2" }, Par { "b", "1" }, Par { "z", "1" } })
        Escribir(w, d.nombre, d.texto);
    Pulsar(w, "bCalcular");
    EXPECT_TRUE(Hallar<QLabel>(w, "lr2")->autoFillBackground());
    Pulsar(w, "bLimpiar");
    EXPECT_FALSE(Hallar<QLabel>(w, "lr2")->autoFillBackground());
    for (const char* etiqueta : { "lr2", "yr1", "yr2", "lblMensajeY" })
        EXPECT_EQ(LeerEtiqueta(w, etiqueta), "") << etiqueta;
}

class VentanaRhrectan : public PruebaVentanas { };

TEST_F(VentanaRhrectan, RefusedCalculationLeavesTheDrawingAndResults)
{
    QWidget* w = Abrir("rhrectan");
    for (Par d : { Par { "q", "2" }, Par { "b", "1" }, Par { "y", "0.3" } })
        Escribir(w, d.nombre, d.texto);
    Pulsar(w, "bCalcular");
    Escribir(w, "b", "");
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.ultimoMensaje(), kIncompletos);
    EXPECT_EQ(Leer(w, "txty2"), "1.5055");
    EXPECT_EQ(LeerEtiqueta(w, "llr"), "L= 6");
    EXPECT_EQ(LeerEtiqueta(w, "lblMensajeC"), "tirante supercrítico");
    Pulsar(w, "bLimpiar");
    EXPECT_EQ(LeerEtiqueta(w, "llr"), "");
    EXPECT_EQ(LeerEtiqueta(w, "yyr2"), "");
    EXPECT_EQ(Leer(w, "txtL"), "");
}

class VentanaRhpara : public PruebaVentanas { };

TEST_F(VentanaRhpara, LimpiarEmptiesTheDiagramLabels)
{
    QWidget* w = Abrir("rhpara");
    for (Par d : { Par { "q", "1" }, Par { "y", "0.3" }, Par { "t", "2" } })
        Escribir(w, d.nombre, d.texto);
    Pulsar(w, "bCalcular");
    Pulsar(w, "bLimpiar");
    for (const char* etiqueta : { "yr1", "yr2", "lblMensajeY" })
        EXPECT_EQ(LeerEtiqueta(w, etiqueta), "") << etiqueta;
}

} // namespace
