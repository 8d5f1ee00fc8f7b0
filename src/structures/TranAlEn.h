#pragma once
#include "structures/ventana_transicion.h"

namespace quelmora {

class TranAlEn : public VentanaTransicion {
    Q_OBJECT
public:
    TranAlEn();
    static const DescripcionVentana kDescripcion;

protected:
    bool VerificarEntradas() override;
};

} // namespace quelmora
