#include "frame/core/numeros.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace quelmora {

// Both rules work on the characters themselves and call nothing that looks at
// the locale: a box must read and write the same under any system settings.

namespace {

bool EsBlanco(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// The text with the skipped characters taken out: blanks count for nothing,
// also between digits (" 2 45" is 245).
std::string SinBlancos(std::string_view texto)
{
    std::string limpio;
    limpio.reserve(texto.size());
    for (char c : texto)
        if (!EsBlanco(c))
            limpio += c;
    return limpio;
}

int ValorDigito(char c, int base)
{
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    return v >= 0 && v < base ? v : -1;
}

// "&H1F" and "&O17": a whole number in base 16 or 8, read up to the first
// character that is not a digit of the base. The digits are regrouped in base 16
// and read in one go, so that an integer beyond 2^53 is rounded once to the
// nearest double (summing digit by digit rounds at every step and can end one
// unit off in the last place).
double LeerEnteroConBase(std::string_view digitos, int base)
{
    std::string hexadecimal;
    if (base == 16) {
        for (char c : digitos) {
            if (ValorDigito(c, 16) < 0)
                break;
            hexadecimal += c;
        }
    } else {
        std::string bits;
        for (char c : digitos) {
            const int d = ValorDigito(c, 8);
            if (d < 0)
                break;
            for (int b = 2; b >= 0; --b)
                bits += char('0' + ((d >> b) & 1));
        }
        bits.insert(0, (4 - bits.size() % 4) % 4, '0');
        for (std::size_t k = 0; k < bits.size(); k += 4) {
            const int d = (bits[k] - '0') * 8 + (bits[k + 1] - '0') * 4 + (bits[k + 2] - '0') * 2
                + (bits[k + 3] - '0');
            hexadecimal += "0123456789ABCDEF"[d];
        }
    }
    if (hexadecimal.empty())
        return 0.0;
    double valor = 0;
    const auto r = std::from_chars(
        hexadecimal.data(), hexadecimal.data() + hexadecimal.size(), valor, std::chars_format::hex);
    if (r.ec == std::errc::result_out_of_range)
        return std::numeric_limits<double>::infinity();
    return valor;
}

} // namespace

double LeerNumero(std::string_view texto)
{
    const std::string s = SinBlancos(texto);
    std::size_t i = 0;
    bool negativo = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negativo = s[i] == '-';
        ++i;
    }

    if (i + 1 < s.size() && s[i] == '&') {
        const char marca = s[i + 1];
        double v = 0;
        if (marca == 'H' || marca == 'h')
            v = LeerEnteroConBase(std::string_view(s).substr(i + 2), 16);
        else if (marca == 'O' || marca == 'o')
            v = LeerEnteroConBase(std::string_view(s).substr(i + 2), 8);
        return negativo && v != 0 ? -v : v;
    }

    // Significant digits without the point, and how many of them stood after it.
    std::string digitos;
    std::int64_t decimales = 0;
    bool hayDigitos = false;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        hayDigitos = true;
        if (!digitos.empty() || s[i] != '0')
            digitos += s[i];
    }
    // A Spanish user writes the decimal comma: "," is a point as "." is, and
    // whichever of them comes second ends the number.
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        for (++i; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
            hayDigitos = true;
            if (!digitos.empty() || s[i] != '0') {
                digitos += s[i];
                ++decimales;
            } else {
                ++decimales; // a leading zero after the point still shifts the value
            }
        }
    }
    if (!hayDigitos)
        return 0.0;

    // The exponent only counts when a digit follows the E and its sign.
    std::int64_t exponente = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        bool expNegativo = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            expNegativo = s[j] == '-';
            ++j;
        }
        if (j < s.size() && s[j] >= '0' && s[j] <= '9') {
            for (; j < s.size() && s[j] >= '0' && s[j] <= '9'; ++j)
                if (exponente < 1'000'000'000)
                    exponente = exponente * 10 + (s[j] - '0');
            if (expNegativo)
                exponente = -exponente;
        }
    }

    double valor = 0;
    if (!digitos.empty()) {
        // Leading zeros were dropped, so the value is about 10^magnitud.
        const std::int64_t potencia = exponente - decimales;
        const std::int64_t magnitud = potencia + std::int64_t(digitos.size()) - 1;
        if (magnitud > 400) {
            valor = std::numeric_limits<double>::infinity();
        } else if (magnitud < -400) {
            valor = 0;
        } else {
            // Only digits and an exponent are handed over, so no locale, no
            // "inf"/"nan" and no hexadecimal form can creep in.
            const std::string canonico = digitos + "e" + std::to_string(potencia);
            const auto r
                = std::from_chars(canonico.data(), canonico.data() + canonico.size(), valor);
            if (r.ec == std::errc::result_out_of_range)
                valor = magnitud > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        }
    }
    // "-0" reads a plain zero, so that nothing downstream sees a signed zero.
    return negativo && valor != 0 ? -valor : valor;
}

