#pragma once
// The two ways the benchmark sums up repeated figures: the median of a series,
// and the median of ratios taken pair by pair, each run of one program against
// the run of the other just before it, so that a machine growing slower or
// faster during the series moves both sides of each ratio alike.

#include <algorithm>
#include <cstddef>
#include <vector>

// The median; -1 for no figures at all.
inline double Mediana(std::vector<double> v)
{
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    const std::size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2.0;
}

// The median of numerador[i] / denominador[i] over the pairs both series have,
// leaving out a pair whose denominator is not above zero; -1 for no such pair.
inline double MedianaDeRazones(
    const std::vector<double>& numerador, const std::vector<double>& denominador)
{
    std::vector<double> razones;
    for (std::size_t i = 0; i < std::min(numerador.size(), denominador.size()); ++i)
        if (denominador[i] > 0)
            razones.push_back(numerador[i] / denominador[i]);
    return Mediana(razones);
}
