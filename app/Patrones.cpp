#include "app/Patrones.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace tarvel {

namespace {

std::string Redondear(double valor, int decimales, bool ceroInicial) {
    if (!std::isfinite(valor)) return {};

    // |valor| as d.dddddddddddddd × 10^exponente: 15 significant digits.
    // std::to_chars, unlike printf, ignores the C locale a desktop run sets.
    char cientifico[32];
    const auto fin = std::to_chars(cientifico, cientifico + sizeof cientifico, std::fabs(valor),
                                   std::chars_format::scientific, 14).ptr;
    const std::string_view texto(cientifico, fin - cientifico);
    const auto e = texto.find('e');
    std::string cifras;
    for (const char c : texto.substr(0, e)) {
        if (c != '.') cifras.push_back(c);
    }
    int exponente = 0;
    std::string_view resto = texto.substr(e + 1);
    if (resto.front() == '+') resto.remove_prefix(1);
    std::from_chars(resto.data(), resto.data() + resto.size(), exponente);

    // The digits the pattern keeps, counted from the first significant one;
    // the value is then `entero` units of the last decimal.
    const int conservadas = exponente + 1 + decimales;
    std::string entero;
    if (conservadas >= static_cast<int>(cifras.size())) {
        entero = cifras + std::string(conservadas - cifras.size(), '0');
    } else if (conservadas >= 0) {
        entero = cifras.substr(0, conservadas);
        if (cifras[conservadas] >= '5') {
            // Half away from zero on the magnitude, carrying leftwards.
            int i = static_cast<int>(entero.size()) - 1;
            for (; i >= 0 && entero[i] == '9'; --i) entero[i] = '0';
            if (i >= 0) {
                ++entero[i];
            } else {
                entero.insert(entero.begin(), '1');
            }
        }
    }
    const auto distinto = entero.find_first_not_of('0');
    entero = distinto == std::string::npos ? std::string() : entero.substr(distinto);
    const bool negativo = std::signbit(valor) && !entero.empty();

    const std::size_t minimo = decimales + (ceroInicial ? 1 : 0);
    if (entero.size() < minimo) entero.insert(0, minimo - entero.size(), '0');
    if (decimales > 0) entero.insert(entero.size() - decimales, 1, '.');
    return negativo ? "-" + entero : entero;
}

}  // namespace

std::string Formatear(double valor, Patron patron) {
    return Redondear(valor, patron == Patron::DosDecimales ? 2 : 1, patron != Patron::UnDecimal);
}

std::string FormatearDecimales(double valor, int decimales) {
    return Redondear(valor, std::clamp(decimales, 0, 15), true);
}

std::string TextoNumero(double valor) {
    if (!std::isfinite(valor)) return {};
    char texto[32];
    const auto fin = std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::general, 15).ptr;
    return std::string(texto, fin);
}

}  // namespace tarvel
