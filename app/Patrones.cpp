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
    // Built on the stack: the companion formats millions of numbers.
    char cifras[16];
    int n = 0;
    for (const char c : texto.substr(0, e)) {
        if (c != '.') cifras[n++] = c;
    }
    int exponente = 0;
    std::string_view resto = texto.substr(e + 1);
    if (resto.front() == '+') resto.remove_prefix(1);
    std::from_chars(resto.data(), resto.data() + resto.size(), exponente);

    // The digits the pattern keeps, counted from the first significant one;
    // the value is then `cuenta` units of the last decimal. One place is
    // left in front for a carry out of the first digit.
    const int conservadas = exponente + 1 + decimales;
    char digitos[400];
    char* inicio = digitos + 1;
    int largo = 0;
    if (conservadas >= n) {
        std::copy(cifras, cifras + n, inicio);
        std::fill(inicio + n, inicio + conservadas, '0');
        largo = conservadas;
    } else if (conservadas >= 0) {
        std::copy(cifras, cifras + conservadas, inicio);
        largo = conservadas;
        if (cifras[conservadas] >= '5') {
            // Half away from zero on the magnitude, carrying leftwards.
            int i = largo - 1;
            for (; i >= 0 && inicio[i] == '9'; --i) inicio[i] = '0';
            if (i >= 0) {
                ++inicio[i];
            } else {
                *--inicio = '1';
                ++largo;
            }
        }
    }
    std::string_view cuenta(inicio, static_cast<std::size_t>(largo));
    const auto distinto = cuenta.find_first_not_of('0');
    cuenta = distinto == std::string_view::npos ? std::string_view() : cuenta.substr(distinto);
    const bool negativo = std::signbit(valor) && !cuenta.empty();

    // At least `minimo` digits, zeros in front, the mark before the decimals.
    const std::size_t minimo = decimales + (ceroInicial ? 1 : 0);
    const std::size_t ceros = cuenta.size() < minimo ? minimo - cuenta.size() : 0;
    const std::size_t total = ceros + cuenta.size();
    char salida[sizeof digitos + 2];
    std::size_t k = 0;
    if (negativo) salida[k++] = '-';
    for (std::size_t i = 0; i < total; ++i) {
        if (decimales > 0 && i + decimales == total) salida[k++] = '.';
        salida[k++] = i < ceros ? '0' : cuenta[i - ceros];
    }
    return std::string(salida, k);
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
