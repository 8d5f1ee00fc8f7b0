#pragma once

#include "hydraulics/fallo.h"

namespace quelmora {

// Rules of gradually varied flow shared by the profile windows: the friction
// slope of a section and of a reach, Bakhmeteff's varied-flow function with the
// hydraulic exponents N, M and J, and Bresse's function for wide rectangular
// channels. Plain C++.

// Friction slope of a section by Manning: Se = (n·v / R^(2/3))².
double PendienteFriccion(double n, double v, double radioHidraulico);
// Friction slope of a reach between two computed sections: the mean of theirs.
double PendienteFriccionTramo(double se1, double se2);

// Hydraulic exponents of a trapezoidal channel at the mean depth ym, by Chow.
struct ExponentesHidraulicos {
    double N = 0; // hydraulic exponent of uniform flow
    double M = 0; // critical-flow exponent
    double J = 0; // N / (N - M + 1)
    bool validos = false; // false when a divisor is 0 or a value is not finite
};
ExponentesHidraulicos CalcularExponentesHidraulicos(double b, double Z, double ym);

// The integrand 1/(1 - x^E) of the varied-flow function; the exponent is kept in
// single precision, as the profile window holds it.
double IntegrandoFlujoVariado(double x, float exponente);

// The integral of the integrand from 0 to w by Romberg: a fixed 10 levels (the
// trapezoid rule refined to 512 panels with nine Richardson extrapolations), no
// convergence test.
double IntegracionRomberg(double w, float exponente);

// Bakhmeteff's varied-flow function F(w, E), or why it has none: TiranteNormal
// for w = 1 exactly (the depth equals the normal depth), CalculoImposible for a
// division by zero or a value that is not finite.
struct ValorFlujoVariado {
    FalloCalculo fallo = FalloCalculo::CalculoImposible;
    double F = 0;
};
// Up to w = 0.999 the integral by Romberg; above it the series of 60 terms
// Σ 1/((kE − 1)·w^(kE − 1)), also for 0.999 < w < 1.
ValorFlujoVariado FuncionFlujoVariado(double w, float exponente);

// Chézy's coefficient of a Bresse profile, from Manning's roughness at the mean
// of the two end depths: ((y1 + y2)/2)^(1/6) / n.
double CoeficienteChezy(double y1, double y2, double n);

// Bresse's function of the depth ratio Z = y/yn, with the four-decimal range
// constants 0.6046 and 1.8138. Not finite at Z = 1 and at Z = −0.5.
double FuncionBresse(double Z);

} // namespace quelmora
