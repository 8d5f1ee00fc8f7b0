#include "critical_flow/yctrape.h"

#include "critical_flow/core/calculo_critico.h"
#include "frame/fallos.h"

namespace quelmora {

constinit const DescripcionVentana yctrape::kDescripcion {
    .clase = "yctrape",
    .fabrica = Fabricar<yctrape>,
    .entrada = { "ycritico", "yctrapezoidal", "Sección &Trapezoidal, Rec. Trian" },
    .titulo = "Cálculo del Tirante Crítico sección Trapezoidal, Rectangular, Triangular",
    .datos = {
        { "ordinario", { { "q", "1" }, { "b", "1" }, { "z", "1" } } },
    },
    .mensajes = { kTextoDatosIncompletos, kTextoAnchoTalud },
};

// clang-format off
yctrape::yctrape()
    : VentanaCalculo(kDescripcion.titulo)
{
    Marco* proyecto = NuevoMarco("Frame2", "", {720, 120, 10335, 975});
    DatosProyecto(proyecto, {
        {"lu", CampoDeProyecto::Lugar, {1440, 240, 2535, 285}, {240, 240, 1095, 285}},
        {"pro", CampoDeProyecto::Proyecto, {7080, 240, 2535, 285}, {5760, 240, 1215, 285}},
        {"tra", CampoDeProyecto::Tramo, {1440, 600, 2535, 285}, {240, 600, 1095, 285}},
        {"re", CampoDeProyecto::Revestimiento, {7080, 600, 2535, 285}, {5760, 600, 1215, 285}},
    });
    Marco* datos = NuevoMarco("Frame3", "Datos:", {720, 1320, 4095, 1455});
    Entradas(datos, Columna{}, {
        // box  label                    unit    status text / warning / Enter to
        {"q", "Caudal (Q):",             "m3/s", "Ingresar el valor del caudal Q",
              "Ingresar para Q, un valor mayor que cero",                      "b"},
        {"b", "Ancho de solera (b):",    "m",    "Ingresar el valor del ancho de fondo del canal",
              "Ingresar para b, un valor igual o mayor que cero",              "z"},
        {"z", "Talud (Z):",              "",     "Ingresar el valor del talud, para taludes diferentes ingresar su promedio",
              "Ingresar para Z, un valor igual o mayor que cero",              "bCalcular"},
    });
    FigurasTrapecio(7200, 1320, "trape", "rectan", "trian", "b", "z");
    Marco* resultados = NuevoMarco("Frame1", "Resultados:", {720, 3840, 10335, 1815});
    Resultados(resultados, Columna{.etiqueta = 360, .caja = 2280, .unidad = 3720}, {
        {"y", "Tirante crítico (y):", "m"},
        {"a", "Area hidráulica (A):", "m2"},
        {"t", "Espejo de agua (T):", "m"},
        {"f", "Número de Froude (F):", ""},
    });
    Resultados(resultados, Columna{.etiqueta = 5880, .caja = 7920, .unidad = 9240}, {
        {"p", "Perímetro (p):", "m"},
        {"r", "Radio hidráulico (R):", "m"},
        {"v", "Velocidad (v):", "m/s"},
        {"e", "Energía específica (E):", "m-Kg/Kg"},
    });
    BotonesRol({720, 6360}, {9240, 6360}, {.marcoBotones = "Frame5", .marcoCalculadora = "Frame4"});
    OrdenTabulacion({"q", "b", "z", "bCalcular", "lu", "pro", "tra", "re", "y", "a", "t", "f",
                     "p", "r", "v", "e", "bLimpiar", "bImprimir", "bMenuPrincipal",
                     "bCalculadora"});
}
// clang-format on

void yctrape::Calcular()
{
    const double Q = Numero("q"), b = Numero("b"), Z = Numero("z");
    if (!VerificarDatosCompletos({ Q }, kTextoDatosIncompletos))
        return;
    if (!VerificarAnchoTalud(b, Z))
        return;
    const ResultadoTiranteCritico r = CalcularTiranteCriticoTrapecial(Q, b, Z);
    if (InformarFallo(this, r.fallo))
        return;
    Escribir("y", r.tirante, "##0.0000");
    Escribir("p", r.perimetro, "##0.0000");
    Escribir("a", r.area, "##0.0000");
    Escribir("r", r.radio, "##0.0000");
    Escribir("t", r.espejo, "##0.0000");
    Escribir("v", r.velocidad, "##0.0000");
    Escribir("f", r.froude, "##0.0000");
    Escribir("e", r.energia, "##0.0000");
}

} // namespace quelmora
