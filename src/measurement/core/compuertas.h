#pragma once

#include "hydraulics/fallo.h"

namespace quelmora {

// Discharge under a sluice gate in free outflow and through an orifice. Closed
// formulas, evaluated once per click; nothing is kept between calculations.

struct ResultadoCompuerta {
    // CalculoImposible when the data leave the formulas without a real, finite
    // value (y1 of 0 or below, 1 + Cc·a/y1 not above 0, overflow); nothing is
    // written then.
    FalloCalculo fallo = FalloCalculo::CalculoImposible;
    double coeficienteVelocidad = 0; // Cv
    double coeficienteDescarga = 0; // Cd
    double caudal = 0; // m3/s
    double caudalLitros = 0; // l/s
};

// Gate of width b with upstream depth y1, opening a and contraction coefficient Cc:
// Cv = 0.96 + 0.079·a/y1, Cd = Cv·Cc/√(1 + Cc·a/y1), Q = Cd·b·a·√(19.62·y1).
// Zero and negative values are taken as they read; only the bounds of the formulas
// themselves refuse a calculation.
ResultadoCompuerta CalcularCompuerta(
    double ancho, double tiranteAguasArriba, double abertura, double coeficienteContraccion);

struct ResultadoOrificio {
    // CalculoImposible for a negative head or an overflow.
    FalloCalculo fallo = FalloCalculo::CalculoImposible;
    double caudal = 0; // m3/s
    double caudalLitros = 0; // l/s
};

// Orifice of area A under the head h with discharge coefficient Cd: Q = Cd·A·√(19.62·h).
ResultadoOrificio CalcularOrificio(double area, double carga, double coeficienteDescarga);

} // namespace quelmora
