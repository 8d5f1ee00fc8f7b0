#pragma once
// The pictures of the main window and the About window: the cover, the
// program's icon and the two pictures of their exit buttons.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace quelmora {

// The cover: a lined trapezoidal canal in an oval vignette on a light-blue
// ground, with the product's name and slogan, drawn at the given size (the main
// window's cover is 789 x 528). A non-empty version is written under the name,
// as on the About window's smaller cover.
QPixmap PinturaPortada(int ancho, int alto, const QString& version = QString());
// The same cover on an image, which (unlike a pixmap) may be drawn away from the
// thread of the windows.
QImage ImagenPortada(int ancho, int alto, const QString& version = QString());

// The exit button's pictures, 32 x 32 on a transparent ground: 1 normal, 2
// highlighted (the mouse has passed over the button).
QPixmap ImagenSalir(int numero);

// The 32 x 32 icon of the program's windows.
QIcon IconoQuelmora();

} // namespace quelmora
