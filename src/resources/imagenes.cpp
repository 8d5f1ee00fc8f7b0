#include "resources/imagenes.h"

#include <QCoreApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace quelmora {

namespace {

// Colours of a button picture: the normal set in greys and teal, the lit set
// in blue tones.
struct Tonos {
    const char* trazo;
    const char* cuerpo;
    const char* pantalla;
    const char* detalle;
};

Tonos TonosDe(bool resaltada)
{
    if (resaltada)
        return { "#000080", "#a8c8ff", "#2060ff", "#ffffff" };
    return { "#303030", "#c8c8c8", "#008080", "#ffff80" };
}

QString Monitor(const Tonos& t, int alto)
{
    // A screen whose lower edge sits at y = alto, on a small stand.
    return QStringLiteral(
        "<rect x='4' y='3' width='24' height='%1' rx='2' fill='%2' stroke='%3' "
        "stroke-width='1.2'/>"
        "<rect x='7' y='6' width='18' height='%4' fill='%5' stroke='%3' stroke-width='0.8'/>")
        .arg(alto - 3)
        .arg(t.cuerpo, t.trazo)
        .arg(alto - 9)
        .arg(t.pantalla);
}

QString SvgBoton(int rol, const Tonos& t)
{
    QString cuerpo;
    switch (rol) {
    case 1: // computer screen
        cuerpo = Monitor(t, 22)
            + QStringLiteral("<path d='M10 10 L14 14 L10 18 M16 18 H22' fill='none' "
                             "stroke='%1' stroke-width='1.6'/>"
                             "<rect x='13' y='22' width='6' height='4' fill='%2' stroke='%3'/>"
                             "<rect x='8' y='26' width='16' height='3' fill='%2' stroke='%3'/>")
                  .arg(t.detalle, t.cuerpo, t.trazo);
        break;
    case 2: // screen with a cleaning brush
        cuerpo = Monitor(t, 22)
            + QStringLiteral("<rect x='13' y='22' width='6' height='4' fill='%1' stroke='%2'/>"
                             "<rect x='8' y='26' width='16' height='3' fill='%1' stroke='%2'/>"
                             "<line x1='29' y1='2' x2='19' y2='14' stroke='#8b4513' "
                             "stroke-width='2.2'/>"
                             "<path d='M16 13 L21 17 L17 22 L11 19 Z' fill='%3' stroke='%2'/>")
                  .arg(t.cuerpo, t.trazo, t.detalle);
        break;
    case 3: // printer
        cuerpo = QStringLiteral(
            "<rect x='9' y='3' width='14' height='10' fill='#ffffff' stroke='%1'/>"
            "<rect x='3' y='12' width='26' height='12' rx='2' fill='%2' stroke='%1' "
            "stroke-width='1.2'/>"
            "<rect x='9' y='20' width='14' height='9' fill='#ffffff' stroke='%1'/>"
            "<line x1='11' y1='23' x2='21' y2='23' stroke='%1'/>"
            "<line x1='11' y1='26' x2='19' y2='26' stroke='%1'/>"
            "<circle cx='25' cy='16' r='1.5' fill='%3'/>")
                     .arg(t.trazo, t.cuerpo, t.pantalla);
        break;
    case 4: // house
        cuerpo = QStringLiteral(
            "<path d='M3 16 L16 4 L29 16' fill='none' stroke='%1' stroke-width='2'/>"
            "<path d='M7 14 V29 H25 V14 L16 6 Z' fill='%2' stroke='%1' stroke-width='1.2'/>"
            "<rect x='13' y='19' width='6' height='10' fill='%3' stroke='%1'/>"
            "<rect x='8' y='17' width='4' height='4' fill='%4' stroke='%1'/>"
            "<rect x='20' y='17' width='4' height='4' fill='%4' stroke='%1'/>")
                     .arg(t.trazo, t.cuerpo, t.pantalla, t.detalle);
        break;
    case 5: // screen with a keyboard
        cuerpo = Monitor(t, 19)
            + QStringLiteral("<rect x='2' y='22' width='28' height='8' rx='1' fill='%1' "
                             "stroke='%2'/>"
                             "<path d='M5 25 H27 M5 27.5 H27' stroke='%2' stroke-width='0.7' "
                             "stroke-dasharray='1.5,1'/>")
                  .arg(t.cuerpo, t.trazo);
        break;
    default:
        break;
    }
    return QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='32' height='32' "
                          "viewBox='0 0 32 32'>%1</svg>")
        .arg(cuerpo);
}

} // namespace

