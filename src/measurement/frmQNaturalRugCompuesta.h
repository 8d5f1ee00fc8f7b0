#pragma once
// Discharge of a natural channel whose segments and walls each have their own
// roughness.

#include "measurement/canal_natural.h"

namespace quelmora {

class frmQNaturalRugCompuesta : public VentanaCanalNatural {
    Q_OBJECT
public:
    frmQNaturalRugCompuesta();
    static const DescripcionVentana kDescripcion;
};

} // namespace quelmora
