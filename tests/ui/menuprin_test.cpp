#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QToolButton>

#include "app/Acerca.h"
#include "app/menuprin.h"
#include "conductor.h"
#include "resources/portada.h"

using namespace quelmora;

namespace {

namespace {

bool MismaImagen(const QIcon& icono, const QPixmap& imagen)
{
    const QImage a = icono.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage b = imagen.toImage().convertToFormat(QImage::Format_ARGB32);
    return a == b;
}

int VentanasDeClase(const QString& clase)
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == clase && w->isVisible())
            ++n;
    return n;
}

} // namespace

// The menu bar is built from the table of windows: every menu and entry in its
// order, with its control name and caption, and no shortcut on any entry.
TEST_F(PruebaVentanas, MenuBarHasNineMenusWithEveryEntryInOrder)
{
    QWidget* w = Abrir("menuprin");
    auto* barra = Hallar<QMenuBar>(w, {});
    ASSERT_NE(barra, nullptr);
    const QList<QAction*> principales = barra->actions();
    ASSERT_EQ(principales.size(), 9);
    int m = -1;
    QList<QAction*> entradas;
    int e = 0;
    for (const FilaMenu& fila : FilasMenuPrincipal()) {
        if (fila.principal) {
            if (m >= 0) {
                EXPECT_EQ(e, entradas.size())
                    << "entries left in " << principales[m]->text().toStdString();
            }
            ASSERT_LT(++m, principales.size());
            QMenu* menu = principales[m]->menu();
            ASSERT_NE(menu, nullptr);
            EXPECT_EQ(menu->objectName(), fila.Control());
            EXPECT_EQ(menu->title(), fila.Titulo());
            entradas = menu->actions();
            e = 0;
            continue;
        }
        ASSERT_LT(e, entradas.size()) << fila.Control().toStdString();
        QAction* entrada = entradas[e++];
        EXPECT_EQ(entrada->objectName(), fila.Control());
        EXPECT_EQ(entrada->isSeparator(), fila.Titulo() == "-") << fila.Control().toStdString();
        if (!entrada->isSeparator()) {
            EXPECT_EQ(entrada->text(), fila.Titulo());
        }
        EXPECT_TRUE(entrada->shortcut().isEmpty())
            << fila.Control().toStdString() << " has a shortcut";
        if (fila.ventana) {
            EXPECT_EQ(principales[m]->menu()->objectName(), fila.ventana->entrada.menu)
                << fila.ventana->clase << " described under another menu";
        }
    }
    EXPECT_EQ(m + 1, principales.size());
    EXPECT_EQ(e, entradas.size());
}

// Every window class of the program is described, once, and every one but the
// main window and the calculator has its entry in the menu bar.
TEST(TablaDeVentanas, EveryRegisteredWindowIsDescribedAndReached)
{
    QStringList descritas;
    for (const DescripcionVentana* d : VentanasDescritas())
        descritas << d->clase;
    QStringList ordenadas = descritas;
    ordenadas.sort();
    ordenadas.removeDuplicates();
    EXPECT_EQ(ordenadas.size(), descritas.size()) << "a window described twice";
    EXPECT_EQ(ordenadas, ClasesRegistradas());
    QStringList alcanzadas { "menuprin", "frmCalculadora" };
    for (const FilaMenu& fila : FilasMenuPrincipal())
        if (fila.ventana)
            alcanzadas << fila.ventana->clase;
    alcanzadas.sort();
    EXPECT_EQ(alcanzadas, ordenadas);
}

TEST_F(PruebaVentanas, EachEntryShowsItsWindowAndKeepsTheMainWindow)
{
    QWidget* w = Abrir("menuprin");
    for (const FilaMenu& fila : FilasMenuPrincipal()) {
        if (!fila.ventana)
            continue;
        const QString clase = QString::fromUtf8(fila.ventana->clase);
        ElegirMenu(w, fila.Control());
        QApplication::processEvents();
        QWidget* abierta = VentanaAbierta(clase);
        ASSERT_NE(abierta, nullptr) << fila.ventana->clase;
        EXPECT_TRUE(abierta->isVisible()) << fila.ventana->clase;
        abierta->close();
        QApplication::processEvents();
    }
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(grabadora.programasIniciados.isEmpty());
    EXPECT_EQ(grabadora.terminaciones, 0);
}

