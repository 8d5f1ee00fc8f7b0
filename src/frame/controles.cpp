#include "frame/controles.h"

#include <QHash>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#ifdef QUELMORA_VERIFICAR_NOMBRES
#include <cstdlib>
#include <cxxabi.h>
#include <typeinfo>
#endif

#include "frame/plataforma.h"
#include "frame/texto_numero.h"
#include "frame/ventana_calculo.h"
#include "resources/imagenes.h"

namespace quelmora {

QFont FuenteFormulario(double puntos)
{
    QFont fuente;
    fuente.setFamilies({ QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
        QStringLiteral("Helvetica") });
    fuente.setStyleHint(QFont::SansSerif);
    fuente.setPointSizeF(puntos);
    return fuente;
}

QFont ConEstiramiento(const QFont& fuente, int estiramiento)
{
    QFont f = fuente;
    f.setStretch(estiramiento);
    return f;
}

namespace {

// The stretch FuenteQueCabe settles on, 0 for the face as it is.
int EstiramientoQueCabe(const QFont& fuente, const QString& texto, int ancho)
{
    const int natural = QFontMetrics(fuente).horizontalAdvance(texto);
    if (natural <= ancho)
        return 0;
    // Every stretch tried is a face to look up, and a window has dozens of
    // captions: a caption grows with its stretch, so the widest stretch that
    // fits is sought from where the natural width puts it. A width is the
    // rounded sum of its letters, which narrow with the stretch: the text fits
    // while natural · e / 100 stays under ancho + ½, and the search starts
    // there, mostly at the answer, so that the one stretch wider is the only
    // other face looked up.
    auto cabe = [&](int e) {
        return QFontMetrics(ConEstiramiento(fuente, e)).horizontalAdvance(texto) <= ancho;
    };
    int e = std::clamp(
        static_cast<int>(100LL * (2 * ancho + 1) / (2LL * natural)), kEstiramientoMenor, 99);
    if (cabe(e)) {
        while (e < 99 && cabe(e + 1))
            ++e;
    } else {
        while (e > kEstiramientoMenor && !cabe(--e)) { }
    }
    return e;
}

} // namespace

QFont FuenteQueCabe(const QFont& fuente, const QString& texto, int ancho)
{
    // Frames ask again at every painting: each answer is kept.
    static QHash<QString, int> elegidos;
    const QString clave = fuente.key() + QChar(0) + texto + QChar(0) + QString::number(ancho);
    auto it = elegidos.constFind(clave);
    if (it == elegidos.constEnd())
        it = elegidos.insert(clave, EstiramientoQueCabe(fuente, texto, ancho));
    return *it == 0 ? fuente : ConEstiramiento(fuente, *it);
}

QRect EnPixeles(const Twips& t)
{
    return QRect(Pixeles(t.izquierda), Pixeles(t.arriba), Pixeles(t.ancho), Pixeles(t.alto));
}

void TextoEstado(QWidget* control, const QString& texto)
{
    if (!control)
        return;
    if (auto* ventana = qobject_cast<VentanaCalculo*>(control->window()))
        ventana->EscribirEstado(texto);
}

void NombreDesconocido(const QWidget* donde, const QString& nombre)
{
#ifdef QUELMORA_VERIFICAR_NOMBRES
    // The registry names a window after its class once it is built; before
    // that, or for a window built by hand, the C++ class names it.
    const QWidget* ventana = donde->window();
    QString clase = ventana->objectName();
    if (clase.isEmpty()) {
        int estado = 0;
        char* legible = abi::__cxa_demangle(typeid(*ventana).name(), nullptr, nullptr, &estado);
        clase = QString::fromLatin1(legible ? legible : typeid(*ventana).name());
        std::free(legible);
        clase = clase.mid(clase.lastIndexOf(QLatin1Char(':')) + 1);
    }
    qFatal("%s: no control named \"%s\"", qUtf8Printable(clase), qUtf8Printable(nombre));
#else
    Q_UNUSED(donde);
    Q_UNUSED(nombre);
#endif
}

bool FocoEscribeEstado(Qt::FocusReason razon)
{
    return razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason;
}

namespace {

// Controls that have nothing to do with the button pictures keep mouse moves to
// themselves, so that passing over them never restores a button.
void SinPropagarRaton(QWidget* w) { w->setAttribute(Qt::WA_NoMousePropagation); }

QFont FuenteNegrita(const QWidget* w)
{
    QFont f = w->font();
    f.setBold(true);
    return f;
}

} // namespace

// ---------------------------------------------------------------------------

const TextosBoton& TextosRol(Rol rol)
{
    static const TextosBoton kTextos[] = {
        { "&Calcular", "Efectuar cálculos", "Ejecuta las operaciones" },
        { "&Limpiar Pantalla", "Limpiar pantalla",
            "Limpia la pantalla para realizar nuevos cálculos" },
        { "&Imprimir", "Imprimir pantalla", "Realiza la impresión de la pantalla" },
        { "&Menú Principal", "Volver menú principal", "Retorna al Menú principal" },
        { "C&alculadora", "Activa la calculadora", "Activa la calculadora" },
    };
    static const TextosBoton kVacio;
    const int i = static_cast<int>(rol) - 1;
    return (i >= 0 && i < 5) ? kTextos[i] : kVacio;
}

ListaImagenes::ListaImagenes(QObject* padre, const QString& nombre, bool resaltadas,
    const QString& letras6, const QString& letras7)
    : QObject(padre)
    , resaltadas_(resaltadas)
    , letras6_(letras6)
    , letras7_(letras7)
{
    setObjectName(nombre);
}

QPixmap ListaImagenes::imagen(int i) const
{
    if (i >= 1 && i <= 5)
        return ImagenBoton(i, resaltadas_);
    if (i == 6 || i == 7)
        return ImagenDisco(i == 6 ? letras6_ : letras7_, resaltadas_);
    return QPixmap();
}

BotonRol::BotonRol(QWidget* padre, const QString& nombre, Rol rol, const TextosBoton& textos,
    const Twips& lugar, const QString& letrasDisco)
    : QToolButton(padre)
    , rol_(rol)
    , estado_(textos.estado)
    , letrasDisco_(letrasDisco)
{
    setObjectName(nombre);
    setText(textos.titulo);
    setToolTip(textos.ayuda);
    setGeometry(EnPixeles(lugar));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(32, 32));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    const int n = static_cast<int>(rol);
    normal_ = n <= 5 ? ImagenBoton(n, false) : ImagenDisco(letrasDisco, false);
    setIcon(normal_);
}

