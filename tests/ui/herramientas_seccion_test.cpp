// The section-tool windows driven as a user. Expected boxes come from the
// values worked out by hand and by bisection for the core tests, written
// through the masks by hand.

#include <QTabBar>
#include <QTabWidget>

#include "conductor.h"

namespace {

namespace {

class PruebaHerramientas : public PruebaVentanas {
protected:
    QWidget* w = nullptr;
    QTabWidget* tab = nullptr;
    void AbrirVentana(const char* clase)
    {
        w = Abrir(clase);
        ASSERT_NE(w, nullptr);
        tab = w->findChild<QTabWidget*>("SSTab1");
    }
    void Pagina(int i)
    {
        QTest::mouseClick(tab->tabBar(), Qt::LeftButton, {}, tab->tabBar()->tabRect(i).center());
        ASSERT_EQ(tab->currentIndex(), i);
    }
    void Llenar(std::initializer_list<std::pair<const char*, const char*>> cajas)
    {
        for (auto [caja, texto] : cajas)
            Escribir(w, caja, texto);
    }
    void Esperar(std::initializer_list<std::pair<const char*, const char*>> cajas)
    {
        for (auto [caja, texto] : cajas)
            EXPECT_EQ(Leer(w, caja), QString::fromUtf8(texto)) << caja;
    }
    QString Etiqueta(const char* nombre) { return Hallar<QLabel>(w, nombre)->text(); }
    QString Dibujo(const QString& x)
    {
        QString visible;
        for (const QString& n : { "imatra" + x, "imarec" + x, "imatri" + x })
            if (!Hallar<QWidget>(w, n)->isHidden()) {
                EXPECT_TRUE(visible.isEmpty()) << "two drawings in view";
                visible = n;
            }
        return visible;
    }
    QColor ColorVelocidad(const char* caja)
    {
        return Hallar<QLineEdit>(w, caja)->palette().color(QPalette::Text);
    }
};

const QColor kRojo(255, 0, 0);
const QColor kNegro(0, 0, 0);

} // namespace

// ---------------------------------------------------------------------------
// frmVariosTrape

TEST_F(PruebaHerramientas, VariosTrapeHasItsThreePages)
{
    AbrirVentana("frmVariosTrape");
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->count(), 3);
    EXPECT_EQ(tab->tabText(0), "Cálculo del ancho solera (b)");
    EXPECT_EQ(tab->tabText(1), "Cálculo de la pendiente (S)");
    EXPECT_EQ(tab->tabText(2), "Cálculo de la rugosidad (n)");
}

TEST_F(PruebaHerramientas, VariosTrapeWidthOfATrapezoid)
{
    AbrirVentana("frmVariosTrape");
    Llenar({ { "txtqb", "1.5" }, { "txtyb", "0.8" }, { "txtzb", "1" }, { "txtnb", "0.014" },
        { "txtsb", "0.001" } });
    Pulsar(w, "bCalcularb");
    Esperar({ { "txtbb", "0.7123" }, { "txtab", "1.2098" }, { "txtpb", "2.9750" },
        { "txttb", "2.3123" }, { "txtrb", "0.4067" }, { "txtvb", "1.2398" }, { "txtfb", "0.5472" },
        { "txteb", "0.8783" }, { "txttfb", "Subcrítico" } });
    EXPECT_EQ(Etiqueta("lblmvb"), "");
    EXPECT_EQ(ColorVelocidad("txtvb"), kNegro);
    EXPECT_EQ(Dibujo("b"), "imatrab");
    EXPECT_TRUE(grabadora.mensajes.empty());
}

