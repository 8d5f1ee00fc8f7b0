#pragma once
// The drawings of the structure windows: the plan of a warped transition, the
// side weir in elevation, and the earth and lined channels of the seepage window.

#include <QPixmap>

namespace quelmora {

// Plan of a warped transition, 113 x 94: flow from left to right, end sections
// f (left) and c (right). The outlet widens from f to c and is computed from f
// towards c; the inlet narrows and is computed from c towards f.
QPixmap DibujoTransicion(bool salida);

// The side weir in elevation, 196 x 104: crest at height a, the water surface
// rising along the weir to the deep end where y and h are marked, and the weir
// length L cut into slices ΔL.
QPixmap DibujoVertederoLateral();

// An earth channel, 167 x 219, and a concrete-lined channel, 147 x 300.
QPixmap DibujoCanalTierra();
QPixmap DibujoCanalRevestido();

} // namespace quelmora
