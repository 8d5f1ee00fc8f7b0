#pragma once
// What the two section-design windows (maximum hydraulic efficiency, minimum
// infiltration) share: the same controls, texts, checks, writing and clearing;
// they differ in their caption, a few positions and the design rule.

#include <functional>

#include "frame/ventana_calculo.h"
#include "uniform_flow/core/flujo_uniforme.h"

namespace quelmora {

struct FormaDisenoTrapecial {
    QString titulo;
    Twips marcoResultados;
    int cajaIzquierda; // left edge of the left and right result columns
    int cajaDerecha;
    Twips etiquetaAviso;
    std::function<ResultadoFlujoUniforme(double q, double z, double n, double s)> disenar;
};

class VentanaDisenoTrapecial : public VentanaCalculo {
public:
    explicit VentanaDisenoTrapecial(const FormaDisenoTrapecial& forma);

protected:
    void Calcular() override;

private:
    std::function<ResultadoFlujoUniforme(double, double, double, double)> disenar_;
};

} // namespace quelmora
