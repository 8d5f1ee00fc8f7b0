#include "app/menuprin.h"

menuprin::menuprin(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral(
        "QUELMORA la forma más fácil de diseñar canales y estructuras hidráulicas"));
    resize(11880 / 15, 7755 / 15);
}