TEST_F(PruebaHerramientas, VariosTrapeWidthOfARectangleAndOfAnErosiveTrapezoid)
{
    AbrirVentana("frmVariosTrape");
    Llenar({ { "txtqb", "2" }, { "txtyb", "0.6" }, { "txtnb", "0.014" }, { "txtsb", "0.002" } });
    Pulsar(w, "bCalcularb");
    Esperar({ { "txtbb", "2.0053" }, { "txttb", "2.0053" }, { "txtab", "1.2032" },
        { "txtvb", "1.6622" } });
    EXPECT_EQ(Dibujo("b"), "imarecb");
    EXPECT_EQ(ColorVelocidad("txtvb"), kNegro);

    Llenar({ { "txtqb", "3" }, { "txtyb", "0.9" }, { "txtzb", "1.5" }, { "txtnb", "0.03" },
        { "txtsb", "0.01" } });
    Pulsar(w, "bCalcularb");
    Esperar({ { "txtbb", "0.3997" }, { "txtvb", "1.9051" }, { "txtfb", "0.8534" } });
    EXPECT_EQ(Etiqueta("lblmvb"), "Cuidado velocidad erosiva");
    EXPECT_EQ(ColorVelocidad("txtvb"), kRojo);
    EXPECT_EQ(Dibujo("b"), "imatrab");
}

TEST_F(PruebaHerramientas, VariosTrapeNegativeWidthIsAnInadequateDesign)
{
    AbrirVentana("frmVariosTrape");
    Llenar({ { "txtqb", "0.5" }, { "txtyb", "1" }, { "txtzb", "1" }, { "txtnb", "0.014" },
        { "txtsb", "0.001" } });
    Pulsar(w, "bCalcularb");
    Esperar({ { "txtbb", "-0.4254" }, { "txtab", "0.5746" }, { "txttb", "1.5746" } });
    EXPECT_EQ(Etiqueta("lblmvb"), "Diseño inadecuado");
    EXPECT_EQ(Dibujo("b"), "imatrib");
}

TEST_F(PruebaHerramientas, VariosTrapeWidthPageZeroCheckFocusesTheDischarge)
{
    AbrirVentana("frmVariosTrape");
    Llenar({ { "txtqb", "1.5" }, { "txtzb", "1" }, { "txtnb", "0.014" }, { "txtsb", "0.001" } });
    Pulsar(w, "bCalcularb");
    EXPECT_EQ(grabadora.ultimoMensaje(),
        "Complete adecuadamente el ingreso de datos, antes de ejecutar ");
    EXPECT_EQ(grabadora.pitidos, 0);
    EXPECT_EQ(NombreDelFoco(), "txtqb");
    EXPECT_EQ(Leer(w, "txtbb"), "");
}

TEST_F(PruebaHerramientas, VariosTrapeWidthWithoutARealResultWritesNothing)
{
    AbrirVentana("frmVariosTrape");
    Llenar({ { "txtqb", "1.5" }, { "txtyb", "0.8" }, { "txtzb", "1" }, { "txtnb", "0.014" },
        { "txtsb", "0.001" } });
    Pulsar(w, "bCalcularb");
    ASSERT_EQ(Leer(w, "txtbb"), "0.7123");
    grabadora.mensajes.clear();
    Escribir(w, "txtsb", "-0.001");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcularb");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, kMensajeCalculoImposible);
    EXPECT_EQ(Leer(w, "txtbb"), "0.7123");
    EXPECT_EQ(Leer(w, "txtvb"), "1.2398");
}

TEST_F(PruebaHerramientas, VariosTrapeSlopePage)
{
    AbrirVentana("frmVariosTrape");
    Pagina(1);
    Llenar({ { "txtqs", "1.5" }, { "txtys", "0.8" }, { "txtbs", "1" }, { "txtzs", "1" },
        { "txtns", "0.014" } });
    Pulsar(w, "bCalculars");
    Esperar({ { "txtss", "0.000633" }, { "txtas", "1.4400" }, { "txtps", "3.2627" },
        { "txtts", "2.6000" }, { "txtrs", "0.4413" }, { "txtvs", "1.0417" }, { "txtfs", "0.4469" },
        { "txtes", "0.8553" }, { "txttfs", "Subcrítico" } });
    EXPECT_EQ(Etiqueta("lblmvs"), "");
    // A large discharge through a small section: steep and supercritical.
    Llenar({ { "txtqs", "20" }, { "txtys", "0.5" }, { "txtzs", "0.5" } });
    Pulsar(w, "bCalculars");
    Esperar({ { "txtss", "1.021629" }, { "txtfs", "15.8278" }, { "txttfs", "Supercrítico" } });
}

