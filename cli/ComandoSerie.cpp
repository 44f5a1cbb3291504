// series NAC NOB [--years TEXT]: checks the three texts as the series input
// window does, then prints the results table as the results window shows it
// and, with a span, the span and the mean change per year.
#include <memory>
#include <optional>

#include "app/Patrones.h"
#include "app/TablaTextos.h"
#include "cli/Comun.h"
#include "series/Serie.h"
#include "series/ValidacionSerie.h"

namespace tarvel::cli {

Comando RegistrarSerie(CLI::App& app, const Opciones& opciones) {
    struct Argumentos {
        std::string nac;
        std::string nob;
        std::optional<std::string> anios;
    };
    auto argumentos = std::make_shared<Argumentos>();
    auto* serie = app.add_subcommand("series", "the progressive series of a hillside from NAC to NOB");
    serie->fallthrough();
    serie->add_option("NAC", argumentos->nac, "curve number of the present, degraded hillside")->required();
    serie->add_option("NOB", argumentos->nob, "curve number of the restored target, below NAC")->required();
    serie->add_option("--years", argumentos->anios, "time span in years, a whole number from 2");

    return {serie, [argumentos, &opciones] {
                const auto entrada = ValidarSerie(argumentos->nac, argumentos->nob, argumentos->anios.has_value(),
                                                  argumentos->anios.value_or(""));
                if (!entrada) return Rechazar(std::string(Texto(MensajeDeRechazo(entrada.error()))));
                // ValidarSerie lets through only values the series can be
                // computed from; a fault all the same is refused like the
                // input it comes from, never printed as a number.
                const auto calculada = CalcularSerie(entrada->nac, entrada->nob);
                if (!calculada) return Rechazar(std::string(Texto(MensajeDeRechazo(RechazoSerie::NACFueraDeRango))));

                const TablaSerie tabla = TablaDeSerie(*calculada);
                std::string texto = TablaSerieTsv(tabla);
                texto.pop_back();
                nlohmann::ordered_json celdas = nlohmann::ordered_json::array();
                for (int fila = 1; fila < kFilasTablaSerie; ++fila) celdas.push_back(tabla[fila]);
                nlohmann::ordered_json objeto{{"nac", calculada->NAC}, {"pac", calculada->PAC},
                                              {"nob", calculada->NOB}, {"pob", calculada->POB},
                                              {"cells", celdas}};
                if (entrada->lapso == 0) {
                    objeto["years"] = 0;
                    return Escribir(opciones, objeto, texto);
                }
                const auto variacion = VariacionAnual(entrada->nac, entrada->nob, entrada->lapso);
                if (!variacion) return Rechazar(std::string(Texto(MensajeDeRechazo(RechazoSerie::LapsoIncorrecto))));
                const std::string variacionTexto = Formatear(*variacion, Patron::DosDecimales);
                // The span is a whole number of years: it is written as one.
                objeto["years"] = static_cast<long long>(entrada->lapso);
                objeto["annual"] = *variacion;
                objeto["annual_text"] = variacionTexto;
                // As the span panel of the results window reads.
                texto += '\n' + std::string(Texto(199)) + ' ' + TextoNumero(entrada->lapso) + ' ' +
                         std::string(Texto(200)) + " \u0394N/\u0394t = " + variacionTexto;
                return Escribir(opciones, objeto, texto);
            }};
}

}  // namespace tarvel::cli
