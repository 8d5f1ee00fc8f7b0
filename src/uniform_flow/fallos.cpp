#include "uniform_flow/fallos.h"

#include "frame/ventana_calculo.h"

namespace quelmora {

bool InformarFallo(QWidget* ventana, FalloFlujoUniforme fallo)
{
    switch (fallo) {
    case FalloFlujoUniforme::Ninguno:
        return false;
    case FalloFlujoUniforme::NoConverge:
        AvisarNoConverge(ventana);
        return true;
    case FalloFlujoUniforme::CalculoImposible:
    case FalloFlujoUniforme::TiranteMayorQueDiametro:
        break;
    }
    AvisarCalculoImposible(ventana);
    return true;
}

} // namespace quelmora
