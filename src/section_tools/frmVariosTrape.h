#pragma once
#include "frame/pagina_calculo.h"

namespace quelmora {

// The trapezoidal section at a given depth, solved on one page each for the
// bottom width, the slope or the roughness.
class frmVariosTrape : public VentanaCalculo {
    Q_OBJECT
public:
    frmVariosTrape();
    static const DescripcionVentana kDescripcion;
};

} // namespace quelmora
