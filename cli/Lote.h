#pragma once
// Batch work of tarvel-cli: one CSV record in, one CSV record out.
//
// The input's first record is its header. The columns a command reads are
// found there by name (case and surrounding blanks aside); every other column
// is passed through unchanged, so that an ID survives. The output is the
// input's columns, then the command's result columns, then "error", which
// holds the program's message for a rejected record and is empty otherwise.
//
// Every record after the header gives exactly one output record, in order:
// - a record with fewer fields than the header is read with the missing
//   fields empty; an empty line (or one of blanks only) is such a record, so
//   it comes out as a row of empty fields with the message the command gives
//   for empty values, and line N of the output answers line N of the input;
// - a record with more fields than the header is rejected with text 210; its
//   fields are written as far as the header names columns.
// Quoted fields (commas, quotes and line breaks inside), CR LF, LF or CR line
// ends and a UTF-8 byte-order mark are read by libcsv; blanks around an
// unquoted field are not part of it. A byte-order mark in the input is
// written back at the start of the output. The output ends its lines with LF
// and quotes a field only where a reader needs it.
//
// The input is read in blocks and the output written in blocks: memory does
// not grow with the file. A single record longer than kMaximoRegistro bytes
// or kMaximoCampos fields (a quote left open runs to the end of the file)
// ends the batch after the records before it have been written.
#include <cstddef>
#include <functional>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel::cli {

inline constexpr std::size_t kMaximoRegistro = 1 << 20;  // bytes of a record's fields
inline constexpr std::size_t kMaximoCampos = 1 << 16;     // fields of a record

struct ColumnaLote {
    std::string_view nombre;
    bool requerida = true;  // an optional column may be left out of the header
};

// How a command works on one record. `valores` holds the fields of its
// columns in the order of `columnas` (an optional column missing from the
// header reads as `ausente`, distinct from an empty field); `resultados` has
// one string per result column, all empty on entry. Returns the message of a
// rejection, or an empty view when the results were written. It is called for
// one record at a time, in order.
struct DefinicionLote {
    std::vector<ColumnaLote> columnas;
    std::vector<std::string_view> resultados;  // names of the result columns
    std::function<std::string_view(std::span<const std::string_view> valores, std::span<std::string> resultados)>
        evaluar;
};

// The view an optional column absent from the header stands for; compare with
// EsAusente, never by content.
std::string_view Ausente();
bool EsAusente(std::string_view valor);

enum class FinLote {
    Hecho,      // every record was answered (rejected records included)
    Uso,        // no header, or a column missing or named twice: nothing was written
    Rechazado,  // the input could not be read to its end (a record too long, a read fault)
};

// Runs a batch from `entrada` to `salida`; the reason of a Uso or Rechazado
// end goes to `errores`, one line. Never throws for any input.
FinLote EjecutarLote(const DefinicionLote& definicion, std::istream& entrada, std::ostream& salida,
                     std::ostream& errores);

// The same on a text in memory, for tests and fuzzing.
FinLote EjecutarLote(const DefinicionLote& definicion, std::string_view entrada, std::string& salida,
                     std::string& errores);

}  // namespace tarvel::cli
