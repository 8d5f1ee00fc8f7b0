#pragma once

namespace quelmora {

// Manning's equation in metric form, Q = A·R^(2/3)·√S/n, in the forms the
// calculations use: the discharge, a residual whose root is a depth or a width,
// and the closed forms for the slope and the roughness. Fractional exponents are
// quotients of whole numbers formed in double precision. A negative area, radius
// or slope gives a value that is not finite, never an exception.

// Q = ((A·R^(2/3))·√S)/n.
double CaudalManning(double area, double radio, double pendiente, double rugosidad);

// How the residual is formed. General: Q − ((A^(5/3)/P^(2/3))/n)·√S. Circular
// normal-depth window: Q − ((A/n)·(A/P)^(2/3))·√S. The same quantity; the order
// decides the last bits of the root.
enum class FormaResiduoManning { General, PorRadio };

// f = Q − √S·A^(5/3)/(P^(2/3)·n) at a trial depth or width; it decreases as the
// depth grows and its root is the normal depth.
double ResiduoManning(double caudal, double area, double perimetro, double pendiente,
    double rugosidad, FormaResiduoManning forma = FormaResiduoManning::General);

// S = ((Q·n)/(A·R^(2/3)))², squared by raising to the power 2.
double PendienteManning(double caudal, double rugosidad, double area, double radio);

// n = ((A·R^(2/3))·S^(1/2))/Q, the slope raised to the quotient 1/2.
double RugosidadManning(double caudal, double pendiente, double area, double radio);

} // namespace quelmora
