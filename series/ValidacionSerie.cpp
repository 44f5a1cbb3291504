#include "series/ValidacionSerie.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "app/FormatoNumerico.h"
#include "hydrology/Conversion.h"

namespace tarvel {

bool ValidarLapso(std::string_view lapso) {
    // The nearest whole number equals the reading only when the reading is
    // whole itself, so no rounding needs to be done to compare them.
    const double anios = LeerNumeroInicial(lapso);
    return anios == std::floor(anios) && anios >= 2 && anios <= std::numeric_limits<std::int16_t>::max();
}

std::expected<EntradaSerie, RechazoSerie> ValidarSerie(std::string_view nac, std::string_view nob, bool lapsoActivo,
                                                      std::string_view lapso) {
    const auto valorNAC = ConvertirNumero(nac);
    if (!valorNAC) return std::unexpected(RechazoSerie::NACNoNumerico);
    const auto valorNOB = ConvertirNumero(nob);
    if (!valorNOB) return std::unexpected(RechazoSerie::NOBNoNumerico);
    if (!NumeroCurvaAdmisible(nac, *valorNAC)) return std::unexpected(RechazoSerie::NACFueraDeRango);
    if (!NumeroCurvaAdmisible(nob, *valorNOB)) return std::unexpected(RechazoSerie::NOBFueraDeRango);
    if (lapsoActivo && lapso.empty()) return std::unexpected(RechazoSerie::LapsoVacio);
    if (!(*valorNOB < *valorNAC)) return std::unexpected(RechazoSerie::NOBNoMenor);

    EntradaSerie entrada{*valorNAC, *valorNOB, 0};
    if (lapsoActivo) {
        const auto anios = ConvertirNumero(lapso);
        if (!ValidarLapso(lapso) || !anios || *anios != LeerNumeroInicial(lapso)) {
            return std::unexpected(RechazoSerie::LapsoIncorrecto);
        }
        entrada.lapso = *anios;
    }
    return entrada;
}

AccionRechazo AccionDeRechazo(RechazoSerie rechazo) {
    switch (rechazo) {
        case RechazoSerie::NACNoNumerico: return {CampoSerie::NAC, true, 0};
        case RechazoSerie::NOBNoNumerico: return {CampoSerie::NOB, true, 0};
        case RechazoSerie::NACFueraDeRango: return {CampoSerie::Ninguno, false, 193};
        case RechazoSerie::NOBFueraDeRango: return {CampoSerie::Ninguno, false, 194};
        case RechazoSerie::LapsoVacio: return {CampoSerie::Lapso, false, 0};
        case RechazoSerie::NOBNoMenor: return {CampoSerie::Ninguno, false, 195};
        case RechazoSerie::LapsoIncorrecto: return {CampoSerie::Lapso, false, 196};
    }
    return {};
}

int MensajeDeRechazo(RechazoSerie rechazo) {
    switch (rechazo) {
        case RechazoSerie::NACNoNumerico:
        case RechazoSerie::NACFueraDeRango: return 193;
        case RechazoSerie::NOBNoNumerico:
        case RechazoSerie::NOBFueraDeRango: return 194;
        case RechazoSerie::NOBNoMenor: return 195;
        case RechazoSerie::LapsoVacio:
        case RechazoSerie::LapsoIncorrecto: return 196;
    }
    return 0;
}

}  // namespace tarvel
