#include "app/reposo.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QTimer>
#include <cstddef>
#include <cstdlib>
#include <functional>
#include <malloc.h>
#include <memory>
#include <unistd.h>
#include <utility>
#include <vector>

#include "frame/controles.h"
#include "frame/ejecucion.h"
#include "frame/filas_pestanas.h"
#include "frame/ventanas.h"
#include "measurement/dibujos_medicion.h"
#include "measurement/grilla_tramos.h"
#include "resources/imagenes.h"
#include "structures/dibujos_estructuras.h"

namespace quelmora {

namespace {

// Writes the letters the windows use in the face, so that the face is loaded
// and its letters drawn into the face's own store. A letter is drawn apart for
// each quarter of a pixel it may start at, so each line is written four times,
// a quarter pixel further each time.
void Letras(const QFont& fuente)
{
    QImage hoja(600, 24, QImage::Format_RGB32);
    QPainter pintor(&hoja);
    pintor.setFont(fuente);
    for (double x : { 0.0, 0.25, 0.5, 0.75 }) {
        pintor.drawText(
            QPointF(x, 18), QStringLiteral("0123456789.,-+:;()=/%*&^ ABCDEFGHIJKLMNÑOPQRSTUVWXYZ"));
        pintor.drawText(
            QPointF(x, 18), QStringLiteral("abcdefghijklmnñopqrstuvwxyz áéíóúÁÉÍÓÚ¡¿ºª²³·±"));
    }
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
    QFont fuente = LetraGrillaTramos();
    if (conEstilo)
        fuente.setStyleHint(FuenteFormulario().styleHint());
    return fuente;
}

// The faces the windows write in: the forms' own, plain and bold, also at
// 9.75 pt for the natural channels' notes; the graphs' title (7 pt) and axes
// (6 pt); the segment grid's, bold too as its headers measure their captions;
// and the form's face narrowed for the labels too wide for their place, which
// overflow by a few hundredths and settle between 95 and 99 % of it.
QList<QFont> FuentesDeLasVentanas()
{
    QList<QFont> fuentes { FuenteFormulario(), Negrita(FuenteFormulario()), FuenteFormulario(9.75),
        Negrita(FuenteFormulario(9.75)), FuenteFormulario(7.0), FuenteFormulario(6.0),
        FuenteGrilla(true), Negrita(FuenteGrilla(true)), FuenteGrilla(false) };
    for (int estiramiento = 95; estiramiento <= 99; ++estiramiento)
        fuentes << ConEstiramiento(FuenteFormulario(), estiramiento);
    return fuentes;
}

// The faces a row of tabs measures a caption too wide for its tab in: at each
// smaller size as it is and at the narrowest stretch. Few are drawn in, but
// each is a face to look up at the first showing of the window; those drawn in
// already are not looked up again.
QList<QFont> FuentesQueSeMiden()
{
    QList<QFont> fuentes { ConEstiramiento(FuenteFormulario(), kEstiramientoMenor) };
    for (double puntos : TamanosMenoresPestana(FuenteFormulario().pointSizeF()))
        fuentes << FuenteFormulario(puntos)
                << ConEstiramiento(FuenteFormulario(puntos), kEstiramientoMenor);
    return fuentes;
}

// A window's memory is fresh memory, and the first touch of each fresh page
// costs a fault: the screen image of a 792 × 537 window alone is over 400 pages,
// and on a virtual machine a fault can take several microseconds. So the
// allocator takes blocks of that size from its heap instead of from pages of
// their own, and keeps what it frees there instead of handing it back; and the
// heap is grown now by as much as a window takes and touched page by page, a
// quarter at a step, so that the window opened next finds its memory ready.
constexpr int kMayorBloqueDelMonton = 8 << 20;
constexpr int kLibreQueSeConserva = 16 << 20;
constexpr std::size_t kReserva = 4 << 20;
constexpr std::size_t kCuarto = kReserva / 4;

// The block the heap grows by; freed at the last step, or with the steps should
// the run end before it.
struct Reserva {
    char* bloque = nullptr;
    ~Reserva() { std::free(bloque); }
};

void ReservarMemoria(std::vector<std::function<void()>>& pasos)
{
    auto reserva = std::make_shared<Reserva>();
    pasos.push_back([reserva] {
        mallopt(M_MMAP_THRESHOLD, kMayorBloqueDelMonton);
        mallopt(M_TRIM_THRESHOLD, kLibreQueSeConserva);
        reserva->bloque = static_cast<char*>(std::malloc(kReserva));
    });
    for (std::size_t desde = 0; desde < kReserva; desde += kCuarto)
        pasos.push_back([reserva, desde] {
            if (!reserva->bloque)
                return;
            const auto pagina = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
            volatile char* cuarto = reserva->bloque + desde;
            for (std::size_t i = 0; i < kCuarto; i += pagina)
                cuarto[i] = 0;
        });
    pasos.push_back([reserva] { std::free(std::exchange(reserva->bloque, nullptr)); });
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
    const QList<QFont> dibujadas = FuentesDeLasVentanas();
    for (const QFont& fuente : dibujadas)
        pasos.push_back([fuente] { Letras(fuente); });
    for (const QFont& fuente : FuentesQueSeMiden())
        if (!dibujadas.contains(fuente))
            pasos.push_back([fuente] { QFontMetrics(fuente).horizontalAdvance(QLatin1Char('0')); });
    ReservarMemoria(pasos);
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
