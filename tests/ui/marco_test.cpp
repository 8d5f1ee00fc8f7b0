// The calculation-window frame, driven through a small window built on it.

#include "conductor.h"
#include "frame/tipo_flujo.h"
#include "ventana_prueba.h"

namespace {

namespace {

class PruebaMarco : public PruebaVentanas {
protected:
    QWidget* w = nullptr;
    void SetUp() override
    {
        PruebaVentanas::SetUp();
        RegistrarVentanaPrueba();
        w = Abrir("VentanaPrueba");
        ASSERT_NE(w, nullptr);
    }
    QWidget* Visible(const QStringList& nombres)
    {
        QWidget* unica = nullptr;
        for (const QString& n : nombres) {
            QWidget* d = Hallar<QWidget>(w, n);
            if (d && d->isVisible()) {
                EXPECT_EQ(unica, nullptr) << "more than one drawing visible";
                unica = d;
            }
        }
        return unica;
    }
    QString Dibujo()
    {
        QWidget* d = Visible({ "trape", "rectan", "trian" });
        return d ? d->objectName() : QString();
    }
};

} // namespace

TEST_F(PruebaMarco, OpensWithFocusInFirstBoxAndItsStatusText)
{
    EXPECT_EQ(NombreDelFoco(), "q");
    EXPECT_EQ(TextoDeEstado(w), "Ingresar el valor del caudal Q");
    for (const char* caja : { "q", "b", "z", "n", "s", "y", "v", "tf", "lu", "pro", "tra", "re" })
        EXPECT_EQ(Leer(w, caja), "") << caja;
    EXPECT_EQ(Hallar<QLabel>(w, "mv")->text(), "");
    for (const char* b : { "bCalcular", "bLimpiar", "bImprimir", "bMemuPrincipal", "bCalculadora" })
        EXPECT_FALSE(Resaltado(w, b)) << b;
}

TEST_F(PruebaMarco, RoleButtonsCarryTheirCaptionsAndTooltips)
{
    struct Fila {
        const char* nombre;
        const char* titulo;
        const char* ayuda;
    };
    const Fila filas[] = {
        { "bCalcular", "&Calcular", "Efectuar cálculos" },
        { "bLimpiar", "&Limpiar Pantalla", "Limpiar pantalla" },
        { "bImprimir", "&Imprimir", "Imprimir pantalla" },
        { "bMemuPrincipal", "&Menú Principal", "Volver menú principal" },
        { "bCalculadora", "C&alculadora", "Activa la calculadora" },
    };
    for (const Fila& f : filas) {
        auto* b = Hallar<QAbstractButton>(w, f.nombre);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), QString(f.titulo));
        EXPECT_EQ(b->toolTip(), QString(f.ayuda));
        EXPECT_EQ(b->iconSize(), QSize(32, 32));
    }
    EXPECT_EQ(w->findChild<QObject*>("ImageList1")->objectName(), "ImageList1");
    EXPECT_EQ(w->findChild<ListaImagenes*>("ImageList2")->cantidad(), 7);
}

TEST_F(PruebaMarco, StatusTextsOnFocusAndMouseMove)
{
    struct Fila {
        const char* control;
        const char* texto;
    };
    const Fila filas[] = {
        { "b", "Ingresar el valor del ancho de fondo del canal" },
        { "s", "Ingresar el valor de la pendiente del canal" },
        { "lu", "Ingresar el nombre del lugar del Proyecto" },
        { "pro", "Ingresar el nombre del Proyecto" },
        { "tra", "Ingresar el nombre del tramo del canal" },
        { "re", "Ingresar el tipo de material del canal" },
        { "bCalcular", "Ejecuta las operaciones" },
        { "bLimpiar", "Limpia la pantalla para realizar nuevos cálculos" },
        { "bImprimir", "Realiza la impresión de la pantalla" },
        { "bMemuPrincipal", "Retorna al Menú principal" },
        { "bCalculadora", "Activa la calculadora" },
    };
    for (const Fila& f : filas) {
        MoverRaton(w, "q");
        ASSERT_EQ(TextoDeEstado(w), "Ingresar el valor del caudal Q");
        MoverRaton(w, f.control);
        EXPECT_EQ(TextoDeEstado(w), QString(f.texto)) << "mouse over " << f.control;
        Hallar<QWidget>(w, "q")->setFocus(Qt::TabFocusReason);
        Hallar<QWidget>(w, f.control)->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(TextoDeEstado(w), QString(f.texto)) << "focus on " << f.control;
    }
    // The panel keeps the last text when the mouse goes on over a label or a result.
    MoverRaton(w, "Label1");
    MoverRaton(w, "y");
    MoverRaton(w, "");
    EXPECT_EQ(TextoDeEstado(w), "Activa la calculadora");
}

