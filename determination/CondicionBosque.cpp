#include "determination/CondicionBosque.h"

#include <limits>

#include "app/FormatoNumerico.h"

namespace tarvel {

double IndiceCondicionBosque(double arrope, double humus, double factorArrope, double compacidad,
                             double factorHumus) {
    const double A = arrope * factorArrope;
    const double H = humus * factorHumus;
    const double s = (H - A) / 3;
    const double P = s * 1.5 + A;
    const double m = (compacidad - P) / 7.5;
    const double b = P - m * 1.5;
    return m * 6 + b;
}

std::string_view ClasePorIndice(double R) {
    if (R <= 0.75) return "I";
    if (R <= 1.825) return "II";
    if (R <= 2.925) return "III";
    if (R <= 4.2) return "IV";
    return "V";
}

CondicionBosque ClaseCondicionBosque(double arrope, double humus, double factorArrope, double compacidad,
                                     double factorHumus) {
    const double R = IndiceCondicionBosque(arrope, humus, factorArrope, compacidad, factorHumus);
    return {ClasePorIndice(R), R};
}

std::optional<double> LeerEspesor(std::string_view texto) {
    const auto valor = ConvertirDecimalSimple(texto);
    // Past an eighth of the largest double the steps of the reading line could
    // overflow and give a class for no number at all.
    constexpr double kMayor = std::numeric_limits<double>::max() / 8;
    if (!valor || *valor < 0 || *valor > kMayor) return std::nullopt;
    return valor;
}

std::expected<Espesores, CampoNomograma> ComprobarNomograma(std::string_view arrope, std::string_view humus,
                                                            bool compacidadElegida) {
    const auto valorArrope = LeerEspesor(arrope);
    if (!valorArrope) return std::unexpected(CampoNomograma::Arrope);
    const auto valorHumus = LeerEspesor(humus);
    if (!valorHumus) return std::unexpected(CampoNomograma::Humus);
    if (!compacidadElegida) return std::unexpected(CampoNomograma::Compacidad);
    return Espesores{*valorArrope, *valorHumus};
}

}  // namespace tarvel
