#include "critical_flow/rhcir.h"

#include "critical_flow/core/calculo_resalto.h"
#include "critical_flow/diagrama_resalto.h"
#include "frame/fallos.h"
#include "frame/plataforma.h"

namespace quelmora {

namespace {

constexpr const char* kMensajeTiranteNoAdecuado
    = "El tirante no es adecuado, incremente el tirante mayor o el diámetro";
constexpr const char* kMensajeConjugadoMayorDiametro
    = "El tirante conjugado es mayor que el diámetro, incremente el diámetro o aumente el "
      "tirante menor y ejecute de nuevo";

} // namespace

constinit const DescripcionVentana rhcir::kDescripcion {
    .clase = "rhcir",
    .fabrica = Fabricar<rhcir>,
    .entrada = { "resalto", "rhcircular", "Sección &Circular" },
    .titulo = "Cálculo del Resalto Hidráulico, sección Circular",
    .datos = {
        { "ordinario", { { "q", "0.5" }, { "y1", "0.2" }, { "d", "1" } } },
    },
    .mensajes = { kTextoDatosIncompletos, kMensajeTiranteNoAdecuado,
        kMensajeConjugadoMayorDiametro },
};

// clang-format off
rhcir::rhcir() : VentanaCalculo(kDescripcion.titulo)
{
    Marco* proyecto = NuevoMarco("Frame3", "", {720, 120, 10335, 975});
    DatosProyecto(proyecto, {
        {"lu", CampoDeProyecto::Lugar, {1440, 240, 2535, 285}, {600, 240, 795, 285}},
        {"pro", CampoDeProyecto::Proyecto, {7200, 240, 2435, 285}, {6240, 240, 915, 285}},
        {"tra", CampoDeProyecto::Tramo, {1440, 600, 2535, 285}, {600, 600, 795, 285}},
    });
    Marco* datos = NuevoMarco("Frame2", "Datos:", {720, 1800, 3975, 1935});
    // The rows are not evenly spaced: the side label sits between y1 and d.
    auto filas = [](int arriba, int paso = 0) {
        return Columna{.etiqueta = 360, .anchoEtiqueta = 1275, .caja = 1680, .anchoCaja = 1035,
                       .unidad = 3120, .arriba = arriba, .paso = paso, .anchoUnidad = 555};
    };
    Entradas(datos, filas(240, 480), {
        // box  label                    unit    status text / warning / Enter to
        {"q", "Caudal (Q):",             "m3/s", "Ingresar el valor del caudal Q",
              "Ingresar para Q, un valor mayor que cero",                      "y1"},
        {"y1", "Tirante (y):",           "m",    "Ingresar el Tirante (profundidad del agua en el canal)",
              "Ingresar para y, un valor mayor que cero",                      "d"},
    });
    Entradas(datos, filas(1440), {
        {"d", "Diámetro (d):",           "m",    "Ingresar el valor del diámetro d",
              "Ingresar para el diámetro, un valor mayor que cero",            "bCalcular"},
    });
    lado_ = Etiqueta(datos, "lblMensajeY", "", {360, 1080, 1815, 255});
    diagrama_ = new DiagramaResalto(this, SeccionResalto::Circular, 5520, 1920, kCianResalto,
                                    {"yr1", {1080, 960, 495, 255}},
                                    {"yr2", {2040, 720, 615, 255}});
    Marco* resultados = NuevoMarco("Frame1", "Resultados:", {720, 4440, 10335, 1215});
    Resultados(resultados, Columna{.etiqueta = 360, .anchoEtiqueta = 1755, .caja = 2160,
                                   .anchoCaja = 1035, .unidad = 3360, .arriba = 360}, {
        {"yy2", "Tirante conjugado (y):", "m"},
        {"h", "Altura del resalto:", "m"},
    });
    Resultados(resultados, Columna{.etiqueta = 5760, .anchoEtiqueta = 2715, .caja = 8520,
                                   .anchoCaja = 1035, .unidad = 9840, .arriba = 360}, {
        {"ff", "Número de Froude conjugado (F):", ""},
        {"e", "Pérdida de energía en el resalto:", "m"},
    });
    BotonesRol({720, 6360}, {9240, 6360}, {.marcoBotones = "Frame5", .marcoCalculadora = "Frame4"});
    OrdenTabulacion({"q", "y1", "d", "bCalcular", "lu", "pro", "tra", "yy2", "h", "ff", "e",
                     "bLimpiar", "bImprimir", "bMenuPrincipal", "bCalculadora"});
}
// clang-format on

void rhcir::Calcular()
{
    const double Q = Numero("q"), y1 = Numero("y1"), d = Numero("d");
    if (!VerificarDatosCompletos({ Q, y1, d }, kTextoDatosIncompletos))
        return;
    const ResultadoResalto r = CalcularResaltoCircular(Q, y1, d);
    if (InformarFallo(this, r.fallo,
            { { FalloCalculo::TiranteNoAdecuado, { kMensajeTiranteNoAdecuado } },
                { FalloCalculo::ConjugadoMayorDiametro, { kMensajeConjugadoMayorDiametro } } }))
        return;
    diagrama_->Mostrar(r, lado_);
    Escribir("yy2", r.conjugado, "##0.0000");
    Escribir("ff", r.froude, "##0.0000");
    Escribir("h", r.altura, "##0.0000");
    Escribir("e", r.perdida, "##0.0000");
}

void rhcir::Limpiar()
{
    diagrama_->Limpiar(lado_);
    VentanaCalculo::Limpiar();
}

} // namespace quelmora
