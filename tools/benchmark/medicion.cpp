// The benchmark of the release build under the offscreen platform.
//
// Run with no arguments it drives everything and prints the table:
//  - start-up: once the machine has settled, the real program and its reference
//    (quelmora_referencia: the same Qt modules, a main window whose menu bar
//    holds the program's menu captions) are started in turn, each with the
//    start-up probe loaded ahead of it, and timed from the moment they are
//    started to their first window shown and painted; the ratio is taken pair
//    by pair;
//  - for every window, a fresh process of this benchmark (--caso) shows the main
//    window as the program does, opens the window through the showing rule as
//    its menu entry does, and times each "&Calcular" of it with sound data; a
//    calculation that ends with a message or writes nothing fails the case. The
//    main window's own case times it as the first window of its process, just
//    after the reference's main window is timed the same way (--principal);
//  - one more process (--memoria) opens every window at once, calculates in each,
//    reads the peak resident memory and names the size of every window open;
//    the reference then shows as many empty windows of those sizes, and reads
//    its own peak.
// Every figure is the median of separate runs.
//
// --comprobar runs every case once and only says whether each calculates: that
// the data typed reach the windows as their descriptions give them.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "app/menuprin.h"
#include "app/registro.h"
#include "datos_medicion.h"
#include "estadistica.h"
#include "frame/plataforma.h"
#include "frame/ventanas.h"
#include "medida.h"

using namespace quelmora;

extern char** environ;

namespace {

// The targets.
constexpr double kArranqueRelativo = 1.5; // times the reference
constexpr double kAperturaMs = 20.0;
constexpr double kPrincipalRelativa = 1.5; // the main window, times the reference's
constexpr double kCalculoMs = 10.0;
constexpr double kMemoriaRelativa = 1.75; // times the reference

constexpr int kArranquesPorOmision = 30;
constexpr int kRondasPorOmision = 9;

// ---------------------------------------------------------------------------
// Inside a measured process

// Message boxes would wait for a click: they are counted instead.
class PlataformaMuda final : public Plataforma {
public:
    int mensajes = 0;
    QString ultimo;
    QString portapapeles;

    void mensaje(QWidget*, const QString& texto, const QString&, IconoMensaje) override
    {
        ++mensajes;
        ultimo = texto;
    }
    void beep() override { }
    void limpiarPortapapeles() override { portapapeles.clear(); }
    void ponerTextoPortapapeles(const QString& texto) override { portapapeles = texto; }
    bool portapapelesTieneTexto() override { return !portapapeles.isEmpty(); }
    QString textoPortapapeles() override { return portapapeles; }
    ResultadoImpresion imprimirVentana(QWidget*) override
    {
        return ResultadoImpresion::SinImpresora;
    }
    bool iniciarPrograma(const QString&, const QStringList&) override { return false; }
    void terminarPrograma() override { }
};

// Shows the window of the class by the showing rule, as its menu entry does, and
// times it until it is exposed, painted and quiet.
// (A function of its own so that a profiler can be pointed at it.)
[[gnu::noinline]] QWidget* Abrir(AplicacionMedida& app, const QString& clase, double* ms)
{
    return Cronometrar(
        app, [&clase] { return MostrarVentana(clase); }, clase.toStdString(), ms);
}

[[gnu::noinline]] QWidget* AbrirMedida(AplicacionMedida& app, const QString& clase, double* ms)
{
    return Abrir(app, clase, ms);
}

QString SinAcelerador(QString texto) { return texto.remove('&'); }

QString NombreDeCaja(const QLineEdit* caja)
{
    // The text box inside an editable list carries no name of its own.
    if (caja->objectName().isEmpty() && caja->parentWidget())
        return caja->parentWidget()->objectName();
    return caja->objectName();
}

// Chooses an entry of a list on an inner page as a user does: a click on the
// page's tab, the list opened, a click on the entry. Lists not in view are left.
void Elegir(QWidget* w, const QString& pagina, const QString& lista, const QString& entrada)
{
    auto* combo = w->findChild<QComboBox*>(lista);
    if (!combo)
        Abortar("no list " + lista.toStdString());
    for (auto* pestanas : w->findChildren<QTabWidget*>()) {
        if (!pestanas->isVisible() || !pestanas->isAncestorOf(combo))
            continue;
        for (int i = 0; i < pestanas->count(); ++i)
            if (SinAcelerador(pestanas->tabText(i)) == pagina)
                QTest::mouseClick(pestanas->tabBar(), Qt::LeftButton, {},
                    pestanas->tabBar()->tabRect(i).center());
    }
    if (!combo->isVisible())
        return;
    const int i = combo->findText(entrada, Qt::MatchExactly);
    if (i < 0)
        Abortar("no entry " + entrada.toStdString() + " in " + lista.toStdString());
    combo->showPopup();
    QAbstractItemView* vista = combo->view();
    const QModelIndex indice = vista->model()->index(i, combo->modelColumn());
    vista->scrollTo(indice);
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, vista->visualRect(indice).center());
}

