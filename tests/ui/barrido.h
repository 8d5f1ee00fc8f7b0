#pragma once
// Shared by the sweeps that throw data at every calculation window: a watchdog
// for clicks that never return, the sound data of each window, and readers of
// what a window shows.

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
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "conductor.h"

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
            limite_ = std::chrono::steady_clock::now() + plazo;
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

// Sound data of each window: its input boxes (boxes not listed keep the text the
// window opens with) and, for the natural channels, the segments of the grid.
struct DatosSanos {
    std::vector<std::pair<QString, QString>> cajas;
    std::vector<QStringList> tramos = {};
};

inline const std::map<QString, DatosSanos>& Sanos()
{
    static const std::map<QString, DatosSanos> datos {
        { "yntrape",
            { { { "q", "1" }, { "b", "1" }, { "z", "1" }, { "n", "0.015" }, { "s", "0.001" } } } },
        { "ynpara", { { { "q", "1" }, { "t", "2" }, { "n", "0.015" }, { "s", "0.001" } } } },
        { "yncir", { { { "q", "0.5" }, { "d", "1" }, { "n", "0.015" }, { "s", "0.001" } } } },
        { "ynmaxef", { { { "q", "1" }, { "z", "1" }, { "n", "0.015" }, { "s", "0.001" } } } },
        { "ynmininf", { { { "q", "1" }, { "z", "1" }, { "n", "0.015" }, { "s", "0.001" } } } },
        { "qtrape",
            { { { "y", "1" }, { "b", "1" }, { "z", "1" }, { "n", "0.015" }, { "s", "0.001" } } } },
        { "qpara", { { { "y", "0.5" }, { "t", "2" }, { "n", "0.015" }, { "s", "0.001" } } } },
        { "qcir", { { { "y", "0.5" }, { "d", "1" }, { "n", "0.015" }, { "s", "0.001" } } } },
        { "yctrape", { { { "q", "1" }, { "b", "1" }, { "z", "1" } } } },
        { "ycpara", { { { "q", "1" }, { "t", "2" } } } },
        { "yccir", { { { "q", "0.5" }, { "d", "1" } } } },
        { "rhrectan", { { { "q", "2" }, { "b", "1" }, { "y", "0.3" } } } },
        { "rhtrape", { { { "q", "2" }, { "y", "0.3" }, { "b", "1" }, { "z", "1" } } } },
        { "rhpara", { { { "q", "1" }, { "y", "0.2" }, { "t", "2" } } } },
        { "rhcir", { { { "q", "0.5" }, { "y1", "0.2" }, { "d", "1" } } } },
        { "crinte",
            { { { "q", "10" }, { "b", "3" }, { "z", "1.5" }, { "s", "0.0008" }, { "n", "0.02" },
                { "y1", "2.5" }, { "y2", "2" }, { "nt", "4" } } } },
        { "crdirtra",
            { { { "q", "10" }, { "b", "3" }, { "z", "1.5" }, { "s", "0.0008" }, { "n", "0.02" },
                { "y1", "2.5" }, { "y2", "2" }, { "nt", "4" } } } },
        { "crtrafij",
            { { { "q", "10" }, { "b", "3" }, { "z", "1.5" }, { "s", "0.0008" }, { "n", "0.02" },
                { "yi", "2.5" }, { "nt", "5" }, { "dx", "-100" } } } },
        { "crbak",
            { { { "q", "10" }, { "b", "3" }, { "z", "1.5" }, { "s", "0.0008" }, { "yn", "1.45" },
                { "yc", "0.89" }, { "y1", "2.5" }, { "y2", "1.8" }, { "nt", "5" } } } },
        { "crbresse",
            { { { "q", "5" }, { "b", "10" }, { "s", "0.0005" }, { "n", "0.025" }, { "yn", "1.2" },
                { "y1", "2" }, { "y2", "1.4" }, { "nt", "6" } } } },
        { "TranAlSa",
            { { { "q", "2" }, { "bc", "2.5" }, { "BF", "1.8" }, { "zc", "1.5" }, { "ZF", "0" },
                { "yc", "0.9" }, { "hz", "0.05" } } } },
        { "TranAlEn",
            { { { "q", "1.5" }, { "bc", "1" }, { "BF", "2.6" }, { "zc", "0" }, { "ZF", "2" },
                { "yc", "0.8" }, { "hz", "0.04" } } } },
        { "frmVertederoLateral",
            { { { "txty", "1" }, { "txtb", "2" }, { "txtZ", "1" }, { "txtn", "0.015" },
                { "txtS", "0.001" }, { "txtU", "0.6" }, { "txtL", "1" }, { "txtNt", "2" } } } },
        { "frmQNaturalNConstante",
            { { { "txtS", "0.001" }, { "txtn", "0.02" }, { "txtho", "0" } },
                { { "1", "1" }, { "2", "1" }, { "1", "0" } } } },
        { "frmQNaturalRugCompuesta",
            { { { "txtS", "0.0005" }, { "txtho", "0.5" }, { "txtvo", "0.04" },
                  { "txtnf", "0.05" } },
                { { "2", "1.0", "0.030" }, { "3", "1.5", "0.025" }, { "2", "0.8", "0.035" } } } },
        { "frmCompuerta",
            { { { "txtb", "2" }, { "txty1", "1.5" }, { "txta", "0.3" }, { "txtao", "0.05" },
                { "txtho", "2" } } } },
        { "frmVertederos",
            { { { "txtL", "2" }, { "txth", "0.3" }, { "txtn", "2" }, { "txtLt", "1" },
                { "txtHt", "0.2" }, { "txthtri", "0.3" } } } },
        { "frmVariosTrape",
            { { { "txtqb", "1.5" }, { "txtyb", "0.8" }, { "txtzb", "1" }, { "txtnb", "0.014" },
                { "txtsb", "0.001" }, { "txtqs", "1.5" }, { "txtys", "0.8" }, { "txtbs", "1" },
                { "txtzs", "1" }, { "txtns", "0.014" }, { "txtqn", "1.5" }, { "txtyn", "0.8" },
                { "txtbn", "1" }, { "txtzn", "1" }, { "txtsn", "0.001" } } } },
        { "frmRelayd",
            { { { "txtq", "0.5" }, { "txtyd", "0.5" }, { "txtn", "0.013" },
                { "txts", "0.001" } } } },
        { "frmOtrosCir",
            { { { "txtqs", "0.3" }, { "txtys", "0.5" }, { "txtds", "1" }, { "txtns", "0.013" },
                { "txtqn", "0.3" }, { "txtyn", "0.5" }, { "txtdn", "1" },
                { "txtsn", "0.000626" } } } },
        { "frmPerdidasCanales",
            { { { "q", "1" }, { "b", "1" }, { "z", "1" }, { "n", "0.014" }, { "s", "0.001" },
                { "txtL", "2" }, { "txtErevestido", "0.1" } } } },
    };
    return datos;
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

// Every registered window that calculates; the main window, the About window and
// the calculator have no calculate button.
inline std::vector<std::string> VentanasDeCalculo()
{
    RegistrarTodasLasVentanas();
    std::vector<std::string> clases;
    for (const QString& clase : ClasesRegistradas())
        if (clase != "menuprin" && clase != "Acerca" && clase != "frmCalculadora")
            clases.push_back(clase.toStdString());
    return clases;
}
