#pragma once
// The progressive series of a hillside: its present curve number NAC and its
// restored target NOB under the antecedent conditions J = 1, 2, 3, each with
// its runoff threshold, as the results table shows them.
#include <array>
#include <expected>
#include <string>

#include "hydrology/Conversion.h"

namespace tarvel {

// Element J − 1 of each array belongs to condition J; full double precision.
struct SerieNC {
    std::array<double, 3> NAC{};  // present curve number
    std::array<double, 3> PAC{};  // its runoff threshold, mm
    std::array<double, 3> NOB{};  // target curve number
    std::array<double, 3> POB{};  // its runoff threshold, mm
};

// Condition II is the entered value; I and III are converted from it, and the
// thresholds of I and III come from the unrounded converted values.
std::expected<SerieNC, ErrorAritmetico> CalcularSerie(double nac, double nob);

// Mean change of the curve number per year over the span: (NAC − NOB) / span.
std::expected<double, ErrorAritmetico> VariacionAnual(double nac, double nob, double lapso);

// The results table: 4 rows × 6 columns, row 0 the headers, column 0 the
// condition, column 3 an empty separator between the present and the target.
inline constexpr int kFilasTablaSerie = 4;
inline constexpr int kColumnasTablaSerie = 6;
inline constexpr int kColumnaSeparador = 3;
using TablaSerie = std::array<std::array<std::string, kColumnasTablaSerie>, kFilasTablaSerie>;

// Headers from text 201 in the language of the run, values with "##.0".
TablaSerie TablaDeSerie(const SerieNC& serie);

// The table as tab-separated lines, one per row, each ended by a line break.
std::string TablaSerieTsv(const TablaSerie& tabla);

// What the pointer over cell (fila, columna) does to the table's tooltip:
// over a value cell it shows the full value with "0.00"; over the header row
// or the condition column it clears it; anywhere else (the separator column,
// outside the table) it leaves it as it was.
struct TooltipSerie {
    enum class Accion { Mantener, Vaciar, Mostrar } accion = Accion::Mantener;
    std::string texto;
};
TooltipSerie TooltipDeCelda(const SerieNC& serie, int fila, int columna);

}  // namespace tarvel
