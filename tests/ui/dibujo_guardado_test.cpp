// A picture is drawn the first time it is asked for and handed out after as
// that very pixmap, shared, neither drawn nor copied again: the windows show
// their pictures at every opening.

#include <QPixmap>

#include "conductor.h"
#include "measurement/dibujos_medicion.h"
#include "resources/imagenes.h"

using namespace quelmora;

namespace {

TEST(DibujoGuardado, DrawsOnceAndHandsOutThatPixmap)
{
    int dibujos = 0;
    auto dibujar = [&dibujos] {
        ++dibujos;
        QPixmap imagen(4, 4);
        imagen.fill(Qt::red);
        return imagen;
    };
    const QPixmap primera = DibujoGuardado("prueba/una", dibujar);
    const QPixmap segunda = DibujoGuardado("prueba/una", dibujar);
    EXPECT_EQ(dibujos, 1);
    EXPECT_EQ(segunda.cacheKey(), primera.cacheKey());
    EXPECT_NE(DibujoGuardado("prueba/otra", dibujar).cacheKey(), primera.cacheKey());
    EXPECT_EQ(dibujos, 2);
}

TEST(DibujoGuardado, SvgPicturesAndTheNaturalChannelSketchAreShared)
{
    EXPECT_EQ(ImagenBoton(1, false).cacheKey(), ImagenBoton(1, false).cacheKey());
    EXPECT_NE(ImagenBoton(1, false).cacheKey(), ImagenBoton(1, true).cacheKey());
    EXPECT_EQ(DibujoSeccion(FiguraSeccion::Circulo).cacheKey(),
        DibujoSeccion(FiguraSeccion::Circulo).cacheKey());
    for (bool conRugosidades : { false, true }) {
        const QPixmap esquema = DibujoEsquemaCanalNatural(conRugosidades);
        EXPECT_EQ(esquema.size(), QSize(340, 115));
        EXPECT_EQ(DibujoEsquemaCanalNatural(conRugosidades).cacheKey(), esquema.cacheKey());
    }
    EXPECT_NE(
        DibujoEsquemaCanalNatural(true).cacheKey(), DibujoEsquemaCanalNatural(false).cacheKey());
}

} // namespace
