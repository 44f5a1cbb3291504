#include "catchment/Compuesto.h"

#include <algorithm>
#include <cmath>

#include "app/FormatoNumerico.h"
#include "app/Patrones.h"
#include "app/TablaTextos.h"
#include "catchment/CompuestoPorPasadas.h"
#include "catchment/TextosCuenca.h"
#include "hydrology/Conversion.h"

namespace tarvel {
namespace {

double MediaPonderada(std::span<const double> cuota, std::span<const double> x) {
    SumaPonderada suma;
    for (std::size_t i = 0; i < x.size(); ++i) suma.Sumar(cuota[i], x[i]);
    return suma.Media();
}

std::vector<double> CurvasDe(std::span<const Subarea> subareas) {
    std::vector<double> cn;
    cn.reserve(subareas.size());
    for (const auto& s : subareas) cn.push_back(s.cn);
    return cn;
}

}  // namespace

std::string MensajeCuenca(RechazoCuenca rechazo) {
    const std::string fila = std::to_string(rechazo.fila + 1);
    // A row of the window with nothing typed in the cell yet holds NaN: no value to quote.
    const bool hay = std::isfinite(rechazo.valor);
    switch (rechazo.fallo) {
        case FalloCuenca::SinFilas: return std::string(Texto(kTextoSinFilas));
        case FalloCuenca::Area:
            return Rellenar(Texto(hay ? kTextoAreaIncorrecta : kTextoAreaFilaVacia), {fila, TextoNumero(rechazo.valor)});
        case FalloCuenca::NumeroCurva:
            return Rellenar(Texto(hay ? kTextoCurvaFilaIncorrecta : kTextoCurvaFilaVacia),
                            {fila, TextoNumero(rechazo.valor)});
        case FalloCuenca::AreaTotal: return std::string(Texto(kTextoAreaTotalExcesiva));
        case FalloCuenca::Lluvia:
            return std::string(Texto(MensajeEscorrentia({ValorEscorrentia::Lluvia, ErrorEscorrentia::Lluvia})));
        case FalloCuenca::LluviaExcesiva: break;
    }
    return std::string(Texto(MensajeEscorrentia({ValorEscorrentia::Lluvia, ErrorEscorrentia::Desbordamiento})));
}

std::optional<RechazoCuenca> ComprobarSubarea(const Subarea& subarea, int fila) {
    if (!std::isfinite(subarea.area) || !(subarea.area > 0)) return RechazoCuenca{FalloCuenca::Area, fila, subarea.area};
    if (!NumeroCurvaCalculable(subarea.cn)) return RechazoCuenca{FalloCuenca::NumeroCurva, fila, subarea.cn};
    return std::nullopt;
}

std::optional<double> LeerArea(std::string_view texto) {
    const auto area = ConvertirDecimalSimple(texto);
    if (!area || !std::isfinite(*area) || !(*area > 0)) return std::nullopt;
    return *area;
}

std::expected<Compuesto, RechazoCuenca> CalcularCompuesto(std::span<const Subarea> subareas) {
    if (subareas.empty()) return std::unexpected(RechazoCuenca{FalloCuenca::SinFilas});
    Compuesto c;
    for (std::size_t i = 0; i < subareas.size(); ++i) {
        if (const auto rechazo = ComprobarSubarea(subareas[i], static_cast<int>(i))) return std::unexpected(*rechazo);
        c.areaTotal += subareas[i].area;
    }
    if (!std::isfinite(c.areaTotal)) return std::unexpected(RechazoCuenca{FalloCuenca::AreaTotal});

    c.cuota.reserve(subareas.size());
    for (const auto& s : subareas) c.cuota.push_back(s.area / c.areaTotal);
    const double cn = MediaPonderada(c.cuota, CurvasDe(subareas));
    // A mean of calculable curve numbers is calculable.
    const auto condiciones = ConvertirCondiciones(cn);
    c.CN = condiciones->CN;
    c.umbral = condiciones->P0;
    return c;
}

std::expected<EscorrentiaCompuesta, RechazoCuenca> CalcularEscorrentiaCompuesta(const Compuesto& compuesto,
                                                                               std::span<const Subarea> subareas,
                                                                               double p, Lambda lambda) {
    const auto fallo = [](ErrorEscorrentia e) {
        return std::unexpected(RechazoCuenca{e == ErrorEscorrentia::Lluvia ? FalloCuenca::Lluvia
                                                                           : FalloCuenca::LluviaExcesiva});
    };

    EscorrentiaCompuesta r;
    r.lambda = lambda;
    r.P = p;
    std::vector<double> q;
    r.subareas.reserve(subareas.size());
    q.reserve(subareas.size());
    for (const auto& s : subareas) {
        const auto e = CalcularEscorrentia(s.cn, p, lambda);
        if (!e) return fallo(e.error());
        r.subareas.push_back(*e);
        q.push_back(e->Q);
    }
    r.Q = MediaPonderada(compuesto.cuota, q);
    const auto delCompuesto = CalcularEscorrentia(compuesto.CN[1], p, lambda);
    if (!delCompuesto) return fallo(delCompuesto.error());
    r.delCompuesto = *delCompuesto;
    const auto equivalente = NumeroCurvaDeEscorrentia(p, r.Q, lambda);
    if (!equivalente) return fallo(equivalente.error());
    r.equivalente = *equivalente;
    return r;
}

std::expected<EscorrentiaCompuesta, RechazoCuenca> CalcularEscorrentiaCompuesta(std::span<const Subarea> subareas,
                                                                               double p, Lambda lambda) {
    const auto compuesto = CalcularCompuesto(subareas);
    if (!compuesto) return std::unexpected(compuesto.error());
    return CalcularEscorrentiaCompuesta(*compuesto, subareas, p, lambda);
}

}  // namespace tarvel
