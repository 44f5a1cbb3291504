#pragma once
// What the fuzz targets share: the input as text, its fields, and the check
// that turns a broken promise of the core into a finding.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace tarvel::fuzz {

inline std::string_view ComoTexto(const std::uint8_t* datos, std::size_t tamano) {
    return {reinterpret_cast<const char*>(datos), tamano};
}

// The fields of an input, one a line: "70\n50\n10" is three fields.
inline std::vector<std::string_view> Lineas(std::string_view texto) {
    std::vector<std::string_view> campos;
    for (;;) {
        const auto fin = texto.find('\n');
        campos.push_back(texto.substr(0, fin));
        if (fin == std::string_view::npos) return campos;
        texto.remove_prefix(fin + 1);
    }
}

inline bool Utf8Valido(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t seguidos = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : 3;
        if (c >= 0x80 && ((c & 0xC0) == 0x80 || c >= 0xF8)) return false;  // a lone continuation, or no lead byte
        if (i + seguidos >= s.size() && seguidos > 0) return false;
        for (std::size_t k = 1; k <= seguidos; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        }
        i += seguidos + 1;
    }
    return true;
}

// A promise the core makes was broken by this input: that is a finding.
#define TARVEL_EXIGIR(condicion)                                                                   \
    do {                                                                                           \
        if (!(condicion)) {                                                                        \
            std::fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #condicion); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

}  // namespace tarvel::fuzz
