// The seepage window: the channel's data and normal depth, then its seepage
// loss as an earth channel (seven formulas, their average and the corrected
// final discharge) or as a concrete-lined channel.

#include "structures/frmPerdidasCanales.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>

#include "frame/core/numeros.h"
#include "frame/ejecucion.h"
#include "frame/filas_pestanas.h"
#include "frame/plataforma.h"
#include "frame/tabla_resultados.h"
#include "frame/texto_numero.h"
#include "frame/ventanas.h"
#include "hydraulics/finitos.h"
#include "structures/core/perdidas.h"
#include "structures/dibujos_estructuras.h"

namespace quelmora {

namespace {

constexpr const char* kMensajeDatosEyK
    = "Complete adecuadamente el ingreso de datos de e y K, antes de ejecutar ";
constexpr const char* kMensajeMaterialEtcheverry
    = "Seleccionar el material del canal para la ecuación de Etcheverry";
constexpr const char* kMensajeMaterialPunjab
    = "Seleccionar el material del canal para la ecuación de Punjab";
constexpr const char* kMensajeMaterialMoritz
    = "Seleccionar el material del canal para la ecuación de Moritz";
constexpr const char* kMensajeMaterialKostiakov
    = "Seleccionar el material del canal para la ecuación de Povlovski-Kostiakov";
constexpr const char* kMensajeMaterialDavisWilson
    = "Seleccionar el material del canal para la ecuación de Davis-Wilson";
// "fómulas" as the window has always spelled it.
constexpr const char* kMensajeTodasDescartadas = "No descartar todas las fómulas";
constexpr const char* kMensajePerdidasSuperanCaudal
    = "Las pérdidas estimadas igualan o superan el caudal en la longitud dada; revise los datos";
const QString kPermeabilidadHormigon = QStringLiteral("0.00000505");
const char* const kMascaraParcial = "0.###0";
const char* const kMascaraPerdida = "0.#####0";

constexpr int kFormulas = kNumeroFormulas;
int Indice(FormulaPerdida f) { return static_cast<int>(f); }

// What the window keeps outside its controls, from its first showing to the end
// of the program: the channel as the normal-depth step last read and solved it,
// the length, the coefficients of the materials chosen and the loss of each
// formula with whether it was worked out at all in this run.
struct ValoresGuardados {
    double q = 0, b = 0, z = 0, n = 0, s = 0;
    double y = 0, p = 0, a = 0, t = 0, v = 0;
    float l = 0;
    double ce = 0, cd = 0, cp = 0, k = 0, cm = 0;
    double punjabMostrada = 0;
    std::array<double, kFormulas> perdida {};
    std::array<bool, kFormulas> calculada {};
    int formulasPromediadas = 0;
};

// Kept by the run, not by the window, which is built afresh at each opening.
ValoresGuardados& Guardados() { return ValoresDeLaEjecucion().De<ValoresGuardados>(); }

CanalEnTierra CanalGuardado()
{
    const ValoresGuardados& g = Guardados();
    return { g.q, g.b, g.z, g.y, g.v };
}

const char* const kNombresFormulas[kFormulas]
    = { "Ingham", "Etcheverry", "Punjab", "Moritz", "Pavlovski", "Kostiakov", "Davis-Wilson" };
const char* const kDescartes[kFormulas] = { "chkIngham", "chkEtcheverry", "chkPunjab", "chkMoritz",
    "chkPavlovski", "chkKostiakov", "chkDavisWilson" };

// A material list's entries as the list shows them, each paired with the
// coefficient at its place in the core's table; both of one length.
struct EntradasMaterial {
    std::span<const char* const> textos;
    std::span<const double> coeficientes;
};
template <std::size_t N>
constexpr EntradasMaterial ConCoeficientes(
    const std::array<const char*, N>& textos, const std::array<double, N>& coeficientes)
{
    return { textos, coeficientes };
}

constexpr std::array<const char*, 7> kSuelosEtcheverry { "Arcillosos", "Franco arcillosos",
    "Limosos y francos", "Franco arenosos", "Arenas finas", "Arenas gruesas", "Gravas" };
constexpr std::array<const char*, 3> kSuelosPunjab { "Suelos muy permeables",
    "Suelos comunes (medios)", "Suelos impermeables" };
constexpr std::array<const char*, 11> kSuelosMoritz { "Franco arcilloso impermeable",
    "Franco arcilloso semi-impermeable", "Franco arcilloso ordinario, limo",
    "Franco arcilloso con arena o grava", "Grava cementada (conglomerados)", "Arcilla y arena",
    "Franco arenoso", "Suelos arenosos sueltos", "Suelos arenosos con grava",
    "Roca desintegrada con grava", "Suelo con mucha grava" };
constexpr std::array<const char*, 9> kSuelosKostiakov { "Grava", "Arena gruesa", "Arena fina",
    "Tierra arenosa", "Tierra franco arcillosa", "Tierra franca", "Limo", "Arcilla",
    "Arcilla compacta" };
constexpr std::array<const char*, 9> kSuelosDavisWilson { "Hormigón de 10 cm de espesor",
    "Arcilla de 15 cm de espesor", "Enlucido de cemento de 2.5 cm", "Suelo arcilloso",
    "Suelo franco arcilloso", "Suelo franco", "Suelo franco arenoso", "Suelo arcillo limoso",
    "Arena" };

// The five pages of the material tabs: caption, list, coefficient box and its
// label, and the list's entries.
struct PaginaMaterial {
    const char* titulo;
    const char* lista;
    const char* coeficiente;
    const char* etiqueta;
    EntradasMaterial entradas;
};
constexpr PaginaMaterial kPaginasMaterial[] = {
    { "Etcheverry", "cmbEtcheverry", "txtCe",
        "Coeficiente permeabilidad:", ConCoeficientes(kSuelosEtcheverry, kCoeficientesEtcheverry) },
    { "Punjab", "cmbPunjab", "txtCp",
        "Coeficiente Punjab:", ConCoeficientes(kSuelosPunjab, kCoeficientesPunjab) },
    { "Moritz", "cmbMoritz", "txtCm",
        "Coeficiente Moritz:", ConCoeficientes(kSuelosMoritz, kCoeficientesMoritz) },
    { "Pavlovski - Kostiakov", "cmbKostiakov", "txtK", "Coeficiente permeabilidad m/s:",
        ConCoeficientes(kSuelosKostiakov, kCoeficientesKostiakov) },
    { "Davis - Wilson", "CmbDavisWilson", "txtCd", "Coeficiente permeabilidad m/s:",
        ConCoeficientes(kSuelosDavisWilson, kCoeficientesDavisWilson) },
};

// A material chosen on each page of the earth channel's lists, for the data sets.
constexpr EleccionLista kMaterialesElegidos[] = {
    { "Etcheverry", "cmbEtcheverry", "Arcillosos" },
    { "Punjab", "cmbPunjab", "Suelos comunes (medios)" },
    { "Moritz", "cmbMoritz", "Franco arcilloso ordinario, limo" },
    { "Pavlovski - Kostiakov", "cmbKostiakov", "Tierra arenosa" },
    { "Davis - Wilson", "CmbDavisWilson", "Suelo arcilloso" },
};

} // namespace

constinit const DescripcionVentana frmPerdidasCanales::kDescripcion {
    .clase = "frmPerdidasCanales",
    .fabrica = Fabricar<frmPerdidasCanales>,
    .entrada = { "mnuestructuras", "mnuestruperdidas", "Pérdidas en Canales" },
    .titulo = "Cálculo de pérdidas por infiltración en canales",
    .datos = {
        { "ordinario",
            { { "q", "1" }, { "b", "1" }, { "z", "1" }, { "n", "0.014" }, { "s", "0.001" },
                { "txtL", "2" }, { "txtErevestido", "0.1" } },
            {},
            kMaterialesElegidos },
        { "erosivo",
            { { "q", "1" }, { "b", "1" }, { "z", "1" }, { "n", "0.025" }, { "s", "0.005" },
                { "txtL", "2" }, { "txtErevestido", "0.1" } },
            {},
            kMaterialesElegidos },
    },
    .mensajes = { kTextoDatosIncompletos, kTextoAnchoTalud, kMensajeDatosEyK,
        kMensajeMaterialEtcheverry, kMensajeMaterialPunjab, kMensajeMaterialMoritz,
        kMensajeMaterialKostiakov, kMensajeMaterialDavisWilson, kMensajeTodasDescartadas,
        kMensajePerdidasSuperanCaudal },
};

frmPerdidasCanales::frmPerdidasCanales()
    : VentanaCalculo(kDescripcion.titulo)
{
    Marco* datos
        = NuevoMarco(QStringLiteral("Frame2"), QStringLiteral("Datos:"), { 360, 360, 3615, 2535 });
    const Columna columna { .etiqueta = 240,
        .anchoEtiqueta = 1545,
        .caja = 1800,
        .anchoCaja = 1035,
        .unidad = 3000,
        .arriba = 240,
        .paso = 360,
        .anchoUnidad = 495 };
    // clang-format off
    Entradas(datos, columna, {
        // box    label                    unit    status text                                  warning                                           Enter to
        {"q",    "Caudal (Q):",            "m3/s", "Ingresar el valor del caudal Q",            "Ingresar para q, un valor igual o mayor que cero", "b"},
        {"b",    "Ancho de solera (b):",   "m",    "Ingresar el valor del ancho de fondo del canal", "Ingresar para b, un valor igual o mayor que cero", "z"},
        {"z",    "Talud (Z):",             "",     "Ingresar el valor del talud, para taludes diferentes ingresar su promedio",
                                                                                                "Ingresar para Z, un valor igual o mayor que cero", "n"},
        {"n",    "Rugosidad (n):",         "",     "Ingresar el valor del coeficiente de rugosidad de acuerdo al material del canal",
                                                                                                "Ingresar para n, un valor mayor que cero",         "s"},
        {"s",    "Pendiente (S):",         "m/m",  "Ingresar el valor de la pendiente del canal", "Ingresar para S, un valor mayor que cero",       "txtL"},
        {"txtL", "Longitud  canal (L):",   "Km",   "Ingresar el valor de la longitud del canal",  {},                                               "SSTab1"},
    });
    // clang-format on
    Campo(QStringLiteral("s"))->installEventFilter(this);

    Marco* parciales = NuevoMarco(QStringLiteral("Frame1"),
        QStringLiteral("Resultados hidráulicos parciales:"), { 360, 3360, 3615, 2655 });
    Resultados(parciales,
        Columna { .etiqueta = 240,
            .anchoEtiqueta = 1545,
            .caja = 1800,
            .anchoCaja = 1035,
            .unidad = 3000,
            .arriba = 360,
            .paso = 360,
            .anchoUnidad = 495 },
        {
            { "y", "Tirante normal (y):", "m" },
            { "a", "Area hidráulica (A):", "m2" },
            { "p", "Perímetro (p):", "m" },
            { "t", "Espejo de agua (T):", "m" },
            { "v", "Velocidad (v):", "m/s" },
        });
    for (const char* caja : { "y", "a", "p", "t", "v" })
        Caja(caja)->setFont(font());
    EtiquetaAvisoVelocidad(parciales, QStringLiteral("mv"), { 120, 2160, 3375, 375 }, 12);

    // The tab control only groups the two estimates under one set of buttons:
    // picking a page starts nothing, and moving over it restores no picture.
    SSTab1_ = new QTabWidget(this);
    SSTab1_->setObjectName(QStringLiteral("SSTab1"));
    SSTab1_->setGeometry(EnPixeles({ 4080, 240, 7365, 6015 }));
    SSTab1_->setAttribute(Qt::WA_NoMousePropagation);
    auto* tierra = new QWidget;
    auto* revestido = new QWidget;
    SSTab1_->addTab(tierra, QStringLiteral("Canales en tierra"));
    SSTab1_->addTab(revestido, QStringLiteral("Canales revestidos"));
    PaginaTierra(tierra);
    PaginaRevestido(revestido);

    BotonesRol({ 720, 6360 }, { 9240, 6360 }, { .menu = QStringLiteral("bMemuPrincipal") });
    OrdenTabulacion({ "q", "b", "z", "n", "s", "txtL", "SSTab1" });

    grdPerdidas_->AnchoColumna(0, 1200);
    grdPerdidas_->AnchoColumna(1, 1000);
    grdPerdidas_->CentrarColumna(0);
    grdPerdidas_->CentrarColumna(1);
    ContenidoPerdida();
}

frmPerdidasCanales::~frmPerdidasCanales()
{
    // The slope box's last loss of focus, as the window goes, computes nothing.
    if (QLineEdit* s = Caja("s"))
        s->removeEventFilter(this);
}

// Positions inside the tab control are given with its tab row; a page starts
// below it.
namespace {
Twips EnPagina(Twips t)
{
    t.arriba -= 330;
    return t;
}

// The material tabs stand in two rows of 295 twips above their pages, whose
// contents are given from the top of those rows.
constexpr int kAltoFilaMateriales = 295;
Twips EnHojaMaterial(Twips t)
{
    t.arriba -= 2 * kAltoFilaMateriales + 30;
    return t;
}
} // namespace

void frmPerdidasCanales::PaginaRevestido(QWidget* pagina)
{
    Marco* otros = NuevoMarco(QStringLiteral("Frame9"), QStringLiteral("Otros datos:"),
        EnPagina({ 360, 960, 4095, 1575 }), pagina);
    Etiqueta(otros, {}, QStringLiteral("Espesor revestimiento (e):"), { 360, 480, 1995, 285 });
    CampoDato* espesor = EntradaSuelta(otros, QStringLiteral("txtErevestido"),
        { 2400, 480, 1095, 285 }, QStringLiteral("Ingresar el valor del espesor del revestimiento"),
        {}, QStringLiteral("txtKrevestido"));
    espesor->seleccionarSiguiente(true);
    Etiqueta(otros, {}, QStringLiteral("m"), { 3600, 480, 375, 285 });
    QLabel* permeabilidad = Etiqueta(otros, {},
        QStringLiteral("Permeabilidad del revestimiento, hormigón (K):"), { 360, 840, 1995, 570 });
    permeabilidad->setWordWrap(true);
    CampoDato* k = EntradaSuelta(otros, QStringLiteral("txtKrevestido"), { 2400, 840, 1095, 285 },
        QStringLiteral("Ingresar el valor de la permeabilidad del revestimiento"), {},
        QStringLiteral("bCalcular"));
    k->setText(kPermeabilidadHormigon);
    Etiqueta(otros, {}, QStringLiteral("cm/s"), { 3600, 840, 435, 285 });
    espesor->setFont(font());
    k->setFont(font());

    Marco* resultados = NuevoMarco(QStringLiteral("Frame10"), QStringLiteral("Resultados:"),
        EnPagina({ 360, 3240, 3855, 2295 }), pagina);
    Resultados(resultados,
        Columna { .etiqueta = 360,
            .anchoEtiqueta = 1275,
            .caja = 1680,
            .anchoCaja = 1035,
            .unidad = 2880,
            .arriba = 360,
            .paso = 480,
            .anchoUnidad = 855 },
        {
            { "txtPrevestido", "Pérdidas/km (P):", "m3^s-km" },
            { "txtQperdidorevestido", "Q perdido:", "m^3/s" },
            { "txtQfinalrevestido", "Q final:", "m^3/s" },
            { "txtPorcentajerevestido", "% pérdidas:", "%" },
        });
    for (const char* caja :
        { "txtPrevestido", "txtQperdidorevestido", "txtQfinalrevestido", "txtPorcentajerevestido" })
        Caja(caja)->setFont(font());
    Dibujo(pagina, QStringLiteral("Picture1"), DibujoCanalRevestido(), 4680, 1080 - 330);
}

void frmPerdidasCanales::ListaMateriales(QWidget* pagina, const QString& lista,
    const QString& cajaCoeficiente, const QString& etiquetaCoeficiente, int anchoCoeficiente)
{
    Etiqueta(pagina, {}, QStringLiteral("Material del lecho del canal:"),
        EnHojaMaterial({ 240, 720, 3375, 255 }));
    auto* combo = new QComboBox(pagina);
    combo->setObjectName(lista);
    combo->setGeometry(EnPixeles(EnHojaMaterial({ 240, 960, 3375, 315 })));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    Etiqueta(pagina, {}, etiquetaCoeficiente, EnHojaMaterial({ 240, 1320, 2280, 285 }));
    auto* coeficiente = new QLineEdit(pagina);
    coeficiente->setObjectName(cajaCoeficiente);
    coeficiente->setGeometry(EnPixeles(EnHojaMaterial({ 2520, 1320, anchoCoeficiente, 285 })));
    coeficiente->setAlignment(Qt::AlignRight);
}

void frmPerdidasCanales::PaginaTierra(QWidget* pagina)
{
    Dibujo(pagina, QStringLiteral("Picture2"), DibujoCanalTierra(), 4680, 480 - 330);

    Marco* lecho = NuevoMarco(QStringLiteral("Frame5"),
        QStringLiteral("Datos del lecho del canal:"), EnPagina({ 240, 360, 4335, 2535 }), pagina);
    auto* materiales = new QTabWidget(lecho);
    materiales->setObjectName(QStringLiteral("SSTab2"));
    // Five captions, three tabs to a row: two rows of tabs over the pages.
    const QRect lugarMateriales = EnPixeles({ 120, 240, 4095, 2175 });
    const int altoFila = Pixeles(kAltoFilaMateriales);
    auto* filasMateriales = new FilasPestanas(lecho, materiales, 3, altoFila);
    filasMateriales->setGeometry(
        lugarMateriales.left(), lugarMateriales.top(), lugarMateriales.width(), 2 * altoFila);
    materiales->setGeometry(lugarMateriales.adjusted(0, 2 * altoFila, 0, 0));

    for (const PaginaMaterial& p : kPaginasMaterial) {
        auto* hoja = new QWidget;
        materiales->addTab(hoja, QString::fromUtf8(p.titulo));
        const QString lista = QString::fromLatin1(p.lista);
        ListaMateriales(hoja, lista, QString::fromLatin1(p.coeficiente),
            QString::fromUtf8(p.etiqueta), lista == "cmbKostiakov" ? 1340 : 1035);
        auto* combo = ControlNombrado<QComboBox>(hoja, lista);
        for (const char* texto : p.entradas.textos)
            combo->addItem(QString::fromUtf8(texto));
        combo->setCurrentIndex(-1);
        auto perdida = [hoja](const char* nombre, const Twips& lugar) {
            auto* caja = new QLineEdit(hoja);
            caja->setObjectName(QString::fromLatin1(nombre));
            caja->setGeometry(EnPixeles(EnHojaMaterial(lugar)));
            caja->setAlignment(Qt::AlignRight);
        };
        if (lista == "cmbKostiakov") {
            Etiqueta(hoja, {}, QStringLiteral("Pérdidas m^3/s-km:"),
                EnHojaMaterial({ 240, 1680, 1395, 285 }));
            Etiqueta(
                hoja, {}, QStringLiteral("Pavlovski"), EnHojaMaterial({ 1680, 1560, 1020, 225 }));
            Etiqueta(
                hoja, {}, QStringLiteral("Kostiakov"), EnHojaMaterial({ 2760, 1560, 1020, 225 }));
            perdida("txtPavlovski", { 1680, 1800, 1020, 285 });
            perdida("txtKostiakov", { 2760, 1800, 1020, 285 });
        } else {
            Etiqueta(hoja, {}, QStringLiteral("Pérdidas m^3/s-km:"),
                EnHojaMaterial({ 240, 1680, 2280, 285 }));
            const QString caja = lista == "cmbEtcheverry" ? "txtEtcheverry"
                : lista == "cmbPunjab"                    ? "txtPunjab"
                : lista == "cmbMoritz"                    ? "txtMoritz"
                                                          : "txtDavisWilson";
            perdida(caja.toLatin1().constData(), { 2520, 1680, 1035, 285 });
        }
    }
    connect(ControlNombrado<QComboBox>(this, "cmbEtcheverry"), &QComboBox::activated, this,
        &frmPerdidasCanales::cmbEtcheverry_Click);
    connect(ControlNombrado<QComboBox>(this, "cmbPunjab"), &QComboBox::activated, this,
        &frmPerdidasCanales::cmbPunjab_Click);
    connect(ControlNombrado<QComboBox>(this, "cmbMoritz"), &QComboBox::activated, this,
        &frmPerdidasCanales::cmbMoritz_Click);
    connect(ControlNombrado<QComboBox>(this, "cmbKostiakov"), &QComboBox::activated, this,
        &frmPerdidasCanales::cmbKostiakov_Click);
    connect(ControlNombrado<QComboBox>(this, "CmbDavisWilson"), &QComboBox::activated, this,
        &frmPerdidasCanales::CmbDavisWilson_Click);

    Marco* perdidas = NuevoMarco(QStringLiteral("Frame6"), QStringLiteral("Pérdidas:"),
        EnPagina({ 240, 2880, 4335, 2895 }), pagina);
    grdPerdidas_ = new TablaResultados(
        perdidas, QStringLiteral("grdPerdidas"), { 240, 240, 2295, 2055 }, 2, 8);
    Marco* descartar = NuevoMarco(QStringLiteral("Frame7"), QStringLiteral("Descartar:"),
        { 2640, 360, 1575, 2055 }, perdidas);
    for (int i = 0; i < kFormulas; ++i) {
        auto* casilla = new QCheckBox(QString::fromLatin1(kNombresFormulas[i]), descartar);
        casilla->setObjectName(QString::fromLatin1(kDescartes[i]));
        casilla->setGeometry(EnPixeles({ 120, 240 + 240 * i, 1335, 240 }));
    }
    Etiqueta(perdidas, {}, QStringLiteral("Pérdidas promedio/km (P):"), { 240, 2520, 1905, 285 });
    auto* promedio = new QLineEdit(perdidas);
    promedio->setObjectName(QStringLiteral("txtPromedio"));
    promedio->setGeometry(EnPixeles({ 2160, 2520, 1095, 285 }));
    Etiqueta(perdidas, {}, QStringLiteral("m3^s-km"), { 3360, 2520, 855, 285 });

    Marco* caudales = NuevoMarco(QStringLiteral("Frame8"), QStringLiteral("Caudales resultantes:"),
        EnPagina({ 4680, 3840, 2535, 1935 }), pagina);
    const struct {
        const char* caja;
        const char* etiqueta;
        const char* unidad;
    } filas[] = { { "txtQperdido", "Q perdido:", "m^3/s" }, { "txtQfinal", "Q final:", "m^3/s" },
        { "txtQporcentaje", "% pérdidas:", "%" } };
    for (int i = 0; i < 3; ++i) {
        const int arriba = 360 + 480 * i;
        Etiqueta(caudales, {}, QString::fromUtf8(filas[i].etiqueta), { 120, arriba, 840, 285 });
        auto* caja = new QLineEdit(caudales);
        caja->setObjectName(QString::fromLatin1(filas[i].caja));
        caja->setGeometry(EnPixeles({ 960, arriba, 855, 285 }));
        Etiqueta(caudales, {}, QString::fromUtf8(filas[i].unidad), { 1920, arriba, 555, 285 });
    }
}

// ---- the normal-depth step ----------------------------------------------------

// Reads the channel into the kept values and solves its normal depth; false when
// it refuses (its message shown, the results and the kept depth unchanged).
bool frmPerdidasCanales::CalculosPrevios()
{
    ValoresGuardados& g = Guardados();
    g.q = Numero("q");
    g.b = Numero("b");
    g.z = Numero("z");
    g.n = Numero("n");
    g.s = Numero("s");
    const TiranteNormalCanal r = ResolverTiranteNormal({ g.q, g.b, g.z, g.n, g.s });
    if (InformarFallo(this, r.fallo,
            { { FalloCalculo::DatosIncompletos, { kTextoDatosIncompletos } },
                { FalloCalculo::AnchoTaludCero, { kTextoAnchoTalud }, true } }))
        return false;
    g.y = r.tirante;
    g.p = r.perimetro;
    g.a = r.area;
    g.t = r.espejo;
    g.v = r.velocidad;
    Escribir("y", g.y, kMascaraParcial);
    Escribir("p", g.p, kMascaraParcial);
    Escribir("a", g.a, kMascaraParcial);
    Escribir("t", g.t, kMascaraParcial);
    AdvertirVelocidadErosiva("v", "mv", g.v, r.erosiva, kMascaraParcial);
    if (!r.erosiva)
        ControlNombrado<QLabel>(this, QStringLiteral("mv"))->setText(QString());
    return true;
}

// ---- "&Calcular" --------------------------------------------------------------

void frmPerdidasCanales::Calcular()
{
    if (SSTab1_->currentIndex() == 0)
        CalcularTierra();
    else
        CalcularRevestido();
}

void frmPerdidasCanales::CalcularRevestido()
{
    ValoresGuardados& g = Guardados();
    g.l = FloatComprobado(Numero("txtL"));
    if (g.l == 0) {
        AvisoSimple(kTextoDatosIncompletos, this);
        DarFoco(Caja("txtL"));
        return;
    }
    const double e = Numero("txtErevestido");
    const double k = Numero("txtKrevestido");
    if (e == 0 || k == 0) {
        AvisoSimple(kMensajeDatosEyK, this);
        return;
    }
    if (!CalculosPrevios())
        return;
    const auto r = CalcularPerdidaRevestido({ g.q, g.b, g.z, g.n, g.s }, g.y, g.l, e, k);
    if (!r) {
        InformarFallo(this, FalloCalculo::CalculoImposible);
        return;
    }
    Escribir("txtPrevestido", r->perdidaKm, kMascaraParcial);
    Escribir("txtQperdidorevestido", r->qPerdido, kMascaraParcial);
    Escribir("txtQfinalrevestido", r->qFinal, kMascaraParcial);
    Escribir("txtPorcentajerevestido", r->porcentaje, "0.#0");
}

void frmPerdidasCanales::CalcularTierra()
{
    ValoresGuardados& g = Guardados();
    g.l = FloatComprobado(Numero("txtL"));
    if (g.l == 0) {
        AvisoSimple(kTextoDatosIncompletos, this);
        DarFoco(Caja("txtL"));
        return;
    }
    if (!CalculosPrevios())
        return;

    // A list counts as chosen when its coefficient box holds one and its loss
    // was worked out in this run: a loss never computed is no loss of 0.
    const struct {
        const char* caja;
        FormulaPerdida formula;
        const char* texto;
    } listas[] = {
        { "txtCe", FormulaPerdida::Etcheverry, kMensajeMaterialEtcheverry },
        { "txtCp", FormulaPerdida::Punjab, kMensajeMaterialPunjab },
        { "txtCm", FormulaPerdida::Moritz, kMensajeMaterialMoritz },
        { "txtK", FormulaPerdida::Kostiakov, kMensajeMaterialKostiakov },
        { "txtCd", FormulaPerdida::DavisWilson, kMensajeMaterialDavisWilson },
    };
    for (const auto& lista : listas) {
        if (Numero(lista.caja) == 0 || !g.calculada[Indice(lista.formula)]) {
            AvisoInformativo(QString::fromUtf8(lista.texto),
                QStringLiteral("No ingresó el material del canal"), this);
            DarFoco(SSTab1_);
            return;
        }
    }
    if (!g.calculada[Indice(FormulaPerdida::Ingham)])
        CalcularIngham();

    std::array<bool, kFormulas> descartadas {};
    for (int i = 0; i < kFormulas; ++i)
        descartadas[i] = ControlNombrado<QCheckBox>(this, kDescartes[i])->isChecked();
    const std::optional<double> promedio = PromedioPerdidas(g.perdida, descartadas);
    double p = 0;
    if (promedio) {
        p = *promedio;
        g.formulasPromediadas = int(std::count(descartadas.begin(), descartadas.end(), false));
        Escribir("txtPromedio", p, kMascaraPerdida);
    } else {
        g.formulasPromediadas = 0;
        AvisoInformativo(kMensajeTodasDescartadas, QStringLiteral("Descartó todas"), this);
    }

    const ResultadoCorreccion r = CorregirCaudal(p, g.q, g.l);
    if (InformarFallo(this, r.fallo,
            { { FalloCalculo::PerdidasSuperanCaudal, { kMensajePerdidasSuperanCaudal } } }))
        return;
    Escribir("txtQperdido", r.caudales.qPerdido, kMascaraParcial);
    Escribir("txtQfinal", r.caudales.qFinal, kMascaraParcial);
    Escribir("txtQporcentaje", r.caudales.porcentaje, "0.#0");
}

// ---- the material lists and the slope box ----------------------------------------

bool frmPerdidasCanales::CoeficienteElegido(
    const QString& lista, const QString& caja, double& coeficiente)
{
    // The entry whose text the list's text matches exactly, case included.
    const QString texto = ControlNombrado<QComboBox>(this, lista)->currentText();
    std::optional<double> valor;
    for (const PaginaMaterial& p : kPaginasMaterial)
        if (lista == QLatin1String(p.lista))
            for (std::size_t i = 0; i < p.entradas.textos.size() && !valor; ++i)
                if (texto == QString::fromUtf8(p.entradas.textos[i]))
                    valor = p.entradas.coeficientes[i];
    if (!valor)
        return false;
    EscribirTexto(caja, NumeroExacto(*valor));
    coeficiente = Numero(caja);
    return true;
}

// Keeps the loss and shows it in its box and its grid row.
void frmPerdidasCanales::EscribirPerdida(int formula, double perdida, const QString& caja)
{
    ValoresGuardados& g = Guardados();
    g.perdida[formula] = perdida;
    g.calculada[formula] = true;
    const QString texto = Mascara(perdida, kMascaraPerdida);
    if (!caja.isEmpty())
        EscribirTexto(caja, texto);
    grdPerdidas_->PonerTexto(formula + 1, 1, texto);
}

void frmPerdidasCanales::cmbEtcheverry_Click()
{
    if (!CoeficienteElegido("cmbEtcheverry", "txtCe", Guardados().ce) || !CalculosPrevios())
        return;
    const double perdida
        = PerdidaFormula(FormulaPerdida::Etcheverry, CanalGuardado(), Guardados().ce);
    if (InformarFallo(this, FalloSiNoFinitos({ perdida })))
        return;
    EscribirPerdida(Indice(FormulaPerdida::Etcheverry), perdida, "txtEtcheverry");
}

void frmPerdidasCanales::cmbMoritz_Click()
{
    if (!CoeficienteElegido("cmbMoritz", "txtCm", Guardados().cm) || !CalculosPrevios())
        return;
    const double perdida = PerdidaFormula(FormulaPerdida::Moritz, CanalGuardado(), Guardados().cm);
    if (InformarFallo(this, FalloSiNoFinitos({ perdida })))
        return;
    EscribirPerdida(Indice(FormulaPerdida::Moritz), perdida, "txtMoritz");
}

void frmPerdidasCanales::CmbDavisWilson_Click()
{
    if (!CoeficienteElegido("CmbDavisWilson", "txtCd", Guardados().cd) || !CalculosPrevios())
        return;
    const double perdida
        = PerdidaFormula(FormulaPerdida::DavisWilson, CanalGuardado(), Guardados().cd);
    if (InformarFallo(this, FalloSiNoFinitos({ perdida })))
        return;
    EscribirPerdida(Indice(FormulaPerdida::DavisWilson), perdida, "txtDavisWilson");
}

// The Punjab loss is shown as its six-decimal value, written plainly; the loss
// kept for the average is the unrounded one.
void frmPerdidasCanales::cmbPunjab_Click()
{
    ValoresGuardados& g = Guardados();
    if (!CoeficienteElegido("cmbPunjab", "txtCp", g.cp) || !CalculosPrevios())
        return;
    const double perdida = PerdidaFormula(FormulaPerdida::Punjab, CanalGuardado(), g.cp);
    if (InformarFallo(this, FalloSiNoFinitos({ perdida })))
        return;
    const int i = Indice(FormulaPerdida::Punjab);
    g.perdida[i] = perdida;
    g.calculada[i] = true;
    g.punjabMostrada = LeerNumero(EscribirMascara(perdida, kMascaraPerdida));
    EscribirTexto("txtPunjab", NumeroExacto(g.punjabMostrada));
    grdPerdidas_->PonerTexto(i + 1, 1, NumeroExacto(g.punjabMostrada));
}

// One coefficient for both formulas: Kostiakov first, then Pavlovski; a loss of
// 1 or more ticks its discard box, and nothing ever clears one here.
void frmPerdidasCanales::cmbKostiakov_Click()
{
    ValoresGuardados& g = Guardados();
    if (!CoeficienteElegido("cmbKostiakov", "txtK", g.k) || !CalculosPrevios())
        return;
    const double kostiakov = PerdidaFormula(FormulaPerdida::Kostiakov, CanalGuardado(), g.k);
    const double pavlovski = PerdidaFormula(FormulaPerdida::Pavlovski, CanalGuardado(), g.k);
    if (InformarFallo(this, FalloSiNoFinitos({ kostiakov, pavlovski })))
        return;
    EscribirPerdida(Indice(FormulaPerdida::Kostiakov), kostiakov, "txtKostiakov");
    if (kostiakov >= 1)
        ControlNombrado<QCheckBox>(this, "chkKostiakov")->setChecked(true);
    EscribirPerdida(Indice(FormulaPerdida::Pavlovski), pavlovski, "txtPavlovski");
    if (pavlovski >= 1)
        ControlNombrado<QCheckBox>(this, "chkPavlovski")->setChecked(true);
}

void frmPerdidasCanales::CalcularIngham()
{
    const double perdida = PerdidaFormula(FormulaPerdida::Ingham, CanalGuardado(), 0);
    if (std::isfinite(perdida))
        EscribirPerdida(Indice(FormulaPerdida::Ingham), perdida, {});
}

void frmPerdidasCanales::s_LostFocus()
{
    if (CalculosPrevios())
        CalcularIngham();
}

// The slope box losing the focus to another control of the window; not when a
// message box or another window takes it.
bool frmPerdidasCanales::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::FocusOut && objeto == Caja("s")) {
        const auto razon = static_cast<QFocusEvent*>(evento)->reason();
        if (razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason)
            s_LostFocus();
    }
    return VentanaCalculo::eventFilter(objeto, evento);
}

