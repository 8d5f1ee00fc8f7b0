#pragma once
// Newton's method with the derivative in closed form, for the critical-depth,
// jump and transition equations. The caller owns the working values of its
// section: its evaluation step computes the residual at a trial value and leaves
// behind what the derivative is formed from, so the values of the last
// evaluation always belong to the value returned.
//
// Like the finite-difference solver it never runs away: at most
// kMaximoPasosNewton passes, and a zero derivative or any value that is not
// finite ends it as a numeric failure.

#include <cmath>

#include "hydraulics/newton.h"

namespace quelmora {

// Tolerance on the residual, in the residual's own unit.
inline constexpr double kToleranciaNewtonAnalitico = 0.0001;

// One Newton pass from x: x − f/f′. Not valid when f′ is 0 or a value is not
// finite, so that no caller ever divides by zero.
struct PasoNewton {
    bool valido = false;
    double x = 0.0;
    double delta = 0.0; // f/f′
};

inline PasoNewton PasoNewtonAnalitico(double x, double f, double fPrima)
{
    if (!std::isfinite(x) || !std::isfinite(f) || !std::isfinite(fPrima) || fPrima == 0.0)
        return {};
    const double delta = f / fPrima;
    const double nuevo = x - delta;
    if (!std::isfinite(delta) || !std::isfinite(nuevo))
        return {};
    return { true, nuevo, delta };
}

// The usual rule: another pass while |f| ≥ 0.0001 (equality goes on).
inline bool SeguirNewtonAnalitico(double f) { return std::fabs(f) >= kToleranciaNewtonAnalitico; }

// From x0: evaluate; then repeat {step; the caller's look at the new value;
// evaluate} while seguir(f) holds for the residual of the new value. At least
// one step is made even when x0 already meets the rule.
//   evaluar(x)  -> f at x, keeping the caller's working values of x;
//   derivada()  -> f′ at the value last evaluated;
//   seguir(f)   -> true to make another pass;
//   detener(x)  -> true to leave at once with the new value x (Detenido), before
//                  it is evaluated, for a caller that refuses it with a message.
template <class Evaluar, class Derivada, class Seguir, class Detener>
ResultadoNewton NewtonAnalitico(
    double x0, Evaluar&& evaluar, Derivada&& derivada, Seguir&& seguir, Detener&& detener)
{
    ResultadoNewton r;
    r.x = x0;
    double f = evaluar(r.x);
    if (!std::isfinite(f)) {
        r.estado = EstadoNewton::FalloNumerico;
        return r;
    }
    for (r.pasos = 1; r.pasos <= kMaximoPasosNewton; ++r.pasos) {
        const PasoNewton paso = PasoNewtonAnalitico(r.x, f, derivada());
        if (!paso.valido) {
            r.estado = EstadoNewton::FalloNumerico;
            return r;
        }
        r.x = paso.x;
        r.delta = paso.delta;
        if (detener(r.x)) {
            r.estado = EstadoNewton::Detenido;
            return r;
        }
        f = evaluar(r.x);
        if (!std::isfinite(f)) {
            r.estado = EstadoNewton::FalloNumerico;
            return r;
        }
        if (!seguir(f)) {
            r.estado = EstadoNewton::Convergio;
            return r;
        }
    }
    r.pasos = kMaximoPasosNewton;
    r.estado = EstadoNewton::LimitePasos;
    return r;
}

template <class Evaluar, class Derivada, class Seguir>
ResultadoNewton NewtonAnalitico(double x0, Evaluar&& evaluar, Derivada&& derivada, Seguir&& seguir)
{
    return NewtonAnalitico(x0, evaluar, derivada, seguir, [](double) { return false; });
}

template <class Evaluar, class Derivada>
ResultadoNewton NewtonAnalitico(double x0, Evaluar&& evaluar, Derivada&& derivada)
{
    return NewtonAnalitico(x0, evaluar, derivada, SeguirNewtonAnalitico);
}

} // namespace quelmora
