#include "section_tools/frmVariosTrape.h"

#include "frame/plataforma.h"
#include "frame/tipo_flujo.h"
#include "section_tools/core/herramientas_seccion.h"

namespace quelmora {

namespace {

constexpr const char* kMensajeAnchoTaludComa
    = "Los valores de b y Z, no pueden ser simultáneamente iguales a cero";

// One input of the pages: quantity letter, label, unit, status text, warning.
struct DatoTrapecio {
    const char* letra;
    const char* etiqueta;
    const char* unidad;
    const char* estado;
    const char* aviso;
};

const DatoTrapecio kDatos[] = {
    { "q", "Caudal (Q):", "m3/s", "Ingresar el valor del caudal Q",
        "Ingresar para Q, un valor mayor que cero" },
    { "y", "Tirante (y):", "m", "Ingresar el valor del tirante y",
        "Ingresar para y, un valor mayor que cero" },
    { "b", "Ancho de solera (b):", "m", "Ingresar el valor del ancho de fondo del canal",
        "Ingresar para b, un valor mayor que cero" },
    { "z", "Talud (Z):", "",
        "Ingresar el valor del talud, para taludes diferentes ingresar su promedio",
        "Ingresar para z, un valor mayor que cero" },
    { "n", "Rugosidad (n):", "",
        "Ingresar el valor del coeficiente de rugosidad de acuerdo al material del canal",
        "Ingresar para n, un valor mayor que cero" },
    { "s", "Pendiente (S):", "m/m", "Ingresar el valor de la pendiente del canal",
        "Ingresar para s, un valor mayor que cero" },
};

const DatoTrapecio& Dato(char letra)
{
    for (const DatoTrapecio& d : kDatos)
        if (d.letra[0] == letra)
            return d;
    return kDatos[0];
}

// A page: its suffix is also the quantity it seeks (b, s or n).
class PaginaVariosTrape : public PaginaCalculo {
public:
    PaginaVariosTrape(
        const QString& sufijo, const char* orden, int anchoDatos, const QString& marcoCalculadora)
        : PaginaCalculo(sufijo)
    {
        const QString& x = sufijo;
        // Inputs in the order of the Enter chain; the last leads to "&Calcular".
        QList<Entrada> filas;
        const int cantidad = static_cast<int>(qstrlen(orden));
        for (int i = 0; i < cantidad; ++i) {
            const DatoTrapecio& d = Dato(orden[i]);
            const QString siguiente
                = i + 1 < cantidad ? "txt" + QString(QChar(orden[i + 1])) + x : "bCalcular" + x;
            filas.append({ "txt" + QString(d.letra) + x, d.etiqueta, d.unidad, d.estado, d.aviso,
                siguiente, "lbl" + QString(d.letra) + x, "lblu" + QString(d.letra) + x });
        }
        Marco* datos = NuevoMarco("fraDatos" + x, "Datos:", { 480, 600, anchoDatos, 2055 });
        // The width page's frame is the narrowest and has no bottom-width row,
        // the longest caption: its boxes sit further left, so that "m3/s"
        // ends before the frame's border.
        const bool estrecho = x == "b";
        Entradas(datos,
            Columna { .anchoEtiqueta = estrecho ? 1455 : 1695,
                .caja = estrecho ? 1800 : 1920,
                .unidad = estrecho ? 3000 : 3120,
                .anchoUnidad = estrecho ? 435 : 600 },
            filas);

        Marco* resultados = NuevoMarco("fraResul" + x, "Resultados:", { 480, 3000, 10215, 2055 });
        const Resultado buscado[] = {
            { "txtbb", "Ancho de solera (b):", "m", 0, "lblbb", "lblubb" },
            { "txtss", "Pendiente (S):", "m/m", 0, "lblss", "lbluss" },
            { "txtnn", "Rugosidad (n):", "", 0, "lblnn", "lblunn" },
        };
        const int cual = x == "b" ? 0 : x == "s" ? 1 : 2;
        const Columna izquierda { .etiqueta = 360, .caja = 2280, .unidad = 3720 };
        const Columna derecha {
            .etiqueta = 5880, .caja = 7920, .unidad = 9240, .anchoUnidad = 900
        };
        Resultados(resultados, izquierda, { buscado[cual] });
        Resultados(resultados, ConArriba(izquierda, 600),
            {
                { "txta" + x, "Area hidráulica (A):", "m2", 0, "lbla" + x, "lblua" + x },
                { "txtt" + x, "Espejo de agua (T):", "m", 0, "lblt" + x, "lblut" + x },
                { "txtf" + x, "Número de Froude (F):", "", 0, "lblf" + x },
                { "txttf" + x, "Tipo de flujo:", "", 1335, "lbltf" + x, {}, Qt::AlignCenter },
            });
        Resultados(resultados, derecha,
            {
                { "txtp" + x, "Perímetro (p):", "m", 0, "lblp" + x, "lblup" + x },
                { "txtr" + x, "Radio hidráulico (R):", "m", 0, "lblr" + x, "lblur" + x },
                { "txtv" + x, "Velocidad (v):", "m/s", 0, "lblv" + x, "lbluv" + x },
                { "txte" + x, "Energía específica (E):", "m-Kg/Kg", 0, "lble" + x, "lblue" + x },
            });
        EtiquetaAvisoVelocidad(resultados, "lblmv" + x, { 5880, 1560, 4215, 375 });

        figuras_ = FigurasTrapecio(6720, 720, "imatra" + x, "imarec" + x, "imatri" + x, {}, {});
        // On the width page txtbb is a result, not an input.
        if (x != "b")
            connect(Campo("txtb" + x), &CampoDato::cambio, this, [this] { DibujoPorAncho(); });
        if (CampoDato* z = Campo("txtz" + x))
            connect(z, &CampoDato::cambio, this, [this] { DibujoPorTalud(); });

        BotonesRol({ 480, 5400 }, { 8880, 5400 },
            NombresConSufijo(x, "bMenu", "fraboton" + x, marcoCalculadora));
    }

