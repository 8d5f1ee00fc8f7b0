#pragma once
#include <QMainWindow>

// The start-up window: cover picture, exit button and the menu tree.
class menuprin : public QMainWindow {
    Q_OBJECT
public:
    explicit menuprin(QWidget* parent = nullptr);
};
