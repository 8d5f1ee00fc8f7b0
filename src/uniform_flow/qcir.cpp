#include "uniform_flow/qcir.h"

#include "frame/fallos.h"
#include "frame/plataforma.h"
#include "frame/tipo_flujo.h"
#include "resources/secciones_curvas.h"
#include "uniform_flow/core/caudal.h"

namespace quelmora {

namespace {

constexpr const char* kMensajeTiranteMayorDiametro
    = "El tirante no puede ser mayor que el diámetro. Ingresar valores adecuados";

} // namespace

constinit const DescripcionVentana qcir::kDescripcion {
    .clase = "qcir",
    .fabrica = Fabricar<qcir>,
    .entrada = { "caudales", "qcircular", "Sección &Circular" },
    .titulo = "Cálculo del caudal, sección circular",
    .datos = {
        { "ordinario", { { "y", "0.5" }, { "d", "1" }, { "n", "0.015" }, { "s", "0.001" } } },
    },
    .mensajes = { kTextoIngresoLosDatos, kMensajeTiranteMayorDiametro },
};

// clang-format off
qcir::qcir() : VentanaCalculo(kDescripcion.titulo)
{
    Marco* proyecto = NuevoMarco("Frame1", "", {720, 120, 10335, 975});
    DatosProyecto(proyecto, {
        {"lu", CampoDeProyecto::Lugar, {1440, 240, 2535, 285}, {240, 240, 1095, 285}},
        {"pro", CampoDeProyecto::Proyecto, {7080, 240, 2535, 285}, {5760, 240, 1215, 285}},
        {"tra", CampoDeProyecto::Tramo, {1440, 600, 2535, 285}, {240, 600, 1095, 285}},
        {"re", CampoDeProyecto::Revestimiento, {7080, 600, 2535, 285}, {5760, 600, 1215, 285}},
    });
    Marco* datos = NuevoMarco("Frame2", "Datos:", {720, 1560, 3735, 1815});
    Entradas(datos, Columna{.unidad = 3360, .anchoUnidad = 360}, {
        // box  label              unit   status text / warning / Enter to
        {"y", "Tirante (y) :",     "m",   "Ingresar el valor del tirante y",
              "Ingresar para y, un valor mayor que cero",               "d"},
        {"d", "Diámetro (d) :",    "m",   "Ingresar el valor del diámetro d",
              "Ingresar para el diámetro, un valor mayor que cero",     "n"},
        {"n", "Rugosidad (n) :",   "",    "Ingresar el valor del coeficiente de rugosidad de acuerdo al material del canal",
              "Ingresar para n, un valor mayor que cero",               "s"},
        {"s", "Pendiente (S) :",   "m/m", "Ingresar el valor de la pendiente S",
              "Ingresar para S, un valor mayor que cero",               "bCalcular"},
    });
    Dibujo(this, "Picture1", DibujoCircular({260, 131}), 7080, 1440);
    Marco* resultados = NuevoMarco("Frame3", "Resultados:", {720, 4080, 10335, 2055});
    Resultados(resultados, Columna{.etiqueta = 360, .anchoEtiqueta = 1875, .caja = 2280, .unidad = 3720}, {
        {"q", "Caudal (Q) :", "m3/s"},
        {"a", "Area hidráulica (A) :", "m2"},
        {"r", "Radio hidráulico (R) :", "m"},
        {"f", "Número de Froude (F) :", ""},
        {"tf", "Tipo de flujo :", "", 1335, {}, {}, Qt::AlignCenter},
    });
    Resultados(resultados, Columna{.etiqueta = 5880, .anchoEtiqueta = 1995, .caja = 7920, .unidad = 9240}, {
        {"v", "Velocidad (v) :", "m/s"},
        {"p", "Perímetro mojado (p) :", "m"},
        {"t", "Espejo de agua (T) :", "m"},
        {"e", "Energía específica (E) :", "m-Kg/Kg"},
    });
    BotonesRol({720, 6360}, {9240, 6360}, {.marcoBotones = "Frame5", .marcoCalculadora = "Frame4"});
    OrdenTabulacion({"y", "d", "n", "s", "bCalcular", "lu", "pro", "tra", "re", "q", "a", "r", "f",
                     "tf", "v", "p", "t", "e", "bLimpiar", "bImprimir", "bMenuPrincipal",
                     "bCalculadora"});
}
// clang-format on

void qcir::Calcular()
{
    const double y = Numero("y"), d = Numero("d"), n = Numero("n"), S = Numero("s");
    // Unlike most windows, a missing value sends the focus back to the depth.
    if (!VerificarDatosCompletos({ y, d, n, S }, kTextoIngresoLosDatos)) {
        DarFoco(Campo("y"));
        return;
    }
    if (d < y) {
        Beep();
        AvisoSimple(kMensajeTiranteMayorDiametro, this);
        Caja("d")->setText(QString());
        DarFoco(Campo("d"));
        return;
    }
    const ResultadoFlujoUniforme r = CalcularCaudalCircular(y, d, n, S);
    if (InformarFallo(this, r.fallo))
        return;
    // No erosion warning here: the velocity keeps the box's own colour.
    Escribir("q", r.caudal, "###0.0000");
    Escribir("v", r.velocidad, "#0.0000");
    Escribir("a", r.area, "##0.0000");
    Escribir("p", r.perimetro, "##0.0000");
    Escribir("r", r.radio, "#0.0000");
    Escribir("t", r.espejo, "#0.0000");
    Escribir("f", r.froude, "#0.0000");
    Escribir("e", r.energia, "#0.0000");
    EscribirTexto("tf", TextoTipoFlujo(r.tipoFlujo));
}

} // namespace quelmora
