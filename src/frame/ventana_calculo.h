#pragma once
// The calculation-window frame shared by every calculation window.
//
// A window derives from VentanaCalculo, declares its controls as tables in its
// constructor, and overrides Calcular() and, where its clearing departs from the
// general rule, Limpiar(). Everything else (status texts, lit buttons, the Enter
// chain, the negative-value warnings, printing, the calculator, back to the menu,
// the clock) comes from here. A normal-depth window reads like this:
//
//   class yntrape : public VentanaCalculo {
//   public:
//       static const DescripcionVentana kDescripcion; // frame/descripcion.h
//       yntrape();
//   protected:
//       void Calcular() override;
//       void Limpiar() override;
//   };
//
//   yntrape::yntrape() : VentanaCalculo(kDescripcion.titulo)
//   {
//       Marco* proyecto = NuevoMarco("Frame1", "", {720, 120, 10335, 1035});
//       DatosProyecto(proyecto, {
//           {"lu", CampoDeProyecto::Lugar, {1440, 240, 2535, 285}, {240, 240, 1095, 285}},
//           ...
//       });
//       Marco* datos = NuevoMarco("Frame2", "Datos:", {720, 1320, 4095, 2055});
//       Entradas(datos, Columna{}, {
//           // box, label, unit, status text, negative-value warning, Enter target
//           {"q", "Caudal (Q):", "m3/s", "Ingresar el valor del caudal Q",
//                 "Ingresar para Q, un valor mayor que cero", "b"},
//           ...
//           {"s", "Pendiente (S):", "m/m", "Ingresar el valor de la pendiente del canal",
//                 "Ingresar para S, un valor mayor que cero", "bCalcular"},
//       });
//       Marco* resultados = NuevoMarco("Frame5", "Resultados:", {720, 3840, 10335, 2055});
//       Resultados(resultados, Columna{.etiqueta = 360, .caja = 2280, .unidad = 3720}, {
//           {"y", "Tirante normal (y):", "m"}, {"a", "Area hidráulica (A):", "m2"},
//           ...
//       });
//       EtiquetaAvisoVelocidad(resultados, "mv", {5880, 1560, 4215, 375});
//       FigurasTrapecio(7200, 1320, "trape", "rectan", "trian", "b", "z");
//       BotonesRol({720, 6360}, {9240, 6360}, {.menu = "bMemuPrincipal"});
//       OrdenTabulacion({"q", "b", "z", "n", "s", "bCalcular", "y", ...});
//   }
//
//   void yntrape::Calcular()
//   {
//       const double Q = Numero("q"), n = Numero("n"), S = Numero("s");
//       const double Z = Numero("z"), b = Numero("b");
//       if (!VerificarDatosCompletos({Q, S, n}, kTextoDatosIncompletos))
//           return;
//       if (!VerificarAnchoTalud(b, Z))
//           return;
//       const auto r = CalcularTiranteTrapecial(Q, b, Z, n, S);
//       if (InformarFallo(this, r.fallo)) // frame/fallos.h
//           return;
//       Escribir("y", r.tirante, "##0.0000");
//       ...
//       AdvertirVelocidadErosiva("v", "mv", r.velocidad, r.erosiva, "##0.0000");
//   }
//
//   void yntrape::Limpiar() { VentanaCalculo::Limpiar(); Caja("lu")->setText(" "); }
//
// Positions are in twips (15 per pixel), as the forms give them.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <initializer_list>

#include "frame/controles.h"
#include "frame/descripcion.h"
#include "frame/fallos.h"

class QStatusBar;
class QTimer;

