// peak tr55: the peak discharge of TR-55's graphical method; peak ic52: that
// of the modified rational method of the 5.2-IC standard. Both with --csv for
// many catchments or storms.
#include <memory>
#include <optional>

#include "app/TablaTextos.h"
#include "app/TextosMensajes.h"
#include "cli/SalidaCaudal.h"
#include "cli/batch/EvaluacionCaudal.h"
#include "hydrology/TextosCaudal.h"
#include "hydrology/TextosEscorrentia.h"

namespace tarvel::cli {
namespace {

using Texto_ = std::optional<std::string>;

std::optional<std::string_view> Vista(const Texto_& texto) {
    return texto ? std::optional<std::string_view>(*texto) : std::nullopt;
}

// An option's value read before a batch: refused once, then given to every row that leaves its column empty.
Leido<std::optional<double>> Defecto(const Texto_& texto, DatoCaudal dato) {
    if (!texto) return std::optional<double>();
    const auto leido = LeerDatoCaudal(*texto, dato);
    if (!leido) return std::unexpected(leido.error());
    return std::optional<double>(*leido);
}

CLI::Option* Opcion(CLI::App& comando, const char* nombre, Texto_& destino, const char* ayuda, const char* tipo) {
    return comando.add_option(nombre, destino, ayuda)->type_name(tipo);
}

constexpr const char* kColumnasTR55 =
    "columns area_km2,cn,storm_mm,tc_h,distribution and optionally ponds_percent (tc_h and distribution may be left "
    "out or empty where --tc or the segment options, and --distribution, give them) give peak_m3s, runoff_mm, ia_mm, "
    "ia_p, qu, fp, tc_used_h and warnings";

constexpr const char* kColumnasIC =
    "columns area_km2,pd_mm,i1id, the threshold as p0_mm or cn, the time as tc_h or length_km,slope, and optionally "
    "beta and fb (--p0 or --cn, --tc or --length and --slope, --beta and --fb give the rows that leave them empty) "
    "give peak_m3s, c, kt, i_mm_h, ka, id_mm_h, fa, fint, p0_used_mm, tc_used_h and warnings";

}  // namespace

Comando RegistrarCaudal(CLI::App& app, const Opciones& opciones) {
    struct Argumentos {
        Texto_ area, cn, lluvia, tc, distribucion, charcas;     // tr55
        Texto_ areaIC, umbral, cnIC, beta, pd, i1id, fb, tcIC, longitud, pendiente;  // ic52
        std::string csv, csvIC;
    };
    auto a = std::make_shared<Argumentos>();
    auto* pico = app.add_subcommand("peak", "peak discharge of a catchment, in m³/s");
    pico->fallthrough();

    auto* tr55 = pico->add_subcommand("tr55", "by TR-55's graphical method (NRCS, 1986, chapter 4)");
    tr55->fallthrough();
    auto* area = Opcion(*tr55, "--area", a->area, "catchment area, km²", "KM2");
    auto* cn = Opcion(*tr55, "--cn", a->cn, "curve number for condition II", "CN");
    auto* lluvia = Opcion(*tr55, "--storm", a->lluvia, "24-hour rainfall of the return period, mm", "MM");
    auto* tc = Opcion(*tr55, "--tc", a->tc, "time of concentration, h (or the segment options)", "H");
    auto tramos = AnadirOpcionesTramos(*tr55);
    auto* distribucion = Opcion(*tr55, "--distribution", a->distribucion, "rainfall distribution", "I|IA|II|III");
    Opcion(*tr55, "--ponds", a->charcas, "pond and swamp areas, % of the catchment (default 0)", "PERCENT");
    auto* csv = AnadirCsv(*tr55, a->csv, kColumnasTR55);
    tr55->footer(
        "Printed: Tc, the retention S and initial abstraction Ia = 0.2 S (the ratio the method is calibrated on), Ia/P,\n"
        "the unit peak discharge qu (m³/s per km² per mm of runoff; log qu = C0 + C1 log Tc + C2 (log Tc)^2, table F-1,\n"
        "interpolated in Ia/P), the pond and swamp factor Fp (table 4-2), the runoff Q and the peak Qp = qu A Q Fp,\n"
        "figures with three significant digits. Inputs outside the method's limits (CN below 40, Tc outside 0.1-10 h,\n"
        "Ia/P outside 0.1-0.5, over 2000 acres = 8.09 km², ponds over 5 %) are computed and warned about on standard\n"
        "error (with --json, in its warnings array). --json: {\"peak_m3s\", \"runoff_mm\", \"ia_p\", \"qu\", \"tc_h\",\n"
        "\"s_mm\", \"ia_mm\", \"qu_csm_in\", \"fp\", \"segments\" (with the segment options), \"warnings\": [{\"kind\",\n"
        "\"value\", \"limit\", \"message\"}]}.");

    auto* ic52 = pico->add_subcommand("ic52", "by the modified rational method of the 5.2-IC standard (Orden FOM/298/2016)");
    ic52->fallthrough();
    auto* areaIC = Opcion(*ic52, "--area", a->areaIC, "catchment area, km²", "KM2");
    auto* umbral = Opcion(*ic52, "--p0", a->umbral, "runoff threshold P0 before the correction, mm", "MM");
    auto* cnIC = Opcion(*ic52, "--cn", a->cnIC, "or the curve number whose threshold 0.2 S is P0", "CN");
    Opcion(*ic52, "--beta", a->beta, "regional correction coefficient of P0 (default 1)", "B");
    auto* pd = Opcion(*ic52, "--pd", a->pd, "maximum daily rainfall of the return period, mm", "MM");
    auto* i1id = Opcion(*ic52, "--i1id", a->i1id, "torrentiality index I1/Id of the place", "RATIO");
    Opcion(*ic52, "--fb", a->fb, "Fb from a local IDF curve, I(T, tc) / Id (optional)", "FB");
    auto* tcIC = Opcion(*ic52, "--tc", a->tcIC, "time of concentration, h", "H");
    auto* longitud = Opcion(*ic52, "--length", a->longitud, "or the main channel's length Lc, km", "KM");
    auto* pendiente = Opcion(*ic52, "--slope", a->pendiente, "and its mean slope Jc, m/m", "M_PER_M");
    auto* csvIC = AnadirCsv(*ic52, a->csvIC, kColumnasIC);
    ic52->footer(
        "Printed: tc, KA = 1 - log10 A / 15 (1 below 1 km²), Id = Pd KA / 24, Fa = (I1/Id)^(3.5287 - 2.5287 tc^0.1),\n"
        "Fint = max(Fa, Fb), I = Id Fint, P0 = P0i β, C = (Pd KA/P0 - 1)(Pd KA/P0 + 23) / (Pd KA/P0 + 11)^2 (0 when\n"
        "Pd KA <= P0), Kt = 1 + tc^1.25 / (tc^1.25 + 14) and Q = I C A Kt / 3.6, figures with three significant\n"
        "digits. An area over 50 km² or a tc outside 0.25-24 h is computed and warned about on standard error\n"
        "(with --json, in its warnings array).\n"
        "--json: {\"peak_m3s\", \"c\", \"kt\", \"i_mm_h\", \"tc_h\", \"ka\", \"id_mm_h\", \"fa\", \"fint\", \"p0_mm\", \"warnings\"}.");

    return {pico, [=, &opciones] {
                if (tr55->parsed()) {
                    if (tc->count() > 0 && HayTramos(*tramos)) Uso(kTextoIncompatibles, {"--tc", "--sheet|--shallow|--channel"});
                    std::optional<double> horas;
                    std::vector<TramoFlujo> camino;
                    std::optional<TiempoTR55> tiempo;
                    if (HayTramos(*tramos)) {
                        auto leidos = LeerTramos(*tr55, *tramos);
                        if (!leidos) return Rechazar(leidos.error());
                        camino = std::move(*leidos);
                        auto calculado = TiempoDeTramos(camino);
                        if (!calculado) return Rechazar(calculado.error());
                        tiempo = std::move(*calculado);
                        horas = tiempo->horas;
                    }
                    if (FormaLote(csv, {area, cn, lluvia})) {
                        PorDefectoTR55 defecto{horas, std::nullopt, std::nullopt};
                        const auto lote = [&]() -> Leido<DefinicionLote> {
                            if (!horas) {
                                auto leido = Defecto(a->tc, DatoCaudal::TiempoConcentracion);
                                if (!leido) return std::unexpected(leido.error());
                                defecto.tc = *leido;
                            }
                            if (a->distribucion) {
                                const auto leida = LeerDistribucionLluvia(*a->distribucion);
                                if (!leida) return std::unexpected(leida.error());
                                defecto.distribucion = *leida;
                            }
                            auto charcas = Defecto(a->charcas, DatoCaudal::Charcas);
                            if (!charcas) return std::unexpected(charcas.error());
                            defecto.charcas = *charcas;
                            return LotePicoTR55(defecto);
                        }();
                        return EjecutarLoteCsv(opciones, lote, a->csv);
                    }
                    if (!horas && tc->count() == 0) Uso(kTextoFaltaUnoDeDos, {"--tc", "--sheet|--shallow|--channel"});
                    ExigirArgumentos({distribucion});
                    if (!horas) {
                        const auto leido = LeerDatoCaudal(*a->tc, DatoCaudal::TiempoConcentracion);
                        if (!leido) return Rechazar(leido.error());
                        horas = *leido;
                    }
                    const auto leida = LeerDistribucionLluvia(*a->distribucion);
                    if (!leida) return Rechazar(leida.error());
                    const auto charcas = ValorODefecto(a->charcas.value_or(""), 0, DatoCaudal::Charcas);
                    if (!charcas) return Rechazar(charcas.error());
                    const auto c = PicoTR55(*a->area, *a->cn, *a->lluvia, *horas, *leida, *charcas);
                    if (!c) return Rechazar(c.error());

                    nlohmann::ordered_json objeto{{"peak_m3s", c->qp}, {"runoff_mm", c->Q}, {"ia_p", c->iaP},
                                                  {"qu", c->qu},       {"tc_h", *horas},    {"s_mm", c->S},
                                                  {"ia_mm", c->Ia},    {"qu_csm_in", c->quCsm}, {"fp", c->Fp}};
                    std::vector<Aviso> avisos;
                    std::string texto;
                    if (tiempo) {
                        objeto["segments"] = JsonTramos(camino, *tiempo);
                        avisos = tiempo->avisos;
                        texto = TextoTramos(camino, *tiempo) + "\n\n";
                    }
                    avisos.insert(avisos.end(), c->avisos.begin(), c->avisos.end());
                    objeto["warnings"] = JsonAvisos(avisos, MetodoCaudal::TR55);
                    texto += Lineas({{Texto(kTextoColumnaTc), Cifra(*horas)},
                                     {Texto(kTextoColumnaS), Cifra(c->S)},
                                     {Texto(kTextoColumnaIa), Cifra(c->Ia)},
                                     {Texto(kTextoColumnaIaP), Cifra(c->iaP)},
                                     {Texto(kTextoColumnaQu), Cifra(c->qu)},
                                     {Texto(kTextoFilaFp), Cifra(c->Fp)},
                                     {Texto(kTextoColumnaQ), Cifra(c->Q)},
                                     {Texto(kTextoColumnaQp), Cifra(c->qp)}});
                    return EscribirConAvisos(opciones, objeto, texto, avisos, MetodoCaudal::TR55);
                }

                if (umbral->count() > 0 && cnIC->count() > 0) Uso(kTextoIncompatibles, {"--p0", "--cn"});
                if (tcIC->count() > 0 && (longitud->count() > 0 || pendiente->count() > 0)) {
                    Uso(kTextoIncompatibles, {"--tc", "--length"});
                }
                if (FormaLote(csvIC, {areaIC, pd, i1id})) {
                    const auto lote = [&]() -> Leido<DefinicionLote> {
                        PorDefectoIC defecto;
                        if (a->umbral || a->cnIC) {
                            const auto p0 = UmbralInicial(Vista(a->umbral), Vista(a->cnIC));
                            if (!p0) return std::unexpected(p0.error());
                            defecto.umbral = *p0;
                        }
                        for (auto [texto, dato, destino] : {std::tuple{&a->beta, DatoCaudal::Beta, &defecto.beta},
                                                            std::tuple{&a->fb, DatoCaudal::FactorIDF, &defecto.fb}}) {
                            const auto leido = Defecto(*texto, dato);
                            if (!leido) return std::unexpected(leido.error());
                            *destino = *leido;
                        }
                        if (a->tcIC || a->longitud || a->pendiente) {
                            const auto horas = TiempoIC(Vista(a->tcIC), Vista(a->longitud), Vista(a->pendiente));
                            if (!horas) return std::unexpected(horas.error());
                            defecto.tc = *horas;
                        }
                        return LotePicoIC(defecto);
                    }();
                    return EjecutarLoteCsv(opciones, lote, a->csvIC);
                }
                if (umbral->count() == 0 && cnIC->count() == 0) Uso(kTextoFaltaUnoDeDos, {"--p0", "--cn"});
                if (tcIC->count() == 0) {
                    if (longitud->count() == 0 && pendiente->count() == 0) {
                        Uso(kTextoFaltaUnoDeDos, {"--tc", "--length --slope"});
                    }
                    ExigirArgumentos({longitud, pendiente});
                }
                const auto p0 = UmbralInicial(Vista(a->umbral), Vista(a->cnIC));
                if (!p0) return Rechazar(p0.error());
                const auto beta = ValorODefecto(a->beta.value_or(""), 1, DatoCaudal::Beta);
                if (!beta) return Rechazar(beta.error());
                std::optional<double> fb;
                if (a->fb) {
                    const auto leido = LeerDatoCaudal(*a->fb, DatoCaudal::FactorIDF);
                    if (!leido) return Rechazar(leido.error());
                    fb = *leido;
                }
                const auto horas = TiempoIC(Vista(a->tcIC), Vista(a->longitud), Vista(a->pendiente));
                if (!horas) return Rechazar(horas.error());
                const auto c = PicoIC({*a->areaIC, *a->pd, *a->i1id, *p0, *beta, fb, *horas});
                if (!c) return Rechazar(c.error());
                nlohmann::ordered_json objeto{{"peak_m3s", c->Q}, {"c", c->C},       {"kt", c->Kt},
                                              {"i_mm_h", c->I},   {"tc_h", *horas},  {"ka", c->KA},
                                              {"id_mm_h", c->Id}, {"fa", c->Fa},     {"fint", c->Fint},
                                              {"p0_mm", c->P0},   {"warnings", JsonAvisos(c->avisos, MetodoCaudal::IC)}};
                const std::string texto = Lineas({{Texto(kTextoColumnaTc), Cifra(*horas)},
                                                  {Texto(kTextoFilaKA), Cifra(c->KA)},
                                                  {Texto(kTextoColumnaId), Cifra(c->Id)},
                                                  {Texto(kTextoFilaFa), Cifra(c->Fa)},
                                                  {Texto(kTextoColumnaFint), Cifra(c->Fint)},
                                                  {Texto(kTextoColumnaI), Cifra(c->I)},
                                                  {Texto(kTextoColumnaP0), Cifra(c->P0)},
                                                  {Texto(kTextoColumnaC), Cifra(c->C)},
                                                  {Texto(kTextoFilaKt), Cifra(c->Kt)},
                                                  {Texto(kTextoColumnaQp), Cifra(c->Q)}});
                return EscribirConAvisos(opciones, objeto, texto, c->avisos, MetodoCaudal::IC);
            }};
}

}  // namespace tarvel::cli
