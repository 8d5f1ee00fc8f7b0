#include "calculator/core/bbcalc.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "frame/core/numeros.h"

namespace quelmora {

std::string TextoGeneral(double valor)
{
    // A zero of either sign is written 0: a pasted "-0" must not show as "-0.".
    if (valor == 0)
        return "0";
    char texto[64];
    // to_chars, unlike printf, never takes the decimal comma of the user's locale.
    const auto fin
        = std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::general, 15).ptr;
    std::string resultado(texto, fin);
    for (char& c : resultado)
        if (c == 'e')
            c = 'E';
    return resultado;
}

namespace {

bool EsDeUnOperando(std::int32_t codigo)
{
    switch (codigo) {
    case BBCalc::kRaizCuadrada:
    case BBCalc::kInversa:
    case BBCalc::kCuadrado:
    case BBCalc::kCubo:
    case BBCalc::kParteEntera:
    case BBCalc::kRaizCubica:
        return true;
    default:
        return false;
    }
}

bool TienePunto(const std::string& texto) { return texto.find('.') != std::string::npos; }

// A whole number for the modulo key: nearest, a half to the even neighbour (the
// default rounding mode), and refused outside the 32-bit range.
bool EnteroDe32Bits(double valor, std::int64_t& entero)
{
    const double redondo = std::nearbyint(valor);
    if (!(redondo >= std::numeric_limits<std::int32_t>::min()
            && redondo <= std::numeric_limits<std::int32_t>::max()))
        return false;
    entero = static_cast<std::int64_t>(redondo);
    return true;
}

} // namespace

BBCalc::BBCalc(ServiciosCalculadora& servicios)
    : servicios_(servicios)
{
}

void BBCalc::ShowBox(CajaPantalla& caja)
{
    dBox_ = &caja;
    caja.EscucharTeclas([this](int tecla) { KeyboardInput(static_cast<std::int16_t>(tecla)); });
    Clear();
    caja.TomarFoco();
}

void BBCalc::RefreshDisplay()
{
    std::string texto = dBox_->Tag();
    if (!TienePunto(texto))
        texto += '.';
    if (texto.front() == '.')
        texto = "0" + texto;
    mostrado_ = texto;
    dBox_->DibujarTexto(mostrado_);
    if (DisplayChanged)
        DisplayChanged();
    dBox_->TomarFoco();
}

void BBCalc::ShowNumber(double valor)
{
    std::string entrada;
    if (valor != 0) {
        entrada = TextoGeneral(valor);
        if (!TienePunto(entrada) && decimalEntered_)
            entrada += '.';
    }
    dBox_->FijarTag(entrada);
    RefreshDisplay();
}

double BBCalc::Calculate()
{
    const double v1 = value1_;
    const double v2 = value2_;
    double r = 0;
    bool invalida = false;
    switch (operation_) {
    case kDivision:
        // The quotient keeps its sign: -6 / 3 is -2.
        if (v2 == 0)
            invalida = true;
        else
            r = v1 / v2;
        break;
    case kMultiplicacion:
        r = v1 * v2;
        break;
    case kResta:
        r = v1 - v2;
        break;
    case kSuma:
        r = v1 + v2;
        break;
    case kRaizCuadrada:
        if (v1 < 0)
            invalida = true;
        else
            r = std::sqrt(v1);
        break;
    case kPorcentaje:
        // "30 % 300" reads as "30 is what percent of 300".
        if (v2 == 0)
            invalida = true;
        else
            r = v1 / v2 * 100;
        break;
    case kInversa:
        if (v1 == 0)
            invalida = true;
        else
            r = 1 / v1;
        break;
    case kPotencia:
        r = std::pow(v1, v2);
        break;
    case kCuadrado:
        r = std::pow(v1, 2.0);
        break;
    case kCubo:
        r = std::pow(v1, 3.0);
        break;
    case kModulo: {
        std::int64_t dividendo = 0;
        std::int64_t divisor = 0;
        // 64-bit remainder: the 32-bit minimum divided by -1 stays defined.
        if (!EnteroDe32Bits(v1, dividendo) || !EnteroDe32Bits(v2, divisor) || divisor == 0)
            invalida = true;
        else
            r = static_cast<double>(dividendo % divisor);
        break;
    }
    case kParteEntera:
        r = std::floor(v1);
        break;
    case kRaizN:
        if (v2 == 0)
            invalida = true;
        else
            r = std::pow(v1, 1.0 / v2);
        break;
    case kRaizCubica:
        r = std::pow(v1, 1.0 / 3.0);
        break;
    default:
        r = 0;
        break;
    }
    // Overflow, or a fractional power of a negative number.
    if (!invalida && !std::isfinite(r))
        invalida = true;
    if (invalida) {
        calcError_ = true;
        return 0;
    }
    return r;
}

