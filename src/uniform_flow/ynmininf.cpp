#include "uniform_flow/ynmininf.h"

namespace quelmora {

constinit const DescripcionVentana ynmininf::kDescripcion {
    .clase = "ynmininf",
    .fabrica = Fabricar<ynmininf>,
    .entrada = { "ynormal", "ynmiinf", "Sección de Mínima &Infiltración" },
    .titulo = "Cálculo para una sección de mínima infiltración",
    .datos = {
        { "ordinario", { { "q", "1" }, { "z", "1" }, { "n", "0.015" }, { "s", "0.001" } } },
        { "erosivo", { { "q", "1" }, { "z", "1" }, { "n", "0.025" }, { "s", "0.005" } } },
    },
    .mensajes = { kTextoDatosIncompletos },
};

ynmininf::ynmininf()
    : VentanaDisenoTrapecial({
        .titulo = kDescripcion.titulo,
        .marcoResultados = { 720, 3360, 10335, 2655 },
        .cajaIzquierda = 2640,
        .cajaDerecha = 8040,
        .etiquetaAviso = { 480, 2280, 3375, 255 },
        .disenar = CalcularMinimaInfiltracion,
    })
{
}

} // namespace quelmora
