#pragma once
// The showing rule of every window class: one instance per class for the whole
// run, created on first use; its controls are built afresh each time it opens,
// it is shown modeless as an independent top-level window, and a window that is
// already open is brought to the front unchanged.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace quelmora {

struct DescripcionVentana;
class ValoresDeEjecucion;

using FabricaVentana = std::function<QWidget*()>;

// Registers the class name (such as "yntrape") with the function that builds its
// window with its controls in their initial state.
void RegistrarVentana(const QString& clase, FabricaVentana fabrica);
// Registers a described window: its class with the description's factory, and
// the description at the end of the list of described windows
// (VentanasDescritas() of frame/descripcion.h), once however often it comes.
// The program gives the frame its windows at start (app/registro.h).
void RegistrarVentana(const DescripcionVentana& ventana);
bool VentanaRegistrada(const QString& clase);
// The names of every registered class, sorted, so that a sweep over all windows
// visits them in the same order each run.
QStringList ClasesRegistradas();

// Shows the window of the class by the showing rule; nullptr when the class has
// no window (yet), in which case nothing happens.
QWidget* MostrarVentana(const QString& clase);

// The open window of the class, or nullptr when it is closed or never opened.
QWidget* VentanaAbierta(const QString& clase);

// The values the windows keep until the program ends (frame/ejecucion.h).
ValoresDeEjecucion& ValoresDeLaEjecucion();

// Puts the run back as it started: every window the registry opened is
// destroyed at once, without its closing, and the kept values are forgotten.
// The window tests call it between tests, so that each starts as the program does.
void ReiniciarEjecucion();

} // namespace quelmora
