// tarvel-cli: the rules of the desktop program from the command line, on the
// same Datos.dat (beside this executable) and the same texts. Built a second
// time as tarvel-cli-raster, with the map command alone (TARVEL_PROGRAMA_MAPAS).
#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <cerrno>
#include <iostream>
#include <vector>

#include "app/Idioma.h"
#include "app/TextosMensajes.h"
#include "cli/Comun.h"
#include "cli/batch/Mensajes.h"
#include "settings/Ajustes.h"

using namespace tarvel;
using namespace tarvel::cli;

namespace {

constexpr std::string_view kPrograma = "tarvel-cli";

constexpr const char* kPie =
    "Exit status: 0 done; 1 a value refused (the message on standard error names the value and why), a file that\n"
    "cannot be opened or read, or output that cannot be written; 2 wrong usage (an unknown command or option, an\n"
    "argument missing or left over, options that cannot go together).\n"
    "Numbers take \".\" as the decimal mark; a number with a comma is refused (a comma is never a thousands\n"
    "separator). With --csv, a file whose header separates its columns with \";\" is read with \",\" as the\n"
    "decimal mark, the form spreadsheets write in Spanish locales, and the output is written the same way.";

// A closed standard descriptor would be handed to the next file opened, and
// what is meant for standard output written into it: each is held by
// /dev/null, opened for reading only, so that writing to it fails.
void OcuparDescriptoresEstandar() {
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) == -1 && errno == EBADF) open("/dev/null", O_RDONLY);
    }
}

// The language asked for with --lang, read before the arguments are parsed so
// that a usage error already speaks it; the stored setting without it.
void FijarIdiomaPedido(int argc, char** argv) {
    std::string_view pedido;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argumento = argv[i];
        if (argumento == "--") break;
        if (argumento == "--lang" && i + 1 < argc) pedido = argv[i + 1];
        if (argumento.starts_with("--lang=")) pedido = argumento.substr(7);
    }
    if (pedido == "en") {
        AplicarIdioma(kNombreIngles);
    } else if (pedido == "es") {
        AplicarIdioma(kNombreEspanol);
    } else {
        AplicarIdioma(LeerIdiomaGuardado().toStdString());
    }
}

// The arguments no command or option took; the parser keeps a "--" among them.
std::vector<std::string> Sobrantes(const CLI::App& app, bool debajo) {
    auto resto = app.remaining(debajo);
    std::erase(resto, "--");
    return resto;
}

std::vector<const CLI::App*> Subcomandos(const CLI::App& app) {
    return app.get_subcommands([](const CLI::App* sub) { return !sub->get_name().empty(); });
}

// The subcommand of `padre` that was given; a usage error when none or an
// unknown one was (a word no command takes is handed up to `raiz`).
CLI::App* SubcomandoElegido(const CLI::App& padre, const CLI::App& raiz) {
    if (const auto elegidos = padre.get_subcommands(); !elegidos.empty()) return elegidos.front();
    std::string nombres;
    for (const CLI::App* sub : Subcomandos(padre)) nombres += (nombres.empty() ? "" : ", ") + sub->get_name();
    const auto resto = Sobrantes(padre.remaining().empty() ? raiz : padre, false);
    if (!resto.empty() && !resto.front().starts_with('-')) Uso(kTextoOrdenDesconocida, {resto.front(), nombres});
    Uso(kTextoFaltaOrden, {nombres});
}

int Ejecutar(CLI::App& app, int argc, char** argv, const Opciones& opciones, const std::vector<Comando>& comandos) {
    app.parse(argc, argv);
    CLI::App* elegido = SubcomandoElegido(app, app);
    // A command with commands of its own (soil rate, soil texture).
    for (const CLI::App* nivel = elegido; !Subcomandos(*nivel).empty();) {
        nivel = SubcomandoElegido(*nivel, app);
    }
    if (const auto resto = Sobrantes(app, true); !resto.empty()) Uso(kTextoArgumentoDeMas, {resto.front()});
    if (!opciones.idioma.empty() && opciones.idioma != "es" && opciones.idioma != "en") {
        Uso(kTextoValorDeOpcion, {"--lang", "es, en", opciones.idioma});
    }
    for (const Comando& comando : comandos) {
        if (comando.subcomando == elegido) return comando.accion();
    }
    return kUso;
}

}  // namespace

int main(int argc, char** argv) {
    OcuparDescriptoresEstandar();
    QCoreApplication aplicacion(argc, argv);
    FijarIdiomaPedido(argc, argv);

    CLI::App app{"Tarvel: runoff curve numbers from the command line.", std::string(kPrograma)};
    app.footer(kPie);
    app.set_version_flag("--version", std::string(kPrograma) + " " + TARVEL_VERSION);
    // Arguments left over and commands missing are reported by Ejecutar, in the language of the run.
    app.allow_extras();
    app.require_subcommand(0, 1);
    Opciones opciones;
    opciones.argumentos = argv;
    app.add_option("--lang", opciones.idioma, "language of messages, es or en (default: the desktop program's setting)");
    app.add_flag("--json", opciones.json, "print the result as one JSON object");

    const std::vector<Comando> comandos{
#ifndef TARVEL_PROGRAMA_MAPAS
        RegistrarLookup(app, opciones),
        RegistrarSuelo(app, opciones),
        RegistrarBosque(app, opciones),
        RegistrarSerie(app, opciones),
        RegistrarCn(app, opciones),
        RegistrarEscorrentia(app, opciones),
        RegistrarCompuesto(app, opciones),
        RegistrarTiempo(app, opciones),
        RegistrarCaudal(app, opciones),
#endif
        // tarvel-cli-raster, built from this file with TARVEL_PROGRAMA_MAPAS, has this command alone.
        RegistrarRaster(app, opciones),
    };

    int estado = kUso;
    try {
        estado = Ejecutar(app, argc, argv, opciones, comandos);
    } catch (const CLI::Success& fin) {
        estado = app.exit(fin);  // --help, --version
    } catch (const CLI::ParseError& error) {
        // "--csv: 1 required FILE|- missing" is an option given without its value.
        const std::string_view texto = error.what();
        const bool sinValor = dynamic_cast<const CLI::ArgumentMismatch*>(&error) && texto.ends_with(" missing");
        std::cerr << (sinValor ? Mensaje(kTextoFaltaValor, {texto.substr(0, texto.find(':'))})
                               : Mensaje(kTextoUsoIncorrecto, {texto}))
                  << '\n';
    } catch (const ErrorUso& error) {
        std::cerr << error.what() << '\n';
    }
    if (estado == kUso) std::cerr << Mensaje(kTextoVeaAyuda, {kPrograma}) << '\n';
    return TerminarSalida(estado);
}
