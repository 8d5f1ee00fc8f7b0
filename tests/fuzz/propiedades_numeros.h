#pragma once
// What must hold for any text typed into a box and any value written back:
// shared by the fuzz target and by the test that replays its seed corpus.
//
// An input is one byte that picks the mask, then the text of the box. Its
// first eight text bytes, taken as a raw double, also go through the writers,
// so that values no text reads (signed zero, subnormals, NaN) are tried too.
//
// The expected values are worked out here by other means than the program's:
// the C library's strtod/strtoull for reading, and whole-number arithmetic on
// the 15 significant digits that printf gives for rounding.
//
// The C library calls look at the locale: the process must be in the "C" one.

#include <cfenv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "frame/core/numero_plano.h"
#include "frame/core/numeros.h"

using namespace quelmora;

namespace propiedades_numeros {

// Every mask the windows write through, then three edge forms: a whole mask,
// a point with no places after it and a mask with no "0" at all.
inline constexpr const char* kMascaras[] = {
    "##0.0000",
    "###0.0000",
    "#0.0000",
    "####0.0000",
    "##0.000000",
    "##0.00",
    "#####0.0",
    "####0.#0",
    "0.#0",
    "0.0##",
    "0.0###",
    "0.##0",
    "0.###0",
    "0.####0",
    "0.#####0",
    "0.0#######",
    "#0.0#######",
    "##0.##00",
    "##0.###0",
    "###0.###0",
    "0.###############",
    "0",
    "0.",
    "#",
};
inline constexpr std::size_t kCuantasMascaras = sizeof kMascaras / sizeof kMascaras[0];

inline std::string Numero(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

// ------------------------------------------------------------ reading

inline bool Blanco(char c) { return c == ' ' || c == '\t' || c == '\n'; }
inline bool Cifra(char c) { return c >= '0' && c <= '9'; }

// What the box reads, by the reading rule: the leading number picked out of the
// text and handed to the C library. Sets 'exacto' false when the value is a long
// hexadecimal or octal integer, which is only compared within a rounding.
inline double LecturaEsperada(std::string_view texto, bool& exacto)
{
    exacto = true;
    std::string s;
    for (char c : texto)
        if (!Blanco(c))
            s += c;
    std::size_t i = 0;
    bool negativo = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negativo = s[i++] == '-';

    double v = 0;
    if (i + 1 < s.size() && s[i] == '&') {
        const char marca = s[i + 1];
        int base = 0;
        if (marca == 'H' || marca == 'h')
            base = 16;
        else if (marca == 'O' || marca == 'o')
            base = 8;
        std::string cifras;
        for (std::size_t j = i + 2; base != 0 && j < s.size(); ++j) {
            const char c = s[j];
            const bool valida = base == 16 ? std::strchr("0123456789abcdefABCDEF", c) != nullptr
                                           : (c >= '0' && c <= '7');
            if (!valida || c == '\0')
                break;
            if (!cifras.empty() || c != '0')
                cifras += c;
        }
        // 16 hexadecimal or 21 octal digits still fit 64 bits: exact, then
        // rounded once to the double. Longer ones are summed in long double.
        if (cifras.size() <= (base == 16 ? 16u : 21u)) {
            v = cifras.empty() ? 0.0 : double(std::strtoull(cifras.c_str(), nullptr, base));
        } else {
            exacto = false;
            long double suma = 0;
            for (char c : cifras)
                suma = suma * base + (Cifra(c) ? c - '0' : (c | 0x20) - 'a' + 10);
            v = double(suma);
        }
    } else {
        std::string numero;
        bool hayCifras = false;
        for (; i < s.size() && Cifra(s[i]); ++i, hayCifras = true)
            numero += s[i];
        // The decimal comma is a point; the C library is in the "C" locale
        // and knows only ".".
        if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
            numero += '.';
            for (++i; i < s.size() && Cifra(s[i]); ++i, hayCifras = true)
                numero += s[i];
        }
        if (!hayCifras)
            return 0.0;
        if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
            std::size_t j = i + 1;
            std::string exponente = "e";
            if (j < s.size() && (s[j] == '+' || s[j] == '-'))
                exponente += s[j++];
            if (j < s.size() && Cifra(s[j])) {
                for (; j < s.size() && Cifra(s[j]); ++j)
                    exponente += s[j];
                numero += exponente;
            }
        }
        v = std::strtod(numero.c_str(), nullptr);
    }
    return negativo && v != 0 ? -v : v;
}

