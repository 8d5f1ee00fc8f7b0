#pragma once
// The window type of the five profile windows: a calculation window with a final
// x–y table `g`, a partial table `grdTablaP` (not in the fixed-reach window), the
// profile graph `Graph1` and the copy buttons, sharing the count rule of the nt
// box, the sizing of the tables, the drawing of the graph and the clearing.

#include <QList>
#include <QPointF>
#include <QPointer>

#include "frame/core/numeros.h"
#include "frame/grafico_lineas.h"
#include "frame/tabla_resultados.h"
#include "frame/texto_numero.h"
#include "frame/ventana_calculo.h"
#include "varied_flow/core/perfiles.h"

namespace quelmora {

inline constexpr const char* kTextoNumeroTramos
    = "Ingresar para el número de tramos, un valor mayor que cero, o menor que 151 ";
// Bakhmeteff's, when a depth equals the normal depth: three sentences joined as
// they stand, with no blank after their full stops.
inline constexpr const char* kMensajeTiranteNormal
    = "Yreal = Yn, esto no debe ocurrir.Yreal debe ser 2% mayor o menor que Yn.es decir: "
      "Yreal=.98Yn ó Yreal=1.02Yn";

class VentanaPerfil : public VentanaCalculo {
    Q_OBJECT
public:
    explicit VentanaPerfil(const QString& titulo);

    // Writes the header rows of the tables; nothing else.
    virtual void Encabezado() = 0;
    // Empties the boxes, hides the graph, clears every cell of the tables (the
    // headers too; the row counts stay) and puts the focus on q.
    void Limpiar() override;

    TablaResultados* g() const { return g_; }
    TablaResultados* grdTablaP() const { return parcial_; }
    GraficoLineas* Graph1() const { return grafico_; }

protected:
    // The final table: 2 columns, 200 rows, both centred.
    TablaResultados* TablaFinal(QWidget* marco, const Twips& lugar);
    // The partial table with its columns, 200 rows.
    TablaResultados* TablaParcial(QWidget* padre, const Twips& lugar, int columnas);
    GraficoLineas* Grafico(const Twips& lugar, const QString& titulo);
    // Frame3 with the four role buttons, Frame4 with the calculator and Frame5
    // with the copy buttons, their tops at `arriba`. Without the partial table
    // "&Finales" stands alone in the middle of Frame5.
    void BotonesPerfil(int arriba, bool conParciales = true);
    // The change check of the nt box (VerificarNumeroTramos).
    void VigilarTramos(const QString& caja = QStringLiteral("nt"));

    // nt: the box's leading number made whole, a half to the even neighbour.
    Entero16 LeerTramos() const;
    // Reads q, b, z, s, n, y1, y2 and nt; the calculation checks them.
    void LeerDatosPerfilManning(DatosPerfilManning& d);

    // The rows of the tables become nt + 2; g, then grdTablaP, get that many.
    void DimensionarTablas(int nt);
    // The graph of the first nt + 1 points (the rows less one).
    void GraficarPerfil(const QList<QPointF>& puntos);
    // The message of a calculation that writes nothing, true when there is one:
    // the texts of the profile checks, else the shared ones.
    bool InformarFalloPerfil(FalloCalculo fallo);

private:
    int numFilas_ = 0;
    QPointer<TablaResultados> g_;
    QPointer<TablaResultados> parcial_;
    QPointer<GraficoLineas> grafico_;
};

} // namespace quelmora
