#include "app/reposo.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "frame/controles.h"
#include "frame/ejecucion.h"
#include "frame/ventanas.h"
#include "measurement/dibujos_medicion.h"
#include "resources/imagenes.h"
#include "structures/dibujos_estructuras.h"

namespace quelmora {

namespace {

// Writes the letters the windows use in the face, so that the face is loaded
// and its letters drawn once into the face's own store.
void Letras(const QFont& fuente)
{
    QImage hoja(600, 24, QImage::Format_RGB32);
    QPainter pintor(&hoja);
    pintor.setFont(fuente);
    pintor.drawText(
        QPoint(0, 18), QStringLiteral("0123456789.,-+:;()=/%*&^ ABCDEFGHIJKLMNÑOPQRSTUVWXYZ"));
    pintor.drawText(
        QPoint(0, 18), QStringLiteral("abcdefghijklmnñopqrstuvwxyz áéíóúÁÉÍÓÚ¡¿ºª²³·±"));
}

QFont Negrita(QFont fuente)
{
    fuente.setBold(true);
    return fuente;
}

// The face GrillaTramos gives the segment grid. Its cells and headers take the
// style hint of the window's face; its corner caption, under the grid's style
// sheet, does not. A face differing in anything is a face loaded apart.
QFont FuenteGrilla(bool conEstilo)
{
    QFont fuente(QStringLiteral("MS Sans Serif"));
    fuente.setPointSizeF(8.25);
    if (conEstilo)
        fuente.setStyleHint(FuenteFormulario().styleHint());
    return fuente;
}

// The faces the windows write in: the forms' own, plain and bold, also at
// 9.75 pt for the natural channels' notes; the graphs' title (7 pt) and axes
// (6 pt); the segment grid's, bold too as its headers measure their captions.
QList<QFont> FuentesDeLasVentanas()
{
    return { FuenteFormulario(), Negrita(FuenteFormulario()), FuenteFormulario(9.75),
        Negrita(FuenteFormulario(9.75)), FuenteFormulario(7.0), FuenteFormulario(6.0),
        FuenteGrilla(true), Negrita(FuenteGrilla(true)), FuenteGrilla(false) };
}

std::vector<std::function<void()>> Pasos()
{
    std::vector<std::function<void()>> pasos;
    for (int rol = 1; rol <= 5; ++rol)
        pasos.push_back([rol] { ImagenBoton(rol, false); });
    for (const char* letras : { "P", "F", "Ps", "Pi" })
        pasos.push_back([letras] { ImagenDisco(QString::fromLatin1(letras), false); });
    for (FiguraSeccion figura : { FiguraSeccion::Trapecio, FiguraSeccion::Rectangulo,
             FiguraSeccion::Triangulo, FiguraSeccion::Circulo })
        pasos.push_back([figura] { DibujoSeccion(figura); });
    pasos.push_back([] { DibujoTransicion(true); });
    pasos.push_back([] { DibujoTransicion(false); });
    pasos.push_back([] { DibujoVertederoLateral(); });
    pasos.push_back([] { DibujoCanalTierra(); });
    pasos.push_back([] { DibujoCanalRevestido(); });
    pasos.push_back([] { DibujoEsquemaCanalNatural(false); });
    pasos.push_back([] { DibujoEsquemaCanalNatural(true); });
    for (const QFont& fuente : FuentesDeLasVentanas())
        pasos.push_back([fuente] { Letras(fuente); });
    return pasos;
}

// Whether the work has been queued in this run.
struct PreparacionPedida {
    bool pedida = false;
};

void Siguiente(std::shared_ptr<std::vector<std::function<void()>>> pasos, size_t i)
{
    if (i >= pasos->size())
        return;
    (*pasos)[i]();
    QTimer::singleShot(0, [pasos, i] { Siguiente(pasos, i + 1); });
}

} // namespace

void PrepararEnReposo()
{
    bool& pedida = ValoresDeLaEjecucion().De<PreparacionPedida>().pedida;
    if (pedida)
        return;
    pedida = true;
    auto pasos = std::make_shared<std::vector<std::function<void()>>>(Pasos());
    QTimer::singleShot(0, [pasos] { Siguiente(pasos, 0); });
}

} // namespace quelmora
