#include "varied_flow/ventana_perfil.h"

#include "frame/plataforma.h"

namespace quelmora {

VentanaPerfil::VentanaPerfil(const QString& titulo)
    : VentanaCalculo(titulo)
{
}

void VentanaPerfil::Limpiar()
{
    if (grafico_)
        grafico_->hide();
    if (g_)
        g_->LimpiarCeldas();
    if (parcial_)
        parcial_->LimpiarCeldas();
    VentanaCalculo::Limpiar();
}

TablaResultados* VentanaPerfil::TablaFinal(QWidget* marco, const Twips& lugar)
{
    g_ = new TablaResultados(marco, QStringLiteral("g"), lugar, 2, 200);
    // Two columns side by side fill the grid inside its scroll bar.
    g_->AnchoColumna(0, 1035);
    g_->AnchoColumna(1, 1035);
    g_->CentrarColumna(0);
    g_->CentrarColumna(1);
    return g_;
}

TablaResultados* VentanaPerfil::TablaParcial(QWidget* padre, const Twips& lugar, int columnas)
{
    parcial_ = new TablaResultados(padre, QStringLiteral("grdTablaP"), lugar, columnas, 200);
    return parcial_;
}

GraficoLineas* VentanaPerfil::Grafico(const Twips& lugar, const QString& titulo)
{
    grafico_ = new GraficoLineas(this, QStringLiteral("Graph1"), lugar, titulo);
    return grafico_;
}

void VentanaPerfil::BotonesPerfil(int arriba, bool conParciales)
{
    Marco* botones = NuevoMarco(QStringLiteral("Frame3"), {}, { 240, arriba, 6495, 1215 });
    const char* nombres[] = { "bCalcular", "bLimpiar", "bImprimir", "bMenuPrincipal" };
    const int izquierdas[] = { 240, 1800, 3360, 4920 };
    for (int i = 0; i < 4; ++i) {
        const Rol rol = static_cast<Rol>(i + 1);
        BotonRol* boton = NuevoBoton(botones, rol, QString::fromLatin1(nombres[i]),
            { izquierdas[i], 240, 1335, 855 }, TextosRol(rol));
        // bLimpiar: Limpiar, then Encabezado.
        if (rol == Rol::Limpiar)
            connect(boton, &QAbstractButton::clicked, this, [this] { Encabezado(); });
    }
    Marco* calculadora = NuevoMarco(QStringLiteral("Frame4"), {}, { 7080, arriba, 1335, 1215 });
    NuevoBoton(calculadora, Rol::Calculadora, QStringLiteral("bCalculadora"),
        { 120, 240, 1095, 855 }, TextosRol(Rol::Calculadora));
    Marco* copia = NuevoMarco(QStringLiteral("Frame5"),
        QStringLiteral("Copiar al portapapeles los resultados"), { 8760, arriba, 2775, 1215 });
    if (conParciales) {
        BotonRol* parciales = NuevoBoton(copia, Rol::Copia6, QStringLiteral("bResulParciales"),
            { 120, 240, 1215, 855 },
            { QStringLiteral("&Parciales"),
                QStringLiteral("Antes de copiar seleccionar resultados parciales"),
                QStringLiteral("Antes de copiar, seleccionar los resultados parciales") },
            QStringLiteral("P"));
        connect(parciales, &QAbstractButton::clicked, this, [this] { CopiarSeleccion(parcial_); });
    }
    BotonRol* finales = NuevoBoton(copia, Rol::Copia7, QStringLiteral("bResulFinales"),
        { conParciales ? 1440 : 840, 240, 1215, 855 },
        { QStringLiteral("&Finales"),
            QStringLiteral("Antes de copiar seleccionar resultados finales"),
            QStringLiteral("Antes de copiar, seleccionar los resultados finales") },
        QStringLiteral("F"));
    connect(finales, &QAbstractButton::clicked, this, [this] { CopiarSeleccion(g_); });
}

void VentanaPerfil::VigilarTramos(const QString& caja)
{
    CampoDato* nt = Campo(caja);
    if (!nt)
        return;
    // Tested on the number before it is made whole: 150.2 is warned about.
    connect(nt, &CampoDato::cambio, this, [this, nt] {
        const double valor = nt->valor();
        if (valor < 0.0 || valor > 150.0) {
            Beep();
            AvisoSimple(kTextoNumeroTramos, this);
        }
    });
}

Entero16 VentanaPerfil::LeerTramos() const
{
    const QLineEdit* caja = Caja(QStringLiteral("nt"));
    return caja ? LeerEntero16(caja->text().toStdString()) : Entero16 {};
}

void VentanaPerfil::LeerDatosPerfilManning(DatosPerfilManning& d)
{
    d.Q = Numero("q");
    d.b = Numero("b");
    d.Z = Numero("z");
    d.So = Numero("s");
    d.n = Numero("n");
    d.y1 = Numero("y1");
    d.y2 = Numero("y2");
    d.nt = LeerTramos();
}

void VentanaPerfil::DimensionarTablas(int nt)
{
    numFilas_ = nt + 2;
    if (g_)
        g_->PonerFilas(numFilas_);
    if (parcial_)
        parcial_->PonerFilas(numFilas_);
}

void VentanaPerfil::GraficarPerfil(const QList<QPointF>& puntos)
{
    if (grafico_)
        grafico_->Dibujar(puntos.mid(0, numFilas_ - 1));
}

bool VentanaPerfil::InformarFalloPerfil(FalloCalculo fallo)
{
    // The count is the nt box's own rule, now at "&Calcular": the points hold
    // 152 at most.
    return InformarFallo(this, fallo,
        { { FalloCalculo::DatosIncompletos, { kTextoIngresoLosDatos } },
            { FalloCalculo::AnchoTaludCero, { kTextoAnchoTalud }, true },
            { FalloCalculo::NumeroTramos, { kTextoNumeroTramos }, true },
            { FalloCalculo::TiranteNormal, { kMensajeTiranteNormal } } });
}

} // namespace quelmora
