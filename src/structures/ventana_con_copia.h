#pragma once
// The button rows of the transition and side-weir windows: the four role
// buttons and the calculator in their own narrower frames, and the copy buttons
// "&Parciales Sup." and "Parciales Inf." that put the selection of the upper or
// the lower result grid on the clipboard.

#include "frame/ventana_calculo.h"

namespace quelmora {

class TablaResultados;

class VentanaConCopia : public VentanaCalculo {
    Q_OBJECT
protected:
    explicit VentanaConCopia(const QString& titulo);

    // marcoBotones holds bCalcular, bLimpiar, bImprimir and bMenuPrincipal,
    // marcoCalculadora holds bCalculadora; Frame5 the copy buttons, which copy
    // the grids named superior and inferior.
    void BotonesConCopia(const QString& marcoBotones, const QString& marcoCalculadora,
        const QString& superior, const QString& inferior);

    TablaResultados* Grilla(const QString& nombre) const;
};

} // namespace quelmora
