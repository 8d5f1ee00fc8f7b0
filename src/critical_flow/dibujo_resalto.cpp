#include "critical_flow/dibujo_resalto.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace quelmora {

namespace {

const QColor kAgua(120, 180, 235);
const QColor kRodillo(200, 225, 245);
const QColor kFondo(150, 110, 70);
const QColor kCota(0, 0, 0);

void Flecha(QPainter& p, QPointF desde, QPointF hasta)
{
    p.drawLine(desde, hasta);
    const QPointF d = hasta - desde;
    const double largo = std::hypot(d.x(), d.y());
    if (largo == 0)
        return;
    const QPointF u = d / largo;
    const QPointF n(-u.y(), u.x());
    for (QPointF punta : { hasta, desde }) {
        const QPointF s = punta == hasta ? u : -u;
        QPolygonF cabeza;
        cabeza << punta << punta - 4 * s + 2 * n << punta - 4 * s - 2 * n;
        p.setBrush(kCota);
        p.drawPolygon(cabeza);
    }
}

void Texto(QPainter& p, QPointF base, const QString& texto, bool cursiva = true)
{
    QFont f = p.font();
    f.setItalic(cursiva);
    p.setFont(f);
    p.drawText(base, texto);
}

// The jump in long section, left half. Bed at 92; shallow surface at 74 up to
// x = 52, the roller to x = 90, deep surface at 34 beyond. The marks y1 and y2
// stand left of where the depth labels begin (x = 56 and x = 120 at the least).
void Perfil(QPainter& p)
{
    const double lecho = 92;
    QPainterPath agua;
    agua.moveTo(4, 74);
    agua.lineTo(52, 74);
    agua.cubicTo(70, 74, 76, 36, 90, 34);
    agua.lineTo(176, 34);
    agua.lineTo(176, lecho);
    agua.lineTo(4, lecho);
    agua.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kAgua);
    p.drawPath(agua);

