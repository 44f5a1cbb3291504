#include "hydrology/Escorrentia.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "app/FormatoNumerico.h"
#include "app/Texto.h"
#include "hydrology/Conversion.h"
#include "hydrology/TextosEscorrentia.h"

namespace tarvel {
namespace {

constexpr Lambda kAmbas[] = {Lambda::Clasica, Lambda::Reducida};

// The runoff of a converted curve number: the dry conversion of 100 is one
// unit in the last place above 100 and stands for 100.
double EnRango(double cn) { return std::min(cn, 100.0); }

std::unexpected<RechazoEscorrentia> Rechazo(ValorEscorrentia valor, ErrorEscorrentia error) {
    return std::unexpected(RechazoEscorrentia{valor, error});
}

// The three conditions of a curve number already known to be calculable.
std::expected<EscorrentiaCurva, RechazoEscorrentia> PorCondicion(const std::array<double, 3>& cn, double p,
                                                                 Lambda lambda, ValorEscorrentia valor) {
    EscorrentiaCurva curva;
    curva.CN = cn;
    for (int j = 0; j < 3; ++j) {
        const auto r = CalcularEscorrentia(EnRango(cn[j]), p, lambda);
        if (!r) {
            // The curve number was checked: what is left is the storm's fault.
            return Rechazo(r.error() == ErrorEscorrentia::NumeroCurva ? valor : ValorEscorrentia::Lluvia, r.error());
        }
        curva.condicion[j] = *r;
    }
    return curva;
}

std::unexpected<ErrorEscorrentia> FalloLluvia(double p) { return std::unexpected(*ComprobarLluvia(p)); }

}  // namespace

std::optional<ErrorEscorrentia> ComprobarLluvia(double p) {
    if (!std::isfinite(p) || p < 0) return ErrorEscorrentia::Lluvia;
    if (p > kLluviaMaxima) return ErrorEscorrentia::Desbordamiento;
    return std::nullopt;
}

double ValorLambda(Lambda lambda) { return lambda == Lambda::Clasica ? 0.2 : 0.05; }

std::span<const Lambda> LambdasDe(EleccionLambda eleccion) {
    switch (eleccion) {
        case EleccionLambda::Clasica: return std::span(kAmbas, 1);
        case EleccionLambda::Reducida: return std::span(kAmbas + 1, 1);
        case EleccionLambda::Ambas: break;
    }
    return kAmbas;
}

std::string_view NombreEleccionLambda(EleccionLambda eleccion) {
    switch (eleccion) {
        case EleccionLambda::Clasica: return "0.2";
        case EleccionLambda::Reducida: return "0.05";
        case EleccionLambda::Ambas: break;
    }
    return "both";
}

std::optional<EleccionLambda> LeerEleccionLambda(std::string_view texto) {
    texto = SinBlancos(texto);
    for (const auto eleccion : {EleccionLambda::Clasica, EleccionLambda::Reducida, EleccionLambda::Ambas}) {
        const auto nombre = NombreEleccionLambda(eleccion);
        if (std::ranges::equal(texto, nombre, [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == b;
            })) {
            return eleccion;
        }
    }
    return std::nullopt;
}

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
    return exceso * (exceso / (exceso + s));
}

std::expected<Escorrentia, ErrorEscorrentia> CalcularEscorrentia(double cn, double p, Lambda lambda) {
    const auto s02 = Retencion(cn);
    if (!s02) return std::unexpected(s02.error());
    if (!LluviaValida(p)) return FalloLluvia(p);

    Escorrentia r;
    r.S = lambda == Lambda::Clasica ? *s02 : RetencionReducida(*s02);
    if (!std::isfinite(r.S)) return std::unexpected(ErrorEscorrentia::Desbordamiento);
    r.Ia = ValorLambda(lambda) * r.S;
    r.CN = lambda == Lambda::Clasica ? cn : 25400 / (254 + r.S);
    // P − Ia + S overflows only for storms near the largest double.
    if (p > r.Ia && !std::isfinite(p - r.Ia + r.S)) return std::unexpected(ErrorEscorrentia::Desbordamiento);
    r.Q = ProfundidadEscorrentia(p, r.Ia, r.S);
    return r;
}

bool NumeroCurvaCalculable(double cn) {
    if (!std::isfinite(cn) || cn <= 0 || cn > 100) return false;
    // A number between two calculable ones is: from this one up (and 100 is)
    // every number is, and the whole check is left for the smallest.
    if (cn >= kCurvaCalculableSegura) return true;
    const auto condiciones = ConvertirCondiciones(cn);
    if (!condiciones) return false;
    // The dry condition is the smallest of the three and has the largest retentions.
    const auto s = Retencion(EnRango(condiciones->CN[0]));
    return s && std::isfinite(RetencionReducida(*s));
}

