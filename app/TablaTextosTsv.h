#pragma once
// Reading of resources/strings.tsv, the bilingual text table: a header line
// "n<TAB>es<TAB>en", then one line per text number with the Spanish and the
// English text. Inside a text, "\t", "\n" and "\\" stand for a tab, a line
// break and a backslash; every other byte is taken as it stands.
#include <array>
#include <expected>
#include <string>
#include <string_view>

namespace tarvel {

inline constexpr int kNumeroTextos = 210;

struct TablaTextos {
    // textos[n - 1][0] is the Spanish text of number n, textos[n - 1][1] the English one.
    std::array<std::array<std::string, 2>, kNumeroTextos> textos;
};

struct ErrorTablaTextos {
    int linea = 0;       // 1-based line of the file, 0 for the file as a whole
    std::string motivo;  // what is wrong, in plain words
};

std::expected<TablaTextos, ErrorTablaTextos> LeerTablaTextos(std::string_view contenido);

}  // namespace tarvel
