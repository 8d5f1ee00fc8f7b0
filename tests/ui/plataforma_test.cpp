// The real platform behind the seam: its message boxes are QMessageBox windows
// whose text, title, icon and button can be read, and the help viewer that is
// not on this system fails to start without reaching a shell.

#include <QMessageBox>
#include <QTimer>

#include "conductor.h"
#include "frame/plataforma.h"

using namespace quelmora;

namespace {

namespace {

struct CajaVista {
    bool vista = false;
    QString texto;
    QString titulo;
    QMessageBox::Icon icono = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> botones;
    QStringList rotulos; // the buttons' texts
};

// Shows what mostrar opens with the real platform, reads the modal box that
// comes up and closes it with its OK button. A box that never shows still ends
// the wait, so the test cannot hang.
CajaVista LeerCajaDe(const std::function<void()>& mostrar)
{
    instalarPlataforma(nullptr);
    CajaVista vista;
    int intentos = 0;
    std::function<void()> buscar = [&] {
        auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!caja) {
            if (++intentos < 200)
                QTimer::singleShot(10, buscar);
            return;
        }
        vista.vista = true;
        vista.texto = caja->text();
        vista.titulo = caja->windowTitle();
        vista.icono = caja->icon();
        for (QAbstractButton* b : caja->buttons()) {
            vista.botones << caja->standardButton(b);
            vista.rotulos << b->text();
        }
        if (QAbstractButton* ok = caja->button(QMessageBox::Ok))
            ok->click();
        else
            caja->done(0);
    };
    QTimer::singleShot(0, buscar);
    mostrar();
    return vista;
}

} // namespace

TEST(PlataformaReal, AvisoSimpleIsAnOkBoxWithoutIconTitledQuelmora)
{
    const CajaVista caja = LeerCajaDe(
        [] { AvisoSimple(QStringLiteral("Ingresar para Q, un valor mayor que cero")); });
    ASSERT_TRUE(caja.vista);
    EXPECT_EQ(caja.texto, "Ingresar para Q, un valor mayor que cero");
    EXPECT_EQ(caja.titulo, "Quelmora");
    EXPECT_EQ(caja.icono, QMessageBox::NoIcon);
    EXPECT_EQ(caja.botones, QList<QMessageBox::StandardButton> { QMessageBox::Ok });
}

// Qt's own texts are loaded in Spanish at start, as the program's are.
TEST(PlataformaReal, TheOkButtonReadsInSpanish)
{
    const CajaVista caja = LeerCajaDe([] { AvisoSimple(QStringLiteral("Mensaje")); });
    ASSERT_TRUE(caja.vista);
    EXPECT_EQ(caja.rotulos, QStringList { "Aceptar" });
}

TEST(PlataformaReal, AvisoInformativoCarriesTheInformationIconAndItsTitle)
{
    const CajaVista caja = LeerCajaDe([] {
        AvisoInformativo(QStringLiteral("Ingresar un valor adecuado para el caudal"),
            QStringLiteral("Error de ingreso de datos"));
    });
    ASSERT_TRUE(caja.vista);
    EXPECT_EQ(caja.texto, "Ingresar un valor adecuado para el caudal");
    EXPECT_EQ(caja.titulo, "Error de ingreso de datos");
    EXPECT_EQ(caja.icono, QMessageBox::Information);
    EXPECT_EQ(caja.botones, QList<QMessageBox::StandardButton> { QMessageBox::Ok });
}

TEST(PlataformaReal, CalculatorErrorBoxIsCritical)
{
    QWidget* calculadora = MostrarVentana(QStringLiteral("frmCalculadora"));
    ASSERT_NE(calculadora, nullptr);
    for (const char* tecla : { "cmdNum_5", "cmdOp_1", "cmdNum_0" })
        Hallar<QAbstractButton>(calculadora, tecla)->click();
    const CajaVista caja = LeerCajaDe(
        [&] { Hallar<QAbstractButton>(calculadora, QStringLiteral("cmdEquals"))->click(); });
    ASSERT_TRUE(caja.vista);
    EXPECT_EQ(
        caja.texto, "No se puede cumplir con su petición.\r\nEsta operación ha sido cancelada.");
    EXPECT_EQ(caja.titulo, "Error en cálculo");
    EXPECT_EQ(caja.icono, QMessageBox::Critical);
    EXPECT_EQ(caja.botones, QList<QMessageBox::StandardButton> { QMessageBox::Ok });
    EXPECT_EQ(Hallar(calculadora, "PicDisplay")->property("text").toString(), "5.");
    QApplication::closeAllWindows();
}

TEST(PlataformaReal, HelpViewerMissingHereShowsTheErrorBox)
{
    instalarPlataforma(nullptr);
    // No program of that name exists on this system, and no shell reads it.
    EXPECT_FALSE(plataforma().iniciarPrograma(
        QStringLiteral("c:\\Quelmora\\hh"), { QStringLiteral("c:\\Quelmora\\Ayuda.chm") }));

    QWidget* menu = MostrarVentana(QStringLiteral("menuprin"));
    ASSERT_NE(menu, nullptr);
    auto* ayuda = menu->findChild<QAction*>(QStringLiteral("elementos"));
    ASSERT_NE(ayuda, nullptr);
    const CajaVista caja = LeerCajaDe([&] { ayuda->trigger(); });
    ASSERT_TRUE(caja.vista);
    EXPECT_EQ(caja.texto, "Para obtener la ayuda presionar tecla F1 ");
    EXPECT_EQ(caja.titulo, "Mensaje de error");
    EXPECT_EQ(caja.icono, QMessageBox::Information);
    EXPECT_TRUE(menu->isVisible());
    QApplication::closeAllWindows();
}

TEST(PlataformaReal, ClipboardKeepsPlainText)
{
    instalarPlataforma(nullptr);
    plataforma().limpiarPortapapeles();
    plataforma().ponerTextoPortapapeles(QStringLiteral("12."));
    EXPECT_TRUE(plataforma().portapapelesTieneTexto());
    EXPECT_EQ(plataforma().textoPortapapeles(), "12.");
}

} // namespace
