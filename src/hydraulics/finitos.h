#pragma once
// A calculation works out every value first and writes only when all of them are
// finite: a NaN or an infinity never reaches a box.

#include <cmath>
#include <initializer_list>

inline bool SonFinitos(std::initializer_list<double> valores)
{
    for (double valor : valores)
        if (!std::isfinite(valor))
            return false;
    return true;
}
