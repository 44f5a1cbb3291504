#pragma once
// Peak discharge of a catchment, in SI (km², mm, h, m³/s), by two published
// methods. Every result carries every intermediate value, so that windows,
// reports and the companion only present it; a refused input comes back as a
// RechazoCaudal, and inputs outside what the method was built for as Avisos
// (hydrology/ValidacionCaudal.h). Sources: docs/peak-discharge-sources.md.
//
// TR-55 (1986), chapter 4, the graphical method:
//   qp = qu · A · Q · Fp
//   log qu = C0 + C1 log Tc + C2 (log Tc)²    (qu in csm/in, table F-1)
//   qu(m³/s per km² per mm) = qu(csm/in) · 4.30441e-4
// Q and Ia are the program's own runoff of the storm with λ = 0.2
// (CalcularEscorrentia): TR-55's curve numbers and its exhibits belong to
// Ia = 0.2 S, so the peak never uses λ = 0.05, whatever ratio the runoff
// window was set to. C0, C1, C2 are interpolated linearly in Ia/P between the
// rows of table F-1; an Ia/P outside the rows takes the end row, as TR-55
// recommends. Tc outside 0.1–10 h, where the exhibits stop, is read at the
// nearer end. Fp is interpolated linearly between the rows of table 4-2, and
// beyond 5 % takes the last row. Each of these, a CN below 40 and an area
// beyond 2000 acres (8.0937 km²) is warned about.
//
// 5.2-IC (Orden FOM/298/2016), the modified rational method (Témez):
//   Q = I(T, tc) · C · A · Kt / 3.6
//   KA = 1 for A < 1 km², else 1 − log10 A / 15
//   Id = Pd · KA / 24                  (mm/h)
//   Fa = (I1/Id)^(3.5287 − 2.5287 tc^0.1),  Fint = max(Fa, Fb),  I = Id · Fint
//   P0 = P0i · β
//   C = (x − 1)(x + 23) / (x + 11)²  with x = Pd · KA / P0, when x > 1; else 0
//   Kt = 1 + tc^1.25 / (tc^1.25 + 14)
// C is the standard's own formula, never Tarvel's Q/P. β is typed (the
// standard's regional tables could not be read from a source); P0i is typed
// or the runoff threshold of a curve number of condition II
// (UmbralInicialDeNumeroCurva). An area beyond 50 km² and a tc outside
// 0.25–24 h are warned about (see kAreaMaximaIC).
#include <array>
#include <expected>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "hydrology/TablasTR55.h"
#include "hydrology/ValidacionCaudal.h"

