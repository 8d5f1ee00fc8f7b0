#include "measurement/canal_natural.h"

#include <QChart>
#include <QEvent>
#include <QTableWidget>

#include "frame/grafico_lineas.h"
#include "frame/texto_numero.h"
#include "frame/tipo_flujo.h"
#include "measurement/cajas_medicion.h"
#include "measurement/dibujos_medicion.h"
#include "measurement/grilla_tramos.h"

namespace quelmora {

namespace {

const char* const kMascara = "0.0###";

// Colour 11 of the 16-colour palette, light cyan: the graph's background.
const QColor kFondoGrafico(0, 255, 255);

QLabel* Nota(QWidget* padre, const QString& nombre, const QString& texto, const Twips& lugar,
    const QColor& color, bool negrita)
{
    QLabel* etiqueta = Etiqueta(padre, nombre, texto, lugar);
    QFont letra = etiqueta->font();
    letra.setPointSizeF(9.75);
    letra.setBold(negrita);
    etiqueta->setFont(letra);
    QPalette colores = etiqueta->palette();
    colores.setColor(QPalette::WindowText, color);
    etiqueta->setPalette(colores);
    return etiqueta;
}

// Lets the box take the focus as it always does, then selects its text.
class SeleccionAlEntrar : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() != QEvent::FocusIn)
            return false;
        objeto->removeEventFilter(this);
        objeto->event(evento);
        objeto->installEventFilter(this);
        SeleccionarTexto(static_cast<QLineEdit*>(objeto));
        return true;
    }
};

} // namespace

VentanaCanalNatural::VentanaCanalNatural(const QString& titulo, bool rugosidadCompuesta)
    : VentanaCalculo(titulo)
    , compuesta_(rugosidadCompuesta)
{
}

void VentanaCanalNatural::Encabezados()
{
    Nota(this, "lbl1", QStringLiteral("Ingreso de datos:"), { 360, 240, 1815, 255 },
        QColor(0, 0, 255), false);
    Nota(this, "Label2", QStringLiteral("Nota:"), { 360, 480, 615, 255 }, QColor(255, 0, 0), true);
    Nota(this, "Label1", QStringLiteral("Una vez que digite el dato, presionar ENTER"),
        { 1080, 480, 4215, 255 }, QColor(255, 0, 0), false);
}

CampoDato* VentanaCanalNatural::Dato(QWidget* marco, const QString& nombre, const QString& etiqueta,
    const QString& unidad, int arriba, int izquierdaUnidad, const QString& estado,
    const QString& siguiente, const QString& texto)
{
    Etiqueta(marco, {}, etiqueta, { 360, arriba, 2235, 285 });
    CampoDato* caja
        = EntradaSuelta(marco, nombre, { 2640, arriba, 1035, 285 }, estado, {}, siguiente);
    caja->setText(texto);
    if (!unidad.isEmpty())
        Etiqueta(marco, {}, unidad, { izquierdaUnidad, arriba, 600, 285 });
    return caja;
}

void VentanaCanalNatural::SeleccionarAlRecibirFoco(QLineEdit* caja)
{
    caja->installEventFilter(new SeleccionAlEntrar(caja));
}

void VentanaCanalNatural::ArmarGrilla(QWidget* datos, const Disposicion& d)
{
    grilla_
        = new GrillaTramos(datos, compuesta_ ? 3 : 2, d.anchoColumna, d.grilla.x(), d.grilla.y());
    connect(grilla_, &GrillaTramos::textoEstado, this,
        [this](const QString& texto) { EscribirEstado(texto); });
}

void VentanaCanalNatural::ArmarComun(const Disposicion& d, const Resultado& cuarto)
{
    const int x = d.izquierdaDerecha;
    QLabel* esquema = Etiqueta(
        this, "Label11", QStringLiteral("Esquema de ingreso de datos:"), { x, 120, 2415, 255 });
    QPalette colores = esquema->palette();
    colores.setColor(QPalette::WindowText, colores.color(QPalette::Highlight));
    esquema->setPalette(colores);
    Dibujo(this, "Picture1", DibujoEsquemaCanalNatural(compuesta_), x, 360);

    Graph1 = new GraficoLineas(this, QStringLiteral("Graph1"), { x, 2160, 5775, 2415 }, {},
        QStringLiteral("Sección transversal del cauce"), {});
    Graph1->chart()->setBackgroundBrush(kFondoGrafico);
    Graph1->setFrameStyle(QFrame::NoFrame);
    // The graph has no mouse handling: passing over it restores no button.
    Graph1->setAttribute(Qt::WA_NoMousePropagation);

    Marco* resultados = NuevoMarco("frmResultados", QStringLiteral("Resultados:"),
        { d.izquierdaResultados, 4680, 6375, 1695 });
    Resultados(resultados,
        Columna { .etiqueta = 120,
            .anchoEtiqueta = 1680,
            .caja = 1800,
            .anchoCaja = 900,
            .unidad = 2760,
            .anchoUnidad = 480 },
        {
            { "txtQ", "Caudal total (Q):", "m3/s" },
            { "txta", "Área hidráulica (A):", "m2" },
            { "txtp", "Perímetro mojado (p):", "m" },
            cuarto,
        });
    Resultados(resultados,
        Columna { .etiqueta = 3240,
            .anchoEtiqueta = 1680,
            .caja = 4920,
            .anchoCaja = 900,
            .unidad = 5880,
            .anchoUnidad = 480 },
        {
            { "txtV", "Velocidad (v)", "m/s" },
            { "txtEspejo", "Espejo de agua (T):", "m" },
            { "txtFroude", "Numero de Froude (F):", "" },
            { "txtTipoFlujo", "Tipo de flujo:", "", 1365, {}, {}, Qt::AlignCenter },
        });

    BotonesRol({ 720, 6360 }, { 9240, 6360 },
        NombresRol { .marcoBotones = QStringLiteral("Frame5"),
            .marcoCalculadora = QStringLiteral("Frame4") });
    CajasDeMedicion(this);
    // As the window loads: the bank depth's "0" selected, the focus left alone.
    SeleccionarTexto(Caja("txtho"));
}

