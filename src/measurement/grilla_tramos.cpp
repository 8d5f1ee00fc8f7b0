#include "measurement/grilla_tramos.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>
#include <cctype>
#include <charconv>

#include "frame/controles.h"
#include "frame/texto_numero.h"

namespace quelmora {

namespace {

// Sizes of the grid, in twips.
constexpr int kAnchoEtiquetas = 700;
constexpr int kAltoEncabezado = 340;
constexpr int kAltoFila = 240;
constexpr int kMargenAncho = 300; // room for the scroll bar
constexpr int kFilasVisibles = 12;

const QString kEstadoEditor
    = QStringLiteral("Para introducir o modificar datos, digitarlos y luego presionar ENTER");
const QString kEntradaActual = QStringLiteral("[->]");
const QString kEntradaEnEspera = QStringLiteral("[?]");

// A cell the program writes: at least one digit before the point, one to eight
// after it.
const char* const kMascaraCelda = "0.0#######";
const char* const kMascaraEditor = "#0.0#######";

// Whether the whole text, blanks around it aside, is one number: such a cell is
// rewritten through the mask when the editor opens on it; any other text is
// taken as it stands.
bool EsNumero(const QString& texto)
{
    std::string limpio = texto.trimmed().toStdString();
    if (!limpio.empty() && limpio.front() == '+')
        limpio.erase(0, 1);
    // Words such as "inf" or "nan" are text, not numbers: a number starts with a
    // digit or its decimal point.
    const std::size_t cifra = !limpio.empty() && limpio.front() == '-' ? 1 : 0;
    if (cifra >= limpio.size()
        || !(std::isdigit(static_cast<unsigned char>(limpio[cifra])) || limpio[cifra] == '.'
            || limpio[cifra] == ','))
        return false;
    // The decimal comma is a point; a text with two of them is no number.
    std::replace(limpio.begin(), limpio.end(), ',', '.');
    double valor = 0;
    const auto fin = limpio.data() + limpio.size();
    const auto [resto, error] = std::from_chars(limpio.data(), fin, valor);
    return error == std::errc() && resto == fin;
}

// The character code a key gives the grid, or -1 for a key that is no character
// (arrows, paging, Tab, Delete): those keep the grid's own handling.
int CodigoCaracter(const QKeyEvent* tecla)
{
    switch (tecla->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return -1;
    default:
        break;
    }
    const QString texto = tecla->text();
    if (texto.size() != 1)
        return -1;
    const int codigo = texto.at(0).unicode();
    return codigo == 127 ? -1 : codigo;
}

} // namespace

QFont LetraGrillaTramos()
{
    QFont letra(QStringLiteral("MS Sans Serif"));
    letra.setPointSizeF(8.25);
    return letra;
}

GrillaTramos::GrillaTramos(
    QWidget* marco, int columnasDatos, int anchoColumna, int izquierda, int superior)
    : QObject(marco)
    , marco(marco)
    , grdt(new QTableWidget(marco))
    , txtt(new QLineEdit(marco))
    , esquina(nullptr)
    , mnuEdicion(new QMenu(QStringLiteral("Edición"), marco))
    , columnasDatos(columnasDatos)
    , anchoColumna(anchoColumna)
{
    const QFont letra = LetraGrillaTramos();

    grdt->setObjectName(QStringLiteral("grdt"));
    grdt->setFont(letra);
    grdt->move(Pixeles(izquierda), Pixeles(superior));
    grdt->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdt->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grdt->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grdt->setTabKeyNavigation(false);
    grdt->setWordWrap(false);
    grdt->setStyleSheet(QStringLiteral("QTableWidget { gridline-color: rgb(192, 192, 192); "
                                       "background-color: rgb(192, 192, 192); }"));
    grdt->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdt->verticalHeader()->setMinimumSectionSize(Pixeles(kAltoFila));
    grdt->verticalHeader()->setDefaultSectionSize(Pixeles(kAltoFila));
    grdt->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grdt->verticalHeader()->setFixedWidth(Pixeles(kAnchoEtiquetas));
    grdt->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdt->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grdt->horizontalHeader()->setFixedHeight(Pixeles(kAltoEncabezado));
    grdt->horizontalHeader()->setHighlightSections(false);
    grdt->verticalHeader()->setHighlightSections(false);
    grdt->setCornerButtonEnabled(false);

    // The header's first cell reads "Tramo" over the label column.
    esquina = new QLabel(QStringLiteral("Tramo"), grdt);
    esquina->setAlignment(Qt::AlignCenter);
    esquina->setFont(letra);

    txtt->setObjectName(QStringLiteral("txtt"));
    txtt->setToolTip(QStringLiteral("Para ingresar dato presionar Enter"));
    txtt->setMouseTracking(true);
    txtt->setFrame(false);
    txtt->hide();

    mnuEdicion->setObjectName(QStringLiteral("mnuEdicion"));
    mnuEditInsertar = mnuEdicion->addAction(QStringLiteral("Insertar Fila"));
    mnuEditInsertar->setObjectName(QStringLiteral("mnuEditInsertar"));
    QAction* raya = mnuEdicion->addSeparator();
    raya->setObjectName(QStringLiteral("mnuEditraya1"));
    mnuEditEliminar = mnuEdicion->addAction(QStringLiteral("Eliminar Fila"));
    mnuEditEliminar->setObjectName(QStringLiteral("mnuEditEliminar"));
    connect(mnuEditInsertar, &QAction::triggered, this, &GrillaTramos::insertarFila);
    connect(mnuEditEliminar, &QAction::triggered, this, &GrillaTramos::eliminarFila);

    grdt->installEventFilter(this);
    grdt->viewport()->installEventFilter(this);
    grdt->horizontalHeader()->viewport()->installEventFilter(this);
    grdt->verticalHeader()->viewport()->installEventFilter(this);
    txtt->installEventFilter(this);

    // Marker rule after every change of the current cell. A pending edit is
    // committed first, into the cell it was opened on, so that a value typed
    // before the cell changes or the grid scrolls is never lost.
    connect(grdt, &QTableWidget::currentCellChanged, this, [this] {
        confirmarEdicion();
        marcarFilaIngreso();
    });
    connect(grdt->verticalScrollBar(), &QScrollBar::valueChanged, this,
        &GrillaTramos::confirmarEdicion);
    connect(grdt->horizontalScrollBar(), &QScrollBar::valueChanged, this,
        &GrillaTramos::confirmarEdicion);

    IniciarGrid();
}

int GrillaTramos::filas() const { return grdt->rowCount() + 1; }
int GrillaTramos::filaActual() const { return grdt->currentRow() + 1; }
int GrillaTramos::columnaActual() const { return grdt->currentColumn() + 1; }

QString GrillaTramos::texto(int fila, int columna) const
{
    const QTableWidgetItem* celda = grdt->item(fila - 1, columna - 1);
    return celda ? celda->text() : QString();
}

QString GrillaTramos::etiqueta(int fila) const
{
    const QTableWidgetItem* celda = grdt->verticalHeaderItem(fila - 1);
    return celda ? celda->text() : QString();
}

int GrillaTramos::primeraFilaVisible() const { return grdt->verticalScrollBar()->value() + 1; }

std::vector<QStringList> GrillaTramos::tramos() const
{
    std::vector<QStringList> filasTramo;
    for (int fila = 1; fila <= filas() - 2; ++fila) {
        QStringList celdas;
        for (int columna = 1; columna <= columnasDatos; ++columna)
            celdas << texto(fila, columna);
        filasTramo.push_back(celdas);
    }
    return filasTramo;
}

namespace {

// The cell of a row and column, made on first use: white on the grey of the
// area beyond the last row, centred both ways.
QTableWidgetItem* Celda(QTableWidget* grilla, int fila, int columna)
{
    QTableWidgetItem* celda = grilla->item(fila - 1, columna - 1);
    if (!celda) {
        celda = new QTableWidgetItem;
        celda->setTextAlignment(Qt::AlignCenter);
        celda->setBackground(Qt::white);
        grilla->setItem(fila - 1, columna - 1, celda);
    }
    return celda;
}

void PonerTexto(QTableWidget* grilla, int fila, int columna, const QString& texto)
{
    Celda(grilla, fila, columna)->setText(texto);
}

// A new last row shows its cells white at once.
void AgregarFila(QTableWidget* grilla)
{
    grilla->insertRow(grilla->rowCount());
    for (int columna = 1; columna <= grilla->columnCount(); ++columna)
        Celda(grilla, grilla->rowCount(), columna);
}

void PonerEtiqueta(QTableWidget* grilla, int fila, const QString& texto)
{
    QTableWidgetItem* celda = grilla->verticalHeaderItem(fila - 1);
    if (!celda) {
        celda = new QTableWidgetItem;
        celda->setTextAlignment(Qt::AlignCenter);
        grilla->setVerticalHeaderItem(fila - 1, celda);
    }
    celda->setText(texto);
}

} // namespace

void GrillaTramos::IniciarGrid()
{
    // The editor goes first: rebuilding the grid never commits a pending edit
    // into the new grid.
    descartarEdicion();
    const int columna = grdt->currentColumn() < 0 ? 0 : grdt->currentColumn();
    grdt->clearContents();
    grdt->setRowCount(1);
    grdt->setColumnCount(columnasDatos);
    for (int c = 1; c <= columnasDatos; ++c)
        Celda(grdt, 1, c);
    for (int c = 0; c < columnasDatos; ++c)
        grdt->setColumnWidth(c, Pixeles(anchoColumna));
    QStringList encabezados { QStringLiteral("L (m)"), QStringLiteral("h (m)") };
    if (columnasDatos == 3)
        encabezados << QStringLiteral("n");
    grdt->setHorizontalHeaderLabels(encabezados);
    // The current cell stays in its column, now in the entry row; the label is
    // written after it, so a new grid reads "[?]".
    grdt->setCurrentCell(0, std::min(columna, columnasDatos - 1));
    PonerEtiqueta(grdt, 1, kEntradaEnEspera);
    // The focus step has no effect while the window is not yet shown.
    if (grdt->window()->isVisible())
        grdt->setFocus();
    const int ancho = kAnchoEtiquetas + columnasDatos * anchoColumna + kMargenAncho;
    const int borde = 2 * grdt->frameWidth();
    grdt->resize(
        Pixeles(ancho), kFilasVisibles * Pixeles(kAltoFila) + Pixeles(kAltoEncabezado) + borde);
    esquina->setGeometry(
        grdt->frameWidth(), grdt->frameWidth(), Pixeles(kAnchoEtiquetas), Pixeles(kAltoEncabezado));
    esquina->raise();
}

void GrillaTramos::GridEdit(int codigo)
{
    txtt->setFont(grdt->font());
    if (codigo > 32 || codigo < 0) {
        // Typing on a cell starts a new value that replaces the old one.
        txtt->setText(QString(QChar(codigo)));
        txtt->setCursorPosition(static_cast<int>(txtt->text().size()));
    } else {
        const QString actual = texto(filaActual(), columnaActual());
        txtt->setText(EsNumero(actual) ? Mascara(NumeroDeTexto(actual), kMascaraCelda) : actual);
        SeleccionarTexto(txtt);
    }
    const QModelIndex indice = grdt->currentIndex();
    const QRect celda = grdt->visualRect(indice);
    txtt->setGeometry(QRect(grdt->viewport()->mapTo(marco, celda.topLeft()), celda.size()));
    txtt->show();
    txtt->raise();
    edicionPendiente = true;
    filaEditada = filaActual();
    columnaEditada = columnaActual();
    txtt->setFocus();
}

void GrillaTramos::MoverCelda()
{
    const int entrada = filas() - 1;
    if (filaActual() == entrada && columnaActual() < ultimaColumna()) {
        irA(entrada, columnaActual() + 1);
    } else if (filaActual() == entrada) {
        // The entry row becomes the last segment, every cell a number.
        for (int c = 1; c <= ultimaColumna(); ++c)
            PonerTexto(grdt, entrada, c, Mascara(NumeroDeTexto(texto(entrada, c)), kMascaraCelda));
        AgregarFila(grdt);
        irA(filas() - 1, 1);
        numerarFilas(kEntradaActual);
    } else {
        irA(filaActual() + 1, columnaActual());
    }
}

void GrillaTramos::irA(int fila, int columna)
{
    grdt->setCurrentCell(fila - 1, columna - 1);
    marcarFilaIngreso();
}

void GrillaTramos::numerarFilas(const QString& etiquetaUltima)
{
    for (int fila = 1; fila <= filas() - 2; ++fila)
        PonerEtiqueta(grdt, fila, QStringLiteral(" %1").arg(fila));
    PonerEtiqueta(grdt, filas() - 1, etiquetaUltima);
}

void GrillaTramos::marcarFilaIngreso()
{
    const int entrada = filas() - 1;
    if (filaActual() == entrada) {
        PonerEtiqueta(grdt, entrada, kEntradaActual);
        return;
    }
    // Whatever was typed into the entry row is discarded once the cell leaves it.
    PonerEtiqueta(grdt, entrada, kEntradaEnEspera);
    for (int c = 1; c <= ultimaColumna(); ++c)
        if (grdt->item(entrada - 1, c - 1))
            PonerTexto(grdt, entrada, c, QString());
}

void GrillaTramos::confirmarEdicion()
{
    if (!edicionPendiente)
        return;
    edicionPendiente = false;
    PonerTexto(grdt, filaEditada, columnaEditada, txtt->text());
    // Hiding the box that holds the focus would hand the focus on to another box.
    if (txtt->hasFocus())
        grdt->setFocus();
    txtt->hide();
}

void GrillaTramos::descartarEdicion()
{
    if (!edicionPendiente)
        return;
    edicionPendiente = false;
    // Hiding the box that holds the focus would hand the focus on to another box.
    if (txtt->hasFocus())
        grdt->setFocus();
    txtt->hide();
}

void GrillaTramos::llevarAlFrente(int fila)
{
    if (fila >= 1)
        grdt->verticalScrollBar()->setValue(fila - 1);
}

bool GrillaTramos::teclaGrilla(int codigo)
{
    if (codigo == 13) {
        MoverCelda();
        // The current row comes to sit twelve rows below the top.
        llevarAlFrente(filaActual() - 12);
        return true;
    }
    GridEdit(codigo);
    return true;
}

bool GrillaTramos::teclaEditor(const QKeyEvent* tecla)
{
    switch (tecla->key()) {
    case Qt::Key_Escape:
        // The edit is dropped; the grid gets the focus before the box goes, so
        // the focus does not pass through another control.
        descartarEdicion();
        grdt->setFocus();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The value is committed at once and then the cell moves on: no window
        // event runs in between, so a click queued meanwhile cannot act on a
        // grid half-way through.
        txtt->setText(Mascara(NumeroDeTexto(txtt->text()), kMascaraEditor));
        grdt->setFocus();
        confirmarEdicion();
        MoverCelda();
        return true;
    case Qt::Key_Down:
        grdt->setFocus();
        confirmarEdicion();
        if (filaActual() < filas() - 1)
            irA(filaActual() + 1, columnaActual());
        return true;
    case Qt::Key_Up:
        grdt->setFocus();
        confirmarEdicion();
        if (filaActual() > 1)
            irA(filaActual() - 1, columnaActual());
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        // The edit is stored and the key then acts as on the grid itself, so
        // the focus goes on from the grid's place in the tab order and not
        // from the editor's, which lies among controls that show no focus.
        grdt->setFocus();
        confirmarEdicion();
        QKeyEvent enLaGrilla(QEvent::KeyPress, tecla->key(), tecla->modifiers(), tecla->text());
        QCoreApplication::sendEvent(grdt, &enLaGrilla);
        return true;
    }
    default:
        return false;
    }
}