namespace quelmora {

class ControlPestanas;
class PaginaCalculo;

// Texts of the checks at "&Calcular" shared by many windows, each in the words
// its windows use.
inline constexpr const char* kTextoDatosIncompletos
    = "Complete adecuadamente el ingreso de datos, antes de ejecutar ";
inline constexpr const char* kTextoIngresoLosDatos
    = "Complete adecuadamente el ingreso los datos, antes de ejecutar";
inline constexpr const char* kTextoAntesDeEjecutar
    = "Antes de ejecutar, complete adecuadamente el ingreso de datos";
inline constexpr const char* kTextoAnchoTalud
    = "Los valores de b y Z no pueden ser simultáneamente iguales a cero";
inline const QString kTituloErrorIngreso = QStringLiteral("Error de ingreso de datos");
// The caption of the warning label when the velocity is not erosive: 27 blanks.
inline const QString kSinAvisoErosivo = QString(27, QLatin1Char(' '));
inline const QString kAvisoErosivo = QStringLiteral("Cuidado velocidad erosiva");

// Where the label, box and unit of each row of a column lie inside a frame
// (twips). The defaults are the "Datos:" frame of the trapezoidal windows.
struct Columna {
    int etiqueta = 240;
    int anchoEtiqueta = 1815;
    int caja = 2160;
    int anchoCaja = 1095;
    int unidad = 3480;
    int arriba = 240;
    int paso = 360;
    int anchoUnidad = 735;
    int alto = 285;
};

// One input row: box name, label caption, unit caption (empty: no unit label),
// status text, negative-value warning (empty: no change rule), Enter target.
// Optional: names of the label and unit label, a default text, and whether the
// Enter target gets its text selected (SeleccionarTexto).
struct Entrada {
    QString nombre;
    QString etiqueta;
    QString unidad;
    QString estado;
    QString aviso;
    QString siguiente;
    QString nombreEtiqueta = {};
    QString nombreUnidad = {};
    QString texto = {};
    bool seleccionarSiguiente = false;
};

// One result row: box name, label caption, unit caption; a box width other than
// the column's (0 keeps it), label and unit names, and the box's alignment.
struct Resultado {
    QString nombre;
    QString etiqueta;
    QString unidad;
    int anchoCaja = 0;
    QString nombreEtiqueta = {};
    QString nombreUnidad = {};
    Qt::Alignment alineacion = Qt::AlignRight;
};

// One project field: box name, which field, box and label places.
struct Proyecto {
    QString nombre;
    CampoDeProyecto campo;
    Twips caja;
    Twips etiqueta;
};

// Names of the five role buttons and of their two frames.
struct NombresRol {
    QString calcular = QStringLiteral("bCalcular");
    QString limpiar = QStringLiteral("bLimpiar");
    QString imprimir = QStringLiteral("bImprimir");
    QString menu = QStringLiteral("bMenuPrincipal");
    QString calculadora = QStringLiteral("bCalculadora");
    QString marcoBotones = QStringLiteral("Frame3");
    QString marcoCalculadora = QStringLiteral("Frame4");
};

// What a calculation window and a tab page have in common: their controls, role
// buttons, checks, calculation and clearing.
class SuperficieCalculo : public QWidget {
    Q_OBJECT
public:
    explicit SuperficieCalculo(QWidget* padre = nullptr);

    // The window's (or page's) calculation, run by its calculate button.
    virtual void Calcular() { }
    // The general rule: empties every input, result and project box and the
    // warning labels, shows the default drawings, focuses the first input box.
    virtual void Limpiar();

    // The names given to OrdenTabulacion, in their order.
    const QStringList& ordenTabulacion() const { return ordenTabulacion_; }
    // Every name of the tab order named a control when the order was set
    // (NombreDesconocido where one did not).
    void VerificarNombres() const;
    // The first input box (the one Limpiar and the opening focus).
    QWidget* primeraEntrada() const { return primeraEntrada_; }
    // The role buttons, in the order the window's surface restores them.
    const QList<QPointer<BotonRol>>& botones() const { return botones_; }
    BotonRol* Boton(Rol rol) const;

    // Frame actions, reusable by windows that wire their own buttons.
    void Imprimir();
    void MostrarCalculadora();
    void VolverMenuPrincipal();

protected:
    // --- declaring the controls -------------------------------------------
    Marco* NuevoMarco(
        const QString& nombre, const QString& titulo, const Twips& lugar, QWidget* padre = nullptr);
    void Entradas(QWidget* marco, const Columna& columna, std::initializer_list<Entrada> filas);
    void Entradas(QWidget* marco, const Columna& columna, const QList<Entrada>& filas);
    void Resultados(QWidget* marco, const Columna& columna, std::initializer_list<Resultado> filas);
    // A single input or result box placed by hand (registered for Limpiar).
    CampoDato* EntradaSuelta(QWidget* padre, const QString& nombre, const Twips& lugar,
        const QString& estado, const QString& aviso, const QString& siguiente);
    CajaResultado* ResultadoSuelto(QWidget* padre, const QString& nombre, const Twips& lugar,
        Qt::Alignment alineacion = Qt::AlignRight);
    QLabel* EtiquetaAvisoVelocidad(
        QWidget* padre, const QString& nombre, const Twips& lugar, double puntos = 13.5);
    void DatosProyecto(QWidget* marco, std::initializer_list<Proyecto> campos);
    // The three section drawings at (izquierda, arriba), switched by the boxes
    // named cajaB and cajaZ (either may be empty; no triangle name for windows
    // with the trapezoid and rectangle only).
    FigurasSeccion* FigurasTrapecio(int izquierda, int arriba, const QString& trapecio,
        const QString& rectangulo, const QString& triangulo, const QString& cajaB,
        const QString& cajaZ, QWidget* padre = nullptr);
    // The four role buttons in their frame (7095 x 1215) at marcoBotones and the
    // calculator button in its frame (1815 x 1215) at marcoCalculadora, both
    // given as (left, top) in twips.
    void BotonesRol(QPoint marcoBotones, QPoint marcoCalculadora, const NombresRol& nombres = {},
        QWidget* padre = nullptr);
    // One button; roles 1 to 5 do their frame action on click, and the button
    // registers with the frame it lies in for restoring.
    BotonRol* NuevoBoton(QWidget* marco, Rol rol, const QString& nombre, const Twips& lugar,
        const TextosBoton& textos, const QString& letrasDisco = {});
    // The tab order, by control names (each must name a control already built).
    void OrdenTabulacion(const QStringList& nombres);

