#pragma once
// Root finder with a backward-difference slope, for the lengths (depths, widths)
// that have no closed form. From the caller's start value x it repeats:
//   f0 = f(x); f1 = f(x − 0.001); Δ = 0.001·f0/(f0 − f1); x = ((x − 0.001) − Δ) + 0.001
// until |Δ| < 0.00001 (strict rule) or |Δ| ≤ 0.00001 (loose rule). The result is
// the x after the last correction; the caller evaluates its section there once
// more for the elements it writes.
//
// Unlike the bare method, it never runs away: at most kMaximoPasosNewton passes,
// and a residual that is not finite, a zero difference f0 − f1 or a correction
// that is not finite ends it as a numeric failure (a NaN must never pass the stop
// test as if the iteration had settled).

#include <functional>

namespace quelmora {

inline constexpr int kMaximoPasosNewton = 500;
inline constexpr double kPasoNewton = 0.001;
inline constexpr double kToleranciaNewton = 0.00001;

// Which comparison of |Δ| with 0.00001 ends the iteration.
enum class ReglaParada {
    Estricta, // ends when |Δ| < 0.00001 (repeats while |Δ| ≥ 0.00001)
    Holgada, // ends when |Δ| ≤ 0.00001 (repeats while |Δ| > 0.00001)
};

// How the new value is formed: through the lowered value, ((x − 0.001) − Δ) + 0.001,
// as the uniform-flow windows do, or directly as x − Δ.
enum class FormaCorreccion { PorValorRebajado, Directa };

enum class EstadoNewton {
    Convergio, // the stop rule held
    LimitePasos, // kMaximoPasosNewton passes without meeting the stop rule
    FalloNumerico, // a residual or correction not finite, or f0 = f1
    Detenido, // the caller's check after a correction asked to stop
};

struct OpcionesNewton {
    ReglaParada parada = ReglaParada::Estricta;
    FormaCorreccion correccion = FormaCorreccion::PorValorRebajado;
    // Looked at after each correction, before the stop rule, with the new value;
    // true ends the iteration as Detenido (the circular windows stop as soon as a
    // trial depth exceeds the diameter). Empty: no check.
    std::function<bool(double)> detenerTras = nullptr;
};

struct ResultadoNewton {
    EstadoNewton estado = EstadoNewton::FalloNumerico;
    double x = 0.0; // the value after the last correction (the start value if none)
    double delta = 0.0; // the last correction
    int pasos = 0; // passes made
};

ResultadoNewton NewtonDiferenciaFinita(const std::function<double(double)>& residuo, double inicio,
    const OpcionesNewton& opciones = {});

} // namespace quelmora