void BotonRol::ResaltarBoton()
{
    TextoEstado(this, estado_);
    if (lit_.isNull()) {
        const int n = static_cast<int>(rol_);
        lit_ = n <= 5 ? ImagenBoton(n, true) : ImagenDisco(letrasDisco_, true);
    }
    setIcon(lit_);
    resaltado_ = true;
}

void BotonRol::Restablecer()
{
    if (resaltado_)
        setIcon(normal_);
    resaltado_ = false;
}

void BotonRol::mouseMoveEvent(QMouseEvent* e)
{
    ResaltarBoton();
    QToolButton::mouseMoveEvent(e);
    // The move ends here: the frame behind must not restore this button.
    e->accept();
}

void BotonRol::focusInEvent(QFocusEvent* e)
{
    QToolButton::focusInEvent(e);
    if (FocoEscribeEstado(e->reason()))
        TextoEstado(this, estado_);
}

void BotonRol::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QToolButton::keyPressEvent(e);
}

void RestablecerBotones(const QList<QPointer<BotonRol>>& botones)
{
    for (const auto& boton : botones)
        if (boton)
            boton->Restablecer();
}

// ---------------------------------------------------------------------------

Marco::Marco(QWidget* padre, const QString& nombre, const QString& titulo, const Twips& lugar)
    : QFrame(padre)
    , titulo_(titulo)
{
    setObjectName(nombre);
    setGeometry(EnPixeles(lugar));
    SinPropagarRaton(this);
}

