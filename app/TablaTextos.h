#pragma once
// The texts of the program in both languages, numbered 1 to 999 (1 to 210
// are the original texts, the rest come in blocks per feature). The Spanish
// text of number n has the id 1000 + n, the English one 2000 + n.
#include <initializer_list>
#include <string>
#include <string_view>

namespace tarvel {

inline constexpr int kIdiomaEspanol = 1;
inline constexpr int kIdiomaIngles = 2;

// Text of the id idioma * 1000 + n. An id outside the table (a language other
// than 1 or 2, or n outside 1 to 999, or a number the table does not use) has no text: the result is empty.
std::string_view TextoPorId(int id);
std::string_view TextoIdioma(int idioma, int n);

// Text n in the language of the run (IdiomaEnVigor).
std::string_view Texto(int n);

// A text with its marks %1 to %9 replaced by the values in order, in one pass:
// a value holding a mark is never filled in again, and a mark with no value
// stays as it stands.
std::string Rellenar(std::string_view plantilla, std::initializer_list<std::string_view> valores);

// Text n in the language of the run with its marks %1, %2, ... filled.
std::string Mensaje(int n, std::initializer_list<std::string_view> valores = {});

}  // namespace tarvel
