#pragma once
// Writing CSV (RFC 4180) that any spreadsheet and the companion's batch
// reader read back: fields separated by commas (or the separator given),
// lines ended by LF; and which of the two forms a CSV text is written in.
#include <string>
#include <string_view>

#include "app/Texto.h"

namespace tarvel {

// Whether a reader that splits on `separador` would split the field or drop
// its blanks: the separator, a quote, a CR or LF inside, or a blank or tab at
// either end. Inline, as the batch writer asks it of every field.
inline bool NecesitaComillas(std::string_view campo, char separador = ',') {
    if (!campo.empty() && (EsBlanco(campo.front()) || EsBlanco(campo.back()))) return true;
    for (const char c : campo) {
        if (c == separador || c == '"' || c == '\r' || c == '\n') return true;
    }
    return false;
}

// A field, in double quotes (inner quotes doubled) where it needs them; any
// other field stands as it is.
std::string CampoCsv(std::string_view campo, char separador = ',');

// The field separator of a CSV text, by its first line (quoted parts aside):
// ';' when that line holds a ';' and no ',' (the form spreadsheets write in
// Spanish locales, with ',' as the decimal mark), else ','.
char SeparadorCsv(std::string_view texto);

// A number in the fewest digits that read back to exactly the same double
// ("85", "12.5", "8.964705882352942", "1e-07"), with "." as the decimal mark
// whatever the format in force.
std::string NumeroCsv(double valor);

}  // namespace tarvel
