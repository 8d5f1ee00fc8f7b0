#pragma once
// Discharge over rectangular, triangular (V-notch) and trapezoidal weirs, with the
// coefficient that each crest type and notch angle writes into its box.

#include <array>
#include <optional>

#include "hydraulics/fallo.h"

namespace quelmora {

// Which crest or notch an option of the weir window stands for; the window
// names its option buttons and gives their captions.
enum class Cresta { Aguda, Creager, Ancha };

// A crest type of the rectangular weir: the option that picks it writes its
// coefficient into the coefficient box and shows its picture (1 to 3).
struct TipoCresta {
    Cresta cresta;
    double coeficiente;
    int imagen; // crest picture
};
inline constexpr std::array<TipoCresta, 3> kTiposCresta { {
    { Cresta::Aguda, 1.84, 1 },
    { Cresta::Creager, 2, 2 },
    { Cresta::Ancha, 1.45, 3 },
} };

enum class Escotadura { Grados15, Grados30, Grados45, Grados60, Grados90, Grados120 };

// A notch angle of the triangular weir with its tabulated coefficient and the head
// above which that coefficient holds.
struct AnguloEscotadura {
    Escotadura escotadura;
    double coeficiente;
    double cargaMinima; // m
};
inline constexpr std::array<AnguloEscotadura, 6> kCargaMinimaTriangular { {
    { Escotadura::Grados15, 0.206, 0.15 },
    { Escotadura::Grados30, 0.392, 0.205 },
    { Escotadura::Grados45, 0.596, 0.185 },
    { Escotadura::Grados60, 0.819, 0.17 },
    { Escotadura::Grados90, 1.4, 0.14 },
    { Escotadura::Grados120, 2.465, 0.12 },
} };

// The minimum head of a coefficient, found by the value itself (exact equality with
// a tabulated coefficient) and not by the selected angle; none for any other value.
std::optional<double> CargaMinimaTriangular(double coeficiente);

struct ResultadoVertedero {
    // CargaMenorQueMinima (triangular weir: head below the tabulated
    // coefficient's minimum) or CalculoImposible (a negative head under a
    // fractional power, or an overflow).
    FalloCalculo fallo = FalloCalculo::CalculoImposible;
    double caudal = 0; // m3/s
    double caudalLitros = 0; // l/s
};

// Q = Cd·(L − 0.1·n·h)·h^1.5; an effective crest length of 0 or less gives a zero or
// negative discharge, written as computed.
ResultadoVertedero CalcularVertederoRectangular(
    double longitudCresta, double carga, double contracciones, double coeficiente);
// Q = Cd·h^2.5, after the minimum-head test of a tabulated coefficient.
ResultadoVertedero CalcularVertederoTriangular(double carga, double coeficiente);
// Q = 1.859·L·h^1.5.
ResultadoVertedero CalcularVertederoTrapezoidal(double longitudCresta, double carga);

} // namespace quelmora
