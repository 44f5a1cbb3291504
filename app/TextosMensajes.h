#pragma once
// Numbers of the texts (resources/strings.tsv) of the messages about the data
// file and of the command-line companion's own messages. Marks %1, %2, ... in
// a text are filled by Rellenar (app/TablaTextos.h).
namespace tarvel {

// The data file: %1 the file, %2 the line (or row), %3 the soil group of a
// field, %4 the offending field or the size in bytes.
inline constexpr int kTextoDatosFaltaArchivo = 211;
inline constexpr int kTextoDatosNoLegible = 212;
inline constexpr int kTextoDatosTamano = 213;
inline constexpr int kTextoDatosFaltanLineas = 214;
inline constexpr int kTextoDatosLongitudLinea = 215;
inline constexpr int kTextoDatosFinDeLinea = 216;
inline constexpr int kTextoDatosSeparador = 217;
inline constexpr int kTextoDatosCampo = 218;
inline constexpr int kTextoDatosLineaSobrante = 219;
inline constexpr int kTextoDatosFilaInexistente = 220;

// Why the system refused to open, read or write a file.
inline constexpr int kTextoMotivoNoExiste = 221;
inline constexpr int kTextoMotivoPermiso = 222;
inline constexpr int kTextoMotivoCarpeta = 223;
inline constexpr int kTextoMotivoSinEspacio = 224;
inline constexpr int kTextoMotivoSalidaCerrada = 225;
inline constexpr int kTextoMotivoEntradaSalida = 226;

inline constexpr int kTextoNoSeAbre = 227;        // %1 the file, %2 why
inline constexpr int kTextoNoSeEscribe = 228;     // %1 why
inline constexpr int kTextoLecturaIncompleta = 229;

// Batch work.
inline constexpr int kTextoSinCabecera = 230;
inline constexpr int kTextoFaltaColumna = 231;    // %1 the column, %2 the columns read
inline constexpr int kTextoOpcional = 232;
inline constexpr int kTextoColumnaRepetida = 233; // %1 the column
inline constexpr int kTextoRegistroLargo = 234;   // %1 record, %2 line, %3 MiB, %4 fields
inline constexpr int kTextoComillaAbierta = 235;  // %1 record, %2 line
inline constexpr int kTextoCamposDeMas = 236;     // %1 fields of the row, %2 of the header

// A value refused: text 210, then "%1 = “%2”: %3." with the name, the value
// and one of the reasons below.
inline constexpr int kTextoErrorEntrada = 210;
inline constexpr int kTextoValorRechazado = 237;
inline constexpr int kTextoEntero = 238;          // %1 lowest, %2 highest
inline constexpr int kTextoMarcaPunto = 239;
inline constexpr int kTextoMarcaComa = 240;
inline constexpr int kTextoPorcentaje = 241;
inline constexpr int kTextoEspesor = 242;
inline constexpr int kTextoGrupo = 243;
inline constexpr int kTextoCompacidad = 244;
inline constexpr int kTextoSiNo = 245;
inline constexpr int kTextoSinFila = 246;         // %1 vegetation, %2 treatment, %3 condition
inline constexpr int kTextoNumero = 256;          // %1 lowest, %2 highest
inline constexpr int kTextoNumeroDesde = 257;     // %1 lowest
inline constexpr int kTextoLambda = 258;          // the ratio of the initial abstraction
inline constexpr int kTextoCurvaRango = 259;      // a curve number outside (0, 100]
inline constexpr int kTextoEnFila = 260;          // %1 the row, %2 what is wrong with it

// How the command was called.
inline constexpr int kTextoOrdenDesconocida = 247;  // %1 the word, %2 the commands
inline constexpr int kTextoFaltaOrden = 248;        // %1 the commands
inline constexpr int kTextoFaltaArgumento = 249;    // %1 the argument
inline constexpr int kTextoArgumentoDeMas = 250;    // %1 the argument
inline constexpr int kTextoIncompatibles = 251;     // %1, %2 the two
inline constexpr int kTextoValorDeOpcion = 252;     // %1 the option, %2 what it takes, %3 what it got
inline constexpr int kTextoUsoIncorrecto = 253;     // %1 the parser's own words
inline constexpr int kTextoVeaAyuda = 254;          // %1 the command
inline constexpr int kTextoFaltaValor = 255;        // %1 the option

// The composite of a catchment as the companion prints it; the other headings
// are those of the runoff table (hydrology/TextosEscorrentia.h).
inline constexpr int kTextoColumnaNombre = 261;
inline constexpr int kTextoColumnaArea = 262;
inline constexpr int kTextoColumnaCuota = 263;
inline constexpr int kTextoColumnaQLambda = 264;     // %1 the ratio
inline constexpr int kTextoAreaTotal = 265;
inline constexpr int kTextoColumnaUmbral = 266;
inline constexpr int kTextoQPonderada = 267;
inline constexpr int kTextoNCDeQ = 268;
inline constexpr int kTextoQDelNCPonderado = 269;
inline constexpr int kTextoAreaPositiva = 272;       // the reason an area is refused
inline constexpr int kTextoEntradaCambiada = 273;    // the input read twice changed in between
inline constexpr int kTextoSinTemporal = 274;        // %1 why standard input cannot be copied

// The runoff table in the companion's plain output: one heading line, where
// each column of a hillside or of the saving is named with its group.
inline constexpr int kTextoNACCorto = 185;     // as the series input window labels NAC
inline constexpr int kTextoNOBCorto = 187;     // NOB, likewise (its Spanish text ends in a blank)
inline constexpr int kTextoAhorroCorto = 271;

}  // namespace tarvel
