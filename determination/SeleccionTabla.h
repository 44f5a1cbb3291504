#pragma once
// Taking a curve number straight from a cell of a reference table.
#include <optional>
#include <string>
#include <string_view>

#include "data/TablasReferencia.h"

namespace tarvel {

// What a double-click on grid cell (fila, columna) holding `texto` takes as the
// chosen value, or nothing. Only body rows of the soil-group columns hold
// curve numbers; a cell outside the grid (the pointer below the last row),
// a heading or a label gives nothing, and so does "-1", the mark of a soil
// group the tables give no value for, so that it can never be handed back as
// a chosen number.
std::optional<std::string> ValorDeCelda(TablaReferencia tabla, int fila, int columna, std::string_view texto);

}  // namespace tarvel
