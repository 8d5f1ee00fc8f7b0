#include "critical_flow/core/calculo_resalto.h"

#include <cmath>
#include <limits>

#include "hydraulics/finitos.h"
#include "hydraulics/gravedad.h"
#include "hydraulics/indicadores.h"
#include "hydraulics/newton.h"
#include "hydraulics/newton_analitico.h"
#include "hydraulics/secciones.h"

namespace quelmora {

namespace {

ResultadoResalto Fallo(FalloCalculo fallo)
{
    ResultadoResalto r;
    r.fallo = fallo;
    return r;
}

// Every number the window writes must be usable before anything is written.
ResultadoResalto Revisado(const ResultadoResalto& r)
{
    if (!SonFinitos({ r.conjugado, r.froude, r.altura, r.perdida, r.longitud, r.relacion, r.foco })
        || !(r.conjugado > 0.0))
        return Fallo(FalloCalculo::CalculoImposible);
    return r;
}

} // namespace

ResultadoResalto CalcularResaltoRectangular(double caudal, double b, double tirante)
{
    const double y = tirante;
    const double area = b * y;
    // A depth or a width that leaves no area is refused before v = Q/A and
    // q = Q/b divide by it.
    if (!(y > 0.0) || area == 0.0 || b == 0.0)
        return Fallo(FalloCalculo::CalculoImposible);
    const double velocidad = caudal / area;
    const double froude1 = NumeroFroudeConProfundidad(velocidad, y);
    const double q = caudal / b;
    // The conjugate in closed form serves both sides: from a supercritical depth
    // it gives the larger one, from a subcritical depth the smaller.
    const double y2 = (-y) / 2.0 + std::sqrt(2.0 * q * q / (kGravedad * y) + y * y / 4.0);
    if (!SonFinitos({ froude1, y2 }) || !(y2 > 0.0) || !(y > 0.0))
        return Fallo(FalloCalculo::CalculoImposible);

    ResultadoResalto r;
    r.conjugado = y2;
    r.froude = NumeroFroudeConProfundidad(q / y2, y2);
    r.altura = AlturaResalto(y, y2);
    // The box shows the loss already rounded half up to four decimals.
    r.perdida = std::floor(10000.0 * PerdidaEnergiaResaltoRectangular(y, y2) + 0.5) / 10000.0;
    r.conLongitud = true;
    r.longitud = LongitudResalto(5.0, r.altura);
    // The drawing cuts the conjugate to hundredths instead of rounding it.
    r.tirantes = ClasificarTiranteResalto(
        froude1, RedondearCentesimas(y), RedondearCentesimas(CortarCentesimas(y2)));
    r.longitudDiagrama = RedondearDecimas(r.longitud);
    return Revisado(r);
}

namespace {

// The momentum equation of the trapezoid in the depth ratio J, with the root
// J = 1 divided out: J⁴ + c3·J³ + c2·J² + c1·J − c0.
struct CuarticaResalto {
    double c3, c2, c1, c0;
    double valor(double j) const
    {
        return std::pow(j, 4.0) + c3 * std::pow(j, 3.0) + c2 * j * j + c1 * j - c0;
    }
    double derivada(double j) const
    {
        return 4.0 * std::pow(j, 3.0) + 3.0 * c3 * j * j + 2.0 * c2 * j + c1;
    }
};

ResultadoNewton ResolverCuartica(const CuarticaResalto& cuartica, double inicio)
{
    double j = inicio;
    return NewtonAnalitico(
        inicio,
        [&](double x) {
            j = x;
            return cuartica.valor(x);
        },
        [&] { return cuartica.derivada(j); });
}

bool RelacionValida(const ResultadoNewton& s)
{
    return s.estado == EstadoNewton::Convergio && std::isfinite(s.x) && s.x > 0.0;
}

} // namespace

ResultadoResalto CalcularResaltoTrapecial(double caudal, double b, double z, double tirante)
{
    const double y = tirante;
    const ElementosSeccion dado = PropiedadesSeccionTrapezoidal(b, z, y);
    // Refused before v = Q/A, v²/(19.62·y) and b/(Z·y) divide by nothing.
    if (!(y > 0.0) || dado.area == 0.0 || z * y == 0.0)
        return Fallo(FalloCalculo::CalculoImposible);
    const double velocidad = caudal / dado.area;
    const double r = velocidad * velocidad / (kDobleGravedad * y);
    const double t = b / (z * y);
    const double froude1 = NumeroFroude(velocidad, dado.area, dado.espejo);
    const double energia1 = EnergiaEspecifica(y, velocidad);
    if (!SonFinitos({ velocidad, r, t, froude1, energia1 }) || !(y > 0.0))
        return Fallo(FalloCalculo::CalculoImposible);

    const CuarticaResalto cuartica { 2.5 * t + 1.0, (1.5 * t + 1.0) * (t + 1.0),
        0.5 * t * t + (t - 6.0 * r) * (t + 1.0), 6.0 * r * (t + 1.0) * (t + 1.0) };
    ResultadoNewton solucion = ResolverCuartica(cuartica, froude1 > 1.0 ? 6.0 : 0.1);
    if (!RelacionValida(solucion)) {
        // The equation has exactly one positive root, but from J = 6 or 0.1 Newton
        // can end on a negative one (a high F1) or step below zero. From above the
        // root, where f is positive, it falls on the positive root.
        double inicio = 6.0;
        for (int i = 0; i < 60 && std::isfinite(inicio) && !(cuartica.valor(inicio) > 0.0); ++i)
            inicio *= 2.0;
        if (std::isfinite(inicio) && cuartica.valor(inicio) > 0.0)
            solucion = ResolverCuartica(cuartica, inicio);
        if (solucion.estado == EstadoNewton::LimitePasos)
            return Fallo(FalloCalculo::NoConverge);
        // No positive depth ratio: this window has no message of its own for it.
        if (!RelacionValida(solucion))
            return Fallo(FalloCalculo::CalculoImposible);
    }
    ResultadoResalto res;
    res.relacion = solucion.x;
    const double y2 = res.relacion * y;
    const ElementosSeccion conjugado = PropiedadesSeccionTrapezoidal(b, z, y2);
    // A conjugate without area has no velocity; refused before dividing by it.
    if (conjugado.area == 0.0)
        return Fallo(FalloCalculo::CalculoImposible);
    const double velocidad2 = caudal / conjugado.area;
    res.conjugado = y2;
    res.froude = NumeroFroude(velocidad2, conjugado.area, conjugado.espejo);
    res.perdida = PerdidaEnergiaResalto(energia1, EnergiaEspecifica(y2, velocidad2));
    res.altura = AlturaResalto(y, y2);
    // Beyond a side slope of about 2.2 the coefficient polynomial turns negative:
    // no length is known there, but the depths, height and loss still are.
    const double coeficiente = InterpolarCoeficienteLongitud(z);
    res.conLongitud = coeficiente > 0.0;
    res.longitud = res.conLongitud ? LongitudResalto(coeficiente, res.altura) : 0.0;
    res.tirantes
        = ClasificarTiranteResalto(froude1, RedondearCentesimas(y), RedondearCentesimas(y2));
    if (res.conLongitud)
        res.longitudDiagrama = RedondearDecimas(res.longitud);
    return Revisado(res);
}

ResultadoResalto CalcularResaltoParabolico(double caudal, double tirante, double espejo)
{
    const double y = tirante;
    const ElementosParabolicos dado = PropiedadesSeccionParabolica(espejo, y);
    if (!(y > 0.0) || dado.area == 0.0)
        return Fallo(FalloCalculo::CalculoImposible);
    const double velocidad = caudal / dado.area;
    const double energia1 = EnergiaEspecifica(y, velocidad);
    const double froude1 = NumeroFroudeConProfundidad(velocidad, dado.profundidad);
    if (!SonFinitos({ dado.foco, velocidad, energia1, froude1 }) || !(y > 0.0))
        return Fallo(FalloCalculo::CalculoImposible);

    const double f = froude1 * froude1;
    const double cincoTercios = 5.0 / 3.0;
    const double cincoSextos = 5.0 / 6.0;
    double jActual = 0.0;
    auto evaluar = [&](double j) {
        jActual = j;
        return std::pow(j, 3.5) + std::pow(j, 3.0) + std::pow(j, 2.5) + std::pow(j, 2.0)
            + std::pow(j, 1.5) - cincoTercios * f * j - cincoTercios * f * std::sqrt(j)
            - cincoTercios * f;
    };
    auto derivada = [&] {
        const double j = jActual;
        return 3.5 * std::pow(j, 2.5) + 3.0 * std::pow(j, 2.0) + 2.5 * std::pow(j, 1.5) + 2.0 * j
            + 1.5 * std::sqrt(j) - cincoTercios * f - cincoSextos * f / std::sqrt(j);
    };
    // A step onto J = 0 would divide by √0 in f′: refused like a negative ratio.
    auto detener = [](double j) { return j <= 0.0; };
    const ResultadoNewton solucion = NewtonAnalitico(
        froude1 > 1.0 ? 6.0 : 0.1, evaluar, derivada, SeguirNewtonAnalitico, detener);
    if (solucion.estado == EstadoNewton::Detenido)
        return Fallo(FalloCalculo::ValoresInadecuados);
    if (solucion.estado != EstadoNewton::Convergio)
        return Fallo(FalloDeNewton(solucion.estado));

    ResultadoResalto r;
    r.relacion = solucion.x;
    r.foco = dado.foco;
    const double y2 = r.relacion * y;
    const double espejo2 = std::sqrt(8.0 * dado.foco * y2);
    const ElementosParabolicos conjugado = PropiedadesSeccionParabolica(espejo2, y2);
    const double velocidad2 = caudal / conjugado.area;
    r.conjugado = y2;
    r.froude = NumeroFroudeConProfundidad(velocidad2, conjugado.profundidad);
    r.altura = AlturaResalto(y2, y);
    r.perdida = PerdidaEnergiaResalto(EnergiaEspecifica(y2, velocidad2), energia1);
    r.tirantes = ClasificarTiranteResalto(froude1, RedondearCentesimas(y), RedondearCentesimas(y2));
    return Revisado(r);
}

namespace {

// The circular segment at depth y′ as the momentum residual needs it: the
// relative area a = A/d² and the centroid ratio k, k·y′ being the depth of the
// centroid below the water surface.
struct SegmentoCircular {
    double a = 0.0;
    double k = 0.0;
    ElementosCirculares elementos;
};

SegmentoCircular Segmento(double d, double tirante)
{
    SegmentoCircular s;
    s.elementos = PropiedadesSeccionCircular(d, tirante);
    // A segment too small beside its pipe to have a relative depth or area has
    // no centroid either: both are left without a value instead of dividing by 0.
    const double eta = d * d == 0.0 ? 0.0 : tirante / d;
    s.a = d * d == 0.0 ? 0.0 : s.elementos.area / (d * d);
    if (eta == 0.0 || s.a == 0.0) {
        s.a = std::numeric_limits<double>::quiet_NaN();
        s.k = std::numeric_limits<double>::quiet_NaN();
        return s;
    }
    s.k = (1.0 - 0.5 / eta) + 2.0 * std::sqrt(eta) * std::pow(1.0 - eta, 1.5) / (3.0 * s.a);
    return s;
}

} // namespace

ResultadoResalto CalcularResaltoCircular(double caudal, double tirante, double d)
{
    const double y1 = tirante;
    // The search starts on the far side of half the diameter from the given depth.
    const double inicio = y1 >= d / 2.0 ? 0.05 * d : 0.51 * d;
    // A depth outside the pipe, or one so small that y⁵ is 0, is refused before
    // Q²/(9.81·y⁵) divides by it.
    if (!(y1 > 0.0) || !(y1 <= d) || std::pow(y1, 5.0) == 0.0)
        return Fallo(FalloCalculo::CalculoImposible);
    const double c = caudal * caudal / (kGravedad * std::pow(y1, 5.0));
    const double relacion4 = std::pow(y1 / d, 4.0);
    const SegmentoCircular dado = Segmento(d, y1);
    if (!SonFinitos({ dado.a, dado.k }))
        return Fallo(FalloCalculo::CalculoImposible);
    const double velocidad1 = caudal / dado.elementos.area;
    const double froude1 = NumeroFroude(velocidad1, dado.elementos.area, dado.elementos.espejo);
    const double m1 = dado.a * dado.a * dado.k;
    const double r = dado.a / y1;
    if (!SonFinitos({ c, relacion4, dado.a, dado.k, velocidad1, froude1, m1, r }) || !(y1 > 0.0)
        || !(y1 <= d))
        return Fallo(FalloCalculo::CalculoImposible);

    // Zero where the momentum function at y′ equals its value at y1 (y′ ≠ y1).
    auto residuoMomento = [&](double y) {
        if (!(y > 0.0) || !(y <= d))
            return std::numeric_limits<double>::quiet_NaN();
        const SegmentoCircular s = Segmento(d, y);
        return (r * s.a * s.k * y - m1) / ((1.0 - dado.a / s.a) * relacion4) - c;
    };
    OpcionesNewton opciones;
    opciones.parada = ReglaParada::Holgada;
    opciones.correccion = FormaCorreccion::PorValorRebajado;
    opciones.detenerTras = [d](double y) { return y > d; };
    const ResultadoNewton solucion = NewtonDiferenciaFinita(residuoMomento, inicio, opciones);
    if (solucion.estado == EstadoNewton::Detenido)
        return Fallo(
            y1 > d / 2.0 ? FalloCalculo::TiranteNoAdecuado : FalloCalculo::ConjugadoMayorDiametro);
    if (solucion.estado != EstadoNewton::Convergio)
        return Fallo(FalloDeNewton(solucion.estado));

    const double y2 = solucion.x;
    if (!(y2 > 0.0) || !(y2 <= d))
        return Fallo(FalloCalculo::CalculoImposible);
    const ElementosCirculares conjugado = PropiedadesSeccionCircular(d, y2);
    if (conjugado.area == 0.0)
        return Fallo(FalloCalculo::CalculoImposible);
    const double velocidad2 = caudal / conjugado.area;
    ResultadoResalto res;
    res.conjugado = y2;
    res.froude = NumeroFroude(velocidad2, conjugado.area, conjugado.espejo);
    res.altura = AlturaResalto(y2, y1);
    res.perdida = PerdidaEnergiaResalto(
        EnergiaEspecifica(y2, velocidad2), EnergiaEspecifica(y1, velocidad1));
    res.tirantes
        = ClasificarTiranteResalto(froude1, RedondearCentesimas(y1), RedondearCentesimas(y2));
    return Revisado(res);
}

} // namespace quelmora
