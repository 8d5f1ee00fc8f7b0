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

class ValoresDeEjecucion;

using FabricaVentana = std::function<QWidget*()>;

// Registers the class name (such as "yntrape") with the function that builds its
// window with its controls in their initial state.
void RegistrarVentana(const QString& clase, FabricaVentana fabrica);
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

// Registers every window of the program (app/registro.cpp).
void RegistrarTodasLasVentanas();

} // namespace quelmora
