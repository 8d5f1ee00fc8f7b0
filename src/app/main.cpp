#include <QApplication>

#include "app/registro.h"
#include "app/traduccion.h"
#include "frame/ventanas.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelmora"));
    // Without the file the program still starts, with Qt's English texts.
    quelmora::CargarTraduccionQt(app);
    quelmora::RegistrarTodasLasVentanas();
    quelmora::MostrarVentana(QStringLiteral("menuprin"));
    return app.exec();
}
