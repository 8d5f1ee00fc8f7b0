#include "frame/core/numero_plano.h"

#include <cmath>
#include <cstdio>

std::string EscribirNumeroPlano(double valor)
{
    if (valor == 0.0)
        return " 0"; // also -0: the text of zero has no sign
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", std::fabs(valor));
    std::string cuerpo = buf;
    const auto e = cuerpo.find('e');
    if (e != std::string::npos)
        cuerpo[e] = 'E';
    if (cuerpo.size() > 1 && cuerpo[0] == '0' && cuerpo[1] == '.')
        cuerpo.erase(0, 1);
    return (valor < 0.0 ? "-" : " ") + cuerpo;
}
