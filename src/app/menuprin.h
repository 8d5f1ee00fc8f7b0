#pragma once
#include <QMainWindow>

class QLabel;

namespace quelmora {

class BotonSalir;

// The start-up window: cover picture, exit button and the menu tree.
class menuprin : public QMainWindow {
    Q_OBJECT
public:
    explicit menuprin(QWidget* parent = nullptr);

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