// Types the case's data into the boxes of the page in view, and its segments
// into the grid, key by key as a user does.
void Llenar(QWidget* w, const CasoMedicion& caso)
{
    for (auto* caja : w->findChildren<QLineEdit*>()) {
        if (!caja->isVisible() || !caja->isEnabled() || caja->isReadOnly())
            continue;
        for (const auto& [nombre, texto] : caso.cajas) {
            if (nombre != NombreDeCaja(caja) || caja->text() == texto)
                continue;
            caja->setFocus();
            caja->selectAll();
            QTest::keyClicks(caja, texto);
        }
    }
    for (const QStringList& eleccion : caso.listas)
        Elegir(w, eleccion.value(0), eleccion.value(1), eleccion.value(2));
    if (caso.tramos.empty())
        return;
    auto* grilla = w->findChild<QTableWidget*>(QStringLiteral("grdt"));
    if (!grilla)
        Abortar(caso.nombre.toStdString() + " has no segment grid");
    grilla->setFocus();
    for (const QStringList& fila : caso.tramos)
        for (const QString& valor : fila) {
            for (QChar c : valor)
                QTest::keyClicks(QApplication::focusWidget(), QString(c));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
}

// Everything the window shows in writing, to tell whether a calculation wrote.
QString Textos(QWidget* w)
{
    QString todo;
    for (auto* caja : w->findChildren<QLineEdit*>())
        todo += caja->text() + '\n';
    for (auto* etiqueta : w->findChildren<QLabel*>())
        todo += etiqueta->text() + '\n';
    for (auto* vista : w->findChildren<QAbstractItemView*>()) {
        const QAbstractItemModel* m = vista->model();
        if (qobject_cast<QHeaderView*>(vista) || !m)
            continue;
        for (int f = 0; f < m->rowCount(); ++f)
            for (int c = 0; c < m->columnCount(); ++c)
                todo += m->index(f, c).data().toString() + '\t';
    }
    return todo;
}

QList<QAbstractButton*> BotonesCalcular(QWidget* w)
{
    QList<QAbstractButton*> botones;
    for (auto* b : w->findChildren<QAbstractButton*>())
        if (b->isVisible() && b->isEnabled() && b->objectName().startsWith("bCalcular"))
            botones << b;
    return botones;
}

// The press on a calculate button, until the event loop has nothing left; a
// function of its own so that a profiler can be pointed at it.
[[gnu::noinline]] std::int64_t PulsarCalcular(
    AplicacionMedida& app, QAbstractButton* boton, std::int64_t inicio)
{
    app.finUltimoPintado = inicio;
    QTest::mouseClick(boton, Qt::LeftButton);
    const std::int64_t escrito = RelojNs();
    return std::max(escrito,
        HastaQuieto(
            app, [] { return true; }, "calculation"));
}

// Fills each page of the window and clicks each of its calculate buttons, timed
// from the press to the last repaint that follows; one line per click. Returns
// how many of them ended with a message or wrote nothing, each named on stderr.
int Calcular(AplicacionMedida& app, PlataformaMuda& muda, QWidget* w, const CasoMedicion& caso,
    bool informar)
{
    int fallidos = 0;
    auto* pestanas = w->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    const int paginas = pestanas ? pestanas->count() : 1;
    for (int i = 0; i < paginas; ++i) {
        QString pagina;
        if (pestanas) {
            QTest::mouseClick(
                pestanas->tabBar(), Qt::LeftButton, {}, pestanas->tabBar()->tabRect(i).center());
            HastaQuieto(
                app, [] { return true; }, "page change");
            pagina = " / " + SinAcelerador(pestanas->tabText(i)).simplified();
        }
        Llenar(w, caso);
        QTest::qWait(30);
        const QList<QAbstractButton*> botones = BotonesCalcular(w);
        if (botones.isEmpty())
            Abortar(caso.nombre.toStdString() + pagina.toStdString() + ": no calculate button");
        for (QAbstractButton* boton : botones) {
            const QString antes = Textos(w);
            const int mensajes = muda.mensajes;
            const std::int64_t inicio = RelojNs();
            const std::int64_t fin = PulsarCalcular(app, boton, inicio);
            if (!informar)
                continue;
            QString etiqueta = caso.nombre + pagina;
            if (botones.size() > 1)
                etiqueta += " / " + boton->objectName();
            const bool escribio = Textos(w) != antes;
            const QString fallo = muda.mensajes > mensajes
                ? "ends with the message \"" + muda.ultimo + "\""
                : escribio ? QString()
                           : QStringLiteral("writes nothing");
            std::printf("calcular\t%s\t%.4f\t%s\n", qPrintable(etiqueta), Milisegundos(inicio, fin),
                qPrintable(fallo));
            if (!fallo.isEmpty()) {
                ++fallidos;
                std::fprintf(stderr, "benchmark: %s: \"&Calcular\" %s\n", qPrintable(etiqueta),
                    qPrintable(fallo));
            }
            QTest::qWait(20);
        }
    }
    return fallidos;
}

// Every window the process opened goes before the application does, so that the
// sanitizers build finds nothing left behind.
void Cerrar()
{
    ReiniciarEjecucion();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A measured process: one case (--caso NAME) or every window at once (--memoria).
// A case ends with status 1 when one of its calculations failed. The changes
// (box=text) replace the case's texts of those boxes, to see a failing case fail.
int Medir(int argc, char* argv[], const QString& caso, const QStringList& cambios = {})
{
    AplicacionMedida app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelmora"));
    PlataformaMuda muda;
    instalarPlataforma(&muda);
    RegistrarTodasLasVentanas();

    if (caso.isEmpty()) {
        Abrir(app, QStringLiteral("menuprin"), nullptr);
        // Each window calculated with its largest case, the last of its class.
        std::map<QString, const CasoMedicion*> mayores;
        for (const CasoMedicion& c : CasosMedicion())
            mayores[c.clase] = &c;
        for (const CasoMedicion& c : CasosMedicion()) {
            if (c.nombre != c.clase)
                continue;
            QWidget* w = Abrir(app, c.clase, nullptr);
            if (c.calcula)
                Calcular(app, muda, w, *mayores[c.clase], false);
        }
        std::printf("memoria\t%ld\n", PicoMemoriaKb());
        // Every window on the screen, for the reference to show as many of.
        for (const QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                std::printf("tamano\t%dx%d\n", w->width(), w->height());
        Cerrar();
        return 0;
    }

    const CasoMedicion* hallado = BuscarCaso(caso);
    if (!hallado)
        Abortar("no case " + caso.toStdString());
    CasoMedicion cambiado = *hallado;
    for (const QString& cambio : cambios) {
        const QString caja = cambio.section('=', 0, 0);
        const QString texto = cambio.section('=', 1);
        auto it = std::find_if(cambiado.cajas.begin(), cambiado.cajas.end(),
            [&caja](const auto& valor) { return valor.first == caja; });
        if (it != cambiado.cajas.end())
            it->second = texto;
        else
            cambiado.cajas.emplace_back(caja, texto);
    }
    const CasoMedicion* c = &cambiado;
    if (c->clase != "menuprin") {
        // A user picks a window from a main window that has settled: what it
        // does while it waits is over by then.
        Abrir(app, QStringLiteral("menuprin"), nullptr);
        QTest::qWait(100);
        HastaQuieto(
            app, [] { return true; }, "the main window's idle work");
    }
    double ms = 0;
    QWidget* w = AbrirMedida(app, c->clase, &ms);
    std::printf("abrir\t%.4f\ntamano\t%dx%d\n", ms, w->width(), w->height());
    // The main window's cover, for the reference to show a plain picture of.
    if (const auto* cuadro = w->findChild<QLabel*>(QStringLiteral("Picture1"));
        c->clase == "menuprin" && cuadro)
        std::printf("portada\t%dx%d\n", cuadro->pixmap().width(), cuadro->pixmap().height());
    QTest::qWait(50);
    const int fallidos = c->calcula ? Calcular(app, muda, w, *c, true) : 0;
    std::fflush(stdout);
    Cerrar();
    return fallidos > 0 ? 1 : 0;
}

// ---------------------------------------------------------------------------
// Driving the runs

// Starts the program with the start-up probe ahead of it; milliseconds from the
// start to its first window shown and painted.
double Arrancar(const char* programa, const std::vector<std::string>& argumentos = {})
{
    static int vez = 0;
    const std::string anotacion
        = "/tmp/quelmora_sonda_" + std::to_string(getpid()) + "_" + std::to_string(++vez);
    std::vector<std::string> entorno;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "LD_PRELOAD=", 11) != 0 && std::strncmp(*e, "QUELMORA_SONDA=", 15) != 0
            && std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0)
            entorno.emplace_back(*e);
    entorno.push_back(std::string("LD_PRELOAD=") + RUTA_SONDA);
    entorno.push_back("QUELMORA_SONDA=" + anotacion);
    entorno.push_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (auto& e : entorno)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<char*> args { const_cast<char*>(programa) };
    for (const std::string& a : argumentos)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_addopen(&acciones, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&acciones, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const std::int64_t inicio = RelojNs();
    const int error = posix_spawn(&pid, programa, &acciones, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&acciones);
    if (error != 0)
        Abortar(std::string("cannot start ") + programa);
    int estado = 0;
    const std::int64_t limite = inicio + kPlazoNs;
    while (waitpid(pid, &estado, WNOHANG) == 0) {
        if (RelojNs() > limite) {
            kill(pid, SIGKILL);
            waitpid(pid, &estado, 0);
            Abortar(std::string(programa) + " showed no window");
        }
        usleep(200);
    }
    FILE* f = std::fopen(anotacion.c_str(), "r");
    long long ns = 0;
    const bool leido = f && std::fscanf(f, "%lld", &ns) == 1;
    if (f)
        std::fclose(f);
    std::remove(anotacion.c_str());
    if (!leido)
        Abortar(std::string(programa) + " ended before its first window was painted");
    return Milisegundos(inicio, ns);
}

QString Comillas(const QString& s) { return "'" + QString(s).replace("'", "'\\''") + "'"; }

// This benchmark's own executable, for its measured processes.
QString EsteBenchmark() { return "/proc/" + QString::number(getpid()) + "/exe"; }

// Runs a measured process and returns its lines, split at tabs; a case whose
// calculation failed (status 1) still gives its lines.
std::vector<QStringList> Ejecutar(const QString& programa, const QStringList& argumentos)
{
    QString orden = "exec " + Comillas(programa);
    for (const QString& a : argumentos)
        orden += " " + Comillas(a);
    orden += " 2>/dev/null";
    FILE* salida = popen(orden.toLocal8Bit().constData(), "r");
    if (!salida)
        Abortar("cannot run " + orden.toStdString());
    std::vector<QStringList> lineas;
    char linea[4096];
    while (std::fgets(linea, sizeof linea, salida))
        lineas.push_back(QString::fromUtf8(linea).trimmed().split('\t'));
    const int estado = pclose(salida);
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) > 1)
        Abortar("failed ("
            + (WIFEXITED(estado) ? "status " + std::to_string(WEXITSTATUS(estado))
                                 : "signal " + std::to_string(WTERMSIG(estado)))
            + "): " + orden.toStdString());
    return lineas;
}

