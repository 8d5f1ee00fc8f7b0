#include "section_tools/frmRelayd.h"

#include "frame/plataforma.h"
#include "frame/tipo_flujo.h"
#include "section_tools/core/herramientas_seccion.h"

namespace quelmora {

namespace {

constexpr const char* kMensajeRelacionNegativa
    = "Ingresar para la relación y/d, un valor mayor que cero";
constexpr const char* kMensajeRelacionMayor = "Ingresar para la relación y/d, un valor menor que 1";

} // namespace

constinit const DescripcionVentana frmRelayd::kDescripcion {
    .clase = "frmRelayd",
    .fabrica = Fabricar<frmRelayd>,
    .entrada = { "otros", "otrorelacion", "Sección Circular &relación y/d" },
    .titulo = "Diseño para una relación tirante - diámetro y/d, conocido",
    .datos = {
        { "ordinario",
            { { "txtq", "0.5" }, { "txtyd", "0.5" }, { "txtn", "0.013" }, { "txts", "0.001" } } },
    },
    .mensajes = { kTextoAntesDeEjecutar, kMensajeRelacionNegativa,
        kMensajeRelacionMayor },
};

frmRelayd::frmRelayd()
    : VentanaCalculo(kDescripcion.titulo)
{
    Marco* proyecto = NuevoMarco("Frame1", "", { 720, 120, 10335, 975 });
    DatosProyecto(proyecto,
        {
            { "txtlu", CampoDeProyecto::Lugar, { 1440, 240, 2535, 285 }, { 240, 240, 1095, 285 } },
            { "txtpro", CampoDeProyecto::Proyecto, { 7080, 240, 2535, 285 },
                { 5640, 240, 1335, 285 } },
            { "txttra", CampoDeProyecto::Tramo, { 1440, 600, 2535, 285 }, { 240, 600, 1095, 285 } },
            { "txtre", CampoDeProyecto::Revestimiento, { 7080, 600, 2535, 285 },
                { 5640, 600, 1335, 285 } },
        });

    Marco* datos = NuevoMarco("Frame2", "Datos:", { 720, 1440, 3855, 1935 });
    Entradas(datos,
        Columna { .etiqueta = 240,
            .anchoEtiqueta = 1395,
            .caja = 1680,
            .anchoCaja = 1035,
            .unidad = 3000,
            .arriba = 360,
            .anchoUnidad = 735 },
        {
            { "txtq", "Caudal (Q) :", "m3/s", "Ingresar el valor del caudal Q",
                "Ingresar para Q, un valor mayor que cero", "txtyd" },
            // The ratio has a range rule of its own (AdvertirRelacion).
            { "txtyd", "Relación (y/d) :", "", "Ingresar el valor de la relación y/d", "", "txtn" },
            { "txtn", "Rugosidad (n) :", "",
                "Ingresar el valor del coeficiente de rugosidad de acuerdo al material del "
                "canal",
                "Ingresar para n, un valor mayor que cero", "txts" },
            { "txts", "Pendiente (S) :", "m/m", "Ingresar el valor de la pendiente S",
                "Ingresar para S, un valor mayor que cero", "bCalcular" },
        });
    connect(Campo("txtyd"), &CampoDato::cambio, this, &frmRelayd::AdvertirRelacion);

    Dibujo(this, "Picture1", DibujoSeccion(FiguraSeccion::Circulo), 7080, 1440);

    Marco* resultados = NuevoMarco("Frame3", "Resultados:", { 720, 3720, 10335, 2055 });
    Resultados(resultados, Columna { .etiqueta = 360, .caja = 2280, .unidad = 3720 },
        {
            { "txtd", "Diámetro (d) :", "m" },
            { "txty", "Tirante (y):", "m" },
            { "txta", "Area hidráulica (A) :", "m2" },
            { "txtt", "Espejo de agua (T) :", "m" },
            { "txtf", "Número de Froude (F) :", "" },
        });
    Resultados(resultados,
        Columna { .etiqueta = 5640,
            .anchoEtiqueta = 2040,
            .caja = 7920,
            .unidad = 9240,
            .anchoUnidad = 1000 },
        {
            { "txtp", "Perímetro mojado (p) :", "m" },
            { "txtr", "Radio hidráulico (R) :", "m" },
            { "txtv", "Velocidad (v) :", "m/s" },
            { "txte", "Energía específica (E) :", "m-Kg/Kg" },
            { "txttf", "Tipo de flujo :", "", 1335, {}, {}, Qt::AlignCenter },
        });

    BotonesRol({ 720, 6360 }, { 9240, 6360 }, { .marcoBotones = "Frame5" });
    OrdenTabulacion(
        { "txtq", "txtyd", "txtn", "txts", "bCalcular", "txtlu", "txtpro", "txttra", "txtre" });
}

// The two warnings of the ratio are independent of each other.
void frmRelayd::AdvertirRelacion()
{
    const double relacion = Numero("txtyd");
    if (relacion < 0) {
        Beep();
        AvisoSimple(kMensajeRelacionNegativa, this);
    }
    if (relacion >= 1) {
        Beep();
        AvisoSimple(kMensajeRelacionMayor, this);
    }
}

void frmRelayd::Calcular()
{
    const double Q = Numero("txtq"), n = Numero("txtn"), S = Numero("txts"),
                 relacion = Numero("txtyd");
    if (!VerificarDatosCompletos({ Q, n, S, relacion }, kTextoAntesDeEjecutar)) {
        DarFoco(Campo("txtq"));
        return;
    }
    const ResultadoHerramienta r = CalcularRelacionTiranteDiametro(Q, relacion, n, S);
    if (InformarFallo(this, r.fallo))
        return;
    EscribirTexto("txttf", TextoTipoFlujo(r.tipoFlujo));
    Escribir("txtd", r.diametro, "##0.0000");
    Escribir("txty", r.tirante, "##0.0000");
    Escribir("txta", r.area, "##0.0000");
    Escribir("txtt", r.espejo, "##0.0000");
    Escribir("txtp", r.perimetro, "##0.0000");
    Escribir("txtr", r.radio, "##0.0000");
    Escribir("txtv", r.velocidad, "##0.0000");
    Escribir("txte", r.energia, "##0.0000");
    Escribir("txtf", r.froude, "##0.0000");
}

} // namespace quelmora
