#include "catchment/ArchivoCaudal.h"

#include "hydrology/PresentacionCaudal.h"

namespace tarvel::archivo {
namespace {

// The keys of the peak inputs; the values are named as the companion names them (ClaveDato).
namespace clave {
constexpr const char* metodo = "method";
constexpr const char* distribucion = "distribution";
constexpr const char* umbralDe = "p0_source";
constexpr const char* tiempoDe = "tc_source";
constexpr const char* tramos = "segments";
constexpr const char* tipo = "kind";
constexpr const char* firme = "surface";
constexpr const char* cauce = "channel";
constexpr const char* periodos = "return_periods";
}  // namespace clave

constexpr std::array kMetodos{NombreMetodoCaudal(MetodoCaudal::TR55), NombreMetodoCaudal(MetodoCaudal::IC)};  // MetodoCaudal
constexpr std::array<std::string_view, 4> kDistribuciones{"I", "IA", "II", "III"};  // DistribucionLluvia
constexpr std::array<std::string_view, 2> kUmbralDe{"cn", "typed"};
constexpr std::array<std::string_view, 2> kTiempoDe{"method", "typed"};
constexpr std::array<std::string_view, 3> kTipos{"sheet", "shallow", "channel"};  // TipoTramo
constexpr std::array<std::string_view, 2> kFirmes{"unpaved", "paved"};            // Firme

std::string Clave(DatoCaudal dato) { return std::string(ClaveDato(dato)); }

JsonOrdenado Valor(const std::optional<double>& valor) { return valor ? JsonOrdenado(*valor) : JsonOrdenado(nullptr); }

// A value that may be missing: an absent key or null.
std::optional<double> Opcional(const Json& objeto, DatoCaudal dato, const std::string& ruta) {
    const auto it = objeto.find(Clave(dato));
    if (it == objeto.end() || it->is_null()) return std::nullopt;
    return Numero(*it, Ruta(ruta, Clave(dato)));
}

const Json& Lista(const Json& objeto, const char* nombre, const std::string& ruta, std::size_t minimo, std::size_t maximo) {
    const std::string donde = Ruta(ruta, nombre);
    const Json& lista = Campo(objeto, nombre, ruta);
    if (!lista.is_array()) Rechazar(Error(FalloHoja::NoLista, donde));
    if (lista.size() < minimo || lista.size() > maximo) {
        Rechazar(ErrorEntero(donde, static_cast<long long>(minimo), static_cast<long long>(maximo), FalloHoja::Elementos));
    }
    return lista;
}

TramoEscrito LeerTramo(const Json& j, const std::string& ruta) {
    Objeto(j, ruta);
    TramoEscrito t;
    t.tipo = static_cast<TipoTramo>(Nombre(Campo(j, clave::tipo, ruta), Ruta(ruta, clave::tipo), kTipos));
    if (t.tipo == TipoTramo::Superficial) {
        t.firme = static_cast<Firme>(Nombre(Campo(j, clave::firme, ruta), Ruta(ruta, clave::firme), kFirmes));
    }
    for (const DatoCaudal dato : DatosDeTramo(t.tipo)) ValorDeTramo(t, dato) = Opcional(j, dato, ruta);
    return t;
}

PeriodoEscrito LeerPeriodo(const Json& j, const std::string& ruta) {
    Objeto(j, ruta);
    return {Opcional(j, DatoCaudal::PeriodoRetorno, ruta), Opcional(j, DatoCaudal::Lluvia, ruta),
            Opcional(j, DatoCaudal::LluviaDiaria, ruta), Opcional(j, DatoCaudal::Beta, ruta),
            Opcional(j, DatoCaudal::FactorIDF, ruta)};
}

}  // namespace

JsonOrdenado JsonCaudal(const EntradasCaudal& e) {
    JsonOrdenado j;
    j[clave::metodo] = NombreMetodoCaudal(e.metodo);
    j[clave::distribucion] = kDistribuciones[static_cast<std::size_t>(e.distribucion)];
    j[Clave(DatoCaudal::Charcas)] = Valor(e.charcas);
    j[clave::umbralDe] = kUmbralDe[e.umbralTecleado ? 1 : 0];
    j[Clave(DatoCaudal::UmbralInicial)] = Valor(e.umbral);
    j[Clave(DatoCaudal::Beta)] = Valor(e.beta);
    j[Clave(DatoCaudal::IndiceTorrencialidad)] = Valor(e.i1id);
    j[clave::tiempoDe] = kTiempoDe[e.tiempoTecleado ? 1 : 0];
    j[Clave(DatoCaudal::TiempoConcentracion)] = Valor(e.tc);
    j[clave::tramos] = JsonOrdenado::array();
    for (const TramoEscrito& t : e.tramos) {
        JsonOrdenado tramo;
        tramo[clave::tipo] = kTipos[static_cast<std::size_t>(t.tipo)];
        if (t.tipo == TipoTramo::Superficial) tramo[clave::firme] = kFirmes[static_cast<std::size_t>(t.firme)];
        for (const DatoCaudal dato : DatosDeTramo(t.tipo)) tramo[Clave(dato)] = Valor(ValorDeTramo(t, dato));
        j[clave::tramos].push_back(std::move(tramo));
    }
    j[clave::cauce] = {{Clave(DatoCaudal::LongitudCauceKm), Valor(e.longitudCauce)},
                       {Clave(DatoCaudal::Pendiente), Valor(e.pendienteCauce)}};
    j[clave::periodos] = JsonOrdenado::array();
    for (const PeriodoEscrito& p : e.periodos) {
        j[clave::periodos].push_back({{Clave(DatoCaudal::PeriodoRetorno), Valor(p.T)},
                                      {Clave(DatoCaudal::Lluvia), Valor(p.lluvia)},
                                      {Clave(DatoCaudal::LluviaDiaria), Valor(p.lluviaDiaria)},
                                      {Clave(DatoCaudal::Beta), Valor(p.beta)},
                                      {Clave(DatoCaudal::FactorIDF), Valor(p.fb)}});
    }
    return j;
}

EntradasCaudal LeerCaudal(const Json& j, const std::string& ruta) {
    Objeto(j, ruta);
    const auto nombre = [&](const char* clave, const auto& nombres) {
        return Nombre(Campo(j, clave, ruta), Ruta(ruta, clave), nombres);
    };
    EntradasCaudal e;
    e.metodo = nombre(clave::metodo, kMetodos) == 0 ? MetodoCaudal::TR55 : MetodoCaudal::IC;
    e.distribucion = static_cast<DistribucionLluvia>(nombre(clave::distribucion, kDistribuciones));
    e.charcas = Opcional(j, DatoCaudal::Charcas, ruta);
    e.umbralTecleado = nombre(clave::umbralDe, kUmbralDe) == 1;
    e.umbral = Opcional(j, DatoCaudal::UmbralInicial, ruta);
    e.beta = Opcional(j, DatoCaudal::Beta, ruta);
    e.i1id = Opcional(j, DatoCaudal::IndiceTorrencialidad, ruta);
    e.tiempoTecleado = nombre(clave::tiempoDe, kTiempoDe) == 1;
    e.tc = Opcional(j, DatoCaudal::TiempoConcentracion, ruta);

    const std::string rutaTramos = Ruta(ruta, clave::tramos);
    const Json& tramos = Lista(j, clave::tramos, ruta, 1, kTramosMaximos);
    e.tramos.clear();
    for (std::size_t i = 0; i < tramos.size(); ++i) e.tramos.push_back(LeerTramo(tramos[i], Ruta(rutaTramos, i)));

    if (const auto cauce = j.find(clave::cauce); cauce != j.end() && !cauce->is_null()) {
        const std::string rutaCauce = Ruta(ruta, clave::cauce);
        Objeto(*cauce, rutaCauce);
        e.longitudCauce = Opcional(*cauce, DatoCaudal::LongitudCauceKm, rutaCauce);
        e.pendienteCauce = Opcional(*cauce, DatoCaudal::Pendiente, rutaCauce);
    }

    const std::string rutaPeriodos = Ruta(ruta, clave::periodos);
    const Json& periodos = Lista(j, clave::periodos, ruta, kFilasPeriodos, kFilasPeriodos);
    for (std::size_t f = 0; f < kFilasPeriodos; ++f) e.periodos[f] = LeerPeriodo(periodos[f], Ruta(rutaPeriodos, f));
    return e;
}

std::expected<void, ErrorHoja> ValidarCaudal(const EntradasCaudal& e, const std::string& ruta) {
    if (e.tramos.empty() || e.tramos.size() > static_cast<std::size_t>(kTramosMaximos)) {
        return std::unexpected(ErrorEntero(Ruta(ruta, clave::tramos), 1, kTramosMaximos, FalloHoja::Elementos));
    }
    std::optional<ErrorHoja> error;
    const auto comprobar = [&error](const std::optional<double>& valor, DatoCaudal dato, const std::string& donde) {
        if (error || !valor || DentroDe(RangoDe(dato), *valor)) return;
        error = Error(FalloHoja::FueraDeRango, Ruta(donde, Clave(dato)), MotivoRango(RangoDe(dato)));
    };
    comprobar(e.charcas, DatoCaudal::Charcas, ruta);
    comprobar(e.umbral, DatoCaudal::UmbralInicial, ruta);
    comprobar(e.beta, DatoCaudal::Beta, ruta);
    comprobar(e.i1id, DatoCaudal::IndiceTorrencialidad, ruta);
    comprobar(e.tc, DatoCaudal::TiempoConcentracion, ruta);
    for (std::size_t i = 0; i < e.tramos.size(); ++i) {
        for (const DatoCaudal dato : DatosDeTramo(e.tramos[i].tipo)) {
            comprobar(ValorDeTramo(e.tramos[i], dato), dato, Ruta(Ruta(ruta, clave::tramos), i));
        }
    }
    comprobar(e.longitudCauce, DatoCaudal::LongitudCauceKm, Ruta(ruta, clave::cauce));
    comprobar(e.pendienteCauce, DatoCaudal::Pendiente, Ruta(ruta, clave::cauce));
    for (std::size_t f = 0; f < e.periodos.size(); ++f) {
        const PeriodoEscrito& p = e.periodos[f];
        const std::string donde = Ruta(Ruta(ruta, clave::periodos), f);
        comprobar(p.T, DatoCaudal::PeriodoRetorno, donde);
        comprobar(p.lluvia, DatoCaudal::Lluvia, donde);
        comprobar(p.lluviaDiaria, DatoCaudal::LluviaDiaria, donde);
        comprobar(p.beta, DatoCaudal::Beta, donde);
        comprobar(p.fb, DatoCaudal::FactorIDF, donde);
    }
    if (error) return std::unexpected(*error);
    return {};
}

}  // namespace tarvel::archivo
