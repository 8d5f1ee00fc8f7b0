#include "measurement/core/seccion_natural.h"

#include <cmath>
#include <limits>
#include <optional>

#include "hydraulics/gravedad.h"
#include "hydraulics/indicadores.h"

namespace quelmora {

namespace {

// The sums are kept in single precision, rounded after every addition, and their
// last digits carry that rounding into every result. A value beyond the single
// range is an overflow.
std::optional<double> Simple(double valor)
{
    if (!std::isfinite(valor) || std::fabs(valor) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<double>(static_cast<float>(valor));
}

// x^e for a fractional exponent: a negative base has no real value.
std::optional<double> Potencia(double base, double exponente)
{
    if (!(base >= 0))
        return std::nullopt;
    const double valor = std::pow(base, exponente);
    if (!std::isfinite(valor))
        return std::nullopt;
    return valor;
}

std::optional<double> Cociente(double numerador, double denominador)
{
    if (denominador == 0)
        return std::nullopt;
    const double valor = numerador / denominador;
    if (!std::isfinite(valor))
        return std::nullopt;
    return valor;
}

std::optional<double> Finito(double valor)
{
    if (!std::isfinite(valor))
        return std::nullopt;
    return valor;
}

} // namespace

std::vector<PuntoSeccion> ContornoSeccionNatural(
    double profundidadMargen, const std::vector<TramoNatural>& tramos)
{
    const double ho = profundidadMargen;
    const double hk = tramos.empty() ? ho : tramos.back().profundidad;
    std::vector<PuntoSeccion> puntos;
    puntos.push_back({ 0, 0 });
    if (ho != 0)
        puntos.push_back({ 0, -ho });
    double x = 0;
    for (const auto& tramo : tramos) {
        x += tramo.longitud;
        puntos.push_back({ x, -tramo.profundidad });
    }
    if (hk != 0)
        puntos.push_back({ x, 0 });
    return puntos;
}

ResultadoSeccionNatural CalcularSeccionNatural(const DatosSeccionNatural& d)
{
    ResultadoSeccionNatural r;
    if (d.tramos.size() > static_cast<std::size_t>(kMaximoTramosNaturales))
        return r;

    // Depths h(0) … h(k), h(0) being the left wall.
    const std::size_t k = d.tramos.size();
    std::vector<double> h(k + 1);
    h[0] = d.profundidadMargen;
    for (std::size_t i = 1; i <= k; ++i)
        h[i] = d.tramos[i - 1].profundidad;

    // Section sums: both walls are wetted from the start, a wall of height 0 adds
    // nothing; the roughness sum weighs each wetted length by n^1.5.
    auto perimetro = Simple(h[0] + h[k]);
    if (!perimetro)
        return r;
    double area = 0;
    double espejo = 0;
    double sumaRugosidad = 0;
    if (d.rugosidadCompuesta) {
        const auto margen = Potencia(d.rugosidadMargen, 1.5);
        const auto margenFinal = Potencia(d.rugosidadMargenFinal, 1.5);
        if (!margen || !margenFinal)
            return r;
        sumaRugosidad = h[0] * *margen + h[k] * *margenFinal;
    }
    for (std::size_t i = 1; i <= k; ++i) {
        const double longitud = d.tramos[i - 1].longitud;
        const double media = (h[i - 1] + h[i]) / 2;
        const double parcial = longitud * media;
        const double salto = h[i] - h[i - 1];
        const double mojado = std::sqrt(longitud * longitud + salto * salto);
        if (d.rugosidadCompuesta) {
            const auto termino = Potencia(d.tramos[i - 1].rugosidad, 1.5);
            if (!termino)
                return r;
            sumaRugosidad += mojado * *termino;
        }
        const auto a = Simple(area + parcial);
        const auto p = Simple(*perimetro + mojado);
        const auto t = Simple(espejo + longitud);
        if (!a || !p || !t || !std::isfinite(sumaRugosidad))
            return r;
        area = *a;
        perimetro = *p;
        espejo = *t;
    }
    r.area = area;
    r.perimetro = *perimetro;
    r.espejo = espejo;
    r.alcanzado = PasoSeccionNatural::Seccion;

    // The roughness term K (composite) is formed right after the sums; the radius
    // R (constant) is written with them.
    double terminoRugosidad = 0;
    if (d.rugosidadCompuesta) {
        const auto potencia = Potencia(sumaRugosidad, 2.0 / 3.0);
        const auto redondeado = potencia ? Simple(*potencia) : std::nullopt;
        if (!redondeado)
            return r;
        terminoRugosidad = *redondeado;
    } else {
        const auto cociente = Cociente(area, r.perimetro);
        const auto redondeado = cociente ? Simple(*cociente) : std::nullopt;
        if (!redondeado)
            return r;
        r.radio = *redondeado;
        r.alcanzado = PasoSeccionNatural::Radio;
    }

    auto contorno = ContornoSeccionNatural(d.profundidadMargen, d.tramos);
    bool contornoFinito = true;
    for (const auto& punto : contorno)
        contornoFinito = contornoFinito && std::isfinite(punto.x) && std::isfinite(punto.y);
    if (contorno.size() > static_cast<std::size_t>(kMaximoPuntosContorno) || !contornoFinito)
        return r;
    r.contorno = std::move(contorno);
    r.alcanzado = PasoSeccionNatural::Grafico;

    // Discharge: A^(5/3)·√S over K, or over n·P^(2/3) with one roughness.
    const auto area53 = Potencia(area, 5.0 / 3.0);
    const auto perimetro23 = Potencia(r.perimetro, 2.0 / 3.0);
    if (!area53 || !perimetro23 || !(d.pendiente >= 0))
        return r;
    const double raizPendiente = std::sqrt(d.pendiente);
    std::optional<double> caudal;
    double ponderada = 0;
    if (d.rugosidadCompuesta) {
        const auto ne = Cociente(terminoRugosidad, *perimetro23);
        if (!ne)
            return r;
        ponderada = *ne;
        caudal = Cociente(*area53 * raizPendiente, terminoRugosidad);
    } else if (std::isfinite(d.rugosidad)) {
        // A roughness beyond the number range would pass as a discharge of 0.
        caudal = Cociente(*area53 * raizPendiente, d.rugosidad * *perimetro23);
    }
    if (!caudal)
        return r;
    r.caudal = *caudal;
    r.alcanzado = PasoSeccionNatural::Caudal;

    const auto velocidad = Cociente(r.caudal, area);
    if (!velocidad)
        return r;
    r.velocidad = *velocidad;
    r.alcanzado = PasoSeccionNatural::Velocidad;

    // F = v/√(9.81·A/T): a top width of 0 divides by zero even where the root of
    // an infinite quotient would give a finite F.
    if (espejo == 0 || !(kGravedad * area / espejo >= 0))
        return r;
    const auto froude = Finito(NumeroFroude(r.velocidad, area, espejo));
    if (!froude)
        return r;
    r.froude = *froude;
    r.alcanzado = PasoSeccionNatural::Froude;

    if (d.rugosidadCompuesta) {
        r.rugosidadPonderada = ponderada;
        r.alcanzado = PasoSeccionNatural::RugosidadPonderada;
    }
    r.tipoFlujo = ClasificarTipoFlujo(r.froude);
    r.alcanzado = PasoSeccionNatural::TipoFlujo;
    return r;
}

} // namespace quelmora
