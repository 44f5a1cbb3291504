#pragma once
// The number format of the run and the one conversion of typed text to a
// number that every screen uses. The program keeps its own format: start-up
// sets "." as the decimal mark and "," as the thousands separator.
#include <optional>
#include <string_view>

namespace tarvel {

struct FormatoNumerico {
    char decimal = '.';
    char miles = ',';
};

FormatoNumerico FormatoEnVigor();
void EstablecerFormato(FormatoNumerico formato);

// The whole text, blanks around it aside, read as a number: an optional sign,
// digits in which the thousands separator may stand anywhere after the first
// digit (it is ignored), an optional decimal mark with more digits, and an
// optional exponent ("1.5E3"). Nothing when the text is no such number or its
// value is too large for a double.
std::optional<double> ConvertirNumero(std::string_view texto, FormatoNumerico formato);
std::optional<double> ConvertirNumero(std::string_view texto);

// A plain decimal number in the format in force: blanks around it aside, an
// optional sign, digits and at most one decimal mark, with at least one digit;
// no thousands separators and no exponent. Used where a measurement is typed
// (depths in centimetres).
std::optional<double> ConvertirDecimalSimple(std::string_view texto);

// The number that starts a text, whatever follows it: blanks (spaces, tabs,
// line breaks) are skipped wherever they stand, then an optional sign, digits
// with "." as the only decimal mark whatever the format in force, and an
// optional exponent; reading stops at the first character that cannot carry
// the number on. A text that starts with no number reads as 0: "12abc" is 12,
// "1,000" is 1, " 2 5" is 25, "abc" and "" are 0. A number too large for a
// double reads as the largest double of its sign, so that every range check
// rejects it and no infinite value ever comes out.
double LeerNumeroInicial(std::string_view texto);

// Finds the decimal separator really in force: "0,5342" converted in single
// precision is 5342 when the comma is the thousands separator, so the decimal
// mark is "."; otherwise it is ",". Keeps it as the separator in force and
// returns it.
char DetectarSeparadorDecimal();

// The decimal separator the last detection found ('.' until one is made):
// what the decimal keys type in a number field.
char SeparadorDecimalEnVigor();

}  // namespace tarvel
