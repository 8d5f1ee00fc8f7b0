#pragma once
// The messages of the critical-depth and jump calculations that end without
// results, for the failures more than one window shares.

#include <QString>

#include "critical_flow/core/fallo.h"

class QWidget;

namespace quelmora {

// Shows the message of a failed calculation (the pass limit, a numeric failure,
// or, in rhtrape and rhpara, no positive depth ratio: "Valores de entrada
// inadecuados. Ingrese nuevos datos"); false, and nothing shown, when it did not fail.
// A window with messages of its own handles them before calling this.
bool InformarFallo(QWidget* ventana, FalloCalculo fallo);

} // namespace quelmora
