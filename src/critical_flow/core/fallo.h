#pragma once

namespace quelmora {

// How a critical-depth or jump calculation can end without results. The window
// turns each into its message; nothing is written when the calculation fails.

enum class FalloCalculo {
    Ninguno,
    NoConverge, // the pass limit of a solver was reached
    CalculoImposible, // a value not finite, a zero divisor, a root of a negative
    TiranteMayorDiametro, // yccir: a trial depth above the diameter
    ValoresInadecuados, // rhtrape, rhpara: no positive depth ratio
    TiranteNoAdecuado, // rhcir: the conjugate above d, given depth above d/2
    ConjugadoMayorDiametro, // rhcir: the conjugate above d, given depth up to d/2
};

} // namespace quelmora
