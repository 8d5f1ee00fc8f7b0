#pragma once
// A platform that records instead of blocking: message boxes, beeps, clipboard,
// prints, started programs and the end of the program.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

#include "frame/plataforma.h"

using namespace quelmora;

struct MensajeGrabado {
    QString texto;
    QString titulo;
    IconoMensaje icono;
};

// What the recorded log holds, in order: a message box or a beep.
struct EventoGrabado {
    enum Tipo { Mensaje, Pitido } tipo;
    QString texto;
};

class Grabadora final : public Plataforma {
public:
    std::vector<MensajeGrabado> mensajes;
    std::vector<EventoGrabado> eventos;
    int pitidos = 0;
    QString portapapeles;
    bool portapapelesConTexto = false;
    std::vector<QWidget*> impresas;
    ResultadoImpresion resultadoImpresion = ResultadoImpresion::SinImpresora;
    QStringList programasIniciados; // program followed by its arguments, joined by '|'
    bool programaArranca = false;
    int terminaciones = 0;
    // Called as each message box would show, for a test that looks at the
    // window at that moment.
    std::function<void(const QString&)> alMostrarMensaje;

    void mensaje(QWidget*, const QString& texto, const QString& titulo, IconoMensaje icono) override
    {
        mensajes.push_back({ texto, titulo, icono });
        eventos.push_back({ EventoGrabado::Mensaje, texto });
        if (alMostrarMensaje)
            alMostrarMensaje(texto);
    }
    void beep() override
    {
        ++pitidos;
        eventos.push_back({ EventoGrabado::Pitido, {} });
    }
    void limpiarPortapapeles() override
    {
        portapapeles.clear();
        portapapelesConTexto = false;
    }
    void ponerTextoPortapapeles(const QString& texto) override
    {
        portapapeles = texto;
        portapapelesConTexto = true;
    }
    bool portapapelesTieneTexto() override { return portapapelesConTexto; }
    QString textoPortapapeles() override { return portapapeles; }
    ResultadoImpresion imprimirVentana(QWidget* ventana) override
    {
        impresas.push_back(ventana);
        return resultadoImpresion;
    }
    bool iniciarPrograma(const QString& programa, const QStringList& argumentos) override
    {
        programasIniciados << (QStringList { programa } + argumentos).join('|');
        return programaArranca;
    }
    void terminarPrograma() override { ++terminaciones; }

    QString ultimoMensaje() const { return mensajes.empty() ? QString() : mensajes.back().texto; }
};
