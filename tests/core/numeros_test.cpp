#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale>
#include <ostream>
#include <string>

#include "calculator/core/bbcalc.h"
#include "frame/core/numero_plano.h"
#include "frame/core/numeros.h"

using namespace quelmora;

namespace {

// ---------------------------------------------------------------- reading

struct CasoLectura {
    const char* texto;
    double esperado;
    const char* nota;
};

// Each case is named by its note: the texts hold tabs and line feeds.
void PrintTo(const CasoLectura& c, std::ostream* os) { *os << c.nota; }

class LecturaDeNumero : public ::testing::TestWithParam<CasoLectura> { };

TEST_P(LecturaDeNumero, ReadsTheLeadingNumber)
{
    const auto& c = GetParam();
    EXPECT_DOUBLE_EQ(LeerNumero(c.texto), c.esperado) << "'" << c.texto << "': " << c.nota;
}

INSTANTIATE_TEST_SUITE_P(Reglas, LecturaDeNumero,
    ::testing::Values(CasoLectura { "2 45", 245, "blanks between digits are skipped" },
        CasoLectura { " 1 2", 12, "leading and inner blanks" },
        CasoLectura { "\t3\n4 ", 34, "tabs and line feeds are skipped too" },
        CasoLectura { "1.5E3", 1500, "exponent with E" },
        CasoLectura { "3e2", 300, "exponent with e" },
        CasoLectura { "2.5e-2", 0.025, "negative exponent" },
        CasoLectura { "4E+1", 40, "exponent with sign" },
        CasoLectura { "1 . 5 e 2", 150, "blanks inside the exponent" },
        CasoLectura { "12 m", 12, "stops at the unit" },
        CasoLectura { "1,5", 1.5, "a comma is a decimal point" },
        CasoLectura { "0,025", 0.025, "decimal comma before zeros" },
        CasoLectura { "-2,5E3", -2500, "decimal comma with sign and exponent" },
        CasoLectura { "12,5 m", 12.5, "decimal comma, stops at the unit" },
        CasoLectura { "1,2.3", 1.2, "a point after the comma ends the number" },
        CasoLectura { "1.2,3", 1.2, "a comma after the point ends the number" },
        CasoLectura { "1,2,3", 1.2, "a second comma ends the number" },
        CasoLectura { "1.2.3", 1.2, "a second point ends the number" },
        CasoLectura { "&H10", 16, "hexadecimal" },
        CasoLectura { "&HFF", 255, "hexadecimal letters" },
        CasoLectura { "&hff", 255, "lower case hexadecimal" }, CasoLectura { "&O17", 15, "octal" },
        CasoLectura { "&O19", 1, "octal stops at 9" },
        CasoLectura { "&H", 0, "no digits after &H" },
        CasoLectura { "&X5", 0, "unknown base letter" }, CasoLectura { "abc", 0, "not a number" },
        CasoLectura { "", 0, "empty box" }, CasoLectura { "   ", 0, "blanks only" },
        CasoLectura { "-", 0, "a lone minus sign" }, CasoLectura { "+", 0, "a lone plus sign" },
        CasoLectura { ".", 0, "a lone point" }, CasoLectura { "-.", 0, "sign and point" },
        CasoLectura { "-5", -5, "negative" }, CasoLectura { "- 5", -5, "blank after the sign" },
        CasoLectura { "+7.25", 7.25, "plus sign" },
        CasoLectura { "--5", 0, "a second sign is not a digit" },
        CasoLectura { ".5", 0.5, "no digit before the point" },
        CasoLectura { "5.", 5, "no digit after the point" },
        CasoLectura { "0.00001", 0.00001, "small roughness value" },
        CasoLectura { "000123.4500", 123.45, "leading and trailing zeros" },
        CasoLectura { "1e", 1, "E without digits is not an exponent" },
        CasoLectura { "1e-", 1, "E and sign without digits" },
        CasoLectura { "2E3x", 2000, "stops after the exponent" },
        CasoLectura { "1e-400", 0, "below the smallest double reads 0" },
        CasoLectura { "0.1", 0.1, "the nearest double of one tenth" },
        CasoLectura { "1e99999999999999999999", std::numeric_limits<double>::infinity(),
            "an enormous exponent does not wrap around" },
        CasoLectura { "inf", 0, "no word is a number, inf" },
        CasoLectura { "nan", 0, "no word is a number, nan" },
        CasoLectura { "0x1A", 0, "no C hexadecimal form" },
        CasoLectura { "1d2", 1, "only E marks an exponent" }));

TEST(LeerNumero, MinusZeroReadsAPlainZero)
{
    EXPECT_EQ(LeerNumero("-0"), 0.0);
    EXPECT_FALSE(std::signbit(LeerNumero("-0")));
    EXPECT_FALSE(std::signbit(LeerNumero("-0.0")));
    EXPECT_FALSE(LeerNumero("-0.0") < 0);
}

TEST(LeerNumero, BeyondTheDoubleRangeReadsInfinityWithItsSign)
{
    EXPECT_EQ(LeerNumero("1E400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeerNumero("-1E400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeerNumero("1.8e308"), std::numeric_limits<double>::infinity());
}

TEST(LeerNumero, LargestDoubleStillReads)
{
    EXPECT_EQ(LeerNumero("1.7976931348623157e308"), std::numeric_limits<double>::max());
}

TEST(LeerNumero, ReadsTheNearestDoubleExactly)
{
    // Literals are rounded by the compiler, a different reader.
    EXPECT_EQ(LeerNumero("0.1"), 0.1);
    EXPECT_EQ(LeerNumero("2.675"), 2.675);
    EXPECT_EQ(LeerNumero("123456.789012345678"), 123456.789012345678);
    EXPECT_EQ(LeerNumero("0.000000000000000000000000001234"), 1.234e-27);
}

TEST(LeerNumero, LongHexadecimalAndOctalRoundOnce)
{
    // 0xFFFFFFFF90123456 = 2^64 - 1877855146. Doubles below 2^64 lie 2048 apart
    // and 1877855146 = 916921 x 2048 + 938, with 938 under half a step, so the
    // nearest double is 2^64 - 916921 x 2048. Summing digit by digit ends a step
    // lower.
    const double cercano = 0x1p64 - 916921.0 * 2048.0;
    EXPECT_EQ(LeerNumero("&HFFFFFFFF90123456"), cercano);
    EXPECT_EQ(LeerNumero("-&hffffffff90123456"), -cercano);
    // The same 64 bits in groups of three from the right.
    EXPECT_EQ(LeerNumero("&O1777777777762004432126"), cercano);
    // 2^53 + 1 lies halfway and goes to the even 2^53.
    EXPECT_EQ(LeerNumero("&H20000000000001"), 0x1p53);
    EXPECT_EQ(LeerNumero("&H1" + std::string(255, '0')), 0x1p1020);
    EXPECT_EQ(LeerNumero("&H1" + std::string(256, '0')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeerNumero("&O0000017"), 15.0);
    EXPECT_EQ(LeerNumero("&H"), 0.0);
}

TEST(LeerNumero, LongRunsOfDigitsDoNotOverflow)
{
    const std::string mil(1000, '9');
    EXPECT_EQ(LeerNumero(mil), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeerNumero("0." + std::string(500, '0') + "1"), 0.0);
    EXPECT_DOUBLE_EQ(LeerNumero("1" + std::string(300, '0') + "e-300"), 1.0);
}

// ---------------------------------------------------------------- writing

struct CasoMascara {
    double valor;
    const char* mascara;
    const char* esperado;
    const char* nota;
};

void PrintTo(const CasoMascara& c, std::ostream* os) { *os << c.valor << " through " << c.mascara; }

class EscrituraConMascara : public ::testing::TestWithParam<CasoMascara> { };

TEST_P(EscrituraConMascara, WritesThroughTheMask)
{
    const auto& c = GetParam();
    EXPECT_EQ(EscribirMascara(c.valor, c.mascara), c.esperado)
        << c.valor << " through " << c.mascara << ": " << c.nota;
}

INSTANTIATE_TEST_SUITE_P(Reglas, EscrituraConMascara,
    ::testing::Values(CasoMascara { 0.5, "##0.0000", "0.5000", "one zero before the point" },
        CasoMascara { 1234.5, "##0.0000", "1234.5000", "all whole digits, no blanks" },
        CasoMascara { 2, "0.0###", "2.0", "one decimal always" },
        CasoMascara { 1.5, "0.0###", "1.5", "trailing # places are dropped" },
        CasoMascara { 1.23456, "0.0###", "1.2346", "five decimals rounded to four" },
        CasoMascara { 1.5, "0.#0", "1.50", "a 0 place after a # place" },
        CasoMascara { 1.25, "0.#0", "1.25", "both places significant" },
        CasoMascara { 0.5, "##0.##00", "0.500", "decimals then the remaining 0 places" },
        CasoMascara {
            0.5, "0.###0", "0.50", "# places after the significant decimals write nothing" },
        CasoMascara { 0.123, "0.###0", "0.1230", "three significant decimals, then the last 0" },
        CasoMascara { 0.12345, "0.###0", "0.1235", "never more places than the mask" },
        CasoMascara { 3, "0.###0", "3.0", "never fewer than the trailing 0" },
        CasoMascara { 0, "0.###0", "0.0", "zero" },
        CasoMascara { 0.5, "0.#####0", "0.50", "long mask" },
        CasoMascara { 12.5, "###0.###0", "12.50", "whole part and mixed fraction" },
        CasoMascara { 0.25, "0.####0", "0.250", "two decimals then the 0 place" },
        CasoMascara { -0.5, "##0.0000", "-0.5000", "negative" },
        CasoMascara { -2, "0.0###", "-2.0", "negative whole" },
        CasoMascara { 0, "##0.0000", "0.0000", "zero" },
        CasoMascara { -0.00001, "##0.0000", "0.0000", "rounds to zero: no minus sign" },
        CasoMascara { -0.0, "0.0###", "0.0", "negative zero" },
        CasoMascara { -0.4, "0", "0", "rounds to zero without decimals" },
        CasoMascara { 2.675, "0.00", "2.68", "half away from zero on the decimal form" },
        CasoMascara { 1.005, "0.00", "1.01", "binary 1.00499999... is 1.005 in 15 digits" },
        CasoMascara { -2.5, "0", "-3", "half away from zero, negative" },
        CasoMascara { 2.5, "0", "3", "half away from zero" },
        CasoMascara { 0.125, "0.00", "0.13", "exact half" },
        CasoMascara { 0.1 + 0.2, "0.0###", "0.3", "0.30000000000000004 is 0.3 in 15 digits" },
        CasoMascara { 9.99995, "0.0000", "10.0000", "carry into a new whole digit" },
        CasoMascara { 999.99996, "##0.0000", "1000.0000", "carry through every place" },
        CasoMascara { 0.006, "0.00", "0.01", "rounding up from below the last place" },
        CasoMascara { 0.004, "0.00", "0.00", "rounding down to zero" },
        CasoMascara { 0.0004, "0.0###", "0.0004", "small value" },
        CasoMascara { 0.00004, "0.0###", "0.0", "below the last place" },
        CasoMascara { 0.00005, "0.0###", "0.0001", "exact half below the last place" },
        CasoMascara { 1e-300, "##0.0000", "0.0000", "tiny value" },
        CasoMascara { 1e20, "0.0", "100000000000000000000.0", "never an exponent" },
        CasoMascara { -1e20, "##0.00", "-100000000000000000000.00", "never an exponent, negative" },
        CasoMascara { 123456789012345678.0, "0", "123456789012346000", "15 significant digits" },
        CasoMascara { 7, "0", "7", "whole count" },
        CasoMascara { 41.6, "0", "42", "whole mask rounds" },
        CasoMascara { 3.14159265, "##0.000000", "3.141593", "six places" },
        CasoMascara { 0.1234, "##0.00", "0.12", "two places" },
        CasoMascara { 12345.678, "#####0.0", "12345.7", "one place" },
        CasoMascara { 1.5, "####0.#0", "1.50", "leading # places write nothing" },
        CasoMascara { 0.5, "#.##", ".5", "no 0 before the point: no whole digit" },
        CasoMascara { 0, "#", "0", "a zero is never an empty box" },
        CasoMascara { 2, "0.##", "2", "no point without decimals after it" },
        CasoMascara { 1.23456789, "0.0#######", "1.23456789", "eight places" },
        CasoMascara { 0.1, "#0.0#######", "0.1", "grid cell" },
        CasoMascara { 12.3, "0.0##", "12.3", "flow mask" }));

// The largest double, 1.7976931348623157E+308, to 15 digits rounds up past the
// range (to 1.79769313486232E+308); written as 1.79769313486231E+308 it reads back.
TEST(EscribirMascara, HugeValueHasAllItsWholeDigits)
{
    const std::string t = EscribirMascara(1.7976931348623157e308, "##0.0000");
    EXPECT_EQ(t.size(), 309u + 5u);
    EXPECT_EQ(t.substr(0, 15), "179769313486231");
    EXPECT_EQ(LeerNumero(t), 1.79769313486231e308);
    EXPECT_EQ(t.find_first_not_of("0123456789."), std::string::npos);
    EXPECT_EQ(t.substr(t.size() - 5), ".0000");
}

TEST(EscribirMascara, ValuesNextToTheLargestDoubleReadBackFinite)
{
    const double mayor = std::numeric_limits<double>::max();
    for (double v : { mayor, std::nextafter(mayor, 0.0), -mayor, 1.79769313486231e308 })
        EXPECT_TRUE(std::isfinite(LeerNumero(EscribirMascara(v, "0.0")))) << v;
    // Below them the 15 digits are the value's own.
    EXPECT_EQ(EscribirMascara(1.7976931348623e308, "0").substr(0, 15), "179769313486230");
}

TEST(EscribirMascara, NonFiniteWritesNothing)
{
    EXPECT_EQ(EscribirMascara(std::numeric_limits<double>::infinity(), "##0.0000"), "");
    EXPECT_EQ(EscribirMascara(-std::numeric_limits<double>::infinity(), "##0.0000"), "");
    EXPECT_EQ(EscribirMascara(std::numeric_limits<double>::quiet_NaN(), "##0.0000"), "");
}

TEST(EscribirMascara, WrittenValuesReadBack)
{
    for (double v : { 0.5, 123.4567, -7.25, 0.0001, 98765.4321 })
        EXPECT_DOUBLE_EQ(LeerNumero(EscribirMascara(v, "###0.0000")), v) << v;
}

TEST(EscribirNumeroPlano, NonFiniteWritesNothing)
{
    EXPECT_EQ(EscribirNumeroPlano(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(EscribirNumeroPlano(-std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(EscribirNumeroPlano(std::numeric_limits<double>::quiet_NaN()), "");
}

TEST(EscribirNumeroPlano, LargestDoublesReadBackFinite)
{
    const double mayor = std::numeric_limits<double>::max();
    EXPECT_EQ(EscribirNumeroPlano(mayor), " 1.79769313486231E+308");
    EXPECT_EQ(EscribirNumeroPlano(-mayor), "-1.79769313486231E+308");
    EXPECT_EQ(EscribirNumeroPlano(1.7976931348623e308), " 1.7976931348623E+308");
}

// ---------------------------------------------------------------- counts

struct CasoEntero {
    const char* texto;
    bool valido;
    int valor;
    const char* nota;
};

void PrintTo(const CasoEntero& c, std::ostream* os) { *os << c.nota; }

class LecturaDeEntero : public ::testing::TestWithParam<CasoEntero> { };

TEST_P(LecturaDeEntero, NearestWholeHalfToEven)
{
    const auto& c = GetParam();
    const Entero16 r = LeerEntero16(c.texto);
    EXPECT_EQ(r.valido, c.valido) << c.texto << ": " << c.nota;
    if (c.valido) {
        EXPECT_EQ(r.valor, c.valor) << c.texto << ": " << c.nota;
    }
}

INSTANTIATE_TEST_SUITE_P(Reglas, LecturaDeEntero,
    ::testing::Values(CasoEntero { "2.5", true, 2, "half to even, down" },
        CasoEntero { "3.5", true, 4, "half to even, up" },
        CasoEntero { "-2.5", true, -2, "negative half to the even -2" },
        CasoEntero { "-3.5", true, -4, "negative half to the even -4" },
        CasoEntero { "2.4999", true, 2, "below the half" },
        CasoEntero { "2.5001", true, 3, "above the half" }, CasoEntero { "10", true, 10, "whole" },
        CasoEntero { "", true, 0, "empty box" }, CasoEntero { "abc", true, 0, "not a number" },
        CasoEntero { "32767", true, 32767, "largest" },
        CasoEntero { "32767.4", true, 32767, "rounds to the largest" },
        CasoEntero { "32767.5", false, 0, "half to even gives 32768" },
        CasoEntero { "32768", false, 0, "just above the range" },
        CasoEntero { "-32768", true, -32768, "smallest" },
        CasoEntero { "-32768.5", true, -32768, "half to the even -32768" },
        CasoEntero { "-32769", false, 0, "just below the range" },
        CasoEntero { "1E400", false, 0, "infinite" },
        CasoEntero { "&H7FFF", true, 32767, "hexadecimal" },
        CasoEntero { "1e9", false, 0, "far beyond the range" }));

TEST(RedondearEntero16, NotANumberIsInvalid)
{
    EXPECT_FALSE(RedondearEntero16(std::numeric_limits<double>::quiet_NaN()).valido);
    EXPECT_FALSE(RedondearEntero16(-std::numeric_limits<double>::infinity()).valido);
    const Entero16 r = RedondearEntero16(0.5);
    EXPECT_TRUE(r.valido);
    EXPECT_EQ(r.valor, 0);
}

// ---------------------------------------------------------------- Spanish locale

namespace {

std::string carpeta; // where the generated locale lives, when it had to be made

// Makes es_ES.UTF-8 the locale of the whole process, generating it into a
// private folder when the machine lacks it, so the test never skips.
bool PonerLocaleEspanol()
{
    if (std::setlocale(LC_ALL, "es_ES.UTF-8"))
        return true;
    if (carpeta.empty()) {
        char plantilla[] = "/tmp/quelmora-locale-XXXXXX";
        if (!mkdtemp(plantilla))
            return false;
        carpeta = plantilla;
        const std::string orden
            = "localedef -i es_ES -f UTF-8 '" + carpeta + "/es_ES.UTF-8' >/dev/null 2>&1";
        if (std::system(orden.c_str()) < 0)
            return false;
        setenv("LOCPATH", carpeta.c_str(), 1);
    }
    return std::setlocale(LC_ALL, "es_ES.UTF-8") != nullptr;
}

class LocaleEspanol : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(PonerLocaleEspanol()) << "es_ES.UTF-8 could not be made";
        setenv("LANG", "es_ES.UTF-8", 1);
        setenv("LC_ALL", "es_ES.UTF-8", 1);
        std::locale::global(std::locale("es_ES.UTF-8"));
        // The locale is really in force: its decimal separator is the comma.
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }
    void TearDown() override
    {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, "C");
        unsetenv("LC_ALL");
        if (!carpeta.empty()) {
            [[maybe_unused]] const int r = std::system(("rm -rf '" + carpeta + "'").c_str());
        }
    }
};

} // namespace

TEST_F(LocaleEspanol, ReadingIsUnchanged)
{
    EXPECT_DOUBLE_EQ(LeerNumero("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(LeerNumero("0,5"), 0.5);
    EXPECT_DOUBLE_EQ(LeerNumero("1,5"), 1.5);
    EXPECT_DOUBLE_EQ(LeerNumero("2 45"), 245.0);
    EXPECT_DOUBLE_EQ(LeerNumero("1.5E3"), 1500.0);
    EXPECT_DOUBLE_EQ(LeerNumero("&H10"), 16.0);
    EXPECT_EQ(LeerNumero("1E400"), std::numeric_limits<double>::infinity());
}

TEST_F(LocaleEspanol, WritingIsUnchanged)
{
    EXPECT_EQ(EscribirMascara(0.5, "##0.0000"), "0.5000");
    EXPECT_EQ(EscribirMascara(1234.5, "##0.0000"), "1234.5000");
    EXPECT_EQ(EscribirMascara(1.5, "0.0###"), "1.5");
    EXPECT_EQ(EscribirMascara(2.675, "0.00"), "2.68");
    EXPECT_EQ(EscribirMascara(-0.5, "0.###0"), "-0.50");
    EXPECT_EQ(EscribirMascara(1e20, "0.0"), "100000000000000000000.0");
}

TEST_F(LocaleEspanol, PlainTextIsUnchanged)
{
    EXPECT_EQ(EscribirNumeroPlano(0.2), " .2");
    EXPECT_EQ(EscribirNumeroPlano(-1.25), "-1.25");
    EXPECT_EQ(EscribirNumeroPlano(1e-5), " 1E-05");
}

TEST_F(LocaleEspanol, CountsAreUnchanged)
{
    const Entero16 r = LeerEntero16("2.5");
    EXPECT_TRUE(r.valido);
    EXPECT_EQ(r.valor, 2);
    EXPECT_EQ(LeerEntero16("3,5").valor, 4); // 3.5, half to the even 4
}

namespace {

// The calculator's display box and platform, enough to read what it shows.
class PantallaDePrueba final : public CajaPantalla {
public:
    std::string tag;
    std::string mostrado;
    std::string Tag() const override { return tag; }
    void FijarTag(const std::string& texto) override { tag = texto; }
    void DibujarTexto(const std::string& texto) override { mostrado = texto; }
    void TomarFoco() override { }
    void EscucharTeclas(std::function<void(int)>) override { }
};

class PlataformaCalculadora final : public ServiciosCalculadora {
public:
    std::string portapapeles;
    void OperacionCancelada() override { }
    void LimpiarPortapapeles() override { portapapeles.clear(); }
    void PonerTextoPortapapeles(const std::string& texto) override { portapapeles = texto; }
    bool PortapapelesTieneTexto() override { return true; }
    std::string TextoPortapapeles() override { return portapapeles; }
    float SortearAleatorio() override { return 0.0f; }
};

} // namespace

TEST_F(LocaleEspanol, CalculatorDisplayIsUnchanged)
{
    EXPECT_EQ(TextoGeneral(2.5), "2.5");
    EXPECT_EQ(TextoGeneral(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(TextoGeneral(1e20), "1E+20");

    PlataformaCalculadora servicios;
    PantallaDePrueba pantalla;
    BBCalc calc(servicios);
    calc.ShowBox(pantalla);
    // 1.5 + 1.25 = 2.75, typed key by key.
    calc.NumberInput(1);
    calc.DoDecimalPoint();
    calc.NumberInput(5);
    EXPECT_EQ(pantalla.mostrado, "1.5");
    calc.OperationType(BBCalc::kSuma);
    calc.NumberInput(1);
    calc.DoDecimalPoint();
    calc.NumberInput(2);
    calc.NumberInput(5);
    calc.DoResult();
    EXPECT_EQ(pantalla.mostrado, "2.75");
    calc.ClipboardAction(0);
    EXPECT_EQ(servicios.portapapeles, "2.75");
    // A decimal comma on the clipboard pastes as a point, as anywhere else.
    servicios.portapapeles = "1,5";
    calc.ClipboardAction(1);
    EXPECT_EQ(pantalla.mostrado, "1.5");
    servicios.portapapeles = "0.5";
    calc.ClipboardAction(1);
    EXPECT_EQ(pantalla.mostrado, "0.5");
}

} // namespace
