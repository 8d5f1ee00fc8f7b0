// The profile, measurement and structure windows reached as a user reaches them:
// from the main window's menu, one ordinary data set typed, "&Calcular", the
// print, the calculator and back to the main window. Expected values were worked
// out apart from the program (each window's own test says how); the long
// profiles of the walk are checked against Simpson's rule written here.

#include <QPointer>
#include <array>
#include <cmath>
#include <vector>

#include "recorrido.h"

namespace {

namespace {

// One result to read: a box, or a cell of a grid when fila is not negative.
// With tolerancia > 0 the text is read as a number and compared with valor.
struct Lectura {
    const char* control;
    int fila;
    int columna;
    const char* texto;
    double valor = 0;
    double tolerancia = 0;
};

constexpr int kCaja = -1;

struct Recorrido {
    const char* clase;
    std::vector<std::pair<const char*, const char*>> cajas;
    std::vector<QStringList> tramos; // segment grid rows
    std::vector<std::array<const char*, 3>> listas; // tab of SSTab2, list, entry
    std::vector<Lectura> esperado;
    int filasFinales = 0; // rows of the final grid g, header included (0: not checked)
};

// Trapezoid b = 3, Z = 1.5, n = 0.02, So = 0.0008, Q = 10: an M1 curve from 2.5 m to 2 m.
const std::vector<std::pair<const char*, const char*>> kM1Trapecio { { "q", "10" }, { "b", "3" },
    { "z", "1.5" }, { "s", "0.0008" }, { "n", "0.02" }, { "y1", "2.5" }, { "y2", "2" } };

std::vector<std::pair<const char*, const char*>> Con(
    std::vector<std::pair<const char*, const char*>> cajas, const char* caja, const char* texto)
{
    cajas.emplace_back(caja, texto);
    return cajas;
}

const std::vector<std::array<const char*, 3>> kMateriales { {
    { "Etcheverry", "cmbEtcheverry", "Arcillosos" },
    { "Punjab", "cmbPunjab", "Suelos comunes (medios)" },
    { "Moritz", "cmbMoritz", "Franco arcilloso ordinario, limo" },
    { "Pavlovski - Kostiakov", "cmbKostiakov", "Tierra arenosa" },
    { "Davis - Wilson", "CmbDavisWilson", "Suelo arcilloso" },
} };

// The windows of the walk that do not depend on the number of steps.
const std::vector<Recorrido>& VentanasFijas()
{
    static const std::vector<Recorrido> ventanas {
        { "frmQNaturalNConstante", { { "txtS", "0.001" }, { "txtn", "0.015" }, { "txtho", "1" } },
            { { "2", "1" } }, {},
            // Rectangle 2 m by 1 m: Q = 2^(5/3)·√0.001/(0.015·4^(2/3)).
            { { "txtQ", kCaja, 0, "2.6561" }, { "txtV", kCaja, 0, "1.3281" } } },
        { "frmQNaturalRugCompuesta",
            { { "txtS", "0.0005" }, { "txtho", "0.5" }, { "txtvo", "0.04" }, { "txtnf", "0.05" } },
            { { "2", "1.0", "0.030" }, { "3", "1.5", "0.025" }, { "2", "0.8", "0.035" } }, {},
            { { "txtNponderado", kCaja, 0, "0.0323" }, { "txtQ", kCaja, 0, "4.8159" } } },
        { "frmCompuerta", { { "txtb", "2" }, { "txty1", "1.5" }, { "txta", "0.3" } }, {}, {},
            // Cd = Cv·Cc/√(1 + Cc·a/y1), Q = Cd·b·a·√(19.62·y1).
            { { "txtCd", kCaja, 0, "0.5706" }, { "txtQm", kCaja, 0, "1.8574" } } },
        { "frmVertederos", { { "txtL", "2" }, { "txth", "0.3" }, { "txtn", "2" } }, {}, {},
            // Q = 1.84·(L − 0.1·n·h)·h^1.5.
            { { "txtQm", kCaja, 0, "0.5865" }, { "txtQl", kCaja, 0, "586.5451" } } },
        { "TranAlEn",
            { { "q", "1.5" }, { "bc", "1" }, { "BF", "2.6" }, { "zc", "0" }, { "ZF", "2" },
                { "yc", "0.8" }, { "hz", "0.04" }, { "k", "0.1" } },
            {}, {}, { { "YF", kCaja, 0, "1.0317" }, { "LT", kCaja, 0, "8" } } },
        { "TranAlSa",
            { { "q", "2" }, { "bc", "2.5" }, { "BF", "1.8" }, { "zc", "1.5" }, { "ZF", "0" },
                { "yc", "0.9" }, { "hz", "0.05" }, { "k", "0.2" } },
            {}, {}, { { "YF", kCaja, 0, "0.7811" }, { "LT", kCaja, 0, "4" } } },
        { "frmVertederoLateral",
            { { "txty", "1" }, { "txtb", "2" }, { "txtZ", "1" }, { "txtn", "0.015" },
                { "txtS", "0.001" }, { "txtU", "0.6" }, { "txtL", "1" }, { "txtNt", "2" } },
            {}, {},
            // The third section, 2 m down the crest: y + Δh and the distance.
            { { "grdDatosVerte02", 3, 6, "0.8241" }, { "grdDatosVerte02", 3, 7, "2.0" } } },
        { "frmPerdidasCanales",
            { { "q", "1" }, { "b", "1" }, { "z", "1" }, { "n", "0.014" }, { "s", "0.001" },
                { "txtL", "2" } },
            {}, kMateriales,
            // Mean loss 0.0091715 m3/s-km over 2 km.
            { { "txtPromedio", kCaja, 0, "0.009172" }, { "txtQfinal", kCaja, 0, "0.9816" } } },
    };
    return ventanas;
}

// The five profile windows with a few steps each.
const std::vector<Recorrido>& PerfilesCortos()
{
    static const std::vector<Recorrido> perfiles {
        { "crinte", Con(kM1Trapecio, "nt", "4"), {}, {},
            { { "g", 5, 0, "739.23" }, { "g", 5, 1, "2.0000" } }, 6 },
        { "crbak",
            { { "q", "10" }, { "b", "3" }, { "z", "1.5" }, { "s", "0.0008" }, { "yn", "1.45" },
                { "yc", "0.89" }, { "y1", "2.5" }, { "y2", "1.8" }, { "nt", "5" } },
            {}, {}, { { "g", 6, 0, "1091.81" }, { "g", 6, 1, "1.8000" } }, 7 },
        { "crbresse",
            { { "q", "5" }, { "b", "10" }, { "s", "0.0005" }, { "n", "0.025" }, { "yn", "1.2" },
                { "y1", "2" }, { "y2", "1.4" }, { "nt", "6" } },
            {}, {}, { { "g", 7, 0, "1920.63" }, { "g", 7, 1, "1.40" } }, 8 },
        { "crdirtra", Con(kM1Trapecio, "nt", "4"), {}, {},
            { { "g", 5, 0, "738.86" }, { "g", 5, 1, "2.0000" } }, 6 },
        { "crtrafij",
            { { "q", "10" }, { "b", "3" }, { "z", "1.5" }, { "s", "0.0008" }, { "n", "0.02" },
                { "yi", "2.5" }, { "nt", "5" }, { "dx", "-100" } },
            {}, {}, { { "g", 6, 0, "-500.0" }, { "g", 6, 1, "2.1514" } }, 7 },
    };
    return perfiles;
}

// Length of the M1 curve of kM1Trapecio from 2.5 m to 2 m by Simpson's rule on
// dx/dy = (1 − Q²T/gA³)/(So − Se) with 3000 panels: what the graphical
// integration and the direct step both approach as their steps shrink.
double LongitudM1PorSimpson()
{
    const double Q = 10, b = 3, Z = 1.5, n = 0.02, So = 0.0008;
    auto dxdy = [&](double y) {
        const double A = (b + Z * y) * y;
        const double P = b + 2 * y * std::sqrt(1 + Z * Z);
        const double T = b + 2 * Z * y;
        const double Se = n * n * Q * Q / (A * A * std::pow(A / P, 4.0 / 3.0));
        return (1 - Q * Q * T / (9.81 * A * A * A)) / (So - Se);
    };
    const int paneles = 3000;
    const double y1 = 2.5, y2 = 2.0, h = (y2 - y1) / paneles;
    double suma = dxdy(y1) + dxdy(y2);
    for (int i = 1; i < paneles; ++i)
        suma += (i % 2 ? 4 : 2) * dxdy(y1 + i * h);
    return std::fabs(suma * h / 3);
}

// The profile windows at the largest number of steps the box takes without a
// warning, 150: 151 points under the header row.
std::vector<Recorrido> PerfilesLargos()
{
    const double longitud = LongitudM1PorSimpson();
    std::vector<Recorrido> perfiles = PerfilesCortos();
    for (Recorrido& r : perfiles) {
        for (auto& [caja, texto] : r.cajas)
            if (QString(caja) == "nt")
                texto = "150";
        r.filasFinales = 152;
        const QString clase = r.clase;
        if (clase == "crinte" || clase == "crdirtra")
            r.esperado = { { "g", 151, 0, nullptr, longitud, 0.01 }, { "g", 151, 1, "2.0000" } };
        else if (clase == "crbak") // exponents from the mean depth: the end does not move
            r.esperado = { { "g", 151, 0, "1091.81" }, { "g", 151, 1, "1.8000" } };
        else if (clase == "crbresse") // closed form between the same ends
            r.esperado = { { "g", 151, 0, "1920.63" }, { "g", 151, 1, "1.40" } };
        else // the first reaches march as before; x is the running sum of dx
            r.esperado = { { "g", 6, 1, "2.1514" }, { "g", 151, 0, "-15000.0" } };
    }
    return perfiles;
}

std::vector<Recorrido> TodasLasVentanas()
{
    std::vector<Recorrido> todas = PerfilesCortos();
    todas.insert(todas.end(), VentanasFijas().begin(), VentanasFijas().end());
    return todas;
}

class PruebaRecorrido : public PruebaVentanas {
protected:
    QWidget* menu = nullptr;

