#pragma once
// The companion's messages, from the string table in the language of the run.
#include <initializer_list>
#include <string>
#include <string_view>

namespace tarvel::cli {

// Text n (app/TextosMensajes.h) with its marks %1, %2, ... filled.
std::string Mensaje(int texto, std::initializer_list<std::string_view> valores = {});

// A value refused: "Error in input data. NAME = “VALUE”: WHY." The value is
// shown as it came, cut short when it is long.
std::string ValorRechazado(std::string_view nombre, std::string_view valor, std::string_view porque);

// Why a call on a file or a stream failed, from its errno (0 when unknown).
std::string MotivoDeSistema(int error);

}  // namespace tarvel::cli