void VentanaCanalNatural::GraficarSeccion(const std::vector<PuntoSeccion>& contorno)
{
    QList<QPointF> puntos;
    for (const auto& punto : contorno)
        puntos << QPointF(punto.x, punto.y);
    Graph1->chart()->setBackgroundBrush(kFondoGrafico);
    Graph1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Graph1->Dibujar(puntos);
}

void VentanaCanalNatural::LimpiarGrafico()
{
    Graph1->chart()->setBackgroundBrush(kFondoGrafico);
    Graph1->setFrameStyle(QFrame::NoFrame);
    Graph1->Dibujar({});
    Graph1->hide();
}

void VentanaCanalNatural::IniciarResto()
{
    if (compuesta_) {
        for (const char* caja : { "txtQ", "txtS", "txtNponderado", "txtV", "txta", "txtp" })
            EscribirTexto(caja, {});
        for (const char* caja : { "txtho", "txtvo", "txtnf" })
            EscribirTexto(caja, QStringLiteral("0"));
    } else {
        for (const char* caja : { "txtQ", "txtS", "txtn", "txtV", "txta", "txtp", "txtR" })
            EscribirTexto(caja, {});
        EscribirTexto("txtho", QStringLiteral("0"));
    }
    for (const char* caja : { "txtEspejo", "txtFroude", "txtTipoFlujo" })
        EscribirTexto(caja, {});
    DarFoco(Caja("txtS"));
}

void VentanaCanalNatural::Limpiar()
{
    grilla_->IniciarGrid();
    IniciarResto();
    LimpiarGrafico();
}

void VentanaCanalNatural::Calcular()
{
    grilla_->ConfirmarEdicion();
    CapturarErrorCalculo({ kTextoValoresInadecuados }, [this] {
        DatosSeccionNatural datos;
        datos.rugosidadCompuesta = compuesta_;
        // A value still open in the cell editor is stored in its cell first,
        // however the button was pressed: a click takes the focus from the
        // editor, its access key does not. What stands in the entry row is no
        // segment.
        for (const QStringList& celdas : grilla_->tramos())
            datos.tramos.push_back({ NumeroDeTexto(celdas.value(0)), NumeroDeTexto(celdas.value(1)),
                compuesta_ ? NumeroDeTexto(celdas.value(2)) : 0.0 });
        datos.pendiente = Numero("txtS");
        datos.profundidadMargen = Numero("txtho");
        if (compuesta_) {
            datos.rugosidadMargen = Numero("txtvo");
            datos.rugosidadMargenFinal = Numero("txtnf");
        } else {
            datos.rugosidad = Numero("txtn");
        }
        const ResultadoSeccionNatural r = CalcularSeccionNatural(datos);

        // The boxes reached before a failure keep what they were given.
        using Paso = PasoSeccionNatural;
        if (r.llego(Paso::Seccion)) {
            Escribir("txta", r.area, kMascara);
            Escribir("txtp", r.perimetro, kMascara);
            Escribir("txtEspejo", r.espejo, kMascara);
        }
        if (!compuesta_ && r.llego(Paso::Radio))
            Escribir("txtR", r.radio, kMascara);
        if (r.llego(Paso::Grafico))
            GraficarSeccion(r.contorno);
        if (r.llego(Paso::Caudal))
            Escribir("txtQ", r.caudal, kMascara);
        if (r.llego(Paso::Velocidad))
            Escribir("txtV", r.velocidad, kMascara);
        if (r.llego(Paso::Froude))
            Escribir("txtFroude", r.froude, kMascara);
        if (compuesta_ && r.llego(Paso::RugosidadPonderada))
            Escribir("txtNponderado", r.rugosidadPonderada, kMascara);
        if (r.completo())
            EscribirTexto("txtTipoFlujo", TextoTipoFlujo(r.tipoFlujo));
        return r.completo();
    });
}

} // namespace quelmora
