#pragma once
// The pictures of the calculation windows, drawn from our own SVG text: the
// role-button pictures (normal and lit in blue), the copy-button discs and the
// trapezoid, rectangle and triangle section drawings.

#include <QPixmap>
#include <QString>
#include <functional>

namespace quelmora {

// Picture of role button 1..5 (1 screen, 2 screen with brush, 3 printer,
// 4 house, 5 screen with keyboard), 32 x 32; resaltada gives the blue variant.
QPixmap ImagenBoton(int rol, bool resaltada);

// Orange disc lettered with letras ("P", "F", "Ps", "Pi"), 32 x 32, for the
// copy buttons; resaltada gives the blue variant.
QPixmap ImagenDisco(const QString& letras, bool resaltada);

enum class FiguraSeccion { Trapecio, Rectangulo, Triangulo, Circulo };

// The section drawing marked with T, y, b and the 1 : Z slope where they apply,
// at its own size (trapezoid 256 x 126, rectangle 256 x 127, triangle 258 x 129);
// the partly filled circular conduit marked T, d and y (256 x 127).
QPixmap DibujoSeccion(FiguraSeccion figura);

// Renders SVG text into a pixmap of the given size (for the pictures other
// windows keep in their own files), through DibujoGuardado.
QPixmap PintarSvg(const QByteArray& svg, QSize tamano);

// The picture known by clave, drawn by dibujar the first time it is asked for
// and the same picture every time after, for the whole run: the text in a
// drawing comes out a few pixels different once the font engine has drawn other
// text, so a window opened again would not show the drawing it first showed.
QPixmap DibujoGuardado(const QByteArray& clave, const std::function<QPixmap()>& dibujar);

} // namespace quelmora
