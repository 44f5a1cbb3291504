#pragma once
// Datos.dat: the published curve numbers, 72 rows of four values for the soil
// groups A to D. Each line is 13 bytes: four two-character fields ("06" to "99",
// or "-1" where the tables give no value) separated by single spaces, then CR LF.
// Row r begins at byte 13 (r - 1); the last line may lack its CR LF, so the
// file is 936 or 934 bytes long.
//
// The file is opened, read and closed for every lookup; nothing is cached.
// A file that breaks the layout is never read around: the reader names the
// file, the line and the fault instead of returning a value that could belong
// to another row.
#include <array>
#include <expected>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

inline constexpr int kFilasDatos = 72;
inline constexpr int kBytesLinea = 13;
inline constexpr std::string_view kNombreArchivoDatos = "Datos.dat";

using FilaDatos = std::array<std::string, 4>;  // fields 0-3: groups A-D

enum class FalloDatos {
    FaltaArchivo,    // no file at the path
    NoLegible,       // there, but it cannot be read
    Tamano,          // neither 934 nor 936 bytes, and no line to blame
    FaltanLineas,    // the file ends before row 72
    LongitudLinea,   // a line is not 13 bytes long
    FinDeLinea,      // a line ends in LF alone instead of CR LF
    Separador,       // the fields are not separated by single spaces
    Campo,           // a field is neither two digits nor "-1"
    LineaSobrante,   // something follows row 72
    FilaInexistente, // a row outside 1 to 72 was asked for
};

struct ErrorDatos {
    FalloDatos fallo;
    std::filesystem::path archivo;
    int linea = 0;            // 1-based line of the file; 0 when the fault is the file's
    int campo = -1;           // 0-3 with FalloDatos::Campo
    std::string contenido;    // the offending field, or the line length / file size as text
};

// The program's message for a fault, in language 1 (Spanish) or 2 (English).
std::string MensajeErrorDatos(const ErrorDatos& error, int idioma);

// Path of the data file in a folder.
std::filesystem::path RutaDatos(const std::filesystem::path& carpeta);

// The four fields of one row (1 to 72), read by its position in the file.
std::expected<FilaDatos, ErrorDatos> LeerFilaDatos(const std::filesystem::path& archivo, int fila);

struct ValorCurva {
    std::string texto;  // the field as it stands, two characters
    bool falta = false; // the field is "-1": the tables give no value
};

// Field grupo - 1 (1 to 4) of a row already read.
ValorCurva ValorDeFila(const FilaDatos& fila, int grupo);

// The whole number a curve-number text stands for: digits alone, 1 to 100
// ("77", "06", "100"). Anything else ("-1", "?", "30≤", "", "1e2") is none, so
// that the mark of a missing value can never be handed back as a number.
std::optional<int> NumeroCurva(std::string_view texto);
std::optional<int> NumeroCurva(const ValorCurva& valor);

// Field grupo - 1 of a row; grupo 1 to 4 stands for A to D.
std::expected<ValorCurva, ErrorDatos> ValorNumeroCurva(const std::filesystem::path& archivo, int fila,
                                                       int grupo);

// All 72 rows, read from the start to the end of the file.
std::expected<std::vector<FilaDatos>, ErrorDatos> LeerDatos(const std::filesystem::path& archivo);

// The same checks on a file already in memory.
std::expected<std::vector<FilaDatos>, ErrorDatos> AnalizarDatos(std::string_view contenido,
                                                                const std::filesystem::path& archivo);

// How the curve-number label shows a looked-up value: its two characters in
// blue, or "?" in red when it is missing; row 43, group A (brush in good
// condition, whose published value for group A is below 30) gets the sign ≤
// appended, after a "?" too.
struct PresentacionCurva {
    std::string texto;
    bool rojo = false;
};
PresentacionCurva PresentarNumeroCurva(const ValorCurva& valor, int fila, int grupo);

inline constexpr std::string_view kSignoMenorOIgual = "\u2264";

}  // namespace tarvel
