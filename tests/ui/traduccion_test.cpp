// Qt's own texts read in Spanish as the rest of the interface does, and a
// program whose Spanish translation is missing still starts, in Qt's English.

#include <QMenu>
#include <QTemporaryDir>
#include <QTranslator>
#include <memory>

#include "app/traduccion.h"
#include "conductor.h"

using namespace quelmora;

namespace {

namespace {

QStringList TextosDelMenu(QMenu& menu)
{
    QStringList textos;
    for (const QAction* accion : menu.actions())
        if (!accion->isSeparator())
            textos << accion->text().section('\t', 0, 0); // without the shortcut
    return textos;
}

// Takes Qt's translations out of the application for the life of a test and
// puts them back afterwards, so the tests after it see the program's texts.
class SinTraducciones {
public:
    SinTraducciones()
    {
        quitadas = qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly);
        for (QTranslator* t : quitadas)
            QCoreApplication::removeTranslator(t);
    }
    ~SinTraducciones()
    {
        for (QTranslator* t : quitadas)
            QCoreApplication::installTranslator(t);
    }
    QList<QTranslator*> quitadas;
};

} // namespace

TEST_F(PruebaVentanas, BoxContextMenuReadsInSpanish)
{
    QWidget* w = Abrir("yntrape");
    const std::unique_ptr<QMenu> menu(Hallar<QLineEdit>(w, "q")->createStandardContextMenu());
    const QStringList textos = TextosDelMenu(*menu);
    EXPECT_TRUE(textos.contains("&Copiar")) << textos.join(" / ").toStdString();
    EXPECT_TRUE(textos.contains("Seleccionar todo")) << textos.join(" / ").toStdString();
}

TEST_F(PruebaVentanas, WithoutTheTranslationFileTheProgramStartsInEnglish)
{
    const SinTraducciones sin;
    ASSERT_FALSE(sin.quitadas.isEmpty()) << "the test program loads Qt's texts as the program does";
    QTemporaryDir vacia;
    ASSERT_TRUE(vacia.isValid());
    EXPECT_FALSE(CargarTraduccionQt(*qApp, vacia.path()));
    EXPECT_TRUE(
        qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly).size() == sin.quitadas.size())
        << "a translator was left behind";
    QWidget* w = Abrir("yntrape");
    const std::unique_ptr<QMenu> menu(Hallar<QLineEdit>(w, "q")->createStandardContextMenu());
    EXPECT_TRUE(TextosDelMenu(*menu).contains("&Copy"));
    QWidget* principal = Abrir("menuprin");
    ASSERT_NE(principal, nullptr);
    EXPECT_TRUE(principal->isVisible());
}

} // namespace
