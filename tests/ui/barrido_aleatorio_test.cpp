// Every calculation window filled thousands of times at random: ordinary values
// around its sound data, edge values (empty, zero, negative, letters, a comma,
// minus zero, values at and beyond the ends of the double range) and mixtures of
// both, on a random page, option and list entry, each filling followed by
// "&Calcular". After every press the program still runs, every result box holds
// its previous text or a finite number, every message is one of the window's own
// or one of the two failure texts of the calculations, and the calculation took
// no more than a second.
//
// The seed of each window is fixed (printed with every failure) so that a run is
// repeatable with the same compiler and library; QUELMORA_BARRIDO sets the number of fillings per
// window (300 by default) and QUELMORA_BARRIDO_SEMILLA changes the seeds.

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <algorithm>
#include <random>

#include "barrido.h"
#include "frame/core/numeros.h"

using namespace quelmora;

namespace {

namespace {

// --- the texts each window may show in a message box ------------------------------

// Its description's texts, the negative-value warnings of its boxes and the two
// failure texts every calculation shares.
QStringList MensajesPropios(QWidget* w, const QString& clase)
{
    QStringList mensajes { kMensajeNoConverge, kMensajeCalculoImposible };
    for (const char* texto : DescripcionDe(clase)->mensajes)
        mensajes << QString::fromUtf8(texto);
    for (const CampoDato* caja : w->findChildren<CampoDato*>())
        if (!caja->avisoNegativo().isEmpty())
            mensajes << caja->avisoNegativo();
    return mensajes;
}

const QString kSinLongitud
    = QStringLiteral("No se dispone del coeficiente de longitud del resalto para este talud");

// A result box that a calculation leaves empty on purpose, with the message
// that must come with it.
struct ResultadoVaciado {
    QString caja;
    QString mensaje;
};

const std::map<QString, ResultadoVaciado>& ResultadosVaciados()
{
    static const std::map<QString, ResultadoVaciado> vaciados {
        { "rhtrape", { "txtL", kSinLongitud } },
    };
    return vaciados;
}

// --- the random data ---------------------------------------------------------------

// Values at the edges of what the reading rule and the calculations take.
const QStringList kBordes {
    "",
    "0",
    "-1",
    "abc",
    "1,5",
    "-0",
    "1E300",
    "1E-300",
    "1E400",
    "-1E400",
    "1E-400",
    "-",
    " ",
    "&HFFFF",
    "99999999",
    "0.0000001",
    "-0.5",
    "151",
    "152",
    "32767",
    "40000",
    "-32769",
    "0.4",
    "1e-5",
    "2.5x",
    "nan",
    "inf",
    "-Infinity",
    "+1",
    ".5",
    "5.",
    "1.2.3",
    "1e+400",
    "1d5",
    "1.7976931348623157E308",
    "4.9E-324",
    "2.2250738585072014E-308",
    "&H7FFFFFFF",
    "&HFFFFFFFFFFFFFFFFFFFF",
    "&O7777777777777777777777",
    "\t2",
    QString(400, '9'),
};

int FillingsPorVentana()
{
    const char* texto = std::getenv("QUELMORA_BARRIDO");
    const int n = texto ? std::atoi(texto) : 0;
    return n > 0 ? n : 300;
}

const char* SemillaExtra()
{
    const char* extra = std::getenv("QUELMORA_BARRIDO_SEMILLA");
    return extra ? extra : "0";
}

// A seed of its own for each window, stable from run to run (FNV-1a of the name),
// changed by QUELMORA_BARRIDO_SEMILLA.
std::uint32_t SemillaDe(const QString& clase)
{
    std::uint32_t h = 2166136261u;
    for (char c : clase.toStdString()) {
        h ^= static_cast<unsigned char>(c);
        h *= 16777619u;
    }
    return h ^ static_cast<std::uint32_t>(std::strtoul(SemillaExtra(), nullptr, 0));
}

class Azar {
public:
    explicit Azar(std::uint32_t semilla)
        : g_(semilla)
    {
    }
    double Uniforme() { return std::uniform_real_distribution<double>(0.0, 1.0)(g_); }
    int Entero(int desde, int hasta)
    {
        return std::uniform_int_distribution<int>(desde, hasta)(g_);
    }
    bool Con(double probabilidad) { return Uniforme() < probabilidad; }
    template <class C> const auto& Uno(const C& lista)
    {
        return lista[Entero(0, static_cast<int>(lista.size()) - 1)];
    }

