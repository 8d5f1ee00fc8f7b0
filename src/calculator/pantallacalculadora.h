#pragma once
// The calculator's display box: a flat box in the system window colour that the
// engine draws its number into, right-aligned with a 60-twip margin. Its tag
// keeps the engine's entry buffer; the keys released in it go to the engine, as
// the key they typed when they were pressed.

#include <QHash>
#include <QString>
#include <QWidget>

#include "calculator/core/bbcalc.h"

class QKeyEvent;

namespace quelmora {

class PantallaCalculadora : public QWidget, public CajaPantalla {
    Q_OBJECT
    // What the box shows.
    Q_PROPERTY(QString text READ text)
    Q_PROPERTY(QString tag READ tag)

public:
    explicit PantallaCalculadora(QWidget* parent = nullptr);

    QString text() const { return texto_; }
    QString tag() const { return tag_; }

    std::string Tag() const override;
    void FijarTag(const std::string& texto) override;
    void DibujarTexto(const std::string& texto) override;
    void TomarFoco() override;
    void EscucharTeclas(std::function<void(int)> alSoltar) override;

protected:
    void paintEvent(QPaintEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void keyReleaseEvent(QKeyEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;

private:
    QString texto_;
    QString tag_;
    std::function<void(int)> alSoltar_;
    // The code each key held down typed when it was pressed, by physical key.
    QHash<quint32, int> pulsadas_;
};

// The virtual-key code of a key as the engine's keyboard map knows it (8
// backspace, 13 Enter, 48-57 digits, 96-105 keypad digits, 106 keypad *, 107
// keypad +, 109 keypad -, 110 keypad point, 111 keypad /, 190 full stop, 187
// the main keyboard's =); 0 for a key the map does not know. A main-keyboard
// key counts by the character it types: a digit only when it types that digit,
// "*", "/", "+" and "-" as the keypad's, "," and "." as the full stop.
int CodigoTeclaVirtual(const QKeyEvent& evento);

} // namespace quelmora
