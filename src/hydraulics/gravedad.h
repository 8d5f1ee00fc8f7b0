#pragma once
// The gravitational acceleration every formula takes, in m/s².

namespace quelmora {

inline constexpr double kGravedad = 9.81;

// 2g of the velocity head v²/2g. Doubling a double is exact, so this is the
// very double of the literal 19.62 the formulas were first written with.
inline constexpr double kDobleGravedad = 2.0 * kGravedad;
static_assert(kDobleGravedad == 19.62);

} // namespace quelmora
