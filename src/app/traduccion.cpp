#include "app/traduccion.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace quelmora {

bool CargarTraduccionQt(QCoreApplication& aplicacion, const QString& carpeta)
{
    auto* traduccion = new QTranslator(&aplicacion);
    if (!traduccion->load(QStringLiteral("qtbase_es"), carpeta)) {
        delete traduccion;
        return false;
    }
    return QCoreApplication::installTranslator(traduccion);
}

bool CargarTraduccionQt(QCoreApplication& aplicacion)
{
    return CargarTraduccionQt(aplicacion, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace quelmora
