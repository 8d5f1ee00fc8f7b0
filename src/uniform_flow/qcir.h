#pragma once
// Discharge of a circular conduit running partly full or full at a given depth.

#include "frame/ventana_calculo.h"

namespace quelmora {

class qcir : public VentanaCalculo {
public:
    qcir();
    static const DescripcionVentana kDescripcion;

protected:
    void Calcular() override;
};

} // namespace quelmora
