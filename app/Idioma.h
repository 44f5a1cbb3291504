#pragma once
// The language of a run, fixed at start-up from the stored setting.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

inline constexpr std::string_view kNombreEspanol = "Español";
inline constexpr std::string_view kNombreIngles = "English";

// Where the desktop program keeps its one setting.
inline constexpr std::string_view kAplicacionAjustes = "Tarvel";
inline constexpr std::string_view kSeccionAjustes = "Options";
inline constexpr std::string_view kClaveIdioma = "Language";

struct IdiomaDeLaSesion {
    std::int16_t idioma;  // 1 Spanish, 2 English
    std::string nombre;   // "Español" or "English"
};

// From the stored value ("" when nothing is stored). The names compare exactly
// and case-sensitively; anything but "English" (an empty value, "Español", or a
// value the program never writes) gives Spanish.
IdiomaDeLaSesion ResolverIdioma(std::string_view guardado);

// The language of the run. It has one owner, this module: start-up sets it
// once (AplicarIdioma from the stored setting; the companion's --lang and
// tests through FijarIdioma), and the text table, the help and every message
// read it through IdiomaEnVigor. Spanish until it is set.
const IdiomaDeLaSesion& IdiomaEnVigor();

// Sets the language of the run from the stored value (ResolverIdioma).
void AplicarIdioma(std::string_view guardado);

// Sets the language of the run by its number (kIdiomaEspanol, kIdiomaIngles);
// any other number gives Spanish.
void FijarIdioma(int idioma);

// The help file of a language name, to be found beside the executable; none
// for a name that is neither "Español" nor "English".
std::optional<std::string_view> ArchivoAyudaDe(std::string_view nombreIdioma);

}  // namespace tarvel
