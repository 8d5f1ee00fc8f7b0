#include "varied_flow/crbresse.h"

namespace quelmora {

constinit const DescripcionVentana crbresse::kDescripcion {
    .clase = "crbresse",
    .fabrica = Fabricar<crbresse>,
    .entrada = { "remanso", "bresse", "B&resse" },
    .titulo = "Cálculo de la curva de remanso, método de Bresse",
    .datos = {
        { "ordinario",
            { { "q", "5" }, { "b", "10" }, { "s", "0.0005" }, { "n", "0.025" }, { "yn", "1.2" },
                { "y1", "2" }, { "y2", "1.4" }, { "nt", "6" } } },
    },
    .mensajes = { kTextoIngresoLosDatos, kTextoNumeroTramos },
};

crbresse::crbresse()
    : VentanaPerfil(kDescripcion.titulo)
{
    Marco* datos = NuevoMarco("Frame1", "Datos:", { 240, 0, 3735, 3375 });
    Entradas(datos,
        Columna { .etiqueta = 240,
            .anchoEtiqueta = 1680,
            .caja = 1920,
            .anchoCaja = 1035,
            .unidad = 3120,
            .arriba = 360,
            .paso = 360,
            .anchoUnidad = 540 },
        {
            { "q", "Caudal (Q) :", "m3/s", "Ingresar el valor del caudal Q",
                "Ingresar para Q, un valor mayor que cero", "b" },
            { "b", "Ancho de solera (b) :", "m", "Ingresar el valor del ancho de fondo del canal",
                "Ingresar para b, un valor igual o mayor que cero", "s" },
            { "s", "Pendiente (S) :", "", "Ingresar el valor de la pendiente del canal",
                "Ingresar para S, un valor mayor que cero", "n" },
            { "n", "Rugosidad (n):", "",
                "Ingresar el valor del coeficiente de rugosidad de acuerdo al material del canal",
                "Ingresar para n, un valor mayor que cero", "yn" },
            { "yn", "Tirante normal (yn):", "m", "Ingresar el valor del tirante normal",
                "Ingresar para el tirante normal yn, un valor mayor que cero", "y1" },
            { "y1", "Tirante inicial (y1):", "m", "Ingresar el valor del tirante inicial y1",
                "Ingresar para el tirante inicial y1, un valor mayor que cero", "y2" },
            { "y2", "Tirante final (y2):", "m", "Ingresar el valor del tirante final y2",
                "Ingresar para el tirante final y2, un valor mayor que cero", "nt" },
            { "nt", "Número de tramos (nt) :", "",
                "Ingresar el valor del número de tramos de cálculo de la curva de remanso", "",
                "bCalcular" },
        });
    VigilarTramos();

    Marco* parciales = NuevoMarco("Frame6", "Resultados parciales:", { 4200, 0, 7455, 2895 });
    TablaParcial(parciales, { 120, 240, 7215, 2535 }, 7);
    Marco* finales = NuevoMarco("Frame2", "Resultados finales:", { 8760, 3000, 2895, 3375 });
    TablaFinal(finales, { 240, 240, 2415, 3015 });
    Grafico({ 1200, 4320, 6015, 1575 }, QStringLiteral("Curva de Remanso Método de Bresse"));
    BotonesPerfil(6480);
    OrdenTabulacion({ "q", "b", "s", "n", "yn", "y1", "y2", "nt", "bCalcular" });

    for (int c = 0; c <= 6; ++c) {
        grdTablaP()->AnchoColumna(c, 1000);
        grdTablaP()->CentrarColumna(c);
    }
    Encabezado();
}

void crbresse::Encabezado()
{
    g()->PonerTexto(0, 0, "x");
    g()->PonerTexto(0, 1, "y");
    const char* columnas[] = { "y", "Z=y/yn", "Sx1", "F(Z)", "Sx2", "deltax", "x" };
    for (int c = 0; c < 7; ++c)
        grdTablaP()->PonerTexto(0, c, QString::fromLatin1(columnas[c]));
}

void crbresse::Calcular()
{
    DatosBresse d;
    d.Q = Numero("q");
    d.b = Numero("b");
    d.S = Numero("s");
    d.n = Numero("n");
    d.yn = Numero("yn");
    d.y1 = Numero("y1");
    d.y2 = Numero("y2");
    d.nt = LeerTramos();
    const auto r = CalcularBresse(d);
    if (InformarFalloPerfil(r.fallo))
        return;

    DimensionarTablas(d.nt.valor);
    TablaResultados* p = grdTablaP();
    EscrituraEnBloque enBloqueP(p), enBloqueG(g());
    QList<QPointF> puntos;
    for (int i = 1; i <= static_cast<int>(r.filas.size()); ++i) {
        const auto& f = r.filas[i - 1];
        p->PonerTexto(i, 0, Mascara(f.y, "0.###0"));
        p->PonerTexto(i, 1, Mascara(f.Z, "0.###0"));
        p->PonerTexto(i, 2, Mascara(f.Sx1, "0.#0"));
        p->PonerTexto(i, 3, Mascara(f.phi, "0.###0"));
        p->PonerTexto(i, 4, Mascara(f.Sx2, "0.#0"));
        p->PonerTexto(i, 5, Mascara(f.Sx, "0.#0"));
        p->PonerTexto(i, 6, Mascara(f.x, "0.#0"));
        puntos << QPointF(f.x, f.y);
        g()->PonerTexto(i, 0, Mascara(f.x, "0.#0"));
        g()->PonerTexto(i, 1, Mascara(f.y, "0.###0"));
    }
    GraficarPerfil(puntos);
}

} // namespace quelmora
