// The side-weir window: the march along a side weir in subcritical flow, slice
// by slice, into two grids, with the distance reached when the depth falls to
// the crest.

#include "structures/frmVertederoLateral.h"

#include <QFont>
#include <QLabel>

#include "frame/plataforma.h"
#include "frame/tabla_resultados.h"
#include "frame/texto_numero.h"
#include "structures/core/vertedero_lateral.h"
#include "structures/dibujos_estructuras.h"

namespace quelmora {

namespace {

constexpr const char* kMensajeTramos = "El número de tramos debe ser como máximo 50";

const char* const kCabecerasSuperior[]
    = { "y", "Q", "h=y-a", "hSqr(2gh)", "m", "deltaQ", "Q*deltaQ", "T" };
const char* const kCabecerasInferior[]
    = { "Q2T", "A", "Q2T/A", "gA2", "Q2T/A-gA2", "deltah", "y+deltah", "Lacum" };

constexpr int kFilasGrilla = 52; // a header row and 51 sections

} // namespace

QString TextoParadaVertedero(double distancia)
{
    return QStringLiteral("Los cálculos se realizaron hasta los ") + NumeroPlano(distancia)
        + QStringLiteral(" m");
}

constinit const DescripcionVentana frmVertederoLateral::kDescripcion {
    .clase = "frmVertederoLateral",
    .fabrica = Fabricar<frmVertederoLateral>,
    .entrada = { "mnuestructuras", "mnuestrulateral", "Vertedero Lateral" },
    .titulo = "Diseño de un vertedero lateral para un flujo subcrítico",
    .datos = {
        { "ordinario",
            { { "txty", "1" }, { "txtb", "2" }, { "txtZ", "1" }, { "txtn", "0.015" },
                { "txtS", "0.001" }, { "txtU", "0.6" }, { "txtL", "1" }, { "txtNt", "2" } } },
        { "hasta_la_cresta",
            { { "txty", "0.8" }, { "txtb", "1.5" }, { "txtZ", "0.5" }, { "txtn", "0.014" },
                { "txtS", "0.0008" }, { "txtU", "0.5" }, { "txtL", "2" }, { "txtNt", "40" } } },
    },
    .mensajes = { kMensajeTramos },
};

frmVertederoLateral::frmVertederoLateral()
    : VentanaConCopia(kDescripcion.titulo)
{
    Marco* datos
        = NuevoMarco(QStringLiteral("Frame01"), QStringLiteral("Datos:"), { 240, 120, 3255, 4335 });
    const Columna columna { .etiqueta = 120,
        .anchoEtiqueta = 1545,
        .caja = 1680,
        .anchoCaja = 1035,
        .unidad = 2880,
        .arriba = 360,
        .paso = 480,
        .anchoUnidad = 315 };
    // clang-format off
    Entradas(datos, columna, {
        // box     label                    unit  status text                                                                    warning  Enter to
        {"txty",  "y inicial",              "m",  "Ingresar el valor del tirante inicial y",                                    {}, "txtb"},
        {"txtb",  "Ancho de solera (b):",   "m",  "Ingresar el valor del ancho de fondo del canal",                             {}, "txtZ"},
        {"txtZ",  "Talud (Z):",             "",   "Ingresar el valor del talud, para taludes diferentes ingresar su promedio",  {}, "txtn"},
        {"txtn",  "Rugosidad (n)",          "",   "Ingresar el valor del coeficiente de rugosidad de acuerdo al material del canal", {}, "txtS"},
        {"txtS",  "Pendiente (S):",         "",   "Ingresar el valor de la pendiente del canal",                                {}, "txtU"},
        {"txtU",  "Umbral vertedero (a):",  "m",  "Ingresar el valor de la altura desde el fondo del canal al vertedero",       {}, "txtL"},
        {"txtL",  "Delta L (DL):",          "m",  "Ingresar el valor de deltaL, porción de la longitud del vertedero ",         {}, "txtNt"},
        {"txtNt", "Nº tramos",              "",   "Ingresar el valor del número de tramos a calcular ",                         {}, "bCalcular"},
    });
    // clang-format on
    connect(Campo(QStringLiteral("txtNt")), &CampoDato::cambio, this,
        &frmVertederoLateral::txtNt_Change);

    Dibujo(this, QStringLiteral("Picture1"), DibujoVertederoLateral(), 360, 4680);

    auto* superior = new TablaResultados(
        this, QStringLiteral("grdDatosVerte01"), { 3600, 120, 8055, 2895 }, 8, kFilasGrilla);
    auto* inferior = new TablaResultados(
        this, QStringLiteral("grdDatosVerte02"), { 3600, 3120, 8055, 2895 }, 8, kFilasGrilla);
    for (int c = 0; c < 8; ++c) {
        superior->CentrarColumna(c);
        inferior->CentrarColumna(c);
    }
    superior->AnchoColumna(0, 800);
    inferior->AnchoColumna(0, 1045);
    for (int c = 1; c < 8; ++c) {
        superior->AnchoColumna(c, 950);
        if (c < 7)
            inferior->AnchoColumna(c, 950);
    }
    LimpiarGrillas();

    QLabel* mensaje = Etiqueta(this, QStringLiteral("lblMensaje"), {}, { 3720, 6000, 4935, 255 });
    QFont letra = mensaje->font();
    letra.setPointSizeF(9.75);
    letra.setBold(true);
    mensaje->setFont(letra);
    mensaje->setStyleSheet(QStringLiteral("QLabel { color: #0000ff; }"));

    BotonesConCopia(QStringLiteral("Frame3"), QStringLiteral("Frame4"),
        QStringLiteral("grdDatosVerte01"), QStringLiteral("grdDatosVerte02"));
    OrdenTabulacion({ "txty", "txtb", "txtZ", "txtn", "txtS", "txtU", "txtL", "txtNt", "bCalcular",
        "grdDatosVerte01", "grdDatosVerte02", "bCalculadora", "bMenuPrincipal", "bImprimir",
        "bLimpiar", "bResulParcialesS", "bResulParcialesI" });
}

// Warns while typing, without a beep, of more slices than the grids hold.
void frmVertederoLateral::txtNt_Change()
{
    if (Numero(QStringLiteral("txtNt")) > 50)
        AvisoSimple(kMensajeTramos, this);
}

// ---- "&Calcular": MarchaVertedero -------------------------------------------

void frmVertederoLateral::Calcular()
{
    const DatosVertederoLateral datos { Numero("txty"), Numero("txtb"), Numero("txtZ"),
        Numero("txtn"), Numero("txtS"), Numero("txtU"), Numero("txtL"), Numero("txtNt") };
    const ResultadoVertederoLateral r = MarchaVertedero(datos);
    if (InformarFallo(this, r.fallo, { { FalloCalculo::DemasiadosTramos, { kMensajeTramos } } }))
        return;

    auto* mensaje = ControlNombrado<QLabel>(this, QStringLiteral("lblMensaje"));
    mensaje->setText(
        r.distanciaAlcanzada ? TextoParadaVertedero(*r.distanciaAlcanzada) : QString());
    LimpiarGrillas();
    // Rows below an early stop stay blank: the march never reached them.
    TablaResultados* superior = Grilla(QStringLiteral("grdDatosVerte01"));
    TablaResultados* inferior = Grilla(QStringLiteral("grdDatosVerte02"));
    for (std::size_t k = 0; k < r.filas.size(); ++k) {
        const FilaTramo& fila = r.filas[k];
        for (int c = 0; c < 16; ++c) {
            const char* mascara = c == 15 ? "0.#0" : "0.###0";
            const QString texto = Mascara(fila[c], mascara);
            (c < 8 ? superior : inferior)->PonerTexto(int(k) + 1, c % 8, texto);
        }
    }
}

// ---- "&Limpiar Pantalla" ----------------------------------------------------

// The window's own clearing of the grids: every cell, then the headers again.
void frmVertederoLateral::LimpiarGrillas()
{
    TablaResultados* superior = Grilla(QStringLiteral("grdDatosVerte01"));
    TablaResultados* inferior = Grilla(QStringLiteral("grdDatosVerte02"));
    superior->LimpiarCeldas();
    inferior->LimpiarCeldas();
    for (int c = 0; c < 8; ++c) {
        superior->PonerTexto(0, c, QString::fromLatin1(kCabecerasSuperior[c]));
        inferior->PonerTexto(0, c, QString::fromLatin1(kCabecerasInferior[c]));
    }
}

void frmVertederoLateral::Limpiar()
{
    LimpiarGrillas();
    VentanaConCopia::Limpiar();
    ControlNombrado<QLabel>(this, QStringLiteral("lblMensaje"))->setText(QString());
}

} // namespace quelmora
