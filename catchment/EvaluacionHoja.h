#pragma once
// The whole answer of a catchment worksheet, worked out once: the composite
// curve number under conditions I, II and III with the thresholds P0, for
// each ratio of the storm the runoff of every row, the area-weighted runoff,
// the curve number that gives it and the runoff of the area-weighted number,
// for every row whether the road that obtained its number still gives it,
// and with peak discharge inputs the peak of the catchment (EvaluarCaudal on
// the total area and the composite of condition II). The worksheet window shows it, its report lays it out, the companion's
// composite prints it and the worksheet fuzz target checks it.
//
// A row's trail is checked, never trusted: the stored number is the user's
// record (the file is theirs to edit, and an old worksheet may honestly
// disagree with today's tables), so it is the number used; a trail that does
// not give it is reported beside it.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "catchment/Compuesto.h"
#include "catchment/HojaCuenca.h"
#include "data/Datos.h"

namespace tarvel {

// What a row's trail says against the row.
enum class AvisoTraza {
    NumeroDistinto,    // the tables give another number for the trail's data row and soil group
    SinValorEnTablas,  // the tables give no number there
    TexturaSinSuma,    // the texture percentages are not three percentages making 100 (as the soil window reads them)
    TexturaOtroGrupo,  // the texture percentages give another soil group than the one kept
};

struct ComprobacionTraza {
    std::vector<AvisoTraza> avisos;  // empty: the trail holds, or there is none (a typed number)
    std::optional<int> cnTablas;     // the tables' number for the trail's data row and soil group
    std::string grupoTextura;        // the group the texture percentages give, when they make 100
    bool Valida() const { return avisos.empty(); }
    friend bool operator==(const ComprobacionTraza&, const ComprobacionTraza&) = default;
};

struct EvaluacionHoja {
    std::vector<ComprobacionTraza> trazas;           // one per row, whatever else fails
    std::optional<Compuesto> compuesto;              // none when a row cannot be a sub-area
    std::vector<EscorrentiaCompuesta> escorrentias;  // with a storm, one per ratio chosen, 0.2 first
    std::optional<ResultadoCaudal> caudal;           // with peak inputs and a composite: the peak discharge
    std::optional<RechazoCuenca> rechazo;            // why figures are missing: the rows first, then the storm
};

// The catchment's total area as the peak discharge takes it, in km².
inline double AreaEnKm2(const Compuesto& compuesto) { return compuesto.areaTotal / 100; }

// `datos` holds the rows of Datos.dat from row 1 (LeerDatos); without them
// the trails are checked for their texture only. A row whose area or
// number is not a value (NaN, as a window passes a cell not yet typed) is
// what refuses the composite.
EvaluacionHoja EvaluarHoja(const HojaCuenca& hoja, std::span<const FilaDatos> datos);

// What the trail of row `numeroFila` (from 0) says, one line per finding, in
// the language of the run, naming the row counted from 1 (and its name) and
// both numbers or groups; nothing for a trail that holds.
std::vector<std::string> MensajesTraza(const FilaHoja& fila, int numeroFila, const ComprobacionTraza& comprobacion);

}  // namespace tarvel
