#pragma once
// Drives windows as a user does: finds controls by objectName, types, clicks and
// reads. Every window test uses these helpers.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

#include "frame/controles.h"
#include "frame/descripcion.h"
#include "frame/fallos.h"
#include "frame/grafico_lineas.h"
#include "frame/tabla_resultados.h"
#include "frame/ventanas.h"
#include "grabadora.h"

using namespace quelmora;

// Failure messages show a text as text.
inline void PrintTo(const QString& texto, std::ostream* os)
{
    *os << '"' << texto.toStdString() << '"';
}

// Finds the control called nombre inside ventana; fails the test when missing.
template <class T = QWidget> T* Hallar(QWidget* ventana, const QString& nombre)
{
    T* control = ventana ? ventana->findChild<T*>(nombre) : nullptr;
    EXPECT_NE(control, nullptr) << "no control " << nombre.toStdString();
    return control;
}

// Replaces the text of a box by typing it, as a user would after selecting all.
inline void Escribir(QWidget* ventana, const QString& nombre, const QString& texto)
{
    auto* caja = Hallar<QLineEdit>(ventana, nombre);
    if (!caja)
        return;
    caja->setFocus();
    caja->selectAll();
    if (texto.isEmpty())
        QTest::keyClick(caja, Qt::Key_Delete);
    else
        QTest::keyClicks(caja, texto);
}

inline QString Leer(QWidget* ventana, const QString& nombre)
{
    auto* caja = Hallar<QLineEdit>(ventana, nombre);
    return caja ? caja->text() : QString();
}

// The caption of a label (such as the warning label "mv").
inline QString LeerEtiqueta(QWidget* ventana, const QString& nombre)
{
    auto* etiqueta = Hallar<QLabel>(ventana, nombre);
    return etiqueta ? etiqueta->text() : QString();
}

inline void Pulsar(QWidget* ventana, const QString& nombre)
{
    auto* boton = Hallar<QAbstractButton>(ventana, nombre);
    if (boton)
        QTest::mouseClick(boton, Qt::LeftButton);
}

