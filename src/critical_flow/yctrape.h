#pragma once
// Critical depth of a trapezoidal channel (a rectangle when Z = 0, a triangle
// when b = 0) for a given discharge, with the section's elements there.

#include "frame/ventana_calculo.h"

namespace quelmora {

class yctrape : public VentanaCalculo {
    Q_OBJECT
public:
    yctrape();
    static const DescripcionVentana kDescripcion;

protected:
    void Calcular() override;
};

} // namespace quelmora