QPixmap DibujoGuardado(const QByteArray& clave, const std::function<QPixmap()>& dibujar)
{
    // Kept as pixmaps, which every window showing the picture shares: making a
    // pixmap from an image copies it. A pixmap must not outlive the application,
    // so the pictures go with it.
    static QHash<QByteArray, QPixmap> guardados;
    auto it = guardados.constFind(clave);
    if (it != guardados.constEnd())
        return *it;
    if (guardados.isEmpty())
        qAddPostRoutine([] { guardados.clear(); });
    return *guardados.insert(clave, dibujar());
}

QPixmap PintarSvg(const QByteArray& svg, QSize tamano)
{
    QByteArray clave = svg;
    clave.append(QByteArray::number(tamano.width()) + 'x' + QByteArray::number(tamano.height()));
    return DibujoGuardado(clave, [&svg, tamano] {
        QImage imagen(tamano, QImage::Format_ARGB32_Premultiplied);
        imagen.fill(Qt::transparent);
        QSvgRenderer dibujante(svg);
        QPainter pintor(&imagen);
        dibujante.render(&pintor);
        pintor.end();
        return QPixmap::fromImage(imagen);
    });
}

QPixmap ImagenBoton(int rol, bool resaltada)
{
    return PintarSvg(SvgBoton(rol, TonosDe(resaltada)).toUtf8(), QSize(32, 32));
}

QPixmap ImagenDisco(const QString& letras, bool resaltada)
{
    const char* relleno = resaltada ? "#3070ff" : "#ff8c00";
    const char* borde = resaltada ? "#000080" : "#a04000";
    const QString svg = QStringLiteral(
        "<svg xmlns='http://www.w3.org/2000/svg' width='32' height='32' viewBox='0 0 32 32'>"
        "<circle cx='16' cy='16' r='14' fill='%1' stroke='%2' stroke-width='1.5'/>"
        "<text x='16' y='21' font-family='sans-serif' font-weight='bold' font-size='%3' "
        "text-anchor='middle' fill='#ffffff'>%4</text></svg>")
                            .arg(relleno, borde)
                            .arg(letras.size() > 1 ? 12 : 15)
                            .arg(letras.toHtmlEscaped());
    return PintarSvg(svg.toUtf8(), QSize(32, 32));
}

