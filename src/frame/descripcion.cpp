#include "frame/descripcion.h"

#include <QString>
#include <cstring>

namespace quelmora {

const char* JuegoDatos::Texto(const char* caja) const
{
    for (const ValorCaja& valor : cajas)
        if (std::strcmp(valor.caja, caja) == 0)
            return valor.texto;
    return nullptr;
}

const DescripcionVentana* DescripcionDe(const QString& clase)
{
    for (const DescripcionVentana* descripcion : VentanasDescritas())
        if (clase == QLatin1String(descripcion->clase))
            return descripcion;
    return nullptr;
}

} // namespace quelmora
