#pragma once
// The program's windows, given to the frame at start.

namespace quelmora {

// Registers every window of the program with the frame (frame/ventanas.h): the
// main window, the windows of the menu in its order, and the calculator, which
// only the calculation windows' "C&alculadora" shows.
void RegistrarTodasLasVentanas();

} // namespace quelmora
