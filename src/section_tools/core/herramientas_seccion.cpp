#include "section_tools/core/herramientas_seccion.h"

#include <cmath>

#include "hydraulics/hidraulica.h"

namespace quelmora {

namespace {

ResultadoHerramienta Fallo(FalloCalculo fallo)
{
    ResultadoHerramienta r;
    r.fallo = fallo;
    return r;
}

// Velocity, Froude number, specific energy and flow type of a section at depth
// y; refuses a section that is not a real one or a value that is not finite.
bool Completar(ResultadoHerramienta& r, double q, const ElementosSeccion& e)
{
    r.area = e.area;
    r.perimetro = e.perimetro;
    r.espejo = e.espejo;
    r.radio = e.radio;
    // A section without area or top width is refused before v = Q/A and
    // F = v/√(9.81·A/T) divide by them.
    if (!(e.area > 0 && e.perimetro > 0 && e.espejo > 0))
        return false;
    r.velocidad = q / e.area;
    r.froude = NumeroFroude(r.velocidad, e.area, e.espejo);
    r.energia = EnergiaEspecifica(r.tirante, r.velocidad);
    r.tipoFlujo = ClasificarTipoFlujo(r.froude);
    return SonFinitos({ r.ancho, r.pendiente, r.rugosidad, r.diametro, r.tirante, r.area,
        r.perimetro, r.espejo, r.radio, r.velocidad, r.froude, r.energia });
}

} // namespace

ResultadoHerramienta CalcularAnchoSolera(double q, double y, double z, double n, double s)
{
    const auto residuo = [&](double b) {
        const ElementosSeccion e = PropiedadesSeccionTrapezoidal(b, z, y);
        return ResiduoManning(q, e.area, e.perimetro, s, n);
    };
    const ResultadoNewton raiz = NewtonDiferenciaFinita(residuo, 1.0);
    if (raiz.estado != EstadoNewton::Convergio)
        return Fallo(FalloDeNewton(raiz.estado));

    ResultadoHerramienta r;
    r.ancho = raiz.x;
    r.tirante = y;
    if (!Completar(r, q, PropiedadesSeccionTrapezoidal(r.ancho, z, y)))
        return Fallo(FalloCalculo::CalculoImposible);
    r.erosiva = EsVelocidadErosiva(r.velocidad, n);
    r.disenoInadecuado = r.ancho < 0;
    // 0.01 m parts the triangle from the other two; exactly 0.01, or a
    // rectangle narrower than it, leaves the drawing as it was.
    if (r.ancho < 0.01 && z > 0)
        r.dibujo = DibujoTrasAncho::Triangulo;
    else if (r.ancho > 0.01 && z > 0)
        r.dibujo = DibujoTrasAncho::Trapecio;
    else if (r.ancho > 0.01 && z == 0)
        r.dibujo = DibujoTrasAncho::Rectangulo;
    return r;
}

ResultadoHerramienta CalcularPendienteTrapecio(double q, double y, double b, double z, double n)
{
    ResultadoHerramienta r;
    r.tirante = y;
    const ElementosSeccion e = PropiedadesSeccionTrapezoidal(b, z, y);
    r.pendiente = PendienteManning(q, n, e.area, e.radio);
    if (!Completar(r, q, e))
        return Fallo(FalloCalculo::CalculoImposible);
    r.erosiva = EsVelocidadErosiva(r.velocidad, n);
    return r;
}

ResultadoHerramienta CalcularRugosidadTrapecio(double q, double y, double b, double z, double s)
{
    ResultadoHerramienta r;
    r.tirante = y;
    const ElementosSeccion e = PropiedadesSeccionTrapezoidal(b, z, y);
    r.rugosidad = RugosidadManning(q, s, e.area, e.radio);
    if (!Completar(r, q, e))
        return Fallo(FalloCalculo::CalculoImposible);
    r.erosiva = EsVelocidadErosiva(r.velocidad, r.rugosidad);
    return r;
}

ResultadoHerramienta CalcularRelacionTiranteDiametro(double q, double relacion, double n, double s)
{
    const ElementosCircularesUnitarios u = PropiedadesCircularAnguloCentral(relacion);
    ResultadoHerramienta r;
    // Manning's equation with A = a·d² and R = r·d solved for d, in the order
    // Q·n, r^(2/3), a times it, times √S, the quotient to the power 3/8.
    const double qn = q * n;
    const double divisor = u.area * std::pow(u.radio, 2.0 / 3.0) * std::sqrt(s);
    if (divisor == 0)
        return Fallo(FalloCalculo::CalculoImposible);
    r.diametro = std::pow(qn / divisor, 3.0 / 8.0);
    r.tirante = relacion * r.diametro;
    if (!(r.diametro > 0) || !Completar(r, q, CompletarConDiametro(u, r.diametro)))
        return Fallo(FalloCalculo::CalculoImposible);
    // This window knows two regimes only: F = 1 exactly is supercritical.
    r.tipoFlujo = r.froude < 1 ? TipoFlujo::Subcritico : TipoFlujo::Supercritico;
    return r;
}

namespace {

ElementosSeccion SeccionCircular(double y, double d)
{
    return CompletarConDiametro(PropiedadesCircularAnguloCentral(y / d), d);
}

} // namespace

ResultadoHerramienta CalcularPendienteCircular(double q, double y, double d, double n)
{
    ResultadoHerramienta r;
    r.tirante = y;
    r.diametro = d;
    const ElementosSeccion e = SeccionCircular(y, d);
    r.pendiente = PendienteManning(q, n, e.area, e.radio);
    if (!Completar(r, q, e))
        return Fallo(FalloCalculo::CalculoImposible);
    return r;
}

ResultadoHerramienta CalcularRugosidadCircular(double q, double y, double d, double s)
{
    ResultadoHerramienta r;
    r.tirante = y;
    r.diametro = d;
    const ElementosSeccion e = SeccionCircular(y, d);
    r.rugosidad = RugosidadManning(q, s, e.area, e.radio);
    if (!Completar(r, q, e))
        return Fallo(FalloCalculo::CalculoImposible);
    return r;
}

} // namespace quelmora
