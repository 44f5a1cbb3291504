#include "catchment/ArchivoHoja.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <fstream>
#include <nlohmann/json.hpp>

#include "app/FormatoNumerico.h"
#include "app/MotivoSistema.h"
#include "app/TablaTextos.h"
#include "catchment/ArchivoCaudal.h"
#include "catchment/LecturaHoja.h"
#include "catchment/TextosCuenca.h"
#include "hydrology/TextosCaudalHoja.h"
#include "determination/Clasificacion.h"
#include "determination/GrupoSuelo.h"

namespace tarvel {
namespace {

using namespace archivo;

constexpr std::array<std::string_view, 5> kClasesBosque = {"I", "II", "III", "IV", "V"};
constexpr int kUltimaFilaGeneral = 57;
constexpr int kUltimaEntrada = kPrimeraArida + kEntradasAridas - 1;

// The keys of the format.
namespace clave {
constexpr const char* formato = "format";
constexpr const char* version = "version";
constexpr const char* titulo = "title";
constexpr const char* lluvia = "storm_mm";
constexpr const char* lambda = "lambda";
constexpr const char* filas = "rows";
constexpr const char* nombre = "name";
constexpr const char* area = "area_ha";
constexpr const char* cn = "cn";
constexpr const char* origen = "source";
constexpr const char* traza = "trail";
constexpr const char* vegetacion = "vegetation";
constexpr const char* laboreo = "treatment";
constexpr const char* condicion = "condition";
constexpr const char* grupo = "soil_group";
constexpr const char* comoGrupo = "soil_group_from";
constexpr const char* metodo = "method";
constexpr const char* clase = "class";
constexpr const char* porcentajes[] = {"clay", "silt", "sand"};  // kArcilla, kLimo, kArena
constexpr const char* claseBosque = "forest_class";
constexpr const char* filaDatos = "data_row";
constexpr const char* descripcion = "description";
constexpr const char* idioma = "language";
constexpr const char* tabla = "table";
}  // namespace clave

bool GrupoValido(std::string_view grupo) { return grupo == "A" || grupo == "B" || grupo == "C" || grupo == "D"; }

// A percentage as some run of the program could have typed it: a number with
// "." or "," as its decimal mark. Letters are a damaged trail.
bool EnCifras(std::string_view texto) {
    return ConvertirNumero(texto, {'.', ','}).has_value() || ConvertirNumero(texto, {',', '.'}).has_value();
}

// --- checks of a worksheet in memory ---------------------------------------

std::expected<void, ErrorHoja> ValidarPasoAPaso(const TrazaPasoAPaso& t, const std::string& ruta) {
    const auto fuera = [](int v, int minimo, int maximo) { return v < minimo || v > maximo; };
    if (fuera(t.vegetacion, 0, kUltimaEntrada))
        return std::unexpected(ErrorEntero(Ruta(ruta, clave::vegetacion), 0, kUltimaEntrada));
    if (fuera(t.laboreo, -1, kTratamientos - 1))
        return std::unexpected(ErrorEntero(Ruta(ruta, clave::laboreo), -1, kTratamientos - 1));
    if (fuera(t.condicion, -1, 5)) return std::unexpected(ErrorEntero(Ruta(ruta, clave::condicion), -1, 5));
    if (!GrupoValido(t.grupoSuelo)) return std::unexpected(Error(FalloHoja::Desconocido, Ruta(ruta, clave::grupo), "A, B, C, D"));
    if (const auto* tasa = std::get_if<SueloPorTasa>(&t.comoGrupo)) {
        const std::string rutaClase = Ruta(Ruta(ruta, clave::comoGrupo), clave::clase);
        if (fuera(tasa->clase, 0, 3)) return std::unexpected(ErrorEntero(rutaClase, 0, 3));
        if (GrupoPorTasa(tasa->clase) != t.grupoSuelo) return std::unexpected(Error(FalloHoja::GrupoTasa, rutaClase));
    } else {
        const std::string rutaComo = Ruta(ruta, clave::comoGrupo);
        const auto& porcentajes = std::get<SueloPorTextura>(t.comoGrupo).porcentajes;
        for (int i = 0; i < 3; ++i) {
            if (!EnCifras(porcentajes[static_cast<std::size_t>(i)])) {
                return std::unexpected(Error(FalloHoja::Porcentaje, Ruta(rutaComo, clave::porcentajes[i])));
            }
        }
    }
    const bool bosque = t.vegetacion == kBosques;
    const bool claseCorrecta = bosque ? t.condicion >= 1 && t.condicion <= 5 &&
                                            t.claseBosque == kClasesBosque[static_cast<std::size_t>(t.condicion - 1)]
                                      : t.claseBosque.empty();
    if (!claseCorrecta) return std::unexpected(Error(FalloHoja::ClaseBosque, Ruta(ruta, clave::claseBosque)));
    if (fuera(t.filaDatos, 1, kFilasDatos))
        return std::unexpected(ErrorEntero(Ruta(ruta, clave::filaDatos), 1, kFilasDatos));
    if (FilaDeDatos(t.vegetacion, t.laboreo, t.condicion) != t.filaDatos)
        return std::unexpected(Error(FalloHoja::FilaNoDesignada, Ruta(ruta, clave::filaDatos), std::to_string(t.filaDatos)));
    if (t.idioma != kIdiomaEspanol && t.idioma != kIdiomaIngles)
        return std::unexpected(Error(FalloHoja::Desconocido, Ruta(ruta, clave::idioma), "es, en"));
    return {};
}

std::expected<void, ErrorHoja> ValidarTabla(const TrazaTabla& t, const std::string& ruta) {
    const bool general = t.tabla == TablaReferencia::General;
    const int primera = general ? 1 : kUltimaFilaGeneral + 1;
    const int ultima = general ? kUltimaFilaGeneral : kFilasDatos;
    if (t.filaDatos < primera || t.filaDatos > ultima)
        return std::unexpected(ErrorEntero(Ruta(ruta, clave::filaDatos), primera, ultima, FalloHoja::FilaTabla));
    if (!GrupoValido(t.grupoSuelo)) return std::unexpected(Error(FalloHoja::Desconocido, Ruta(ruta, clave::grupo), "A, B, C, D"));
    return {};
}

// --- writing -----------------------------------------------------------------

JsonOrdenado JsonTraza(const TrazaPasoAPaso& t) {
    JsonOrdenado j;
    j[clave::vegetacion] = t.vegetacion;
    j[clave::laboreo] = t.laboreo;
    j[clave::condicion] = t.condicion;
    j[clave::grupo] = t.grupoSuelo;
    JsonOrdenado como;
    if (const auto* tasa = std::get_if<SueloPorTasa>(&t.comoGrupo)) {
        como[clave::metodo] = kComoGrupoTasa;
        como[clave::clase] = tasa->clase;
    } else {
        como[clave::metodo] = kComoGrupoTextura;
        for (int i = 0; i < 3; ++i) como[clave::porcentajes[i]] = std::get<SueloPorTextura>(t.comoGrupo).porcentajes[i];
    }
    j[clave::comoGrupo] = std::move(como);
    if (!t.claseBosque.empty()) j[clave::claseBosque] = t.claseBosque;
    j[clave::filaDatos] = t.filaDatos;
    j[clave::descripcion] = t.descripcion;
    j[clave::idioma] = NombreIdiomaCorto(t.idioma);
    return j;
}

JsonOrdenado JsonTraza(const TrazaTabla& t) {
    JsonOrdenado j;
    j[clave::tabla] = t.tabla == TablaReferencia::General ? kNombreTablaGeneral : kNombreTablaArida;
    j[clave::filaDatos] = t.filaDatos;
    j[clave::grupo] = t.grupoSuelo;
    return j;
}

// --- reading -----------------------------------------------------------------

// Where the parser stopped, and the first fault it met.
class SoloPosicion : public nlohmann::json_sax<Json> {
public:
    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return true; }
    bool key(string_t&) override { return true; }
    bool end_object() override { return true; }
    bool start_array(std::size_t) override { return true; }
    bool end_array() override { return true; }
    bool parse_error(std::size_t posicion, const std::string&, const nlohmann::detail::exception&) override {
        mPosicion = posicion;
        return false;
    }
    std::size_t Posicion() const { return mPosicion; }

private:
    std::size_t mPosicion = 0;
};

// Line and column (characters, not bytes) of the byte that stopped the
// parser; `posicion` counts from 1, and one past the end stands for the end.
ErrorHoja ErrorDeSintaxis(std::string_view texto, std::size_t posicion) {
    ErrorHoja e;
    e.fallo = posicion > texto.size() ? FalloHoja::Incompleto : FalloHoja::Sintaxis;
    const std::size_t hasta = std::min(posicion > 0 ? posicion - 1 : 0, texto.size());
    e.linea = 1;
    e.columna = 1;
    for (std::size_t i = 0; i < hasta; ++i) {
        if (texto[i] == '\n') {
            ++e.linea;
            e.columna = 1;
        } else if ((static_cast<unsigned char>(texto[i]) & 0xC0) != 0x80) {
            ++e.columna;
        }
    }
    return e;
}

TrazaPasoAPaso LeerPasoAPaso(const Json& j, const std::string& ruta) {
    const auto campo = [&](const char* nombre) -> const Json& { return Campo(j, nombre, ruta); };
    TrazaPasoAPaso t;
    t.vegetacion = Entero(campo(clave::vegetacion), Ruta(ruta, clave::vegetacion), 0, kUltimaEntrada);
    t.laboreo = Entero(campo(clave::laboreo), Ruta(ruta, clave::laboreo), -1, kTratamientos - 1);
    t.condicion = Entero(campo(clave::condicion), Ruta(ruta, clave::condicion), -1, 5);
    t.grupoSuelo = Cadena(campo(clave::grupo), Ruta(ruta, clave::grupo));

    const std::string rutaComo = Ruta(ruta, clave::comoGrupo);
    const Json& como = Objeto(campo(clave::comoGrupo), rutaComo);
    const auto metodo = Nombre(Campo(como, clave::metodo, rutaComo), Ruta(rutaComo, clave::metodo),
                               std::array{kComoGrupoTasa, kComoGrupoTextura});
    if (metodo == 0) {
        t.comoGrupo = SueloPorTasa{Entero(Campo(como, clave::clase, rutaComo), Ruta(rutaComo, clave::clase), 0, 3)};
    } else {
        SueloPorTextura textura;
        for (int i = 0; i < 3; ++i) {
            textura.porcentajes[i] = Cadena(Campo(como, clave::porcentajes[i], rutaComo), Ruta(rutaComo, clave::porcentajes[i]));
        }
        t.comoGrupo = std::move(textura);
    }
    if (j.contains(clave::claseBosque)) t.claseBosque = Cadena(j[clave::claseBosque], Ruta(ruta, clave::claseBosque));
    t.filaDatos = Entero(campo(clave::filaDatos), Ruta(ruta, clave::filaDatos), 1, kFilasDatos);
    t.descripcion = Cadena(campo(clave::descripcion), Ruta(ruta, clave::descripcion));
    t.idioma = Nombre(campo(clave::idioma), Ruta(ruta, clave::idioma), std::array{NombreIdiomaCorto(kIdiomaEspanol),
                                                                                NombreIdiomaCorto(kIdiomaIngles)}) == 0
                   ? kIdiomaEspanol
                   : kIdiomaIngles;
    return t;
}

TrazaTabla LeerTabla(const Json& j, const std::string& ruta) {
    TrazaTabla t;
    t.tabla = Nombre(Campo(j, clave::tabla, ruta), Ruta(ruta, clave::tabla),
                     std::array{kNombreTablaGeneral, kNombreTablaArida}) == 0
                  ? TablaReferencia::General
                  : TablaReferencia::Arida;
    t.filaDatos = Entero(Campo(j, clave::filaDatos, ruta), Ruta(ruta, clave::filaDatos), 1, kFilasDatos);
    t.grupoSuelo = Cadena(Campo(j, clave::grupo, ruta), Ruta(ruta, clave::grupo));
    return t;
}

FilaHoja LeerFila(const Json& j, const std::string& ruta) {
    Objeto(j, ruta);
    FilaHoja fila;
    if (j.contains(clave::nombre)) fila.nombre = Cadena(j[clave::nombre], Ruta(ruta, clave::nombre));
    fila.area = Numero(Campo(j, clave::area, ruta), Ruta(ruta, clave::area));
    fila.cn = Numero(Campo(j, clave::cn, ruta), Ruta(ruta, clave::cn));
    const auto origen = Nombre(Campo(j, clave::origen, ruta), Ruta(ruta, clave::origen),
                               std::array{kOrigenEscrita, kOrigenPasoAPaso, kOrigenTabla});
    const std::string rutaTraza = Ruta(ruta, clave::traza);
    if (origen == 1) fila.origen = LeerPasoAPaso(Objeto(Campo(j, clave::traza, ruta), rutaTraza), rutaTraza);
    if (origen == 2) fila.origen = LeerTabla(Objeto(Campo(j, clave::traza, ruta), rutaTraza), rutaTraza);
    return fila;
}

HojaCuenca LeerDocumento(const Json& j) {
    const auto formato = j.is_object() ? j.find(clave::formato) : j.end();
    if (formato == j.end() || !formato->is_string() || formato->get<std::string>() != kFormatoHoja) {
        Rechazar(Error(FalloHoja::Ajeno, ""));
    }
    const std::string rutaVersion = Ruta("", clave::version);
    const Json& version = Campo(j, clave::version, "");
    const double v = version.is_number() ? version.get<double>() : 0;
    if (!(v >= 1) || v != std::floor(v)) Rechazar(Error(FalloHoja::VersionIncorrecta, rutaVersion));
    if (v > kVersionHoja) Rechazar(Error(FalloHoja::VersionNueva, rutaVersion, version.dump()));

    HojaCuenca hoja;
    if (j.contains(clave::titulo)) hoja.titulo = Cadena(j[clave::titulo], Ruta("", clave::titulo));
    if (j.contains(clave::lluvia) && !j[clave::lluvia].is_null()) {
        hoja.lluvia = Numero(j[clave::lluvia], Ruta("", clave::lluvia));
    }
    if (j.contains(clave::lambda)) {
        const std::array nombres{NombreEleccionLambda(EleccionLambda::Clasica), NombreEleccionLambda(EleccionLambda::Reducida),
                                 NombreEleccionLambda(EleccionLambda::Ambas)};
        hoja.lambda = static_cast<EleccionLambda>(Nombre(j[clave::lambda], Ruta("", clave::lambda), nombres));
    }
    const std::string rutaFilas = Ruta("", clave::filas);
    const Json& filas = Campo(j, clave::filas, "");
    if (!filas.is_array()) Rechazar(Error(FalloHoja::NoLista, rutaFilas));
    for (std::size_t i = 0; i < filas.size(); ++i) hoja.filas.push_back(LeerFila(filas[i], Ruta(rutaFilas, i)));
    if (const auto caudal = j.find(kClaveCaudal); v >= 2 && caudal != j.end() && !caudal->is_null()) {
        hoja.caudal = LeerCaudal(*caudal, Ruta("", kClaveCaudal));
    }
    return hoja;
}

}  // namespace

