#include "datos_medicion.h"

#include <cmath>

namespace {

// Most reaches a profile takes.
constexpr int kTramosPerfil = 151;
// Most segments a natural channel takes, and most that still draw the whole
// outline (the surface point and one point per segment, within 300).
constexpr int kTramosNaturales = 499;
constexpr int kTramosNaturalesConContorno = 299;

const QString kPerfil = QString::number(kTramosPerfil);

// A surveyed bed 0.1 m a segment, deepest (2 m) in the middle and dry at both
// banks; the composite channel's roughness varies from segment to segment.
std::vector<QStringList> Lecho(int segmentos, bool conRugosidad)
{
    std::vector<QStringList> filas;
    for (int i = 1; i <= segmentos; ++i) {
        const double h = i == segmentos ? 0.0 : 2.0 * std::sin(M_PI * i / segmentos);
        QStringList fila { QStringLiteral("0.1"), QString::number(h, 'f', 4) };
        if (conRugosidad)
            fila << QString::number(0.025 + 0.005 * (i % 3), 'f', 3);
        filas.push_back(fila);
    }
    return filas;
}

std::vector<CasoMedicion> Armar()
{
    using Cajas = std::vector<std::pair<QString, QString>>;
    const Cajas constante { { "txtS", "0.001" }, { "txtn", "0.02" }, { "txtho", "0" } };
    const Cajas compuesta { { "txtS", "0.0005" }, { "txtho", "0" }, { "txtvo", "0.04" },
        { "txtnf", "0.05" } };
    std::vector<CasoMedicion> casos {
        { "menuprin", "menuprin", {}, {}, false },
        { "Acerca", "Acerca", {}, {}, false },
        { "frmCalculadora", "frmCalculadora", {}, {}, false },
        { "yntrape", "yntrape",
            { { "q", "1" }, { "b", "1" }, { "z", "1" }, { "n", "0.015" }, { "s", "0.001" } } },
        { "ynpara", "ynpara", { { "q", "1" }, { "t", "2" }, { "n", "0.015" }, { "s", "0.001" } } },
        { "yncir", "yncir", { { "q", "0.5" }, { "d", "1" }, { "n", "0.015" }, { "s", "0.001" } } },
        { "ynmaxef", "ynmaxef",
            { { "q", "1" }, { "z", "1" }, { "n", "0.015" }, { "s", "0.001" } } },
        { "ynmininf", "ynmininf",
            { { "q", "1" }, { "z", "1" }, { "n", "0.015" }, { "s", "0.001" } } },
        { "qtrape", "qtrape",
            { { "y", "1" }, { "b", "1" }, { "z", "1" }, { "n", "0.015" }, { "s", "0.001" } } },
        { "qpara", "qpara", { { "y", "0.5" }, { "t", "2" }, { "n", "0.015" }, { "s", "0.001" } } },
        { "qcir", "qcir", { { "y", "0.5" }, { "d", "1" }, { "n", "0.015" }, { "s", "0.001" } } },
        { "yctrape", "yctrape", { { "q", "1" }, { "b", "1" }, { "z", "1" } } },
        { "ycpara", "ycpara", { { "q", "1" }, { "t", "2" } } },
        { "yccir", "yccir", { { "q", "0.5" }, { "d", "1" } } },
        { "rhrectan", "rhrectan", { { "q", "2" }, { "b", "1" }, { "y", "0.3" } } },
        { "rhtrape", "rhtrape", { { "q", "2" }, { "y", "0.3" }, { "b", "1" }, { "z", "1" } } },
        { "rhpara", "rhpara", { { "q", "1" }, { "y", "0.2" }, { "t", "2" } } },
        { "rhcir", "rhcir", { { "q", "0.5" }, { "y1", "0.2" }, { "d", "1" } } },
        { "crinte", "crinte",
            { { "q", "10" }, { "b", "3" }, { "z", "1.5" }, { "s", "0.0008" }, { "n", "0.02" },
                { "y1", "2.5" }, { "y2", "2" }, { "nt", kPerfil } } },
        { "crdirtra", "crdirtra",
            { { "q", "10" }, { "b", "3" }, { "z", "1.5" }, { "s", "0.0008" }, { "n", "0.02" },
                { "y1", "2.5" }, { "y2", "2" }, { "nt", kPerfil } } },
        { "crtrafij", "crtrafij",
            { { "q", "10" }, { "b", "3" }, { "z", "1.5" }, { "s", "0.0008" }, { "n", "0.02" },
                { "yi", "2.5" }, { "nt", kPerfil }, { "dx", "-100" } } },
        { "crbak", "crbak",
            { { "q", "10" }, { "b", "3" }, { "z", "1.5" }, { "s", "0.0008" }, { "yn", "1.45" },
                { "yc", "0.89" }, { "y1", "2.5" }, { "y2", "1.8" }, { "nt", kPerfil } } },
        { "crbresse", "crbresse",
            { { "q", "5" }, { "b", "10" }, { "s", "0.0005" }, { "n", "0.025" }, { "yn", "1.2" },
                { "y1", "2" }, { "y2", "1.4" }, { "nt", kPerfil } } },
        { "TranAlSa", "TranAlSa",
            { { "q", "2" }, { "bc", "2.5" }, { "BF", "1.8" }, { "zc", "1.5" }, { "ZF", "0" },
                { "yc", "0.9" }, { "hz", "0.05" } } },
        { "TranAlEn", "TranAlEn",
            { { "q", "1.5" }, { "bc", "1" }, { "BF", "2.6" }, { "zc", "0" }, { "ZF", "2" },
                { "yc", "0.8" }, { "hz", "0.04" } } },
        { "frmVertederoLateral", "frmVertederoLateral",
            { { "txty", "1" }, { "txtb", "2" }, { "txtZ", "1" }, { "txtn", "0.015" },
                { "txtS", "0.001" }, { "txtU", "0.6" }, { "txtL", "1" }, { "txtNt", "2" } } },
        { "frmQNaturalNConstante", "frmQNaturalNConstante", constante,
            Lecho(kTramosNaturales, false) },
        { "frmQNaturalRugCompuesta", "frmQNaturalRugCompuesta", compuesta,
            Lecho(kTramosNaturales, true) },
        { "frmCompuerta", "frmCompuerta",
            { { "txtb", "2" }, { "txty1", "1.5" }, { "txta", "0.3" }, { "txtao", "0.05" },
                { "txtho", "2" } } },
        { "frmVertederos", "frmVertederos",
            { { "txtL", "2" }, { "txth", "0.3" }, { "txtn", "2" }, { "txtLt", "1" },
                { "txtHt", "0.2" }, { "txthtri", "0.3" } } },
        { "frmVariosTrape", "frmVariosTrape",
            { { "txtqb", "1.5" }, { "txtyb", "0.8" }, { "txtzb", "1" }, { "txtnb", "0.014" },
                { "txtsb", "0.001" }, { "txtqs", "1.5" }, { "txtys", "0.8" }, { "txtbs", "1" },
                { "txtzs", "1" }, { "txtns", "0.014" }, { "txtqn", "1.5" }, { "txtyn", "0.8" },
                { "txtbn", "1" }, { "txtzn", "1" }, { "txtsn", "0.001" } } },
        { "frmRelayd", "frmRelayd",
            { { "txtq", "0.5" }, { "txtyd", "0.5" }, { "txtn", "0.013" }, { "txts", "0.001" } } },
        { "frmOtrosCir", "frmOtrosCir",
            { { "txtqs", "0.3" }, { "txtys", "0.5" }, { "txtds", "1" }, { "txtns", "0.013" },
                { "txtqn", "0.3" }, { "txtyn", "0.5" }, { "txtdn", "1" },
                { "txtsn", "0.000626" } } },
        { "frmPerdidasCanales", "frmPerdidasCanales",
            { { "q", "1" }, { "b", "1" }, { "z", "1" }, { "n", "0.014" }, { "s", "0.001" },
                { "txtL", "2" }, { "txtErevestido", "0.1" } },
            {}, true,
            { { "Etcheverry", "cmbEtcheverry", "Arcillosos" },
                { "Punjab", "cmbPunjab", "Suelos comunes (medios)" },
                { "Moritz", "cmbMoritz", "Franco arcilloso ordinario, limo" },
                { "Pavlovski - Kostiakov", "cmbKostiakov", "Tierra arenosa" },
                { "Davis - Wilson", "CmbDavisWilson", "Suelo arcilloso" } } },
    };
    // The most segments that still finish with the outline drawn: at 499 the
    // outline is beyond its points and the calculation stops after A, P and T.
    const QString sufijo = QStringLiteral(" %1").arg(kTramosNaturalesConContorno);
    casos.push_back({ "frmQNaturalNConstante" + sufijo, "frmQNaturalNConstante", constante,
        Lecho(kTramosNaturalesConContorno, false) });
    casos.push_back({ "frmQNaturalRugCompuesta" + sufijo, "frmQNaturalRugCompuesta", compuesta,
        Lecho(kTramosNaturalesConContorno, true) });
    return casos;
}

} // namespace

const std::vector<CasoMedicion>& CasosMedicion()
{
    static const std::vector<CasoMedicion> casos = Armar();
    return casos;
}

const CasoMedicion* BuscarCaso(const QString& nombre)
{
    for (const CasoMedicion& c : CasosMedicion())
        if (c.nombre == nombre)
            return &c;
    return nullptr;
}
