#include "hydraulics/resalto.h"

#include <cmath>

namespace quelmora {

LadoResalto LadoTiranteResalto(double froude)
{
    return froude > 1.0 ? LadoResalto::Supercritico : LadoResalto::Subcritico;
}

TirantesDiagrama ClasificarTiranteResalto(double froude, double tiranteDado, double conjugado)
{
    TirantesDiagrama t;
    t.lado = LadoTiranteResalto(froude);
    if (t.lado == LadoResalto::Supercritico) {
        t.menor = tiranteDado;
        t.mayor = conjugado;
    } else {
        t.menor = conjugado;
        t.mayor = tiranteDado;
    }
    return t;
}

double AlturaResalto(double tirante, double conjugado) { return std::fabs(tirante - conjugado); }

double PerdidaEnergiaResalto(double energia1, double energia2)
{
    return std::fabs(energia1 - energia2);
}

double PerdidaEnergiaResaltoRectangular(double tirante, double conjugado)
{
    return std::fabs(std::pow(tirante - conjugado, 3.0)) / (4.0 * tirante * conjugado);
}

double LongitudResalto(double coeficiente, double altura) { return coeficiente * altura; }

double InterpolarCoeficienteLongitud(double talud)
{
    // Lagrange's form through the six measured points, weight by weight, as the
    // coefficient has always been worked out.
    static constexpr double kTalud[6] = { 0.0, 0.5, 0.75, 1.0, 1.25, 1.5 };
    static constexpr double kCoeficiente[6] = { 5.0, 7.9, 9.2, 10.6, 12.6, 15.0 };
    double suma = 0.0;
    for (int i = 0; i < 6; ++i) {
        double numerador = 1.0;
        double denominador = 1.0;
        for (int j = 0; j < 6; ++j) {
            if (j == i)
                continue;
            numerador *= talud - kTalud[j];
            denominador *= kTalud[i] - kTalud[j];
        }
        suma += numerador / denominador * kCoeficiente[i];
    }
    return suma;
}

double RedondearCentesimas(double x) { return std::floor(100.0 * x + 0.5) / 100.0; }
double RedondearDecimas(double x) { return std::floor(10.0 * x + 0.5) / 10.0; }
double CortarCentesimas(double x) { return std::floor(100.0 * x) / 100.0; }

} // namespace quelmora
