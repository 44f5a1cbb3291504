#include "ui/common/DatosPrograma.h"

#include "data/Datos.h"
#include "settings/Ajustes.h"

namespace tarvel {
namespace {
std::filesystem::path& RutaDatosSustituta() {
    static std::filesystem::path ruta;
    return ruta;
}
}  // namespace

std::filesystem::path RutaDatosPrograma() {
    if (!RutaDatosSustituta().empty()) return RutaDatosSustituta();
    return RutaDatos(RutaLocal(CarpetaPrograma()));
}

void SustituirRutaDatos(std::filesystem::path ruta) { RutaDatosSustituta() = std::move(ruta); }

}  // namespace tarvel
