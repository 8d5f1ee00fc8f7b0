// Every calculation window faced with hostile data: boxes left empty, zeros,
// negatives, values beyond the double range or next to zero, letters, huge
// values, and sound data with one box (or one segment cell) spoiled. Whatever the
// data, every calculate button returns in time, nothing crashes, no box, grid
// cell, label or graph shows a value that is not a number, and a result box is
// never emptied without a message saying why.

#include <QComboBox>
#include <QRadioButton>
#include <optional>

#include "barrido.h"

namespace {

namespace {

constexpr std::chrono::seconds kPlazoPorAccion { 5 };

// --- the data sets ------------------------------------------------------------

// One data set: every box holds todos, or the sound data with one box (or one
// segment cell, counted from 1) holding valor.
struct Conjunto {
    QString nombre;
    std::optional<QString> todos;
    QString caja = {};
    int fila = 0;
    int columna = 0;
    QString valor = {};
};

const std::vector<std::pair<QString, QString>> kUniformes {
    { "Vacios", "" },
    { "Ceros", "0" },
    { "Negativos", "-1" },
    { "FueraDeRango", "1E400" },
    { "NegativosFueraDeRango", "-1E400" },
    { "CasiCero", "1E-300" },
    { "Letras", "abc" },
    { "Enormes", "99999999" },
    { "Diminutos", "0.0000001" },
    { "Subdesborde", "1E-400" },
    { "MenosCero", "-0" },
    { "SoloSigno", "-" },
    { "Hexadecimales", "&HFFFF" },
    { "MediosEnteros", "0.5" },
};

const std::vector<std::pair<QString, QString>> kEstropeos {
    { "cero", "0" },
    { "negativo", "-1" },
    { "enorme", "99999999" },
    { "inmenso", "1E300" },
    { "fuera_de_rango", "1E400" },
    { "casi_cero", "1E-300" },
};

// Data sets that show a fault still being mended in a window under work
// elsewhere: window and data set, and what the window does with them.
const std::map<std::pair<QString, QString>, const char*>& FallosConocidos()
{
    static const std::map<std::pair<QString, QString>, const char*> fallos {};
    return fallos;
}

// --- reading what the window shows ---------------------------------------------

// A result box not yet written shows this mark, so a box emptied by a
// calculation (a value that could not be written) stands out.
const QString kMarca = QStringLiteral("~");

class Robustez : public PruebaVentanas, public ::testing::WithParamInterface<std::string> {
protected:
    Vigilante vigilante;
    QWidget* w = nullptr;
    QString clase;
    std::map<QString, QString> textosIniciales;

    QString TextoSano(const QLineEdit* caja) const
    {
        const QString nombre = NombreDeCaja(caja);
        const QString sano = ::TextoSano(clase, nombre);
        if (!sano.isEmpty())
            return sano;
        const auto inicial = textosIniciales.find(nombre);
        return inicial == textosIniciales.end() ? QString() : inicial->second;
    }

    std::vector<Conjunto> Conjuntos(const QList<QLineEdit*>& cajas) const
    {
        std::vector<Conjunto> conjuntos;
        for (const auto& [nombre, valor] : kUniformes)
            conjuntos.push_back({ nombre, valor });
        if (!DatosSanos(clase))
            return conjuntos;
        conjuntos.push_back({ "Sanos", std::nullopt });
        for (const QLineEdit* caja : cajas) {
            if (TextoSano(caja).isEmpty())
                continue;
            for (const auto& [nombre, valor] : kEstropeos)
                conjuntos.push_back({ NombreDeCaja(caja) + "_" + nombre, std::nullopt,
                    NombreDeCaja(caja), 0, 0, valor });
        }
        const std::vector<QStringList> tramos = TramosSanos(clase);
        if (!tramos.empty())
            for (int c = 1; c <= tramos[0].size(); ++c)
                for (const auto& [nombre, valor] : kEstropeos)
                    conjuntos.push_back({ QStringLiteral("tramo2_columna%1_%2").arg(c).arg(nombre),
                        std::nullopt, {}, 2, c, valor });
        return conjuntos;
    }

    // Types each box's text of the data set, sets the mark into every box that
    // nothing types into, and fills the segment grid.
    void Preparar(const Conjunto& d, const QList<QLineEdit*>& cajas)
    {
        const bool conGrilla = w->findChild<QWidget*>("grdt") != nullptr;
        if (conGrilla) {
            // The grid only grows; clearing is the one way back to no segments.
            Accion("clear", [&] { Pulsar(w, "bLimpiar"); });
        }
        for (QLineEdit* caja : cajas) {
            QString texto;
            if (d.todos)
                texto = *d.todos;
            else if (!d.caja.isEmpty() && NombreDeCaja(caja) == d.caja)
                texto = d.valor;
            else
                texto = TextoSano(caja);
            if (!d.todos && texto.isEmpty()) {
                // A list keeps the entry the whole-window data sets chose last.
                if (!qobject_cast<QComboBox*>(caja->parentWidget()))
                    caja->setText(kMarca);
                continue;
            }
            if (caja->text() == texto)
                continue;
            Accion("typing into " + NombreDeCaja(caja), [&] {
                caja->setFocus();
                caja->selectAll();
                if (texto.isEmpty())
                    QTest::keyClick(caja, Qt::Key_Delete);
                else
                    QTest::keyClicks(caja, texto);
            });
        }
        for (auto* caja : w->findChildren<QLineEdit*>())
            if (caja->isVisible() && caja->isReadOnly())
                caja->setText(kMarca);
        if (conGrilla && DatosSanos(clase)) {
            std::vector<QStringList> tramos = TramosSanos(clase);
            for (auto& fila : tramos)
                for (auto& celda : fila) {
                    if (d.todos)
                        celda = *d.todos;
                }
            if (d.fila > 0)
                tramos[d.fila - 1][d.columna - 1] = d.valor;
            Accion("typing the segments", [&] { EscribirTramos(w, tramos); });
        }
    }

