#pragma once
// Discharge under a sluice gate in free outflow (page "Compuerta") and through an
// orifice (page "Orificio").

#include "frame/ventana_calculo.h"

namespace quelmora {

class frmCompuerta : public VentanaCalculo {
    Q_OBJECT
public:
    frmCompuerta();
    static const DescripcionVentana kDescripcion;
};

} // namespace quelmora