TEST_F(PruebaHerramientas, VariosTrapeSlopePageChecksInOrder)
{
    AbrirVentana("frmVariosTrape");
    Pagina(1);
    Llenar({ { "txtqs", "1.5" }, { "txtns", "0.014" } });
    Pulsar(w, "bCalculars");
    EXPECT_EQ(grabadora.ultimoMensaje(),
        "Complete adecuadamente el ingreso de datos, antes de ejecutar ");
    EXPECT_EQ(NombreDelFoco(), "txtqs");
    grabadora.eventos.clear();
    Escribir(w, "txtys", "0.8");
    Hallar<QWidget>(w, "txtns")->setFocus();
    Pulsar(w, "bCalculars");
    ASSERT_EQ(grabadora.eventos.size(), 2u);
    EXPECT_EQ(grabadora.eventos[0].tipo, EventoGrabado::Pitido);
    EXPECT_EQ(grabadora.eventos[1].texto,
        "Los valores de b y Z, no pueden ser simultáneamente iguales a cero");
    EXPECT_EQ(Leer(w, "txtss"), "");
}

TEST_F(PruebaHerramientas, VariosTrapeRoughnessPageUsesTheComputedRoughness)
{
    AbrirVentana("frmVariosTrape");
    Pagina(2);
    Llenar({ { "txtqn", "3" }, { "txtyn", "0.6" }, { "txtbn", "1.2" }, { "txtzn", "1" },
        { "txtsn", "0.02" } });
    Pulsar(w, "bCalcularn");
    Esperar({ { "txtnn", "0.0264" }, { "txtan", "1.0800" }, { "txtpn", "2.8971" },
        { "txttn", "2.4000" }, { "txtrn", "0.3728" }, { "txtvn", "2.7778" }, { "txtfn", "1.3221" },
        { "txten", "0.9933" }, { "txttfn", "Supercrítico" } });
    EXPECT_EQ(Etiqueta("lblmvn"), "Cuidado velocidad erosiva");
    EXPECT_EQ(ColorVelocidad("txtvn"), kRojo);
    Llenar({ { "txtqn", "1.5" }, { "txtyn", "0.8" }, { "txtbn", "1" }, { "txtsn", "0.001" } });
    Pulsar(w, "bCalcularn");
    Esperar({ { "txtnn", "0.0176" }, { "txtvn", "1.0417" } });
    EXPECT_EQ(Etiqueta("lblmvn"), QString(27, ' '));
    EXPECT_EQ(ColorVelocidad("txtvn"), kNegro);
}

TEST_F(PruebaHerramientas, VariosTrapeDrawingRuleOfItsOwn)
{
    AbrirVentana("frmVariosTrape");
    Escribir(w, "txtzb", "0");
    EXPECT_EQ(Dibujo("b"), "imarecb");
    Escribir(w, "txtzb", "1.5");
    EXPECT_EQ(Dibujo("b"), "imatrab");
    grabadora.mensajes.clear();
    Escribir(w, "txtzb", "-1"); // the minus sign reads 0, then the 1 warns
    EXPECT_EQ(Dibujo("b"), "imarecb");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, "Ingresar para z, un valor mayor que cero");
    EXPECT_EQ(Leer(w, "txtzb"), "-1");

    Pagina(2);
    Escribir(w, "txtzn", "1");
    Escribir(w, "txtbn", "0");
    EXPECT_EQ(Dibujo("n"), "imatrin");
    Escribir(w, "txtbn", "2");
    EXPECT_EQ(Dibujo("n"), "imatran");
    Escribir(w, "txtzn", "");
    EXPECT_EQ(Dibujo("n"), "imarecn");
    Escribir(w, "txtbn", "-2"); // the minus reads 0 (triangle); the -2 only warns
    EXPECT_EQ(Dibujo("n"), "imatrin");
    EXPECT_EQ(Dibujo("b"), "imarecb"); // page b untouched
}

