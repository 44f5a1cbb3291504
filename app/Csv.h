#pragma once
// Writing CSV (RFC 4180) that any spreadsheet and the companion's batch
// reader read back: fields separated by commas, lines ended by LF.
#include <string>
#include <string_view>

namespace tarvel {

// A field, in double quotes (inner quotes doubled) where a reader would
// otherwise split it or drop its blanks: a comma, a quote, a CR or LF inside,
// or a blank or tab at either end. Any other field stands as it is.
std::string CampoCsv(std::string_view campo);

// A number in the fewest digits that read back to exactly the same double
// ("85", "12.5", "8.964705882352942", "1e-07"), with "." as the decimal mark
// whatever the format in force.
std::string NumeroCsv(double valor);

}  // namespace tarvel