void Marco::RestaurarAlPasar(BotonRol* boton)
{
    botones_ << boton;
    setMouseTracking(true);
}

QFont Marco::fuenteTitulo() const
{
    // The caption starts 10 pixels in and must stop short of the right border.
    return FuenteQueCabe(tituloNegrita_ ? FuenteNegrita(this) : font(), titulo_, width() - 12);
}

void Marco::TituloEnPesoNormal()
{
    tituloNegrita_ = false;
    update();
}

void Marco::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    QFont negrita = fuenteTitulo();
    const QFontMetrics medida(negrita);
    // The border runs through the middle of the caption line, as a group frame.
    const int y0 = titulo_.isEmpty() ? 0 : medida.height() / 2;
    const QRect borde = rect().adjusted(0, y0, -1, -1);
    pintor.setPen(palette().color(QPalette::Dark));
    pintor.drawRect(borde.adjusted(0, 0, -1, -1));
    pintor.setPen(palette().color(QPalette::Light));
    pintor.drawRect(borde.adjusted(1, 1, 0, 0));
    if (!titulo_.isEmpty()) {
        const int ancho = medida.horizontalAdvance(titulo_);
        const QRect caja(8, 0, ancho + 4, medida.height());
        pintor.fillRect(caja, palette().color(QPalette::Window));
        pintor.setFont(negrita);
        pintor.setPen(QColor(0, 0, 255));
        pintor.drawText(caja.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, titulo_);
    }
}

void Marco::mouseMoveEvent(QMouseEvent* e)
{
    RestablecerBotones(botones_);
    e->accept();
}

namespace {

// Keeps a label's caption whole: once the label shows in its window, and again
// when its face or size changes, the face is narrowed just enough for the text.
// (At creation the label may not sit in its window yet and so not have its face.)
class AjusteAlAncho : public QObject {
public:
    explicit AjusteAlAncho(QLabel* etiqueta)
        : QObject(etiqueta)
    {
    }

    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        const QEvent::Type tipo = evento->type();
        if (!ajustando_
            && (tipo == QEvent::Show || tipo == QEvent::FontChange || tipo == QEvent::Resize)) {
            ajustando_ = true;
            auto* etiqueta = static_cast<QLabel*>(objeto);
            // The face as the window gives it, with no stretch of its own: Qt
            // draws it exactly as at 100 %, but keeps a separate engine for an
            // explicit 100 %, which would be loaded only to measure the caption.
            QFont natural = etiqueta->font();
            natural.setStretch(QFont::AnyStretch);
            // A label that wraps its words has its lines for the room it lacks.
            const QFont ajustada = etiqueta->wordWrap()
                ? natural
                : FuenteQueCabe(natural, etiqueta->text(), etiqueta->contentsRect().width());
            if (Estiramiento(ajustada) != Estiramiento(etiqueta->font()))
                etiqueta->setFont(ajustada);
            ajustando_ = false;
        }
        return false;
    }

private:
    static int Estiramiento(const QFont& f)
    {
        return f.stretch() == QFont::AnyStretch ? int(QFont::Unstretched) : f.stretch();
    }
    bool ajustando_ = false;
};

} // namespace

QLabel* Etiqueta(QWidget* padre, const QString& nombre, const QString& texto, const Twips& lugar)
{
    auto* etiqueta = new QLabel(texto, padre);
    etiqueta->setObjectName(nombre);
    etiqueta->setGeometry(EnPixeles(lugar));
    etiqueta->setTextFormat(Qt::PlainText);
    etiqueta->installEventFilter(new AjusteAlAncho(etiqueta));
    SinPropagarRaton(etiqueta);
    return etiqueta;
}

