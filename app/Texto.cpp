#include "app/Texto.h"

#include <cstdint>
#include <cstring>

namespace tarvel {

std::string_view SinBlancos(std::string_view texto) {
    while (!texto.empty() && EsBlanco(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && EsBlanco(texto.back())) texto.remove_suffix(1);
    return texto;
}

bool EsAscii(std::string_view texto) {
    constexpr std::uint64_t kAltos = 0x8080808080808080u;
    std::size_t i = 0;
    for (; i + 8 <= texto.size(); i += 8) {
        std::uint64_t ocho;
        std::memcpy(&ocho, texto.data() + i, 8);
        if (ocho & kAltos) return false;
    }
    for (; i < texto.size(); ++i) {
        if (static_cast<unsigned char>(texto[i]) >= 0x80) return false;
    }
    return true;
}

bool EsUtf8(std::string_view texto) {
    std::size_t i = 0;
    while (i < texto.size()) {
        const auto b = static_cast<unsigned char>(texto[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        int resto = 0;
        std::uint32_t punto = 0;
        std::uint32_t minimo = 0;
        if ((b & 0xE0) == 0xC0) {
            resto = 1, punto = b & 0x1F, minimo = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            resto = 2, punto = b & 0x0F, minimo = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            resto = 3, punto = b & 0x07, minimo = 0x10000;
        } else {
            return false;
        }
        if (i + resto >= texto.size()) return false;  // the sequence is cut short
        for (int k = 1; k <= resto; ++k) {
            const auto c = static_cast<unsigned char>(texto[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            punto = (punto << 6) | (c & 0x3F);
        }
        if (punto < minimo || punto > 0x10FFFF || (punto >= 0xD800 && punto <= 0xDFFF)) return false;
        i += resto + 1;
    }
    return true;
}

namespace {

// Windows-1252 bytes 0x80-0x9F; the undefined ones keep their C1 value.
constexpr char16_t kAltos1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AnadirUtf8(std::string& salida, char16_t punto) {
    if (punto < 0x80) {
        salida += static_cast<char>(punto);
    } else if (punto < 0x800) {
        salida += static_cast<char>(0xC0 | (punto >> 6));
        salida += static_cast<char>(0x80 | (punto & 0x3F));
    } else {
        salida += static_cast<char>(0xE0 | (punto >> 12));
        salida += static_cast<char>(0x80 | ((punto >> 6) & 0x3F));
        salida += static_cast<char>(0x80 | (punto & 0x3F));
    }
}

}  // namespace

std::string TextoUtf8(std::string_view texto) {
    if (EsUtf8(texto)) return std::string(texto);
    std::string salida;
    salida.reserve(texto.size() + texto.size() / 2);
    for (const char c : texto) {
        const auto b = static_cast<unsigned char>(c);
        AnadirUtf8(salida, b >= 0x80 && b < 0xA0 ? kAltos1252[b - 0x80] : char16_t{b});
    }
    return salida;
}

}  // namespace tarvel
