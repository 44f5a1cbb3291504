#pragma once
// The values windows hand to each other during a run, at the window edge: a
// window writes its value when the user accepts, and the one that opened it
// reads it after the modal call returns. No rule of the core reads them; the
// language and the number format of the run have their owners in the core
// (IdiomaEnVigor, FormatoEnVigor, SeparadorDecimalEnVigor). None is saved.
#include <cstdint>
#include <string>

#include "catchment/HojaCuenca.h"

namespace tarvel {

inline std::int16_t gFilaDatos = 1;        // row of Datos.dat, 1-72
inline std::string gLetraGrupoSuelo;       // "A"-"D", empty until one is accepted
inline std::string gClaseBosque = "-1";    // "I"-"V", "-1" after a reset
inline ComoGrupoSuelo gComoGrupoSuelo;     // how gLetraGrupoSuelo was found, written with it

inline std::int16_t gNCElegido = 0;        // curve number of the last determination, 0 = none
inline OrigenCurva gOrigenCurva;           // how gNCElegido was obtained, written with it

inline double gNAC = 0;                    // present curve number of the series
inline double gNOB = 0;                    // target curve number of the series
inline double gLapsoAnios = 0;             // span in years, 0 = none

}  // namespace tarvel
