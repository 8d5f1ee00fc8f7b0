#include "critical_flow/fallos.h"

#include "frame/plataforma.h"

namespace quelmora {

bool InformarFallo(QWidget* ventana, FalloCalculo fallo)
{
    switch (fallo) {
    case FalloCalculo::Ninguno:
        return false;
    case FalloCalculo::NoConverge:
        AvisoSimple(kMensajeNoConverge, ventana);
        return true;
    case FalloCalculo::ValoresInadecuados:
        AvisoSimple(QStringLiteral("Valores de entrada inadecuados. ")
                + QStringLiteral("Ingrese nuevos datos"),
            ventana);
        return true;
    default:
        AvisoSimple(kMensajeCalculoImposible, ventana);
        return true;
    }
}

} // namespace quelmora
