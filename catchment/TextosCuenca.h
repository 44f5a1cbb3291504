#pragma once
// Numbers of the catchment and worksheet texts in the string table, and the
// filling of their placeholders.
#include <initializer_list>
#include <string>
#include <string_view>

namespace tarvel {

// The composite: what cannot be a catchment. %1 is the row, counted from 1.
inline constexpr int kTextoSinFilas = 350;
inline constexpr int kTextoAreaIncorrecta = 351;
inline constexpr int kTextoCurvaFilaIncorrecta = 352;
inline constexpr int kTextoAreaTotalExcesiva = 353;

// The worksheet file. %1 is where the fault lies (a JSON Pointer, rows
// counted from 0) unless the text says otherwise.
inline constexpr int kTextoArchivoIlegible = 354;     // %1 the file
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

}  // namespace tarvel
