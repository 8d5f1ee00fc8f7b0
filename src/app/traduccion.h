#pragma once
// Qt's own texts (the message boxes' standard buttons, the boxes' context
// menus) in Spanish, as the rest of the interface is, whatever the system's
// language.

#include <QString>

class QCoreApplication;

namespace quelmora {

// Loads Qt's Spanish translation, qtbase_es, from carpeta and installs it in
// the application, which owns it from then on. False, with nothing installed,
// when the folder lacks the file: Qt's texts then stay in English.
bool CargarTraduccionQt(QCoreApplication& aplicacion, const QString& carpeta);

// The same from Qt's own translations folder.
bool CargarTraduccionQt(QCoreApplication& aplicacion);

} // namespace quelmora
