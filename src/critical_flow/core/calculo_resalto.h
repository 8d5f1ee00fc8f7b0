#pragma once
// What the hydraulic-jump windows compute from the values read from their
// boxes: every number they write into the result boxes and onto the jump
// drawing, or the failure that stops them.

#include "hydraulics/fallo.h"
#include "hydraulics/resalto.h"

namespace quelmora {

struct ResultadoResalto {
    FalloCalculo fallo = FalloCalculo::Ninguno;
    double conjugado = 0.0; // y2
    double froude = 0.0; // F2, Froude number of y2
    double altura = 0.0; // h
    double perdida = 0.0; // ΔE (rhrectan: already rounded to four decimals)
    // L (rhrectan, rhtrape, and there only while the length coefficient of the
    // side slope is positive).
    bool conLongitud = false;
    double longitud = 0.0;
    double relacion = 0.0; // J = y2/y (rhtrape, rhpara)
    double foco = 0.0; // k (rhpara)
    // The drawing: the side and the two rounded depths, and L rounded to tenths.
    TirantesDiagrama tirantes;
    double longitudDiagrama = 0.0;
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
