#pragma once

namespace quelmora {

// The hydraulic jump: the side of the given depth, and the height, energy loss
// and length of the jump. Each jump calculation solves the equality of the
// momentum function M = Q²/(9.81·A) + A·ȳ at the two depths in a form of its own
// section.

// The side of the given depth by its Froude number F1: strictly above 1 it is
// the depth before the jump (supercritical); otherwise, 1 included, the depth
// after it. The depths are never compared.
enum class LadoResalto { Supercritico, Subcritico };
LadoResalto LadoTiranteResalto(double froude);

// Where the two depths go on the jump drawing: the given one beside y1 when it
// is supercritical, beside y2 otherwise.
struct TirantesDiagrama {
    LadoResalto lado = LadoResalto::Subcritico;
    double menor = 0.0; // beside the mark y1
    double mayor = 0.0; // beside the mark y2
};
TirantesDiagrama ClasificarTiranteResalto(double froude, double tiranteDado, double conjugado);

// h = |y − y2|.
double AlturaResalto(double tirante, double conjugado);
// ΔE = |E1 − E2|.
double PerdidaEnergiaResalto(double energia1, double energia2);
// The rectangular channel's closed form, |y − y2|³/(4·y·y2).
double PerdidaEnergiaResaltoRectangular(double tirante, double conjugado);
// L = K·h.
double LongitudResalto(double coeficiente, double altura);

// Length coefficient K of a trapezoidal channel against its side slope Z: the
// polynomial of degree five through (0, 5), (0.5, 7.9), (0.75, 9.2), (1, 10.6),
// (1.25, 12.6), (1.5, 15), unclamped. Beyond Z ≈ 2.2 it goes negative.
double InterpolarCoeficienteLongitud(double talud);

// The drawing's rounding: half up to hundredths (depths) and tenths (length),
// ⌊100·x + 0.5⌋/100 and ⌊10·x + 0.5⌋/10; and the cut to hundredths, ⌊100·x⌋/100.
double RedondearCentesimas(double x);
double RedondearDecimas(double x);
double CortarCentesimas(double x);

} // namespace quelmora
