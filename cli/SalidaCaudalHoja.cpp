// The peak discharge a worksheet keeps, as the companion's composite prints it.
#include "app/Patrones.h"
#include "app/TablaTextos.h"
#include "cli/SalidaCaudal.h"
#include "hydrology/TextosCaudal.h"
#include "hydrology/TextosEscorrentia.h"

namespace tarvel::cli {
namespace {

std::string T(int texto) { return std::string(Texto(texto)); }

// A label without its accelerator mark and its colon.
std::string Rotulo(int texto) {
    std::string nombre = T(texto);
    std::erase(nombre, '&');
    while (!nombre.empty() && (nombre.back() == ':' || nombre.back() == ' ')) nombre.pop_back();
    return nombre;
}

nlohmann::ordered_json FilaTR55Json(const PeriodoEscrito& periodo, const FilaTR55& fila) {
    const CaudalTR55& c = fila.caudal;
    return {{"return_period", fila.T}, {"storm_mm", *periodo.lluvia}, {"peak_m3s", c.qp}, {"runoff_mm", c.Q},
            {"ia_p", c.iaP},           {"qu", c.qu},                  {"s_mm", c.S},      {"ia_mm", c.Ia},
            {"qu_csm_in", c.quCsm},    {"fp", c.Fp}};
}

nlohmann::ordered_json FilaICJson(const PeriodoEscrito& periodo, const FilaIC& fila, double beta) {
    const CaudalIC& c = fila.caudal;
    nlohmann::ordered_json objeto{{"return_period", fila.T}, {"pd_mm", *periodo.lluviaDiaria}, {"beta", beta}};
    if (c.Fb) objeto["fb"] = *c.Fb;
    for (auto& [clave, valor] : std::initializer_list<std::pair<const char*, double>>{
             {"peak_m3s", c.Q}, {"c", c.C}, {"kt", c.Kt}, {"i_mm_h", c.I}, {"ka", c.KA}, {"id_mm_h", c.Id},
             {"fa", c.Fa}, {"fint", c.Fint}, {"p0_mm", c.P0}}) {
        objeto[clave] = valor;
    }
    return objeto;
}

}  // namespace

SalidaCaudalHoja CaudalDeHoja(const EntradasCaudal& e, const ResultadoCaudal& r, double area, double cn) {
    const bool tr55 = e.metodo == MetodoCaudal::TR55;
    const MetodoCaudal metodo = e.metodo;
    SalidaCaudalHoja salida;
    salida.json = {{"method", NombreMetodoCaudal(metodo)}, {"area_km2", area}, {"cn", cn}};
    salida.texto = "\n\n" + Lineas({{Texto(kTextoVentanaCaudal), T(tr55 ? kTextoMetodoTR55 : kTextoMetodoIC)},
                                     {Rotulo(kTextoCampoArea), TextoNumero(area)},
                                     {Rotulo(kTextoCampoCurva), Formatear(cn, Patron::UnDecimalConCero)}});

    // The flow path's segments, each once its travel time is known.
    nlohmann::ordered_json tramos = nlohmann::ordered_json::array();
    std::string lineasTramos;
    for (std::size_t t = 0; t < r.tramos.size(); ++t) {
        if (!tr55 || e.tiempoTecleado || !r.tramos[t]) continue;
        const TiempoTramo& tiempo = *r.tramos[t];
        nlohmann::ordered_json tramo{{"segment", t + 1},
                                     {"kind", NombreTipoTramo(e.tramos[t].tipo)},
                                     {"tt_h", tiempo.horas},
                                     {"velocity_m_s", tiempo.velocidad}};
        if (e.tramos[t].tipo == TipoTramo::Cauce) tramo["hydraulic_radius_m"] = tiempo.radio;
        tramos.push_back(std::move(tramo));
        lineasTramos += '\n' + std::to_string(t + 1) + '\t' + T(kTextoTramoLaminar + static_cast<int>(e.tramos[t].tipo)) +
                        '\t' + Cifra(tiempo.velocidad) + '\t' + Cifra(tiempo.horas);
    }
    if (!tramos.empty()) {
        salida.json["segments"] = std::move(tramos);
        salida.texto += '\n' + T(kTextoColumnaTramo) + '\t' + T(kTextoColumnaTipo) + '\t' + T(kTextoColumnaVelocidad) +
                        '\t' + T(kTextoColumnaRecorrido) + lineasTramos;
    }
    if (r.tc) {
        salida.json["tc_h"] = *r.tc;
        salida.texto += '\n' + Lineas({{Texto(kTextoColumnaTc), Cifra(*r.tc)}});
    }
    if (r.umbralDeCurva) salida.json["p0i_mm"] = *r.umbralDeCurva;
    if (!tr55 && e.umbralTecleado && e.umbral) salida.json["p0i_mm"] = *e.umbral;

    nlohmann::ordered_json avisos = JsonAvisos(r.avisosCamino, metodo);
    if (r.tabla) {
        nlohmann::ordered_json filas = nlohmann::ordered_json::array();
        for (std::size_t i = 0; i < r.filas.size(); ++i) {
            const PeriodoEscrito& periodo = e.periodos[static_cast<std::size_t>(r.filas[i])];
            const double T = tr55 ? r.tr55[i].T : r.ic[i].T;
            const std::span<const Aviso> deFila = tr55 ? r.tr55[i].caudal.avisos : r.ic[i].caudal.avisos;
            for (nlohmann::ordered_json aviso : JsonAvisos(deFila, metodo)) {
                aviso["return_period"] = T;
                avisos.push_back(std::move(aviso));
            }
            filas.push_back(tr55 ? FilaTR55Json(periodo, r.tr55[i])
                                 : FilaICJson(periodo, r.ic[i], periodo.beta.value_or(e.beta.value_or(1))));
        }
        salida.json["rows"] = std::move(filas);
        std::string tabla = TablaCaudalTsv(*r.tabla);
        tabla.pop_back();
        salida.texto += '\n' + tabla;
        salida.avisos = r.avisos;
    } else {
        salida.avisos = r.avisos;
        if (!r.faltas.empty()) {
            salida.json["incomplete"] = MensajeFaltaCaudal(r.faltas.front());
            salida.avisos.push_back(MensajeFaltaCaudal(r.faltas.front()));
        }
    }
    salida.json["warnings"] = std::move(avisos);
    return salida;
}

}  // namespace tarvel::cli
