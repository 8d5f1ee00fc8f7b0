// The direct-step profile window, driven as a user drives it. Expected cells were
// worked out apart from the program: section elements, velocity head, specific
// energy and Manning's friction slope by hand in double precision, the step
// lengths from the energy balance, each written through its mask by the mask rule.

#include <vector>

#include "conductor.h"

namespace {

namespace {

struct FilaDirecta {
    std::vector<const char*> parcial;
    const char* x;
    const char* y;
    double puntoX;
};

struct PerfilDirecto {
    const char* nombre;
    const char *q, *b, *z, *s, *n, *y1, *y2, *nt;
    std::vector<FilaDirecta> filas;
};

const PerfilDirecto kM1 { "M1", "10", "3", "1.5", "0.0008", "0.02", "2.5", "2", "4",
    { { { "2.50", "16.8750", "12.0139", "1.4046", "1.2542", "0.5926", "0.0179", "2.5179", "---",
            "0.00009", "---", "---", "---", "0" },
          "0.0", "2.5000", 0 },
        { { "2.3750", "15.5859", "11.5632", "1.3479", "1.2202", "0.6416", "0.0210", "2.3960",
              "-0.1219", "0.00011", "0.00010", "0.00070", "-174.153", "174.15" },
            "174.15", "2.3750", 174.1528271 },
        { { "2.250", "14.3438", "11.1125", "1.2908", "1.1855", "0.6972", "0.0248", "2.2748",
              "-0.1212", "0.00014", "0.00012", "0.00068", "-179.426", "353.58" },
            "353.58", "2.2500", 353.5784319 },
        { { "2.1250", "13.1484", "10.6618", "1.2332", "1.150", "0.7605", "0.0295", "2.1545",
              "-0.1203", "0.00017", "0.00016", "0.00064", "-186.974", "540.55" },
            "540.55", "2.1250", 540.5528071 },
        { { "2.0", "12.0", "10.2111", "1.1752", "1.1136", "0.8333", "0.0354", "2.0354", "-0.1191",
              "0.00022", "0.00020", "0.00060", "-198.303", "738.86" },
            "738.86", "2.0000", 738.8555708 } } };

const PerfilDirecto kM2 { "M2", "10", "3", "1.5", "0.0008", "0.02", "1.4", "1", "4",
    { { { "1.40", "7.140", "8.0478", "0.8872", "0.9233", "1.4006", "0.10", "1.50", "---", "0.00092",
            "---", "---", "---", "0" },
          "0.0", "1.4000", 0 },
        { { "1.30", "6.4350", "7.6872", "0.8371", "0.8882", "1.5540", "0.1231", "1.4231", "-0.0769",
              "0.00122", "0.00107", "-0.00027", "282.291", "282.29" },
            "282.29", "1.3000", 282.2913988 },
        { { "1.20", "5.760", "7.3267", "0.7862", "0.8518", "1.7361", "0.1536", "1.3536", "-0.0695",
              "0.00166", "0.00144", "-0.00064", "108.027", "390.32" },
            "390.32", "1.2000", 390.3188648 },
        { { "1.10", "5.1150", "6.9661", "0.7343", "0.8139", "1.9550", "0.1948", "1.2948", "-0.0588",
              "0.00231", "0.00198", "-0.00118", "49.641", "439.96" },
            "439.96", "1.1000", 439.9598439 },
        { { "1.0", "4.50", "6.6056", "0.6812", "0.7742", "2.2222", "0.2517", "1.2517", "-0.0431",
              "0.00330", "0.00280", "-0.0020", "21.539", "461.50" },
            "461.50", "1.0000", 461.4989701 } } };

const PerfilDirecto kS2 { "S2", "5", "2", "0", "0.01", "0.015", "0.85", "0.7", "3",
    { { { "0.850", "1.70", "3.70", "0.4595", "0.5954", "2.9412", "0.4409", "1.2909", "---",
            "0.00549", "---", "---", "---", "0" },
          "0.0", "0.8500", 0 },
        { { "0.80", "1.60", "3.60", "0.4444", "0.5824", "3.1250", "0.4977", "1.2977", "0.0068",
              "0.00648", "0.00598", "0.00402", "1.702", "1.70" },
            "1.70", "0.8000", 1.70201322 },
        { { "0.750", "1.50", "3.50", "0.4286", "0.5684", "3.3333", "0.5663", "1.3163", "0.0186",
              "0.00774", "0.00711", "0.00289", "6.423", "8.12" },
            "8.12", "0.7500", 8.124944812 },
        { { "0.70", "1.40", "3.40", "0.4118", "0.5535", "3.5714", "0.6501", "1.3501", "0.0338",
              "0.00937", "0.00855", "0.00145", "23.349", "31.47" },
            "31.47", "0.7000", 31.47379579 } } };

class PruebaCrdirtra : public PruebaVentanas {
protected:
    QWidget* w = nullptr;
    void SetUp() override
    {
        PruebaVentanas::SetUp();
        w = Abrir("crdirtra");
    }
    void Datos(const PerfilDirecto& p)
    {
        const char* cajas[] = { "q", "b", "z", "s", "n", "y1", "y2", "nt" };
        const char* valores[] = { p.q, p.b, p.z, p.s, p.n, p.y1, p.y2, p.nt };
        for (int i = 0; i < 8; ++i)
            Escribir(w, cajas[i], valores[i]);
    }
};

} // namespace

TEST_F(PruebaCrdirtra, OpensWithItsFourteenHeadersAndTwoHundredRows)
{
    const char* cabeceras[] = { "y", "A", "p", "R", "R^(2/3)", "v", "v^2/2g", "E", "deltaE", "Se",
        "SeP", "So-SeP", "deltax", "x" };
    for (int c = 0; c < 14; ++c)
        EXPECT_EQ(Celda(w, "grdTablaP", 0, c), cabeceras[c]);
    EXPECT_EQ(Celda(w, "g", 0, 1), "y");
    EXPECT_EQ(FilasDe(w, "grdTablaP"), 200);
    EXPECT_EQ(Hallar<TablaResultados>(w, "grdTablaP")->columnWidth(13), 795 / 15);
    EXPECT_FALSE(Hallar<GraficoLineas>(w, "Graph1")->isVisible());
    EXPECT_EQ(
        Hallar<GraficoLineas>(w, "Graph1")->Titulo(), "Curva de Remanso Método Directo por Tramos");
}

class PerfilesCrdirtra : public PruebaCrdirtra,
                         public ::testing::WithParamInterface<PerfilDirecto> { };

TEST_P(PerfilesCrdirtra, EveryCellAndGraphPointMatchesTheWorkedProfile)
{
    const auto& p = GetParam();
    Datos(p);
    Pulsar(w, "bCalcular");
    EXPECT_TRUE(grabadora.mensajes.empty());
    const int filas = static_cast<int>(p.filas.size());
    EXPECT_EQ(FilasDe(w, "grdTablaP"), filas + 1);
    for (int i = 1; i <= filas; ++i) {
        const auto& e = p.filas[i - 1];
        for (int c = 0; c < 14; ++c)
            EXPECT_EQ(Celda(w, "grdTablaP", i, c), e.parcial[c])
                << p.nombre << " row " << i << " column " << c;
        EXPECT_EQ(Celda(w, "g", i, 0), e.x) << p.nombre << " row " << i;
        EXPECT_EQ(Celda(w, "g", i, 1), e.y) << p.nombre << " row " << i;
    }
    const auto puntos = Hallar<GraficoLineas>(w, "Graph1")->Puntos();
    ASSERT_EQ(puntos.size(), filas);
    for (int i = 0; i < filas; ++i)
        EXPECT_NEAR(puntos[i].x(), p.filas[i].puntoX, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Perfiles, PerfilesCrdirtra, ::testing::Values(kM1, kM2, kS2),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(PruebaCrdirtra, DepthOfZeroAreaInTheRangeWritesNothing)
{
    // 0.5, 0, −0.5: the middle section has no area, v = Q/0.
    Datos(kM1);
    Escribir(w, "y1", "0.5");
    Escribir(w, "y2", "-0.5");
    Escribir(w, "nt", "2");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.ultimoMensaje(),
        "Los datos ingresados no permiten realizar el cálculo, revise los datos");
    EXPECT_EQ(Celda(w, "grdTablaP", 1, 0), "");
    EXPECT_FALSE(Hallar<GraficoLineas>(w, "Graph1")->isVisible());
}

TEST_F(PruebaCrdirtra, CountsBeyondThePointsAreRefusedAndTheLimitIsComputed)
{
    Datos(kM1);
    Escribir(w, "nt", "151");
    Pulsar(w, "bCalcular");
    EXPECT_EQ(FilasDe(w, "g"), 153);
    Escribir(w, "nt", "152");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.ultimoMensaje(),
        "Ingresar para el número de tramos, un valor mayor que cero, o menor que 151 ");
    EXPECT_EQ(FilasDe(w, "g"), 153);
}

TEST_F(PruebaCrdirtra, ClearingLeavesHeadersOverTheLastRowCount)
{
    Datos(kS2);
    Pulsar(w, "bCalcular");
    SeleccionarCeldas(w, "grdTablaP", 2, 12, 3, 13);
    Pulsar(w, "bResulParciales");
    EXPECT_EQ(grabadora.portapapeles, "1.702\t1.70\r6.423\t8.12");
    Pulsar(w, "bLimpiar");
    EXPECT_EQ(FilasDe(w, "grdTablaP"), 5);
    EXPECT_EQ(Celda(w, "grdTablaP", 0, 12), "deltax");
}

} // namespace
