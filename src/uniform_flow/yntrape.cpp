#include "uniform_flow/yntrape.h"

#include "frame/fallos.h"
#include "frame/tipo_flujo.h"
#include "uniform_flow/core/flujo_uniforme.h"

namespace quelmora {

constinit const DescripcionVentana yntrape::kDescripcion {
    .clase = "yntrape",
    .fabrica = Fabricar<yntrape>,
    .entrada = { "ynormal", "yntrapezoidal", "Sección &Trapezoidal, Rec. Trian" },
    .titulo = "Cálculo de tirante normal secciones: trapezoidal, rectangular, triangular",
    .datos = {
        { "ordinario",
            { { "q", "1" }, { "b", "1" }, { "z", "1" }, { "n", "0.015" }, { "s", "0.001" } } },
        { "erosivo",
            { { "q", "1" }, { "b", "1" }, { "z", "1" }, { "n", "0.025" }, { "s", "0.005" } } },
    },
    .mensajes = { kTextoDatosIncompletos, kTextoAnchoTalud },
};

// clang-format off
yntrape::yntrape()
    : VentanaCalculo(kDescripcion.titulo)
{
    Marco* proyecto = NuevoMarco("Frame1", "", {720, 120, 10335, 1035});
    DatosProyecto(proyecto, {
        {"lu", CampoDeProyecto::Lugar, {1440, 240, 2535, 285}, {240, 240, 1095, 285}},
        {"pro", CampoDeProyecto::Proyecto, {7080, 240, 2535, 285}, {5760, 240, 1215, 285}},
        {"tra", CampoDeProyecto::Tramo, {1440, 600, 2535, 285}, {240, 600, 1095, 285}},
        {"re", CampoDeProyecto::Revestimiento, {7080, 600, 2535, 285}, {5760, 600, 1215, 285}},
    });
    Marco* datos = NuevoMarco("Frame2", "Datos:", {720, 1320, 4095, 2055});
    Entradas(datos, Columna{}, {
        // box  label                  unit    status text                                    warning                                           Enter to
        {"q", "Caudal (Q):",           "m3/s", "Ingresar el valor del caudal Q",
              "Ingresar para Q, un valor mayor que cero",          "b"},
        {"b", "Ancho de solera (b):",  "m",    "Ingresar el valor del ancho de fondo del canal",
              "Ingresar para b, un valor igual o mayor que cero",  "z"},
        {"z", "Talud (Z):",            "",     "Ingresar el valor del talud, para taludes diferentes ingresar su promedio",
              "Ingresar para Z, un valor igual o mayor que cero",  "n"},
        {"n", "Rugosidad (n):",        "",     "Ingresar el valor del coeficiente de rugosidad de acuerdo al material del canal",
              "Ingresar para n, un valor mayor que cero",          "s"},
        {"s", "Pendiente (S):",        "m/m",  "Ingresar el valor de la pendiente del canal",
              "Ingresar para S, un valor mayor que cero",          "bCalcular"},
    });
    Marco* resultados = NuevoMarco("Frame5", "Resultados:", {720, 3840, 10335, 2055});
    Resultados(resultados, Columna{.etiqueta = 360, .anchoEtiqueta = 1875, .caja = 2280, .unidad = 3720}, {
        {"y", "Tirante normal (y):", "m"},
        {"a", "Area hidráulica (A):", "m2"},
        {"t", "Espejo de agua (T):", "m"},
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
    FigurasTrapecio(7200, 1320, "trape", "rectan", "trian", "b", "z");
    BotonesRol({720, 6360}, {9240, 6360}, {.menu = "bMemuPrincipal"});
    OrdenTabulacion({"q", "b", "z", "n", "s", "bCalcular", "y", "a", "t", "f", "p", "r", "v", "e",
                     "tf", "bLimpiar", "bImprimir", "bMemuPrincipal", "bCalculadora", "lu", "pro",
                     "tra", "re"});
}
// clang-format on

void yntrape::Calcular()
{
    const double Q = Numero("q"), n = Numero("n"), S = Numero("s"), Z = Numero("z"),
                 b = Numero("b");
    if (!VerificarDatosCompletos({ Q, S, n }, kTextoDatosIncompletos))
        return;
    if (!VerificarAnchoTalud(b, Z))
        return;
    const ResultadoFlujoUniforme r = CalcularTiranteTrapecial(Q, b, Z, n, S);
    if (InformarFallo(this, r.fallo))
        return;
    EscribirTexto("tf", TextoTipoFlujo(r.tipoFlujo));
    Escribir("y", r.tirante, "##0.0000");
    Escribir("p", r.perimetro, "###0.0000");
    Escribir("a", r.area, "###0.0000");
    Escribir("r", r.radio, "##0.0000");
    Escribir("t", r.espejo, "###0.0000");
    Escribir("e", r.energia, "##0.0000");
    Escribir("f", r.froude, "#0.0000");
    AdvertirVelocidadErosiva("v", "mv", r.velocidad, r.erosiva, "##0.0000");
}

// The place box gets one blank rather than the empty text, as it always has.
void yntrape::Limpiar()
{
    VentanaCalculo::Limpiar();
    Caja("lu")->setText(" ");
}

} // namespace quelmora
