#pragma once
// Backwater and drawdown profiles of a wide rectangular channel by Bresse's method.

#include "varied_flow/ventana_perfil.h"

namespace quelmora {

class crbresse : public VentanaPerfil {
    Q_OBJECT
public:
    crbresse();
    static const DescripcionVentana kDescripcion;
    void Encabezado() override;

protected:
    void Calcular() override;
};

} // namespace quelmora
