#pragma once
// What every command of tarvel-cli shares: the options, the exit statuses and
// the one rule behind them, usage errors, where the data file lies, and how
// results, rejections and batches are written.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <string_view>

#include "cli/batch/Lote.h"
#include "hydrology/Escorrentia.h"
#include "hydrology/TablaEscorrentia.h"

namespace tarvel::cli {

// Exit statuses. kUso only for how the command was called (an unknown
// command or option, an argument missing or left over, options that cannot
// go together); kRechazado for any value refused, a file that cannot be
// read, and output that cannot be written, always with a message on stderr.
constexpr int kHecho = 0;
constexpr int kRechazado = 1;
constexpr int kUso = 2;

struct Opciones {
    std::string idioma;  // "es", "en", or empty for the desktop program's setting
    bool json = false;
    char** argumentos = nullptr;  // main's argv, for a command another program runs (raster)
};

// A command registers its subcommand and returns what to run once the
// arguments are read and the language of the run is fixed.
using Accion = std::function<int()>;
struct Comando {
    CLI::App* subcomando;
    Accion accion;
};

// How the command was called is wrong: thrown with its message, in the
// language of the run, from anywhere before the command writes anything;
// main() writes it and exits with kUso.
struct ErrorUso : std::runtime_error {
    using std::runtime_error::runtime_error;
};
[[noreturn]] void Uso(int texto, std::initializer_list<std::string_view> valores);

// Each of these arguments must have been given: the first that was not is a usage error.
void ExigirArgumentos(std::initializer_list<const CLI::Option*> argumentos);

// Datos.dat beside this executable.
std::filesystem::path RutaDatosPrograma();

// The message on stderr; returns kRechazado.
int Rechazar(const std::string& mensaje);

// The JSON text of a result, compact. Text that is not UTF-8 (a name from a
// file, a path) never stops it: each bad byte becomes U+FFFD. Every JSON the
// companion writes goes through here.
std::string TextoJson(const nlohmann::ordered_json& objeto);

// Writes the JSON object with --json, else the plain text; returns kHecho.
int Escribir(const Opciones& opciones, const nlohmann::ordered_json& objeto, const std::string& texto);

// A curve number as lookup prints it, with its row in front when `conFila` (cn).
struct CurvaHallada;
int EscribirNumeroCurva(const Opciones& opciones, const CurvaHallada& numero, bool conFila);

// --csv FILE|- on a command whose single-value form takes `valores`: the
// description names the columns read and written.
CLI::Option* AnadirCsv(CLI::App& comando, std::string& archivo, std::string_view columnas);

// Whether the batch form was asked for. With --csv, any of `valores` given as
// well is a usage error; without it, every one of them must be given.
bool FormaLote(const CLI::Option* csv, std::initializer_list<const CLI::Option*> valores);

// Hands the file named ("-": standard input) to `leer`, open for reading;
// a file that cannot be opened is refused. The exit status.
int ConEntrada(const std::string& archivo, const std::function<int(std::istream&)>& leer);

// Runs a batch from the file named by --csv ("-": standard input) to
// standard output; the exit status. A definition that could not be made
// (an option's value refused) is refused once --json is known to be absent.
int EjecutarLoteCsv(const Opciones& opciones, const Leido<DefinicionLote>& definicion, const std::string& archivo);

// The runoff table as the runoff window shows it, with one heading line
// (each column of a hillside or of the saving named with its group), then
// its summary lines.
std::string TextoEscorrentia(const TablaEscorrentia& tabla);

// One curve number's runoff under conditions I, II and III for one ratio,
// with --json: {"cn": [3], "cn005": [3] (for 0.05), "s_mm", "ia_mm", "q_mm"}.
nlohmann::ordered_json JsonEscorrentia(Lambda lambda, const EscorrentiaCurva& curva);

// Flushes and closes standard output: a write that failed at any point turns
// `estado` kHecho into kRechazado, with the reason on stderr.
int TerminarSalida(int estado);

Comando RegistrarLookup(CLI::App& app, const Opciones& opciones);
Comando RegistrarSuelo(CLI::App& app, const Opciones& opciones);
Comando RegistrarBosque(CLI::App& app, const Opciones& opciones);
Comando RegistrarSerie(CLI::App& app, const Opciones& opciones);
Comando RegistrarCn(CLI::App& app, const Opciones& opciones);
// The map command: in tarvel-cli-raster the command itself (cli/ComandoRaster.cpp),
// in tarvel-cli its hand-over to that program (cli/EntregaRaster.cpp).
inline constexpr const char* kAyudaRaster = "a curve-number GeoTIFF from land-cover and soil-group rasters";
Comando RegistrarRaster(CLI::App& app, const Opciones& opciones);
Comando RegistrarEscorrentia(CLI::App& app, const Opciones& opciones);
Comando RegistrarCompuesto(CLI::App& app, const Opciones& opciones);
Comando RegistrarTiempo(CLI::App& app, const Opciones& opciones);
Comando RegistrarCaudal(CLI::App& app, const Opciones& opciones);

}  // namespace tarvel::cli
