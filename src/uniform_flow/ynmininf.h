#pragma once
// Trapezoidal section of minimum infiltration, designed in closed form.

#include "uniform_flow/diseno_trapecial.h"

namespace quelmora {

class ynmininf : public VentanaDisenoTrapecial {
public:
    ynmininf();
    static const DescripcionVentana kDescripcion;
};

} // namespace quelmora
