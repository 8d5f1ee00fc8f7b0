// Every window's caption, menu entry and input boxes against tables written
// apart from the program, from the forms' own texts (textos_esperados/). The
// generic checks of ventanas_descritas_test show that each window behaves as its
// descriptions and rows say; these show that they say what the form says, to
// the last blank. The boxes are driven, not read from their rows, because a
// box's warning may come from a rule of its window's own (the profiles' nt).
//
// ventanas.tsv: class, caption, menu, entry.
// entradas.tsv: class, box, opening text, status text, negative-value warning
// ("-" none, "?" either none or any), Enter target ("-" none).

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <map>

#include "conductor.h"

namespace {

namespace {

// A field of a table: the text inside its double quotes, or the bare word.
QString Campo(const QString& campo)
{
    if (campo.size() >= 2 && campo.startsWith('"') && campo.endsWith('"'))
        return campo.mid(1, campo.size() - 2);
    return campo;
}

std::vector<QStringList> LeerTabla(const char* archivo, qsizetype campos)
{
    QFile f(QStringLiteral(QUELMORA_TEXTOS_ESPERADOS "/") + archivo);
    std::vector<QStringList> filas;
    if (!f.open(QIODevice::ReadOnly))
        return filas;
    for (const QByteArray& linea : f.readAll().split('\n')) {
        if (linea.isEmpty())
            continue;
        QStringList fila;
        for (const QString& c : QString::fromUtf8(linea).split('\t'))
            fila << Campo(c);
        if (fila.size() == campos)
            filas.push_back(fila);
        else
            filas.push_back({});
    }
    return filas;
}

const std::vector<QStringList>& Ventanas()
{
    static const std::vector<QStringList> filas = LeerTabla("ventanas.tsv", 4);
    return filas;
}

const std::vector<QStringList>& Entradas()
{
    static const std::vector<QStringList> filas = LeerTabla("entradas.tsv", 6);
    return filas;
}

// The classes of a table, in its order, each once.
std::vector<std::string> Clases(const std::vector<QStringList>& tabla)
{
    std::vector<std::string> clases;
    for (const QStringList& fila : tabla)
        if (clases.empty() || clases.back() != fila.value(0).toStdString())
            clases.push_back(fila.value(0).toStdString());
    return clases;
}

class TextosDeLaVentana : public PruebaVentanas, public ::testing::WithParamInterface<std::string> {
protected:
    QString Clase() const { return QString::fromStdString(GetParam()); }
};

class TextosDeLasEntradas : public TextosDeLaVentana { };

TEST(TablasDeTextos, EveryRowIsWholeAndEveryMenuWindowIsListed)
{
    ASSERT_EQ(Ventanas().size(), 32u);
    ASSERT_EQ(Entradas().size(), 175u);
    for (const QStringList& fila : Ventanas())
        EXPECT_EQ(fila.size(), 4);
    for (const QStringList& fila : Entradas())
        EXPECT_EQ(fila.size(), 6);
}

// The caption, and the entry of the main window's menu bar that opens it.
TEST_P(TextosDeLaVentana, CaptionAndMenuEntryAreTheFormsOwn)
{
    QStringList fila;
    for (const QStringList& f : Ventanas())
        if (f.value(0) == Clase())
            fila = f;
    ASSERT_EQ(fila.size(), 4);
    QWidget* menu = Abrir("menuprin");
    auto* barra = menu->findChild<QMenuBar*>();
    ASSERT_NE(barra, nullptr);
    QAction* entrada = nullptr;
    for (QAction* principal : barra->actions())
        if (principal->menu() && principal->menu()->title() == fila[2])
            for (QAction* a : principal->menu()->actions())
                if (a->text() == fila[3])
                    entrada = a;
    ASSERT_NE(entrada, nullptr) << "no entry " << fila[3].toStdString() << " under "
                                << fila[2].toStdString();
    entrada->trigger();
    QWidget* w = VentanaAbierta(Clase());
    ASSERT_NE(w, nullptr) << "the entry opens another window";
    EXPECT_EQ(w->windowTitle(), fila[1]);
}

// Each input box: its opening text; the status text it writes when it gets the
// focus; the warning a negative value draws; where Enter takes the focus.
TEST_P(TextosDeLasEntradas, InputBoxesSayWhatTheFormSays)
{
    std::vector<QStringList> filas;
    for (const QStringList& f : Entradas())
        if (f.value(0) == Clase())
            filas.push_back(f);
    QWidget* w = Abrir(Clase());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    std::map<QString, QString> iniciales;
    for (const QLineEdit* caja : w->findChildren<QLineEdit*>())
        iniciales[caja->objectName()] = caja->text();
    for (const QStringList& fila : filas) {
        const QString& nombre = fila[1];
        SCOPED_TRACE(nombre.toStdString());
        auto* caja = Hallar<QLineEdit>(w, nombre);
        ASSERT_NE(caja, nullptr);
        MostrarPaginasDe(w, caja);
        EXPECT_EQ(iniciales[nombre], fila[2]) << "opening text";

        if (QApplication::focusWidget() == caja)
            caja->clearFocus();
        caja->setFocus(Qt::MouseFocusReason);
        EXPECT_EQ(TextoDeEstado(w), fila[3]) << "status text";

        grabadora.mensajes.clear();
        Escribir(w, nombre, "-3");
        if (fila[4] == "-") {
            EXPECT_TRUE(grabadora.mensajes.empty()) << "a negative value draws a message";
        } else if (fila[4] != "?") {
            ASSERT_FALSE(grabadora.mensajes.empty()) << "a negative value draws no warning";
            EXPECT_EQ(grabadora.mensajes.back().texto, fila[4]) << "warning";
        }
        Escribir(w, nombre, iniciales[nombre]);

        caja->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(caja, Qt::Key_Return);
        if (fila[5] == "-") {
            EXPECT_EQ(QApplication::focusWidget(), caja) << "Enter moves the focus";
        } else {
            EXPECT_EQ(NombreDelFoco(), fila[5]) << "Enter target";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Ventanas, TextosDeLaVentana, ::testing::ValuesIn(Clases(Ventanas())),
    [](const auto& info) { return info.param; });
INSTANTIATE_TEST_SUITE_P(Ventanas, TextosDeLasEntradas, ::testing::ValuesIn(Clases(Entradas())),
    [](const auto& info) { return info.param; });

} // namespace

} // namespace
