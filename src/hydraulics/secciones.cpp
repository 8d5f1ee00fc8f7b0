#include "hydraulics/secciones.h"

#include <cmath>
#include <limits>

namespace quelmora {

namespace {

// π as the half-angle circle has always taken it, a literal short of the double π.
constexpr double kPiSemiangulo = 3.14159265;
// π/2 as the central-angle circle has always taken it, 3.27e-7 short of π/2.
constexpr double kMedioPiAnguloCentral = 1.570796;
// Stands for the top width of a full pipe in its hydraulic depth, so that the
// Froude number of a full pipe is small instead of a division by zero.
constexpr double kEspejoTuboLleno = 0.001;

} // namespace

ElementosSeccion PropiedadesSeccionTrapezoidal(
    double b, double z, double y, FormaPerimetroTrapecio forma)
{
    const double raiz = std::sqrt(1.0 + z * z);
    ElementosSeccion e;
    e.area = (b + z * y) * y;
    e.perimetro = forma == FormaPerimetroTrapecio::DobleTirantePorRaiz ? b + (2.0 * y) * raiz
                                                                       : b + (2.0 * raiz) * y;
    e.espejo = b + (2.0 * z) * y;
    e.radio = e.area / e.perimetro;
    e.profundidad = e.area / e.espejo;
    return e;
}

double PerimetroParabolico(double t, double y, FormaParabolica forma)
{
    if (forma == FormaParabolica::VentanaCaudal) {
        const double x = 4.0 * y / t;
        if (x <= 1.0)
            return t + 8.0 * y * y / (3.0 * t);
        const double s = std::sqrt(1.0 + x * x);
        return (t / 2.0) * (s + std::log(x + s) / x);
    }
    if (y / t <= 0.25)
        return t + 8.0 * y * y / (3.0 * t);
    const double x = 4.0 * y / t;
    const double s = std::sqrt(1.0 + 16.0 * (y * y) / (t * t));
    return (t / 2.0) * (s + std::log(x + s) * t / (4.0 * y));
}

ElementosParabolicos PropiedadesSeccionParabolica(double t, double y, FormaParabolica forma)
{
    ElementosParabolicos e;
    e.area = forma == FormaParabolica::VentanaCaudal ? (2.0 / 3.0) * t * y : 2.0 * t * y / 3.0;
    e.perimetro = PerimetroParabolico(t, y, forma);
    e.foco = t * t / (8.0 * y);
    e.radio = e.area / e.perimetro;
    e.profundidad = e.area / t;
    return e;
}

ElementosCirculares PropiedadesSeccionCircular(double d, double y)
{
    ElementosCirculares e;
    const double c = 1.0 - 2.0 * y / d;
    e.coseno = c;
    // At half full c is 0 and u = √(1 − c·c)/|c| would divide by zero; arctan u
    // tends to π/2 there from both sides, so the angle takes that limit.
    const double arcoTangente
        = c == 0.0 ? std::atan(1.0) * 2.0 : std::atan(std::sqrt(1.0 - c * c) / std::abs(c));
    e.angulo = c > 0.0 ? arcoTangente : kPiSemiangulo - arcoTangente;
    e.area = 0.25 * (d * d) * (e.angulo - c * std::sin(e.angulo));
    e.perimetro = e.angulo * d;
    e.espejo = d * std::sin(e.angulo);
    e.radio = e.area / e.perimetro;
    e.profundidad = e.area / e.espejo;
    return e;
}

namespace {

// θ = 2·(1.570796 − arctan(x/√(1 − x²))). At |x| = 1 (an empty or a full pipe)
// the quotient divides by zero; IEEE arithmetic would quietly make an angle of it
// through arctan(±∞), so the angle is refused there like beyond |x| > 1.
double AnguloCentral(double x)
{
    const double raiz = std::sqrt(1.0 - x * x);
    if (raiz == 0.0)
        return std::numeric_limits<double>::quiet_NaN();
    return 2.0 * (kMedioPiAnguloCentral - std::atan(x / raiz));
}

} // namespace

ElementosCircularesAnguloCentral PropiedadesCircularAnguloCentral(double y, double d)
{
    ElementosCircularesAnguloCentral e;
    if (y == d) {
        const double pi = 4.0 * std::atan(1.0);
        e.lleno = true;
        e.area = pi * (d * d) / 4.0;
        e.perimetro = pi * d;
        e.espejo = 0.0;
        e.radio = e.area / e.perimetro;
        e.profundidad = e.area / kEspejoTuboLleno;
        return e;
    }
    const double x = 1.0 - 2.0 * y / d;
    e.angulo = AnguloCentral(x);
    e.area = (e.angulo - std::sin(e.angulo)) * (d * d) / 8.0;
    e.perimetro = e.angulo * d / 2.0;
    e.espejo = 2.0 * std::sqrt(y * (d - y));
    e.radio = e.area / e.perimetro;
    e.profundidad = e.area / e.espejo;
    return e;
}

ElementosCircularesUnitarios PropiedadesCircularAnguloCentral(double relacionTirante)
{
    ElementosCircularesUnitarios e;
    const double x = 1.0 - 2.0 * relacionTirante;
    e.angulo = AnguloCentral(x);
    e.area = (e.angulo - std::sin(e.angulo)) / 8.0;
    e.radio = (1.0 - std::sin(e.angulo) / e.angulo) / 4.0;
    return e;
}

ElementosSeccion CompletarConDiametro(const ElementosCircularesUnitarios& unitarios, double d)
{
    ElementosSeccion e;
    e.area = unitarios.area * (d * d);
    e.radio = unitarios.radio * d;
    e.perimetro = d * unitarios.angulo / 2.0;
    e.espejo = std::sin(unitarios.angulo / 2.0) * d;
    e.profundidad = e.area / e.espejo;
    return e;
}

} // namespace quelmora
