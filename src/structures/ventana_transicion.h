#pragma once
// What the two warped-transition windows (TranAlSa, TranAlEn) share: the
// calculation that writes the depth in F, the length, the reaches and the two
// grids as far as the design gets, its one failure message, the clearing and the
// copy buttons. Each window builds its own form.

#include "structures/core/transicion.h"
#include "structures/ventana_con_copia.h"

namespace quelmora {

// The shared calculation's one failure message, which both windows list in
// their descriptions.
inline constexpr const char* kMensajeErrorTransicion
    = "Para estos datos se produce error de cálculos, posiblemente se produce resalto en la "
      "transición";

class VentanaTransicion : public VentanaConCopia {
    Q_OBJECT
public:
    void Calcular() override;
    void Limpiar() override;

protected:
    VentanaTransicion(VarianteTransicion variante, const QString& titulo);

    // The inlet refuses an empty box before computing; the outlet checks nothing.
    virtual bool VerificarEntradas() { return true; }

    // The title label Label1 at the top left.
    void TituloVentana(const QString& texto);
    // The grid STV or TVE with its four centred columns, inside its frame.
    TablaResultados* NuevaGrilla(
        QWidget* marco, const QString& nombre, int filas, const Twips& lugar);
    // Both header rows, as the window sets them up.
    void Encabezados();

private:
    void EscribirResultado(const ResultadoTransicion& r);
    VarianteTransicion variante_;
};

} // namespace quelmora
