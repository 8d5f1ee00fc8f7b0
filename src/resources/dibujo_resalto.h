#pragma once
// The picture of the jump windows, 360 x 120 pixels: on the left the jump in
// long section over a horizontal bed (shallow flow rising through the roller to
// deep flow) with the marks y1, y2 and L; on the right the window's
// cross-section with its dimension marks. The labels that carry the numbers
// lie over it beside the marks: y1 about (56..97, 64..81), y2 about
// (120..169, 48..65), L centred under the bed about (48..105, 96..113).

#include <QPixmap>

enum class SeccionResalto { Rectangular, Trapecial, Parabolica, Circular };

QPixmap DibujoResalto(SeccionResalto seccion);
