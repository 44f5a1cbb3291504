// lookup ROW GROUP: the curve-number text of a row and a soil group, as the
// step-by-step screen shows it.
#include <memory>

#include "app/SessionState.h"
#include "cli/Comun.h"
#include "data/Datos.h"

namespace tarvel::cli {

Comando RegistrarLookup(CLI::App& app, const Opciones& opciones) {
    struct Argumentos {
        int fila = 0;
        std::string grupo;
    };
    auto argumentos = std::make_shared<Argumentos>();
    auto* lookup = app.add_subcommand("lookup", "the curve-number text of a row of Datos.dat and a soil group");
    lookup->fallthrough();
    lookup->add_option("ROW", argumentos->fila, "row of the data file, 1 to 72")
        ->required()
        ->check(CLI::Range(1, kFilasDatos));
    lookup->add_option("GROUP", argumentos->grupo, "hydrologic soil group A, B, C or D")
        ->required()
        ->transform(CLI::IsMember({"A", "B", "C", "D"}, CLI::ignore_case));

    return {lookup, [argumentos, &opciones] {
                const int grupo = argumentos->grupo.front() - 'A' + 1;
                const auto valor = ValorNumeroCurva(RutaDatos(CarpetaPrograma()), argumentos->fila, grupo);
                if (!valor) return Rechazar(MensajeErrorDatos(valor.error(), gIdioma));
                const auto presentacion = PresentarNumeroCurva(*valor, argumentos->fila, grupo);
                return Escribir(opciones,
                                {{"row", argumentos->fila},
                                 {"group", argumentos->grupo},
                                 {"text", presentacion.texto},
                                 {"missing", valor->falta}},
                                presentacion.texto);
            }};
}

}  // namespace tarvel::cli
