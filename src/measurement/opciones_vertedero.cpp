#include "measurement/opciones_vertedero.h"

namespace quelmora {

OpcionVertedero Opcion(Cresta cresta)
{
    switch (cresta) {
    case Cresta::Aguda:
        return { "OptAguda", "Cresta aguda" };
    case Cresta::Creager:
        return { "OptCreager", "Perfil Creager" };
    case Cresta::Ancha:
        return { "OptAncha", "Cresta ancha" };
    }
    return { "", "" };
}

OpcionVertedero Opcion(Escotadura escotadura)
{
    switch (escotadura) {
    case Escotadura::Grados15:
        return { "opta15", "15º" };
    case Escotadura::Grados30:
        return { "opta30", "30º" };
    case Escotadura::Grados45:
        return { "opta45", "45º" };
    case Escotadura::Grados60:
        return { "opta60", "60º" };
    case Escotadura::Grados90:
        return { "opta90", "90º" };
    case Escotadura::Grados120:
        return { "opta120", "120º" };
    }
    return { "", "" };
}

QString TituloOpcion(Cresta cresta) { return QString::fromUtf8(Opcion(cresta).titulo); }
QString TituloOpcion(Escotadura escotadura) { return QString::fromUtf8(Opcion(escotadura).titulo); }

} // namespace quelmora
