#pragma once
// How the companion reads the values it is given, on the command line or in a
// CSV cell, so that both forms of a command read them alike. A comma is never
// a thousands separator: a number takes "." as its decimal mark, and a CSV
// file that separates its fields with ";" takes "," instead (the form
// spreadsheets write in Spanish locales); the other mark is refused.
#include <expected>
#include <string>
#include <string_view>

namespace tarvel::cli {

// A value read, or the message that refuses it, in the language of the run.
template <class T>
using Leido = std::expected<T, std::string>;

enum class MarcaDecimal : char { Punto = '.', Coma = ',' };

// The text without the spaces and tabs around it.
std::string_view SinBlancos(std::string_view texto);

// A number's text, blanks around it removed and written with "." whatever
// the mark it came with, for the core's readings; refused when it holds the
// other mark. `nombre` names the value in the message.
Leido<std::string> TextoDeNumero(std::string_view valor, std::string_view nombre, MarcaDecimal marca);

// A whole number from `minimo` to `maximo`: an optional sign and decimal
// digits, blanks around them allowed.
Leido<int> LeerEntero(std::string_view valor, std::string_view nombre, int minimo, int maximo,
                      MarcaDecimal marca = MarcaDecimal::Punto);

// A number from `minimo` to `maximo` (an infinite `maximo`: no upper bound):
// an optional sign, digits, one decimal mark, an optional exponent.
Leido<double> LeerNumero(std::string_view valor, std::string_view nombre, double minimo, double maximo,
                         MarcaDecimal marca = MarcaDecimal::Punto);

// A soil group letter A to D, in either case: 1 to 4.
Leido<int> LeerGrupo(std::string_view valor, std::string_view nombre);

}  // namespace tarvel::cli
