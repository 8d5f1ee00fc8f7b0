#pragma once
#include <QMainWindow>
#include <span>

#include "frame/descripcion.h"

class QLabel;

namespace quelmora {

class BotonSalir;

// A row of the main window's menu bar: a menu with its caption, or one of the
// entries of the menu above it: a separator line, the entry of a described
// window, or one of the two entries that act on their own ("salir" ends the
// program, "elementos" starts the help viewer).
struct FilaMenu {
    const char* control; // nullptr for a window's entry: its description names it
    const char* titulo; // "-" for a separator
    const DescripcionVentana* ventana;
    bool principal;

    QString Control() const;
    QString Titulo() const;
};

// The menu bar, menu by menu, in the form's order (app/registro.cpp).
std::span<const FilaMenu> FilasMenuPrincipal();

// The start-up window: cover picture, exit button and the menu tree.
class menuprin : public QMainWindow {
    Q_OBJECT
public:
    explicit menuprin(QWidget* parent = nullptr);
    static const DescripcionVentana kDescripcion;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Form_Load();
    void ConstruirMenus();
    void elementos_Click();

    QLabel* Picture1 = nullptr;
    BotonSalir* bSalir = nullptr;
};

} // namespace quelmora
