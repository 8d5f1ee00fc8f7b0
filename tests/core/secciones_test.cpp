#include <gtest/gtest.h>

#include <cmath>

#include "hydraulics/secciones.h"

// b = 1, Z = 1, y = 0.5 worked by hand: A = 0.75, P = 1 + √2, T = 2.
TEST(PropiedadesSeccionTrapezoidal, TrapezoidOfUnitWidthAndSlopeAtHalfMetre)
{
    const ElementosSeccion e = PropiedadesSeccionTrapezoidal(1.0, 1.0, 0.5);
    EXPECT_DOUBLE_EQ(e.area, 0.75);
    EXPECT_DOUBLE_EQ(e.perimetro, 1.0 + std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(e.espejo, 2.0);
    EXPECT_DOUBLE_EQ(e.radio, 0.75 / (1.0 + std::sqrt(2.0)));
    EXPECT_DOUBLE_EQ(e.profundidad, 0.375);
}
