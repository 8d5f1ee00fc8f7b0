#pragma once
#include "structures/ventana_con_copia.h"

namespace quelmora {

// The stop text for the distance reached: two blanks after "los" when x is 0 or
// more, a minus sign in place of the second when negative.
QString TextoParadaVertedero(double distancia);

class frmVertederoLateral : public VentanaConCopia {
    Q_OBJECT
public:
    frmVertederoLateral();
    static const DescripcionVentana kDescripcion;
    void Calcular() override;
    void Limpiar() override;

private:
    void LimpiarGrillas();
    void txtNt_Change();
};

} // namespace quelmora
