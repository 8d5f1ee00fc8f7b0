#include "measurement/frmVertederos.h"

#include <QLabel>
#include <QRadioButton>

#include "frame/pagina_calculo.h"
#include "frame/plataforma.h"
#include "frame/texto_numero.h"
#include "measurement/cajas_medicion.h"
#include "measurement/core/vertederos.h"
#include "measurement/dibujos_medicion.h"
#include "measurement/opciones_vertedero.h"

namespace quelmora {

namespace {

// The pages word the same checks a little differently, and each keeps its own
// wording: hence two texts for the crest length and two for the coefficient.
constexpr const char* kMensajeLongitudCresta
    = "Ingresar un valor adecuado para la longitud de la cresta del vertedero";
constexpr const char* kMensajeLongitudCrestaTrapezoidal
    = "Ingresar un valor adecuado para la longitud de cresta del vertedero";
constexpr const char* kMensajeCarga = "Ingresar un valor adecuado para la carga sobre el vertedero";
constexpr const char* kMensajeValorCoeficiente
    = "Ingresar un valor adecuado para el valor del coeficiente de descarga";
constexpr const char* kMensajeCoeficiente
    = "Ingresar un valor adecuado para el coeficiente de descarga";
constexpr const char* kMensajeCargaMayor
    = "Ingresar un valor mayor para la carga sobre el vertedero";

// What the three weir pages share: option buttons and the discharge shown twice.
class PaginaVertedero : public PaginaCalculo {
protected:
    using PaginaCalculo::PaginaCalculo;

    template <class Cual> QRadioButton* NuevaOpcion(QWidget* marco, Cual cual, const Twips& lugar)
    {
        auto* opcion = new QRadioButton(TituloOpcion(cual), marco);
        opcion->setObjectName(QLatin1String(Opcion(cual).nombre));
        opcion->setGeometry(EnPixeles(lugar));
        return opcion;
    }

    // "Caudal (Q):" before two boxes, m3/s above l/s.
    void Caudal(QWidget* marco, const char* metros, const char* litros, int izquierda, int segunda,
        Qt::Alignment alineacion)
    {
        Etiqueta(marco, {}, QStringLiteral("Caudal (Q):"), { 240, 360, izquierda - 255, 285 });
        ResultadoSuelto(marco, metros, { izquierda, 360, 1035, 285 }, alineacion);
        Etiqueta(marco, {}, QStringLiteral("m3/s"), { izquierda + 1095, 360, 555, 285 });
        ResultadoSuelto(marco, litros, { izquierda, segunda, 1035, 285 }, alineacion);
        Etiqueta(marco, {}, QStringLiteral("l/seg"), { izquierda + 1095, segunda, 555, 285 });
    }

    // Writes both discharges, or tells why there are none.
    void EscribirCaudal(
        const ResultadoVertedero& r, const char* metros, const char* litros, const char* mascara)
    {
        if (InformarFallo(window(), r.fallo))
            return;
        Escribir(metros, r.caudal, mascara);
        Escribir(litros, r.caudalLitros, mascara);
    }
};

// Page 0: the rectangular weir and its crest types.
class PaginaRectangular : public PaginaVertedero {
public:
    PaginaRectangular()
        : PaginaVertedero(QStringLiteral("C"))
    {
        Marco* datos = NuevoMarco(
            "Frame1", QStringLiteral("Datos del vertedero:"), { 600, 480, 4335, 1815 });
        Entradas(datos,
            Columna { .etiqueta = 240,
                .anchoEtiqueta = 2355,
                .caja = 2640,
                .anchoCaja = 1035,
                .unidad = 3780,
                .arriba = 360,
                .anchoUnidad = 450 },
            {
                // box, label, unit, status text, warning, Enter to, -, -, default,
                // whether the Enter target gets its text selected
                { "txtL", "Longitud de cresta (L):", "m",
                    "Ingresar la longitud de cresta del vertedero", {}, "txth" },
                { "txth", "Carga sobre el vertedero (h):", "m",
                    "Ingresar la carga sobre el vertedero", {}, "txtn", {}, {}, {}, true },
                { "txtn", "Número de contracciones (n):", "", "Ingresar el número de contracciones",
                    {}, "txtCd", {}, {}, "0", true },
                { "txtCd", "Coeficiente de descarga (Cd):", "",
                    "Ingresar el valor del coeficiente de descarga", {}, "bCalcularC", {}, {},
                    "1.84" },
            });
        Marco* tipo = NuevoMarco("Frame6", QStringLiteral("Tipo:"), { 5160, 480, 1575, 1335 });
        int arriba = 240;
        for (const TipoCresta& cresta : kTiposCresta) {
            QRadioButton* opcion = NuevaOpcion(tipo, cresta.cresta, { 120, arriba, 1395, 255 });
            // Also when the selected option is clicked again.
            connect(opcion, &QRadioButton::clicked, this, [this, opcion, cresta] {
                if (!opcion->isChecked())
                    return;
                EscribirTexto("txtCd", NumeroExacto(cresta.coeficiente));
                picTipoVertedero->setPixmap(DibujoCresta(cresta.imagen));
            });
            arriba += 360;
        }
        OptAguda = ControlNombrado<QRadioButton>(this, QStringLiteral("OptAguda"));
        OptAguda->setChecked(true);
        picTipoVertedero = Dibujo(this, "picTipoVertedero", DibujoCresta(1), 7080, 600);
        Dibujo(this, "Picture2", DibujoVertederoRectangular(), 600, 2520);
        Marco* resultados
            = NuevoMarco("Frame2", QStringLiteral("Resultados:"), { 7320, 3840, 2895, 1215 });
        Caudal(resultados, "txtQm", "txtQl", 1080, 720, Qt::AlignRight);
        BotonesRol({ 600, 6000 }, { 9120, 6000 },
            NombresConSufijo("C", "bMenuPrincipal", "Frame3C", "Frame7C"));
        OrdenTabulacion(
            { "txtL", "txth", "txtn", "txtCd", "OptAguda", "OptCreager", "OptAncha", "bCalcularC",
                "txtQm", "txtQl", "bLimpiarC", "bImprimirC", "bMenuPrincipalC", "bCalculadoraC" });
    }

