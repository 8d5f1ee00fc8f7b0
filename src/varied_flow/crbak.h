#pragma once
// Backwater and drawdown profiles by Bakhmeteff's method with Chow's exponents.

#include "varied_flow/ventana_perfil.h"

namespace quelmora {

class crbak : public VentanaPerfil {
    Q_OBJECT
public:
    crbak();
    static const DescripcionVentana kDescripcion;
    void Encabezado() override;

protected:
    void Calcular() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
};

} // namespace quelmora
