#pragma once
// Runoff depth of a design storm by the curve-number method, every depth in
// millimetres:
//   S  = 25400 / CN − 254                  potential maximum retention
//   Ia = λ S                               initial abstraction
//   Q  = (P − Ia)² / (P − Ia + S)  when P > Ia, else 0
// The published curve numbers belong to λ = 0.2. For λ = 0.05 the retention
// is converted first (Hawkins et al. 2002; Woodward et al. 2003), in inches
// S0.05 = 1.33 S0.2^1.15, so in millimetres S0.05 = 25.4 · 1.33 · (S0.2 / 25.4)^1.15,
// and the curve number that goes with it is CN0.05 = 25400 / (254 + S0.05).
// No infinite or NaN value ever leaves these functions.
//
// Q is evaluated as (P − Ia) · ((P − Ia) / (P − Ia + S)): the second factor
// lies in (0, 1], so Q never exceeds P − Ia and never overflows, and at
// CN 100 (S = 0) Q is exactly P.
#include <array>
#include <expected>
#include <optional>
#include <span>
#include <string_view>

namespace tarvel {

enum class Lambda {
    Clasica,   // λ = 0.2, the ratio of the published tables
    Reducida,  // λ = 0.05
};

double ValorLambda(Lambda lambda);

// The ratios a request asks for: one of them, or both side by side.
enum class EleccionLambda { Clasica, Reducida, Ambas };

// The ratios of a choice, 0.2 before 0.05.
std::span<const Lambda> LambdasDe(EleccionLambda eleccion);

// How files and the command line name a choice: "0.2", "0.05", "both".
std::string_view NombreEleccionLambda(EleccionLambda eleccion);

// The reverse, blanks around the text and letter case aside; nothing for any
// other text.
std::optional<EleccionLambda> LeerEleccionLambda(std::string_view texto);

enum class ErrorEscorrentia {
    NumeroCurva,     // not a finite number in (0, 100], or one too close to 0 to be worked with
    Lluvia,          // the storm depth is not a finite number ≥ 0
    Desbordamiento,  // the storm depth is above kLluviaMaxima, or the computation overflows
};

// The deepest design storm the program takes, mm. The greatest rainfall ever
// measured in 24 hours is under 2000 mm (1825 mm at Foc-Foc, La Réunion, in
// 1966); a depth above this bound is a typing slip, never a storm, and its
// runoff would print as hundreds of digits.
inline constexpr double kLluviaMaxima = 5000;

// Why a storm depth P cannot be worked with: Lluvia when it is no finite
// number ≥ 0, Desbordamiento when it is above kLluviaMaxima; nothing when it
// can. Every check of a storm in the program is this one.
std::optional<ErrorEscorrentia> ComprobarLluvia(double p);
inline bool LluviaValida(double p) { return !ComprobarLluvia(p); }

struct Escorrentia {
    double S = 0;   // retention of the ratio, mm (S0.05 for λ = 0.05)
    double Ia = 0;  // initial abstraction, mm
    double Q = 0;   // runoff depth, mm
    double CN = 0;  // the curve number that goes with S: the given one for 0.2, CN0.05 for 0.05
};

// S0.2 of a curve number, mm.
std::expected<double, ErrorEscorrentia> Retencion(double cn);

// S0.05 from S0.2, both in mm.
double RetencionReducida(double retencionClasica);

// Q of a storm P over a surface of retention S with initial abstraction Ia;
// 0 when P ≤ Ia. For P − Ia + S beyond the largest double the result is 0:
// callers check P first (CalcularEscorrentia does).
double ProfundidadEscorrentia(double p, double ia, double s);

// Everything above for one curve number (condition II or any other), one
// storm and one ratio; the curve number is checked before the storm.
std::expected<Escorrentia, ErrorEscorrentia> CalcularEscorrentia(double cn, double p, Lambda lambda);

// A curve number every rule of the program can work with: finite, in
// (0, 100], and far enough from 0 that its conditions I and III, their
// thresholds and their retentions under both ratios are finite. Only numbers
// below about 1e-260 fail inside (0, 100]. A number between two calculable
// ones is calculable: a weighted mean of calculable numbers always is.
bool NumeroCurvaCalculable(double cn);
// Every curve number from this one to 100 is calculable.
inline constexpr double kCurvaCalculableSegura = 1e-200;

// One curve number under the antecedent conditions I, II and III (element
// J − 1 for condition J), converted as the series results window converts
// it (CalcularSerie), and the runoff of each for one storm and one ratio.
// The dry conversion of 100 lies one unit in the last place above 100; its
// runoff is that of 100.
struct EscorrentiaCurva {
    std::array<double, 3> CN{};             // the converted curve numbers, full precision
    std::array<Escorrentia, 3> condicion{};  // runoff under each condition
};

// What the restoration saves under one condition: Q(NAC) − Q(NOB), and that
// in per cent of Q(NAC). When the degraded hillside gives no runoff (Q(NAC)
// = 0) there is nothing to take a share of: no per cent. With NOB below NAC
// the saving is never negative.
struct AhorroEscorrentia {
    double mm = 0;
    std::optional<double> porcentaje;
};

struct EscorrentiaSerie {
    EscorrentiaCurva NAC;  // the degraded hillside
    EscorrentiaCurva NOB;  // the restored one
    std::array<AhorroEscorrentia, 3> ahorro{};
};

// Which value a request is turned down for, and why.
enum class ValorEscorrentia { NumeroCurva, NAC, NOB, Lluvia };
struct RechazoEscorrentia {
    ValorEscorrentia valor = ValorEscorrentia::NumeroCurva;
    ErrorEscorrentia error = ErrorEscorrentia::NumeroCurva;
    friend bool operator==(const RechazoEscorrentia&, const RechazoEscorrentia&) = default;
};

// The text number of the message for a rejection: 301 for one curve number,
// 193 and 194 (the series input's own messages) for NAC and NOB, 300 for a
// storm that is no depth, 302 for a storm too large (it gives the range).
int MensajeEscorrentia(RechazoEscorrentia rechazo);

// One curve number, one storm, one ratio. Checked in that order: the curve
// number (NumeroCurvaCalculable), then P (ComprobarLluvia). With both valid
// nothing can fail.
std::expected<EscorrentiaCurva, RechazoEscorrentia> CalcularEscorrentiaCurva(double cn, double p, Lambda lambda);

// A series (NAC, NOB) with one storm and one ratio: both curve numbers under
// the three conditions, with the same converted values as CalcularSerie, and
// the saving under each condition. NAC, NOB and P are checked in that order;
// NOB need not be below NAC (the saving is then negative).
std::expected<EscorrentiaSerie, RechazoEscorrentia> CalcularEscorrentiaSerie(double nac, double nob, double p,
                                                                           Lambda lambda);

// Typed values, for every window and the command line alike.
// A storm depth: a plain decimal number in the format in force
// (ConvertirDecimalSimple), from 0 to kLluviaMaxima (ComprobarLluvia); "-0"
// reads as 0.
std::expected<double, RechazoEscorrentia> LeerLluvia(std::string_view texto);
// A curve number, read as the series input reads NAC and NOB
// (LeerNumeroCurva of hydrology/Conversion.h) and calculable; a refusal names
// `valor`.
std::expected<double, RechazoEscorrentia> LeerNumeroCurvaEscorrentia(
    std::string_view texto, ValorEscorrentia valor = ValorEscorrentia::NumeroCurva);

// The reverse of the runoff formula: the curve number (in the sense of the
// published tables, λ = 0.2) whose runoff for storm P under the ratio is Q.
// For a ratio λ, S solves λ²S² − (2λP + (1 − λ)Q) S + P(P − Q) = 0; the
// root with λS ≤ P is taken, written without cancellation as
//   S = 2P(P − Q) / (2λP + (1 − λ)Q + √(Q(4λP + (1 − λ)²Q))).
// For λ = 0.05 that S is S0.05, turned back into S0.2 by inverting the
// conversion. Q = P gives CN 100. Q = 0 is the runoff of every curve number
// whose Ia ≥ P: the answer is the largest of them, the one whose Ia equals
// P, marked `sinEscorrentia` (every lower curve number gives no runoff
// either); with P = 0 too that is CN 100.
struct NumeroCurvaEquivalente {
    double CN = 0;        // the curve number of the tables (λ = 0.2)
    double CNLambda = 0;  // the curve number of the ratio: CN for 0.2, CN0.05 for 0.05
    bool sinEscorrentia = false;
};
// P valid (ComprobarLluvia) and Q in [0, P] (else Desbordamiento: no curve
// number gives more runoff than rain).
std::expected<NumeroCurvaEquivalente, ErrorEscorrentia> NumeroCurvaDeEscorrentia(double p, double q, Lambda lambda);

}  // namespace tarvel
