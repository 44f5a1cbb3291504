#include "hydrology/ValidacionCaudal.h"

#include <cmath>

namespace tarvel {

std::string_view ClaveDato(DatoCaudal dato) {
    switch (dato) {
        case DatoCaudal::Rugosidad: return "n";
        case DatoCaudal::Longitud: return "length_m";
        case DatoCaudal::Lluvia2Anios: return "p2_mm";
        case DatoCaudal::Pendiente: return "slope";
        case DatoCaudal::SeccionCauce: return "area_m2";
        case DatoCaudal::PerimetroMojado: return "wetted_perimeter_m";
        case DatoCaudal::Tramos: return "segments";
        case DatoCaudal::LongitudCauceKm: return "length_km";
        case DatoCaudal::Area: return "area_km2";
        case DatoCaudal::NumeroCurva: return "cn";
        case DatoCaudal::Lluvia: return "storm_mm";
        case DatoCaudal::TiempoConcentracion: return "tc_h";
        case DatoCaudal::Charcas: return "ponds_percent";
        case DatoCaudal::LluviaDiaria: return "pd_mm";
        case DatoCaudal::IndiceTorrencialidad: return "i1id";
        case DatoCaudal::FactorIDF: return "fb";
        case DatoCaudal::UmbralInicial: return "p0_mm";
        case DatoCaudal::Beta: return "beta";
        case DatoCaudal::PeriodoRetorno: return "return_period";
    }
    return "";
}

Rango RangoDe(DatoCaudal dato) {
    switch (dato) {
        case DatoCaudal::Rugosidad: return {0.001, 1};
        case DatoCaudal::Longitud: return {0.01, 1e6};
        case DatoCaudal::Lluvia2Anios: return {1, 2000};
        case DatoCaudal::Pendiente: return {1e-6, 10};
        case DatoCaudal::SeccionCauce: return {1e-4, 1e5};
        case DatoCaudal::PerimetroMojado: return {1e-3, 1e5};
        case DatoCaudal::Tramos: return {1, 1000};
        case DatoCaudal::LongitudCauceKm: return {0.001, 1e4};
        case DatoCaudal::Area: return {0, 1e5, true};
        case DatoCaudal::NumeroCurva: return {0, 100, true};
        // Ia/P needs a storm: TR-55 has nothing to say of P = 0.
        case DatoCaudal::Lluvia: return {0, 2000, true};
        case DatoCaudal::TiempoConcentracion: return {0, 1000, true};
        case DatoCaudal::Charcas: return {0, 100};
        case DatoCaudal::LluviaDiaria: return {0, 2000};
        // The hour is never less intense than the day.
        case DatoCaudal::IndiceTorrencialidad: return {1, 100};
        case DatoCaudal::FactorIDF: return {0, 1e4, true};
        // 0 is curve number 100: everything runs off.
        case DatoCaudal::UmbralInicial: return {0, 1e5};
        case DatoCaudal::Beta: return {0, 10, true};
        case DatoCaudal::PeriodoRetorno: return {1, 1e5};
    }
    return {};
}

bool DentroDe(const Rango& rango, double valor) {
    if (!std::isfinite(valor)) return false;
    const bool desde = rango.minimoAbierto ? valor > rango.minimo : valor >= rango.minimo;
    const bool hasta = rango.maximoAbierto ? valor < rango.maximo : valor <= rango.maximo;
    return desde && hasta;
}

std::optional<RechazoCaudal> ComprobarDato(DatoCaudal dato, double valor, int tramo) {
    const Rango rango = RangoDe(dato);
    if (DentroDe(rango, valor)) return std::nullopt;
    return RechazoCaudal{dato, valor, rango, tramo};
}

}  // namespace tarvel
