// cn VEG TREATMENT CONDITION GROUP: the row of Datos.dat that the answers of
// the step-by-step window designate, and the curve number found there; cn
// --csv FILE for many surfaces.
#include <memory>

#include "app/SessionState.h"
#include "app/TablaTextos.h"
#include "cli/Comun.h"
#include "cli/Evaluacion.h"
#include "determination/Clasificacion.h"

namespace tarvel::cli {

Comando RegistrarCn(CLI::App& app, const Opciones& opciones) {
    struct Argumentos {
        int vegetacion = 0;
        int laboreo = -1;
        int condicion = -1;
        std::string grupo;
        std::string csv;
    };
    auto argumentos = std::make_shared<Argumentos>();
    auto* cn = app.add_subcommand("cn", "the row and curve number of a vegetation, treatment, condition and soil group");
    cn->fallthrough();
    auto* vegetacion = cn->add_option("VEG", argumentos->vegetacion, "vegetation entry: 0-13 general, 14-18 arid")
                           ->check(CLI::Range(0, kPrimeraArida + kEntradasAridas - 1));
    auto* laboreo = cn->add_option("TREATMENT", argumentos->laboreo, "treatment 0-7, -1 where none is asked")
                        ->check(CLI::Range(-1, kTratamientos - 1));
    auto* condicion = cn->add_option("CONDITION", argumentos->condicion,
                                     "0 poor, 1 good, 2 fair; forest class 1-5 for woods; -1 where none is asked")
                          ->check(CLI::Range(-1, 5));
    auto* grupo = cn->add_option("GROUP", argumentos->grupo, "hydrologic soil group A, B, C or D")
                      ->transform(CLI::IsMember({"A", "B", "C", "D"}, CLI::ignore_case));
    auto* csv = AnadirCsv(*cn, argumentos->csv, {vegetacion, laboreo, condicion, grupo});
    csv->description(std::string(csv->get_description()) +
                     "; columns vegetation,treatment,condition,group give the columns row,text,missing");

    return {cn, [argumentos, csv, &opciones] {
                if (csv->count() > 0) {
                    // One reading of the data file serves the whole batch.
                    auto datos = LeerDatos(RutaDatos(CarpetaPrograma()));
                    if (!datos) return Rechazar(MensajeErrorDatos(datos.error(), gIdioma));
                    return EjecutarLoteCsv(opciones, LoteCn(std::move(*datos)), argumentos->csv);
                }
                const auto fila = FilaDeRespuestas(argumentos->vegetacion, argumentos->laboreo, argumentos->condicion);
                if (!fila) return Rechazar(std::string(Texto(fila.error())));
                return EscribirNumeroCurva(opciones, *fila, argumentos->grupo, true);
            }};
}

}  // namespace tarvel::cli
