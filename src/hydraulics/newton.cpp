#include "hydraulics/newton.h"

#include <cmath>

namespace quelmora {

ResultadoNewton NewtonDiferenciaFinita(
    const std::function<double(double)>& residuo, double inicio, const OpcionesNewton& opciones)
{
    ResultadoNewton r;
    r.x = inicio;
    if (!std::isfinite(inicio))
        return r;
    double x = inicio;
    while (r.pasos < kMaximoPasosNewton) {
        ++r.pasos;
        const double f0 = residuo(x);
        const double rebajado = x - kPasoNewton;
        const double f1 = residuo(rebajado);
        // f0 = f1 would divide by zero; a residual without a real value would
        // carry a NaN through every comparison below.
        if (!std::isfinite(f0) || !std::isfinite(f1) || f0 == f1) {
            r.estado = EstadoNewton::FalloNumerico;
            return r;
        }
        const double delta = kPasoNewton * f0 / (f0 - f1);
        const double siguiente = opciones.correccion == FormaCorreccion::PorValorRebajado
            ? (rebajado - delta) + kPasoNewton
            : x - delta;
        if (!std::isfinite(delta) || !std::isfinite(siguiente)) {
            r.estado = EstadoNewton::FalloNumerico;
            return r;
        }
        x = siguiente;
        r.x = x;
        r.delta = delta;
        if (opciones.detenerTras && opciones.detenerTras(x)) {
            r.estado = EstadoNewton::Detenido;
            return r;
        }
        const bool termina = opciones.parada == ReglaParada::Estricta
            ? std::abs(delta) < kToleranciaNewton
            : std::abs(delta) <= kToleranciaNewton;
        if (termina) {
            r.estado = EstadoNewton::Convergio;
            return r;
        }
    }
    r.estado = EstadoNewton::LimitePasos;
    return r;
}

} // namespace quelmora
