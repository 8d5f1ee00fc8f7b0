#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "calculator/core/bbcalc.h"

using namespace quelmora;

namespace {

// Expected displays are worked out by hand from the keys; the trigonometric ones
// were evaluated separately with π = 3.14159265358979 and rounded to 15 digits.

namespace {

class CajaDePrueba final : public CajaPantalla {
public:
    std::string tag;
    std::vector<std::string> dibujos;
    std::function<void(int)> teclas;

    std::string Tag() const override { return tag; }
    void FijarTag(const std::string& texto) override { tag = texto; }
    void DibujarTexto(const std::string& texto) override { dibujos.push_back(texto); }
    void TomarFoco() override { }
    void EscucharTeclas(std::function<void(int)> alSoltar) override { teclas = alSoltar; }
    std::string Mostrado() const { return dibujos.empty() ? std::string() : dibujos.back(); }
};

class ServiciosDePrueba final : public ServiciosCalculadora {
public:
    int errores = 0;
    bool conTexto = false;
    std::string portapapeles;
    int limpiezas = 0;
    float aleatorio = 0.0f;

    void OperacionCancelada() override { ++errores; }
    void LimpiarPortapapeles() override
    {
        ++limpiezas;
        conTexto = false;
        portapapeles.clear();
    }
    void PonerTextoPortapapeles(const std::string& texto) override
    {
        conTexto = true;
        portapapeles = texto;
    }
    bool PortapapelesTieneTexto() override { return conTexto; }
    std::string TextoPortapapeles() override { return portapapeles; }
    float SortearAleatorio() override { return aleatorio; }
};

class Calculadora : public ::testing::Test {
protected:
    ServiciosDePrueba servicios;
    CajaDePrueba caja;
    BBCalc calc { servicios };

    void SetUp() override { calc.ShowBox(caja); }

