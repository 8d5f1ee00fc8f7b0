#pragma once
// The flow regime as the "Tipo de flujo:" boxes name it.

#include <QString>

#include "hydraulics/indicadores.h"

namespace quelmora {

// "Subcrítico", "Crítico" or "Supercrítico"; the empty text for no regime.
QString TextoTipoFlujo(TipoFlujo tipo);

} // namespace quelmora
