#pragma once
// The result grid of the profile, transition and side-weir windows: a read-only
// table with one fixed header row (row 0) above its data rows, no row numbers,
// cell text set and read by (row, column) counted with the header as row 0,
// column widths in twips and per-column alignment. The user selects a block of
// cells; CopiarSeleccion puts its text on the clipboard.

#include <QTableWidget>
#include <QVector>

#include "frame/controles.h"

namespace quelmora {

class TablaResultados : public QTableWidget {
    Q_OBJECT
public:
    // filas counts the header row too, as the grids have always counted them.
    TablaResultados(
        QWidget* padre, const QString& nombre, const Twips& lugar, int columnas, int filas);

    // Rows, the header row included; at least 1.
    int Filas() const { return rowCount() + 1; }
    // Rows beyond the new count disappear; the rows that stay keep their text.
    void PonerFilas(int filas);
    int Columnas() const { return columnCount(); }

    // Cell text; row 0 is the header.
    void PonerTexto(int fila, int columna, const QString& texto);
    QString Texto(int fila, int columna) const;

    void AnchoColumna(int columna, int twips);
    // Centred horizontally and vertically, for the whole column.
    void CentrarColumna(int columna);

    // Empties every cell, the header row too; the row and column counts stay.
    void LimpiarCeldas();

    // The text of the selected block: a tab between the cells of a row and a
    // carriage return between rows; the current cell alone when nothing more is
    // selected, and the empty text when there is no current cell.
    QString TextoSeleccion() const;

private:
    friend class EscrituraEnBloque;
    QVector<Qt::Alignment> alineaciones_;
    // A header cell was written while the grid's changes were held back.
    bool cabeceraEscrita_ = false;
};

// The cells written while it lives reach the grid's view as one change when it
// ends, instead of one change per cell: a profile writes over two thousand
// cells at one "&Calcular". Only the cells' text is written meanwhile.
class EscrituraEnBloque {
public:
    explicit EscrituraEnBloque(TablaResultados* grilla);
    ~EscrituraEnBloque();
    EscrituraEnBloque(const EscrituraEnBloque&) = delete;
    EscrituraEnBloque& operator=(const EscrituraEnBloque&) = delete;

private:
    TablaResultados* grilla_;
    bool yaBloqueada_ = false;
};

// The Click of every copy button: the text of the grid's selection replaces the
// clipboard's contents. No check, no message; the grid stays as it is.
void CopiarSeleccion(const TablaResultados* grilla);

} // namespace quelmora
