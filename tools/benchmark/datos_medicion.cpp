#include "datos_medicion.h"

#include <cmath>

#include "frame/descripcion.h"

using namespace quelmora;

namespace {

// Most reaches a profile takes.
constexpr int kTramosPerfil = 151;
// Most segments of a natural channel whose outline the section graph holds
// (300 points) with both bank depths 0: with more the calculation ends with its
// message before the discharge.
constexpr int kTramosNaturales = 299;

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

// The case of a window under its class name: exactly its description's ordinary
// data set, the boxes, the segments of the grid and the entries of the lists.
CasoMedicion Ordinario(const DescripcionVentana& ventana)
{
    CasoMedicion caso { QString::fromUtf8(ventana.clase), QString::fromUtf8(ventana.clase), {}, {},
        ventana.Calcula() };
    if (!ventana.Calcula())
        return caso;
    const JuegoDatos& datos = ventana.Ordinario();
    for (const auto& [caja, texto] : datos.cajas)
        caso.cajas.emplace_back(QString::fromUtf8(caja), QString::fromUtf8(texto));
    for (const Tramo& t : datos.tramos) {
        caso.tramos.push_back({ QString::fromUtf8(t.ancho), QString::fromUtf8(t.profundidad) });
        if (t.rugosidad)
            caso.tramos.back() << QString::fromUtf8(t.rugosidad);
    }
    for (const EleccionLista& eleccion : datos.listas)
        caso.listas.push_back({ QString::fromUtf8(eleccion.pagina),
            QString::fromUtf8(eleccion.lista), QString::fromUtf8(eleccion.entrada) });
    return caso;
}

// The ordinary case with one box's text changed, named after the window and the
// size it is calculated at.
CasoMedicion Variante(
    const DescripcionVentana& ventana, int tamano, const char* caja, const QString& texto)
{
    CasoMedicion caso = Ordinario(ventana);
    caso.nombre = QStringLiteral("%1 %2").arg(caso.clase).arg(tamano);
    for (auto& [nombre, valor] : caso.cajas)
        if (nombre == QLatin1String(caja))
            valor = texto;
    return caso;
}

std::vector<CasoMedicion> Armar()
{
    std::vector<CasoMedicion> casos;
    std::vector<const DescripcionVentana*> perfiles;
    std::vector<const DescripcionVentana*> naturales;
    for (const DescripcionVentana* ventana : VentanasDescritas()) {
        casos.push_back(Ordinario(*ventana));
        if (!ventana->Calcula())
            continue;
        if (ventana->Ordinario().Texto("nt"))
            perfiles.push_back(ventana);
        if (ventana->Ordinario().tramos.size() > 0)
            naturales.push_back(ventana);
    }
    // The largest each window calculates in full: the profiles at their most
    // reaches, the natural channels at their most segments, on a bed dry at
    // both banks (bank depth 0).
    for (const DescripcionVentana* ventana : perfiles)
        casos.push_back(Variante(*ventana, kTramosPerfil, "nt", QString::number(kTramosPerfil)));
    for (const DescripcionVentana* ventana : naturales) {
        CasoMedicion caso = Variante(*ventana, kTramosNaturales, "txtho", QStringLiteral("0"));
        caso.tramos = Lecho(kTramosNaturales, ventana->Ordinario().tramos.begin()->rugosidad);
        casos.push_back(caso);
    }
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
