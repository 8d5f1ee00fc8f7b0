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

namespace {

// The physical key of an event: the keyboard's own code where the platform
// gives one, else the key.
quint32 TeclaFisica(const QKeyEvent& evento)
{
    return evento.nativeScanCode() != 0 ? evento.nativeScanCode()
                                        : 0x80000000u | static_cast<quint32>(evento.key());
}

} // namespace

void PantallaCalculadora::keyPressEvent(QKeyEvent* evento)
{
    // What a key types is read when it goes down: at its release the platform
    // reads it again with the modifiers still held, so the 8 key of "*" let go
    // after Shift would read "8".
    if (!evento->isAutoRepeat())
        pulsadas_.insert(TeclaFisica(*evento), CodigoTeclaVirtual(*evento));
    QWidget::keyPressEvent(evento);
}

void PantallaCalculadora::keyReleaseEvent(QKeyEvent* evento)
{
    // A key held down acts once, when it is let go.
    if (evento->isAutoRepeat() || !alSoltar_) {
        QWidget::keyReleaseEvent(evento);
        return;
    }
    // A key pressed elsewhere, whose press the box did not see, reads at its release.
    const quint32 tecla = TeclaFisica(*evento);
    alSoltar_(pulsadas_.contains(tecla) ? pulsadas_.take(tecla) : CodigoTeclaVirtual(*evento));
}

void PantallaCalculadora::focusOutEvent(QFocusEvent* evento)
{
    // The keys held as the focus leaves are let go elsewhere.
    pulsadas_.clear();
    QWidget::focusOutEvent(evento);
}

int CodigoTeclaVirtual(const QKeyEvent& evento)
{
    const int tecla = evento.key();
    const bool teclado = evento.modifiers().testFlag(Qt::KeypadModifier);
    switch (tecla) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    default:
        break;
    }
    if (teclado) {
        if (tecla >= Qt::Key_0 && tecla <= Qt::Key_9)
            return 96 + (tecla - Qt::Key_0);
        switch (tecla) {
        case Qt::Key_Asterisk:
            return 106;
        case Qt::Key_Plus:
            return 107;
        case Qt::Key_Minus:
            return 109;
        case Qt::Key_Slash:
            return 111;
        // Some keypads carry a comma on their decimal key.
        case Qt::Key_Comma:
        case Qt::Key_Period:
            return 110;
        default:
            return 0;
        }
    }
    // The main keyboard acts by the character its key types: with Shift the 8
    // key types "*" on many layouts, a multiplication and not an 8. The
    // operations go to the keypad's codes, and the decimal comma is a point.
    const QString texto = evento.text();
    if (texto.size() == 1) {
        const char16_t c = texto.front().unicode();
        if (c >= u'0' && c <= u'9')
            return 48 + (c - u'0');
        switch (c) {
        case u'*':
            return 106;
        case u'+':
            return 107;
        case u'-':
            return 109;
        case u'/':
            return 111;
        case u'.':
        case u',':
            return 190;
        default:
            break;
        }
    }
    // Keys that type none of those keep their place in the map; a digit key
    // that types something else enters nothing.
    switch (tecla) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return 187;
    case Qt::Key_Minus:
        return 189;
    case Qt::Key_Period:
        return 190;
    default:
        return 0;
    }
}

} // namespace quelmora
