#include "frame/filas_pestanas.h"

#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>
#include <QTabWidget>

#include "frame/controles.h"

namespace quelmora {

QList<double> TamanosMenoresPestana(double puntos)
{
    QList<double> tamanos;
    for (double p = puntos; p > 0.75 * puntos;)
        tamanos << (p -= 0.25);
    return tamanos;
}

FilasPestanas::FilasPestanas(QWidget* padre, QTabWidget* pestanas, int porFila, int altoFila)
    : QWidget(padre)
    , pestanas_(pestanas)
    , porFila_(porFila)
    , altoFila_(altoFila)
{
    setObjectName(pestanas->objectName() + QStringLiteral("_filas"));
    // A move over the tabs restores no button picture, as over the tab control.
    setAttribute(Qt::WA_NoMousePropagation);
    pestanas->tabBar()->hide();
    connect(pestanas, &QTabWidget::currentChanged, this, [this] { update(); });
}

int FilasPestanas::Filas() const { return (pestanas_->count() + porFila_ - 1) / porFila_; }

QRect FilasPestanas::RectanguloPestana(int i) const
{
    if (i < 0 || i >= pestanas_->count())
        return {};
    const int filas = Filas();
    const int fila = i / porFila_;
    const int filaElegida = qMax(0, pestanas_->currentIndex()) / porFila_;
    // The chosen row comes to the front, next to the page; the others keep
    // their order behind it.
    int lugar = fila < filaElegida ? fila : fila - 1;
    if (fila == filaElegida)
        lugar = filas - 1;
    const int columna = i % porFila_;
    const int izquierda = width() * columna / porFila_;
    const int derecha = width() * (columna + 1) / porFila_;
    return QRect(izquierda, lugar * altoFila_, derecha - izquierda, altoFila_);
}

QFont FilasPestanas::FuentePestana(int i) const
{
    // The room the style leaves for the caption inside the tab.
    QStyleOptionTab opcion;
    opcion.initFrom(this);
    opcion.shape = QTabBar::RoundedNorth;
    opcion.rect = RectanguloPestana(i);
    const int ancho = style()->subElementRect(QStyle::SE_TabBarTabText, &opcion, this).width();
    const QString texto = pestanas_->tabText(i);
    // Narrower first, then a little smaller, never below three quarters of
    // the size.
    QFont fuente = FuenteQueCabe(font(), texto, ancho);
    for (double p : TamanosMenoresPestana(font().pointSizeF())) {
        if (QFontMetrics(fuente).horizontalAdvance(texto) <= ancho)
            break;
        QFont menor = font();
        menor.setPointSizeF(p);
        fuente = FuenteQueCabe(menor, texto, ancho);
    }
    return fuente;
}

void FilasPestanas::paintEvent(QPaintEvent*)
{
    QStylePainter pintor(this);
    const int elegida = pestanas_->currentIndex();
    // The chosen tab last, so that it stands over its neighbours.
    QList<int> orden;
    for (int i = 0; i < pestanas_->count(); ++i)
        if (i != elegida)
            orden << i;
    if (elegida >= 0)
        orden << elegida;
    for (int i : orden) {
        QStyleOptionTab opcion;
        opcion.initFrom(this);
        opcion.shape = QTabBar::RoundedNorth;
        opcion.rect = RectanguloPestana(i);
        opcion.text = pestanas_->tabText(i);
        const int columna = i % porFila_;
        const int enFila = qMin(porFila_, pestanas_->count() - (i / porFila_) * porFila_);
        opcion.position = enFila == 1 ? QStyleOptionTab::OnlyOneTab
            : columna == 0            ? QStyleOptionTab::Beginning
            : columna == enFila - 1   ? QStyleOptionTab::End
                                      : QStyleOptionTab::Middle;
        opcion.state &= ~QStyle::State_HasFocus;
        if (i == elegida)
            opcion.state |= QStyle::State_Selected;
        else
            opcion.state &= ~QStyle::State_Selected;
        pintor.setFont(FuentePestana(i));
        opcion.fontMetrics = QFontMetrics(pintor.font());
        pintor.drawControl(QStyle::CE_TabBarTab, opcion);
    }
}

void FilasPestanas::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    for (int i = 0; i < pestanas_->count(); ++i)
        if (RectanguloPestana(i).contains(e->position().toPoint())) {
            pestanas_->setCurrentIndex(i);
            return;
        }
}

void FilasPestanas::mouseMoveEvent(QMouseEvent* e) { e->accept(); }

} // namespace quelmora