TEST_F(PruebaHerramientas, VariosTrapePagesKeepAndClearTheirOwnBoxes)
{
    AbrirVentana("frmVariosTrape");
    Pagina(1);
    Llenar({ { "txtqs", "1.5" }, { "txtys", "0.8" }, { "txtbs", "1" }, { "txtzs", "1" },
        { "txtns", "0.014" } });
    Pulsar(w, "bCalculars");
    Pagina(2);
    Llenar({ { "txtqn", "1.5" }, { "txtyn", "0.8" }, { "txtbn", "0" }, { "txtzn", "1" },
        { "txtsn", "0.001" } });
    Pulsar(w, "bCalcularn");
    ASSERT_EQ(Dibujo("n"), "imatrin");
    Pulsar(w, "bLimpiarn");
    EXPECT_EQ(Etiqueta("lblmvn"), "");
    EXPECT_EQ(Dibujo("n"), "imatran");
    Pagina(1);
    Esperar({ { "txtqs", "1.5" }, { "txtss", "0.000633" } });
}

// ---------------------------------------------------------------------------
// frmRelayd

TEST_F(PruebaHerramientas, RelaydHalfFullConduit)
{
    AbrirVentana("frmRelayd");
    const char* cadena[] = { "txtq", "txtyd", "txtn", "txts" };
    const char* valores[] = { "0.5", "0.5", "0.013", "0.001" };
    for (int i = 0; i < 4; ++i) {
        ASSERT_EQ(NombreDelFoco(), cadena[i]);
        QTest::keyClicks(QApplication::focusWidget(), valores[i]);
        Tecla(Qt::Key_Return);
    }
    ASSERT_EQ(NombreDelFoco(), "bCalcular");
    Tecla(Qt::Key_Return);
    Esperar({ { "txtd", "1.1094" }, { "txty", "0.5547" }, { "txta", "0.4833" },
        { "txtt", "1.1094" }, { "txtp", "1.7426" }, { "txtr", "0.2773" }, { "txtv", "1.0345" },
        { "txte", "0.6092" }, { "txtf", "0.5004" }, { "txttf", "Subcrítico" } });
    Llenar({ { "txtyd", "0.1" }, { "txts", "0.05" } });
    Pulsar(w, "bCalcular");
    Esperar({ { "txtd", "1.7529" }, { "txty", "0.1753" }, { "txtf", "3.6781" },
        { "txttf", "Supercrítico" } });
}

TEST_F(PruebaHerramientas, RelaydRatioWarningsPerKeystroke)
{
    AbrirVentana("frmRelayd");
    struct Caso {
        const char* texto;
        int avisos;
        const char* mensaje;
    };
    const Caso casos[] = {
        { "1", 1, "Ingresar para la relación y/d, un valor menor que 1" },
        { "-0.2", 1, "Ingresar para la relación y/d, un valor mayor que cero" },
        { "0.99", 0, "" },
        { "10", 2, "Ingresar para la relación y/d, un valor menor que 1" },
    };
    for (const Caso& c : casos) {
        Escribir(w, "txtyd", "");
        grabadora.mensajes.clear();
        grabadora.pitidos = 0;
        Escribir(w, "txtyd", c.texto);
        EXPECT_EQ(grabadora.pitidos, c.avisos) << c.texto;
        ASSERT_EQ(int(grabadora.mensajes.size()), c.avisos) << c.texto;
        for (const auto& m : grabadora.mensajes)
            EXPECT_EQ(m.texto, QString::fromUtf8(c.mensaje));
        EXPECT_EQ(Leer(w, "txtyd"), c.texto);
    }
}

