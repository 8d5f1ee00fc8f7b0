#include <QApplication>

#include "frame/ventanas.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelmora"));
    RegistrarTodasLasVentanas();
    MostrarVentana(QStringLiteral("menuprin"));
    return app.exec();
}
