// The line graph widens each axis to round ticks exactly as the chart's own
// rounding of an axis does, drawing after drawing (the tick count one drawing
// leaves is where the next starts from).

#include <QValueAxis>
#include <QWidget>
#include <cmath>

#include "conductor.h"

namespace {

namespace {

struct Datos {
    const char* nombre;
    std::vector<QPointF> puntos;
};

void PrintTo(const Datos& d, std::ostream* os) { *os << d.nombre; }

// The axis the chart itself rounds: the range of the values, then its rounding.
struct EjeRedondeado {
    double min, max;
    int marcas;
};

EjeRedondeado Redondear(QValueAxis& referencia, double desde, double hasta)
{
    referencia.setRange(desde, hasta);
    referencia.applyNiceNumbers();
    return { referencia.min(), referencia.max(), referencia.tickCount() };
}

std::pair<double, double> Extremos(const std::vector<QPointF>& puntos, bool enX)
{
    double desde = enX ? puntos[0].x() : puntos[0].y(), hasta = desde;
    for (const QPointF& p : puntos) {
        desde = std::min(desde, enX ? p.x() : p.y());
        hasta = std::max(hasta, enX ? p.x() : p.y());
    }
    return { desde, hasta };
}

class GraficoRedondeo : public ::testing::TestWithParam<Datos> { };

TEST_P(GraficoRedondeo, AxesRoundAsTheChartRoundsThem)
{
    QWidget ventana;
    GraficoLineas grafico(&ventana, "Graph1", { 0, 0, 6000, 1575 }, "Perfil");
    // The chart's own rounding, started as the graph's axes start.
    QValueAxis refX, refY;
    refX.setTickCount(grafico.EjeX()->tickCount());
    refY.setTickCount(grafico.EjeY()->tickCount());
    const auto& puntos = GetParam().puntos;
    // Twice: the second drawing starts from the tick count the first one left.
    for (int vez = 1; vez <= 2; ++vez) {
        grafico.Dibujar(QList<QPointF>(puntos.begin(), puntos.end()));
        const auto [x0, x1] = Extremos(puntos, true);
        const auto [y0, y1] = Extremos(puntos, false);
        const EjeRedondeado x = Redondear(refX, x0, x1);
        const EjeRedondeado y = Redondear(refY, y0, y1);
        EXPECT_DOUBLE_EQ(grafico.EjeX()->min(), x.min) << "drawing " << vez;
        EXPECT_DOUBLE_EQ(grafico.EjeX()->max(), x.max) << "drawing " << vez;
        EXPECT_EQ(grafico.EjeX()->tickCount(), x.marcas) << "drawing " << vez;
        EXPECT_DOUBLE_EQ(grafico.EjeY()->min(), y.min) << "drawing " << vez;
        EXPECT_DOUBLE_EQ(grafico.EjeY()->max(), y.max) << "drawing " << vez;
        EXPECT_EQ(grafico.EjeY()->tickCount(), y.marcas) << "drawing " << vez;
    }
    EXPECT_TRUE(grafico.isVisibleTo(&ventana));
}

INSTANTIATE_TEST_SUITE_P(Perfiles, GraficoRedondeo,
    ::testing::Values(Datos { "remanso_aguas_arriba",
                          { { 0, 2.5 }, { -350.4, 2.31 }, { -912.8, 2.12 }, { -2271.6, 2.0 } } },
        Datos { "distancias_positivas",
            { { 0, 0.89 }, { 12.5, 1.02 }, { 40.1, 1.2 }, { 97.3, 1.41 } } },
        Datos { "rango_diminuto", { { 0, 1.00001 }, { 0.0003, 1.00002 }, { 0.0007, 1.00004 } } },
        Datos { "rango_enorme", { { -1.5e7, 3 }, { 2.5e7, 4000 } } },
        Datos { "cruza_el_cero", { { -3.3, -0.7 }, { 0, 0 }, { 4.1, 0.9 } } },
        Datos { "justo_redondo", { { 0, 0 }, { 100, 10 } } },
        Datos { "seccion_natural",
            { { 0, 0 }, { 0.1, -0.0126 }, { 2.5, -2 }, { 4.9, -0.0126 }, { 5, 0 } } }),
    [](const ::testing::TestParamInfo<Datos>& info) { return std::string(info.param.nombre); });

// Spans without a round step: −1e308 to 1e308 is beyond the number range, and
// 0 to 4.9e-324 (the smallest double) is below the smallest power of ten.
// Drawn twice, each axis keeps the ends of its values and its opening ticks
// (5 across, 3 up) instead of a count made from a value that is not a number.
class GraficoSinPasoRedondo : public ::testing::TestWithParam<Datos> { };

TEST_P(GraficoSinPasoRedondo, KeepsTheEndsOfTheDataAndItsTicks)
{
    QWidget ventana;
    GraficoLineas grafico(&ventana, "Graph1", { 0, 0, 6000, 1575 }, "Perfil");
    const auto& puntos = GetParam().puntos;
    for (int vez = 1; vez <= 2; ++vez) {
        grafico.Dibujar(QList<QPointF>(puntos.begin(), puntos.end()));
        EXPECT_EQ(grafico.EjeX()->min(), puntos.front().x()) << "drawing " << vez;
        EXPECT_EQ(grafico.EjeX()->max(), puntos.back().x()) << "drawing " << vez;
        EXPECT_EQ(grafico.EjeX()->tickCount(), 5) << "drawing " << vez;
        EXPECT_EQ(grafico.EjeY()->tickCount(), 3) << "drawing " << vez;
    }
}

INSTANTIATE_TEST_SUITE_P(Perfiles, GraficoSinPasoRedondo,
    ::testing::Values(Datos { "mas_alla_del_rango", { { -1e308, 1 }, { 1e308, 2 } } },
        Datos { "menor_que_toda_potencia", { { 0, 1 }, { 4.9e-324, 2 } } }),
    [](const ::testing::TestParamInfo<Datos>& info) { return std::string(info.param.nombre); });

// A line drawn over an earlier drawing is painted as the same line drawn first:
// nothing of the earlier axes or line stays in the picture.
TEST(GraficoLineasDibujo, ALineDrawnOverAnotherLooksAsWhenDrawnFirst)
{
    const QList<QPointF> perfil { { 0, 2.5 }, { -350.4, 2.31 }, { -912.8, 2.12 },
        { -2271.6, 2.0 } };
    const QList<QPointF> antes { { 0, 0.89 }, { 12.5, 1.02 }, { 40.1, 1.2 }, { 97.3, 1.41 },
        { 500, 7 } };
    QWidget ventana;
    ventana.resize(500, 200);
    GraficoLineas primero(&ventana, "Graph1", { 0, 0, 6000, 1575 }, "Perfil");
    GraficoLineas encima(&ventana, "Graph2", { 0, 1600, 6000, 1575 }, "Perfil");
    ventana.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    encima.Dibujar(antes);
    QTest::qWait(20);
    primero.Dibujar(perfil);
    encima.Dibujar(perfil);
    QTest::qWait(20);
    EXPECT_EQ(primero.grab().toImage(), encima.grab().toImage());
}

} // namespace

} // namespace
