#pragma once
// The line graph of the profile windows and of the natural-channel section: one
// data set of points (x, value) drawn as a line, with a graph title and the two
// axis titles; hidden until it is first drawn.

#include <QChartView>
#include <QList>
#include <QPointF>

#include "frame/controles.h"

class QLineSeries;
class QValueAxis;

namespace quelmora {

class GraficoLineas : public QChartView {
    Q_OBJECT
public:
    GraficoLineas(QWidget* padre, const QString& nombre, const Twips& lugar, const QString& titulo,
        const QString& tituloX = QStringLiteral("Eje X"),
        const QString& tituloY = QStringLiteral("Eje Y"));

    // Replaces the data set and shows the graph. Where every x (or every value)
    // is the same, that axis is widened around it so the line stays in view.
    void Dibujar(const QList<QPointF>& puntos);

    QList<QPointF> Puntos() const;
    QString Titulo() const;
    QValueAxis* EjeX() const { return ejeX_; }
    QValueAxis* EjeY() const { return ejeY_; }

private:
    QLineSeries* serie_ = nullptr;
    QValueAxis* ejeX_ = nullptr;
    QValueAxis* ejeY_ = nullptr;
};

} // namespace quelmora
