#pragma once
// Normal depth of a circular conduit flowing partly full.

#include "frame/ventana_calculo.h"

namespace quelmora {

class yncir : public VentanaCalculo {
public:
    yncir();
    static const DescripcionVentana kDescripcion;

protected:
    void Calcular() override;
};

} // namespace quelmora
