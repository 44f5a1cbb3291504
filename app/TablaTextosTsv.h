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

// Texts 1 to 210 are the program's original texts and must all be present.
// Texts added since are numbered from 211 in blocks, one block per feature
// (see docs/architecture.md), so a block may end before the next one starts.
inline constexpr int kTextosOriginales = 210;
// A text number has three digits at most: ids are idioma * 1000 + n.
inline constexpr int kNumeroTextos = 999;

struct TablaTextos {
    // textos[n - 1][0] is the Spanish text of number n, textos[n - 1][1] the English one;
    // both are empty for a number the file does not use.
    std::array<std::array<std::string, 2>, kNumeroTextos> textos;
};

struct ErrorTablaTextos {
    int linea = 0;       // 1-based line of the file, 0 for the file as a whole
    std::string motivo;  // what is wrong, in plain words
};

std::expected<TablaTextos, ErrorTablaTextos> LeerTablaTextos(std::string_view contenido);

}  // namespace tarvel
