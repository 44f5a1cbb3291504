#pragma once
// The peak discharge inputs in the worksheet file (key "peak", from version
// 2; docs/worksheet-format.md): written, read and checked for the worksheet
// file's reader and writer (catchment/ArchivoHoja.cpp). Not for use elsewhere.
#include <expected>
#include <string>

#include "catchment/LecturaHoja.h"
#include "hydrology/EntradasCaudal.h"

namespace tarvel::archivo {

inline constexpr const char* kClaveCaudal = "peak";

JsonOrdenado JsonCaudal(const EntradasCaudal& entradas);

// The inputs of the object at `ruta`; a value of the wrong kind, a name not
// allowed or a list of the wrong length throws its Rechazo. Ranges are left
// to ValidarCaudal.
EntradasCaudal LeerCaudal(const Json& objeto, const std::string& ruta);

// Every value given within its range, and a flow path of 1 to kTramosMaximos
// segments; the first fault by its place under `ruta`.
std::expected<void, ErrorHoja> ValidarCaudal(const EntradasCaudal& entradas, const std::string& ruta);

}  // namespace tarvel::archivo
