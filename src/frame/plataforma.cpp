#include "frame/plataforma.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QWidget>

namespace quelmora {

namespace {

class PlataformaQt final : public Plataforma {
public:
    void mensaje(
        QWidget* padre, const QString& texto, const QString& titulo, IconoMensaje icono) override
    {
        QMessageBox caja(padre);
        caja.setWindowTitle(titulo);
        caja.setText(texto);
        switch (icono) {
        case IconoMensaje::Ninguno:
            caja.setIcon(QMessageBox::NoIcon);
            break;
        case IconoMensaje::Informacion:
            caja.setIcon(QMessageBox::Information);
            break;
        case IconoMensaje::Critico:
            caja.setIcon(QMessageBox::Critical);
            break;
        }
        caja.setStandardButtons(QMessageBox::Ok);
        caja.exec();
    }

    void beep() override { QApplication::beep(); }

    void limpiarPortapapeles() override { QGuiApplication::clipboard()->clear(); }
    void ponerTextoPortapapeles(const QString& texto) override
    {
        QGuiApplication::clipboard()->setText(texto);
    }
    bool portapapelesTieneTexto() override
    {
        return !QGuiApplication::clipboard()->text().isNull();
    }
    QString textoPortapapeles() override { return QGuiApplication::clipboard()->text(); }

    ResultadoImpresion imprimirVentana(QWidget* ventana) override
    {
        if (QPrinterInfo::defaultPrinter().isNull())
            return ResultadoImpresion::SinImpresora;
        const QPixmap imagen = ventana->grab();
        QPrinter impresora(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        QPainter pintor;
        if (!pintor.begin(&impresora))
            return ResultadoImpresion::Fallo;
        const QRect pagina = pintor.viewport();
        QSize tam = imagen.size();
        tam.scale(pagina.size(), Qt::KeepAspectRatio);
        pintor.drawPixmap(QRect(pagina.topLeft(), tam), imagen);
        return pintor.end() ? ResultadoImpresion::Impreso : ResultadoImpresion::Fallo;
    }

    bool iniciarPrograma(const QString& programa, const QStringList& argumentos) override
    {
        return QProcess::startDetached(programa, argumentos);
    }

    void terminarPrograma() override
    {
        // exit, not quit: quit asks every window to close, and a window could
        // refuse; the program ends at once, with no question and no closing
        // handler run.
        QCoreApplication::exit(0);
    }
};

Plataforma* instalada = nullptr;

} // namespace

Plataforma& plataforma()
{
    static PlataformaQt real;
    return instalada ? *instalada : real;
}

void instalarPlataforma(Plataforma* p) { instalada = p; }

void AvisoSimple(const QString& texto, QWidget* padre)
{
    plataforma().mensaje(padre, texto, kTituloAplicacion, IconoMensaje::Ninguno);
}

void AvisoInformativo(const QString& texto, const QString& titulo, QWidget* padre)
{
    plataforma().mensaje(padre, texto, titulo, IconoMensaje::Informacion);
}

void Beep() { plataforma().beep(); }

} // namespace quelmora
