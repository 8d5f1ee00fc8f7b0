#include "frame/tabla_resultados.h"

#include <QHeaderView>

#include "frame/plataforma.h"

namespace quelmora {

TablaResultados::TablaResultados(
    QWidget* padre, const QString& nombre, const Twips& lugar, int columnas, int filas)
    : QTableWidget(padre)
{
    setObjectName(nombre);
    setGeometry(EnPixeles(lugar));
    setColumnCount(columnas);
    alineaciones_.fill(Qt::AlignLeft | Qt::AlignVCenter, columnas);
    setHorizontalHeaderLabels(QStringList(columnas, QString()));
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(Pixeles(240));
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setDefaultSectionSize(Pixeles(975));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    PonerFilas(filas);
    if (rowCount() > 0)
        setCurrentCell(0, 0);
}

void TablaResultados::PonerFilas(int filas) { setRowCount(filas > 1 ? filas - 1 : 0); }

void TablaResultados::PonerTexto(int fila, int columna, const QString& texto)
{
    if (columna < 0 || columna >= columnCount() || fila < 0 || fila > rowCount())
        return;
    if (fila == 0) {
        QTableWidgetItem* cabecera = horizontalHeaderItem(columna);
        if (!cabecera) {
            cabecera = new QTableWidgetItem;
            setHorizontalHeaderItem(columna, cabecera);
        }
        cabecera->setText(texto);
        cabecera->setTextAlignment(alineaciones_[columna]);
        cabeceraEscrita_ = true;
        return;
    }
    if (QTableWidgetItem* celda = item(fila - 1, columna)) {
        celda->setText(texto);
        return;
    }
    // A new cell goes in whole, so that the grid hears of it once: a profile
    // writes over a thousand cells.
    auto* celda = new QTableWidgetItem(texto);
    celda->setTextAlignment(alineaciones_[columna]);
    setItem(fila - 1, columna, celda);
}

QString TablaResultados::Texto(int fila, int columna) const
{
    if (columna < 0 || columna >= columnCount() || fila < 0 || fila > rowCount())
        return {};
    const QTableWidgetItem* celda
        = fila == 0 ? horizontalHeaderItem(columna) : item(fila - 1, columna);
    return celda ? celda->text() : QString();
}

void TablaResultados::AnchoColumna(int columna, int twips)
{
    setColumnWidth(columna, Pixeles(twips));
}

void TablaResultados::CentrarColumna(int columna)
{
    if (columna < 0 || columna >= columnCount())
        return;
    alineaciones_[columna] = Qt::AlignCenter;
    if (QTableWidgetItem* cabecera = horizontalHeaderItem(columna))
        cabecera->setTextAlignment(Qt::AlignCenter);
    for (int fila = 0; fila < rowCount(); ++fila)
        if (QTableWidgetItem* celda = item(fila, columna))
            celda->setTextAlignment(Qt::AlignCenter);
}

void TablaResultados::LimpiarCeldas()
{
    for (int columna = 0; columna < columnCount(); ++columna)
        if (QTableWidgetItem* cabecera = horizontalHeaderItem(columna))
            cabecera->setText(QString());
    for (int fila = 0; fila < rowCount(); ++fila)
        for (int columna = 0; columna < columnCount(); ++columna)
            if (QTableWidgetItem* celda = item(fila, columna))
                celda->setText(QString());
}

QString TablaResultados::TextoSeleccion() const
{
    int arriba, abajo, izquierda, derecha;
    const auto bloques = selectedRanges();
    if (!bloques.isEmpty()) {
        // One block at a time, as the selection is contiguous.
        const QTableWidgetSelectionRange& b = bloques.first();
        arriba = b.topRow();
        abajo = b.bottomRow();
        izquierda = b.leftColumn();
        derecha = b.rightColumn();
    } else {
        if (currentRow() < 0 || currentColumn() < 0)
            return {};
        arriba = abajo = currentRow();
        izquierda = derecha = currentColumn();
    }
    QStringList lineas;
    for (int fila = arriba; fila <= abajo; ++fila) {
        QStringList celdas;
        for (int columna = izquierda; columna <= derecha; ++columna)
            celdas << Texto(fila + 1, columna);
        lineas << celdas.join(QLatin1Char('\t'));
    }
    return lineas.join(QLatin1Char('\r'));
}

EscrituraEnBloque::EscrituraEnBloque(TablaResultados* grilla)
    : grilla_(grilla)
{
    if (!grilla_)
        return;
    yaBloqueada_ = grilla_->model()->blockSignals(true);
    if (!yaBloqueada_)
        grilla_->cabeceraEscrita_ = false;
}

EscrituraEnBloque::~EscrituraEnBloque()
{
    if (!grilla_)
        return;
    QAbstractItemModel* modelo = grilla_->model();
    modelo->blockSignals(yaBloqueada_);
    if (yaBloqueada_)
        return;
    const int filas = grilla_->rowCount(), columnas = grilla_->columnCount();
    // The header row is painted again only when one of its cells was written.
    if (grilla_->cabeceraEscrita_ && columnas > 0)
        emit modelo->headerDataChanged(Qt::Horizontal, 0, columnas - 1);
    if (filas > 0 && columnas > 0)
        emit modelo->dataChanged(modelo->index(0, 0), modelo->index(filas - 1, columnas - 1));
}

void CopiarSeleccion(const TablaResultados* grilla)
{
    if (!grilla)
        return;
    const QString texto = grilla->TextoSeleccion();
    plataforma().limpiarPortapapeles();
    plataforma().ponerTextoPortapapeles(texto);
}

} // namespace quelmora
