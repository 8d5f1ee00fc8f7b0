// The gate and orifice window driven as a user drives it.

#include <QComboBox>
#include <QTabBar>
#include <QTabWidget>

#include "conductor.h"

namespace {

namespace {

const QString kTituloError = QStringLiteral("Error de ingreso de datos");

class Compuerta : public PruebaVentanas {
protected:
    QWidget* w = nullptr;
    void SetUp() override
    {
        PruebaVentanas::SetUp();
        w = Abrir("frmCompuerta");
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
    QComboBox* cboCd() { return Hallar<QComboBox>(w, "cboCd"); }
    void TeclearCoeficiente(const QString& texto)
    {
        cboCd()->setFocus();
        cboCd()->lineEdit()->selectAll();
        QTest::keyClicks(cboCd()->lineEdit(), texto);
    }
};

TEST_F(Compuerta, OpensOnTheGatePageWithTheDefaults)
{
    auto* pestanas = Hallar<QTabWidget>(w, "SSTab1");
    EXPECT_EQ(pestanas->tabText(0), "Compuerta");
    EXPECT_EQ(pestanas->tabText(1), "Orificio");
    EXPECT_EQ(Leer(w, "txtCc"), "0.62");
    EXPECT_EQ(cboCd()->currentText(), "0.60");
    EXPECT_EQ(cboCd()->count(), 3);
}

// Expected values by hand: Cv = 0.96 + 0.079a/y1, Cd = Cv·Cc/√(1 + Cc·a/y1),
// Q = Cd·b·a·√(19.62·y1).
TEST_F(Compuerta, GateInFreeOutflow)
{
    Llenar({ { "txtb", "2" }, { "txty1", "1.5" }, { "txta", "0.3" } });
    Pulsar(w, "bCalcularC");
    EXPECT_EQ(Leer(w, "txtCv"), "0.9758");
    EXPECT_EQ(Leer(w, "txtCd"), "0.5706");
    EXPECT_EQ(Leer(w, "txtQm"), "1.8574");
    EXPECT_EQ(Leer(w, "txtQl"), "1857.444");
    EXPECT_TRUE(grabadora.mensajes.empty());
}

TEST_F(Compuerta, ClosedGateGivesNoFlow)
{
    Llenar({ { "txtb", "3" }, { "txty1", "2" }, { "txta", "0" } });
    Pulsar(w, "bCalcularC");
    EXPECT_EQ(Leer(w, "txtCv"), "0.96");
    EXPECT_EQ(Leer(w, "txtCd"), "0.5952");
    EXPECT_EQ(Leer(w, "txtQm"), "0.0");
    EXPECT_EQ(Leer(w, "txtQl"), "0.0");
}

TEST_F(Compuerta, EmptiedCoefficientIsNotReported)
{
    Llenar({ { "txtb", "2" }, { "txty1", "1.5" }, { "txta", "0.3" }, { "txtCc", "" } });
    Pulsar(w, "bCalcularC");
    EXPECT_TRUE(grabadora.mensajes.empty());
    EXPECT_EQ(Leer(w, "txtCv"), "0.9758");
    EXPECT_EQ(Leer(w, "txtCd"), "0.0");
    EXPECT_EQ(Leer(w, "txtQm"), "0.0");
}

TEST_F(Compuerta, OnlyTheFirstEmptyBoxIsReported)
{
    Llenar({ { "txtb", "2" }, { "txty1", "1.5" }, { "txta", "0.3" } });
    Pulsar(w, "bCalcularC");
    Llenar({ { "txtb", "" }, { "txty1", "" } });
    Pulsar(w, "bCalcularC");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(
        grabadora.mensajes[0].texto, "Ingresar un valor adecuado para el ancho de la compuerta");
    EXPECT_EQ(grabadora.mensajes[0].titulo, kTituloError);
    EXPECT_EQ(grabadora.mensajes[0].icono, IconoMensaje::Informacion);
    EXPECT_EQ(grabadora.pitidos, 0);
    EXPECT_EQ(NombreDelFoco(), "txtb");
    EXPECT_EQ(Leer(w, "txtQm"), "1.8574");
}

TEST_F(Compuerta, EachEmptyBoxHasItsMessage)
{
    Llenar({ { "txtb", "2" } });
    Pulsar(w, "bCalcularC");
    EXPECT_EQ(grabadora.ultimoMensaje(), "Ingresar un valor adecuado para y1");
    EXPECT_EQ(NombreDelFoco(), "txty1");
    Llenar({ { "txty1", "1" } });
    Pulsar(w, "bCalcularC");
    EXPECT_EQ(
        grabadora.ultimoMensaje(), "Ingresar un valor adecuado para la abertura de la compuerta");
    EXPECT_EQ(NombreDelFoco(), "txta");
}

struct CasoSinValor {
    const char* y1;
    const char* a;
    const char* cc;
};

class CompuertaSinValorReal : public Compuerta,
                              public ::testing::WithParamInterface<CasoSinValor> { };

// Mended: y1 of 0, a negative y1 and 1 + Cc·a/y1 not above 0 have no real
// discharge; the window says so and leaves results and focus as they were.
TEST_P(CompuertaSinValorReal, ShowsTheFailureMessageAndWritesNothing)
{
    Llenar({ { "txtb", "2" }, { "txty1", "1.5" }, { "txta", "0.3" } });
    Pulsar(w, "bCalcularC");
    Llenar({ { "txty1", GetParam().y1 }, { "txta", GetParam().a }, { "txtCc", GetParam().cc } });
    Pulsar(w, "bCalcularC");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, kMensajeCalculoImposible);
    EXPECT_EQ(grabadora.mensajes[0].titulo, "Quelmora");
    EXPECT_EQ(NombreDelFoco(), "bCalcularC");
    EXPECT_EQ(Leer(w, "txtCv"), "0.9758");
    EXPECT_EQ(Leer(w, "txtQl"), "1857.444");
}

INSTANTIATE_TEST_SUITE_P(Tabla, CompuertaSinValorReal,
    ::testing::Values(CasoSinValor { "0", "0.3", "0.62" }, CasoSinValor { "-1.5", "0.3", "0.62" },
        CasoSinValor { "1", "-1", "1" }, CasoSinValor { "1", "-3", "0.62" },
        CasoSinValor { "1E300", "1E300", "0.62" }));

TEST_F(Compuerta, EnterOnlyMovesTheFocus)
{
    Hallar<QLineEdit>(w, "txta")->setFocus();
    Tecla(Qt::Key_Return);
    ASSERT_EQ(NombreDelFoco(), "txtCc");
    EXPECT_EQ(Hallar<QLineEdit>(w, "txtCc")->selectedText(), "");
    Tecla(Qt::Key_Return);
    EXPECT_EQ(NombreDelFoco(), "bCalcularC");
    EXPECT_EQ(Leer(w, "txtQm"), "");
    EXPECT_TRUE(grabadora.mensajes.empty());
}

// Q = Cd·A·√(19.62·h) by hand; the listed coefficients give the window's worked
// examples.
TEST_F(Compuerta, OrificeWithEachListedCoefficient)
{
    Pagina(1);
    Llenar({ { "txtao", "0.05" }, { "txtho", "2" } });
    Pulsar(w, "bCalcularO");
    EXPECT_EQ(Leer(w, "txtQmo"), "0.188");
    EXPECT_EQ(Leer(w, "txtQlo"), "187.926");
    cboCd()->setCurrentIndex(1);
    Pulsar(w, "bCalcularO");
    EXPECT_EQ(Leer(w, "txtQmo"), "0.257");
    EXPECT_EQ(Leer(w, "txtQlo"), "256.832");
    cboCd()->setCurrentIndex(2);
    Pulsar(w, "bCalcularO");
    EXPECT_EQ(Leer(w, "txtQmo"), "0.304");
    EXPECT_EQ(Leer(w, "txtQlo"), "303.813");
    EXPECT_EQ(
        Hallar<QLineEdit>(w, "txtQmo")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST_F(Compuerta, TypedCoefficientIsUsedAndNeverListed)
{
    Pagina(1);
    Llenar({ { "txtao", "0.05" }, { "txtho", "2" } });
    TeclearCoeficiente("0.7");
    Tecla(Qt::Key_Return);
    EXPECT_EQ(NombreDelFoco(), "bCalcularO");
    Pulsar(w, "bCalcularO");
    // 0.7 · 0.05 · √39.24 = 0.219246
    EXPECT_EQ(Leer(w, "txtQmo"), "0.219");
    EXPECT_EQ(Leer(w, "txtQlo"), "219.246");
    EXPECT_EQ(cboCd()->count(), 3);
}

TEST_F(Compuerta, OrificeEmptyBoxesAndNegativeHead)
{
    Pagina(1);
    Pulsar(w, "bCalcularO");
    EXPECT_EQ(grabadora.ultimoMensaje(), "Ingresar un valor adecuado para el área del orificio");
    EXPECT_EQ(NombreDelFoco(), "txtao");
    Llenar({ { "txtao", "0.05" } });
    Pulsar(w, "bCalcularO");
    EXPECT_EQ(grabadora.ultimoMensaje(), "Ingresar un valor adecuado para la carga en el orificio");
    EXPECT_EQ(NombreDelFoco(), "txtho");
    Llenar({ { "txtho", "-2" } });
    Pulsar(w, "bCalcularO");
    EXPECT_EQ(grabadora.ultimoMensaje(), kMensajeCalculoImposible);
    EXPECT_EQ(Leer(w, "txtQmo"), "");
}

TEST_F(Compuerta, CoefficientListWritesItsHelpOnFocusOnly)
{
    Pagina(1);
    Hallar<QLineEdit>(w, "txtao")->setFocus();
    MoverRaton(w, "cboCd");
    EXPECT_EQ(TextoDeEstado(w), "Ingresar el valor del área del orificio");
    cboCd()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(
        TextoDeEstado(w), "Ingresar el coeficiente de descarga, dependiendo del tipo del orificio");
}

TEST_F(Compuerta, ClearingTouchesOnlyItsPage)
{
    Llenar({ { "txtb", "2" }, { "txty1", "1.5" }, { "txta", "0.3" }, { "txtCc", "0.7" } });
    Pulsar(w, "bCalcularC");
    Pagina(1);
    Llenar({ { "txtao", "0.05" }, { "txtho", "2" } });
    cboCd()->setCurrentIndex(2);
    Pulsar(w, "bCalcularO");
    Pulsar(w, "bLimpiarO");
    EXPECT_EQ(Leer(w, "txtao"), "");
    EXPECT_EQ(Leer(w, "txtQlo"), "");
    EXPECT_EQ(cboCd()->currentText(), "0.60");
    EXPECT_EQ(Leer(w, "txtCc"), "0.7");
    EXPECT_FALSE(Leer(w, "txtQm").isEmpty());
}

TEST_F(Compuerta, SwitchingPagesKeepsBoth)
{
    Llenar({ { "txtb", "2" }, { "txty1", "1.5" }, { "txta", "0.3" } });
    Pulsar(w, "bCalcularC");
    Pagina(1);
    EXPECT_EQ(NombreDelFoco(), "txtao");
    Pagina(0);
    EXPECT_EQ(NombreDelFoco(), "txtb");
    EXPECT_EQ(Leer(w, "txtb"), "2");
    EXPECT_EQ(Leer(w, "txtQm"), "1.8574");
}

TEST_F(Compuerta, ResultBoxesAcceptTyping)
{
    Escribir(w, "txtQm", "a mano");
    EXPECT_EQ(Leer(w, "txtQm"), "a mano");
}

TEST_F(Compuerta, PicturesAndDataFramesLeaveAButtonLit)
{
    MoverRaton(w, "bCalcularC");
    ASSERT_TRUE(Resaltado(w, "bCalcularC"));
    MoverRaton(w, "Picture1");
    MoverRaton(w, "Frame1", { 3, 3 });
    MoverRaton(w, "Frame2", { 3, 3 });
    EXPECT_TRUE(Resaltado(w, "bCalcularC"));
    MoverRaton(w, "Frame7C", { 3, 3 });
    EXPECT_TRUE(Resaltado(w, "bCalcularC"));
    MoverRaton(w, "Frame3C", { 3, 3 });
    EXPECT_FALSE(Resaltado(w, "bCalcularC"));
}

// Worked out apart: Cv = 0.96 + 0.079·0.45/2.4 = 0.974813, Cd = Cv·0.61/√(1 + 0.61·0.45/2.4)
// = 0.563305, Q = Cd·1.2·0.45·√(19.62·2.4) = 2.087296.
TEST_F(Compuerta, GateWithATypedContractionCoefficient)
{
    Llenar({ { "txtb", "1.2" }, { "txty1", "2.4" }, { "txta", "0.45" }, { "txtCc", "0.61" } });
    Pulsar(w, "bCalcularC");
    EXPECT_EQ(Leer(w, "txtCv"), "0.9748");
    EXPECT_EQ(Leer(w, "txtCd"), "0.5633");
    EXPECT_EQ(Leer(w, "txtQm"), "2.0873");
    EXPECT_EQ(Leer(w, "txtQl"), "2087.2964");
    // 0.65 · 0.12 · √(19.62 · 0.75) = 0.299209
    Pagina(1);
    Llenar({ { "txtao", "0.12" }, { "txtho", "0.75" } });
    TeclearCoeficiente("0.65");
    Pulsar(w, "bCalcularO");
    EXPECT_EQ(Leer(w, "txtQmo"), "0.299");
    EXPECT_EQ(Leer(w, "txtQlo"), "299.209");
    EXPECT_EQ(Leer(w, "txtQm"), "2.0873");
}

TEST_F(Compuerta, OrificeEnterChainSelectsNothing)
{
    Pagina(1);
    Escribir(w, "txtao", "0.05");
    Hallar<QLineEdit>(w, "txtao")->setFocus();
    Tecla(Qt::Key_Return);
    EXPECT_EQ(NombreDelFoco(), "txtho");
    Tecla(Qt::Key_Return);
    EXPECT_EQ(cboCd()->objectName(), "cboCd");
    EXPECT_TRUE(cboCd()->hasFocus());
    EXPECT_EQ(cboCd()->lineEdit()->selectedText(), "");
    Tecla(Qt::Key_Return);
    EXPECT_EQ(NombreDelFoco(), "bCalcularO");
    EXPECT_EQ(Leer(w, "txtQmo"), "");
    EXPECT_EQ(cboCd()->currentText(), "0.60");
}

} // namespace

} // namespace
