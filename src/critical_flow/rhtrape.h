#pragma once
// Hydraulic jump in a trapezoidal channel: the depth ratio J from the quartic
// of the momentum balance, the conjugate depth, its Froude number, the height,
// loss and length of the jump, and the jump drawing.

#include <QPointer>

#include "frame/ventana_calculo.h"

namespace quelmora {

class DiagramaResalto;

class rhtrape : public VentanaCalculo {
    Q_OBJECT
public:
    rhtrape();
    static const DescripcionVentana kDescripcion;

protected:
    void Calcular() override;
    void Limpiar() override;

private:
    QPointer<DiagramaResalto> diagrama_;
    QPointer<QLabel> lado_;
};

} // namespace quelmora
