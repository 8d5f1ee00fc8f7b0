// Pictures of every window the main menu opens, as a user sees them in a real
// window system: the main window with each of its menus dropped down, then each
// window opened from its menu entry, a sound data set of its description typed
// into it, every page calculated, and the calculator reached from the first
// calculation window. Each picture holds the window with its frame and title bar, so that
// a caption cut short, a clipped box or two controls on top of each other show.
//
// Usage: capturas [folder]   (the folder defaults to /tmp/capturas)
// Run it through tools/capturas.sh, which starts the virtual display and a
// window manager for the frames.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

#include "app/registro.h"
#include "app/traduccion.h"
#include "frame/descripcion.h"
#include "frame/plataforma.h"
#include "frame/ventanas.h"

using namespace quelmora;

namespace {

QTextStream salida(stderr);

// Messages go to the terminal instead of a modal box, so that nothing waits on
// a click; printing finds no printer and the program is never ended from here.
class PlataformaCapturas final : public Plataforma {
public:
    void mensaje(QWidget*, const QString& texto, const QString& titulo, IconoMensaje) override
    {
        salida << "  message [" << titulo << "]: " << texto << Qt::endl;
    }
    void beep() override { salida << "  beep" << Qt::endl; }
    void limpiarPortapapeles() override { portapapeles.clear(); }
    void ponerTextoPortapapeles(const QString& texto) override { portapapeles = texto; }
    bool portapapelesTieneTexto() override { return !portapapeles.isNull(); }
    QString textoPortapapeles() override { return portapapeles; }
    ResultadoImpresion imprimirVentana(QWidget*) override
    {
        return ResultadoImpresion::SinImpresora;
    }
    bool iniciarPrograma(const QString&, const QStringList&) override { return false; }
    void terminarPrograma() override { }

private:
    QString portapapeles;
};

// The data set of the window's description that shows the most: its last, which
// makes a window that warns of an erosive velocity warn, so that the warning's
// place shows too, and the side weir's march reach the crest; nullptr for a
// window that does not calculate.
const JuegoDatos* DatosDeVentana(const QString& clase)
{
    const DescripcionVentana* descripcion = DescripcionDe(clase);
    if (!descripcion || !descripcion->Calcula())
        return nullptr;
    return &descripcion->Ilustrativo();
}

QString carpeta;
int fallos = 0;

// Lets the window system and the painting catch up.
void Esperar(int ms = 300)
{
    QApplication::processEvents();
    QTest::qWait(ms);
}

bool Mostrada(QWidget* ventana)
{
    if (!QTest::qWaitForWindowExposed(ventana, 5000)) {
        salida << "  window " << ventana->objectName() << " never showed" << Qt::endl;
        ++fallos;
        return false;
    }
    // The window manager adds the frame after the window maps.
    Esperar(400);
    return true;
}

// The window with its frame, as the screen shows it; extra widens the picture
// to hold a dropped-down menu.
void Capturar(QWidget* ventana, const QString& nombre, const QRect& extra = {})
{
    Esperar();
    QRect zona = ventana->frameGeometry();
    if (!extra.isNull())
        zona = zona.united(extra);
    QScreen* pantalla = ventana->screen();
    zona = zona.intersected(pantalla->geometry());
    const QPixmap imagen = pantalla->grabWindow(0, zona.x(), zona.y(), zona.width(), zona.height());
    const QString archivo = QDir(carpeta).filePath(nombre + QStringLiteral(".png"));
    if (imagen.isNull() || !imagen.save(archivo)) {
        salida << "  could not save " << archivo << Qt::endl;
        ++fallos;
        return;
    }
    salida << "  " << archivo << "  (" << zona.width() << " x " << zona.height() << ")" << Qt::endl;
}

// Puts the window's frame at the screen's corner, whole in view, and in front.
void Colocar(QWidget* ventana)
{
    ventana->move(0, 0);
    ventana->raise();
    ventana->activateWindow();
    if (!QTest::qWaitForWindowActive(ventana, 2000))
        salida << "  window " << ventana->objectName() << " did not take the focus" << Qt::endl;
    Esperar(200);
}

void Escribir(QLineEdit* caja, const QString& texto)
{
    caja->setFocus();
    caja->selectAll();
    QTest::keyClicks(caja, texto);
}

// Types each segment into the segment grid key by key, Enter after each value:
// the first key opens the cell editor, the rest go into it.
void EscribirTramos(QWidget* grilla, std::initializer_list<Tramo> tramos)
{
    grilla->setFocus();
    Esperar(100);
    for (const Tramo& tramo : tramos)
        for (const char* valor : { tramo.ancho, tramo.profundidad, tramo.rugosidad }) {
            if (!valor)
                continue;
            for (QChar c : QString::fromUtf8(valor))
                if (QWidget* foco = QApplication::focusWidget())
                    QTest::keyClicks(foco, QString(c));
            if (QWidget* foco = QApplication::focusWidget())
                QTest::keyClick(foco, Qt::Key_Return);
        }
}

template <class T> QList<T*> Visibles(QWidget* ventana, const QString& prefijo = {})
{
    QList<T*> hallados;
    for (T* c : ventana->findChildren<T*>())
        if (c->isVisible() && c->isEnabled() && c->objectName().startsWith(prefijo))
            hallados << c;
    return hallados;
}

void ElegirPestana(QTabWidget* pestanas, int i)
{
    QTest::mouseClick(
        pestanas->tabBar(), Qt::LeftButton, {}, pestanas->tabBar()->tabRect(i).center());
    Esperar(200);
}

// Chooses the first entry of every list still blank on the page in view, and
// on every page of a tab control inside it, as a user picks a material.
void ElegirEnListas(QWidget* ventana, QTabWidget* pestanas)
{
    auto elegir = [ventana] {
        for (QComboBox* lista : Visibles<QComboBox>(ventana))
            if (lista->currentIndex() < 0 && lista->count() > 0) {
                lista->setCurrentIndex(0);
                emit lista->activated(0);
            }
    };
    for (QTabWidget* interior : Visibles<QTabWidget>(ventana)) {
        if (interior == pestanas)
            continue;
        for (int j = 0; j < interior->count(); ++j) {
            ElegirPestana(interior, j);
            elegir();
        }
        ElegirPestana(interior, 0);
    }
    elegir();
}

// Types the window's data into the boxes of the page in view.
void Llenar(QWidget* ventana, const JuegoDatos& datos, bool& tramosEscritos)
{
    for (const auto& [nombre, valor] : datos.cajas) {
        auto* caja = ventana->findChild<QLineEdit*>(QString::fromUtf8(nombre));
        if (caja && caja->isVisible() && caja->isEnabled() && !caja->isReadOnly())
            Escribir(caja, QString::fromUtf8(valor));
    }
    auto* grilla = ventana->findChild<QWidget*>(QStringLiteral("grdt"));
    if (grilla && grilla->isVisible() && datos.tramos.size() > 0 && !tramosEscritos) {
        EscribirTramos(grilla, datos.tramos);
        tramosEscritos = true;
    }
}

// The calculator as the first calculation window's button opens it, with a
// small sum on its display.
void CapturarCalculadora(QWidget* ventana, const QString& prefijo)
{
    auto* boton = ventana->findChild<QAbstractButton*>(QStringLiteral("bCalculadora"));
    if (!boton)
        return;
    QTest::mouseClick(boton, Qt::LeftButton);
    QWidget* calculadora = VentanaAbierta(QStringLiteral("frmCalculadora"));
    if (!calculadora || !Mostrada(calculadora))
        return;
    Colocar(calculadora);
    for (const char* tecla : { "cmdNum_1", "cmdNum_2", "cmdDecimal", "cmdNum_5" })
        if (auto* b = calculadora->findChild<QAbstractButton*>(QString::fromLatin1(tecla)))
            QTest::mouseClick(b, Qt::LeftButton);
    Capturar(calculadora, prefijo + QStringLiteral("_frmCalculadora"));
    calculadora->close();
    Esperar(100);
}

// A role button lit under the pointer, and a real message box over the
// window: "&Calcular" with the boxes emptied by "&Limpiar Pantalla".
void CapturarDetalles(QWidget* ventana, const QString& prefijo)
{
    auto* calcular = ventana->findChild<QAbstractButton*>(QStringLiteral("bCalcular"));
    auto* limpiar = ventana->findChild<QAbstractButton*>(QStringLiteral("bLimpiar"));
    if (!calcular || !limpiar)
        return;
    QCursor::setPos(calcular->mapToGlobal(calcular->rect().center()));
    Esperar(300);
    Capturar(ventana, prefijo + QStringLiteral("_boton_resaltado"));
    QCursor::setPos(ventana->screen()->geometry().bottomRight());
    QTest::mouseClick(limpiar, Qt::LeftButton);
    // The message box is modal: it is pictured and closed from the event loop
    // it runs.
    Plataforma& grabadora = plataforma();
    instalarPlataforma(nullptr);
    QTimer::singleShot(800, [prefijo] {
        if (QWidget* caja = QApplication::activeModalWidget()) {
            Capturar(caja, prefijo + QStringLiteral("_mensaje"));
            caja->close();
        }
    });
    QTest::mouseClick(calcular, Qt::LeftButton);
    instalarPlataforma(&grabadora);
}

// Every page of the window (and every page of a tab control inside a page).
void RecorrerVentana(QWidget* ventana, const QString& prefijo)
{
    const QString clase = ventana->objectName();
    const JuegoDatos* datos = DatosDeVentana(clase);
    bool tramosEscritos = false;
    auto* pestanas = ventana->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    const int paginas = pestanas ? pestanas->count() : 1;
    for (int i = 0; i < paginas; ++i) {
        QString nombre = prefijo;
        if (pestanas) {
            ElegirPestana(pestanas, i);
            nombre += QStringLiteral("_p%1").arg(i);
        }
        if (datos) {
            Llenar(ventana, *datos, tramosEscritos);
            ElegirEnListas(ventana, pestanas);
            for (QAbstractButton* boton :
                Visibles<QAbstractButton>(ventana, QStringLiteral("bCalcular")))
                QTest::mouseClick(boton, Qt::LeftButton);
        }
        // A move of the pointer off the window, so no button stays lit.
        QCursor::setPos(ventana->screen()->geometry().bottomRight());
        Capturar(ventana, nombre);
        for (QTabWidget* interior : Visibles<QTabWidget>(ventana)) {
            if (interior == pestanas)
                continue;
            for (int j = 1; j < interior->count(); ++j) {
                ElegirPestana(interior, j);
                Capturar(ventana, nombre + QStringLiteral("_t%1").arg(j));
            }
            ElegirPestana(interior, 0);
        }
    }
}

QSet<QWidget*> VentanasVisibles()
{
    QSet<QWidget*> visibles;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !qobject_cast<QMenu*>(w))
            visibles.insert(w);
    return visibles;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelmora"));
    // The pictures show Qt's own texts as the program does, in Spanish.
    CargarTraduccionQt(app);
    carpeta = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/capturas");
    if (!QDir().mkpath(carpeta)) {
        salida << "cannot make the folder " << carpeta << Qt::endl;
        return 2;
    }
    PlataformaCapturas plataformaCapturas;
    instalarPlataforma(&plataformaCapturas);
    RegistrarTodasLasVentanas();
    QCursor::setPos(QApplication::primaryScreen()->geometry().bottomRight());

