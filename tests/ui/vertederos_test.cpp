// The weir window driven as a user drives it.

#include <QLabel>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include "conductor.h"
#include "measurement/dibujos_medicion.h"

using namespace quelmora;

namespace {

namespace {

const QString kTituloError = QStringLiteral("Error de ingreso de datos");
const QString kCargaMenor
    = QStringLiteral("Ingresar un valor mayor para la carga sobre el vertedero");

class Vertederos : public PruebaVentanas {
protected:
    QWidget* w = nullptr;
    void SetUp() override
    {
        PruebaVentanas::SetUp();
        w = Abrir("frmVertederos");
    }
    void Pagina(int i)
    {
        auto* pestanas = Hallar<QTabWidget>(w, "SSTab1");
        QTest::mouseClick(
            pestanas->tabBar(), Qt::LeftButton, {}, pestanas->tabBar()->tabRect(i).center());
    }
    void Llenar(std::initializer_list<std::pair<const char*, const char*>> cajas)
    {
        for (const auto& [caja, texto] : cajas)
            Escribir(w, caja, texto);
    }
    bool Elegida(const char* opcion) { return Hallar<QRadioButton>(w, opcion)->isChecked(); }
    QImage Cresta() { return Hallar<QLabel>(w, "picTipoVertedero")->pixmap().toImage(); }
};

TEST_F(Vertederos, OpensOnTheRectangularPageWithItsDefaults)
{
    auto* pestanas = Hallar<QTabWidget>(w, "SSTab1");
    EXPECT_EQ(pestanas->tabText(0), "Vetedero rectangular");
    EXPECT_EQ(pestanas->tabText(1), "Vertedero triangular");
    EXPECT_EQ(pestanas->tabText(2), "Vertedero trapezoidal");
    EXPECT_EQ(Leer(w, "txtn"), "0");
    EXPECT_EQ(Leer(w, "txtCd"), "1.84");
    EXPECT_TRUE(Elegida("OptAguda"));
    EXPECT_EQ(Cresta(), DibujoCresta(1).toImage());
    EXPECT_EQ(Leer(w, "txtCdtri"), "1.4");
    EXPECT_TRUE(Elegida("opta90"));
}

// The option tables as the form gives them: caption, top-to-bottom order, and
// the coefficient text each option writes into its page's box.
TEST_F(Vertederos, EachOptionHasItsCaptionAndWritesItsCoefficient)
{
    const struct {
        int pagina;
        const char* opcion;
        const char* titulo;
        const char* caja;
        const char* coeficiente;
    } opciones[] = {
        { 0, "OptAguda", "Cresta aguda", "txtCd", "1.84" },
        { 0, "OptCreager", "Perfil Creager", "txtCd", "2" },
        { 0, "OptAncha", "Cresta ancha", "txtCd", "1.45" },
        { 1, "opta15", "15º", "txtCdtri", "0.206" },
        { 1, "opta30", "30º", "txtCdtri", "0.392" },
        { 1, "opta45", "45º", "txtCdtri", "0.596" },
        { 1, "opta60", "60º", "txtCdtri", "0.819" },
        { 1, "opta90", "90º", "txtCdtri", "1.4" },
        { 1, "opta120", "120º", "txtCdtri", "2.465" },
    };
    int pagina = -1, arriba = 0;
    for (const auto& o : opciones) {
        SCOPED_TRACE(o.opcion);
        Pagina(o.pagina);
        auto* opcion = Hallar<QRadioButton>(w, o.opcion);
        EXPECT_EQ(opcion->text(), QString::fromUtf8(o.titulo));
        if (o.pagina == pagina) {
            EXPECT_GT(opcion->y(), arriba);
        }
        pagina = o.pagina;
        arriba = opcion->y();
        Escribir(w, o.caja, "9");
        Pulsar(w, o.opcion);
        EXPECT_EQ(Leer(w, o.caja), o.coeficiente);
    }
}

// Q = Cd·(L − 0.1·n·h)·h^1.5 by hand.
TEST_F(Vertederos, RectangularSharpCrest)
{
    Llenar({ { "txtL", "2" }, { "txth", "0.3" }, { "txtn", "2" } });
    Pulsar(w, "bCalcularC");
    EXPECT_EQ(Leer(w, "txtQm"), "0.5865");
    EXPECT_EQ(Leer(w, "txtQl"), "586.5451");
    Llenar({ { "txtn", "0" } });
    Pulsar(w, "bCalcularC");
    EXPECT_EQ(Leer(w, "txtQm"), "0.6047");
    EXPECT_EQ(Leer(w, "txtQl"), "604.6857");
}

TEST_F(Vertederos, CreagerProfileWritesItsCoefficientAndPicture)
{
    Pulsar(w, "OptCreager");
    EXPECT_EQ(Leer(w, "txtCd"), "2");
    EXPECT_EQ(Cresta(), DibujoCresta(2).toImage());
    Llenar({ { "txtL", "3" }, { "txth", "0.5" }, { "txtn", "1" } });
    Pulsar(w, "bCalcularC");
    EXPECT_EQ(Leer(w, "txtQm"), "2.086");
    EXPECT_EQ(Leer(w, "txtQl"), "2085.965");
}

TEST_F(Vertederos, ClickingTheSelectedOptionAgainRewritesTheCoefficient)
{
    Llenar({ { "txtCd", "1.7" } });
    Pulsar(w, "OptAguda");
    EXPECT_EQ(Leer(w, "txtCd"), "1.84");
    Pulsar(w, "OptAncha");
    EXPECT_EQ(Leer(w, "txtCd"), "1.45");
    EXPECT_EQ(Cresta(), DibujoCresta(3).toImage());
}

TEST_F(Vertederos, NegativeEffectiveLengthIsWrittenWithoutAMessage)
{
    Llenar({ { "txtL", "0.05" }, { "txth", "0.3" }, { "txtn", "2" } });
    Pulsar(w, "bCalcularC");
    EXPECT_TRUE(grabadora.mensajes.empty());
    EXPECT_EQ(Leer(w, "txtQm"), "-0.003");
    EXPECT_EQ(Leer(w, "txtQl"), "-3.0234");
}

TEST_F(Vertederos, OnlyTheCrestLengthIsReportedWhenTwoBoxesAreEmpty)
{
    Pulsar(w, "bCalcularC");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto,
        "Ingresar un valor adecuado para la longitud de la cresta del vertedero");
    EXPECT_EQ(grabadora.mensajes[0].titulo, kTituloError);
    EXPECT_EQ(grabadora.mensajes[0].icono, IconoMensaje::Informacion);
    EXPECT_EQ(NombreDelFoco(), "txtL");
    Llenar({ { "txtL", "2" } });
    Pulsar(w, "bCalcularC");
    EXPECT_EQ(
        grabadora.ultimoMensaje(), "Ingresar un valor adecuado para la carga sobre el vertedero");
    Llenar({ { "txth", "0.3" }, { "txtCd", "" } });
    Pulsar(w, "bCalcularC");
    EXPECT_EQ(grabadora.ultimoMensaje(),
        "Ingresar un valor adecuado para el valor del coeficiente de descarga");
    EXPECT_EQ(NombreDelFoco(), "txtCd");
}

TEST_F(Vertederos, EnterSelectsTheDefaultsItMovesTo)
{
    Tecla(Qt::Key_Return);
    EXPECT_EQ(NombreDelFoco(), "txth");
    Tecla(Qt::Key_Return);
    EXPECT_EQ(NombreDelFoco(), "txtn");
    EXPECT_EQ(Hallar<QLineEdit>(w, "txtn")->selectedText(), "0");
    Tecla(Qt::Key_Return);
    EXPECT_EQ(NombreDelFoco(), "txtCd");
    EXPECT_EQ(Hallar<QLineEdit>(w, "txtCd")->selectedText(), "1.84");
    Tecla(Qt::Key_Return);
    EXPECT_EQ(NombreDelFoco(), "bCalcularC");
}

// Q = Cd·h^2.5 by hand.
TEST_F(Vertederos, TriangularAtAndBelowTheMinimumHead)
{
    Pagina(1);
    EXPECT_EQ(NombreDelFoco(), "txthtri");
    Llenar({ { "txthtri", "0.14" } });
    Pulsar(w, "bCalcularO");
    EXPECT_EQ(Leer(w, "txtQmo"), "0.01");
    EXPECT_EQ(Leer(w, "txtQlo"), "10.267");
    Llenar({ { "txthtri", "0.13" } });
    Pulsar(w, "bCalcularO");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, kCargaMenor);
    EXPECT_EQ(grabadora.mensajes[0].titulo, kTituloError);
    EXPECT_EQ(NombreDelFoco(), "txthtri");
    EXPECT_EQ(Leer(w, "txtQlo"), "10.267");
}

