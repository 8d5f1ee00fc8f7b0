#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QToolButton>

#include "conductor.h"
#include "resources/portada.h"

using namespace quelmora;

namespace {

namespace {

struct Entrada {
    const char* control;
    const char* titulo; // "-" for a separator line
    const char* clase; // the window it shows, nullptr when it shows none
};

struct Menu {
    const char* control;
    const char* titulo;
    std::vector<Entrada> entradas;
};

// The menu tree as the main window's form gives it, written out by hand.
const std::vector<Menu>& MenusEsperados()
{
    static const std::vector<Menu> menus = {
        { "ynormal", "Tirante-&Normal",
            { { "yntrapezoidal", "Sección &Trapezoidal, Rec. Trian", "yntrape" },
                { "ynparabolica", "Sección &Parabólica", "ynpara" },
                { "yncircular", "Sección &Circular", "yncir" }, { "raya", "-", nullptr },
                { "maxima", "Sección de &Máxima Eficiencia", "ynmaxef" }, { "raya2", "-", nullptr },
                { "ynmiinf", "Sección de Mínima &Infiltración", "ynmininf" },
                { "rayayn3", "-", nullptr }, { "salir", "&Salir", nullptr } } },
        { "ycritico", "&Tirante-Crítico",
            { { "yctrapezoidal", "Sección &Trapezoidal, Rec. Trian", "yctrape" },
                { "ycparabolica", "Sección &Parabólica", "ycpara" },
                { "yccircular", "Sección &Circular", "yccir" } } },
        { "resalto", "&Resalto-Hidráulico",
            { { "rhrectangular", "Sección &Rectangular", "rhrectan" },
                { "rhtrapezoidal", "Sección &Trapezoidal", "rhtrape" },
                { "rhparabolica", "Sección &Parabólica", "rhpara" },
                { "rhcircular", "Sección &Circular", "rhcir" } } },
        { "remanso", "R&emanso",
            { { "rintegracion", "&Integración Gráfica", "crinte" },
                { "bakhmeteff", "&Bakhmeteff", "crbak" }, { "bresse", "B&resse", "crbresse" },
                { "directo", "&Directo por Tramos", "crdirtra" },
                { "tramos", "&Tramos Fijos", "crtrafij" } } },
        { "caudales", "&Caudales",
            { { "qtrapezoidal", "Sección &Trapezoidal, Rec. Trian", "qtrape" },
                { "qparabolica", "Sección &Parabólica", "qpara" },
                { "qcircular", "Sección &Circular", "qcir" } } },
        { "otros", "&Otros",
            { { "otroTra", "Sección &Trapezoidal, Rec. Trian (b,S,n)", "frmVariosTrape" },
                { "Otroraya", "-", nullptr },
                { "otrorelacion", "Sección Circular &relación y/d", "frmRelayd" },
                { "otrocircu", "Sección Circular (S,n)", "frmOtrosCir" } } },
        { "mnuMedicion", "&Medición",
            { { "mnumedNcosntante", "Canal Natural con n Constante", "frmQNaturalNConstante" },
                { "mnumedncompuesta", "Canal Natural con n Compuesta", "frmQNaturalRugCompuesta" },
                { "mnumedraya", "-", nullptr },
                { "mnumedcompuerta", "Compuertas y Orificios", "frmCompuerta" },
                { "mnumedvertederos", "Vertederos", "frmVertederos" } } },
        { "mnuestructuras", "E&structuras",
            { { "mnuestrucentrada", "Transición de Entrada Alabeada", "TranAlEn" },
                { "mnuestrusalida", "Transición de Salida Alabeada", "TranAlSa" },
                { "mnuestrulateral", "Vertedero Lateral", "frmVertederoLateral" },
                { "mnuestruraya", "-", nullptr },
                { "mnuestruperdidas", "Pérdidas en Canales", "frmPerdidasCanales" } } },
        { "ayuda", "&Ayuda",
            { { "elementos", "&Ayuda QUELMORA", nullptr }, { "raay2", "-", nullptr },
                { "quelmora", "&Acerca de QUELMORA", "Acerca" } } },
    };
    return menus;
}

bool MismaImagen(const QIcon& icono, const QPixmap& imagen)
{
    const QImage a = icono.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage b = imagen.toImage().convertToFormat(QImage::Format_ARGB32);
    return a == b;
}

int VentanasVisibles()
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            ++n;
    return n;
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

TEST_F(PruebaVentanas, MainWindowOpensWithItsCaption)
{
    QWidget* w = Abrir("menuprin");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(),
        QString("QUELMORA la forma más fácil de diseñar canales y estructuras hidráulicas"));
}

TEST_F(PruebaVentanas, MenuBarHasNineMenusWithEveryEntryInOrder)
{
    QWidget* w = Abrir("menuprin");
    auto* barra = Hallar<QMenuBar>(w, {});
    ASSERT_NE(barra, nullptr);
    const QList<QAction*> principales = barra->actions();
    const auto& esperados = MenusEsperados();
    ASSERT_EQ(principales.size(), qsizetype(esperados.size()));
    for (std::size_t m = 0; m < esperados.size(); ++m) {
        QMenu* menu = principales[qsizetype(m)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), QString::fromUtf8(esperados[m].control));
        EXPECT_EQ(menu->title(), QString::fromUtf8(esperados[m].titulo));
        const QList<QAction*> entradas = menu->actions();
        ASSERT_EQ(entradas.size(), qsizetype(esperados[m].entradas.size())) << esperados[m].control;
        for (std::size_t e = 0; e < esperados[m].entradas.size(); ++e) {
            const Entrada& esperada = esperados[m].entradas[e];
            QAction* entrada = entradas[qsizetype(e)];
            EXPECT_EQ(entrada->objectName(), QString::fromUtf8(esperada.control));
            if (QString::fromUtf8(esperada.titulo) == "-") {
                EXPECT_TRUE(entrada->isSeparator()) << esperada.control;
            } else {
                EXPECT_FALSE(entrada->isSeparator()) << esperada.control;
                EXPECT_EQ(entrada->text(), QString::fromUtf8(esperada.titulo));
            }
            EXPECT_TRUE(entrada->shortcut().isEmpty()) << esperada.control << " has a shortcut";
        }
    }
}

