#include "varied_flow/crdirtra.h"

#include <QLabel>

namespace quelmora {

constinit const DescripcionVentana crdirtra::kDescripcion {
    .clase = "crdirtra",
    .fabrica = Fabricar<crdirtra>,
    .entrada = { "remanso", "directo", "&Directo por Tramos" },
    .titulo = "Cálculo de la curva de remanso, método directo por tramos",
    .datos = {
        { "ordinario",
            { { "q", "10" }, { "b", "3" }, { "z", "1.5" }, { "s", "0.0008" }, { "n", "0.02" },
                { "y1", "2.5" }, { "y2", "2" }, { "nt", "4" } } },
    },
    .mensajes = { kTextoIngresoLosDatos, kTextoAnchoTalud, kTextoNumeroTramos },
};

crdirtra::crdirtra()
    : VentanaPerfil(kDescripcion.titulo)
{
    Marco* datos = NuevoMarco("Frame1", "Datos:", { 840, 0, 4215, 3375 });
    Entradas(datos,
        Columna { .etiqueta = 240,
            .anchoEtiqueta = 2040,
            .caja = 2280,
            .anchoCaja = 1035,
            .unidad = 3600,
            .arriba = 360,
            .paso = 360,
            .anchoUnidad = 600 },
        {
            { "q", "Caudal (Q) :", "m3/s", "Ingresar el valor del caudal Q",
                "Ingresar para Q, un valor mayor que cero", "b" },
            { "b", "Ancho de solera (b) :", "m", "Ingresar el valor del ancho de fondo del canal",
                "Ingresar para b, un valor mayor que cero", "z" },
            { "z", "Talud Z :", "",
                "Ingresar el valor del talud, para taludes diferentes ingresar su promedio",
                "Ingresar para Z, un valor igual o mayor que cero ", "s" },
            { "s", "Pendiente (S) :", "", "Ingresar el valor de la pendiente S",
                "Ingresar para S, un valor mayor que cero ", "n" },
            { "n", "Rugosidad (n) :", "",
                "Ingresar el valor del coeficiente de rugosidad de acuerdo al material del canal",
                "Ingresar para n, un valor mayor que cero ", "y1" },
            { "y1", "Tirante inicial (y1):", "m",
                "Ingresar el valor del tirante inicial del tramo de la curva de remanso",
                "Ingresar para el tirante inicial y1, un valor mayor que cero ", "y2" },
            { "y2", "Tirante final (y2):", "m",
                "Ingresar el valor del tirante final del tramo de la curva de remanso",
                "Ingresar para el tirante final y2, un valor mayor que cero ", "nt" },
            { "nt", "Número de tramos (nt) :", "",
                "Ingresar el valor del número de tramos de cálculo de la curva de remanso", "",
                "bCalcular" },
        });
    VigilarTramos();

    Marco* finales = NuevoMarco("Frame2", "Resultados finales:", { 8280, 0, 2775, 3375 });
    TablaFinal(finales, { 240, 240, 2415, 3015 });
    Grafico(
        { 2880, 3480, 6015, 1575 }, QStringLiteral("Curva de Remanso Método Directo por Tramos"));
    QLabel* titulo = Etiqueta(this, QStringLiteral("Label13"),
        QStringLiteral("Resultados parciales:"), { 240, 4800, 1935, 255 });
    QPalette azul = titulo->palette();
    azul.setColor(QPalette::WindowText, QColor(0, 0, 255));
    titulo->setPalette(azul);
    TablaParcial(this, { 120, 5160, 11655, 1335 }, 14);
    BotonesPerfil(6480);
    OrdenTabulacion({ "q", "b", "z", "s", "n", "y1", "y2", "nt", "bCalcular" });

    // Form_Load: every partial column 795 twips wide and centred, then the headers.
    for (int c = 0; c <= 13; ++c) {
        grdTablaP()->AnchoColumna(c, 795);
        grdTablaP()->CentrarColumna(c);
    }
    Encabezado();
}

void crdirtra::Encabezado()
{
    g()->PonerTexto(0, 0, "x");
    g()->PonerTexto(0, 1, "y");
    const char* columnas[] = { "y", "A", "p", "R", "R^(2/3)", "v", "v^2/2g", "E", "deltaE", "Se",
        "SeP", "So-SeP", "deltax", "x" };
    for (int c = 0; c < 14; ++c)
        grdTablaP()->PonerTexto(0, c, QString::fromLatin1(columnas[c]));
}

void crdirtra::Calcular()
{
    DatosTramosDirecto d;
    LeerDatosPerfilManning(d);
    const auto r = CalcularTramosDirecto(d);
    if (InformarFalloPerfil(r.fallo))
        return;

    DimensionarTablas(d.nt.valor);
    TablaResultados* p = grdTablaP();
    EscrituraEnBloque enBloqueP(p), enBloqueG(g());
    QList<QPointF> puntos;
    for (int i = 1; i <= static_cast<int>(r.filas.size()); ++i) {
        const auto& f = r.filas[i - 1];
        const double seccion[] = { f.y, f.A, f.P, f.R, f.R23, f.v, f.hv, f.E };
        for (int c = 0; c < 8; ++c)
            p->PonerTexto(i, c, Mascara(seccion[c], "0.###0"));
        p->PonerTexto(i, 9, Mascara(f.Se, "0.####0"));
        if (i == 1) {
            // The first section has no step; its distance is the plain whole zero.
            for (int c : { 8, 10, 11, 12 })
                p->PonerTexto(i, c, QStringLiteral("---"));
            p->PonerTexto(i, 13, QStringLiteral("0"));
        } else {
            p->PonerTexto(i, 8, Mascara(f.dE, "0.###0"));
            p->PonerTexto(i, 10, Mascara(f.SeP, "0.####0"));
            p->PonerTexto(i, 11, Mascara(f.difSo, "0.####0"));
            p->PonerTexto(i, 12, Mascara(f.dx, "0.##0"));
            p->PonerTexto(i, 13, Mascara(f.x, "0.#0"));
        }
        puntos << QPointF(f.x, f.y);
        g()->PonerTexto(i, 0, Mascara(f.x, "####0.#0"));
        g()->PonerTexto(i, 1, Mascara(f.y, "##0.0000"));
    }
    GraficarPerfil(puntos);
}

} // namespace quelmora