    template <class F> void Accion(const QString& que, F&& f)
    {
        vigilante.Armar(clase.toStdString() + ": " + que.toStdString(), kPlazoPorAccion);
        f();
        vigilante.Desarmar();
    }

    // Clicks the calculate button and checks what the window shows after it.
    void Calcular(QAbstractButton* boton, const QString& contexto, bool sinMensaje)
    {
        std::map<QLineEdit*, bool> marcadas;
        for (auto* caja : w->findChildren<QLineEdit*>())
            marcadas[caja] = caja->text() == kMarca;
        const size_t mensajes = grabadora.mensajes.size();
        Accion(contexto + ", " + boton->objectName(),
            [&] { QTest::mouseClick(boton, Qt::LeftButton); });
        const QString donde = contexto + ", " + boton->objectName();
        for (const QString& t : TextosNoNumericos(w))
            ADD_FAILURE() << donde.toStdString() << ": " << t.toStdString();
        const bool avisado = grabadora.mensajes.size() > mensajes;
        if (!avisado) {
            for (const auto& [caja, marcada] : marcadas)
                if (marcada && caja->text().isEmpty())
                    ADD_FAILURE() << donde.toStdString() << ": box "
                                  << NombreDeCaja(caja).toStdString() << " emptied with no message";
        }
        if (sinMensaje && avisado)
            ADD_FAILURE() << donde.toStdString() << ": sound data refused with \""
                          << grabadora.mensajes.back().texto.toStdString() << "\"";
    }

    // Runs every data set on the page in view.
    void RecorrerPagina(const QString& pagina, QStringList& omitidos)
    {
        const QList<QLineEdit*> cajas = CajasDeEntrada(w);
        for (const Conjunto& d : Conjuntos(cajas)) {
            const auto conocido = FallosConocidos().find({ clase, d.nombre });
            if (conocido != FallosConocidos().end()) {
                omitidos << d.nombre + ": " + conocido->second;
                continue;
            }
            const QString contexto = pagina + d.nombre;
            Preparar(d, cajas);
            // A choice from a list calculates at once: every entry of every list,
            // on every inner page, with the whole-window data sets.
            if (d.todos || d.nombre == "Sanos")
                ElegirTodo(contexto);
            const auto botones = Visibles<QAbstractButton>(w, QStringLiteral("bCalcular"));
            EXPECT_FALSE(botones.isEmpty()) << contexto.toStdString() << ": no calculate button";
            for (QAbstractButton* boton : botones)
                Calcular(boton, contexto, d.nombre == "Sanos");
            // Each option of the page takes its own road through the calculation.
            const auto opciones = Visibles<QRadioButton>(w);
            QRadioButton* elegida = nullptr;
            for (QRadioButton* opcion : opciones) {
                if (opcion->isChecked()) {
                    elegida = opcion;
                    continue;
                }
                Accion("choosing " + opcion->objectName(),
                    [&] { QTest::mouseClick(opcion, Qt::LeftButton); });
                for (QAbstractButton* boton : botones)
                    Calcular(boton, contexto + ", " + opcion->objectName(), false);
            }
            if (elegida)
                QTest::mouseClick(elegida, Qt::LeftButton);
        }
    }

    void ElegirTodo(const QString& contexto)
    {
        for (QTabWidget* interior : Visibles<QTabWidget>(w)) {
            if (interior->objectName() == "SSTab1")
                continue;
            for (int i = 0; i < interior->count(); ++i) {
                Accion("page " + interior->tabText(i), [&] {
                    QTest::mouseClick(interior->tabBar(), Qt::LeftButton, {},
                        interior->tabBar()->tabRect(i).center());
                });
                ElegirEnListas(contexto + ", " + interior->tabText(i));
            }
        }
        ElegirEnListas(contexto);
    }

    void ElegirEnListas(const QString& contexto)
    {
        for (QComboBox* lista : Visibles<QComboBox>(w)) {
            for (int i = 0; i < lista->count(); ++i) {
                const QString donde
                    = contexto + ", " + lista->objectName() + " " + lista->itemText(i);
                Accion(donde, [&] { ElegirEnLista(w, lista->objectName(), lista->itemText(i)); });
                for (const QString& t : TextosNoNumericos(w))
                    ADD_FAILURE() << donde.toStdString() << ": " << t.toStdString();
            }
        }
    }
};

TEST_P(Robustez, NoDataCrashesHangsOrWritesANonNumber)
{
    clase = QString::fromStdString(GetParam());
    w = Abrir(clase);
    ASSERT_NE(w, nullptr);
    for (auto* caja : w->findChildren<QLineEdit*>())
        textosIniciales[NombreDeCaja(caja)] = caja->text();
    QStringList omitidos;
    auto* pestanas = w->findChild<QTabWidget*>("SSTab1");
    if (!pestanas) {
        RecorrerPagina({}, omitidos);
    } else {
        for (int i = 0; i < pestanas->count(); ++i) {
            Accion(QStringLiteral("page %1").arg(i), [&] { ElegirPagina(w, i); });
            RecorrerPagina(QStringLiteral("page %1, ").arg(i), omitidos);
        }
    }
    if (!omitidos.isEmpty())
        GTEST_SKIP() << "known faults: " << omitidos.join("; ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Ventanas, Robustez, ::testing::ValuesIn(VentanasDeCalculo()),
    [](const auto& info) { return info.param; });

} // namespace

} // namespace