    // Plays keys separated by blanks, as the window's keys name them. A number
    // is typed digit by digit.
    void Teclear(const std::string& teclas)
    {
        std::istringstream flujo(teclas);
        std::string t;
        while (flujo >> t) {
            if (t == "+")
                calc.OperationType(BBCalc::kSuma);
            else if (t == "-")
                calc.OperationType(BBCalc::kResta);
            else if (t == "*")
                calc.OperationType(BBCalc::kMultiplicacion);
            else if (t == "/")
                calc.OperationType(BBCalc::kDivision);
            else if (t == "%")
                calc.OperationType(BBCalc::kPorcentaje);
            else if (t == "sqrt")
                calc.OperationType(BBCalc::kRaizCuadrada);
            else if (t == "1/x")
                calc.OperationType(BBCalc::kInversa);
            else if (t == "pow")
                calc.OperationType(BBCalc::kPotencia);
            else if (t == "x2")
                calc.OperationType(BBCalc::kCuadrado);
            else if (t == "x3")
                calc.OperationType(BBCalc::kCubo);
            else if (t == "mod")
                calc.OperationType(BBCalc::kModulo);
            else if (t == "int")
                calc.OperationType(BBCalc::kParteEntera);
            else if (t == "nroot")
                calc.OperationType(BBCalc::kRaizN);
            else if (t == "cbrt")
                calc.OperationType(BBCalc::kRaizCubica);
            else if (t == "=")
                calc.DoResult();
            else if (t == "C")
                calc.Clear();
            else if (t == "CE")
                calc.ClearOperation();
            else if (t == "+/-")
                calc.ChangeSign();
            else if (t == "<<")
                calc.DoBackSpace();
            else if (t == "sin")
                calc.TrigOp(BBCalc::kSeno);
            else if (t == "cos")
                calc.TrigOp(BBCalc::kCoseno);
            else if (t == "tan")
                calc.TrigOp(BBCalc::kTangente);
            else if (t == "asin")
                calc.TrigOp(BBCalc::kArcoSeno);
            else if (t == "acos")
                calc.TrigOp(BBCalc::kArcoCoseno);
            else if (t == "atan")
                calc.TrigOp(BBCalc::kArcoTangente);
            else if (t == "pi")
                calc.TrigOp(BBCalc::kPi);
            else if (t == "ran")
                calc.TrigOp(BBCalc::kAleatorio);
            else if (t == "rad")
                calc.AngleMode(true);
            else if (t == "deg")
                calc.AngleMode(false);
            else if (t == "MC")
                calc.MemFunction(0);
            else if (t == "MR")
                calc.MemFunction(1);
            else if (t == "MS")
                calc.MemFunction(2);
            else if (t == "M+")
                calc.MemFunction(3);
            else if (t == "copy")
                calc.ClipboardAction(0);
            else if (t == "paste")
                calc.ClipboardAction(1);
            else {
                for (char c : t) {
                    if (c == '.')
                        calc.DoDecimalPoint();
                    else if (c >= '0' && c <= '9')
                        calc.NumberInput(static_cast<std::int16_t>(c - '0'));
                    else
                        FAIL() << "unknown key " << t;
                }
            }
        }
    }
};

struct Secuencia {
    const char* teclas;
    const char* pantalla;
    int errores;
};

void PrintTo(const Secuencia& s, std::ostream* os) { *os << '"' << s.teclas << '"'; }

class SecuenciasDeTeclas : public Calculadora, public ::testing::WithParamInterface<Secuencia> { };

TEST_P(SecuenciasDeTeclas, KeysLeaveTheDisplayShowing)
{
    const Secuencia& s = GetParam();
    Teclear(s.teclas);
    EXPECT_EQ(caja.Mostrado(), s.pantalla);
    EXPECT_EQ(servicios.errores, s.errores);
}

// Operations, chaining left to right, repeated "=".
// clang-format off
INSTANTIATE_TEST_SUITE_P(Operaciones, SecuenciasDeTeclas, ::testing::Values(
    Secuencia{"", "0.", 0},
    Secuencia{"2 + 3 * 4 =", "20.", 0},          // (2 + 3) x 4, no precedence
    Secuencia{"2 + 3 *", "5.", 0},               // the chained sum shows at the key
    Secuencia{"2 + 3 =", "5.", 0},
    Secuencia{"2 + 3 = =", "8.", 0},             // + 3 again
    Secuencia{"2 + 3 = = =", "11.", 0},
    Secuencia{"9 + 16 sqrt", "5.", 0},           // root of 25
    Secuencia{"16 sqrt", "4.", 0},
    Secuencia{"16 sqrt =", "2.", 0},             // the root again
    Secuencia{"2 + * 3 =", "6.", 0},             // 2 + 0, then x 3
    Secuencia{"2 * + 3 =", "3.", 0},             // 2 x 0, then + 3
    Secuencia{"2 + =", "2.", 0},
    Secuencia{"2 * =", "0.", 0},
    Secuencia{"6 +/- / 3 =", "-2.", 0},          // the quotient keeps its sign
    Secuencia{"6 / 3 +/- =", "-2.", 0},
    Secuencia{"7 / 2 =", "3.5", 0},
    Secuencia{"30 % 300 =", "10.", 0},           // 30 / 300 x 100
    Secuencia{"16 mod 5 =", "1.", 0},
    Secuencia{"74 mod 10 =", "4.", 0},
    Secuencia{"16 +/- mod 5 =", "-1.", 0},       // sign of the dividend
    Secuencia{"6.5 mod 4 =", "2.", 0},           // 6.5 rounds to the even 6
    Secuencia{"7.5 mod 5 =", "3.", 0},           // 7.5 rounds to the even 8
    Secuencia{"2.5 +/- int", "-3.", 0},          // greatest whole number not above
    Secuencia{"2.5 int", "2.", 0},
    Secuencia{"1 / 3 =", "0.333333333333333", 0},
    Secuencia{"2 / 3 =", "0.666666666666667", 0},
    Secuencia{"10 pow 20 =", "1E+20.", 0},
    Secuencia{"10 pow 5 +/- =", "1E-05.", 0},
    Secuencia{"2 pow 10 =", "1024.", 0},
    Secuencia{"3 x2", "9.", 0},
    Secuencia{"3 x2 =", "81.", 0},
    Secuencia{"3 x3", "27.", 0},
    Secuencia{"4 1/x", "0.25", 0},
    Secuencia{"27 nroot 3 =", "3.", 0},
    Secuencia{"8 cbrt", "2.", 0},
    Secuencia{"0.5 + 0.3 =", "0.8", 0},
    Secuencia{"0.5 + 0.3 = = =", "1.4", 0},
    Secuencia{"1.5 + 1.5 =", "3.", 0},           // a whole result keeps the point
    Secuencia{"=", "0.", 0},
    Secuencia{"5 C", "0.", 0}));
// clang-format on

// Invalid operations: the operation reported cancelled, then the first operand again.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Errores, SecuenciasDeTeclas, ::testing::Values(
    Secuencia{"5 / 0 =", "5.", 1},
    Secuencia{"5 / 0 = =", "5.", 1},             // the operation was cancelled
    Secuencia{"5 % 0 =", "5.", 1},
    Secuencia{"0 1/x", "0.", 1},
    Secuencia{"4 +/- sqrt", "-4.", 1},
    Secuencia{"2 / +", "0.", 0},                 // chained failure shows 0, no box yet
    Secuencia{"2 / + 3 =", "0.", 1},             // reported by the next "="
    Secuencia{"5 mod 0 =", "5.", 1},
    Secuencia{"5 mod 0.4 =", "5.", 1},           // 0.4 rounds to 0
    Secuencia{"5 mod 0.5 =", "5.", 1},           // 0.5 rounds to the even 0
    Secuencia{"3000000000 mod 7 =", "3000000000.", 1},
    Secuencia{"7 mod 3000000000 =", "7.", 1},
    Secuencia{"2147483647 mod 10 =", "7.", 0},
    Secuencia{"2147483648 +/- mod 1 +/- =", "0.", 0},
    Secuencia{"27 nroot 0 =", "27.", 1},
    Secuencia{"8 +/- nroot 2 =", "-8.", 1},
    Secuencia{"8 +/- cbrt", "-8.", 1},
    Secuencia{"8 +/- pow 0.5 =", "-8.", 1},
    Secuencia{"10 pow 400 =", "10.", 1},         // beyond the double range
    Secuencia{"0 pow 1 +/- =", "0.", 1},         // 1 / 0
    Secuencia{"10 pow 200 = x2", "1E+200.", 1},
    Secuencia{"10 pow 200 = pow 2 + 1 =", "0.", 1}));  // chained overflow
