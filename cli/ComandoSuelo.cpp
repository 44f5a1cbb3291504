// soil rate CLASS and soil texture CLAY SILT SAND: the hydrologic soil group
// as the soil dialog finds it; soil texture --csv FILE for many soils.
#include <array>
#include <memory>

#include "cli/Comun.h"
#include "cli/batch/Evaluacion.h"

namespace tarvel::cli {

Comando RegistrarSuelo(CLI::App& app, const Opciones& opciones) {
    struct Argumentos {
        std::string clase;
        std::array<std::string, 3> porcentajes;  // clay, silt, sand
        std::string csv;
    };
    auto argumentos = std::make_shared<Argumentos>();
    auto* suelo = app.add_subcommand("soil", "the hydrologic soil group A, B, C or D");
    suelo->fallthrough();

    auto* tasa = suelo->add_subcommand("rate", "from the class of minimum infiltration rate");
    tasa->fallthrough();
    auto* clase =
        tasa->add_option("CLASS", argumentos->clase,
                         "0: 50 mm/h or more; 1: over 20 and under 50; 2: over 1 up to 20; 3: 1 mm/h or less");

    auto* textura = suelo->add_subcommand("texture", "from the clay, silt and sand percentages (USDA texture)");
    textura->fallthrough();
    constexpr std::array<const char*, 3> kNombres{"CLAY", "SILT", "SAND"};
    std::array<CLI::Option*, 3> p{};
    for (std::size_t i = 0; i < kNombres.size(); ++i) {
        p[i] = textura->add_option(kNombres[i], argumentos->porcentajes[i], "percentage, a number of 0 or more");
    }
    auto* csv = AnadirCsv(*textura, argumentos->csv, "columns clay,silt,sand give the column group");

    return {suelo, [argumentos, tasa, clase, p, csv, &opciones] {
                Leido<std::string_view> grupo;
                if (tasa->parsed()) {
                    ExigirArgumentos({clase});
                    grupo = GrupoDeTasa(argumentos->clase);
                } else if (FormaLote(csv, {p[0], p[1], p[2]})) {
                    return EjecutarLoteCsv(opciones, LoteTextura(), argumentos->csv);
                } else {
                    const auto& texto = argumentos->porcentajes;
                    grupo = GrupoDeTextura(texto[0], texto[1], texto[2]);
                }
                if (!grupo) return Rechazar(grupo.error());
                return Escribir(opciones, {{"group", *grupo}}, std::string(*grupo));
            }};
}

}  // namespace tarvel::cli
