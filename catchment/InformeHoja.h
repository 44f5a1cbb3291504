#pragma once
// The report of a catchment worksheet, in the language of the run: the file,
// the date, the sub-areas with how each curve number was obtained (the rows
// whose trail does not give their number marked, with what it gives), the
// composite curve number under conditions I, II and III with its thresholds,
// with a storm, the runoff table of each ratio chosen, and with peak
// discharge inputs the peak: the method and its inputs, the flow path's
// segments, the time of concentration, each return period's storm and peak
// with the figures between them, and the warnings (or, with inputs missing,
// which one). The windows lay it out on paper (ui/common/Informe.h).
#include <expected>
#include <string_view>

#include "app/ModeloInforme.h"
#include "catchment/EvaluacionHoja.h"

namespace tarvel {

// The mark of a row whose trail does not give its number, after its curve number.
inline constexpr std::string_view kMarcaTraza = "\u26a0";

// `evaluacion` is EvaluarHoja of `hoja`; `archivo` is the name the report
// gives the worksheet, `fecha` the date printed (ISO 8601). A worksheet
// whose figures are refused has no report: its rejection instead.
std::expected<ModeloInforme, RechazoCuenca> InformeDeHoja(const HojaCuenca& hoja, const EvaluacionHoja& evaluacion,
                                                         std::string_view archivo, std::string_view fecha);

}  // namespace tarvel