// clang-format on

// Entry: digits, point, backspace, sign change.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Entrada, SecuenciasDeTeclas, ::testing::Values(
    Secuencia{".", "0.", 0},
    Secuencia{". 5", "0.5", 0},
    Secuencia{"0 0 7", "007.", 0},
    Secuencia{"0 0 7 + 1 =", "8.", 0},
    Secuencia{"1 2 . 5 <<", "12.", 0},
    Secuencia{"1 2 . 5 << <<", "1.", 0},
    Secuencia{"1 2 . 5 << << <<", "0.", 0},
    Secuencia{"5 +/- <<", "0.", 0},
    Secuencia{"2 + 3 = 7", "7.", 0},
    Secuencia{"2 + 3 = 7 =", "10.", 0},          // 7 + 3
    Secuencia{"C 5 +/- 3", "-53.", 0},
    Secuencia{"1.5 + 5 +/- 3 =", "-51.5", 0},    // a new entry has no point yet
    Secuencia{"1.5 + 5", "5.", 0},
    Secuencia{"1.5 +/- 2", "-1.52", 0},          // digits extend the shown value
    Secuencia{"2 + 3 = +/-", "-5.", 0},          // negates the shown result
    Secuencia{"2 + 3 = +/- + 1 =", "-4.", 0},
    Secuencia{"2 + +/- =", "0.", 0},             // 2 + (-2)
    Secuencia{"2 + C 5 + 3 =", "8.", 0},         // "C" drops the pending +
    Secuencia{"2 + 3 CE", "2.", 0},
    Secuencia{"2 + 3 CE + 5 =", "7.", 0},
    Secuencia{"2 / + C 3 + 4 =", "7.", 0},       // a cancelled failure is not reported
    Secuencia{"10 pow 20 = <<", "100.", 0}));  // "1E+20." loses "0."
// clang-format on

