#include "determination/SeleccionTabla.h"

#include <charconv>

namespace tarvel {

std::optional<std::int16_t> NumeroCurvaElegido(std::string_view valor) {
    // A curve number is written as digits alone, "06" to "100".
    if (valor.empty() || valor.size() > 3) return std::nullopt;
    int numero = 0;
    const auto [fin, error] = std::from_chars(valor.data(), valor.data() + valor.size(), numero);
    if (error != std::errc{} || fin != valor.data() + valor.size() || numero < 1 || numero > 100) return std::nullopt;
    return static_cast<std::int16_t>(numero);
}

std::optional<std::string> ValorDeCelda(TablaReferencia tabla, int fila, int columna, std::string_view texto) {
    const auto& e = Estructura(tabla);
    if (fila < kFilasCabecera || fila >= e.filas || columna < e.primeraColumnaSuelo || columna >= e.columnas) {
        return std::nullopt;
    }
    if (!NumeroCurvaElegido(texto)) return std::nullopt;
    return std::string(texto);
}

}  // namespace tarvel
