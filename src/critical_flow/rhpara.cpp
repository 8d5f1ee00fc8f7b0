#include "critical_flow/rhpara.h"

#include "critical_flow/core/calculo_resalto.h"
#include "critical_flow/diagrama_resalto.h"
#include "frame/fallos.h"

namespace quelmora {

namespace {

// This window's wording of the completeness check has no trailing blank.
constexpr const char* kMensajeDatosIncompletosRhpara
    = "Complete adecuadamente el ingreso de datos, antes de ejecutar";
constexpr const char* kMensajeValoresInadecuados
    = "Valores de entrada inadecuados. Ingrese nuevos datos";

} // namespace

constinit const DescripcionVentana rhpara::kDescripcion {
    .clase = "rhpara",
    .fabrica = Fabricar<rhpara>,
    .entrada = { "resalto", "rhparabolica", "Sección &Parabólica" },
    .titulo = "Cálculo del Resalto Hidráulico, sección Parabólica",
    .datos = {
        { "ordinario", { { "q", "1" }, { "y", "0.2" }, { "t", "2" } } },
    },
    .mensajes = { kMensajeDatosIncompletosRhpara, kMensajeValoresInadecuados },
};

// clang-format off
rhpara::rhpara() : VentanaCalculo(kDescripcion.titulo)
{
    Marco* proyecto = NuevoMarco("Frame3", "", {720, 120, 10455, 975});
    DatosProyecto(proyecto, {
        {"lu", CampoDeProyecto::Lugar, {1320, 240, 2535, 285}, {600, 240, 675, 285}},
        {"pro", CampoDeProyecto::Proyecto, {7080, 240, 2535, 285}, {5880, 240, 1155, 285}},
        {"tra", CampoDeProyecto::Tramo, {1320, 600, 2535, 285}, {600, 600, 675, 285}},
    });
    Marco* datos = NuevoMarco("Frame2", "Datos:", {720, 1800, 4215, 2055});
    // The rows are not evenly spaced: the side label sits between y and T.
    auto filas = [](int arriba, int paso = 0) {
        return Columna{.etiqueta = 360, .anchoEtiqueta = 1635, .caja = 2040, .anchoCaja = 1035,
                       .unidad = 3360, .arriba = arriba, .paso = paso, .anchoUnidad = 555};
    };
    Entradas(datos, filas(360, 480), {
        // box  label                    unit    status text / warning / Enter to
        {"q", "Caudal (Q):",             "m3/s", "Ingresar el valor del caudal Q",
              "Ingresar para Q, un valor mayor que cero",                      "y"},
        {"y", "Tirante (y):",            "m",    "Ingresar el valor del tirante (profundidad de agua en el canal)",
              "Ingresar para y, un valor mayor que cero",                      "t"},
    });
    Entradas(datos, filas(1440), {
        {"t", "Espejo de agua (T):",     "m",    "Ingresar el valor del espejo de agua T",
              "Ingresar para el espejo de agua, un valor mayor que cero",      "bCalcular"},
    });
    lado_ = Etiqueta(datos, "lblMensajeY", "", {360, 1080, 1695, 255});
    diagrama_ = new DiagramaResalto(this, SeccionResalto::Parabolica, 5640, 1920, kCianResalto,
                                    {"yr1", {840, 1080, 495, 255}},
                                    {"yr2", {1800, 840, 615, 255}});
    Marco* resultados = NuevoMarco("Frame1", "Resultados:", {720, 4560, 10335, 1335});
    Resultados(resultados, Columna{.etiqueta = 360, .anchoEtiqueta = 1995, .caja = 2400,
                                   .anchoCaja = 1035, .unidad = 3720}, {
        {"yy2", "Tirante conjugado:", "m"},
        {"h", "Altura del resalto:", "m"},
        {"kk", "Foco de la parábola (k):", "m"},
    });
    Resultados(resultados, Columna{.etiqueta = 5760, .anchoEtiqueta = 2595, .caja = 8400,
                                   .anchoCaja = 1035, .unidad = 9720}, {
        {"ff", "Número de Froude (F):", ""},
        {"e", "Pérdida de energía en el resalto:", "m"},
        {"jj", "Valor de J:", ""},
    });
    BotonesRol({720, 6360}, {9240, 6360}, {.marcoBotones = "Frame5", .marcoCalculadora = "Frame4"});
    OrdenTabulacion({"q", "y", "t", "bCalcular", "lu", "pro", "tra", "yy2", "h", "kk", "ff", "e",
                     "jj", "bLimpiar", "bImprimir", "bMenuPrincipal", "bCalculadora"});
}
// clang-format on

void rhpara::Calcular()
{
    const double Q = Numero("q"), y = Numero("y"), T = Numero("t");
    if (!VerificarDatosCompletos({ Q, y, T }, kMensajeDatosIncompletosRhpara))
        return;
    const ResultadoResalto r = CalcularResaltoParabolico(Q, y, T);
    if (InformarFallo(this, r.fallo,
            { { FalloCalculo::ValoresInadecuados, { kMensajeValoresInadecuados } } }))
        return;
    diagrama_->Mostrar(r, lado_);
    Escribir("yy2", r.conjugado, "##0.0000");
    Escribir("ff", r.froude, "##0.0000");
    Escribir("h", r.altura, "##0.0000");
    Escribir("kk", r.foco, "##0.0000");
    Escribir("e", r.perdida, "##0.###0");
    Escribir("jj", r.relacion, "##0.0000");
}

void rhpara::Limpiar()
{
    diagrama_->Limpiar(lado_);
    VentanaCalculo::Limpiar();
}

} // namespace quelmora
