#pragma once
// The lookup table that ties the codes of a land-cover raster to rows of
// Datos.dat: a CSV file whose header names its columns (any order, any case,
// blanks around a name aside), one line per code:
//
//   code,row                              code,vegetation,treatment,condition,name
//   11,56                                 21,1,4,1,crops contoured good
//   21,9                                  41,10,-1,3,forest class III
//
// `code` is a whole number; `row` a row of the data file (1-72), or else
// `vegetation,treatment,condition` are the answers the `cn` command takes
// (vegetation 0-18, treatment -1..7, condition -1..5). A line that gives both
// must have them agree. Every other column is ignored, and so are empty lines
// and lines whose fields are all blank; a line with more fields than the
// header is refused. The whole table is checked before any cell of a raster
// is read; the first fault is returned with its line.
//
// As the companion's batch files, the table may be written in the form
// spreadsheets use in Spanish locales, its fields separated by ";": a header
// with a ";" and no "," says so (every value of the table is a whole number,
// so their decimal comma plays no part). Text that is not UTF-8 is read as
// Windows-1252, so that a field quoted in a message reads right.
#include <cstdint>
#include <expected>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel::raster {

struct EntradaCobertura {
    std::int64_t codigo = 0;
    int fila = 0;   // row of Datos.dat, 1-72
    int linea = 0;  // line of the table it comes from
};

struct TablaCobertura {
    std::vector<EntradaCobertura> entradas;  // in increasing order of code
};

enum class FalloTabla {
    NoLegible,     // the file cannot be opened or read
    Grande,        // over kMaximoTabla bytes
    Csv,           // a quote left open
    SinCode,       // the header has no "code" column
    SinFila,       // ... nor "row", nor the three answers
    ColumnaDoble,  // a column named twice
    Codigo,        // a code that is no whole number
    CodigoRepetido,
    FilaInexistente,  // a row outside 1-72
    Respuestas,       // answers that designate no row
    SinFilaNiRespuestas,
    FilaDistinta,  // a row and answers that disagree
    Vacia,         // no code at all
    CamposDeMas,   // a line with more fields than the header
};

struct ErrorTabla {
    FalloTabla fallo = FalloTabla::NoLegible;
    int linea = 0;      // 1-based line of the file; 0 for the file as a whole
    std::string valor;  // the field at fault as written: the code, the row, the answers "v,t,c", the column;
                        // the line's fields (CamposDeMas)
    std::string otro;  // the line's code (SinFilaNiRespuestas), its row (FilaDistinta), the system's reason (NoLegible)
    int numero = 0;    // the line the code was first listed on (CodigoRepetido), the answers' row (FilaDistinta),
                       // the header's fields (CamposDeMas)
};

inline constexpr std::size_t kMaximoTabla = 64u << 20;

std::expected<TablaCobertura, ErrorTabla> AnalizarTablaCobertura(std::string_view contenido);
std::expected<TablaCobertura, ErrorTabla> LeerTablaCobertura(const std::filesystem::path& archivo);

// The message of a fault, in the language of the run, naming the file.
std::string MensajeErrorTabla(const ErrorTabla& error, const std::filesystem::path& archivo);

}  // namespace tarvel::raster