    // --- reading and writing ----------------------------------------------
    QLineEdit* Caja(const QString& nombre) const;
    CampoDato* Campo(const QString& nombre) const;
    // The box's value by the leading-number rule.
    double Numero(const QString& caja) const;
    void Escribir(const QString& caja, double valor, const char* mascara);
    void EscribirTexto(const QString& caja, const QString& texto);
    // The velocity in red with kAvisoErosivo in the label when erosiva, else in
    // black with sinAviso (27 blanks in most windows, the empty text in some).
    void AdvertirVelocidadErosiva(const QString& cajaV, const QString& etiqueta, double v,
        bool erosiva, const char* mascara, const QString& sinAviso = kSinAvisoErosivo);

    // --- the checks at "&Calcular"; each returns true when the data pass ----
    // A required value equal to 0 (an empty box reads 0): the message, no beep.
    bool VerificarDatosCompletos(std::initializer_list<double> requeridos, const QString& mensaje);
    // b and Z both 0: beep, then the message.
    bool VerificarAnchoTalud(double b, double z, const QString& mensaje = kTextoAnchoTalud);
    // An exactly empty box: the information box titled "Error de ingreso de
    // datos" and the focus into the box.
    bool VerificarCampoVacio(const QString& caja, const QString& mensaje);

    // Runs calculo under the window's trap: when it reports a failure (returns
    // false) or breaks, the one message shows and the calculation ends; what it
    // wrote before stays on screen.
    void CapturarErrorCalculo(const MensajeError& mensaje, const std::function<bool()>& calculo);

    // Gives the focus to a control and shows its status text.
    void DarFoco(QWidget* control);

private:
    QList<QPointer<CampoDato>> entradas_;
    QList<QPointer<QLineEdit>> resultados_;
    QList<QPointer<CampoProyecto>> proyecto_;
    QList<QPointer<QLabel>> avisos_;
    QList<QPointer<FigurasSeccion>> figuras_;
    QList<QPointer<BotonRol>> botones_;
    QPointer<QWidget> primeraEntrada_;
    QStringList ordenTabulacion_;
    QStringList tabuladosSinControl_;
};

// A top-level calculation window: caption, client area in twips, StatusBar1
// with its text, clock and date panels, ImageList1 and ImageList2, and the
// window surface that gives every button its normal picture back.
class VentanaCalculo : public SuperficieCalculo {
    Q_OBJECT
public:
    explicit VentanaCalculo(const QString& titulo, int anchoTwips = 11880, int altoTwips = 8055);

    // Panel 1 of StatusBar1.
    void EscribirEstado(const QString& texto);
    QString textoEstado() const;

    ListaImagenes* ImageList1() const { return lista1_; }
    ListaImagenes* ImageList2() const { return lista2_; }
    QStatusBar* StatusBar1() const { return barra_; }

    // The tab control of a tabbed window, or nullptr.
    ControlPestanas* SSTab1() const { return pestanas_; }

protected:
    // The control that takes the focus when the window is shown: the first
    // input box, on page 0 in a tabbed window.
    virtual QWidget* EntradaInicial() const;
    // A tabbed window: the tab control SSTab1 at lugar; the window surface then
    // restores no buttons. Pages are added in order (page 0 first).
    ControlPestanas* NuevasPestanas(const Twips& lugar);
    void AgregarPagina(PaginaCalculo* pagina, const QString& titulo);
    // The letters of the copy-button discs, for the windows that have them.
    void LetrasDeCopia(const QString& letras6, const QString& letras7);

    void mouseMoveEvent(QMouseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void ActualizarReloj();
    // Every box's Enter target and the tab orders of the window and of its
    // pages name controls (NombreDesconocido where one does not).
    void VerificarNombresAlAbrir() const;
    QStatusBar* barra_ = nullptr;
    QLabel* panel1_ = nullptr;
    QLabel* panel2_ = nullptr;
    QLabel* panel3_ = nullptr;
    QTimer* reloj_ = nullptr;
    ListaImagenes* lista1_ = nullptr;
    ListaImagenes* lista2_ = nullptr;
    ControlPestanas* pestanas_ = nullptr;
    bool mostrada_ = false;
};

} // namespace quelmora
