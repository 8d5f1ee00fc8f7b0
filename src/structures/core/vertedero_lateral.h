#pragma once
// The side weir on the bank of a trapezoidal channel: from the depth at the start
// section, where the channel carries its Manning discharge, the march goes along
// the weir slice by slice, each slice adding the flow it spills to the channel
// discharge and changing the depth by the relation of spatially varied flow,
// until the depth falls to the crest or the slices asked for are done.

#include <array>
#include <optional>
#include <vector>

#include "hydraulics/fallo.h"

namespace quelmora {

struct DatosVertederoLateral {
    double y0 = 0.0; // depth at the start section
    double b = 0.0; // bottom width
    double z = 0.0; // side slope
    double n = 0.0; // Manning roughness
    double s = 0.0; // bed slope
    double a = 0.0; // crest height above the channel bottom
    double dl = 0.0; // slice length
    double nt = 0.0; // number of slices, as typed
};

// One computed section, its sixteen values in the order of the grid columns:
// y, Q, h = y − a, h·√(19.62·h), m, ΔQ, Q·ΔQ, T (upper grid), Q²·T, A, Q²·T/A,
// 9.81·A², Q²·T/A − 9.81·A², Δh, y + Δh, Lacum (lower grid).
using FilaTramo = std::array<double, 16>;

inline constexpr int kMaximoFilasVertedero = 51; // the start row and 50 slices

struct ResultadoVertederoLateral {
    // DemasiadosTramos (more sections than the 51 rows hold: nothing computed)
    // or CalculoImposible (a value without meaning for these data: nothing
    // written).
    FalloCalculo fallo = FalloCalculo::Ninguno;
    int filasGrilla = 0; // N: grid rows 1 to N are this calculation's
    std::vector<FilaTramo> filas; // the rows computed, from the start row on
    // The distance reached when the depth fell to the crest before the slices
    // asked for were done.
    std::optional<double> distanciaAlcanzada;
};

// MarchaVertedero.
ResultadoVertederoLateral MarchaVertedero(const DatosVertederoLateral& datos);

} // namespace quelmora
