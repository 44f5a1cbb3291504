// tarvel-cli: the rules of the desktop program from the command line, on the
// same Datos.dat (beside this executable) and the same texts.
//
// Exit status: 0 done; 1 input rejected (the program's message on stderr); 2 usage.
#include <CLI/CLI.hpp>
#include <QCoreApplication>
#include <QFile>
#include <iostream>
#include <nlohmann/json.hpp>

#include "app/Idioma.h"
#include "app/SessionState.h"
#include "data/Datos.h"
#include "ui/Configuracion.h"

namespace {

constexpr int kHecho = 0;
constexpr int kRechazado = 1;
constexpr int kUso = 2;

struct Opciones {
    std::string idioma;  // "es", "en", or empty for the stored setting
    bool json = false;
};

std::filesystem::path CarpetaPrograma() {
    return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
}

// The language of the run: --lang if given, else the desktop program's setting.
void FijarIdioma(const Opciones& opciones) {
    if (opciones.idioma == "en") {
        tarvel::AplicarIdioma(tarvel::kNombreIngles);
    } else if (opciones.idioma == "es") {
        tarvel::AplicarIdioma(tarvel::kNombreEspanol);
    } else {
        tarvel::AplicarIdioma(tarvel::LeerIdiomaGuardado().toStdString());
    }
}

int Rechazar(const std::string& mensaje) {
    std::cerr << mensaje << '\n';
    return kRechazado;
}

int Lookup(const Opciones& opciones, int fila, const std::string& letra) {
    const int grupo = letra.front() - 'A' + 1;
    const auto valor = tarvel::ValorNumeroCurva(tarvel::RutaDatos(CarpetaPrograma()), fila, grupo);
    if (!valor) return Rechazar(tarvel::MensajeErrorDatos(valor.error(), tarvel::gIdioma));
    const auto presentacion = tarvel::PresentarNumeroCurva(*valor, fila, grupo);
    if (opciones.json) {
        const nlohmann::ordered_json objeto = {
            {"row", fila}, {"group", letra}, {"text", presentacion.texto}, {"missing", valor->falta}};
        std::cout << objeto.dump() << '\n';
    } else {
        std::cout << presentacion.texto << '\n';
    }
    return kHecho;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication aplicacion(argc, argv);

    CLI::App app{"Tarvel: runoff curve numbers from the command line."};
    app.require_subcommand(1);
    Opciones opciones;
    app.add_option("--lang", opciones.idioma, "language of messages (default: the desktop program's setting)")
        ->check(CLI::IsMember({"es", "en"}));
    app.add_flag("--json", opciones.json, "print the result as one JSON object");

    int fila = 0;
    std::string grupo;
    auto* lookup = app.add_subcommand("lookup", "the curve-number text of a row of Datos.dat and a soil group");
    lookup->fallthrough();
    lookup->add_option("ROW", fila, "row of the data file, 1 to 72")->required()->check(CLI::Range(1, tarvel::kFilasDatos));
    lookup->add_option("GROUP", grupo, "hydrologic soil group A, B, C or D")
        ->required()
        ->transform(CLI::IsMember({"A", "B", "C", "D"}, CLI::ignore_case));

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int salida = app.exit(error);
        return salida == 0 ? kHecho : kUso;
    }
    FijarIdioma(opciones);

    if (*lookup) return Lookup(opciones, fila, grupo);
    return kUso;
}
