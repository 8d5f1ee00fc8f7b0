#include "frame/core/numero_plano.h"

#include <charconv>
#include <cmath>

namespace quelmora {

std::string EscribirNumeroPlano(double valor)
{
    if (!std::isfinite(valor))
        return {}; // as through a mask: callers check their results before writing
    if (valor == 0.0)
        return " 0"; // also -0: the text of zero has no sign
    // to_chars, unlike printf, never takes the comma of a Spanish system.
    char buf[64];
    const auto r
        = std::to_chars(buf, buf + sizeof buf, std::fabs(valor), std::chars_format::general, 15);
    std::string cuerpo(buf, r.ptr);
    // The largest doubles round up past the range, a text that would read back
    // as infinity: they round down instead, as through a mask.
    if (cuerpo == "1.79769313486232e+308")
        cuerpo = "1.79769313486231e+308";
    const auto e = cuerpo.find('e');
    if (e != std::string::npos)
        cuerpo[e] = 'E';
    if (cuerpo.size() > 1 && cuerpo[0] == '0' && cuerpo[1] == '.')
        cuerpo.erase(0, 1);
    return (valor < 0.0 ? "-" : " ") + cuerpo;
}

} // namespace quelmora