QLabel* EtiquetaAviso(QWidget* padre, const QString& nombre, const Twips& lugar, double puntos)
{
    QLabel* etiqueta = Etiqueta(padre, nombre, QString(), lugar);
    QFont f = FuenteNegrita(etiqueta);
    f.setPointSizeF(puntos);
    etiqueta->setFont(f);
    QPalette p = etiqueta->palette();
    p.setColor(QPalette::WindowText, QColor(255, 0, 0));
    etiqueta->setPalette(p);
    return etiqueta;
}

// ---------------------------------------------------------------------------

CampoDato::CampoDato(QWidget* padre, const QString& nombre, const Twips& lugar,
    const QString& textoEstado, const QString& avisoNegativo, const QString& siguiente)
    : QLineEdit(padre)
    , estado_(textoEstado)
    , aviso_(avisoNegativo)
    , siguiente_(siguiente)
{
    setObjectName(nombre);
    setGeometry(EnPixeles(lugar));
    setAlignment(Qt::AlignRight);
    setFont(FuenteNegrita(this));
    setMouseTracking(true);
    SinPropagarRaton(this);
    connect(this, &QLineEdit::textChanged, this, [this] {
        AdvertirValorNegativo();
        emit cambio();
    });
}

double CampoDato::valor() const { return NumeroDeTexto(text()); }

void CampoDato::AdvertirValorNegativo()
{
    if (aviso_.isEmpty() || !(valor() < 0))
        return;
    Beep();
    AvisoSimple(aviso_, window());
}

void CampoDato::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    if (FocoEscribeEstado(e->reason()))
        TextoEstado(this, estado_);
}

void CampoDato::mouseMoveEvent(QMouseEvent* e)
{
    TextoEstado(this, estado_);
    QLineEdit::mouseMoveEvent(e);
}

void CampoDato::keyPressEvent(QKeyEvent* e)
{
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !siguiente_.isEmpty()) {
        if (auto* destino = ControlNombrado(window(), siguiente_)) {
            destino->setFocus(Qt::OtherFocusReason);
            if (seleccionarSiguiente_)
                if (auto* caja = qobject_cast<QLineEdit*>(destino))
                    SeleccionarTexto(caja);
        }
    }
    // The key still reaches the box: Enter is moved on, never swallowed.
    QLineEdit::keyPressEvent(e);
}

void SeleccionarTexto(QLineEdit* caja)
{
    if (caja)
        caja->setSelection(0, caja->text().trimmed().size());
}

CajaResultado::CajaResultado(
    QWidget* padre, const QString& nombre, const Twips& lugar, Qt::Alignment alineacion)
    : QLineEdit(padre)
{
    setObjectName(nombre);
    setGeometry(EnPixeles(lugar));
    setAlignment(alineacion);
    setReadOnly(true);
    setFont(FuenteNegrita(this));
    SinPropagarRaton(this);
}

QString EtiquetaDeProyecto(CampoDeProyecto campo)
{
    switch (campo) {
    case CampoDeProyecto::Lugar:
        return QStringLiteral("Lugar:");
    case CampoDeProyecto::Proyecto:
        return QStringLiteral("Proyecto:");
    case CampoDeProyecto::Tramo:
        return QStringLiteral("Tramo:");
    case CampoDeProyecto::Revestimiento:
        return QStringLiteral("Revestimiento:");
    }
    return {};
}

namespace {

QString EstadoDeProyecto(CampoDeProyecto campo)
{
    switch (campo) {
    case CampoDeProyecto::Lugar:
        return QStringLiteral("Ingresar el nombre del lugar del Proyecto");
    case CampoDeProyecto::Proyecto:
        return QStringLiteral("Ingresar el nombre del Proyecto");
    case CampoDeProyecto::Tramo:
        return QStringLiteral("Ingresar el nombre del tramo del canal");
    case CampoDeProyecto::Revestimiento:
        return QStringLiteral("Ingresar el tipo de material del canal");
    }
    return {};
}

} // namespace

