#pragma once
// The one place where a calculation's failure becomes its message box. A
// window's calculation reads
//
//   const auto r = <core compute>(...);
//   if (InformarFallo(this, r.fallo, { { FalloCalculo::TiranteMayorDiametro, { kTexto } } }))
//       return;
//   <write r>
//
// NoConverge and CalculoImposible have the texts every window shares; each
// other case is a window's own and that window passes its text (a case a
// window gives no text for shows the impossible-calculation text).

#include <QString>
#include <initializer_list>

#include "hydraulics/fallo.h"

class QWidget;

namespace quelmora {

inline const QString kMensajeNoConverge
    = QStringLiteral("El cálculo no converge con los datos ingresados, revise los datos");
inline const QString kMensajeCalculoImposible
    = QStringLiteral("Los datos ingresados no permiten realizar el cálculo, revise los datos");

// A failure's message box: titled with the application's name and no icon when
// titulo is empty, else the information box so titled.
struct MensajeError {
    QString texto;
    QString titulo = {};
};

void MostrarMensajeError(const MensajeError& mensaje, QWidget* padre);

// A window's own message for one failure, after a beep where the window beeps.
struct MensajeFallo {
    FalloCalculo fallo;
    MensajeError mensaje;
    bool pitido = false;
};

// Shows the message of fallo and returns true (the calculation must stop);
// returns false, showing nothing, for FalloCalculo::Ninguno.
bool InformarFallo(
    QWidget* ventana, FalloCalculo fallo, std::initializer_list<MensajeFallo> propios = {});

} // namespace quelmora
