#include "uniform_flow/yncir.h"

#include "frame/fallos.h"
#include "frame/plataforma.h"
#include "frame/tipo_flujo.h"
#include "resources/secciones_curvas.h"
#include "uniform_flow/core/flujo_uniforme.h"

namespace quelmora {

namespace {

constexpr const char* kMensajeTiranteMayorDiametro
    = "El tirante es mayor que el diámetro. Incremente el diámetro o la pendiente";

} // namespace

constinit const DescripcionVentana yncir::kDescripcion {
    .clase = "yncir",
    .fabrica = Fabricar<yncir>,
    .entrada = { "ynormal", "yncircular", "Sección &Circular" },
    .titulo = "Cálculo del tirante normal, sección circular",
    .datos = {
        { "ordinario", { { "q", "0.5" }, { "d", "1" }, { "n", "0.015" }, { "s", "0.001" } } },
    },
    .mensajes = { kTextoDatosIncompletos, kMensajeTiranteMayorDiametro },
};

// clang-format off
yncir::yncir() : VentanaCalculo(kDescripcion.titulo)
{
    Marco* proyecto = NuevoMarco("Frame1", "", {720, 120, 10335, 975});
    DatosProyecto(proyecto, {
        {"lu", CampoDeProyecto::Lugar, {1440, 240, 2535, 285}, {240, 240, 1095, 285}},
        {"pro", CampoDeProyecto::Proyecto, {7080, 240, 2535, 285}, {5760, 240, 1215, 285}},
        {"tra", CampoDeProyecto::Tramo, {1440, 600, 2535, 285}, {240, 600, 1095, 285}},
        {"re", CampoDeProyecto::Revestimiento, {7080, 600, 2535, 285}, {5760, 600, 1215, 285}},
    });
    Marco* datos = NuevoMarco("Frame2", "Datos:", {720, 1440, 4575, 1815});
    Entradas(datos, Columna{.etiqueta = 240, .anchoEtiqueta = 1815, .caja = 2160, .unidad = 3480}, {
        // box  label              unit    status text / warning / Enter to
        {"q", "Caudal (Q):",       "m3/s", "Ingresar el valor del caudal Q",
              "Ingresar para Q, un valor mayor que cero",               "d"},
        {"d", "Diámetro (d):",     "m",    "Ingresar el valor del diámetro d",
              "Ingresar para el diámetro, un valor mayor que cero",     "n"},
        {"n", "Rugosidad (n):",    "",     "Ingresar el valor del coeficiente de rugosidad de acuerdo al material del canal",
              "Ingresar para n, un valor mayor que cero",               "s"},
        {"s", "Pendiente (S):",    "m/m",  "Ingresar el valor de la pendiente S",
              "Ingresar para S, un valor mayor que cero",               "bCalcular"},
    });
    Dibujo(this, "Picture1", DibujoCircular({260, 131}), 7200, 1440);
    Marco* resultados = NuevoMarco("Frame3", "Resultados:", {720, 3960, 10335, 2175});
    Resultados(resultados, Columna{.etiqueta = 360, .anchoEtiqueta = 1875, .caja = 2280, .unidad = 3720}, {
        {"y", "Tirante normal (y):", "m"},
        {"a", "Area hidráulica (A):", "m2"},
        {"t", "Espejo de agua (T):", "m"},
        {"f", "Número de Froude (F):", ""},
        {"tf", "Tipo de flujo:", "", 1335},
    });
    Resultados(resultados, Columna{.etiqueta = 5880, .anchoEtiqueta = 1995, .caja = 7920, .unidad = 9240}, {
        {"p", "Perímetro mojado (p):", "m"},
        {"r", "Radio hidráulico (R):", "m"},
        {"v", "Velocidad (v):", "m/s"},
        {"e", "Energía específica (E):", "m-Kg/Kg"},
    });
    BotonesRol({720, 6360}, {9240, 6360}, {.marcoBotones = "Frame5", .marcoCalculadora = "Frame4"});
    OrdenTabulacion({"q", "d", "n", "s", "bCalcular", "lu", "pro", "tra", "re", "y", "a", "t", "f",
                     "tf", "p", "r", "v", "e", "bLimpiar", "bImprimir", "bMenuPrincipal",
                     "bCalculadora"});
}
// clang-format on

void yncir::Calcular()
{
    const double Q = Numero("q"), d = Numero("d"), n = Numero("n"), S = Numero("s");
    if (!VerificarDatosCompletos({ Q, d, n, S }, kTextoDatosIncompletos))
        return;
    const ResultadoFlujoUniforme r = CalcularTiranteCircular(Q, d, n, S);
    if (InformarFallo(this, r.fallo,
            { { FalloCalculo::TiranteMayorDiametro, { kMensajeTiranteMayorDiametro } } }))
        return;
    // No erosion warning here: the velocity keeps the box's own colour.
    Escribir("y", r.tirante, "##0.0000");
    Escribir("a", r.area, "###0.0000");
    Escribir("p", r.perimetro, "##0.0000");
    Escribir("r", r.radio, "##0.0000");
    Escribir("t", r.espejo, "##0.0000");
    Escribir("v", r.velocidad, "##0.0000");
    Escribir("f", r.froude, "##0.0000");
    Escribir("e", r.energia, "##0.0000");
    EscribirTexto("tf", TextoTipoFlujo(r.tipoFlujo));
}

} // namespace quelmora
