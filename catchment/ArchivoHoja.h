#pragma once
// The worksheet file (suffix .tarvel): a JSON document, described field by
// field in docs/worksheet-format.md. A worksheet with peak discharge inputs is
// written as version 2, one without them as version 1, which every reader of
// the format opens. TextoHoja gives the text to save (the
// window writes it atomically); LeerHoja gives back the worksheet of a text,
// or says what is wrong and where, and never a worksheet that is half read.
// Every worksheet written reads back equal, field by field and bit by bit.
#include <cstddef>
#include <expected>
#include <filesystem>
#include <string>
#include <string_view>

#include "catchment/Compuesto.h"
#include "catchment/HojaCuenca.h"

namespace tarvel {

inline constexpr std::string_view kSufijoHoja = ".tarvel";
inline constexpr std::string_view kFormatoHoja = "tarvel-worksheet";
inline constexpr int kVersionHoja = 2;  // the newest version read and written
inline constexpr std::size_t kTamanoMaximoHoja = 64u << 20;  // bytes; far above any real worksheet

enum class FalloHoja {
    NoLegible,          // the file cannot be opened or read (LeerHojaDeArchivo): errorSistema says why
    Grande,             // the file exceeds kTamanoMaximoHoja
    Sintaxis,           // not JSON: linea and columna say where
    Incompleto,         // JSON that stops before its end: a truncated file
    Ajeno,              // JSON, but not a Tarvel worksheet (no "format" key naming one)
    VersionNueva,       // written by a newer version: detalle holds its version
    VersionIncorrecta,  // "version" is not a whole number ≥ 1
    Falta,              // a required value is missing
    NoTexto,            // the value at ruta is not a string
    NoNumero,           // … not a number
    NoEntero,           // … not a whole number from minimo to maximo
    NoLista,            // … not an array
    NoObjeto,           // … not an object
    Desconocido,        // … none of the names allowed (detalle lists them)
    FilaNoDesignada,    // the step-by-step answers do not lead to the data row given (detalle)
    ClaseBosque,        // a forest class that does not match the vegetation and condition
    GrupoTasa,          // a soil group other than the one of its rate class
    FilaTabla,          // a data row outside its table (minimo, maximo)
    Porcentaje,         // a texture percentage that is no number at all (letters): a damaged trail
    Cuenca,             // a row that cannot be a sub-area: see `cuenca`
    Elementos,          // a list with fewer items than minimo or more than maximo
    FueraDeRango,       // a peak discharge input outside its range: detalle says why (MotivoRango)
};

struct ErrorHoja {
    FalloHoja fallo = FalloHoja::Sintaxis;
    std::string ruta;         // JSON Pointer of the value at fault ("/rows/2/area_ha"), or the file
    int linea = 0;            // Sintaxis and Incompleto: 1-based line
    int columna = 0;          // and 1-based column, counted in characters
    long long minimo = 0;     // NoEntero, FilaTabla, Elementos
    long long maximo = 0;
    std::string detalle;
    RechazoCuenca cuenca;     // Cuenca
    int errorSistema = 0;     // NoLegible: the errno of the failure (ENOENT, EISDIR, ...)
};

// What is wrong and where, in the language of the run.
std::string MensajeErrorHoja(const ErrorHoja& error);

// The checks a worksheet must pass to be written or to have been read: a
// storm, if any, finite and ≥ 0; every row a sub-area (ComprobarSubarea) with
// a consistent trail: entries, treatments, conditions, rate classes and rows
// in their ranges, soil groups A-D, the step-by-step answers leading to the
// data row (FilaDeDatos), a forest class exactly for woods and matching its
// condition, a rate class giving the soil group kept, a table row in its
// table, texture percentages written in figures (with either decimal mark;
// whether they make 100 and give the group kept is the worksheet's answer,
// EvaluarHoja, not a fault of the file); peak discharge inputs, if any, each
// within its range (RangoDe) with 1 to kTramosMaximos segments. The first
// fault found, by its JSON Pointer in the file.
std::expected<void, ErrorHoja> ValidarHoja(const HojaCuenca& hoja);

// The file's text: JSON indented by two blanks, UTF-8, ended by LF. A
// worksheet ValidarHoja refuses is not written. Text that is not UTF-8 (never
// the case for text that came through a window) is written with U+FFFD in
// place of the bytes at fault.
std::expected<std::string, ErrorHoja> TextoHoja(const HojaCuenca& hoja);

// The worksheet of a file's text. Keys the format does not know are ignored,
// and so are the peak inputs of a file that says it is version 1.
std::expected<HojaCuenca, ErrorHoja> LeerHoja(std::string_view texto);

// The same from a file on disk; ruta of NoLegible and Grande is the file's
// path. A folder, a missing file or one that cannot be read is NoLegible with
// the system's reason.
std::expected<HojaCuenca, ErrorHoja> LeerHojaDeArchivo(const std::filesystem::path& archivo);

}  // namespace tarvel
