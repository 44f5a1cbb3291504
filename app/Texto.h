#pragma once
// Plain-text helpers every reader of outside text shares: blanks around a
// field, and the text encoding of files people bring from elsewhere.
#include <string>
#include <string_view>

namespace tarvel {

// A blank inside a line: a space or a tab.
constexpr bool EsBlanco(char c) { return c == ' ' || c == '\t'; }

// The text without the spaces and tabs at either end.
std::string_view SinBlancos(std::string_view texto);

// Whether every byte is ASCII (below 0x80): such text is UTF-8 and
// Windows-1252 alike. Eight bytes at a time.
bool EsAscii(std::string_view texto);

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool EsUtf8(std::string_view texto);

// The text in UTF-8: as it is when it already is UTF-8, else read as
// Windows-1252, what spreadsheets on Spanish Windows save ("Pe\xF1as" becomes
// "Peñas"). The five bytes Windows-1252 leaves undefined become the C1
// control characters of the same value, as the WHATWG encoding standard maps
// them, so that no byte is lost.
std::string TextoUtf8(std::string_view texto);

}  // namespace tarvel
