#include "frame/grafico_lineas.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

// The range of an axis over the values; a single value gets room around it.
std::pair<double, double> Rango(const QList<double>& valores)
{
    if (valores.isEmpty())
        return {0.0, 1.0};
    const auto [menor, mayor] = std::minmax_element(valores.begin(), valores.end());
    double desde = *menor, hasta = *mayor;
    if (desde == hasta) {
        const double margen = desde != 0.0 ? std::fabs(desde) * 0.1 : 1.0;
        desde -= margen;
        hasta += margen;
    }
    return {desde, hasta};
}

} // namespace

GraficoLineas::GraficoLineas(QWidget* padre, const QString& nombre, const Twips& lugar,
                             const QString& titulo, const QString& tituloX, const QString& tituloY)
    : QChartView(padre)
{
    setObjectName(nombre);
    setGeometry(EnPixeles(lugar));
    setRenderHint(QPainter::Antialiasing);
    auto* grafico = new QChart;
    grafico->setTitle(titulo);
    grafico->legend()->hide();
    grafico->setMargins(QMargins(2, 2, 2, 2));
    serie_ = new QLineSeries;
    grafico->addSeries(serie_);
    ejeX_ = new QValueAxis;
    ejeX_->setTitleText(tituloX);
    ejeY_ = new QValueAxis;
    ejeY_->setTitleText(tituloY);
    grafico->addAxis(ejeX_, Qt::AlignBottom);
    grafico->addAxis(ejeY_, Qt::AlignLeft);
    serie_->attachAxis(ejeX_);
    serie_->attachAxis(ejeY_);
    setChart(grafico);
    hide();
}

void GraficoLineas::Dibujar(const QList<QPointF>& puntos)
{
    serie_->replace(puntos);
    QList<double> xs, ys;
    for (const QPointF& p : puntos) {
        xs << p.x();
        ys << p.y();
    }
    const auto [x0, x1] = Rango(xs);
    const auto [y0, y1] = Rango(ys);
    ejeX_->setRange(x0, x1);
    ejeY_->setRange(y0, y1);
    show();
}

QList<QPointF> GraficoLineas::Puntos() const { return serie_->points(); }

QString GraficoLineas::Titulo() const { return chart()->title(); }
