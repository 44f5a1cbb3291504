#pragma once
// A catchment worksheet: the sub-areas of a catchment, each with its name,
// its area, its condition-II curve number and how that number was obtained,
// with an optional design storm and the ratio of its runoff. The windows edit
// it, ArchivoHoja.h keeps it in a file, and CalcularCompuesto works on its
// rows (SubareasDe).
//
// A curve number is typed, or determined step by step (the trail keeps every
// answer of the road), or picked from a reference table (the table, its row
// and the soil group column). The fields mirror the values the determination
// windows leave behind (gVegetacion, gLaboreo, gCondicion, gLetraGrupoSuelo,
// gClaseBosque, gFilaDatos).
#include <array>
#include <expected>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/TablaTextos.h"
#include "catchment/Compuesto.h"
#include "data/TablasReferencia.h"
#include "determination/Clasificacion.h"
#include "determination/GrupoSuelo.h"
#include "hydrology/EntradasCaudal.h"
#include "hydrology/Escorrentia.h"

namespace tarvel {

// The soil group found from a class of minimum infiltration rate, 0 to 3
// (GrupoPorTasa).
struct SueloPorTasa {
    int clase = 0;
    friend bool operator==(const SueloPorTasa&, const SueloPorTasa&) = default;
};

// The soil group found from the clay, silt and sand percentages, kept as
// they were typed (kArcilla, kLimo, kArena).
struct SueloPorTextura {
    std::array<std::string, 3> porcentajes;
    friend bool operator==(const SueloPorTextura&, const SueloPorTextura&) = default;
};

// How the soil group of a step-by-step determination was found.
using ComoGrupoSuelo = std::variant<SueloPorTasa, SueloPorTextura>;

struct TrazaPasoAPaso {
    int vegetacion = 0;        // entry 0-13 general, 14-18 arid
    int laboreo = -1;          // treatment 0-7, -1 none
    int condicion = -1;        // 0 poor, 1 good, 2 fair; forest class 1-5 for woods; -1 none
    std::string grupoSuelo;    // "A" to "D"
    ComoGrupoSuelo comoGrupo;
    std::string claseBosque;   // "I" to "V" for woods (entry 10, its condition 1-5), empty otherwise
    int filaDatos = 1;         // the row of Datos.dat the answers designate, 1-72
    std::string descripcion;   // that row's description as it was shown
    int idioma = kIdiomaEspanol;  // the language of the description
    friend bool operator==(const TrazaPasoAPaso&, const TrazaPasoAPaso&) = default;
};

struct TrazaTabla {
    TablaReferencia tabla = TablaReferencia::General;
    int filaDatos = 1;         // general 1-57, arid 58-72
    std::string grupoSuelo;    // "A" to "D", the column picked
    friend bool operator==(const TrazaTabla&, const TrazaTabla&) = default;
};

struct CurvaEscrita {
    friend bool operator==(const CurvaEscrita&, const CurvaEscrita&) = default;
};

using OrigenCurva = std::variant<CurvaEscrita, TrazaPasoAPaso, TrazaTabla>;

struct FilaHoja {
    std::string nombre;  // may be empty
    double area = 0;     // hectares, finite and > 0
    double cn = 0;       // condition II, calculable (NumeroCurvaCalculable)
    OrigenCurva origen;
    friend bool operator==(const FilaHoja&, const FilaHoja&) = default;
};

struct HojaCuenca {
    std::string titulo;            // may be empty
    std::optional<double> lluvia;  // design storm P, mm, finite and ≥ 0
    EleccionLambda lambda = EleccionLambda::Clasica;
    std::vector<FilaHoja> filas;   // a worksheet may have none (the composite then refuses it)
    // The peak discharge of the catchment (its total area and composite
    // curve number), as the peak window last held it; none until then, and
    // none again when the window is left as it starts.
    std::optional<EntradasCaudal> caudal;
    friend bool operator==(const HojaCuenca&, const HojaCuenca&) = default;
};

// How the file and the CSV export name the three roads to a curve number
// and the two tables.
inline constexpr std::string_view kOrigenEscrita = "typed";
inline constexpr std::string_view kOrigenPasoAPaso = "step-by-step";
inline constexpr std::string_view kOrigenTabla = "table";
inline constexpr std::string_view kNombreTablaGeneral = "general";
inline constexpr std::string_view kNombreTablaArida = "arid";
inline constexpr std::string_view kComoGrupoTasa = "rate";
inline constexpr std::string_view kComoGrupoTextura = "texture";
std::string_view NombreIdiomaCorto(int idioma);  // "es" for 1, "en" for 2

std::vector<Subarea> SubareasDe(const HojaCuenca& hoja);

// The trail of a number accepted on the step-by-step window: the answers it
// handed on, how the soil group was found, and the description of the data
// row in language `idioma`. The forest class is kept for woods only.
TrazaPasoAPaso TrazaDeRespuestas(const RespuestasClasificacion& respuestas, const ComoGrupoSuelo& comoGrupo,
                                 int idioma);

// The trail of a number picked from grid cell (fila, columna) of a reference
// table; nothing for a cell outside the body rows and soil-group columns.
std::optional<TrazaTabla> TrazaDeCelda(TablaReferencia tabla, int fila, int columna);

// How a curve number was obtained, in one line of language 1 or 2: "Typed";
// or the road, the data row and its description, the forest class, the soil
// group and how it was found ("Step by step, row 9: Row crops; C; Good ·
// group C, from the texture (clay 20 %, silt 40 %, sand 40 %)"); or the
// table, its row and description and the group column.
std::string TextoOrigen(const OrigenCurva& origen, int idioma);

// The description of a row of Datos.dat in language 1 or 2: the texts of its
// descriptive columns in the reference table, blanks trimmed, joined by "; "
// ("Cultivos alineados; C; Buena" for row 9). Empty outside 1-72.
std::string DescripcionFilaDatos(int filaDatos, int idioma);

// The worksheet's rows as CSV, one line per row after a header line, lines
// ended by LF. Columns:
//   name                 the sub-area's name
//   area                 hectares
//   share_pct            its share of the total area, per cent
//   cn                   condition-II curve number
//   source               typed, step-by-step or table
//   data_row             row of Datos.dat (determined numbers)
//   soil_group           A-D (determined numbers)
//   table                general or arid (picked from a table)
//   vegetation, treatment, condition, forest_class
//                        the step-by-step answers (-1 for none)
//   soil_group_from      rate or texture (step by step)
//   rate_class           0-3 (found from the rate)
//   clay, silt, sand     the percentages as typed (found from the texture)
//   description, description_language (es or en)
// Fields that do not apply are empty; numbers in the fewest digits that read
// back exactly, "." as the decimal mark. The columns "area" and "cn" are the
// ones the companion's composite reads. Shares need a total: a worksheet whose
// rows CalcularCompuesto refuses gives its rejection (an empty worksheet gives
// the header alone).
std::expected<std::string, RechazoCuenca> CsvHoja(const HojaCuenca& hoja);

}  // namespace tarvel