CampoProyecto::CampoProyecto(
    QWidget* padre, const QString& nombre, CampoDeProyecto campo, const Twips& lugar)
    : QLineEdit(padre)
    , estado_(EstadoDeProyecto(campo))
{
    setObjectName(nombre);
    setGeometry(EnPixeles(lugar));
    setAlignment(Qt::AlignLeft);
    setFont(FuenteNegrita(this));
    setMouseTracking(true);
    SinPropagarRaton(this);
}

void CampoProyecto::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    if (FocoEscribeEstado(e->reason()))
        TextoEstado(this, estado_);
}

void CampoProyecto::mouseMoveEvent(QMouseEvent* e)
{
    TextoEstado(this, estado_);
    QLineEdit::mouseMoveEvent(e);
}

// ---------------------------------------------------------------------------

QLabel* Dibujo(
    QWidget* padre, const QString& nombre, const QPixmap& imagen, int izquierda, int arriba)
{
    auto* dibujo = new QLabel(padre);
    dibujo->setObjectName(nombre);
    dibujo->setPixmap(imagen);
    dibujo->setGeometry(Pixeles(izquierda), Pixeles(arriba), imagen.width(), imagen.height());
    // A picture box is a tab stop of its own, though it shows nothing on focus.
    dibujo->setFocusPolicy(Qt::TabFocus);
    SinPropagarRaton(dibujo);
    return dibujo;
}

FigurasSeccion::FigurasSeccion(QWidget* padre, int izquierda, int arriba, const QString& trapecio,
    const QString& rectangulo, const QString& triangulo)
    : QObject(padre)
{
    // Created bottom to top so that the trapezoid lies in front at opening.
    if (!triangulo.isEmpty())
        triangulo_
            = Dibujo(padre, triangulo, DibujoSeccion(FiguraSeccion::Triangulo), izquierda, arriba);
    rectangulo_
        = Dibujo(padre, rectangulo, DibujoSeccion(FiguraSeccion::Rectangulo), izquierda, arriba);
    trapecio_ = Dibujo(padre, trapecio, DibujoSeccion(FiguraSeccion::Trapecio), izquierda, arriba);
}

void FigurasSeccion::Seguir(CampoDato* b, CampoDato* z)
{
    b_ = b;
    z_ = z;
    if (b)
        connect(b, &CampoDato::cambio, this, [this] { MostrarFiguraSeccion(true); });
    if (z)
        connect(z, &CampoDato::cambio, this, [this] { MostrarFiguraSeccion(false); });
}

void FigurasSeccion::MostrarFiguraSeccion(bool cambioB)
{
    const double b = b_ ? b_->valor() : 0.0;
    const double z = z_ ? z_->valor() : 0.0;
    QLabel* figura = nullptr;
    if (cambioB)
        figura = (b == 0) ? triangulo_.data() : (z == 0) ? rectangulo_.data() : trapecio_.data();
    else
        figura = (z == 0)            ? rectangulo_.data()
            : (b == 0 && triangulo_) ? triangulo_.data()
                                     : trapecio_.data();
    MostrarSolo(figura ? figura : trapecio_.data());
}

void FigurasSeccion::MostrarTrapecio() { MostrarSolo(trapecio_); }

void FigurasSeccion::Mostrar(FiguraSeccion figura)
{
    switch (figura) {
    case FiguraSeccion::Rectangulo:
        MostrarSolo(rectangulo_);
        break;
    case FiguraSeccion::Triangulo:
        MostrarSolo(triangulo_ ? triangulo_ : trapecio_);
        break;
    default:
        MostrarSolo(trapecio_);
        break;
    }
}

void FigurasSeccion::MostrarSolo(QLabel* figura)
{
    for (QLabel* f : { trapecio_.data(), rectangulo_.data(), triangulo_.data() })
        if (f)
            f->setVisible(f == figura);
}

QLabel* FigurasSeccion::visible() const
{
    if (trapecio_ && !trapecio_->isHidden())
        return trapecio_;
    if (rectangulo_ && !rectangulo_->isHidden())
        return rectangulo_;
    if (triangulo_ && !triangulo_->isHidden())
        return triangulo_;
    return nullptr;
}

} // namespace quelmora
