#include "measurement/frmCompuerta.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "frame/pagina_calculo.h"
#include "frame/plataforma.h"
#include "frame/texto_numero.h"
#include "measurement/cajas_medicion.h"
#include "measurement/core/compuertas.h"
#include "measurement/dibujos_medicion.h"

namespace quelmora {

namespace {

constexpr const char* kMensajeAnchoCompuerta
    = "Ingresar un valor adecuado para el ancho de la compuerta";
constexpr const char* kMensajeTiranteY1 = "Ingresar un valor adecuado para y1";
constexpr const char* kMensajeAbertura
    = "Ingresar un valor adecuado para la abertura de la compuerta";
constexpr const char* kMensajeAreaOrificio = "Ingresar un valor adecuado para el área del orificio";
constexpr const char* kMensajeCargaOrificio
    = "Ingresar un valor adecuado para la carga en el orificio";

// Page 0: the gate in free outflow.
class PaginaCompuerta : public PaginaCalculo {
public:
    PaginaCompuerta()
        : PaginaCalculo(QStringLiteral("C"))
    {
        Marco* datos = NuevoMarco(
            "Frame1", QStringLiteral("Datos de la compuerta:"), { 600, 480, 4335, 1815 });
        // Enter only moves the focus here: no box gets its text selected.
        Entradas(datos,
            Columna { .etiqueta = 240,
                .anchoEtiqueta = 2355,
                .caja = 2640,
                .anchoCaja = 1035,
                .unidad = 3840,
                .arriba = 360,
                .anchoUnidad = 450 },
            {
                // box, label, unit, status text, warning, Enter to
                { "txtb", "Ancho de la compuerta (b):", "m",
                    "Ingresar el valor del ancho de la compuerta", {}, "txty1" },
                { "txty1", "Tirante aguas arriba (y1):", "m",
                    "Ingresar el valor del tirante aguas arriba de la compuerta", {}, "txta" },
                { "txta", "Abertura de la compuerta (a):", "m",
                    "Ingresar el valor de la abertura de la compuerta", {}, "txtCc" },
                { "txtCc", "Coeficiente de contracción (Cc):", "",
                    "Ingresar el valor del coeficiente de contracción, para fines prácticos es "
                    "0.62",
                    {}, "bCalcularC", {}, {}, "0.62" },
            });
        Dibujo(this, "Picture1", DibujoCompuerta(), 6840, 480);
        Dibujo(this, "Picture2", DibujoEcuacionesCompuerta(), 600, 2520);
        Marco* resultados
            = NuevoMarco("Frame2", QStringLiteral("Resultados:"), { 6600, 3840, 4335, 1935 });
        Resultados(resultados,
            Columna { .etiqueta = 240,
                .anchoEtiqueta = 2235,
                .caja = 2520,
                .anchoCaja = 1035,
                .unidad = 3720,
                .arriba = 360,
                .anchoUnidad = 555 },
            {
                { "txtCv", "Coeficiente de velocidad (Cv):", "" },
                { "txtCd", "Coeficiente de descarga (Cd):", "" },
                { "txtQm", "Caudal (Q):", "m3/s" },
                { "txtQl", "", "l/seg" },
            });
        BotonesRol({ 600, 6000 }, { 9120, 6000 },
            NombresConSufijo("C", "bMenuPrincipal", "Frame3C", "Frame7C"));
        OrdenTabulacion({ "txtb", "txty1", "txta", "txtCc", "bCalcularC", "txtQm", "txtQl", "txtCd",
            "txtCv", "bLimpiarC", "bImprimirC", "bMenuPrincipalC", "bCalculadoraC" });
    }

    void Calcular() override
    {
        if (!VerificarCampoVacio("txtb", kMensajeAnchoCompuerta))
            return;
        if (!VerificarCampoVacio("txty1", kMensajeTiranteY1))
            return;
        if (!VerificarCampoVacio("txta", kMensajeAbertura))
            return;
        const ResultadoCompuerta r
            = CalcularCompuerta(Numero("txtb"), Numero("txty1"), Numero("txta"), Numero("txtCc"));
        if (InformarFallo(window(), r.fallo))
            return;
        Escribir("txtCd", r.coeficienteDescarga, "0.0###");
        Escribir("txtCv", r.coeficienteVelocidad, "0.0###");
        Escribir("txtQm", r.caudal, "0.0###");
        Escribir("txtQl", r.caudalLitros, "0.0###");
    }

