#pragma once
// Time of concentration and peak discharge as people read them: the window
// and the companion (and the worksheet's report after them) show the same
// figures, warnings and refusals through these functions, in the language of
// the run.
//
// Every computed figure shows with three significant digits, never fewer
// than its whole part, and with a leading zero: 9.746 shows as 9.75, 12.04
// as 12.0, 1867.6 as 1868, 0.1158 as 0.116 and 0.02864 as 0.0286; 0 as 0.0.
// A peak of a few litres a second keeps its digits, and one of thousands of
// cubic metres is not rounded to tens. Values a person typed (T, P) show as
// typed (TextoNumero).
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "hydrology/CaudalPunta.h"
#include "hydrology/TiempoConcentracion.h"

namespace tarvel {

enum class MetodoCaudal { TR55, IC };

// A computed figure (above).
std::string Cifra(double valor);

// A limit or the end of a range, exactly and as short as it reads: 0.1, 40,
// 91.44, 100000, 0.000001 (never 1e-06).
std::string TextoLimite(double valor);

// Why a value lies outside `rango`: "it must be a number from 0.01 to
// 1000000" for a closed range, "above 0 and not above 100" with an open
// lower end, and so on.
std::string MotivoRango(const Rango& rango);

// How a refused value is named: its name, or "Segment 2: NAME" when it
// belongs to segment 1 (RechazoCaudal::tramo, from 0).
std::string NombreDeDato(std::string_view nombre, int tramo);

// A warning in words, with its value (a figure without the zeros that only
// mark its precision: 35, 0.05) and its limit (TextoLimite).
std::string TextoAviso(const Aviso& aviso, MetodoCaudal metodo);

// The key scripts tell a warning by: sheet_flow_too_long, cn_below_range,
// tc_below_range, tc_above_range, ia_p_below_table, ia_p_above_table,
// area_above_range, ponds_above_table.
std::string_view ClaveAviso(TipoAviso tipo);

// The warnings of the rows of a table, each once, in the order they first
// appear; one that only some rows carry names their return periods.
struct AvisosDeFila {
    double T = 0;
    std::span<const Aviso> avisos;
};
std::vector<std::string> AvisosDeFilas(MetodoCaudal metodo, std::span<const AvisosDeFila> filas);

// The table of several return periods, one row per T, as the window shows it
// and copies it. The first columns are those typed (kColumnasDatos...), the
// others computed.
struct TablaCaudal {
    std::vector<int> columnas;                     // text number of each column's heading
    std::vector<std::vector<std::string>> filas;   // one text per column
    std::string constantes;                        // what every row shares, in one line
    std::vector<std::string> avisos;
};

// T, P, then Q (mm), Ia/P, qu, Qp; the line gives Tc, S, Ia and Fp.
inline constexpr int kColumnasDatosTR55 = 2;
TablaCaudal TablaDeTR55(const DatosTR55& cuenca, std::span<const TormentaTR55> tormentas,
                        std::span<const FilaTR55> filas);

// T, Pd, β, Fb (empty where a row has none), then Id, Fint, I, P0, C, Qp;
// the line gives tc, KA, Fa and Kt.
inline constexpr int kColumnasDatosIC = 4;
TablaCaudal TablaDeIC(const DatosIC& cuenca, std::span<const TormentaIC> tormentas, std::span<const FilaIC> filas);

// The headings and the rows, tab-separated, then the shared line; every line
// ended by a line break. The warnings are left to the caller, who may have
// more of its own (a flow path's).
std::string TablaCaudalTsv(const TablaCaudal& tabla);

}  // namespace tarvel
