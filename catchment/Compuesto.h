#pragma once
// The composite curve number of a catchment made of sub-areas, each with its
// area and its condition-II curve number:
//   CN = Σ(Aᵢ · CNᵢ) / ΣAᵢ,
// evaluated as Σ(wᵢ · CNᵢ) with the shares wᵢ = Aᵢ / ΣAᵢ, so that no product
// overflows however large the areas; the result is held between the smallest
// and the largest CNᵢ, where the mean lies. Its conditions I and III and the
// thresholds come from the program's conversions (CalcularSerie).
//
// For a design storm the runoff of the catchment is the area-weighted runoff
// of its sub-areas, Q = Σ(wᵢ · Qᵢ), which for sub-areas of widely different
// curve numbers is well above the runoff of the area-weighted curve number
// (the runoff grows faster than linearly with CN). The curve number that
// gives Q over the whole area is given beside it.
#include <array>
#include <expected>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "hydrology/Escorrentia.h"

namespace tarvel {

struct Subarea {
    double area = 0;  // hectares
    double cn = 0;    // condition II
};

enum class FalloCuenca {
    SinFilas,        // no sub-area at all
    Area,            // an area that is not a finite number > 0
    NumeroCurva,     // a curve number that is not calculable (NumeroCurvaCalculable): outside (0, 100]
    AreaTotal,       // every area is valid but their sum exceeds the largest double
    Lluvia,          // the storm is not a finite depth ≥ 0
    LluviaExcesiva,  // the storm is above kLluviaMaxima (or too large for its runoff to be computed)
};

struct RechazoCuenca {
    FalloCuenca fallo = FalloCuenca::SinFilas;
    int fila = -1;  // the row at fault, from 0; -1 for the catchment as a whole
    double valor = 0;  // the value refused, for the faults of a row (NaN: none typed yet); said in the message only
    friend bool operator==(const RechazoCuenca& a, const RechazoCuenca& b) {
        return a.fallo == b.fallo && a.fila == b.fila;
    }
};

// The message in the language of the run, naming the row counted from 1 and
// quoting the value refused.
std::string MensajeCuenca(RechazoCuenca rechazo);

// The checks of one sub-area, area first; `fila` is copied into the rejection.
std::optional<RechazoCuenca> ComprobarSubarea(const Subarea& subarea, int fila);

// A typed area: a plain decimal number in the format in force
// (ConvertirDecimalSimple, so "1,5" is refused rather than read as 15),
// finite and > 0. A typed curve number is read with LeerNumeroCurvaEscorrentia.
std::optional<double> LeerArea(std::string_view texto);

struct Compuesto {
    double areaTotal = 0;         // ha
    std::vector<double> cuota;    // each sub-area's share of the total, in (0, 1]
    std::array<double, 3> CN{};   // conditions I, II (the area-weighted one), III
    std::array<double, 3> umbral{};  // their runoff thresholds, mm
};

// Rows are checked in order, each area before its curve number.
std::expected<Compuesto, RechazoCuenca> CalcularCompuesto(std::span<const Subarea> subareas);

struct EscorrentiaCompuesta {
    Lambda lambda = Lambda::Clasica;
    double P = 0;                        // mm
    std::vector<Escorrentia> subareas;   // each row's runoff, condition II
    double Q = 0;                        // area-weighted runoff, mm
    NumeroCurvaEquivalente equivalente;  // the curve number whose runoff over the whole area is Q
    Escorrentia delCompuesto;            // the runoff of the area-weighted curve number
};

// The runoff of a storm over sub-areas whose composite is already known
// (CalcularCompuesto of the same sub-areas), for one ratio: P is checked.
std::expected<EscorrentiaCompuesta, RechazoCuenca> CalcularEscorrentiaCompuesta(const Compuesto& compuesto,
                                                                               std::span<const Subarea> subareas,
                                                                               double p, Lambda lambda);
// The same from the sub-areas alone: the rows are checked first, then P.
std::expected<EscorrentiaCompuesta, RechazoCuenca> CalcularEscorrentiaCompuesta(std::span<const Subarea> subareas,
                                                                               double p, Lambda lambda);

}  // namespace tarvel
