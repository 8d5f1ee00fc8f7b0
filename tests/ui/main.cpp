#include <QApplication>
#include <gtest/gtest.h>

#include "app/traduccion.h"
#include "frame/ventanas.h"

using namespace quelmora;

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelmora"));
    // The windows show Qt's own texts as a user sees them.
    CargarTraduccionQt(app);
    RegistrarTodasLasVentanas();
    return RUN_ALL_TESTS();
}
