#pragma once
// The messages of the critical-depth and jump calculations that end without
// results, for the failures more than one window shares.

#include <QString>

#include "critical_flow/core/fallo.h"

class QWidget;

// rhtrape and rhpara: no positive depth ratio.
inline const QString kMensajeValoresInadecuados =
    QStringLiteral("Valores de entrada inadecuados. ") + QStringLiteral("Ingrese nuevos datos");

// Shows the message of a failed calculation (the pass limit, a numeric failure,
// or no positive depth ratio); false, and nothing shown, when it did not fail.
// A window with messages of its own handles them before calling this.
bool InformarFallo(QWidget* ventana, FalloCalculo fallo);
