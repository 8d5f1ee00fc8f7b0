// What the five normal-depth and section-design windows share: the
// "Tirante-&Normal" menu opens them, and their calculator and back-to-menu
// buttons work.

#include "conductor.h"

namespace {

namespace {

struct VentanaDelMenu {
    const char* entrada;
    const char* clase;
    const char* titulo;
    const char* menuPrincipal;
};

const VentanaDelMenu kVentanas[] = {
    { "yntrapezoidal", "yntrape",
        "Cálculo de tirante normal secciones: trapezoidal, rectangular, triangular",
        "bMemuPrincipal" },
    { "ynparabolica", "ynpara", "Cálculo del tirante normal, sección parabólica",
        "bMenuPrincipal" },
    { "yncircular", "yncir", "Cálculo del tirante normal, sección circular", "bMenuPrincipal" },
    { "maxima", "ynmaxef", "Diseño para una sección trapezoidal de máxima eficiencia hidráulica",
        "bMenuPrincipal" },
    { "ynmiinf", "ynmininf", "Cálculo para una sección de mínima infiltración", "bMenuPrincipal" },
};

TEST_F(PruebaVentanas, NormalDepthMenuOpensTheFiveWindows)
{
    QWidget* menu = Abrir("menuprin");
    for (const auto& v : kVentanas) {
        ElegirMenu(menu, v.entrada);
        QWidget* ventana = VentanaAbierta(v.clase);
        ASSERT_NE(ventana, nullptr) << v.clase;
        EXPECT_EQ(ventana->windowTitle(), QString::fromUtf8(v.titulo));
        EXPECT_TRUE(menu->isVisible());
    }
}

TEST_F(PruebaVentanas, CalculatorOpensBesideEachWindowAndTheMenuButtonReturns)
{
    for (const auto& v : kVentanas) {
        QWidget* w = Abrir(v.clase);
        Pulsar(w, "bCalculadora");
        ASSERT_NE(VentanaAbierta("frmCalculadora"), nullptr) << v.clase;
        EXPECT_TRUE(w->isVisible());
        Pulsar(w, v.menuPrincipal);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(VentanaAbierta(v.clase), nullptr) << v.clase;
        ASSERT_NE(VentanaAbierta("menuprin"), nullptr);
        EXPECT_TRUE(VentanaAbierta("menuprin")->isVisible());
    }
}

TEST_F(PruebaVentanas, EachWindowPrintsItsOwnImage)
{
    for (const auto& v : kVentanas) {
        QWidget* w = Abrir(v.clase);
        grabadora.impresas.clear();
        Pulsar(w, "bImprimir");
        ASSERT_EQ(grabadora.impresas.size(), 1u) << v.clase;
        EXPECT_EQ(grabadora.impresas[0], w);
    }
}

} // namespace

} // namespace
