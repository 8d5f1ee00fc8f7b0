#pragma once
// The controls every calculation window is made of: frames with blue bold
// captions, labels, the input box CampoDato, read-only result boxes, project
// boxes, picture buttons of the five roles (and the copy buttons), the picture
// lists ImageList1 / ImageList2, and the section drawings that switch between
// trapezoid, rectangle and triangle.
//
// Positions are given in twips, as the forms are laid out; 15 twips make a pixel.

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QToolButton>

#include "resources/imagenes.h"

namespace quelmora {

// A rectangle in twips: left, top, width, height.
struct Twips {
    int izquierda = 0;
    int arriba = 0;
    int ancho = 0;
    int alto = 0;
};

constexpr int kTwipsPorPixel = 15;
constexpr int Pixeles(int twips) { return twips / kTwipsPorPixel; }
QRect EnPixeles(const Twips& t);

// The forms' face: MS Sans Serif where it exists, else the nearest narrow sans
// face, at the given size (8.25 pt on every form).
QFont FuenteFormulario(double puntos = 8.25);

// fuente, or fuente drawn just narrow enough for texto to fit in ancho pixels.
// Our sans faces run a little wider than the one the forms were laid out in, so
// a caption that filled its place there is squeezed rather than cut or hidden.
QFont FuenteQueCabe(const QFont& fuente, const QString& texto, int ancho);
// The narrowest stretch FuenteQueCabe draws in, so that a caption still reads
// as the text beside it.
constexpr int kEstiramientoMenor = 75;
// fuente drawn at estiramiento percent of its width.
QFont ConEstiramiento(const QFont& fuente, int estiramiento);

// Writes texto into panel 1 of StatusBar1 of the calculation window holding
// control. The one writer of the panel.
void TextoEstado(QWidget* control, const QString& texto);

// The stop of ControlNombrado, naming the window that holds donde.
void NombreDesconocido(const QWidget* donde, const QString& nombre);

// A control found by name on behalf of a window: donde's own descendant called
// nombre, of type T. A name no such control carries is a misspelling in the
// window's tables: in debug and test builds (QUELMORA_VERIFICAR_NOMBRES) it
// stops the program with the window's name and the name, so that it fails when
// the window opens rather than reading 0 or writing nothing; in other builds
// the lookup gives nullptr and the caller goes on without the control.
template <class T = QWidget> T* ControlNombrado(const QWidget* donde, const QString& nombre)
{
    T* control = donde->findChild<T*>(nombre);
    if (!control)
        NombreDesconocido(donde, nombre);
    return control;
}

// Why a control got the focus decides whether it writes its status text: the
// window coming back to the front (after a message box, or a click on another
// window) must not rewrite the panel.
bool FocoEscribeEstado(Qt::FocusReason razon);

// ---------------------------------------------------------------------------
// Role buttons.

// The role of a button: its picture number in ImageList1 and ImageList2.
enum class Rol {
    Calcular = 1,
    Limpiar = 2,
    Imprimir = 3,
    MenuPrincipal = 4,
    Calculadora = 5,
    Copia6 = 6, // "&Parciales", "&Parciales Sup."
    Copia7 = 7, // "&Finales", "Parciales Inf."
};

// Caption, tooltip and status text of a button.
struct TextosBoton {
    QString titulo;
    QString ayuda;
    QString estado;
};

// The fixed texts of roles 1 to 5, the same in every window and on every page.
const TextosBoton& TextosRol(Rol rol);

// The pictures of a window: ImageList1 (normal) or ImageList2 (lit), one per
// role. The copy discs carry the window's letters ("P"/"F" or "Ps"/"Pi").
class ListaImagenes : public QObject {
    Q_OBJECT
public:
    ListaImagenes(QObject* padre, const QString& nombre, bool resaltadas,
        const QString& letras6 = QStringLiteral("P"), const QString& letras7 = QStringLiteral("F"));
    // Picture i (1-based, as the roles count); a null pixmap past the end.
    QPixmap imagen(int i) const;
    int cantidad() const { return 7; }

private:
    // The pictures are drawn when first asked for: most are never shown.
    bool resaltadas_;
    QString letras6_;
    QString letras7_;
};

// A picture button: 32 x 32 picture above the caption, access key from "&".
// Mouse over it lights it (ResaltarBoton); the focus by keyboard writes its
// status text only; Enter on it clicks it.
class BotonRol : public QToolButton {
    Q_OBJECT
public:
    BotonRol(QWidget* padre, const QString& nombre, Rol rol, const TextosBoton& textos,
        const Twips& lugar, const QString& letrasDisco = {});

    Rol rol() const { return rol_; }
    const QString& textoEstado() const { return estado_; }
    bool resaltado() const { return resaltado_; }

    // The status text, then the lit picture.
    void ResaltarBoton();
    // The normal picture; the status bar is left alone.
    void Restablecer();

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    Rol rol_;
    QString estado_;
    QString letrasDisco_;
    QPixmap normal_;
    QPixmap lit_; // drawn the first time the button lights
    bool resaltado_ = false;
};

// Restores the normal picture of each button in the list, in order.
void RestablecerBotones(const QList<QPointer<BotonRol>>& botones);

// ---------------------------------------------------------------------------
// Frames and labels.

// A frame with an etched border and, when it has one, a blue bold caption.
// A frame that holds role buttons restores their pictures when the mouse moves
// over its bare surface; no frame passes mouse moves on to the window.
class Marco : public QFrame {
    Q_OBJECT
public:
    Marco(QWidget* padre, const QString& nombre, const QString& titulo, const Twips& lugar);

