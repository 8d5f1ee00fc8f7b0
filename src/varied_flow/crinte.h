#pragma once
// Backwater and drawdown profiles by graphical integration.

#include "varied_flow/ventana_perfil.h"

namespace quelmora {

class crinte : public VentanaPerfil {
    Q_OBJECT
public:
    crinte();
    static const DescripcionVentana kDescripcion;
    void Encabezado() override;

protected:
    void Calcular() override;
};

} // namespace quelmora
