#include "uniform_flow/ynmininf.h"

namespace quelmora {

ynmininf::ynmininf()
    : VentanaDisenoTrapecial({
        .titulo = "Cálculo para una sección de mínima infiltración",
        .marcoResultados = { 720, 3360, 10335, 2655 },
        .cajaIzquierda = 2640,
        .cajaDerecha = 8040,
        .etiquetaAviso = { 480, 2280, 3375, 255 },
        .disenar = CalcularMinimaInfiltracion,
    })
{
}

} // namespace quelmora
