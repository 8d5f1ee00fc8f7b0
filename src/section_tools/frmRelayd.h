#pragma once
#include "frame/ventana_calculo.h"

namespace quelmora {

// A circular conduit sized for the depth ratio y/d it is to run at.
class frmRelayd : public VentanaCalculo {
    Q_OBJECT
public:
    frmRelayd();
    static const DescripcionVentana kDescripcion;

protected:
    void Calcular() override;

private:
    void AdvertirRelacion();
};

} // namespace quelmora
