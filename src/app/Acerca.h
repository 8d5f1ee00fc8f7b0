#pragma once
#include <QWidget>

#include "frame/descripcion.h"

namespace quelmora {

class BotonSalir;

// The About window: the small cover, the texts presenting the program and its
// own "&Salir", which closes this window only.
class Acerca : public QWidget {
    Q_OBJECT
public:
    explicit Acerca(QWidget* parent = nullptr);
    static const DescripcionVentana kDescripcion;

protected:
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    BotonSalir* bSalir = nullptr;
};

} // namespace quelmora
