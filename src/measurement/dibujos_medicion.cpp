#include "measurement/dibujos_medicion.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "frame/texto_numero.h"
#include "measurement/core/vertederos.h"
#include "measurement/opciones_vertedero.h"
#include "resources/imagenes.h"

namespace quelmora {

namespace {

const QColor kAgua(150, 200, 255);
const QColor kTierra(181, 136, 82);
const QColor kConcreto(200, 200, 200);
const QColor kCota(0, 0, 160);

// A white canvas of the given size with a painter ready on it.
struct Lienzo {
    QPixmap imagen;
    QPainter pintor;
    Lienzo(int ancho, int alto)
        : imagen(ancho, alto)
    {
        imagen.fill(Qt::white);
        pintor.begin(&imagen);
        pintor.setRenderHint(QPainter::Antialiasing);
        QFont letra(QStringLiteral("Arial"));
        letra.setPixelSize(11);
        pintor.setFont(letra);
    }
    QPixmap terminar()
    {
        pintor.end();
        return imagen;
    }
    void texto(double x, double y, const QString& t, const QColor& color = Qt::black)
    {
        pintor.setPen(color);
        pintor.drawText(QPointF(x, y), t);
    }
    void negrita(double x, double y, const QString& t, int tamano = 12)
    {
        QFont f = pintor.font();
        QFont n = f;
        n.setBold(true);
        n.setPixelSize(tamano);
        pintor.setFont(n);
        texto(x, y, t);
        pintor.setFont(f);
    }
    // A dimension line with arrow heads at both ends.
    void cota(QPointF a, QPointF b)
    {
        pintor.setPen(QPen(kCota, 1));
        pintor.drawLine(a, b);
        const QPointF d = b - a;
        const double largo = std::hypot(d.x(), d.y());
        if (largo == 0)
            return;
        const QPointF u = d / largo;
        const QPointF n(-u.y(), u.x());
        for (const auto& [punta, sentido] : { std::pair { a, u }, std::pair { b, -u } }) {
            pintor.setBrush(kCota);
            pintor.drawPolygon(
                QPolygonF { punta, punta + sentido * 5 + n * 2.5, punta + sentido * 5 - n * 2.5 });
        }
        pintor.setBrush(Qt::NoBrush);
    }
};

QPixmap EsquemaCanalNatural(bool conRugosidades)
{
    Lienzo l(340, 115);
    QPainter& p = l.pintor;
    // Surface at y = 22, the bed through the five segment ends.
    const double sup = 22;
    const double xs[] = { 30, 85, 140, 200, 255, 310 };
    const double hs[] = { 30, 60, 80, 72, 50, 28 };
    QPolygonF agua;
    agua << QPointF(xs[0], sup);
    for (int i = 0; i < 6; ++i)
        agua << QPointF(xs[i], sup + hs[i]);
    agua << QPointF(xs[5], sup);
    p.setPen(Qt::NoPen);
    p.setBrush(kAgua);
    p.drawPolygon(agua);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTierra, 2.5));
    p.drawLine(QPointF(xs[0], sup - 8), QPointF(xs[0], sup + hs[0]));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(xs[i], sup + hs[i]), QPointF(xs[i + 1], sup + hs[i + 1]));
    p.drawLine(QPointF(xs[5], sup + hs[5]), QPointF(xs[5], sup - 8));
    p.setPen(QPen(Qt::blue, 1.2));
    p.drawLine(QPointF(xs[0], sup), QPointF(xs[5], sup));
    p.setPen(QPen(Qt::black, 0.8, Qt::DashLine));
    for (int i = 1; i < 5; ++i)
        p.drawLine(QPointF(xs[i], sup), QPointF(xs[i], sup + hs[i]));
    for (int i = 0; i < 5; ++i) {
        l.cota({ xs[i], 10 }, { xs[i + 1], 10 });
        l.texto((xs[i] + xs[i + 1]) / 2 - 6, 9, QStringLiteral("L%1").arg(i + 1));
    }
    l.texto(xs[0] - 22, sup + hs[0] / 2 + 4, QStringLiteral("h0"));
    for (int i = 1; i < 5; ++i)
        l.texto(xs[i] + 2, sup + hs[i] / 2 + 4, QStringLiteral("h%1").arg(i));
    l.texto(xs[5] + 4, sup + hs[5] / 2 + 4, QStringLiteral("h5"));
    if (conRugosidades) {
        const QColor rojo(180, 0, 0);
        l.texto(xs[0] - 22, sup + hs[0] + 10, QStringLiteral("n0"), rojo);
        for (int i = 0; i < 5; ++i)
            l.texto((xs[i] + xs[i + 1]) / 2 - 6, sup + (hs[i] + hs[i + 1]) / 2 + 16,
                QStringLiteral("n%1").arg(i + 1), rojo);
        l.texto(xs[5] + 4, sup + hs[5] + 12, QStringLiteral("n6"), rojo);
    }
    return l.terminar();
}

} // namespace

