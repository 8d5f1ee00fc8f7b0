#include "varied_flow/crinte.h"

#include <QLabel>

namespace quelmora {

constinit const DescripcionVentana crinte::kDescripcion {
    .clase = "crinte",
    .fabrica = Fabricar<crinte>,
    .entrada = { "remanso", "rintegracion", "&Integración Gráfica" },
    .titulo = "Cálculo de la curva de remanso, método de integración gráfica",
    .datos = {
        { "ordinario",
            { { "q", "10" }, { "b", "3" }, { "z", "1.5" }, { "s", "0.0008" }, { "n", "0.02" },
                { "y1", "2.5" }, { "y2", "2" }, { "nt", "4" } } },
    },
    .mensajes = { kTextoIngresoLosDatos, kTextoAnchoTalud, kTextoNumeroTramos },
};

crinte::crinte()
    : VentanaPerfil(kDescripcion.titulo)
{
    Marco* datos = NuevoMarco("Frame1", "Datos:", { 720, 0, 4335, 3375 });
    Entradas(datos,
        Columna { .etiqueta = 360,
            .anchoEtiqueta = 2040,
            .caja = 2400,
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
            { "s", "Pendiente (S) :", "", "Ingresar el valor de la pendiente del canal",
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

    Marco* finales = NuevoMarco("Frame2", "Resultados finales:", { 8160, 0, 2775, 3375 });
    TablaFinal(finales, { 240, 240, 2415, 3015 });
    Grafico({ 2760, 3480, 6015, 1575 },
        QStringLiteral("Curva de Remanso Método de Integración Gráfica"));
    Etiqueta(this, QStringLiteral("Label13"), QStringLiteral("Resultados parciales:"),
        { 240, 4800, 1935, 255 });
    TablaParcial(this, { 120, 5160, 11655, 1335 }, 12);
    BotonesPerfil(6480);
    OrdenTabulacion({ "q", "b", "z", "s", "n", "y1", "y2", "nt", "bCalcular" });

    // Form_Load: column set-up, then the headers.
    TablaResultados* p = grdTablaP();
    for (int c : { 0, 6, 8, 9, 10, 11 })
        p->AnchoColumna(c, 900);
    p->AnchoColumna(7, 1150);
    for (int c = 1; c <= 5; ++c)
        p->AnchoColumna(c, 900);
    for (int c = 0; c <= 11; ++c)
        p->CentrarColumna(c);
    Encabezado();
}

void crinte::Encabezado()
{
    g()->PonerTexto(0, 0, "x");
    g()->PonerTexto(0, 1, "y");
    const char* columnas[]
        = { "y", "A", "p", "R", "T", "v", "Se", "1-Q2T/gA3", "So-Se", "f(y)", "deltax", "x" };
    for (int c = 0; c < 12; ++c)
        grdTablaP()->PonerTexto(0, c, QString::fromLatin1(columnas[c]));
}

void crinte::Calcular()
{
    DatosIntegracionGrafica d;
    LeerDatosPerfilManning(d);
    const auto r = CalcularIntegracionGrafica(d);
    if (InformarFalloPerfil(r.fallo))
        return;

    DimensionarTablas(d.nt.valor);
    TablaResultados* p = grdTablaP();
    QList<QPointF> puntos;
    EscrituraEnBloque enBloqueP(p), enBloqueG(g());
    for (int i = 1; i <= static_cast<int>(r.filas.size()); ++i) {
        const auto& f = r.filas[i - 1];
        const double valores[] = { f.y, f.A, f.P, f.R, f.T, f.v, f.Se, f.c, f.d, f.f };
        const char* mascaras[] = { "0.###0", "0.###0", "0.###0", "0.###0", "0.###0", "0.###0",
            "0.#####0", "0.###0", "0.#####0", "0.#0" };
        for (int c = 0; c < 10; ++c)
            p->PonerTexto(i, c, Mascara(valores[c], mascaras[c]));
        p->PonerTexto(i, 10, i == 1 ? QStringLiteral("---") : Mascara(f.dx, "0.#0"));
        p->PonerTexto(i, 11, i == 1 ? QStringLiteral("---") : Mascara(f.x, "0.#0"));
        puntos << QPointF(f.x, f.y);
        g()->PonerTexto(i, 0, Mascara(f.x, "####0.#0"));
        g()->PonerTexto(i, 1, Mascara(f.y, "##0.0000"));
    }
    GraficarPerfil(puntos);
}

} // namespace quelmora