    void SetUp() override
    {
        PruebaVentanas::SetUp();
        grabadora.resultadoImpresion = ResultadoImpresion::Impreso;
        menu = Abrir("menuprin");
    }

    QString Leido(QWidget* w, const Lectura& l)
    {
        return l.fila == kCaja ? Leer(w, l.control) : Celda(w, l.control, l.fila, l.columna);
    }

    // Opens the window from the menu, calculates, prints, calls the calculator
    // and goes back to the main window.
    void Recorrer(const Recorrido& r)
    {
        SCOPED_TRACE(r.clase);
        ElegirMenu(menu, DescripcionDe(r.clase)->entrada.control);
        QPointer<QWidget> w = VentanaAbierta(r.clase);
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        EXPECT_TRUE(menu->isVisible()) << "the main window must stay open beside it";

        grabadora.mensajes.clear();
        for (const auto& [caja, texto] : r.cajas)
            Escribir(w, caja, texto);
        if (!r.tramos.empty())
            EscribirTramos(w, r.tramos);
        for (const auto& [pestana, lista, material] : r.listas) {
            ElegirPestana(w, "SSTab2", pestana);
            ElegirEnLista(w, lista, material);
        }
        PulsarRol(w, Rol::Calcular);
        for (const Lectura& l : r.esperado) {
            const QString texto = Leido(w, l);
            if (l.tolerancia > 0)
                EXPECT_NEAR(texto.toDouble(), l.valor, l.tolerancia) << l.control << " " << l.fila;
            else
                EXPECT_EQ(texto, QString::fromUtf8(l.texto)) << l.control << " " << l.fila;
        }
        if (r.filasFinales) {
            EXPECT_EQ(FilasDe(w, "g"), r.filasFinales);
        }
        EXPECT_TRUE(grabadora.mensajes.empty()) << grabadora.ultimoMensaje().toStdString();
        ImprimirLlamarCalculadoraYVolver(grabadora, menu, w, r.clase);
    }

