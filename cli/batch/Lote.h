#pragma once
// Batch work of tarvel-cli: one CSV record in, one CSV record out.
//
// The input's first record is its header. The columns a command reads are
// found there by name (case and surrounding blanks aside); every other column
// is passed through unchanged, so that an ID survives. The output is the
// input's columns, then the command's result columns, then "error", which
// holds the message for a rejected record and is empty otherwise.
//
// Two forms are read: fields separated by "," with "." as the decimal mark,
// and fields separated by ";" with "," as the decimal mark (what spreadsheets
// write in Spanish locales). The header decides: a header with ";" between
// its fields and no "," is of the second form. The output is written in the
// form of the input, numbers in the result columns included.
//
// Every record after the header gives one output record, in order (a command
// that answers a record with several, one per year of a path, says so):
// - a record with fewer fields than the header is read with the missing
//   fields empty; an empty line (or one of blanks only) is such a record, so
//   it comes out as a row of empty fields with the message the command gives
//   for empty values, and line N of the output answers line N of the input,
//   whatever mix of CR, LF and CR LF ends the lines;
// - a record with more fields than the header is rejected; its fields are
//   written as far as the header names columns.
// Quoted fields (separators, quotes and line breaks inside) and a UTF-8
// byte-order mark are read by libcsv; blanks around an unquoted field are not
// part of it. A field that is not valid UTF-8 is read as Windows-1252 (what
// spreadsheets on Spanish Windows save: "Pe\xF1as" is "Peñas"), so that the
// values, the messages and the output are all UTF-8. A byte-order mark in the input is written back at the start of
// the output. The output ends its lines with LF and quotes a field only where
// a reader needs it.
//
// The input is read in blocks and the output written in blocks: memory does
// not grow with the file. The batch ends early, after writing the records
// before it, at a record longer than kMaximoRegistro bytes or kMaximoCampos
// fields, at a quote still open at the end of the input (it would take every
// line after it into one field), at a read fault, and when the output cannot
// be written.
#include <cstddef>
#include <expected>
#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch/Valores.h"

namespace tarvel::cli {

inline constexpr std::size_t kMaximoRegistro = 1 << 20;  // bytes of a record's fields
inline constexpr std::size_t kMaximoCampos = 1 << 16;     // fields of a record

struct ColumnaLote {
    std::string_view nombre;
    bool requerida = true;  // an optional column may be left out of the header
};

struct ResultadoLote {
    std::string_view nombre;
    bool numero = false;  // written with the decimal mark of the input's form
    // The column is written only when the header holds the command's column
    // of this index in `columnas` (a runoff column only where a storm can
    // be given); -1: always.
    int siColumna = -1;
};

// How a command works on one record. `valores` holds the fields of its
// columns in the order of `columnas` (an optional column missing from the
// header reads as `Ausente()`, distinct from an empty field), written with
// the decimal mark `marca`; `resultados` has one string per result column,
// all empty on entry, to be written with "." (a column left out of the output
// by `siColumna` is filled all the same and not written). To answer the
// record with k output records, each repeating the record's fields, the
// function makes `resultados` k times as long, record after record. Returns
// the message of a rejection, or an empty string when the results were
// written. It is called for one record at a time, in order.
struct DefinicionLote {
    std::vector<ColumnaLote> columnas;
    std::vector<ResultadoLote> resultados;
    std::function<std::string(std::span<const std::string_view> valores, MarcaDecimal marca,
                              std::vector<std::string>& resultados)>
        evaluar;
};

// The view an optional column absent from the header stands for; compare with
// EsAusente, never by content.
std::string_view Ausente();
bool EsAusente(std::string_view valor);

enum class FinLote {
    Hecho,          // every record was answered (rejected records included)
    Rechazado,      // the input has no usable header, or could not be read to its end
    SalidaFallida,  // the output could not be written
};

// Runs a batch from `entrada` to `salida`; the reason of a Rechazado end goes
// to `errores`, one line in the language of the run. Never throws for any input.
FinLote EjecutarLote(const DefinicionLote& definicion, std::istream& entrada, std::ostream& salida,
                     std::ostream& errores);

// The same on a text in memory, for tests and fuzzing.
FinLote EjecutarLote(const DefinicionLote& definicion, std::string_view entrada, std::string& salida,
                     std::string& errores);

// A CSV input handed on record by record, for a command that answers the
// whole input rather than each record (a composite needs the total area
// before any row's share, and so reads its input twice): read as a batch
// reads it, its header checked for `columnas` as a batch checks it. Nothing
// is held but the record being read; the views live during the call only.
struct CabeceraLote {
    std::span<const std::string_view> campos;  // the header's fields
    std::span<const int> columnas;             // the field of each of `columnas`, -1 for an optional one absent
    MarcaDecimal marca = MarcaDecimal::Punto;
};
struct RecorridoLote {
    std::function<void(const CabeceraLote& cabecera)> cabecera;
    // A record after the header, its fields as they came (a short record its
    // fields only). Returns false to stop the reading there.
    std::function<bool(std::span<const std::string_view> campos)> registro;
};
// Nothing when the input was read to its end or the reading was stopped;
// else why it cannot be read, as a batch would say it.
std::optional<std::string> RecorrerLote(std::span<const ColumnaLote> columnas, std::istream& entrada,
                                        const RecorridoLote& recorrido);

}  // namespace tarvel::cli
