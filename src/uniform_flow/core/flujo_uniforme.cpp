#include "uniform_flow/core/flujo_uniforme.h"

#include <cmath>

#include "hydraulics/hidraulica.h"

namespace quelmora {

namespace {

ResultadoFlujoUniforme Fallo(FalloCalculo fallo)
{
    ResultadoFlujoUniforme r;
    r.fallo = fallo;
    return r;
}

// The indicators every window derives from its section at the final depth:
// v = Q/A, F = v/√(9.81·A/T), E = y + v²/19.62, the regime and the erosion rule.
// Refuses a result that is not finite or whose section is not a real one.
ResultadoFlujoUniforme Completar(ResultadoFlujoUniforme r, double q, double n)
{
    // A section without area or top width is refused before v and F divide by them.
    if (!(r.tirante > 0.0 && r.area > 0.0 && r.perimetro > 0.0 && r.espejo > 0.0))
        return Fallo(FalloCalculo::CalculoImposible);
    r.velocidad = q / r.area;
    r.froude = NumeroFroude(r.velocidad, r.area, r.espejo);
    r.energia = EnergiaEspecifica(r.tirante, r.velocidad);
    if (!SonFinitos({ r.tirante, r.ancho, r.area, r.perimetro, r.espejo, r.radio, r.foco,
            r.velocidad, r.froude, r.energia })
        || !(r.tirante > 0.0 && r.area > 0.0 && r.perimetro > 0.0 && r.espejo > 0.0))
        return Fallo(FalloCalculo::CalculoImposible);
    r.tipoFlujo = ClasificarTipoFlujo(r.froude);
    r.erosiva = EsVelocidadErosiva(r.velocidad, n);
    return r;
}

} // namespace

ResultadoFlujoUniforme CalcularTiranteTrapecial(double q, double b, double z, double n, double s)
{
    const auto residuo = [&](double y) {
        const ElementosSeccion e = PropiedadesSeccionTrapezoidal(b, z, y);
        return ResiduoManning(q, e.area, e.perimetro, s, n);
    };
    const ResultadoNewton raiz
        = NewtonDiferenciaFinita(residuo, 1.0, { .parada = ReglaParada::Estricta });
    if (raiz.estado != EstadoNewton::Convergio)
        return Fallo(FalloDeNewton(raiz.estado));
    const ElementosSeccion e = PropiedadesSeccionTrapezoidal(b, z, raiz.x);
    ResultadoFlujoUniforme r;
    r.tirante = raiz.x;
    r.area = e.area;
    r.perimetro = e.perimetro;
    r.espejo = e.espejo;
    r.radio = e.radio;
    return Completar(r, q, n);
}

ResultadoFlujoUniforme CalcularTiranteParabolico(double q, double t, double n, double s)
{
    const auto residuo = [&](double y) {
        const ElementosParabolicos e = PropiedadesSeccionParabolica(t, y);
        return ResiduoManning(q, e.area, e.perimetro, s, n);
    };
    const ResultadoNewton raiz
        = NewtonDiferenciaFinita(residuo, 1.0, { .parada = ReglaParada::Holgada });
    if (raiz.estado != EstadoNewton::Convergio)
        return Fallo(FalloDeNewton(raiz.estado));
    const ElementosParabolicos e = PropiedadesSeccionParabolica(t, raiz.x);
    ResultadoFlujoUniforme r;
    r.tirante = raiz.x;
    r.area = e.area;
    r.perimetro = e.perimetro;
    r.espejo = t;
    r.radio = e.radio;
    r.foco = e.foco;
    return Completar(r, q, n);
}

ResultadoFlujoUniforme CalcularTiranteCircular(double q, double d, double n, double s)
{
    const auto residuo = [&](double y) {
        const ElementosCirculares e = PropiedadesSeccionCircular(d, y);
        return ResiduoManning(q, e.area, e.perimetro, s, n, FormaResiduoManning::PorRadio);
    };
    const ResultadoNewton raiz = NewtonDiferenciaFinita(residuo, 0.35 * d,
        { .parada = ReglaParada::Holgada, .detenerTras = [d](double y) { return y > d; } });
    if (raiz.estado == EstadoNewton::Detenido)
        return Fallo(FalloCalculo::TiranteMayorDiametro);
    if (raiz.estado != EstadoNewton::Convergio)
        return Fallo(FalloDeNewton(raiz.estado));
    const ElementosCirculares e = PropiedadesSeccionCircular(d, raiz.x);
    ResultadoFlujoUniforme r;
    r.tirante = raiz.x;
    r.area = e.area;
    r.perimetro = e.perimetro;
    r.espejo = e.espejo;
    r.radio = e.radio;
    return Completar(r, q, n);
}

namespace {

// Steps shared by the two designs once the ratio m and the depth y are known:
// b = m·y, A = (m + Z)·y², R = A/P, T = b + y·(2·Z).
ResultadoFlujoUniforme Disenar(double q, double z, double n, double m, double y, double perimetro)
{
    ResultadoFlujoUniforme r;
    r.tirante = y;
    r.ancho = m * y;
    r.area = (m + z) * std::pow(y, 2.0);
    r.perimetro = perimetro;
    if (!(r.perimetro > 0.0))
        return Fallo(FalloCalculo::CalculoImposible);
    r.radio = r.area / r.perimetro;
    r.espejo = r.ancho + y * (2.0 * z);
    return Completar(r, q, n);
}

} // namespace

ResultadoFlujoUniforme CalcularMaximaEficiencia(double q, double z, double n, double s)
{
    const double k = std::sqrt(1.0 + z * z);
    const double m = 2.0 * (k - z);
    const double c = std::pow(2.0, 2.0 / 3.0);
    const double y = std::pow(n * (q * c) / ((m + z) * std::sqrt(s)), 3.0 / 8.0);
    const double b = m * y;
    return Disenar(q, z, n, m, y, b + y * (2.0 * k));
}

ResultadoFlujoUniforme CalcularMinimaInfiltracion(double q, double z, double n, double s)
{
    const double k = std::sqrt(1.0 + z * z);
    const double m = 4.0 * (k - z);
    const double constante = std::pow(n * q / std::sqrt(s), 3.0);
    const double y
        = std::pow(std::pow(m + 2.0 * k, 2.0) * constante / std::pow(m + z, 5.0), 1.0 / 8.0);
    return Disenar(q, z, n, m, y, (m + 2.0 * k) * y);
}

} // namespace quelmora
