#include "varied_flow/crbak.h"

#include <QEvent>

#include "frame/plataforma.h"

namespace quelmora {

constinit const DescripcionVentana crbak::kDescripcion {
    .clase = "crbak",
    .fabrica = Fabricar<crbak>,
    .entrada = { "remanso", "bakhmeteff", "&Bakhmeteff" },
    .titulo = "Cálculo de la curva de remanso, método de Bakhmeteff",
    .datos = {
        { "ordinario",
            { { "q", "10" }, { "b", "3" }, { "z", "1.5" }, { "s", "0.0008" }, { "yn", "1.45" },
                { "yc", "0.89" }, { "y1", "2.5" }, { "y2", "1.8" }, { "nt", "5" } } },
    },
    .mensajes = { kTextoIngresoLosDatos, kTextoAnchoTalud, kTextoNumeroTramos, kMensajeTiranteNormal },
};

crbak::crbak()
    : VentanaPerfil(kDescripcion.titulo)
{
    Marco* datos = NuevoMarco("Frame1", "Datos:", { 240, 120, 3855, 3495 });
    Entradas(datos,
        Columna { .etiqueta = 240,
            .anchoEtiqueta = 1800,
            .caja = 2040,
            .anchoCaja = 1035,
            .unidad = 3240,
            .arriba = 240,
            .paso = 360,
            .anchoUnidad = 540 },
        {
            { "q", "Caudal (Q) :", "m3/s", "Ingresar el valor del caudal Q",
                "Ingresar para Q, un valor mayor que cero", "b" },
            { "b", "Ancho de solera (b) :", "m", "Ingresar el valor del ancho de fondo del canal",
                "Ingresar para b, un valor igual o mayor que cero", "z" },
            { "z", "Talud (Z) :", "",
                "Ingresar el valor del talud, para taludes diferentes ingresar su promedio",
                "Ingresar para Z, un valor igual o mayor que cero", "s" },
            { "s", "Pendiente (S) :", "", "Ingresar el valor de la pendiente del canal",
                "Ingresar para S, un valor mayor que cero", "yn" },
            { "yn", "Tirante normal (yn):", "m", "Ingresar el valor del tirante normal",
                "Ingresar para el tirante normal yn, un valor mayor que cero", "yc" },
            { "yc", "Tirante crítico (yc):", "m", "Ingresar el valor del tirante crítico",
                "Ingresar para el tirante crítico yc, un valor mayor que cero", "y1" },
            { "y1", "Tirante inicial (y1):", "m", "Ingresar el valor del tirante inicial y1",
                "Ingresar para el tirante inicial y1, un valor mayor que cero", "y2" },
            { "y2", "Tirante final (y2):", "m", "Ingresar el valor del tirante final y2",
                "Ingresar para el tirante final y2, un valor mayor que cero", "nt" },
            { "nt", "Número de tramos (nt) :", "",
                "Ingresar el valor del número de tramos de cálculo de la curva de remanso", "",
                "bCalcular" },
        });
    VigilarTramos();
    // The side slope also writes its status text when it loses the focus.
    Campo("z")->installEventFilter(this);

    Marco* parciales = NuevoMarco("Frame6", "Resultados parciales:", { 4200, 120, 7455, 2895 });
    const struct {
        const char* etiqueta;
        const char* caja;
        int izquierda;
    } exponentes[] = { { "Valor de N:", "nn", 240 }, { "Valor de M:", "mm", 2640 },
        { "Valor de J:", "jjj", 5040 } };
    for (const auto& e : exponentes) {
        Etiqueta(parciales, {}, QString::fromUtf8(e.etiqueta), { e.izquierda, 240, 1095, 285 });
        ResultadoSuelto(parciales, QString::fromLatin1(e.caja),
            { e.izquierda + 1140, 240, 1000, 285 }, Qt::AlignCenter);
    }
    TablaParcial(parciales, { 120, 600, 7215, 2175 }, 7);
    Marco* finales = NuevoMarco("Frame2", "Resultados finales:", { 8760, 3120, 2895, 3375 });
    TablaFinal(finales, { 240, 240, 2415, 3015 });
    Grafico({ 240, 4200, 7215, 1695 }, QStringLiteral("Curva de Remanso Método de Bakhmeteff"));
    BotonesPerfil(6480);
    OrdenTabulacion({ "q", "b", "z", "s", "yn", "yc", "y1", "y2", "nt", "bCalcular" });

    for (int c = 0; c <= 6; ++c) {
        grdTablaP()->AnchoColumna(c, 1000);
        grdTablaP()->CentrarColumna(c);
    }
    Encabezado();
}

void crbak::Encabezado()
{
    g()->PonerTexto(0, 0, "x");
    g()->PonerTexto(0, 1, "y");
    const char* columnas[] = { "y", "u=y/yn", "v=u^(N/J)", "F(u,N)", "F(v,J)", "deltax", "x" };
    for (int c = 0; c < 7; ++c)
        grdTablaP()->PonerTexto(0, c, QString::fromLatin1(columnas[c]));
}

bool crbak::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::FocusOut)
        if (auto* z = qobject_cast<CampoDato*>(objeto))
            TextoEstado(z, z->textoEstado());
    return VentanaPerfil::eventFilter(objeto, evento);
}

void crbak::Calcular()
{
    DatosBakhmeteff d;
    d.Q = Numero("q");
    d.b = Numero("b");
    d.Z = Numero("z");
    d.S = Numero("s");
    d.yn = Numero("yn");
    d.yc = Numero("yc");
    d.y1 = Numero("y1");
    d.y2 = Numero("y2");
    d.nt = LeerTramos();
    const auto r = CalcularBakhmeteff(d);
    // A depth equal to the normal depth: once, and nothing written, since going
    // on would reuse the previous F.
    if (InformarFalloPerfil(r.fallo))
        return;

    DimensionarTablas(d.nt.valor);
    Escribir("nn", r.N, "#0.0000");
    Escribir("mm", r.M, "#0.0000");
    Escribir("jjj", r.J, "#0.0000");
    // Stays after the calculation until another control writes its text.
    EscribirEstado(QStringLiteral("Espere calculando ..."));
    TablaResultados* p = grdTablaP();
    EscrituraEnBloque enBloqueP(p), enBloqueG(g());
    QList<QPointF> puntos;
    for (int i = 1; i <= static_cast<int>(r.filas.size()); ++i) {
        const auto& f = r.filas[i - 1];
        const double valores[] = { f.y, f.u, f.v, f.Fu, f.Fv, f.X };
        for (int c = 0; c < 6; ++c)
            p->PonerTexto(i, c, Mascara(valores[c], "0.###0"));
        p->PonerTexto(i, 6, Mascara(f.x, "0.#0"));
        puntos << QPointF(f.x, f.y);
        g()->PonerTexto(i, 0, Mascara(f.x, "0.#0"));
        g()->PonerTexto(i, 1, Mascara(f.y, "##0.0000"));
    }
    GraficarPerfil(puntos);
}

} // namespace quelmora