void GrillaTramos::mostrarMenu(const QPoint& posicionGlobal)
{
    const int entrada = filas() - 1;
    if (filaActual() == entrada) {
        mnuEditInsertar->setEnabled(false);
        irA(entrada, 1);
        grdt->clearSelection();
        grdt->setRangeSelected(
            QTableWidgetSelectionRange(0, 0, entrada - 1, ultimaColumna() - 1), true);
    } else {
        const int fila = filaActual();
        irA(fila, 1);
        grdt->clearSelection();
        grdt->setRangeSelected(
            QTableWidgetSelectionRange(fila - 1, 0, fila - 1, ultimaColumna() - 1), true);
    }
    mnuEdicion->popup(posicionGlobal);
}

void GrillaTramos::insertarFila()
{
    const int fila = filaActual();
    if (fila < filas() - 1) {
        AgregarFila(grdt);
        for (int k = filas() - 1; k >= fila + 1; --k)
            for (int c = 1; c <= ultimaColumna(); ++c)
                PonerTexto(grdt, k, c, texto(k - 1, c));
        for (int c = 1; c <= ultimaColumna(); ++c)
            PonerTexto(grdt, fila, c, QString());
        numerarFilas(kEntradaEnEspera);
    }
    irA(fila, 1);
}

void GrillaTramos::eliminarFila()
{
    const int fila = filaActual();
    if (fila == filas() - 1 || filas() < 3) {
        IniciarGrid();
        irA(1, 1);
        return;
    }
    grdt->removeRow(fila - 1);
    numerarFilas(kEntradaEnEspera);
    irA(fila, 1);
}

