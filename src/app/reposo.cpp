#include "app/reposo.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "frame/controles.h"
#include "frame/ejecucion.h"
#include "frame/ventanas.h"
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
    pasos.push_back([] { Letras(FuenteFormulario()); });
    pasos.push_back([] {
        QFont negrita = FuenteFormulario();
        negrita.setBold(true);
        Letras(negrita);
    });
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