QPixmap DibujoEsquemaCanalNatural(bool conRugosidades)
{
    // Shown at every opening of both natural-channel windows: drawn once.
    return DibujoGuardado(conRugosidades ? "EsquemaCanalNatural/n" : "EsquemaCanalNatural",
        [conRugosidades] { return EsquemaCanalNatural(conRugosidades); });
}

QPixmap DibujoCompuerta()
{
    Lienzo l(268, 197);
    QPainter& p = l.pintor;
    // Side view with a little depth: the channel bed, the gate, the jet.
    const double fondo = 160;
    p.setPen(Qt::NoPen);
    p.setBrush(kAgua);
    QPainterPath agua;
    agua.moveTo(10, fondo);
    agua.lineTo(10, 60);
    agua.lineTo(100, 60);
    agua.lineTo(100, 140);
    agua.cubicTo(125, 140, 135, 146, 150, 146);
    agua.lineTo(190, 146);
    agua.cubicTo(205, 146, 210, 120, 225, 120);
    agua.lineTo(258, 120);
    agua.lineTo(258, fondo);
    agua.closeSubpath();
    p.drawPath(agua);
    p.setBrush(kConcreto);
    p.setPen(QPen(Qt::black, 1));
    // The gate leaf, drawn in perspective as a slab.
    p.drawPolygon(QPolygonF { { 96, 20 }, { 104, 14 }, { 104, 134 }, { 96, 140 } });
    p.drawRect(QRectF(86, 12, 18, 8));
    p.setBrush(kTierra);
    p.drawRect(QRectF(5, fondo, 258, 10));
    p.setBrush(Qt::NoBrush);
    l.cota({ 40, 60 }, { 40, fondo });
    l.texto(44, 112, QStringLiteral("y1"));
    l.cota({ 112, 140 }, { 112, fondo });
    l.texto(114, 156, QStringLiteral("a"));
    l.cota({ 170, 146 }, { 170, fondo });
    l.texto(173, 156, QStringLiteral("y2 = Cc × a"));
    l.cota({ 100, 182 }, { 170, 182 });
    l.texto(120, 194, QStringLiteral("L = a/Cc"));
    l.cota({ 240, 120 }, { 240, fondo });
    l.texto(244, 142, QStringLiteral("y3"));
    l.cota({ 104, 8 }, { 150, 8 });
    l.texto(122, 7, QStringLiteral("b"));
    l.negrita(150, 40, QStringLiteral("Compuerta"));
    return l.terminar();
}

QPixmap DibujoEcuacionesCompuerta()
{
    Lienzo l(381, 217);
    l.negrita(10, 20, QStringLiteral("Compuerta con descarga libre"));
    l.negrita(10, 48, QStringLiteral("Q = Cd · b · a · √(2 g y1)"), 13);
    l.negrita(10, 74, QStringLiteral("Cd = Cv · Cc / √(1 + Cc · a / y1)"), 13);
    l.negrita(10, 100, QStringLiteral("Cv = 0.96 + 0.079 · a / y1"), 13);
    const char* lineas[] = {
        "Q : caudal (m3/s)",
        "b : ancho de la compuerta (m)",
        "a : abertura de la compuerta (m)",
        "y1 : tirante aguas arriba (m)",
        "Cd, Cv, Cc : coeficientes de descarga, velocidad y contracción",
        "Para fines prácticos Cc = 0.62",
    };
    double y = 124;
    for (const char* linea : lineas) {
        l.texto(14, y, QString::fromUtf8(linea));
        y += 16;
    }
    return l.terminar();
}

