// Tabbed calculation pages, driven through a small two-page window.

#include "conductor.h"
#include "frame/pagina_calculo.h"

#include <QTabBar>

using namespace quelmora;

namespace {

namespace {

// A page with the discharge, depth and slope boxes, two results and the three
// drawings; its calculation writes Q + y.
class PaginaPrueba : public PaginaCalculo {
public:
    int calculos = 0;

    explicit PaginaPrueba(const QString& s, const QString& marcoCalculadora)
        : PaginaCalculo(s)
    {
        Marco* datos = NuevoMarco("fraDatos" + s, "Datos:", { 480, 600, 3495, 2055 });
        Entradas(datos, Columna {},
            {
                { "txtq" + s, "Caudal (Q):", "m3/s", "Ingresar el valor del caudal Q",
                    "Ingresar para Q, un valor mayor que cero", "txty" + s, "lblq" + s,
                    "lbluq" + s },
                { "txty" + s, "Tirante (y):", "m", "Ingresar el valor del tirante",
                    "Ingresar para y, un valor mayor que cero", "txtz" + s },
                { "txtz" + s, "Talud (Z):", "", "Ingresar el valor del talud",
                    "Ingresar para Z, un valor igual o mayor que cero", "txtb" + s },
                { "txtb" + s, "Ancho (b):", "m", "Ingresar el ancho",
                    "Ingresar para b, un valor igual o mayor que cero", "bCalcular" + s },
            });
        Marco* resultados = NuevoMarco("fraResul" + s, "Resultados:", { 480, 3000, 10215, 2055 });
        Resultados(resultados, Columna { .etiqueta = 360, .caja = 2280, .unidad = 3720 },
            {
                { "txta" + s, "Area hidráulica (A):", "m2" },
                { "txttf" + s, "Tipo de flujo:", "", 1335 },
            });
        EtiquetaAvisoVelocidad(resultados, "lblmv" + s, { 5880, 1560, 4215, 375 });
        FigurasTrapecio(
            6720, 720, "imatra" + s, "imarec" + s, "imatri" + s, "txtb" + s, "txtz" + s);
        BotonesRol({ 480, 5400 }, { 8880, 5400 },
            NombresConSufijo(s, "bMenu", "fraboton" + s, marcoCalculadora));
    }