// Moves the mouse onto a control (its centre, or punto inside it; the window's
// own surface when nombre is empty). The move goes, as the window system sends
// it, to the deepest visible control under the pointer and up from there while
// unhandled.
inline void MoverRaton(QWidget* ventana, const QString& nombre, QPoint punto = {})
{
    QWidget* control = nombre.isEmpty() ? ventana : Hallar<QWidget>(ventana, nombre);
    if (!control)
        return;
    QWidget* raiz = control->window();
    const QPoint enRaiz = control->mapTo(raiz, punto.isNull() ? control->rect().center() : punto);
    QWidget* destino = raiz->childAt(enRaiz);
    if (!destino)
        destino = raiz;
    const QPoint local = destino->mapFrom(raiz, enRaiz);
    QMouseEvent movimiento(QEvent::MouseMove, local, destino->mapToGlobal(local), Qt::NoButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(destino, &movimiento);
}

// The colour a box writes its text in.
inline QColor ColorDeTexto(QWidget* ventana, const QString& nombre)
{
    auto* caja = Hallar<QLineEdit>(ventana, nombre);
    return caja ? caja->palette().color(QPalette::Text) : QColor();
}

// The text of panel 1 of the window's status bar.
inline QString TextoDeEstado(QWidget* ventana)
{
    auto* panel = Hallar<QLabel>(ventana, "Panel1");
    return panel ? panel->text() : QString();
}

// Whether a role button shows its lit picture.
inline bool Resaltado(QWidget* ventana, const QString& boton)
{
    auto* b = Hallar<BotonRol>(ventana, boton);
    return b && b->resaltado();
}

// A key pressed on the control that has the focus.
inline void Tecla(Qt::Key tecla)
{
    QWidget* foco = QApplication::focusWidget();
    EXPECT_NE(foco, nullptr) << "no control has the focus";
    if (foco)
        QTest::keyClick(foco, tecla);
}

inline QString NombreDelFoco()
{
    QWidget* foco = QApplication::focusWidget();
    // A tab control takes the focus on its row of tabs.
    if (qobject_cast<QTabBar*>(foco))
        foco = foco->parentWidget();
    return foco ? foco->objectName() : QString();
}

// The button of the role on the page in view: a tabbed window has a set of role
// buttons on each page.
inline BotonRol* BotonDeRol(QWidget* ventana, Rol rol)
{
    for (BotonRol* b : ventana->findChildren<BotonRol*>())
        if (b->rol() == rol && b->isVisibleTo(ventana))
            return b;
    return nullptr;
}

// Clicks the button of the role on the page in view; fails the test when missing.
inline void PulsarRol(QWidget* ventana, Rol rol)
{
    BotonRol* boton = BotonDeRol(ventana, rol);
    EXPECT_NE(boton, nullptr) << "no button of role " << static_cast<int>(rol);
    if (boton)
        QTest::mouseClick(boton, Qt::LeftButton);
}

// Chooses the menu entry (a QAction) called nombre in the window.
inline void ElegirMenu(QWidget* ventana, const QString& nombre)
{
    auto* entrada = ventana ? ventana->findChild<QAction*>(nombre) : nullptr;
    EXPECT_NE(entrada, nullptr) << "no menu entry " << nombre.toStdString();
    if (entrada)
        entrada->trigger();
}

// The text of a cell of a result grid; row 0 is the header row.
inline QString Celda(QWidget* ventana, const QString& grilla, int fila, int columna)
{
    auto* g = Hallar<TablaResultados>(ventana, grilla);
    return g ? g->Texto(fila, columna) : QString();
}

// Rows of a result grid, the header row included.
inline int FilasDe(QWidget* ventana, const QString& grilla)
{
    auto* g = Hallar<TablaResultados>(ventana, grilla);
    return g ? g->Filas() : -1;
}

// Selects a block of cells of a result grid with the mouse: a click on the first
// cell, a shift-click on the last (rows counted as the grid counts them, the
// header being row 0). With the same cell twice, a click makes it current.
inline void SeleccionarCeldas(
    QWidget* ventana, const QString& grilla, int fila1, int columna1, int fila2, int columna2)
{
    auto* g = Hallar<TablaResultados>(ventana, grilla);
    if (!g)
        return;
    auto pulsarCelda = [g](int fila, int columna, Qt::KeyboardModifiers teclas) {
        const QModelIndex indice = g->model()->index(fila - 1, columna);
        g->scrollTo(indice);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, teclas, g->visualRect(indice).center());
    };
    pulsarCelda(fila1, columna1, Qt::NoModifier);
    if (fila2 != fila1 || columna2 != columna1)
        pulsarCelda(fila2, columna2, Qt::ShiftModifier);
}

// Picks page i of a tab control with a click on its tab.
inline void ElegirPaginaDe(QTabWidget* pestanas, int i)
{
    if (pestanas->currentIndex() == i)
        return;
    QTabBar* barra = pestanas->tabBar();
    QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(i).center());
    if (pestanas->currentIndex() != i) {
        // A tab scrolled out of its row cannot be clicked; pick it as the
        // keyboard would.
        pestanas->setCurrentIndex(i);
    }
}

// Picks page i of the window's tab control SSTab1 with a click on its tab.
inline void ElegirPagina(QWidget* ventana, int i)
{
    if (auto* pestanas = Hallar<QTabWidget>(ventana, "SSTab1"))
        ElegirPaginaDe(pestanas, i);
}

