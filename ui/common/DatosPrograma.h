#pragma once
// Where the windows find the curve-number data file.
#include <filesystem>

namespace tarvel {

// Datos.dat beside the executable, which every window reads.
std::filesystem::path RutaDatosPrograma();

// For tests only: every window reads this data file instead of the one beside
// the program, so that a test can walk the roads of the program with a broken
// file; an empty path brings the real one back. The program never calls it.
void SustituirRutaDatos(std::filesystem::path ruta);

}  // namespace tarvel
