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

char SeparadorCsv(std::string_view texto) {
    bool comillas = false;
    std::size_t comas = 0, puntosYComa = 0;
    for (const char c : texto) {
        if (c == '"') {
            comillas = !comillas;
        } else if (!comillas) {
            if (c == '\r' || c == '\n') break;
            comas += c == ',';
            puntosYComa += c == ';';
        }
    }
    return puntosYComa > 0 && comas == 0 ? ';' : ',';
}

std::string NumeroCsv(double valor) {
    char cifras[32];
    const auto fin = std::to_chars(cifras, cifras + sizeof cifras, valor).ptr;
    return std::string(cifras, fin);
}

}  // namespace tarvel
