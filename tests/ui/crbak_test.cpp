// The Bakhmeteff profile window, driven as a user drives it. The expected cells
// were worked out apart from the program: Chow's exponents by hand, the
// varied-flow function below 0.999 from its power series Σ w^(kN+1)/(kN+1) (not
// by Romberg) and above it from its 60 terms, with the exponent rounded to single
// precision, and every value written through its mask by the mask rule.

#include <vector>

#include "conductor.h"

namespace {

namespace {

struct FilaBak {
    std::vector<const char*> parcial;
    const char* x;
    const char* y;
    double puntoX;
};

struct PerfilBak {
    const char* nombre;
    const char *q, *b, *z, *s, *yn, *yc, *y1, *y2, *nt;
    const char *N, *M, *J;
    std::vector<FilaBak> filas;
};

// Trapezoid b = 3, Z = 1.5, S = 0.0008 with yn = 1.45 and yc = 0.89.
const PerfilBak kM1 { "M1", "10", "3", "1.5", "0.0008", "1.45", "0.89", "2.5", "1.8", "5", "4.0989",
    "3.8717", "3.3399",
    { { { "2.50", "1.7241", "1.9513", "0.0626", "0.0937", "3032.4103", "0.0" }, "0.0", "2.5000",
          0 },
        { { "2.360", "1.6276", "1.8181", "0.0759", "0.1120", "2837.4329", "194.98" }, "194.98",
            "2.3600", 194.9773796 },
        { { "2.220", "1.5310", "1.6866", "0.0935", "0.1360", "2635.8576", "396.55" }, "396.55",
            "2.2200", 396.5527101 },
        { { "2.080", "1.4345", "1.5571", "0.1176", "0.1683", "2424.3331", "608.08" }, "608.08",
            "2.0800", 608.0771807 },
        { { "1.940", "1.3379", "1.4294", "0.1523", "0.2141", "2196.7806", "835.63" }, "835.63",
            "1.9400", 835.6296985 },
        { { "1.80", "1.2414", "1.3039", "0.2056", "0.2834", "1940.5966", "1091.81" }, "1091.81",
            "1.8000", 1091.81371 } } };

const PerfilBak kM2 { "M2", "10", "3", "1.5", "0.0008", "1.45", "0.89", "1.35", "1", "5", "3.7863",
    "3.5700", "3.1129",
    { { { "1.350", "0.9310", "0.9168", "1.2317", "1.2660", "-214.7395", "0.0" }, "0.0", "1.3500",
          0 },
        { { "1.280", "0.8828", "0.8593", "1.0724", "1.0762", "-63.0403", "151.70" }, "151.70",
            "1.2800", 151.6992176 },
        { { "1.210", "0.8345", "0.8024", "0.9615", "0.9456", "16.5364", "231.28" }, "231.28",
            "1.2100", 231.2758914 },
        { { "1.140", "0.7862", "0.7463", "0.8732", "0.8429", "62.3084", "277.05" }, "277.05",
            "1.1400", 277.0478647 },
        { { "1.070", "0.7379", "0.6910", "0.7978", "0.7565", "88.7792", "303.52" }, "303.52",
            "1.0700", 303.5187436 },
        { { "1.0", "0.6897", "0.6364", "0.7308", "0.6807", "103.0439", "317.78" }, "317.78",
            "1.0000", 317.7834035 } } };

// Steep rectangle b = 2, S = 0.01 with yn = 0.684 and yc = 0.86: M = 3 exactly.
const PerfilBak kS2 { "S2", "5", "2", "0", "0.01", "0.684", "0.86", "0.85", "0.75", "4", "2.7407",
    "3.0000", "3.7000",
    { { { "0.850", "1.2427", "1.1746", "0.5275", "0.3294", "109.3687", "0.0" }, "0.0", "0.8500",
          0 },
        { { "0.8250", "1.2061", "1.1489", "0.5769", "0.3641", "109.8635", "0.49" }, "0.49",
            "0.8250", 0.494797534 },
        { { "0.80", "1.1696", "1.1230", "0.6377", "0.4072", "111.1138", "1.75" }, "1.75", "0.8000",
            1.745076501 },
        { { "0.7750", "1.1330", "1.0969", "0.7157", "0.4629", "113.5027", "4.13" }, "4.13",
            "0.7750", 4.134061749 },
        { { "0.750", "1.0965", "1.0706", "0.8221", "0.5395", "117.7905", "8.42" }, "8.42", "0.7500",
            8.421791155 } } };

const QString kMensajeYn = "Yreal = Yn, esto no debe ocurrir.Yreal debe ser 2% mayor o menor que "
                           "Yn.es decir: Yreal=.98Yn ó Yreal=1.02Yn";

class PruebaCrbak : public PruebaVentanas {
protected:
    QWidget* w = nullptr;
    void SetUp() override
    {
        PruebaVentanas::SetUp();
        w = Abrir("crbak");
    }
    void Datos(const PerfilBak& p)
    {
        const char* cajas[] = { "q", "b", "z", "s", "yn", "yc", "y1", "y2", "nt" };
        const char* valores[] = { p.q, p.b, p.z, p.s, p.yn, p.yc, p.y1, p.y2, p.nt };
        for (int i = 0; i < 9; ++i)
            Escribir(w, cajas[i], valores[i]);
        grabadora.mensajes.clear();
    }
};

} // namespace

TEST_F(PruebaCrbak, OpensWithItsSevenHeadersAndEmptyExponents)
{
    const char* cabeceras[] = { "y", "u=y/yn", "v=u^(N/J)", "F(u,N)", "F(v,J)", "deltax", "x" };
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(Celda(w, "grdTablaP", 0, c), cabeceras[c]);
    EXPECT_EQ(FilasDe(w, "grdTablaP"), 200);
    EXPECT_EQ(Leer(w, "nn"), "");
    EXPECT_EQ(
        Hallar<GraficoLineas>(w, "Graph1")->Titulo(), "Curva de Remanso Método de Bakhmeteff");
}

class PerfilesCrbak : public PruebaCrbak, public ::testing::WithParamInterface<PerfilBak> { };

TEST_P(PerfilesCrbak, ExponentsCellsAndGraphMatchTheWorkedProfile)
{
    const auto& p = GetParam();
    Datos(p);
    Pulsar(w, "bCalcular");
    EXPECT_TRUE(grabadora.mensajes.empty());
    EXPECT_EQ(Leer(w, "nn"), p.N);
    EXPECT_EQ(Leer(w, "mm"), p.M);
    EXPECT_EQ(Leer(w, "jjj"), p.J);
    const int filas = static_cast<int>(p.filas.size());
    EXPECT_EQ(FilasDe(w, "grdTablaP"), filas + 1);
    for (int i = 1; i <= filas; ++i) {
        const auto& e = p.filas[i - 1];
        for (int c = 0; c < 7; ++c)
            EXPECT_EQ(Celda(w, "grdTablaP", i, c), e.parcial[c])
                << p.nombre << " row " << i << " column " << c;
        EXPECT_EQ(Celda(w, "g", i, 0), e.x) << p.nombre << " row " << i;
        EXPECT_EQ(Celda(w, "g", i, 1), e.y) << p.nombre << " row " << i;
    }
    const auto puntos = Hallar<GraficoLineas>(w, "Graph1")->Puntos();
    ASSERT_EQ(puntos.size(), filas);
    for (int i = 0; i < filas; ++i)
        EXPECT_NEAR(puntos[i].x(), p.filas[i].puntoX, 1e-3);
    EXPECT_EQ(TextoDeEstado(w), "Espere calculando ...");
}

INSTANTIATE_TEST_SUITE_P(Perfiles, PerfilesCrbak, ::testing::Values(kM1, kM2, kS2),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(PruebaCrbak, TriangleGivesTheFixedExponents)
{
    PerfilBak t = kM1;
    t.b = "0";
    Datos(t);
    Pulsar(w, "bCalcular");
    EXPECT_EQ(Leer(w, "nn"), "5.3333");
    EXPECT_EQ(Leer(w, "mm"), "5.0000");
    EXPECT_EQ(Leer(w, "jjj"), "4.0000");
}

TEST_F(PruebaCrbak, DepthEqualToTheNormalDepthShowsTheJoinedMessageOnceAndWritesNothing)
{
    Datos(kM1);
    Pulsar(w, "bCalcular");
    // y1 = yn: refused before the exponents are written.
    Escribir(w, "y1", "1.45");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.ultimoMensaje(), kMensajeYn);
    EXPECT_EQ(grabadora.pitidos, 0);
    EXPECT_EQ(Leer(w, "nn"), "4.0989"); // the previous results stay
    EXPECT_EQ(Celda(w, "grdTablaP", 6, 6), "1091.81");
    // A later depth of the range equal to yn: 1.0, 1.45.
    Escribir(w, "y1", "1");
    Escribir(w, "y2", "1.45");
    Escribir(w, "nt", "1");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.ultimoMensaje(), kMensajeYn);
    EXPECT_EQ(FilasDe(w, "grdTablaP"), 7);
}

