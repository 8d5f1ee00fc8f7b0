#pragma once
// Discharge over rectangular, triangular and trapezoidal weirs, one page each.

#include "frame/ventana_calculo.h"

namespace quelmora {

class frmVertederos : public VentanaCalculo {
    Q_OBJECT
public:
    frmVertederos();
    static const DescripcionVentana kDescripcion;
};

} // namespace quelmora
