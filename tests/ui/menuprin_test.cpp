#include "conductor.h"

TEST_F(PruebaVentanas, MainWindowOpensWithItsCaption)
{
    QWidget* w = Abrir("menuprin");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(),
              QString("QUELMORA la forma más fácil de diseñar canales y estructuras hidráulicas"));
}
