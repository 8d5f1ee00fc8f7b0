#pragma once
// Hydraulic jump in a circular conduit flowing partly full: the conjugate
// depth from the momentum balance of the circular segment, its Froude number,
// the height and loss of the jump, and the jump drawing.

#include <QPointer>

#include "frame/ventana_calculo.h"

namespace quelmora {

class DiagramaResalto;

class rhcir : public VentanaCalculo {
    Q_OBJECT
public:
    rhcir();
    static const DescripcionVentana kDescripcion;

protected:
    void Calcular() override;
    void Limpiar() override;

private:
    QPointer<DiagramaResalto> diagrama_;
    QPointer<QLabel> lado_;
};

} // namespace quelmora
