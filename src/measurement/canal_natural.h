#pragma once
// What the two natural-channel windows (constant and composite roughness) have
// in common: the segment grid inside the "Datos:" frame, the data-entry sketch,
// the section graph, the results frame, the calculation under its one message
// and the clearing that puts the bank boxes back to "0".

#include <vector>

#include "frame/ventana_calculo.h"
#include "measurement/core/seccion_natural.h"

namespace quelmora {

class GraficoLineas;
class GrillaTramos;

// The trap's one message.
inline constexpr const char* kTextoValoresInadecuados
    = "Ingresó valores inadecuados. ¡Hacer la corrección correspondiente!";

class VentanaCanalNatural : public VentanaCalculo {
    Q_OBJECT
public:
    GrillaTramos* grilla() const { return grilla_; }

    // Draws the outline in Graph1 and shows it.
    void GraficarSeccion(const std::vector<PuntoSeccion>& contorno);
    // Clears and hides Graph1.
    void LimpiarGrafico();
    // Empties the results and the slope (and roughness) boxes, puts "0" back into
    // the bank boxes and gives the focus to txtS.
    void IniciarResto();

    void Calcular() override;
    // IniciarGrid, IniciarResto, LimpiarGrafico.
    void Limpiar() override;

protected:
    // Where the parts that both windows have lie (twips).
    struct Disposicion {
        int anchoColumna; // each data column of the grid
        QPoint grilla; // inside the "Datos:" frame
        int izquierdaDerecha; // left of the sketch, its caption and the graph
        int izquierdaResultados;
    };

    explicit VentanaCanalNatural(const QString& titulo, bool rugosidadCompuesta);

    // The notes above the data frame.
    void Encabezados();
    // The grid in the data frame; Enter from the bank boxes leads into it.
    void ArmarGrilla(QWidget* datos, const Disposicion& disposicion);
    // Sketch, graph, results, buttons; the fourth result of the left column.
    void ArmarComun(const Disposicion& disposicion, const Resultado& cuarto);
    // A data box with its label and unit label inside the frame.
    CampoDato* Dato(QWidget* marco, const QString& nombre, const QString& etiqueta,
        const QString& unidad, int arriba, int izquierdaUnidad, const QString& estado,
        const QString& siguiente, const QString& texto = {});
    // The box selects its own text whenever it gets the focus.
    void SeleccionarAlRecibirFoco(QLineEdit* caja);

private:
    bool compuesta_;
    GrillaTramos* grilla_ = nullptr;
    GraficoLineas* Graph1 = nullptr;
};

} // namespace quelmora
