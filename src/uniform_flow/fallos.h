#pragma once
// How the uniform-flow windows report a calculation that ended without results:
// the pass limit with the non-convergence message, a value without a real result
// with the impossible-calculation message. Nothing is written either way.

#include "uniform_flow/core/flujo_uniforme.h"

class QWidget;

namespace quelmora {

// Shows the message of fallo, if any; true when the calculation must stop.
bool InformarFallo(QWidget* ventana, FalloFlujoUniforme fallo);

} // namespace quelmora
