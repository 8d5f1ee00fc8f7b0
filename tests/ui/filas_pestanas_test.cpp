// The seepage window's material tabs stand in two rows of three, as a user sees
// and clicks them: the tabs of a row share its width, and the row of the chosen
// page stands in front, next to the page, the other row behind it.

#include <QTabWidget>

#include "conductor.h"
#include "frame/filas_pestanas.h"

using namespace quelmora;

namespace {

namespace {

class TabsEnFilas : public PruebaVentanas {
protected:
    QWidget* w = nullptr;
    FilasPestanas* filas = nullptr;
    QTabWidget* materiales = nullptr;
    void SetUp() override
    {
        PruebaVentanas::SetUp();
        w = Abrir("frmPerdidasCanales");
        ASSERT_NE(w, nullptr);
        filas = Hallar<FilasPestanas>(w, "SSTab2_filas");
        materiales = Hallar<QTabWidget>(w, "SSTab2");
        ASSERT_TRUE(filas && materiales);
    }
    // A click at the middle of column columna (0 to 2) of row fila
    // (0 the back row, 1 the front row).
    void PulsarEn(int fila, int columna)
    {
        const int alto = filas->height() / 2;
        const QPoint punto(filas->width() * (2 * columna + 1) / 6, alto * fila + alto / 2);
        QTest::mouseClick(filas, Qt::LeftButton, {}, punto);
    }
    QString Elegida() const { return materiales->tabText(materiales->currentIndex()); }
};

TEST_F(TabsEnFilas, TheFirstRowStartsInFrontAndTheOtherBehindIt)
{
    EXPECT_EQ(Elegida(), "Etcheverry");
    EXPECT_FALSE(materiales->tabBar()->isVisible());
    PulsarEn(1, 2);
    EXPECT_EQ(Elegida(), "Moritz");
    PulsarEn(0, 0);
    EXPECT_EQ(Elegida(), "Pavlovski - Kostiakov");
}

TEST_F(TabsEnFilas, ChoosingATabOfTheBackRowBringsItsRowToTheFront)
{
    PulsarEn(0, 1);
    EXPECT_EQ(Elegida(), "Davis - Wilson");
    // Now "Etcheverry", "Punjab" and "Moritz" stand behind.
    PulsarEn(1, 0);
    EXPECT_EQ(Elegida(), "Pavlovski - Kostiakov");
    PulsarEn(0, 1);
    EXPECT_EQ(Elegida(), "Punjab");
    PulsarEn(1, 2);
    EXPECT_EQ(Elegida(), "Moritz");
}

TEST_F(TabsEnFilas, TheEmptyPlaceOfTheShortRowChoosesNothing)
{
    PulsarEn(1, 1);
    EXPECT_EQ(Elegida(), "Punjab");
    PulsarEn(0, 2);
    EXPECT_EQ(Elegida(), "Punjab");
}

TEST_F(TabsEnFilas, EveryCaptionIsReadWholeAndThePagesStartBelowTheRows)
{
    EXPECT_EQ(filas->Filas(), 2);
    for (int i = 0; i < materiales->count(); ++i) {
        const QString texto = materiales->tabText(i);
        const QFont fuente = filas->FuentePestana(i);
        EXPECT_LE(
            QFontMetrics(fuente).horizontalAdvance(texto), filas->RectanguloPestana(i).width() - 8)
            << texto.toStdString();
        EXPECT_GE(fuente.pointSizeF(), 0.75 * filas->font().pointSizeF()) << texto.toStdString();
    }
    EXPECT_GE(materiales->geometry().top(), filas->geometry().bottom() + 1);
    EXPECT_EQ(materiales->parentWidget(), filas->parentWidget());
}

} // namespace

} // namespace
