#include "calculator/pantallacalculadora.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

#include "frame/controles.h"

namespace quelmora {

namespace {

// The right margin of the number: 60 twips.
constexpr int kMargenDerecho = Pixeles(60);

} // namespace

PantallaCalculadora::PantallaCalculadora(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

std::string PantallaCalculadora::Tag() const { return tag_.toStdString(); }

void PantallaCalculadora::FijarTag(const std::string& texto)
{
    tag_ = QString::fromStdString(texto);
}

void PantallaCalculadora::DibujarTexto(const std::string& texto)
{
    texto_ = QString::fromStdString(texto);
    update();
}

void PantallaCalculadora::TomarFoco() { setFocus(Qt::OtherFocusReason); }

void PantallaCalculadora::EscucharTeclas(std::function<void(int)> alSoltar)
{
    alSoltar_ = std::move(alSoltar);
}

void PantallaCalculadora::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    pintor.fillRect(rect(), palette().color(QPalette::Base));
    pintor.setPen(palette().color(QPalette::WindowText));
    pintor.drawRect(rect().adjusted(0, 0, -1, -1));
    // A long entry runs off the left edge; the number stays right-aligned.
    const QFontMetrics medida(font());
    const int x = width() - medida.horizontalAdvance(texto_) - kMargenDerecho;
    pintor.setPen(palette().color(QPalette::Text));
    pintor.drawText(x, medida.ascent(), texto_);
}

void PantallaCalculadora::keyReleaseEvent(QKeyEvent* evento)
{
    // A key held down acts once, when it is let go.
    if (evento->isAutoRepeat() || !alSoltar_) {
        QWidget::keyReleaseEvent(evento);
        return;
    }
    alSoltar_(CodigoTeclaVirtual(*evento));
}

int CodigoTeclaVirtual(const QKeyEvent& evento)
{
    const int tecla = evento.key();
    const bool teclado = evento.modifiers().testFlag(Qt::KeypadModifier);
    if (tecla >= Qt::Key_0 && tecla <= Qt::Key_9)
        return (teclado ? 96 : 48) + (tecla - Qt::Key_0);
    switch (tecla) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Asterisk:
        return teclado ? 106 : 0;
    case Qt::Key_Plus:
        return teclado ? 107 : 187;
    case Qt::Key_Equal:
        return 187;
    case Qt::Key_Minus:
        return teclado ? 109 : 189;
    case Qt::Key_Slash:
        return teclado ? 111 : 0;
    // Some keypads carry a comma on their decimal key.
    case Qt::Key_Comma:
        return teclado ? 110 : 0;
    case Qt::Key_Period:
        return teclado ? 110 : 190;
    default:
        return 0;
    }
}

} // namespace quelmora
