// Every caption of a window can be read whole: a label's text fits the label and
// does not run under a box or button beside it, and a frame's caption fits the
// frame. Our sans face is a little wider than the one the forms were laid out
// in, so this is where a too-long text shows first.

#include <QAbstractScrollArea>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTabWidget>

#include "conductor.h"

namespace {

namespace {

// Where the ink of a one-line label lies, in its parent's coordinates: across,
// the text's full advance; up and down, only its letters, so that a big label
// whose place just touches a box above it is not taken for running under it.
QRect TintaDe(const QLabel* etiqueta)
{
    const QRect zona = etiqueta->contentsRect().translated(etiqueta->pos());
    const QFontMetrics medidas(etiqueta->font());
    const int ancho = medidas.horizontalAdvance(etiqueta->text());
    int izquierda = zona.left();
    if (etiqueta->alignment() & Qt::AlignRight)
        izquierda = zona.right() + 1 - ancho;
    else if (etiqueta->alignment() & Qt::AlignHCenter)
        izquierda = zona.left() + (zona.width() - ancho) / 2;
    int linea = zona.top() + (zona.height() - medidas.height()) / 2;
    if (etiqueta->alignment() & Qt::AlignTop)
        linea = zona.top();
    else if (etiqueta->alignment() & Qt::AlignBottom)
        linea = zona.bottom() + 1 - medidas.height();
    const QRect letras = medidas.tightBoundingRect(etiqueta->text());
    const int base = linea + medidas.ascent();
    return QRect(izquierda, base + letras.top(), ancho, letras.height());
}

// The grids draw their own header cells.
bool DentroDeGrilla(const QWidget* w)
{
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(p))
            return true;
    return false;
}

// The labels and frames of the window's page in view that are shown.
void RevisarRotulos(QWidget* ventana, QStringList& fallas)
{
    for (QLabel* etiqueta : ventana->findChildren<QLabel*>()) {
        if (!etiqueta->isVisibleTo(ventana) || etiqueta->text().trimmed().isEmpty()
            || etiqueta->wordWrap() || etiqueta->objectName().startsWith("Panel")
            || DentroDeGrilla(etiqueta))
            continue;
        const QRect tinta = TintaDe(etiqueta);
        const QRect zona = etiqueta->contentsRect().translated(etiqueta->pos());
        if (tinta.left() < zona.left() || tinta.right() > zona.right())
            fallas << QString("label \"%1\" is %2 px wide in a place of %3")
                          .arg(etiqueta->text())
                          .arg(tinta.width())
                          .arg(zona.width());
        // Inside a frame the text stops short of the frame's border line.
        if (auto* marco = qobject_cast<Marco*>(etiqueta->parentWidget()))
            if (tinta.right() >= marco->width() - 2)
                fallas << QString("label \"%1\" runs into the border of %2")
                              .arg(etiqueta->text(), marco->objectName());
        for (QWidget* vecino :
            etiqueta->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const bool caja
                = qobject_cast<QLineEdit*>(vecino) || qobject_cast<QAbstractButton*>(vecino);
            if (caja && !vecino->objectName().isEmpty() && vecino->isVisibleTo(ventana)
                && vecino->geometry().intersects(tinta))
                fallas << QString("label \"%1\" runs under %2")
                              .arg(etiqueta->text(), vecino->objectName());
        }
    }
    for (Marco* marco : ventana->findChildren<Marco*>()) {
        if (!marco->isVisibleTo(ventana) || marco->titulo().isEmpty())
            continue;
        // The caption starts one blank in from the frame's corner and must end
        // before the frame's right border.
        const int ancho = QFontMetrics(marco->fuenteTitulo()).horizontalAdvance(marco->titulo());
        if (10 + ancho > marco->width() - 2)
            fallas << QString("caption \"%1\" is %2 px wide in a frame of %3")
                          .arg(marco->titulo())
                          .arg(ancho)
                          .arg(marco->width());
    }
}

class RotulosLegibles : public PruebaVentanas,
                        public ::testing::WithParamInterface<const DescripcionVentana*> { };

TEST_P(RotulosLegibles, EveryCaptionFitsItsPlace)
{
    QWidget* ventana = Abrir(GetParam()->clase);
    ASSERT_NE(ventana, nullptr);
    QStringList fallas;
    // A tabbed window shows one page at a time: look at each page in turn.
    if (auto* pestanas = ventana->findChild<QTabWidget*>()) {
        for (int i = 0; i < pestanas->count(); ++i) {
            pestanas->setCurrentIndex(i);
            RevisarRotulos(ventana, fallas);
        }
    } else {
        RevisarRotulos(ventana, fallas);
    }
    fallas.removeDuplicates();
    EXPECT_TRUE(fallas.isEmpty()) << fallas.join("\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Ventanas, RotulosLegibles, ::testing::ValuesIn(VentanasDescritas()), NombreDeClase);

// Captions a calculation writes (the erosion warning, the side of the jump and
// the depths on its drawing, the side weir's stop text) are read whole too.
struct RotulosEscritos {
    const char* nombre;
    const char* clase;
    // The data typed; none: the last data set of the window's description, the
    // one that shows what the ordinary set does not.
    std::vector<std::pair<QString, QString>> datos;
    QStringList escritos; // labels the calculation must have written
};

void PrintTo(const RotulosEscritos& r, std::ostream* os) { *os << r.nombre; }

class RotulosCalculados : public PruebaVentanas,
                          public ::testing::WithParamInterface<RotulosEscritos> { };

TEST_P(RotulosCalculados, CaptionsWrittenByACalculationFitTheirPlace)
{
    const RotulosEscritos& caso = GetParam();
    QWidget* ventana = Abrir(caso.clase);
    ASSERT_NE(ventana, nullptr);
    for (const auto& [caja, valor] : caso.datos)
        Escribir(ventana, caja, valor);
    if (caso.datos.empty())
        EscribirJuegoEnVista(ventana, DescripcionDe(caso.clase)->Ilustrativo());
    for (auto* boton : ventana->findChildren<QAbstractButton*>())
        if (boton->objectName().startsWith("bCalcular") && boton->isVisible()) {
            QTest::mouseClick(boton, Qt::LeftButton);
            break;
        }
    ASSERT_TRUE(grabadora.mensajes.empty()) << grabadora.mensajes.front().texto.toStdString();
    for (const QString& nombre : caso.escritos)
        ASSERT_FALSE(LeerEtiqueta(ventana, nombre).trimmed().isEmpty()) << nombre.toStdString();
    QStringList fallas;
    RevisarRotulos(ventana, fallas);
    EXPECT_TRUE(fallas.isEmpty()) << fallas.join("\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Ventanas, RotulosCalculados,
    ::testing::Values(RotulosEscritos { "yntrape", "yntrape", {}, { "mv" } },
        RotulosEscritos { "ynpara", "ynpara", {}, { "mv" } },
        RotulosEscritos { "ynmaxef", "ynmaxef", {}, { "mv" } },
        RotulosEscritos { "ynmininf", "ynmininf", {}, { "mv" } },
        RotulosEscritos { "qtrape", "qtrape", {}, { "mv" } },
        RotulosEscritos { "qpara", "qpara", {}, { "mv" } },
        RotulosEscritos { "frmVariosTrape", "frmVariosTrape", {}, { "lblmvb" } },
        RotulosEscritos {
            "rhrectan_supercritico", "rhrectan", {}, { "lblMensajeC", "yyr1", "yyr2", "llr" } },
        // A deep conjugate and a long jump: the widest numbers on the drawing.
        RotulosEscritos { "rhrectan_salto_largo", "rhrectan",
            { { "q", "20" }, { "b", "2" }, { "y", "0.5" } },
            { "lblMensajeC", "yyr1", "yyr2", "llr" } },
        RotulosEscritos { "rhrectan_subcritico", "rhrectan",
            { { "q", "2" }, { "b", "1" }, { "y", "1.5" } },
            { "lblMensajeC", "yyr1", "yyr2", "llr" } },
        RotulosEscritos { "rhtrape", "rhtrape", {}, { "lblMensajeY", "yr1", "yr2", "lr2" } },
        RotulosEscritos { "rhpara", "rhpara", {}, { "lblMensajeY", "yr1", "yr2" } },
        RotulosEscritos { "rhcir", "rhcir", {}, { "lblMensajeY", "yr1", "yr2" } },
        RotulosEscritos { "frmVertederoLateral", "frmVertederoLateral", {}, { "lblMensaje" } }),
    [](const ::testing::TestParamInfo<RotulosEscritos>& info) {
        return std::string(info.param.nombre);
    });

} // namespace

} // namespace
