// tc tr55 [--sheet …]… [--shallow …]… [--channel …]…: the time of
// concentration of a flow path by TR-55's velocity method; tc ic52 --length
// --slope: by the Témez formula of 5.2-IC. Both with --csv for many.
#include <iostream>
#include <memory>

#include "app/Csv.h"
#include "app/TablaTextos.h"
#include "app/TextosMensajes.h"
#include "cli/SalidaCaudal.h"
#include "cli/batch/EvaluacionCaudal.h"
#include "hydrology/TextosCaudal.h"

namespace tarvel::cli {
namespace {

constexpr TipoTramo kTipos[] = {TipoTramo::Laminar, TipoTramo::Superficial, TipoTramo::Cauce};
constexpr const char* kFormas[] = {"n,L_m,P2_mm,slope", "L_m,slope,paved|unpaved",
                                   "n,area_m2,wetted_perimeter_m,slope,L_m"};

std::vector<std::string_view> Partir(std::string_view texto) {
    std::vector<std::string_view> partes;
    for (std::size_t desde = 0;;) {
        const std::size_t coma = texto.find(',', desde);
        partes.push_back(texto.substr(desde, coma - desde));
        if (coma == std::string_view::npos) return partes;
        desde = coma + 1;
    }
}

}  // namespace

std::shared_ptr<OpcionesTramos> AnadirOpcionesTramos(CLI::App& comando) {
    auto o = std::make_shared<OpcionesTramos>();
    const char* nombres[] = {"--sheet", "--shallow", "--channel"};
    const char* ayudas[] = {
        "a sheet-flow segment: Manning's n (TR-55 table 3-1: 0.011 smooth surfaces, 0.05 fallow, 0.06 and 0.17 "
        "cultivated with residue cover up to and over 20 %, 0.15 short-grass prairie, 0.24 dense grasses, 0.41 "
        "bermudagrass, 0.13 natural range, 0.40 and 0.80 woods with light and dense underbrush), length in m, 2-year "
        "24-hour rainfall in mm, slope in m/m",
        "a shallow concentrated flow segment: length in m, slope in m/m, and the surface",
        "an open-channel segment: Manning's n, flow area in m², wetted perimeter in m, slope in m/m, length in m"};
    for (std::size_t i = 0; i < 3; ++i) {
        o->opcion[i] = comando.add_option(nombres[i], o->valores[i], ayudas[i])
                           ->type_name(kFormas[i])
                           ->expected(1)
                           ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    }
    return o;
}

bool HayTramos(const OpcionesTramos& opciones) {
    return std::ranges::any_of(opciones.opcion, [](const CLI::Option* o) { return o->count() > 0; });
}

Leido<std::vector<TramoFlujo>> LeerTramos(const CLI::App& comando, const OpcionesTramos& opciones) {
    std::size_t usados[3] = {};
    std::vector<TramoFlujo> tramos;
    for (const CLI::Option* opcion : comando.parse_order()) {
        const auto cual = std::ranges::find(opciones.opcion, opcion) - std::begin(opciones.opcion);
        if (cual == 3) continue;
        const std::string& valor = opciones.valores[cual][usados[cual]++];
        const auto campos = Partir(valor);
        if (campos.size() != CamposDeTramo(kTipos[cual])) {
            Uso(kTextoValorDeOpcion, {opcion->get_name(), kFormas[cual], valor});
        }
        auto tramo = LeerTramo(kTipos[cual], campos, MarcaDecimal::Punto, static_cast<int>(tramos.size()));
        if (!tramo) return std::unexpected(tramo.error());
        tramos.push_back(*tramo);
    }
    return tramos;
}

std::string TextoTramos(std::span<const TramoFlujo> tramos, const TiempoTR55& tiempo) {
    std::string texto = std::string(Texto(kTextoColumnaTramo)) + '\t' + std::string(Texto(kTextoColumnaTipo)) + '\t' +
                        std::string(Texto(kTextoColumnaVelocidad)) + '\t' + std::string(Texto(kTextoColumnaRecorrido));
    for (std::size_t i = 0; i < tramos.size(); ++i) {
        texto += '\n' + std::to_string(i + 1) + '\t' +
                 std::string(Texto(kTextoTramoLaminar + static_cast<int>(tramos[i].tipo))) + '\t' +
                 Cifra(tiempo.tramos[i].velocidad) + '\t' + Cifra(tiempo.tramos[i].horas);
    }
    return texto;
}

nlohmann::ordered_json JsonTramos(std::span<const TramoFlujo> tramos, const TiempoTR55& tiempo) {
    nlohmann::ordered_json lista = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < tramos.size(); ++i) {
        nlohmann::ordered_json tramo{{"kind", NombreTipoTramo(tramos[i].tipo)},
                                     {"tt_h", tiempo.tramos[i].horas},
                                     {"velocity_m_s", tiempo.tramos[i].velocidad}};
        if (tramos[i].tipo == TipoTramo::Cauce) tramo["hydraulic_radius_m"] = tiempo.tramos[i].radio;
        lista.push_back(std::move(tramo));
    }
    return lista;
}

