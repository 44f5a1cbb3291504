// tarvel-cli's side of the map command. Maps need GDAL, which brings about
// a hundred shared libraries into a process: loaded by every command, they
// made each start several times slower and take three times the memory
// (docs/performance.md). So maps are made by tarvel-cli-raster, a program
// beside this one. As soon as the word "raster" is read as the command, this process
// becomes that program (exec) with the same arguments: its help, messages,
// language, progress bar, exit status and signals are the command's own.
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "app/TablaTextos.h"
#include "cli/Comun.h"
#include "cli/batch/Mensajes.h"
#include "raster/TextosRaster.h"
#include "settings/Ajustes.h"

namespace tarvel::cli {
namespace {

constexpr const char* kProgramaMapas = "tarvel-cli-raster";

[[noreturn]] void Entregar(const Opciones& opciones) {
    // Found as Datos.dat is: in the folder of the running program.
    const std::filesystem::path programa = RutaLocal(CarpetaPrograma()) / kProgramaMapas;
    std::cout.flush();
    ::execv(programa.c_str(), opciones.argumentos);
    const int error = errno;
    std::cerr << Mensaje(raster::kTextoSinProgramaMapas, {programa.string(), MotivoDeSistema(error)}) << '\n';
    std::exit(kRechazado);
}

}  // namespace

Comando RegistrarRaster(CLI::App& app, const Opciones& opciones) {
    auto* raster = app.add_subcommand("raster", kAyudaRaster);
    // Called once the command is known, before any of its own arguments is read.
    raster->preparse_callback([&opciones](std::size_t) { Entregar(opciones); });
    return {raster, [&opciones]() -> int { Entregar(opciones); }};
}

}  // namespace tarvel::cli
