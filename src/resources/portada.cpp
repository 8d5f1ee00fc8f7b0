#include "resources/portada.h"
#include "resources/imagenes.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace quelmora {

namespace {

// The cover is drawn in the coordinates of its full size and scaled to the size
// asked for, so the small About picture is the same drawing.
constexpr double kAnchoPortada = 789;
constexpr double kAltoPortada = 528;

QPixmap DesdeSvg(const char* svg, int lado)
{
    return PintarSvg(QByteArray::fromRawData(svg, int(qstrlen(svg))), QSize(lado, lado));
}

// A door left ajar with an arrow leaving through it.
const char* const kSvgSalirNormal
    = R"(<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32">
  <rect x="5" y="3" width="16" height="26" fill="#6d4c2f" stroke="#3b2815" stroke-width="1"/>
  <polygon points="7,5 16,7 16,29 7,27" fill="#a87a4d" stroke="#3b2815" stroke-width="1"/>
  <circle cx="14" cy="18" r="1.2" fill="#f2d45c"/>
  <polygon points="18,13 24,13 24,9 31,16 24,23 24,19 18,19" fill="#2f6f3a" stroke="#163a1c" stroke-width="1"/>
</svg>)";

const char* const kSvgSalirResaltado
    = R"(<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32">
  <rect x="5" y="3" width="16" height="26" fill="#fff3b0" stroke="#3b2815" stroke-width="1"/>
  <polygon points="7,5 12,8 12,30 7,27" fill="#a87a4d" stroke="#3b2815" stroke-width="1"/>
  <circle cx="11" cy="18" r="1.2" fill="#f2d45c"/>
  <polygon points="16,13 23,13 23,8 31,16 23,24 23,19 16,19" fill="#d8281c" stroke="#7a1008" stroke-width="1"/>
</svg>)";

// A small trapezoidal canal with water, for the title bars.
const char* const kSvgIcono = R"(<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32">
  <rect x="0" y="0" width="32" height="32" rx="4" fill="#a9c9e8"/>
  <polygon points="1,9 31,9 23,27 9,27" fill="#9a9a92" stroke="#55554f" stroke-width="1"/>
  <polygon points="5,15 27,15 23,24 9,24" fill="#2b6cb0"/>
  <line x1="8" y1="18" x2="13" y2="18" stroke="#cfe6ff" stroke-width="1"/>
  <line x1="17" y1="20" x2="23" y2="20" stroke="#cfe6ff" stroke-width="1"/>
</svg>)";

// Where the canal's edges meet the horizon.
const QPointF kFuga(330, 222);

// The point of the line from the vanishing point towards (x, 600) at height y.
QPointF EnLinea(double xLejano, double y)
{
    const double t = (y - kFuga.y()) / (600 - kFuga.y());
    return { kFuga.x() + (xLejano - kFuga.x()) * t, y };
}

void DibujarPaisaje(QPainter& p)
{
    // Sky and distant hills.
    QLinearGradient cielo(0, 120, 0, kFuga.y());
    cielo.setColorAt(0, QColor(92, 150, 214));
    cielo.setColorAt(1, QColor(214, 232, 246));
    p.fillRect(QRectF(0, 0, kAnchoPortada, kFuga.y()), cielo);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    for (const QRectF& nube : { QRectF(120, 150, 90, 22), QRectF(160, 140, 70, 24),
             QRectF(430, 160, 110, 20), QRectF(470, 150, 60, 22) })
        p.drawEllipse(nube);

    QPainterPath cerros;
    cerros.moveTo(0, kFuga.y());
    cerros.cubicTo(90, 170, 170, 175, 250, kFuga.y() - 12);
    cerros.cubicTo(330, 182, 420, 168, 520, 196);
    cerros.cubicTo(580, 176, 640, 185, kAnchoPortada, kFuga.y());
    cerros.closeSubpath();
    p.setBrush(QColor(96, 128, 112));
    p.drawPath(cerros);

    // Fields on both banks.
    QLinearGradient campo(0, kFuga.y(), 0, kAltoPortada);
    campo.setColorAt(0, QColor(150, 176, 96));
    campo.setColorAt(1, QColor(96, 140, 58));
    p.fillRect(QRectF(0, kFuga.y(), kAnchoPortada, kAltoPortada - kFuga.y()), campo);
    p.setPen(QPen(QColor(80, 116, 48), 1));
    for (double x : { -900.0, -500.0, -250.0, 900.0, 1150.0, 1600.0 })
        p.drawLine(kFuga, EnLinea(x, 600));
}

