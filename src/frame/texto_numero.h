#pragma once
// The number rules of frame/core/numeros.h on the texts of boxes, grid cells and
// lists, for every window that reads or writes a number outside the frame's own
// boxes.

#include <QString>

namespace quelmora {

// valor written through the mask; the empty text for a value that is not finite.
QString Mascara(double valor, const char* mascara);

// The leading number of a text, as a box reads it.
double NumeroDeTexto(const QString& texto);

} // namespace quelmora
