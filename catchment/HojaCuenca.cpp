#include "catchment/HojaCuenca.h"

#include <algorithm>

#include "app/Csv.h"
#include "app/TablaTextos.h"
#include "app/Texto.h"
#include "catchment/TextosCuenca.h"

namespace tarvel {
namespace {

// The fields of one row, in the order of the header.
constexpr std::string_view kColumnas[] = {
    "name",       "area",       "share_pct", "cn",           "source",      "data_row",        "soil_group",
    "table",      "vegetation", "treatment", "condition",    "forest_class", "soil_group_from", "rate_class",
    "clay",       "silt",       "sand",      "description", "description_language",
};
enum Columna {
    kNombre, kArea, kCuota, kCN, kOrigen, kFilaDatos, kGrupoSuelo, kTabla, kVegetacion, kLaboreo, kCondicion,
    kClaseBosque, kComoGrupo, kClaseTasa, kArcillaCsv, kLimoCsv, kArenaCsv, kDescripcion, kIdiomaCsv, kNumeroColumnas
};
static_assert(std::size(kColumnas) == kNumeroColumnas);

}  // namespace

std::string_view NombreIdiomaCorto(int idioma) { return idioma == kIdiomaIngles ? "en" : "es"; }

std::vector<Subarea> SubareasDe(const HojaCuenca& hoja) {
    std::vector<Subarea> subareas;
    subareas.reserve(hoja.filas.size());
    for (const auto& fila : hoja.filas) subareas.push_back({fila.area, fila.cn});
    return subareas;
}

TrazaPasoAPaso TrazaDeRespuestas(const RespuestasClasificacion& respuestas, const ComoGrupoSuelo& comoGrupo,
                                 int idioma) {
    TrazaPasoAPaso traza;
    traza.vegetacion = respuestas.vegetacion;
    traza.laboreo = respuestas.laboreo;
    traza.condicion = respuestas.condicion;
    if (respuestas.grupoSuelo >= 1 && respuestas.grupoSuelo <= 4) {
        traza.grupoSuelo = std::string(1, static_cast<char>('A' + respuestas.grupoSuelo - 1));
    }
    traza.comoGrupo = comoGrupo;
    if (respuestas.vegetacion == kBosques) traza.claseBosque = respuestas.claseBosque;
    traza.filaDatos = respuestas.filaDatos;
    traza.descripcion = DescripcionFilaDatos(respuestas.filaDatos, idioma);
    traza.idioma = idioma;
    return traza;
}

std::optional<TrazaTabla> TrazaDeCelda(TablaReferencia tabla, int fila, int columna) {
    const auto& e = Estructura(tabla);
    const int cuerpo = fila - kFilasCabecera;
    const int grupo = columna - e.primeraColumnaSuelo;
    if (cuerpo < 0 || cuerpo >= static_cast<int>(e.cuerpo.size()) || grupo < 0 || grupo > 3) return std::nullopt;
    return TrazaTabla{tabla, e.cuerpo[static_cast<std::size_t>(cuerpo)].filaDatos,
                      std::string(1, static_cast<char>('A' + grupo))};
}

std::string TextoOrigen(const OrigenCurva& origen, int idioma) {
    const auto texto = [idioma](int n) { return TextoIdioma(idioma, n); };
    const auto fila = [&](int camino, int filaDatos, std::string_view guardada) {
        std::string descripcion = DescripcionFilaDatos(filaDatos, idioma);
        if (descripcion.empty()) descripcion = guardada;
        return Rellenar(texto(kTextoOrigenFila), {texto(camino), std::to_string(filaDatos), descripcion});
    };
    if (const auto* paso = std::get_if<TrazaPasoAPaso>(&origen)) {
        std::string linea = fila(kTextoPasoAPaso, paso->filaDatos, paso->descripcion);
        if (!paso->claseBosque.empty()) linea += " · " + Rellenar(texto(kTextoClaseForestal), {paso->claseBosque});
        linea += " · " + Rellenar(texto(kTextoCuencaGrupo), {paso->grupoSuelo}) + ", ";
        if (const auto* tasa = std::get_if<SueloPorTasa>(&paso->comoGrupo)) {
            linea += Rellenar(texto(kTextoPorTasa), {texto(kTextoPrimeraTasa + tasa->clase)});
        } else {
            const auto& p = std::get<SueloPorTextura>(paso->comoGrupo).porcentajes;
            linea += Rellenar(texto(kTextoPorTextura), {p[kArcilla], p[kLimo], p[kArena]});
        }
        return linea;
    }
    if (const auto* tabla = std::get_if<TrazaTabla>(&origen)) {
        const int camino = tabla->tabla == TablaReferencia::General ? kTextoTablaGeneral : kTextoTablaArida;
        return fila(camino, tabla->filaDatos, {}) + " · " + Rellenar(texto(kTextoCuencaGrupo), {tabla->grupoSuelo});
    }
    return std::string(texto(kTextoEscrito));
}

std::string DescripcionFilaDatos(int filaDatos, int idioma) {
    const auto tabla = filaDatos <= 57 ? TablaReferencia::General : TablaReferencia::Arida;
    const auto& estructura = Estructura(tabla);
    const auto fila = std::ranges::find(estructura.cuerpo, filaDatos, &FilaCuerpo::filaDatos);
    if (filaDatos < 1 || fila == estructura.cuerpo.end()) return {};
    std::string descripcion;
    for (int c = 0; c < estructura.primeraColumnaSuelo; ++c) {
        const std::string texto = TextoEtiqueta(fila->columnas[static_cast<std::size_t>(c)], idioma);
        const auto parte = SinBlancos(texto);
        if (parte.empty()) continue;
        if (!descripcion.empty()) descripcion += "; ";
        descripcion += parte;
    }
    return descripcion;
}

std::expected<std::string, RechazoCuenca> CsvHoja(const HojaCuenca& hoja) {
    std::string texto;
    for (std::size_t c = 0; c < kNumeroColumnas; ++c) {
        if (c > 0) texto += ',';
        texto += kColumnas[c];
    }
    texto += '\n';
    if (hoja.filas.empty()) return texto;
    const auto compuesto = CalcularCompuesto(SubareasDe(hoja));
    if (!compuesto) return std::unexpected(compuesto.error());

    for (std::size_t i = 0; i < hoja.filas.size(); ++i) {
        const auto& fila = hoja.filas[i];
        std::array<std::string, kNumeroColumnas> campos;
        campos[kNombre] = fila.nombre;
        campos[kArea] = NumeroCsv(fila.area);
        campos[kCuota] = NumeroCsv(100 * compuesto->cuota[i]);
        campos[kCN] = NumeroCsv(fila.cn);
        if (const auto* paso = std::get_if<TrazaPasoAPaso>(&fila.origen)) {
            campos[kOrigen] = kOrigenPasoAPaso;
            campos[kFilaDatos] = std::to_string(paso->filaDatos);
            campos[kGrupoSuelo] = paso->grupoSuelo;
            campos[kVegetacion] = std::to_string(paso->vegetacion);
            campos[kLaboreo] = std::to_string(paso->laboreo);
            campos[kCondicion] = std::to_string(paso->condicion);
            campos[kClaseBosque] = paso->claseBosque;
            if (const auto* tasa = std::get_if<SueloPorTasa>(&paso->comoGrupo)) {
                campos[kComoGrupo] = kComoGrupoTasa;
                campos[kClaseTasa] = std::to_string(tasa->clase);
            } else {
                const auto& textura = std::get<SueloPorTextura>(paso->comoGrupo);
                campos[kComoGrupo] = kComoGrupoTextura;
                campos[kArcillaCsv] = textura.porcentajes[kArcilla];
                campos[kLimoCsv] = textura.porcentajes[kLimo];
                campos[kArenaCsv] = textura.porcentajes[kArena];
            }
            campos[kDescripcion] = paso->descripcion;
            campos[kIdiomaCsv] = NombreIdiomaCorto(paso->idioma);
        } else if (const auto* tabla = std::get_if<TrazaTabla>(&fila.origen)) {
            campos[kOrigen] = kOrigenTabla;
            campos[kFilaDatos] = std::to_string(tabla->filaDatos);
            campos[kGrupoSuelo] = tabla->grupoSuelo;
            campos[kTabla] = tabla->tabla == TablaReferencia::General ? kNombreTablaGeneral : kNombreTablaArida;
        } else {
            campos[kOrigen] = kOrigenEscrita;
        }
        for (std::size_t c = 0; c < kNumeroColumnas; ++c) {
            if (c > 0) texto += ',';
            texto += CampoCsv(campos[c]);
        }
        texto += '\n';
    }
    return texto;
}

}  // namespace tarvel
