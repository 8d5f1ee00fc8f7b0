#include "measurement/core/vertederos.h"

#include <cmath>

namespace quelmora {

namespace {

// h^e of a head: a negative head has no real fractional power.
std::optional<double> PotenciaCarga(double carga, double exponente)
{
    if (!(carga >= 0))
        return std::nullopt;
    return std::pow(carga, exponente);
}

ResultadoVertedero Resultado(double caudal)
{
    ResultadoVertedero r;
    const double litros = 1000 * caudal;
    if (!std::isfinite(caudal) || !std::isfinite(litros))
        return r;
    r.fallo = FalloCalculo::Ninguno;
    r.caudal = caudal;
    r.caudalLitros = litros;
    return r;
}

} // namespace

std::optional<double> CargaMinimaTriangular(double coeficiente)
{
    for (const auto& angulo : kCargaMinimaTriangular)
        if (coeficiente == angulo.coeficiente)
            return angulo.cargaMinima;
    return std::nullopt;
}

ResultadoVertedero CalcularVertederoRectangular(
    double longitudCresta, double carga, double contracciones, double coeficiente)
{
    const auto potencia = PotenciaCarga(carga, 1.5);
    if (!potencia)
        return {};
    return Resultado(coeficiente * (longitudCresta - 0.1 * contracciones * carga) * *potencia);
}

ResultadoVertedero CalcularVertederoTriangular(double carga, double coeficiente)
{
    // The minimum head comes first: with a tabulated coefficient a negative head
    // lies below it and draws that message rather than a numeric failure.
    if (const auto minima = CargaMinimaTriangular(coeficiente); minima && carga < *minima) {
        ResultadoVertedero r;
        r.fallo = FalloCalculo::CargaMenorQueMinima;
        return r;
    }
    const auto potencia = PotenciaCarga(carga, 2.5);
    if (!potencia)
        return {};
    return Resultado(coeficiente * *potencia);
}

ResultadoVertedero CalcularVertederoTrapezoidal(double longitudCresta, double carga)
{
    const auto potencia = PotenciaCarga(carga, 1.5);
    if (!potencia)
        return {};
    return Resultado(1.859 * longitudCresta * *potencia);
}

} // namespace quelmora
