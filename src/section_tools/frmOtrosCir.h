#pragma once
#include "frame/pagina_calculo.h"

namespace quelmora {

// A circular conduit running partly full, solved on one page for the slope a
// roughness needs and on the other for the roughness a slope implies.
class frmOtrosCir : public VentanaCalculo {
    Q_OBJECT
public:
    frmOtrosCir();
    static const DescripcionVentana kDescripcion;
};

} // namespace quelmora