    void Limpiar() override
    {
        SuperficieCalculo::Limpiar();
        EscribirTexto("txtCc", QStringLiteral("0.62"));
    }
};

// The coefficient list of the orifice: editable, its status text on focus only,
// Enter to the calculate button with nothing selected. A typed value is used as
// it reads and never joins the list.
class ListaCoeficiente : public QComboBox {
public:
    ListaCoeficiente(QWidget* padre, const QString& siguiente)
        : QComboBox(padre)
        , siguiente_(siguiente)
    {
        setObjectName(QStringLiteral("cboCd"));
        setEditable(true);
        setInsertPolicy(QComboBox::NoInsert);
        addItems({ QStringLiteral("0.60"), QStringLiteral("0.82"), QStringLiteral("0.97") });
        setCurrentIndex(0);
    }

protected:
    void focusInEvent(QFocusEvent* e) override
    {
        QComboBox::focusInEvent(e);
        if (FocoEscribeEstado(e->reason()))
            TextoEstado(this,
                QStringLiteral("Ingresar el coeficiente de descarga, dependiendo "
                               "del tipo del orificio"));
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
            if (auto* destino = ControlNombrado<QWidget>(window(), siguiente_))
                destino->setFocus(Qt::OtherFocusReason);
        // The key goes on to the box, as in the other boxes.
        QComboBox::keyPressEvent(e);
    }

private:
    QString siguiente_;
};

// Page 1: the orifice.
class PaginaOrificio : public PaginaCalculo {
public:
    PaginaOrificio()
        : PaginaCalculo(QStringLiteral("O"))
    {
        Marco* datos = NuevoMarco(
            "Frame4O", QStringLiteral("Datos del orificio:"), { 600, 720, 4095, 1935 });
        Etiqueta(datos, {}, QStringLiteral("Area del orificio (A):"), { 240, 480, 2235, 285 });
        EntradaSuelta(datos, "txtao", { 2520, 480, 1035, 285 },
            "Ingresar el valor del área del orificio", {}, "txtho");
        Etiqueta(datos, {}, QStringLiteral("m2"), { 3600, 480, 450, 285 });
        Etiqueta(
            datos, {}, QStringLiteral("Carga sobre el orificio (h):"), { 240, 960, 2235, 285 });
        EntradaSuelta(datos, "txtho", { 2520, 960, 1035, 285 },
            "Ingresar la carga sobre el orificio", {}, "cboCd");
        Etiqueta(datos, {}, QStringLiteral("m"), { 3600, 960, 450, 285 });
        Etiqueta(
            datos, {}, QStringLiteral("Coeficiente de descarga (Cd):"), { 240, 1440, 2235, 285 });
        cboCd = new ListaCoeficiente(datos, QStringLiteral("bCalcularO"));
        cboCd->setGeometry(EnPixeles({ 2520, 1320, 1035, 315 }));

        Dibujo(this, "Picture3", DibujoOrificios(), 5160, 600);
        Marco* resultado
            = NuevoMarco("Frame5", QStringLiteral("Resultado:"), { 600, 3000, 4215, 1215 });
        Etiqueta(resultado, {}, QStringLiteral("Caudal (Q):"), { 240, 360, 2235, 285 });
        ResultadoSuelto(resultado, "txtQmo", { 2520, 240, 1035, 285 }, Qt::AlignLeft);
        Etiqueta(resultado, {}, QStringLiteral("m3/s"), { 3600, 240, 555, 285 });
        ResultadoSuelto(resultado, "txtQlo", { 2520, 720, 1035, 285 }, Qt::AlignLeft);
        Etiqueta(resultado, {}, QStringLiteral("l/seg"), { 3600, 720, 555, 285 });
        BotonesRol({ 600, 6000 }, { 9120, 6000 },
            NombresConSufijo("O", "bMenuPrincipal", "Frame3", "Frame4"));
        OrdenTabulacion({ "txtao", "txtho", "cboCd", "bCalcularO", "txtQmo", "txtQlo", "bLimpiarO",
            "bImprimirO", "bMenuPrincipalO", "bCalculadoraO" });
    }

    void Calcular() override
    {
        if (!VerificarCampoVacio("txtao", kMensajeAreaOrificio))
            return;
        if (!VerificarCampoVacio("txtho", kMensajeCargaOrificio))
            return;
        // Whatever the box shows, picked from the list or typed.
        const double cd = NumeroDeTexto(cboCd->currentText());
        const ResultadoOrificio r = CalcularOrificio(Numero("txtao"), Numero("txtho"), cd);
        if (InformarFallo(window(), r.fallo))
            return;
        Escribir("txtQmo", r.caudal, "0.0##");
        Escribir("txtQlo", r.caudalLitros, "0.0##");
    }

    void Limpiar() override
    {
        cboCd->setEditText(QStringLiteral("0.60"));
        SuperficieCalculo::Limpiar();
    }

private:
    QComboBox* cboCd = nullptr;
};

} // namespace

constinit const DescripcionVentana frmCompuerta::kDescripcion {
    .clase = "frmCompuerta",
    .fabrica = Fabricar<frmCompuerta>,
    .entrada = { "mnuMedicion", "mnumedcompuerta", "Compuertas y Orificios" },
    .titulo = "Cálculos en compuertas y orificios",
    .datos = {
        { "ordinario",
            { { "txtb", "2" }, { "txty1", "1.5" }, { "txta", "0.3" }, { "txtao", "0.05" },
                { "txtho", "2" } } },
    },
    .mensajes = { kMensajeAnchoCompuerta, kMensajeTiranteY1, kMensajeAbertura,
        kMensajeAreaOrificio, kMensajeCargaOrificio },
};

frmCompuerta::frmCompuerta()
    : VentanaCalculo(kDescripcion.titulo)
{
    NuevasPestanas({ 120, 120, 11565, 7455 });
    AgregarPagina(new PaginaCompuerta, QStringLiteral("Compuerta"));
    AgregarPagina(new PaginaOrificio, QStringLiteral("Orificio"));
    CajasDeMedicion(this);
}

} // namespace quelmora
