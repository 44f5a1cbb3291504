// forest LITTER HUMUS COMPACTNESS [--after-compaction]: the forest hydrologic
// condition class as the forest dialog computes it; forest --csv FILE for many.
#include <memory>

#include "cli/Comun.h"
#include "cli/batch/Evaluacion.h"

namespace tarvel::cli {

Comando RegistrarBosque(CLI::App& app, const Opciones& opciones) {
    struct Argumentos {
        std::string arrope;
        std::string humus;
        std::string compacidad;
        bool despues = false;
        std::string csv;
    };
    auto argumentos = std::make_shared<Argumentos>();
    auto* bosque = app.add_subcommand("forest", "the forest hydrologic condition class I to V");
    bosque->fallthrough();
    auto* arrope = bosque->add_option("LITTER", argumentos->arrope, "depth of the litter layer in cm");
    auto* humus = bosque->add_option("HUMUS", argumentos->humus, "depth of the humus layer in cm");
    auto* compacidad = bosque->add_option(
        "COMPACTNESS", argumentos->compacidad,
        "degree of compactness: F frozen, 1 compact, 2 moderately compact, 3 not compact");
    bosque->add_flag("--after-compaction", argumentos->despues,
                     "the litter was measured after compaction (with --csv: for rows that do not say)");
    auto* csv = AnadirCsv(*bosque, argumentos->csv,
                          "columns litter,humus,compactness and optionally after_compaction (1/0, yes/no, "
                          "true/false) give the columns class,R");

    return {bosque, [argumentos, arrope, humus, compacidad, csv, &opciones] {
                if (FormaLote(csv, {arrope, humus, compacidad})) {
                    return EjecutarLoteCsv(opciones, LoteBosque(argumentos->despues), argumentos->csv);
                }
                const auto condicion = CondicionDeBosque(argumentos->arrope, argumentos->humus,
                                                         argumentos->compacidad, argumentos->despues);
                if (!condicion) return Rechazar(condicion.error());
                return Escribir(opciones, {{"class", condicion->clase}, {"R", condicion->R}},
                                std::string(condicion->clase));
            }};
}

}  // namespace tarvel::cli