TEST_F(PruebaMarco, ButtonLightsAndTheBareButtonFrameRestoresIt)
{
    MoverRaton(w, "bCalcular");
    EXPECT_TRUE(Resaltado(w, "bCalcular"));
    MoverRaton(w, "bCalcular", { 3, 3 });
    EXPECT_TRUE(Resaltado(w, "bCalcular")); // stays lit while the mouse rests on it
    // Between the two buttons lies the bare frame.
    MoverRaton(w, "Frame3", { Pixeles(1350 + 360), Pixeles(600) });
    EXPECT_FALSE(Resaltado(w, "bCalcular"));
    EXPECT_EQ(TextoDeEstado(w), "Ejecuta las operaciones"); // restoring writes no text
    MoverRaton(w, "bLimpiar");
    EXPECT_TRUE(Resaltado(w, "bLimpiar"));
    EXPECT_EQ(TextoDeEstado(w), "Limpia la pantalla para realizar nuevos cálculos");
}

TEST_F(PruebaMarco, LabelsResultsAndOtherFramesRestoreNothing)
{
    MoverRaton(w, "bCalcular");
    MoverRaton(w, "bCalculadora");
    MoverRaton(w, "Label1"); // a label in "Datos:"
    MoverRaton(w, "Frame2", { Pixeles(3900), Pixeles(1900) }); // bare "Datos:" frame
    MoverRaton(w, "y");
    MoverRaton(w, "Frame5", { 5, 5 });
    MoverRaton(w, "trape");
    MoverRaton(w, "StatusBar1");
    EXPECT_TRUE(Resaltado(w, "bCalcular"));
    EXPECT_TRUE(Resaltado(w, "bCalculadora"));
}

TEST_F(PruebaMarco, EachFrameRestoresItsOwnButtonsAndTheWindowAll)
{
    MoverRaton(w, "bCalcular");
    MoverRaton(w, "bCalculadora");
    MoverRaton(w, "Frame4", { 3, 3 }); // the calculator frame
    EXPECT_FALSE(Resaltado(w, "bCalculadora"));
    EXPECT_TRUE(Resaltado(w, "bCalcular"));
    MoverRaton(w, "bCalculadora");
    MoverRaton(w, "Frame3", { 3, 3 });
    EXPECT_FALSE(Resaltado(w, "bCalcular"));
    EXPECT_TRUE(Resaltado(w, "bCalculadora"));
    MoverRaton(w, "bImprimir");
    MoverRaton(w, "", { 2, 2 }); // the window surface
    EXPECT_FALSE(Resaltado(w, "bImprimir"));
    EXPECT_FALSE(Resaltado(w, "bCalculadora"));
}

TEST_F(PruebaMarco, TabbingOntoPrintWritesItsTextAndKeepsThePictureNormal)
{
    Hallar<QWidget>(w, "bCalculadora")->setFocus();
    Hallar<QWidget>(w, "bMemuPrincipal")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(NombreDelFoco(), "bImprimir");
    EXPECT_EQ(TextoDeEstado(w), "Realiza la impresión de la pantalla");
    EXPECT_FALSE(Resaltado(w, "bImprimir"));
}

