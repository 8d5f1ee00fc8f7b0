#include <QApplication>

#include "frame/ventanas.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelmora"));
    quelmora::RegistrarTodasLasVentanas();
    quelmora::MostrarVentana(QStringLiteral("menuprin"));
    return app.exec();
}
