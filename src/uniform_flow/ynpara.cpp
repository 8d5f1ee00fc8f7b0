#include "uniform_flow/ynpara.h"

#include "frame/fallos.h"
#include "frame/tipo_flujo.h"
#include "resources/secciones_curvas.h"
#include "uniform_flow/core/flujo_uniforme.h"

namespace quelmora {

constinit const DescripcionVentana ynpara::kDescripcion {
    .clase = "ynpara",
    .fabrica = Fabricar<ynpara>,
    .entrada = { "ynormal", "ynparabolica", "Sección &Parabólica" },
    .titulo = "Cálculo del tirante normal, sección parabólica",
    .datos = {
        { "ordinario", { { "q", "1" }, { "t", "2" }, { "n", "0.015" }, { "s", "0.001" } } },
        { "erosivo", { { "q", "1" }, { "t", "2" }, { "n", "0.025" }, { "s", "0.005" } } },
    },
    .mensajes = { kTextoDatosIncompletos },
};

// clang-format off
ynpara::ynpara() : VentanaCalculo(kDescripcion.titulo)
{
    Marco* proyecto = NuevoMarco("Frame3", "", {720, 120, 10335, 975});
    DatosProyecto(proyecto, {
        {"lu", CampoDeProyecto::Lugar, {1440, 240, 2535, 285}, {240, 240, 1095, 285}},
        {"pro", CampoDeProyecto::Proyecto, {7080, 240, 2535, 285}, {5760, 240, 1215, 285}},
        {"tra", CampoDeProyecto::Tramo, {1440, 600, 2535, 285}, {240, 600, 1095, 285}},
        {"re", CampoDeProyecto::Revestimiento, {7080, 600, 2535, 285}, {5760, 600, 1215, 285}},
    });
    Marco* datos = NuevoMarco("Frame2", "Datos:", {720, 1440, 4815, 1935});
    Entradas(datos, Columna{.etiqueta = 240, .anchoEtiqueta = 2295, .caja = 2640, .unidad = 3960}, {
        // box  label                  unit    status text / warning / Enter to
        {"q", "Caudal (Q):",           "m3/s", "Ingresar el valor del caudal Q",
              "Ingresar para Q, un valor mayor que cero",                   "t"},
        {"t", "Espejo de agua (T):",   "m",    "Ingresar el valor del espejo de agua T",
              "Ingresar para el espejo de agua, un valor mayor que cero",   "n"},
        {"n", "Rugosidad (n):",        "",     "Ingresar el valor del coeficiente de rugosidad de acuerdo al material del canal",
              "Ingresar para n, un valor mayor que cero",                   "s"},
        {"s", "Pendiente (S):",        "m/m",  "Ingresar el valor de la pendiente S",
              "Ingresar para S, un valor mayor que cero",                   "bCalcular"},
    });
    Dibujo(this, "Picture1", DibujoParabolico({260, 130}), 7200, 1440);
    Marco* resultados = NuevoMarco("Frame1", "Resultados:", {720, 3840, 10335, 2175});
    Resultados(resultados, Columna{.etiqueta = 360, .anchoEtiqueta = 2175, .caja = 2640, .unidad = 3840}, {
        {"y", "Tirante normal (y):", "m"},
        {"a", "Area hidráulica (A):", "m2"},
        {"k", "Foco de la parábola (k):", "m"},
        {"f", "Número de Froude (F):", ""},
        {"tf", "Tipo de flujo:", "", 1335},
    });
    Resultados(resultados, Columna{.etiqueta = 5880, .anchoEtiqueta = 1995, .caja = 7920, .unidad = 9240}, {
        {"p", "Perímetro (p):", "m"},
        {"r", "Radio hidráulico (R):", "m"},
        {"v", "Velocidad (v):", "m/s"},
        {"e", "Energía específica (E):", "m-Kg/Kg"},
    });
    EtiquetaAvisoVelocidad(resultados, "mv", {5880, 1560, 4215, 375});
    BotonesRol({720, 6360}, {9240, 6360}, {.marcoBotones = "Frame5", .marcoCalculadora = "Frame4"});
    OrdenTabulacion({"q", "t", "n", "s", "bCalcular", "lu", "pro", "tra", "re", "y", "a", "k", "f",
                     "tf", "p", "r", "v", "e", "bLimpiar", "bImprimir", "bMenuPrincipal",
                     "bCalculadora"});
}
// clang-format on

void ynpara::Calcular()
{
    const double Q = Numero("q"), T = Numero("t"), n = Numero("n"), S = Numero("s");
    if (!VerificarDatosCompletos({ Q, T, n, S }, kTextoDatosIncompletos))
        return;
    const ResultadoFlujoUniforme r = CalcularTiranteParabolico(Q, T, n, S);
    if (InformarFallo(this, r.fallo))
        return;
    Escribir("y", r.tirante, "##0.0000");
    Escribir("a", r.area, "###0.0000");
    Escribir("p", r.perimetro, "###0.0000");
    Escribir("r", r.radio, "##0.0000");
    Escribir("k", r.foco, "##0.0000");
    Escribir("f", r.froude, "##0.0000");
    Escribir("e", r.energia, "##0.0000");
    EscribirTexto("tf", TextoTipoFlujo(r.tipoFlujo));
    AdvertirVelocidadErosiva("v", "mv", r.velocidad, r.erosiva, "##0.0000");
}

} // namespace quelmora
