#pragma once
// The runoff of a design storm as the runoff window shows and copies it: two
// heading rows (the column groups, then the columns with their units), then
// for each ratio of the choice one row per antecedent condition I, II, III:
//
//   λ | Condition | group: CN [CN0.05] S Ia Q | … | Saving: Q (mm) Q (%)
//
// One group for one curve number; for a series the degraded hillside (NAC),
// the restored one (NOB) and the saving. The CN0.05 column is there only when
// λ = 0.05 is shown, and empty in the rows of 0.2. Values show with "##.0";
// a saving where the degraded hillside gives no runoff has no per cent.
#include <expected>
#include <optional>
#include <string>
#include <vector>

#include "hydrology/Escorrentia.h"

namespace tarvel {

struct PeticionEscorrentia {
    double cn = 0;              // the one curve number, or NAC of a series
    std::optional<double> nob;  // NOB of a series
    double p = 0;               // storm depth, mm
    EleccionLambda eleccion = EleccionLambda::Clasica;
};

// What the cells of a column belong to.
enum class GrupoEscorrentia { Condicion, Curva, Degradada, Restaurada, Ahorro };

inline constexpr int kFilasCabeceraEscorrentia = 2;

struct TablaEscorrentia {
    std::vector<GrupoEscorrentia> grupos;                     // one per column
    std::vector<std::vector<std::string>> textos;             // [row][column]; rows 0 and 1 are the headings
    std::vector<std::vector<std::optional<double>>> valores;  // the full value behind each text
    std::string lluvia;                                       // P as plain number text; empty in a skeleton
    std::vector<std::string> resumen;                         // one line per ratio: condition II in words
};

// The headings and the ratio and condition of every row, the values empty:
// the table while the fields hold nothing to compute.
TablaEscorrentia EsqueletoEscorrentia(bool serie, EleccionLambda eleccion);

// The whole table, refused as CalcularEscorrentiaCurva and
// CalcularEscorrentiaSerie refuse.
std::expected<TablaEscorrentia, RechazoEscorrentia> CalcularTablaEscorrentia(const PeticionEscorrentia& peticion);

// Tab-separated lines, each ended by a line break: "P (mm)" and P, then
// every row as shown.
std::string TablaEscorrentiaTsv(const TablaEscorrentia& tabla);

}  // namespace tarvel
