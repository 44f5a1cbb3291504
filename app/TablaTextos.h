#pragma once
// The texts of the program in both languages, numbered 1 to 999 (1 to 210
// are the original texts, the rest come in blocks per feature). The Spanish
// text of number n has the id 1000 + n, the English one 2000 + n.
#include <string_view>

namespace tarvel {

inline constexpr int kIdiomaEspanol = 1;
inline constexpr int kIdiomaIngles = 2;

// Text of the id idioma * 1000 + n. An id outside the table (a language other
// than 1 or 2, or n outside 1 to 999, or a number the table does not use) has no text: the result is empty.
std::string_view TextoPorId(int id);
std::string_view TextoIdioma(int idioma, int n);

// Text n in the language of the run (gIdioma).
std::string_view Texto(int n);

}  // namespace tarvel