std::string MensajeErrorHoja(const ErrorHoja& e) {
    const auto con = [&](int texto, std::initializer_list<std::string_view> valores) {
        return Rellenar(Texto(texto), valores);
    };
    const std::string minimo = std::to_string(e.minimo);
    const std::string maximo = std::to_string(e.maximo);
    switch (e.fallo) {
        case FalloHoja::NoLegible: return con(kTextoArchivoIlegibleMotivo, {e.ruta, MotivoDeSistema(e.errorSistema)});
        case FalloHoja::Grande: return con(kTextoArchivoGrande, {e.ruta});
        case FalloHoja::Sintaxis: return con(kTextoSintaxis, {std::to_string(e.linea), std::to_string(e.columna)});
        case FalloHoja::Incompleto: return con(kTextoIncompleto, {std::to_string(e.linea), std::to_string(e.columna)});
        case FalloHoja::Ajeno: return con(kTextoAjeno, {});
        case FalloHoja::VersionNueva: return con(kTextoVersionNueva, {e.detalle, std::to_string(kVersionHoja)});
        case FalloHoja::VersionIncorrecta: return con(kTextoVersionIncorrecta, {e.ruta});
        case FalloHoja::Falta: return con(kTextoValorFalta, {e.ruta});
        case FalloHoja::NoTexto: return con(kTextoNoTexto, {e.ruta});
        case FalloHoja::NoNumero: return con(kTextoNoNumero, {e.ruta});
        case FalloHoja::NoEntero: return con(kTextoNoEntero, {e.ruta, minimo, maximo});
        case FalloHoja::NoLista: return con(kTextoNoLista, {e.ruta});
        case FalloHoja::NoObjeto: return con(kTextoNoObjeto, {e.ruta});
        case FalloHoja::Desconocido: return con(kTextoValorDesconocido, {e.ruta, e.detalle});
        case FalloHoja::FilaNoDesignada: return con(kTextoFilaNoDesignada, {e.ruta, e.detalle});
        case FalloHoja::ClaseBosque: return con(kTextoClaseBosque, {e.ruta});
        case FalloHoja::GrupoTasa: return con(kTextoGrupoTasa, {e.ruta});
        case FalloHoja::FilaTabla: return con(kTextoFilaTabla, {e.ruta, minimo, maximo});
        case FalloHoja::Porcentaje: return con(kTextoPorcentajeNoNumero, {e.ruta});
        case FalloHoja::Elementos:
            return e.minimo == e.maximo ? con(kTextoListaDeElementos, {e.ruta, minimo})
                                        : con(kTextoListaDeTamano, {e.ruta, minimo, maximo});
        case FalloHoja::FueraDeRango: return con(kTextoFueraDeRango, {e.ruta, e.detalle});
        case FalloHoja::Cuenca: break;
    }
    return con(kTextoEnRuta, {e.ruta, MensajeCuenca(e.cuenca)});
}

