#include "uniform_flow/qtrape.h"

#include "frame/fallos.h"
#include "frame/tipo_flujo.h"
#include "uniform_flow/core/caudal.h"

namespace quelmora {

constinit const DescripcionVentana qtrape::kDescripcion {
    .clase = "qtrape",
    .fabrica = Fabricar<qtrape>,
    .entrada = { "caudales", "qtrapezoidal", "Sección &Trapezoidal, Rec. Trian" },
    .titulo = "Cálculo del caudal, sección trapezoidal, rectangular, triangular",
    .datos = {
        { "ordinario",
            { { "y", "1" }, { "b", "1" }, { "z", "1" }, { "n", "0.015" }, { "s", "0.001" } } },
        { "erosivo",
            { { "y", "1" }, { "b", "1" }, { "z", "1" }, { "n", "0.025" }, { "s", "0.005" } } },
    },
    .mensajes = { kTextoDatosIncompletos, kTextoAnchoTalud },
};

// clang-format off
qtrape::qtrape() : VentanaCalculo(kDescripcion.titulo)
{
    Marco* proyecto = NuevoMarco("Frame1", "", {720, 120, 10335, 975});
    DatosProyecto(proyecto, {
        {"lu", CampoDeProyecto::Lugar, {1440, 240, 2535, 285}, {240, 240, 1095, 285}},
        {"pro", CampoDeProyecto::Proyecto, {7080, 240, 2535, 285}, {5760, 240, 1215, 285}},
        {"tra", CampoDeProyecto::Tramo, {1440, 600, 2535, 285}, {240, 600, 1095, 285}},
        {"re", CampoDeProyecto::Revestimiento, {7080, 600, 2535, 285}, {5760, 600, 1215, 285}},
    });
    Marco* datos = NuevoMarco("Frame2", "Datos:", {720, 1440, 4455, 2175});
    Entradas(datos, Columna{.etiqueta = 240, .anchoEtiqueta = 2295, .caja = 2640, .unidad = 3840, .anchoUnidad = 555}, {
        // box  label                             unit   status text / warning / Enter to
        {"y", "Tirante (y) :",                    "m",   "Ingresar el Tirante (profundidad del agua en el canal)",
              "Ingresar para y, un valor mayor que cero",                   "b"},
        {"b", "Ancho de solera (b) :",            "m",   "Ingresar el ancho de la base del canal",
              "Ingresar para b, un valor igual o mayor que cero",           "z"},
        {"z", "Talud  (Z) :",                     "",    "Ingresar el valor del talud, para taludes diferentes ingresar su promedio",
              "Ingresar para Z, un valor igual o mayor que cero",           "n"},
        {"n", "Coeficiente de rugosidad (n) :",   "",    "Ingresar el valor de la rugosidad dependiendo del tipo de material",
              "Ingresar para n, un valor mayor que cero ",                  "s"},
        {"s", "Pendiente (S) :",                  "m/m", "Ingresar la pendiente del canal",
              "Ingresar para S, un valor positivo ",                        "bCalcular"},
    });
    FigurasTrapecio(7080, 1560, "trape", "rectan", "trian", "b", "z");
    Marco* resultados = NuevoMarco("Frame3", "Resultados:", {720, 3840, 10335, 2175});
    Resultados(resultados, Columna{.etiqueta = 360, .anchoEtiqueta = 1875, .caja = 2280, .unidad = 3720}, {
        {"q", "Caudal (Q) :", "m3/s"},
        {"a", "Area hidráulica (A) :", "m2"},
        {"r", "Radio hidráulico (R) :", "m"},
        {"f", "Número de Froude (F) :", ""},
        {"tf", "Tipo de flujo :", "", 1335, {}, {}, Qt::AlignCenter},
    });
    Resultados(resultados, Columna{.etiqueta = 5880, .anchoEtiqueta = 1995, .caja = 7920, .unidad = 9240}, {
        {"v", "Velocidad (v) :", "m/s"},
        {"p", "Perímetro (p) :", "m"},
        {"t", "Espejo de agua (T) :", "m"},
        {"e", "Energía específica (E) :", "m-Kg/Kg"},
    });
    EtiquetaAvisoVelocidad(resultados, "mv", {5880, 1680, 4215, 375});
    BotonesRol({720, 6360}, {9240, 6360}, {.marcoBotones = "Frame5", .marcoCalculadora = "Frame4"});
    OrdenTabulacion({"y", "b", "z", "n", "s", "bCalcular", "lu", "pro", "tra", "re", "q", "a", "r",
                     "f", "tf", "v", "p", "t", "e", "bLimpiar", "bImprimir", "bMenuPrincipal",
                     "bCalculadora"});
}
// clang-format on

void qtrape::Calcular()
{
    const double y = Numero("y"), b = Numero("b"), Z = Numero("z"), n = Numero("n"),
                 S = Numero("s");
    if (!VerificarDatosCompletos({ y, S, n }, kTextoDatosIncompletos))
        return;
    if (!VerificarAnchoTalud(b, Z))
        return;
    const ResultadoFlujoUniforme r = CalcularCaudalTrapecial(y, b, Z, n, S);
    if (InformarFallo(this, r.fallo))
        return;
    EscribirTexto("tf", TextoTipoFlujo(r.tipoFlujo));
    Escribir("q", r.caudal, "####0.0000");
    Escribir("p", r.perimetro, "##0.0000");
    Escribir("a", r.area, "##0.0000");
    Escribir("r", r.radio, "##0.0000");
    Escribir("t", r.espejo, "##0.0000");
    AdvertirVelocidadErosiva("v", "mv", r.velocidad, r.erosiva, "##0.0000");
    Escribir("e", r.energia, "##0.0000");
    Escribir("f", r.froude, "#0.0000");
}

} // namespace quelmora
