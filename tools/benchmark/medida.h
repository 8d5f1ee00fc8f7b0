#pragma once
// What a measured process shares with the reference it is measured against: one
// rule for a step being over (shown, painted and the event loop quiet) and one
// reading of the peak resident memory, so that both sides of a ratio are taken
// alike.

#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "reloj.h"

constexpr std::int64_t kPlazoNs = 20'000'000'000; // no step of a run may take longer

[[noreturn]] inline void Abortar(const std::string& que)
{
    std::fprintf(stderr, "benchmark: %s\n", que.c_str());
    std::exit(2);
}

// Counts every event delivered, so that a step is over when the event loop has
// nothing left, and notes when the last painting was done with: the repaints
// and chart updates that follow a showing or a calculation are part of it,
// while work the program leaves for idle time (and paints nowhere) is not.
class AplicacionMedida final : public QApplication {
public:
    using QApplication::QApplication;
    long eventos = 0;
    std::int64_t finUltimoPintado = 0;

    bool notify(QObject* receptor, QEvent* evento) override
    {
        const QEvent::Type tipo = evento->type();
        const bool resultado = QApplication::notify(receptor, evento);
        ++eventos;
        if (tipo == QEvent::Paint || tipo == QEvent::UpdateRequest || tipo == QEvent::Expose)
            finUltimoPintado = RelojNs();
        return resultado;
    }
};

// Runs the event loop until listo() holds and three passes in a row delivered no
// event; returns the clock at the end of the last painting.
inline std::int64_t HastaQuieto(
    AplicacionMedida& app, const std::function<bool()>& listo, const std::string& que)
{
    const std::int64_t limite = RelojNs() + kPlazoNs;
    int quietas = 0;
    while (!(quietas >= 3 && listo())) {
        const long antes = app.eventos;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        quietas = app.eventos == antes ? quietas + 1 : 0;
        if (RelojNs() > limite)
            Abortar(que + " did not settle");
    }
    return app.finUltimoPintado;
}

// Shown and painted: a widget paints its window when the window is exposed.
inline bool Expuesta(const QWidget* w)
{
    return w && w->windowHandle() && w->windowHandle()->isExposed();
}

// Times a window from the call that makes and shows it (mostrar) until it is
// shown, painted and the event loop quiet; returns the window.
inline QWidget* Cronometrar(AplicacionMedida& app, const std::function<QWidget*()>& mostrar,
    const std::string& que, double* ms)
{
    const std::int64_t inicio = RelojNs();
    app.finUltimoPintado = inicio;
    QWidget* w = mostrar();
    if (!w)
        Abortar("no window for " + que);
    const std::int64_t fin = HastaQuieto(
        app, [w] { return Expuesta(w); }, que);
    if (ms)
        *ms = Milisegundos(inicio, fin);
    return w;
}

// The peak resident memory of this process, in kB.
inline long PicoMemoriaKb()
{
    FILE* estado = std::fopen("/proc/self/status", "r");
    if (!estado)
        return -1;
    char linea[256];
    long kb = -1;
    while (std::fgets(linea, sizeof linea, estado))
        if (std::strncmp(linea, "VmHWM:", 6) == 0)
            kb = std::atol(linea + 6);
    std::fclose(estado);
    return kb;
}
