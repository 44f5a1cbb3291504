#include "cli/batch/Valores.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "app/FormatoNumerico.h"
#include "app/Patrones.h"

#include "app/TextosMensajes.h"
#include "cli/batch/Mensajes.h"

namespace tarvel::cli {

std::string_view SinBlancos(std::string_view texto) {
    const auto blanco = [](char c) { return c == ' ' || c == '\t'; };
    while (!texto.empty() && blanco(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && blanco(texto.back())) texto.remove_suffix(1);
    return texto;
}

Leido<std::string> TextoDeNumero(std::string_view valor, std::string_view nombre, MarcaDecimal marca) {
    valor = SinBlancos(valor);
    const bool coma = marca == MarcaDecimal::Coma;
    if (valor.find(coma ? '.' : ',') != std::string_view::npos) {
        return std::unexpected(ValorRechazado(nombre, valor, Mensaje(coma ? kTextoMarcaComa : kTextoMarcaPunto)));
    }
    std::string texto(valor);
    if (coma) std::ranges::replace(texto, ',', '.');
    return texto;
}

Leido<int> LeerEntero(std::string_view valor, std::string_view nombre, int minimo, int maximo, MarcaDecimal marca) {
    const auto texto = TextoDeNumero(valor, nombre, marca);
    if (!texto) return std::unexpected(texto.error());
    std::string_view cifras = *texto;
    if (cifras.starts_with('+') && !cifras.substr(1).starts_with('-')) cifras.remove_prefix(1);
    long long numero = 0;
    const auto [fin, ec] = std::from_chars(cifras.data(), cifras.data() + cifras.size(), numero);
    if (cifras.empty() || ec != std::errc{} || fin != cifras.data() + cifras.size() || numero < minimo ||
        numero > maximo) {
        return std::unexpected(ValorRechazado(
            nombre, SinBlancos(valor), Mensaje(kTextoEntero, {std::to_string(minimo), std::to_string(maximo)})));
    }
    return static_cast<int>(numero);
}

Leido<double> LeerNumero(std::string_view valor, std::string_view nombre, double minimo, double maximo,
                         MarcaDecimal marca) {
    const auto texto = TextoDeNumero(valor, nombre, marca);
    if (!texto) return std::unexpected(texto.error());
    // No comma is left in the text: the program's format reads it as typed.
    const auto numero = ConvertirNumero(*texto, FormatoNumerico{'.', ','});
    if (numero && *numero >= minimo && *numero <= maximo) return *numero;
    const std::string desde = TextoNumero(minimo);
    return std::unexpected(ValorRechazado(
        nombre, SinBlancos(valor),
        std::isinf(maximo) ? Mensaje(kTextoNumeroDesde, {desde}) : Mensaje(kTextoNumero, {desde, TextoNumero(maximo)})));
}

Leido<int> LeerGrupo(std::string_view valor, std::string_view nombre) {
    const std::string_view letra = SinBlancos(valor);
    if (letra.size() == 1) {
        const char mayuscula = letra.front() >= 'a' ? static_cast<char>(letra.front() - 'a' + 'A') : letra.front();
        if (mayuscula >= 'A' && mayuscula <= 'D') return mayuscula - 'A' + 1;
    }
    return std::unexpected(ValorRechazado(nombre, letra, Mensaje(kTextoGrupo)));
}

}  // namespace tarvel::cli
