#pragma once
// Backwater and drawdown profiles by fixed reaches: from a known depth, nt
// reaches of one signed length dx, each far depth from the energy balance.

#include "varied_flow/ventana_perfil.h"

namespace quelmora {

inline constexpr const char* kMensajeTrampaTramosFijos
    = "No olvidar que para aguas arriba, ingresar para la distancia de cada tramo dx, un valor "
      "con signo -, y para aguas abajo con signo + ";
inline const QString kTituloTrampaTramosFijos = QStringLiteral("Mensaje de error");

class crtrafij : public VentanaPerfil {
    Q_OBJECT
public:
    crtrafij();
    static const DescripcionVentana kDescripcion;
    void Encabezado() override;

protected:
    void Calcular() override;
};

} // namespace quelmora