std::vector<QStringList> EjecutarCaso(const QString& caso)
{
    return Ejecutar(EsteBenchmark(), { QStringLiteral("--caso"), caso });
}

// The captions of the program's menu bar, as its own menu table has them.
std::vector<std::string> TitulosDelMenu()
{
    std::vector<std::string> titulos;
    for (const FilaMenu& fila : FilasMenuPrincipal())
        if (fila.principal)
            titulos.push_back(fila.Titulo().toStdString());
    return titulos;
}

// The program's main window as it shows, from a case of its own: its size and
// its cover's.
struct VentanaPrincipal {
    std::string tamano;
    std::string portada;
};

VentanaPrincipal MedidasVentanaPrincipal()
{
    VentanaPrincipal v;
    for (const QStringList& l : EjecutarCaso(QStringLiteral("menuprin"))) {
        if (l.value(0) == "tamano")
            v.tamano = l.value(1).toStdString();
        if (l.value(0) == "portada")
            v.portada = l.value(1).toStdString();
    }
    if (v.tamano.empty() || v.portada.empty())
        Abortar("the main window's case named no size or no cover");
    return v;
}

// The share of the processors' time spent busy over the next quarter second.
double OcupacionProcesadores()
{
    const auto leer = [](long long& ocupado, long long& total) {
        FILE* f = std::fopen("/proc/stat", "r");
        long long t[8] {};
        const bool leido = f
            && std::fscanf(f, "cpu %lld %lld %lld %lld %lld %lld %lld %lld", &t[0], &t[1], &t[2],
                   &t[3], &t[4], &t[5], &t[6], &t[7])
                == 8;
        if (f)
            std::fclose(f);
        total = 0;
        for (long long x : t)
            total += x;
        ocupado = leido ? total - t[3] - t[4] : 0; // all but idle and waiting for the disk
    };
    long long ocupado0 = 0, total0 = 0, ocupado1 = 0, total1 = 0;
    leer(ocupado0, total0);
    usleep(250'000);
    leer(ocupado1, total1);
    return total1 > total0 ? static_cast<double>(ocupado1 - ocupado0) / (total1 - total0) : 0.0;
}

// Before the first start is timed: whatever the build just before left to write
// goes to the disk, and the processors wait until they are nearly idle (up to
// 20 s: on a machine busy with other work the figures are taken as it is).
// Returns the seconds it took.
double Asentar()
{
    const std::int64_t inicio = RelojNs();
    sync();
    const std::int64_t limite = inicio + 20'000'000'000;
    while (OcupacionProcesadores() > 0.05 && RelojNs() < limite) { }
    return Milisegundos(inicio, RelojNs()) / 1000.0;
}

// The load average as the kernel gives it: over 1, 5 and 15 minutes.
QString CargaMedia()
{
    FILE* f = std::fopen("/proc/loadavg", "r");
    char texto[64] {};
    const bool leido = f && std::fgets(texto, sizeof texto, f);
    if (f)
        std::fclose(f);
    return leido ? QString::fromLatin1(texto).section(' ', 0, 2) : QStringLiteral("unknown");
}

// A peak as the measured processes print it, in kB.
double Megabytes(const QString& kb) { return kb.toDouble() * 1024.0 / 1.0e6; }

const char* Veredicto(bool bien, bool& todoBien)
{
    todoBien = todoBien && bien;
    return bien ? "PASS" : "FAIL";
}

// A row measured against the reference: the reference's line, then the
// program's with the ratio of the two, the target and the verdict. The ratio is
// given: not every row takes it from the two figures shown.
void FilaRelativa(const QString& referencia, double valorReferencia, const QString& programa,
    double valor, double razon, double objetivo, const char* unidad, const QString& mas,
    bool& todoBien)
{
    std::printf("  %-44s %8.1f %s\n", qPrintable(referencia), valorReferencia, unidad);
    std::printf("  %-44s %8.1f %s  = %.2f x bare   target <= %.3g x%s  %s\n", qPrintable(programa),
        valor, unidad, razon, objetivo, qPrintable(mas), Veredicto(razon <= objetivo, todoBien));
}

void CasosDeTodasLasVentanas()
{
    RegistrarTodasLasVentanas();
    for (const QString& clase : ClasesRegistradas())
        if (!BuscarCaso(clase))
            Abortar("no case for the window " + clase.toStdString());
}

// Every case once, each in its own process: says which calculation ends with a
// message or writes nothing, and how.
int Comprobar()
{
    CasosDeTodasLasVentanas();
    int calculos = 0;
    int fallidos = 0;
    for (const CasoMedicion& c : CasosMedicion())
        for (const QStringList& l : EjecutarCaso(c.nombre)) {
            if (l.value(0) != "calcular")
                continue;
            ++calculos;
            if (l.value(3).isEmpty())
                continue;
            ++fallidos;
            std::printf("%s: \"&Calcular\" %s\n", qPrintable(l.value(1)), qPrintable(l.value(3)));
        }
    std::printf("%d of %d calculations of %zu cases end with a message or write nothing\n",
        fallidos, calculos, CasosMedicion().size());
    return fallidos > 0 || calculos == 0 ? 1 : 0;
}

int Conducir(int arranques, int rondas)
{
    CasosDeTodasLasVentanas();
    bool todoBien = true;

    std::printf("Quelmora benchmark: release build, QT_QPA_PLATFORM=offscreen, medians of "
                "separate runs\n\n");

    // Start-up, the two programs in turn so that the load of the machine falls
    // on both alike; one start of each first to fill the disk cache. Each start
    // of the program is set against the reference's start just before it.
    // The reference's main window is as large as the program's: showing it
    // takes a screen image of that size.
    const VentanaPrincipal principal = MedidasVentanaPrincipal();
    const std::vector<std::string> menu = TitulosDelMenu();
    std::vector<std::string> titulos = menu;
    titulos.insert(titulos.begin(), { "--tamano", principal.tamano });
    const double asentado = Asentar();
    std::printf("Load average when the measuring starts: %s on %ld cores (after %.1f s for the "
                "disk writes and the processors to settle)\n\n",
        qPrintable(CargaMedia()), sysconf(_SC_NPROCESSORS_ONLN), asentado);
    std::fflush(stdout);
    Arrancar(RUTA_REFERENCIA, titulos);
    Arrancar(RUTA_QUELMORA);
    std::vector<double> referencia, programa;
    for (int i = 0; i < arranques; ++i) {
        referencia.push_back(Arrancar(RUTA_REFERENCIA, titulos));
        programa.push_back(Arrancar(RUTA_QUELMORA));
    }
    const double razon = MedianaDeRazones(programa, referencia);
    std::printf(
        "Start-up, process start to main window shown and painted (%d starts each, the ratio "
        "the median of the %d pairs' ratios)\n",
        arranques, arranques);
    FilaRelativa(QStringLiteral("bare Qt program: same modules, size, %1 menus").arg(menu.size()),
        Mediana(referencia), QStringLiteral(RUTA_QUELMORA), Mediana(programa), razon,
        kArranqueRelativo, "ms", {}, todoBien);
    std::printf("\n");

    // Each case in its own processes, round after round.
    std::map<QString, std::vector<double>> aperturas;
    std::map<QString, std::vector<double>> calculos;
    std::map<QString, QString> fallos;
    std::vector<QString> ordenCalculos;
    // The main window is the first window of its process, against the
    // reference's main window shown the same way, just before it.
    QStringList argumentosPrincipal { QStringLiteral("--principal"),
        QString::fromStdString(principal.tamano), QString::fromStdString(principal.portada) };
    for (const std::string& titulo : menu)
        argumentosPrincipal << QString::fromStdString(titulo);
    std::vector<double> principalReferencia;
    for (int r = 0; r < rondas; ++r) {
        for (const CasoMedicion& c : CasosMedicion()) {
            if (c.clase == "menuprin")
                for (const QStringList& l :
                    Ejecutar(QStringLiteral(RUTA_REFERENCIA), argumentosPrincipal))
                    if (l.value(0) == "abrir")
                        principalReferencia.push_back(l.value(1).toDouble());
            for (const QStringList& l : EjecutarCaso(c.nombre)) {
                if (l.value(0) == "abrir" && c.nombre == c.clase)
                    aperturas[c.clase].push_back(l.value(1).toDouble());
                if (l.value(0) != "calcular")
                    continue;
                const QString& etiqueta = l.value(1);
                if (!calculos.count(etiqueta))
                    ordenCalculos.push_back(etiqueta);
                calculos[etiqueta].push_back(l.value(2).toDouble());
                if (!l.value(3).isEmpty())
                    fallos[etiqueta] = l.value(3);
            }
        }
    }

    const double mPrincipal = Mediana(aperturas[QStringLiteral("menuprin")]);
    const double mPrincipalReferencia = Mediana(principalReferencia);
    std::printf("The main window, the first window of a fresh process, until shown and painted "
                "(%d runs each, in turn)\n",
        rondas);
    FilaRelativa(QStringLiteral("bare Qt: same size, %1 menus, plain picture").arg(menu.size()),
        mPrincipalReferencia, QStringLiteral("menuprin"), mPrincipal,
        mPrincipal / mPrincipalReferencia, kPrincipalRelativa, "ms", {}, todoBien);
    std::printf("\n");

    std::printf("Opening each window picked from the settled main window the first time, through "
                "the showing rule, until shown and painted (%d runs)\n",
        rondas);
    for (const CasoMedicion& c : CasosMedicion()) {
        if (c.nombre != c.clase || c.clase == "menuprin")
            continue;
        const double m = Mediana(aperturas[c.clase]);
        std::printf("  %-44s %8.1f ms  target <= %.0f ms  %s\n", qPrintable(c.clase), m,
            kAperturaMs, Veredicto(m <= kAperturaMs, todoBien));
    }

    std::printf("\n\"&Calcular\" with sound data, from the press to the results written and "
                "painted (%d runs)\n",
        rondas);
    // A calculation that ends with a message or writes nothing timed a refusal,
    // not a calculation: it fails, whatever its time.
    for (const QString& etiqueta : ordenCalculos) {
        const double m = Mediana(calculos[etiqueta]);
        const bool calculo = !fallos.count(etiqueta);
        // Padded by characters, not bytes: the pages' captions carry accents.
        std::printf("  %s %8.2f ms  target <= %.0f ms  %s%s\n",
            qPrintable(etiqueta.leftJustified(44)), m, kCalculoMs,
            Veredicto(calculo && m <= kCalculoMs, todoBien),
            calculo ? "" : qPrintable("  (" + fallos[etiqueta] + ")"));
    }

    // Memory, the program's run and then the reference's with the windows that
    // run had open, round after round.
    const int rondasMemoria = std::max(1, rondas / 2);
    std::vector<double> picos, picosReferencia;
    qsizetype abiertas = 0;
    for (int r = 0; r < rondasMemoria; ++r) {
        QStringList tamanos;
        for (const QStringList& l : Ejecutar(EsteBenchmark(), { QStringLiteral("--memoria") })) {
            if (l.value(0) == "memoria")
                picos.push_back(Megabytes(l.value(1)));
            if (l.value(0) == "tamano")
                tamanos << l.value(1);
        }
        if (tamanos.isEmpty())
            Abortar("the memory run named no window open");
        abiertas = tamanos.size();
        tamanos.prepend(QStringLiteral("--ventanas"));
        for (const QStringList& l : Ejecutar(QStringLiteral(RUTA_REFERENCIA), tamanos))
            if (l.value(0) == "memoria")
                picosReferencia.push_back(Megabytes(l.value(1)));
    }
    const double pico = Mediana(picos);
    const double picoReferencia = Mediana(picosReferencia);
    std::printf("\nPeak memory (VmHWM) with every window open at once and calculated (%d runs "
                "each)\n",
        rondasMemoria);
    FilaRelativa(QStringLiteral("bare Qt program, %1 empty windows alike").arg(abiertas),
        picoReferencia, QStringLiteral("%1 windows open").arg(abiertas), pico,
        pico / picoReferencia, kMemoriaRelativa, "MB",
        QStringLiteral(" (%1 MB)").arg(kMemoriaRelativa * picoReferencia, 0, 'f', 0), todoBien);

    std::printf("\n%s\n", todoBien ? "Every target met." : "Some targets missed.");
    return todoBien ? 0 : 1;
}

[[noreturn]] void Uso()
{
    std::fprintf(stderr,
        "usage: quelmora_benchmark [--arranques N] [--rondas N] [--comprobar]\n"
        "  --arranques N  starts of the program and of its reference (default %d)\n"
        "  --rondas N     runs of each window's opening and calculations (default %d);\n"
        "                 the memory row takes half as many\n"
        "  --comprobar    runs every case once and only checks that each calculates\n"
        "(--caso NAME [box=text...] and --memoria are the processes it measures)\n",
        kArranquesPorOmision, kRondasPorOmision);
    std::exit(2);
}

// A count given after its switch: a whole number of at least 1.
int Cantidad(const char* texto)
{
    char* fin = nullptr;
    const long n = texto ? std::strtol(texto, &fin, 10) : 0;
    if (!texto || fin == texto || *fin != '\0' || n < 1 || n > 999999)
        Uso();
    return static_cast<int>(n);
}

} // namespace

int main(int argc, char* argv[])
{
    // Every figure is for the offscreen platform, in this process and in those
    // it starts.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (argc >= 3 && std::strcmp(argv[1], "--caso") == 0) {
        QStringList cambios;
        for (int i = 3; i < argc; ++i)
            cambios << QString::fromUtf8(argv[i]);
        return Medir(argc, argv, QString::fromUtf8(argv[2]), cambios);
    }
    if (argc == 2 && std::strcmp(argv[1], "--memoria") == 0)
        return Medir(argc, argv, {});
    int arranques = kArranquesPorOmision;
    int rondas = kRondasPorOmision;
    bool comprobar = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argumento = argv[i];
        if (argumento == "--comprobar")
            comprobar = true;
        else if (argumento == "--arranques")
            arranques = Cantidad(argv[++i]);
        else if (argumento == "--rondas")
            rondas = Cantidad(argv[++i]);
        else
            Uso();
    }
    return comprobar ? Comprobar() : Conducir(arranques, rondas);
}
