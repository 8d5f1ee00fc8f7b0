// The floors the benchmark measures the program against: a bare Qt program that
// loads the program's Qt modules and does nothing of the program's.
//
//   quelmora_referencia [--tamano WxH] [caption...]
//     start-up: one main window of that size (the program's main window's)
//     whose menu bar holds the captions given (the program's menus); the
//     start-up probe ends it once the window is painted.
//   quelmora_referencia --principal WxH PWxPH caption...
//     the main window's first showing: the same main window, with a plain
//     picture of PWxPH (the program's cover's) as its central widget, timed as
//     the benchmark times the program's, from the call that makes it to shown,
//     painted and the event loop quiet; prints "abrir <ms>".
//   quelmora_referencia --ventanas WxH...
//     memory: one empty top-level window of each size, shown one after another,
//     each painted and the event loop quiet; then prints "memoria <peak kB>".

#include <QApplication>
#include <QChart>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPrintDialog>
#include <QSvgRenderer>
#include <memory>
#include <vector>

#include "medida.h"

namespace {

// The program's Qt modules beyond Widgets, Gui and Core, each by one of its
// classes: the program has each loaded before its main() runs, so this program
// must too, and a linker keeps a library only when a symbol of it is used.
const QMetaObject* const kModulos[] = {
    &QChart::staticMetaObject,
    &QSvgRenderer::staticMetaObject,
    &QPrintDialog::staticMetaObject,
};

QStringList Modulos()
{
    QStringList clases;
    for (const QMetaObject* modulo : kModulos)
        clases << QString::fromLatin1(modulo->className());
    return clases;
}

QSize Tamano(const char* texto)
{
    int ancho = 0, alto = 0;
    char resto = 0;
    if (std::sscanf(texto, "%dx%d%c", &ancho, &alto, &resto) != 2 || ancho < 1 || alto < 1)
        Abortar(std::string("not a window size: ") + texto);
    return { ancho, alto };
}

// The captions from argv[desde] on.
QStringList Titulos(int argc, char* argv[], int desde)
{
    QStringList titulos;
    for (int i = desde; i < argc; ++i)
        titulos << QString::fromUtf8(argv[i]);
    return titulos;
}

// The program's main window as far as the reference has it: its menu bar's
// captions and, when given, its size.
std::unique_ptr<QMainWindow> VentanaConMenus(const QStringList& titulos, QSize tamano)
{
    auto ventana = std::make_unique<QMainWindow>();
    for (const QString& titulo : titulos)
        ventana->menuBar()->addMenu(titulo);
    if (tamano.isValid())
        ventana->resize(tamano);
    return ventana;
}

// The arguments are read before the application takes its own out of them.
int Arranque(int argc, char* argv[])
{
    QSize tamano;
    int primero = 1;
    if (argc >= 3 && std::strcmp(argv[1], "--tamano") == 0) {
        tamano = Tamano(argv[2]);
        primero = 3;
    }
    const QStringList titulos = Titulos(argc, argv, primero);
    QApplication app(argc, argv);
    app.setProperty("modulos", Modulos());
    const std::unique_ptr<QMainWindow> ventana = VentanaConMenus(titulos, tamano);
    ventana->show();
    return app.exec();
}

int Principal(int argc, char* argv[])
{
    if (argc < 4)
        Abortar("--principal needs the window's size and the picture's");
    const QSize tamano = Tamano(argv[2]);
    const QSize tamanoLamina = Tamano(argv[3]);
    const QStringList titulos = Titulos(argc, argv, 4);
    AplicacionMedida app(argc, argv);
    app.setProperty("modulos", Modulos());
    std::unique_ptr<QMainWindow> ventana;
    double ms = 0;
    Cronometrar(
        app,
        [&] {
            ventana = VentanaConMenus(titulos, tamano);
            QPixmap lamina(tamanoLamina);
            lamina.fill(QColor(112, 152, 188));
            auto* cuadro = new QLabel(ventana.get());
            cuadro->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            cuadro->setPixmap(lamina);
            ventana->setCentralWidget(cuadro);
            ventana->show();
            return ventana.get();
        },
        "the reference's main window", &ms);
    std::printf("abrir\t%.4f\n", ms);
    return 0;
}

int Memoria(int argc, char* argv[])
{
    std::vector<QSize> tamanos;
    for (int i = 2; i < argc; ++i)
        tamanos.push_back(Tamano(argv[i]));
    AplicacionMedida app(argc, argv);
    app.setProperty("modulos", Modulos());
    std::vector<std::unique_ptr<QWidget>> ventanas;
    for (const QSize& tamano : tamanos) {
        QWidget* ventana = ventanas.emplace_back(std::make_unique<QWidget>()).get();
        ventana->resize(tamano);
        ventana->show();
        HastaQuieto(
            app, [ventana] { return Expuesta(ventana); }, "an empty window");
    }
    std::printf("memoria\t%ld\n", PicoMemoriaKb());
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc >= 2 && std::strcmp(argv[1], "--ventanas") == 0)
        return Memoria(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "--principal") == 0)
        return Principal(argc, argv);
    return Arranque(argc, argv);
}
