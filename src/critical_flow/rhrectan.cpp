#include "critical_flow/rhrectan.h"

#include "critical_flow/core/calculo_resalto.h"
#include "critical_flow/diagrama_resalto.h"
#include "frame/fallos.h"

namespace quelmora {

constinit const DescripcionVentana rhrectan::kDescripcion {
    .clase = "rhrectan",
    .fabrica = Fabricar<rhrectan>,
    .entrada = { "resalto", "rhrectangular", "Sección &Rectangular" },
    .titulo = "Cálculo del Resalto Hidráulico Sección Rectangular",
    .datos = {
        { "ordinario", { { "q", "2" }, { "b", "1" }, { "y", "0.3" } } },
    },
    .mensajes = { kTextoDatosIncompletos },
};

// clang-format off
rhrectan::rhrectan() : VentanaCalculo(kDescripcion.titulo)
{
    Marco* proyecto = NuevoMarco("Frame3", "", {720, 120, 10335, 975});
    DatosProyecto(proyecto, {
        {"lu", CampoDeProyecto::Lugar, {1320, 240, 2535, 285}, {600, 240, 675, 285}},
        {"pro", CampoDeProyecto::Proyecto, {7080, 240, 2535, 285}, {6120, 240, 915, 285}},
        {"tra", CampoDeProyecto::Tramo, {1320, 600, 2535, 285}, {600, 600, 675, 285}},
    });
    Marco* datos = NuevoMarco("Frame2", "Datos:", {720, 1920, 4095, 1695});
    Entradas(datos, Columna{.etiqueta = 360, .anchoEtiqueta = 1515, .caja = 1920, .anchoCaja = 1035,
                            .unidad = 3360}, {
        // box  label                    unit    status text / warning / Enter to
        {"q", "Caudal (Q):",             "m3/s", "Ingresar el valor del caudal Q",
              "Ingresar para Q, un valor mayor que cero",                      "b"},
        {"b", "Ancho de solera (b):",    "m",    "Ingresar el valor del ancho de fondo del canal",
              "Ingresar para b, un valor mayor que cero",                      "y"},
        {"y", "Tirante (y):",            "m",    "Ingresar el valor del tirante (profundidad de agua en el canal)",
              "Ingresar para y, un valor mayor que cero",                      "bCalcular"},
    });
    lado_ = Etiqueta(datos, "lblMensajeC", "", {360, 1320, 2055, 255});
    diagrama_ = new DiagramaResalto(this, SeccionResalto::Rectangular, 5520, 1920, kCianClaroResalto,
                                    {"yyr1", {840, 960, 855, 255}},
                                    {"yyr2", {1800, 720, 735, 255}},
                                    {"llr", {720, 1440, 735, 255}});
    Marco* resultados = NuevoMarco("Frame1", "Resultados:", {720, 4440, 10335, 1455});
    Resultados(resultados, Columna{.etiqueta = 360, .anchoEtiqueta = 2475, .caja = 2880,
                                   .anchoCaja = 1035, .unidad = 4320}, {
        {"txty2", "Tirante conjugado (y):", "m"},
        {"txth", "Altura del resalto:", "m"},
        {"txte", "Pérdida de energía en el resalto:", "m"},
    });
    Resultados(resultados, Columna{.etiqueta = 5640, .anchoEtiqueta = 2715, .caja = 8400,
                                   .anchoCaja = 1035, .unidad = 9720}, {
        {"txtf", "Número de Froude conjugado (F):", ""},
        {"txtL", "Longitud del resalto (L):", "m"},
    });
    BotonesRol({720, 6360}, {9240, 6360}, {.marcoBotones = "Frame5", .marcoCalculadora = "Frame4"});
    OrdenTabulacion({"q", "b", "y", "bCalcular", "lu", "pro", "tra", "txty2", "txth", "txte",
                     "txtf", "txtL", "bLimpiar", "bImprimir", "bMenuPrincipal", "bCalculadora"});
}
// clang-format on

void rhrectan::Calcular()
{
    const double Q = Numero("q"), b = Numero("b"), y = Numero("y");
    if (!VerificarDatosCompletos({ Q, b, y }, kTextoDatosIncompletos))
        return;
    const ResultadoResalto r = CalcularResaltoRectangular(Q, b, y);
    if (InformarFallo(this, r.fallo))
        return;
    diagrama_->Mostrar(r, lado_);
    Escribir("txty2", r.conjugado, "##0.0000");
    Escribir("txtf", r.froude, "##0.0000");
    Escribir("txte", r.perdida, "##0.0000");
    Escribir("txth", r.altura, "##0.0000");
    Escribir("txtL", r.longitud, "##0.00");
}

void rhrectan::Limpiar()
{
    diagrama_->Limpiar(lado_);
    VentanaCalculo::Limpiar();
}

} // namespace quelmora
