// The outlet transition window: a warped expansion in subcritical flow.

#include "structures/TranAlSa.h"

#include "frame/tabla_resultados.h"
#include "structures/dibujos_estructuras.h"

namespace quelmora {

constinit const DescripcionVentana TranAlSa::kDescripcion {
    .clase = "TranAlSa",
    .fabrica = Fabricar<TranAlSa>,
    .entrada = { "mnuestructuras", "mnuestrusalida", "Transición de Salida Alabeada" },
    .titulo = "Cálculos para una transición de salida alabeada en flujo subcrítico",
    .datos = {
        { "ordinario",
            { { "q", "2" }, { "bc", "2.5" }, { "BF", "1.8" }, { "zc", "1.5" }, { "ZF", "0" },
                { "yc", "0.9" }, { "hz", "0.05" } } },
    },
    .mensajes = { kMensajeErrorTransicion },
};

TranAlSa::TranAlSa()
    : VentanaTransicion(VarianteTransicion::Salida, kDescripcion.titulo)
{
    TituloVentana(QStringLiteral("Cálculos para una transición de salida alabeada"));
    Dibujo(this, QStringLiteral("Picture1"), DibujoTransicion(true), 3000, 0);

    Marco* datos = NuevoMarco(
        QStringLiteral("Frame1_0"), QStringLiteral("Datos de Entrada:"), { 720, 1440, 4455, 3375 });
    const Columna columna { .etiqueta = 120,
        .anchoEtiqueta = 2475,
        .caja = 2640,
        .anchoCaja = 1035,
        .unidad = 3840,
        .arriba = 360,
        .paso = 360,
        .anchoUnidad = 555 };
    // clang-format off
    Entradas(datos, columna, {
        // box   label                                    unit    status text                                                        warning  Enter to
        {"q",  "Caudal (Q):",                             "m3/s", "Ingresar el valor del caudal Q",                                  {}, "bc"},
        {"bc", "Ancho de solera en la sección C:",        "m",    "Ingresar el valor del ancho de fondo del canal en la sección C", {}, "BF"},
        {"BF", "Ancho de solera  en la sección F:",       "m",    "Ingresar el valor del ancho de fondo del canal en la sección F", {}, "zc"},
        {"zc", "Talud  en la sección C:",                 "",     "Ingresar el valor del talud en la sección C",                    {}, "ZF"},
        {"ZF", "Talud en la sección F:",                  "",     "Ingresar el valor del talud en la sección F",                    {}, "yc"},
        {"yc", "Tirante en la sección C:",                "m",    "Ingresar el valor del tirante en la sección C",                  {}, "hz"},
        {"hz", "Diferencia de Cotas HZ:",                 "m",    "Ingresar el valor de la diferencia de cotas",                    {}, "k",
               {}, {}, {}, true},
        {"k",  "Coef. de Pérdida en Transicion K:",       "",     "Ingresar el valor del coeficiente de pérdidas en la transición de salida (expansión) Ks",
                                                                                                                                    {}, "bCalcular",
               {}, {}, "0.2"},
    });
    // clang-format on

    Marco* resultados = NuevoMarco(
        QStringLiteral("Frame1_1"), QStringLiteral("Resultados:"), { 720, 4800, 4455, 1575 });
    Resultados(resultados,
        Columna { .etiqueta = 120,
            .anchoEtiqueta = 2475,
            .caja = 2640,
            .anchoCaja = 1035,
            .unidad = 3960,
            .arriba = 360,
            .paso = 360,
            .anchoUnidad = 435 },
        {
            { "YF", "Tirante en la sección F:", "m" },
            { "LT", "Longitud de la transición:", "m" },
            { "NT", "Número de Tramos N:", "" },
        });

    Marco* leyes = NuevoMarco(QStringLiteral("Frame2"),
        QStringLiteral("Cálculo del ancho solera, talud y variación fondo:"),
        { 6360, 240, 4695, 3135 });
    NuevaGrilla(leyes, QStringLiteral("STV"), 22, { 120, 240, 4335, 2745 });
    Marco* secciones = NuevoMarco(QStringLiteral("Frame3"),
        QStringLiteral("Cálculo del tirante, velocidad y energía:"), { 6360, 3360, 4695, 3015 });
    NuevaGrilla(secciones, QStringLiteral("TVE"), 22, { 120, 240, 4335, 2655 });
    Encabezados();

    BotonesConCopia(QStringLiteral("Frame3C"), QStringLiteral("Frame7C"), QStringLiteral("STV"),
        QStringLiteral("TVE"));
    OrdenTabulacion({ "q", "bc", "BF", "zc", "ZF", "yc", "hz", "k", "bCalcular" });
}

} // namespace quelmora
