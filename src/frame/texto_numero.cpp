#include "frame/texto_numero.h"

#include "frame/core/numero_plano.h"
#include "frame/core/numeros.h"

namespace quelmora {

QString Mascara(double valor, const char* mascara)
{
    return QString::fromStdString(EscribirMascara(valor, mascara));
}

QString NumeroExacto(double valor) { return Mascara(valor, "0.###############"); }

QString NumeroPlano(double valor) { return QString::fromStdString(EscribirNumeroPlano(valor)); }

double NumeroDeTexto(const QString& texto) { return LeerNumero(texto.toStdString()); }

} // namespace quelmora
