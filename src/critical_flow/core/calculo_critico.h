#pragma once
// What the critical-depth windows compute from the values read from their
// boxes: every number they write, or the failure that stops them.

#include "hydraulics/fallo.h"

namespace quelmora {

struct ResultadoTiranteCritico {
    FalloCalculo fallo = FalloCalculo::Ninguno;
    double tirante = 0.0; // y
    double perimetro = 0.0; // p
    double area = 0.0; // a
    double radio = 0.0; // r
    double espejo = 0.0; // t (yctrape, yccir)
    double foco = 0.0; // k (ycpara)
    double velocidad = 0.0; // v
    double froude = 0.0; // f, taken to the nearest whole number
    double energia = 0.0; // e
};

// Trapezoid (rectangle Z = 0, triangle b = 0), Q ≠ 0 and b, Z not both 0.
ResultadoTiranteCritico CalcularTiranteCriticoTrapecial(double caudal, double b, double z);
// Parabola of top width T, Q ≠ 0 and T ≠ 0.
ResultadoTiranteCritico CalcularTiranteCriticoParabolico(double caudal, double espejo);
// Circle of diameter d, Q ≠ 0 and d ≠ 0.
ResultadoTiranteCritico CalcularTiranteCriticoCircular(double caudal, double d);

} // namespace quelmora