TEST_F(PruebaMarco, EnterChainLeadsToCalculateAndEnterThereCalculates)
{
    auto* v = static_cast<VentanaPrueba*>(w);
    const char* cadena[] = { "q", "b", "z", "n", "s" };
    const char* valores[] = { "1.5", "2", "1", "0.014", "0.001" };
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(NombreDelFoco(), cadena[i]);
        QTest::keyClicks(QApplication::focusWidget(), valores[i]);
        Tecla(Qt::Key_Return);
    }
    EXPECT_EQ(NombreDelFoco(), "bCalcular");
    EXPECT_EQ(v->calculos, 0); // the Enter that moved the focus stays with the box
    EXPECT_EQ(TextoDeEstado(w), "Ejecuta las operaciones");
    Tecla(Qt::Key_Return);
    EXPECT_EQ(v->calculos, 1);
    EXPECT_EQ(Leer(w, "y"), "3.5000");
    EXPECT_EQ(Leer(w, "s"), "0.001");
}

TEST_F(PruebaMarco, NegativeWarningOnEveryChangeThatReadsBelowZero)
{
    struct Caso {
        const char* texto;
        int avisos;
    };
    const Caso casos[] = { { "-", 0 }, { "-5", 1 }, { "-55", 2 }, { "-0", 0 }, { "-0.0", 0 },
        { "5", 0 }, { "abc", 0 }, { "- 3", 1 }, { "-1e4", 3 } };
    for (const Caso& c : casos) {
        Escribir(w, "q", "");
        grabadora.mensajes.clear();
        grabadora.eventos.clear();
        grabadora.pitidos = 0;
        Escribir(w, "q", c.texto);
        EXPECT_EQ(grabadora.pitidos, c.avisos) << c.texto;
        ASSERT_EQ(int(grabadora.mensajes.size()), c.avisos) << c.texto;
        for (const auto& m : grabadora.mensajes) {
            EXPECT_EQ(m.texto, "Ingresar para Q, un valor mayor que cero");
            EXPECT_EQ(m.titulo, "Quelmora");
            EXPECT_EQ(m.icono, IconoMensaje::Ninguno);
        }
        if (c.avisos) {
            EXPECT_EQ(grabadora.eventos.front().tipo, EventoGrabado::Pitido); // beep first
        }
        EXPECT_EQ(Leer(w, "q"), QString(c.texto)); // the text stays as typed
        EXPECT_EQ(NombreDelFoco(), "q");
    }
}

TEST_F(PruebaMarco, DrawingFollowsTheEditedBoxWithExactComparisons)
{
    // At opening all three lie stacked with the trapezoid in front.
    EXPECT_TRUE(Hallar<QWidget>(w, "trape")->isVisible());
    struct Paso {
        const char* caja;
        const char* texto;
        const char* dibujo;
    };
    const Paso pasos[] = {
        { "z", "1", "trian" },
        { "b", "0", "trian" },
        { "z", "0", "rectan" },
        { "b", "2", "rectan" },
        { "z", "1", "trape" },
        { "z", "", "rectan" },
        { "b", "", "trian" },
        { "b", "3", "rectan" },
        { "z", "-1", "trape" },
        { "b", "0.0001", "trape" },
        { "b", "abc", "trian" },
        { "z", "0", "rectan" },
    };
    for (const Paso& p : pasos) {
        Escribir(w, p.caja, p.texto);
        EXPECT_EQ(Dibujo(), QString(p.dibujo)) << p.caja << "=" << p.texto;
    }
}

TEST_F(PruebaMarco, BothZeroFollowsTheBoxEditedLast)
{
    Escribir(w, "b", "0");
    Escribir(w, "z", "0");
    EXPECT_EQ(Dibujo(), "rectan");
    Escribir(w, "z", "0");
    Escribir(w, "b", "0");
    EXPECT_EQ(Dibujo(), "trian");
}

