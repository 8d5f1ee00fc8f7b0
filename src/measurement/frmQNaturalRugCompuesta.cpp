#include "measurement/frmQNaturalRugCompuesta.h"

#include "frame/controles.h"

namespace quelmora {

constinit const DescripcionVentana frmQNaturalRugCompuesta::kDescripcion {
    .clase = "frmQNaturalRugCompuesta",
    .fabrica = Fabricar<frmQNaturalRugCompuesta>,
    .entrada = { "mnuMedicion", "mnumedncompuesta", "Canal Natural con n Compuesta" },
    .titulo = "Cálculo del caudal en una sección natural con rugosidades compuestas",
    .datos = {
        { "ordinario",
            { { "txtS", "0.0005" }, { "txtho", "0.5" }, { "txtvo", "0.04" }, { "txtnf", "0.05" } },
            { { "2", "1.0", "0.030" }, { "3", "1.5", "0.025" }, { "2", "0.8", "0.035" } } },
    },
    .mensajes = { kTextoValoresInadecuados },
};

frmQNaturalRugCompuesta::frmQNaturalRugCompuesta()
    : VentanaCanalNatural(kDescripcion.titulo, true)
{
    Encabezados();
    Marco* datos = NuevoMarco("Frame1", QStringLiteral("Datos:"), { 240, 840, 4935, 5415 });
    // box, label, unit, top, unit left, status text, Enter to, initial text
    Dato(datos, "txtS", "Pendiente (S):", "m/m", 360, 3960,
        "Ingresar el valor de la pendiente del canal", "txtho")
        ->seleccionarSiguiente(true);
    Dato(datos, "txtho", "Profundidad en el margen (ho):", "m", 720, 3960,
        "Ingresar el valor de la profundidad en el margen inicial ho", "txtvo", "0")
        ->seleccionarSiguiente(true);
    Dato(datos, "txtvo", "Rugosidad en el margen (no)", "", 1080, 3960,
        "Ingresar el valor de la rugosidad en el margen inicial no", "grdt", "0");

    const Disposicion disposicion { .anchoColumna = 1200,
        .grilla = { 120, 1560 },
        .izquierdaDerecha = 5640,
        .izquierdaResultados = 5280 };
    ArmarGrilla(datos, disposicion);

    // Below the grid: the right wall's roughness, which selects its own text.
    Etiqueta(
        datos, {}, QStringLiteral("Rugosidad en el margen final (n):"), { 240, 4920, 2595, 285 });
    CampoDato* nf = EntradaSuelta(datos, "txtnf", { 2880, 4920, 1035, 285 },
        "Ingresar el valor de la rugosidad en el margen final nf", {}, "bCalcular");
    nf->setText(QStringLiteral("0"));
    SeleccionarAlRecibirFoco(nf);

    ArmarComun(disposicion, { "txtNponderado", "Rugosidad ponderada:", "" });
    OrdenTabulacion({ "txtS", "txtho", "txtvo", "grdt", "txtnf", "bCalcular", "txtQ", "txta",
        "txtp", "txtNponderado", "txtV", "txtEspejo", "txtFroude", "txtTipoFlujo", "bLimpiar",
        "bImprimir", "bMenuPrincipal", "bCalculadora" });
}

} // namespace quelmora
