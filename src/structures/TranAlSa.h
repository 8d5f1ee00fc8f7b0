#pragma once
#include "structures/ventana_transicion.h"

class TranAlSa : public VentanaTransicion {
    Q_OBJECT
public:
    TranAlSa();
};
