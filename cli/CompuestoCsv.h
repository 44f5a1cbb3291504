#pragma once
// composite FILE.csv: the composite curve number of a catchment's sub-areas
// read from a CSV file (columns area and cn, any others shown as they are),
// of any length. Every share needs the total area, so the input is read
// twice (three times with --json, whose composite comes before its rows):
// from the file itself when it is a regular file, else (standard input, a
// pipe) from a copy in a temporary file, removed as soon as it is open. Only
// the row being read is held: memory does not grow with the input.
#include <optional>
#include <string>
#include <vector>

#include "catchment/Compuesto.h"

#include "cli/Comun.h"

namespace tarvel::cli {

// Reads `archivo` ("-": standard input) and writes the rows with their share
// (and runoff with a storm `lluvia`, under each ratio of `eleccion`), then the
// composite; the exit status. A refused row is named by its place after the
// header, with its value, before anything is written.
int CompuestoDeCsv(const Opciones& opciones, const std::string& archivo, std::optional<double> lluvia,
                   EleccionLambda eleccion);

// The storm's runoff of a composite under each ratio, as both forms of
// composite write it in JSON (the value of "runoff").
nlohmann::ordered_json JsonEscorrentiasCompuestas(const std::vector<EscorrentiaCompuesta>& escorrentias);

}  // namespace tarvel::cli
