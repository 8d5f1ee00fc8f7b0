#pragma once

namespace quelmora {

// Wetted elements of the channel sections: trapezoid (rectangle and triangle as
// its special cases), parabola given its top width, and the two circle rules.
// Each rule is evaluated in the exact order the windows have always used, so
// that the last digits written through the masks stay as they were. The rules
// report nothing themselves: outside their range they give non-finite values,
// which the calculation checks before writing.

// Area, wetted perimeter, top width, hydraulic radius A/P and hydraulic depth A/T.
struct ElementosSeccion {
    double area = 0.0;
    double perimetro = 0.0;
    double espejo = 0.0;
    double radio = 0.0;
    double profundidad = 0.0;
};

// How the wetted perimeter of a trapezoid is formed. The normal-depth windows
// take b + (2·y)·√(1 + Z²); the discharge window takes b + (2·√(1 + Z·Z))·y.
enum class FormaPerimetroTrapecio { DobleTirantePorRaiz, DobleRaizPorTirante };

// Trapezoid of bottom width b and side slope Z at depth y:
// A = (b + Z·y)·y, P as chosen above, T = b + (2·Z)·y, R = A/P, D = A/T.
// Z = 0 is the rectangle, b = 0 the triangle.
ElementosSeccion PropiedadesSeccionTrapezoidal(double b, double z, double y,
    FormaPerimetroTrapecio forma = FormaPerimetroTrapecio::DobleTirantePorRaiz);

// Parabola through the edges of the water surface, given its top width T.
struct ElementosParabolicos {
    double area = 0.0;
    double perimetro = 0.0;
    double foco = 0.0; // k = T²/(8·y) of x² = 2·k·z, shown as "Foco de la parábola (k):"
    double radio = 0.0;
    double profundidad = 0.0; // A/T, that is 2y/3
};

// How the parabola's elements are formed. General: A = ((2·T)·y)/3, the
// threshold y/T ≤ 0.25 and, above it, s = √(1 + 16·y²/T²) with ln(x + s)/x taken
// as ln(x + s)·T/(4·y). Discharge window: A = ((2/3)·T)·y, the threshold
// 4y/T ≤ 1 and s = √(1 + x·x) with ln(x + s)/x.
enum class FormaParabolica { General, VentanaCaudal };

// Wetted perimeter: T + 8·y·y/(3·T) when y/T ≤ 0.25 (0.25 included), else the
// exact arc length (T/2)·(s + ln(x + s)/x) with x = 4y/T. The two branches do not
// meet at 0.25; the perimeter drops there by about 1.6 %, as it always has.
double PerimetroParabolico(double t, double y, FormaParabolica forma = FormaParabolica::General);

// Area, perimeter (PerimetroParabolico), k = (T·T)/(8·y), R = A/P, D = A/T.
ElementosParabolicos PropiedadesSeccionParabolica(
    double t, double y, FormaParabolica forma = FormaParabolica::General);

// Circle of diameter d at depth y by the half central angle α, π as 3.14159265.
struct ElementosCirculares {
    double coseno = 0.0; // c = 1 − 2y/d
    double angulo = 0.0; // α, half central angle of the wetted arc, radians
    double area = 0.0;
    double perimetro = 0.0;
    double espejo = 0.0; // d·sin α; about 3.6e-9·d, not 0, at the full pipe
    double radio = 0.0;
    double profundidad = 0.0;
};

// c = 1 − 2·y/d; u = √(1 − c·c)/|c|; α = arctan u when c > 0, else
// 3.14159265 − arctan u; A = 0.25·d²·(α − c·sin α); P = α·d; T = d·sin α.
// At y = d/2 (c = 0) arctan u is taken as its limit π/2 instead of dividing by 0.
// Outside 0 < y ≤ d the elements are not finite.
ElementosCirculares PropiedadesSeccionCircular(double d, double y);

// Circle by the central angle θ, π/2 as 1.570796; depth form.
struct ElementosCircularesAnguloCentral {
    double angulo = 0.0; // θ, central angle, radians (0 at the full pipe: not used there)
    double area = 0.0;
    double perimetro = 0.0;
    double espejo = 0.0; // 2·√(y·(d − y)); 0 at the full pipe
    double radio = 0.0;
    double profundidad = 0.0; // A/T; A/0.001 at the full pipe
    bool lleno = false; // y equal to d: the full-pipe case
};

// Depth form. y = d exactly is the full pipe: π = 4·arctan 1, A = π·d²/4,
// P = π·d, T = 0, D = A/0.001. Otherwise x = 1 − (2·y)/d,
// θ = 2·(1.570796 − arctan(x/√(1 − x²))), A = (θ − sin θ)·d²/8, P = θ·d/2,
// T = 2·√(y·(d − y)), R = A/P, D = A/T.
ElementosCircularesAnguloCentral PropiedadesCircularAnguloCentral(double y, double d);

// Ratio form, per unit diameter.
struct ElementosCircularesUnitarios {
    double angulo = 0.0; // θ
    double area = 0.0; // a = A/d²
    double radio = 0.0; // r = R/d
};

// Ratio form from y/d alone: x = 1 − 2·(y/d), θ as above, a = (θ − sin θ)/8,
// r = (1 − sin θ/θ)/4. No full-pipe case: y/d = 1 gives non-finite values.
ElementosCircularesUnitarios PropiedadesCircularAnguloCentral(double relacionTirante);

// Completes the ratio form with the diameter once it is known:
// A = a·d², R = r·d, P = d·θ/2, T = sin(θ/2)·d, D = A/T.
ElementosSeccion CompletarConDiametro(const ElementosCircularesUnitarios& unitarios, double d);

} // namespace quelmora
