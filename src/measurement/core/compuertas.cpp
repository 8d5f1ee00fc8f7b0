#include "measurement/core/compuertas.h"
#include "hydraulics/gravedad.h"

#include <cmath>

namespace quelmora {

ResultadoCompuerta CalcularCompuerta(
    double ancho, double tiranteAguasArriba, double abertura, double coeficienteContraccion)
{
    ResultadoCompuerta r;
    const double y1 = tiranteAguasArriba;
    const double a = abertura;
    const double cc = coeficienteContraccion;
    // The gate formulas divide by y1 and take the roots of 1 + Cc·a/y1 and of y1:
    // outside y1 > 0 and 1 + Cc·a/y1 > 0 they have no real value.
    if (!(y1 > 0))
        return r;
    const double radicando = 1 + cc * a / y1;
    if (!(radicando > 0))
        return r;
    const double cv = 0.96 + 0.079 * a / y1;
    const double cd = cv * cc / std::sqrt(radicando);
    const double q = cd * ancho * a * std::sqrt(kDobleGravedad * y1);
    const double ql = 1000 * q;
    if (!std::isfinite(cv) || !std::isfinite(cd) || !std::isfinite(q) || !std::isfinite(ql))
        return r;
    r.fallo = FalloCalculo::Ninguno;
    r.coeficienteVelocidad = cv;
    r.coeficienteDescarga = cd;
    r.caudal = q;
    r.caudalLitros = ql;
    return r;
}

ResultadoOrificio CalcularOrificio(double area, double carga, double coeficienteDescarga)
{
    ResultadoOrificio r;
    if (!(carga >= 0))
        return r;
    const double q = coeficienteDescarga * area * std::sqrt(kDobleGravedad * carga);
    const double ql = 1000 * q;
    if (!std::isfinite(q) || !std::isfinite(ql))
        return r;
    r.fallo = FalloCalculo::Ninguno;
    r.caudal = q;
    r.caudalLitros = ql;
    return r;
}

} // namespace quelmora
