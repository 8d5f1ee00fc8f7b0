#pragma once
// A window described once: its class name and the function that builds it, the
// main window's menu entry that shows it, its caption, sound data a user may type
// into it, and the texts of its own message boxes. The main window's menu and the
// registry of windows read it, and so do the tests, the picture tool and the
// benchmark, which keep no copy of their own.
//
// Each window class defines its description next to its constructor, which takes
// the caption from it:
//
//   constinit const DescripcionVentana yntrape::kDescripcion {
//       .clase = "yntrape",
//       .fabrica = Fabricar<yntrape>,
//       .entrada = { "ynormal", "yntrapezoidal", "Sección &Trapezoidal, Rec. Trian" },
//       .titulo = "Cálculo de tirante normal secciones: trapezoidal, rectangular, triangular",
//       .datos = { { "ordinario", { { "q", "1" }, { "b", "1" }, ... } }, ... },
//       .mensajes = { kTextoDatosIncompletos, kTextoAnchoTalud },
//   };
//
//   yntrape::yntrape() : VentanaCalculo(kDescripcion.titulo) { ... }
//
// A description is constant data laid down when the program is built: reading
// the list of windows costs nothing at start-up. A new window needs its files,
// its description, one row in the menu table of app/registro.cpp and its own
// numeric tests; the checks every window shares take it up from there.

#include <initializer_list>
#include <span>
#include <vector>

class QString;
class QWidget;

namespace quelmora {

// A box and the text a user types into it.
struct ValorCaja {
    const char* caja;
    const char* texto;
};

// A row of a natural channel's segment grid: width, depth and, in the window of
// composite roughness, the segment's roughness.
struct Tramo {
    const char* ancho;
    const char* profundidad;
    const char* rugosidad = nullptr;
};

// An entry chosen from a list: the caption of the inner page that holds the
// list, the list, the entry.
struct EleccionLista {
    const char* pagina;
    const char* lista;
    const char* entrada;
};

// One data set that calculates without a message: the boxes of every page (a box
// not named keeps its opening text), the segments typed into the grid, and the
// entries chosen from lists.
struct JuegoDatos {
    const char* nombre;
    std::initializer_list<ValorCaja> cajas;
    std::initializer_list<Tramo> tramos = {};
    std::span<const EleccionLista> listas = {};

    const char* Texto(const char* caja) const;
};

// Where the main window's menu bar has the window's entry: the control names of
// the menu and of the entry, and the entry's caption.
struct EntradaMenu {
    const char* menu = nullptr;
    const char* control = nullptr;
    const char* titulo = nullptr;
};

struct DescripcionVentana {
    const char* clase;
    QWidget* (*fabrica)();
    // None for the main window, and for the calculator, which only the
    // calculation windows' "C&alculadora" shows.
    EntradaMenu entrada;
    const char* titulo;
    // The first set is the ordinary one. Further sets, where the users of the
    // data differ, show what it does not (an erosive velocity, a side weir
    // whose march reaches the crest). None for a window that does not calculate.
    std::initializer_list<JuegoDatos> datos = {};
    // What its message boxes may say, besides the negative-value warnings its
    // boxes carry and the two failure texts every calculation shares.
    std::initializer_list<const char*> mensajes = {};

    // Whether it has a calculation (and so sound data).
    bool Calcula() const { return datos.size() > 0; }
    const JuegoDatos& Ordinario() const { return *datos.begin(); }
    // The set that shows the most: the last one.
    const JuegoDatos& Ilustrativo() const { return *(datos.end() - 1); }
};

template <class Clase> QWidget* Fabricar() { return new Clase; }

// Every described window registered (frame/ventanas.h), in the order the
// program registered them: the main window, the windows of the menu in its
// order, and the calculator.
std::vector<const DescripcionVentana*> VentanasDescritas();
// The description of the class, or nullptr.
const DescripcionVentana* DescripcionDe(const QString& clase);

} // namespace quelmora
