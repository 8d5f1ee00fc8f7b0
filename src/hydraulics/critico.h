#pragma once
// The critical-flow criterion Q²/g = A³/T, in the forms the critical-depth
// windows solve, and the evaluation step each of them repeats at every trial
// depth.

#include "hydraulics/secciones.h"

namespace quelmora {

// Volume form, f(y) = A³/T − C with C = Q²/9.81 (m⁵): the sign of Q plays no part.
double ConstanteCritica(double caudal);
double ResiduoCriticoVolumen(double area, double espejo, double constante);
// Its exact derivative for the trapezoid (dA/dy = T, dT/dy = 2Z):
// 3·A² − 2·Z·A³/T².
double DerivadaResiduoCriticoVolumen(double area, double espejo, double talud);

// Discharge form, f(y) = Q − √9.81·A^1.5/√T (m³/s).
double ResiduoCriticoCaudal(double area, double espejo, double caudal);

// Closed form for the parabola of top width T: y = 1.5·((Q/T)²/9.81)^(1/3).
double TiranteCriticoParabolico(double caudal, double espejo);

// The trapezoid at a trial depth: its elements and the volume-form residual.
struct EvaluacionCriticaTrapecial {
    ElementosSeccion elementos;
    double residuo = 0.0;
};
EvaluacionCriticaTrapecial EvaluarFuncionCritica(
    double b, double z, double constante, double tirante);

// The circle at a trial depth: its elements and the discharge-form residual.
// Outside 0 < y ≤ d the elements, and so the residual, are not finite.
struct EvaluacionCriticaCircular {
    ElementosCirculares elementos;
    double residuo = 0.0;
};
EvaluacionCriticaCircular EvaluarFuncionCriticaCircular(double d, double caudal, double tirante);

} // namespace quelmora
