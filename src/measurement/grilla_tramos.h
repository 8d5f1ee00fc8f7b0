#pragma once
// The segment grid of the natural-channel windows: the surveyed segments typed one
// row each, an always-present entry row at the bottom, a plain text box laid over
// the current cell as its editor, and a pop-up menu that inserts and removes rows.
//
// The grid `grdt`, its editor `txtt` and the menu `mnuEdicion` are children of the
// frame that holds them. Rows are counted as the window counts them: row 0 is the
// header, rows 1 to R − 2 the segments, row R − 1 the entry row; column 0 is the
// label column and the data columns are 1 to the last.

#include <QFont>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <vector>

class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QTableWidget;
class QWidget;

namespace quelmora {

// The face the segment grid writes in.
QFont LetraGrillaTramos();

class GrillaTramos : public QObject {
    Q_OBJECT
public:
    // columnasDatos is 3 ("L (m)", "h (m)", "n") or 2 ("L (m)", "h (m)");
    // anchoColumna the width of each data column in twips; left and top in twips
    // inside the frame.
    GrillaTramos(QWidget* marco, int columnasDatos, int anchoColumna, int izquierda, int superior);

    QTableWidget* grilla() const { return grdt; }
    QLineEdit* editor() const { return txtt; }

    // Empties and rebuilds the grid with the header and the entry row only.
    void IniciarGrid();
    // Opens the editor on the current cell, started by the key with this code.
    void GridEdit(int codigo);
    // Moves the current cell on after Enter.
    void MoverCelda();
    // An edit still open over a cell is stored there as typed, as any way out of
    // the editor but Esc stores it; the grid keeps the focus if the editor had it.
    void ConfirmarEdicion() { confirmarEdicion(); }

    // Rows in all (header and entry row included), as the window counts them.
    int filas() const;
    int filaActual() const; // 1 … filas() − 1
    int columnaActual() const; // 1 … ultimaColumna()
    int ultimaColumna() const { return columnasDatos; }
    // The text of a cell in the window's numbering (row ≥ 1, column ≥ 1).
    QString texto(int fila, int columna) const;
    QString etiqueta(int fila) const;
    // The first segment row shown below the header.
    int primeraFilaVisible() const;

    // The segment rows, top to bottom, each cell's text as it stands.
    std::vector<QStringList> tramos() const;

signals:
    // A one-line help text for the status bar ("" empties it).
    void textoEstado(const QString& texto);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    bool teclaGrilla(int codigo);
    bool teclaEditor(const QKeyEvent* tecla);
    void confirmarEdicion(); // the cell being edited takes the editor's text
    void descartarEdicion(); // the cell keeps its text
    void marcarFilaIngreso(); // the entry row's label and its discarded values
    void numerarFilas(const QString& etiquetaUltima);
    void mostrarMenu(const QPoint& posicionGlobal);
    void insertarFila();
    void eliminarFila();
    void irA(int fila, int columna);
    void llevarAlFrente(int fila);

    QWidget* marco;
    QTableWidget* grdt;
    QLineEdit* txtt;
    QLabel* esquina;
    QMenu* mnuEdicion;
    QAction* mnuEditInsertar;
    QAction* mnuEditEliminar;
    int columnasDatos;
    int anchoColumna;
    bool edicionPendiente = false; // the editor is open over the current cell
    int filaEditada = 0; // the cell the editor was opened on
    int columnaEditada = 0;
};

} // namespace quelmora
