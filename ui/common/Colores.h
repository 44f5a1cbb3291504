#pragma once
// The program's colours, each named by what it shows. Windows that show the
// same kind of thing use the same colour.
#include <QColor>

namespace tarvel {

// Results: a curve number, a soil group or a forest class the program found.
inline const QColor kFondoResultado(255, 255, 192);  // light yellow box
inline const QColor kTextoResultado(0, 0, 255);      // blue figures
inline const QColor kTextoFalta(255, 0, 0);          // red "?": the tables give no value
inline const QColor kFondoClaseBosque(192, 255, 192);
inline const QColor kTextoOscuro(20, 20, 20);
// What keeps a result from being computed, said where the result would be.
inline const QColor kTextoAviso(160, 30, 20);

// A worksheet row whose trail does not give its stored curve number.
inline const QColor kFondoTrazaDudosa(255, 214, 170);  // light orange

// Reference tables: every other body row is shaded.
inline const QColor kFondoFilaAlterna(242, 226, 194);

// Series results: the condition column, the present (degraded) and the
// target (restored) hillside, and the rule between them.
inline const QColor kFondoCondicion(96, 207, 255);
inline const QColor kFondoPresente(255, 223, 79);
inline const QColor kFondoObjetivo(191, 239, 127);
inline const QColor kSeparadorSerie(96, 96, 96);

// Series input: the present (degraded) and the target (restored) hillside,
// and the pale yellow of its number fields.
inline const QColor kColorDegradada(139, 26, 26);
inline const QColor kColorRestaurada(46, 125, 50);
inline const QColor kFondoCampoSerie(255, 255, 224);

// Runoff of a design storm: one curve number (a result of its own), and what
// the restoration saves; the rows of the second ratio a shade darker.
inline const QColor& kFondoCurvaEscorrentia = kFondoResultado;
inline const QColor kFondoAhorro(214, 200, 255);  // light lilac
inline constexpr int kOscurecerSegundaLambda = 110;  // per cent, QColor::darker

}  // namespace tarvel
