#pragma once
// Tabs in rows of a fixed count, for a tab control with more captions than one
// row holds: the tabs of each row share its width, and the row of the chosen
// page stands next to the page, the other rows behind it. The tab control keeps
// its pages and its chosen page; this strip stands in for its one-row tab bar,
// which stays hidden.

#include <QList>
#include <QWidget>

class QTabWidget;

namespace quelmora {

// The sizes a caption too wide for its tab is tried at after the face's own
// (puntos): a quarter point smaller each time, down to three quarters of it.
QList<double> TamanosMenoresPestana(double puntos);

class FilasPestanas : public QWidget {
    Q_OBJECT
public:
    // Takes the place of the tab bar of pestanas, whose own geometry must leave
    // the rows above it; porFila tabs to a row, each row altoFila pixels high.
    FilasPestanas(QWidget* padre, QTabWidget* pestanas, int porFila, int altoFila);

    // Where tab i is drawn, in the strip's coordinates.
    QRect RectanguloPestana(int i) const;
    // The face tab i's caption is drawn in, narrowed as far as it must be.
    QFont FuentePestana(int i) const;
    int Filas() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QTabWidget* pestanas_;
    int porFila_;
    int altoFila_;
};

} // namespace quelmora
