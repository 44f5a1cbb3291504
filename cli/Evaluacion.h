#pragma once
// What each command of tarvel-cli computes, one function per command, shared
// by its single-value form and its batch form (--csv), so that both give the
// same answer or the same message for the same input. A rejection is the text
// number of the program's message.
#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Lote.h"
#include "data/Datos.h"
#include "determination/CondicionBosque.h"
#include "series/Serie.h"
#include "series/ValidacionSerie.h"

namespace tarvel::cli {

inline constexpr int kTextoErrorEntrada = 210;  // "Error en los datos introducidos."
inline constexpr int kTextoSumaTextura = 209;   // the three percentages do not make 100

// soil texture: the three percentages as typed, clay, silt, sand.
std::expected<std::string_view, int> GrupoDeTextura(std::string_view arcilla, std::string_view limo,
                                                    std::string_view arena);

// forest: the two depths as typed and the compactness F, 1, 2 or 3 (any case).
std::expected<CondicionBosque, int> CondicionDeBosque(std::string_view arrope, std::string_view humus,
                                                     std::string_view compacidad, bool despuesDeCompactar);

// series: NAC, NOB and, when a span is asked for, its text.
struct ResultadoSerie {
    EntradaSerie entrada;
    SerieNC serie;
    TablaSerie tabla;                  // as the results window shows it
    std::optional<double> variacion;   // with a span only
    std::string variacionTexto;        // "0.00"
};
std::expected<ResultadoSerie, int> ResolverSerie(std::string_view nac, std::string_view nob,
                                                 std::optional<std::string_view> anios);

// cn: the row of Datos.dat the answers designate.
std::expected<int, int> FilaDeRespuestas(int vegetacion, int laboreo, int condicion);

// The batch forms. A command-line option that the batch keeps (--after-compaction,
// --years) gives the value of the rows whose column is absent or empty.
DefinicionLote LoteTextura();
DefinicionLote LoteBosque(bool despuesPorDefecto);
DefinicionLote LoteSerie(std::optional<std::string> aniosPorDefecto);
DefinicionLote LoteCn(std::vector<FilaDatos> datos);

}  // namespace tarvel::cli
