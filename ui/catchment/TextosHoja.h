#pragma once
// Numbers of the texts of the worksheet window, its menus, its files and its
// report in the string table. %1, %2 … are filled by T(n, {…}).
namespace tarvel {

// The main menu's File menu.
inline constexpr int kTextoMenuNuevaHoja = 373;
inline constexpr int kTextoMenuAbrirHoja = 374;
inline constexpr int kTextoMenuRecientes = 375;
inline constexpr int kTextoNingunaReciente = 376;

// The window and its File menu.
inline constexpr int kTextoHojaCuenca = 377;         // window title and report title
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
inline constexpr int kTextoColumnaNombre = 387;
inline constexpr int kTextoColumnaArea = 388;
inline constexpr int kTextoColumnaCuota = 389;
inline constexpr int kTextoColumnaCN = 390;
inline constexpr int kTextoColumnaOrigen = 391;
inline constexpr int kTextoColumnaQ = 392;           // %1 the ratio

inline constexpr int kTextoAnadirFila = 393;
inline constexpr int kTextoQuitarFila = 394;
inline constexpr int kTextoSubir = 395;
inline constexpr int kTextoBajar = 396;
inline constexpr int kTextoDeterminar = 397;
inline constexpr int kTextoAreaTotal = 398;          // %1 hectares

// The storm.
inline constexpr int kTextoTormenta = 399;
inline constexpr int kTextoLluvia = 400;
inline constexpr int kTextoLambda = 401;
inline constexpr int kTextoLambdaClasica = 402;      // the three choices, in the order of EleccionLambda
inline constexpr int kTextoLambdaReducida = 403;
inline constexpr int kTextoLambdaAmbas = 404;

// The composite.
inline constexpr int kTextoCompuesto = 405;
inline constexpr int kTextoCondicion = 406;
inline constexpr int kTextoCNPonderado = 407;
inline constexpr int kTextoUmbral = 408;
inline constexpr int kTextoEscorrentiaTormenta = 409;
inline constexpr int kTextoColumnaLambda = 410;
inline constexpr int kTextoQDelPonderado = 411;
inline constexpr int kTextoQPonderada = 412;
inline constexpr int kTextoCNDeQ = 413;

// Files.
inline constexpr int kTextoCambiosSinGuardar = 420;  // %1 the worksheet's name
inline constexpr int kTextoFiltroHoja = 421;
inline constexpr int kTextoFiltroPdf = 422;
inline constexpr int kTextoFiltroCsv = 423;
inline constexpr int kTextoNoGuardado = 424;         // %1 the file, %2 the reason
inline constexpr int kTextoNoAbierta = 425;          // %1 the file

// The report.
inline constexpr int kTextoInformeArchivo = 426;
inline constexpr int kTextoInformeFecha = 427;
inline constexpr int kTextoInformeSubareas = 429;
inline constexpr int kTextoInformeAreaTotal = 430;
inline constexpr int kTextoInformeLluvia = 431;
inline constexpr int kTextoInformeLambda = 432;
inline constexpr int kTextoNinguna = 433;
inline constexpr int kTextoNumeroFila = 434;
inline constexpr int kTextoPagina = 435;             // %1 this page, %2 the pages
inline constexpr int kTextoNotaCompuesto = 436;
inline constexpr int kTextoNotaEscorrentia = 437;
inline constexpr int kTextoSeccionEscorrentia = 438; // %1 the ratio, %2 P
inline constexpr int kTextoColumnaS = 439;
inline constexpr int kTextoColumnaIa = 440;
inline constexpr int kTextoColumnaQSola = 441;
inline constexpr int kTextoFilaCuenca = 442;
inline constexpr int kTextoResumenEscorrentia = 443; // %1 the area-weighted CN, %2 its Q, %3 the CN of the weighted Q
inline constexpr int kTextoPieInforme = 444;
inline constexpr int kTextoSeccionSubareas = 445;
inline constexpr int kTextoTituloImprimir = 446;
inline constexpr int kTextoTituloExportarPdf = 447;
inline constexpr int kTextoTituloExportarCsv = 448;
inline constexpr int kTextoSubarea = 449;

}  // namespace tarvel
