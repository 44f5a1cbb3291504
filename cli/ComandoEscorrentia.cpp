// runoff CN P [--lambda 0.2|0.05|both]: the runoff depth of a design storm on
// one curve number under the antecedent conditions I, II and III, as the
// runoff window shows it; runoff --csv FILE for many.
#include <memory>
#include <optional>

#include "app/Patrones.h"
#include "app/TablaTextos.h"
#include "cli/Comun.h"
#include "cli/batch/Evaluacion.h"

namespace tarvel::cli {

Comando RegistrarEscorrentia(CLI::App& app, const Opciones& opciones) {
    struct Argumentos {
        std::string cn;
        std::string p;
        std::optional<std::string> lambda;
        std::string csv;
    };
    auto a = std::make_shared<Argumentos>();
    auto* escorrentia =
        app.add_subcommand("runoff", "the runoff depth Q of a design storm on one curve number, conditions I, II, III");
    escorrentia->fallthrough();
    auto* cn = escorrentia->add_option("CN", a->cn, "curve number for condition II, above 0 and at most 100");
    auto* p = escorrentia->add_option("P", a->p, "design storm depth in mm, from 0 to " + TextoNumero(kLluviaMaxima));
    escorrentia
        ->add_option("--lambda", a->lambda,
                     "initial abstraction ratio Ia/S: 0.2 (default, that of the published tables), 0.05 (the "
                     "retention converted), or both, one below the other (with --csv: for rows that give none)")
        ->type_name("0.2|0.05|both");
    escorrentia->footer(
        "Printed, tab-separated: P, then for each ratio and each condition I, II, III the curve number (with 0.05 also\n"
        "the equivalent CN0.05 = 25400 / (254 + S0.05)), the retention S, the initial abstraction Ia and the runoff Q\n"
        "in mm, then a line per ratio with Q under condition II. S = 25400 / CN - 254; with 0.2, Ia = 0.2 S; with\n"
        "0.05, S0.05 = 1.33 S^1.15 (S in inches) and Ia = 0.05 S0.05; Q = (P - Ia)^2 / (P - Ia + S) when P > Ia, else 0.");
    auto* csv = AnadirCsv(*escorrentia, a->csv,
                          "columns cn,p and optionally lambda give cn_J, s02_J_mm, ia02_J_mm, q02_J_mm, cn005_J, "
                          "s005_J_mm, ia005_J_mm, q005_J_mm (J = i, ii, iii; those of a ratio not asked for empty)");

    return {escorrentia, [a, cn, p, csv, &opciones] {
                if (FormaLote(csv, {cn, p})) {
                    const auto eleccion =
                        a->lambda ? LeerLambda(*a->lambda) : Leido<EleccionLambda>(EleccionLambda::Clasica);
                    return EjecutarLoteCsv(opciones,
                                           eleccion ? Leido<DefinicionLote>(LoteEscorrentia(*eleccion))
                                                    : std::unexpected(eleccion.error()),
                                           a->csv);
                }
                const auto resultado = ResolverEscorrentia(a->cn, a->p, a->lambda, EleccionLambda::Clasica);
                if (!resultado) return Rechazar(resultado.error());
                const Tormenta& tormenta = resultado->tormenta;
                const auto tabla = CalcularTablaEscorrentia({resultado->cn, std::nullopt, tormenta.P, tormenta.lambda});
                if (!tabla) return Rechazar(std::string(Texto(MensajeEscorrentia(tabla.error()))));

                nlohmann::ordered_json porLambda = nlohmann::ordered_json::array();
                for (const auto& [lambda, curva] : resultado->porLambda) {
                    nlohmann::ordered_json objeto{{"lambda", ValorLambda(lambda)}};
                    objeto.update(JsonEscorrentia(lambda, curva));
                    porLambda.push_back(std::move(objeto));
                }
                return Escribir(opciones,
                                {{"cn", resultado->cn},
                                 {"p", tormenta.P},
                                 {"lambda", NombreEleccionLambda(tormenta.lambda)},
                                 {"runoff", std::move(porLambda)}},
                                TextoEscorrentia(*tabla));
            }};
}

}  // namespace tarvel::cli
