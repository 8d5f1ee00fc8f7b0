#include "critical_flow/core/calculo_critico.h"

#include <cmath>

#include "hydraulics/critico.h"
#include "hydraulics/finitos.h"
#include "hydraulics/indicadores.h"
#include "hydraulics/newton.h"
#include "hydraulics/newton_analitico.h"
#include "hydraulics/secciones.h"

namespace quelmora {

namespace {

ResultadoTiranteCritico Fallo(FalloCalculo fallo)
{
    ResultadoTiranteCritico r;
    r.fallo = fallo;
    return r;
}

// v, F (at the critical depth it is 1: the box shows it as a whole number,
// halves to the even neighbour), E and R from the final depth and its elements;
// refuses anything a window must not write.
ResultadoTiranteCritico Completar(ResultadoTiranteCritico r, double caudal)
{
    if (!(r.tirante > 0.0) || !(r.area > 0.0) || !(r.espejo > 0.0) || !(r.perimetro != 0.0))
        return Fallo(FalloCalculo::CalculoImposible);
    r.velocidad = caudal / r.area;
    r.froude = std::nearbyint(NumeroFroude(r.velocidad, r.area, r.espejo));
    r.energia = EnergiaEspecifica(r.tirante, r.velocidad);
    r.radio = r.area / r.perimetro;
    if (!SonFinitos({ r.tirante, r.perimetro, r.area, r.radio, r.espejo, r.foco, r.velocidad,
            r.froude, r.energia }))
        return Fallo(FalloCalculo::CalculoImposible);
    return r;
}

} // namespace

ResultadoTiranteCritico CalcularTiranteCriticoTrapecial(double caudal, double b, double z)
{
    const double constante = ConstanteCritica(caudal);
    EvaluacionCriticaTrapecial ultima;
    auto evaluar = [&](double y) {
        ultima = EvaluarFuncionCritica(b, z, constante, y);
        return ultima.residuo;
    };
    auto derivada = [&] {
        return DerivadaResiduoCriticoVolumen(ultima.elementos.area, ultima.elementos.espejo, z);
    };
    // The absolute 0.0001 m⁵ alone would stop a small discharge far above its
    // critical depth; the relative bound only tightens it where C < 0.1.
    auto seguir = [&](double f) {
        return std::fabs(f) >= kToleranciaNewtonAnalitico || std::fabs(f) >= 0.001 * constante;
    };
    const ResultadoNewton solucion = NewtonAnalitico(1.0, evaluar, derivada, seguir);
    if (solucion.estado != EstadoNewton::Convergio)
        return Fallo(FalloDeNewton(solucion.estado));

    ResultadoTiranteCritico r;
    r.tirante = solucion.x;
    r.area = ultima.elementos.area;
    r.espejo = ultima.elementos.espejo;
    r.perimetro = ultima.elementos.perimetro;
    return Completar(r, caudal);
}

ResultadoTiranteCritico CalcularTiranteCriticoParabolico(double caudal, double espejo)
{
    ResultadoTiranteCritico r;
    r.tirante = TiranteCriticoParabolico(caudal, espejo);
    const ElementosParabolicos parabola = PropiedadesSeccionParabolica(espejo, r.tirante);
    r.area = parabola.area;
    r.foco = parabola.foco;
    r.perimetro = parabola.perimetro;
    // A negative top width is computed through (negative A, P and v); only the
    // values themselves must be usable.
    if (!(r.tirante > 0.0) || r.area == 0.0 || r.perimetro == 0.0)
        return Fallo(FalloCalculo::CalculoImposible);
    r.velocidad = caudal / r.area;
    r.froude = std::nearbyint(NumeroFroude(r.velocidad, r.area, espejo));
    r.energia = EnergiaEspecifica(r.tirante, r.velocidad);
    r.radio = r.area / r.perimetro;
    if (!SonFinitos(
            { r.tirante, r.perimetro, r.area, r.radio, r.foco, r.velocidad, r.froude, r.energia }))
        return Fallo(FalloCalculo::CalculoImposible);
    return r;
}

ResultadoTiranteCritico CalcularTiranteCriticoCircular(double caudal, double d)
{
    auto residuo = [&](double y) { return EvaluarFuncionCriticaCircular(d, caudal, y).residuo; };
    OpcionesNewton opciones;
    opciones.parada = ReglaParada::Holgada;
    opciones.correccion = FormaCorreccion::PorValorRebajado;
    opciones.detenerTras = [d](double y) { return y > d; };
    const ResultadoNewton solucion = NewtonDiferenciaFinita(residuo, 0.35 * d, opciones);
    if (solucion.estado == EstadoNewton::Detenido)
        return Fallo(FalloCalculo::TiranteMayorDiametro);
    if (solucion.estado != EstadoNewton::Convergio)
        return Fallo(FalloDeNewton(solucion.estado));

    const EvaluacionCriticaCircular final = EvaluarFuncionCriticaCircular(d, caudal, solucion.x);
    ResultadoTiranteCritico r;
    r.tirante = solucion.x;
    r.area = final.elementos.area;
    r.espejo = final.elementos.espejo;
    r.perimetro = final.elementos.perimetro;
    return Completar(r, caudal);
}

} // namespace quelmora