TEST_F(PruebaCrbak, ChecksAndCountLimit)
{
    for (const char* caja : { "q", "s", "yn", "yc", "y1", "y2", "nt" }) {
        Datos(kM1);
        Escribir(w, caja, caja == QString("nt") ? "0.4" : "");
        grabadora.mensajes.clear();
        Pulsar(w, "bCalcular");
        ASSERT_EQ(grabadora.mensajes.size(), 1u) << caja;
        EXPECT_EQ(grabadora.ultimoMensaje(),
            "Complete adecuadamente el ingreso los datos, antes de ejecutar");
    }
    Datos(kM1);
    Escribir(w, "b", "0");
    Escribir(w, "z", "0");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.ultimoMensaje(),
        "Los valores de b y Z no pueden ser simultáneamente iguales a cero");
    Datos(kM1);
    Escribir(w, "nt", "152");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.ultimoMensaje(),
        "Ingresar para el número de tramos, un valor mayor que cero, o menor que 151 ");
    EXPECT_EQ(Leer(w, "nn"), "");
    Escribir(w, "nt", "151");
    Pulsar(w, "bCalcular");
    EXPECT_EQ(FilasDe(w, "g"), 153);
}

TEST_F(PruebaCrbak, NegativeDepthHasNoVariedFlowFunction)
{
    Datos(kM1);
    Escribir(w, "y2", "-1");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.ultimoMensaje(),
        "Los datos ingresados no permiten realizar el cálculo, revise los datos");
    EXPECT_EQ(Leer(w, "nn"), "");
}