    const QString& titulo() const { return titulo_; }
    // The face the caption is drawn in: bold unless the form says regular,
    // narrowed when it would not fit.
    QFont fuenteTitulo() const;
    void TituloEnPesoNormal();
    // The buttons this frame gives back their normal pictures (RestablecerBotones).
    void RestaurarAlPasar(BotonRol* boton);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QString titulo_;
    bool tituloNegrita_ = true;
    QList<QPointer<BotonRol>> botones_;
};

// A plain label; moving the mouse over it changes nothing.
QLabel* Etiqueta(QWidget* padre, const QString& nombre, const QString& texto, const Twips& lugar);

// The warning label ("Cuidado velocidad erosiva"): red, bold, 13.5 pt unless
// said otherwise, empty at opening.
QLabel* EtiquetaAviso(
    QWidget* padre, const QString& nombre, const Twips& lugar, double puntos = 13.5);

// ---------------------------------------------------------------------------
// Boxes.

// An input box of a calculation window: right-aligned, bold, any text accepted.
// Writes its status text on focus and mouse move; Enter moves the focus to its
// target (by name) and still reaches the box; with a warning text set, every
// change that reads below 0 beeps and shows it (AdvertirValorNegativo).
class CampoDato : public QLineEdit {
    Q_OBJECT
public:
    CampoDato(QWidget* padre, const QString& nombre, const Twips& lugar, const QString& textoEstado,
        const QString& avisoNegativo = {}, const QString& siguiente = {});

    const QString& textoEstado() const { return estado_; }
    const QString& siguiente() const { return siguiente_; }
    // The negative-value warning; empty when the box has no change rule.
    const QString& avisoNegativo() const { return aviso_; }
    // Where the target holds a default value: select it once the focus is there.
    void seleccionarSiguiente(bool si) { seleccionarSiguiente_ = si; }

    // The value by the leading-number rule.
    double valor() const;

signals:
    // After the negative-value warning, on every change of the text.
    void cambio();

protected:
    void focusInEvent(QFocusEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void AdvertirValorNegativo();
    QString estado_;
    QString aviso_;
    QString siguiente_;
    bool seleccionarSiguiente_ = false;
};

// Selects the box's text from the start for its length without surrounding
// blanks, so that typing replaces a default value.
void SeleccionarTexto(QLineEdit* caja);

// A read-only result box: takes the focus, its text can be selected and copied.
class CajaResultado : public QLineEdit {
    Q_OBJECT
public:
    CajaResultado(QWidget* padre, const QString& nombre, const Twips& lugar,
        Qt::Alignment alineacion = Qt::AlignRight);
};

// The project fields of DatosProyecto: free text, left-aligned, never read.
enum class CampoDeProyecto { Lugar, Proyecto, Tramo, Revestimiento };

class CampoProyecto : public QLineEdit {
    Q_OBJECT
public:
    CampoProyecto(QWidget* padre, const QString& nombre, CampoDeProyecto campo, const Twips& lugar);
    const QString& textoEstado() const { return estado_; }

protected:
    void focusInEvent(QFocusEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QString estado_;
};

// The red label caption of a project field ("Lugar:", "Proyecto:", ...).
QString EtiquetaDeProyecto(CampoDeProyecto campo);

// ---------------------------------------------------------------------------
// Drawings.

// A picture box sized to its picture, at (izquierda, arriba) in twips.
QLabel* Dibujo(
    QWidget* padre, const QString& nombre, const QPixmap& imagen, int izquierda, int arriba);

// The trapezoid, rectangle and triangle drawings of a trapezoidal section,
// stacked at one place, switched by the b and Z boxes (MostrarFiguraSeccion).
// A window with only the trapezoid and rectangle passes no triangle name and no
// b box, and uses the Z half alone.
class FigurasSeccion : public QObject {
    Q_OBJECT
public:
    FigurasSeccion(QWidget* padre, int izquierda, int arriba, const QString& trapecio,
        const QString& rectangulo, const QString& triangulo);

    // Hooks the drawing rule to the change of the b and Z boxes (after their
    // warning). Either may be null.
    void Seguir(CampoDato* b, CampoDato* z);

    // After an edit of b: triangle when b = 0, else rectangle when Z = 0, else
    // trapezoid. After an edit of Z: rectangle when Z = 0, else triangle when
    // b = 0, else trapezoid. Exact comparisons; an empty box counts as 0.
    void MostrarFiguraSeccion(bool cambioB);
    // The trapezoid alone, as Limpiar leaves it.
    void MostrarTrapecio();
    // One drawing alone, for windows with a drawing rule of their own.
    void Mostrar(FiguraSeccion figura);
    // The one drawing that is visible now (the trapezoid while all three are).
    QLabel* visible() const;

private:
    void MostrarSolo(QLabel* figura);
    QPointer<QLabel> trapecio_, rectangulo_, triangulo_;
    QPointer<CampoDato> b_, z_;
};

} // namespace quelmora
