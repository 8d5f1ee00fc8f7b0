#pragma once
// A small trapezoidal window built on the frame, the way the calculation windows
// are declared; the frame tests drive it. Its calculation only writes Q + b so
// that a test can see it ran.

#include "frame/ventana_calculo.h"
#include "frame/ventanas.h"

#include <functional>
#include <stdexcept>

using namespace quelmora;

class VentanaPrueba : public VentanaCalculo {
public:
    VentanaPrueba()
        : VentanaCalculo(QStringLiteral("Ventana de prueba del marco"))
    {
        Marco* proyecto = NuevoMarco("Frame1", "", { 720, 120, 10335, 1035 });
        DatosProyecto(proyecto,
            {
                { "lu", CampoDeProyecto::Lugar, { 1440, 240, 2535, 285 }, { 240, 240, 1095, 285 } },
                { "pro", CampoDeProyecto::Proyecto, { 7080, 240, 2535, 285 },
                    { 5760, 240, 1215, 285 } },
                { "tra", CampoDeProyecto::Tramo, { 1440, 600, 2535, 285 },
                    { 240, 600, 1095, 285 } },
                { "re", CampoDeProyecto::Revestimiento, { 7080, 600, 2535, 285 },
                    { 5760, 600, 1215, 285 } },
            });
        Marco* datos = NuevoMarco("Frame2", "Datos:", { 720, 1320, 4095, 2055 });
        Entradas(datos, Columna {},
            {
                { "q", "Caudal (Q):", "m3/s", "Ingresar el valor del caudal Q",
                    "Ingresar para Q, un valor mayor que cero", "b", "Label1" },
                { "b", "Ancho de solera (b):", "m",
                    "Ingresar el valor del ancho de fondo del canal",
                    "Ingresar para b, un valor igual o mayor que cero", "z" },
                { "z", "Talud (Z):", "", "Ingresar el valor del talud",
                    "Ingresar para Z, un valor igual o mayor que cero", "n" },
                { "n", "Rugosidad (n):", "", "Ingresar el valor del coeficiente de rugosidad",
                    "Ingresar para n, un valor mayor que cero", "s" },
                { "s", "Pendiente (S):", "m/m", "Ingresar el valor de la pendiente del canal",
                    "Ingresar para S, un valor mayor que cero", "bCalcular" },
            });
        Marco* resultados = NuevoMarco("Frame5", "Resultados:", { 720, 3840, 10335, 2055 });
        Resultados(resultados, Columna { .etiqueta = 360, .caja = 2280, .unidad = 3720 },
            {
                { "y", "Tirante normal (y):", "m" },
                { "tf", "Tipo de flujo:", "", 1335 },
            });
        Resultados(resultados, Columna { .etiqueta = 5880, .caja = 7920, .unidad = 9240 },
            {
                { "v", "Velocidad (v):", "m/s" },
            });
        EtiquetaAvisoVelocidad(resultados, "mv", { 5880, 1560, 4215, 375 });
        FigurasTrapecio(7200, 1320, "trape", "rectan", "trian", "b", "z");
        BotonesRol({ 720, 6360 }, { 9240, 6360 }, { .menu = "bMemuPrincipal" });
        OrdenTabulacion({ "q", "b", "z", "n", "s", "bCalcular", "y", "v", "tf", "bLimpiar",
            "bImprimir", "bMemuPrincipal", "bCalculadora", "lu", "pro", "tra", "re" });
    }

    int calculos = 0;
    // A calculation of the test's own in place of the one below.
    std::function<void()> otroCalculo;
    using SuperficieCalculo::CapturarErrorCalculo;
    using SuperficieCalculo::Escribir;
    using SuperficieCalculo::VerificarCampoVacio;

protected:
    void Calcular() override
    {
        if (otroCalculo) {
            otroCalculo();
            return;
        }
        const double Q = Numero("q"), n = Numero("n"), S = Numero("s"), Z = Numero("z"),
                     b = Numero("b");
        if (!VerificarDatosCompletos({ Q, S, n }, kTextoDatosIncompletos))
            return;
        if (!VerificarAnchoTalud(b, Z))
            return;
        ++calculos;
        Escribir("y", Q + b, "##0.0000");
        EscribirTexto("tf", "Subcrítico");
        AdvertirVelocidadErosiva("v", "mv", Q, n > 0.024, "##0.0000");
    }
};

inline void RegistrarVentanaPrueba()
{
    RegistrarVentana("VentanaPrueba", [] { return new VentanaPrueba; });
}
