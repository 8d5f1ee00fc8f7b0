#include "uniform_flow/qpara.h"

#include <QFocusEvent>

#include "frame/fallos.h"
#include "frame/tipo_flujo.h"
#include "resources/secciones_curvas.h"
#include "uniform_flow/core/caudal.h"

namespace quelmora {

constinit const DescripcionVentana qpara::kDescripcion {
    .clase = "qpara",
    .fabrica = Fabricar<qpara>,
    .entrada = { "caudales", "qparabolica", "Sección &Parabólica" },
    .titulo = "Cálculo del caudal, sección parabólica",
    .datos = {
        { "ordinario", { { "y", "0.5" }, { "t", "2" }, { "n", "0.015" }, { "s", "0.001" } } },
        { "erosivo", { { "y", "0.5" }, { "t", "2" }, { "n", "0.025" }, { "s", "0.005" } } },
    },
    .mensajes = { kTextoIngresoLosDatos },
};

// clang-format off
qpara::qpara() : VentanaCalculo(kDescripcion.titulo)
{
    Marco* proyecto = NuevoMarco("Frame1", "", {720, 120, 10335, 975});
    DatosProyecto(proyecto, {
        {"lu", CampoDeProyecto::Lugar, {1440, 240, 2535, 285}, {240, 240, 1095, 285}},
        {"pro", CampoDeProyecto::Proyecto, {7080, 240, 2535, 285}, {5760, 240, 1215, 285}},
        {"tra", CampoDeProyecto::Tramo, {1440, 600, 2535, 285}, {240, 600, 1095, 285}},
        {"re", CampoDeProyecto::Revestimiento, {7080, 600, 2535, 285}, {5760, 600, 1215, 285}},
    });
    Marco* datos = NuevoMarco("Frame2", "Datos:", {720, 1320, 4095, 2055});
    Entradas(datos, Columna{}, {
        // box  label                   unit   status text / warning / Enter to
        {"y", "Tirante (y):",           "m",   "Ingresar el Tirante (profundidad del agua en el canal)",
              "Ingresar para y, un valor mayor que cero",                   "t"},
        {"t", "Espejo de agua (T):",    "m",   "Ingresar el valor del espejo de agua T",
              "Ingresar para el espejo de agua, un valor mayor que cero",   "n"},
        {"n", "Rugosidad (n):",         "",    "Ingresar el valor del coeficiente de rugosidad de acuerdo al material del canal",
              "Ingresar para n, un valor mayor que cero",                   "s"},
        {"s", "Pendiente (S):",         "m/m", "Ingresar el valor de la pendiente S",
              "Ingresar para S, un valor mayor que cero",                   "bCalcular"},
    });
    Dibujo(this, "Picture1", DibujoParabolico({260, 130}), 7080, 1440);
    Marco* resultados = NuevoMarco("Frame3", "Resultados:", {720, 3720, 10335, 2295});
    Resultados(resultados, Columna{.etiqueta = 360, .anchoEtiqueta = 1875, .caja = 2280, .unidad = 3720}, {
        {"q", "Caudal (Q):", "m3/s"},
        {"a", "Area hidráulica (A):", "m2"},
        {"r", "Radio hidráulico (R):", "m"},
        {"f", "Número de Froude (F):", ""},
        {"tf", "Tipo de flujo:", "", 1335, {}, {}, Qt::AlignCenter},
    });
    Resultados(resultados, Columna{.etiqueta = 5880, .anchoEtiqueta = 1995, .caja = 7920, .unidad = 9240}, {
        {"v", "Velocidad (v):", "m/s"},
        {"p", "Perímetro (p):", "m"},
        {"k", "Foco de la parábola (k):", "m"},
        {"e", "Energía específica (E):", "m-Kg/Kg"},
    });
    EtiquetaAvisoVelocidad(resultados, "mv", {5880, 1680, 4215, 375});
    BotonesRol({720, 6360}, {9240, 6360}, {.marcoBotones = "Frame5", .marcoCalculadora = "Frame4"});
    OrdenTabulacion({"y", "t", "n", "s", "bCalcular", "lu", "pro", "tra", "re", "q", "a", "r", "f",
                     "tf", "v", "p", "k", "e", "bLimpiar", "bImprimir", "bMenuPrincipal",
                     "bCalculadora"});
    // "&Limpiar Pantalla" and "&Imprimir" light up on taking the focus as they do
    // under the mouse, until the window or their frame gives the pictures back.
    Boton(Rol::Limpiar)->installEventFilter(this);
    Boton(Rol::Imprimir)->installEventFilter(this);
}
// clang-format on

bool qpara::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::FocusIn
        && FocoEscribeEstado(static_cast<QFocusEvent*>(evento)->reason()))
        if (auto* boton = qobject_cast<BotonRol*>(objeto))
            boton->ResaltarBoton();
    return VentanaCalculo::eventFilter(objeto, evento);
}

void qpara::Calcular()
{
    const double y = Numero("y"), T = Numero("t"), n = Numero("n"), S = Numero("s");
    if (!VerificarDatosCompletos({ y, T, n, S }, kTextoIngresoLosDatos))
        return;
    const ResultadoFlujoUniforme r = CalcularCaudalParabolico(y, T, n, S);
    if (InformarFallo(this, r.fallo))
        return;
    Escribir("q", r.caudal, "##0.0000");
    AdvertirVelocidadErosiva("v", "mv", r.velocidad, r.erosiva, "#0.0000");
    Escribir("a", r.area, "##0.0000");
    Escribir("p", r.perimetro, "##0.0000");
    Escribir("r", r.radio, "##0.0000");
    Escribir("k", r.foco, "##0.0000");
    Escribir("f", r.froude, "#0.0000");
    Escribir("e", r.energia, "#0.0000");
    EscribirTexto("tf", TextoTipoFlujo(r.tipoFlujo));
}

} // namespace quelmora
