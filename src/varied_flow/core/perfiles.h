#pragma once
// The calculations of the five profile windows, from the values read from their
// boxes to every number they write, or the reason they write nothing. Plain C++.

#include <vector>

#include "frame/core/numeros.h"
#include "hydraulics/fallo.h"

namespace quelmora {

// One calculation holds at most 152 profile points: nt at most 151.
inline constexpr int kMaximoPuntosPerfil = 152;

// Why a profile calculation writes nothing (or, in the fixed-reach window,
// stops): DatosIncompletos (a required value, or nt made whole, is 0),
// AnchoTaludCero (b and Z both 0), NumeroTramos (nt below 0, above 151 or
// beyond 16 bits), TiranteNormal (Bakhmeteff: a depth equal to the normal
// depth) or CalculoImposible (in the fixed-reach window every failure after
// the checks is CalculoImposible, which its trap reports).

struct PuntoPerfil {
    double x = 0;
    double y = 0;
};

// ---- Graphical integration ------------------------------------------------

// The data of the two methods that step between depths with Manning's friction
// slope in a trapezoidal channel (graphical integration and direct step).
struct DatosPerfilManning {
    double Q = 0, b = 0, Z = 0, So = 0, n = 0, y1 = 0, y2 = 0;
    Entero16 nt;
};
using DatosIntegracionGrafica = DatosPerfilManning;

struct FilaIntegracionGrafica {
    double y, A, P, R, T, v, Se, c, d, f, dx, x;
};

struct ResultadoIntegracionGrafica {
    FalloCalculo fallo = FalloCalculo::Ninguno;
    std::vector<FilaIntegracionGrafica> filas; // nt + 1 rows
};

ResultadoIntegracionGrafica CalcularIntegracionGrafica(const DatosIntegracionGrafica& d);

// ---- Bakhmeteff -----------------------------------------------------------

struct DatosBakhmeteff {
    double Q = 0, b = 0, Z = 0, S = 0, yn = 0, yc = 0, y1 = 0, y2 = 0;
    Entero16 nt;
};

struct FilaBakhmeteff {
    double y, u, v, Fu, Fv, X, x;
};

struct ResultadoBakhmeteff {
    FalloCalculo fallo = FalloCalculo::Ninguno;
    double N = 0, M = 0, J = 0;
    double X1 = 0; // the distance function at y1
    std::vector<FilaBakhmeteff> filas;
};

ResultadoBakhmeteff CalcularBakhmeteff(const DatosBakhmeteff& d);

// ---- Bresse ---------------------------------------------------------------

struct DatosBresse {
    double Q = 0, b = 0, S = 0, n = 0, yn = 0, y1 = 0, y2 = 0;
    Entero16 nt;
};

struct FilaBresse {
    double y, Z, Sx1, phi, Sx2, Sx, x;
};

struct ResultadoBresse {
    FalloCalculo fallo = FalloCalculo::Ninguno;
    double C = 0; // Chézy's coefficient of the profile
    double referencia = 0; // the distance function at y1
    std::vector<FilaBresse> filas;
};

ResultadoBresse CalcularBresse(const DatosBresse& d);

// ---- Direct step ----------------------------------------------------------

using DatosTramosDirecto = DatosPerfilManning;

// Row 1 has no step: dE, SeP, difSo, dx are 0 there and x is 0.
struct FilaTramosDirecto {
    double y, A, P, R, R23, v, hv, E, dE, Se, SeP, difSo, dx, x;
};

struct ResultadoTramosDirecto {
    FalloCalculo fallo = FalloCalculo::Ninguno;
    std::vector<FilaTramosDirecto> filas;
};

ResultadoTramosDirecto CalcularTramosDirecto(const DatosTramosDirecto& d);

// ---- Fixed reaches --------------------------------------------------------

struct DatosTramosFijos {
    double Q = 0, b = 0, Z = 0, S = 0, n = 0, yi = 0, dx = 0;
    Entero16 nt;
};

// The fixed-reach window writes as it goes and stops at the first failure:
// the rows worked out before it stay on screen.
struct ResultadoTramosFijos {
    FalloCalculo fallo = FalloCalculo::Ninguno;
    // nt + 2 once the grid is given its rows (0 when a check or the count itself
    // stopped the calculation before that).
    int numFilas = 0;
    std::vector<PuntoPerfil> puntos; // rows 1, 2, ... of the grid, as far as they got
};

ResultadoTramosFijos CalcularTramosFijos(const DatosTramosFijos& d);

} // namespace quelmora
