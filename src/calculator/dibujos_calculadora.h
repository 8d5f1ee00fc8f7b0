#pragma once
// The pictures of the calculator: the symbols of its picture keys and the
// window's icon, drawn from SVG text at their own sizes.

#include <QPixmap>

namespace quelmora {

enum class DibujoCalculadora {
    Ninguno, // a key with a caption
    Suma,
    Resta,
    Multiplicacion,
    Division,
    Igual,
    RaizCuadrada,
    RaizCubica,
    RaizN,
    Cuadrado,
    Cubo,
    Potencia,
    CambioSigno, // 16 x 16
    Pi, // 10 x 10
    Icono // 32 x 32, the window's icon
};

QPixmap PintarDibujoCalculadora(DibujoCalculadora dibujo);

} // namespace quelmora
