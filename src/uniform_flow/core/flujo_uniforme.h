#pragma once
// The calculations of the normal-depth and section-design windows, free of any
// window: from the values read out of the boxes (after the window's own checks
// of zeros and of b and Z) to every number the window writes, or the reason it
// writes nothing. The discharge windows (caudal.h) give the same result. Nothing is returned unless
// every value is finite and the section is a real one (positive depth, area, perimeter and top
// width).

#include "hydraulics/fallo.h"
#include "hydraulics/indicadores.h"

namespace quelmora {

// NoConverge, CalculoImposible or, for the circular conduit, TiranteMayorDiametro.
struct ResultadoFlujoUniforme {
    FalloCalculo fallo = FalloCalculo::Ninguno;
    double tirante = 0.0;
    double caudal = 0.0; // the discharge windows' result
    double ancho = 0.0; // bottom width, designed by the section-design windows
    double area = 0.0;
    double perimetro = 0.0;
    double espejo = 0.0;
    double radio = 0.0;
    double foco = 0.0; // parameter k of the parabola
    double velocidad = 0.0;
    double froude = 0.0;
    double energia = 0.0;
    TipoFlujo tipoFlujo = TipoFlujo::Ninguno;
    bool erosiva = false; // v > 0.9 and n > 0.024
};

// Normal depth of a trapezoid (rectangle with Z = 0, triangle with b = 0): Newton
// from y = 1, ending when |Δ| < 0.00001.
ResultadoFlujoUniforme CalcularTiranteTrapecial(double q, double b, double z, double n, double s);

// Normal depth of a parabola of top width T: Newton from y = 1, ending when
// |Δ| ≤ 0.00001; k at the final depth.
ResultadoFlujoUniforme CalcularTiranteParabolico(double q, double t, double n, double s);

// Normal depth of a circular conduit of diameter d by the half-angle rule: Newton
// from y = 0.35·d, ending when |Δ| ≤ 0.00001, stopped as soon as a trial depth
// exceeds d; top width d·sin α.
ResultadoFlujoUniforme CalcularTiranteCircular(double q, double d, double n, double s);

// Trapezoid of maximum hydraulic efficiency, m = b/y = 2·(√(1 + Z²) − Z), depth in
// closed form.
ResultadoFlujoUniforme CalcularMaximaEficiencia(double q, double z, double n, double s);

// Trapezoid of minimum infiltration, m = b/y = 4·(√(1 + Z²) − Z), depth in closed
// form.
ResultadoFlujoUniforme CalcularMinimaInfiltracion(double q, double z, double n, double s);

} // namespace quelmora
