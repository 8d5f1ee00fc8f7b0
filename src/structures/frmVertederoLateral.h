#pragma once
#include "structures/ventana_con_copia.h"

namespace quelmora {

class frmVertederoLateral : public VentanaConCopia {
    Q_OBJECT
public:
    frmVertederoLateral();
    void Calcular() override;
    void Limpiar() override;

private:
    void LimpiarGrillas();
    void txtNt_Change();
};

} // namespace quelmora
