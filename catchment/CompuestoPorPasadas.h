#pragma once
// The composite of a catchment whose sub-areas are seen one at a time and
// never held all together (a CSV file of millions of rows): the figures of
// CalcularCompuesto and CalcularEscorrentiaCompuesta, to the last bit, from
// two passes over the same sub-areas in the same order. Every share needs the
// total area, so the first pass sums the areas and the second weighs each
// sub-area by its share:
//
//   CompuestoPorPasadas c(lluvia, lambdas);
//   for each sub-area: c.Contar(s)        first pass, each checked in order
//   c.CerrarPrimera()                     no sub-area, a total or a storm refused
//   for each sub-area: c.Sumar(s)         second pass: its share and runoff
//   c.Terminar()                          the composite and, with a storm,
//                                         its runoff under each ratio
#include <algorithm>
#include <array>
#include <cmath>
#include <expected>
#include <optional>
#include <span>
#include <vector>

#include "catchment/Compuesto.h"

namespace tarvel {

// Σ(wᵢ · xᵢ) added term by term in order, held between the smallest and the
// largest xᵢ, where the mean lies: the area-weighted mean of the composite,
// of its curve number and of its runoff. Media() needs one term at least.
class SumaPonderada {
public:
    void Sumar(double cuota, double x) {
        mSuma += cuota * x;
        mMenor = std::min(mMenor, x);
        mMayor = std::max(mMayor, x);
    }
    double Media() const { return std::clamp(mSuma, mMenor, mMayor); }

private:
    double mSuma = 0;
    double mMenor = INFINITY;
    double mMayor = -INFINITY;
};

class CompuestoPorPasadas {
public:
    // With a storm, its runoff under each of `lambdas` (at most two: 0.2 and 0.05).
    CompuestoPorPasadas(std::optional<double> lluvia, std::span<const Lambda> lambdas);

    // First pass. The checks of ComprobarSubarea, naming the sub-area by its
    // place among those counted (from 0).
    std::optional<RechazoCuenca> Contar(const Subarea& subarea);
    // Between the passes: no sub-area at all, a total area beyond the largest
    // double, or a storm that is refused (ComprobarLluvia).
    std::optional<RechazoCuenca> CerrarPrimera();
    double AreaTotal() const { return mAreaTotal; }
    std::size_t Subareas() const { return mContadas; }

    // Second pass, the same sub-areas in the same order: the share of each in
    // the total area and, with a storm, its runoff (condition II) under each
    // ratio, in the order of `lambdas`. Valores alone adds nothing.
    struct Fila {
        double cuota = 0;
        std::array<Escorrentia, 2> escorrentia{};
    };
    Fila Sumar(const Subarea& subarea);
    Fila Valores(const Subarea& subarea) const;
    std::span<const Lambda> Lambdas() const { return {mLambdas.data(), mLluvia ? mLambdas.size() : 0}; }

    // After the second pass: the composite (its `cuota` left empty) and, with
    // a storm, its runoff under each ratio (their `subareas` left empty).
    struct Resultado {
        Compuesto compuesto;
        std::vector<EscorrentiaCompuesta> escorrentias;
    };
    std::expected<Resultado, RechazoCuenca> Terminar() const;

private:
    std::optional<double> mLluvia;
    std::vector<Lambda> mLambdas;
    double mAreaTotal = 0;
    std::size_t mContadas = 0;
    SumaPonderada mCurva;
    std::vector<SumaPonderada> mEscorrentia;  // one per ratio
    mutable bool mFallo = false;  // a runoff that could not be computed (never, once the storm passed)
};

}  // namespace tarvel
