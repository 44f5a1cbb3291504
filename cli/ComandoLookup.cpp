// lookup ROW GROUP: the curve-number text of a row and a soil group, as the
// step-by-step screen shows it.
#include <memory>

#include "cli/Comun.h"
#include "data/Datos.h"

namespace tarvel::cli {

Comando RegistrarLookup(CLI::App& app, const Opciones& opciones) {
    struct Argumentos {
        int fila = 0;
        std::string grupo;
    };
    auto argumentos = std::make_shared<Argumentos>();
    auto* lookup = app.add_subcommand("lookup", "the curve-number text of a row of Datos.dat and a soil group");
    lookup->fallthrough();
    lookup->add_option("ROW", argumentos->fila, "row of the data file, 1 to 72")
        ->required()
        ->check(CLI::Range(1, kFilasDatos));
    lookup->add_option("GROUP", argumentos->grupo, "hydrologic soil group A, B, C or D")
        ->required()
        ->transform(CLI::IsMember({"A", "B", "C", "D"}, CLI::ignore_case));

    return {lookup, [argumentos, &opciones] {
                return EscribirNumeroCurva(opciones, argumentos->fila, argumentos->grupo, false);
            }};
}

}  // namespace tarvel::cli
