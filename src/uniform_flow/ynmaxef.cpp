#include "uniform_flow/ynmaxef.h"

namespace quelmora {

ynmaxef::ynmaxef()
    : VentanaDisenoTrapecial({
        .titulo = "Diseño para una sección trapezoidal de máxima eficiencia hidráulica",
        .marcoResultados = { 720, 3480, 10335, 2535 },
        .cajaIzquierda = 2520,
        .cajaDerecha = 8160,
        .etiquetaAviso = { 480, 2160, 3375, 255 },
        .disenar = CalcularMaximaEficiencia,
    })
{
}

} // namespace quelmora
