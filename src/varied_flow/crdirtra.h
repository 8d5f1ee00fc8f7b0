#pragma once
// Backwater and drawdown profiles by the direct step method.

#include "varied_flow/ventana_perfil.h"

namespace quelmora {

class crdirtra : public VentanaPerfil {
    Q_OBJECT
public:
    crdirtra();
    static const DescripcionVentana kDescripcion;
    void Encabezado() override;

protected:
    void Calcular() override;
};

} // namespace quelmora
