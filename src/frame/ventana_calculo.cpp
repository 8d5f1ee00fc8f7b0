#include "frame/ventana_calculo.h"

#include <QDate>
#include <QLocale>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <exception>

#include "frame/pagina_calculo.h"
#include "frame/plataforma.h"
#include "frame/texto_numero.h"
#include "frame/ventanas.h"
#include "resources/portada.h"

namespace quelmora {

namespace {

QString TextoDeControl(QWidget* control)
{
    if (auto* c = qobject_cast<CampoDato*>(control))
        return c->textoEstado();
    if (auto* c = qobject_cast<CampoProyecto*>(control))
        return c->textoEstado();
    if (auto* c = qobject_cast<BotonRol*>(control))
        return c->textoEstado();
    return {};
}

} // namespace

SuperficieCalculo::SuperficieCalculo(QWidget* padre)
    : QWidget(padre)
{
}

Marco* SuperficieCalculo::NuevoMarco(
    const QString& nombre, const QString& titulo, const Twips& lugar, QWidget* padre)
{
    return new Marco(padre ? padre : this, nombre, titulo, lugar);
}

void SuperficieCalculo::Entradas(
    QWidget* marco, const Columna& c, std::initializer_list<Entrada> filas)
{
    Entradas(marco, c, QList<Entrada>(filas));
}

void SuperficieCalculo::Entradas(QWidget* marco, const Columna& c, const QList<Entrada>& filas)
{
    int arriba = c.arriba;
    for (const Entrada& fila : filas) {
        Etiqueta(marco, fila.nombreEtiqueta, fila.etiqueta,
            { c.etiqueta, arriba, c.anchoEtiqueta, c.alto });
        CampoDato* caja = EntradaSuelta(marco, fila.nombre, { c.caja, arriba, c.anchoCaja, c.alto },
            fila.estado, fila.aviso, fila.siguiente);
        caja->seleccionarSiguiente(fila.seleccionarSiguiente);
        if (!fila.texto.isEmpty())
            caja->setText(fila.texto);
        if (!fila.unidad.isEmpty() || !fila.nombreUnidad.isEmpty())
            Etiqueta(
                marco, fila.nombreUnidad, fila.unidad, { c.unidad, arriba, c.anchoUnidad, c.alto });
        arriba += c.paso;
    }
}

void SuperficieCalculo::Resultados(
    QWidget* marco, const Columna& c, std::initializer_list<Resultado> filas)
{
    int arriba = c.arriba;
    for (const Resultado& fila : filas) {
        Etiqueta(marco, fila.nombreEtiqueta, fila.etiqueta,
            { c.etiqueta, arriba, c.anchoEtiqueta, c.alto });
        ResultadoSuelto(marco, fila.nombre,
            { c.caja, arriba, fila.anchoCaja ? fila.anchoCaja : c.anchoCaja, c.alto },
            fila.alineacion);
        if (!fila.unidad.isEmpty() || !fila.nombreUnidad.isEmpty())
            Etiqueta(
                marco, fila.nombreUnidad, fila.unidad, { c.unidad, arriba, c.anchoUnidad, c.alto });
        arriba += c.paso;
    }
}

CampoDato* SuperficieCalculo::EntradaSuelta(QWidget* padre, const QString& nombre,
    const Twips& lugar, const QString& estado, const QString& aviso, const QString& siguiente)
{
    auto* caja = new CampoDato(padre ? padre : this, nombre, lugar, estado, aviso, siguiente);
    entradas_ << caja;
    if (!primeraEntrada_)
        primeraEntrada_ = caja;
    return caja;
}

CajaResultado* SuperficieCalculo::ResultadoSuelto(
    QWidget* padre, const QString& nombre, const Twips& lugar, Qt::Alignment alineacion)
{
    auto* caja = new CajaResultado(padre ? padre : this, nombre, lugar, alineacion);
    resultados_ << caja;
    return caja;
}

QLabel* SuperficieCalculo::EtiquetaAvisoVelocidad(
    QWidget* padre, const QString& nombre, const Twips& lugar, double puntos)
{
    QLabel* etiqueta = EtiquetaAviso(padre ? padre : this, nombre, lugar, puntos);
    avisos_ << etiqueta;
    return etiqueta;
}

void SuperficieCalculo::DatosProyecto(QWidget* marco, std::initializer_list<Proyecto> campos)
{
    for (const Proyecto& campo : campos) {
        QLabel* etiqueta = Etiqueta(marco, {}, EtiquetaDeProyecto(campo.campo), campo.etiqueta);
        QPalette p = etiqueta->palette();
        p.setColor(QPalette::WindowText, QColor(255, 0, 0));
        etiqueta->setPalette(p);
        proyecto_ << new CampoProyecto(marco, campo.nombre, campo.campo, campo.caja);
    }
}

FigurasSeccion* SuperficieCalculo::FigurasTrapecio(int izquierda, int arriba,
    const QString& trapecio, const QString& rectangulo, const QString& triangulo,
    const QString& cajaB, const QString& cajaZ, QWidget* padre)
{
    auto* figuras = new FigurasSeccion(
        padre ? padre : this, izquierda, arriba, trapecio, rectangulo, triangulo);
    figuras->Seguir(
        cajaB.isEmpty() ? nullptr : Campo(cajaB), cajaZ.isEmpty() ? nullptr : Campo(cajaZ));
    figuras_ << figuras;
    return figuras;
}

void SuperficieCalculo::BotonesRol(
    QPoint marcoBotones, QPoint marcoCalculadora, const NombresRol& n, QWidget* padre)
{
    QWidget* donde = padre ? padre : this;
    Marco* botones
        = NuevoMarco(n.marcoBotones, {}, { marcoBotones.x(), marcoBotones.y(), 7095, 1215 }, donde);
    const QString nombres[] = { n.calcular, n.limpiar, n.imprimir, n.menu };
    const int izquierdas[] = { 360, 2040, 3720, 5400 };
    for (int i = 0; i < 4; ++i) {
        const Rol rol = static_cast<Rol>(i + 1);
        NuevoBoton(botones, rol, nombres[i], { izquierdas[i], 240, 1335, 855 }, TextosRol(rol));
    }
    Marco* calculadora = NuevoMarco(
        n.marcoCalculadora, {}, { marcoCalculadora.x(), marcoCalculadora.y(), 1815, 1215 }, donde);
    NuevoBoton(calculadora, Rol::Calculadora, n.calculadora, { 360, 240, 1095, 855 },
        TextosRol(Rol::Calculadora));
}

BotonRol* SuperficieCalculo::NuevoBoton(QWidget* marco, Rol rol, const QString& nombre,
    const Twips& lugar, const TextosBoton& textos, const QString& letrasDisco)
{
    auto* boton = new BotonRol(marco, nombre, rol, textos, lugar, letrasDisco);
    botones_ << boton;
    if (auto* m = qobject_cast<Marco*>(marco))
        m->RestaurarAlPasar(boton);
    switch (rol) {
    case Rol::Calcular:
        connect(boton, &QAbstractButton::clicked, this, [this] { Calcular(); });
        break;
    case Rol::Limpiar:
        connect(boton, &QAbstractButton::clicked, this, [this] { Limpiar(); });
        break;
    case Rol::Imprimir:
        connect(boton, &QAbstractButton::clicked, this, [this] { Imprimir(); });
        break;
    case Rol::MenuPrincipal:
        connect(boton, &QAbstractButton::clicked, this, [this] { VolverMenuPrincipal(); });
        break;
    case Rol::Calculadora:
        connect(boton, &QAbstractButton::clicked, this, [this] { MostrarCalculadora(); });
        break;
    case Rol::Copia6:
    case Rol::Copia7:
        break; // the window wires its own copy
    }
    return boton;
}

BotonRol* SuperficieCalculo::Boton(Rol rol) const
{
    for (const auto& boton : botones_)
        if (boton && boton->rol() == rol)
            return boton;
    return nullptr;
}

void SuperficieCalculo::OrdenTabulacion(const QStringList& nombres)
{
    ordenTabulacion_ = nombres;
    QWidget* anterior = nullptr;
    for (const QString& nombre : nombres) {
        QWidget* control = findChild<QWidget*>(nombre);
        if (!control) {
            // Told when the window is complete, named after it (VerificarNombres).
            tabuladosSinControl_ << nombre;
            continue;
        }
        if (anterior)
            setTabOrder(anterior, control);
        anterior = control;
    }
}

QLineEdit* SuperficieCalculo::Caja(const QString& nombre) const
{
    return ControlNombrado<QLineEdit>(this, nombre);
}

CampoDato* SuperficieCalculo::Campo(const QString& nombre) const
{
    return ControlNombrado<CampoDato>(this, nombre);
}

double SuperficieCalculo::Numero(const QString& caja) const
{
    const QLineEdit* c = Caja(caja);
    return c ? NumeroDeTexto(c->text()) : 0.0;
}

void SuperficieCalculo::Escribir(const QString& caja, double valor, const char* mascara)
{
    EscribirTexto(caja, Mascara(valor, mascara));
}

void SuperficieCalculo::EscribirTexto(const QString& caja, const QString& texto)
{
    if (QLineEdit* c = Caja(caja))
        c->setText(texto);
}

void SuperficieCalculo::AdvertirVelocidadErosiva(const QString& cajaV, const QString& etiqueta,
    double v, bool erosiva, const char* mascara, const QString& sinAviso)
{
    if (QLineEdit* c = Caja(cajaV)) {
        QPalette p = c->palette();
        p.setColor(QPalette::Text, erosiva ? QColor(255, 0, 0) : QColor(0, 0, 0));
        c->setPalette(p);
    }
    Escribir(cajaV, v, mascara);
    if (auto* mv = ControlNombrado<QLabel>(this, etiqueta))
        mv->setText(erosiva ? kAvisoErosivo : sinAviso);
}

bool SuperficieCalculo::VerificarDatosCompletos(
    std::initializer_list<double> requeridos, const QString& mensaje)
{
    for (double valor : requeridos) {
        if (valor == 0) {
            AvisoSimple(mensaje, window());
            return false;
        }
    }
    return true;
}

bool SuperficieCalculo::VerificarAnchoTalud(double b, double z, const QString& mensaje)
{
    if (b == 0 && z == 0) {
        Beep();
        AvisoSimple(mensaje, window());
        return false;
    }
    return true;
}

bool SuperficieCalculo::VerificarCampoVacio(const QString& caja, const QString& mensaje)
{
    QLineEdit* c = Caja(caja);
    if (!c || !c->text().isEmpty())
        return true;
    AvisoInformativo(mensaje, kTituloErrorIngreso, window());
    DarFoco(c);
    return false;
}

void SuperficieCalculo::CapturarErrorCalculo(
    const MensajeError& mensaje, const std::function<bool()>& calculo)
{
    bool correcto = false;
    try {
        correcto = calculo();
    } catch (const std::exception&) {
        correcto = false;
    }
    if (!correcto)
        MostrarMensajeError(mensaje, window());
}

void SuperficieCalculo::DarFoco(QWidget* control)
{
    if (!control)
        return;
    control->setFocus(Qt::OtherFocusReason);
    // Also when the window is not active and no focus event comes.
    const QString texto = TextoDeControl(control);
    if (!texto.isEmpty())
        TextoEstado(control, texto);
}

void SuperficieCalculo::Limpiar()
{
    for (const auto& caja : entradas_)
        if (caja)
            caja->setText(QString());
    for (const auto& caja : resultados_)
        if (caja)
            caja->setText(QString());
    for (const auto& caja : proyecto_)
        if (caja)
            caja->setText(QString());
    for (const auto& etiqueta : avisos_)
        if (etiqueta)
            etiqueta->setText(QString());
    for (const auto& figuras : figuras_)
        if (figuras)
            figuras->MostrarTrapecio();
    DarFoco(primeraEntrada_);
}

void SuperficieCalculo::VerificarNombres() const
{
    for (const QString& nombre : tabuladosSinControl_)
        NombreDesconocido(this, nombre);
}

void SuperficieCalculo::Imprimir()
{
    switch (plataforma().imprimirVentana(window())) {
    case ResultadoImpresion::Impreso:
        break;
    case ResultadoImpresion::SinImpresora:
        AvisoSimple(
            QStringLiteral("No hay una impresora disponible para imprimir la pantalla"), window());
        break;
    case ResultadoImpresion::Fallo:
        AvisoSimple(QStringLiteral("No se pudo imprimir la pantalla"), window());
        break;
    }
}

void SuperficieCalculo::MostrarCalculadora() { MostrarVentana(QStringLiteral("frmCalculadora")); }

void SuperficieCalculo::VolverMenuPrincipal()
{
    // Closing destroys the window later; the main window comes forward now.
    window()->close();
    MostrarVentana(QStringLiteral("menuprin"));
}

// ---------------------------------------------------------------------------

VentanaCalculo::VentanaCalculo(const QString& titulo, int anchoTwips, int altoTwips)
    : SuperficieCalculo(nullptr)
{
    setWindowTitle(titulo);
    // The program's icon, the same picture as the main window's.
    setWindowIcon(IconoQuelmora());
    // MS Sans Serif 8.25 pt where it exists, else the nearest narrow sans face,
    // so that "&Limpiar Pantalla" fits its button.
    setFont(FuenteFormulario());
    resize(Pixeles(anchoTwips), Pixeles(altoTwips));
    setMouseTracking(true);

    lista1_ = new ListaImagenes(this, QStringLiteral("ImageList1"), false);
    lista2_ = new ListaImagenes(this, QStringLiteral("ImageList2"), true);

    barra_ = new QStatusBar(this);
    barra_->setObjectName(QStringLiteral("StatusBar1"));
    barra_->setSizeGripEnabled(false);
    barra_->setAttribute(Qt::WA_NoMousePropagation);
    panel1_ = new QLabel(barra_);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel2_ = new QLabel(barra_);
    panel2_->setObjectName(QStringLiteral("Panel2"));
    panel3_ = new QLabel(barra_);
    panel3_->setObjectName(QStringLiteral("Panel3"));
    for (QLabel* panel : { panel1_, panel2_, panel3_ })
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel2_->setFixedWidth(Pixeles(2540));
    panel3_->setFixedWidth(Pixeles(2540));
    panel2_->setAlignment(Qt::AlignCenter);
    panel3_->setAlignment(Qt::AlignCenter);
    barra_->addWidget(panel1_, 1);
    barra_->addPermanentWidget(panel2_);
    barra_->addPermanentWidget(panel3_);

    // The clock and date panels keep themselves current.
    reloj_ = new QTimer(this);
    connect(reloj_, &QTimer::timeout, this, &VentanaCalculo::ActualizarReloj);
    reloj_->start(1000);
    ActualizarReloj();
}

void VentanaCalculo::EscribirEstado(const QString& texto) { panel1_->setText(texto); }

QString VentanaCalculo::textoEstado() const { return panel1_->text(); }

void VentanaCalculo::LetrasDeCopia(const QString& letras6, const QString& letras7)
{
    delete lista1_;
    delete lista2_;
    lista1_ = new ListaImagenes(this, QStringLiteral("ImageList1"), false, letras6, letras7);
    lista2_ = new ListaImagenes(this, QStringLiteral("ImageList2"), true, letras6, letras7);
}

QWidget* VentanaCalculo::EntradaInicial() const
{
    if (pestanas_)
        return pestanas_->pagina(0) ? pestanas_->pagina(0)->primeraEntrada() : nullptr;
    return primeraEntrada();
}

ControlPestanas* VentanaCalculo::NuevasPestanas(const Twips& lugar)
{
    pestanas_ = new ControlPestanas(this, lugar);
    // Picking a page gives the focus to its first input box, whose status text
    // then shows.
    connect(pestanas_, &QTabWidget::currentChanged, this, [this](int i) {
        if (PaginaCalculo* p = pestanas_->pagina(i))
            DarFoco(p->primeraEntrada());
    });
    return pestanas_;
}

void VentanaCalculo::AgregarPagina(PaginaCalculo* pagina, const QString& titulo)
{
    if (!pestanas_)
        return;
    // The page's controls were placed in the tab control's own measures, tab
    // row included; the page itself starts below the tab row.
    // The tab row's height is known once it holds a tab.
    pestanas_->addTab(pagina, titulo);
    const QPoint origen = pestanas_->OrigenPaginas();
    for (QObject* hijo : pagina->children())
        if (auto* control = qobject_cast<QWidget*>(hijo))
            control->move(control->pos() - origen);
}

void VentanaCalculo::ActualizarReloj()
{
    const QLocale local = QLocale::system();
    panel2_->setText(local.toString(QTime::currentTime(), QLocale::ShortFormat));
    panel3_->setText(local.toString(QDate::currentDate(), QLocale::ShortFormat));
}

void VentanaCalculo::mouseMoveEvent(QMouseEvent* e)
{
    // A tabbed window has no handler of its own over the window surface.
    if (!pestanas_)
        RestablecerBotones(botones());
    e->accept();
}

void VentanaCalculo::showEvent(QShowEvent* e)
{
    SuperficieCalculo::showEvent(e);
    if (mostrada_)
        return;
    mostrada_ = true;
    VerificarNombresAlAbrir();
    DarFoco(EntradaInicial());
}

void VentanaCalculo::VerificarNombresAlAbrir() const
{
#ifdef QUELMORA_VERIFICAR_NOMBRES
    // The window is complete now, its pages in place: a misspelt Enter target
    // fails at the opening, not only when someone presses Enter there.
    for (const CampoDato* caja : findChildren<CampoDato*>())
        if (!caja->siguiente().isEmpty())
            ControlNombrado(this, caja->siguiente());
    SuperficieCalculo::VerificarNombres();
    for (const SuperficieCalculo* pagina : findChildren<SuperficieCalculo*>())
        pagina->VerificarNombres();
#endif
}

void VentanaCalculo::resizeEvent(QResizeEvent* e)
{
    SuperficieCalculo::resizeEvent(e);
    // Aligned to the bottom edge, full width, 375 twips high.
    const int alto = Pixeles(375);
    barra_->setGeometry(0, height() - alto, width(), alto);
}

} // namespace quelmora
