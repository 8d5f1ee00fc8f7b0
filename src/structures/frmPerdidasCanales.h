#pragma once
#include "frame/ventana_calculo.h"

class QCheckBox;
class QComboBox;
class QTabWidget;

namespace quelmora {

class TablaResultados;

class frmPerdidasCanales : public VentanaCalculo {
    Q_OBJECT
public:
    frmPerdidasCanales();
    static const DescripcionVentana kDescripcion;
    ~frmPerdidasCanales() override;
    // Dispatch by the page showing: the earth or the lined channel.
    void Calcular() override;
    void Limpiar() override;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void PaginaTierra(QWidget* pagina);
    void PaginaRevestido(QWidget* pagina);
    void ListaMateriales(QWidget* pagina, const QString& lista, const QString& cajaCoeficiente,
        const QString& etiquetaCoeficiente, int anchoCoeficiente);

    bool CalculosPrevios();
    void CalcularRevestido();
    void CalcularTierra();
    void LimpiarParciales();
    void LimpiarRevestido();
    void LimpiarTierra();
    void QuitarChequeo();
    void ContenidoPerdida();

    void cmbEtcheverry_Click();
    void cmbPunjab_Click();
    void cmbMoritz_Click();
    void cmbKostiakov_Click();
    void CmbDavisWilson_Click();
    void s_LostFocus();

    // The coefficient of the entry chosen in a list, written into its box and
    // read back from it; empty when the text is no entry of the list.
    bool CoeficienteElegido(const QString& lista, const QString& caja, double& coeficiente);
    void EscribirPerdida(int formula, double perdida, const QString& caja);
    void CalcularIngham();

    QTabWidget* SSTab1_ = nullptr;
    TablaResultados* grdPerdidas_ = nullptr;
};

} // namespace quelmora
