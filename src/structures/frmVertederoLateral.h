#pragma once
#include "structures/ventana_con_copia.h"

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
