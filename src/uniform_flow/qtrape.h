#pragma once
// Discharge of a trapezoidal channel (rectangular with Z = 0, triangular with
// b = 0) at a given depth.

#include "frame/ventana_calculo.h"

namespace quelmora {

class qtrape : public VentanaCalculo {
public:
    qtrape();
    static const DescripcionVentana kDescripcion;

protected:
    void Calcular() override;
};

} // namespace quelmora
