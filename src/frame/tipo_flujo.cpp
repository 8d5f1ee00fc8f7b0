#include "frame/tipo_flujo.h"

namespace quelmora {

QString TextoTipoFlujo(TipoFlujo tipo)
{
    switch (tipo) {
    case TipoFlujo::Subcritico:
        return QStringLiteral("Subcrítico");
    case TipoFlujo::Critico:
        return QStringLiteral("Crítico");
    case TipoFlujo::Supercritico:
        return QStringLiteral("Supercrítico");
    case TipoFlujo::Ninguno:
        break;
    }
    return {};
}

} // namespace quelmora
