#pragma once
// The calculations of the section-tool windows, free of any window: the
// trapezoid solved for its bottom width, slope or roughness at a given depth,
// the circular conduit sized for a depth ratio y/d, and the circular section
// solved for its slope or roughness. Each takes the values read from the boxes
// (after the window's own checks) and gives every number the window writes, or
// why it writes nothing: nothing comes back unless every value is finite and the
// section is a real one (positive area, perimeter and top width).

#include "hydraulics/fallo.h"
#include "hydraulics/indicadores.h"

namespace quelmora {

// The drawing a bottom-width calculation leaves in view.
enum class DibujoTrasAncho { SinCambio, Triangulo, Rectangulo, Trapecio };

struct ResultadoHerramienta {
    // NoConverge (the bottom-width iteration) or CalculoImposible.
    FalloCalculo fallo = FalloCalculo::Ninguno;
    double ancho = 0.0; // bottom width b (sought on the width page)
    double pendiente = 0.0; // slope S (sought on the slope pages)
    double rugosidad = 0.0; // roughness n (sought on the roughness pages)
    double diametro = 0.0; // d, sized by the y/d window
    double tirante = 0.0; // y
    double area = 0.0;
    double perimetro = 0.0;
    double espejo = 0.0;
    double radio = 0.0;
    double velocidad = 0.0;
    double froude = 0.0;
    double energia = 0.0;
    TipoFlujo tipoFlujo = TipoFlujo::Ninguno;
    bool erosiva = false; // v > 0.9 and n > 0.024 (given or computed n)
    bool disenoInadecuado = false; // the width page: b came out below 0
    DibujoTrasAncho dibujo = DibujoTrasAncho::SinCambio;
};

// Bottom width of a trapezoid carrying Q at depth y: Newton on Manning's
// residual as a function of b, from b = 1, ending when |Δ| < 0.00001.
ResultadoHerramienta CalcularAnchoSolera(double q, double y, double z, double n, double s);
// Slope and roughness of a trapezoid of width b and side slope Z at depth y.
ResultadoHerramienta CalcularPendienteTrapecio(double q, double y, double b, double z, double n);
ResultadoHerramienta CalcularRugosidadTrapecio(double q, double y, double b, double z, double s);

// Diameter of a circular conduit running at depth ratio y/d, in closed form:
// d = (Q·n/(a·r^(2/3)·√S))^(3/8), with the flow type by F < 1 alone (never
// critical).
ResultadoHerramienta CalcularRelacionTiranteDiametro(double q, double relacion, double n, double s);

// Slope and roughness of a circular conduit of diameter d at depth y, by the
// ratio form of the central-angle rule completed with d.
ResultadoHerramienta CalcularPendienteCircular(double q, double y, double d, double n);
ResultadoHerramienta CalcularRugosidadCircular(double q, double y, double d, double s);

} // namespace quelmora
