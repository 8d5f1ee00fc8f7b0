#include <QApplication>
#include <gtest/gtest.h>

#include "app/registro.h"
#include "app/traduccion.h"
#include "frame/plataforma.h"
#include "frame/ventanas.h"

using namespace quelmora;

namespace {

// Every test starts as the program does, whatever ran before it and in whatever
// order: no window open, nothing kept by the windows, the program's windows
// registered and no others, the real platform installed.
class ComoAlArrancar : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override { clases_ = ClasesRegistradas(); }

    void OnTestEnd(const ::testing::TestInfo&) override
    {
        QApplication::closeAllWindows();
        QApplication::processEvents();
        ReiniciarEjecucion();
        // What the test left for later, such as the deletion of a window it
        // closed, happens now and not in the next test.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const QString& clase : ClasesRegistradas())
            if (!clases_.contains(clase))
                RegistrarVentana(clase, {});
        instalarPlataforma(nullptr);
    }

private:
    QStringList clases_;
};

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Before the tests are laid out: the cases over every window read the
    // windows registered.
    RegistrarTodasLasVentanas();
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelmora"));
    // The windows show Qt's own texts as a user sees them.
    CargarTraduccionQt(app);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ComoAlArrancar);
    return RUN_ALL_TESTS();
}