TEST_F(PruebaMarco, ChecksAtCalculateStopWithTheirMessages)
{
    auto* v = static_cast<VentanaPrueba*>(w);
    Escribir(w, "q", "1");
    Escribir(w, "n", "0.014");
    Escribir(w, "b", "1");
    Pulsar(w, "bCalcular");
    EXPECT_EQ(grabadora.ultimoMensaje(),
        "Complete adecuadamente el ingreso de datos, antes de ejecutar ");
    EXPECT_EQ(grabadora.pitidos, 0);
    EXPECT_EQ(v->calculos, 0);

    grabadora.eventos.clear();
    Escribir(w, "s", "0.00001");
    Escribir(w, "b", "");
    Escribir(w, "z", "");
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.eventos.size(), 2u);
    EXPECT_EQ(grabadora.eventos[0].tipo, EventoGrabado::Pitido);
    EXPECT_EQ(grabadora.eventos[1].texto,
        "Los valores de b y Z no pueden ser simultáneamente iguales a cero");
    EXPECT_EQ(v->calculos, 0);
    EXPECT_EQ(Leer(w, "y"), "");
}

TEST_F(PruebaMarco, RefusedCalculationLeavesThePreviousResults)
{
    Escribir(w, "q", "2");
    Escribir(w, "b", "1");
    Escribir(w, "n", "0.03");
    Escribir(w, "s", "0.001");
    Pulsar(w, "bCalcular");
    ASSERT_EQ(Leer(w, "y"), "3.0000");
    EXPECT_EQ(Hallar<QLabel>(w, "mv")->text(), "Cuidado velocidad erosiva");
    EXPECT_EQ(Hallar<QLineEdit>(w, "v")->palette().color(QPalette::Text), QColor(255, 0, 0));
    Escribir(w, "n", "");
    Pulsar(w, "bCalcular");
    EXPECT_EQ(Leer(w, "y"), "3.0000");
    EXPECT_EQ(Leer(w, "v"), "2.0000");
    EXPECT_EQ(Hallar<QLabel>(w, "mv")->text(), "Cuidado velocidad erosiva");
}

TEST_F(PruebaMarco, ClearingEmptiesEverythingAndFocusesTheFirstBox)
{
    for (const char* c : { "q", "b", "z", "n", "s", "lu", "pro", "tra", "re" })
        Escribir(w, c, "2");
    Escribir(w, "n", "0.03");
    Pulsar(w, "bCalcular");
    Escribir(w, "b", "0");
    ASSERT_EQ(Dibujo(), "trian");
    MoverRaton(w, "bLimpiar");
    grabadora.mensajes.clear();
    Pulsar(w, "bLimpiar");
    for (const char* c : { "q", "b", "z", "n", "s", "y", "v", "tf", "lu", "pro", "tra", "re" })
        EXPECT_EQ(Leer(w, c), "") << c;
    EXPECT_EQ(Hallar<QLabel>(w, "mv")->text(), "");
    EXPECT_EQ(Dibujo(), "trape");
    EXPECT_EQ(NombreDelFoco(), "q");
    EXPECT_EQ(TextoDeEstado(w), "Ingresar el valor del caudal Q");
    EXPECT_TRUE(grabadora.mensajes.empty());
    EXPECT_TRUE(Resaltado(w, "bLimpiar")); // pictures untouched
    // The velocity colour stays until the next calculation sets it.
    EXPECT_EQ(Hallar<QLineEdit>(w, "v")->palette().color(QPalette::Text), QColor(255, 0, 0));
}

