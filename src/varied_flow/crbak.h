#pragma once
// Backwater and drawdown profiles by Bakhmeteff's method with Chow's exponents.

#include "varied_flow/ventana_perfil.h"

namespace quelmora {

// Shown when a depth equals the normal depth: three sentences joined as they
// stand, with no blank after their full stops.
inline constexpr const char* kMensajeTiranteNormal
    = "Yreal = Yn, esto no debe ocurrir.Yreal debe ser 2% mayor o menor que Yn.es decir: "
      "Yreal=.98Yn ó Yreal=1.02Yn";

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
