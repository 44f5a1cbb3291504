#include "series/Serie.h"

#include <cmath>
#include <string_view>

#include "app/Patrones.h"
#include "app/TablaTextos.h"

namespace tarvel {
namespace {

// The array shown in a value column (1, 2, 4 or 5); none for the others.
const std::array<double, 3>* ColumnaDeValores(const SerieNC& serie, int columna) {
    switch (columna) {
        case 1: return &serie.NAC;
        case 2: return &serie.PAC;
        case 4: return &serie.NOB;
        case 5: return &serie.POB;
        default: return nullptr;
    }
}

}  // namespace

std::expected<SerieNC, ErrorAritmetico> CalcularSerie(double nac, double nob) {
    SerieNC serie;
    const auto presente = ConvertirCondiciones(nac);
    if (!presente) return std::unexpected(presente.error());
    const auto objetivo = ConvertirCondiciones(nob);
    if (!objetivo) return std::unexpected(objetivo.error());
    serie.NAC = presente->CN;
    serie.PAC = presente->P0;
    serie.NOB = objetivo->CN;
    serie.POB = objetivo->P0;
    return serie;
}

std::expected<double, ErrorAritmetico> VariacionAnual(double nac, double nob, double lapso) {
    const double diferencia = nac - nob;
    if (std::isinf(diferencia)) return std::unexpected(ErrorAritmetico::Desbordamiento);
    if (lapso == 0) return std::unexpected(ErrorAritmetico::DivisionPorCero);
    const double variacion = diferencia / lapso;
    if (std::isnan(variacion)) return std::unexpected(ErrorAritmetico::ResultadoInvalido);
    if (std::isinf(variacion)) return std::unexpected(ErrorAritmetico::Desbordamiento);
    return variacion;
}

TablaSerie TablaDeSerie(const SerieNC& serie) {
    TablaSerie tabla;
    std::string_view encabezados = Texto(201);
    for (int c = 0; c < kColumnasTablaSerie; ++c) {
        const auto barra = encabezados.find('|');
        tabla[0][c] = std::string(encabezados.substr(0, barra));
        encabezados = barra == std::string_view::npos ? std::string_view() : encabezados.substr(barra + 1);
    }
    for (int fila = 1; fila < kFilasTablaSerie; ++fila) {
        tabla[fila][0] = std::to_string(fila);
        for (int c = 1; c < kColumnasTablaSerie; ++c) {
            if (const auto* valores = ColumnaDeValores(serie, c)) {
                tabla[fila][c] = Formatear((*valores)[fila - 1], Patron::UnDecimal);
            }
        }
    }
    return tabla;
}

std::string TablaSerieTsv(const TablaSerie& tabla) {
    std::string texto;
    for (const auto& fila : tabla) {
        for (int c = 0; c < kColumnasTablaSerie; ++c) {
            if (c > 0) texto += '\t';
            texto += fila[c];
        }
        texto += '\n';
    }
    return texto;
}

TooltipSerie TooltipDeCelda(const SerieNC& serie, int fila, int columna) {
    using Accion = TooltipSerie::Accion;
    if (fila == 0) return {Accion::Vaciar, {}};
    if (fila < 1 || fila >= kFilasTablaSerie) return {};
    if (columna == 0) return {Accion::Vaciar, {}};
    if (const auto* valores = ColumnaDeValores(serie, columna)) {
        return {Accion::Mostrar, Formatear((*valores)[fila - 1], Patron::DosDecimales)};
    }
    return {};
}

}  // namespace tarvel
