#include "measurement/cajas_medicion.h"

#include <QLineEdit>

#include "frame/controles.h"

namespace quelmora {

void CajasDeMedicion(QWidget* ventana)
{
    for (QLineEdit* caja : ventana->findChildren<QLineEdit*>()) {
        QFont letra = caja->font();
        letra.setBold(false);
        caja->setFont(letra);
        if (qobject_cast<CajaResultado*>(caja))
            caja->setReadOnly(false);
    }
}

} // namespace quelmora