    // The roller: a swirl of lighter water over the rising surface.
    p.setBrush(kRodillo);
    p.drawEllipse(QRectF(58, 38, 30, 24));
    p.setPen(QPen(kAgua.darker(130), 1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(63, 43, 20, 14), 30 * 16, 300 * 16);

    // Flow direction.
    p.setPen(QPen(Qt::white, 1.5));
    Flecha(p, { 8, 85 }, { 28, 85 });

    p.setPen(QPen(kFondo, 3));
    p.drawLine(QPointF(2, lecho + 1.5), QPointF(178, lecho + 1.5));

    p.setPen(QPen(kCota, 1));
    Flecha(p, { 40, 74 }, { 40, lecho });
    Texto(p, { 23, 71 }, "y1");
    Flecha(p, { 94, 34 }, { 94, lecho });
    Texto(p, { 98, 58 }, "y2");
    // L from the toe of the jump to its end, under the bed.
    p.drawLine(QPointF(52, lecho + 3), QPointF(52, lecho + 14));
    p.drawLine(QPointF(94, lecho + 3), QPointF(94, lecho + 14));
    Flecha(p, { 52, lecho + 9 }, { 94, lecho + 9 });
    Texto(p, { 38, 112 }, "L");
}

void Seccion(QPainter& p, SeccionResalto seccion)
{
    QPen borde(kFondo, 3);
    QPen cota(kCota, 1);
    switch (seccion) {
    case SeccionResalto::Rectangular:
    case SeccionResalto::Trapecial: {
        const bool trapecio = seccion == SeccionResalto::Trapecial;
        const double fondoIzq = trapecio ? 240 : 225, fondoDer = trapecio ? 300 : 315;
        const double base = 88, superficie = 40, borde1 = 22;
        const double talud = trapecio ? (fondoIzq - 205) / (base - borde1) : 0;
        const double aguaIzq = fondoIzq - talud * (base - superficie);
        const double aguaDer = fondoDer + talud * (base - superficie);
        QPolygonF agua;
        agua << QPointF(aguaIzq, superficie) << QPointF(aguaDer, superficie)
             << QPointF(fondoDer, base) << QPointF(fondoIzq, base);
        p.setPen(Qt::NoPen);
        p.setBrush(kAgua);
        p.drawPolygon(agua);
        p.setPen(borde);
        p.setBrush(Qt::NoBrush);
        QPolygonF canal;
        canal << QPointF(fondoIzq - talud * (base - borde1), borde1) << QPointF(fondoIzq, base)
              << QPointF(fondoDer, base) << QPointF(fondoDer + talud * (base - borde1), borde1);
        p.drawPolyline(canal);
        p.setPen(cota);
        Flecha(p, { fondoIzq, base + 10 }, { fondoDer, base + 10 });
        Texto(p, { (fondoIzq + fondoDer) / 2 - 3, base + 24 }, "b");
        const double xy = (fondoIzq + fondoDer) / 2 + 14;
        Flecha(p, { xy, superficie }, { xy, base });
        Texto(p, { xy + 4, (superficie + base) / 2 + 4 }, "y");
        if (trapecio) {
            // The slope triangle 1 : Z on the right side.
            const double x0 = fondoDer + talud * (base - 30), y0 = 30;
            p.drawLine(QPointF(x0, y0), QPointF(x0 + 20 * talud, y0));
            p.drawLine(QPointF(x0 + 20 * talud, y0), QPointF(x0 + 20 * talud, y0 - 20));
            Texto(p, { x0 + 20 * talud + 3, y0 - 6 }, "1", false);
            Texto(p, { x0 + 10 * talud - 3, y0 + 12 }, "Z");
        }
        break;
    }
    case SeccionResalto::Parabolica: {
        // z = (x − 270)²/k through the rims; water up to 40.
        const double eje = 270, base = 92, k = 60 * 60 / 70.0;
        auto alto = [&](double x) { return base - (x - eje) * (x - eje) / k; };
        const double superficie = 46;
        const double medio = std::sqrt((base - superficie) * k);
        QPainterPath agua;
        agua.moveTo(eje - medio, superficie);
        for (double x = eje - medio; x <= eje + medio; x += 1)
            agua.lineTo(x, alto(x));
        agua.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(kAgua);
        p.drawPath(agua);
        QPainterPath canal;
        canal.moveTo(eje - 60, alto(eje - 60));
        for (double x = eje - 60; x <= eje + 60; x += 1)
            canal.lineTo(x, alto(x));
        p.setPen(borde);
        p.setBrush(Qt::NoBrush);
        p.drawPath(canal);
        p.setPen(cota);
        Flecha(p, { eje - medio, superficie - 10 }, { eje + medio, superficie - 10 });
        Texto(p, { eje - 4, superficie - 14 }, "T");
        Flecha(p, { eje, superficie }, { eje, base });
        Texto(p, { eje + 4, (superficie + base) / 2 + 4 }, "y");
        break;
    }
    case SeccionResalto::Circular: {
        const QPointF centro(262, 60);
        const double radio = 44;
        const double superficie = 72; // a little below the centre
        QPainterPath circulo;
        circulo.addEllipse(centro, radio, radio);
        QPainterPath debajo;
        debajo.addRect(QRectF(centro.x() - radio - 2, superficie, 2 * radio + 4, radio + 4));
        p.setPen(Qt::NoPen);
        p.setBrush(kAgua);
        p.drawPath(circulo.intersected(debajo));
        p.setPen(borde);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centro, radio, radio);
        p.setPen(cota);
        const double xd = centro.x() + radio + 12;
        p.drawLine(QPointF(centro.x(), centro.y() - radio), QPointF(xd + 4, centro.y() - radio));
        p.drawLine(QPointF(centro.x(), centro.y() + radio), QPointF(xd + 4, centro.y() + radio));
        Flecha(p, { xd, centro.y() - radio }, { xd, centro.y() + radio });
        Texto(p, { xd + 5, centro.y() + 4 }, "d");
        const double xy = centro.x() - 12;
        Flecha(p, { xy, superficie }, { xy, centro.y() + radio });
        Texto(p, { xy - 12, superficie + 14 }, "y");
        break;
    }
    }
}

} // namespace

QPixmap DibujoResalto(SeccionResalto seccion)
{
    QPixmap imagen(360, 120);
    imagen.fill(Qt::white);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    QFont letra = p.font();
    letra.setPixelSize(12);
    letra.setBold(true);
    p.setFont(letra);
    Perfil(p);
    Seccion(p, seccion);
    return imagen;
}

} // namespace quelmora
