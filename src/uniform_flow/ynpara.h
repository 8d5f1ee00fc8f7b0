#pragma once
// Normal depth of a parabolic channel given the width of its water surface.

#include "frame/ventana_calculo.h"

namespace quelmora {

class ynpara : public VentanaCalculo {
public:
    ynpara();
    static const DescripcionVentana kDescripcion;

protected:
    void Calcular() override;
};

} // namespace quelmora
