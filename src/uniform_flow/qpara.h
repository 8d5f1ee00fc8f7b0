#pragma once
// Discharge of a parabolic channel of given top width at a given depth.

#include "frame/ventana_calculo.h"

namespace quelmora {

class qpara : public VentanaCalculo {
public:
    qpara();
    static const DescripcionVentana kDescripcion;

protected:
    void Calcular() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
};

} // namespace quelmora
