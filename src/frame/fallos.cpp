#include "frame/fallos.h"

#include "frame/plataforma.h"

namespace quelmora {

void MostrarMensajeError(const MensajeError& mensaje, QWidget* padre)
{
    if (mensaje.titulo.isEmpty())
        AvisoSimple(mensaje.texto, padre);
    else
        AvisoInformativo(mensaje.texto, mensaje.titulo, padre);
}

bool InformarFallo(
    QWidget* ventana, FalloCalculo fallo, std::initializer_list<MensajeFallo> propios)
{
    if (fallo == FalloCalculo::Ninguno)
        return false;
    for (const MensajeFallo& propio : propios) {
        if (propio.fallo != fallo)
            continue;
        if (propio.pitido)
            Beep();
        MostrarMensajeError(propio.mensaje, ventana);
        return true;
    }
    AvisoSimple(
        fallo == FalloCalculo::NoConverge ? kMensajeNoConverge : kMensajeCalculoImposible, ventana);
    return true;
}

} // namespace quelmora
