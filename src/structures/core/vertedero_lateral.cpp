#include "structures/core/vertedero_lateral.h"

#include <cmath>

#include "hydraulics/finitos.h"
#include "hydraulics/gravedad.h"
#include "hydraulics/manning.h"
#include "hydraulics/secciones.h"

namespace quelmora {

namespace {

// The values of one section from its depth and channel discharge. Empty where
// the data give no value: a depth or area at or below 0, a head below the crest
// under the root, or critical flow, which zeroes the denominator of Δh.
std::optional<FilaTramo> ValoresSeccion(
    const DatosVertederoLateral& d, double y, double q, double distancia)
{
    if (y <= 0.0)
        return std::nullopt;
    const ElementosSeccion seccion = PropiedadesSeccionTrapezoidal(d.b, d.z, y);
    const double area = seccion.area;
    if (area <= 0.0)
        return std::nullopt;
    const double h = y - d.a;
    if (h < 0.0)
        return std::nullopt;
    const double carga = h * std::sqrt(kDobleGravedad * h);
    const double m = 0.434 + 0.21 * std::pow(h, 2) / std::pow(h + d.a, 2);
    const double deltaQ = d.dl * m * h * std::sqrt(kDobleGravedad * h);
    const double qPorDeltaQ = q * deltaQ;
    const double espejo = seccion.espejo;
    const double q2t = std::pow(q, 2) * espejo;
    const double q2tSobreA = q2t / area;
    const double gA2 = kGravedad * std::pow(area, 2);
    const double denominador = q2tSobreA - gA2;
    if (denominador == 0.0)
        return std::nullopt;
    const double deltaH = qPorDeltaQ / denominador;
    FilaTramo fila { y, q, h, carga, m, deltaQ, qPorDeltaQ, espejo, q2t, area, q2tSobreA, gA2,
        denominador, deltaH, y + deltaH, distancia };
    for (double valor : fila)
        if (!std::isfinite(valor))
            return std::nullopt;
    return fila;
}

// Columns the march carries from one section to the next.
constexpr int kQ = 1, kDeltaQ = 5, kSiguiente = 14, kLacum = 15;

} // namespace

ResultadoVertederoLateral MarchaVertedero(const DatosVertederoLateral& d)
{
    ResultadoVertederoLateral r;
    // Nt + 1 to the nearest whole number, a half going to the even one.
    const double secciones = std::nearbyint(d.nt + 1.0);
    if (secciones > kMaximoFilasVertedero) {
        r.fallo = FalloCalculo::DemasiadosTramos;
        return r;
    }
    r.filasGrilla = secciones > 0.0 ? static_cast<int>(secciones) : 0;

    // The start row: the only Manning discharge of the march. Without roughness
    // or with a slope below 0 the channel has none.
    // A value beyond the number range (infinite roughness gives a discharge of
    // 0) has no channel behind it.
    if (!SonFinitos({ d.y0, d.b, d.z, d.n, d.s, d.a, d.dl }) || d.n == 0.0 || d.s < 0.0
        || d.y0 <= 0.0) {
        r.fallo = FalloCalculo::CalculoImposible;
        return r;
    }
    const ElementosSeccion inicio = PropiedadesSeccionTrapezoidal(d.b, d.z, d.y0);
    // Manning's discharge from the area and the wetted perimeter: the residual of
    // a zero discharge, negated.
    const double caudal = -ResiduoManning(0.0, inicio.area, inicio.perimetro, d.s, d.n);
    if (inicio.area <= 0.0 || inicio.perimetro <= 0.0 || !std::isfinite(caudal)) {
        r.fallo = FalloCalculo::CalculoImposible;
        return r;
    }
    std::optional<FilaTramo> fila = ValoresSeccion(d, d.y0, caudal, 0.0);
    if (!fila) {
        r.fallo = FalloCalculo::CalculoImposible;
        return r;
    }
    if (r.filasGrilla == 0)
        return r;
    r.filas.push_back(*fila);

    for (int k = 1; k <= r.filasGrilla - 1; ++k) {
        const FilaTramo& anterior = r.filas.back();
        const double y = anterior[kSiguiente];
        if (y <= d.a) {
            r.distanciaAlcanzada = anterior[kLacum];
            break;
        }
        fila = ValoresSeccion(d, y, anterior[kQ] + anterior[kDeltaQ], k * d.dl);
        if (!fila) {
            r.fallo = FalloCalculo::CalculoImposible;
            r.filas.clear();
            return r;
        }
        r.filas.push_back(*fila);
    }
    return r;
}

} // namespace quelmora