namespace {

// Common marks of the section drawings: black lines, blue water, italic letters.
const char* kEstiloSeccion
    = "<style>.canal{fill:none;stroke:#000;stroke-width:2}"
      ".agua{fill:#7fb2ff;stroke:none}"
      ".cota{fill:none;stroke:#000;stroke-width:1}"
      ".letra{font-family:serif;font-style:italic;font-size:15px;fill:#000}</style>";

QString SvgSeccion(FiguraSeccion figura, int ancho, int alto)
{
    QString cuerpo;
    switch (figura) {
    case FiguraSeccion::Trapecio:
        cuerpo = QStringLiteral("<path class='agua' d='M52 40 L204 40 L164 100 L92 100 Z'/>"
                                "<path class='canal' d='M32 10 L92 100 L164 100 L224 10'/>"
                                "<line class='cota' x1='52' y1='26' x2='204' y2='26'/>"
                                "<path class='cota' d='M52 22 V30 M204 22 V30'/>"
                                "<text class='letra' x='124' y='21'>T</text>"
                                "<line class='cota' x1='214' y1='40' x2='214' y2='100'/>"
                                "<path class='cota' d='M210 40 H218 M210 100 H218'/>"
                                "<text class='letra' x='222' y='75'>y</text>"
                                "<line class='cota' x1='92' y1='112' x2='164' y2='112'/>"
                                "<path class='cota' d='M92 108 V116 M164 108 V116'/>"
                                "<text class='letra' x='124' y='124'>b</text>"
                                "<path class='cota' d='M62 55 H82 V85'/>"
                                "<text x='68' y='51' class='letra'>Z</text>"
                                "<text x='86' y='75' class='letra'>1</text>");
        break;
    case FiguraSeccion::Rectangulo:
        cuerpo = QStringLiteral("<rect class='agua' x='78' y='40' width='100' height='60'/>"
                                "<path class='canal' d='M78 10 V100 H178 V10'/>"
                                "<line class='cota' x1='78' y1='26' x2='178' y2='26'/>"
                                "<text class='letra' x='124' y='21'>T</text>"
                                "<line class='cota' x1='192' y1='40' x2='192' y2='100'/>"
                                "<path class='cota' d='M188 40 H196 M188 100 H196'/>"
                                "<text class='letra' x='200' y='75'>y</text>"
                                "<line class='cota' x1='78' y1='113' x2='178' y2='113'/>"
                                "<path class='cota' d='M78 109 V117 M178 109 V117'/>"
                                "<text class='letra' x='124' y='125'>b</text>");
        break;
    case FiguraSeccion::Triangulo:
        cuerpo = QStringLiteral("<path class='agua' d='M69 40 L189 40 L129 110 Z'/>"
                                "<path class='canal' d='M43 10 L129 110 L215 10'/>"
                                "<line class='cota' x1='69' y1='26' x2='189' y2='26'/>"
                                "<path class='cota' d='M69 22 V30 M189 22 V30'/>"
                                "<text class='letra' x='125' y='21'>T</text>"
                                "<line class='cota' x1='204' y1='40' x2='204' y2='110'/>"
                                "<path class='cota' d='M200 40 H208 M200 110 H208'/>"
                                "<text class='letra' x='212' y='80'>y</text>"
                                "<path class='cota' d='M78 50 H108 V85'/>"
                                "<text x='88' y='46' class='letra'>Z</text>"
                                "<text x='112' y='72' class='letra'>1</text>");
        break;
    case FiguraSeccion::Circulo:
        // Centre (128, 62), radius 52; the water surface at 86, 28 above the invert.
        cuerpo = QStringLiteral("<path class='agua' d='M81.9 86 A52 52 0 0 0 174.1 86 Z'/>"
                                "<circle class='canal' cx='128' cy='62' r='52'/>"
                                "<line class='cota' x1='81.9' y1='78' x2='174.1' y2='78'/>"
                                "<path class='cota' d='M81.9 74 V82 M174.1 74 V82'/>"
                                "<text class='letra' x='124' y='73'>T</text>"
                                "<line class='cota' x1='60' y1='10' x2='60' y2='114'/>"
                                "<path class='cota' d='M56 10 H64 M56 114 H64'/>"
                                "<text class='letra' x='44' y='67'>d</text>"
                                "<line class='cota' x1='196' y1='86' x2='196' y2='114'/>"
                                "<path class='cota' d='M192 86 H200 M192 114 H200'/>"
                                "<text class='letra' x='204' y='105'>y</text>");
        break;
    }
    return QStringLiteral(
        "<svg xmlns='http://www.w3.org/2000/svg' width='%1' height='%2' "
        "viewBox='0 0 %1 %2'><rect width='%1' height='%2' fill='#ffffff'/>%3%4</svg>")
        .arg(ancho)
        .arg(alto)
        .arg(QString::fromLatin1(kEstiloSeccion), cuerpo);
}

} // namespace

QPixmap DibujoSeccion(FiguraSeccion figura)
{
    QSize tamano;
    switch (figura) {
    case FiguraSeccion::Trapecio:
        tamano = QSize(256, 126);
        break;
    case FiguraSeccion::Rectangulo:
        tamano = QSize(256, 127);
        break;
    case FiguraSeccion::Triangulo:
        tamano = QSize(258, 129);
        break;
    case FiguraSeccion::Circulo:
        tamano = QSize(256, 127);
        break;
    }
    return PintarSvg(SvgSeccion(figura, tamano.width(), tamano.height()).toUtf8(), tamano);
}

} // namespace quelmora
