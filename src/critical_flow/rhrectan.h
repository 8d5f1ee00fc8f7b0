#pragma once
// Hydraulic jump in a rectangular channel: the conjugate depth in closed form,
// the Froude number there, the height, loss and length of the jump, and the jump
// drawing with the rounded depths and length.

#include <QPointer>

#include "frame/ventana_calculo.h"

namespace quelmora {

class DiagramaResalto;

class rhrectan : public VentanaCalculo {
    Q_OBJECT
public:
    rhrectan();
    static const DescripcionVentana kDescripcion;

protected:
    void Calcular() override;
    void Limpiar() override;

private:
    QPointer<DiagramaResalto> diagrama_;
    QPointer<QLabel> lado_;
};

} // namespace quelmora
