#pragma once
// What the hydraulic-jump windows compute from the values read from their
// boxes: every number they write into the result boxes and onto the jump
// drawing, or the failure that stops them.

#include <string>

#include "hydraulics/fallo.h"
#include "hydraulics/resalto.h"

namespace quelmora {

// The texts of the jump drawing and of the side label.
struct TextosDiagramaResalto {
    std::string lado; // "tirante supercrítico" / "tirante subcrítico"
    std::string menor; // beside y1: "=" and the number text
    std::string mayor; // beside y2: "= " and the number text
    std::string longitud; // "L=" and the number text; empty where there is no length
};

// The side text and the two depth labels from the side decision, and the length
// label from the rounded length when the window shows one.
TextosDiagramaResalto TextosDiagrama(const TirantesDiagrama& tirantes);
TextosDiagramaResalto TextosDiagrama(const TirantesDiagrama& tirantes, double longitudRedondeada);

struct ResultadoResalto {
    FalloCalculo fallo = FalloCalculo::Ninguno;
    double conjugado = 0.0; // y2
    double froude = 0.0; // F2, Froude number of y2
    double altura = 0.0; // h
    double perdida = 0.0; // ΔE (rhrectan: already rounded to four decimals)
    bool conLongitud = false;
    double longitud = 0.0; // L (rhrectan, rhtrape)
    double relacion = 0.0; // J = y2/y (rhtrape, rhpara)
    double foco = 0.0; // k (rhpara)
    TextosDiagramaResalto diagrama;
};

// Rectangle of width b, given depth y; Q, b and y not 0.
ResultadoResalto CalcularResaltoRectangular(double caudal, double b, double tirante);
// Trapezoid of bottom width b and side slope Z; Q, b, Z and y not 0.
ResultadoResalto CalcularResaltoTrapecial(double caudal, double b, double z, double tirante);
// Parabola of top width T at the given depth y; Q, y and T not 0.
ResultadoResalto CalcularResaltoParabolico(double caudal, double tirante, double espejo);
// Circle of diameter d, given depth y1; Q, y1 and d not 0.
ResultadoResalto CalcularResaltoCircular(double caudal, double tirante, double d);

} // namespace quelmora
