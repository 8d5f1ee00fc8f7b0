// The segment grid on its own, in a bare frame beside one other box, driven by
// keys and clicks as a user drives it.

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "measurement/grilla_tramos.h"

using namespace quelmora;

namespace {

namespace {

class GrillaSola : public ::testing::Test {
protected:
    std::unique_ptr<QWidget> marco;
    GrillaTramos* grilla = nullptr;
    QLineEdit* otra = nullptr;
    QString estado = QStringLiteral("sin escribir");

    void Armar(int columnas, int ancho)
    {
        marco = std::make_unique<QWidget>();
        marco->resize(600, 500);
        grilla = new GrillaTramos(marco.get(), columnas, ancho, 120, 1560);
        otra = new QLineEdit(marco.get());
        otra->setObjectName(QStringLiteral("otra"));
        otra->move(400, 20);
        QObject::connect(
            grilla, &GrillaTramos::textoEstado, [this](const QString& texto) { estado = texto; });
        marco->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(marco.get()));
        grilla->grilla()->setFocus();
    }
    void SetUp() override { Armar(3, 1200); }

    // Keys go where the focus is, as they do for a user.
    void Teclas(const QString& texto)
    {
        for (QChar c : texto)
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
    }
    void Tecla(Qt::Key tecla) { QTest::keyClick(QApplication::focusWidget(), tecla); }
    void Enter() { Tecla(Qt::Key_Return); }
    // A row typed into the entry row and completed with Enter after each value.
    void Fila(const QStringList& valores)
    {
        for (const auto& v : valores) {
            Teclas(v);
            Enter();
        }
    }
    QTableWidget* tabla() const { return grilla->grilla(); }
    QLineEdit* editor() const { return grilla->editor(); }
    void ClicDerecho()
    {
        const QRect celda = tabla()->visualRect(tabla()->model()->index(0, 0));
        QTest::mouseClick(tabla()->viewport(), Qt::RightButton, {}, celda.center());
    }
    QMenu* menu() const { return marco->findChild<QMenu*>(QStringLiteral("mnuEdicion")); }
    QAction* accion(const char* nombre) const { return marco->findChild<QAction*>(nombre); }
};

TEST_F(GrillaSola, NewGridHasOnlyTheEntryRowAwaitingInput)
{
    EXPECT_EQ(grilla->filas(), 2);
    EXPECT_EQ(grilla->etiqueta(1), "[?]");
    EXPECT_EQ(tabla()->horizontalHeaderItem(0)->text(), "L (m)");
    EXPECT_EQ(tabla()->horizontalHeaderItem(2)->text(), "n");
    // 4600 twips wide, header and twelve rows high.
    EXPECT_EQ(tabla()->width(), 306);
    EXPECT_GE(tabla()->viewport()->height(), 12 * 16);
    EXPECT_TRUE(editor()->isHidden());
}

TEST_F(GrillaSola, ThreeValuesAndEnterMakeASegmentAndANewEntryRow)
{
    Fila({ "5", "0.8", "0.03" });
    EXPECT_EQ(grilla->filas(), 3);
    EXPECT_EQ(grilla->etiqueta(1), " 1");
    EXPECT_EQ(grilla->texto(1, 1), "5.0");
    EXPECT_EQ(grilla->texto(1, 2), "0.8");
    EXPECT_EQ(grilla->texto(1, 3), "0.03");
    EXPECT_EQ(grilla->etiqueta(2), "[->]");
    EXPECT_EQ(grilla->filaActual(), 2);
    EXPECT_EQ(grilla->columnaActual(), 1);
}

TEST_F(GrillaSola, ConstantGridCompletesItsRowAtTheSecondEnter)
{
    Armar(2, 1400);
    EXPECT_EQ(tabla()->width(), 253); // 3800 twips
    Fila({ "2", "1" });
    EXPECT_EQ(grilla->filas(), 3);
    EXPECT_EQ(grilla->texto(1, 1), "2.0");
    EXPECT_EQ(grilla->texto(1, 2), "1.0");
}

TEST_F(GrillaSola, EnterWithoutTypingMakesAZeroSegment)
{
    Enter();
    Enter();
    Enter();
    EXPECT_EQ(grilla->filas(), 3);
    for (int c = 1; c <= 3; ++c)
        EXPECT_EQ(grilla->texto(1, c), "0.0");
}

TEST_F(GrillaSola, EnterStoresTheLeadingNumberThroughTheMask)
{
    Fila({ "abc", "1,5", "0.1234567891" });
    EXPECT_EQ(grilla->texto(1, 1), "0.0");
    EXPECT_EQ(grilla->texto(1, 2), "1.5");
    EXPECT_EQ(grilla->texto(1, 3), "0.12345679");
}

TEST_F(GrillaSola, DownStoresTheTextAsTyped)
{
    Fila({ "1", "1", "1" });
    Tecla(Qt::Key_Up); // row 1, column 1
    Teclas("abc");
    Tecla(Qt::Key_Down);
    EXPECT_EQ(grilla->texto(1, 1), "abc");
    EXPECT_EQ(grilla->filaActual(), 2);
}

TEST_F(GrillaSola, EnterOnASegmentRowMovesDownTheColumn)
{
    Fila({ "1", "1", "1" });
    Fila({ "2", "2", "2" });
    Tecla(Qt::Key_Up);
    Tecla(Qt::Key_Up);
    Tecla(Qt::Key_Right);
    Teclas("7");
    Enter();
    EXPECT_EQ(grilla->texto(1, 2), "7.0");
    EXPECT_EQ(grilla->filaActual(), 2);
    EXPECT_EQ(grilla->columnaActual(), 2);
    Teclas("8");
    Enter(); // from the last segment row into the entry row
    EXPECT_EQ(grilla->texto(2, 2), "8.0");
    EXPECT_EQ(grilla->filaActual(), 3);
    EXPECT_EQ(grilla->etiqueta(3), "[->]");
}

TEST_F(GrillaSola, EnterInTheEditorCommitsWithoutWaitingForEvents)
{
    Fila({ "1", "1", "1" });
    Tecla(Qt::Key_Up);
    Teclas("4");
    // Sent straight to the editor: no event loop runs before the cell is read.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(editor(), &enter);
    EXPECT_EQ(grilla->texto(1, 1), "4.0");
    EXPECT_TRUE(editor()->isHidden());
    EXPECT_EQ(grilla->filaActual(), 2);
}

TEST_F(GrillaSola, EscapeDropsTheEditAndScrollingCommitsIt)
{
    Fila({ "1", "1", "1" });
    Tecla(Qt::Key_Up);
    Teclas("9");
    Tecla(Qt::Key_Escape);
    EXPECT_EQ(grilla->texto(1, 1), "1.0");
    EXPECT_TRUE(editor()->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), tabla());

