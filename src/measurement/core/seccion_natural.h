#pragma once
// The natural channel from its surveyed segments: the section sums (area, wetted
// perimeter, top width), the composite roughness, the uniform-flow discharge and
// the section outline. Both banks are vertical wetted walls; the water surface is
// horizontal over the whole section.
//
// The calculation runs in the order its boxes are written and stops at the first
// step without a real, finite value; the boxes of the steps before it keep what
// they were given, so the result says how far it got.

#include <vector>

#include "hydraulics/indicadores.h"

namespace quelmora {

// One surveyed segment: horizontal length along the water surface, depth at its
// right end and (composite roughness only) its Manning roughness.
struct TramoNatural {
    double longitud = 0;
    double profundidad = 0;
    double rugosidad = 0;
};

struct DatosSeccionNatural {
    bool rugosidadCompuesta = false;
    double pendiente = 0; // S
    double profundidadMargen = 0; // ho, left wall
    double rugosidad = 0; // n of the whole section (constant roughness)
    double rugosidadMargen = 0; // no, left wall (composite roughness)
    double rugosidadMargenFinal = 0; // nf, right wall (composite roughness)
    std::vector<TramoNatural> tramos; // left to right
};

// The steps of the calculation in the order their results reach the window.
// Radio belongs to the constant-roughness window only, RugosidadPonderada to the
// composite one.
enum class PasoSeccionNatural {
    Ninguno,
    Seccion, // A, P and T, written together
    Radio, // R = A/P
    Grafico, // the outline drawn
    Caudal, // Q
    Velocidad, // v = Q/A
    Froude, // F
    RugosidadPonderada, // K/P^(2/3)
    TipoFlujo, // the regime: the whole calculation done
};

struct PuntoSeccion {
    double x = 0; // distance from the left bank along the water surface
    double y = 0; // minus the depth: the surface is 0, the bed below it
};

struct ResultadoSeccionNatural {
    // The last step completed; TipoFlujo when nothing failed. Anything short of it
    // ends with the window's failure message.
    PasoSeccionNatural alcanzado = PasoSeccionNatural::Ninguno;
    bool completo() const { return alcanzado == PasoSeccionNatural::TipoFlujo; }
    bool llego(PasoSeccionNatural paso) const { return alcanzado >= paso; }

    // Area, perimeter, top width and radius are single-precision sums, kept here as
    // the exact double of the single value.
    double area = 0;
    double perimetro = 0;
    double espejo = 0;
    double radio = 0;
    std::vector<PuntoSeccion> contorno;
    double caudal = 0;
    double velocidad = 0;
    double froude = 0;
    double rugosidadPonderada = 0;
    TipoFlujo tipoFlujo = TipoFlujo::Ninguno;
};

// Most segments the calculation takes: a section of more fails before anything is
// written.
inline constexpr int kMaximoTramosNaturales = 499;
// Most points the section outline holds; a longer outline fails after A, P and T.
inline constexpr int kMaximoPuntosContorno = 300;

// The outline from the water surface above the left bank down the left wall (when
// ho is not 0), through the end of every segment, and up the right wall (when the
// last depth is not 0). With no segments the last depth is ho itself.
std::vector<PuntoSeccion> ContornoSeccionNatural(
    double profundidadMargen, const std::vector<TramoNatural>& tramos);

ResultadoSeccionNatural CalcularSeccionNatural(const DatosSeccionNatural& datos);

} // namespace quelmora
