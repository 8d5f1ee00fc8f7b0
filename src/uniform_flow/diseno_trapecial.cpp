#include "uniform_flow/diseno_trapecial.h"

#include "frame/fallos.h"
#include "frame/tipo_flujo.h"

namespace quelmora {

// clang-format off
VentanaDisenoTrapecial::VentanaDisenoTrapecial(const FormaDisenoTrapecial& forma)
    : VentanaCalculo(forma.titulo), disenar_(forma.disenar)
{
    Marco* proyecto = NuevoMarco("Frame1", "", {720, 120, 10335, 975});
    DatosProyecto(proyecto, {
        {"lu", CampoDeProyecto::Lugar, {1440, 240, 2535, 285}, {240, 240, 1095, 285}},
        {"pro", CampoDeProyecto::Proyecto, {7080, 240, 2535, 285}, {5760, 240, 1215, 285}},
        {"tra", CampoDeProyecto::Tramo, {1440, 600, 2535, 285}, {240, 600, 1095, 285}},
        {"re", CampoDeProyecto::Revestimiento, {7080, 600, 2535, 285}, {5760, 600, 1215, 285}},
    });
    Marco* datos = NuevoMarco("Frame2", "Datos:", {720, 1320, 4095, 1815});
    Entradas(datos, Columna{.etiqueta = 360, .anchoEtiqueta = 1455, .caja = 1920, .unidad = 3360, .anchoUnidad = 615}, {
        // box  label             unit    status text / warning / Enter to
        {"q", "Caudal (Q):",      "m3/s", "Ingresar el valor del caudal Q",
              "Ingresar para Q, un valor mayor que cero",              "z"},
        {"z", "Talud (Z):",       "",     "Ingresar el valor del talud, para taludes diferentes ingresar su promedio",
              "Ingresar para Z, un valor mayor o igual que cero",      "n"},
        {"n", "Rugosidad (n):",   "",     "Ingresar el valor del coeficiente de rugosidad de acuerdo al material del canal",
              "Ingresar para n, un valor mayor que cero",              "s"},
        {"s", "Pendiente (S):",   "m/m",  "Ingresar el valor de la pendiente del canal",
              "Ingresar para S, un valor mayor que cero",              "bCalcular"},
    });
    // Only Z chooses the drawing: rectangle at 0, trapezoid otherwise.
    FigurasTrapecio(7080, 1320, "trape", "rectan", "", "", "z");
    Marco* resultados = NuevoMarco("Frame3", "Resultados:", forma.marcoResultados);
    const int izquierda = forma.cajaIzquierda, derecha = forma.cajaDerecha;
    Resultados(resultados, Columna{.etiqueta = izquierda - 2040, .anchoEtiqueta = 1935, .caja = izquierda,
                                   .unidad = izquierda + 1215, .arriba = 360}, {
        {"y", "Tirante (y):", "m"},
        {"p", "Perímetro (p):", "m"},
        {"r", "Radio hidráulico (R):", "m"},
        {"v", "Velocidad (v):", "m/s"},
        {"e", "Energía específica (E):", "m-Kg/Kg"},
    });
    Resultados(resultados, Columna{.etiqueta = derecha - 2040, .anchoEtiqueta = 1935, .caja = derecha,
                                   .unidad = derecha + 1215, .arriba = 360}, {
        {"b", "Ancho de solera (b):", "m"},
        {"a", "Area hidráulica (A):", "m2"},
        {"t", "Espejo de agua (T):", "m"},
        {"f", "Número de Froude (F):", ""},
        {"tf", "Tipo de flujo:", "", 1335},
    });
    EtiquetaAvisoVelocidad(resultados, "mv", forma.etiquetaAviso, 12.0);
    BotonesRol({720, 6360}, {9240, 6360}, {.marcoBotones = "Frame4", .marcoCalculadora = "Frame5"});
    OrdenTabulacion({"q", "z", "n", "s", "bCalcular", "lu", "pro", "tra", "re", "y", "p", "r", "v",
                     "e", "b", "a", "t", "f", "tf", "bLimpiar", "bImprimir", "bMenuPrincipal",
                     "bCalculadora"});
}
// clang-format on

void VentanaDisenoTrapecial::Calcular()
{
    const double Q = Numero("q"), n = Numero("n"), S = Numero("s"), Z = Numero("z");
    if (!VerificarDatosCompletos({ Q, S, n }, kTextoDatosIncompletos))
        return;
    const ResultadoFlujoUniforme r = disenar_(Q, Z, n, S);
    if (InformarFallo(this, r.fallo))
        return;
    EscribirTexto("tf", TextoTipoFlujo(r.tipoFlujo));
    Escribir("y", r.tirante, "##0.0000");
    Escribir("b", r.ancho, "##0.0000");
    Escribir("p", r.perimetro, "##0.0000");
    Escribir("a", r.area, "##0.0000");
    Escribir("r", r.radio, "##0.0000");
    Escribir("t", r.espejo, "##0.0000");
    Escribir("e", r.energia, "##0.0000");
    Escribir("f", r.froude, "##0.0000");
    AdvertirVelocidadErosiva("v", "mv", r.velocidad, r.erosiva, "##0.0000");
}

} // namespace quelmora
