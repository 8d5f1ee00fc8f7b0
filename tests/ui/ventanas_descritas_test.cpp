// What every window shares, checked once over every described window and driven
// by what the window declares: the caption of its description, and the rows of
// its boxes (status text, Enter target, negative-value warning). The opening
// state, the Enter chain, the status texts, the warnings and the clearing of a
// window are not written again in its own tests, which keep what is its own.

#include <QCheckBox>
#include <QComboBox>
#include <map>
#include <tuple>

#include "conductor.h"
#include "frame/pagina_calculo.h"
#include "frame/tabla_resultados.h"
#include "frame/ventana_calculo.h"

namespace {

namespace {

// The status text a control writes when it gets the focus or the mouse passes
// over it; empty for a control that writes none.
QString EstadoDe(const QWidget* control)
{
    if (auto* c = qobject_cast<const CampoDato*>(control))
        return c->textoEstado();
    if (auto* c = qobject_cast<const CampoProyecto*>(control))
        return c->textoEstado();
    if (auto* c = qobject_cast<const BotonRol*>(control))
        return c->textoEstado();
    return {};
}

// The page of a tab control that holds the control, or the window.
const QWidget* PaginaDe(const QWidget* control)
{
    for (const QWidget* w = control; w; w = w->parentWidget())
        if (qobject_cast<const QStackedWidget*>(w->parentWidget())
            && qobject_cast<const QTabWidget*>(w->parentWidget()->parentWidget()))
            return w;
    return control->window();
}

// Where a window's clearing departs from the general rule: the text a box gets
// back instead of its opening text.
struct LimpiezaPropia {
    const char* clase;
    const char* caja;
    const char* texto;
};

constexpr LimpiezaPropia kLimpiezasPropias[] = {
    // The place box gets one blank.
    { "yntrape", "lu", " " },
    // The loss coefficient's default goes with the rest.
    { "TranAlEn", "k", "" },
    { "TranAlSa", "k", "" },
};

class VentanaDescrita : public PruebaVentanas,
                        public ::testing::WithParamInterface<const DescripcionVentana*> {
protected:
    QWidget* w = nullptr;
    VentanaCalculo* calculo = nullptr;
    std::map<const QLineEdit*, QString> textosIniciales;
    std::map<std::tuple<const TablaResultados*, int, int>, QString> celdasIniciales;

    void SetUp() override
    {
        PruebaVentanas::SetUp();
        w = Abrir(QString::fromUtf8(GetParam()->clase));
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        calculo = qobject_cast<VentanaCalculo*>(w);
        for (const QLineEdit* caja : w->findChildren<QLineEdit*>())
            textosIniciales[caja] = caja->text();
        for (const TablaResultados* grilla : w->findChildren<TablaResultados*>())
            for (int f = 1; f < grilla->Filas(); ++f)
                for (int c = 0; c < grilla->Columnas(); ++c)
                    celdasIniciales[{ grilla, f, c }] = grilla->Texto(f, c);
    }

    // The window, or the page of its tab control, that holds the control.
    const SuperficieCalculo* SuperficieDe(const QWidget* control) const
    {
        for (const QWidget* p = control; p; p = p->parentWidget())
            if (auto* s = qobject_cast<const SuperficieCalculo*>(p))
                return s;
        return nullptr;
    }
    template <class T> QList<T*> EnVista() const
    {
        QList<T*> controles;
        for (T* c : w->findChildren<T*>())
            if (c->isVisibleTo(w))
                controles << c;
        return controles;
    }
    QString TextoTrasLimpiar(const QLineEdit* caja) const
    {
        for (const LimpiezaPropia& l : kLimpiezasPropias)
            if (caja->objectName() == l.caja && QLatin1String(GetParam()->clase) == l.clase)
                return QString::fromUtf8(l.texto);
        const auto inicial = textosIniciales.find(caja);
        return inicial == textosIniciales.end() ? QString() : inicial->second;
    }
};

// --- opening -------------------------------------------------------------------

TEST_P(VentanaDescrita, OpensWithTheCaptionOfItsDescription)
{
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8(GetParam()->titulo));
    EXPECT_EQ(w->objectName(), QString::fromUtf8(GetParam()->clase));
}

INSTANTIATE_TEST_SUITE_P(
    Ventanas, VentanaDescrita, ::testing::ValuesIn(VentanasDescritas()), NombreDeClase);

class VentanaDeCalculo : public VentanaDescrita { };

// The first input box of the first page has the focus and its status text; no
// result or project box holds a text, no check box a tick, and every tab control
// shows its first page.
TEST_P(VentanaDeCalculo, OpensEmptyWithTheFocusInItsFirstBox)
{
    ASSERT_NE(calculo, nullptr);
    const SuperficieCalculo* primera = calculo->SSTab1()
        ? static_cast<SuperficieCalculo*>(calculo->SSTab1()->pagina(0))
        : calculo;
    QWidget* foco = primera->primeraEntrada();
    ASSERT_NE(foco, nullptr);
    EXPECT_EQ(NombreDelFoco(), foco->objectName());
    EXPECT_EQ(TextoDeEstado(w), EstadoDe(foco));
    for (const CajaResultado* caja : w->findChildren<CajaResultado*>())
        EXPECT_EQ(caja->text(), "") << caja->objectName().toStdString();
    for (const CampoProyecto* caja : w->findChildren<CampoProyecto*>())
        EXPECT_EQ(caja->text(), "") << caja->objectName().toStdString();
    for (const QCheckBox* casilla : w->findChildren<QCheckBox*>())
        EXPECT_FALSE(casilla->isChecked()) << casilla->objectName().toStdString();
    for (const QTabWidget* pestanas : w->findChildren<QTabWidget*>())
        EXPECT_EQ(pestanas->currentIndex(), 0) << pestanas->objectName().toStdString();
}

// --- the boxes' rows -------------------------------------------------------------

// Enter in a box moves the focus to the control its row names, which writes its
// own status text.
TEST_P(VentanaDeCalculo, EnterMovesEveryBoxToTheControlItsRowNames)
{
    for (CampoDato* caja : w->findChildren<CampoDato*>()) {
        SCOPED_TRACE(caja->objectName().toStdString());
        MostrarPaginasDe(w, caja);
        caja->setFocus(Qt::OtherFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), caja);
        QTest::keyClick(caja, Qt::Key_Return);
        QWidget* foco = QApplication::focusWidget();
        ASSERT_NE(foco, nullptr);
        EXPECT_EQ(NombreDelFoco(), caja->siguiente());
        if (!EstadoDe(foco).isEmpty()) {
            EXPECT_EQ(TextoDeEstado(w), EstadoDe(foco));
        }
    }
}

