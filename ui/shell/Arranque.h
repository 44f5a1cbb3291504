#pragma once
// The pieces of the program's start-up that the splash runs in its load step.
#include <filesystem>

namespace tarvel {

// Reads the stored language and fixes gIdioma and gNombreIdioma for the run;
// installs Qt's own translations so that stock buttons speak the same language.
void ResolverIdiomaDeArranque();

// "." as decimal mark and "," as thousands separator, then the detection of
// the separator in force.
void FijarFormatoNumerico();

// The help file of the run, beside the executable, chosen by the language name.
void ElegirArchivoAyuda();

// Datos.dat beside the executable, which every window reads.
std::filesystem::path RutaDatosPrograma();

// For tests only: every window reads this data file instead of the one beside
// the program, so that a test can walk the roads of the program with a broken
// file; an empty path brings the real one back. The program never calls it.
void SustituirRutaDatos(std::filesystem::path ruta);

}  // namespace tarvel