TEST_F(PruebaMarco, ResultBoxesAreReadOnlyButTakeTheFocus)
{
    auto* y = Hallar<QLineEdit>(w, "y");
    EXPECT_TRUE(y->isReadOnly());
    EXPECT_NE(y->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(y->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(Hallar<QLineEdit>(w, "lu")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST_F(PruebaMarco, PrintingWithNoPrinterShowsTheMessageAndChangesNothing)
{
    Escribir(w, "q", "3");
    const QString antes = TextoDeEstado(w);
    grabadora.resultadoImpresion = ResultadoImpresion::SinImpresora;
    Hallar<QAbstractButton>(w, "bImprimir")->click();
    ASSERT_EQ(grabadora.impresas.size(), 1u);
    EXPECT_EQ(grabadora.impresas[0], w);
    EXPECT_EQ(
        grabadora.ultimoMensaje(), "No hay una impresora disponible para imprimir la pantalla");
    EXPECT_EQ(Leer(w, "q"), "3");
    EXPECT_EQ(TextoDeEstado(w), antes);
    EXPECT_TRUE(w->isVisible());

    grabadora.resultadoImpresion = ResultadoImpresion::Fallo;
    Hallar<QAbstractButton>(w, "bImprimir")->click();
    EXPECT_EQ(grabadora.ultimoMensaje(), "No se pudo imprimir la pantalla");

    grabadora.mensajes.clear();
    grabadora.resultadoImpresion = ResultadoImpresion::Impreso;
    Hallar<QAbstractButton>(w, "bImprimir")->click();
    EXPECT_TRUE(grabadora.mensajes.empty());
}

TEST_F(PruebaMarco, MainMenuClosesTheWindowAndShowsTheMainWindow)
{
    QWidget* menu = Abrir("menuprin");
    ASSERT_NE(menu, nullptr);
    menu->close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(VentanaAbierta("menuprin"), nullptr);
    w->raise();
    Pulsar(w, "bMemuPrincipal");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(VentanaAbierta("VentanaPrueba"), nullptr);
    ASSERT_NE(VentanaAbierta("menuprin"), nullptr);
    EXPECT_TRUE(VentanaAbierta("menuprin")->isVisible());
}

TEST_F(PruebaMarco, CalculatorTwiceGivesOneCalculator)
{
    if (!VentanaRegistrada("frmCalculadora"))
        RegistrarVentana("frmCalculadora", [] { return new QWidget; });
    Pulsar(w, "bCalculadora");
    QWidget* primera = VentanaAbierta("frmCalculadora");
    ASSERT_NE(primera, nullptr);
    Pulsar(w, "bCalculadora");
    EXPECT_EQ(VentanaAbierta("frmCalculadora"), primera);
    int calculadoras = 0;
    for (QWidget* tl : QApplication::topLevelWidgets())
        if (tl->objectName() == "frmCalculadora" && tl->isVisible())
            ++calculadoras;
    EXPECT_EQ(calculadoras, 1);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(PruebaMarco, ReopeningAfterClosingShowsTheInitialState)
{
    for (const char* c : { "q", "b", "lu" })
        Escribir(w, c, "0");
    Escribir(w, "n", "1");
    Escribir(w, "s", "1");
    Escribir(w, "q", "1");
    Pulsar(w, "bCalcular");
    MoverRaton(w, "bCalcular");
    ASSERT_EQ(Dibujo(), "trian");
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(VentanaAbierta("VentanaPrueba"), nullptr);
    w = Abrir("VentanaPrueba");
    for (const char* c : { "q", "b", "z", "n", "s", "y", "v", "tf", "lu", "pro", "tra", "re" })
        EXPECT_EQ(Leer(w, c), "") << c;
    EXPECT_EQ(Hallar<QLabel>(w, "mv")->text(), "");
    EXPECT_TRUE(Hallar<QWidget>(w, "trape")->isVisible());
    EXPECT_FALSE(Resaltado(w, "bCalcular"));
    EXPECT_EQ(NombreDelFoco(), "q");
    EXPECT_EQ(TextoDeEstado(w), "Ingresar el valor del caudal Q");
}

TEST_F(PruebaMarco, MessageBoxesAndReactivationDoNotRewriteThePanel)
{
    MoverRaton(w, "bImprimir");
    ASSERT_EQ(NombreDelFoco(), "q");
    QFocusEvent vuelta(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(Hallar<QWidget>(w, "q"), &vuelta);
    EXPECT_EQ(TextoDeEstado(w), "Realiza la impresión de la pantalla");
}

TEST_F(PruebaMarco, ClientAreaAndStatusBarInTwips)
{
    EXPECT_FALSE(w->windowIcon().isNull());
    EXPECT_EQ(w->size(), QSize(11880 / 15, 8055 / 15));
    auto* barra = Hallar<QWidget>(w, "StatusBar1");
    EXPECT_EQ(barra->geometry(), QRect(0, 537 - 25, 792, 25));
    EXPECT_EQ(Hallar<QWidget>(w, "Frame2")->geometry(), QRect(48, 88, 273, 137));
    EXPECT_EQ(Hallar<QWidget>(w, "q")->geometry(), QRect(144, 16, 73, 19));
    EXPECT_EQ(Hallar<QWidget>(w, "trape")->geometry(), QRect(480, 88, 256, 126));
    EXPECT_FALSE(Hallar<QLabel>(w, "Panel2")->text().isEmpty()); // the clock
    EXPECT_FALSE(Hallar<QLabel>(w, "Panel3")->text().isEmpty()); // the date
}

TEST_F(PruebaMarco, AccessKeysClickTheRoleButtons)
{
    auto* v = static_cast<VentanaPrueba*>(w);
    for (const char* c : { "q", "n", "s" })
        Escribir(w, c, "1");
    Escribir(w, "b", "1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    QTest::qWait(300); // an access key presses the button visibly before it clicks
    EXPECT_EQ(v->calculos, 1);
    EXPECT_EQ(Leer(w, "y"), "2.0000");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::AltModifier);
    QTest::qWait(300);
    EXPECT_EQ(Leer(w, "y"), "");
}

TEST_F(PruebaMarco, EmptyBoxCheckFocusesTheBoxWithItsInformationMessage)
{
    auto* v = static_cast<VentanaPrueba*>(w);
    bool paso = true;
    v->otroCalculo = [&] {
        paso = v->VerificarCampoVacio("q", "Ingresar un valor adecuado para el caudal")
            && v->VerificarCampoVacio("n", "Ingresar un valor adecuado para n");
    };
    Escribir(w, "q", " "); // a blank is not empty
    Hallar<QWidget>(w, "s")->setFocus();
    Pulsar(w, "bCalcular");
    EXPECT_FALSE(paso);
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, "Ingresar un valor adecuado para n");
    EXPECT_EQ(grabadora.mensajes[0].titulo, "Error de ingreso de datos");
    EXPECT_EQ(grabadora.mensajes[0].icono, IconoMensaje::Informacion);
    EXPECT_EQ(grabadora.pitidos, 0);
    EXPECT_EQ(NombreDelFoco(), "n");
}

TEST_F(PruebaMarco, TrapShowsItsOneMessageAndKeepsWhatWasWritten)
{
    auto* v = static_cast<VentanaPrueba*>(w);
    int paso = 0;
    v->otroCalculo = [&] {
        v->CapturarErrorCalculo({ "Error en los datos", "Error de cálculos" }, [&] {
            v->Escribir("y", 1.25, "##0.0000");
            if (paso == 1)
                return false; // the core reported a failure
            if (paso == 2)
                throw std::out_of_range("fila");
            v->Escribir("v", 2.0, "##0.0000");
            return true;
        });
    };
    for (paso = 0; paso < 3; ++paso) {
        grabadora.mensajes.clear();
        Hallar<QLineEdit>(w, "v")->clear();
        Pulsar(w, "bCalcular");
        EXPECT_EQ(Leer(w, "y"), "1.2500");
        if (paso == 0) {
            EXPECT_TRUE(grabadora.mensajes.empty());
            EXPECT_EQ(Leer(w, "v"), "2.0000");
        } else {
            ASSERT_EQ(grabadora.mensajes.size(), 1u);
            EXPECT_EQ(grabadora.mensajes[0].texto, "Error en los datos");
            EXPECT_EQ(grabadora.mensajes[0].titulo, "Error de cálculos");
            EXPECT_EQ(Leer(w, "v"), "");
        }
    }
}

// Every failure reaches its message through InformarFallo: nothing for no
// failure, the shared texts, a window's own text (with its title and its beep
// before it), and the impossible-calculation text for a window's own case it
// gave no text for.
TEST_F(PruebaMarco, EachFailureShowsItsOneMessage)
{
    const std::initializer_list<MensajeFallo> propios
        = { { FalloCalculo::TiranteMayorDiametro, { "Propio" } },
              { FalloCalculo::NumeroTramos, { "Con pitido", "Titulo" }, true } };
    EXPECT_FALSE(InformarFallo(w, FalloCalculo::Ninguno, propios));
    EXPECT_TRUE(grabadora.eventos.empty());
    const std::pair<FalloCalculo, QString> casos[] = {
        { FalloCalculo::NoConverge,
            "El cálculo no converge con los datos ingresados, revise los datos" },
        { FalloCalculo::CalculoImposible,
            "Los datos ingresados no permiten realizar el cálculo, revise los datos" },
        { FalloCalculo::TiranteMayorDiametro, "Propio" },
        { FalloCalculo::ValoresInadecuados,
            "Los datos ingresados no permiten realizar el cálculo, revise los datos" },
    };
    for (const auto& [fallo, texto] : casos) {
        grabadora.mensajes.clear();
        EXPECT_TRUE(InformarFallo(w, fallo, propios));
        ASSERT_EQ(grabadora.mensajes.size(), 1u);
        EXPECT_EQ(grabadora.mensajes[0].texto, texto);
        EXPECT_EQ(grabadora.mensajes[0].titulo, "Quelmora");
        EXPECT_EQ(grabadora.mensajes[0].icono, IconoMensaje::Ninguno);
    }
    EXPECT_EQ(grabadora.pitidos, 0);
    grabadora.eventos.clear();
    EXPECT_TRUE(InformarFallo(w, FalloCalculo::NumeroTramos, propios));
    ASSERT_EQ(grabadora.eventos.size(), 2u);
    EXPECT_EQ(grabadora.eventos[0].tipo, EventoGrabado::Pitido);
    EXPECT_EQ(grabadora.eventos[1].texto, "Con pitido");
    EXPECT_EQ(grabadora.mensajes.back().titulo, "Titulo");
    EXPECT_EQ(grabadora.mensajes.back().icono, IconoMensaje::Informacion);
}

TEST(TextoTipoFlujo, NamesEachRegime)
{
    EXPECT_EQ(TextoTipoFlujo(TipoFlujo::Subcritico), "Subcrítico");
    EXPECT_EQ(TextoTipoFlujo(TipoFlujo::Critico), "Crítico");
    EXPECT_EQ(TextoTipoFlujo(TipoFlujo::Supercritico), "Supercrítico");
    EXPECT_EQ(TextoTipoFlujo(TipoFlujo::Ninguno), "");
}

TEST_F(PruebaMarco, SelectingADefaultSelectsItWithoutSurroundingBlanks)
{
    auto* caja = Hallar<QLineEdit>(w, "n");
    caja->setText("0.62");
    SeleccionarTexto(caja);
    EXPECT_EQ(caja->selectionStart(), 0);
    EXPECT_EQ(caja->selectedText(), "0.62");
    caja->setText("0.62  ");
    SeleccionarTexto(caja);
    EXPECT_EQ(caja->selectedText(), "0.62");
}

TEST_F(PruebaMarco, ProjectFieldsTakeAnyTextAndNeverAMessage)
{
    auto* v = static_cast<VentanaPrueba*>(w);
    const char* textos[] = { "Km 1,5 - 3", "-7", "Canal Norte", "concreto, e=0.10" };
    const char* cajas[] = { "lu", "pro", "tra", "re" };
    for (int i = 0; i < 4; ++i)
        Escribir(w, cajas[i], textos[i]);
    for (const char* c : { "q", "n", "s", "b" })
        Escribir(w, c, "1");
    Pulsar(w, "bCalcular");
    EXPECT_TRUE(grabadora.mensajes.empty());
    EXPECT_EQ(grabadora.pitidos, 0);
    EXPECT_EQ(v->calculos, 1);
    EXPECT_EQ(Leer(w, "y"), "2.0000"); // Q + b: the project texts are never read
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Leer(w, cajas[i]), QString(textos[i]));
    // They take part in no Enter chain: Enter leaves the focus where it is.
    Hallar<QWidget>(w, "lu")->setFocus();
    Tecla(Qt::Key_Return);
    EXPECT_EQ(NombreDelFoco(), "lu");
}

} // namespace
