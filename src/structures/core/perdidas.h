#pragma once
// Seepage losses of a channel: its normal depth, the loss through a concrete
// lining, the seven loss formulas of an earth channel with their material
// tables, the average of the formulas kept and the correction of the final
// discharge for the discharge that falls along the reach.

#include <array>
#include <optional>
#include <span>

#include "hydraulics/fallo.h"

namespace quelmora {

// ---- Normal depth of the channel -------------------------------------------

struct DatosCanal {
    double q = 0.0; // discharge, m³/s
    double b = 0.0; // bottom width, m
    double z = 0.0; // side slope
    double n = 0.0; // Manning roughness
    double s = 0.0; // bed slope, m/m
};

struct TiranteNormalCanal {
    // DatosIncompletos (Q, S or n is 0), AnchoTaludCero (b and Z both 0),
    // NoConverge, or CalculoImposible (a value not finite, f0 = f1, a depth or
    // area at or below 0).
    FalloCalculo fallo = FalloCalculo::CalculoImposible;
    double tirante = 0.0;
    double area = 0.0;
    double perimetro = 0.0;
    double espejo = 0.0;
    double velocidad = 0.0;
    bool erosiva = false; // v > 0.9 and n > 0.024
};

// The checks and the normal depth by the finite-difference solver from 1 m.
TiranteNormalCanal ResolverTiranteNormal(const DatosCanal& canal);

// ---- Lined channel ----------------------------------------------------------

struct PerdidaRevestido {
    double perdidaKm = 0.0; // P, m³/s per km
    double qPerdido = 0.0; // m³/s over the length
    double qFinal = 0.0; // m³/s
    double porcentaje = 0.0;
};

// P = (10·K/e)·y·(b + y·√(1 + Z²)) with K in cm/s, e, y and b in m: the bottom and
// the wetted length of one side slope. Empty when a value is not finite.
std::optional<PerdidaRevestido> CalcularPerdidaRevestido(const DatosCanal& canal, double tirante,
    float longitudKm, double espesor, double permeabilidad);

// ---- Earth channel ----------------------------------------------------------

// The formulas in the order of the loss grid's rows 1 to 7.
enum class FormulaPerdida { Ingham, Etcheverry, Punjab, Moritz, Pavlovski, Kostiakov, DavisWilson };
inline constexpr int kNumeroFormulas = 7;

// The channel at its normal depth, as the formulas read it.
struct CanalEnTierra {
    double q = 0.0;
    double b = 0.0;
    double z = 0.0;
    double tirante = 0.0;
    double velocidad = 0.0;
};

// The loss of a formula in m³/s per km; the coefficient is that of its material
// (none for Ingham; Pavlovski and Kostiakov share one).
double PerdidaFormula(FormulaPerdida formula, const CanalEnTierra& canal, double coeficiente);

// The coefficient each entry of a material list sets, in list order: the soils
// of Etcheverry, Punjab, Moritz, Pavlovski-Kostiakov (one coefficient for both)
// and Davis-Wilson. The window names the entries.
inline constexpr std::array<double, 7> kCoeficientesEtcheverry { 0.375, 0.625, 0.875, 1.25, 1.625,
    2.25, 4.25 };
inline constexpr std::array<double, 3> kCoeficientesPunjab { 0.03, 0.02, 0.01 };
inline constexpr std::array<double, 11> kCoeficientesMoritz { 0.095, 0.13, 0.19, 0.265, 0.265,
    0.265, 0.375, 0.5, 0.65, 0.825, 1.4 };
inline constexpr std::array<double, 9> kCoeficientesKostiakov { 50.05, 0.0505, 0.00505, 0.000505,
    5.0005e-6, 5.005e-5, 5.5e-5, 5.05e-7, 5e-8 };
// Whole numbers.
inline constexpr std::array<double, 9> kCoeficientesDavisWilson { 1, 4, 6, 12, 15, 20, 25, 30, 55 };

// The discharge at the end of the reach from the average loss P per km, with one
// correction for the discharge falling along it.
struct CaudalesResultantes {
    double qPerdido = 0.0;
    double qFinal = 0.0;
    double porcentaje = 0.0;
};

struct ResultadoCorreccion {
    // PerdidasSuperanCaudal (P·L ≥ Q: nothing is left at the end of the reach)
    // or CalculoImposible (a value not finite).
    FalloCalculo fallo = FalloCalculo::CalculoImposible;
    CaudalesResultantes caudales;
};

ResultadoCorreccion CorregirCaudal(double perdidaKm, double q, float longitudKm);

// The average of the kept losses of the formulas not discarded, in grid order;
// empty when every formula is discarded.
std::optional<double> PromedioPerdidas(std::span<const double, kNumeroFormulas> perdidas,
    std::span<const bool, kNumeroFormulas> descartadas);

} // namespace quelmora
