#pragma once
// Tabbed calculation windows: the tab control SSTab1 and its pages. Each page,
// a PaginaCalculo, is a calculation window of its own (inputs, Enter chain,
// results, drawings, role buttons with the page's suffix, calculation and
// clearing); the window shares only StatusBar1, the picture lists, the caption
// and its one instance.
//
// A page is declared like a window, with positions in twips measured inside the
// tab control (tab row included), and added to the window's tab control:
//
//   class PaginaAncho : public PaginaCalculo {
//   public:
//       PaginaAncho() : PaginaCalculo("b")
//       {
//           Marco* datos = NuevoMarco("fraDatosb", "Datos:", {480, 600, 3495, 2055});
//           Entradas(datos, Columna{}, {{"txtqb", "Caudal (Q):", "m3/s", ..., "txtyb"}, ...});
//           ...
//           BotonesRol({480, 5400}, {8880, 5400},
//                      NombresConSufijo("b", "bMenu", "frabotonb", "Frame2"));
//       }
//       void Calcular() override;
//   };
//
//   frmVariosTrape::frmVariosTrape() : VentanaCalculo(kDescripcion.titulo)
//   {
//       NuevasPestanas({360, 360, 11175, 7095});
//       AgregarPagina(new PaginaAncho, "Cálculo del ancho solera (b)");
//       AgregarPagina(new PaginaPendiente, "Cálculo de la pendiente (S)");
//       ...
//   }

#include <QTabWidget>

#include "frame/ventana_calculo.h"

namespace quelmora {

// Role-button names of a page: "bCalcular" + sufijo and so on, the back-to-menu
// button named menu + sufijo, and the names of the two button frames.
NombresRol NombresConSufijo(const QString& sufijo, const QString& menu, const QString& marcoBotones,
    const QString& marcoCalculadora);

class PaginaCalculo;

// The tab control. Moving the mouse over its tab row or over the bare surface of
// a page gives every button of every page its normal picture; picking a page
// focuses the page's first input box.
class ControlPestanas : public QTabWidget {
    Q_OBJECT
public:
    ControlPestanas(QWidget* padre, const Twips& lugar);

    PaginaCalculo* pagina(int i) const;
    // Where a page's own origin lies inside the tab control, in pixels.
    QPoint OrigenPaginas() const;
    // Every button of every page, page by page, each page in role order.
    void RestablecerTodos();

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* e) override;
};

class PaginaCalculo : public SuperficieCalculo {
    Q_OBJECT
public:
    explicit PaginaCalculo(const QString& sufijo);
    const QString& sufijo() const { return sufijo_; }

protected:
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QString sufijo_;
};

} // namespace quelmora
