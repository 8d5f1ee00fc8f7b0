#include "section_tools/frmOtrosCir.h"

#include "frame/plataforma.h"
#include "frame/tipo_flujo.h"
#include "section_tools/core/herramientas_seccion.h"

namespace quelmora {

namespace {

constexpr const char* kMensajeDiametro
    = "Antes de ejecutar, ingrese para d un valor mayor que para y";
constexpr const char* kMensajeDisenoInadecuado = "Diseño inadecuado";

// A page: suffix s seeks the slope from n, suffix n the roughness from S.
class PaginaOtrosCir : public PaginaCalculo {
public:
    PaginaOtrosCir(const QString& x, const QString& marcoDatos, const QString& marcoResultados,
        const QString& marcoCalculadora)
        : PaginaCalculo(x)
    {
        const bool pendiente = x == "s";
        const Entrada ultima = pendiente
            ? Entrada { "txtns", "Rugosidad (n) :", "",
                  "Ingresar el valor del coeficiente de rugosidad de acuerdo al material "
                  "del canal",
                  "Ingresar para n, un valor mayor que cero", "bCalculars" }
            : Entrada { "txtsn", "Pendiente (S) :", "m/m",
                  "Ingresar el valor de la pendiente del canal",
                  "Ingresar para s, un valor mayor que cero", "bCalcularn" };
        Marco* datos = NuevoMarco(marcoDatos, "Datos:", { 480, 600, 3855, 1935 });
        Entradas(datos,
            Columna { .etiqueta = 360,
                .anchoEtiqueta = 1275,
                .caja = 1680,
                .anchoCaja = 1035,
                .unidad = 3000,
                .arriba = 360,
                .anchoUnidad = 735 },
            {
                { "txtq" + x, "Caudal (Q) :", "m3/s", "Ingresar el valor del caudal Q",
                    "Ingresar para Q, un valor mayor que cero", "txty" + x },
                { "txty" + x, "Tirante (y):", "m", "Ingresar el valor del tirante y",
                    "Ingresar para y, un valor mayor que cero", "txtd" + x },
                { "txtd" + x, "Diámetro (d):", "m", "Ingresar el valor del diámetro d, mayor que y",
                    "Ingresar para d, un valor mayor que cero", ultima.nombre },
                ultima,
            });
        Dibujo(this, "imacir" + x, DibujoSeccion(FiguraSeccion::Circulo), 6720, 600);

        Marco* resultados = NuevoMarco(marcoResultados, "Resultados:", { 480, 3000, 10215, 2055 });
        const Columna izquierda { .etiqueta = 360, .caja = 2280, .unidad = 3480 };
        const Columna derecha { .etiqueta = 5640,
            .anchoEtiqueta = 2040,
            .caja = 7800,
            .unidad = 9000,
            .anchoUnidad = 1095 };
        Resultados(resultados, izquierda,
            {
                pendiente ? Resultado { "txtss", "Pendiente (S):", "m/m" }
                          : Resultado { "txtnn", "Rugosidad (n):", "" },
                { "txta" + x, "Area hidráulica (A) :", "m2" },
                { "txtt" + x, "Espejo de agua (T) :", "m" },
                { "txtf" + x, "Número de Froude (F) :", "" },
                { "txttf" + x, "Tipo de flujo :", "", 1335, {}, {}, Qt::AlignCenter },
            });
        Resultados(resultados, derecha,
            {
                { "txtp" + x, "Perímetro mojado (p) :", "m" },
                { "txtr" + x, "Radio hidráulico (R) :", "m" },
                { "txtv" + x, "Velocidad (v) :", "m/s" },
                { "txte" + x, "Energía específica (E) :", "m-Kg/Kg" },
            });
        BotonesRol({ 480, 5400 }, { 8880, 5400 },
            NombresConSufijo(x, "bMenu", "fraboton" + x, marcoCalculadora));
    }

