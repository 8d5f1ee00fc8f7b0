// A caption too wide for its place is drawn in the widest stretch of its face,
// from 99 % down to 75 %, that fits; the pictures of the role buttons are the
// same whether the button or the window's picture list is asked, and the lit
// one shows only while the mouse is over the button.

#include <QFontMetrics>
#include <QIcon>
#include <QImage>

#include "conductor.h"
#include "frame/controles.h"
#include "resources/imagenes.h"

using namespace quelmora;

namespace {

namespace {

int AnchoCon(const QFont& base, int estiramiento, const QString& texto)
{
    QFont f = base;
    f.setStretch(estiramiento);
    return QFontMetrics(f).horizontalAdvance(texto);
}

// The stretch the rule asks for, walking down from 99 one step at a time:
// 0 when the text fits as it is, 75 when nothing fits.
int EstiramientoBuscadoUnoAUno(const QFont& base, const QString& texto, int ancho)
{
    if (QFontMetrics(base).horizontalAdvance(texto) <= ancho)
        return 0;
    for (int e = 99; e >= 75; --e)
        if (AnchoCon(base, e, texto) <= ancho)
            return e;
    return 75;
}

int EstiramientoDe(const QFont& f) { return f.stretch() == QFont::AnyStretch ? 0 : f.stretch(); }

struct Rotulo {
    const char* nombre;
    const char* texto;
    double fraccion; // of the natural width of the text
    bool negrita;
};

void PrintTo(const Rotulo& r, std::ostream* os) { *os << r.nombre; }

class FuenteQueCabePrueba : public ::testing::TestWithParam<Rotulo> { };

TEST_P(FuenteQueCabePrueba, TakesTheWidestStretchThatFits)
{
    const Rotulo& r = GetParam();
    QFont base = FuenteFormulario();
    base.setBold(r.negrita);
    const QString texto = QString::fromUtf8(r.texto);
    const int ancho = static_cast<int>(r.fraccion * QFontMetrics(base).horizontalAdvance(texto));
    const int esperado = EstiramientoBuscadoUnoAUno(base, texto, ancho);
    EXPECT_EQ(EstiramientoDe(FuenteQueCabe(base, texto, ancho)), esperado);
    // Asked again (a frame asks at every painting), the same answer.
    EXPECT_EQ(EstiramientoDe(FuenteQueCabe(base, texto, ancho)), esperado);
    if (esperado > 75) {
        EXPECT_LE(AnchoCon(base, esperado, texto), ancho);
    }
}

INSTANTIATE_TEST_SUITE_P(Rotulos, FuenteQueCabePrueba,
    ::testing::Values(Rotulo { "cabe_entero", "Caudal (Q):", 1.0, false },
        Rotulo { "sobra_lugar", "Caudal (Q):", 1.3, true },
        Rotulo { "un_pixel_de_menos", "Profundidad en el margen (ho):", 0.995, false },
        Rotulo { "un_poco_estrecho", "Número de tramos (nt) :", 0.97, false },
        Rotulo { "apenas_estrecho", "Copiar al portapapeles los resultados", 0.985, true },
        Rotulo { "estrecho", "Copiar al portapapeles los resultados", 0.88, true },
        Rotulo { "casi_al_limite", "Cálculos para una transición de salida alabeada", 0.78, true },
        Rotulo { "no_cabe_nunca", "Cálculos para una transición de salida alabeada", 0.5, true },
        Rotulo { "sin_lugar", "Ancho de solera (b):", 0.0, false },
        Rotulo { "una_letra", "y", 0.9, false }),
    [](const ::testing::TestParamInfo<Rotulo>& info) { return std::string(info.param.nombre); });

bool MismaImagen(const QPixmap& a, const QPixmap& b)
{
    return !a.isNull()
        && a.toImage().convertToFormat(QImage::Format_ARGB32)
        == b.toImage().convertToFormat(QImage::Format_ARGB32);
}

QPixmap Icono(QWidget* ventana, const QString& boton)
{
    auto* b = Hallar<BotonRol>(ventana, boton);
    return b ? b->icon().pixmap(32, 32) : QPixmap();
}

class ImagenesDeBotones : public PruebaVentanas { };

TEST_F(ImagenesDeBotones, PictureListsHoldTheButtonPicturesNormalAndLit)
{
    QWidget* w = Abrir("crinte");
    ASSERT_NE(w, nullptr);
    auto* normales = Hallar<ListaImagenes>(w, "ImageList1");
    auto* encendidas = Hallar<ListaImagenes>(w, "ImageList2");
    ASSERT_TRUE(normales && encendidas);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_TRUE(MismaImagen(normales->imagen(i), ImagenBoton(i, false))) << i;
        EXPECT_TRUE(MismaImagen(encendidas->imagen(i), ImagenBoton(i, true))) << i;
        EXPECT_FALSE(MismaImagen(normales->imagen(i), encendidas->imagen(i))) << i;
    }
    for (int i = 6; i <= 7; ++i) {
        EXPECT_FALSE(normales->imagen(i).isNull()) << i;
        EXPECT_FALSE(MismaImagen(normales->imagen(i), encendidas->imagen(i))) << i;
    }
    EXPECT_TRUE(normales->imagen(0).isNull());
    EXPECT_TRUE(normales->imagen(8).isNull());
}

TEST_F(ImagenesDeBotones, ARoleButtonLightsUnderTheMouseAndGoesBack)
{
    QWidget* w = Abrir("yntrape");
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(MismaImagen(Icono(w, "bCalcular"), ImagenBoton(1, false)));
    MoverRaton(w, "bCalcular");
    EXPECT_TRUE(Resaltado(w, "bCalcular"));
    EXPECT_TRUE(MismaImagen(Icono(w, "bCalcular"), ImagenBoton(1, true)));
    Hallar<BotonRol>(w, "bCalcular")->Restablecer();
    EXPECT_TRUE(MismaImagen(Icono(w, "bCalcular"), ImagenBoton(1, false)));
    // Lit a second time, the same lit picture.
    MoverRaton(w, "bCalcular");
    EXPECT_TRUE(MismaImagen(Icono(w, "bCalcular"), ImagenBoton(1, true)));
}

} // namespace

} // namespace
