#include "hydraulics/indicadores.h"
#include "hydraulics/gravedad.h"

#include <cmath>

namespace quelmora {

double NumeroFroude(double velocidad, double area, double espejo)
{
    return velocidad / std::sqrt(kGravedad * area / espejo);
}

double NumeroFroudeConProfundidad(double velocidad, double profundidad)
{
    return velocidad / std::sqrt(profundidad * kGravedad);
}

double EnergiaEspecifica(double tirante, double velocidad)
{
    return tirante + std::pow(velocidad, 2.0) / kDobleGravedad;
}

TipoFlujo ClasificarTipoFlujo(double froude)
{
    // Exact comparisons: critical only when F is 1 to the last bit.
    if (froude < 1.0)
        return TipoFlujo::Subcritico;
    if (froude == 1.0)
        return TipoFlujo::Critico;
    if (froude > 1.0)
        return TipoFlujo::Supercritico;
    return TipoFlujo::Ninguno;
}

bool EsVelocidadErosiva(double velocidad, double rugosidad)
{
    return velocidad > 0.9 && rugosidad > 0.024;
}

} // namespace quelmora