// Scientific keys, in degrees unless "rad".
// clang-format off
INSTANTIATE_TEST_SUITE_P(Funciones, SecuenciasDeTeclas, ::testing::Values(
    Secuencia{"30 sin", "0.5", 0},
    Secuencia{"30 +/- sin", "-0.5", 0},
    Secuencia{"390 sin", "0.5", 0},
    Secuencia{"30.5 sin", "0.507538362960704", 0},
    Secuencia{"60 cos", "0.500000000000001", 0},
    Secuencia{"90 cos", "1.61554457443259E-15", 0},
    Secuencia{"45 tan", "0.999999999999998", 0},
    Secuencia{"0.5 asin", "30.", 0},
    Secuencia{"0.5 +/- asin", "330.", 0},
    Secuencia{"0 asin", "0.", 0},
    Secuencia{"0 acos", "90.0000000000001", 0},
    Secuencia{"0.5 +/- acos", "120.", 0},
    Secuencia{"1 atan", "45.", 0},
    Secuencia{"1 +/- atan", "135.", 0},
    Secuencia{"1 asin", "1.", 1},
    Secuencia{"1 +/- acos", "-1.", 1},
    Secuencia{"2 asin", "2.", 1},
    Secuencia{"2 + 1 asin", "2.", 1},            // cancels the + and shows 2
    Secuencia{"2 + 1 asin 3 =", "23.", 1},  // 3 extends the shown 2; no operation
    Secuencia{"pi", "3.14159265358979", 0},
    Secuencia{"pi 2", "3.141592653589792", 0},
    Secuencia{"2 + 3 = sin", "0.0871557427476581", 0},  // sin 5 degrees
    Secuencia{"rad 1 sin", "0.841470984807897", 0},
    Secuencia{"rad 0.5 +/- asin", "5.75958653158128", 0},
    Secuencia{"rad 1 +/- atan", "2.35619449019234", 0},
    Secuencia{"rad 0 acos", "1.5707963267949", 0},
    Secuencia{"rad deg 0.5 asin", "30.", 0}));
// clang-format on

// Memory keys.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Memoria, SecuenciasDeTeclas, ::testing::Values(
    Secuencia{"3 MS", "3.", 0},
    Secuencia{"3 MS C MR", "3.", 0},
    Secuencia{"3 MS C 2 + MR =", "5.", 0},
    Secuencia{"2 + 3 = MS C MR", "5.", 0},
    Secuencia{"12 MS C 12 M+ C MR", "24.", 0},
    Secuencia{"2.5 MS C MR MR", "2.5", 0},
    Secuencia{"3 MS MC C MR", "0.", 0}));
// clang-format on

TEST_F(Calculadora, OneOperandKeyCompletesThePendingSumFirst)
{
    Teclear("9 + 16");
    caja.dibujos.clear();
    Teclear("sqrt");
    EXPECT_EQ(caja.dibujos, (std::vector<std::string> { "25.", "5." }));
}

TEST_F(Calculadora, OperationKeyDoesNotRedrawWithoutAPendingOperation)
{
    Teclear("2");
    caja.dibujos.clear();
    Teclear("+");
    EXPECT_TRUE(caja.dibujos.empty());
    EXPECT_EQ(caja.tag, "");
}

TEST_F(Calculadora, EntryBufferKeepsWhatWasTyped)
{
    Teclear(". 5");
    EXPECT_EQ(caja.tag, ".5");
    Teclear("C");
    EXPECT_EQ(caja.tag, "");
    Teclear("2 + 3 =");
    EXPECT_EQ(caja.tag, ""); // emptied after the result is shown
}

TEST_F(Calculadora, DisplayChangedFollowsEveryRedraw)
{
    int avisos = 0;
    std::string tagAlAvisar;
    calc.DisplayChanged = [&] {
        ++avisos;
        tagAlAvisar = caja.tag;
    };
    Teclear("1 . 5");
    EXPECT_EQ(avisos, 3);
    Teclear("+ 1 =");
    EXPECT_EQ(tagAlAvisar, "2.5"); // the result's text, before the entry is emptied
}

TEST_F(Calculadora, TooLongAnEntryKeepsWhatItHad)
{
    // 308 nines still fit a double; the 309th would not.
    Teclear(std::string(310, '9'));
    EXPECT_EQ(servicios.errores, 2);
    EXPECT_EQ(caja.Mostrado(), std::string(308, '9') + ".");
}

