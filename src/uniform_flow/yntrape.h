#pragma once
// Normal depth of a trapezoidal channel (rectangular with Z = 0, triangular with
// b = 0).

#include "frame/ventana_calculo.h"

namespace quelmora {

class yntrape : public VentanaCalculo {
public:
    yntrape();
    static const DescripcionVentana kDescripcion;

protected:
    void Calcular() override;
    void Limpiar() override;
};

} // namespace quelmora
