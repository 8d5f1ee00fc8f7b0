#pragma once
// The drawings of the flow-measurement windows, painted by our own code at the
// sizes the windows lay them out: the natural-channel data-entry sketch, the
// sluice gate and orifice drawings, and the weir drawings.

#include <QPixmap>

namespace quelmora {

// Cross-section cut by vertical lines into five segments: L1 … L5 along the
// surface, h0 … h5 at the walls and the verticals; with roughness also n0 at the
// left wall, n1 … n5 under the beds and n6 at the right wall. 340 x 115.
QPixmap DibujoEsquemaCanalNatural(bool conRugosidades);

// Sluice gate in perspective: b, y1, opening a, contracted depth y2 = Cc × a at
// L = a/Cc, downstream depth y3. 268 x 197.
QPixmap DibujoCompuerta();
// The gate equations with the meaning and unit of each symbol and Cc = 0.62.
// 381 x 217.
QPixmap DibujoEcuacionesCompuerta();
// The three orifice types with their coefficients and the orifice equation.
// 386 x 340.
QPixmap DibujoOrificios();

// Crest pictures 1 sharp crest, 2 Creager profile, 3 broad crest (with h), each
// with its name and coefficient. 254 x 171.
QPixmap DibujoCresta(int tipo);
// Contracted rectangular weir with L, h measured at d ≥ 4h, its equation and
// symbols. 382 x 219.
QPixmap DibujoVertederoRectangular();
// V-notch weir across a trapezoidal channel with its angle θ. 309 x 191.
QPixmap DibujoVertederoTriangular();
// Q = Cd·h^(5/2) and, per angle, Cd and the minimum head. 401 x 144.
QPixmap DibujoTablaTriangular();
// Trapezoidal (Cipolletti) weir with L and side slope 1 : 4. 301 x 184.
QPixmap DibujoVertederoTrapezoidal();
// Q = 1.859·L·h^(3/2), its symbols and 0.06 < h < L/3. 259 x 186.
QPixmap DibujoEcuacionTrapezoidal();

} // namespace quelmora
