#pragma once
#include <QToolButton>

namespace quelmora {

// The "&Salir" picture button of the main and About windows: its picture above
// the caption, picture 1 normally and picture 2 once the mouse has moved over it.
// The highlighted picture stays until the window gives the normal one back, so
// the button keeps its mouse moves to itself (a move over the button must not
// reach the window behind it, which would restore the picture at once).
class BotonSalir : public QToolButton {
    Q_OBJECT
public:
    // Geometry in twips, as the windows' forms give it.
    BotonSalir(QWidget* padre, int izquierda, int arriba, int ancho, int alto);

    void Restablecer(); // picture 1
    bool Resaltado() const { return resaltado_; }

protected:
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    bool resaltado_ = false;
};

} // namespace quelmora
