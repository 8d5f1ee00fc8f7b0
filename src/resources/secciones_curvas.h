#pragma once
// Drawings of the curved sections: a parabolic channel with water, marked T
// across the water surface and y beside the depth; a circular conduit partly
// full, marked d, T and y. Drawn from our own SVG text at the size asked for.

#include <QPixmap>
#include <QSize>

namespace quelmora {

QPixmap DibujoParabolico(QSize tamano = { 256, 126 });
QPixmap DibujoCircular(QSize tamano = { 256, 127 });

} // namespace quelmora
