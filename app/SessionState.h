#pragma once
// The values windows hand to each other during a run. None is saved.
#include <cstdint>
#include <string>

#include "catchment/HojaCuenca.h"

namespace tarvel {

inline std::int16_t gIdioma = 1;           // 1 Spanish, 2 English
inline std::string gNombreIdioma = "Español";
inline std::string gSeparadorDecimal = ".";

inline std::int16_t gVegetacion = 0;       // 0-13 general, 14-18 arid
inline std::int16_t gLaboreo = -1;         // 0-7, -1 none
inline std::int16_t gCondicion = -1;       // 0 poor, 1 good, 2 fair; forest class 1-5; -1 none
inline std::int16_t gGrupoSuelo = -1;      // 1-4 for A-D, -1 none
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
