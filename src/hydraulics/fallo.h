#pragma once
// How a calculation ends without its results, or with only part of them: one
// vocabulary for every calculation of the program. The window turns it into
// its message through frame/fallos.h: the first two cases have the texts every
// window shares, each of the others belongs to the windows named beside it,
// which give its text.

#include <initializer_list>

#include "hydraulics/finitos.h"
#include "hydraulics/newton.h"

namespace quelmora {

enum class FalloCalculo {
    Ninguno,
    NoConverge, // a solver used up its passes
    CalculoImposible, // a value not finite, a zero divisor, a root of a negative

    DatosIncompletos, // profiles, seepage: a required value is 0
    AnchoTaludCero, // profiles, seepage: b and Z both 0
    NumeroTramos, // profiles: the count of reaches out of its range
    TiranteNormal, // crbak: a depth equal to the normal depth
    TiranteMayorDiametro, // yncir, yccir: a trial depth above the diameter
    ValoresInadecuados, // rhpara: no positive depth ratio
    TiranteNoAdecuado, // rhcir: the conjugate above d, given depth above d/2
    ConjugadoMayorDiametro, // rhcir: the conjugate above d, given depth up to d/2
    CargaMenorQueMinima, // frmVertederos: a head below its coefficient's minimum
    PerdidasSuperanCaudal, // frmPerdidasCanales: P·L ≥ Q, nothing left at the end
    DemasiadosTramos, // frmVertederoLateral: more slices than the grids hold
};

// A solver's end as a calculation's: the pass limit is NoConverge, any other
// end short of convergence CalculoImposible. A caller that stops its solver on
// purpose (Detenido) looks at that first.
inline FalloCalculo FalloDeNewton(EstadoNewton estado)
{
    switch (estado) {
    case EstadoNewton::Convergio:
        return FalloCalculo::Ninguno;
    case EstadoNewton::LimitePasos:
        return FalloCalculo::NoConverge;
    case EstadoNewton::FalloNumerico:
    case EstadoNewton::Detenido:
        break;
    }
    return FalloCalculo::CalculoImposible;
}

// CalculoImposible unless every value is finite.
inline FalloCalculo FalloSiNoFinitos(std::initializer_list<double> valores)
{
    return SonFinitos(valores) ? FalloCalculo::Ninguno : FalloCalculo::CalculoImposible;
}

} // namespace quelmora