    // An ordinary value near base: the same order of magnitude, written with a
    // random number of decimals.
    QString Cercano(double base)
    {
        if (base == 0.0)
            base = Uno(std::vector<double> { 0.01, 0.5, 1.0, 2.0, 10.0 });
        const double valor = base * std::exp(std::normal_distribution<double>(0.0, 0.6)(g_));
        return QString::number(valor, 'g', Entero(1, 8));
    }

    // A value for a box whose sound value is sano; otros are the sound values of
    // the page and what this filling typed so far (a box equal to another makes
    // depths coincide).
    QString Valor(const QString& sano, const QStringList& otros)
    {
        const double base = LeerNumero(sano.toStdString());
        const double r = Uniforme();
        if (r < 0.45)
            return Cercano(base);
        if (r < 0.72)
            return Uno(kBordes);
        switch (Entero(0, 6)) {
        case 0:
            return "-" + Cercano(base);
        case 1: {
            const int exponente
                = Uno(std::vector<int> { -300, -100, -20, -8, -3, 3, 8, 20, 100, 300 });
            return Cercano(base) + "E" + QString::number(exponente);
        }
        case 2:
            return Cercano(base) + Uno(QStringList { "abc", " m", ",5", ".5.5", "e" });
        case 3:
            return otros.isEmpty() ? sano : Uno(otros);
        case 4:
            return " " + sano + " ";
        case 5:
            return sano;
        default:
            // A hair away from the sound value, where differences come out tiny.
            return QString::number(base * (1.0 + std::ldexp(Uniforme() - 0.5, -40)), 'g', 17);
        }
    }

private:
    std::mt19937 g_;
};

// --- reading the results back ------------------------------------------------------

// A text a result box or cell may hold: a finite number written with "." (a mask
// never writes an exponent), or a word with no digit in it such as a flow type.
bool TextoDeResultado(const QString& texto)
{
    if (texto.isEmpty() || NoEsNumero(texto))
        return false;
    static const QRegularExpression numero(QStringLiteral(R"(^\s*-?\d+(\.\d+)?\s*$)"));
    static const QRegularExpression digito(QStringLiteral(R"(\d)"));
    if (numero.match(texto).hasMatch())
        return std::isfinite(LeerNumero(texto.toStdString()));
    return !digito.match(texto).hasMatch();
}

constexpr std::chrono::seconds kPlazoColgado { 20 };
constexpr std::chrono::milliseconds kPlazoCalculo { 1000 * kEscalaPlazos };
constexpr int kFallosMaximos = 12;

class BarridoAleatorio : public PruebaVentanas, public ::testing::WithParamInterface<std::string> {
protected:
    Vigilante vigilante;
    QWidget* w = nullptr;
    QString clase;
    std::uint32_t semilla = 0;
    int fallos = 0;
    int llenado = 0;
    QStringList propios; // what its message boxes may say
    QString contexto; // the filling under way, for the failure messages
    QStringList tecleado; // what this filling typed
    size_t mensajesVistos = 0;
    std::chrono::steady_clock::duration masLento {};
    // Every box as last checked.
    std::map<QLineEdit*, QString> previos;

    void Fallo(const QString& que)
    {
        ++fallos;
        ADD_FAILURE() << clase.toStdString() << " (seed " << semilla << ") "
                      << contexto.toStdString() << ": " << que.toStdString()
                      << "\n  typed: " << tecleado.join(", ").toStdString()
                      << "\n  again: " << Repetir();
    }

