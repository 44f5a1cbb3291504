// cn VEG TREATMENT CONDITION GROUP: the row of Datos.dat that the answers of
// the step-by-step window designate, and the curve number found there.
#include <memory>

#include "app/TablaTextos.h"
#include "cli/Comun.h"
#include "determination/Clasificacion.h"

namespace tarvel::cli {

Comando RegistrarCn(CLI::App& app, const Opciones& opciones) {
    struct Argumentos {
        int vegetacion = 0;
        int laboreo = -1;
        int condicion = -1;
        std::string grupo;
    };
    auto argumentos = std::make_shared<Argumentos>();
    auto* cn = app.add_subcommand("cn", "the row and curve number of a vegetation, treatment, condition and soil group");
    cn->fallthrough();
    cn->add_option("VEG", argumentos->vegetacion, "vegetation entry: 0-13 general, 14-18 arid")
        ->required()
        ->check(CLI::Range(0, kPrimeraArida + kEntradasAridas - 1));
    cn->add_option("TREATMENT", argumentos->laboreo, "treatment 0-7, -1 where none is asked")
        ->required()
        ->check(CLI::Range(-1, kTratamientos - 1));
    cn->add_option("CONDITION", argumentos->condicion,
                   "0 poor, 1 good, 2 fair; forest class 1-5 for woods; -1 where none is asked")
        ->required()
        ->check(CLI::Range(-1, 5));
    cn->add_option("GROUP", argumentos->grupo, "hydrologic soil group A, B, C or D")
        ->required()
        ->transform(CLI::IsMember({"A", "B", "C", "D"}, CLI::ignore_case));

    return {cn, [argumentos, &opciones] {
                const auto fila = FilaDeDatos(argumentos->vegetacion, argumentos->laboreo, argumentos->condicion);
                // The tables list no row for these answers.
                if (!fila) return Rechazar(std::string(Texto(210)));
                return EscribirNumeroCurva(opciones, *fila, argumentos->grupo, true);
            }};
}

}  // namespace tarvel::cli