TEST_F(Vertederos, TypedCoefficientHasNoMinimumUnlessItReadsAsATabulatedOne)
{
    Pagina(1);
    Llenar({ { "txthtri", "0.05" }, { "txtCdtri", "1.38" } });
    Pulsar(w, "bCalcularO");
    EXPECT_EQ(Leer(w, "txtQmo"), "0.001");
    EXPECT_EQ(Leer(w, "txtQlo"), "0.771");
    Llenar({ { "txtCdtri", "1.40" } });
    Pulsar(w, "bCalcularO");
    EXPECT_EQ(grabadora.ultimoMensaje(), kCargaMenor);
}

TEST_F(Vertederos, AngleOptionReplacesATypedCoefficient)
{
    Pagina(1);
    Llenar({ { "txtCdtri", "1.1" } });
    Pulsar(w, "opta45");
    EXPECT_EQ(Leer(w, "txtCdtri"), "0.596");
    Llenar({ { "txtCdtri", "0.5" }, { "txthtri", "0.3" } });
    EXPECT_TRUE(Elegida("opta45"));
    Pulsar(w, "bCalcularO");
    // 0.5 · 0.3^2.5 = 0.024648
    EXPECT_EQ(Leer(w, "txtQmo"), "0.025");
    EXPECT_EQ(Leer(w, "txtQlo"), "24.648");
}

