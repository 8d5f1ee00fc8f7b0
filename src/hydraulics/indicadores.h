#pragma once
// Flow indicators shared by the calculation windows: Froude number, specific
// energy, the flow regime and the erosive-velocity rule, with g and 2g of
// hydraulics/gravedad.h.

namespace quelmora {

// F = v/√((9.81·A)/T).
double NumeroFroude(double velocidad, double area, double espejo);

// F = v/√(D·9.81), for the windows that work the hydraulic depth out first.
double NumeroFroudeConProfundidad(double velocidad, double profundidad);

// E = y + v²/19.62, v² formed as v raised to the power 2.
double EnergiaEspecifica(double tirante, double velocidad);

// The flow regime; a Froude number that is not finite has none.
enum class TipoFlujo { Ninguno, Subcritico, Critico, Supercritico };

// Subcritico when F < 1, Critico when F is exactly 1, Supercritico when F > 1.
TipoFlujo ClasificarTipoFlujo(double froude);

// The erosive-velocity rule: v > 0.9 and n > 0.024, both strict. A window shows
// the velocity in red and its warning when it holds.
bool EsVelocidadErosiva(double velocidad, double rugosidad);

} // namespace quelmora
