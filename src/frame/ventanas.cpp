#include "frame/ventanas.h"

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <algorithm>

#include "frame/descripcion.h"
#include "frame/ejecucion.h"

namespace quelmora {

namespace {

struct FilaRegistro {
    FabricaVentana fabrica;
    QPointer<QWidget> abierta;
};

QHash<QString, FilaRegistro>& registro()
{
    static QHash<QString, FilaRegistro> r;
    return r;
}

// The described windows, in the order the program registered them.
std::vector<const DescripcionVentana*> descritas;

ValoresDeEjecucion valoresDeEjecucion;

} // namespace

void RegistrarVentana(const QString& clase, FabricaVentana fabrica)
{
    registro()[clase].fabrica = std::move(fabrica);
}

void RegistrarVentana(const DescripcionVentana& ventana)
{
    RegistrarVentana(QString::fromUtf8(ventana.clase), ventana.fabrica);
    if (std::find(descritas.begin(), descritas.end(), &ventana) == descritas.end())
        descritas.push_back(&ventana);
}

std::vector<const DescripcionVentana*> VentanasDescritas() { return descritas; }

bool VentanaRegistrada(const QString& clase)
{
    const auto it = registro().constFind(clase);
    return it != registro().constEnd() && it->fabrica;
}

QStringList ClasesRegistradas()
{
    QStringList clases;
    for (auto it = registro().constBegin(); it != registro().constEnd(); ++it)
        if (it->fabrica)
            clases << it.key();
    clases.sort();
    return clases;
}

QWidget* MostrarVentana(const QString& clase)
{
    auto it = registro().find(clase);
    if (it == registro().end() || !it->fabrica)
        return nullptr;
    QWidget* ventana = it->abierta;
    if (!ventana) {
        ventana = it->fabrica();
        // Closing destroys the controls; the next showing builds them afresh.
        ventana->setAttribute(Qt::WA_DeleteOnClose);
        ventana->setObjectName(clase);
        it->abierta = ventana;
        ventana->show();
    } else {
        ventana->show();
    }
    ventana->raise();
    ventana->activateWindow();
    return ventana;
}

QWidget* VentanaAbierta(const QString& clase)
{
    const auto it = registro().constFind(clase);
    return it == registro().constEnd() ? nullptr : it->abierta.data();
}

ValoresDeEjecucion& ValoresDeLaEjecucion() { return valoresDeEjecucion; }

void ReiniciarEjecucion()
{
    // Gathered first: a window going may take others with it.
    QList<QPointer<QWidget>> abiertas;
    for (const FilaRegistro& entrada : std::as_const(registro()))
        abiertas << entrada.abierta;
    for (const QPointer<QWidget>& ventana : abiertas)
        delete ventana.data();
    valoresDeEjecucion.Olvidar();
}

} // namespace quelmora
