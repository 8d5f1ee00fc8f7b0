#pragma once
// Critical depth of a circular conduit for a given discharge, with the
// section's elements there.

#include "frame/ventana_calculo.h"

namespace quelmora {

class yccir : public VentanaCalculo {
    Q_OBJECT
public:
    yccir();
    static const DescripcionVentana kDescripcion;

protected:
    void Calcular() override;
};

} // namespace quelmora