TEST_F(PruebaHerramientas, RelaydZeroCheckAndRatioWithoutAConduit)
{
    AbrirVentana("frmRelayd");
    Llenar({ { "txtq", "0.5" }, { "txtn", "0.013" }, { "txts", "0.001" } });
    Pulsar(w, "bCalcular");
    EXPECT_EQ(
        grabadora.ultimoMensaje(), "Antes de ejecutar, complete adecuadamente el ingreso de datos");
    EXPECT_EQ(NombreDelFoco(), "txtq");
    Escribir(w, "txtyd", "0.5");
    Pulsar(w, "bCalcular");
    ASSERT_EQ(Leer(w, "txtd"), "1.1094");
    Escribir(w, "txtyd", "1");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.ultimoMensaje(), kMensajeCalculoImposible);
    EXPECT_EQ(Leer(w, "txtd"), "1.1094");
    EXPECT_EQ(Leer(w, "txttf"), "Subcrítico");
}

// ---------------------------------------------------------------------------
// frmOtrosCir

TEST_F(PruebaHerramientas, OtrosCirSlopeAndRoughnessOfAHalfFullConduit)
{
    AbrirVentana("frmOtrosCir");
    EXPECT_EQ(w->size(), QSize(792, 544));
    Llenar({ { "txtqs", "0.3" }, { "txtys", "0.5" }, { "txtds", "1" }, { "txtns", "0.013" } });
    Pulsar(w, "bCalculars");
    Esperar({ { "txtss", "0.000626" }, { "txtas", "0.3927" }, { "txtts", "1.0000" },
        { "txtps", "1.5708" }, { "txtrs", "0.2500" }, { "txtvs", "0.7639" }, { "txtes", "0.5297" },
        { "txtfs", "0.3892" }, { "txttfs", "Subcrítico" } });
    Pagina(1);
    Llenar({ { "txtqn", "0.3" }, { "txtyn", "0.5" }, { "txtdn", "1" }, { "txtsn", "0.000626" } });
    Pulsar(w, "bCalcularn");
    Esperar({ { "txtnn", "0.0130" }, { "txtan", "0.3927" }, { "txttn", "1.0000" },
        { "txtrn", "0.2500" }, { "txttfn", "Subcrítico" } });
}

TEST_F(PruebaHerramientas, OtrosCirSlopePageChecksAndTrap)
{
    AbrirVentana("frmOtrosCir");
    Pulsar(w, "bCalculars");
    EXPECT_EQ(
        grabadora.ultimoMensaje(), "Antes de ejecutar, ingrese para d un valor mayor que para y");
    EXPECT_EQ(NombreDelFoco(), "txtds");
    Llenar({ { "txtys", "0.5" }, { "txtds", "1" }, { "txtns", "0.013" } });
    Pulsar(w, "bCalculars");
    EXPECT_EQ(
        grabadora.ultimoMensaje(), "Antes de ejecutar, complete adecuadamente el ingreso de datos");
    EXPECT_EQ(NombreDelFoco(), "txtqs");
    Escribir(w, "txtqs", "0.3");
    Pulsar(w, "bCalculars");
    ASSERT_EQ(Leer(w, "txtss"), "0.000626");
    Escribir(w, "txtys", "-0.1");
    grabadora.mensajes.clear();
    grabadora.pitidos = 0;
    Hallar<QWidget>(w, "txtns")->setFocus();
    Pulsar(w, "bCalculars");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, "Diseño inadecuado");
    EXPECT_EQ(grabadora.mensajes[0].titulo, "Quelmora");
    EXPECT_EQ(grabadora.pitidos, 0);
    Esperar({ { "txtss", "0.000626" }, { "txtas", "0.3927" }, { "txttfs", "Subcrítico" } });
}

TEST_F(PruebaHerramientas, OtrosCirRoughnessPageChecksInItsOwnOrder)
{
    AbrirVentana("frmOtrosCir");
    Pagina(1);
    Pulsar(w, "bCalcularn");
    EXPECT_EQ(grabadora.ultimoMensaje(),
        "Complete adecuadamente el ingreso de datos, antes de ejecutar ");
    EXPECT_EQ(NombreDelFoco(), "txtqn");
    Llenar({ { "txtqn", "0.3" }, { "txtyn", "1" }, { "txtdn", "1" }, { "txtsn", "0.001" } });
    Pulsar(w, "bCalcularn");
    EXPECT_EQ(
        grabadora.ultimoMensaje(), "Antes de ejecutar, ingrese para d un valor mayor que para y");
    EXPECT_EQ(NombreDelFoco(), "txtdn");
    // A negative slope has no roughness: the failure message, nothing written.
    Llenar({ { "txtyn", "0.5" }, { "txtsn", "-0.001" } });
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcularn");
    EXPECT_EQ(grabadora.ultimoMensaje(), kMensajeCalculoImposible);
    EXPECT_EQ(Leer(w, "txtnn"), "");
}

