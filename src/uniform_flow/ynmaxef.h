#pragma once
// Trapezoidal section of maximum hydraulic efficiency, designed in closed form.

#include "uniform_flow/diseno_trapecial.h"

namespace quelmora {

class ynmaxef : public VentanaDisenoTrapecial {
public:
    ynmaxef();
    static const DescripcionVentana kDescripcion;
};

} // namespace quelmora
