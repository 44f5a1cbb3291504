#include "app/Csv.h"

#include <charconv>

namespace tarvel {

std::string CampoCsv(std::string_view campo, char separador) {
    if (!NecesitaComillas(campo, separador)) return std::string(campo);
    std::string texto = "\"";
    for (const char c : campo) {
        if (c == '"') texto += '"';
        texto += c;
    }
    texto += '"';
    return texto;
}

std::string NumeroCsv(double valor) {
    char cifras[32];
    const auto fin = std::to_chars(cifras, cifras + sizeof cifras, valor).ptr;
    return std::string(cifras, fin);
}

}  // namespace tarvel