std::expected<void, ErrorHoja> ValidarHoja(const HojaCuenca& hoja) {
    // A storm the program would refuse if typed (below 0, above kLluviaMaxima) is a damaged file.
    if (const auto fallo = hoja.lluvia ? ComprobarLluvia(*hoja.lluvia) : std::nullopt) {
        ErrorHoja e = Error(FalloHoja::Cuenca, Ruta("", clave::lluvia));
        e.cuenca = {*fallo == ErrorEscorrentia::Lluvia ? FalloCuenca::Lluvia : FalloCuenca::LluviaExcesiva};
        return std::unexpected(e);
    }
    const std::string rutaFilas = Ruta("", clave::filas);
    for (std::size_t i = 0; i < hoja.filas.size(); ++i) {
        const auto& fila = hoja.filas[i];
        const std::string ruta = Ruta(rutaFilas, i);
        if (const auto rechazo = ComprobarSubarea({fila.area, fila.cn}, static_cast<int>(i))) {
            ErrorHoja e = Error(FalloHoja::Cuenca, Ruta(ruta, rechazo->fallo == FalloCuenca::Area ? clave::area : clave::cn));
            e.cuenca = *rechazo;
            return std::unexpected(e);
        }
        const std::string rutaTraza = Ruta(ruta, clave::traza);
        if (const auto* paso = std::get_if<TrazaPasoAPaso>(&fila.origen)) {
            if (auto hecho = ValidarPasoAPaso(*paso, rutaTraza); !hecho) return hecho;
        } else if (const auto* tabla = std::get_if<TrazaTabla>(&fila.origen)) {
            if (auto hecho = ValidarTabla(*tabla, rutaTraza); !hecho) return hecho;
        }
    }
    if (hoja.caudal) return ValidarCaudal(*hoja.caudal, Ruta("", kClaveCaudal));
    return {};
}

