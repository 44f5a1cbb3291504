#pragma once
// Texts of the curve-number maps (block 500-549 of resources/strings.tsv),
// and how their %1 to %9 are filled in.
#include <initializer_list>
#include <string>
#include <string_view>

namespace tarvel::raster {

// The lookup table of land-cover codes.
inline constexpr int kTextoTablaIlegible = 500;
inline constexpr int kTextoTablaSinCode = 501;
inline constexpr int kTextoTablaSinFila = 502;
inline constexpr int kTextoTablaColumnaDoble = 503;
inline constexpr int kTextoTablaCodigo = 504;
inline constexpr int kTextoTablaCodigoRepetido = 505;
inline constexpr int kTextoTablaFilaInexistente = 506;
inline constexpr int kTextoTablaRespuestas = 507;
inline constexpr int kTextoTablaSinFilaNiRespuestas = 508;
inline constexpr int kTextoTablaFilaDistinta = 509;
inline constexpr int kTextoTablaVacia = 510;
inline constexpr int kTextoTablaCsv = 511;
inline constexpr int kTextoTablaGrande = 538;
inline constexpr int kTextoTablaCamposDeMas = 541;

// The rasters.
inline constexpr int kTextoRasterIlegible = 512;
inline constexpr int kTextoRasterTipo = 513;
inline constexpr int kTextoRasterSinBanda = 537;
inline constexpr int kTextoRasterVariasBandas = 539;
inline constexpr int kTextoRasterSinEsaBanda = 540;
inline constexpr int kTextoDesalineados = 514;
inline constexpr int kTextoDiferenciaTamano = 515;
inline constexpr int kTextoDiferenciaOrigen = 516;
inline constexpr int kTextoDiferenciaCelda = 517;
inline constexpr int kTextoDiferenciaProyeccion = 518;
inline constexpr int kTextoDiferenciaGiro = 543;  // the rotation terms of the two grids
inline constexpr int kTextoRasterNinguna = 519;
inline constexpr int kTextoNoSeCrea = 520;
inline constexpr int kTextoRasterNoSeEscribe = 521;
inline constexpr int kTextoNoSeLee = 522;
inline constexpr int kTextoInterrumpido = 523;
inline constexpr int kTextoEstricto = 524;
inline constexpr int kTextoArchivoRepetido = 525;

// The command's options.
inline constexpr int kTextoOpcionCondicion = 526;
inline constexpr int kTextoOpcionDual = 527;
inline constexpr int kTextoOpcionLambda = 528;
// tarvel-cli hands the command over to the program that makes the maps.
inline constexpr int kTextoSinProgramaMapas = 542;

// The report of the cells left empty.
inline constexpr int kTextoInforme = 530;
inline constexpr int kTextoInformeSinDatoCobertura = 531;
inline constexpr int kTextoInformeSinDatoSuelo = 532;
inline constexpr int kTextoInformeValorSuelo = 533;
inline constexpr int kTextoInformeCodigo = 534;
inline constexpr int kTextoInformeAusente = 535;
inline constexpr int kTextoInformeTambien = 536;

}  // namespace tarvel::raster
