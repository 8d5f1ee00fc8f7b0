#pragma once
// Seepage losses of a channel: its normal depth, the loss through a concrete
// lining, the seven loss formulas of an earth channel with their material
// tables, the average of the formulas kept and the correction of the final
// discharge for the discharge that falls along the reach.

#include <optional>
#include <span>
#include <string_view>

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

struct Material {
    std::string_view nombre;
    double coeficiente;
};

// The material lists, each in list order.
std::span<const Material> MaterialesEtcheverry();
std::span<const Material> MaterialesPunjab();
std::span<const Material> MaterialesMoritz();
std::span<const Material> MaterialesKostiakov();
std::span<const Material> MaterialesDavisWilson();

// The coefficient of the entry whose text matches exactly, case included.
std::optional<double> CoeficienteMaterial(
    std::span<const Material> materiales, std::string_view texto);

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
