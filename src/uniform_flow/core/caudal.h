#pragma once
// The calculations of the discharge windows, free of any window: from the depth,
// the section, the roughness and the slope read out of the boxes (after the
// window's own checks) to every number the window writes, by Manning's equation
// in closed form. Nothing is returned unless every value is finite and the
// section is a real one (positive depth, area and perimeter, and a positive top
// width wherever the Froude number divides by it).

#include "uniform_flow/core/flujo_uniforme.h"

namespace quelmora {

// Each gives the discharge with the section's elements and indicators in a
// ResultadoFlujoUniforme (the top width 0 for a full pipe).

// Trapezoid (rectangle with Z = 0, triangle with b = 0) at depth y, the wetted
// perimeter formed as b + (2·√(1 + Z·Z))·y; F = v/√((9.81·A)/T).
ResultadoFlujoUniforme CalcularCaudalTrapecial(double y, double b, double z, double n, double s);

// Parabola of top width T at depth y, A = ((2/3)·T)·y and the perimeter's
// threshold written as 4y/T ≤ 1; F with the top width typed in.
ResultadoFlujoUniforme CalcularCaudalParabolico(double y, double t, double n, double s);

// Circular conduit of diameter d by the central angle, y = d being the full pipe
// (top width 0, the hydraulic depth A/0.001); F = v/√(D·9.81). No erosion rule.
// The caller has refused d < y.
ResultadoFlujoUniforme CalcularCaudalCircular(double y, double d, double n, double s);

} // namespace quelmora
