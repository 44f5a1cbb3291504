// forest LITTER HUMUS COMPACTNESS [--after-compaction]: the forest hydrologic
// condition class as the forest dialog computes it.
#include <memory>

#include "app/TablaTextos.h"
#include "cli/Comun.h"
#include "determination/CondicionBosque.h"

namespace tarvel::cli {

Comando RegistrarBosque(CLI::App& app, const Opciones& opciones) {
    struct Argumentos {
        std::string arrope;
        std::string humus;
        std::string compacidad;
        bool despues = false;
    };
    auto argumentos = std::make_shared<Argumentos>();
    auto* bosque = app.add_subcommand("forest", "the forest hydrologic condition class I to V");
    bosque->fallthrough();
    bosque->add_option("LITTER", argumentos->arrope, "depth of the litter layer in cm")->required();
    bosque->add_option("HUMUS", argumentos->humus, "depth of the humus layer in cm")->required();
    bosque->add_option("COMPACTNESS", argumentos->compacidad,
                       "degree of compactness: F frozen, 1 compact, 2 moderately compact, 3 not compact")
        ->required()
        ->transform(CLI::IsMember({"F", "1", "2", "3"}, CLI::ignore_case));
    bosque->add_flag("--after-compaction", argumentos->despues, "the litter was measured after compaction");

    return {bosque, [argumentos, &opciones] {
                const auto arrope = LeerEspesor(argumentos->arrope);
                const auto humus = LeerEspesor(argumentos->humus);
                if (!arrope || !humus) return Rechazar(std::string(Texto(210)));
                double compacidad = 0;
                for (const GradoCompacidad& grado : kGradosCompacidad) {
                    if (argumentos->compacidad.front() == grado.codigo) compacidad = grado.valor;
                }
                const double factor = argumentos->despues ? kFactorArropeDespues : kFactorArropeAntes;
                const CondicionBosque condicion = ClaseCondicionBosque(*arrope, *humus, factor, compacidad);
                return Escribir(opciones, {{"class", condicion.clase}, {"R", condicion.R}},
                                std::string(condicion.clase));
            }};
}

}  // namespace tarvel::cli
