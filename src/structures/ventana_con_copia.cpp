#include "structures/ventana_con_copia.h"

#include "frame/tabla_resultados.h"

namespace quelmora {

VentanaConCopia::VentanaConCopia(const QString& titulo)
    : VentanaCalculo(titulo)
{
    LetrasDeCopia(QStringLiteral("Ps"), QStringLiteral("Pi"));
}

void VentanaConCopia::BotonesConCopia(const QString& marcoBotones, const QString& marcoCalculadora,
    const QString& superior, const QString& inferior)
{
    Marco* botones = NuevoMarco(marcoBotones, {}, { 360, 6360, 6495, 1215 });
    const QString nombres[] = { "bCalcular", "bLimpiar", "bImprimir", "bMenuPrincipal" };
    const int izquierdas[] = { 240, 1800, 3360, 4920 };
    for (int i = 0; i < 4; ++i) {
        const Rol rol = static_cast<Rol>(i + 1);
        NuevoBoton(botones, rol, nombres[i], { izquierdas[i], 240, 1335, 855 }, TextosRol(rol));
    }
    Marco* calculadora = NuevoMarco(marcoCalculadora, {}, { 7080, 6360, 1575, 1215 });
    NuevoBoton(calculadora, Rol::Calculadora, QStringLiteral("bCalculadora"),
        { 240, 240, 1095, 855 }, TextosRol(Rol::Calculadora));

    Marco* copia = NuevoMarco(QStringLiteral("Frame5"),
        QStringLiteral("Copiar al portapapeles los resultados"), { 8880, 6360, 2775, 1215 });
    // The one frame caption of these windows in the regular weight.
    copia->TituloEnPesoNormal();
    BotonRol* botonSuperior = NuevoBoton(copia, Rol::Copia6, QStringLiteral("bResulParcialesS"),
        { 120, 240, 1215, 855 },
        { QStringLiteral("&Parciales Sup."),
            QStringLiteral("Antes de copiar seleccionar resultados parciales superior"),
            QStringLiteral("Antes de copiar, seleccionar los resultados parciales superior") },
        QStringLiteral("Ps"));
    BotonRol* botonInferior = NuevoBoton(copia, Rol::Copia7, QStringLiteral("bResulParcialesI"),
        { 1440, 240, 1215, 855 },
        { QStringLiteral("Parciales Inf."),
            QStringLiteral("Antes de copiar seleccionar resultados parciales inferior"),
            QStringLiteral("Antes de copiar, seleccionar los resultados parciales inferior") },
        QStringLiteral("Pi"));
    connect(botonSuperior, &QAbstractButton::clicked, this,
        [this, superior] { CopiarSeleccion(Grilla(superior)); });
    connect(botonInferior, &QAbstractButton::clicked, this,
        [this, inferior] { CopiarSeleccion(Grilla(inferior)); });
}

TablaResultados* VentanaConCopia::Grilla(const QString& nombre) const
{
    return ControlNombrado<TablaResultados>(this, nombre);
}

} // namespace quelmora
