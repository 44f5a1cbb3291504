#pragma once
// The curve number under the three antecedent moisture conditions, and the
// runoff threshold of a curve number. Each function is one expression
// evaluated in a fixed order, so that the last bits of the results are always
// the same. A floating-point fault comes back as an error: no infinite or NaN
// value ever leaves these functions.
//
// For 1e-300 <= N <= 100 no fault can occur: the conversions stay above 0 and
// at most 100 (the wet one gives exactly 100 at N = 100, the dry one one unit
// in the last place more, which every pattern shows as 100), and the threshold
// is 0 at N = 100. Below 1e-300 the threshold 5080 / N may overflow and the
// dry conversion of a subnormal N may round to 0. Elsewhere the faults are
// UmbralEscorrentia(0) and Ncondicion1(10 / 0.058), whose denominator is
// exactly zero.
#include <array>
#include <expected>
#include <optional>
#include <string_view>

namespace tarvel {

enum class ErrorAritmetico {
    DivisionPorCero,
    Desbordamiento,   // the result is too large for a double
    ResultadoInvalido, // the result is not a number (a NaN argument, for one)
};

// Condition I (dry) from condition II: N × 4.2 / (10 − N × 0.058).
std::expected<double, ErrorAritmetico> Ncondicion1(double Ncondicion2);

// Condition III (wet) from condition II: N × 23 / (N × 0.13 + 10).
std::expected<double, ErrorAritmetico> Ncondicion3(double Ncondicion2);

// Runoff threshold in millimetres, the initial abstraction 0.2 S with
// S = 25.4 (1000 / N − 10): (5080 − N × 50.8) / N, one division of the
// difference rather than 5080 / N − 50.8.
std::expected<double, ErrorAritmetico> UmbralEscorrentia(double N);

// One curve number under the antecedent conditions I, II and III, each with
// its runoff threshold (element J − 1 for condition J): condition II is the
// number given, I and III are converted from it, and every threshold comes
// from the unrounded number of its condition. The one place these six values
// are computed: the series results, the runoff of a storm, the worksheet, the
// year-by-year path and the maps all show these.
struct CurvaCondiciones {
    std::array<double, 3> CN{};  // curve number under conditions I, II, III
    std::array<double, 3> P0{};  // runoff threshold of each, mm
};
std::expected<CurvaCondiciones, ErrorAritmetico> ConvertirCondiciones(double cn);

// Whether `valor`, read from `texto`, is a curve number every rule can work
// with: the number the text starts with is the value itself (so the number
// checked is the number kept), it lies in (0, 100], and its conversions and
// thresholds can be computed.
bool NumeroCurvaAdmisible(std::string_view texto, double valor);

// One curve number as typed: the whole text converted (ConvertirNumero) and
// admissible. Nothing for any other text.
std::optional<double> LeerNumeroCurva(std::string_view texto);

}  // namespace tarvel
