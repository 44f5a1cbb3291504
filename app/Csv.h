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
// either end. The batch writer asks it of every field, so the rule is a
// table of the bytes that call for quotes, made once per separator.
class ReglaComillas {
public:
    explicit constexpr ReglaComillas(char separador = ',') {
        for (const char c : {separador, '"', '\r', '\n'}) mEspecial[static_cast<unsigned char>(c)] = true;
    }
    constexpr bool Necesita(std::string_view campo) const {
        if (campo.empty()) return false;
        if (EsBlanco(campo.front()) || EsBlanco(campo.back())) return true;
        for (const char c : campo) {
            if (mEspecial[static_cast<unsigned char>(c)]) return true;
        }
        return false;
    }

private:
    bool mEspecial[256]{};
};

inline bool NecesitaComillas(std::string_view campo, char separador = ',') {
    return ReglaComillas(separador).Necesita(campo);
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