    for (int i = 0; i < 14; ++i)
        Fila({ "1", "1", "1" });
    Tecla(Qt::Key_Up); // the last segment row
    const int fila = grilla->filaActual();
    const int columna = grilla->columnaActual();
    ASSERT_GT(fila, 12);
    Teclas("9");
    tabla()->verticalScrollBar()->setValue(0);
    EXPECT_TRUE(editor()->isHidden());
    EXPECT_EQ(grilla->texto(fila, columna), "9");
    EXPECT_EQ(grilla->texto(fila - 1, columna), "1.0");
    EXPECT_EQ(QApplication::focusWidget(), tabla());
}

TEST_F(GrillaSola, AnEditLeftForAnotherBoxIsStoredAsTyped)
{
    Fila({ "1", "1", "1" });
    Tecla(Qt::Key_Up);
    Teclas("3x");
    otra->setFocus();
    EXPECT_TRUE(editor()->isHidden());
    EXPECT_EQ(estado, "");
    EXPECT_EQ(grilla->texto(1, 1), "3x");
    EXPECT_EQ(QApplication::focusWidget(), otra);
}

// Another window coming to the front is no way out of the editor: the edit
// stays open with its text and the focus comes back to it.
TEST_F(GrillaSola, AnotherWindowInFrontLeavesTheEditOpen)
{
    Fila({ "1", "1", "1" });
    Tecla(Qt::Key_Up);
    Teclas("4");
    QWidget delante;
    delante.show();
    delante.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&delante));
    EXPECT_TRUE(editor()->isVisible());
    EXPECT_EQ(grilla->texto(1, 1), "1.0");
    delante.close();
    marco->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(marco.get()));
    EXPECT_EQ(QApplication::focusWidget(), editor());
    EXPECT_EQ(editor()->text(), "4");
}

