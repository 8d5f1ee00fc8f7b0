#include "hydraulics/manning.h"

#include <cmath>

namespace quelmora {

double CaudalManning(double area, double radio, double pendiente, double rugosidad)
{
    return area * std::pow(radio, 2.0 / 3.0) * std::sqrt(pendiente) / rugosidad;
}

double ResiduoManning(double caudal, double area, double perimetro, double pendiente,
    double rugosidad, FormaResiduoManning forma)
{
    if (forma == FormaResiduoManning::PorRadio)
        return caudal
            - (area / rugosidad) * std::pow(area / perimetro, 2.0 / 3.0) * std::sqrt(pendiente);
    return caudal
        - std::pow(area, 5.0 / 3.0) / std::pow(perimetro, 2.0 / 3.0) / rugosidad
        * std::sqrt(pendiente);
}

double PendienteManning(double caudal, double rugosidad, double area, double radio)
{
    return std::pow(caudal * rugosidad / (area * std::pow(radio, 2.0 / 3.0)), 2.0);
}

double RugosidadManning(double caudal, double pendiente, double area, double radio)
{
    return area * std::pow(radio, 2.0 / 3.0) * std::pow(pendiente, 1.0 / 2.0) / caudal;
}

} // namespace quelmora
