#pragma once
// Discharge of a natural channel with one roughness for the whole section.

#include "measurement/canal_natural.h"

namespace quelmora {

class frmQNaturalNConstante : public VentanaCanalNatural {
    Q_OBJECT
public:
    frmQNaturalNConstante();
    static const DescripcionVentana kDescripcion;
};

} // namespace quelmora