TEST_F(GrillaSola, BackspaceOrBlankOpensTheCellSelectedAndAKeyReplacesIt)
{
    Fila({ "2.5", "1", "1" });
    Tecla(Qt::Key_Up);
    Tecla(Qt::Key_Backspace);
    EXPECT_EQ(editor()->text(), "2.5");
    EXPECT_EQ(editor()->selectedText(), "2.5");
    Tecla(Qt::Key_Escape);
    Tecla(Qt::Key_Space);
    EXPECT_EQ(editor()->selectedText(), "2.5");
    Tecla(Qt::Key_Escape);
    Teclas("7");
    EXPECT_EQ(editor()->text(), "7");
}

TEST_F(GrillaSola, EntryRowValuesVanishWhenTheCellLeavesTheRow)
{
    Fila({ "1", "1", "1" });
    Fila({ "6", "5" });
    EXPECT_EQ(grilla->texto(2, 1), "6.0");
    Tecla(Qt::Key_Up);
    EXPECT_EQ(grilla->texto(2, 1), "");
    EXPECT_EQ(grilla->texto(2, 2), "");
    EXPECT_EQ(grilla->etiqueta(2), "[?]");
}

TEST_F(GrillaSola, UpOnTheFirstRowAndDownOnTheEntryRowCommitAndStay)
{
    Fila({ "1", "1", "1" });
    Tecla(Qt::Key_Up);
    Teclas("4");
    Tecla(Qt::Key_Up);
    EXPECT_EQ(grilla->texto(1, 1), "4");
    EXPECT_EQ(grilla->filaActual(), 1);
    Tecla(Qt::Key_Down);
    Teclas("5");
    Tecla(Qt::Key_Down);
    EXPECT_EQ(grilla->texto(2, 1), "5");
    EXPECT_EQ(grilla->filaActual(), 2);
}

TEST_F(GrillaSola, RightClickOnTheEntryRowSelectsEverythingAndDeleteEmptiesTheGrid)
{
    Fila({ "1", "1", "1" });
    Fila({ "2", "2", "2" });
    ClicDerecho(); // the pointer is over row 1; the entry row is current
    EXPECT_TRUE(menu()->isVisible());
    EXPECT_FALSE(accion("mnuEditInsertar")->isEnabled());
    EXPECT_EQ(grilla->filaActual(), 3);
    EXPECT_EQ(tabla()->selectionModel()->selectedIndexes().size(), 9);
    accion("mnuEditEliminar")->trigger();
    menu()->close();
    EXPECT_EQ(grilla->filas(), 2);
    EXPECT_EQ(grilla->filaActual(), 1);
}

TEST_F(GrillaSola, InsertOnTheFirstRowPushesTheOthersDown)
{
    Fila({ "1", "1", "1" });
    Fila({ "2", "2", "2" });
    Fila({ "3", "3", "3" });
    Tecla(Qt::Key_Up);
    Tecla(Qt::Key_Up);
    Tecla(Qt::Key_Up);
    Tecla(Qt::Key_Right);
    ClicDerecho();
    EXPECT_TRUE(accion("mnuEditInsertar")->isEnabled());
    EXPECT_EQ(grilla->columnaActual(), 1);
    EXPECT_EQ(tabla()->selectionModel()->selectedIndexes().size(), 3);
    accion("mnuEditInsertar")->trigger();
    menu()->close();
    ASSERT_EQ(grilla->filas(), 6);
    EXPECT_EQ(grilla->etiqueta(1), " 1");
    EXPECT_EQ(grilla->texto(1, 1), "");
    for (int fila = 2; fila <= 4; ++fila) {
        EXPECT_EQ(grilla->etiqueta(fila), QStringLiteral(" %1").arg(fila));
        EXPECT_EQ(grilla->texto(fila, 1), QStringLiteral("%1.0").arg(fila - 1));
    }
    EXPECT_EQ(grilla->etiqueta(5), "[?]");
    EXPECT_EQ(grilla->filaActual(), 1);
}

TEST_F(GrillaSola, RightClickCommitsAPendingEditBeforeTheMenuActs)
{
    Fila({ "1", "1", "1" });
    Fila({ "2", "2", "2" });
    Tecla(Qt::Key_Up);
    Tecla(Qt::Key_Up);
    Teclas("7");
    ClicDerecho();
    EXPECT_EQ(grilla->texto(1, 1), "7");
    EXPECT_TRUE(editor()->isHidden());
    accion("mnuEditInsertar")->trigger();
    menu()->close();
    EXPECT_EQ(grilla->texto(1, 1), "");
    EXPECT_EQ(grilla->texto(2, 1), "7");
}