// Mended: a head with no real power draws the failure message instead of nan,
// except that a tabulated coefficient's minimum comes first.
TEST_F(Vertederos, NegativeHeads)
{
    Llenar({ { "txtL", "2" }, { "txth", "-0.3" } });
    Pulsar(w, "bCalcularC");
    EXPECT_EQ(grabadora.ultimoMensaje(), kMensajeCalculoImposible);
    EXPECT_EQ(Leer(w, "txtQm"), "");
    Pagina(1);
    Llenar({ { "txthtri", "-0.3" } });
    Pulsar(w, "bCalcularO");
    EXPECT_EQ(grabadora.ultimoMensaje(), kCargaMenor);
    Llenar({ { "txtCdtri", "1.5" } });
    Pulsar(w, "bCalcularO");
    EXPECT_EQ(grabadora.ultimoMensaje(), kMensajeCalculoImposible);
    EXPECT_EQ(Leer(w, "txtQmo"), "");
    Pagina(2);
    Llenar({ { "txtLt", "1" }, { "txtHt", "-0.2" } });
    Pulsar(w, "bCalcularT");
    EXPECT_EQ(grabadora.ultimoMensaje(), kMensajeCalculoImposible);
    EXPECT_EQ(Leer(w, "txtQmt"), "");
}

// Q = 1.859·L·h^1.5 by hand.
TEST_F(Vertederos, Trapezoidal)
{
    Pagina(2);
    EXPECT_EQ(NombreDelFoco(), "txtLt");
    Pulsar(w, "bCalcularT");
    EXPECT_EQ(grabadora.ultimoMensaje(),
        "Ingresar un valor adecuado para la longitud de cresta del vertedero");
    Llenar({ { "txtLt", "1" }, { "txtHt", "0.2" } });
    Pulsar(w, "bCalcularT");
    EXPECT_EQ(Leer(w, "txtQmt"), "0.166");
    EXPECT_EQ(Leer(w, "txtQlt"), "166.274");
}

TEST_F(Vertederos, SwitchingPagesKeepsTheResults)
{
    Llenar({ { "txtL", "2" }, { "txth", "0.3" } });
    Pulsar(w, "bCalcularC");
    Pagina(2);
    Pagina(0);
    EXPECT_EQ(NombreDelFoco(), "txtL");
    EXPECT_EQ(Leer(w, "txtQm"), "0.6047");
}

TEST_F(Vertederos, ClearingEachPageRestoresItsDefaultsOnly)
{
    Pulsar(w, "OptAncha");
    Llenar({ { "txtL", "2" }, { "txth", "0.3" }, { "txtn", "1" } });
    Pulsar(w, "bCalcularC");
    Pagina(1);
    Pulsar(w, "opta30");
    Llenar({ { "txthtri", "0.3" } });
    Pulsar(w, "bCalcularO");
    Pulsar(w, "bLimpiarO");
    EXPECT_EQ(Leer(w, "txthtri"), "");
    EXPECT_EQ(Leer(w, "txtQmo"), "");
    EXPECT_EQ(Leer(w, "txtCdtri"), "1.4");
    EXPECT_TRUE(Elegida("opta90"));
    Pagina(0);
    EXPECT_EQ(Leer(w, "txtCd"), "1.45");
    EXPECT_FALSE(Leer(w, "txtQm").isEmpty());
    Pulsar(w, "bLimpiarC");
    EXPECT_EQ(Leer(w, "txtCd"), "1.84");
    EXPECT_TRUE(Elegida("OptAguda"));
    EXPECT_EQ(Cresta(), DibujoCresta(1).toImage());
}

