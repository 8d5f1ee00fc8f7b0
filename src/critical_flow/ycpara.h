#pragma once
// Critical depth of a parabolic channel of given top width, in closed form,
// with the section's elements there.

#include "frame/ventana_calculo.h"

namespace quelmora {

class ycpara : public VentanaCalculo {
    Q_OBJECT
public:
    ycpara();
    static const DescripcionVentana kDescripcion;

protected:
    void Calcular() override;
};

} // namespace quelmora
