#pragma once
// The checks of a series request: the present curve number NAC, the target
// NOB and, when the span switch is on, the span in years.
#include <expected>
#include <optional>
#include <string_view>

#include "hydrology/Conversion.h"

namespace tarvel {

struct EntradaSerie {
    double nac = 0;
    double nob = 0;
    double lapso = 0;  // years; 0 when the switch is off
};

// Why a request is turned down, in the order the checks are made.
enum class RechazoSerie {
    NACNoNumerico,    // NAC is no number
    NOBNoNumerico,    // NOB is no number
    NACFueraDeRango,  // NAC not in (0, 100], or not the value it seems (below)
    NOBFueraDeRango,  // the same for NOB
    LapsoVacio,       // the switch is on and the span field is exactly empty
    NOBNoMenor,       // the target is not below the present value
    LapsoIncorrecto,  // the span is not a whole number of years from 2 to 32767
};

// NAC, NOB and span as typed. A curve number is read twice: the range is
// checked on the number the text starts with and the value kept is the whole
// text converted; a text on which the two differ ("1,000", "50,5") is out of
// range, so the number checked is always the number kept. So is a curve
// number so close to 0 that its conversions or thresholds cannot be computed.
// A span is checked with ValidarLapso and must be exactly the number it
// starts with ("12abc" and "10,0" are refused).
std::expected<EntradaSerie, RechazoSerie> ValidarSerie(std::string_view nac, std::string_view nob, bool lapsoActivo,
                                                      std::string_view lapso);

// A span is valid when the number it starts with is a whole number of years,
// at least 2 and at most 32767 (the largest span a year count can hold).
bool ValidarLapso(std::string_view lapso);

// What the input window does with a rejection: which field it acts on,
// whether it empties it, whether the focus goes there, and the text number
// of its message (0 for none).
enum class CampoSerie { Ninguno, NAC, NOB, Lapso };
struct AccionRechazo {
    CampoSerie campo = CampoSerie::Ninguno;
    bool vaciar = false;
    int mensaje = 0;
};
AccionRechazo AccionDeRechazo(RechazoSerie rechazo);

// The text number that names a rejection where there is no field to clear or
// focus (the command line): 193 for NAC, 194 for NOB, 195, 196 for the span.
int MensajeDeRechazo(RechazoSerie rechazo);

}  // namespace tarvel