    auto* principal = qobject_cast<QMainWindow*>(MostrarVentana(QStringLiteral("menuprin")));
    if (!principal || !Mostrada(principal))
        return 1;
    Colocar(principal);
    salida << "menuprin" << Qt::endl;
    Capturar(principal, QStringLiteral("00_menuprin"));

    // Each menu dropped down over the main window.
    const QList<QAction*> menus = principal->menuBar()->actions();
    for (int m = 0; m < menus.size(); ++m) {
        QMenu* menu = menus[m]->menu();
        if (!menu)
            continue;
        principal->menuBar()->setActiveAction(menus[m]);
        Esperar(400);
        Capturar(principal, QStringLiteral("00_menuprin_menu%1").arg(m + 1), menu->geometry());
        menu->close();
        principal->menuBar()->setActiveAction(nullptr);
        Esperar(200);
    }

    // Every entry that opens a window, in menu order.
    int numero = 0;
    bool calculadoraVista = false;
    for (QAction* titulo : menus) {
        if (!titulo->menu())
            continue;
        for (QAction* entrada : titulo->menu()->actions()) {
            if (entrada->isSeparator() || entrada->objectName() == QLatin1String("salir"))
                continue;
            const QSet<QWidget*> antes = VentanasVisibles();
            salida << entrada->objectName() << Qt::endl;
            entrada->trigger();
            Esperar(200);
            QWidget* ventana = nullptr;
            for (QWidget* w : VentanasVisibles())
                if (!antes.contains(w))
                    ventana = w;
            if (!ventana) {
                salida << "  opens no window" << Qt::endl;
                continue;
            }
            if (!Mostrada(ventana))
                continue;
            Colocar(ventana);
            const QString prefijo = QStringLiteral("%1_%2")
                                        .arg(++numero, 2, 10, QChar('0'))
                                        .arg(ventana->objectName());
            RecorrerVentana(ventana, prefijo);
            if (!calculadoraVista
                && ventana->findChild<QAbstractButton*>(QStringLiteral("bCalculadora"))) {
                CapturarCalculadora(ventana, prefijo);
                CapturarDetalles(ventana, prefijo);
                calculadoraVista = true;
            }
            QPointer<QWidget> abierta(ventana);
            ventana->close();
            for (int i = 0; i < 100 && abierta; ++i)
                QTest::qWait(10);
        }
    }
    instalarPlataforma(nullptr);
    salida << numero << " windows, " << fallos << " failures" << Qt::endl;
    return fallos == 0 ? 0 : 1;
}
