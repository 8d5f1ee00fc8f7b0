#include "hydraulics/flujo_variado.h"

#include <cmath>

namespace quelmora {

double PendienteFriccion(double n, double v, double radioHidraulico)
{
    return std::pow(n * v / std::pow(radioHidraulico, 2.0 / 3.0), 2.0);
}

double PendienteFriccionTramo(double se1, double se2) { return (se1 + se2) / 2.0; }

ExponentesHidraulicos CalcularExponentesHidraulicos(double b, double Z, double ym)
{
    ExponentesHidraulicos e;
    const double T = b + 2.0 * Z * ym;
    const double W = b + Z * ym;
    const double r = std::sqrt(1.0 + Z * Z);
    const double perimetroSobreY = b + 2.0 * ym * r;
    // Every divisor of the three exponents is tested: a zero one would not always
    // show as a value that is not finite (J = N/∞ gives 0 and then u^(N/J) = 1).
    if (W == 0.0 || T * W == 0.0 || perimetroSobreY == 0.0)
        return e;
    e.N = (10.0 / 3.0) * T / W - (8.0 / 3.0) * ym * r / perimetroSobreY;
    e.M = (3.0 * T * T - 2.0 * Z * ym * W) / (T * W);
    const double divisorJ = e.N - e.M + 1.0;
    if (divisorJ == 0.0)
        return e;
    e.J = e.N / divisorJ;
    e.validos = std::isfinite(e.N) && std::isfinite(e.M) && std::isfinite(e.J) && e.N != 0.0
        && e.J != 0.0;
    return e;
}

double IntegrandoFlujoVariado(double x, float exponente)
{
    return 1.0 / (1.0 - std::pow(x, static_cast<double>(exponente)));
}

double IntegracionRomberg(double w, float exponente)
{
    constexpr int kNiveles = 10;
    const double a = 0.0;
    // Only rows 1 and 2 and columns 1 to 10 are used, as in the table by hand.
    double R[3][kNiveles + 1] = {};
    double h = w - a;
    R[1][1]
        = h * (IntegrandoFlujoVariado(a, exponente) + IntegrandoFlujoVariado(w, exponente)) / 2.0;
    for (int i = 2; i <= kNiveles; ++i) {
        double s = 0.0;
        const int paneles = 1 << (i - 2);
        for (int k = 1; k <= paneles; ++k)
            s += IntegrandoFlujoVariado(a + (k - 0.5) * h, exponente);
        R[2][1] = (R[1][1] + h * s) / 2.0;
        for (int j = 2; j <= i; ++j) {
            const double cuatro = std::pow(4.0, j - 1);
            R[2][j] = (cuatro * R[2][j - 1] - R[1][j - 1]) / (cuatro - 1.0);
        }
        h = h / 2.0;
        for (int j = 1; j <= i; ++j)
            R[1][j] = R[2][j];
    }
    return R[1][kNiveles];
}

ValorFlujoVariado FuncionFlujoVariado(double w, float exponente)
{
    ValorFlujoVariado r;
    if (w <= 0.999) {
        r.F = IntegracionRomberg(w, exponente);
    } else if (w == 1.0) {
        r.fallo = FalloCalculo::TiranteNormal;
        return r;
    } else {
        constexpr int kTerminos = 60;
        const double E = exponente;
        double suma = 0.0;
        for (int k = 1; k <= kTerminos; ++k) {
            const double potencia = k * E - 1.0;
            const double divisor = potencia * std::pow(w, potencia);
            if (divisor == 0.0)
                return r;
            suma += 1.0 / divisor;
        }
        r.F = suma;
    }
    r.fallo = std::isfinite(r.F) ? FalloCalculo::Ninguno : FalloCalculo::CalculoImposible;
    return r;
}

double CoeficienteChezy(double y1, double y2, double n)
{
    return std::pow((y1 + y2) / 2.0, 1.0 / 6.0) / n;
}

double FuncionBresse(double Z)
{
    const double raiz3 = std::sqrt(3.0);
    const double divisorArco = 2.0 * Z + 1.0;
    const double divisorLog = (Z - 1.0) * (Z - 1.0);
    // At Z = −0.5 the arctangent would take +∞ and give a finite, wrong value.
    if (divisorArco == 0.0 || divisorLog == 0.0)
        return NAN;
    const double phi0 = (1.0 / 6.0) * std::log((Z * Z + Z + 1.0) / divisorLog)
        - (1.0 / raiz3) * std::atan(raiz3 / divisorArco);
    double c = 0.0;
    if (Z >= 0.0 && Z <= 0.999)
        c = 0.6046;
    else if (Z >= -0.45 && Z < 0.0)
        c = 1.8138;
    return phi0 + c;
}

} // namespace quelmora
