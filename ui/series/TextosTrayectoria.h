#pragma once
// Numbers of the texts of the year-by-year chart in the string table.

// The storm field and the ratio options are the runoff window's own (hydrology/TextosEscorrentia.h).
#include "hydrology/TextosEscorrentia.h"

namespace tarvel {

inline constexpr int kTextoTituloTrayectoria = 450;   // the window's title
inline constexpr int kTextoSinLluvia = 452;           // what the empty storm field reads
inline constexpr int kTextoRelacionLambda = 453;      // caption of the ratio options
inline constexpr int kTextoGraficoNumeros = 457;      // title of the curve-number chart
inline constexpr int kTextoResumenTrayectoria = 458;        // its second line: NAC %1 → NOB %2 in %3 years, ΔN/Δt %4
inline constexpr int kTextoGraficoUmbral = 459;       // title of the depth chart without a storm
inline constexpr int kTextoGraficoEscorrentia = 460;  // … and with a storm of %1 mm
inline constexpr int kTextoEjeTiempo = 461;           // the axes
inline constexpr int kTextoEjeNumero = 462;
inline constexpr int kTextoEjeLamina = 463;
inline constexpr int kTextoSerieNumero = 464;         // 464 + J − 1: the curve number of condition J
inline constexpr int kTextoSerieUmbral = 467;         // P₀ %1 (the condition), of a path without a ratio
inline constexpr int kTextoSerieEscorrentia = 468;    // Q %1, λ = %2 (the condition, the ratio)
inline constexpr int kTextoAnio = 469;                // Year %1, heading the values of a point
inline constexpr int kTextoGuardarGrafico = 470;      // the buttons
inline constexpr int kTextoGuardarTabla = 471;
inline constexpr int kTextoCopiarTabla = 472;
inline constexpr int kTextoDialogoGrafico = 473;      // the save dialogs and their filters
inline constexpr int kTextoFiltroPng = 474;
inline constexpr int kTextoFiltroSvg = 475;
inline constexpr int kTextoDialogoTabla = 476;
inline constexpr int kTextoTrayectoriaFiltroCsv = 477;
inline constexpr int kTextoTrayectoriaNoGuardado = 478;          // the file %1 could not be saved
inline constexpr int kTextoNombreArchivo = 479;       // first part of the file name offered
inline constexpr int kTextoBotonTrayectoria = 480;    // the results window's button
inline constexpr int kTextoSerieAbstraccion = 481;    // Ia %1, λ = %2 (the condition, the ratio)
inline constexpr int kTextoTrayectoriaAmbas = 482;    // the option of both ratios, drawn on one chart

}  // namespace tarvel
