#pragma once
// The pieces of the program's start-up that the splash runs in its load step.
namespace tarvel {

// Reads the stored language and fixes it for the run (IdiomaEnVigor);
// installs Qt's own translations so that stock buttons speak the same language.
void ResolverIdiomaDeArranque();

// "." as decimal mark and "," as thousands separator, then the detection of
// the separator in force.
void FijarFormatoNumerico();

// The help file of the run, beside the executable, chosen by the language name.
void ElegirArchivoAyuda();

}  // namespace tarvel