int MensajeEscorrentia(RechazoEscorrentia rechazo) {
    switch (rechazo.valor) {
        case ValorEscorrentia::NumeroCurva: return kTextoCurvaIncorrecta;
        case ValorEscorrentia::NAC: return kTextoNACIncorrecto;
        case ValorEscorrentia::NOB: return kTextoNOBIncorrecto;
        case ValorEscorrentia::Lluvia: break;
    }
    return rechazo.error == ErrorEscorrentia::Desbordamiento ? kTextoLluviaExcesiva : kTextoLluviaIncorrecta;
}

std::expected<EscorrentiaCurva, RechazoEscorrentia> CalcularEscorrentiaCurva(double cn, double p, Lambda lambda) {
    if (!NumeroCurvaCalculable(cn)) return Rechazo(ValorEscorrentia::NumeroCurva, ErrorEscorrentia::NumeroCurva);
    if (!LluviaValida(p)) return Rechazo(ValorEscorrentia::Lluvia, *ComprobarLluvia(p));
    return PorCondicion(ConvertirCondiciones(cn)->CN, p, lambda, ValorEscorrentia::NumeroCurva);
}

std::expected<EscorrentiaSerie, RechazoEscorrentia> CalcularEscorrentiaSerie(double nac, double nob, double p,
                                                                           Lambda lambda) {
    if (!NumeroCurvaCalculable(nac)) return Rechazo(ValorEscorrentia::NAC, ErrorEscorrentia::NumeroCurva);
    if (!NumeroCurvaCalculable(nob)) return Rechazo(ValorEscorrentia::NOB, ErrorEscorrentia::NumeroCurva);
    if (!LluviaValida(p)) return Rechazo(ValorEscorrentia::Lluvia, *ComprobarLluvia(p));
    EscorrentiaSerie r;
    auto degradada = PorCondicion(ConvertirCondiciones(nac)->CN, p, lambda, ValorEscorrentia::NAC);
    if (!degradada) return std::unexpected(degradada.error());
    auto restaurada = PorCondicion(ConvertirCondiciones(nob)->CN, p, lambda, ValorEscorrentia::NOB);
    if (!restaurada) return std::unexpected(restaurada.error());
    r.NAC = *degradada;
    r.NOB = *restaurada;
    for (int j = 0; j < 3; ++j) {
        const double qac = r.NAC.condicion[j].Q;
        r.ahorro[j].mm = qac - r.NOB.condicion[j].Q;
        if (qac > 0) r.ahorro[j].porcentaje = 100 * (r.ahorro[j].mm / qac);
    }
    return r;
}

std::expected<double, RechazoEscorrentia> LeerLluvia(std::string_view texto) {
    const auto p = ConvertirDecimalSimple(texto);
    if (!p) return Rechazo(ValorEscorrentia::Lluvia, ErrorEscorrentia::Lluvia);
    if (!LluviaValida(*p)) return Rechazo(ValorEscorrentia::Lluvia, *ComprobarLluvia(*p));
    return *p + 0.0;  // -0 becomes 0
}

std::expected<double, RechazoEscorrentia> LeerNumeroCurvaEscorrentia(std::string_view texto, ValorEscorrentia valor) {
    const auto cn = LeerNumeroCurva(texto);
    if (!cn || !NumeroCurvaCalculable(*cn)) return Rechazo(valor, ErrorEscorrentia::NumeroCurva);
    return *cn;
}

std::expected<NumeroCurvaEquivalente, ErrorEscorrentia> NumeroCurvaDeEscorrentia(double p, double q, Lambda lambda) {
    if (!LluviaValida(p)) return FalloLluvia(p);
    if (!std::isfinite(q) || q < 0 || q > p) return std::unexpected(ErrorEscorrentia::Desbordamiento);

    NumeroCurvaEquivalente r;
    r.sinEscorrentia = q == 0;
    if (p == 0 || q == p) {
        r.CN = r.CNLambda = 100;
        return r;
    }
    const double l = ValorLambda(lambda);
    const double b = 2 * l * p + (1 - l) * q;
    // Grouped so that no product exceeds about P: (P − Q) / (b + √…) ≤ 1 / (2λ).
    const double raiz = std::sqrt(q) * std::sqrt(4 * l * p + (1 - l) * (1 - l) * q);
    const double s = 2 * p * ((p - q) / (b + raiz));
    // S0.2 from S0.05: the conversion S0.05 = 25.4 · 1.33 · (S0.2 / 25.4)^1.15 turned round.
    const double s02 = lambda == Lambda::Clasica ? s : 25.4 * std::pow(s / (25.4 * 1.33), 1 / 1.15);
    if (!std::isfinite(s) || !std::isfinite(s02)) return std::unexpected(ErrorEscorrentia::Desbordamiento);
    r.CN = std::min(25400 / (254 + s02), 100.0);
    r.CNLambda = std::min(25400 / (254 + s), 100.0);
    return r;
}

}  // namespace tarvel
