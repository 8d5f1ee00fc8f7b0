#include "critical_flow/yccir.h"

#include "critical_flow/core/calculo_critico.h"
#include "frame/fallos.h"
#include "frame/plataforma.h"
#include "resources/secciones_curvas.h"

namespace quelmora {

namespace {

constexpr const char* kMensajeTiranteMayorDiametro
    = "El tirante es mayor que el diámetro. Incremente el diámetro";

} // namespace

constinit const DescripcionVentana yccir::kDescripcion {
    .clase = "yccir",
    .fabrica = Fabricar<yccir>,
    .entrada = { "ycritico", "yccircular", "Sección &Circular" },
    .titulo = "Cálculo del Tirante Crítico, sección Circular",
    .datos = {
        { "ordinario", { { "q", "0.5" }, { "d", "1" } } },
    },
    .mensajes = { kTextoDatosIncompletos, kMensajeTiranteMayorDiametro },
};

// clang-format off
yccir::yccir() : VentanaCalculo(kDescripcion.titulo)
{
    Marco* proyecto = NuevoMarco("Frame2", "", {720, 120, 10335, 975});
    DatosProyecto(proyecto, {
        {"lu", CampoDeProyecto::Lugar, {1440, 240, 2535, 285}, {240, 240, 1095, 285}},
        {"pro", CampoDeProyecto::Proyecto, {7080, 240, 2535, 285}, {5760, 240, 1215, 285}},
        {"tra", CampoDeProyecto::Tramo, {1440, 600, 2535, 285}, {240, 600, 1095, 285}},
        {"re", CampoDeProyecto::Revestimiento, {7080, 600, 2535, 285}, {5760, 600, 1215, 285}},
    });
    Marco* datos = NuevoMarco("Frame3", "Datos:", {720, 1320, 4095, 1095});
    Entradas(datos, Columna{}, {
        // box  label                    unit    status text / warning / Enter to
        {"q", "Caudal (Q):",             "m3/s", "Ingresar el valor del caudal Q",
              "Ingresar para Q, un valor mayor que cero",                      "d"},
        {"d", "Diámetro (d):",           "m",    "Ingresar el valor del diámetro d",
              "Ingresar para el diámetro, un valor mayor que cero",            "bCalcular"},
    });
    // After its warning the diameter box takes the focus back.
    CampoDato* diametro = Campo("d");
    connect(diametro, &CampoDato::cambio, this, [this, diametro] {
        if (diametro->valor() < 0)
            DarFoco(diametro);
    });
    Dibujo(this, "Picture1", DibujoCircular({256, 127}), 7200, 1320);
    Marco* resultados = NuevoMarco("Frame1", "Resultados:", {720, 3840, 10335, 1815});
    Resultados(resultados, Columna{.etiqueta = 360, .caja = 2280, .unidad = 3720}, {
        {"y", "Tirante crítico (y):", "m"},
        {"a", "Area hidráulica (A):", "m2"},
        {"t", "Espejo de agua (T):", "m"},
        {"f", "Número de Froude (F):", ""},
    });
    Resultados(resultados, Columna{.etiqueta = 5880, .caja = 7920, .unidad = 9240}, {
        {"p", "Perímetro mojado (p):", "m"},
        {"r", "Radio hidráulico (R):", "m"},
        {"v", "Velocidad (v):", "m/s"},
        {"e", "Energía específica (E):", "m-Kg/Kg"},
    });
    BotonesRol({720, 6360}, {9240, 6360}, {.marcoBotones = "Frame5", .marcoCalculadora = "Frame4"});
    OrdenTabulacion({"q", "d", "bCalcular", "lu", "pro", "tra", "re", "y", "a", "t", "f", "p",
                     "r", "v", "e", "bCalculadora", "bMenuPrincipal", "bImprimir", "bLimpiar"});
}
// clang-format on

void yccir::Calcular()
{
    const double Q = Numero("q"), d = Numero("d");
    if (!VerificarDatosCompletos({ Q, d }, kTextoDatosIncompletos))
        return;
    const ResultadoTiranteCritico r = CalcularTiranteCriticoCircular(Q, d);
    if (InformarFallo(this, r.fallo,
            { { FalloCalculo::TiranteMayorDiametro, { kMensajeTiranteMayorDiametro } } })) {
        if (r.fallo == FalloCalculo::TiranteMayorDiametro)
            DarFoco(Campo("d"));
        return;
    }
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
