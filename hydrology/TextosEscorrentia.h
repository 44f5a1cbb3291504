#pragma once
// Numbers of the runoff texts in the string table.

namespace tarvel {

inline constexpr int kTextoLluviaIncorrecta = 300;  // P is no depth: not a finite number ≥ 0
inline constexpr int kTextoCurvaIncorrecta = 301;   // one curve number outside (0, 100]
inline constexpr int kTextoLluviaExcesiva = 302;    // P too large for its runoff to be computed
// NAC and NOB are refused with the series input's own messages.
inline constexpr int kTextoNACIncorrecto = 193;
inline constexpr int kTextoNOBIncorrecto = 194;

// The runoff window, and how the main menu and the series results reach it.
inline constexpr int kTextoVentanaEscorrentia = 303;  // window title
inline constexpr int kTextoMenuCalculos = 304;
inline constexpr int kTextoMenuEscorrentia = 305;
inline constexpr int kTextoBotonEscorrentia = 306;    // on the series results
inline constexpr int kTextoCampoCurva = 307;
inline constexpr int kTextoCampoNAC = 308;
inline constexpr int kTextoCampoNOB = 309;
inline constexpr int kTextoCampoLluvia = 310;
inline constexpr int kTextoMarcoLambda = 311;
inline constexpr int kTextoLambdaClasica = 312;
inline constexpr int kTextoLambdaReducida = 313;
inline constexpr int kTextoLambdaAmbas = 314;
inline constexpr int kTextoTituloTablaEscorrentia = 315;
inline constexpr int kTextoCopiar = 316;
inline constexpr int kTextoDeterminar = 317;

// The runoff table: headings of its column groups (row 0) and columns (row 1).
inline constexpr int kTextoColumnaLambda = 319;
inline constexpr int kTextoColumnaCondicion = 320;
inline constexpr int kTextoGrupoDegradada = 321;
inline constexpr int kTextoGrupoRestaurada = 322;
inline constexpr int kTextoGrupoCurva = 323;
inline constexpr int kTextoGrupoAhorro = 324;
inline constexpr int kTextoColumnaNC = 325;
inline constexpr int kTextoColumnaNCReducido = 326;
inline constexpr int kTextoColumnaS = 327;
inline constexpr int kTextoColumnaIa = 328;
inline constexpr int kTextoColumnaQ = 329;
inline constexpr int kTextoColumnaPorcentaje = 330;
inline constexpr int kTextoLineaLluvia = 331;         // heads the copied table

// One line under the table per ratio: %1 the ratio, %2 P, %3 and %4 Q.
inline constexpr int kTextoResumenSerie = 332;            // %3 Q(NAC), %4 Q(NOB)
inline constexpr int kTextoResumenSerieSinEscorrentia = 333;
inline constexpr int kTextoResumenCurva = 334;            // %3 Q
inline constexpr int kTextoResumenCurvaSinEscorrentia = 335;

}  // namespace tarvel