struct CasoVertedero {
    const char* nombre;
    int pagina;
    const char* opcion; // clicked before typing, or nullptr
    std::vector<std::pair<const char*, const char*>> datos;
    const char* calcular;
    const char* metros;
    const char* caudal;
    const char* litros;
    const char* caudalLitros;
};

class VertederoCalculado : public Vertederos,
                           public ::testing::WithParamInterface<CasoVertedero> { };

// Expected values worked out apart from the window, in double precision.
TEST_P(VertederoCalculado, WritesBothDischarges)
{
    const CasoVertedero& c = GetParam();
    Pagina(c.pagina);
    if (c.opcion)
        Pulsar(w, c.opcion);
    for (const auto& [caja, texto] : c.datos)
        Escribir(w, caja, texto);
    Pulsar(w, c.calcular);
    EXPECT_TRUE(grabadora.mensajes.empty());
    EXPECT_EQ(Leer(w, c.metros), c.caudal);
    EXPECT_EQ(Leer(w, c.litros), c.caudalLitros);
}

INSTANTIATE_TEST_SUITE_P(Tabla, VertederoCalculado,
    ::testing::Values(
        // 1.45 · (1.5 − 0.1·1·0.25) · 0.25^1.5 = 0.26734375
        CasoVertedero { "BroadCrestOneContraction", 0, "OptAncha",
            { { "txtL", "1.5" }, { "txth", "0.25" }, { "txtn", "1" } }, "bCalcularC", "txtQm",
            "0.2673", "txtQl", "267.3438" },
        // 0.819 · 0.17^2.5 = 0.00975942: at the 60º minimum head exactly
        CasoVertedero { "SixtyDegreesAtItsMinimumHead", 1, "opta60", { { "txthtri", "0.17" } },
            "bCalcularO", "txtQmo", "0.01", "txtQlo", "9.759" },
        // 2.465 · 0.3^2.5 = 0.12151222
        CasoVertedero { "HundredTwentyDegrees", 1, "opta120", { { "txthtri", "0.3" } },
            "bCalcularO", "txtQmo", "0.122", "txtQlo", "121.512" },
        // 1.859 · 0.8 · 0.15^1.5 = 0.08639883
        CasoVertedero { "TrapezoidalSmallHead", 2, nullptr,
            { { "txtLt", "0.8" }, { "txtHt", "0.15" } }, "bCalcularT", "txtQmt", "0.086", "txtQlt",
            "86.399" }),
    [](const ::testing::TestParamInfo<CasoVertedero>& info) {
        return std::string(info.param.nombre);
    });

TEST_F(Vertederos, ClickingTheSelectedAngleAgainRewritesTheCoefficient)
{
    Pagina(1);
    Llenar({ { "txtCdtri", "1.1" } });
    Pulsar(w, "opta90");
    EXPECT_EQ(Leer(w, "txtCdtri"), "1.4");
    EXPECT_TRUE(Elegida("opta90"));
}

// A failed calculation leaves the focus where the click left it.
TEST_F(Vertederos, NumericFailureMovesNoFocus)
{
    Pagina(2);
    Llenar({ { "txtLt", "1" }, { "txtHt", "0.2" } });
    Pulsar(w, "bCalcularT");
    Llenar({ { "txtHt", "-1" } });
    Hallar<QWidget>(w, "bCalcularT")->setFocus();
    Pulsar(w, "bCalcularT");
    EXPECT_EQ(grabadora.ultimoMensaje(), kMensajeCalculoImposible);
    EXPECT_EQ(grabadora.mensajes.back().titulo, "Quelmora");
    EXPECT_EQ(NombreDelFoco(), "bCalcularT");
    EXPECT_EQ(Leer(w, "txtQlt"), "166.274");
}

TEST_F(Vertederos, EnterSelectsTheTriangularCoefficient)
{
    Pagina(1);
    Tecla(Qt::Key_Return);
    EXPECT_EQ(NombreDelFoco(), "txtCdtri");
    EXPECT_EQ(Hallar<QLineEdit>(w, "txtCdtri")->selectedText(), "1.4");
}

} // namespace

} // namespace