bool GrillaTramos::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == grdt) {
        if (evento->type() == QEvent::FocusIn) {
            confirmarEdicion();
        } else if (evento->type() == QEvent::KeyPress) {
            const int codigo = CodigoCaracter(static_cast<QKeyEvent*>(evento));
            if (codigo >= 0)
                return teclaGrilla(codigo);
        }
        return false;
    }
    if (objeto == txtt) {
        switch (evento->type()) {
        case QEvent::KeyPress:
            return teclaEditor(static_cast<QKeyEvent*>(evento));
        case QEvent::FocusIn:
        case QEvent::MouseMove:
            emit textoEstado(kEstadoEditor);
            break;
        case QEvent::FocusOut: {
            emit textoEstado(QString());
            // Only Esc drops typed text: any other way out of the editor (Tab,
            // a click elsewhere) commits it. Another window coming to the front
            // or a pop-up menu leaves the edit open, as the focus comes back.
            const Qt::FocusReason razon = static_cast<QFocusEvent*>(evento)->reason();
            if (razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason)
                confirmarEdicion();
            break;
        }
        default:
            break;
        }
        return false;
    }
    if (evento->type() == QEvent::MouseButtonPress) {
        auto* raton = static_cast<QMouseEvent*>(evento);
        mnuEditInsertar->setEnabled(true);
        if (raton->button() == Qt::RightButton) {
            // The press gives the grid the focus (committing a pending edit) as a
            // left press does; the menu then acts on the current row, wherever
            // the pointer is.
            grdt->setFocus(Qt::MouseFocusReason);
            confirmarEdicion();
            mostrarMenu(raton->globalPosition().toPoint());
            return true;
        }
    }
    return false;
}

} // namespace quelmora
