// The inlet transition window: a warped contraction in subcritical flow.

#include "structures/TranAlEn.h"

#include "frame/tabla_resultados.h"
#include "structures/dibujos_estructuras.h"

namespace quelmora {

namespace {

constexpr const char* kMensajeCaudal = "Ingresar un valor adecuado para el caudal";
constexpr const char* kMensajeAnchoC = "Ingresar un valor adecuado para el ancho de solera en C";
constexpr const char* kMensajeAnchoF = "Ingresar un valor adecuado para el ancho de solera en F";
constexpr const char* kMensajeTaludC = "Ingresar un valor adecuado para el talud en C";
constexpr const char* kMensajeTaludF = "Ingresar un valor adecuado para el talud en F";
constexpr const char* kMensajeTiranteC
    = "Ingresar un valor adecuado para el tirante en C, sección de inicio de cálculos";
constexpr const char* kMensajeDiferenciaCotas
    = "Ingresar un valor adecuado para la diferencia de cotas entre los 2 tramos";
constexpr const char* kMensajePerdidaEntrada
    = "Ingresar un valor adecuado para coeficiente de pérdida de entrada Ke";

} // namespace

constinit const DescripcionVentana TranAlEn::kDescripcion {
    .clase = "TranAlEn",
    .fabrica = Fabricar<TranAlEn>,
    .entrada = { "mnuestructuras", "mnuestrucentrada", "Transición de Entrada Alabeada" },
    .titulo = "Cálculos para una transición de entrada alabeada en flujo subcrítico",
    .datos = {
        { "ordinario",
            { { "q", "1.5" }, { "bc", "1" }, { "BF", "2.6" }, { "zc", "0" }, { "ZF", "2" },
                { "yc", "0.8" }, { "hz", "0.04" } } },
    },
    .mensajes = { kMensajeErrorTransicion, kMensajeCaudal, kMensajeAnchoC, kMensajeAnchoF,
        kMensajeTaludC, kMensajeTaludF, kMensajeTiranteC, kMensajeDiferenciaCotas,
        kMensajePerdidaEntrada },
};

TranAlEn::TranAlEn()
    : VentanaTransicion(VarianteTransicion::Entrada, kDescripcion.titulo)
{
    TituloVentana(QStringLiteral("Cálculos para una transición de entrada alabeada"));
    Dibujo(this, QStringLiteral("Picture1"), DibujoTransicion(false), 3000, 0);

    Marco* datos = NuevoMarco(
        QStringLiteral("Frame1_0"), QStringLiteral("Datos de Entrada:"), { 720, 1440, 4335, 3375 });
    const Columna columna { .etiqueta = 120,
        .anchoEtiqueta = 2475,
        .caja = 2640,
        .anchoCaja = 975,
        .unidad = 3720,
        .arriba = 360,
        .paso = 360,
        .anchoUnidad = 555 };
    // clang-format off
    Entradas(datos, columna, {
        // box   label                                    unit    status text                                                        warning  Enter to
        {"q",  "Caudal (Q):",                             "m3/s", "Ingresar el valor del caudal Q",                                  {}, "bc"},
        {"bc", "Ancho de solera en la sección C:",        "m",    "Ingresar el valor del ancho de fondo del canal en la sección C", {}, "BF"},
        {"BF", "Ancho de solera en la sección F:",        "m",    "Ingresar el valor del ancho de fondo del canal en la sección F", {}, "zc"},
        {"zc", "Talud en la sección C:",                  "",     "Ingresar el valor del talud en la sección C",                    {}, "ZF"},
        {"ZF", "Talud en la sección F:",                  "",     "Ingresar el valor del talud en la sección F",                    {}, "yc"},
        {"yc", "Tirante en la sección C:",                "m",    "Ingresar el valor del tirante en la sección C",                  {}, "hz"},
        {"hz", "Diferencia de cotas HZ:",                 "m",    "Ingresar el valor de la diferencia de cotas",                    {}, "k",
               {}, {}, {}, true},
        {"k",  "Coef. de pérdida en transicion K:",       "",     "Ingresar el valor del coeficiente de pérdidas en la transición de entrada (contracción) Ke",
                                                                                                                                    {}, "bCalcular",
               {}, {}, "0.1"},
    });
    // clang-format on

    Marco* resultados = NuevoMarco(
        QStringLiteral("Frame1_1"), QStringLiteral("Resultados:"), { 720, 4800, 4335, 1575 });
    Resultados(resultados,
        Columna { .etiqueta = 120,
            .anchoEtiqueta = 2475,
            .caja = 2640,
            .anchoCaja = 975,
            .unidad = 3720,
            .arriba = 360,
            .paso = 360,
            .anchoUnidad = 435 },
        {
            { "YF", "Tirante en la sección F:", "m" },
            { "LT", "Longitud de la transición:", "m" },
            { "NT", "Número de tramos N:", "" },
        });

    // 21 rows, one fewer than the outlet's: room for 20 sections only.
    Marco* leyes = NuevoMarco(QStringLiteral("Frame2"),
        QStringLiteral("Cálculo del ancho solera, talud y variación de fondo:"),
        { 6480, 120, 4575, 3135 });
    NuevaGrilla(leyes, QStringLiteral("STV"), 21, { 120, 240, 4215, 2745 });
    Marco* secciones = NuevoMarco(QStringLiteral("Frame3"),
        QStringLiteral("Cálculo del tirante, velocidad y energía:"), { 6480, 3240, 4575, 3015 });
    NuevaGrilla(secciones, QStringLiteral("TVE"), 21, { 120, 240, 4215, 2655 });
    Encabezados();

    BotonesConCopia(QStringLiteral("Frame3C"), QStringLiteral("Frame7C"), QStringLiteral("STV"),
        QStringLiteral("TVE"));
    OrdenTabulacion({ "q", "bc", "BF", "zc", "ZF", "yc", "hz", "k", "bCalcular" });
}

// ---- checks at "&Calcular" ---------------------------------------------------

bool TranAlEn::VerificarEntradas()
{
    // clang-format off
    return VerificarCampoVacio("q",  kMensajeCaudal)
        && VerificarCampoVacio("bc", kMensajeAnchoC)
        && VerificarCampoVacio("BF", kMensajeAnchoF)
        && VerificarCampoVacio("zc", kMensajeTaludC)
        && VerificarCampoVacio("ZF", kMensajeTaludF)
        && VerificarCampoVacio("yc", kMensajeTiranteC)
        && VerificarCampoVacio("hz", kMensajeDiferenciaCotas)
        && VerificarCampoVacio("k",  kMensajePerdidaEntrada);
    // clang-format on
}

} // namespace quelmora
