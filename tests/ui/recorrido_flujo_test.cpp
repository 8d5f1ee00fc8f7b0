// A user's whole road through the uniform-flow, section-tool and critical-flow
// windows: from the main window's menu into the window, data typed, "&Calcular",
// "&Imprimir", "C&alculadora", and "&Menú Principal" back to the main window.
// The key results come from bisection written here or from values worked out by
// hand for the windows' own tests; none from the program.

#include <cmath>
#include <vector>

#include "esperado_flujo_uniforme.h"
#include "recorrido.h"

namespace {

namespace {

struct Dato {
    const char* caja;
    const char* texto;
};

// A result box, its value and the decimals its mask writes: the box may differ
// by one unit of the last decimal.
struct Clave {
    const char* caja;
    double valor;
    int decimales;
};

struct Recorrido {
    const char* clase;
    std::vector<Dato> datos;
    std::vector<Clave> claves;
};

void PrintTo(const Recorrido& r, std::ostream* os) { *os << r.clase; }

// The critical depth, where Q²/9.81 = A³/T, by bisection on the section's own
// area and top width (A³/T grows with the depth in all three sections).
double TiranteCritico(const std::function<double(double, double&)>& area, double q, double alto)
{
    return BiseccionTirante(
        [&](double y) {
            double t = 0;
            const double a = area(y, t);
            return a * a * a / t;
        },
        q * q / 9.81, 1e-9, alto);
}

double AreaTrapecio(double b, double z, double y, double& t)
{
    t = b + 2 * z * y;
    return (b + z * y) * y;
}

double AreaCirculo(double d, double y, double& t)
{
    const double angulo = 2 * std::acos(1 - 2 * y / d);
    t = 2 * std::sqrt(y * (d - y));
    return (angulo - std::sin(angulo)) * d * d / 8;
}

const std::vector<Recorrido>& Recorridos()
{
    static const std::vector<Recorrido> tabla = [] {
        const SeccionEsperada trapecio = TirantePorTrapecio(1, 1, 1, 0.015, 0.001);
        const SeccionEsperada parabola = TirantePorParabola(1.5, 2, 0.015, 0.001);
        const SeccionEsperada circulo = TirantePorCirculo(0.3, 1, 0.013, 0.001);
        // b/y of the best hydraulic section and of the least seepage, Z = 1.
        const SeccionEsperada eficiente
            = TirantePorRelacion(2, 2 * (std::sqrt(2.0) - 1), 1, 0.015, 0.001);
        const SeccionEsperada infiltracion
            = TirantePorRelacion(2, 4 * (std::sqrt(2.0) - 1), 1, 0.015, 0.001);

        const double ycTrapecio
            = TiranteCritico([](double y, double& t) { return AreaTrapecio(1, 1, y, t); }, 2, 10);
        double tTrapecio = 0;
        const double aTrapecio = AreaTrapecio(1, 1, ycTrapecio, tTrapecio);
        const double ycParabola = TiranteCritico(
            [](double y, double& t) {
                t = 3;
                return 2 * 3 * y / 3;
            },
            0.5, 10);
        const double ycCirculo
            = TiranteCritico([](double y, double& t) { return AreaCirculo(1, y, t); }, 1, 0.9);
        double tCirculo = 0;
        const double aCirculo = AreaCirculo(1, ycCirculo, tCirculo);

        // The rectangular jump in closed form: y2 = y1/2·(√(1 + 8F1²) − 1).
        const double v1 = 2.0 / (1 * 0.3);
        const double f1 = v1 / std::sqrt(9.81 * 0.3);
        const double y2 = 0.3 / 2 * (std::sqrt(1 + 8 * f1 * f1) - 1);

        return std::vector<Recorrido> {
            { "yntrape",
                { { "q", "1" }, { "b", "1" }, { "z", "1" }, { "n", "0.015" }, { "s", "0.001" } },
                { { "y", trapecio.y, 4 }, { "v", trapecio.v, 4 } } },
            { "ynpara", { { "q", "1.5" }, { "t", "2" }, { "n", "0.015" }, { "s", "0.001" } },
                { { "y", parabola.y, 4 }, { "p", parabola.p, 4 } } },
            { "yncir", { { "q", "0.3" }, { "d", "1" }, { "n", "0.013" }, { "s", "0.001" } },
                { { "y", circulo.y, 4 }, { "a", circulo.a, 4 } } },
            { "ynmaxef", { { "q", "2" }, { "z", "1" }, { "n", "0.015" }, { "s", "0.001" } },
                { { "y", eficiente.y, 4 }, { "b", eficiente.b, 4 } } },
            { "ynmininf", { { "q", "2" }, { "z", "1" }, { "n", "0.015" }, { "s", "0.001" } },
                { { "y", infiltracion.y, 4 }, { "b", infiltracion.b, 4 } } },
            // A = 3, P = 2 + 2√2.
            { "qtrape",
                { { "y", "1" }, { "b", "2" }, { "z", "1" }, { "n", "0.015" }, { "s", "0.001" } },
                { { "q", 4.6051, 4 }, { "v", 1.5350, 4 } } },
            // 4y/T = 0.8: P = 2 + 1.28/6.
            { "qpara", { { "y", "0.4" }, { "t", "2" }, { "n", "0.015" }, { "s", "0.001" } },
                { { "q", 0.4354, 4 }, { "p", 2.2133, 4 } } },
            // Half full: A = π/8, R = 1/4.
            { "qcir", { { "y", "0.5" }, { "d", "1" }, { "n", "0.013" }, { "s", "0.001" } },
                { { "q", 0.3791, 4 }, { "a", 0.3927, 4 } } },
            { "frmVariosTrape",
                { { "txtqb", "1.5" }, { "txtyb", "0.8" }, { "txtzb", "1" }, { "txtnb", "0.014" },
                    { "txtsb", "0.001" } },
                { { "txtbb", 0.7123, 4 }, { "txtvb", 1.2398, 4 } } },
            { "frmRelayd",
                { { "txtq", "0.5" }, { "txtyd", "0.5" }, { "txtn", "0.013" }, { "txts", "0.001" } },
                { { "txtd", 1.1094, 4 }, { "txtv", 1.0345, 4 } } },
            { "frmOtrosCir",
                { { "txtqs", "0.3" }, { "txtys", "0.5" }, { "txtds", "1" }, { "txtns", "0.013" } },
                { { "txtss", 0.000626, 6 }, { "txtas", 0.3927, 4 } } },
            { "yctrape", { { "q", "2" }, { "b", "1" }, { "z", "1" } },
                { { "y", ycTrapecio, 4 }, { "v", 2 / aTrapecio, 4 } } },
            { "ycpara", { { "q", "0.5" }, { "t", "3" } },
                { { "y", ycParabola, 4 }, { "a", 2 * ycParabola, 4 } } },
            { "yccir", { { "q", "1" }, { "d", "1" } },
                { { "y", ycCirculo, 4 }, { "a", aCirculo, 4 } } },
            { "rhrectan", { { "q", "2" }, { "b", "1" }, { "y", "0.3" } },
                { { "txty2", y2, 4 }, { "txth", y2 - 0.3, 4 } } },
            { "rhtrape", { { "q", "1.5" }, { "y", "0.2" }, { "b", "1" }, { "z", "1" } },
                { { "txty2", 1.0163, 4 }, { "txth", 0.8163, 4 } } },
            { "rhpara", { { "q", "1" }, { "y", "0.3" }, { "t", "2" } },
                { { "yy2", 0.5222, 4 }, { "h", 0.2222, 4 } } },
            { "rhcir", { { "q", "0.5" }, { "y1", "0.2" }, { "d", "1" } },
                { { "yy2", 0.7226, 4 }, { "h", 0.5226, 4 } } },
        };
    }();
    return tabla;
}

class RecorridoDesdeElMenu : public PruebaVentanas,
                             public ::testing::WithParamInterface<Recorrido> {
protected:
    // The whole road through one window, from the main window and back to it.
    void Recorrer(QWidget* menu, const Recorrido& r)
    {
        SCOPED_TRACE(r.clase);
        grabadora.mensajes.clear();

        ElegirMenu(menu, DescripcionDe(r.clase)->entrada.control);
        QPointer<QWidget> w = VentanaAbierta(r.clase);
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        EXPECT_TRUE(menu->isVisible()) << "the main window stays open beside it";

        for (const Dato& d : r.datos)
            Escribir(w, d.caja, d.texto);
        PulsarRol(w, Rol::Calcular);
        for (const Clave& c : r.claves) {
            const QString texto = Leer(w, c.caja);
            EXPECT_EQ(texto.section('.', 1).size(), c.decimales)
                << c.caja << " " << texto.toStdString();
            EXPECT_NEAR(texto.toDouble(), c.valor, std::pow(10.0, -c.decimales) * 1.0001)
                << c.caja << " " << texto.toStdString();
        }
        EXPECT_TRUE(grabadora.mensajes.empty()) << grabadora.ultimoMensaje().toStdString();
        ImprimirLlamarCalculadoraYVolver(grabadora, menu, w, r.clase);
    }

    void SetUp() override
    {
        PruebaVentanas::SetUp();
        grabadora.resultadoImpresion = ResultadoImpresion::Impreso;
    }
};

TEST_P(RecorridoDesdeElMenu, CalculatesPrintsOpensTheCalculatorAndReturns)
{
    QWidget* menu = Abrir("menuprin");
    ASSERT_NE(menu, nullptr);
    Recorrer(menu, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Ventanas, RecorridoDesdeElMenu, ::testing::ValuesIn(Recorridos()),
    [](const auto& info) { return std::string(info.param.clase); });

// Every window one after another from the same main window: nothing one window
// leaves behind may change the next one's road or results.
TEST_F(RecorridoDesdeElMenu, AllWindowsOneAfterAnotherFromOneMainWindow)
{
    QWidget* menu = Abrir("menuprin");
    ASSERT_NE(menu, nullptr);
    QPointer<QWidget> calculadora;
    for (const Recorrido& r : Recorridos()) {
        Recorrer(menu, r);
        if (!calculadora)
            calculadora = VentanaAbierta("frmCalculadora");
        EXPECT_EQ(VentanaAbierta("frmCalculadora"), calculadora.data())
            << r.clase << ": one calculator for the whole run";
    }
    int visibles = 0;
    for (QWidget* v : QApplication::topLevelWidgets())
        visibles += v->isVisible() ? 1 : 0;
    EXPECT_EQ(visibles, 2) << "only the main window and the calculator are left";
    EXPECT_EQ(grabadora.terminaciones, 0);
}

} // namespace

} // namespace