QPixmap DibujoOrificios()
{
    Lienzo l(386, 340);
    QPainter& p = l.pintor;
    struct Tipo {
        const char* nombre;
        const char* cd;
        int forma;
    };
    const Tipo tipos[] = { { "Orificio de pared delgada", "Cd = 0.60", 0 },
        { "Orificio con tubo de salida", "Cd = 0.82", 1 },
        { "Orificio abocinado", "Cd = 0.97", 2 } };
    for (int i = 0; i < 3; ++i) {
        const double x = 12 + i * 125;
        const double centro = 110;
        p.setPen(Qt::NoPen);
        p.setBrush(kAgua);
        p.drawRect(QRectF(x, 40, 50, 120));
        p.setBrush(kConcreto);
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(QRectF(x + 50, 30, 10, centro - 8 - 30));
        p.drawRect(QRectF(x + 50, centro + 8, 10, 160 - centro - 8));
        p.setBrush(Qt::NoBrush);
        if (tipos[i].forma == 1) {
            p.drawLine(QPointF(x + 60, centro - 8), QPointF(x + 90, centro - 8));
            p.drawLine(QPointF(x + 60, centro + 8), QPointF(x + 90, centro + 8));
        } else if (tipos[i].forma == 2) {
            p.drawArc(QRectF(x + 38, centro - 28, 24, 20), 270 * 16, 90 * 16);
            p.drawArc(QRectF(x + 38, centro + 8, 24, 20), 0, 90 * 16);
        }
        p.setPen(QPen(Qt::blue, 2));
        p.drawLine(QPointF(x + 62, centro), QPointF(x + 108, centro + 14));
        l.cota({ x + 20, 40 }, { x + 20, centro });
        l.texto(x + 24, 78, QStringLiteral("h"));
        l.pintor.setPen(Qt::black);
        l.pintor.drawText(
            QRectF(x, 166, 118, 30), Qt::TextWordWrap, QString::fromUtf8(tipos[i].nombre));
        l.negrita(x, 210, QString::fromUtf8(tipos[i].cd));
    }
    l.negrita(12, 242, QStringLiteral("Q = Cd · A · √(2 g h)"), 14);
    const char* lineas[] = {
        "Q : caudal (m3/s)",
        "A : área del orificio (m2)",
        "h : altura de la superficie del agua sobre el centro del orificio (m)",
        "Cd : coeficiente de descarga",
    };
    double y = 266;
    for (const char* linea : lineas) {
        l.texto(14, y, QString::fromUtf8(linea));
        y += 17;
    }
    return l.terminar();
}

QPixmap DibujoCresta(int tipo)
{
    Lienzo l(254, 171);
    QPainter& p = l.pintor;
    const double fondo = 150;
    const double cresta = 80;
    // Water coming from the left over the crest.
    QPainterPath agua;
    agua.moveTo(5, fondo);
    agua.lineTo(5, 40);
    agua.lineTo(90, 42);
    agua.cubicTo(130, 46, 150, 70, 175, 130);
    agua.lineTo(200, 148);
    agua.lineTo(200, fondo);
    agua.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kAgua);
    p.drawPath(agua);
    p.setBrush(kConcreto);
    p.setPen(QPen(Qt::black, 1));
    QString nombre;
    QString coeficiente;
    if (tipo == 2) {
        QPainterPath perfil;
        perfil.moveTo(90, fondo);
        perfil.lineTo(90, cresta);
        perfil.cubicTo(105, cresta - 6, 120, cresta - 2, 135, cresta + 20);
        perfil.cubicTo(150, cresta + 45, 160, fondo - 10, 190, fondo);
        perfil.closeSubpath();
        p.drawPath(perfil);
    } else if (tipo == 3) {
        p.drawRect(QRectF(90, cresta, 70, fondo - cresta));
    } else {
        p.drawPolygon(QPolygonF { { 90, fondo }, { 90, cresta }, { 96, cresta }, { 110, fondo } });
    }
    for (const auto& t : kTiposCresta)
        if (t.imagen == tipo) {
            nombre = TituloOpcion(t.cresta);
            coeficiente = NumeroExacto(t.coeficiente);
        }
    p.setBrush(kTierra);
    p.drawRect(QRectF(2, fondo, 250, 8));
    l.cota({ 40, 42 }, { 40, cresta });
    l.texto(44, 66, QStringLiteral("h"));
    p.setPen(QPen(Qt::black, 0.6, Qt::DashLine));
    p.drawLine(QPointF(30, cresta), QPointF(90, cresta));
    l.negrita(120, 20, nombre);
    l.negrita(150, 38, QStringLiteral("Cd = ") + coeficiente);
    return l.terminar();
}