nlohmann::ordered_json JsonAvisos(std::span<const Aviso> avisos, MetodoCaudal metodo) {
    nlohmann::ordered_json lista = nlohmann::ordered_json::array();
    for (const Aviso& aviso : avisos) {
        nlohmann::ordered_json objeto{{"kind", ClaveAviso(aviso.tipo)}, {"value", aviso.valor}, {"limit", aviso.limite}};
        if (aviso.tramo >= 0) objeto["segment"] = aviso.tramo + 1;
        objeto["message"] = TextoAviso(aviso, metodo);
        lista.push_back(std::move(objeto));
    }
    return lista;
}

int EscribirConAvisos(const Opciones& opciones, const nlohmann::ordered_json& objeto, const std::string& texto,
                      std::span<const Aviso> avisos, MetodoCaudal metodo) {
    if (!opciones.json) {
        for (const Aviso& aviso : avisos) std::cerr << TextoAviso(aviso, metodo) << '\n';
    }
    return Escribir(opciones, objeto, texto);
}

std::string Lineas(std::initializer_list<std::pair<std::string_view, std::string>> lineas) {
    std::string texto;
    for (const auto& [nombre, valor] : lineas) texto += (texto.empty() ? "" : "\n") + std::string(nombre) + '\t' + valor;
    return texto;
}

Comando RegistrarTiempo(CLI::App& app, const Opciones& opciones) {
    auto* tc = app.add_subcommand("tc", "time of concentration, in hours");
    tc->fallthrough();

    auto* tr55 = tc->add_subcommand("tr55", "by TR-55's velocity method over a flow path of segments, in the order given");
    tr55->fallthrough();
    auto tramos = AnadirOpcionesTramos(*tr55);
    auto csv55 = std::make_shared<std::string>();
    auto* lote55 = AnadirCsv(*tr55, *csv55,
                             "one segment a row: column kind (sheet, shallow or channel) and the columns of its kind "
                             "among n, length_m, p2_mm, slope, surface, area_m2, wetted_perimeter_m give tt_h, "
                             "velocity_m_s and warnings");
    tr55->footer(
        "Printed: each segment's mean velocity V (m/s) and travel time Tt (h), then Tc = the sum of the Tt, with three\n"
        "significant digits. Sheet flow: Tt = 0.0913 (n L)^0.8 / (P2^0.5 s^0.4) (TR-55's 0.007 in US units);\n"
        "shallow flow: V = 4.918 s^0.5 unpaved, 6.196 s^0.5 paved; channel: V = r^(2/3) s^(1/2) / n with r = a / pw;\n"
        "Tt = L / (3600 V). Sheet flow longer than 300 ft (91.44 m) is computed and warned about on standard error\n"
        "(with --json, in its warnings array).\n"
        "--json: {\"tc_h\", \"segments\": [{\"kind\", \"tt_h\", \"velocity_m_s\"}], \"warnings\": [{\"kind\", \"value\",\n"
        "\"limit\", \"segment\", \"message\"}]}.");

    auto* ic52 = tc->add_subcommand("ic52", "by the Témez formula of the 5.2-IC standard, tc = 0.3 Lc^0.76 Jc^-0.19");
    ic52->fallthrough();
    auto longitud = std::make_shared<std::string>(), pendiente = std::make_shared<std::string>(),
         csvIC = std::make_shared<std::string>();
    auto* lc = ic52->add_option("--length", *longitud, "length of the main channel Lc, km")->type_name("KM");
    auto* jc = ic52->add_option("--slope", *pendiente, "mean slope of the main channel Jc, m/m")->type_name("M_PER_M");
    auto* loteIC = AnadirCsv(*ic52, *csvIC, "columns length_km,slope give tc_h");
    ic52->footer("--json: {\"tc_h\"}.");

    return {tc, [=, &opciones] {
                if (tr55->parsed()) {
                    if (lote55->count() > 0) {
                        for (const CLI::Option* opcion : tramos->opcion) {
                            if (opcion->count() > 0) Uso(kTextoIncompatibles, {opcion->get_name(), "--csv"});
                        }
                        return EjecutarLoteCsv(opciones, LoteTiempoTR55(), *csv55);
                    }
                    if (!HayTramos(*tramos)) Uso(kTextoFaltaArgumento, {"--sheet|--shallow|--channel"});
                    const auto camino = LeerTramos(*tr55, *tramos);
                    if (!camino) return Rechazar(camino.error());
                    const auto tiempo = TiempoDeTramos(*camino);
                    if (!tiempo) return Rechazar(tiempo.error());
                    return EscribirConAvisos(
                        opciones,
                        {{"tc_h", tiempo->horas},
                         {"segments", JsonTramos(*camino, *tiempo)},
                         {"warnings", JsonAvisos(tiempo->avisos, MetodoCaudal::TR55)}},
                        TextoTramos(*camino, *tiempo) + '\n' + Lineas({{Texto(kTextoColumnaTc), Cifra(tiempo->horas)}}),
                        tiempo->avisos, MetodoCaudal::TR55);
                }
                if (FormaLote(loteIC, {lc, jc})) return EjecutarLoteCsv(opciones, LoteTiempoIC(), *csvIC);
                const auto horas = TiempoDeCauce(*longitud, *pendiente);
                if (!horas) return Rechazar(horas.error());
                return Escribir(opciones, {{"tc_h", *horas}}, Lineas({{Texto(kTextoColumnaTc), Cifra(*horas)}}));
            }};
}

}  // namespace tarvel::cli
