#pragma once
// Numbers of the catchment and worksheet texts in the string table, and the
// filling of their placeholders.
#include <initializer_list>
#include <string>
#include <string_view>

namespace tarvel {

// The composite: what cannot be a catchment. %1 is the row, counted from 1.
inline constexpr int kTextoSinFilas = 350;
inline constexpr int kTextoAreaIncorrecta = 351;       // %2 the value refused
inline constexpr int kTextoCurvaFilaIncorrecta = 352;  // %2 the value refused
inline constexpr int kTextoAreaFilaVacia = 569;        // a row that has no area yet
inline constexpr int kTextoCurvaFilaVacia = 570;       // a row that has no curve number yet
inline constexpr int kTextoAreaTotalExcesiva = 353;

// The worksheet file. %1 is where the fault lies (a JSON Pointer, rows
// counted from 0) unless the text says otherwise.
inline constexpr int kTextoArchivoGrande = 355;       // %1 the file
inline constexpr int kTextoSintaxis = 356;            // %1 line, %2 column
inline constexpr int kTextoIncompleto = 357;          // %1 line, %2 column
inline constexpr int kTextoAjeno = 358;
inline constexpr int kTextoVersionNueva = 359;        // %1 the file's version, %2 the newest one read
inline constexpr int kTextoValorFalta = 360;
inline constexpr int kTextoNoTexto = 361;
inline constexpr int kTextoNoNumero = 362;
inline constexpr int kTextoNoEntero = 363;            // %2, %3 the limits
inline constexpr int kTextoNoLista = 364;
inline constexpr int kTextoNoObjeto = 365;
inline constexpr int kTextoValorDesconocido = 366;    // %2 the values allowed
inline constexpr int kTextoFilaNoDesignada = 367;     // %2 the data-file row
inline constexpr int kTextoClaseBosque = 368;
inline constexpr int kTextoGrupoTasa = 369;
inline constexpr int kTextoFilaTabla = 370;           // %2 the first and %3 the last row of the table
inline constexpr int kTextoEnRuta = 371;              // %1 where, %2 the message of the fault found there
inline constexpr int kTextoVersionIncorrecta = 372;

// How a curve number was obtained (TextoOrigen).
inline constexpr int kTextoEscrito = 414;
inline constexpr int kTextoOrigenFila = 415;         // %1 the road, %2 the data row, %3 its description
inline constexpr int kTextoCuencaGrupo = 416;              // %1 the letter
inline constexpr int kTextoClaseForestal = 417;      // %1 the class
inline constexpr int kTextoPorTasa = 418;            // %1 the rate class
inline constexpr int kTextoPorTextura = 419;         // %1 clay, %2 silt, %3 sand
inline constexpr int kTextoPasoAPaso = 17;
inline constexpr int kTextoTablaGeneral = 100;
inline constexpr int kTextoTablaArida = 102;
inline constexpr int kTextoPrimeraTasa = 93;         // 93-96, rate classes 0-3

// A trail that does not give its row's number (MensajesTraza). %1 is the row,
// counted from 1.
inline constexpr int kTextoTrazaOtroNumero = 560;    // %2 data row, %3 group, %4 the tables' number, %5 the stored one
inline constexpr int kTextoTrazaSinValor = 561;      // %2 data row, %3 group, %4 the stored number
inline constexpr int kTextoTrazaSinSuma = 562;       // %2 clay, %3 silt, %4 sand
inline constexpr int kTextoTrazaOtroGrupo = 563;     // %2 clay, %3 silt, %4 sand, %5 their group, %6 the stored one

// The worksheet file, continued.
inline constexpr int kTextoArchivoIlegibleMotivo = 564;  // %1 the file, %2 the system's reason (in place of 354)
inline constexpr int kTextoPorcentajeNoNumero = 565;     // %1 where

// The companion's composite: a finding that does not stop it, on standard error.
inline constexpr int kTextoAvisoCompuesto = 566;     // %1 the finding

// The worksheet's report (InformeDeHoja), and the captions the window shares with it.
inline constexpr int kTextoHojaCuenca = 377;         // window title and report title
inline constexpr int kTextoHojaColumnaArea = 388;
inline constexpr int kTextoHojaColumnaCuota = 389;
inline constexpr int kTextoColumnaCN = 390;
inline constexpr int kTextoColumnaOrigen = 391;
inline constexpr int kTextoHojaLambdaClasica = 402;  // the three choices, in the order of EleccionLambda
inline constexpr int kTextoHojaLambdaReducida = 403;
inline constexpr int kTextoHojaLambdaAmbas = 404;
inline constexpr int kTextoCompuesto = 405;
inline constexpr int kTextoCondicion = 406;
inline constexpr int kTextoCNPonderado = 407;
inline constexpr int kTextoUmbral = 408;
inline constexpr int kTextoInformeArchivo = 426;
inline constexpr int kTextoInformeFecha = 427;
inline constexpr int kTextoInformeSubareas = 429;
inline constexpr int kTextoInformeAreaTotal = 430;
inline constexpr int kTextoInformeLluvia = 431;
inline constexpr int kTextoInformeLambda = 432;
inline constexpr int kTextoHojaNinguna = 433;
inline constexpr int kTextoNumeroFila = 434;
inline constexpr int kTextoPagina = 435;             // %1 this page, %2 the pages
inline constexpr int kTextoNotaCompuesto = 436;
inline constexpr int kTextoNotaEscorrentia = 437;
inline constexpr int kTextoSeccionEscorrentia = 438; // %1 the ratio, %2 P
inline constexpr int kTextoHojaColumnaS = 439;
inline constexpr int kTextoHojaColumnaIa = 440;
inline constexpr int kTextoColumnaQSola = 441;
inline constexpr int kTextoFilaCuenca = 442;
inline constexpr int kTextoResumenEscorrentia = 443; // %1 the area-weighted CN, %2 its Q, %3 the CN of the weighted Q
inline constexpr int kTextoPieInforme = 444;
inline constexpr int kTextoSeccionSubareas = 445;
inline constexpr int kTextoSubarea = 449;
inline constexpr int kTextoNotaTrazas = 567;         // before the findings of the trails that do not hold

}  // namespace tarvel