    void Calcular() override
    {
        const QString& x = sufijo();
        const double Q = Numero("txtq" + x), y = Numero("txty" + x), Z = Numero("txtz" + x);
        ResultadoHerramienta r;
        if (x == "b") {
            const double n = Numero("txtn" + x), S = Numero("txts" + x);
            if (!Completos({ Q, S, n, y }))
                return;
            r = CalcularAnchoSolera(Q, y, Z, n, S);
        } else if (x == "s") {
            const double n = Numero("txtn" + x), b = Numero("txtb" + x);
            if (!Completos({ Q, n, y }) || !VerificarAnchoTalud(b, Z, kMensajeAnchoTaludComa))
                return;
            r = CalcularPendienteTrapecio(Q, y, b, Z, n);
        } else {
            const double S = Numero("txts" + x), b = Numero("txtb" + x);
            if (!Completos({ Q, S, y }) || !VerificarAnchoTalud(b, Z, kMensajeAnchoTaludComa))
                return;
            r = CalcularRugosidadTrapecio(Q, y, b, Z, S);
        }
        if (InformarFallo(window(), r.fallo))
            return;

        EscribirTexto("txttf" + x, TextoTipoFlujo(r.tipoFlujo));
        if (x == "b")
            Escribir("txtbb", r.ancho, "##0.0000");
        else if (x == "s")
            Escribir("txtss", r.pendiente, "##0.000000");
        else
            Escribir("txtnn", r.rugosidad, "##0.0000");
        Escribir("txtp" + x, r.perimetro, "###0.0000");
        Escribir("txta" + x, r.area, "###0.0000");
        Escribir("txtr" + x, r.radio, "##0.0000");
        Escribir("txtt" + x, r.espejo, "###0.0000");
        switch (r.dibujo) {
        case DibujoTrasAncho::Triangulo:
            figuras_->Mostrar(FiguraSeccion::Triangulo);
            break;
        case DibujoTrasAncho::Rectangulo:
            figuras_->Mostrar(FiguraSeccion::Rectangulo);
            break;
        case DibujoTrasAncho::Trapecio:
            figuras_->Mostrar(FiguraSeccion::Trapecio);
            break;
        case DibujoTrasAncho::SinCambio:
            break;
        }
        // The roughness page blanks its label with 27 blanks, the others empty it.
        AdvertirVelocidadErosiva("txtv" + x, "lblmv" + x, r.velocidad, r.erosiva, "##0.0000",
            x == "n" ? kSinAvisoErosivo : QString());
        Escribir("txte" + x, r.energia, "##0.0000");
        Escribir("txtf" + x, r.froude, "#0.0000");
        if (r.disenoInadecuado)
            ControlNombrado<QLabel>(this, "lblmv" + x)
                ->setText(QStringLiteral("Diseño inadecuado"));
    }

private:
    static Columna ConArriba(Columna c, int arriba)
    {
        c.arriba = arriba;
        return c;
    }

