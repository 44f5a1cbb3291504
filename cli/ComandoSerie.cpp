// series NAC NOB [--years TEXT]: checks the three texts as the series input
// window does, then prints the results table as the results window shows it
// and, with a span, the span and the mean change per year; series --csv FILE
// for many hillsides.
#include <memory>
#include <optional>

#include "app/Patrones.h"
#include "app/TablaTextos.h"
#include "cli/Comun.h"
#include "cli/Evaluacion.h"

namespace tarvel::cli {

Comando RegistrarSerie(CLI::App& app, const Opciones& opciones) {
    struct Argumentos {
        std::string nac;
        std::string nob;
        std::optional<std::string> anios;
        std::string csv;
    };
    auto argumentos = std::make_shared<Argumentos>();
    auto* serie = app.add_subcommand("series", "the progressive series of a hillside from NAC to NOB");
    serie->fallthrough();
    auto* nac = serie->add_option("NAC", argumentos->nac, "curve number of the present, degraded hillside");
    auto* nob = serie->add_option("NOB", argumentos->nob, "curve number of the restored target, below NAC");
    serie->add_option("--years", argumentos->anios,
                      "time span in years, a whole number from 2 (with --csv: for rows that give none)");
    auto* csv = AnadirCsv(*serie, argumentos->csv,
                          "columns nac,nob and optionally years give the table cells nac_J,pac_J,nob_J,pob_J "
                          "(J = 1, 2, 3) and annual");

    return {serie, [argumentos, nac, nob, csv, &opciones] {
                if (FormaLote(csv, {nac, nob})) {
                    return EjecutarLoteCsv(opciones, LoteSerie(argumentos->anios), argumentos->csv);
                }
                const auto resultado = ResolverSerie(argumentos->nac, argumentos->nob, argumentos->anios);
                if (!resultado) return Rechazar(resultado.error());

                std::string texto = TablaSerieTsv(resultado->tabla);
                texto.pop_back();
                nlohmann::ordered_json celdas = nlohmann::ordered_json::array();
                for (int fila = 1; fila < kFilasTablaSerie; ++fila) celdas.push_back(resultado->tabla[fila]);
                const SerieNC& calculada = resultado->serie;
                nlohmann::ordered_json objeto{{"nac", calculada.NAC}, {"pac", calculada.PAC},
                                              {"nob", calculada.NOB}, {"pob", calculada.POB},
                                              {"cells", celdas}};
                if (!resultado->variacion) {
                    objeto["years"] = 0;
                    return Escribir(opciones, objeto, texto);
                }
                const double lapso = resultado->entrada.lapso;
                // The span is a whole number of years: it is written as one.
                objeto["years"] = static_cast<long long>(lapso);
                objeto["annual"] = *resultado->variacion;
                objeto["annual_text"] = resultado->variacionTexto;
                // As the span panel of the results window reads.
                texto += '\n' + std::string(Texto(199)) + ' ' + TextoNumero(lapso) + ' ' + std::string(Texto(200)) +
                         " \u0394N/\u0394t = " + resultado->variacionTexto;
                return Escribir(opciones, objeto, texto);
            }};
}

}  // namespace tarvel::cli