namespace {

// A finite value as its 15 significant decimal digits and the place of the
// point: valor = 0.d1d2...d15 x 10^punto.
struct FormaDecimal {
    bool negativo = false;
    std::string digitos; // 15 digits, the first not zero unless the value is zero
    int punto = 0;
};

FormaDecimal Forma15(double valor)
{
    FormaDecimal f;
    f.negativo = std::signbit(valor);
    char buf[64];
    const auto r
        = std::to_chars(buf, buf + sizeof buf, std::fabs(valor), std::chars_format::scientific, 14);
    // "d.dddddddddddddde+XX"
    const std::string_view t(buf, std::size_t(r.ptr - buf));
    const auto e = t.find('e');
    for (std::size_t k = 0; k < e; ++k)
        if (t[k] != '.')
            f.digitos += t[k];
    int exp = 0;
    std::from_chars(t.data() + e + (t[e + 1] == '+' ? 2 : 1), t.data() + t.size(), exp);
    f.punto = exp + 1;
    // The largest doubles round up to 1.79769313486232E+308, a text beyond the
    // double range that would read back as infinity: they round down instead.
    if (exp == 308 && f.digitos == "179769313486232")
        f.digitos = "179769313486231";
    return f;
}

} // namespace

std::string EscribirMascara(double valor, std::string_view mascara)
{
    if (!std::isfinite(valor))
        return {};

    const auto posPunto = mascara.find('.');
    const std::string_view parteEntera = mascara.substr(0, posPunto);
    const std::string_view parteDecimal
        = posPunto == std::string_view::npos ? std::string_view {} : mascara.substr(posPunto + 1);
    int cerosEnteros = 0;
    for (char c : parteEntera)
        if (c == '0')
            ++cerosEnteros;
    const int lugares = int(parteDecimal.size());

    const FormaDecimal f = Forma15(valor);

    // All digits up to the last decimal place kept, most significant first; the
    // point stands after the first 'enteros' of them.
    std::string cifras;
    int enteros = f.punto;
    const int guardadas = f.punto + lugares; // digits of f.digitos that are kept
    if (valor == 0 || guardadas < 0) {
        cifras.assign(std::size_t(lugares), '0');
        enteros = 0;
    } else {
        for (int k = 0; k < guardadas; ++k)
            cifras += k < int(f.digitos.size()) ? f.digitos[std::size_t(k)] : '0';
        // Half away from zero on the decimal form: the sign is apart, so a dropped
        // digit of 5 or more always raises the magnitude.
        if (guardadas < int(f.digitos.size()) && f.digitos[std::size_t(guardadas)] >= '5') {
            int k = int(cifras.size()) - 1;
            while (k >= 0 && cifras[std::size_t(k)] == '9')
                cifras[std::size_t(k--)] = '0';
            if (k >= 0) {
                ++cifras[std::size_t(k)];
            } else {
                cifras.insert(cifras.begin(), '1');
                ++enteros;
            }
        }
        if (enteros < 0) {
            // 0.000ddd: the point stands before leading zeros that were not digits.
            cifras.insert(0, std::size_t(-enteros), '0');
            enteros = 0;
        }
    }

    std::string entera = cifras.substr(0, std::size_t(enteros));
    std::string decimales = cifras.substr(std::size_t(enteros));
    const auto primera = entera.find_first_not_of('0');
    entera = primera == std::string::npos ? std::string() : entera.substr(primera);
    if (int(entera.size()) < cerosEnteros)
        entera.insert(0, std::size_t(cerosEnteros - int(entera.size())), '0');

    // Decimals up to the last one that is not zero; after it each "0" place
    // writes a 0 and each "#" place nothing.
    const auto ultima = decimales.find_last_not_of('0');
    const int significativas = ultima == std::string::npos ? 0 : int(ultima) + 1;
    std::string fraccion = decimales.substr(0, std::size_t(significativas));
    for (int k = significativas; k < lugares; ++k)
        if (parteDecimal[std::size_t(k)] == '0')
            fraccion += '0';

    // A mask of "#" only still shows something for zero. Returned at once, not
    // assigned over the text built below: GCC 12 at -O3 takes that assignment
    // for an overlapping copy (-Wrestrict).
    if (entera.empty() && fraccion.empty())
        return "0";
    const bool esCero = entera.find_first_not_of('0') == std::string::npos
        && fraccion.find_first_not_of('0') == std::string::npos;
    std::string texto = (f.negativo && !esCero) ? "-" : "";
    texto += entera;
    if (!fraccion.empty())
        texto += '.' + fraccion;
    return texto;
}

Entero16 RedondearEntero16(double valor)
{
    Entero16 r;
    if (!std::isfinite(valor) || valor < -32768.5 || valor > 32767.5)
        return r;
    // Nearest whole number, a half going to the even neighbour, whatever the
    // floating-point rounding mode is.
    double entero = std::floor(valor);
    const double resto = valor - entero;
    if (resto > 0.5 || (resto == 0.5 && std::fmod(entero, 2.0) != 0.0))
        entero += 1.0;
    if (entero < -32768.0 || entero > 32767.0)
        return r;
    r.valido = true;
    r.valor = static_cast<std::int16_t>(entero);
    return r;
}

Entero16 LeerEntero16(std::string_view texto) { return RedondearEntero16(LeerNumero(texto)); }

} // namespace quelmora