// ------------------------------------------------------------ writing

// The value a mask of 'lugares' decimal places shows: the 15 significant digits
// of |valor| rounded half away from zero to that place, as decimal text.
inline std::string RedondeoEsperado(double valor, int lugares, bool& esCero)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(valor)); // d.dddddddddddddde+XX
    std::uint64_t digitos = 0;
    int exponente = 0;
    const char* p = buf;
    for (; *p != 'e'; ++p)
        if (Cifra(*p))
            digitos = digitos * 10 + std::uint64_t(*p - '0');
    exponente = std::atoi(p + 1);
    // valor = digitos x 10^(exponente - 14); 'quitar' digits fall beyond the places.
    const int quitar = 14 - exponente - lugares;
    if (quitar <= 0) {
        esCero = digitos == 0;
        return buf;
    }
    std::uint64_t redondeado = 0;
    if (quitar <= 15) {
        std::uint64_t potencia = 1;
        for (int k = 0; k < quitar; ++k)
            potencia *= 10;
        redondeado = digitos / potencia + (digitos % potencia >= potencia / 2 ? 1 : 0);
    } // else the digits are all below half a unit of the last place
    esCero = redondeado == 0;
    return std::to_string(redondeado) + "e-" + std::to_string(lugares);
}

struct Mascara {
    int cerosEnteros = 0;
    int lugares = 0;
    int cerosDecimales = 0;
};

inline Mascara Analizar(std::string_view m)
{
    Mascara r;
    const auto punto = m.find('.');
    for (std::size_t k = 0; k < m.size(); ++k) {
        if (punto == std::string_view::npos || k < punto) {
            r.cerosEnteros += m[k] == '0';
        } else if (k > punto) {
            ++r.lugares;
            r.cerosDecimales += m[k] == '0';
        }
    }
    return r;
}

// The text is only a sign, digits and one point, and has no minus before a zero.
inline std::string FormaSana(const std::string& t, double valor)
{
    if (t.empty())
        return "nothing written";
    if (t.find_first_not_of("-0123456789.") != std::string::npos)
        return "stray character";
    if (t.rfind('-') != std::string::npos && t.rfind('-') != 0)
        return "minus inside the number";
    if (t.find('.') != t.rfind('.'))
        return "two points";
    if (t.find_first_of("0123456789") == std::string::npos)
        return "no digit";
    if (t[0] == '-' && t.find_first_of("123456789") == std::string::npos)
        return "minus before a zero";
    if (t[0] == '-' && !(valor < 0))
        return "minus before a value that is not negative";
    return {};
}

inline std::string ComprobarMascara(double valor, const char* mascara)
{
    const std::string t = EscribirMascara(valor, mascara);
    const std::string donde
        = std::string(" [") + mascara + "] of " + Numero(valor) + ": '" + t + "'";
    if (!std::isfinite(valor))
        return t.empty() ? std::string() : "non-finite value written" + donde;
    if (auto f = FormaSana(t, valor); !f.empty())
        return f + donde;

    const Mascara m = Analizar(mascara);
    const std::size_t inicio = t[0] == '-' ? 1 : 0;
    const auto punto = t.find('.');
    const std::string entera
        = t.substr(inicio, punto == std::string::npos ? std::string::npos : punto - inicio);
    const std::string fraccion = punto == std::string::npos ? "" : t.substr(punto + 1);
    if (int(entera.size()) < m.cerosEnteros)
        return "fewer whole digits than the mask's zeros" + donde;
    if (int(entera.size()) > m.cerosEnteros && entera[0] == '0' && t != "0")
        return "needless leading zero" + donde;
    if (punto != std::string::npos && fraccion.empty())
        return "point with no decimals" + donde;
    if (int(fraccion.size()) > m.lugares)
        return "more decimals than places" + donde;
    if (int(fraccion.size()) < m.cerosDecimales)
        return "fewer decimals than the mask's zeros" + donde;

    bool esCero = false;
    const std::string decimal = RedondeoEsperado(valor, m.lugares, esCero);
    double esperado = std::strtod(decimal.c_str(), nullptr);
    // The largest doubles round up past the range; the writer rounds them down
    // so that what it writes reads back.
    if (std::isinf(esperado))
        esperado = 1.79769313486231e308;
    if (valor < 0 && !esCero)
        esperado = -esperado;
    if (t[0] != '-' && valor < 0 && !esCero)
        return "minus sign lost" + donde;
    const double leido = LeerNumero(t);
    if (leido != esperado)
        return "reads back " + Numero(leido) + ", not " + Numero(esperado) + donde;
    return {};
}

