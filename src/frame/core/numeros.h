#pragma once
// How the program reads numbers from text and writes them back.
// Plain C++: the decimal point read is "." or ",", the one written always ".",
// whatever the locale.

#include <cstdint>
#include <string>
#include <string_view>

namespace quelmora {

// Leading-number rule: blanks, tabs and line feeds are skipped wherever they
// stand; optional sign; digits with "." or "," as the decimal point, the first
// of them met (a second one of either kind ends the number); optional
// exponent with E or e; "&H" / "&O" hexadecimal and octal integers; reading stops
// at the first character that cannot continue the number; empty or non-numeric
// text reads 0. A value beyond the double range reads as +/- infinity.
double LeerNumero(std::string_view texto);

// Writes valor through a format mask such as "##0.0000", "0.0###" or "0.###0":
// "0" a digit always written, "#" a digit written only when needed, "." the
// decimal point. The value is rounded, half away from zero, on its decimal form
// of 15 significant digits; a value that rounds to zero has no minus sign.
// Never an exponent, never a locale separator. A value that is not finite
// writes nothing (an empty text): callers check their results before writing.
std::string EscribirMascara(double valor, std::string_view mascara);

// A whole count read from text: the leading number rounded to the nearest whole
// number, half to even, as a signed 16-bit value.
struct Entero16 {
    bool valido = false; // false when the value falls outside -32768..32767 or is not finite
    std::int16_t valor = 0;
};
Entero16 LeerEntero16(std::string_view texto);
Entero16 RedondearEntero16(double valor);

} // namespace quelmora
