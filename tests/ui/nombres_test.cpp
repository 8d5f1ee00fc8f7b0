// The names a window gives for its own controls: every Enter target and every
// name of its tab order names a control of the window, and in debug and test
// builds a misspelt one stops the program at once, naming the window and the name.

#include "conductor.h"
#include "frame/ventana_calculo.h"

namespace {

namespace {

// Opens every window there is, so that every box's Enter target and every tab
// order is checked whether or not the build stops at a misspelt name.
class NombresDeControles : public PruebaVentanas { };

TEST_F(NombresDeControles, EveryEnterTargetAndTabOrderNameNamesAControlOfTheWindow)
{
    int destinos = 0, tabulados = 0;
    for (const QString& clase : ClasesRegistradas()) {
        SCOPED_TRACE(clase.toStdString());
        QWidget* w = Abrir(clase);
        ASSERT_NE(w, nullptr);
        for (const CampoDato* caja : w->findChildren<CampoDato*>()) {
            if (caja->siguiente().isEmpty())
                continue;
            ++destinos;
            EXPECT_NE(w->findChild<QWidget*>(caja->siguiente()), nullptr)
                << caja->objectName().toStdString() << " leads to "
                << caja->siguiente().toStdString();
        }
        QList<SuperficieCalculo*> superficies = w->findChildren<SuperficieCalculo*>();
        if (auto* ventana = qobject_cast<SuperficieCalculo*>(w))
            superficies << ventana;
        for (const SuperficieCalculo* superficie : superficies)
            for (const QString& nombre : superficie->ordenTabulacion()) {
                ++tabulados;
                EXPECT_NE(superficie->findChild<QWidget*>(nombre), nullptr)
                    << "tab order names " << nombre.toStdString();
            }
        EXPECT_TRUE(Cerrar(w));
    }
    // Every calculation window has an Enter chain; most give a tab order too.
    EXPECT_GT(destinos, 100);
    EXPECT_GT(tabulados, 100);
}

// A window with one misspelt name, at the place that names it.
enum class Errata { Dibujos, DestinoEnter, OrdenTabulacion, Lectura };

class VentanaConErrata : public VentanaCalculo {
public:
    explicit VentanaConErrata(Errata errata)
        : VentanaCalculo(QStringLiteral("Ventana con un nombre mal escrito"))
        , errata_(errata)
    {
        Marco* datos = NuevoMarco("Frame2", "Datos:", { 720, 1320, 4095, 2055 });
        const QString destino = errata == Errata::DestinoEnter ? "qq" : "y";
        Entradas(datos, Columna {},
            { { "q", "Caudal (Q):", "m3/s", "Ingresar el valor del caudal Q", {}, destino } });
        ResultadoSuelto(datos, "y", { 2160, 600, 1095, 285 });
        FigurasTrapecio(
            7200, 1320, "trape", "rectan", "trian", errata == Errata::Dibujos ? "bb" : "", "");
        BotonesRol({ 720, 6360 }, { 9240, 6360 });
        OrdenTabulacion({ "q", errata == Errata::OrdenTabulacion ? "yy" : "y", "bCalcular" });
    }

protected:
    void Calcular() override
    {
        Escribir("y", Numero(errata_ == Errata::Lectura ? "qq" : "q"), "0.0");
    }

private:
    Errata errata_;
};

struct CasoErrata {
    Errata errata;
    const char* donde;
    const char* mensaje;
};

class NombreMalEscrito : public PruebaVentanas, public ::testing::WithParamInterface<CasoErrata> {
protected:
    void SetUp() override
    {
#ifndef QUELMORA_VERIFICAR_NOMBRES
        GTEST_SKIP() << "this build goes on past a misspelt name";
#endif
        PruebaVentanas::SetUp();
        // The child starts afresh rather than forked: Qt keeps threads of its own.
        GTEST_FLAG_SET(death_test_style, "threadsafe");
    }
};

TEST_P(NombreMalEscrito, StopsNamingTheWindowAndTheName)
{
    const Errata errata = GetParam().errata;
    RegistrarVentana("VentanaConErrata", [errata] { return new VentanaConErrata(errata); });
    EXPECT_DEATH(
        {
            QWidget* w = MostrarVentana("VentanaConErrata");
            Pulsar(w, "bCalcular");
        },
        GetParam().mensaje);
}

// The first stops while the window is built, the next two as it opens, the
// last at "&Calcular".
INSTANTIATE_TEST_SUITE_P(Errata, NombreMalEscrito,
    ::testing::Values(
        CasoErrata { Errata::Dibujos, "Dibujos", "VentanaConErrata: no control named \"bb\"" },
        CasoErrata {
            Errata::DestinoEnter, "DestinoEnter", "VentanaConErrata: no control named \"qq\"" },
        CasoErrata { Errata::OrdenTabulacion, "OrdenTabulacion",
            "VentanaConErrata: no control named \"yy\"" },
        CasoErrata { Errata::Lectura, "Lectura", "VentanaConErrata: no control named \"qq\"" }),
    [](const auto& info) { return std::string(info.param.donde); });

} // namespace

} // namespace
