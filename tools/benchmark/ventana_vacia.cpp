// The reference for start-up: a bare Qt program that shows one empty main window.
// The start-up probe ends it once that window is painted.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow ventana;
    ventana.show();
    return app.exec();
}
