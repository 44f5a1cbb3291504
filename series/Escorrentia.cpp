#include "series/Escorrentia.h"

#include <cmath>

namespace tarvel {

double ValorLambda(Lambda lambda) { return lambda == Lambda::Clasica ? 0.2 : 0.05; }

std::expected<double, ErrorEscorrentia> Retencion(double cn) {
    if (!std::isfinite(cn) || cn <= 0 || cn > 100) return std::unexpected(ErrorEscorrentia::NumeroCurva);
    const double s = 25400 / cn - 254;
    if (!std::isfinite(s)) return std::unexpected(ErrorEscorrentia::Desbordamiento);
    return s;
}

double RetencionReducida(double retencionClasica) {
    return 25.4 * 1.33 * std::pow(retencionClasica / 25.4, 1.15);
}

double ProfundidadEscorrentia(double p, double ia, double s) {
    if (!(p > ia)) return 0;
    const double exceso = p - ia;
    return exceso * exceso / (exceso + s);
}

std::expected<Escorrentia, ErrorEscorrentia> CalcularEscorrentia(double cn, double p, Lambda lambda) {
    const auto s02 = Retencion(cn);
    if (!s02) return std::unexpected(s02.error());
    if (!std::isfinite(p) || p < 0) return std::unexpected(ErrorEscorrentia::Lluvia);

    Escorrentia r;
    r.S = lambda == Lambda::Clasica ? *s02 : RetencionReducida(*s02);
    if (!std::isfinite(r.S)) return std::unexpected(ErrorEscorrentia::Desbordamiento);
    r.Ia = ValorLambda(lambda) * r.S;
    r.CN = lambda == Lambda::Clasica ? cn : 25400 / (254 + r.S);
    r.Q = ProfundidadEscorrentia(p, r.Ia, r.S);
    // (P − Ia)² overflows only for storms beyond any double's reach of rain.
    if (!std::isfinite(r.Q)) return std::unexpected(ErrorEscorrentia::Desbordamiento);
    return r;
}

}  // namespace tarvel
