#pragma once
// Discharge over rectangular, triangular and trapezoidal weirs, one page each.

#include "frame/ventana_calculo.h"
#include "measurement/core/vertederos.h"

namespace quelmora {

class frmVertederos : public VentanaCalculo {
    Q_OBJECT
public:
    frmVertederos();
    static const DescripcionVentana kDescripcion;
};

// The caption of a crest or notch option, which the crest pictures and the
// notch table bear too.
QString TituloOpcion(Cresta cresta);
QString TituloOpcion(Escotadura escotadura);
// The text an option writes into its coefficient box.
QString TextoCoeficiente(double coeficiente);

} // namespace quelmora
