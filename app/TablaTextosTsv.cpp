#include "app/TablaTextosTsv.h"

#include <charconv>
#include <vector>

namespace tarvel {
namespace {

bool EsUtf8Valido(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int seguidos = 0;
        char32_t minimo = 0;
        char32_t punto = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            seguidos = 1;
            minimo = 0x80;
            punto = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            seguidos = 2;
            minimo = 0x800;
            punto = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            seguidos = 3;
            minimo = 0x10000;
            punto = c & 0x07;
        } else {
            return false;
        }
        if (i + seguidos >= s.size()) return false;
        for (int k = 1; k <= seguidos; ++k) {
            const auto b = static_cast<unsigned char>(s[i + k]);
            if ((b & 0xC0) != 0x80) return false;
            punto = (punto << 6) | (b & 0x3F);
        }
        if (punto < minimo || punto > 0x10FFFF || (punto >= 0xD800 && punto <= 0xDFFF)) return false;
        i += seguidos + 1;
    }
    return true;
}

// Undoes the escapes of one field; false on a lone or unknown escape.
bool QuitarEscapes(std::string_view campo, std::string& salida) {
    salida.clear();
    for (std::size_t i = 0; i < campo.size(); ++i) {
        if (campo[i] != '\\') {
            salida.push_back(campo[i]);
            continue;
        }
        if (++i == campo.size()) return false;
        switch (campo[i]) {
            case 't': salida.push_back('\t'); break;
            case 'n': salida.push_back('\n'); break;
            case '\\': salida.push_back('\\'); break;
            default: return false;
        }
    }
    return true;
}

std::vector<std::string_view> Partir(std::string_view linea, char separador) {
    std::vector<std::string_view> partes;
    std::size_t inicio = 0;
    for (;;) {
        const auto fin = linea.find(separador, inicio);
        partes.push_back(linea.substr(inicio, fin == std::string_view::npos ? std::string_view::npos : fin - inicio));
        if (fin == std::string_view::npos) return partes;
        inicio = fin + 1;
    }
}

}  // namespace

std::expected<TablaTextos, ErrorTablaTextos> LeerTablaTextos(std::string_view contenido) {
    auto fallo = [](int linea, std::string motivo) {
        return std::unexpected(ErrorTablaTextos{linea, std::move(motivo)});
    };
    if (!EsUtf8Valido(contenido)) return fallo(0, "the file is not valid UTF-8");

    TablaTextos tabla;
    std::array<bool, kNumeroTextos> visto{};
    int numeroLinea = 0;
    std::size_t inicio = 0;
    while (inicio < contenido.size()) {
        auto fin = contenido.find('\n', inicio);
        if (fin == std::string_view::npos) fin = contenido.size();
        std::string_view linea = contenido.substr(inicio, fin - inicio);
        inicio = fin + 1;
        ++numeroLinea;
        if (!linea.empty() && linea.back() == '\r') linea.remove_suffix(1);

        if (numeroLinea == 1) {
            if (linea != "n\tes\ten") return fallo(1, "the header must be n<TAB>es<TAB>en");
            continue;
        }
        if (linea.empty()) continue;

        const auto campos = Partir(linea, '\t');
        if (campos.size() != 3) return fallo(numeroLinea, "a line needs exactly three tab-separated fields");
        int n = 0;
        const auto [resto, ec] = std::from_chars(campos[0].data(), campos[0].data() + campos[0].size(), n);
        if (ec != std::errc{} || resto != campos[0].data() + campos[0].size() || campos[0].empty())
            return fallo(numeroLinea, "the text number is not a whole number");
        if (n < 1 || n > kNumeroTextos) return fallo(numeroLinea, "the text number is outside 1 to 999");
        if (visto[n - 1]) return fallo(numeroLinea, "the text number appears twice");
        visto[n - 1] = true;
        for (int idioma = 0; idioma < 2; ++idioma) {
            if (!QuitarEscapes(campos[idioma + 1], tabla.textos[n - 1][idioma]))
                return fallo(numeroLinea, "a backslash must be followed by t, n or another backslash");
            if (tabla.textos[n - 1][idioma].empty()) return fallo(numeroLinea, "a text is empty");
        }
    }
    if (numeroLinea == 0) return fallo(0, "the file is empty");
    for (int n = 1; n <= kTextosOriginales; ++n) {
        if (!visto[n - 1]) return fallo(0, "text number " + std::to_string(n) + " is missing");
    }
    return tabla;
}

}  // namespace tarvel
