#include "critical_flow/ycpara.h"

#include "critical_flow/core/calculo_critico.h"
#include "frame/fallos.h"
#include "resources/secciones_curvas.h"

namespace quelmora {

constinit const DescripcionVentana ycpara::kDescripcion {
    .clase = "ycpara",
    .fabrica = Fabricar<ycpara>,
    .entrada = { "ycritico", "ycparabolica", "Sección &Parabólica" },
    .titulo = "Cálculo del Tirante Crítico, sección Parabólica",
    .datos = {
        { "ordinario", { { "q", "1" }, { "t", "2" } } },
    },
    .mensajes = { kTextoDatosIncompletos },
};

// clang-format off
ycpara::ycpara() : VentanaCalculo(kDescripcion.titulo)
{
    Marco* proyecto = NuevoMarco("Frame3", "", {720, 120, 10335, 975});
    DatosProyecto(proyecto, {
        {"lu", CampoDeProyecto::Lugar, {1440, 240, 2535, 285}, {240, 240, 1095, 285}},
        {"pro", CampoDeProyecto::Proyecto, {7080, 240, 2535, 285}, {5760, 240, 1215, 285}},
        {"tra", CampoDeProyecto::Tramo, {1440, 600, 2535, 285}, {240, 600, 1095, 285}},
        {"re", CampoDeProyecto::Revestimiento, {7080, 600, 2535, 285}, {5760, 600, 1215, 285}},
    });
    Marco* datos = NuevoMarco("Frame2", "Datos:", {720, 1320, 4095, 1095});
    Entradas(datos, Columna{}, {
        // box  label                    unit    status text / warning / Enter to
        {"q", "Caudal (Q):",             "m3/s", "Ingresar el valor del caudal Q",
              "Ingresar para Q, un valor mayor que cero",                      "t"},
        {"t", "Espejo de agua (T):",     "m",    "Ingresar el valor del espejo de agua T",
              "Ingresar para el espejo de agua, un valor mayor que cero",      "bCalcular"},
    });
    Dibujo(this, "Picture1", DibujoParabolico({256, 126}), 7200, 1320);
    Marco* resultados = NuevoMarco("Frame1", "Resultados:", {720, 3840, 10335, 1815});
    Resultados(resultados, Columna{.etiqueta = 360, .caja = 2280, .unidad = 3720}, {
        {"y", "Tirante crítico (y):", "m"},
        {"a", "Area hidráulica (A):", "m2"},
        {"k", "Foco de la parábola (k):", "m"},
        {"f", "Número de Froude (F):", ""},
    });
    Resultados(resultados, Columna{.etiqueta = 5880, .caja = 7920, .unidad = 9240}, {
        {"p", "Perímetro (p):", "m"},
        {"r", "Radio hidráulico (R):", "m"},
        {"v", "Velocidad (v):", "m/s"},
        {"e", "Energía específica (E):", "m-Kg/Kg"},
    });
    BotonesRol({720, 6360}, {9240, 6360}, {.marcoBotones = "Frame5", .marcoCalculadora = "Frame4"});
    OrdenTabulacion({"q", "t", "bCalcular", "lu", "pro", "tra", "re", "y", "a", "k", "f", "p",
                     "r", "v", "e", "bLimpiar", "bImprimir", "bMenuPrincipal", "bCalculadora"});
}
// clang-format on

void ycpara::Calcular()
{
    const double Q = Numero("q"), T = Numero("t");
    if (!VerificarDatosCompletos({ Q, T }, kTextoDatosIncompletos))
        return;
    const ResultadoTiranteCritico r = CalcularTiranteCriticoParabolico(Q, T);
    if (InformarFallo(this, r.fallo))
        return;
    Escribir("y", r.tirante, "##0.0000");
    Escribir("p", r.perimetro, "##0.0000");
    Escribir("a", r.area, "##0.0000");
    Escribir("r", r.radio, "##0.0000");
    Escribir("k", r.foco, "##0.0000");
    Escribir("v", r.velocidad, "##0.0000");
    Escribir("f", r.froude, "##0.0000");
    Escribir("e", r.energia, "##0.0000");
}

} // namespace quelmora
