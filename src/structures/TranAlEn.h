#pragma once
#include "structures/ventana_transicion.h"

class TranAlEn : public VentanaTransicion {
    Q_OBJECT
public:
    TranAlEn();

protected:
    bool VerificarEntradas() override;
};
