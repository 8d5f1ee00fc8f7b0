#include "calculator/dibujos_calculadora.h"

#include <QPainter>
#include <QSvgRenderer>

// Symbols drawn as strokes in a 24 x 24 box, black on a clear ground.
#define TRAZO "fill='none' stroke='#000' stroke-width='2' stroke-linecap='square'"
#define LETRA "font-family='Sans' font-weight='bold' fill='#000'"

namespace quelmora {

namespace {

const char* const kSuma = "<path d='M6 12H18M12 6V18' " TRAZO "/>";
const char* const kResta = "<path d='M6 12H18' " TRAZO "/>";
const char* const kMultiplicacion = "<path d='M7 7L17 17M17 7L7 17' " TRAZO "/>";
const char* const kDivision
    = "<path d='M6 12H18' " TRAZO "/>"
      "<circle cx='12' cy='7' r='1.6' fill='#000'/><circle cx='12' cy='17' r='1.6' fill='#000'/>";
const char* const kIgual = "<path d='M6 9H18M6 15H18' " TRAZO "/>";
// The radical sign over an x, with the root's index in its hook when it has one.
const char* const kRadical
    = "<path d='M3 14L6 13L9 20L13 5H22' fill='none' stroke='#000' stroke-width='1.6' "
      "stroke-linejoin='miter'/>"
      "<text x='14' y='18' font-size='10' font-style='italic' " LETRA ">x</text>";
const char* const kIndiceTres = "<text x='2' y='11' font-size='8' " LETRA ">3</text>";
const char* const kIndiceN
    = "<text x='2' y='11' font-size='8' font-style='italic' " LETRA ">n</text>";
const char* const kBase
    = "<text x='3' y='19' font-size='15' font-style='italic' " LETRA ">x</text>";
const char* const kExponenteDos = "<text x='14' y='11' font-size='9' " LETRA ">2</text>";
const char* const kExponenteTres = "<text x='14' y='11' font-size='9' " LETRA ">3</text>";
const char* const kExponenteN
    = "<text x='14' y='11' font-size='9' font-style='italic' " LETRA ">n</text>";

// A plus over a minus, 16 x 16.
const char* const kCambioSigno
    = "<path d='M3 5H11M7 1V9M5 13H15' fill='none' stroke='#000' stroke-width='1.6'/>";

// π, 10 x 10: the bar and its two legs.
const char* const kPi
    = "<path d='M1 2.5H9.5M3.5 2.5V9.5M7 2.5V8.5Q7 9.5 8.5 9.2' fill='none' stroke='#000' "
      "stroke-width='1.4'/>";

// The window's icon, 32 x 32: a pocket calculator with its display and keys.
const char* const kIcono
    = "<rect x='5' y='1.5' width='22' height='29' rx='2' fill='#d8d8d0' stroke='#404040'/>"
      "<rect x='8' y='4.5' width='16' height='6' fill='#e8f4e0' stroke='#404040'/>"
      "<text x='22.5' y='9.5' font-size='5' text-anchor='end' " LETRA ">0.</text>"
      "<g fill='#606060'>"
      "<rect x='8' y='13' width='4' height='3'/><rect x='14' y='13' width='4' height='3'/>"
      "<rect x='8' y='18' width='4' height='3'/><rect x='14' y='18' width='4' height='3'/>"
      "<rect x='8' y='23' width='4' height='3'/><rect x='14' y='23' width='4' height='3'/>"
      "</g>"
      "<rect x='20' y='13' width='4' height='8' fill='#c04020'/>"
      "<rect x='20' y='23' width='4' height='3' fill='#2050a0'/>";

#undef TRAZO
#undef LETRA

QPixmap Pintar(const QString& cuerpo, int lado)
{
    const QString svg = QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='%1' "
                                       "height='%1' viewBox='0 0 %1 %1'>%2</svg>")
                            .arg(lado)
                            .arg(cuerpo);
    QSvgRenderer renderer(svg.toUtf8());
    QPixmap pixmap(lado, lado);
    pixmap.fill(Qt::transparent);
    QPainter pintor(&pixmap);
    pintor.setRenderHint(QPainter::Antialiasing);
    renderer.render(&pintor);
    return pixmap;
}

} // namespace

QPixmap PintarDibujoCalculadora(DibujoCalculadora dibujo)
{
    const QString kRaiz = QString::fromLatin1(kRadical);
    switch (dibujo) {
    case DibujoCalculadora::Ninguno:
        return {};
    case DibujoCalculadora::Suma:
        return Pintar(kSuma, 24);
    case DibujoCalculadora::Resta:
        return Pintar(kResta, 24);
    case DibujoCalculadora::Multiplicacion:
        return Pintar(kMultiplicacion, 24);
    case DibujoCalculadora::Division:
        return Pintar(kDivision, 24);
    case DibujoCalculadora::Igual:
        return Pintar(kIgual, 24);
    case DibujoCalculadora::RaizCuadrada:
        return Pintar(kRaiz, 24);
    case DibujoCalculadora::RaizCubica:
        return Pintar(kRaiz + kIndiceTres, 24);
    case DibujoCalculadora::RaizN:
        return Pintar(kRaiz + kIndiceN, 24);
    case DibujoCalculadora::Cuadrado:
        return Pintar(QString(kBase) + kExponenteDos, 24);
    case DibujoCalculadora::Cubo:
        return Pintar(QString(kBase) + kExponenteTres, 24);
    case DibujoCalculadora::Potencia:
        return Pintar(QString(kBase) + kExponenteN, 24);
    case DibujoCalculadora::CambioSigno:
        return Pintar(kCambioSigno, 16);
    case DibujoCalculadora::Pi:
        return Pintar(kPi, 10);
    case DibujoCalculadora::Icono:
        return Pintar(kIcono, 32);
    }
    return {};
}

} // namespace quelmora
