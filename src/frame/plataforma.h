#pragma once
// Every platform call that blocks or reaches outside the program goes through
// Plataforma: message boxes, the beep, the clipboard, printing a window's image,
// starting another program and ending this one. Tests install a recorder in its
// place so that nothing waits on a modal box.

#include <QString>
#include <QStringList>

class QWidget;

namespace quelmora {

enum class IconoMensaje { Ninguno, Informacion, Critico };

enum class ResultadoImpresion { Impreso, SinImpresora, Fallo };

class Plataforma {
public:
    virtual ~Plataforma() = default;

    // A modal box with an OK button only; no answer is read.
    virtual void mensaje(
        QWidget* padre, const QString& texto, const QString& titulo, IconoMensaje icono)
        = 0;
    virtual void beep() = 0;

    // Plain-text clipboard.
    virtual void limpiarPortapapeles() = 0;
    virtual void ponerTextoPortapapeles(const QString& texto) = 0;
    virtual bool portapapelesTieneTexto() = 0;
    virtual QString textoPortapapeles() = 0;

    // Prints the window's image on the default printer, at once, with no dialog.
    virtual ResultadoImpresion imprimirVentana(QWidget* ventana) = 0;

    // Starts a program without waiting for it; false when it could not start.
    virtual bool iniciarPrograma(const QString& programa, const QStringList& argumentos) = 0;

    // Ends the whole program at once, with no question.
    virtual void terminarPrograma() = 0;
};

// The platform in force: the real Qt one unless a test installed another.
Plataforma& plataforma();
// Installs p (not owned) in place of the real platform; nullptr goes back to it.
void instalarPlataforma(Plataforma* p);

// The application's title, used by AvisoSimple.
inline const QString kTituloAplicacion = QStringLiteral("Quelmora");

// OK only, no icon, titled with the application's name.
void AvisoSimple(const QString& texto, QWidget* padre = nullptr);
// OK with the information icon and the given title.
void AvisoInformativo(const QString& texto, const QString& titulo, QWidget* padre = nullptr);
// The system beep.
void Beep();

} // namespace quelmora
