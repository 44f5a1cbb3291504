#include "series/Trayectoria.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <span>
#include <string_view>

#include "series/Serie.h"
#include "series/ValidacionSerie.h"

namespace tarvel {
namespace {

constexpr std::string_view kCondiciones[] = {"i", "ii", "iii"};

}  // namespace

bool Trayectoria::ConAbstraccion(Lambda lambda) const {
    if (!relacion) return false;
    const auto lambdas = LambdasDe(*relacion);
    return std::ranges::find(lambdas, lambda) != lambdas.end();
}

bool Trayectoria::ConEscorrentia(Lambda lambda) const { return tormenta && ConAbstraccion(lambda); }

int MensajeTrayectoria(FalloTrayectoria fallo) {
    switch (fallo) {
        case FalloTrayectoria::NAC: return MensajeEscorrentia({ValorEscorrentia::NAC, ErrorEscorrentia::NumeroCurva});
        case FalloTrayectoria::NOB: return MensajeEscorrentia({ValorEscorrentia::NOB, ErrorEscorrentia::NumeroCurva});
        case FalloTrayectoria::Lapso: return MensajeDeRechazo(RechazoSerie::LapsoIncorrecto);
        case FalloTrayectoria::Lluvia: return MensajeEscorrentia({ValorEscorrentia::Lluvia, ErrorEscorrentia::Lluvia});
        case FalloTrayectoria::LluviaExcesiva: break;
    }
    return MensajeEscorrentia({ValorEscorrentia::Lluvia, ErrorEscorrentia::Desbordamiento});
}

namespace {

std::expected<Trayectoria, FalloTrayectoria> Calcular(double nac, double nob, int lapso,
                                                      std::optional<EleccionLambda> relacion,
                                                      std::optional<double> lluvia) {
    if (!NumeroCurvaCalculable(nac)) return std::unexpected(FalloTrayectoria::NAC);
    if (!NumeroCurvaCalculable(nob)) return std::unexpected(FalloTrayectoria::NOB);
    if (lapso < kLapsoMinimo || lapso > kLapsoMaximo) return std::unexpected(FalloTrayectoria::Lapso);
    if (const auto error = lluvia ? ComprobarLluvia(*lluvia) : std::nullopt) {
        return std::unexpected(*error == ErrorEscorrentia::Lluvia ? FalloTrayectoria::Lluvia
                                                                  : FalloTrayectoria::LluviaExcesiva);
    }

    Trayectoria t;
    t.lapso = lapso;
    t.variacion = *VariacionAnual(nac, nob, lapso);
    t.relacion = relacion;
    if (lluvia && relacion) t.tormenta = Tormenta{*lluvia, *relacion};
    t.anios.resize(static_cast<std::size_t>(lapso) + 1);
    const double menor = std::min(nac, nob);
    const double mayor = std::max(nac, nob);
    const auto lambdas = relacion ? LambdasDe(*relacion) : std::span<const Lambda>();
    for (int anio = 0; anio <= lapso; ++anio) {
        const double n = anio == 0 ? nac : anio == lapso ? nob : std::clamp(nac - anio * t.variacion, menor, mayor);
        // A value between two calculable curve numbers is calculable: nothing below can fail.
        const auto condiciones = ConvertirCondiciones(n);
        auto& fila = t.anios[static_cast<std::size_t>(anio)];
        fila.anio = anio;
        fila.CN = condiciones->CN;
        fila.umbral = condiciones->P0;
        // Ia does not depend on the storm: without one, that of no rain.
        for (const Lambda lambda : lambdas) {
            const auto curva = CalcularEscorrentiaCurva(n, lluvia.value_or(0), lambda);
            if (!curva) return std::unexpected(FalloTrayectoria::LluviaExcesiva);
            auto& ia = lambda == Lambda::Clasica ? fila.IaClasica : fila.IaReducida;
            auto& q = lambda == Lambda::Clasica ? fila.QClasica : fila.QReducida;
            for (int j = 0; j < 3; ++j) {
                ia[j] = curva->condicion[j].Ia;
                q[j] = curva->condicion[j].Q;
            }
        }
    }
    return t;
}

}  // namespace

std::expected<Trayectoria, FalloTrayectoria> CalcularTrayectoria(double nac, double nob, int lapso,
                                                                 std::optional<Tormenta> tormenta) {
    if (!tormenta) return Calcular(nac, nob, lapso, std::nullopt, std::nullopt);
    return Calcular(nac, nob, lapso, tormenta->lambda, tormenta->P);
}

std::expected<Trayectoria, FalloTrayectoria> CalcularTrayectoria(double nac, double nob, int lapso,
                                                                 EleccionLambda relacion, std::optional<double> lluvia) {
    return Calcular(nac, nob, lapso, relacion, lluvia);
}

std::string TextoTrayectoria(const Trayectoria& trayectoria, char separador) {
    const bool clasica = trayectoria.ConEscorrentia(Lambda::Clasica);
    const bool reducida = trayectoria.ConEscorrentia(Lambda::Reducida);
    const bool iaClasica = trayectoria.ConAbstraccion(Lambda::Clasica);
    const bool iaReducida = trayectoria.ConAbstraccion(Lambda::Reducida);
    std::string texto = "year";
    const auto columnas = [&](std::string_view prefijo, std::string_view sufijo) {
        for (const auto condicion : kCondiciones) {
            texto += separador;
            texto += prefijo;
            texto += condicion;
            texto += sufijo;
        }
    };
    columnas("cn_", "");
    columnas("threshold_", "_mm");
    if (clasica) columnas("q02_", "_mm");
    if (reducida) columnas("q005_", "_mm");
    if (iaClasica) columnas("ia02_", "_mm");
    if (iaReducida) columnas("ia005_", "_mm");
    texto += '\n';

    // At most 24 characters a number: the whole table in one allocation.
    const int grupos = 2 + clasica + reducida + iaClasica + iaReducida;
    texto.reserve(texto.size() + trayectoria.anios.size() * (8 + 25 * 3 * grupos));
    const auto valores = [&](const std::array<double, 3>& v) {
        for (const double x : v) {
            char cifras[32];
            cifras[0] = separador;
            texto.append(cifras, std::to_chars(cifras + 1, cifras + sizeof cifras, x).ptr);
        }
    };
    for (const auto& fila : trayectoria.anios) {
        texto += std::to_string(fila.anio);
        valores(fila.CN);
        valores(fila.umbral);
        if (clasica) valores(fila.QClasica);
        if (reducida) valores(fila.QReducida);
        if (iaClasica) valores(fila.IaClasica);
        if (iaReducida) valores(fila.IaReducida);
        texto += '\n';
    }
    return texto;
}

}  // namespace tarvel
