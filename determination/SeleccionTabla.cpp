#include "determination/SeleccionTabla.h"

#include "data/Datos.h"

namespace tarvel {

std::optional<std::string> ValorDeCelda(TablaReferencia tabla, int fila, int columna, std::string_view texto) {
    const auto& e = Estructura(tabla);
    if (fila < kFilasCabecera || fila >= e.filas || columna < e.primeraColumnaSuelo || columna >= e.columnas) {
        return std::nullopt;
    }
    if (!NumeroCurva(texto)) return std::nullopt;
    return std::string(texto);
}

}  // namespace tarvel
