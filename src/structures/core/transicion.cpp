#include "structures/core/transicion.h"

#include <algorithm>
#include <cmath>

#include "frame/core/numeros.h"
#include "hydraulics/finitos.h"
#include "hydraulics/gravedad.h"
#include "hydraulics/indicadores.h"
#include "hydraulics/newton_analitico.h"
#include "hydraulics/secciones.h"

namespace quelmora {

std::optional<double> TiranteTransicion(double b, double z, double t, double h, double inicio)
{
    double y = inicio;
    for (int pasos = 0; pasos < kMaximoPasosNewton; ++pasos) {
        const ElementosSeccion seccion = PropiedadesSeccionTrapezoidal(b, z, y);
        const double a = seccion.area;
        // The residual and its slope divide by A² and A³; an area so small that
        // its cube is 0 leaves neither a value.
        if (std::pow(a, 3) == 0.0)
            return std::nullopt;
        const double f = y + t / std::pow(a, 2) - h;
        const double fPrima = 1.0 - 2.0 * t * seccion.espejo / std::pow(a, 3);
        const PasoNewton paso = PasoNewtonAnalitico(y, f, fPrima);
        if (!paso.valido)
            return std::nullopt;
        y = paso.x;
        // Below the bed there is no subcritical depth to find: the iteration has
        // run off towards a negative root, and the flow jumps in the transition.
        if (y <= 0.0)
            return std::nullopt;
        // The stop looks at the residual of the depth the pass started from.
        if (std::fabs(f) < kToleranciaNewtonAnalitico)
            return y;
    }
    return std::nullopt;
}

FilaLeyesTransicion LeyesTransicionAlabeada(
    double b0, double b1, double z1, double hz, double longitud, double nb, double x)
{
    const double relativa = x / longitud;
    FilaLeyesTransicion fila;
    fila.ancho = b0 + (b1 - b0) * relativa * (1.0 - std::pow(1.0 - relativa, nb));
    fila.talud = z1 * (1.0 - std::sqrt(1.0 - relativa));
    fila.descenso = hz * x / longitud;
    return fila;
}

ResultadoTransicion CalcularTransicion(
    VarianteTransicion variante, const DatosTransicion& d, int filasDatos)
{
    const bool salida = variante == VarianteTransicion::Salida;
    ResultadoTransicion r;
    auto fallar = [&r]() -> ResultadoTransicion& {
        r.fallo = FalloCalculo::CalculoImposible;
        return r;
    };

    // A value beyond the number range has no section behind it: an infinite
    // side slope makes the area at C infinite and its velocity head 0.
    if (!SonFinitos({ d.q, d.bc, d.bf, d.zc, d.zf, d.yc, d.hz, d.k }))
        return fallar();
    const double t = std::pow(d.q, 2) * (salida ? 1.0 - d.k : 1.0 + d.k) / kDobleGravedad;
    const double areaC = (d.bc + d.zc * d.yc) * d.yc;
    // t/A² has no value where A² is 0, also for an area too small to square.
    if (std::pow(areaC, 2) == 0.0)
        return fallar();
    const double objetivoF
        = salida ? d.yc + t / std::pow(areaC, 2) - d.hz : d.yc + t / std::pow(areaC, 2) + d.hz;
    if (!SonFinitos({ t, objetivoF }))
        return fallar();

    const std::optional<double> tiranteF = TiranteTransicion(d.bf, d.zf, t, objetivoF, 1.0);
    if (!tiranteF)
        return fallar();
    r.tiranteF = *tiranteF;

    // The narrow end (x = 0) and the wide end (x = L) of each variant.
    const double b0 = salida ? d.bf : d.bc;
    const double b1 = salida ? d.bc : d.bf;
    const double z1 = salida ? d.zc : d.zf;
    const double y1 = salida ? d.yc : *tiranteF;
    const double y0 = salida ? *tiranteF : d.yc;

    const double regla = 4.7 * (b1 - b0) / 2.0 + 1.65 * z1 * y1;
    if (!std::isfinite(regla))
        return fallar();
    const double longitud = std::floor(regla) + 1.0;
    r.longitud = longitud;

    const Entero16 tramos = RedondearEntero16(longitud > 5.0 ? longitud : 2.0 * longitud);
    if (!tramos.valido)
        return fallar();
    const int n = tramos.valor;
    r.tramos = n;
    // A length of 0 or below leaves no reach to compute.
    if (longitud <= 0.0)
        return fallar();

    const double nb = 0.8 - 0.26 * std::sqrt(z1);
    if (!std::isfinite(nb))
        return fallar();

    const int limite = std::min(kSeccionesTransicion, filasDatos);
    for (int i = 0; i <= n; ++i) {
        if (i >= limite)
            return fallar();
        const double x = i * longitud / n;
        FilaLeyesTransicion fila = LeyesTransicionAlabeada(b0, b1, z1, d.hz, longitud, nb, x);
        fila.indice = i;
        if (!SonFinitos({ fila.ancho, fila.talud, fila.descenso }))
            return fallar();
        r.leyes.push_back(fila);
    }

    double y = y0;
    for (int i = 0; i <= n; ++i) {
        const FilaLeyesTransicion& ley = r.leyes[i];
        const double area = y * (ley.ancho + ley.talud * y);
        if (area == 0.0)
            return fallar();
        const double v = d.q / area;
        const double e = EnergiaEspecifica(y, v);
        if (!SonFinitos({ area, v, e }))
            return fallar();
        r.secciones.push_back({ i, y, v, e });
        if (i == n)
            break;
        const double objetivo = y + t / std::pow(area, 2) + d.hz / n;
        const FilaLeyesTransicion& siguiente = r.leyes[i + 1];
        const std::optional<double> nuevo
            = TiranteTransicion(siguiente.ancho, siguiente.talud, t, objetivo, y1);
        if (!nuevo)
            return fallar();
        y = *nuevo;
    }
    return r;
}

} // namespace quelmora
