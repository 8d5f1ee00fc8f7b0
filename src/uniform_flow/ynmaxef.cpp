#include "uniform_flow/ynmaxef.h"

namespace quelmora {

constinit const DescripcionVentana ynmaxef::kDescripcion {
    .clase = "ynmaxef",
    .fabrica = Fabricar<ynmaxef>,
    .entrada = { "ynormal", "maxima", "Sección de &Máxima Eficiencia" },
    .titulo = "Diseño para una sección trapezoidal de máxima eficiencia hidráulica",
    .datos = {
        { "ordinario", { { "q", "1" }, { "z", "1" }, { "n", "0.015" }, { "s", "0.001" } } },
        { "erosivo", { { "q", "1" }, { "z", "1" }, { "n", "0.025" }, { "s", "0.005" } } },
    },
    .mensajes = { kTextoDatosIncompletos },
};

ynmaxef::ynmaxef()
    : VentanaDisenoTrapecial({
        .titulo = kDescripcion.titulo,
        .marcoResultados = { 720, 3480, 10335, 2535 },
        .cajaIzquierda = 2520,
        .cajaDerecha = 8160,
        .etiquetaAviso = { 480, 2160, 3375, 255 },
        .disenar = CalcularMaximaEficiencia,
    })
{
}

} // namespace quelmora
