// soil rate CLASS and soil texture CLAY SILT SAND: the hydrologic soil group
// as the soil dialog finds it; soil texture --csv FILE for many soils.
#include <array>
#include <memory>

#include "app/TablaTextos.h"
#include "cli/Comun.h"
#include "cli/Evaluacion.h"
#include "determination/GrupoSuelo.h"

namespace tarvel::cli {

Comando RegistrarSuelo(CLI::App& app, const Opciones& opciones) {
    struct Argumentos {
        int clase = 0;
        std::array<std::string, 3> porcentajes;  // clay, silt, sand
        std::string csv;
    };
    auto argumentos = std::make_shared<Argumentos>();
    auto* suelo = app.add_subcommand("soil", "the hydrologic soil group A, B, C or D");
    suelo->fallthrough();
    suelo->require_subcommand(1);

    auto* tasa = suelo->add_subcommand("rate", "from the class of minimum infiltration rate");
    tasa->fallthrough();
    tasa->add_option("CLASS", argumentos->clase,
                     "0: 50 mm/h or more; 1: over 20 and under 50; 2: over 1 up to 20; 3: 1 mm/h or less")
        ->required()
        ->check(CLI::Range(0, 3));

    auto* textura = suelo->add_subcommand("texture", "from the clay, silt and sand percentages (USDA texture)");
    textura->fallthrough();
    constexpr std::array<const char*, 3> kNombres{"CLAY", "SILT", "SAND"};
    std::array<CLI::Option*, 3> posicionales{};
    for (std::size_t i = 0; i < kNombres.size(); ++i) {
        posicionales[i] =
            textura->add_option(kNombres[i], argumentos->porcentajes[i], "percentage, a number of 0 or more");
    }
    auto* csv = AnadirCsv(*textura, argumentos->csv, {posicionales[0], posicionales[1], posicionales[2]});
    csv->description(std::string(csv->get_description()) + "; columns clay,silt,sand give the column group");

    return {suelo, [argumentos, tasa, csv, &opciones] {
                std::string_view letra;
                if (tasa->parsed()) {
                    letra = GrupoPorTasa(argumentos->clase);
                } else if (csv->count() > 0) {
                    return EjecutarLoteCsv(opciones, LoteTextura(), argumentos->csv);
                } else {
                    const auto& p = argumentos->porcentajes;
                    const auto grupo = GrupoDeTextura(p[0], p[1], p[2]);
                    if (!grupo) return Rechazar(std::string(Texto(grupo.error())));
                    letra = *grupo;
                }
                return Escribir(opciones, {{"group", letra}}, std::string(letra));
            }};
}

}  // namespace tarvel::cli
