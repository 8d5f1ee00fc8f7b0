#pragma once
// The scientific calculator window that every calculation window opens with
// "C&alculadora". Each key is one call of the engine; after every redraw of the
// display the inverse sine and cosine keys follow the value being entered.

#include <QMainWindow>
#include <memory>

#include "calculator/core/bbcalc.h"
#include "frame/descripcion.h"

class QAction;
class QPushButton;

namespace quelmora {

class PantallaCalculadora;

class frmCalculadora : public QMainWindow {
    Q_OBJECT
public:
    explicit frmCalculadora(QWidget* parent = nullptr);
    ~frmCalculadora() override;
    static const DescripcionVentana kDescripcion;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void BBCalc1_DisplayChanged();
    void cmdMem_Click(int codigo);
    void mnuEditbase_Click();

    std::unique_ptr<ServiciosCalculadora> servicios_;
    std::unique_ptr<BBCalc> BBCalc1;
    PantallaCalculadora* PicDisplay = nullptr;
    QPushButton* cmdSci_3 = nullptr;
    QPushButton* cmdSci_4 = nullptr;
    QPushButton* cmdMem_1 = nullptr;
    QAction* mnuEdit_1 = nullptr;
};

} // namespace quelmora
