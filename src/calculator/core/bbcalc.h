#pragma once
// The calculator engine: two operands, the chosen operation, a memory register
// and the entry being typed. It draws nothing itself: it hands the text to show
// to the display box its host gives it, and reaches the clipboard and the random
// generator, and reports a cancelled operation, through the services the host
// supplies.

#include <cstdint>
#include <functional>
#include <string>

namespace quelmora {

// The box the engine shows its number in. Its tag keeps the entry buffer: what
// has been typed, or the text of the last value shown.
class CajaPantalla {
public:
    virtual ~CajaPantalla() = default;
    virtual std::string Tag() const = 0;
    virtual void FijarTag(const std::string& texto) = 0;
    // Clears the box and draws the text right-aligned in it.
    virtual void DibujarTexto(const std::string& texto) = 0;
    virtual void TomarFoco() = 0;
    // Every key released while the box has the focus, as a virtual-key code.
    virtual void EscucharTeclas(std::function<void(int)> alSoltar) = 0;
};

// What the engine needs from the platform.
class ServiciosCalculadora {
public:
    virtual ~ServiciosCalculadora() = default;
    // The operation asked for cannot be done and has been cancelled; the host
    // tells the user.
    virtual void OperacionCancelada() = 0;
    virtual void LimpiarPortapapeles() = 0;
    virtual void PonerTextoPortapapeles(const std::string& texto) = 0;
    virtual bool PortapapelesTieneTexto() = 0;
    virtual std::string TextoPortapapeles() = 0;
    // Reseeds from the seconds since midnight and draws a value in [0, 1).
    virtual float SortearAleatorio() = 0;
};

// π as the calculator always had it, 3.14159265358979: its last digits show in
// cos 90 and cos-1 0.
inline constexpr double kPiCalculadora = 3.14159265358979;

// A value as the calculator writes it: at most 15 significant digits, no
// trailing zeros, "." as the point, exponent form (1E+20, 1E-05) below 1E-4 and
// from 1E+15 up.
std::string TextoGeneral(double valor);

class BBCalc {
public:
    // Operation codes of the operation keys.
    enum Codigo : std::int32_t {
        kDivision = 1,
        kMultiplicacion = 2,
        kResta = 3,
        kSuma = 4,
        kRaizCuadrada = 5,
        kPorcentaje = 6,
        kInversa = 7,
        kPotencia = 8,
        kCuadrado = 9,
        kCubo = 10,
        kModulo = 11,
        kParteEntera = 12,
        kRaizN = 13,
        kRaizCubica = 14
    };
    // Function codes of the scientific keys.
    enum Funcion : std::int32_t {
        kSeno = 0,
        kCoseno = 1,
        kTangente = 2,
        kArcoSeno = 3,
        kArcoCoseno = 4,
        kArcoTangente = 5,
        kPi = 6,
        kAleatorio = 7
    };

    explicit BBCalc(ServiciosCalculadora& servicios);
    BBCalc(const BBCalc&) = delete;
    BBCalc& operator=(const BBCalc&) = delete;

    bool AngleMode() const { return angleMode_; }
    void AngleMode(bool radianes) { angleMode_ = radianes; }
    void ShowBox(CajaPantalla& caja);
    void OperationType(std::int32_t codigo);
    void DoBackSpace();
    void NumberInput(std::int16_t digito);
    void DoDecimalPoint();
    void DoResult();
    void Clear();
    void ClearOperation();
    void KeyboardInput(std::int16_t tecla);
    void ChangeSign();
    void TrigOp(std::int32_t funcion);
    void MemFunction(std::int16_t codigo);
    bool IsMemAvailable() const { return memory_ != 0; }
    void ClipboardAction(std::int32_t accion);
    bool CanPaste();

    // Raised at the end of every redraw of the display.
    std::function<void()> DisplayChanged;

private:
    // Until the host hands its box over, the entry lives in a box nobody sees.
    class CajaInterna final : public CajaPantalla {
    public:
        std::string Tag() const override { return tag_; }
        void FijarTag(const std::string& texto) override { tag_ = texto; }
        void DibujarTexto(const std::string&) override { }
        void TomarFoco() override { }
        void EscucharTeclas(std::function<void(int)>) override { }

    private:
        std::string tag_;
    };

    double Calculate();
    void ShowNumber(double valor);
    void RefreshDisplay();
    double RandomNumber(int superior, int inferior);

    double& OperandoActual() { return operationPending_ ? value2_ : value1_; }
    void InformarError();
    bool Resolver(std::int32_t funcion, double x, double& resultado) const;

    ServiciosCalculadora& servicios_;
    CajaInterna cajaInterna_;
    CajaPantalla* dBox_ = &cajaInterna_;
    // The displayed text: the entry buffer with its point forced and a 0 before
    // a leading point.
    std::string mostrado_;

    double value1_ = 0;
    double value2_ = 0;
    std::int32_t operation_ = 0;
    double memory_ = 0;
    bool operationPending_ = false;
    bool decimalEntered_ = false;
    bool calcError_ = false;
    bool angleMode_ = false;
};

} // namespace quelmora
