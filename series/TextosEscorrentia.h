#pragma once
// Numbers of the runoff texts in the string table.

namespace tarvel {

inline constexpr int kTextoLluviaIncorrecta = 300;  // P is no depth: not a finite number ≥ 0
inline constexpr int kTextoCurvaIncorrecta = 301;   // one curve number outside (0, 100]
inline constexpr int kTextoLluviaExcesiva = 302;    // P too large for its runoff to be computed
// NAC and NOB are refused with the series input's own messages.
inline constexpr int kTextoNACIncorrecto = 193;
inline constexpr int kTextoNOBIncorrecto = 194;

}  // namespace tarvel