TEST_F(GrillaSola, DeleteOnTheLastSegmentLeavesTheEntryRowCurrent)
{
    Fila({ "1", "1", "1" });
    Fila({ "2", "2", "2" });
    Tecla(Qt::Key_Up);
    Tecla(Qt::Key_Right);
    ClicDerecho();
    accion("mnuEditEliminar")->trigger();
    menu()->close();
    EXPECT_EQ(grilla->filas(), 3);
    EXPECT_EQ(grilla->texto(1, 1), "1.0");
    EXPECT_EQ(grilla->filaActual(), 2);
    EXPECT_EQ(grilla->columnaActual(), 1);
    EXPECT_EQ(grilla->etiqueta(2), "[->]");
}

TEST_F(GrillaSola, EnterOnTheGridScrollsSoTheCurrentRowSitsTwelveBelowTheTop)
{
    for (int i = 0; i < 19; ++i)
        Fila({ "1", "1", "1" });
    // Enter on the grid itself, not in the editor, from row 9 to row 10: no scroll.
    tabla()->setCurrentCell(8, 0);
    tabla()->verticalScrollBar()->setValue(2);
    Enter();
    EXPECT_EQ(grilla->filaActual(), 10);
    EXPECT_EQ(grilla->primeraFilaVisible(), 3);
    // From row 19 to row 20: row 8 comes to the top.
    tabla()->setCurrentCell(18, 0);
    Enter();
    EXPECT_EQ(grilla->filaActual(), 20);
    EXPECT_EQ(grilla->primeraFilaVisible(), 8);
}

TEST_F(GrillaSola, TheEditorWritesItsHelpAndLeavingItEmptiesThePanel)
{
    Teclas("1");
    EXPECT_EQ(estado, "Para introducir o modificar datos, digitarlos y luego presionar ENTER");
    otra->setFocus();
    EXPECT_EQ(estado, "");
    tabla()->setFocus();
    Teclas("2");
    estado.clear();
    QTest::mouseMove(editor(), QPoint(3, 3));
    EXPECT_EQ(estado, "Para introducir o modificar datos, digitarlos y luego presionar ENTER");
}

// Only a number is rewritten through the mask when the editor opens on its cell:
// a word the number reader might take for infinity stays as it was typed.
TEST_F(GrillaSola, TheEditorRewritesOnlyNumbersThroughTheMask)
{
    Fila({ "1", "1", "1" });
    Tecla(Qt::Key_Up);
    Teclas("-2.50");
    Tecla(Qt::Key_Down);
    Tecla(Qt::Key_Up);
    Tecla(Qt::Key_Backspace);
    EXPECT_EQ(editor()->text(), "-2.5");
    Tecla(Qt::Key_Escape);
    // A decimal comma is a number too, written back with its point.
    Teclas("1,50");
    Tecla(Qt::Key_Down);
    Tecla(Qt::Key_Up);
    Tecla(Qt::Key_Backspace);
    EXPECT_EQ(editor()->text(), "1.5");
    Tecla(Qt::Key_Escape);
    for (const char* palabra : { "inf", "nan", "1e3x", "1,5,0" }) {
        Teclas(palabra);
        Tecla(Qt::Key_Down);
        Tecla(Qt::Key_Up);
        Tecla(Qt::Key_Space);
        EXPECT_EQ(editor()->text(), QString::fromUtf8(palabra));
        Tecla(Qt::Key_Escape);
    }
}

TEST_F(GrillaSola, InsertWithTheEntryRowCurrentOnlyMovesToTheFirstColumn)
{
    Fila({ "1", "1", "1" });
    Tecla(Qt::Key_Right);
    ASSERT_EQ(grilla->columnaActual(), 2);
    // The item is disabled in the menu; chosen all the same, it adds no row.
    accion("mnuEditInsertar")->trigger();
    EXPECT_EQ(grilla->filas(), 3);
    EXPECT_EQ(grilla->filaActual(), 2);
    EXPECT_EQ(grilla->columnaActual(), 1);
    EXPECT_EQ(grilla->texto(1, 1), "1.0");
}

} // namespace

} // namespace
