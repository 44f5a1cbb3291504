// cn VEG TREATMENT CONDITION GROUP: the row of Datos.dat that the answers of
// the step-by-step window designate, and the curve number found there; cn
// --csv FILE for many surfaces.
#include <memory>

#include "cli/Comun.h"
#include "cli/batch/Evaluacion.h"

namespace tarvel::cli {

Comando RegistrarCn(CLI::App& app, const Opciones& opciones) {
    struct Argumentos {
        std::string vegetacion;
        std::string laboreo;
        std::string condicion;
        std::string grupo;
        std::string csv;
    };
    auto argumentos = std::make_shared<Argumentos>();
    auto* cn = app.add_subcommand("cn", "the row and curve number of a vegetation, treatment, condition and soil group");
    cn->fallthrough();
    auto* vegetacion = cn->add_option("VEG", argumentos->vegetacion, "vegetation entry: 0-13 general, 14-18 arid");
    auto* laboreo = cn->add_option("TREATMENT", argumentos->laboreo, "treatment 0-7, -1 where none is asked");
    auto* condicion = cn->add_option("CONDITION", argumentos->condicion,
                                     "0 poor, 1 good, 2 fair; forest class 1-5 for woods; -1 where none is asked");
    auto* grupo = cn->add_option("GROUP", argumentos->grupo, "hydrologic soil group A, B, C or D");
    auto* csv = AnadirCsv(*cn, argumentos->csv,
                          "columns vegetation,treatment,condition,group give the columns row,text,missing");

    return {cn, [argumentos, vegetacion, laboreo, condicion, grupo, csv, &opciones] {
                if (FormaLote(csv, {vegetacion, laboreo, condicion, grupo})) {
                    return EjecutarLoteCsv(opciones, LoteCn(RutaDatosPrograma()), argumentos->csv);
                }
                FilasDeDatos datos(RutaDatosPrograma());
                const auto numero = NumeroCurvaDeRespuestas(argumentos->vegetacion, argumentos->laboreo,
                                                            argumentos->condicion, argumentos->grupo, datos);
                if (!numero) return Rechazar(numero.error());
                return EscribirNumeroCurva(opciones, *numero, true);
            }};
}

}  // namespace tarvel::cli
