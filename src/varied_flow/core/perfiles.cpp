#include "varied_flow/core/perfiles.h"

#include <cmath>
#include <initializer_list>
#include <limits>

#include "hydraulics/finitos.h"
#include "hydraulics/flujo_variado.h"
#include "hydraulics/gravedad.h"
#include "hydraulics/newton.h"
#include "hydraulics/secciones.h"

namespace quelmora {

namespace {

// The checks of "&Calcular" in the depth-step windows, in their order: the zero
// check (nt after rounding), b and Z both 0 where the window has a side slope,
// then the count, which must fit the 152 points of one calculation.
FalloCalculo VerificarPerfil(std::initializer_list<double> requeridos, Entero16 nt,
    bool conTalud = false, double b = 0, double Z = 0)
{
    for (double valor : requeridos)
        if (valor == 0.0)
            return FalloCalculo::DatosIncompletos;
    if (nt.valido && nt.valor == 0)
        return FalloCalculo::DatosIncompletos;
    if (conTalud && b == 0.0 && Z == 0.0)
        return FalloCalculo::AnchoTaludCero;
    if (!nt.valido || nt.valor < 1 || nt.valor > kMaximoPuntosPerfil - 1)
        return FalloCalculo::NumeroTramos;
    return FalloCalculo::Ninguno;
}

} // namespace

ResultadoIntegracionGrafica CalcularIntegracionGrafica(const DatosIntegracionGrafica& d)
{
    ResultadoIntegracionGrafica r;
    r.fallo = VerificarPerfil({ d.Q, d.So, d.n, d.y1, d.y2 }, d.nt, true, d.b, d.Z);
    if (r.fallo != FalloCalculo::Ninguno)
        return r;
    const int nt = d.nt.valor;
    const double dy = (d.y2 - d.y1) / nt;
    double y = d.y1, yPrevio = d.y1, fPrevio = 0.0, x = 0.0;
    for (int i = 1; i <= nt + 1; ++i) {
        FilaIntegracionGrafica f;
        const auto s = PropiedadesSeccionTrapezoidal(d.b, d.Z, y);
        f.y = y;
        f.A = s.area;
        f.P = s.perimetro;
        f.R = s.radio;
        f.T = s.espejo;
        // A depth with no area (or one whose cube is 0) has no velocity nor
        // critical term, and slopes that cancel leave dx/dy without a value:
        // refused before dividing, as any value that is not finite.
        if (std::pow(f.A, 3.0) == 0.0) {
            r.fallo = FalloCalculo::CalculoImposible;
            r.filas.clear();
            return r;
        }
        f.v = d.Q / f.A;
        f.Se = PendienteFriccion(d.n, f.v, f.R);
        f.c = 1.0 - std::pow(d.Q, 2.0) * f.T / (kGravedad * std::pow(f.A, 3.0));
        f.d = d.So - f.Se;
        if (f.d == 0.0) {
            r.fallo = FalloCalculo::CalculoImposible;
            r.filas.clear();
            return r;
        }
        f.f = f.c / f.d;
        // Trapezoid rule over the step; x adds lengths, whichever way the depth moves.
        f.dx = (y - yPrevio) * (f.f + fPrevio) / 2.0;
        x = x + std::fabs(f.dx);
        f.x = x;
        if (!SonFinitos({ f.y, f.A, f.P, f.R, f.T, f.v, f.Se, f.c, f.d, f.f, f.dx, f.x })) {
            r.fallo = FalloCalculo::CalculoImposible;
            r.filas.clear();
            return r;
        }
        r.filas.push_back(f);
        yPrevio = y;
        fPrevio = f.f;
        y = y + dy;
    }
    return r;
}

namespace {

// F(w, E) with E held in single precision, as the window keeps its exponent.
FalloCalculo EvaluarFlujoVariado(double w, double exponente, double& F)
{
    // An exponent beyond the single range has no single value to hold it.
    if (!(std::fabs(exponente) <= std::numeric_limits<float>::max()))
        return FalloCalculo::CalculoImposible;
    const auto valor = FuncionFlujoVariado(w, static_cast<float>(exponente));
    F = valor.F;
    return valor.fallo;
}

} // namespace

ResultadoBakhmeteff CalcularBakhmeteff(const DatosBakhmeteff& d)
{
    ResultadoBakhmeteff r;
    r.fallo = VerificarPerfil({ d.Q, d.S, d.yn, d.yc, d.y1, d.y2 }, d.nt, true, d.b, d.Z);
    if (r.fallo != FalloCalculo::Ninguno)
        return r;
    // A slope beyond the number range would make every length 0 (yn/S), and a
    // depth or width there has no section behind it.
    if (!SonFinitos({ d.b, d.Z, d.S, d.yn, d.yc, d.y1, d.y2 })) {
        r.fallo = FalloCalculo::CalculoImposible;
        return r;
    }
    const int nt = d.nt.valor;
    const double dy = (d.y2 - d.y1) / nt;
    const double ym = (d.y1 + d.y2) / 2.0;
    const auto e = CalcularExponentesHidraulicos(d.b, d.Z, ym);
    if (!e.validos) {
        r.fallo = FalloCalculo::CalculoImposible;
        return r;
    }
    r.N = e.N;
    r.M = e.M;
    r.J = e.J;
    const double factor = (d.yn / d.S) * (e.J / e.N) * std::pow(d.yc / d.yn, e.M);

    // The distance function X at depth y; the first failure ends the calculation.
    auto distancia = [&](double y, FilaBakhmeteff& f) {
        f.y = y;
        f.u = y / d.yn;
        FalloCalculo fallo = EvaluarFlujoVariado(f.u, e.N, f.Fu);
        if (fallo != FalloCalculo::Ninguno)
            return fallo;
        const double primerTermino = (d.yn / d.S) * (f.u - f.Fu);
        f.v = std::pow(f.u, e.N / e.J);
        fallo = EvaluarFlujoVariado(f.v, e.J, f.Fv);
        if (fallo != FalloCalculo::Ninguno)
            return fallo;
        f.X = primerTermino + factor * f.Fv;
        return FalloCalculo::Ninguno;
    };

    FilaBakhmeteff referencia;
    r.fallo = distancia(d.y1, referencia);
    if (r.fallo == FalloCalculo::Ninguno && !SonFinitos({ referencia.X, factor }))
        r.fallo = FalloCalculo::CalculoImposible;
    if (r.fallo != FalloCalculo::Ninguno)
        return r;
    r.X1 = referencia.X;

    double y = d.y1;
    for (int i = 1; i <= nt + 1; ++i) {
        FilaBakhmeteff f;
        r.fallo = distancia(y, f);
        if (r.fallo == FalloCalculo::Ninguno) {
            f.x = std::fabs(f.X - r.X1);
            if (!SonFinitos({ f.y, f.u, f.v, f.Fu, f.Fv, f.X, f.x }))
                r.fallo = FalloCalculo::CalculoImposible;
        }
        if (r.fallo != FalloCalculo::Ninguno) {
            r.filas.clear();
            return r;
        }
        r.filas.push_back(f);
        y = y + dy;
    }
    return r;
}

ResultadoBresse CalcularBresse(const DatosBresse& d)
{
    ResultadoBresse r;
    // Q and b enter the zero check only; the channel is wide and rectangular.
    r.fallo = VerificarPerfil({ d.Q, d.b, d.S, d.n, d.yn, d.y1, d.y2 }, d.nt);
    if (r.fallo != FalloCalculo::Ninguno)
        return r;
    // A slope or roughness beyond the number range would pass as a term of 0
    // (yn/S, C = R^(1/6)/n) and give a profile of some other channel.
    if (!SonFinitos({ d.S, d.n, d.yn, d.y1, d.y2 })) {
        r.fallo = FalloCalculo::CalculoImposible;
        return r;
    }
    const int nt = d.nt.valor;
    const double dy = (d.y2 - d.y1) / nt;
    r.C = CoeficienteChezy(d.y1, d.y2, d.n);

    auto fila = [&](double y) {
        FilaBresse f;
        f.y = y;
        f.Z = y / d.yn;
        f.Sx1 = (d.yn / d.S) * f.Z;
        f.phi = FuncionBresse(f.Z);
        f.Sx2 = d.yn * (1.0 / d.S - std::pow(r.C, 2.0) / kGravedad) * f.phi;
        f.Sx = f.Sx1 - f.Sx2;
        return f;
    };

    const auto primera = fila(d.y1);
    r.referencia = primera.Sx;
    double y = d.y1;
    for (int i = 1; i <= nt + 1; ++i) {
        auto f = fila(y);
        f.x = std::fabs(f.Sx - r.referencia);
        if (!SonFinitos({ r.C, r.referencia, f.y, f.Z, f.Sx1, f.phi, f.Sx2, f.Sx, f.x })) {
            r.fallo = FalloCalculo::CalculoImposible;
            r.filas.clear();
            return r;
        }
        r.filas.push_back(f);
        y = y + dy;
    }
    return r;
}

ResultadoTramosDirecto CalcularTramosDirecto(const DatosTramosDirecto& d)
{
    ResultadoTramosDirecto r;
    r.fallo = VerificarPerfil({ d.Q, d.So, d.n, d.y1, d.y2 }, d.nt, true, d.b, d.Z);
    if (r.fallo != FalloCalculo::Ninguno)
        return r;
    const int nt = d.nt.valor;
    const double dy = (d.y2 - d.y1) / nt;
    double x = 0.0, y = d.y1, Eprevio = 0.0, SePrevio = 0.0;
    for (int i = 1; i <= nt + 1; ++i) {
        FilaTramosDirecto f {};
        const auto s = PropiedadesSeccionTrapezoidal(d.b, d.Z, y);
        f.y = y;
        f.A = s.area;
        f.P = s.perimetro;
        f.R = s.radio;
        f.R23 = std::pow(f.R, 2.0 / 3.0);
        // No area, or friction slopes that cancel the bed slope, leave no
        // value: refused before dividing, as any value that is not finite.
        if (f.A == 0.0) {
            r.fallo = FalloCalculo::CalculoImposible;
            r.filas.clear();
            return r;
        }
        f.v = d.Q / f.A;
        f.hv = std::pow(f.v, 2.0) / kDobleGravedad;
        f.E = y + f.hv;
        f.Se = PendienteFriccion(d.n, f.v, f.R);
        if (i > 1) {
            f.dE = f.E - Eprevio;
            f.SeP = PendienteFriccionTramo(SePrevio, f.Se);
            f.difSo = d.So - f.SeP;
            if (f.difSo == 0.0) {
                r.fallo = FalloCalculo::CalculoImposible;
                r.filas.clear();
                return r;
            }
            f.dx = f.dE / f.difSo;
            x = x + std::fabs(f.dx);
        }
        f.x = x;
        if (!SonFinitos({ f.y, f.A, f.P, f.R, f.R23, f.v, f.hv, f.E, f.dE, f.Se, f.SeP, f.difSo,
                f.dx, f.x })) {
            r.fallo = FalloCalculo::CalculoImposible;
            r.filas.clear();
            return r;
        }
        r.filas.push_back(f);
        Eprevio = f.E;
        SePrevio = f.Se;
        y = y + dy;
    }
    return r;
}

ResultadoTramosFijos CalcularTramosFijos(const DatosTramosFijos& d)
{
    ResultadoTramosFijos r;
    // Reading is under the trap: a count beyond 16 bits or a number beyond the
    // range of a double ends there, before anything changes.
    if (!d.nt.valido || !SonFinitos({ d.Q, d.b, d.Z, d.S, d.n, d.yi, d.dx })) {
        r.fallo = FalloCalculo::CalculoImposible;
        return r;
    }
    for (double valor : { d.Q, d.S, d.n, d.dx, d.yi })
        if (valor == 0.0) {
            r.fallo = FalloCalculo::DatosIncompletos;
            return r;
        }
    if (d.nt.valor == 0) {
        r.fallo = FalloCalculo::DatosIncompletos;
        return r;
    }
    if (d.b == 0.0 && d.Z == 0.0) {
        r.fallo = FalloCalculo::AnchoTaludCero;
        return r;
    }
    const int nt = d.nt.valor;
    // nt + 2 rows must be a 16-bit count, and a grid takes no fewer rows than
    // its header: such a count fails before the grid changes.
    if (nt + 2 > 32767 || nt + 2 < 1) {
        r.fallo = FalloCalculo::CalculoImposible;
        return r;
    }
    r.numFilas = nt + 2;
    // nt = −1 leaves the grid its header row alone, and the first point then
    // has no row to go to.
    if (nt < 0) {
        r.fallo = FalloCalculo::CalculoImposible;
        return r;
    }

    double x = 0.0, y1 = d.yi;
    r.puntos.push_back({ x, y1 });
    for (int k = 1; k <= nt; ++k) {
        // Row k + 1 must fit the 152 points of one calculation.
        if (k + 1 > kMaximoPuntosPerfil) {
            r.fallo = FalloCalculo::CalculoImposible;
            return r;
        }
        const auto conocida = PropiedadesSeccionTrapezoidal(d.b, d.Z, y1);
        // No area, or a radius so small that R^(4/3) is 0, leaves C1 without a
        // value: the same trap, before dividing.
        if (conocida.area == 0.0 || std::pow(conocida.radio, 4.0 / 3.0) == 0.0) {
            r.fallo = FalloCalculo::CalculoImposible;
            return r;
        }
        const double v1 = d.Q / conocida.area;
        const double C1 = y1 + d.S * d.dx + std::pow(v1, 2.0) / kDobleGravedad
            - d.dx * std::pow(d.n * v1, 2.0) / (2.0 * std::pow(conocida.radio, 4.0 / 3.0));
        if (!std::isfinite(C1)) {
            r.fallo = FalloCalculo::CalculoImposible;
            return r;
        }
        auto residuoEnergia = [&](double y) {
            const auto s = PropiedadesSeccionTrapezoidal(d.b, d.Z, y);
            const double v = d.Q / s.area;
            return y + std::pow(v, 2.0) / kDobleGravedad
                + d.dx * std::pow(d.n * v, 2.0) / (2.0 * std::pow(s.radio, 4.0 / 3.0)) - C1;
        };
        OpcionesNewton opciones;
        opciones.parada = ReglaParada::Estricta;
        opciones.correccion = FormaCorreccion::Directa;
        const auto raiz = NewtonDiferenciaFinita(residuoEnergia, y1, opciones);
        if (raiz.estado != EstadoNewton::Convergio) {
            r.fallo = FalloCalculo::CalculoImposible;
            return r;
        }
        y1 = raiz.x;
        x = x + d.dx;
        // Reaches near the top of the number range add up past it.
        if (!std::isfinite(x)) {
            r.fallo = FalloCalculo::CalculoImposible;
            return r;
        }
        r.puntos.push_back({ x, y1 });
    }
    return r;
}

} // namespace quelmora