QPixmap DibujoVertederoRectangular()
{
    Lienzo l(382, 219);
    QPainter& p = l.pintor;
    // Front view of a contracted weir across the channel.
    p.setBrush(kConcreto);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(QRectF(10, 20, 170, 110));
    p.setBrush(kAgua);
    p.drawRect(QRectF(50, 20, 90, 40));
    p.setBrush(Qt::NoBrush);
    l.cota({ 50, 70 }, { 140, 70 });
    l.texto(90, 84, QStringLiteral("L"));
    l.cota({ 150, 20 }, { 150, 60 });
    l.texto(154, 44, QStringLiteral("h"));
    // Side view: the head measured upstream.
    p.setBrush(kAgua);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(200, 40, 120, 90));
    p.setBrush(kConcreto);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(QRectF(320, 80, 8, 50));
    p.setBrush(Qt::NoBrush);
    l.cota({ 220, 40 }, { 220, 80 });
    l.texto(224, 64, QStringLiteral("h"));
    l.cota({ 220, 140 }, { 320, 140 });
    l.texto(240, 154, QStringLiteral("d ≥ 4h"));
    l.negrita(10, 176, QStringLiteral("Q = Cd · (L − 0.1 · n · h) · h^(3/2)"), 13);
    l.texto(10, 194, QStringLiteral("Q: caudal (m3/s);  L, h: longitud de cresta y carga (m)"));
    l.texto(10, 210, QString::fromUtf8("n: número de contracciones (0, 1 o 2)"));
    return l.terminar();
}

QPixmap DibujoVertederoTriangular()
{
    Lienzo l(309, 191);
    QPainter& p = l.pintor;
    // A trapezoidal channel closed by a plate with a V notch.
    p.setBrush(kConcreto);
    p.setPen(QPen(Qt::black, 1));
    p.drawPolygon(QPolygonF { { 20, 30 }, { 289, 30 }, { 229, 170 }, { 80, 170 } });
    p.setBrush(kAgua);
    p.drawPolygon(QPolygonF { { 110, 40 }, { 199, 40 }, { 154.5, 130 } });
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1.2));
    p.drawLine(QPointF(100, 30), QPointF(154.5, 140));
    p.drawLine(QPointF(209, 30), QPointF(154.5, 140));
    p.drawArc(QRectF(134.5, 100, 40, 40), 63 * 16, 54 * 16);
    l.negrita(148, 96, QStringLiteral("θ"));
    l.cota({ 215, 40 }, { 215, 130 });
    l.texto(220, 90, QStringLiteral("h"));
    return l.terminar();
}

QPixmap DibujoTablaTriangular()
{
    Lienzo l(401, 144);
    l.negrita(10, 22, QStringLiteral("Q = Cd · h^(5/2)"), 14);
    l.texto(200, 22, QStringLiteral("Q (m3/s), h (m)"));
    l.negrita(10, 50, QString::fromUtf8("Ángulo"));
    l.negrita(10, 72, QStringLiteral("Cd"));
    l.negrita(10, 94, QStringLiteral("h mayor que"));
    double x = 100;
    for (const auto& angulo : kCargaMinimaTriangular) {
        l.texto(x, 50, TituloOpcion(angulo.escotadura));
        l.texto(x, 72, NumeroExacto(angulo.coeficiente));
        l.texto(x, 94, QString::number(angulo.cargaMinima) + QStringLiteral(" m"));
        x += 50;
    }
    return l.terminar();
}

QPixmap DibujoVertederoTrapezoidal()
{
    Lienzo l(301, 184);
    QPainter& p = l.pintor;
    p.setBrush(kConcreto);
    p.setPen(QPen(Qt::black, 1));
    p.drawPolygon(QPolygonF { { 10, 20 }, { 291, 20 }, { 231, 170 }, { 70, 170 } });
    // The notch: sides 1 horizontal to 4 vertical.
    p.setBrush(kAgua);
    p.drawPolygon(QPolygonF { { 95, 40 }, { 206, 40 }, { 196, 80 }, { 105, 80 } });
    p.setBrush(Qt::NoBrush);
    l.cota({ 105, 92 }, { 196, 92 });
    l.texto(146, 106, QStringLiteral("L"));
    // The slope read as one mark beside the notch's right side.
    l.texto(208, 64, QStringLiteral("1 : 4"));
    l.negrita(90, 140, QStringLiteral("Vertedero Cipolletti"));
    return l.terminar();
}

QPixmap DibujoEcuacionTrapezoidal()
{
    Lienzo l(259, 186);
    l.negrita(10, 28, QStringLiteral("Q = 1.859 · L · h^(3/2)"), 14);
    l.texto(10, 60, QStringLiteral("Q : caudal (m3/s)"));
    l.texto(10, 80, QStringLiteral("L : longitud de cresta (m)"));
    l.texto(10, 100, QStringLiteral("h : carga sobre el vertedero (m)"));
    l.negrita(10, 134, QStringLiteral("Se recomienda:"));
    l.texto(10, 154, QStringLiteral("0.06 < h < L/3"));
    return l.terminar();
}

} // namespace quelmora
