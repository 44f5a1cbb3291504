// lookup ROW GROUP: the curve-number text of a row and a soil group, as the
// step-by-step screen shows it.
#include <memory>

#include "cli/Comun.h"
#include "cli/batch/Evaluacion.h"

namespace tarvel::cli {

Comando RegistrarLookup(CLI::App& app, const Opciones& opciones) {
    struct Argumentos {
        std::string fila;
        std::string grupo;
    };
    auto argumentos = std::make_shared<Argumentos>();
    auto* lookup = app.add_subcommand("lookup", "the curve-number text of a row of Datos.dat and a soil group");
    lookup->fallthrough();
    auto* fila = lookup->add_option("ROW", argumentos->fila, "row of the data file, 1 to 72");
    auto* grupo = lookup->add_option("GROUP", argumentos->grupo, "hydrologic soil group A, B, C or D");

    return {lookup, [argumentos, fila, grupo, &opciones] {
                ExigirArgumentos({fila, grupo});
                FilasDeDatos datos(RutaDatosPrograma());
                const auto numero = NumeroCurvaDeFila(argumentos->fila, argumentos->grupo, datos);
                if (!numero) return Rechazar(numero.error());
                return EscribirNumeroCurva(opciones, *numero, false);
            }};
}

}  // namespace tarvel::cli
