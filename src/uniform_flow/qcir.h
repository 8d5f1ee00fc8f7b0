#pragma once
// Discharge of a circular conduit running partly full or full at a given depth.

#include "frame/ventana_calculo.h"

namespace quelmora {

class qcir : public VentanaCalculo {
public:
    qcir();

protected:
    void Calcular() override;
};

} // namespace quelmora