TEST_F(PruebaHerramientas, OtrosCirTabRowRestoresTheTenButtons)
{
    AbrirVentana("frmOtrosCir");
    MoverRaton(w, "bCalculars");
    MoverRaton(w, "bCalculadoras");
    MoverRaton(w, "", { 2, 2 }); // the window's margin restores nothing
    EXPECT_TRUE(Resaltado(w, "bCalculars"));
    MoverRaton(w, "", tab->mapTo(w, QPoint(tab->width() - 4, 4)));
    EXPECT_FALSE(Resaltado(w, "bCalculars"));
    EXPECT_FALSE(Resaltado(w, "bCalculadoras"));
}

// ---------------------------------------------------------------------------
// Values below worked out on their own: widths by bisection on Manning's
// equation, circles by the angle arccos(1 − 2y/d), written to the masks by hand.

TEST_F(PruebaHerramientas, VariosTrapeInadequateDesignReplacesTheErosionWarning)
{
    AbrirVentana("frmVariosTrape");
    // The triangle of side slope 1 already carries more than 1.2 m3/s at 1 m.
    Llenar({ { "txtqb", "1.2" }, { "txtyb", "1" }, { "txtzb", "1" }, { "txtnb", "0.03" },
        { "txtsb", "0.01" } });
    Pulsar(w, "bCalcularb");
    Esperar({ { "txtbb", "-0.2030" }, { "txtab", "0.7970" }, { "txtpb", "2.6254" },
        { "txttb", "1.7970" }, { "txtrb", "0.3036" }, { "txtvb", "1.5056" }, { "txtfb", "0.7218" },
        { "txteb", "1.1155" }, { "txttfb", "Subcrítico" } });
    EXPECT_EQ(Etiqueta("lblmvb"), "Diseño inadecuado");
    EXPECT_EQ(ColorVelocidad("txtvb"), kRojo);
    EXPECT_EQ(Dibujo("b"), "imatrib");
}

TEST_F(PruebaHerramientas, VariosTrapeSlopeOfASectionWithoutAreaWritesNothing)
{
    AbrirVentana("frmVariosTrape");
    Pagina(1);
    Llenar({ { "txtqs", "1.5" }, { "txtys", "0.8" }, { "txtbs", "1" }, { "txtzs", "1" },
        { "txtns", "0.014" } });
    Pulsar(w, "bCalculars");
    ASSERT_EQ(Leer(w, "txtss"), "0.000633");
    // b = −2 under a depth of 0.8 and a side slope of 1: a negative area.
    Escribir(w, "txtbs", "-2");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalculars");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, kMensajeCalculoImposible);
    Esperar({ { "txtss", "0.000633" }, { "txtas", "1.4400" }, { "txtvs", "1.0417" },
        { "txtfs", "0.4469" }, { "txttfs", "Subcrítico" } });
}