TEST_F(PruebaVentanas, EachEntryShowsItsWindowOrNothingWhileItDoesNotExist)
{
    QWidget* w = Abrir("menuprin");
    for (const Menu& menu : MenusEsperados())
        for (const Entrada& entrada : menu.entradas) {
            if (!entrada.clase)
                continue;
            const QString clase = QString::fromUtf8(entrada.clase);
            const int antes = VentanasVisibles();
            ElegirMenu(w, QString::fromUtf8(entrada.control));
            QApplication::processEvents();
            if (VentanaRegistrada(clase)) {
                ASSERT_NE(VentanaAbierta(clase), nullptr) << entrada.control;
                EXPECT_TRUE(VentanaAbierta(clase)->isVisible()) << entrada.control;
                VentanaAbierta(clase)->close();
                QApplication::processEvents();
            } else {
                EXPECT_EQ(VentanasVisibles(), antes) << entrada.control << " opened something";
            }
        }
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(grabadora.programasIniciados.isEmpty());
    EXPECT_EQ(grabadora.terminaciones, 0);
}

TEST_F(PruebaVentanas, AboutShownTwiceIsOneWindowInFront)
{
    QWidget* w = Abrir("menuprin");
    ElegirMenu(w, "quelmora");
    QWidget* acerca = VentanaAbierta("Acerca");
    ASSERT_NE(acerca, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(acerca));
    EXPECT_EQ(acerca->windowTitle(), QString("Acerca de Quelmora versión 3.0"));
    ElegirMenu(w, "quelmora");
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
