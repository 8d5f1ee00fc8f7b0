#pragma once

class QWidget;

namespace quelmora {

// What the flow-measurement windows share beyond the frame: their boxes are drawn
// in regular weight, and their result boxes are ordinary boxes that accept
// typing (nothing ever reads them back).

void CajasDeMedicion(QWidget* ventana);

} // namespace quelmora