// The rows' targets make chains: every input box names a control of its own
// page (or of the window around its tab control), no box is named by two
// others, and no chain runs in a circle, so that each chain ends at a control
// that is not an input box (the page's calculate button, a grid, a list or a
// tab control).
TEST_P(VentanaDeCalculo, EveryBoxLiesOnOneEnterChainThatEndsOnItsPage)
{
    std::map<QString, QString> nombradaPor;
    for (const CampoDato* caja : w->findChildren<CampoDato*>()) {
        SCOPED_TRACE(caja->objectName().toStdString());
        auto* destino = w->findChild<QWidget*>(caja->siguiente());
        ASSERT_NE(destino, nullptr) << "names " << caja->siguiente().toStdString();
        EXPECT_TRUE(PaginaDe(destino)->isAncestorOf(caja))
            << "names " << caja->siguiente().toStdString() << " on another page";
        const auto [previa, nueva] = nombradaPor.emplace(caja->siguiente(), caja->objectName());
        EXPECT_TRUE(nueva) << caja->siguiente().toStdString() << " is named by "
                           << previa->second.toStdString() << " too";
        QStringList cadena { caja->objectName() };
        for (auto* c = qobject_cast<const CampoDato*>(destino); c;
             c = qobject_cast<const CampoDato*>(w->findChild<QWidget*>(c->siguiente()))) {
            ASSERT_FALSE(cadena.contains(c->objectName())) << cadena.join(" ").toStdString();
            cadena << c->objectName();
        }
    }
}