void BBCalc::OperationType(std::int32_t codigo)
{
    if (codigo >= 1) {
        if (operationPending_) {
            value1_ = Calculate();
            ShowNumber(value1_);
        }
        operation_ = codigo;
        operationPending_ = true;
        value2_ = 0;
        dBox_->FijarTag("");
        if (EsDeUnOperando(codigo))
            DoResult();
    } else {
        operationPending_ = false;
    }
    dBox_->TomarFoco();
}

void BBCalc::DoResult()
{
    if (operation_ == 0)
        return;
    operationPending_ = false;
    const double r = Calculate();
    const std::string texto = TextoGeneral(r);
    const double leido = LeerNumero(texto);
    // Rounding to 15 digits can carry the largest values past the double range.
    if (!std::isfinite(leido))
        calcError_ = true;
    if (calcError_) {
        calcError_ = false;
        InformarError();
        ClearOperation();
        return;
    }
    if (TienePunto(texto))
        decimalEntered_ = true;
    value1_ = leido;
    ShowNumber(value1_);
    dBox_->FijarTag("");
}

void BBCalc::Clear()
{
    value1_ = 0;
    value2_ = 0;
    operation_ = 0;
    // "C" cancels everything: no operation waits for a second operand and no
    // failure of the cancelled chain is reported later.
    operationPending_ = false;
    calcError_ = false;
    ShowNumber(0);
    decimalEntered_ = false;
}

void BBCalc::ClearOperation()
{
    value2_ = 0;
    operation_ = 0;
    operationPending_ = false;
    calcError_ = false;
    ShowNumber(value1_);
}

void BBCalc::InformarError() { servicios_.OperacionCancelada(); }

void BBCalc::NumberInput(std::int16_t digito)
{
    if (digito < 0 || digito > 9)
        return;
    std::string entrada = dBox_->Tag();
    // A digit typed into an empty entry starts a new number, which has no point
    // yet, whatever the number before it had.
    if (entrada.empty())
        decimalEntered_ = false;
    entrada += static_cast<char>('0' + digito);
    const double valor = LeerNumero(entrada);
    // An entry too long for a double keeps what it had.
    if (!std::isfinite(valor)) {
        InformarError();
        return;
    }
    dBox_->FijarTag(entrada);
    RefreshDisplay();
    OperandoActual() = valor;
}

void BBCalc::DoDecimalPoint()
{
    const std::string entrada = dBox_->Tag();
    if (!TienePunto(entrada)) {
        dBox_->FijarTag(entrada + '.');
        RefreshDisplay();
    }
    decimalEntered_ = true;
}

void BBCalc::DoBackSpace()
{
    std::string texto = mostrado_;
    if (!texto.empty() && texto.back() == '.') {
        texto.erase(texto.size() >= 2 ? texto.size() - 2 : 0);
        decimalEntered_ = false;
    } else {
        if (!texto.empty())
            texto.pop_back();
        if (!texto.empty() && texto.back() == '.')
            decimalEntered_ = true;
    }
    const double valor = LeerNumero(texto);
    if (!std::isfinite(valor)) {
        InformarError();
        return;
    }
    OperandoActual() = valor;
    ShowNumber(valor);
}

void BBCalc::ChangeSign()
{
    // The shown number is negated, also right after "=" or an operation key,
    // when nothing has been typed yet.
    const double valor = -LeerNumero(mostrado_);
    if (!std::isfinite(valor)) {
        InformarError();
        return;
    }
    OperandoActual() = valor;
    ShowNumber(valor);
}

void BBCalc::KeyboardInput(std::int16_t tecla)
{
    if (tecla == 8)
        DoBackSpace();
    else if (tecla == 13)
        DoResult();
    else if (tecla >= 48 && tecla <= 57)
        NumberInput(static_cast<std::int16_t>(tecla - 48));
    else if (tecla >= 96 && tecla <= 105)
        NumberInput(static_cast<std::int16_t>(tecla - 96));
    else if (tecla == 106)
        OperationType(kMultiplicacion);
    else if (tecla == 107)
        OperationType(kSuma);
    else if (tecla == 109)
        OperationType(kResta);
    else if (tecla == 111)
        OperationType(kDivision);
    else if (tecla == 110 || tecla == 190)
        DoDecimalPoint();
    dBox_->TomarFoco();
}