TEST_F(Calculadora, MemoryIsAvailableOnlyWhileNotZero)
{
    EXPECT_FALSE(calc.IsMemAvailable());
    Teclear("MS"); // "0." shown
    EXPECT_FALSE(calc.IsMemAvailable());
    Teclear("3 MS");
    EXPECT_TRUE(calc.IsMemAvailable());
    Teclear("MC");
    EXPECT_FALSE(calc.IsMemAvailable());
    Teclear("C 3 MS C 3 +/- M+");
    EXPECT_FALSE(calc.IsMemAvailable());
    Teclear("C 12 M+ C");
    EXPECT_TRUE(calc.IsMemAvailable()); // "C" keeps the memory
}

TEST_F(Calculadora, MemoryRecallGoesToTheSecondOperandWhilePending)
{
    Teclear("4 MS C 10 - MR");
    EXPECT_EQ(caja.Mostrado(), "4.");
    Teclear("=");
    EXPECT_EQ(caja.Mostrado(), "6.");
}

TEST_F(Calculadora, MemoryOverflowKeepsTheMemory)
{
    Teclear("10 pow 308 = MS M+"); // 2E+308 is beyond the double range
    EXPECT_EQ(servicios.errores, 1);
    Teclear("C MR");
    EXPECT_EQ(caja.Mostrado(), "1E+308.");
}

TEST_F(Calculadora, CopyPutsTheShownTextWithItsPoint)
{
    Teclear("12 copy");
    EXPECT_EQ(servicios.portapapeles, "12.");
    EXPECT_EQ(servicios.limpiezas, 1);
    Teclear("C copy");
    EXPECT_EQ(servicios.portapapeles, "0.");
    Teclear(". 5 copy");
    EXPECT_EQ(servicios.portapapeles, "0.5");
}

struct Pegado {
    const char* portapapeles;
    const char* pantalla;
};

void PrintTo(const Pegado& p, std::ostream* os) { *os << '"' << p.portapapeles << '"'; }

class PegarTexto : public Calculadora, public ::testing::WithParamInterface<Pegado> { };

