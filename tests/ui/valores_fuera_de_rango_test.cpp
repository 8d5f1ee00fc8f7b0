// A value typed beyond the number range (1E400 reads as infinity) in a box the
// calculation divides by: the window ends the calculation with its failure
// message instead of writing the 0 that dividing by infinity gives.

#include "conductor.h"

namespace {

namespace {

struct FueraDeRango {
    const char* nombre;
    const char* clase;
    std::vector<std::pair<const char*, const char*>> datos;
    std::vector<std::pair<const char*, const char*>> tramos; // natural-channel segments
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
    for (const auto& [caja, texto] : f.datos)
        Escribir(w, caja, texto);
    std::vector<QStringList> tramos;
    for (const auto& [l, h] : f.tramos)
        tramos.push_back({ l, h });
    if (!tramos.empty())
        EscribirTramos(w, tramos);
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
    ::testing::Values(
        FueraDeRango { "qtrape_n", "qtrape",
            { { "y", "1" }, { "b", "1" }, { "z", "1" }, { "n", "1E400" }, { "s", "0.001" } }, {},
            kMensajeCalculoImposible, { "q", "a", "v", "tf" } },
        FueraDeRango { "qpara_n", "qpara",
            { { "y", "0.5" }, { "t", "2" }, { "n", "1E400" }, { "s", "0.001" } }, {},
            kMensajeCalculoImposible, { "q", "a", "tf" } },
        FueraDeRango { "qcir_n", "qcir",
            { { "y", "0.5" }, { "d", "1" }, { "n", "1E400" }, { "s", "0.001" } }, {},
            kMensajeCalculoImposible, { "q", "a", "tf" } },
        // yn/S would make every length of the profile 0.
        FueraDeRango { "crbak_s", "crbak",
            { { "q", "10" }, { "b", "3" }, { "z", "1.5" }, { "s", "1E400" }, { "yn", "1.45" },
                { "yc", "0.89" }, { "y1", "2.5" }, { "y2", "1.8" }, { "nt", "5" } },
            {}, kMensajeCalculoImposible, {}, "g" },
        // C = R^(1/6)/n would be 0, and yn/S too.
        FueraDeRango { "crbresse_n", "crbresse",
            { { "q", "5" }, { "b", "10" }, { "s", "0.0005" }, { "n", "1E400" }, { "yn", "1.2" },
                { "y1", "2" }, { "y2", "1.4" }, { "nt", "6" } },
            {}, kMensajeCalculoImposible, {}, "g" },
        FueraDeRango { "crbresse_s", "crbresse",
            { { "q", "5" }, { "b", "10" }, { "s", "1E400" }, { "n", "0.025" }, { "yn", "1.2" },
                { "y1", "2" }, { "y2", "1.4" }, { "nt", "6" } },
            {}, kMensajeCalculoImposible, {}, "g" },
        // The section is written before the discharge step fails, as with any
        // failure of that step; the discharge and what follows stay empty.
        FueraDeRango { "natural_n", "frmQNaturalNConstante",
            { { "txtS", "0.001" }, { "txtn", "1E400" }, { "txtho", "1" } }, { { "2", "1" } },
            kValoresInadecuados, { "txtQ", "txtV", "txtFroude", "txtTipoFlujo" } },
        // An infinite area at section C would give it a velocity head of 0.
        FueraDeRango { "TranAlEn_zc", "TranAlEn",
            { { "q", "1.5" }, { "bc", "1" }, { "BF", "2.6" }, { "zc", "1E400" }, { "ZF", "2" },
                { "yc", "0.8" }, { "hz", "0.04" }, { "k", "0.1" } },
            {}, kErrorTransicion, { "YF", "LT", "NT" }, "STV" },
        FueraDeRango { "TranAlSa_zc", "TranAlSa",
            { { "q", "2" }, { "bc", "2.5" }, { "BF", "1.8" }, { "zc", "1E400" }, { "ZF", "0" },
                { "yc", "0.9" }, { "hz", "0.05" }, { "k", "0.2" } },
            {}, kErrorTransicion, { "YF", "LT", "NT" }, "STV" },
        // Infinite roughness would start the march with a discharge of 0.
        FueraDeRango { "vertedero_n", "frmVertederoLateral",
            { { "txty", "1" }, { "txtb", "2" }, { "txtZ", "1" }, { "txtn", "1E400" },
                { "txtS", "0.001" }, { "txtU", "0.6" }, { "txtL", "1" }, { "txtNt", "2" } },
            {}, kMensajeCalculoImposible, {}, "grdDatosVerte01" },
        // The depth and section are written first, as before any failure of the
        // loss; an infinite lining thickness would give a loss of 0.
        FueraDeRango { "revestido_e", "frmPerdidasCanales",
            { { "q", "1" }, { "b", "1" }, { "z", "1" }, { "n", "0.014" }, { "s", "0.001" },
                { "txtL", "2" }, { "txtErevestido", "1E400" } },
            {}, kMensajeCalculoImposible,
            { "txtPrevestido", "txtQperdidorevestido", "txtQfinalrevestido",
                "txtPorcentajerevestido" },
            nullptr, "Canales revestidos" }),
    [](const auto& info) { return std::string(info.param.nombre); });

} // namespace

} // namespace
