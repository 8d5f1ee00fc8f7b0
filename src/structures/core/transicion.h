#pragma once
// Design of a warped transition in subcritical flow between a narrow end with
// vertical walls and a wide trapezoidal end: the depth in section F, the length
// and its reaches, the laws of bottom width, side slope and bed drop along the
// transition, and the depth, velocity and specific energy of every section by an
// energy balance carried from reach to reach.
//
// The window writes each value as soon as the calculation has it, so a failure
// part-way leaves what came before it on screen: the result lists exactly what
// was reached before the failure, in the order it is written.

#include <optional>
#include <vector>

#include "hydraulics/fallo.h"

namespace quelmora {

// Outlet (an expansion, F narrow, C wide) or inlet (a contraction, C narrow, F wide).
enum class VarianteTransicion { Salida, Entrada };

struct DatosTransicion {
    double q = 0.0; // discharge
    double bc = 0.0; // bottom width of section C
    double bf = 0.0; // bottom width of section F
    double zc = 0.0; // side slope of section C
    double zf = 0.0; // side slope of section F
    double yc = 0.0; // depth in section C, given
    double hz = 0.0; // difference of bed levels between the end sections
    double k = 0.0; // loss coefficient of the transition
};

// One row of the upper grid: bottom width, side slope and bed drop of section i.
struct FilaLeyesTransicion {
    int indice = 0;
    double ancho = 0.0;
    double talud = 0.0;
    double descenso = 0.0;
};

// One row of the lower grid: depth, velocity and specific energy of section i.
struct FilaSeccionTransicion {
    int indice = 0;
    double tirante = 0.0;
    double velocidad = 0.0;
    double energia = 0.0;
};

struct ResultadoTransicion {
    std::optional<double> tiranteF; // yF
    std::optional<double> longitud; // L, a whole number
    std::optional<int> tramos; // N
    std::vector<FilaLeyesTransicion> leyes;
    std::vector<FilaSeccionTransicion> secciones;
    // CalculoImposible: the calculation ended on a numeric failure after
    // writing what is above.
    FalloCalculo fallo = FalloCalculo::Ninguno;
};

// The sections the calculation can hold: 21 (indices 0 to 20).
inline constexpr int kSeccionesTransicion = 21;

// filasDatos is the number of data rows of the window's grids (the header row
// not counted); a section beyond them, or beyond kSeccionesTransicion, fails.
ResultadoTransicion CalcularTransicion(
    VarianteTransicion variante, const DatosTransicion& datos, int filasDatos);

// The depth of a section of bottom width b and side slope Z whose y + t/A²
// equals the head target H, by Newton's method from the start depth. Each pass
// steps from y and then stops when the residual at y (before the step) is below
// 0.0001, so the depth given is one step beyond the first depth that meets it.
// Empty on a failure: a zero area or derivative, a value not finite, a depth at
// or below 0 (no subcritical depth exists: the flow jumps), or 500 passes.
std::optional<double> TiranteTransicion(double b, double z, double t, double h, double inicio);

// LeyesTransicionAlabeada: bottom width, side slope and bed drop at distance x of
// a transition of length L from the narrow end of width B0 to the wide end of
// width B1 and side slope Z1, with width-law exponent nb.
FilaLeyesTransicion LeyesTransicionAlabeada(
    double b0, double b1, double z1, double hz, double longitud, double nb, double x);

} // namespace quelmora
