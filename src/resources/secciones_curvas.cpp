#include "resources/secciones_curvas.h"

#include <QByteArray>

#include "resources/imagenes.h"

namespace quelmora {

namespace {

// Ground brown, water blue, dimension lines dark; the same look as the
// trapezoidal drawings.
const char* const kParabola = R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 256 126">
  <defs>
    <marker id="f" viewBox="0 0 10 10" refX="9" refY="5" markerWidth="6" markerHeight="6"
            orient="auto-start-reverse"><path d="M0,1 L9,5 L0,9 z" fill="#202020"/></marker>
  </defs>
  <rect width="256" height="126" fill="#ffffff"/>
  <path d="M8,14 L28,20 Q128,200 228,20 L248,14 L248,126 L8,126 z" fill="#c8a878"/>
  <path d="M43,45 Q128,175 213,45 z" fill="#7fb2e5"/>
  <path d="M28,20 Q128,200 228,20" fill="none" stroke="#5a3e1b" stroke-width="2"/>
  <line x1="43" y1="45" x2="213" y2="45" stroke="#1f4e9c" stroke-width="1.5"/>
  <line x1="43" y1="32" x2="213" y2="32" stroke="#202020" marker-start="url(#f)" marker-end="url(#f)"/>
  <line x1="43" y1="28" x2="43" y2="45" stroke="#202020" stroke-width="0.6"/>
  <line x1="213" y1="28" x2="213" y2="45" stroke="#202020" stroke-width="0.6"/>
  <text x="128" y="27" font-family="sans-serif" font-size="13" font-weight="bold" text-anchor="middle">T</text>
  <line x1="128" y1="46" x2="128" y2="109" stroke="#202020" marker-start="url(#f)" marker-end="url(#f)"/>
  <text x="134" y="84" font-family="sans-serif" font-size="13" font-weight="bold">y</text>
</svg>)svg";

const char* const kCirculo = R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 256 127">
  <defs>
    <marker id="f" viewBox="0 0 10 10" refX="9" refY="5" markerWidth="6" markerHeight="6"
            orient="auto-start-reverse"><path d="M0,1 L9,5 L0,9 z" fill="#202020"/></marker>
  </defs>
  <rect width="256" height="127" fill="#ffffff"/>
  <path d="M75.7,80 A55,55 0 0 0 180.3,80 z" fill="#7fb2e5"/>
  <circle cx="128" cy="63" r="55" fill="none" stroke="#5a3e1b" stroke-width="3"/>
  <line x1="75.7" y1="80" x2="180.3" y2="80" stroke="#1f4e9c" stroke-width="1.5"/>
  <line x1="76" y1="72" x2="180" y2="72" stroke="#202020" marker-start="url(#f)" marker-end="url(#f)"/>
  <text x="128" y="68" font-family="sans-serif" font-size="13" font-weight="bold" text-anchor="middle">T</text>
  <line x1="52" y1="8" x2="52" y2="118" stroke="#202020" marker-start="url(#f)" marker-end="url(#f)"/>
  <line x1="48" y1="8" x2="128" y2="8" stroke="#202020" stroke-width="0.6"/>
  <line x1="48" y1="118" x2="128" y2="118" stroke="#202020" stroke-width="0.6"/>
  <text x="38" y="67" font-family="sans-serif" font-size="13" font-weight="bold">d</text>
  <line x1="204" y1="80" x2="204" y2="117" stroke="#202020" marker-start="url(#f)" marker-end="url(#f)"/>
  <line x1="181" y1="80" x2="210" y2="80" stroke="#202020" stroke-width="0.6"/>
  <line x1="128" y1="118" x2="210" y2="118" stroke="#202020" stroke-width="0.6"/>
  <text x="210" y="103" font-family="sans-serif" font-size="13" font-weight="bold">y</text>
</svg>)svg";

} // namespace

QPixmap DibujoParabolico(QSize tamano) { return PintarSvg(QByteArray(kParabola), tamano); }

QPixmap DibujoCircular(QSize tamano) { return PintarSvg(QByteArray(kCirculo), tamano); }

} // namespace quelmora
