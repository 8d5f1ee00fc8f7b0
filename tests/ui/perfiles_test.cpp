// What the five profile windows share: the mouse over their tables and graph
// leaves the button pictures alone while the window surface and the button
// frames restore them.

#include <QValueAxis>

#include "conductor.h"

namespace {

TEST_F(PruebaVentanas, TablesAndGraphRestoreNoPictureButTheWindowAndCopyFrameDo)
{
    QWidget* w = Abrir("crinte");
    for (const char* caja : { "q", "b", "z", "s", "n", "y1", "y2" })
        Escribir(w, caja, "1");
    Escribir(w, "nt", "2");
    Pulsar(w, "bCalcular");
    for (const char* sobre : { "g", "grdTablaP", "Graph1", "Frame1", "Frame2", "Label13" }) {
        MoverRaton(w, "bResulParciales");
        ASSERT_TRUE(Resaltado(w, "bResulParciales"));
        MoverRaton(w, sobre);
        EXPECT_TRUE(Resaltado(w, "bResulParciales")) << sobre;
    }
    MoverRaton(w, "Frame5", { 4, 4 });
    EXPECT_FALSE(Resaltado(w, "bResulParciales"));
    MoverRaton(w, "bResulFinales");
    MoverRaton(w, "bCalcular");
    MoverRaton(w, "", { 2, 2 }); // the bare window left of Frame1
    EXPECT_FALSE(Resaltado(w, "bResulFinales"));
    EXPECT_FALSE(Resaltado(w, "bCalcular"));
    EXPECT_EQ(TextoDeEstado(w), "Ejecuta las operaciones");
}

TEST_F(PruebaVentanas, EqualDepthsDrawAFlatProfileOnWidenedAxes)
{
    // y1 = y2: every x is 0 and every depth 1.1; both axes get room around them.
    QWidget* w = Abrir("crinte");
    const char* cajas[] = { "q", "b", "z", "s", "n", "y1", "y2", "nt" };
    const char* valores[] = { "2", "2", "1", "0.001", "0.015", "1.1", "1.1", "4" };
    for (int i = 0; i < 8; ++i)
        Escribir(w, cajas[i], valores[i]);
    Pulsar(w, "bCalcular");
    EXPECT_EQ(Celda(w, "grdTablaP", 5, 10), "0.0");
    EXPECT_EQ(Celda(w, "g", 5, 0), "0.0");
    auto* grafico = Hallar<GraficoLineas>(w, "Graph1");
    ASSERT_EQ(grafico->Puntos().size(), 5);
    EXPECT_LT(grafico->EjeX()->min(), 0.0);
    EXPECT_GT(grafico->EjeX()->max(), 0.0);
    EXPECT_LT(grafico->EjeY()->min(), 1.1);
    EXPECT_GT(grafico->EjeY()->max(), 1.1);
}

TEST_F(PruebaVentanas, OneStepGivesTwoRowsAndTwoPoints)
{
    // nt = 1 on a rectangle b = 2, Q = 2, n = 0.015, So = 0.001 from 1.5 m to 1.2 m:
    // by hand E(1.5) = 1.522653, E(1.2) = 1.235395, Se = 1.97605e-4 and 3.50782e-4,
    // Δx = −0.287258/(0.001 − 2.74194e-4) = −395.727.
    QWidget* w = Abrir("crdirtra");
    const char* cajas[] = { "q", "b", "z", "s", "n", "y1", "y2", "nt" };
    const char* valores[] = { "2", "2", "0", "0.001", "0.015", "1.5", "1.2", "1" };
    for (int i = 0; i < 8; ++i)
        Escribir(w, cajas[i], valores[i]);
    Pulsar(w, "bCalcular");
    EXPECT_EQ(FilasDe(w, "g"), 3);
    EXPECT_EQ(Celda(w, "grdTablaP", 2, 12), "-395.727");
    EXPECT_EQ(Celda(w, "g", 2, 0), "395.73");
    EXPECT_EQ(Hallar<GraficoLineas>(w, "Graph1")->Puntos().size(), 2);
}

TEST_F(PruebaVentanas, FixedReachesWithTheLargestCountWriteOneHundredFiftyTwoRows)
{
    QWidget* w = Abrir("crtrafij");
    const char* cajas[] = { "q", "b", "z", "s", "n", "yi", "nt", "dx" };
    const char* valores[] = { "10", "3", "1.5", "0.0008", "0.02", "2.5", "32765", "-1" };
    for (int i = 0; i < 8; ++i)
        Escribir(w, cajas[i], valores[i]);
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].titulo, "Mensaje de error");
    EXPECT_EQ(FilasDe(w, "g"), 32767);
    EXPECT_EQ(Celda(w, "g", 152, 0), "-151.0");
    EXPECT_EQ(Celda(w, "g", 153, 0), "");
}

} // namespace