    // The command that runs this window's sweep up to the filling under way.
    std::string Repetir() const
    {
        return "QUELMORA_BARRIDO=" + std::to_string(llenado) + " QUELMORA_BARRIDO_SEMILLA="
            + SemillaExtra() + " ctest -R 'BarridoAleatorio.*/" + clase.toStdString() + "$'";
    }

    template <class F> void Accion(const QString& que, F&& f)
    {
        vigilante.Armar(clase.toStdString() + " (seed " + std::to_string(semilla) + ") "
                + contexto.toStdString() + ": " + que.toStdString()
                + "; typed: " + tecleado.join(", ").toStdString() + "; again: " + Repetir(),
            kPlazoColgado);
        f();
        vigilante.Desarmar();
    }

    std::map<QLineEdit*, QString> Textos() const
    {
        std::map<QLineEdit*, QString> textos;
        for (auto* caja : w->findChildren<QLineEdit*>())
            textos[caja] = caja->text();
        return textos;
    }

    // A press of a button or a choice in a list that calculates: timed, then
    // everything the window shows is checked. A box the press changed must hold
    // a number; only an input box may be emptied, and only with a message.
    template <class F> void Calcular(const QString& que, F&& f)
    {
        const auto antes = Textos();
        for (const auto& [caja, texto] : antes)
            if (caja->isReadOnly() && previos.count(caja) && previos[caja] != texto
                && !TextoDeResultado(texto))
                Fallo(que + ": before it, box " + NombreDeCaja(caja) + " went from \""
                    + previos[caja] + "\" to \"" + texto + "\"");
        const size_t mensajes = grabadora.mensajes.size();
        const auto inicio = std::chrono::steady_clock::now();
        Accion(que, f);
        const auto tardo = std::chrono::steady_clock::now() - inicio;
        masLento = std::max(masLento, tardo);
        if (tardo > kPlazoCalculo)
            Fallo(que
                + QStringLiteral(" took %1 ms, over the limit of %2 ms%3")
                      .arg(std::chrono::duration_cast<std::chrono::milliseconds>(tardo).count())
                      .arg(kPlazoCalculo.count())
                      .arg(QLatin1String(kNotaPlazos)));
        const bool avisado = grabadora.mensajes.size() > mensajes;
        for (const auto& [caja, previo] : antes) {
            const QString texto = caja->text();
            if (texto == previo || TextoDeResultado(texto))
                continue;
            if (texto.isEmpty() && !caja->isReadOnly() && avisado)
                continue;
            if (texto.isEmpty() && VaciadaConSuMensaje(caja, mensajes))
                continue;
            // The text of an editable list is the entry chosen in it.
            if (qobject_cast<QComboBox*>(caja->parentWidget()))
                continue;
            Fallo(que + ": box " + NombreDeCaja(caja) + " went from \"" + previo + "\" to \""
                + texto + "\"");
        }
        Revisar(que);
        previos = Textos();
    }

    bool VaciadaConSuMensaje(QLineEdit* caja, size_t mensajesPrevios) const
    {
        const auto vaciado = ResultadosVaciados().find(clase);
        if (vaciado == ResultadosVaciados().end() || caja->objectName() != vaciado->second.caja)
            return false;
        for (size_t i = mensajesPrevios; i < grabadora.mensajes.size(); ++i)
            if (grabadora.mensajes[i].texto == vaciado->second.mensaje)
                return true;
        return false;
    }