    QString Pantalla()
    {
        QWidget* calculadora = VentanaAbierta("frmCalculadora");
        return calculadora ? Hallar(calculadora, "PicDisplay")->property("text").toString()
                           : QString();
    }
};

void PrintTo(const Recorrido& r, std::ostream* os) { *os << r.clase; }

class CadaVentana : public PruebaRecorrido, public ::testing::WithParamInterface<Recorrido> { };

TEST_P(CadaVentana, FromTheMenuThroughCalcularPrintCalculatorAndBack) { Recorrer(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Menu, CadaVentana, ::testing::ValuesIn(TodasLasVentanas()),
    [](const auto& info) { return std::string(info.param.clase); });

TEST_F(PruebaRecorrido, EveryWindowOneAfterAnotherFromTheSameMainWindow)
{
    std::vector<Recorrido> todas = PerfilesLargos();
    todas.insert(todas.end(), VentanasFijas().begin(), VentanasFijas().end());

    bool primera = true;
    for (const Recorrido& r : todas) {
        Recorrer(r);
        if (HasFatalFailure())
            return;
        if (primera) {
            // A sum typed into the calculator stays through every later window.
            QWidget* calculadora = VentanaAbierta("frmCalculadora");
            for (const char* tecla : { "cmdNum_7", "cmdOp_2", "cmdNum_6", "cmdEquals" })
                Pulsar(calculadora, tecla);
            primera = false;
        }
        EXPECT_EQ(Pantalla(), "42.") << r.clase;
    }

    ElegirMenu(menu, DescripcionDe("Acerca")->entrada.control);
    QWidget* acerca = VentanaAbierta("Acerca");
    ASSERT_NE(acerca, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(acerca));
    Pulsar(acerca, "bSalir");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(VentanaAbierta("Acerca"), nullptr);
    EXPECT_EQ(VentanaAbierta("menuprin"), menu);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_NE(VentanaAbierta("frmCalculadora"), nullptr);
    EXPECT_EQ(grabadora.terminaciones, 0);
    EXPECT_TRUE(grabadora.mensajes.empty());
}

} // namespace

} // namespace