// ---- "&Limpiar Pantalla" ------------------------------------------------------

void frmPerdidasCanales::Limpiar()
{
    if (SSTab1_->currentIndex() == 0)
        LimpiarTierra();
    else
        LimpiarRevestido();
}

// The shared data and the partial results; the velocity keeps its colour and
// the kept values stay.
void frmPerdidasCanales::LimpiarParciales()
{
    for (const char* caja : { "q", "b", "z", "n", "s", "txtL", "y", "p", "a", "t", "v" })
        Caja(caja)->clear();
    ControlNombrado<QLabel>(this, QStringLiteral("mv"))->setText(QString());
    DarFoco(Caja("q"));
}

void frmPerdidasCanales::LimpiarRevestido()
{
    LimpiarParciales();
    Caja("txtErevestido")->clear();
    Caja("txtKrevestido")->setText(kPermeabilidadHormigon);
    for (const char* caja :
        { "txtPrevestido", "txtQperdidorevestido", "txtQfinalrevestido", "txtPorcentajerevestido" })
        Caja(caja)->clear();
}

// The lists keep the entries last chosen, and the kept losses and coefficients
// stay.
void frmPerdidasCanales::LimpiarTierra()
{
    LimpiarParciales();
    for (const char* caja : { "txtCe", "txtEtcheverry", "txtCp", "txtPunjab", "txtCm", "txtMoritz",
             "txtK", "txtKostiakov", "txtPavlovski", "txtCd", "txtDavisWilson", "txtPromedio",
             "txtQperdido", "txtQfinal", "txtQporcentaje" })
        Caja(caja)->clear();
    grdPerdidas_->LimpiarCeldas();
    ContenidoPerdida();
    QuitarChequeo();
    DarFoco(Caja("q"));
}

void frmPerdidasCanales::QuitarChequeo()
{
    for (const char* casilla : kDescartes)
        ControlNombrado<QCheckBox>(this, casilla)->setChecked(false);
}

void frmPerdidasCanales::ContenidoPerdida()
{
    grdPerdidas_->PonerTexto(0, 0, QStringLiteral("Fórmula"));
    grdPerdidas_->PonerTexto(0, 1, QStringLiteral("m^3/s-km"));
    for (int i = 0; i < kFormulas; ++i)
        grdPerdidas_->PonerTexto(i + 1, 0, QString::fromLatin1(kNombresFormulas[i]));
}

} // namespace quelmora
