#include "frame/grafico_lineas.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace quelmora {

namespace {

constexpr int kAltoMinimo = 110;

// The range of an axis over the values; a single value gets room around it.
std::pair<double, double> Rango(const QList<double>& valores)
{
    if (valores.isEmpty())
        return { 0.0, 1.0 };
    const auto [menor, mayor] = std::minmax_element(valores.begin(), valores.end());
    double desde = *menor, hasta = *mayor;
    if (desde == hasta) {
        const double margen = desde != 0.0 ? std::fabs(desde) * 0.1 : 1.0;
        desde -= margen;
        hasta += margen;
    }
    return { desde, hasta };
}

// A round number of the form 1, 2 or 5 times a power of ten near x: the next
// one up (arriba) or the nearest.
double NumeroRedondo(double x, bool arriba)
{
    const double potencia = std::pow(10.0, std::floor(std::log10(x)));
    double q = x / potencia;
    if (arriba)
        q = q <= 1.0 ? 1.0 : q <= 2.0 ? 2.0 : q <= 5.0 ? 5.0 : 10.0;
    else
        q = q < 1.5 ? 1.0 : q < 3.0 ? 2.0 : q < 7.0 ? 5.0 : 10.0;
    return q * potencia;
}

// Widens the axis to round ticks, as the chart's own rounding of an axis does
// (loose nice numbers), and sets range and tick count at once: each change of
// an axis lays the whole chart out again, and a profile's graph is drawn at
// every calculation.
void PonerEjeRedondo(QValueAxis* eje, double desde, double hasta)
{
    const double paso
        = NumeroRedondo(NumeroRedondo(hasta - desde, true) / (eje->tickCount() - 1), false);
    const double primero = std::floor(desde / paso);
    const double ultimo = std::ceil(hasta / paso);
    const double intervalos = ultimo - primero;
    // A span beyond the number range (ends near ±1e308), or one too small for
    // a power of ten to measure it, has no round step, and its count of ticks
    // no value to make a whole number of: such an axis keeps the ends of the
    // data and the ticks it has. A round step gives at most about 1.5·(n − 1) + 2.
    if (!(intervalos >= 1.0 && intervalos <= 4.0 * eje->tickCount())) {
        eje->setRange(desde, hasta);
        return;
    }
    eje->setTickCount(static_cast<int>(intervalos) + 1);
    eje->setRange(primero * paso, ultimo * paso);
}

} // namespace

GraficoLineas::GraficoLineas(QWidget* padre, const QString& nombre, const Twips& lugar,
    const QString& titulo, const QString& tituloX, const QString& tituloY)
    // The chart is handed over as the view is built: a view built without one
    // makes a chart of its own, and replacing it later lets it go without ever
    // freeing it.
    : QChartView(new QChart, padre)
{
    setObjectName(nombre);
    setGeometry(EnPixeles(lugar));
    // Below about 106 pixels the chart gives its horizontal axis no room and cuts
    // its numbers and title to "..."; the forms' 1575-twip graphs are 105.
    if (height() < kAltoMinimo)
        resize(width(), kAltoMinimo);
    setRenderHint(QPainter::Antialiasing);
    QChart* grafico = chart();
    grafico->setTitle(titulo);
    grafico->legend()->hide();
    // The graphs are small (about 400 by 105 pixels): small type and no margins,
    // so that the axis numbers and titles fit instead of being cut to "...".
    // A little room on the right, where the last number of the horizontal axis
    // stands half beyond the plot.
    grafico->setMargins(QMargins(0, 0, 10, 0));
    grafico->layout()->setContentsMargins(0, 0, 0, 0);
    grafico->setBackgroundRoundness(0);
    QFont letra = font();
    letra.setPointSizeF(7.0);
    grafico->setTitleFont(letra);
    QFont pequena = font();
    pequena.setPointSizeF(6.0);
    serie_ = new QLineSeries;
    // A dark line reads on every background a window gives its graph (the
    // natural-channel section is drawn on cyan).
    serie_->setPen(QPen(QColor(0, 0, 160), 2));
    grafico->addSeries(serie_);
    ejeX_ = new QValueAxis;
    ejeY_ = new QValueAxis;
    ejeX_->setTitleText(tituloX);
    ejeY_->setTitleText(tituloY);
    for (QValueAxis* eje : { ejeX_, ejeY_ }) {
        eje->setLabelsFont(pequena);
        eje->setTitleFont(pequena);
        eje->setLabelFormat(QStringLiteral("%g"));
    }
    ejeX_->setTickCount(5);
    ejeY_->setTickCount(3);
    grafico->addAxis(ejeX_, Qt::AlignBottom);
    grafico->addAxis(ejeY_, Qt::AlignLeft);
    serie_->attachAxis(ejeX_);
    serie_->attachAxis(ejeY_);
    hide();
}

void GraficoLineas::Dibujar(const QList<QPointF>& puntos)
{
    show();
    QList<double> xs, ys;
    for (const QPointF& p : puntos) {
        xs << p.x();
        ys << p.y();
    }
    const auto [x0, x1] = Rango(xs);
    const auto [y0, y1] = Rango(ys);
    // Round ticks read better than the ends of the data. The axes go first, so
    // that the line is laid out once, in its new axes, rather than once in the
    // old ones and again at each axis.
    PonerEjeRedondo(ejeX_, x0, x1);
    PonerEjeRedondo(ejeY_, y0, y1);
    serie_->replace(puntos);
}

QList<QPointF> GraficoLineas::Puntos() const { return serie_->points(); }

QString GraficoLineas::Titulo() const { return chart()->title(); }

} // namespace quelmora
