// Fuzz target for reading numbers from boxes and writing them through masks.
// Built with clang's libFuzzer by tools/fuzz.sh; any property that fails aborts
// with what failed, so the fuzzer keeps the input that shows it.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "propiedades_numeros.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n)
{
    const std::string fallo = propiedades_numeros::Comprobar(datos, n);
    if (!fallo.empty()) {
        std::fprintf(stderr, "\n*** %s\n", fallo.c_str());
        std::abort();
    }
    return 0;
}
