#pragma once
// The weir window's crest and notch options as the form has them: the option
// buttons' names and captions, which the crest pictures and the notch table bear
// too (an option writes its coefficient with NumeroExacto). The weir tables
// (measurement/core/vertederos.h) know only which crest or notch an option
// stands for.

#include <QString>

#include "measurement/core/vertederos.h"

namespace quelmora {

// An option button: its control name and caption.
struct OpcionVertedero {
    const char* nombre;
    const char* titulo;
};

OpcionVertedero Opcion(Cresta cresta);
OpcionVertedero Opcion(Escotadura escotadura);

QString TituloOpcion(Cresta cresta);
QString TituloOpcion(Escotadura escotadura);

} // namespace quelmora
