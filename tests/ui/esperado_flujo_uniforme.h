#pragma once
// What the uniform-flow windows should show, worked out here on their own: the
// depth by bisection on Manning's equation written out from the geometry of each
// section, and every other value from that depth. None of it calls the program.

#include <QString>
#include <cmath>
#include <functional>

struct SeccionEsperada {
    double y = 0, b = 0, a = 0, p = 0, t = 0, r = 0, k = 0, v = 0, f = 0, e = 0;
    QString tipo;
    bool erosiva = false;
};

// Four decimals, as the masks "##0.0000" and the like write them.
inline QString Cuatro(double x) { return QString::number(x, 'f', 4); }

// Bisection to 1e-13 on a discharge that grows with the depth.
inline double BiseccionTirante(
    const std::function<double(double)>& caudal, double q, double bajo, double alto)
{
    while (alto - bajo > 1e-13) {
        const double medio = (bajo + alto) / 2.0;
        (caudal(medio) < q ? bajo : alto) = medio;
    }
    return (bajo + alto) / 2.0;
}

inline double Manning(double a, double p, double n, double s)
{
    return a * std::pow(a / p, 2.0 / 3.0) * std::sqrt(s) / n;
}

// Velocity, Froude number, energy, regime and erosion from the section.
inline SeccionEsperada Completar(SeccionEsperada x, double q, double n)
{
    x.r = x.a / x.p;
    x.v = q / x.a;
    x.f = x.v / std::sqrt(9.81 * x.a / x.t);
    x.e = x.y + x.v * x.v / 19.62;
    x.tipo = x.f < 1.0 ? "Subcrítico" : x.f > 1.0 ? "Supercrítico" : "Crítico";
    x.erosiva = x.v > 0.9 && n > 0.024;
    return x;
}

inline SeccionEsperada TrapecioEnTirante(double q, double b, double z, double n, double y)
{
    SeccionEsperada x;
    x.y = y;
    x.b = b;
    x.a = (b + z * y) * y;
    x.p = b + 2.0 * y * std::hypot(1.0, z);
    x.t = b + 2.0 * z * y;
    return Completar(x, q, n);
}

inline SeccionEsperada TirantePorTrapecio(double q, double b, double z, double n, double s)
{
    const double y = BiseccionTirante(
        [&](double y) { return Manning((b + z * y) * y, b + 2.0 * y * std::hypot(1.0, z), n, s); },
        q, 1e-9, 100.0);
    return TrapecioEnTirante(q, b, z, n, y);
}

// The parabola's perimeter: the approximation up to y/T = 0.25, above it the arc
// length written with asinh.
inline double PerimetroParabola(double t, double y)
{
    if (y / t <= 0.25)
        return t + 8.0 * y * y / (3.0 * t);
    const double x = 4.0 * y / t;
    return t / 2.0 * (std::sqrt(1.0 + x * x) + std::asinh(x) / x);
}

inline SeccionEsperada TirantePorParabola(double q, double t, double n, double s)
{
    const double y = BiseccionTirante(
        [&](double y) { return Manning(2.0 * t * y / 3.0, PerimetroParabola(t, y), n, s); }, q,
        1e-9, 100.0);
    SeccionEsperada x;
    x.y = y;
    x.a = 2.0 * t * y / 3.0;
    x.p = PerimetroParabola(t, y);
    x.t = t;
    x.k = t * t / (8.0 * y);
    return Completar(x, q, n);
}

// Circular segment by the angle arccos(1 − 2y/d); the lower of the two depths
// that carry q (the discharge of a circle peaks near 0.94·d).
inline SeccionEsperada TirantePorCirculo(double q, double d, double n, double s)
{
    auto elementos = [d](double y, double& a, double& p) {
        const double mitad = std::acos(1.0 - 2.0 * y / d);
        a = d * d / 8.0 * (2.0 * mitad - std::sin(2.0 * mitad));
        p = mitad * d;
    };
    const double y = BiseccionTirante(
        [&](double y) {
            double a, p;
            elementos(y, a, p);
            return Manning(a, p, n, s);
        },
        q, 1e-9, 0.93 * d);
    SeccionEsperada x;
    x.y = y;
    elementos(y, x.a, x.p);
    x.t = 2.0 * std::sqrt(y * (d - y));
    return Completar(x, q, n);
}

// A trapezoid whose bottom width is m times its depth, its depth by bisection.
inline SeccionEsperada TirantePorRelacion(double q, double m, double z, double n, double s)
{
    const double y = BiseccionTirante(
        [&](double y) {
            return Manning((m + z) * y * y, m * y + 2.0 * y * std::hypot(1.0, z), n, s);
        },
        q, 1e-9, 100.0);
    return TrapecioEnTirante(q, m * y, z, n, y);
}
