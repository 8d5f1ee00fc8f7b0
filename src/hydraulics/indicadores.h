#pragma once
// Flow indicators shared by the calculation windows: hydraulic depth, Froude
// number, specific energy, the name of the flow regime and the erosive-velocity
// rule, with g and 2g of hydraulics/gravedad.h.

#include <string>

namespace quelmora {

// D = A/T.
double ProfundidadHidraulica(double area, double espejo);

// F = v/√((9.81·A)/T).
double NumeroFroude(double velocidad, double area, double espejo);

// F = v/√(D·9.81), for the windows that work the hydraulic depth out first.
double NumeroFroudeConProfundidad(double velocidad, double profundidad);

// E = y + v²/19.62, v² formed as v raised to the power 2.
double EnergiaEspecifica(double tirante, double velocidad);

// "Subcrítico" when F < 1, "Crítico" when F is exactly 1, "Supercrítico" when
// F > 1 (UTF-8). A value that is not finite has no regime: the empty text.
std::string ClasificarTipoFlujo(double froude);

// The erosive-velocity rule: v > 0.9 and n > 0.024, both strict. A window shows
// the velocity in red and kTextoVelocidadErosiva in its label when it holds.
bool EsVelocidadErosiva(double velocidad, double rugosidad);

inline const std::string kTextoVelocidadErosiva = "Cuidado velocidad erosiva";
// What the label holds when the rule does not: 27 blanks, so it looks empty.
inline const std::string kTextoSinVelocidadErosiva(27, ' ');

} // namespace quelmora
