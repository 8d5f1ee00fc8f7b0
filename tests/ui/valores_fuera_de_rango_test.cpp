// A value typed beyond the number range (1E400 reads as infinity) in a box the
// calculation divides by: the window ends the calculation with its failure
// message instead of writing the 0 that dividing by infinity gives.

#include "conductor.h"

namespace {

namespace {

// The window's ordinary data, as its description gives it, with one box beyond
// the range.
struct FueraDeRango {
    const char* nombre;
    const char* clase;
    const char* caja;
    QString mensaje;
    std::vector<const char*> vacias; // result boxes that stay empty
    const char* grilla = nullptr; // a result grid that stays without rows
    const char* pestana = nullptr; // the page of SSTab1 the data go on
};

const QString kErrorTransicion = QStringLiteral(
    "Para estos datos se produce error de cálculos, posiblemente se produce resalto en la "
    "transición");

const QString kValoresInadecuados
    = QStringLiteral("Ingresó valores inadecuados. ¡Hacer la corrección correspondiente!");

void PrintTo(const FueraDeRango& f, std::ostream* os) { *os << f.nombre; }

class VentanaFueraDeRango : public PruebaVentanas,
                            public ::testing::WithParamInterface<FueraDeRango> { };

TEST_P(VentanaFueraDeRango, EndsWithItsMessageAndWritesNoResult)
{
    const FueraDeRango& f = GetParam();
    QWidget* w = Abrir(f.clase);
    ASSERT_NE(w, nullptr);
    if (f.pestana)
        ElegirPestana(w, "SSTab1", f.pestana);
    const JuegoDatos& datos = DescripcionDe(f.clase)->Ordinario();
    for (const auto& [caja, texto] : datos.cajas)
        Escribir(w, caja, QString(caja) == f.caja ? "1E400" : texto);
    if (datos.tramos.size() > 0)
        EscribirTramos(w, Filas(datos.tramos));
    grabadora.mensajes.clear();
    Pulsar(w, "bCalcular");
    ASSERT_EQ(grabadora.mensajes.size(), 1u);
    EXPECT_EQ(grabadora.ultimoMensaje(), f.mensaje);
    for (const char* caja : f.vacias)
        EXPECT_EQ(Leer(w, caja), "") << caja;
    if (f.grilla) {
        EXPECT_EQ(Celda(w, f.grilla, 1, 0), "");
    }
}

INSTANTIATE_TEST_SUITE_P(RugosidadesYPendientes, VentanaFueraDeRango,
    ::testing::Values(FueraDeRango { "qtrape_n", "qtrape", "n", kMensajeCalculoImposible,
                          { "q", "a", "v", "tf" } },
        FueraDeRango { "qpara_n", "qpara", "n", kMensajeCalculoImposible, { "q", "a", "tf" } },
        FueraDeRango { "qcir_n", "qcir", "n", kMensajeCalculoImposible, { "q", "a", "tf" } },
        // yn/S would make every length of the profile 0.
        FueraDeRango { "crbak_s", "crbak", "s", kMensajeCalculoImposible, {}, "g" },
        // C = R^(1/6)/n would be 0, and yn/S too.
        FueraDeRango { "crbresse_n", "crbresse", "n", kMensajeCalculoImposible, {}, "g" },
        FueraDeRango { "crbresse_s", "crbresse", "s", kMensajeCalculoImposible, {}, "g" },
        // The section is written before the discharge step fails, as with any
        // failure of that step; the discharge and what follows stay empty.
        FueraDeRango { "natural_n", "frmQNaturalNConstante", "txtn", kValoresInadecuados,
            { "txtQ", "txtV", "txtFroude", "txtTipoFlujo" } },
        // An infinite area at section C would give it a velocity head of 0.
        FueraDeRango {
            "TranAlEn_zc", "TranAlEn", "zc", kErrorTransicion, { "YF", "LT", "NT" }, "STV" },
        FueraDeRango {
            "TranAlSa_zc", "TranAlSa", "zc", kErrorTransicion, { "YF", "LT", "NT" }, "STV" },
        // Infinite roughness would start the march with a discharge of 0.
        FueraDeRango { "vertedero_n", "frmVertederoLateral", "txtn", kMensajeCalculoImposible, {},
            "grdDatosVerte01" },
        // The depth and section are written first, as before any failure of the
        // loss; an infinite lining thickness would give a loss of 0.
        FueraDeRango { "revestido_e", "frmPerdidasCanales", "txtErevestido",
            kMensajeCalculoImposible,
            { "txtPrevestido", "txtQperdidorevestido", "txtQfinalrevestido",
                "txtPorcentajerevestido" },
            nullptr, "Canales revestidos" }),
    [](const auto& info) { return std::string(info.param.nombre); });

} // namespace

} // namespace
