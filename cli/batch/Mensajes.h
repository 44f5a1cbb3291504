#pragma once
// The companion's messages, from the string table in the language of the run.
#include <initializer_list>
#include <string>
#include <string_view>

#include "app/MotivoSistema.h"
#include "app/TablaTextos.h"

namespace tarvel::cli {

// Text n of app/TextosMensajes.h is filled by Mensaje (app/TablaTextos.h).

// A value refused: "Error in input data. NAME = “VALUE”: WHY." (or another
// first sentence: text `primera`). The value is shown as it came, cut short
// when it is long.
std::string ValorRechazado(std::string_view nombre, std::string_view valor, std::string_view porque,
                           int primera = 210);

// Why a call on a file or a stream failed: MotivoDeSistema (app/MotivoSistema.h).

}  // namespace tarvel::cli
