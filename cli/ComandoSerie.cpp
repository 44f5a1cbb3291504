// series NAC NOB [--years TEXT]: checks the three texts as the series input
// window does, then prints the results table as the results window shows it
// and, with a span, the span and the mean change per year; with --storm P,
// the runoff of both hillsides and the saving as the runoff window shows
// them; with --by-year, the path year by year instead. series --csv FILE
// for many hillsides.
#include <memory>
#include <optional>

#include "app/Patrones.h"
#include "app/TablaTextos.h"
#include "app/TextosMensajes.h"
#include "cli/Comun.h"
#include "cli/batch/Evaluacion.h"

namespace tarvel::cli {
namespace {

nlohmann::ordered_json Condiciones(const std::array<double, 3>& valores) { return valores; }

// The path with --json: one object per year.
nlohmann::ordered_json JsonTrayectoria(const Trayectoria& trayectoria) {
    const bool clasica = trayectoria.ConEscorrentia(Lambda::Clasica);
    const bool reducida = trayectoria.ConEscorrentia(Lambda::Reducida);
    nlohmann::ordered_json anios = nlohmann::ordered_json::array();
    for (const AnioTrayectoria& anio : trayectoria.anios) {
        nlohmann::ordered_json objeto{
            {"year", anio.anio}, {"cn", Condiciones(anio.CN)}, {"threshold_mm", Condiciones(anio.umbral)}};
        if (clasica) objeto["q02_mm"] = Condiciones(anio.QClasica);
        if (reducida) objeto["q005_mm"] = Condiciones(anio.QReducida);
        if (clasica) objeto["ia02_mm"] = Condiciones(anio.IaClasica);
        if (reducida) objeto["ia005_mm"] = Condiciones(anio.IaReducida);
        anios.push_back(std::move(objeto));
    }
    return anios;
}

// The runoff of both hillsides with --json, ratio after ratio.
nlohmann::ordered_json JsonEscorrentiaSerie(const std::vector<EscorrentiaSeriePorLambda>& escorrentia) {
    nlohmann::ordered_json lista = nlohmann::ordered_json::array();
    for (const auto& [lambda, serie] : escorrentia) {
        nlohmann::ordered_json mm = nlohmann::ordered_json::array();
        nlohmann::ordered_json porcentaje = nlohmann::ordered_json::array();
        for (const AhorroEscorrentia& ahorro : serie.ahorro) {
            mm.push_back(ahorro.mm);
            porcentaje.push_back(ahorro.porcentaje ? nlohmann::ordered_json(*ahorro.porcentaje) : nullptr);
        }
        lista.push_back({{"lambda", ValorLambda(lambda)},
                         {"nac", JsonEscorrentia(lambda, serie.NAC)},
                         {"nob", JsonEscorrentia(lambda, serie.NOB)},
                         {"saving_mm", std::move(mm)},
                         {"saving_pct", std::move(porcentaje)}});
    }
    return lista;
}

}  // namespace

Comando RegistrarSerie(CLI::App& app, const Opciones& opciones) {
    struct Argumentos {
        std::string nac;
        std::string nob;
        std::optional<std::string> anios;
        std::optional<std::string> lluvia;
        std::optional<std::string> lambda;
        bool porAnio = false;
        std::string csv;
    };
    auto a = std::make_shared<Argumentos>();
    auto* serie = app.add_subcommand("series", "the progressive series of a hillside from NAC to NOB");
    serie->fallthrough();
    auto* nac = serie->add_option("NAC", a->nac, "curve number of the present, degraded hillside");
    auto* nob = serie->add_option("NOB", a->nob, "curve number of the restored target, below NAC");
    auto* anios = serie->add_option("--years", a->anios,
                                    "time span in years, a whole number from " + std::to_string(kLapsoMinimo) + " to " +
                                        std::to_string(kLapsoMaximo) + " (with --csv: for rows that give none)");
    auto* lluvia = serie->add_option("--storm", a->lluvia,
                                     "design storm depth P in mm, from 0 to " + TextoNumero(kLluviaMaxima) +
                                         ": adds the runoff of both hillsides under conditions I, II, III and the "
                                         "saving, in mm and per cent (with --csv: for rows that give none)")
                       ->type_name("P");
    auto* lambda = serie->add_option("--lambda", a->lambda,
                                     "initial abstraction ratio of the storm's runoff: 0.2 (default), 0.05 or both "
                                     "(with --csv: for rows that give none)")
                       ->type_name("0.2|0.05|both");
    serie->add_flag("--by-year", a->porAnio,
                    "print the path year by year over the span instead (needs --years): year, curve numbers "
                    "cn_J, runoff thresholds threshold_J_mm and, with --storm, runoff q02_J_mm, q005_J_mm "
                    "and initial abstractions Ia = lambda S ia02_J_mm, ia005_J_mm of the ratios asked for "
                    "(J = i, ii, iii), tab-separated");
    serie->footer(
        "With --storm, the runoff table of both hillsides and the saving NAC - NOB follow the results table. With\n"
        "--by-year, the curve number of year t is NAC - t (NAC - NOB) / T, from NAC in year 0 to NOB in year T,\n"
        "converted to conditions I and III as the results table converts them; values at full precision.");
    auto* csv = AnadirCsv(
        *serie, a->csv,
        "columns nac,nob and optionally years, storm, lambda give the table cells nac_J,pac_J,nob_J,pob_J "
        "(J = 1, 2, 3) and annual; with a storm also q02_nac_J_mm, q02_nob_J_mm, saving02_J_mm, saving02_J_pct "
        "and the same with 005 (J = i, ii, iii); with --by-year one row per year, with the columns --by-year prints");

    return {serie, [a, nac, nob, anios, lluvia, lambda, csv, &opciones] {
                if (FormaLote(csv, {nac, nob})) {
                    // The options give the rows that have no value of their own: refused once, here.
                    const auto definicion = [&a]() -> Leido<DefinicionLote> {
                        std::optional<double> p;
                        if (a->lluvia) {
                            const auto leida = LeerTormenta(*a->lluvia, "storm");
                            if (!leida) return std::unexpected(leida.error());
                            p = *leida;
                        }
                        auto eleccion = EleccionLambda::Clasica;
                        if (a->lambda) {
                            const auto leida = LeerLambda(*a->lambda);
                            if (!leida) return std::unexpected(leida.error());
                            eleccion = *leida;
                        }
                        return a->porAnio ? LoteTrayectoria(a->anios, p, eleccion) : LoteSerie(a->anios, p, eleccion);
                    }();
                    return EjecutarLoteCsv(opciones, definicion, a->csv);
                }
                if (lambda->count() > 0 && lluvia->count() == 0) Uso(kTextoFaltaArgumento, {"--storm"});
                if (a->porAnio && anios->count() == 0) Uso(kTextoFaltaArgumento, {"--years"});
                const auto resultado = ResolverSerie(a->nac, a->nob, a->anios);
                if (!resultado) return Rechazar(resultado.error());
                const auto tormenta = LeerTormentaSerie(a->lluvia, a->lambda, std::nullopt, EleccionLambda::Clasica);
                if (!tormenta) return Rechazar(tormenta.error());

                if (a->porAnio) {
                    const auto trayectoria = TrayectoriaDeSerie(*resultado, *tormenta);
                    if (!trayectoria) return Rechazar(trayectoria.error());
                    std::string texto = TextoTrayectoria(*trayectoria, '\t');
                    texto.pop_back();
                    return Escribir(opciones, JsonTrayectoria(*trayectoria), texto);
                }

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
                } else {
                    const double lapso = resultado->entrada.lapso;
                    // The span is a whole number of years: it is written as one.
                    objeto["years"] = static_cast<long long>(lapso);
                    objeto["annual"] = *resultado->variacion;
                    objeto["annual_text"] = resultado->variacionTexto;
                    // As the span panel of the results window reads.
                    texto += '\n' + std::string(Texto(199)) + ' ' + TextoNumero(lapso) + ' ' +
                             std::string(Texto(200)) + " \u0394N/\u0394t = " + resultado->variacionTexto;
                }
                if (*tormenta) {
                    const Tormenta& t = **tormenta;
                    const auto escorrentia = EscorrentiaDeSerie(*resultado, t);
                    if (!escorrentia) return Rechazar(escorrentia.error());
                    const EntradaSerie& e = resultado->entrada;
                    const auto tabla = CalcularTablaEscorrentia({e.nac, e.nob, t.P, t.lambda});
                    if (!tabla) return Rechazar(std::string(Texto(MensajeEscorrentia(tabla.error()))));
                    texto += "\n\n" + TextoEscorrentia(*tabla);
                    objeto["storm"] = t.P;
                    objeto["lambda"] = NombreEleccionLambda(t.lambda);
                    objeto["runoff"] = JsonEscorrentiaSerie(*escorrentia);
                }
                return Escribir(opciones, objeto, texto);
            }};
}

}  // namespace tarvel::cli