// Every input box, project box and role button writes its status text when the
// mouse passes over it and when it gets the focus.
TEST_P(VentanaDeCalculo, EveryBoxAndButtonWritesItsStatusTextOnMouseOverAndFocus)
{
    QList<QWidget*> controles;
    for (QWidget* c : w->findChildren<QWidget*>())
        if (!EstadoDe(c).isEmpty())
            controles << c;
    ASSERT_FALSE(controles.isEmpty());
    for (QWidget* control : controles) {
        SCOPED_TRACE(control->objectName().toStdString());
        MostrarPaginasDe(w, control);
        calculo->EscribirEstado({});
        MoverRaton(w, control->objectName());
        EXPECT_EQ(TextoDeEstado(w), EstadoDe(control));
        calculo->EscribirEstado({});
        if (QApplication::focusWidget() == control)
            control->clearFocus();
        control->setFocus(Qt::MouseFocusReason);
        EXPECT_EQ(TextoDeEstado(w), EstadoDe(control));
    }
}

// A box whose row carries a warning beeps and shows it as soon as its text
// reads below 0, and keeps the text as typed.
TEST_P(VentanaDeCalculo, ANegativeValueDrawsTheWarningOfItsRow)
{
    for (CampoDato* caja : w->findChildren<CampoDato*>()) {
        if (caja->avisoNegativo().isEmpty())
            continue;
        SCOPED_TRACE(caja->objectName().toStdString());
        MostrarPaginasDe(w, caja);
        grabadora.eventos.clear();
        Escribir(w, caja->objectName(), "-3");
        ASSERT_GE(grabadora.eventos.size(), 2u);
        EXPECT_EQ(grabadora.eventos[0].tipo, EventoGrabado::Pitido);
        EXPECT_EQ(grabadora.eventos[1].texto, caja->avisoNegativo());
        EXPECT_EQ(grabadora.mensajes.back().titulo, "Quelmora");
        EXPECT_EQ(caja->text(), "-3");
        Escribir(w, caja->objectName(), "");
    }
}

// --- clearing ----------------------------------------------------------------------

// After a calculation with the description's ordinary data, "&Limpiar Pantalla"
// gives every box in view and every cell below a grid's header its opening text
// (the results and project boxes are empty at opening), and gives the focus to
// the first box of the page, with its status text; it neither beeps nor shows a
// message.
TEST_P(VentanaDeCalculo, ClearingEmptiesThePageAndFocusesItsFirstBox)
{
    const JuegoDatos& datos = GetParam()->Ordinario();
    for (BotonRol* limpiar : w->findChildren<BotonRol*>()) {
        if (limpiar->rol() != Rol::Limpiar)
            continue;
        SCOPED_TRACE(limpiar->objectName().toStdString());
        MostrarPaginasDe(w, limpiar);
        EscribirJuegoEnVista(w, datos);
        for (CampoProyecto* caja : EnVista<CampoProyecto>())
            Escribir(w, caja->objectName(), "Canal");
        PulsarRol(w, Rol::Calcular);
        grabadora.eventos.clear();
        QTest::mouseClick(limpiar, Qt::LeftButton);
        EXPECT_TRUE(grabadora.eventos.empty()) << "clearing beeps or shows a message";

        for (const QLineEdit* caja : EnVista<QLineEdit>()) {
            if (caja->objectName().isEmpty() || qobject_cast<QComboBox*>(caja->parentWidget()))
                continue;
            EXPECT_EQ(caja->text(), TextoTrasLimpiar(caja)) << caja->objectName().toStdString();
        }
        for (const TablaResultados* grilla : EnVista<TablaResultados>())
            for (int f = 1; f < grilla->Filas(); ++f)
                for (int c = 0; c < grilla->Columnas(); ++c) {
                    const auto inicial = celdasIniciales.find({ grilla, f, c });
                    EXPECT_EQ(grilla->Texto(f, c),
                        inicial == celdasIniciales.end() ? QString() : inicial->second)
                        << grilla->objectName().toStdString() << " " << f << "," << c;
                }
        QWidget* primera = SuperficieDe(limpiar)->primeraEntrada();
        ASSERT_NE(primera, nullptr);
        EXPECT_EQ(NombreDelFoco(), primera->objectName());
        EXPECT_EQ(TextoDeEstado(w), EstadoDe(primera));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ventanas, VentanaDeCalculo, ::testing::ValuesIn(DescripcionesDeCalculo()), NombreDeClase);

} // namespace

} // namespace
