#include "hydraulics/critico.h"
#include "hydraulics/gravedad.h"

#include <cmath>

namespace quelmora {

double ConstanteCritica(double caudal) { return caudal * caudal / kGravedad; }

double ResiduoCriticoVolumen(double area, double espejo, double constante)
{
    return area * area * area / espejo - constante;
}

double DerivadaResiduoCriticoVolumen(double area, double espejo, double talud)
{
    return 3.0 * area * area - 2.0 * talud * area * area * area / (espejo * espejo);
}

double ResiduoCriticoCaudal(double area, double espejo, double caudal)
{
    return caudal - std::sqrt(kGravedad) * std::pow(area, 3.0 / 2.0) / std::sqrt(espejo);
}

double TiranteCriticoParabolico(double caudal, double espejo)
{
    const double q = caudal / espejo;
    return 1.5 * std::pow(q * q / kGravedad, 1.0 / 3.0);
}

EvaluacionCriticaTrapecial EvaluarFuncionCritica(
    double b, double z, double constante, double tirante)
{
    EvaluacionCriticaTrapecial e;
    e.elementos = PropiedadesSeccionTrapezoidal(b, z, tirante);
    e.residuo = ResiduoCriticoVolumen(e.elementos.area, e.elementos.espejo, constante);
    return e;
}

EvaluacionCriticaCircular EvaluarFuncionCriticaCircular(double d, double caudal, double tirante)
{
    EvaluacionCriticaCircular e;
    e.elementos = PropiedadesSeccionCircular(d, tirante);
    e.residuo = ResiduoCriticoCaudal(e.elementos.area, e.elementos.espejo, caudal);
    return e;
}

} // namespace quelmora
