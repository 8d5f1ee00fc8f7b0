#include "frame/texto_numero.h"

#include "frame/core/numeros.h"

namespace quelmora {

QString Mascara(double valor, const char* mascara)
{
    return QString::fromStdString(EscribirMascara(valor, mascara));
}

double NumeroDeTexto(const QString& texto) { return LeerNumero(texto.toStdString()); }

} // namespace quelmora
