// soil rate CLASS and soil texture CLAY SILT SAND: the hydrologic soil group
// as the soil dialog finds it.
#include <array>
#include <memory>

#include "app/TablaTextos.h"
#include "cli/Comun.h"
#include "determination/GrupoSuelo.h"

namespace tarvel::cli {

Comando RegistrarSuelo(CLI::App& app, const Opciones& opciones) {
    struct Argumentos {
        int clase = 0;
        std::array<std::string, 3> porcentajes;  // clay, silt, sand
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
    for (std::size_t i = 0; i < kNombres.size(); ++i) {
        textura->add_option(kNombres[i], argumentos->porcentajes[i], "percentage, a number of 0 or more")->required();
    }

    return {suelo, [argumentos, tasa, &opciones] {
                std::string_view letra;
                if (tasa->parsed()) {
                    letra = GrupoPorTasa(argumentos->clase);
                } else {
                    std::array<float, 3> valores{};
                    std::array<bool, 3> validos{};
                    for (std::size_t i = 0; i < valores.size(); ++i) {
                        const Porcentaje leido = ValidarPorcentaje(argumentos->porcentajes[i]);
                        if (!leido.valido) return Rechazar(std::string(Texto(210)));
                        valores[i] = leido.valor;
                        validos[i] = true;
                    }
                    const ComprobacionTextura comprobacion = ComprobarTextura(valores, validos);
                    if (comprobacion.resultado != ComprobacionTextura::Resultado::Grupo) {
                        return Rechazar(std::string(Texto(209)));
                    }
                    letra = comprobacion.letra;
                }
                return Escribir(opciones, {{"group", letra}}, std::string(letra));
            }};
}

}  // namespace tarvel::cli
