#include "structures/core/perdidas.h"

#include <cmath>

#include "hydraulics/finitos.h"
#include "hydraulics/indicadores.h"
#include "hydraulics/manning.h"
#include "hydraulics/newton.h"
#include "hydraulics/secciones.h"

namespace quelmora {

TiranteNormalCanal ResolverTiranteNormal(const DatosCanal& c)
{
    TiranteNormalCanal r;
    if (c.q == 0.0 || c.s == 0.0 || c.n == 0.0) {
        r.fallo = FalloCalculo::DatosIncompletos;
        return r;
    }
    if (c.b == 0.0 && c.z == 0.0) {
        r.fallo = FalloCalculo::AnchoTaludCero;
        return r;
    }
    const ResultadoNewton newton = NewtonDiferenciaFinita(
        [&c](double y) {
            const ElementosSeccion e = PropiedadesSeccionTrapezoidal(c.b, c.z, y);
            return ResiduoManning(c.q, e.area, e.perimetro, c.s, c.n);
        },
        1.0);
    if (newton.estado != EstadoNewton::Convergio) {
        r.fallo = FalloDeNewton(newton.estado);
        return r;
    }
    const double y = newton.x;
    const ElementosSeccion e = PropiedadesSeccionTrapezoidal(c.b, c.z, y);
    const double v = c.q / e.area;
    if (!SonFinitos({ y, e.area, e.perimetro, e.espejo, v }) || y <= 0.0 || e.area <= 0.0)
        return r;
    r.fallo = FalloCalculo::Ninguno;
    r.tirante = y;
    r.area = e.area;
    r.perimetro = e.perimetro;
    r.espejo = e.espejo;
    r.velocidad = v;
    r.erosiva = EsVelocidadErosiva(v, c.n);
    return r;
}

std::optional<PerdidaRevestido> CalcularPerdidaRevestido(
    const DatosCanal& c, double y, float longitudKm, double e, double k)
{
    // A thickness or permeability beyond the number range would give a loss of
    // 0 (or infinity) that looks like a result.
    if (!SonFinitos({ e, k, y, static_cast<double>(longitudKm) }))
        return std::nullopt;
    // A lining of no thickness has no loss to give: K/e has no value.
    if (e == 0.0)
        return std::nullopt;
    PerdidaRevestido r;
    // 10·K/e turns K in cm/s into m/s (÷ 100) over one kilometre (× 1000).
    r.perdidaKm = (10.0 * k / e) * y * (c.b + y * std::sqrt(1.0 + std::pow(c.z, 2)));
    r.qPerdido = r.perdidaKm * longitudKm;
    r.qFinal = c.q - r.qPerdido;
    r.porcentaje = 100.0 * r.qPerdido / c.q;
    if (!SonFinitos({ r.perdidaKm, r.qPerdido, r.qFinal, r.porcentaje }))
        return std::nullopt;
    return r;
}

double PerdidaFormula(FormulaPerdida formula, const CanalEnTierra& c, double coeficiente)
{
    const double y = c.tirante;
    const double raiz = std::sqrt(1.0 + std::pow(c.z, 2));
    switch (formula) {
    case FormulaPerdida::Ingham:
        return 0.0025 * std::sqrt(y) * (c.b + 2.0 * c.z * y);
    case FormulaPerdida::Etcheverry:
    case FormulaPerdida::Moritz:
        // Moritz is taken with the Etcheverry expression, its own coefficient in
        // place of Etcheverry's.
        return 0.0064 * coeficiente * std::sqrt(y) * (c.b + 1.33 * y * raiz);
    case FormulaPerdida::Punjab:
        return coeficiente * std::pow(c.q, 0.563);
    case FormulaPerdida::Pavlovski:
        return 10.0 * coeficiente * (c.b + 2.0 * y * (1.0 + c.z));
    case FormulaPerdida::Kostiakov:
        return 10.0 * coeficiente * (c.b + 2.4 * y * raiz);
    case FormulaPerdida::DavisWilson:
        return coeficiente * std::pow(y, 1.0 / 3.0) * (c.b + 2.0 * y * raiz)
            / (8861.0 + 8.0 * std::sqrt(c.velocidad));
    }
    return 0.0;
}

std::optional<double> PromedioPerdidas(std::span<const double, kNumeroFormulas> perdidas,
    std::span<const bool, kNumeroFormulas> descartadas)
{
    double suma = 0.0;
    int cuenta = 0;
    for (int i = 0; i < kNumeroFormulas; ++i) {
        if (descartadas[i])
            continue;
        suma += perdidas[i];
        ++cuenta;
    }
    if (cuenta == 0)
        return std::nullopt;
    return suma / cuenta;
}

ResultadoCorreccion CorregirCaudal(double p, double q, float longitudKm)
{
    ResultadoCorreccion r;
    const double l = longitudKm;
    if (p * l >= q) {
        r.fallo = FalloCalculo::PerdidasSuperanCaudal;
        return r;
    }
    // The fraction lost per kilometre follows r(Q) = C/Q^0.4: taken at the head
    // of the reach and at a first estimate of the discharge at its end, and
    // averaged.
    const double r0 = p / q;
    const double c = r0 * std::pow(q, 0.4);
    const double q1 = q * (1.0 - r0 * l);
    const double r1 = c / std::pow(q1, 0.4);
    const double rm = (r0 + r1) / 2.0;
    const double qf = q * (1.0 - rm * l);
    const double ql = q - qf;
    const double porcentaje = 100.0 * ql / q;
    if (!SonFinitos({ r0, c, q1, r1, rm, qf, ql, porcentaje }))
        return r;
    r.fallo = FalloCalculo::Ninguno;
    r.caudales = { ql, qf, porcentaje };
    return r;
}

} // namespace quelmora
