#include "datos_medicion.h"

#include <cmath>

#include "frame/descripcion.h"

using namespace quelmora;

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

// The case of a window: its description's ordinary data set at the most reaches
// a profile takes, and for a natural channel the surveyed bed of so many
// segments instead of the description's few, with the bank depth 0 of a bed
// dry at both banks.
CasoMedicion Caso(const DescripcionVentana& ventana, const QString& nombre, int segmentos)
{
    CasoMedicion caso { nombre, QString::fromUtf8(ventana.clase), {}, {}, ventana.Calcula() };
    if (!ventana.Calcula())
        return caso;
    const JuegoDatos& datos = ventana.Ordinario();
    const bool natural = datos.tramos.size() > 0;
    for (const auto& [caja, texto] : datos.cajas) {
        QString valor = QString::fromUtf8(texto);
        if (QLatin1String(caja) == "nt")
            valor = kPerfil;
        else if (natural && QLatin1String(caja) == "txtho")
            valor = QStringLiteral("0");
        caso.cajas.emplace_back(QString::fromUtf8(caja), valor);
    }
    if (natural)
        caso.tramos = Lecho(segmentos, datos.tramos.begin()->rugosidad != nullptr);
    for (const EleccionLista& eleccion : datos.listas)
        caso.listas.push_back({ QString::fromUtf8(eleccion.pagina),
            QString::fromUtf8(eleccion.lista), QString::fromUtf8(eleccion.entrada) });
    return caso;
}

std::vector<CasoMedicion> Armar()
{
    std::vector<CasoMedicion> casos;
    std::vector<const DescripcionVentana*> naturales;
    for (const DescripcionVentana* ventana : VentanasDescritas()) {
        casos.push_back(Caso(*ventana, QString::fromUtf8(ventana->clase), kTramosNaturales));
        if (ventana->Calcula() && ventana->Ordinario().tramos.size() > 0)
            naturales.push_back(ventana);
    }
    // The most segments that still finish with the outline drawn: at 499 the
    // outline is beyond its points and the calculation stops after A, P and T.
    for (const DescripcionVentana* ventana : naturales)
        casos.push_back(Caso(*ventana,
            QStringLiteral("%1 %2").arg(ventana->clase).arg(kTramosNaturalesConContorno),
            kTramosNaturalesConContorno));
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