inline std::string ComprobarPlano(double valor)
{
    const std::string t = EscribirNumeroPlano(valor);
    const std::string donde = " of " + Numero(valor) + ": '" + t + "'";
    if (!std::isfinite(valor))
        return t.empty() ? std::string() : "non-finite value in plain text" + donde;
    if (t.size() < 2 || (t[0] != ' ' && t[0] != '-'))
        return "plain text starts with neither blank nor minus" + donde;
    if ((t[0] == '-') != (valor < 0))
        return "plain text has the wrong sign" + donde;
    if (t.find_first_not_of("0123456789.E+-", 1) != std::string::npos)
        return "stray character in plain text" + donde;
    if (t != " 0" && t[1] == '0')
        return "zero before the point in plain text" + donde;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", valor);
    double esperado = valor == 0 ? 0.0 : std::strtod(buf, nullptr);
    if (std::isinf(esperado))
        esperado = std::copysign(1.79769313486231e308, valor);
    const double leido = LeerNumero(t);
    if (leido != esperado)
        return "plain text reads back " + Numero(leido) + ", not " + Numero(esperado) + donde;
    return {};
}

// ------------------------------------------------------------ counts

inline std::string ComprobarEntero(double leido, const Entero16& r, const std::string& donde)
{
    bool valido = false;
    double entero = 0;
    if (std::isfinite(leido) && std::fabs(leido) < 1e6) {
        std::fesetround(FE_TONEAREST);
        entero = std::nearbyint(leido); // half to even
        valido = entero >= -32768 && entero <= 32767;
    }
    if (r.valido != valido)
        return std::string(r.valido ? "count out of range taken" : "count in range refused")
            + donde;
    if (valido && r.valor != entero)
        return "count " + std::to_string(r.valor) + ", not " + Numero(entero) + donde;
    return {};
}

// ------------------------------------------------------------ one input

// An empty text when every property holds, else what failed.
inline std::string Comprobar(const std::uint8_t* datos, std::size_t n)
{
    if (n == 0)
        return {};
    const char* mascara = kMascaras[datos[0] % kCuantasMascaras];
    const std::string_view texto(reinterpret_cast<const char*>(datos) + 1, n - 1);
    const std::string donde = " for '" + std::string(texto) + "'";

    const double v = LeerNumero(texto);
    bool exacto = true;
    const double esperado = LecturaEsperada(texto, exacto);
    if (std::isnan(v))
        return "reads NaN" + donde;
    if (v == 0 && std::signbit(v))
        return "reads a signed zero" + donde;
    if (exacto ? v != esperado
               : !(v == esperado || std::fabs(v - esperado) <= 1e-15 * std::fabs(esperado)))
        return "reads " + Numero(v) + ", not " + Numero(esperado) + donde;

    if (auto f = ComprobarMascara(v, mascara); !f.empty())
        return f + donde;
    if (auto f = ComprobarPlano(v); !f.empty())
        return f + donde;
    if (auto f = ComprobarEntero(v, LeerEntero16(texto), donde); !f.empty())
        return f;

    // The text itself as a mask: anything may come out but a malformed number.
    if (std::isfinite(v) && texto.size() <= 64) {
        const std::string t = EscribirMascara(v, texto);
        if (auto f = FormaSana(t, v); !f.empty())
            return f + " through the text as mask: '" + t + "'" + donde;
    }

    if (texto.size() >= sizeof(double)) {
        double crudo;
        std::memcpy(&crudo, texto.data(), sizeof crudo);
        if (auto f = ComprobarMascara(crudo, mascara); !f.empty())
            return f + " (raw bytes)";
        if (auto f = ComprobarPlano(crudo); !f.empty())
            return f + " (raw bytes)";
        if (auto f = ComprobarEntero(crudo, RedondearEntero16(crudo), " (raw bytes)"); !f.empty())
            return f;
    }
    return {};
}

} // namespace propiedades_numeros
