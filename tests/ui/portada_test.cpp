// The cover of the main window is drawn on a thread of its own while the window
// is built: it must come out the very picture drawn on the window's thread, and
// be the one the window shows.

#include <QImage>
#include <QLabel>
#include <future>

#include "conductor.h"
#include "resources/portada.h"

using namespace quelmora;

namespace {

namespace {

QImage Comparable(const QImage& imagen) { return imagen.convertToFormat(QImage::Format_RGB32); }

TEST(Portada, DrawnOnAnotherThreadItIsTheSamePicture)
{
    auto aparte = std::async(std::launch::async, [] { return ImagenPortada(789, 528); });
    const QImage enEsteHilo = Comparable(PinturaPortada(789, 528).toImage());
    const QImage enOtroHilo = Comparable(aparte.get());
    ASSERT_EQ(enOtroHilo.size(), QSize(789, 528));
    EXPECT_TRUE(enOtroHilo == enEsteHilo);
}

TEST(Portada, TheAboutWindowsSmallerCoverWithItsVersionToo)
{
    auto aparte = std::async(std::launch::async, [] { return ImagenPortada(400, 268, "3.0"); });
    EXPECT_TRUE(Comparable(aparte.get()) == Comparable(PinturaPortada(400, 268, "3.0").toImage()));
}

class PortadaPrincipal : public PruebaVentanas { };

TEST_F(PortadaPrincipal, TheMainWindowShowsTheWholeCover)
{
    QWidget* w = Abrir("menuprin");
    ASSERT_NE(w, nullptr);
    auto* cuadro = Hallar<QLabel>(w, "Picture1");
    ASSERT_NE(cuadro, nullptr);
    const QPixmap mostrada = cuadro->pixmap();
    ASSERT_EQ(mostrada.size(), QSize(789, 528));
    EXPECT_TRUE(Comparable(mostrada.toImage()) == Comparable(ImagenPortada(789, 528)));
}

} // namespace

} // namespace
