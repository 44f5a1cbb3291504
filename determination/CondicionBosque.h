#pragma once
// The forest hydrologic condition class I (very poor) to V (very good) of a
// woodland, read from a nomogram of three field observations: the depth of the
// litter layer (measured before or after compaction), the depth of the humus
// layer, both in centimetres, and the degree of compactness of the soil.
#include <array>
#include <expected>
#include <optional>
#include <string_view>

namespace tarvel {

inline constexpr double kFactorArropeAntes = 1.47;    // litter measured before compaction
inline constexpr double kFactorArropeDespues = 2.95;  // litter measured after compaction
inline constexpr double kFactorHumus = 0.295;

// The litter factor of the way the litter was measured.
constexpr double FactorArrope(bool despuesDeCompactar) {
    return despuesDeCompactar ? kFactorArropeDespues : kFactorArropeAntes;
}

struct GradoCompacidad {
    char codigo;   // how the command line names it
    int texto;     // text number of its list entry
    double valor;  // its value on the nomogram
};

// The entries of the compactness list, in list order.
inline constexpr std::array<GradoCompacidad, 4> kGradosCompacidad{{
    {'F', 74, -0.7},  // frozen
    {'1', 75, 1.5},   // compact, thick
    {'2', 76, 3.0},   // moderately compact
    {'3', 77, 4.5},   // not compact, friable
}};

struct CondicionBosque {
    std::string_view clase;  // "I" to "V"
    double R;                // the reading on the class scale
};

// The reading line of the nomogram, step by step in double precision; the
// order of the steps fixes the last bits of R, and so the class at a limit.
double IndiceCondicionBosque(double arrope, double humus, double factorArrope, double compacidad,
                             double factorHumus = kFactorHumus);

// Class of a reading; each limit (0.75, 1.825, 2.925, 4.2) belongs to the lower class.
std::string_view ClasePorIndice(double R);

CondicionBosque ClaseCondicionBosque(double arrope, double humus, double factorArrope, double compacidad,
                                     double factorHumus = kFactorHumus);

// A depth as typed: a plain decimal number in the format in force, 0 or more,
// and not so large that the reading line would overflow.
std::optional<double> LeerEspesor(std::string_view texto);

// The checks of Calculate, in their order: the litter depth, the humus depth,
// then a compactness entry chosen. The first that fails names its control.
enum class CampoNomograma { Arrope, Humus, Compacidad };
struct Espesores {
    double arrope;
    double humus;
};
std::expected<Espesores, CampoNomograma> ComprobarNomograma(std::string_view arrope, std::string_view humus,
                                                            bool compacidadElegida);

}  // namespace tarvel