TEST_F(PruebaVentanas, AboutShownTwiceIsOneWindowInFront)
{
    QWidget* w = Abrir("menuprin");
    ElegirMenu(w, Acerca::kDescripcion.entrada.control);
    QWidget* acerca = VentanaAbierta("Acerca");
    ASSERT_NE(acerca, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(acerca));
    ElegirMenu(w, Acerca::kDescripcion.entrada.control);
    QApplication::processEvents();
    EXPECT_EQ(VentanaAbierta("Acerca"), acerca);
    EXPECT_EQ(VentanasDeClase("Acerca"), 1);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(PruebaVentanas, HelpWithoutViewerShowsTheErrorBox)
{
    QWidget* w = Abrir("menuprin");
    ElegirMenu(w, "elementos");
    ASSERT_EQ(grabadora.programasIniciados.size(), 1);
    EXPECT_EQ(grabadora.programasIniciados[0], QString("c:\\Quelmora\\hh|c:\\Quelmora\\Ayuda.chm"));
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.mensajes[0].texto, QString("Para obtener la ayuda presionar tecla F1 "));
    EXPECT_EQ(grabadora.mensajes[0].titulo, QString("Mensaje de error"));
    EXPECT_EQ(grabadora.mensajes[0].icono, IconoMensaje::Informacion);
    EXPECT_EQ(grabadora.pitidos, 0);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(PruebaVentanas, HelpThatStartsShowsNoBox)
{
    grabadora.programaArranca = true;
    QWidget* w = Abrir("menuprin");
    ElegirMenu(w, "elementos");
    EXPECT_EQ(grabadora.programasIniciados.size(), 1);
    EXPECT_TRUE(grabadora.mensajes.empty());
}

TEST_F(PruebaVentanas, SalirMenuEndsTheProgramWithoutAQuestion)
{
    QWidget* w = Abrir("menuprin");
    Abrir("Acerca");
    ElegirMenu(w, "salir");
    EXPECT_EQ(grabadora.terminaciones, 1);
    EXPECT_TRUE(grabadora.mensajes.empty());
}

TEST_F(PruebaVentanas, SalirButtonEndsTheProgram)
{
    QWidget* w = Abrir("menuprin");
    Pulsar(w, "bSalir");
    EXPECT_EQ(grabadora.terminaciones, 1);
    EXPECT_TRUE(grabadora.mensajes.empty());
}

TEST_F(PruebaVentanas, CoverAndExitButtonStandWhereTheFormPutsThem)
{
    QWidget* w = Abrir("menuprin");
    auto* cubierta = Hallar<QLabel>(w, "Picture1");
    auto* salir = Hallar<QToolButton>(w, "bSalir");
    ASSERT_TRUE(cubierta && salir);
    // 11895 x 7980 twips; the button at (9360, 6240), 1335 x 855, inside the cover.
    EXPECT_EQ(cubierta->geometry(), QRect(0, 0, 793, 532));
    EXPECT_EQ(salir->parentWidget(), cubierta);
    EXPECT_EQ(salir->geometry(), QRect(624, 416, 89, 57));
    EXPECT_EQ(salir->text(), QString("&Salir"));
    EXPECT_EQ(cubierta->pixmap().size(), QSize(789, 528));
    EXPECT_EQ(salir->palette().color(QPalette::Button), QColor(112, 152, 188));
    EXPECT_TRUE(MismaImagen(salir->icon(), ImagenSalir(1)));
}

TEST_F(PruebaVentanas, ExitButtonStaysHighlightedUntilTheMouseMovesOverTheCover)
{
    QWidget* w = Abrir("menuprin");
    auto* cubierta = Hallar<QLabel>(w, "Picture1");
    auto* salir = Hallar<QToolButton>(w, "bSalir");
    ASSERT_TRUE(cubierta && salir);
    MoverRaton(w, "bSalir");
    EXPECT_TRUE(MismaImagen(salir->icon(), ImagenSalir(2)));
    MoverRaton(w, "bSalir", QPoint(2, 2));
    EXPECT_TRUE(MismaImagen(salir->icon(), ImagenSalir(2)));
    MoverRaton(w, "Picture1", QPoint(100, 100));
    EXPECT_TRUE(MismaImagen(salir->icon(), ImagenSalir(1)));
}

TEST_F(PruebaVentanas, ClosedMainWindowComesBackWithItsButtonColour)
{
    QWidget* w = Abrir("menuprin");
    QWidget* acerca = Abrir("Acerca");
    QPointer<QWidget> viejo = w;
    MoverRaton(w, "bSalir");
    w->close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(viejo.isNull());
    EXPECT_TRUE(acerca->isVisible()) << "closing the main window closed another window";
    EXPECT_EQ(grabadora.terminaciones, 0);

    QWidget* nuevo = Abrir("menuprin");
    auto* salir = Hallar<QToolButton>(nuevo, "bSalir");
    ASSERT_NE(salir, nullptr);
    EXPECT_EQ(salir->palette().color(QPalette::Button), QColor(112, 152, 188));
    EXPECT_TRUE(MismaImagen(salir->icon(), ImagenSalir(1)));
}

TEST_F(PruebaVentanas, AboutSalirClosesOnlyTheAboutWindow)
{
    QWidget* w = Abrir("menuprin");
    QWidget* acerca = Abrir("Acerca");
    Pulsar(acerca, "bSalir");
    QApplication::processEvents();
    EXPECT_EQ(VentanaAbierta("Acerca"), nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(grabadora.terminaciones, 0);
}

TEST_F(PruebaVentanas, AboutShowsItsPictureTextsAndButton)
{
    QWidget* acerca = Abrir("Acerca");
    auto* imagen = Hallar<QLabel>(acerca, "Picture1");
    auto* salir = Hallar<QToolButton>(acerca, "bSalir");
    ASSERT_TRUE(imagen && salir);
    EXPECT_EQ(acerca->size(), QSize(491, 503));
    EXPECT_EQ(imagen->geometry(), QRect(80, 72, 335, 248));
    EXPECT_EQ(salir->geometry(), QRect(368, 432, 89, 57));
    EXPECT_EQ(salir->text(), QString("&Salir"));
    QStringList textos;
    for (QLabel* l : acerca->findChildren<QLabel*>())
        textos << l->text();
    EXPECT_TRUE(textos.contains("Consultas y sugerencias:"));
    EXPECT_TRUE(textos.contains("Para otros trabajos consultar:"));
    EXPECT_TRUE(textos.contains("Programación :"));
}

TEST_F(PruebaVentanas, AboutButtonIsRestoredOnlyByTheWindowSurface)
{
    QWidget* acerca = Abrir("Acerca");
    auto* imagen = Hallar<QLabel>(acerca, "Picture1");
    auto* salir = Hallar<QToolButton>(acerca, "bSalir");
    ASSERT_TRUE(imagen && salir);
    MoverRaton(acerca, "bSalir");
    EXPECT_TRUE(MismaImagen(salir->icon(), ImagenSalir(2)));
    MoverRaton(acerca, "Picture1");
    EXPECT_TRUE(MismaImagen(salir->icon(), ImagenSalir(2)));
    MoverRaton(acerca, "Label2");
    EXPECT_TRUE(MismaImagen(salir->icon(), ImagenSalir(2)));
    MoverRaton(acerca, {}, QPoint(5, 5));
    EXPECT_TRUE(MismaImagen(salir->icon(), ImagenSalir(1)));
}

TEST_F(PruebaVentanas, ClosedAboutWindowOpensAgainAfresh)
{
    QWidget* acerca = Abrir("Acerca");
    QPointer<QWidget> viejo = acerca;
    MoverRaton(acerca, "bSalir");
    acerca->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(viejo.isNull());
    EXPECT_EQ(VentanaAbierta("Acerca"), nullptr);

    QWidget* otra = Abrir("Acerca");
    ASSERT_NE(otra, nullptr);
    auto* salir = Hallar<QToolButton>(otra, "bSalir");
    ASSERT_NE(salir, nullptr);
    EXPECT_TRUE(MismaImagen(salir->icon(), ImagenSalir(1)));
    EXPECT_EQ(VentanasDeClase("Acerca"), 1);
}

} // namespace
