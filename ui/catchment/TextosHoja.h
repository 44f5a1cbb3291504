#pragma once
// Numbers of the texts of the worksheet window, its menus, its files and its
// report in the string table. %1, %2 … are filled by T(n, {…}). The texts
// the report shares with the window are in catchment/TextosCuenca.h.
#include "catchment/TextosCuenca.h"

namespace tarvel {

// The main menu's File menu.
inline constexpr int kTextoMenuNuevaHoja = 373;
inline constexpr int kTextoMenuAbrirHoja = 374;
inline constexpr int kTextoMenuRecientes = 375;
inline constexpr int kTextoNingunaReciente = 376;

// The window and its File menu.
inline constexpr int kTextoSinTitulo = 378;
inline constexpr int kTextoMenuGuardar = 379;
inline constexpr int kTextoMenuGuardarComo = 380;
inline constexpr int kTextoMenuExportarPdf = 381;
inline constexpr int kTextoMenuImprimir = 382;
inline constexpr int kTextoMenuExportarCsv = 383;
inline constexpr int kTextoCerrar = 384;
inline constexpr int kTextoTituloHoja = 385;
inline constexpr int kTextoSubareas = 386;

// Columns of the rows.
inline constexpr int kTextoHojaColumnaNombre = 387;
inline constexpr int kTextoHojaColumnaQ = 392;           // %1 the ratio

inline constexpr int kTextoAnadirFila = 393;
inline constexpr int kTextoQuitarFila = 394;
inline constexpr int kTextoSubir = 395;
inline constexpr int kTextoBajar = 396;
inline constexpr int kTextoHojaDeterminar = 397;
inline constexpr int kTextoHojaAreaTotal = 398;          // %1 hectares

// The storm.
inline constexpr int kTextoTormenta = 399;
inline constexpr int kTextoLluvia = 400;
inline constexpr int kTextoHojaLambda = 401;

// The composite.
inline constexpr int kTextoEscorrentiaTormenta = 409;
inline constexpr int kTextoHojaColumnaLambda = 410;
inline constexpr int kTextoQDelPonderado = 411;
inline constexpr int kTextoHojaQPonderada = 412;
inline constexpr int kTextoCNDeQ = 413;

// Files.
inline constexpr int kTextoCambiosSinGuardar = 420;  // %1 the worksheet's name
inline constexpr int kTextoFiltroHoja = 421;
inline constexpr int kTextoFiltroPdf = 422;
inline constexpr int kTextoHojaFiltroCsv = 423;
inline constexpr int kTextoHojaNoGuardado = 424;         // %1 the file, %2 the reason
inline constexpr int kTextoNoAbierta = 425;          // %1 the file

inline constexpr int kTextoTituloImprimir = 446;
inline constexpr int kTextoTituloExportarPdf = 447;
inline constexpr int kTextoTituloExportarCsv = 448;

// Text typed on a cell the program fills.
inline constexpr int kTextoCeldaNoEditable = 568;       // %1 the column

}  // namespace tarvel