    void Calcular() override
    {
        if (!VerificarCampoVacio("txtL", kMensajeLongitudCresta))
            return;
        if (!VerificarCampoVacio("txth", kMensajeCarga))
            return;
        if (!VerificarCampoVacio("txtCd", kMensajeValorCoeficiente))
            return;
        EscribirCaudal(CalcularVertederoRectangular(
                           Numero("txtL"), Numero("txth"), Numero("txtn"), Numero("txtCd")),
            "txtQm", "txtQl", "0.0###");
    }

    void Limpiar() override
    {
        SuperficieCalculo::Limpiar();
        EscribirTexto("txtn", QStringLiteral("0"));
        EscribirTexto("txtCd", QStringLiteral("1.84"));
        OptAguda->setChecked(true);
        picTipoVertedero->setPixmap(DibujoCresta(1));
    }

private:
    QRadioButton* OptAguda = nullptr;
    QLabel* picTipoVertedero = nullptr;
};

// Page 1: the V-notch weir and its angles.
class PaginaTriangular : public PaginaVertedero {
public:
    PaginaTriangular()
        : PaginaVertedero(QStringLiteral("O"))
    {
        Marco* datos = NuevoMarco(
            "Frame4O", QStringLiteral("Datos del orificio:"), { 600, 720, 4095, 1575 });
        Entradas(datos,
            Columna { .etiqueta = 240,
                .anchoEtiqueta = 2235,
                .caja = 2520,
                .anchoCaja = 1035,
                .unidad = 3660,
                .arriba = 480,
                .paso = 480,
                .anchoUnidad = 400 },
            {
                { "txthtri", "Carga sobre el vertedero (h):", "m",
                    "Ingresar la carga sobre el vertedero", {}, "txtCdtri", {}, {}, {}, true },
                { "txtCdtri", "Coeficiente de descarga (Cd):", "",
                    "Ingresar el valor del coeficiente de descarga", {}, "bCalcularO", {}, {},
                    "1.4" },
            });
        Marco* angulo = NuevoMarco("Frame7O", QStringLiteral("Ángulo"), { 4920, 720, 1095, 2535 });
        int arriba = 360;
        for (const AnguloEscotadura& a : kCargaMinimaTriangular) {
            QRadioButton* opcion = NuevaOpcion(angulo, a.escotadura, { 120, arriba, 855, 255 });
            connect(opcion, &QRadioButton::clicked, this, [this, opcion, a] {
                if (opcion->isChecked())
                    EscribirTexto("txtCdtri", NumeroExacto(a.coeficiente));
            });
            arriba += 360;
        }
        opta90 = ControlNombrado<QRadioButton>(this, QStringLiteral("opta90"));
        opta90->setChecked(true);
        Dibujo(this, "Picture3", DibujoVertederoTriangular(), 6120, 720);
        Dibujo(this, "Picture1", DibujoTablaTriangular(), 600, 3720);
        Marco* resultados
            = NuevoMarco("Frame5O", QStringLiteral("Resultados:"), { 7800, 4200, 3015, 1215 });
        Caudal(resultados, "txtQmo", "txtQlo", 1320, 840, Qt::AlignLeft);
        BotonesRol({ 600, 6000 }, { 9120, 6000 },
            NombresConSufijo("O", "bMenuPrincipal", "Frame3", "Frame4"));
        OrdenTabulacion({ "txthtri", "txtCdtri", "opta15", "opta30", "opta45", "opta60", "opta90",
            "opta120", "bCalcularO", "txtQmo", "txtQlo", "bLimpiarO", "bImprimirO",
            "bMenuPrincipalO", "bCalculadoraO" });
    }