    // The zero check of the pages moves the focus to the page's discharge box.
    bool Completos(std::initializer_list<double> valores)
    {
        if (VerificarDatosCompletos(valores, kTextoDatosIncompletos))
            return true;
        DarFoco(Campo("txtq" + sufijo()));
        return false;
    }

    // This window's drawing rule: a negative value only warns; page b, which has
    // no b box, never shows the triangle on an edit of Z.
    void DibujoPorAncho()
    {
        const double b = Numero("txtb" + sufijo());
        if (b < 0)
            return;
        if (b == 0)
            figuras_->Mostrar(FiguraSeccion::Triangulo);
        else
            figuras_->Mostrar(Numero("txtz" + sufijo()) == 0 ? FiguraSeccion::Rectangulo
                                                             : FiguraSeccion::Trapecio);
    }

    void DibujoPorTalud()
    {
        const double z = Numero("txtz" + sufijo());
        if (z < 0)
            return;
        if (z == 0)
            figuras_->Mostrar(FiguraSeccion::Rectangulo);
        else if (sufijo() != "b" && Numero("txtb" + sufijo()) == 0)
            figuras_->Mostrar(FiguraSeccion::Triangulo);
        else
            figuras_->Mostrar(FiguraSeccion::Trapecio);
    }

    FigurasSeccion* figuras_ = nullptr;
};

} // namespace

constinit const DescripcionVentana frmVariosTrape::kDescripcion {
    .clase = "frmVariosTrape",
    .fabrica = Fabricar<frmVariosTrape>,
    .entrada = { "otros", "otroTra", "Sección &Trapezoidal, Rec. Trian (b,S,n)" },
    .titulo = "Cálculos varios en sección trapezoidal, rectangular y triangular",
    .datos = {
        { "ordinario",
            { { "txtqb", "1.5" }, { "txtyb", "0.8" }, { "txtzb", "1" }, { "txtnb", "0.014" },
                { "txtsb", "0.001" }, { "txtqs", "1.5" }, { "txtys", "0.8" }, { "txtbs", "1" },
                { "txtzs", "1" }, { "txtns", "0.014" }, { "txtqn", "1.5" }, { "txtyn", "0.8" },
                { "txtbn", "1" }, { "txtzn", "1" }, { "txtsn", "0.001" } } },
        { "erosivo",
            { { "txtqb", "1.5" }, { "txtyb", "0.8" }, { "txtzb", "1" }, { "txtnb", "0.025" },
                { "txtsb", "0.005" }, { "txtqs", "1.5" }, { "txtys", "0.8" }, { "txtbs", "1" },
                { "txtzs", "1" }, { "txtns", "0.025" }, { "txtqn", "1.5" }, { "txtyn", "0.8" },
                { "txtbn", "1" }, { "txtzn", "1" }, { "txtsn", "0.003" } } },
    },
    .mensajes = { kTextoDatosIncompletos, kMensajeAnchoTaludComa },
};

frmVariosTrape::frmVariosTrape()
    : VentanaCalculo(kDescripcion.titulo)
{
    NuevasPestanas({ 360, 360, 11175, 7095 });
    AgregarPagina(new PaginaVariosTrape("b", "qyzns", 3495, "Frame2"),
        QStringLiteral("Cálculo del ancho solera (b)"));
    AgregarPagina(new PaginaVariosTrape("s", "qybzn", 3855, "Frame1"),
        QStringLiteral("Cálculo de la pendiente (S)"));
    AgregarPagina(new PaginaVariosTrape("n", "qybzs", 3975, "Frame3"),
        QStringLiteral("Cálculo de la rugosidad (n)"));
}

} // namespace quelmora