    void Calcular() override
    {
        ++calculos;
        Escribir(
            "txta" + sufijo(), Numero("txtq" + sufijo()) + Numero("txty" + sufijo()), "###0.0000");
        EscribirTexto("txttf" + sufijo(), "Subcrítico");
    }
};

class VentanaPaginas : public VentanaCalculo {
public:
    VentanaPaginas()
        : VentanaCalculo("Ventana de prueba con pestañas")
    {
        NuevasPestanas({ 360, 360, 11175, 7095 });
        AgregarPagina(new PaginaPrueba("b", "Frame2"), "Cálculo del ancho solera (b)");
        AgregarPagina(new PaginaPrueba("s", "Frame1"), "Cálculo de la pendiente (S)");
    }
};

class PruebaPaginas : public PruebaVentanas {
protected:
    QWidget* w = nullptr;
    QTabWidget* tab = nullptr;
    void SetUp() override
    {
        PruebaVentanas::SetUp();
        RegistrarVentana("VentanaPaginas", [] { return new VentanaPaginas; });
        w = Abrir("VentanaPaginas");
        ASSERT_NE(w, nullptr);
        tab = Hallar<QTabWidget>(w, "SSTab1");
        ASSERT_NE(tab, nullptr);
    }
    void Pagina(int i)
    {
        QTest::mouseClick(tab->tabBar(), Qt::LeftButton, {}, tab->tabBar()->tabRect(i).center());
        ASSERT_EQ(tab->currentIndex(), i);
    }
    PaginaPrueba* P(int i) { return static_cast<PaginaPrueba*>(tab->widget(i)); }
};

} // namespace

TEST_F(PruebaPaginas, OpensOnPageZeroWithTheFocusInItsDischargeBox)
{
    EXPECT_EQ(tab->currentIndex(), 0);
    EXPECT_EQ(tab->tabText(0), "Cálculo del ancho solera (b)");
    EXPECT_EQ(NombreDelFoco(), "txtqb");
    EXPECT_EQ(TextoDeEstado(w), "Ingresar el valor del caudal Q");
    for (const char* n : { "bCalcularb", "bLimpiarb", "bImprimirb", "bMenub", "bCalculadorab",
             "bCalculars", "bMenus", "frabotonb", "Frame2", "Frame1" })
        EXPECT_NE(w->findChild<QWidget*>(n), nullptr) << n;
}

TEST_F(PruebaPaginas, ControlsArePlacedInTheTabControlsMeasures)
{
    // "Datos:" at (480, 600) inside the tab control, whatever the tab row's height.
    QWidget* datos = Hallar<QWidget>(w, "fraDatosb");
    EXPECT_EQ(datos->mapTo(tab, QPoint(0, 0)), QPoint(32, 40));
    EXPECT_EQ(Hallar<QWidget>(w, "frabotonb")->mapTo(tab, QPoint(0, 0)), QPoint(32, 360));
}

TEST_F(PruebaPaginas, PickingAPageFocusesItsFirstBoxAndPagesKeepTheirContents)
{
    Escribir(w, "txtqb", "3");
    Escribir(w, "txtyb", "1");
    Pulsar(w, "bCalcularb");
    ASSERT_EQ(Leer(w, "txtab"), "4.0000");
    MoverRaton(w, "bCalcularb");
    Pagina(1);
    EXPECT_EQ(NombreDelFoco(), "txtqs");
    EXPECT_EQ(TextoDeEstado(w), "Ingresar el valor del caudal Q");
    EXPECT_EQ(Leer(w, "txtqs"), ""); // nothing passes between pages
    Escribir(w, "txtqs", "5");
    Pagina(0);
    EXPECT_EQ(NombreDelFoco(), "txtqb");
    EXPECT_EQ(Leer(w, "txtqb"), "3");
    EXPECT_EQ(Leer(w, "txtab"), "4.0000");
    EXPECT_EQ(P(1)->calculos, 0);
}

TEST_F(PruebaPaginas, EnterChainNeverLeavesThePage)
{
    Pagina(1);
    for (const char* caja : { "txtqs", "txtys", "txtzs", "txtbs" }) {
        ASSERT_EQ(NombreDelFoco(), caja);
        QTest::keyClicks(QApplication::focusWidget(), "2");
        Tecla(Qt::Key_Return);
    }
    EXPECT_EQ(NombreDelFoco(), "bCalculars");
    Tecla(Qt::Key_Return);
    EXPECT_EQ(P(1)->calculos, 1);
    EXPECT_EQ(P(0)->calculos, 0);
    EXPECT_EQ(Leer(w, "txtas"), "4.0000");
    EXPECT_EQ(Leer(w, "txtab"), "");
}

TEST_F(PruebaPaginas, ClearingOnePageLeavesTheOthers)
{
    Escribir(w, "txtqb", "3");
    Escribir(w, "txtbb", "0");
    Pulsar(w, "bCalcularb");
    Pagina(1);
    Escribir(w, "txtqs", "4");
    Escribir(w, "txtzs", "0");
    Pulsar(w, "bCalculars");
    Pulsar(w, "bLimpiars");
    for (const char* c : { "txtqs", "txtys", "txtzs", "txtbs", "txtas", "txttfs" })
        EXPECT_EQ(Leer(w, c), "") << c;
    EXPECT_TRUE(Hallar<QWidget>(w, "imatras")->isVisible());
    EXPECT_TRUE(Hallar<QWidget>(w, "imarecs")->isHidden());
    EXPECT_EQ(NombreDelFoco(), "txtqs");
    EXPECT_EQ(Leer(w, "txtqb"), "3");
    EXPECT_EQ(Leer(w, "txtab"), "3.0000");
    EXPECT_TRUE(Hallar<QWidget>(w, "imatrib")->isVisibleTo(tab->widget(0)));
    EXPECT_EQ(tab->currentIndex(), 1);
}

TEST_F(PruebaPaginas, TabRowRestoresEveryPageButAPageFrameOnlyItsOwn)
{
    MoverRaton(w, "bCalcularb");
    MoverRaton(w, "bCalculadorab");
    P(1)->Boton(Rol::Limpiar)->ResaltarBoton(); // lit before the page was left
    MoverRaton(w, "frabotonb", { 3, 3 });
    EXPECT_FALSE(Resaltado(w, "bCalcularb"));
    EXPECT_TRUE(Resaltado(w, "bCalculadorab"));
    EXPECT_TRUE(Resaltado(w, "bLimpiars"));
    MoverRaton(w, "bImprimirb");
    MoverRaton(w, "", Hallar<QWidget>(w, "SSTab1")->mapTo(w, QPoint(tab->width() - 5, 5)));
    for (const char* b : { "bCalcularb", "bImprimirb", "bCalculadorab", "bLimpiars" })
        EXPECT_FALSE(Resaltado(w, b)) << b;
    EXPECT_EQ(TextoDeEstado(w), "Realiza la impresión de la pantalla");
}

TEST_F(PruebaPaginas, BarePageRestoresEveryPageAndTheWindowSurfaceNothing)
{
    MoverRaton(w, "bCalcularb");
    MoverRaton(w, "", { 2, 2 }); // the window surface outside the tab control
    EXPECT_TRUE(Resaltado(w, "bCalcularb"));
    P(1)->Boton(Rol::Calcular)->ResaltarBoton();
    QWidget* pagina = tab->widget(0);
    MoverRaton(w, "", pagina->mapTo(w, QPoint(pagina->width() - 5, pagina->height() - 5)));
    EXPECT_FALSE(Resaltado(w, "bCalcularb"));
    EXPECT_FALSE(Resaltado(w, "bCalculars"));
}

TEST_F(PruebaPaginas, MainMenuOnAPageClosesTheWholeWindow)
{
    Escribir(w, "txtqb", "3");
    Pagina(1);
    Pulsar(w, "bMenus");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(VentanaAbierta("VentanaPaginas"), nullptr);
    ASSERT_NE(VentanaAbierta("menuprin"), nullptr);
    w = Abrir("VentanaPaginas");
    tab = Hallar<QTabWidget>(w, "SSTab1");
    EXPECT_EQ(tab->currentIndex(), 0);
    EXPECT_EQ(Leer(w, "txtqb"), "");
    EXPECT_EQ(NombreDelFoco(), "txtqb");
}

TEST_F(PruebaPaginas, PrintOnAPagePrintsTheWholeWindow)
{
    Pagina(1);
    Pulsar(w, "bImprimirs");
    ASSERT_EQ(grabadora.impresas.size(), 1u);
    EXPECT_EQ(grabadora.impresas[0], w);
    EXPECT_EQ(tab->currentIndex(), 1);
}

} // namespace
