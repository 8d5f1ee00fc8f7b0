#include "uniform_flow/core/caudal.h"

#include "hydraulics/hidraulica.h"

namespace quelmora {

namespace {

ResultadoFlujoUniforme Imposible()
{
    ResultadoFlujoUniforme r;
    r.fallo = FalloCalculo::CalculoImposible;
    return r;
}

// Manning's discharge and what follows from it once the section's elements are
// in r: v = Q/A, E = y + v²/19.62, the regime. The Froude number is the caller's,
// since the windows form it in two ways.
void Descarga(ResultadoFlujoUniforme& r, double y, double n, double s)
{
    r.caudal = CaudalManning(r.area, r.radio, s, n);
    r.velocidad = r.caudal / r.area;
    r.energia = EnergiaEspecifica(y, r.velocidad);
}

// A negative input lets a value through that has no real section behind it (a
// negative area over a negative perimeter gives a positive radius) or that comes
// from dividing by a zero top width; such a result is refused like a NaN. A
// roughness beyond the number range would pass as a discharge of 0.
bool SeccionReal(const ResultadoFlujoUniforme& r, double y, bool espejoNulo = false)
{
    return y > 0.0 && r.area > 0.0 && r.perimetro > 0.0 && (espejoNulo || r.espejo > 0.0);
}

ResultadoFlujoUniforme Terminar(
    ResultadoFlujoUniforme r, double y, double n, bool espejoNulo = false)
{
    if (!SonFinitos({ n, r.caudal, r.area, r.perimetro, r.espejo, r.radio, r.foco, r.velocidad,
            r.froude, r.energia })
        || !SeccionReal(r, y, espejoNulo))
        return Imposible();
    r.tipoFlujo = ClasificarTipoFlujo(r.froude);
    r.erosiva = EsVelocidadErosiva(r.velocidad, n);
    return r;
}

} // namespace

ResultadoFlujoUniforme CalcularCaudalTrapecial(double y, double b, double z, double n, double s)
{
    const ElementosSeccion e
        = PropiedadesSeccionTrapezoidal(b, z, y, FormaPerimetroTrapecio::DobleRaizPorTirante);
    ResultadoFlujoUniforme r;
    r.area = e.area;
    r.perimetro = e.perimetro;
    r.espejo = e.espejo;
    r.radio = e.radio;
    // Refused before v = Q/A and the Froude number divide by a missing area or width.
    if (!SeccionReal(r, y))
        return Imposible();
    Descarga(r, y, n, s);
    r.froude = NumeroFroude(r.velocidad, r.area, r.espejo);
    return Terminar(r, y, n);
}

ResultadoFlujoUniforme CalcularCaudalParabolico(double y, double t, double n, double s)
{
    const ElementosParabolicos e
        = PropiedadesSeccionParabolica(t, y, FormaParabolica::VentanaCaudal);
    ResultadoFlujoUniforme r;
    r.area = e.area;
    r.perimetro = e.perimetro;
    r.espejo = t;
    r.radio = e.radio;
    r.foco = e.foco;
    if (!SeccionReal(r, y))
        return Imposible();
    Descarga(r, y, n, s);
    r.froude = NumeroFroude(r.velocidad, r.area, t);
    return Terminar(r, y, n);
}

ResultadoFlujoUniforme CalcularCaudalCircular(double y, double d, double n, double s)
{
    const ElementosCircularesAnguloCentral e = PropiedadesCircularAnguloCentral(y, d);
    ResultadoFlujoUniforme r;
    r.area = e.area;
    r.perimetro = e.perimetro;
    r.espejo = e.espejo;
    r.radio = e.radio;
    if (!SeccionReal(r, y, e.lleno))
        return Imposible();
    Descarga(r, y, n, s);
    // An infinite hydraulic depth would pass as a Froude number of 0.
    if (!SonFinitos({ e.profundidad }))
        return Imposible();
    r.froude = NumeroFroudeConProfundidad(r.velocidad, e.profundidad);
    r = Terminar(r, y, n, e.lleno);
    r.erosiva = false; // the conduit window has no erosion rule
    return r;
}

} // namespace quelmora
