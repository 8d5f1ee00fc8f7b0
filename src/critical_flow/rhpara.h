#pragma once
// Hydraulic jump in a parabolic channel: the depth ratio J from the jump
// equation, the conjugate depth, its Froude number, the height and loss of the
// jump, the focus of the parabola, and the jump drawing.

#include <QPointer>

#include "frame/ventana_calculo.h"

namespace quelmora {

class DiagramaResalto;

class rhpara : public VentanaCalculo {
    Q_OBJECT
public:
    rhpara();
    static const DescripcionVentana kDescripcion;

protected:
    void Calcular() override;
    void Limpiar() override;

private:
    QPointer<DiagramaResalto> diagrama_;
    QPointer<QLabel> lado_;
};

} // namespace quelmora