    void Calcular() override
    {
        if (!VerificarCampoVacio("txthtri", kMensajeCarga))
            return;
        if (!VerificarCampoVacio("txtCdtri", kMensajeCoeficiente))
            return;
        const ResultadoVertedero r
            = CalcularVertederoTriangular(Numero("txthtri"), Numero("txtCdtri"));
        if (InformarFallo(window(), r.fallo,
                { { FalloCalculo::CargaMenorQueMinima,
                    { kMensajeCargaMayor, kTituloErrorIngreso } } })) {
            if (r.fallo == FalloCalculo::CargaMenorQueMinima)
                DarFoco(Caja("txthtri"));
            return;
        }
        EscribirCaudal(r, "txtQmo", "txtQlo", "0.0##");
    }

    void Limpiar() override
    {
        SuperficieCalculo::Limpiar();
        EscribirTexto("txtCdtri", QStringLiteral("1.4"));
        opta90->setChecked(true);
    }

private:
    QRadioButton* opta90 = nullptr;
};

// Page 2: the trapezoidal (Cipolletti) weir, with no coefficient of its own.
class PaginaTrapezoidal : public PaginaVertedero {
public:
    PaginaTrapezoidal()
        : PaginaVertedero(QStringLiteral("T"))
    {
        Marco* datos = NuevoMarco("Frame5", QStringLiteral("Datos:"), { 600, 720, 4455, 1455 });
        Entradas(datos,
            Columna { .etiqueta = 240,
                .anchoEtiqueta = 2355,
                .caja = 2640,
                .anchoCaja = 1035,
                .unidad = 3780,
                .arriba = 480,
                .anchoUnidad = 450 },
            {
                { "txtLt", "Longitud de cresta (L):", "m",
                    "Ingresar la longitud de cresta del vertedero", {}, "txtHt" },
                { "txtHt", "Carga sobre el vertedero (h):", "m",
                    "Ingresar la carga sobre el vertedero", {}, "bCalcularT" },
            });
        Dibujo(this, "picTrapezoidal", DibujoVertederoTrapezoidal(), 6240, 720);
        Dibujo(this, "Picture4", DibujoEcuacionTrapezoidal(), 600, 2400);
        Marco* resultados
            = NuevoMarco("Frame7", QStringLiteral("Resultados:"), { 6960, 4200, 3015, 1215 });
        Caudal(resultados, "txtQmt", "txtQlt", 1320, 840, Qt::AlignLeft);
        BotonesRol({ 600, 6000 }, { 9120, 6000 },
            NombresConSufijo("T", "bMenuPrincipal", "Frame5T", "Frame7T"));
        OrdenTabulacion({ "txtLt", "txtHt", "bCalcularT", "txtQmt", "txtQlt", "bLimpiarT",
            "bImprimirT", "bMenuPrincipalT", "bCalculadoraT" });
    }

    void Calcular() override
    {
        if (!VerificarCampoVacio("txtLt", kMensajeLongitudCrestaTrapezoidal))
            return;
        if (!VerificarCampoVacio("txtHt", kMensajeCarga))
            return;
        EscribirCaudal(CalcularVertederoTrapezoidal(Numero("txtLt"), Numero("txtHt")), "txtQmt",
            "txtQlt", "0.0##");
    }
};

} // namespace

constinit const DescripcionVentana frmVertederos::kDescripcion {
    .clase = "frmVertederos",
    .fabrica = Fabricar<frmVertederos>,
    .entrada = { "mnuMedicion", "mnumedvertederos", "Vertederos" },
    .titulo = "Cálculos en vertederos",
    .datos = {
        { "ordinario",
            { { "txtL", "2" }, { "txth", "0.3" }, { "txtn", "2" }, { "txtLt", "1" },
                { "txtHt", "0.2" }, { "txthtri", "0.3" } } },
    },
    .mensajes = { kMensajeLongitudCresta, kMensajeCarga, kMensajeValorCoeficiente,
        kMensajeCoeficiente, kMensajeCargaMayor, kMensajeLongitudCrestaTrapezoidal },
};

frmVertederos::frmVertederos()
    : VentanaCalculo(kDescripcion.titulo)
{
    NuevasPestanas({ 120, 120, 11565, 7455 });
    AgregarPagina(new PaginaRectangular, QStringLiteral("Vetedero rectangular"));
    AgregarPagina(new PaginaTriangular, QStringLiteral("Vertedero triangular"));
    AgregarPagina(new PaginaTrapezoidal, QStringLiteral("Vertedero trapezoidal"));
    CajasDeMedicion(this);
}

} // namespace quelmora
