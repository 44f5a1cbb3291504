#include "hydrology/CaudalPunta.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <initializer_list>

#include "hydrology/Escorrentia.h"
#include "hydrology/Conversion.h"

namespace tarvel {
namespace {

std::unexpected<RechazoCaudal> Rechazo(RechazoCaudal rechazo) { return std::unexpected(rechazo); }

struct Campo {
    DatoCaudal dato;
    double valor;
};

std::optional<RechazoCaudal> Primero(std::initializer_list<Campo> campos) {
    for (const auto& c : campos) {
        if (auto r = ComprobarDato(c.dato, c.valor)) return r;
    }
    return std::nullopt;
}

// Linear interpolation in a table sorted by `x`, the end rows outside it.
template <class Fila, class X>
std::pair<const Fila*, double> Intervalo(std::span<const Fila> filas, double x, X Fila::*campo) {
    if (!(x > filas.front().*campo)) return {&filas.front(), 0};
    if (x >= filas.back().*campo) return {&filas.back(), 0};
    const auto siguiente = std::ranges::upper_bound(filas, x, {}, campo);
    const auto anterior = siguiente - 1;
    return {&*anterior, (x - (*anterior).*campo) / ((*siguiente).*campo - (*anterior).*campo)};
}

// The warnings of one value against a range of the method, below and above.
void Limites(std::vector<Aviso>& avisos, double valor, double minimo, double maximo, TipoAviso bajo,
             TipoAviso alto) {
    if (valor < minimo) avisos.push_back({bajo, valor, minimo});
    if (valor > maximo) avisos.push_back({alto, valor, maximo});
}

}  // namespace

std::string_view NombreDistribucion(DistribucionLluvia distribucion) {
    switch (distribucion) {
        case DistribucionLluvia::I: return "I";
        case DistribucionLluvia::IA: return "IA";
        case DistribucionLluvia::II: return "II";
        case DistribucionLluvia::III: break;
    }
    return "III";
}

std::optional<DistribucionLluvia> LeerDistribucion(std::string_view texto) {
    for (const auto d : {DistribucionLluvia::I, DistribucionLluvia::IA, DistribucionLluvia::II,
                         DistribucionLluvia::III}) {
        if (std::ranges::equal(texto, NombreDistribucion(d), [](char a, char b) {
                return std::toupper(static_cast<unsigned char>(a)) == b;
            })) {
            return d;
        }
    }
    return std::nullopt;
}

CoeficientesF1 CoeficientesTR55(DistribucionLluvia distribucion, double iaP) {
    const auto filas = TablaF1(distribucion);
    const auto [fila, f] = Intervalo(filas, iaP, &FilaF1::iaP);
    if (f == 0) return {fila->c0, fila->c1, fila->c2};
    const FilaF1& sig = fila[1];
    return {std::lerp(fila->c0, sig.c0, f), std::lerp(fila->c1, sig.c1, f), std::lerp(fila->c2, sig.c2, f)};
}

double FactorCharcas(double porcentaje) {
    const auto [fila, f] = Intervalo(std::span<const FilaFp>(kTabla42), porcentaje, &FilaFp::porcentaje);
    return f == 0 ? fila->fp : std::lerp(fila->fp, fila[1].fp, f);
}

std::expected<CaudalTR55, RechazoCaudal> CalcularCaudalTR55(const DatosTR55& d) {
    if (auto r = Primero({{DatoCaudal::Area, d.area},
                          {DatoCaudal::NumeroCurva, d.cn},
                          {DatoCaudal::Lluvia, d.lluvia},
                          {DatoCaudal::TiempoConcentracion, d.tc},
                          {DatoCaudal::Charcas, d.charcas}})) {
        return Rechazo(*r);
    }
    // Only a curve number next to 0 fails here: its retention overflows.
    const auto escorrentia = CalcularEscorrentia(d.cn, d.lluvia, Lambda::Clasica);
    if (!escorrentia) return Rechazo({DatoCaudal::NumeroCurva, d.cn, RangoDe(DatoCaudal::NumeroCurva)});

    CaudalTR55 c;
    c.S = escorrentia->S;
    c.Ia = escorrentia->Ia;
    c.Q = escorrentia->Q;
    c.iaP = c.Ia / d.lluvia;
    const auto filas = TablaF1(d.distribucion);
    c.iaPTabla = std::clamp(c.iaP, filas.front().iaP, filas.back().iaP);
    c.tcTabla = std::clamp(d.tc, kTiempoMinimoTR55, kTiempoMaximoTR55);
    c.coeficientes = CoeficientesTR55(d.distribucion, c.iaP);
    const double x = std::log10(c.tcTabla);
    c.quCsm = std::pow(10.0, c.coeficientes.c0 + c.coeficientes.c1 * x + c.coeficientes.c2 * x * x);
    c.qu = c.quCsm * kCsmPorPulgada;
    c.Fp = FactorCharcas(d.charcas);
    c.qp = c.qu * d.area * c.Q * c.Fp;

    if (d.area > kAreaMaximaTR55) c.avisos.push_back({TipoAviso::AreaGrande, d.area, kAreaMaximaTR55});
    if (d.cn < kNumeroCurvaMinimoTR55) c.avisos.push_back({TipoAviso::NumeroCurvaBajo, d.cn, kNumeroCurvaMinimoTR55});
    Limites(c.avisos, d.tc, kTiempoMinimoTR55, kTiempoMaximoTR55, TipoAviso::TiempoCorto, TipoAviso::TiempoLargo);
    Limites(c.avisos, c.iaP, filas.front().iaP, filas.back().iaP, TipoAviso::IaPBajo, TipoAviso::IaPAlto);
    if (d.charcas > kCharcasMaximas) c.avisos.push_back({TipoAviso::CharcasExcesivas, d.charcas, kCharcasMaximas});
    return c;
}

double FactorArea(double area) { return area < 1 ? 1 : 1 - std::log10(area) / 15; }

// 3.5287 and 2.5287 are the 1990 form (28^0.1 − t^0.1) / (28^0.1 − 1) rounded:
// 28^0.1 = 1.395461 and 1 / (28^0.1 − 1) = 2.528702. The rounded figures
// are the method's, and the ones used.
double FactorIntensidad(double i1id, double tc) { return std::pow(i1id, 3.5287 - 2.5287 * std::pow(tc, 0.1)); }

// Written as a product of two factors no larger than about 1, so that a
// threshold near 0 neither overflows nor gives inf / inf; with no threshold
// at all every drop runs off.
double CoeficienteEscorrentiaIC(double lluviaCorregida, double umbral) {
    if (!(lluviaCorregida > umbral)) return 0;
    const double x = lluviaCorregida / umbral;
    if (!std::isfinite(x)) return 1;
    return ((x - 1) / (x + 11)) * ((x + 23) / (x + 11));
}

double CoeficienteUniformidad(double tc) {
    const double t = std::pow(tc, 1.25);
    return 1 + t / (t + 14);
}

std::expected<double, RechazoCaudal> UmbralInicialDeNumeroCurva(double cn) {
    if (auto r = ComprobarDato(DatoCaudal::NumeroCurva, cn)) return Rechazo(*r);
    // The smallest curve number whose threshold the rational method accepts
    // is 5080 / (1e5 + 50.8) = 0.05077...; the bound checked and said is that
    // rounded up to three digits, so that the message gives the bound itself.
    constexpr double kMinimo = 0.0508;
    static_assert(5080 / kMinimo - 50.8 <= 1e5);
    const auto umbral = UmbralEscorrentia(cn);
    if (cn < kMinimo || !umbral || !DentroDe(RangoDe(DatoCaudal::UmbralInicial), *umbral)) {
        return Rechazo({DatoCaudal::NumeroCurva, cn, Rango{kMinimo, 100}});
    }
    return *umbral;
}

std::expected<CaudalIC, RechazoCaudal> CalcularCaudalIC(const DatosIC& d) {
    if (auto r = Primero({{DatoCaudal::Area, d.area},
                          {DatoCaudal::TiempoConcentracion, d.tc},
                          {DatoCaudal::LluviaDiaria, d.lluviaDiaria},
                          {DatoCaudal::IndiceTorrencialidad, d.i1id}})) {
        return Rechazo(*r);
    }
    if (d.fb) {
        if (auto r = ComprobarDato(DatoCaudal::FactorIDF, *d.fb)) return Rechazo(*r);
    }
    if (auto r = Primero({{DatoCaudal::UmbralInicial, d.umbralInicial}, {DatoCaudal::Beta, d.beta}})) {
        return Rechazo(*r);
    }
    CaudalIC c;
    c.KA = FactorArea(d.area);
    c.lluviaCorregida = d.lluviaDiaria * c.KA;
    c.Id = c.lluviaCorregida / 24;
    c.Fa = FactorIntensidad(d.i1id, d.tc);
    c.Fb = d.fb;
    c.Fint = std::max(c.Fa, d.fb.value_or(c.Fa));
    c.I = c.Id * c.Fint;
    c.P0 = d.umbralInicial * d.beta;
    c.C = CoeficienteEscorrentiaIC(c.lluviaCorregida, c.P0);
    c.Kt = CoeficienteUniformidad(d.tc);
    c.Q = c.I * c.C * d.area * c.Kt / 3.6;

    if (d.area > kAreaMaximaIC) c.avisos.push_back({TipoAviso::AreaGrande, d.area, kAreaMaximaIC});
    Limites(c.avisos, d.tc, kTiempoMinimoIC, kTiempoMaximoIC, TipoAviso::TiempoCorto, TipoAviso::TiempoLargo);
    return c;
}

namespace {

// One row after another, the refusal of a row naming it.
template <class Fila, class Tormenta, class Calcular>
auto PorFilas(std::span<const Tormenta> tormentas, Calcular calcular)
    -> std::expected<std::vector<Fila>, RechazoCaudal> {
    std::vector<Fila> filas;
    for (std::size_t i = 0; i < tormentas.size(); ++i) {
        auto rechazo = ComprobarDato(DatoCaudal::PeriodoRetorno, tormentas[i].T);
        if (!rechazo) {
            auto caudal = calcular(tormentas[i]);
            if (caudal) {
                filas.push_back({tormentas[i].T, std::move(*caudal)});
                continue;
            }
            rechazo = caudal.error();
        }
        rechazo->fila = static_cast<int>(i);
        return std::unexpected(*rechazo);
    }
    return filas;
}

}  // namespace

std::expected<std::vector<FilaTR55>, RechazoCaudal> CalcularTablaTR55(DatosTR55 cuenca,
                                                                       std::span<const TormentaTR55> tormentas) {
    return PorFilas<FilaTR55>(tormentas, [&cuenca](const TormentaTR55& t) {
        cuenca.lluvia = t.lluvia;
        return CalcularCaudalTR55(cuenca);
    });
}

std::expected<std::vector<FilaIC>, RechazoCaudal> CalcularTablaIC(DatosIC cuenca,
                                                                   std::span<const TormentaIC> tormentas) {
    return PorFilas<FilaIC>(tormentas, [&cuenca](const TormentaIC& t) {
        cuenca.lluviaDiaria = t.lluviaDiaria;
        cuenca.beta = t.beta;
        cuenca.fb = t.fb;
        return CalcularCaudalIC(cuenca);
    });
}

}  // namespace tarvel
