// tarvel-cli: the rules of the desktop program from the command line, on the
// same Datos.dat (beside this executable) and the same texts.
#include <QCoreApplication>
#include <vector>

#include "app/Idioma.h"
#include "cli/Comun.h"
#include "ui/Configuracion.h"

using namespace tarvel;
using namespace tarvel::cli;

int main(int argc, char** argv) {
    QCoreApplication aplicacion(argc, argv);

    CLI::App app{"Tarvel: runoff curve numbers from the command line.\n"
                 "Exit status: 0 done; 1 input rejected (the message on stderr); 2 usage."};
    app.require_subcommand(1);
    Opciones opciones;
    app.add_option("--lang", opciones.idioma, "language of messages (default: the desktop program's setting)")
        ->check(CLI::IsMember({"es", "en"}));
    app.add_flag("--json", opciones.json, "print the result as one JSON object");

    const std::vector<Comando> comandos{
        RegistrarLookup(app, opciones),
        RegistrarSuelo(app, opciones),
        RegistrarBosque(app, opciones),
        RegistrarSerie(app, opciones),
        RegistrarCn(app, opciones),
        RegistrarRaster(app, opciones),
    };

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? kHecho : kUso;
    }

    if (opciones.idioma == "en") {
        AplicarIdioma(kNombreIngles);
    } else if (opciones.idioma == "es") {
        AplicarIdioma(kNombreEspanol);
    } else {
        AplicarIdioma(LeerIdiomaGuardado().toStdString());
    }

    for (const auto& comando : comandos) {
        if (comando.subcomando->parsed()) return comando.accion();
    }
    return kUso;
}