std::expected<std::string, ErrorHoja> TextoHoja(const HojaCuenca& hoja) {
    if (auto valida = ValidarHoja(hoja); !valida) return std::unexpected(valida.error());
    JsonOrdenado j;
    j[clave::formato] = kFormatoHoja;
    // A worksheet without peak inputs is all a version 1 reader needs to know.
    j[clave::version] = hoja.caudal ? kVersionHoja : 1;
    j[clave::titulo] = hoja.titulo;
    j[clave::lluvia] = hoja.lluvia ? JsonOrdenado(*hoja.lluvia) : JsonOrdenado(nullptr);
    j[clave::lambda] = NombreEleccionLambda(hoja.lambda);
    j[clave::filas] = JsonOrdenado::array();
    for (const auto& fila : hoja.filas) {
        JsonOrdenado f;
        f[clave::nombre] = fila.nombre;
        f[clave::area] = fila.area;
        f[clave::cn] = fila.cn;
        if (const auto* paso = std::get_if<TrazaPasoAPaso>(&fila.origen)) {
            f[clave::origen] = kOrigenPasoAPaso;
            f[clave::traza] = JsonTraza(*paso);
        } else if (const auto* tabla = std::get_if<TrazaTabla>(&fila.origen)) {
            f[clave::origen] = kOrigenTabla;
            f[clave::traza] = JsonTraza(*tabla);
        } else {
            f[clave::origen] = kOrigenEscrita;
        }
        j[clave::filas].push_back(std::move(f));
    }
    if (hoja.caudal) j[kClaveCaudal] = JsonCaudal(*hoja.caudal);
    return j.dump(2, ' ', false, JsonOrdenado::error_handler_t::replace) + '\n';
}

