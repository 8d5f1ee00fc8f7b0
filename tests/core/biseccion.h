#pragma once
// Bisection, the slow and sure root finder the tests check the solvers against.

#include <cmath>
#include <functional>

// The root of f in [a, b], where f changes sign, to well below the last digit
// the windows write.
inline double Biseccion(const std::function<double(double)>& f, double a, double b)
{
    double fa = f(a);
    for (int i = 0; i < 200 && b - a > 1e-13; ++i) {
        const double m = 0.5 * (a + b);
        const double fm = f(m);
        if ((fm < 0) == (fa < 0)) {
            a = m;
            fa = fm;
        } else {
            b = m;
        }
    }
    return 0.5 * (a + b);
}
