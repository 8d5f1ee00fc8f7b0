#include "structures/ventana_transicion.h"

#include <QFont>
#include <QLabel>
#include <cmath>

#include "frame/tabla_resultados.h"
#include "frame/texto_numero.h"

namespace quelmora {

namespace {

const QString kTituloErrorCalculo = QStringLiteral("Error de cálculos");

const char* const kMascaraTirante = "##0.0000";
const char* const kMascaraGrilla = "###0.###0";

// A whole number held as a double, as plain integer text.
QString Entero(double valor) { return QString::number(valor, 'f', 0); }

} // namespace

VentanaTransicion::VentanaTransicion(VarianteTransicion variante, const QString& titulo)
    : VentanaConCopia(titulo)
    , variante_(variante)
{
}

void VentanaTransicion::TituloVentana(const QString& texto)
{
    QLabel* titulo = Etiqueta(this, QStringLiteral("Label1"), texto, { 720, 240, 2175, 855 });
    QFont letra(QStringLiteral("Arial"));
    letra.setPointSizeF(9.75);
    letra.setBold(true);
    titulo->setFont(letra);
    titulo->setAlignment(Qt::AlignCenter);
    titulo->setWordWrap(true);
    titulo->setFrameShape(QFrame::Box);
    titulo->setAutoFillBackground(true);
    titulo->setStyleSheet(
        QStringLiteral("QLabel { color: #0000ff; background: #80ffff; border: 1px solid black; }"));
}

TablaResultados* VentanaTransicion::NuevaGrilla(
    QWidget* marco, const QString& nombre, int filas, const Twips& lugar)
{
    auto* grilla = new TablaResultados(marco, nombre, lugar, 4, filas);
    for (int columna = 0; columna < 4; ++columna)
        grilla->CentrarColumna(columna);
    return grilla;
}

void VentanaTransicion::Encabezados()
{
    const QString stv[] = { "I", "b(I)", "Z(I)", "HZ(I)" };
    const QString tve[] = { "I", "y(I)", "v(I)", "E(I)" };
    for (int columna = 0; columna < 4; ++columna) {
        Grilla(QStringLiteral("STV"))->PonerTexto(0, columna, stv[columna]);
        Grilla(QStringLiteral("TVE"))->PonerTexto(0, columna, tve[columna]);
    }
}

// ---- "&Calcular" -------------------------------------------------------------

void VentanaTransicion::Calcular()
{
    if (!VerificarEntradas())
        return;
    const DatosTransicion datos { Numero("q"), Numero("bc"), Numero("BF"), Numero("zc"),
        Numero("ZF"), Numero("yc"), Numero("hz"), Numero("k") };
    const int filasDatos = Grilla(QStringLiteral("STV"))->Filas() - 1;
    const ResultadoTransicion r = CalcularTransicion(variante_, datos, filasDatos);
    CapturarErrorCalculo({ kMensajeErrorTransicion, kTituloErrorCalculo }, [&] {
        EscribirResultado(r);
        return r.fallo == FalloCalculo::Ninguno;
    });
}

// Writes what the design reached, in the order it is worked out. A grid that
// gets new rows loses the rows below them, which belonged to an earlier design.
void VentanaTransicion::EscribirResultado(const ResultadoTransicion& r)
{
    if (r.tiranteF)
        Escribir(QStringLiteral("YF"), *r.tiranteF, kMascaraTirante);
    if (r.longitud)
        EscribirTexto(QStringLiteral("LT"), Entero(*r.longitud));
    if (r.tramos)
        EscribirTexto(QStringLiteral("NT"), QString::number(*r.tramos));

    auto vaciarDatos = [](TablaResultados* grilla) {
        for (int fila = 1; fila < grilla->Filas(); ++fila)
            for (int columna = 0; columna < 4; ++columna)
                grilla->PonerTexto(fila, columna, QString());
    };
    if (!r.leyes.empty()) {
        TablaResultados* stv = Grilla(QStringLiteral("STV"));
        vaciarDatos(stv);
        for (const FilaLeyesTransicion& f : r.leyes) {
            stv->PonerTexto(f.indice + 1, 0, QString::number(f.indice));
            stv->PonerTexto(f.indice + 1, 1, Mascara(f.ancho, kMascaraGrilla));
            stv->PonerTexto(f.indice + 1, 2, Mascara(f.talud, kMascaraGrilla));
            stv->PonerTexto(f.indice + 1, 3, Mascara(f.descenso, kMascaraGrilla));
        }
    }
    if (!r.secciones.empty()) {
        TablaResultados* tve = Grilla(QStringLiteral("TVE"));
        vaciarDatos(tve);
        for (const FilaSeccionTransicion& f : r.secciones) {
            tve->PonerTexto(f.indice + 1, 0, QString::number(f.indice));
            tve->PonerTexto(f.indice + 1, 1, Mascara(f.tirante, kMascaraGrilla));
            tve->PonerTexto(f.indice + 1, 2, Mascara(f.velocidad, kMascaraGrilla));
            tve->PonerTexto(f.indice + 1, 3, Mascara(f.energia, kMascaraGrilla));
        }
    }
}

// ---- "&Limpiar Pantalla" -----------------------------------------------------

void VentanaTransicion::Limpiar()
{
    Grilla(QStringLiteral("TVE"))->LimpiarCeldas();
    Grilla(QStringLiteral("STV"))->LimpiarCeldas();
    Encabezados();
    // Every box and result box empties; k does not get its default back.
    VentanaCalculo::Limpiar();
}

} // namespace quelmora
