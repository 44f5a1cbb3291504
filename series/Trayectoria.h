#pragma once
// The restoration of a hillside year by year: over a span of T whole years
// the condition-II curve number falls at the constant mean yearly change of
// the series, v = VariacionAnual(NAC, NOB, T), so that in year t
//   N(t) = NAC − t · v,   t = 0 … T,
// with year 0 exactly NAC and year T exactly NOB. Each year carries N(t)
// under conditions I, II and III, converted as the results window converts
// (CalcularSerie), their runoff thresholds and, for a design storm, their
// runoff depths under the ratios asked for. Years 0 and T are therefore the
// results window's two columns, bit for bit.
#include <array>
#include <expected>
#include <optional>
#include <string>
#include <vector>

#include "hydrology/Escorrentia.h"

namespace tarvel {

inline constexpr int kLapsoMinimo = 2;
inline constexpr int kLapsoMaximo = 32767;

struct Tormenta {
    double P = 0;  // mm, finite and ≥ 0
    EleccionLambda lambda = EleccionLambda::Clasica;
};

// One year; element J − 1 of each array belongs to condition J.
struct AnioTrayectoria {
    int anio = 0;
    std::array<double, 3> CN{};         // curve numbers, full precision
    std::array<double, 3> umbral{};     // runoff thresholds, mm
    std::array<double, 3> QClasica{};   // runoff of the storm with λ = 0.2, mm (0 unless asked for)
    std::array<double, 3> QReducida{};  // with λ = 0.05
};

struct Trayectoria {
    int lapso = 0;                     // T, years
    double variacion = 0;              // v, curve-number units a year
    std::optional<Tormenta> tormenta;  // the runoff columns hold values only with a storm
    std::vector<AnioTrayectoria> anios;  // T + 1 rows, year 0 first

    // True when the runoff columns of the ratio hold values.
    bool ConEscorrentia(Lambda lambda) const;
};

enum class FalloTrayectoria {
    NAC,             // not a calculable curve number (NumeroCurvaCalculable)
    NOB,             // the same for NOB
    Lapso,           // not a whole number of years from 2 to 32767
    Lluvia,          // the storm is not a finite depth ≥ 0
    LluviaExcesiva,  // the storm is above kLluviaMaxima (or too large for its runoff to be computed)
};

// The text number of the message: 193, 194, 196 as the series input gives
// them, 300 and 302 as the runoff gives them.
int MensajeTrayectoria(FalloTrayectoria fallo);

// NOB need not be below NAC: the path then rises. Values between years stay
// between NAC and NOB whatever the rounding.
std::expected<Trayectoria, FalloTrayectoria> CalcularTrayectoria(double nac, double nob, int lapso,
                                                                 std::optional<Tormenta> tormenta = std::nullopt);

// The path as a table of text, one line per year after a header line, every
// line ended by LF. `separador` ',' gives CSV, '\t' the tab-separated text
// of the clipboard. Columns:
//   year                                  t, 0 to T
//   cn_i, cn_ii, cn_iii                   curve numbers under conditions I, II, III
//   threshold_i_mm … threshold_iii_mm     their runoff thresholds
//   q02_i_mm … q02_iii_mm                 runoff with λ = 0.2, only when asked for
//   q005_i_mm … q005_iii_mm               runoff with λ = 0.05, only when asked for
// Numbers in the fewest digits that read back to the same doubles, "." as
// the decimal mark.
std::string TextoTrayectoria(const Trayectoria& trayectoria, char separador = ',');

}  // namespace tarvel
