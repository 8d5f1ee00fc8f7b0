#include "critical_flow/diagrama_resalto.h"

#include "frame/texto_numero.h"

namespace quelmora {

DiagramaResalto::DiagramaResalto(QWidget* padre, SeccionResalto seccion, int izquierda, int arriba,
    const QColor& fondo, const EtiquetaDiagrama& menor, const EtiquetaDiagrama& mayor,
    const EtiquetaDiagrama& longitud)
    : QLabel(padre)
    , fondo_(fondo)
{
    setObjectName("Picture1");
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(2);
    setPixmap(DibujoResalto(seccion));
    setGeometry(EnPixeles({ izquierda, arriba, 5460, 1860 }));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    menor_ = NuevaEtiqueta(menor, Qt::AlignLeft | Qt::AlignVCenter);
    mayor_ = NuevaEtiqueta(mayor, Qt::AlignLeft | Qt::AlignVCenter);
    if (!longitud.nombre.isEmpty())
        longitud_ = NuevaEtiqueta(longitud, Qt::AlignCenter);
}

QLabel* DiagramaResalto::NuevaEtiqueta(const EtiquetaDiagrama& e, Qt::Alignment alineacion)
{
    auto* etiqueta = new QLabel(this);
    etiqueta->setObjectName(e.nombre);
    // Places inside the picture count from its inner edge, as the form has them.
    QRect lugar = EnPixeles(e.lugar);
    lugar.translate(lineWidth(), lineWidth());
    etiqueta->setGeometry(lugar);
    etiqueta->setAlignment(alineacion);
    QPalette paleta = etiqueta->palette();
    paleta.setColor(QPalette::WindowText, Qt::red);
    paleta.setColor(QPalette::Window, fondo_);
    etiqueta->setPalette(paleta);
    etiqueta->setAutoFillBackground(false);
    return etiqueta;
}

void DiagramaResalto::Opaca(bool si)
{
    if (longitud_)
        longitud_->setAutoFillBackground(si);
}

void DiagramaResalto::Mostrar(const ResultadoResalto& r, QLabel* lado)
{
    if (longitud_) {
        Opaca(r.conLongitud);
        longitud_->setText(
            r.conLongitud ? QStringLiteral("L=") + NumeroPlano(r.longitudDiagrama) : QString());
    }
    if (lado)
        lado->setText(r.tirantes.lado == LadoResalto::Supercritico
                ? QStringLiteral("tirante supercrítico")
                : QStringLiteral("tirante subcrítico"));
    menor_->setText(QStringLiteral("=") + NumeroPlano(r.tirantes.menor));
    mayor_->setText(QStringLiteral("= ") + NumeroPlano(r.tirantes.mayor));
}

void DiagramaResalto::Limpiar(QLabel* lado)
{
    Opaca(false);
    if (longitud_)
        longitud_->clear();
    if (lado)
        lado->clear();
    menor_->clear();
    mayor_->clear();
}

} // namespace quelmora
