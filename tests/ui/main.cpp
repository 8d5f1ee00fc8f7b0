#include <QApplication>
#include <gtest/gtest.h>

#include "frame/ventanas.h"

using namespace quelmora;

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelmora"));
    RegistrarTodasLasVentanas();
    return RUN_ALL_TESTS();
}
