#pragma once
// The restoration of a hillside year by year: over a span of T whole years
// the condition-II curve number falls at the constant mean yearly change of
// the series, v = VariacionAnual(NAC, NOB, T), so that in year t
//   N(t) = NAC − t · v,   t = 0 … T,
// with year 0 exactly NAC and year T exactly NOB. Each year carries N(t)
// under conditions I, II and III, converted as the results window converts
// (CalcularSerie), their runoff thresholds and, for the ratios λ asked for,
// their initial abstractions Ia = λ·S (the rain each takes before it runs off
// under that ratio) and the runoff depths of a design storm. Years 0 and T
// are therefore the results window's two columns, bit for bit.
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
    std::array<double, 3> CN{};          // curve numbers, full precision
    std::array<double, 3> umbral{};      // runoff thresholds P0 of the series, mm
    std::array<double, 3> IaClasica{};   // initial abstraction 0.2·S, mm (0 unless the ratio is asked for)
    std::array<double, 3> IaReducida{};  // 0.05·S0.05
    std::array<double, 3> QClasica{};    // runoff of the storm with λ = 0.2, mm (0 unless asked for)
    std::array<double, 3> QReducida{};   // with λ = 0.05

    const std::array<double, 3>& Ia(Lambda lambda) const { return lambda == Lambda::Clasica ? IaClasica : IaReducida; }
    const std::array<double, 3>& Q(Lambda lambda) const { return lambda == Lambda::Clasica ? QClasica : QReducida; }
};

struct Trayectoria {
    int lapso = 0;                     // T, years
    double variacion = 0;              // v, curve-number units a year
    // The ratios asked for, whose Ia (and with a storm Q) the years hold:
    // the storm's, or those asked for without one. None: only the thresholds.
    std::optional<EleccionLambda> relacion;
    std::optional<Tormenta> tormenta;  // the runoff columns hold values only with a storm
    std::vector<AnioTrayectoria> anios;  // T + 1 rows, year 0 first

    // True when the initial abstractions of the ratio hold values.
    bool ConAbstraccion(Lambda lambda) const;
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
// between NAC and NOB whatever the rounding. With a storm the path holds the
// initial abstractions and runoff of the storm's ratios.
std::expected<Trayectoria, FalloTrayectoria> CalcularTrayectoria(double nac, double nob, int lapso,
                                                                 std::optional<Tormenta> tormenta = std::nullopt);
// The same with the initial abstractions of the ratios `relacion` whether or
// not a storm is given (then its ratios are these): what the chart draws.
std::expected<Trayectoria, FalloTrayectoria> CalcularTrayectoria(double nac, double nob, int lapso,
                                                                 EleccionLambda relacion, std::optional<double> lluvia);

// The path as a table of text, one line per year after a header line, every
// line ended by LF. `separador` ',' gives CSV, '\t' the tab-separated text
// of the clipboard. Columns:
//   year                                  t, 0 to T
//   cn_i, cn_ii, cn_iii                   curve numbers under conditions I, II, III
//   threshold_i_mm … threshold_iii_mm     their runoff thresholds P0
//   q02_i_mm … q02_iii_mm                 runoff with λ = 0.2, only with a storm of that ratio
//   q005_i_mm … q005_iii_mm               runoff with λ = 0.05, the same
//   ia02_i_mm … ia02_iii_mm               initial abstraction 0.2·S, only when the ratio is asked for
//   ia005_i_mm … ia005_iii_mm             initial abstraction 0.05·S0.05, the same
// The Ia columns come last, so that the columns before them stand where
// they always stood. Numbers in the fewest digits that read back to the same
// doubles, "." as the decimal mark.
std::string TextoTrayectoria(const Trayectoria& trayectoria, char separador = ',');

}  // namespace tarvel
