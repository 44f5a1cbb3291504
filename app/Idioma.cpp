#include "app/Idioma.h"

#include "app/SessionState.h"
#include "app/TablaTextos.h"

namespace tarvel {

IdiomaDeLaSesion ResolverIdioma(std::string_view guardado) {
    if (guardado == kNombreIngles) return {kIdiomaIngles, std::string(kNombreIngles)};
    return {kIdiomaEspanol, std::string(kNombreEspanol)};
}

void AplicarIdioma(std::string_view guardado) {
    auto resuelto = ResolverIdioma(guardado);
    gIdioma = resuelto.idioma;
    gNombreIdioma = std::move(resuelto.nombre);
}

std::optional<std::string_view> ArchivoAyudaDe(std::string_view nombreIdioma) {
    if (nombreIdioma == kNombreEspanol) return "AYUDA Nº CURVA.HLP";
    if (nombreIdioma == kNombreIngles) return "HELPTARVEL.HLP";
    return std::nullopt;
}

}  // namespace tarvel
