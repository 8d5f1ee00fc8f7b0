// What the five profile windows share: the "R&emanso" menu opens them, and the
// mouse over their tables and graph leaves the button pictures alone while the
// window surface and the button frames restore them.

#include "conductor.h"

TEST_F(PruebaVentanas, RemansoMenuOpensTheFiveProfileWindows)
{
    QWidget* menu = Abrir("menuprin");
    const struct {
        const char* entrada;
        const char* clase;
        const char* titulo;
    } casos[] = {
        {"rintegracion", "crinte", "Cálculo de la curva de remanso, método de integración gráfica"},
        {"bakhmeteff", "crbak", "Cálculo de la curva de remanso, método de Bakhmeteff"},
        {"bresse", "crbresse", "Cálculo de la curva de remanso, método de Bresse"},
        {"directo", "crdirtra", "Cálculo de la curva de remanso, método directo por tramos"},
        {"tramos", "crtrafij", "Cálculo de la curva de remanso, método de tramos fijos"},
    };
    for (const auto& c : casos) {
        ElegirMenu(menu, c.entrada);
        QWidget* ventana = VentanaAbierta(c.clase);
        ASSERT_NE(ventana, nullptr) << c.clase;
        EXPECT_EQ(ventana->windowTitle(), QString::fromUtf8(c.titulo));
    }
}

TEST_F(PruebaVentanas, TablesAndGraphRestoreNoPictureButTheWindowAndCopyFrameDo)
{
    QWidget* w = Abrir("crinte");
    for (const char* caja : {"q", "b", "z", "s", "n", "y1", "y2"})
        Escribir(w, caja, "1");
    Escribir(w, "nt", "2");
    Pulsar(w, "bCalcular");
    for (const char* sobre : {"g", "grdTablaP", "Graph1", "Frame1", "Frame2", "Label13"}) {
        MoverRaton(w, "bResulParciales");
        ASSERT_TRUE(Resaltado(w, "bResulParciales"));
        MoverRaton(w, sobre);
        EXPECT_TRUE(Resaltado(w, "bResulParciales")) << sobre;
    }
    MoverRaton(w, "Frame5", {4, 4});
    EXPECT_FALSE(Resaltado(w, "bResulParciales"));
    MoverRaton(w, "bResulFinales");
    MoverRaton(w, "bCalcular");
    MoverRaton(w, "", {2, 2});  // the bare window left of Frame1
    EXPECT_FALSE(Resaltado(w, "bResulFinales"));
    EXPECT_FALSE(Resaltado(w, "bCalcular"));
    EXPECT_EQ(TextoDeEstado(w), "Ejecuta las operaciones");
}
