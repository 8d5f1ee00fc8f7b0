#include "critical_flow/rhtrape.h"

#include "critical_flow/core/calculo_resalto.h"
#include "critical_flow/diagrama_resalto.h"
#include "frame/fallos.h"
#include "frame/plataforma.h"

namespace quelmora {

namespace {

constexpr const char* kMensajeSinLongitud
    = "No se dispone del coeficiente de longitud del resalto para este talud";

} // namespace

constinit const DescripcionVentana rhtrape::kDescripcion {
    .clase = "rhtrape",
    .fabrica = Fabricar<rhtrape>,
    .entrada = { "resalto", "rhtrapezoidal", "Sección &Trapezoidal" },
    .titulo = "Cálculo del Resalto Hidráulico, sección Trapezoidal",
    .datos = {
        { "ordinario", { { "q", "2" }, { "y", "0.3" }, { "b", "1" }, { "z", "1" } } },
    },
    .mensajes = { kTextoDatosIncompletos, kMensajeSinLongitud },
};

// clang-format off
rhtrape::rhtrape() : VentanaCalculo(kDescripcion.titulo)
{
    Marco* proyecto = NuevoMarco("Frame3", "", {720, 120, 10335, 975});
    DatosProyecto(proyecto, {
        {"lu", CampoDeProyecto::Lugar, {1320, 240, 2535, 285}, {480, 240, 795, 285}},
        {"pro", CampoDeProyecto::Proyecto, {7080, 240, 2535, 285}, {5880, 240, 1155, 285}},
        {"tra", CampoDeProyecto::Tramo, {1320, 600, 2535, 285}, {480, 600, 795, 285}},
    });
    Marco* datos = NuevoMarco("Frame2", "Datos:", {720, 1680, 3855, 2295});
    // The rows are not evenly spaced: the side label sits between y and b.
    auto filas = [](int arriba, int unidad, int paso = 0) {
        return Columna{.etiqueta = 360, .anchoEtiqueta = 1635, .caja = 2040, .anchoCaja = 1035,
                       .unidad = unidad, .arriba = arriba, .paso = paso, .anchoUnidad = 555};
    };
    Entradas(datos, filas(240, 3240), {
        // box  label                    unit    status text / warning / Enter to
        {"q", "Caudal (Q):",             "m3/s", "Ingresar el valor del caudal Q",
              "Ingresar para Q, un valor mayor que cero",                      "y"},
    });
    Entradas(datos, filas(720, 3360), {
        {"y", "Tirante (y):",            "m",    "Ingresar el valor del tirante (profundidad de agua en el canal)",
              "Ingresar para y, un valor mayor que cero",                      "b"},
    });
    Entradas(datos, filas(1320, 3360, 480), {
        {"b", "Ancho de solera (b):",    "m",    "Ingresar el valor del ancho de fondo del canal",
              "Ingresar para b, un valor mayor que cero",                      "z"},
        {"z", "Talud (Z):",              "",     "Ingresar el valor del talud, para taludes diferentes ingresar su promedio",
              "Ingresar para Z, un valor igual o mayor que cero",              "bCalcular"},
    });
    lado_ = Etiqueta(datos, "lblMensajeY", "", {360, 960, 1815, 255});
    diagrama_ = new DiagramaResalto(this, SeccionResalto::Trapecial, 5640, 1920, kCianResalto,
                                    {"yr1", {960, 960, 495, 255}},
                                    {"yr2", {1920, 720, 615, 255}},
                                    {"lr2", {840, 1440, 735, 255}});
    Marco* resultados = NuevoMarco("Frame1", "Resultados:", {720, 4560, 10335, 1335});
    Resultados(resultados, Columna{.etiqueta = 240, .anchoEtiqueta = 2475, .caja = 2760,
                                   .anchoCaja = 1035, .unidad = 4080}, {
        {"txty2", "Tirante conjugado (y):", "m"},
        {"txth", "Altura del resalto:", "m"},
        {"txte", "Pérdida de energía en el resalto:", "m"},
    });
    Resultados(resultados, Columna{.etiqueta = 5520, .anchoEtiqueta = 2835, .caja = 8400,
                                   .anchoCaja = 1035, .unidad = 9720}, {
        {"txtff3", "Número de Froude conjugado (F):", ""},
        {"txtL", "Longitud del resalto (L):", "m"},
        {"txtjj", "Valor de J:", ""},
    });
    BotonesRol({720, 6360}, {9240, 6360}, {.marcoBotones = "Frame5", .marcoCalculadora = "Frame4"});
    OrdenTabulacion({"q", "y", "b", "z", "bCalcular", "lu", "pro", "tra", "txty2", "txth", "txte",
                     "txtff3", "txtL", "txtjj", "bLimpiar", "bImprimir", "bMenuPrincipal",
                     "bCalculadora"});
}
// clang-format on

void rhtrape::Calcular()
{
    const double Q = Numero("q"), b = Numero("b"), Z = Numero("z"), y = Numero("y");
    if (!VerificarDatosCompletos({ Q, b, Z, y }, kTextoDatosIncompletos))
        return;
    const ResultadoResalto r = CalcularResaltoTrapecial(Q, b, Z, y);
    if (InformarFallo(this, r.fallo))
        return;
    diagrama_->Mostrar(r, lado_);
    Escribir("txty2", r.conjugado, "##0.0000");
    Escribir("txte", r.perdida, "##0.0000");
    Escribir("txth", r.altura, "##0.0000");
    Escribir("txtff3", r.froude, "##0.0000");
    Escribir("txtjj", r.relacion, "##0.0000");
    if (r.conLongitud) {
        Escribir("txtL", r.longitud, "##0.00");
        return;
    }
    EscribirTexto("txtL", QString());
    AvisoSimple(kMensajeSinLongitud, this);
}

void rhtrape::Limpiar()
{
    diagrama_->Limpiar(lado_);
    VentanaCalculo::Limpiar();
}

} // namespace quelmora