bool BBCalc::Resolver(std::int32_t funcion, double x, double& r) const
{
    const double pi = kPiCalculadora;
    switch (funcion) {
    case kSeno:
    case kCoseno:
    case kTangente: {
        // The angle with its sign and fraction; whole turns are taken off
        // exactly first, so that 390 degrees is 30 degrees to the last digit.
        const double angulo = angleMode_ ? x : std::fmod(x, 360.0) * pi / 180;
        r = funcion == kSeno     ? std::sin(angulo)
            : funcion == kCoseno ? std::cos(angulo)
                                 : std::tan(angulo);
        break;
    }
    case kArcoSeno:
    case kArcoCoseno: {
        // Written as an arc tangent: 1 and -1 divide by a root of 0, beyond
        // them the root is of a negative number.
        if (!(std::abs(x) < 1))
            return false;
        const double q = x / std::sqrt(1 - x * x);
        if (funcion == kArcoSeno) {
            // Negative values fold to the fourth quadrant, 330 for -0.5.
            if (angleMode_)
                r = x > 0 ? std::atan(q) : x == 0 ? 0 : 2 * pi - std::atan(std::abs(q));
            else
                r = x > 0    ? std::atan(q) * 180 / pi
                    : x == 0 ? 0
                             : 360 - std::atan(std::abs(q)) * 180 / pi;
        } else {
            if (angleMode_)
                r = std::atan(-q) + 2 * std::atan(1.0);
            else
                r = std::atan(-x / std::sqrt(1 - x * x)) * 180 / pi + 2 * std::atan(1.0) * 180 / pi;
        }
        break;
    }
    case kArcoTangente:
        // Negative values fold to the second quadrant, 135 for -1.
        if (angleMode_)
            r = x > 0 ? std::atan(x) : x == 0 ? 0 : pi - std::abs(std::atan(x));
        else
            r = x > 0    ? std::atan(x) * 180 / pi
                : x == 0 ? 0
                         : 180 - std::abs(std::atan(x) * 180 / pi);
        break;
    case kPi:
        r = pi;
        break;
    default:
        return false;
    }
    return std::isfinite(r);
}

void BBCalc::TrigOp(std::int32_t funcion)
{
    if (funcion < kSeno || funcion > kAleatorio)
        return;
    double r = 0;
    if (funcion == kAleatorio) {
        r = RandomNumber(1000, 1);
    } else {
        // The shown number: right after "=" or an operation key nothing has been
        // typed, and the function acts on what the user sees.
        const double x = funcion == kPi ? 0 : LeerNumero(mostrado_);
        if (!std::isfinite(x) || !Resolver(funcion, x, r)) {
            InformarError();
            ClearOperation();
            return;
        }
    }
    OperandoActual() = r;
    ShowNumber(r);
}

double BBCalc::RandomNumber(int superior, int inferior)
{
    const double q = servicios_.SortearAleatorio();
    return (superior - inferior + 1) * q + inferior;
}

void BBCalc::MemFunction(std::int16_t codigo)
{
    switch (codigo) {
    case 0:
        memory_ = 0;
        break;
    case 1:
        OperandoActual() = memory_;
        ShowNumber(memory_);
        break;
    case 2: {
        const double valor = LeerNumero(mostrado_);
        if (std::isfinite(valor))
            memory_ = valor;
        else
            InformarError();
        break;
    }
    case 3: {
        const double suma = memory_ + LeerNumero(mostrado_);
        if (std::isfinite(suma))
            memory_ = suma;
        else
            InformarError();
        break;
    }
    default:
        break;
    }
    dBox_->TomarFoco();
}

void BBCalc::ClipboardAction(std::int32_t accion)
{
    if (accion == 0) {
        servicios_.LimpiarPortapapeles();
        servicios_.PonerTextoPortapapeles(mostrado_);
    } else if (accion == 1) {
        const double valor = LeerNumero(servicios_.TextoPortapapeles());
        if (!std::isfinite(valor)) {
            InformarError();
            return;
        }
        const std::string entrada = TextoGeneral(valor);
        decimalEntered_ = TienePunto(entrada);
        dBox_->FijarTag(entrada);
        RefreshDisplay();
        OperandoActual() = LeerNumero(entrada);
    }
}

bool BBCalc::CanPaste()
{
    if (!servicios_.PortapapelesTieneTexto())
        return false;
    const std::string texto = servicios_.TextoPortapapeles();
    if (LeerNumero(texto) != 0)
        return true;
    // A zero pastes only when written with digits and decimal points alone
    // (the comma is one, as it is for the reader).
    for (char c : texto)
        if (!((c >= '0' && c <= '9') || c == '.' || c == ','))
            return false;
    return true;
}

} // namespace quelmora
