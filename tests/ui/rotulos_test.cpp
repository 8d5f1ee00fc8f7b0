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

// Where the ink of a one-line label lies, in its parent's coordinates.
QRect TintaDe(const QLabel* etiqueta)
{
    const QRect zona = etiqueta->contentsRect().translated(etiqueta->pos());
    const int ancho = QFontMetrics(etiqueta->font()).horizontalAdvance(etiqueta->text());
    int izquierda = zona.left();
    if (etiqueta->alignment() & Qt::AlignRight)
        izquierda = zona.right() + 1 - ancho;
    else if (etiqueta->alignment() & Qt::AlignHCenter)
        izquierda = zona.left() + (zona.width() - ancho) / 2;
    return QRect(izquierda, zona.top(), ancho, zona.height());
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
                        public ::testing::WithParamInterface<const char*> { };

TEST_P(RotulosLegibles, EveryCaptionFitsItsPlace)
{
    QWidget* ventana = Abrir(GetParam());
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

INSTANTIATE_TEST_SUITE_P(Ventanas, RotulosLegibles,
    ::testing::Values("yntrape", "ynpara", "yncir", "ynmaxef", "ynmininf", "qtrape", "qpara",
        "qcir", "yctrape", "ycpara", "yccir", "rhrectan", "rhtrape", "rhpara", "rhcir", "crinte",
        "crbak", "crbresse", "crdirtra", "crtrafij", "frmQNaturalNConstante",
        "frmQNaturalRugCompuesta", "frmCompuerta", "frmVertederos", "Acerca", "frmVariosTrape",
        "frmRelayd", "frmOtrosCir", "TranAlEn", "TranAlSa", "frmVertederoLateral",
        "frmPerdidasCanales", "frmCalculadora", "menuprin"),
    [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

} // namespace