TEST_F(PruebaCrbak, ClearingKeepsTheRowCountAndHidesTheGraph)
{
    Datos(kS2);
    Pulsar(w, "bCalcular");
    SeleccionarCeldas(w, "grdTablaP", 1, 0, 1, 2);
    Pulsar(w, "bResulParciales");
    EXPECT_EQ(grabadora.portapapeles, "0.850\t1.2427\t1.1746");
    Pulsar(w, "bLimpiar");
    EXPECT_EQ(Celda(w, "grdTablaP", 0, 1), "u=y/yn");
    EXPECT_EQ(FilasDe(w, "g"), 6);
    EXPECT_FALSE(Hallar<GraficoLineas>(w, "Graph1")->isVisible());
}

TEST_F(PruebaCrbak, SideSlopeWritesItsStatusTextAlsoWhenLeft)
{
    Hallar<QLineEdit>(w, "z")->setFocus();
    MoverRaton(w, "bImprimir");
    EXPECT_EQ(TextoDeEstado(w), "Realiza la impresión de la pantalla");
    Hallar<QLineEdit>(w, "s")->setFocus();
    // Leaving z writes its text; then s takes the focus and writes its own.
    EXPECT_EQ(TextoDeEstado(w), "Ingresar el valor de la pendiente del canal");
    Hallar<QLineEdit>(w, "z")->setFocus();
    QApplication::focusWidget()->clearFocus();
    EXPECT_EQ(TextoDeEstado(w),
        "Ingresar el valor del talud, para taludes diferentes ingresar su promedio");
}

} // namespace
