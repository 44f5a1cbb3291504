#include "hydrology/Conversion.h"

#include <cmath>

#include "app/FormatoNumerico.h"

namespace tarvel {
namespace {

std::expected<double, ErrorAritmetico> Dividir(double numerador, double denominador) {
    if (std::isnan(numerador) || std::isnan(denominador)) return std::unexpected(ErrorAritmetico::ResultadoInvalido);
    if (std::isinf(numerador) || std::isinf(denominador)) return std::unexpected(ErrorAritmetico::Desbordamiento);
    if (denominador == 0) return std::unexpected(ErrorAritmetico::DivisionPorCero);
    const double cociente = numerador / denominador;
    if (std::isnan(cociente)) return std::unexpected(ErrorAritmetico::ResultadoInvalido);
    if (std::isinf(cociente)) return std::unexpected(ErrorAritmetico::Desbordamiento);
    return cociente;
}

}  // namespace

std::expected<double, ErrorAritmetico> Ncondicion1(double Ncondicion2) {
    const double a = Ncondicion2 * 4.2;
    const double b = 10 - Ncondicion2 * 0.058;
    const auto seco = Dividir(a, b);
    // For N = 100 this order of evaluation gives the double just above 100;
    // inside the range the dry number is never above 100, so the top is 100.
    if (seco && *seco > 100 && Ncondicion2 <= 100) return 100.0;
    return seco;
}

std::expected<double, ErrorAritmetico> Ncondicion3(double Ncondicion2) {
    const double a = Ncondicion2 * 23;
    const double b = Ncondicion2 * 0.13 + 10;
    return Dividir(a, b);
}

std::expected<double, ErrorAritmetico> UmbralEscorrentia(double N) {
    const double a = 5080 - N * 50.8;
    return Dividir(a, N);
}

std::expected<CurvaCondiciones, ErrorAritmetico> ConvertirCondiciones(double cn) {
    CurvaCondiciones c;
    const auto seco = Ncondicion1(cn);
    if (!seco) return std::unexpected(seco.error());
    const auto humedo = Ncondicion3(cn);
    if (!humedo) return std::unexpected(humedo.error());
    c.CN = {*seco, cn, *humedo};
    for (int j = 0; j < 3; ++j) {
        const auto umbral = UmbralEscorrentia(c.CN[j]);
        if (!umbral) return std::unexpected(umbral.error());
        c.P0[j] = *umbral;
    }
    return c;
}

bool NumeroCurvaAdmisible(std::string_view texto, double valor) {
    const double inicial = LeerNumeroInicial(texto);
    if (inicial <= 0 || inicial > 100 || inicial != valor) return false;
    return ConvertirCondiciones(valor).has_value();
}

std::optional<double> LeerNumeroCurva(std::string_view texto) {
    const auto valor = ConvertirNumero(texto);
    if (!valor || !NumeroCurvaAdmisible(texto, *valor)) return std::nullopt;
    return *valor;
}

}  // namespace tarvel