    void Calcular() override
    {
        if (sufijo() == "s")
            CalcularPendiente();
        else
            CalcularRugosidad();
    }

private:
    void CalcularPendiente()
    {
        const double Q = Numero("txtqs"), y = Numero("txtys"), d = Numero("txtds"),
                     n = Numero("txtns");
        if (d <= y) {
            AvisoSimple(kMensajeDiametro, window());
            DarFoco(Campo("txtds"));
            return;
        }
        if (!VerificarDatosCompletos({ Q, y, d, n }, kTextoAntesDeEjecutar)) {
            DarFoco(Campo("txtqs"));
            return;
        }
        // Every failure from here on is an inadequate design, with nothing written.
        CapturarErrorCalculo({ kMensajeDisenoInadecuado }, [&] {
            const ResultadoHerramienta r = CalcularPendienteCircular(Q, y, d, n);
            if (r.fallo != FalloCalculo::Ninguno)
                return false;
            Escribir(r, "txtss", r.pendiente, "##0.000000");
            return true;
        });
    }

    void CalcularRugosidad()
    {
        const double Q = Numero("txtqn"), y = Numero("txtyn"), d = Numero("txtdn"),
                     S = Numero("txtsn");
        if (!VerificarDatosCompletos({ Q, y, d, S }, kTextoDatosIncompletos)) {
            DarFoco(Campo("txtqn"));
            return;
        }
        if (d <= y) {
            AvisoSimple(kMensajeDiametro, window());
            DarFoco(Campo("txtdn"));
            return;
        }
        const ResultadoHerramienta r = CalcularRugosidadCircular(Q, y, d, S);
        if (InformarFallo(window(), r.fallo))
            return;
        Escribir(r, "txtnn", r.rugosidad, "##0.0000");
    }

    // The flow type first, then the sought value and the section, in the
    // window's order.
    void Escribir(
        const ResultadoHerramienta& r, const QString& caja, double buscado, const char* mascara)
    {
        const QString& x = sufijo();
        EscribirTexto("txttf" + x, TextoTipoFlujo(r.tipoFlujo));
        SuperficieCalculo::Escribir(caja, buscado, mascara);
        SuperficieCalculo::Escribir("txta" + x, r.area, "##0.0000");
        SuperficieCalculo::Escribir("txtt" + x, r.espejo, "##0.0000");
        SuperficieCalculo::Escribir("txtp" + x, r.perimetro, "##0.0000");
        SuperficieCalculo::Escribir("txtr" + x, r.radio, "##0.0000");
        SuperficieCalculo::Escribir("txtv" + x, r.velocidad, "##0.0000");
        SuperficieCalculo::Escribir("txte" + x, r.energia, "##0.0000");
        SuperficieCalculo::Escribir("txtf" + x, r.froude, "##0.0000");
    }
};

} // namespace

constinit const DescripcionVentana frmOtrosCir::kDescripcion {
    .clase = "frmOtrosCir",
    .fabrica = Fabricar<frmOtrosCir>,
    .entrada = { "otros", "otrocircu", "Sección Circular (S,n)" },
    .titulo = "Cálculo de la pendiente o rugosidad en una sección circular",
    .datos = {
        { "ordinario",
            { { "txtqs", "0.3" }, { "txtys", "0.5" }, { "txtds", "1" }, { "txtns", "0.013" },
                { "txtqn", "0.3" }, { "txtyn", "0.5" }, { "txtdn", "1" },
                { "txtsn", "0.000626" } } },
    },
    .mensajes = { kTextoDatosIncompletos, kTextoAntesDeEjecutar, kMensajeDiametro,
        kMensajeDisenoInadecuado },
};

frmOtrosCir::frmOtrosCir()
    : VentanaCalculo(kDescripcion.titulo, 11880, 8160)
{
    NuevasPestanas({ 360, 360, 11175, 7095 });
    AgregarPagina(new PaginaOtrosCir("s", "fradats", "fraress", "Frame4s"),
        QStringLiteral("Cálculo de la pendiente (S)"));
    AgregarPagina(new PaginaOtrosCir("n", "fardatn", "fraresn", "Frame4"),
        QStringLiteral("Cálculo de la rugosidad (n)"));
}

} // namespace quelmora
