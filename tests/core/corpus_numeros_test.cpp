// Replays the fuzzer's seed corpus through the same property checks, so the
// ordinary build keeps them without clang.

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../fuzz/propiedades_numeros.h"

namespace {

TEST(CorpusNumeros, EverySeedKeepsEveryProperty)
{
    ASSERT_STREQ(std::localeconv()->decimal_point, ".");
    const std::filesystem::path carpeta = QUELMORA_CORPUS_NUMEROS;
    int semillas = 0;
    for (const auto& entrada : std::filesystem::directory_iterator(carpeta)) {
        std::ifstream f(entrada.path(), std::ios::binary);
        const std::vector<char> bytes { std::istreambuf_iterator<char>(f), {} };
        // Each seed once with every mask.
        for (std::size_t m = 0; m < propiedades_numeros::kCuantasMascaras && !bytes.empty(); ++m) {
            std::vector<std::uint8_t> datos(bytes.begin(), bytes.end());
            datos[0] = std::uint8_t(m);
            EXPECT_EQ(propiedades_numeros::Comprobar(datos.data(), datos.size()), "")
                << entrada.path().filename();
        }
        ++semillas;
    }
    EXPECT_GE(semillas, 30);
}

} // namespace