// Types each segment into the entry row of a segment grid, Enter after every
// value, key by key: the first key opens the cell editor, the rest go into it.
inline void EscribirTramos(QWidget* ventana, const std::vector<QStringList>& filas,
    const QString& grilla = QStringLiteral("grdt"))
{
    auto* g = Hallar<QWidget>(ventana, grilla);
    if (!g)
        return;
    g->setFocus();
    for (const auto& fila : filas)
        for (const auto& valor : fila) {
            for (QChar c : valor)
                QTest::keyClicks(QApplication::focusWidget(), QString(c));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
}

// Every described window that calculates (the main window, the About window and
// the calculator have no sound data).
inline std::vector<const DescripcionVentana*> DescripcionesDeCalculo()
{
    std::vector<const DescripcionVentana*> ventanas;
    for (const DescripcionVentana* d : VentanasDescritas())
        if (d->Calcula())
            ventanas.push_back(d);
    return ventanas;
}

// Names a test over descriptions after the window's class.
inline std::string NombreDeClase(const ::testing::TestParamInfo<const DescripcionVentana*>& info)
{
    return info.param->clase;
}

// The rows of a data set's segments, as EscribirTramos types them.
inline std::vector<QStringList> Filas(std::initializer_list<Tramo> tramos)
{
    std::vector<QStringList> filas;
    for (const Tramo& t : tramos) {
        filas.push_back({ QString::fromUtf8(t.ancho), QString::fromUtf8(t.profundidad) });
        if (t.rugosidad)
            filas.back() << QString::fromUtf8(t.rugosidad);
    }
    return filas;
}

// Types a data set as a user does: every box of the set on the page in view
// (those of other pages keep their text), then its segments.
inline void EscribirJuegoEnVista(QWidget* ventana, const JuegoDatos& datos)
{
    for (const auto& [nombre, texto] : datos.cajas) {
        auto* caja = ventana->findChild<QLineEdit*>(nombre);
        if (caja && caja->isVisibleTo(ventana))
            Escribir(ventana, nombre, texto);
    }
    if (datos.tramos.size() > 0)
        EscribirTramos(ventana, Filas(datos.tramos));
}

// Closes the window as its close box does and waits until it is destroyed;
// false when it is still there.
inline bool Cerrar(QWidget* ventana)
{
    QPointer<QWidget> abierta(ventana);
    if (abierta)
        abierta->close();
    for (int i = 0; i < 100 && abierta; ++i)
        QTest::qWait(10);
    return abierta.isNull();
}

// Picks the page captioned titulo of a tab control with a click on its tab.
inline void ElegirPestana(QWidget* ventana, const QString& pestanas, const QString& titulo)
{
    auto* t = Hallar<QTabWidget>(ventana, pestanas);
    if (!t)
        return;
    for (int i = 0; i < t->count(); ++i) {
        if (t->tabText(i) == titulo) {
            QTest::mouseClick(t->tabBar(), Qt::LeftButton, {}, t->tabBar()->tabRect(i).center());
            EXPECT_EQ(t->currentIndex(), i) << "tab " << titulo.toStdString();
            return;
        }
    }
    ADD_FAILURE() << "no tab " << titulo.toStdString();
}

// Brings forward every page that holds the control, outermost first.
inline void MostrarPaginasDe(QWidget* ventana, QWidget* control)
{
    QList<std::pair<QTabWidget*, int>> caminos;
    for (QWidget* w = control; w && w != ventana; w = w->parentWidget()) {
        auto* pila = qobject_cast<QStackedWidget*>(w->parentWidget());
        auto* pestanas = pila ? qobject_cast<QTabWidget*>(pila->parentWidget()) : nullptr;
        if (pestanas)
            caminos.prepend({ pestanas, pestanas->indexOf(w) });
    }
    for (const auto& [pestanas, i] : caminos)
        ElegirPaginaDe(pestanas, i);
}

// Chooses an entry of a list (a combo box) as a user does: opens the list and
// clicks the entry.
inline void ElegirEnLista(QWidget* ventana, const QString& lista, const QString& entrada)
{
    auto* combo = Hallar<QComboBox>(ventana, lista);
    if (!combo)
        return;
    const int i = combo->findText(entrada, Qt::MatchExactly);
    ASSERT_GE(i, 0) << "no entry " << entrada.toStdString();
    combo->showPopup();
    QAbstractItemView* vista = combo->view();
    const QModelIndex indice = vista->model()->index(i, combo->modelColumn());
    vista->scrollTo(indice);
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, vista->visualRect(indice).center());
}

// Base of the window tests: installs the recorder and closes every window after,
// while the recorder still takes what closing shows. Whatever the test leaves,
// the listener in main.cpp then puts the run back as the program starts.
class PruebaVentanas : public ::testing::Test {
protected:
    Grabadora grabadora;
    void SetUp() override { instalarPlataforma(&grabadora); }
    void TearDown() override
    {
        QApplication::closeAllWindows();
        QApplication::processEvents();
        instalarPlataforma(nullptr);
    }
    // Opens the window of a class by the showing rule and waits until it shows.
    QWidget* Abrir(const QString& clase)
    {
        QWidget* w = MostrarVentana(clase);
        EXPECT_NE(w, nullptr) << "class not registered: " << clase.toStdString();
        if (w) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        }
        return w;
    }
};
