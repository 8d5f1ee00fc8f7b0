#include "structures/dibujos_estructuras.h"

#include "resources/imagenes.h"

namespace quelmora {

namespace {

const char* const kFlechas
    = "<defs><marker id='p' markerWidth='6' markerHeight='6' refX='5' refY='3' orient='auto'>"
      "<path d='M0,0 L6,3 L0,6 Z' fill='#000000'/></marker>"
      "<marker id='r' markerWidth='6' markerHeight='6' refX='5' refY='3' orient='auto'>"
      "<path d='M0,0 L6,3 L0,6 Z' fill='#c00000'/></marker></defs>";

} // namespace

QPixmap DibujoTransicion(bool salida)
{
    // The narrow channel on one side, the wide one on the other, the warped walls
    // between them; a dashed section line with arrows shows where the
    // calculation starts and which way it goes.
    const QString paredes = salida
        ? QStringLiteral("M4 38 H30 C52 38 62 22 84 20 H110 M4 62 H30 C52 62 62 78 84 80 H110")
        : QStringLiteral("M4 20 H30 C52 22 62 38 84 38 H110 M4 80 H30 C52 78 62 62 84 62 H110");
    const QString calculo = salida
        ? QStringLiteral(
            "<line x1='30' y1='30' x2='30' y2='70' stroke='#c00000' "
            "stroke-dasharray='3,2'/>"
            "<line x1='31' y1='34' x2='46' y2='34' stroke='#c00000' marker-end='url(#r)'/>"
            "<line x1='31' y1='66' x2='46' y2='66' stroke='#c00000' marker-end='url(#r)'/>")
        : QStringLiteral(
            "<line x1='84' y1='30' x2='84' y2='70' stroke='#c00000' "
            "stroke-dasharray='3,2'/>"
            "<line x1='83' y1='34' x2='68' y2='34' stroke='#c00000' marker-end='url(#r)'/>"
            "<line x1='83' y1='66' x2='68' y2='66' stroke='#c00000' marker-end='url(#r)'/>");
    const QString titulo
        = salida ? QStringLiteral("Transición de salida") : QStringLiteral("Transición de entrada");
    const QString svg = QStringLiteral(
        "<svg xmlns='http://www.w3.org/2000/svg' width='113' height='94' viewBox='0 0 113 94'>"
        "%1<rect width='113' height='94' fill='#ffffff'/>"
        "<text x='56' y='10' font-family='Arial' font-size='8.5' font-weight='bold' "
        "fill='#c00000' text-anchor='middle'>%2</text>"
        "<path d='%3' fill='none' stroke='#000080' stroke-width='1.6'/>"
        "<line x1='8' y1='50' x2='104' y2='50' stroke='#000000' stroke-width='0.8' "
        "marker-end='url(#p)'/>"
        "%4"
        "<text x='24' y='91' font-family='Arial' font-size='9' font-style='italic'>f</text>"
        "<text x='86' y='91' font-family='Arial' font-size='9' font-style='italic'>c</text>"
        "<text x='46' y='91' font-family='Arial' font-size='7'>flujo</text>"
        "</svg>")
                            .arg(QLatin1String(kFlechas), titulo, paredes, calculo);
    return PintarSvg(svg.toUtf8(), { 113, 94 });
}

QPixmap DibujoVertederoLateral()
{
    const QString svg = QStringLiteral(
        "<svg xmlns='http://www.w3.org/2000/svg' width='196' height='104' viewBox='0 0 196 104'>"
        "%1<rect width='196' height='104' fill='#ffffff'/>"
        // channel bottom and the weir body up to its crest
        "<line x1='6' y1='86' x2='190' y2='86' stroke='#000000' stroke-width='1.5'/>"
        "<rect x='30' y='56' width='150' height='30' fill='#c8c8c8' stroke='#000000'/>"
        // water surface rising towards the deep end on the right
        "<path d='M30 52 C80 50 130 36 180 24' fill='none' stroke='#0050ff' stroke-width='1.6'/>"
        "<path d='M30 56 L30 52 C80 50 130 36 180 24 L180 56 Z' fill='#a8d0ff' "
        "fill-opacity='0.6'/>"
        // slices ΔL along the crest
        "<g stroke='#606060' stroke-dasharray='2,2'>"
        "<line x1='60' y1='40' x2='60' y2='56'/><line x1='90' y1='36' x2='90' y2='56'/>"
        "<line x1='120' y1='30' x2='120' y2='56'/><line x1='150' y1='26' x2='150' y2='56'/>"
        "</g>"
        "<text x='131' y='52' font-family='Arial' font-size='9'>ΔL</text>"
        // depth y and head h at the deep end
        "<line x1='186' y1='86' x2='186' y2='25' stroke='#000000' marker-end='url(#p)'/>"
        "<text x='188' y='60' font-family='Arial' font-size='10' font-style='italic'>y</text>"
        "<line x1='170' y1='56' x2='170' y2='28' stroke='#c00000' marker-end='url(#r)'/>"
        "<text x='160' y='44' font-family='Arial' font-size='10' font-style='italic' "
        "fill='#c00000'>h</text>"
        // crest height a
        "<line x1='22' y1='86' x2='22' y2='57' stroke='#000000' marker-end='url(#p)'/>"
        "<text x='12' y='76' font-family='Arial' font-size='10' font-style='italic'>a</text>"
        // weir length L
        "<line x1='30' y1='97' x2='180' y2='97' stroke='#000000' marker-end='url(#p)'/>"
        "<text x='100' y='95' font-family='Arial' font-size='10' font-style='italic'>L</text>"
        "</svg>")
                            .arg(QLatin1String(kFlechas));
    return PintarSvg(svg.toUtf8(), { 196, 104 });
}

QPixmap DibujoCanalTierra()
{
    const QString svg = QStringLiteral(
        "<svg xmlns='http://www.w3.org/2000/svg' width='167' height='219' viewBox='0 0 167 219'>"
        "<rect width='167' height='219' fill='#bfe0ff'/>"
        "<rect y='70' width='167' height='149' fill='#7aa642'/>"
        // the channel running away from the viewer between earth banks
        "<path d='M0 219 L70 80 L97 80 L167 219 Z' fill='#9a7040'/>"
        "<path d='M30 219 L76 92 L91 92 L137 219 Z' fill='#4f7fb0'/>"
        "<path d='M52 219 L80 110 M115 219 L87 110' stroke='#a8d0ff' stroke-width='1' "
        "fill='none'/>"
        "<g fill='#5b8a2a'><circle cx='20' cy='78' r='10'/><circle cx='150' cy='74' r='12'/>"
        "<circle cx='40' cy='72' r='7'/></g>"
        "</svg>");
    return PintarSvg(svg.toUtf8(), { 167, 219 });
}

QPixmap DibujoCanalRevestido()
{
    const QString svg = QStringLiteral(
        "<svg xmlns='http://www.w3.org/2000/svg' width='147' height='300' viewBox='0 0 147 300'>"
        "<rect width='147' height='300' fill='#bfe0ff'/>"
        "<rect y='90' width='147' height='210' fill='#8cae5a'/>"
        // concrete slabs of the lining, with their joints
        "<path d='M0 300 L62 100 L85 100 L147 300 Z' fill='#c8c8c0'/>"
        "<path d='M26 300 L68 118 L79 118 L121 300 Z' fill='#4f7fb0'/>"
        "<g stroke='#8c8c84' stroke-width='1'>"
        "<line x1='6' y1='280' x2='32' y2='280'/><line x1='20' y1='236' x2='42' y2='236'/>"
        "<line x1='33' y1='194' x2='51' y2='194'/><line x1='44' y1='158' x2='60' y2='158'/>"
        "<line x1='115' y1='280' x2='141' y2='280'/><line x1='105' y1='236' x2='127' y2='236'/>"
        "<line x1='96' y1='194' x2='114' y2='194'/><line x1='87' y1='158' x2='103' y2='158'/>"
        "</g>"
        "</svg>");
    return PintarSvg(svg.toUtf8(), { 147, 300 });
}

} // namespace quelmora