    void Revisar(const QString& que)
    {
        for (; mensajesVistos < grabadora.mensajes.size(); ++mensajesVistos) {
            const QString& m = grabadora.mensajes[mensajesVistos].texto;
            if (!propios.contains(m))
                Fallo(que + ": message not of this window: \"" + m + "\"");
        }
        for (auto* grilla : w->findChildren<TablaResultados*>())
            for (int f = 1; f < grilla->Filas(); ++f)
                for (int c = 0; c < grilla->Columnas(); ++c) {
                    const QString t = grilla->Texto(f, c);
                    if (!t.isEmpty() && !TextoDeResultado(t))
                        Fallo(que + QStringLiteral(": cell %1,%2 of ").arg(f).arg(c)
                            + grilla->objectName() + " holds \"" + t + "\"");
                }
        // A word such as "nan" typed into a box that takes typing is the user's, not
        // the window's; what a press writes into such a box is checked above.
        QStringList tecleadas;
        for (auto* caja : w->findChildren<QLineEdit*>())
            if (!caja->isReadOnly())
                tecleadas << "box " + NombreDeCaja(caja) + " = ";
        for (const QString& t : TextosNoNumericos(w)) {
            const bool deUnaEntrada = std::any_of(tecleadas.begin(), tecleadas.end(),
                [&](const QString& p) { return t.startsWith(p); });
            if (!deUnaEntrada)
                Fallo(que + ": " + t);
        }
    }

    QString Sano(const QString& caja, const std::map<QString, QString>& iniciales) const
    {
        const QString sano = TextoSano(clase, caja);
        if (!sano.isEmpty())
            return sano;
        const auto inicial = iniciales.find(caja);
        return inicial == iniciales.end() ? QString() : inicial->second;
    }

    void Teclear(QLineEdit* caja, const QString& texto)
    {
        tecleado << NombreDeCaja(caja) + "=\"" + texto + "\"";
        Accion("typing into " + NombreDeCaja(caja), [&] {
            caja->setFocus();
            caja->selectAll();
            if (texto.isEmpty())
                QTest::keyClick(caja, Qt::Key_Delete);
            else
                QTest::keyClicks(caja, texto);
        });
    }

    // Picks a page, the options and the list entries at random; a list entry
    // calculates at once in some windows, so each choice is checked like a press.
    void ElegirAlAzar(Azar& azar)
    {
        if (auto* pestanas = w->findChild<QTabWidget*>("SSTab1")) {
            const int i = azar.Entero(0, pestanas->count() - 1);
            tecleado << QStringLiteral("page %1").arg(i);
            Calcular(QStringLiteral("choosing page %1").arg(i), [&] { ElegirPagina(w, i); });
        }
        for (QTabWidget* interior : Visibles<QTabWidget>(w)) {
            if (interior->objectName() == "SSTab1" || !azar.Con(0.5))
                continue;
            const int i = azar.Entero(0, interior->count() - 1);
            tecleado << interior->objectName() + QStringLiteral(" page %1").arg(i);
            Calcular("choosing " + interior->tabText(i), [&] {
                QTest::mouseClick(interior->tabBar(), Qt::LeftButton, {},
                    interior->tabBar()->tabRect(i).center());
            });
        }
        const auto opciones = Visibles<QRadioButton>(w);
        if (!opciones.isEmpty() && azar.Con(0.4)) {
            QRadioButton* opcion = azar.Uno(opciones);
            tecleado << opcion->objectName();
            Calcular("choosing " + opcion->objectName(),
                [&] { QTest::mouseClick(opcion, Qt::LeftButton); });
        }
        for (QCheckBox* marca : Visibles<QCheckBox>(w))
            if (azar.Con(0.15)) {
                tecleado << "toggling " + marca->objectName();
                Calcular("toggling " + marca->objectName(),
                    [&] { QTest::mouseClick(marca, Qt::LeftButton); });
            }
        for (QComboBox* lista : Visibles<QComboBox>(w))
            if (lista->count() > 0 && azar.Con(0.35)) {
                const QString entrada = lista->itemText(azar.Entero(0, lista->count() - 1));
                tecleado << lista->objectName() + " \"" + entrada + "\"";
                Calcular(
                    "choosing " + entrada, [&] { ElegirEnLista(w, lista->objectName(), entrada); });
            }
    }

