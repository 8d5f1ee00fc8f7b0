#pragma once
// DiagramaResalto: the jump picture of a jump window with the labels that carry
// the rounded depths (and, where the window has one, the rounded length). The
// labels are red on a transparent background; the length label shows its
// colour only once a calculation has written it.

#include <QColor>
#include <QLabel>
#include <QPointer>

#include "critical_flow/core/calculo_resalto.h"
#include "critical_flow/dibujo_resalto.h"
#include "frame/controles.h"

namespace quelmora {

// A label over the picture: its name and place inside the picture, in twips.
struct EtiquetaDiagrama {
    QString nombre;
    Twips lugar;
};

// The two background colours of the labels.
inline const QColor kCianResalto(0, 255, 255); // &H00FFFF00&
inline const QColor kCianClaroResalto(128, 255, 255); // &H00FFFF80&

class DiagramaResalto : public QLabel {
    Q_OBJECT
public:
    // The picture box Picture1 at (izquierda, arriba) twips, 5460 x 1860.
    // longitud.nombre empty: the window shows no length.
    DiagramaResalto(QWidget* padre, SeccionResalto seccion, int izquierda, int arriba,
        const QColor& fondo, const EtiquetaDiagrama& menor, const EtiquetaDiagrama& mayor,
        const EtiquetaDiagrama& longitud = {});

    // After a calculation: the length label made opaque with "L=" and the
    // rounded length (or, with no length, transparent and empty), then the side
    // label and the two depth labels ("=" and "= " before their numbers), in
    // that order, the numbers as plain decimal text.
    void Mostrar(const ResultadoResalto& r, QLabel* lado);
    // Back to the opening state: every label empty, the length transparent.
    void Limpiar(QLabel* lado);

private:
    QLabel* NuevaEtiqueta(const EtiquetaDiagrama& e, Qt::Alignment alineacion);
    void Opaca(bool si);
    QColor fondo_;
    QPointer<QLabel> menor_, mayor_, longitud_;
};

} // namespace quelmora
