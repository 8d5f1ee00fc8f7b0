#pragma once
#include "structures/ventana_transicion.h"

namespace quelmora {

class TranAlSa : public VentanaTransicion {
    Q_OBJECT
public:
    TranAlSa();
    static const DescripcionVentana kDescripcion;
};

} // namespace quelmora
