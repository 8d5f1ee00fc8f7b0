#include "varied_flow/crtrafij.h"

namespace quelmora {

constinit const DescripcionVentana crtrafij::kDescripcion {
    .clase = "crtrafij",
    .fabrica = Fabricar<crtrafij>,
    .entrada = { "remanso", "tramos", "&Tramos Fijos" },
    .titulo = "Cálculo de la curva de remanso, método de tramos fijos",
    .datos = {
        { "ordinario",
            { { "q", "10" }, { "b", "3" }, { "z", "1.5" }, { "s", "0.0008" }, { "n", "0.02" },
                { "yi", "2.5" }, { "nt", "5" }, { "dx", "-100" } } },
    },
    .mensajes = { kTextoIngresoLosDatos, kTextoAnchoTalud, kTextoNumeroTramos,
        kMensajeTrampaTramosFijos },
};

crtrafij::crtrafij()
    : VentanaPerfil(kDescripcion.titulo)
{
    Marco* datos = NuevoMarco("Frame1", "Datos:", { 840, 240, 4575, 3495 });
    Entradas(datos,
        Columna { .etiqueta = 240,
            .anchoEtiqueta = 2280,
            .caja = 2520,
            .anchoCaja = 1035,
            .unidad = 3840,
            .arriba = 360,
            .paso = 360,
            .anchoUnidad = 600 },
        {
            { "q", "Caudal (Q) :", "m3/s", "Ingresar el valor del caudal Q",
                "Ingresar para Q, un valor mayor que cero", "b" },
            { "b", "Ancho de solera (b) :", "m", "Ingresar el valor del ancho de fondo del canal",
                "Ingresar para b, un valor mayor que cero", "z" },
            { "z", "Talud (Z) :", "",
                "Ingresar el valor del talud, para taludes diferentes ingresar su promedio",
                "Ingresar para Z, un valor igual o mayor que cero ", "s" },
            { "s", "Pendiente (S) :", "", "Ingresar el valor de la pendiente S",
                "Ingresar para S, un valor mayor que cero ", "n" },
            { "n", "Coeficiente de rugosidad (n) :", "",
                "Ingresar el valor del coeficiente de rugosidad de acuerdo al material del canal",
                "Ingresar para n, un valor mayor que cero ", "yi" },
            { "yi", "Tirante inicial (yi) :", "m",
                "Ingresar el valor del tirante inicial del tramo de la curva de remanso",
                "Ingresar para el tirante inicial yi, un valor mayor que cero ", "nt" },
            { "nt", "Número de tramos (nt) :", "",
                "Ingresar el valor del número de tramos de cálculo de la curva de remanso", "",
                "dx" },
            // Any sign: + downstream, − upstream.
            { "dx", "Distancia de cada tramo (dx) :", "m",
                "Ingresar la distancia de los tramos, cálculo hacia aguas abajo con signo +, "
                "hacia aguas arriba con signo -",
                "", "bCalcular" },
        });
    VigilarTramos();

    Marco* resultados = NuevoMarco("Frame2", "Resultados:", { 8280, 240, 2775, 3495 });
    TablaFinal(resultados, { 120, 240, 2415, 3015 });
    Grafico({ 2880, 4200, 6015, 1575 }, QStringLiteral("Curva de Remanso Método de Tramos Fijos"));
    BotonesPerfil(6360, false);
    // This form alone draws the copy frame's caption in the regular weight.
    ControlNombrado<Marco>(this, QStringLiteral("Frame5"))->TituloEnPesoNormal();
    OrdenTabulacion({ "q", "b", "z", "s", "n", "yi", "nt", "dx", "bCalcular" });
    Encabezado();
}

void crtrafij::Encabezado()
{
    g()->PonerTexto(0, 0, "x");
    g()->PonerTexto(0, 1, "y");
}

void crtrafij::Calcular()
{
    bool atrapada = false;
    // Everything after the checks runs under the trap: the rows of the reaches
    // already done stay, with the trap's message and the focus on dx.
    CapturarErrorCalculo({ kMensajeTrampaTramosFijos, kTituloTrampaTramosFijos }, [&] {
        DatosTramosFijos d;
        d.Q = Numero("q");
        d.b = Numero("b");
        d.Z = Numero("z");
        d.S = Numero("s");
        d.n = Numero("n");
        d.dx = Numero("dx");
        d.yi = Numero("yi");
        d.nt = LeerTramos();
        const auto r = CalcularTramosFijos(d);
        if (r.fallo == FalloCalculo::DatosIncompletos || r.fallo == FalloCalculo::AnchoTaludCero) {
            InformarFalloPerfil(r.fallo);
            return true;
        }
        if (r.numFilas > 0)
            DimensionarTablas(r.numFilas - 2);
        QList<QPointF> puntos;
        for (int i = 1; i <= static_cast<int>(r.puntos.size()); ++i) {
            const auto& p = r.puntos[i - 1];
            g()->PonerTexto(i, 0, Mascara(p.x, "#####0.0"));
            g()->PonerTexto(i, 1, Mascara(p.y, "##0.##00"));
            puntos << QPointF(p.x, p.y);
        }
        if (r.fallo != FalloCalculo::Ninguno) {
            atrapada = true;
            return false;
        }
        GraficarPerfil(puntos);
        return true;
    });
    if (atrapada)
        DarFoco(Campo("dx"));
}

} // namespace quelmora
