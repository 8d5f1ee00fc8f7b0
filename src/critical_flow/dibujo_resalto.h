#pragma once
// The picture of the jump windows, 360 x 120 pixels: on the left the jump in
// long section over a horizontal bed (shallow flow rising through the roller to
// deep flow) with the marks y1, y2 and L; on the right the window's
// cross-section with its dimension marks. The labels that carry the numbers
// lie over it right of the marks: y1 from about x = 56, y = 64..89; y2 from
// about x = 120, y = 48..73; L centred under the bed about (48..105, 96..113).

#include <QPixmap>

namespace quelmora {

enum class SeccionResalto { Rectangular, Trapecial, Parabolica, Circular };

QPixmap DibujoResalto(SeccionResalto seccion);

} // namespace quelmora