    void Llenar(Azar& azar, const std::map<QString, QString>& iniciales)
    {
        const QList<QLineEdit*> cajas = CajasDeEntrada(w);
        QStringList sanosDeLaPagina;
        for (QLineEdit* caja : cajas) {
            const QString s = Sano(NombreDeCaja(caja), iniciales);
            if (!s.isEmpty())
                sanosDeLaPagina << s;
        }
        for (QLineEdit* caja : cajas) {
            // A box left alone keeps a default or a coefficient an option wrote.
            if (azar.Con(0.12))
                continue;
            const QString texto = azar.Valor(Sano(NombreDeCaja(caja), iniciales), sanosDeLaPagina);
            Teclear(caja, texto);
            // A later box may take the same value: depths that coincide.
            sanosDeLaPagina << texto;
        }
    }

    void LlenarTramos(Azar& azar)
    {
        const std::vector<QStringList> modelo = TramosSanos(clase);
        if (modelo.empty())
            return;
        // Now and then as many segments as the section's outline can hold, and more.
        std::vector<QStringList> tramos(azar.Con(0.01) ? azar.Entero(295, 302) : azar.Entero(0, 6));
        QStringList otros;
        for (const auto& fila : modelo)
            otros << fila;
        for (auto& fila : tramos) {
            const QStringList& sana = azar.Uno(modelo);
            for (const QString& valor : sana)
                fila << azar.Valor(valor, otros);
            tecleado << "segment " + fila.join("|");
        }
        Accion("typing the segments", [&] { EscribirTramos(w, tramos); });
    }
};

TEST_P(BarridoAleatorio, NoFillingCrashesHangsOrShowsAWrongNumber)
{
    clase = QString::fromStdString(GetParam());
    semilla = SemillaDe(clase);
    w = Abrir(clase);
    ASSERT_NE(w, nullptr);
    propios = MensajesPropios(w, clase);
    std::map<QString, QString> iniciales;
    for (auto* caja : w->findChildren<QLineEdit*>())
        iniciales[NombreDeCaja(caja)] = caja->text();
    previos = Textos();
    const bool conTramos = w->findChild<QWidget*>("grdt") != nullptr;
    Azar azar(semilla);
    const int total = FillingsPorVentana();
    for (int i = 1; i <= total && fallos < kFallosMaximos; ++i) {
        llenado = i;
        contexto = QStringLiteral("filling %1").arg(i);
        tecleado.clear();
        if (conTramos) {
            // The segment grid only grows; clearing is the one way back to none.
            Accion("clearing", [&] { Pulsar(w, "bLimpiar"); });
            previos = Textos();
        }
        ElegirAlAzar(azar);
        Llenar(azar, iniciales);
        if (conTramos)
            LlenarTramos(azar);
        const auto botones = Visibles<QAbstractButton>(w, QStringLiteral("bCalcular"));
        ASSERT_FALSE(botones.isEmpty()) << contexto.toStdString() << ": no calculate button";
        for (QAbstractButton* boton : botones)
            Calcular(boton->objectName(), [&] { QTest::mouseClick(boton, Qt::LeftButton); });
    }
    if (std::getenv("QUELMORA_BARRIDO"))
        std::printf("%s: %d fillings, slowest calculation %lld ms\n", GetParam().c_str(), total,
            static_cast<long long>(
                std::chrono::duration_cast<std::chrono::milliseconds>(masLento).count()));
    if (fallos >= kFallosMaximos)
        ADD_FAILURE() << clase.toStdString() << ": stopped after " << fallos
                      << " faults; again: " << Repetir();
}

INSTANTIATE_TEST_SUITE_P(Ventanas, BarridoAleatorio, ::testing::ValuesIn(VentanasDeCalculo()),
    [](const auto& info) { return info.param; });

} // namespace

} // namespace