TEST_P(PegarTexto, PasteReadsTheLeadingNumber)
{
    servicios.PonerTextoPortapapeles(GetParam().portapapeles);
    Teclear("paste");
    EXPECT_EQ(caja.Mostrado(), GetParam().pantalla);
    EXPECT_EQ(servicios.errores, 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Textos, PegarTexto, ::testing::Values(
    Pegado{"12", "12."},
    Pegado{"0.", "0."},
    Pegado{"   3.5 kg", "3.5"},
    Pegado{"abc", "0."},
    Pegado{"1,5", "1.5"},
    Pegado{"-0", "0."},
    Pegado{"-2.25", "-2.25"},
    Pegado{"1E3", "1000."},
    Pegado{"", "0."}));
// clang-format on

TEST_F(Calculadora, PastedNumberIsTheCurrentOperand)
{
    servicios.PonerTextoPortapapeles("4");
    Teclear("2 + paste =");
    EXPECT_EQ(caja.Mostrado(), "6.");
    Teclear("paste + 1 =");
    EXPECT_EQ(caja.Mostrado(), "5.");
}

TEST_F(Calculadora, PasteWithAPointLetsDigitsBecomeDecimals)
{
    servicios.PonerTextoPortapapeles("2.5");
    Teclear("paste 1");
    EXPECT_EQ(caja.Mostrado(), "2.51");
}

TEST_F(Calculadora, PasteBeyondTheDoubleRangeShowsTheErrorBox)
{
    servicios.PonerTextoPortapapeles("1E999");
    Teclear("7 paste");
    EXPECT_EQ(servicios.errores, 1);
    EXPECT_EQ(caja.Mostrado(), "7.");
}

struct TextoPegable {
    bool conTexto;
    const char* texto;
    bool pegable;
};

void PrintTo(const TextoPegable& t, std::ostream* os) { *os << '"' << t.texto << '"'; }

class PuedePegar : public Calculadora, public ::testing::WithParamInterface<TextoPegable> { };

TEST_P(PuedePegar, ZeroPastesOnlyFromDigitsAndPoints)
{
    servicios.conTexto = GetParam().conTexto;
    servicios.portapapeles = GetParam().texto;
    EXPECT_EQ(calc.CanPaste(), GetParam().pegable);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Textos, PuedePegar, ::testing::Values(
    TextoPegable{true, "12", true},
    TextoPegable{true, "0", true},
    TextoPegable{true, "0.0", true},
    TextoPegable{true, "0,0", true},
    TextoPegable{true, ".", true},
    TextoPegable{true, "", true},
    TextoPegable{true, "1,5", true},
    TextoPegable{true, "3.5 kg", true},
    TextoPegable{true, "abc", false},
    TextoPegable{true, "-0", false},
    TextoPegable{true, " 0", false},
    TextoPegable{false, "", false}));
// clang-format on

TEST_F(Calculadora, RandomKeyStaysFromOneUpToThousandAndOne)
{
    servicios.aleatorio = 0.0f;
    Teclear("ran");
    EXPECT_EQ(caja.Mostrado(), "1.");
    servicios.aleatorio = 0.5f;
    Teclear("ran");
    EXPECT_EQ(caja.Mostrado(), "501.");
    // The largest float below 1 is 1 - 2^-24 = 0.999999940395355...
    servicios.aleatorio = 0.99999994f;
    Teclear("ran");
    EXPECT_EQ(caja.Mostrado(), "1000.99994039536");
}

struct Tecla {
    std::int16_t codigo;
    const char* pantalla;
};

void PrintTo(const Tecla& t, std::ostream* os) { *os << t.codigo; }

class TeclasVirtuales : public Calculadora, public ::testing::WithParamInterface<Tecla> { };

// Each row: "8 . 5" typed, then the key under test.
TEST_P(TeclasVirtuales, KeyReleaseActsOnTheEntry)
{
    Teclear("8 . 5");
    caja.teclas(GetParam().codigo);
    EXPECT_EQ(caja.Mostrado(), GetParam().pantalla);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Mapa, TeclasVirtuales, ::testing::Values(
    Tecla{8, "8."},       // backspace
    Tecla{48, "8.50"},    // main keyboard 0
    Tecla{57, "8.59"},
    Tecla{96, "8.50"},    // keypad 0
    Tecla{105, "8.59"},
    Tecla{110, "8.5"},    // keypad point: the entry already has one
    Tecla{190, "8.5"},
    Tecla{187, "8.5"},    // main keyboard = and + do nothing
    Tecla{189, "8.5"},
    Tecla{65, "8.5"}));
// clang-format on

TEST_F(Calculadora, KeypadOperatorsAndEnterCalculate)
{
    const auto teclas = [&](std::initializer_list<int> codigos) {
        for (int c : codigos)
            caja.teclas(c);
    };
    teclas({ 98, 107, 99, 13 }); // 2 + 3 Enter
    EXPECT_EQ(caja.Mostrado(), "5.");
    teclas({ 106, 52, 13 }); // x 4
    EXPECT_EQ(caja.Mostrado(), "20.");
    teclas({ 109, 53, 13 }); // - 5
    EXPECT_EQ(caja.Mostrado(), "15.");
    teclas({ 111, 54, 13 }); // / 6
    EXPECT_EQ(caja.Mostrado(), "2.5");
}

struct Escrito {
    double valor;
    const char* texto;
};

void PrintTo(const Escrito& e, std::ostream* os) { *os << e.texto; }

class FormatoGeneral : public ::testing::TestWithParam<Escrito> { };

TEST_P(FormatoGeneral, WritesFifteenSignificantDigits)
{
    EXPECT_EQ(TextoGeneral(GetParam().valor), GetParam().texto);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Valores, FormatoGeneral, ::testing::Values(
    Escrito{0.5, "0.5"},
    Escrito{-2.5, "-2.5"},
    Escrito{12, "12"},
    Escrito{1.0 / 3.0, "0.333333333333333"},
    Escrito{1e20, "1E+20"},
    Escrito{123456789012345.0, "123456789012345"},
    Escrito{1e15, "1E+15"},
    Escrito{0.0001, "0.0001"},
    Escrito{0.00001, "1E-05"},
    Escrito{-0.0, "0"},
    Escrito{2.0 / 3.0, "0.666666666666667"}));
// clang-format on

} // namespace

} // namespace
