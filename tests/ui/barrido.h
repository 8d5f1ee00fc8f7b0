#pragma once
// Shared by the sweeps that throw data at every calculation window: a watchdog
// for clicks that never return, the sound data of each window's description, and
// readers of what a window shows.

#include <QAbstractItemView>
#include <QHeaderView>
#include <QLineSeries>
#include <QRegularExpression>
#include <QValueAxis>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "conductor.h"

// --- the limits that catch hangs --------------------------------------------

// The sanitizers build (tools/sanitizers.sh) runs the program many times slower,
// and more so on a busy machine, so its limits are ten times the ordinary ones:
// they are there to catch hangs, not to time the program.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr int kEscalaPlazos = 10;
inline constexpr const char* kNotaPlazos = ", ten times the ordinary limit in the sanitizers build";
#else
inline constexpr int kEscalaPlazos = 1;
inline constexpr const char* kNotaPlazos = "";
#endif

// --- the watchdog: a click that does not return in time ends the process ---

// The event loop cannot be interrupted from inside a click, so a second thread
// watches the clock and ends the whole test process, naming what hung.
class Vigilante {
public:
    Vigilante()
        : hilo_([this] { Vigilar(); })
    {
    }
    ~Vigilante()
    {
        {
            std::lock_guard<std::mutex> l(m_);
            fin_ = true;
        }
        cv_.notify_all();
        hilo_.join();
    }
    void Armar(const std::string& que, std::chrono::seconds plazo)
    {
        {
            std::lock_guard<std::mutex> l(m_);
            que_ = que;
            limite_ = std::chrono::steady_clock::now() + plazo * kEscalaPlazos;
            armado_ = true;
        }
        cv_.notify_all();
    }
    void Desarmar()
    {
        std::lock_guard<std::mutex> l(m_);
        armado_ = false;
    }

private:
    void Vigilar()
    {
        std::unique_lock<std::mutex> l(m_);
        while (!fin_) {
            if (!armado_) {
                cv_.wait(l);
                continue;
            }
            const auto limite = limite_;
            if (cv_.wait_until(l, limite) == std::cv_status::timeout && armado_ && !fin_
                && std::chrono::steady_clock::now() >= limite_) {
                std::fprintf(stderr, "HANG: %s did not return in time\n", que_.c_str());
                std::fflush(stderr);
                std::_Exit(3);
            }
        }
    }

    std::mutex m_;
    std::condition_variable cv_;
    bool armado_ = false;
    bool fin_ = false;
    std::string que_;
    std::chrono::steady_clock::time_point limite_;
    std::thread hilo_;
};

// --- the sound data -------------------------------------------------------------

// The window's ordinary data set, as its description gives it; nullptr for a
// window that does not calculate.
inline const JuegoDatos* DatosSanos(const QString& clase)
{
    const DescripcionVentana* d = DescripcionDe(clase);
    return d && d->Calcula() ? &d->Ordinario() : nullptr;
}

// The sound text of a box; empty when the data set leaves the box alone.
inline QString TextoSano(const QString& clase, const QString& caja)
{
    const JuegoDatos* datos = DatosSanos(clase);
    const char* texto = datos ? datos->Texto(caja.toUtf8().constData()) : nullptr;
    return texto ? QString::fromUtf8(texto) : QString();
}

// The segments of a natural channel's data set, one row of texts per segment.
inline std::vector<QStringList> TramosSanos(const QString& clase)
{
    const JuegoDatos* datos = DatosSanos(clase);
    return datos ? Filas(datos->tramos) : std::vector<QStringList> {};
}

// "nan", "inf", "infinity" or the infinity sign standing as a word of its own
// (not the start of "infiltración").
inline bool NoEsNumero(const QString& texto)
{
    static const QRegularExpression patron(
        QStringLiteral(R"((?<!\p{L})(nan|inf(inity)?)(?!\p{L})|∞)"),
        QRegularExpression::CaseInsensitiveOption);
    return patron.match(texto).hasMatch();
}

inline QString NombreDeCaja(const QLineEdit* caja)
{
    if (!caja->objectName().isEmpty())
        return caja->objectName();
    // The text box inside an editable list carries no name of its own.
    return caja->parentWidget() ? caja->parentWidget()->objectName() : QString();
}

// Every text the window shows that is not the number it should be.
inline QStringList TextosNoNumericos(QWidget* w)
{
    QStringList hallados;
    auto revisar = [&](const QString& donde, const QString& texto) {
        if (NoEsNumero(texto))
            hallados << donde + " = \"" + texto + "\"";
    };
    for (auto* caja : w->findChildren<QLineEdit*>())
        revisar("box " + NombreDeCaja(caja), caja->text());
    for (auto* etiqueta : w->findChildren<QLabel*>())
        revisar("label " + etiqueta->objectName(), etiqueta->text());
    for (auto* vista : w->findChildren<QAbstractItemView*>()) {
        if (qobject_cast<QHeaderView*>(vista) || !vista->model())
            continue;
        const QAbstractItemModel* m = vista->model();
        for (int c = 0; c < m->columnCount(); ++c)
            revisar(QStringLiteral("header %1 of %2").arg(c).arg(vista->objectName()),
                m->headerData(c, Qt::Horizontal).toString());
        for (int f = 0; f < m->rowCount(); ++f)
            for (int c = 0; c < m->columnCount(); ++c)
                revisar(QStringLiteral("cell %1,%2 of %3").arg(f).arg(c).arg(vista->objectName()),
                    m->index(f, c).data().toString());
    }
    for (auto* grafico : w->findChildren<GraficoLineas*>()) {
        for (const QPointF& p : grafico->Puntos())
            if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
                hallados << "a point of graph " + grafico->objectName() + " is not finite";
        for (QValueAxis* eje : { grafico->EjeX(), grafico->EjeY() })
            if (eje && (!std::isfinite(eje->min()) || !std::isfinite(eje->max())))
                hallados << "an axis of graph " + grafico->objectName() + " is not finite";
    }
    return hallados;
}

// The boxes that can be typed into on the page in view.
inline QList<QLineEdit*> CajasDeEntrada(QWidget* w)
{
    QList<QLineEdit*> cajas;
    for (auto* caja : w->findChildren<QLineEdit*>())
        if (caja->isVisible() && caja->isEnabled() && !caja->isReadOnly())
            cajas << caja;
    return cajas;
}

template <class T> QList<T*> Visibles(QWidget* w, const QString& prefijo = {})
{
    QList<T*> hallados;
    for (auto* c : w->findChildren<T*>())
        if (c->isVisible() && c->isEnabled() && c->objectName().startsWith(prefijo))
            hallados << c;
    return hallados;
}

// The classes of every described window that calculates.
inline std::vector<std::string> VentanasDeCalculo()
{
    std::vector<std::string> clases;
    for (const DescripcionVentana* d : DescripcionesDeCalculo())
        clases.push_back(d->clase);
    return clases;
}