void DibujarCanal(QPainter& p)
{
    // Edges of the channel towards the viewer (x where they reach y = 600):
    // top of the lining, water line and bed, left and right.
    const double bordeIzq = -40, bordeDer = 700;
    const double aguaIzq = 70, aguaDer = 590;
    const double coronaAncho = 34;

    // Concrete coping along both banks.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 222, 210));
    p.drawPolygon(
        QPolygonF { kFuga, EnLinea(bordeIzq - coronaAncho, 600), EnLinea(bordeIzq, 600) });
    p.drawPolygon(
        QPolygonF { kFuga, EnLinea(bordeDer, 600), EnLinea(bordeDer + coronaAncho, 600) });

    // The lined side slopes.
    QLinearGradient losa(0, kFuga.y(), 0, 600);
    losa.setColorAt(0, QColor(170, 168, 158));
    losa.setColorAt(1, QColor(128, 126, 118));
    p.setBrush(losa);
    p.drawPolygon(QPolygonF { kFuga, EnLinea(bordeIzq, 600), EnLinea(aguaIzq, 600) });
    p.setBrush(QColor(150, 148, 140));
    p.drawPolygon(QPolygonF { kFuga, EnLinea(aguaDer, 600), EnLinea(bordeDer, 600) });

    // Water, darker towards the viewer.
    QLinearGradient agua(0, kFuga.y(), 0, 600);
    agua.setColorAt(0, QColor(176, 210, 236));
    agua.setColorAt(0.35, QColor(66, 128, 186));
    agua.setColorAt(1, QColor(24, 72, 128));
    p.setBrush(agua);
    p.drawPolygon(QPolygonF { kFuga, EnLinea(aguaIzq, 600), EnLinea(aguaDer, 600) });

    // Contraction joints of the lining, closer together as they go away.
    p.setPen(QPen(QColor(92, 90, 84), 1.2));
    for (int k = 0; k < 14; ++k) {
        const double y = kFuga.y() + (600 - kFuga.y()) / (1.0 + 0.45 * k);
        if (y > kAltoPortada + 60)
            continue;
        p.drawLine(EnLinea(bordeIzq, y), EnLinea(aguaIzq, y));
        p.drawLine(EnLinea(aguaDer, y), EnLinea(bordeDer, y));
    }
    p.setPen(QPen(QColor(90, 88, 82), 1.5));
    p.drawLine(kFuga, EnLinea(bordeIzq, 600));
    p.drawLine(kFuga, EnLinea(bordeDer, 600));

    // Ripples on the surface.
    p.setPen(QPen(QColor(220, 238, 255, 170), 1.5));
    for (int k = 1; k < 10; ++k) {
        const double y = kFuga.y() + (600 - kFuga.y()) / (1.0 + 0.5 * k) + 6;
        const QPointF a = EnLinea(aguaIzq + 60 + 25 * (k % 3), y);
        const QPointF b = EnLinea(aguaDer - 120 - 30 * (k % 2), y);
        const double largo = (b.x() - a.x()) * 0.18;
        p.drawLine(QPointF(a.x() + largo * (k % 4), y), QPointF(a.x() + largo * (k % 4 + 1), y));
    }
}

} // namespace

QImage ImagenPortada(int ancho, int alto, const QString& version)
{
    QImage imagen(ancho, alto, QImage::Format_RGB32);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(ancho / kAnchoPortada, alto / kAltoPortada);

    // Light-blue ground.
    QLinearGradient fondo(0, 0, kAnchoPortada, kAltoPortada);
    fondo.setColorAt(0, QColor(214, 232, 248));
    fondo.setColorAt(1, QColor(160, 196, 230));
    p.fillRect(QRectF(0, 0, kAnchoPortada, kAltoPortada), fondo);

    // The oval vignette with the canal.
    const QRectF ovalo(36, 118, 560, 390);
    QPainterPath borde;
    borde.addEllipse(ovalo);
    p.save();
    p.setClipPath(borde);
    DibujarPaisaje(p);
    DibujarCanal(p);
    // Soft edge: the picture fades into the ground near the rim.
    QRadialGradient velo(ovalo.center(), ovalo.width() / 2);
    velo.setColorAt(0.80, QColor(214, 232, 248, 0));
    velo.setColorAt(1.0, QColor(214, 232, 248, 200));
    p.fillRect(ovalo, velo);
    p.restore();
    p.setPen(QPen(QColor(40, 78, 128), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ovalo);

    // The name, with a shadow.
    QFont nombre(QStringLiteral("DejaVu Serif"));
    nombre.setPixelSize(76);
    nombre.setBold(true);
    nombre.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    p.setFont(nombre);
    const QRectF zonaNombre(0, 14, kAnchoPortada, 90);
    p.setPen(QColor(255, 255, 255));
    p.drawText(zonaNombre.translated(3, 3), Qt::AlignCenter, QStringLiteral("QUELMORA"));
    p.setPen(QColor(22, 54, 104));
    p.drawText(zonaNombre, Qt::AlignCenter, QStringLiteral("QUELMORA"));

    // The slogan beside the vignette, above the exit button's place.
    QFont lema(QStringLiteral("DejaVu Sans"));
    lema.setPixelSize(24);
    lema.setItalic(true);
    lema.setBold(true);
    p.setFont(lema);
    p.setPen(QColor(22, 54, 104));
    p.drawText(QRectF(608, 150, 170, 230), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
        QStringLiteral("la forma más fácil de diseñar canales y estructuras hidráulicas"));

    if (!version.isEmpty()) {
        QFont cifra(QStringLiteral("DejaVu Sans"));
        cifra.setPixelSize(40);
        cifra.setBold(true);
        p.setFont(cifra);
        p.setPen(QColor(176, 32, 24));
        p.drawText(QRectF(596, 386, 190, 130), Qt::AlignCenter | Qt::TextWordWrap,
            QStringLiteral("versión ") + version);
    }
    p.end();
    return imagen;
}

QPixmap PinturaPortada(int ancho, int alto, const QString& version)
{
    return QPixmap::fromImage(ImagenPortada(ancho, alto, version));
}

QPixmap ImagenSalir(int numero)
{
    return DesdeSvg(numero == 2 ? kSvgSalirResaltado : kSvgSalirNormal, 32);
}

QIcon IconoQuelmora()
{
    QIcon icono;
    icono.addPixmap(DesdeSvg(kSvgIcono, 32));
    icono.addPixmap(DesdeSvg(kSvgIcono, 16));
    return icono;
}

} // namespace quelmora
