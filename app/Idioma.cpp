#include "app/Idioma.h"

#include "app/TablaTextos.h"

namespace tarvel {
namespace {
IdiomaDeLaSesion& IdiomaGuardado() {
    static IdiomaDeLaSesion idioma{kIdiomaEspanol, std::string(kNombreEspanol)};
    return idioma;
}
}  // namespace

const IdiomaDeLaSesion& IdiomaEnVigor() { return IdiomaGuardado(); }

IdiomaDeLaSesion ResolverIdioma(std::string_view guardado) {
    if (guardado == kNombreIngles) return {kIdiomaIngles, std::string(kNombreIngles)};
    return {kIdiomaEspanol, std::string(kNombreEspanol)};
}

void AplicarIdioma(std::string_view guardado) { IdiomaGuardado() = ResolverIdioma(guardado); }

void FijarIdioma(int idioma) { AplicarIdioma(idioma == kIdiomaIngles ? kNombreIngles : kNombreEspanol); }

std::optional<std::string_view> ArchivoAyudaDe(std::string_view nombreIdioma) {
    if (nombreIdioma == kNombreEspanol) return "AYUDA Nº CURVA.HLP";
    if (nombreIdioma == kNombreIngles) return "HELPTARVEL.HLP";
    return std::nullopt;
}

}  // namespace tarvel
