#pragma once
// What every command of tarvel-cli shares: the options, the exit statuses,
// where the data file lies, and how results and rejections are written.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/Lote.h"

namespace tarvel::cli {

constexpr int kHecho = 0;
constexpr int kRechazado = 1;  // input rejected: the program's message on stderr
constexpr int kUso = 2;

struct Opciones {
    std::string idioma;  // "es", "en", or empty for the desktop program's setting
    bool json = false;
};

// A command registers its subcommand and returns what to run once the
// arguments are parsed and the language of the run is fixed.
using Accion = std::function<int()>;
struct Comando {
    CLI::App* subcomando;
    Accion accion;
};

std::filesystem::path CarpetaPrograma();

// The message on stderr; returns kRechazado.
int Rechazar(const std::string& mensaje);

// Writes the JSON object with --json, else the plain text; returns kHecho.
int Escribir(const Opciones& opciones, const nlohmann::ordered_json& objeto, const std::string& texto);

// The curve number of a row and a soil group letter as the step-by-step screen
// shows it, with the row in front when `conFila`; a data-file fault is rejected.
int EscribirNumeroCurva(const Opciones& opciones, int fila, const std::string& letra, bool conFila);

// Adds --csv FILE|- to a command: with it the command reads its inputs from a
// CSV file (or standard input) instead of `posicionales`, which are required
// only without it.
CLI::Option* AnadirCsv(CLI::App& comando, std::string& archivo, std::initializer_list<CLI::Option*> posicionales);

// Runs a batch from the file named by --csv to standard output; the exit status.
int EjecutarLoteCsv(const Opciones& opciones, const DefinicionLote& definicion, const std::string& archivo);

Comando RegistrarLookup(CLI::App& app, const Opciones& opciones);
Comando RegistrarSuelo(CLI::App& app, const Opciones& opciones);
Comando RegistrarBosque(CLI::App& app, const Opciones& opciones);
Comando RegistrarSerie(CLI::App& app, const Opciones& opciones);
Comando RegistrarCn(CLI::App& app, const Opciones& opciones);
Comando RegistrarRaster(CLI::App& app, const Opciones& opciones);

}  // namespace tarvel::cli
