#pragma once
// The number rules of frame/core/numeros.h on the texts of boxes, grid cells and
// lists, for every window that reads or writes a number outside the frame's own
// boxes.

#include <QString>

namespace quelmora {

// valor written through the mask; the empty text for a value that is not finite.
QString Mascara(double valor, const char* mascara);

// valor with every digit it has, "." as the point and never an exponent
// (2.465, 12, 0.0000050005): how the tabulated coefficients are written.
QString NumeroExacto(double valor);

// valor as the plain decimal text of a label or a message (frame/core/numero_plano.h).
QString NumeroPlano(double valor);

// The leading number of a text, as a box reads it.
double NumeroDeTexto(const QString& texto);

} // namespace quelmora