std::expected<HojaCuenca, ErrorHoja> LeerHoja(std::string_view texto) {
    SoloPosicion posicion;
    if (!Json::sax_parse(texto, &posicion)) return std::unexpected(ErrorDeSintaxis(texto, posicion.Posicion()));
    try {
        const Json documento = Json::parse(texto);
        HojaCuenca hoja = LeerDocumento(documento);
        if (auto valida = ValidarHoja(hoja); !valida) return std::unexpected(valida.error());
        return hoja;
    } catch (const Rechazo& rechazo) {
        return std::unexpected(rechazo.error);
    }
}

std::expected<HojaCuenca, ErrorHoja> LeerHojaDeArchivo(const std::filesystem::path& archivo) {
    const auto ilegible = [&](int error) {
        ErrorHoja e = Error(FalloHoja::NoLegible, archivo.string());
        e.errorSistema = error;
        return std::unexpected(e);
    };
    std::error_code ec;
    const auto estado = std::filesystem::status(archivo, ec);
    if (ec) return ilegible(ec.value());
    if (std::filesystem::is_directory(estado)) return ilegible(EISDIR);
    errno = 0;
    std::ifstream entrada(archivo, std::ios::binary);
    if (!entrada) return ilegible(errno);
    const auto tamano = std::filesystem::file_size(archivo, ec);
    if (ec) return ilegible(ec.value());
    if (tamano > kTamanoMaximoHoja) return std::unexpected(Error(FalloHoja::Grande, archivo.string()));
    std::string texto(tamano, '\0');
    errno = 0;
    if (!entrada.read(texto.data(), static_cast<std::streamsize>(tamano)) || entrada.peek() != std::char_traits<char>::eof()) {
        return ilegible(errno);
    }
    return LeerHoja(texto);
}

}  // namespace tarvel
