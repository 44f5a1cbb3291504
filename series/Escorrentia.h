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
#include <expected>

namespace tarvel {

enum class Lambda {
    Clasica,   // λ = 0.2, the ratio of the published tables
    Reducida,  // λ = 0.05
};

double ValorLambda(Lambda lambda);

enum class ErrorEscorrentia {
    NumeroCurva,     // not a finite number in (0, 100]
    Lluvia,          // the storm depth is not a finite number ≥ 0
    Desbordamiento,  // a curve number so small that its retention overflows
};

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

// Q of a storm P over a surface of retention S with initial abstraction Ia.
double ProfundidadEscorrentia(double p, double ia, double s);

// Everything above for one curve number (condition II or any other), one
// storm and one ratio; the curve number is checked before the storm.
std::expected<Escorrentia, ErrorEscorrentia> CalcularEscorrentia(double cn, double p, Lambda lambda);

}  // namespace tarvel
