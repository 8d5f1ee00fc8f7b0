#include "measurement/frmQNaturalNConstante.h"

#include "frame/controles.h"

namespace quelmora {

constinit const DescripcionVentana frmQNaturalNConstante::kDescripcion {
    .clase = "frmQNaturalNConstante",
    .fabrica = Fabricar<frmQNaturalNConstante>,
    .entrada = { "mnuMedicion", "mnumedNcosntante", "Canal Natural con n Constante" },
    // Two blanks before "rugosidad", as the window has always been captioned.
    .titulo = "Cálculo del caudal en una sección natural con  rugosidad constante",
    .datos = {
        { "ordinario",
            { { "txtS", "0.001" }, { "txtn", "0.02" }, { "txtho", "0" } },
            { { "1", "1" }, { "2", "1" }, { "1", "0" } } },
    },
    .mensajes = { kTextoValoresInadecuados },
};

frmQNaturalNConstante::frmQNaturalNConstante()
    : VentanaCanalNatural(kDescripcion.titulo, false)
{
    Encabezados();
    Marco* datos = NuevoMarco("Frame1", QStringLiteral("Datos:"), { 360, 840, 4455, 5055 });
    // box, label, unit, top, unit left, status text, Enter to, initial text
    Dato(datos, "txtS", "Pendiente (S):", "m/m", 360, 3840,
        "Ingresar el valor de la pendiente del canal", "txtn")
        ->seleccionarSiguiente(true);
    Dato(datos, "txtn", "Coeficiente de rugosidad (n):", "", 840, 3840,
        "Ingresar el valor del coeficiente de rugosidad", "txtho");
    Dato(datos, "txtho", "Profundidad en el margen (ho):", "m", 1200, 3840,
        "Ingresar el valor de la profundidad en el margen inicial ho", "grdt", "0");

    const Disposicion disposicion { .anchoColumna = 1400,
        .grilla = { 360, 1680 },
        .izquierdaDerecha = 5520,
        .izquierdaResultados = 5040 };
    ArmarGrilla(datos, disposicion);
    ArmarComun(disposicion, { "txtR", "Radio hidráulico (R):", "" });
    OrdenTabulacion({ "txtS", "txtn", "txtho", "grdt", "bCalcular", "txtQ", "txta", "txtp", "txtR",
        "txtV", "txtEspejo", "txtFroude", "txtTipoFlujo", "bLimpiar", "bImprimir", "bMenuPrincipal",
        "bCalculadora" });
}

} // namespace quelmora