TEST_F(PruebaHerramientas, VariosTrapeRoughnessPageChecksAndNegativeSlope)
{
    AbrirVentana("frmVariosTrape");
    Pagina(2);
    Llenar({ { "txtqn", "3" }, { "txtyn", "0.6" }, { "txtsn", "0.02" } });
    Hallar<QWidget>(w, "txtsn")->setFocus();
    Tecla(Qt::Key_Return);
    ASSERT_EQ(NombreDelFoco(), "bCalcularn");
    Tecla(Qt::Key_Return);
    ASSERT_EQ(grabadora.eventos.size(), 2u);
    EXPECT_EQ(grabadora.eventos[0].tipo, EventoGrabado::Pitido);
    EXPECT_EQ(grabadora.eventos[1].texto,
        "Los valores de b y Z, no pueden ser simultáneamente iguales a cero");
    EXPECT_EQ(NombreDelFoco(), "bCalcularn");
    EXPECT_EQ(Leer(w, "txtnn"), "");

    Llenar({ { "txtbn", "1.2" }, { "txtzn", "1" } });
    Pulsar(w, "bCalcularn");
    ASSERT_EQ(Leer(w, "txtnn"), "0.0264");
    // The roughness takes √S: a negative slope has none.
    Escribir(w, "txtsn", "-0.02");
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcularn");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, kMensajeCalculoImposible);
    Esperar({ { "txtnn", "0.0264" }, { "txtvn", "2.7778" }, { "txttfn", "Supercrítico" } });
    EXPECT_EQ(Etiqueta("lblmvn"), "Cuidado velocidad erosiva");
    EXPECT_EQ(ColorVelocidad("txtvn"), kRojo);
}

TEST_F(PruebaHerramientas, OtrosCirSlopeIgnoresTheSignOfDischargeAndRoughness)
{
    AbrirVentana("frmOtrosCir");
    struct Caso {
        const char *q, *n, *v, *f, *tf;
    };
    const Caso casos[] = {
        { "0.3", "0.013", "1.7425", "1.1800", "Supercrítico" },
        { "0.3", "-0.013", "1.7425", "1.1800", "Supercrítico" },
        { "-0.3", "0.013", "-1.7425", "-1.1800", "Subcrítico" },
    };
    for (const Caso& c : casos) {
        Llenar({ { "txtqs", c.q }, { "txtys", "0.3" }, { "txtds", "0.8" }, { "txtns", c.n } });
        grabadora.mensajes.clear();
        Pulsar(w, "bCalculars");
        EXPECT_TRUE(grabadora.mensajes.empty()) << c.q << " " << c.n;
        Esperar({ { "txtss", "0.005750" }, { "txtas", "0.1722" }, { "txtts", "0.7746" },
            { "txtps", "1.0545" }, { "txtrs", "0.1633" }, { "txtes", "0.4548" } });
        EXPECT_EQ(Leer(w, "txtvs"), c.v) << c.q << " " << c.n;
        EXPECT_EQ(Leer(w, "txtfs"), c.f) << c.q << " " << c.n;
        EXPECT_EQ(Leer(w, "txttfs"), QString::fromUtf8(c.tf)) << c.q << " " << c.n;
    }
}

TEST_F(PruebaHerramientas, OtrosCirDepthAtOrAboveTheDiameterOnEitherPage)
{
    AbrirVentana("frmOtrosCir");
    struct Caso {
        int pagina;
        const char *y, *d;
    };
    const Caso casos[] = { { 0, "1", "1" }, { 0, "1.2", "1" }, { 1, "1", "1" }, { 1, "1.2", "1" } };
    for (const Caso& c : casos) {
        Pagina(c.pagina);
        const QString x = c.pagina == 0 ? "s" : "n";
        Escribir(w, "txtq" + x, "0.3");
        Escribir(w, "txty" + x, c.y);
        Escribir(w, "txtd" + x, c.d);
        Escribir(w, c.pagina == 0 ? "txtns" : "txtsn", c.pagina == 0 ? "0.013" : "0.001");
        grabadora.mensajes.clear();
        grabadora.pitidos = 0;
        Pulsar(w, "bCalcular" + x);
        ASSERT_EQ(grabadora.mensajes.size(), 1u) << c.y;
        EXPECT_EQ(grabadora.mensajes[0].texto,
            "Antes de ejecutar, ingrese para d un valor mayor que para y");
        EXPECT_EQ(grabadora.pitidos, 0);
        EXPECT_EQ(NombreDelFoco(), "txtd" + x);
        EXPECT_EQ(Leer(w, c.pagina == 0 ? "txtss" : "txtnn"), "");
    }
}

} // namespace
