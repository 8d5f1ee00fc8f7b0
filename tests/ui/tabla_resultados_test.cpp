// The result grid on its own, as the profile, transition and side-weir windows
// use it.

#include <QHeaderView>
#include <QScreen>
#include <QSignalSpy>

#include "conductor.h"

namespace {

namespace {

struct PruebaTabla : PruebaVentanas {
    QWidget ventana;
    TablaResultados* tabla = nullptr;
    void SetUp() override
    {
        PruebaVentanas::SetUp();
        ventana.resize(400, 300);
        tabla = new TablaResultados(&ventana, "grd", { 0, 0, 5400, 4000 }, 3, 6);
        for (int f = 0; f < 6; ++f)
            for (int c = 0; c < 3; ++c)
                tabla->PonerTexto(f, c, QString("%1%2").arg(QChar('a' + c)).arg(f));
        ventana.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    }
};

} // namespace

TEST_F(PruebaTabla, RowZeroIsTheFixedHeader)
{
    EXPECT_EQ(tabla->Filas(), 6);
    EXPECT_EQ(tabla->rowCount(), 5);
    EXPECT_EQ(tabla->horizontalHeaderItem(1)->text(), "b0");
    EXPECT_EQ(tabla->Texto(0, 2), "c0");
    EXPECT_EQ(tabla->Texto(5, 2), "c5");
    EXPECT_EQ(tabla->Texto(6, 0), ""); // no such row
}

TEST_F(PruebaTabla, FewerRowsDropTheLastAndKeepTheRest)
{
    tabla->PonerFilas(3);
    EXPECT_EQ(tabla->Filas(), 3);
    EXPECT_EQ(tabla->Texto(2, 1), "b2");
    tabla->PonerFilas(5);
    EXPECT_EQ(tabla->Texto(2, 1), "b2");
    EXPECT_EQ(tabla->Texto(4, 1), "");
}

TEST_F(PruebaTabla, ClearingEmptiesHeaderAndCellsButKeepsTheRows)
{
    tabla->LimpiarCeldas();
    EXPECT_EQ(tabla->Filas(), 6);
    EXPECT_EQ(tabla->Texto(0, 0), "");
    EXPECT_EQ(tabla->Texto(3, 2), "");
}

TEST_F(PruebaTabla, CentredColumnsCenterCellsWrittenBeforeAndAfter)
{
    tabla->CentrarColumna(1);
    tabla->PonerTexto(5, 1, "nuevo");
    EXPECT_EQ(tabla->item(0, 1)->textAlignment(), int(Qt::AlignCenter));
    EXPECT_EQ(tabla->item(4, 1)->textAlignment(), int(Qt::AlignCenter));
    EXPECT_NE(tabla->item(0, 0)->textAlignment(), int(Qt::AlignCenter));
}

TEST_F(PruebaTabla, SelectionTextHasTabsBetweenCellsAndCarriageReturnsBetweenRows)
{
    // At opening the first data cell is current.
    EXPECT_EQ(tabla->TextoSeleccion(), "a1");
    SeleccionarCeldas(&ventana, "grd", 2, 1, 4, 2);
    EXPECT_EQ(tabla->TextoSeleccion(), "b2\tc2\rb3\tc3\rb4\tc4");
    // A click on the header selects the column's data rows, not the header.
    const int x = tabla->horizontalHeader()->sectionViewportPosition(0) + 5;
    QTest::mouseClick(tabla->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
    EXPECT_EQ(tabla->TextoSeleccion(), "a1\ra2\ra3\ra4\ra5");
    CopiarSeleccion(tabla);
    EXPECT_EQ(grabadora.portapapeles, "a1\ra2\ra3\ra4\ra5");
    EXPECT_TRUE(grabadora.portapapelesConTexto);
}

// What the screen shows of the window, from its own screen image.
QImage Pantalla(QWidget& ventana)
{
    QTest::qWait(50);
    return ventana.screen()->grabWindow(ventana.winId()).toImage();
}

TEST_F(PruebaTabla, CellsWrittenInOneBlockReachTheScreenAsAFullRepaintShowsThem)
{
    const QImage antes = Pantalla(ventana);
    {
        EscrituraEnBloque enBloque(tabla);
        for (int f = 1; f < 6; ++f)
            for (int c = 0; c < 3; ++c)
                tabla->PonerTexto(f, c, QString("n%1%2").arg(f).arg(c));
        tabla->PonerTexto(0, 1, "hb");
        // Held back until the block ends, but readable at once.
        EXPECT_EQ(tabla->Texto(3, 2), "n32");
    }
    const QImage escrito = Pantalla(ventana);
    tabla->viewport()->update();
    tabla->horizontalHeader()->viewport()->update();
    const QImage repintado = Pantalla(ventana);
    EXPECT_NE(escrito, antes);
    EXPECT_EQ(escrito, repintado);
    EXPECT_EQ(tabla->horizontalHeaderItem(1)->text(), "hb");
}

TEST_F(PruebaTabla, ABlockInsideABlockLeavesTheChangesToTheOuterOne)
{
    QSignalSpy cambios(tabla->model(), &QAbstractItemModel::dataChanged);
    {
        EscrituraEnBloque fuera(tabla);
        {
            EscrituraEnBloque dentro(tabla);
            tabla->PonerTexto(2, 0, "x");
        }
        EXPECT_EQ(cambios.count(), 0);
        tabla->PonerTexto(3, 0, "y");
    }
    EXPECT_EQ(cambios.count(), 1);
    EXPECT_FALSE(tabla->model()->signalsBlocked());
}

} // namespace
