#pragma once
// A calculation works out every value first and writes only when all of them are
// finite: a NaN or an infinity never reaches a box.

#include <cmath>
#include <initializer_list>
#include <limits>

namespace quelmora {

inline bool SonFinitos(std::initializer_list<double> valores)
{
    for (double valor : valores)
        if (!std::isfinite(valor))
            return false;
    return true;
}

// A double beyond the float range has no float to become (narrowing it is
// undefined): it turns into the infinity of its sign, which the finite checks
// then refuse.
inline float FloatComprobado(double valor)
{
    constexpr double maximo = std::numeric_limits<float>::max();
    if (valor > maximo)
        return std::numeric_limits<float>::infinity();
    if (valor < -maximo)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(valor);
}

} // namespace quelmora