namespace tarvel {

// "I", "IA", "II", "III", as files and the companion name them.
std::string_view NombreDistribucion(DistribucionLluvia distribucion);
// The reverse, letter case aside; nothing for any other text.
std::optional<DistribucionLluvia> LeerDistribucion(std::string_view texto);

// 1 csm/in = 0.028316846592 m³/s / (2.589988110336 km² · 25.4 mm).
inline constexpr double kCsmPorPulgada = 0.028316846592 / (2.589988110336 * 25.4);

// The limits the warnings use.
inline constexpr double kNumeroCurvaMinimoTR55 = 40;
inline constexpr double kTiempoMinimoTR55 = 0.1;  // h
inline constexpr double kTiempoMaximoTR55 = 10;   // h
inline constexpr double kAreaMaximaTR55 = 2000 * 0.40468564224 / 100;  // 2000 acres in km²
inline constexpr double kCharcasMaximas = 5;       // %, the last row of table 4-2
// 5.2-IC: as the 2016 text is recalled; to confirm against BOE-A-2016-2405.
inline constexpr double kAreaMaximaIC = 50;      // km²
inline constexpr double kTiempoMinimoIC = 0.25;  // h
inline constexpr double kTiempoMaximoIC = 24;    // h

// --- TR-55 ---------------------------------------------------------------

struct CoeficientesF1 {
    double c0 = 0;
    double c1 = 0;
    double c2 = 0;
};

// Table F-1 at one Ia/P: the row itself at a row, linear between rows, the
// end row outside them.
CoeficientesF1 CoeficientesTR55(DistribucionLluvia distribucion, double iaP);

// Table 4-2 at a pond and swamp share in per cent (≥ 0): linear between rows,
// 0.72 beyond 5 %.
double FactorCharcas(double porcentaje);

struct DatosTR55 {
    double area = 0;    // km²
    double cn = 0;      // condition II
    double lluvia = 0;  // P, 24-hour storm, mm
    double tc = 0;      // h
    DistribucionLluvia distribucion = DistribucionLluvia::II;
    double charcas = 0;  // pond and swamp area, % of the catchment
};

struct CaudalTR55 {
    double S = 0;          // retention, mm (λ = 0.2)
    double Ia = 0;         // initial abstraction, mm
    double Q = 0;          // runoff, mm
    double iaP = 0;        // Ia / P as computed
    double iaPTabla = 0;   // Ia / P table F-1 was read at (within its rows)
    double tcTabla = 0;    // Tc qu was read at (within 0.1–10 h), h
    CoeficientesF1 coeficientes;
    double quCsm = 0;      // unit peak discharge, csm/in
    double qu = 0;         // unit peak discharge, m³/s per km² per mm
    double Fp = 1;
    double qp = 0;         // peak discharge, m³/s
    std::vector<Aviso> avisos;
};

// Checks area, CN, P, Tc and ponds in that order.
std::expected<CaudalTR55, RechazoCaudal> CalcularCaudalTR55(const DatosTR55& datos);

// --- 5.2-IC --------------------------------------------------------------

double FactorArea(double area);                           // KA
double FactorIntensidad(double i1id, double tc);          // Fa
double CoeficienteEscorrentiaIC(double lluviaCorregida, double umbral);  // C from Pd·KA and P0
double CoeficienteUniformidad(double tc);                 // Kt

// P0i of a curve number of condition II: Tarvel's own runoff threshold
// (UmbralEscorrentia, 0.2 S in mm). CN 100 gives 0.
std::expected<double, RechazoCaudal> UmbralInicialDeNumeroCurva(double cn);

struct DatosIC {
    double area = 0;          // km²
    double tc = 0;            // h
    double lluviaDiaria = 0;  // Pd, mm
    double i1id = 0;          // I1/Id of the place
    std::optional<double> fb; // Fb from a local IDF curve, when the user has one
    double umbralInicial = 0; // P0i, mm
    double beta = 1;
};

struct CaudalIC {
    double KA = 0;
    double lluviaCorregida = 0;  // Pd · KA, mm
    double Id = 0;               // mm/h
    double Fa = 0;
    std::optional<double> Fb;
    double Fint = 0;
    double I = 0;   // mm/h
    double P0 = 0;  // mm
    double C = 0;
    double Kt = 0;
    double Q = 0;   // m³/s
    std::vector<Aviso> avisos;
};

// Checks area, tc, Pd, I1/Id, Fb (when given), P0i and β in that order.
std::expected<CaudalIC, RechazoCaudal> CalcularCaudalIC(const DatosIC& datos);

// --- Several return periods ----------------------------------------------

inline constexpr std::array<double, 6> kPeriodosRetorno{2, 5, 10, 25, 100, 500};

struct TormentaTR55 {
    double T = 0;       // years
    double lluvia = 0;  // P, mm
};
struct FilaTR55 {
    double T = 0;
    CaudalTR55 caudal;
};

// The catchment's own storm is ignored: each row brings its own. A refusal
// names the row (RechazoCaudal::fila), T being checked first.
std::expected<std::vector<FilaTR55>, RechazoCaudal> CalcularTablaTR55(DatosTR55 cuenca,
                                                                       std::span<const TormentaTR55> tormentas);

struct TormentaIC {
    double T = 0;
    double lluviaDiaria = 0;   // Pd of that T, mm
    double beta = 1;           // β of that T
    std::optional<double> fb;  // Fb of that T, when a local IDF curve gives it
};
struct FilaIC {
    double T = 0;
    CaudalIC caudal;
};

// Pd, β and Fb come from each row; the rest from the catchment.
std::expected<std::vector<FilaIC>, RechazoCaudal> CalcularTablaIC(DatosIC cuenca,
                                                                   std::span<const TormentaIC> tormentas);

}  // namespace tarvel
