#include "frame/core/numeros.h"

#include <cmath>
#include <cstdio>

// Provisional versions; the full rules replace them.
double LeerNumero(std::string_view texto)
{
    std::string limpio;
    for (char c : texto)
        if (c != ' ' && c != '\t' && c != '\n')
            limpio += c;
    double v = 0;
    std::sscanf(limpio.c_str(), "%lf", &v);
    return v;
}

std::string EscribirMascara(double valor, std::string_view mascara)
{
    const auto punto = mascara.find('.');
    const int decimales = punto == std::string_view::npos ? 0 : int(mascara.size() - punto - 1);
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*f", decimales, valor);
    return buf;
}

Entero16 RedondearEntero16(double valor)
{
    Entero16 r;
    if (!std::isfinite(valor))
        return r;
    const double redondo = std::nearbyint(valor);
    if (redondo < -32768.0 || redondo > 32767.0)
        return r;
    r.valido = true;
    r.valor = static_cast<std::int16_t>(redondo);
    return r;
}

Entero16 LeerEntero16(std::string_view texto) { return RedondearEntero16(LeerNumero(texto)); }
