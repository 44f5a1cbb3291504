#pragma once
// How the program shows computed numbers. Three patterns, all rounding half
// away from zero, never grouping thousands, with "." as the decimal mark:
//   "##.0"  one decimal and no leading zero: 70.41 -> 70.4, 0.8 -> .8, 0 -> .0
//           (the windows the program always had: the series results and the
//           curve numbers they show)
//   "0.0"   one decimal and at least one integer digit: 0.6 -> 0.6, 0 -> 0.0
//           (the newer windows, the report and the companion, as engineers
//           write numbers)
//   "0.00"  two decimals and at least one integer digit: 1.5 -> 1.50, 0.75 -> 0.75
// The value is rounded as its 15 significant digits read, the way a person
// reads it, so 2.675 shows as 2.68 although the nearest double lies just below.
#include <string>

namespace tarvel {

enum class Patron {
    UnDecimal,        // "##.0"
    UnDecimalConCero, // "0.0"
    DosDecimales,     // "0.00"
};

// A value that rounds to zero shows without a sign. A value that is not
// finite has no pattern text: the result is empty.
std::string Formatear(double valor, Patron patron);

// The same rounding with `decimales` decimals (0 to 15) and at least one
// integer digit: FormatearDecimales(9.746, 2) is "9.75", (0.05, 3) "0.050",
// (1867.6, 0) "1868".
std::string FormatearDecimales(double valor, int decimales);

// A number as plain text, up to 15 significant digits and nothing more:
// 10 shows as 10, 2.5 as 2.5.
std::string TextoNumero(double valor);

}  // namespace tarvel
