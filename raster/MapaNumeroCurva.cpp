#include "app/TablaTextos.h"
#include "raster/MapaNumeroCurva.h"

#include <cpl_conv.h>
#include <cpl_error.h>
#include <fcntl.h>
#include <gdal_priv.h>
#include <ogr_spatialref.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <limits>
#include <mutex>
#include <optional>
#include <random>
#include <thread>

#include "hydrology/Conversion.h"
#include "raster/TextosRaster.h"

namespace tarvel::raster {
namespace {

namespace fs = std::filesystem;

ErrorMapa Falla(FalloMapa fallo, const fs::path& archivo, std::string detalle = {}, std::string rol = {}) {
    ErrorMapa e;
    e.fallo = fallo;
    e.archivo = archivo;
    e.detalle = std::move(detalle);
    e.rol = std::move(rol);
    return e;
}

ErrorMapa Falla(FalloMapa fallo, const fs::path& archivo, const Recuento& recuento) {
    ErrorMapa e = Falla(fallo, archivo);
    e.recuento = recuento;
    return e;
}

// --- GDAL ------------------------------------------------------------------------

// GDAL's messages are kept for ours instead of going to standard error; the
// handler stack is per thread, so every thread that calls GDAL holds one.
class SilencioGdal {
public:
    SilencioGdal() {
        CPLPushErrorHandler(CPLQuietErrorHandler);
        CPLErrorReset();
    }
    ~SilencioGdal() { CPLPopErrorHandler(); }
    SilencioGdal(const SilencioGdal&) = delete;
    SilencioGdal& operator=(const SilencioGdal&) = delete;
};

std::string UltimoErrorGdal() {
    const std::string mensaje = CPLGetLastErrorMsg();
    return mensaje.empty() ? std::string("GDAL error") : mensaje;
}

void IniciarGdal() {
    static std::once_flag una;
    std::call_once(una, [] {
        GDALAllRegister();
        // Written blocks wait in GDAL's cache until they are compressed; its
        // default (5 % of the memory) would let them pile up far beyond what a
        // block-by-block run needs. A cache the user sets is kept.
        if (CPLGetConfigOption("GDAL_CACHEMAX", nullptr) == nullptr) GDALSetCacheMax64(64 << 20);
    });
}

// How the values of a band are held in memory: bytes, 16-bit words (signed or
// not), or every wider whole number as 64 bits.
enum class Ancho { U8, U16, I64 };

struct Entrada {
    GDALDatasetUniquePtr datos;
    GDALRasterBand* banda = nullptr;
    GDALDataType tipo = GDT_Unknown;
    Ancho ancho = Ancho::U8;
    bool conSigno = false;  // Int16
    std::optional<std::int64_t> sinDato;
};

GDALDataType TipoLectura(const Entrada& e) {
    switch (e.ancho) {
        case Ancho::U8: return GDT_Byte;
        case Ancho::U16: return e.conSigno ? GDT_Int16 : GDT_UInt16;
        case Ancho::I64: return GDT_Int64;
    }
    return GDT_Int64;
}

std::size_t BytesValor(Ancho ancho) { return ancho == Ancho::U8 ? 1 : ancho == Ancho::U16 ? 2 : 8; }

std::int64_t BytesBloque(const Entrada& e) {
    int bx = 0, by = 0;
    e.banda->GetBlockSize(&bx, &by);
    return std::int64_t{bx} * by * GDALGetDataTypeSizeBytes(e.tipo);
}

std::expected<Entrada, ErrorMapa> Abrir(const fs::path& archivo) {
    Entrada e;
    CPLErrorReset();
    e.datos.reset(GDALDataset::Open(archivo.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY | GDAL_OF_VERBOSE_ERROR));
    if (!e.datos) return std::unexpected(Falla(FalloMapa::Abrir, archivo, UltimoErrorGdal()));
    if (e.datos->GetRasterCount() < 1) return std::unexpected(Falla(FalloMapa::SinBanda, archivo));
    e.banda = e.datos->GetRasterBand(1);
    e.tipo = e.banda->GetRasterDataType();
    switch (e.tipo) {
        case GDT_Byte: e.ancho = Ancho::U8; break;
        case GDT_UInt16: e.ancho = Ancho::U16; break;
        case GDT_Int16:
            e.ancho = Ancho::U16;
            e.conSigno = true;
            break;
        case GDT_UInt32:
        case GDT_Int32:
        case GDT_UInt64:
        case GDT_Int64: e.ancho = Ancho::I64; break;
        default: return std::unexpected(Falla(FalloMapa::Tipo, archivo, GDALGetDataTypeName(e.tipo)));
    }
    int hay = 0;
    if (e.tipo == GDT_Int64) {
        const std::int64_t v = e.banda->GetNoDataValueAsInt64(&hay);
        if (hay) e.sinDato = v;
    } else if (e.tipo == GDT_UInt64) {
        const std::uint64_t v = e.banda->GetNoDataValueAsUInt64(&hay);
        if (hay && v <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
            e.sinDato = static_cast<std::int64_t>(v);
    } else {
        // A no-data value that is no whole number of the band's type matches no cell.
        const double v = e.banda->GetNoDataValue(&hay);
        if (hay && std::isfinite(v) && v == std::trunc(v) && std::abs(v) < 0x1p62)
            e.sinDato = static_cast<std::int64_t>(v);
    }
    return e;
}

// --- the grid ----------------------------------------------------------------------

// The shortest decimal that reads back as the same double, never in exponent form.
std::string Numero(double x) {
    std::array<char, 400> texto{};
    return std::string(texto.data(),
                       std::to_chars(texto.data(), texto.data() + texto.size(), x, std::chars_format::fixed).ptr);
}

// A path as a POSIX shell reads it back.
std::string Citar(const std::string& texto) {
    if (!texto.empty() &&
        texto.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_./:+-=,") ==
            std::string::npos) {
        return texto;
    }
    std::string citado = "'";
    for (const char c : texto) citado += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return citado + "'";
}

std::string NombreSrs(const OGRSpatialReference* srs) {
    if (srs == nullptr) return Mensaje(kTextoRasterNinguna, {});
    const char* nombre = srs->GetName();
    const char* autoridad = srs->GetAuthorityName(nullptr);
    const char* codigo = srs->GetAuthorityCode(nullptr);
    std::string texto = nombre ? nombre : "?";
    if (autoridad && codigo) texto += std::string(" (") + autoridad + ":" + codigo + ")";
    return texto;
}

// Empty when the soil groups lie on the land-cover grid; else the differences.
std::string Diferencias(const Entrada& cob, const Entrada& sue) {
    std::vector<std::string> lista;
    const int w1 = cob.datos->GetRasterXSize(), h1 = cob.datos->GetRasterYSize();
    const int w2 = sue.datos->GetRasterXSize(), h2 = sue.datos->GetRasterYSize();
    if (w1 != w2 || h1 != h2) {
        lista.push_back(Mensaje(kTextoDiferenciaTamano,
                                 {std::to_string(w1), std::to_string(h1), std::to_string(w2), std::to_string(h2)}));
    }
    // Without a geotransform GDAL gives (0, 1, 0, 0, 0, 1): pixel coordinates.
    std::array<double, 6> g1{}, g2{};
    cob.datos->GetGeoTransform(g1.data());
    sue.datos->GetGeoTransform(g2.data());
    const double celda = std::max({std::abs(g1[1]), std::abs(g1[5]), std::abs(g1[2]), std::abs(g1[4])});
    const auto igual = [](double a, double b, double tolerancia) { return std::abs(a - b) <= tolerancia; };
    // Files written by different programs may differ in the last digits.
    if (!igual(g1[0], g2[0], celda * 1e-6) || !igual(g1[3], g2[3], celda * 1e-6)) {
        lista.push_back(Mensaje(kTextoDiferenciaOrigen, {Numero(g1[0]), Numero(g1[3]), Numero(g2[0]), Numero(g2[3])}));
    }
    bool mismaCelda = true;
    for (const int i : {1, 2, 4, 5}) mismaCelda = mismaCelda && igual(g1[i], g2[i], celda * 1e-9);
    if (!mismaCelda) {
        lista.push_back(
            Mensaje(kTextoDiferenciaCelda, {Numero(g1[1]), Numero(-g1[5]), Numero(g2[1]), Numero(-g2[5])}));
    }
    const OGRSpatialReference* s1 = cob.datos->GetSpatialRef();
    const OGRSpatialReference* s2 = sue.datos->GetSpatialRef();
    if ((s1 == nullptr) != (s2 == nullptr) || (s1 && !s1->IsSame(s2))) {
        lista.push_back(Mensaje(kTextoDiferenciaProyeccion, {NombreSrs(s1), NombreSrs(s2)}));
    }
    std::string texto;
    for (const std::string& d : lista) texto += (texto.empty() ? "" : "; ") + d;
    return texto;
}

// The gdalwarp command that puts the soil groups on the land-cover grid, cell
// for cell, by nearest neighbour: soil groups are classes, never averaged.
std::string OrdenAlinear(const Entrada& cob, const fs::path& suelo) {
    std::array<double, 6> g{};
    cob.datos->GetGeoTransform(g.data());
    const int w = cob.datos->GetRasterXSize(), h = cob.datos->GetRasterYSize();
    std::string orden = "gdalwarp";
    if (const OGRSpatialReference* srs = cob.datos->GetSpatialRef()) {
        const char* autoridad = srs->GetAuthorityName(nullptr);
        const char* codigo = srs->GetAuthorityCode(nullptr);
        if (autoridad && codigo) {
            orden += std::string(" -t_srs ") + autoridad + ":" + codigo;
        } else {
            char* proj = nullptr;
            if (srs->exportToProj4(&proj) == OGRERR_NONE && proj) orden += " -t_srs " + Citar(proj);
            CPLFree(proj);
        }
    }
    const double x0 = g[0], x1 = g[0] + w * g[1], y0 = g[3], y1 = g[3] + h * g[5];
    orden += " -te " + Numero(std::min(x0, x1)) + " " + Numero(std::min(y0, y1)) + " " + Numero(std::max(x0, x1)) +
             " " + Numero(std::max(y0, y1));
    orden += " -ts " + std::to_string(w) + " " + std::to_string(h) + " -r near";
    fs::path alineado = suelo;
    alineado.replace_filename(suelo.stem().string() + "-aligned.tif");
    return orden + " " + Citar(suelo.string()) + " " + Citar(alineado.string());
}

// --- what every cell becomes -------------------------------------------------------

// A cell's land-cover index k is, for byte rasters, its code itself, so that
// every code not in the table is counted apart by k; for wider ones, the
// position of its code in the table, then one k for no-data and one for every
// code not in the table. Its soil class s is the group 0-3 (A-D), or 4 for
// no-data, 5 for a value that is no group. Every output of a cell is a table
// read at k * 8 + s.
constexpr unsigned kClases = 8;
constexpr std::uint8_t kSueloSinDato = 4, kSueloOtro = 5;
constexpr std::int32_t kKSinDato = -1, kKDesconocido = -2;
enum Especial : std::uint8_t { kNada = 0, kAnotarSuelo = 1, kAnotarCodigo = 2 };

struct Tablas {
    std::vector<std::int32_t> entrada;  // by k: position in the lookup table, kKSinDato or kKDesconocido
    std::vector<std::int64_t> codigo;   // by k: its code, where k stands for one
    bool codigoPorK = false;
    std::vector<std::uint8_t> cn;
    std::vector<float> umbral, q;
    std::vector<std::uint8_t> especial;  // the cells whose values are counted one by one
    std::vector<bool> conValor;          // the cell gets a curve number
};

std::int32_t Posicion(const std::vector<EntradaCobertura>& entradas, std::int64_t codigo,
                      std::optional<std::int64_t> sinDato) {
    if (sinDato && codigo == *sinDato) return kKSinDato;
    const auto it = std::ranges::lower_bound(entradas, codigo, {}, &EntradaCobertura::codigo);
    return it != entradas.end() && it->codigo == codigo ? static_cast<std::int32_t>(it - entradas.begin())
                                                        : kKDesconocido;
}

Tablas CalcularTablas(const PeticionMapa& p, const Entrada& cob) {
    Tablas t;
    const auto& entradas = p.tabla.entradas;
    if (cob.ancho == Ancho::U8) {
        t.codigoPorK = true;
        for (std::int64_t v = 0; v < 256; ++v) {
            t.codigo.push_back(v);
            t.entrada.push_back(Posicion(entradas, v, cob.sinDato));
        }
    } else {
        for (std::size_t i = 0; i < entradas.size(); ++i) {
            t.codigo.push_back(entradas[i].codigo);
            t.entrada.push_back(static_cast<std::int32_t>(i));
        }
        t.codigo.insert(t.codigo.end(), {0, 0});
        t.entrada.insert(t.entrada.end(), {kKSinDato, kKDesconocido});
    }
    const std::size_t total = t.entrada.size() * kClases;
    t.cn.assign(total, kSinDatoNumeroCurva);
    t.umbral.assign(total, kSinDatoMilimetros);
    t.q.assign(total, kSinDatoMilimetros);
    t.especial.assign(total, kNada);
    t.conValor.assign(total, false);
    for (std::size_t k = 0; k < t.entrada.size(); ++k) {
        // A land-cover no-data cell is counted as that, whatever its soil group.
        if (t.entrada[k] == kKSinDato) continue;
        t.especial[k * kClases + kSueloOtro] = kAnotarSuelo;
        if (t.entrada[k] == kKDesconocido) {
            if (!t.codigoPorK) {
                for (unsigned s = 0; s < 4; ++s) t.especial[k * kClases + s] = kAnotarCodigo;
            }
            continue;
        }
        const FilaDatos& fila =
            p.datos.at(static_cast<std::size_t>(entradas[static_cast<std::size_t>(t.entrada[k])].fila - 1));
        for (int g = 1; g <= 4; ++g) {
            const ValorCurva valor = ValorDeFila(fila, g);
            if (valor.falta) continue;
            // Datos.dat holds two digits, 06 to 99: every conversion and the
            // runoff are defined there; a failure all the same leaves no value.
            const double cn2 = std::stoi(valor.texto);
            const auto cn = p.condicion == CondicionHumedad::I     ? Ncondicion1(cn2)
                            : p.condicion == CondicionHumedad::III ? Ncondicion3(cn2)
                                                                   : std::expected<double, ErrorAritmetico>(cn2);
            if (!cn) continue;
            // The threshold is the initial abstraction of the ratio in force:
            // with 0.2 the program's own threshold, with 0.05 that of S0.05.
            const auto q = CalcularEscorrentia(*cn, p.lluvia, p.lambda);
            const auto umbral = p.lambda == Lambda::Clasica ? UmbralEscorrentia(*cn).value_or(NAN) : q ? q->Ia : NAN;
            if (!std::isfinite(umbral) || !q) continue;
            const std::size_t c = k * kClases + static_cast<unsigned>(g - 1);
            // The byte holds the curve number rounded to a whole number; the
            // threshold and the runoff come from the unrounded one.
            t.cn[c] = static_cast<std::uint8_t>(std::lround(*cn));
            t.umbral[c] = static_cast<float>(umbral);
            t.q[c] = static_cast<float>(q->Q);
            t.conValor[c] = true;
        }
    }
    return t;
}

// Land-cover value to index k.
struct IndiceCobertura {
    std::vector<std::uint32_t> lut;  // by value (bytes, words) or by value - minimo (wide codes close together)
    std::vector<EntradaCobertura> entradas;
    std::int64_t minimo = 0;
    bool conSigno = false;
    bool denso = true;
    std::optional<std::int64_t> sinDato;

    std::uint32_t operator()(std::uint8_t v) const { return lut[v]; }
    std::uint32_t operator()(std::uint16_t v) const { return lut[v]; }
    std::uint32_t operator()(std::int64_t v) const {
        if (denso) {
            const std::uint64_t d = static_cast<std::uint64_t>(v) - static_cast<std::uint64_t>(minimo);
            if (d < lut.size()) return lut[d];
            if (!sinDato || v != *sinDato) return Indice(kKDesconocido);
        }
        return Indice(Posicion(entradas, v, sinDato));
    }
    std::uint32_t Indice(std::int32_t posicion) const {
        const auto n = static_cast<std::uint32_t>(entradas.size());
        return posicion == kKSinDato ? n : posicion == kKDesconocido ? n + 1 : static_cast<std::uint32_t>(posicion);
    }
    std::int64_t Valor(std::uint8_t v) const { return v; }
    std::int64_t Valor(std::uint16_t v) const { return conSigno ? static_cast<std::int16_t>(v) : v; }
    std::int64_t Valor(std::int64_t v) const { return v; }
};

IndiceCobertura CrearIndiceCobertura(const Entrada& e, const TablaCobertura& tabla) {
    IndiceCobertura ic;
    ic.conSigno = e.conSigno;
    ic.sinDato = e.sinDato;
    ic.entradas = tabla.entradas;
    if (e.ancho == Ancho::U8) {
        ic.lut.resize(256);
        for (std::uint32_t u = 0; u < 256; ++u) ic.lut[u] = u;
    } else if (e.ancho == Ancho::U16) {
        ic.lut.resize(65536);
        for (std::size_t u = 0; u < ic.lut.size(); ++u) {
            ic.lut[u] = ic.Indice(Posicion(ic.entradas, ic.Valor(static_cast<std::uint16_t>(u)), ic.sinDato));
        }
    } else {
        // Wide codes: a dense table over the span of the listed codes when it
        // is small, a search among them otherwise.
        ic.minimo = ic.entradas.front().codigo;
        const std::uint64_t span =
            static_cast<std::uint64_t>(ic.entradas.back().codigo) - static_cast<std::uint64_t>(ic.minimo);
        ic.denso = span < (1u << 20);
        if (ic.denso) {
            ic.lut.resize(span + 1);
            for (std::uint64_t d = 0; d <= span; ++d) {
                ic.lut[d] = ic.Indice(Posicion(ic.entradas, ic.minimo + static_cast<std::int64_t>(d), ic.sinDato));
            }
        }
    }
    return ic;
}

// Soil-group value to class s.
struct ClaseSuelo {
    std::array<std::uint8_t, 4> duales{};  // groups of 11-14
    std::vector<std::uint8_t> lut;         // bytes and words
    std::optional<std::int64_t> sinDato;
    bool conSigno = false;

    std::uint8_t Clase(std::int64_t v) const {
        if (sinDato && v == *sinDato) return kSueloSinDato;
        if (v >= 1 && v <= 4) return static_cast<std::uint8_t>(v - 1);
        if (v >= 11 && v <= 14) return duales[static_cast<std::size_t>(v - 11)];
        return kSueloOtro;
    }
    std::uint8_t operator()(std::uint8_t v) const { return lut[v]; }
    std::uint8_t operator()(std::uint16_t v) const { return lut[v]; }
    std::uint8_t operator()(std::int64_t v) const { return Clase(v); }
    std::int64_t Valor(std::uint8_t v) const { return v; }
    std::int64_t Valor(std::uint16_t v) const { return conSigno ? static_cast<std::int16_t>(v) : v; }
    std::int64_t Valor(std::int64_t v) const { return v; }
};

ClaseSuelo CrearClaseSuelo(const Entrada& e, GruposDuales duales) {
    ClaseSuelo cs;
    cs.sinDato = e.sinDato;
    cs.conSigno = e.conSigno;
    for (std::uint8_t g = 0; g < 4; ++g) cs.duales[g] = duales == GruposDuales::Drenados ? g : 3;
    if (e.ancho != Ancho::I64) {
        cs.lut.resize(e.ancho == Ancho::U8 ? 256 : 65536);
        for (std::size_t u = 0; u < cs.lut.size(); ++u) cs.lut[u] = cs.Clase(cs.Valor(static_cast<std::uint16_t>(u)));
    }
    return cs;
}

// Values counted one by one (soil values that are no group, codes not in the
// table); neighbouring cells mostly repeat one, which is counted as a run.
class Anotaciones {
public:
    void Anotar(std::int64_t v) {
        if (mEnCurso > 0 && v == mUltimo) {
            ++mEnCurso;
            return;
        }
        Cerrar();
        mUltimo = v;
        mEnCurso = 1;
    }
    void Cerrar() {
        if (mEnCurso > 0) mCuenta[mUltimo] += mEnCurso;
        mEnCurso = 0;
    }
    void Sumar(std::map<std::int64_t, std::uint64_t>& destino) {
        Cerrar();
        for (const auto& [v, n] : mCuenta) destino[v] += n;
        mCuenta.clear();
    }

private:
    std::map<std::int64_t, std::uint64_t> mCuenta;
    std::int64_t mUltimo = 0;
    std::uint64_t mEnCurso = 0;
};

// --- blocks ------------------------------------------------------------------------

struct Ventana {
    int x = 0, y = 0, w = 0, h = 0;
};

struct Disposicion {
    std::vector<Ventana> ventanas;
    int teselaX = 256, teselaY = 256;  // the outputs' tiles
    bool porBloques = false;           // each window is one block of the land cover and one tile of the outputs
};

int MultiploDe16(int n) { return std::max(16, (n + 15) / 16 * 16); }

// Tiled inputs are read tile by tile, and the outputs get the same tiles when
// a GeoTIFF can hold them (sides multiple of 16). Inputs in strips are read
// in bands of whole rows, about 2 million cells each, matched by the
// outputs' tile height, so that no written tile waits half-filled.
Disposicion Disponer(const Entrada& cob) {
    Disposicion d;
    const int w = cob.datos->GetRasterXSize(), h = cob.datos->GetRasterYSize();
    int bx = 0, by = 0;
    cob.banda->GetBlockSize(&bx, &by);
    if (bx < w) {
        if (bx % 16 == 0 && by % 16 == 0 && static_cast<std::int64_t>(bx) * by <= (1 << 20)) {
            d.teselaX = bx;
            d.teselaY = by;
            d.porBloques = true;
        }
        for (int y = 0; y < h; y += d.teselaY) {
            for (int x = 0; x < w; x += d.teselaX) {
                d.ventanas.push_back({x, y, std::min(d.teselaX, w - x), std::min(d.teselaY, h - y)});
            }
        }
        return d;
    }
    d.teselaX = std::min(256, MultiploDe16(w));
    d.teselaY = std::min({256, MultiploDe16(h), std::max(16, (1 << 21) / w / 16 * 16)});
    for (int y = 0; y < h; y += d.teselaY) d.ventanas.push_back({0, y, w, std::min(d.teselaY, h - y)});
    return d;
}

// --- outputs -----------------------------------------------------------------------

enum class Contenido { NumeroCurva, Umbral, Escorrentia };

struct Salida {
    Salida(fs::path f, Contenido c, GDALDataType t) : final(std::move(f)), contenido(c), tipo(t) {}
    fs::path final;
    Contenido contenido;
    GDALDataType tipo;
    fs::path temporal;
    GDALDatasetUniquePtr datos;
    GDALRasterBand* banda = nullptr;
};

fs::path NombreTemporal(const fs::path& final) {
    std::random_device azar;
    const auto sufijo = std::to_string(azar() % 1000000000u);
    fs::path temporal = final;
    temporal.replace_filename("." + final.filename().string() + "." + sufijo + ".part");
    return temporal;
}

std::expected<void, ErrorMapa> Crear(Salida& s, const Entrada& cob, const Disposicion& d, unsigned hilos) {
    std::error_code ec;
    const fs::path carpeta = fs::absolute(s.final).parent_path();
    if (!fs::is_directory(carpeta, ec)) {
        return std::unexpected(
            Falla(FalloMapa::Crear, s.final, std::make_error_code(std::errc::no_such_file_or_directory).message()));
    }
    GDALDriver* gtiff = GetGDALDriverManager()->GetDriverByName("GTiff");
    CPLStringList opciones;
    opciones.SetNameValue("TILED", "YES");
    opciones.SetNameValue("BLOCKXSIZE", std::to_string(d.teselaX).c_str());
    opciones.SetNameValue("BLOCKYSIZE", std::to_string(d.teselaY).c_str());
    opciones.SetNameValue("COMPRESS", "DEFLATE");
    // Level 1 of libdeflate: files 6 % (curve numbers) to 8 % (depths) larger
    // than at GDAL's default level 6, written with half the processor time.
    opciones.SetNameValue("ZLEVEL", "1");
    // Horizontal differencing for the curve numbers, the floating-point predictor for depths.
    opciones.SetNameValue("PREDICTOR", s.tipo == GDT_Byte ? "2" : "3");
    opciones.SetNameValue("BIGTIFF", "IF_SAFER");
    opciones.SetNameValue("NUM_THREADS", std::to_string(hilos).c_str());
    s.temporal = NombreTemporal(s.final);
    CPLErrorReset();
    s.datos.reset(gtiff->Create(s.temporal.c_str(), cob.datos->GetRasterXSize(), cob.datos->GetRasterYSize(), 1, s.tipo,
                                opciones.List()));
    if (!s.datos) return std::unexpected(Falla(FalloMapa::Crear, s.final, UltimoErrorGdal()));
    std::array<double, 6> g{};
    if (cob.datos->GetGeoTransform(g.data()) == CE_None) s.datos->SetGeoTransform(g.data());
    if (const OGRSpatialReference* srs = cob.datos->GetSpatialRef()) s.datos->SetSpatialRef(srs);
    s.banda = s.datos->GetRasterBand(1);
    s.banda->SetNoDataValue(s.tipo == GDT_Byte ? kSinDatoNumeroCurva : kSinDatoMilimetros);
    if (s.tipo != GDT_Byte) s.banda->SetUnitType("mm");
    if (CPLGetLastErrorType() == CE_Failure) {
        return std::unexpected(Falla(FalloMapa::Crear, s.final, UltimoErrorGdal()));
    }
    return {};
}

// A temporary output dropped: nothing of it is flushed, nothing stays on disk.
void Descartar(Salida& s) {
    if (s.datos) {
        s.datos->MarkSuppressOnClose();
        s.datos.reset();
    }
    std::error_code ec;
    if (!s.temporal.empty()) fs::remove(s.temporal, ec);
}

bool Sincronizar(const fs::path& ruta, int modo) {
    const int fd = ::open(ruta.c_str(), modo | O_CLOEXEC);
    if (fd < 0) return false;
    const bool hecho = ::fsync(fd) == 0;
    ::close(fd);
    return hecho;
}

// Closes an output and makes sure every byte of it is on disk.
std::expected<void, ErrorMapa> Cerrar(Salida& s) {
    CPLErrorReset();
    s.datos->FlushCache(true);
    const bool fallo = CPLGetLastErrorType() == CE_Failure;
    s.datos.reset();
    if (fallo || CPLGetLastErrorType() == CE_Failure || !Sincronizar(s.temporal, O_RDONLY)) {
        return std::unexpected(
            Falla(FalloMapa::Escribir, s.final, CPLGetLastErrorMsg()[0] ? UltimoErrorGdal() : std::strerror(errno)));
    }
    return {};
}

// --- the run -------------------------------------------------------------------------

struct Resultado {
    bool listo = false;
    std::vector<std::uint8_t> cn;
    std::vector<float> umbral, q;
    std::vector<std::uint64_t> histograma;
    std::vector<std::uint32_t> clases, cuentas;  // working space of the block
    std::map<std::int64_t, std::uint64_t> valoresSuelo, codigos;
    std::optional<ErrorMapa> error;
};

template <class F>
decltype(auto) ConTipo(Ancho ancho, F&& f) {
    switch (ancho) {
        case Ancho::U8: return f(std::uint8_t{});
        case Ancho::U16: return f(std::uint16_t{});
        case Ancho::I64: break;
    }
    return f(std::int64_t{});
}

class Proceso {
public:
    Proceso(const PeticionMapa& p, const Entrada& cob, const Entrada& sue, const Tablas& t, const Disposicion& d,
            unsigned hilos)
        : mP(p),
          mCob(cob),
          mSue(sue),
          mT(t),
          mD(d),
          mHilos(hilos),
          mIndice(CrearIndiceCobertura(cob, p.tabla)),
          mClase(CrearClaseSuelo(sue, p.duales)) {
        const std::size_t celdas = static_cast<std::size_t>(d.teselaX) * d.teselaY;
        // A block in flight: both inputs, every cell's class, the outputs.
        const std::size_t bytes = celdas * (BytesValor(cob.ancho) + BytesValor(sue.ancho) + 4 + 1 +
                                            (p.umbral.empty() ? 0 : 4) + (p.escorrentia.empty() ? 0 : 4));
        mEnVuelo = std::clamp<std::size_t>((64u << 20) / std::max<std::size_t>(bytes, 1), 2, 4 * hilos + 4);
        mRanuras.resize(mEnVuelo);
        mDirecto[0] = Directo(cob);
        mDirecto[1] = Directo(sue);
    }

    // Runs the workers and writes every block in order from this thread.
    std::expected<Recuento, ErrorMapa> Ejecutar(std::vector<Salida>& salidas) {
        std::vector<std::jthread> trabajadores;
        for (unsigned i = 0; i < mHilos; ++i) trabajadores.emplace_back([this] { Trabajar(); });
        auto resultado = Escribir(salidas);
        {
            std::lock_guard bloqueo(mM);
            mParar = true;
        }
        mHayTrabajo.notify_all();
        trabajadores.clear();
        return resultado;
    }

private:
    bool Detener() const { return mP.detener && mP.detener->load(); }

    // A whole block whose values are held as they are read goes straight from
    // the file into the buffer, past GDAL's block cache; so does a whole tile
    // into the outputs.
    bool Directo(const Entrada& e) const {
        int bx = 0, by = 0;
        e.banda->GetBlockSize(&bx, &by);
        return mD.porBloques && bx == mD.teselaX && by == mD.teselaY && TipoLectura(e) == e.tipo;
    }
    bool Entera(const Ventana& v) const { return v.w == mD.teselaX && v.h == mD.teselaY; }

    std::expected<Recuento, ErrorMapa> Escribir(std::vector<Salida>& salidas) {
        Recuento recuento;
        const std::size_t total = mD.ventanas.size();
        for (std::size_t i = 0; i < total; ++i) {
            Resultado& r = mRanuras[i % mEnVuelo];
            {
                std::unique_lock bloqueo(mM);
                while (!r.listo && !Detener()) mHayResultado.wait_for(bloqueo, std::chrono::milliseconds(50));
            }
            if (Detener()) {
                return std::unexpected(Falla(FalloMapa::Interrumpido, mP.numeroCurva, recuento));
            }
            if (r.error) return std::unexpected(*r.error);
            const Ventana& v = mD.ventanas[i];
            for (Salida& s : salidas) {
                void* datos = s.contenido == Contenido::NumeroCurva ? static_cast<void*>(r.cn.data())
                              : s.contenido == Contenido::Umbral    ? static_cast<void*>(r.umbral.data())
                                                                    : static_cast<void*>(r.q.data());
                CPLErrorReset();
                const CPLErr escrito =
                    mD.porBloques && Entera(v)
                        ? s.banda->WriteBlock(v.x / mD.teselaX, v.y / mD.teselaY, datos)
                        : s.banda->RasterIO(GF_Write, v.x, v.y, v.w, v.h, datos, v.w, v.h, s.tipo, 0, 0, nullptr);
                if (escrito != CE_None) {
                    return std::unexpected(Falla(FalloMapa::Escribir, s.final, UltimoErrorGdal()));
                }
            }
            Sumar(r, recuento);
            {
                std::lock_guard bloqueo(mM);
                r.listo = false;
                ++mEscrito;
            }
            mHayTrabajo.notify_all();
            if (mP.estricto && recuento.Vacias() > 0) {
                return std::unexpected(Falla(FalloMapa::Estricto, mP.numeroCurva, recuento));
            }
            if (mP.progreso) mP.progreso(static_cast<double>(i + 1) / static_cast<double>(total));
        }
        return recuento;
    }

    void Sumar(Resultado& r, Recuento& recuento) const {
        for (std::size_t c = 0; c < r.histograma.size(); ++c) {
            const std::uint64_t celdas = r.histograma[c];
            if (celdas == 0) continue;
            const std::size_t k = c / kClases;
            const auto s = static_cast<unsigned>(c % kClases);
            const std::int32_t entrada = mT.entrada[k];
            recuento.celdas += celdas;
            if (mT.conValor[c]) {
                recuento.conNumero += celdas;
            } else if (entrada == kKSinDato) {
                recuento.sinDatoCobertura += celdas;
            } else if (s == kSueloSinDato) {
                recuento.sinDatoSuelo += celdas;
            } else if (s == kSueloOtro) {
                // counted one by one
            } else if (entrada == kKDesconocido) {
                if (mT.codigoPorK) recuento.codigosDesconocidos[mT.codigo[k]] += celdas;
            } else {
                recuento.sinValor[{mT.codigo[k], static_cast<int>(s) + 1}] += celdas;
            }
        }
        for (const auto& [v, celdas] : r.valoresSuelo) recuento.valoresSuelo[v] += celdas;
        for (const auto& [v, celdas] : r.codigos) recuento.codigosDesconocidos[v] += celdas;
    }

    void Trabajar() {
        SilencioGdal silencio;
        // GDAL datasets are not shared between threads: each worker reads through its own.
        auto cob = Abrir(mP.cobertura);
        auto sue = cob ? Abrir(mP.suelo) : std::expected<Entrada, ErrorMapa>(std::unexpected(cob.error()));
        std::vector<std::byte> bufferCob, bufferSue;
        Anotaciones anotSuelo, anotCodigos;
        for (;;) {
            std::size_t i = 0;
            {
                std::unique_lock bloqueo(mM);
                mHayTrabajo.wait(bloqueo, [this] {
                    return mParar || mSiguiente >= mD.ventanas.size() || mSiguiente < mEscrito + mEnVuelo;
                });
                if (mParar || mSiguiente >= mD.ventanas.size()) return;
                i = mSiguiente++;
            }
            Resultado& r = mRanuras[i % mEnVuelo];
            r.error.reset();
            if (!cob || !sue) {
                r.error = !cob ? cob.error() : sue.error();
            } else if (!Detener()) {
                Procesar(mD.ventanas[i], *cob, *sue, bufferCob, bufferSue, anotSuelo, anotCodigos, r);
            }
            {
                std::lock_guard bloqueo(mM);
                r.listo = true;
            }
            mHayResultado.notify_one();
        }
    }

    void Procesar(const Ventana& v, Entrada& cob, Entrada& sue, std::vector<std::byte>& bufferCob,
                  std::vector<std::byte>& bufferSue, Anotaciones& anotSuelo, Anotaciones& anotCodigos,
                  Resultado& r) const {
        const auto celdas = static_cast<std::size_t>(v.w) * static_cast<std::size_t>(v.h);
        for (auto [entrada, buffer, archivo, directo] : {std::tuple{&cob, &bufferCob, &mP.cobertura, mDirecto[0]},
                                                         std::tuple{&sue, &bufferSue, &mP.suelo, mDirecto[1]}}) {
            buffer->resize(celdas * BytesValor(entrada->ancho));
            CPLErrorReset();
            const CPLErr leido = directo && Entera(v)
                                     ? entrada->banda->ReadBlock(v.x / mD.teselaX, v.y / mD.teselaY, buffer->data())
                                     : entrada->banda->RasterIO(GF_Read, v.x, v.y, v.w, v.h, buffer->data(), v.w, v.h,
                                                                TipoLectura(*entrada), 0, 0, nullptr);
            if (leido != CE_None) {
                r.error = Falla(FalloMapa::Leer, *archivo, UltimoErrorGdal());
                r.error->columna = v.x;
                r.error->fila = v.y;
                r.error->ancho = v.w;
                r.error->alto = v.h;
                return;
            }
        }
        r.cn.resize(celdas);
        r.umbral.resize(mP.umbral.empty() ? 0 : celdas);
        r.q.resize(mP.escorrentia.empty() ? 0 : celdas);
        r.histograma.assign(mT.cn.size(), 0);
        ConTipo(mCob.ancho, [&](auto tc) {
            ConTipo(mSue.ancho, [&](auto ts) {
                Combinar(reinterpret_cast<const decltype(tc)*>(bufferCob.data()),
                         reinterpret_cast<const decltype(ts)*>(bufferSue.data()), celdas, anotSuelo, anotCodigos, r);
            });
        });
        r.valoresSuelo.clear();
        r.codigos.clear();
        anotSuelo.Sumar(r.valoresSuelo);
        anotCodigos.Sumar(r.codigos);
    }

    template <class T>
    static void Llenar(T* __restrict salida, const T* __restrict tabla, const std::uint32_t* __restrict clases,
                       std::size_t celdas) {
        for (std::size_t i = 0; i < celdas; ++i) salida[i] = tabla[clases[i]];
    }

    // Every cell's class first, then each output and the counts by table.
    template <class TC, class TS>
    void Combinar(const TC* cob, const TS* sue, std::size_t celdas, Anotaciones& anotSuelo, Anotaciones& anotCodigos,
                  Resultado& r) const {
        r.clases.resize(celdas);
        std::uint32_t* clases = r.clases.data();
        for (std::size_t i = 0; i < celdas; ++i) clases[i] = mIndice(cob[i]) * kClases + mClase(sue[i]);
        // Plain pointers: a byte written could otherwise stand for any of the vectors' own.
        Llenar(r.cn.data(), mT.cn.data(), clases, celdas);
        if (!r.umbral.empty()) Llenar(r.umbral.data(), mT.umbral.data(), clases, celdas);
        if (!r.q.empty()) Llenar(r.q.data(), mT.q.data(), clases, celdas);
        // Neighbouring cells mostly share a class: four partial counts keep
        // each increment from waiting for the one before.
        const std::size_t n = mT.cn.size();
        r.cuentas.assign(4 * n, 0);
        std::uint32_t* cuentas = r.cuentas.data();
        std::size_t i = 0;
        for (; i + 4 <= celdas; i += 4) {
            ++cuentas[clases[i]];
            ++cuentas[n + clases[i + 1]];
            ++cuentas[2 * n + clases[i + 2]];
            ++cuentas[3 * n + clases[i + 3]];
        }
        for (; i < celdas; ++i) ++cuentas[clases[i]];
        bool anotar = false;
        for (std::size_t c = 0; c < n; ++c) {
            r.histograma[c] = std::uint64_t{cuentas[c]} + cuentas[n + c] + cuentas[2 * n + c] + cuentas[3 * n + c];
            anotar = anotar || (r.histograma[c] > 0 && mT.especial[c] != kNada);
        }
        if (!anotar) return;
        for (std::size_t j = 0; j < celdas; ++j) {
            const std::uint8_t especial = mT.especial[clases[j]];
            if (especial == kAnotarSuelo) {
                anotSuelo.Anotar(mClase.Valor(sue[j]));
            } else if (especial == kAnotarCodigo) {
                anotCodigos.Anotar(mIndice.Valor(cob[j]));
            }
        }
    }

    const PeticionMapa& mP;
    const Entrada& mCob;
    const Entrada& mSue;
    const Tablas& mT;
    const Disposicion& mD;
    const unsigned mHilos;
    const IndiceCobertura mIndice;
    const ClaseSuelo mClase;
    std::array<bool, 2> mDirecto{};
    std::size_t mEnVuelo = 2;
    std::vector<Resultado> mRanuras;

    std::mutex mM;
    std::condition_variable mHayTrabajo, mHayResultado;
    std::size_t mSiguiente = 0, mEscrito = 0;
    bool mParar = false;
};

bool MismoArchivo(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    return fs::weakly_canonical(fs::absolute(a), ec) == fs::weakly_canonical(fs::absolute(b), ec);
}

}  // namespace

std::expected<Recuento, ErrorMapa> GenerarMapa(const PeticionMapa& p) {
    IniciarGdal();
    SilencioGdal silencio;

    // No output may overwrite an input or another output.
    const std::array<std::pair<const fs::path*, const char*>, 5> roles{{{&p.cobertura, "--landcover"},
                                                                        {&p.suelo, "--soil"},
                                                                        {&p.numeroCurva, "--out"},
                                                                        {&p.umbral, "--threshold"},
                                                                        {&p.escorrentia, "--runoff"}}};
    for (std::size_t j = 2; j < roles.size(); ++j) {
        for (std::size_t i = 0; i < j; ++i) {
            if (roles[j].first->empty() || roles[i].first->empty() || !MismoArchivo(*roles[i].first, *roles[j].first))
                continue;
            return std::unexpected(Falla(FalloMapa::Repetido, *roles[j].first, roles[j].second, roles[i].second));
        }
    }

    auto cob = Abrir(p.cobertura);
    if (!cob) return std::unexpected(cob.error());
    auto sue = Abrir(p.suelo);
    if (!sue) return std::unexpected(sue.error());
    if (const std::string diferencias = Diferencias(*cob, *sue); !diferencias.empty()) {
        ErrorMapa e = Falla(FalloMapa::Desalineados, p.suelo, diferencias, p.cobertura.string());
        e.orden = OrdenAlinear(*cob, p.suelo);
        return std::unexpected(e);
    }

    const Tablas tablas = CalcularTablas(p, *cob);
    const Disposicion disposicion = Disponer(*cob);
    const unsigned hilos = p.hilos > 0 ? p.hilos : std::max(1u, std::thread::hardware_concurrency());
    // A format that keeps the whole raster in one block (PNG, for one) can
    // only be read a block at a time: the cache holds one of each input per
    // worker, or every window would decode the whole block again.
    const std::int64_t bloques = (BytesBloque(*cob) + BytesBloque(*sue)) * hilos + (16 << 20);
    if (CPLGetConfigOption("GDAL_CACHEMAX", nullptr) == nullptr && GDALGetCacheMax64() < bloques) {
        GDALSetCacheMax64(bloques);
    }

    std::vector<Salida> salidas;
    salidas.emplace_back(p.numeroCurva, Contenido::NumeroCurva, GDT_Byte);
    if (!p.umbral.empty()) salidas.emplace_back(p.umbral, Contenido::Umbral, GDT_Float32);
    if (!p.escorrentia.empty()) salidas.emplace_back(p.escorrentia, Contenido::Escorrentia, GDT_Float32);
    const auto descartarTodo = [&salidas] {
        for (Salida& s : salidas) Descartar(s);
    };
    for (Salida& s : salidas) {
        if (auto creada = Crear(s, *cob, disposicion, hilos); !creada) {
            descartarTodo();
            return std::unexpected(creada.error());
        }
    }

    Proceso proceso(p, *cob, *sue, tablas, disposicion, hilos);
    auto recuento = proceso.Ejecutar(salidas);
    if (!recuento) {
        descartarTodo();
        return recuento;
    }
    for (Salida& s : salidas) {
        if (auto cerrada = Cerrar(s); !cerrada) {
            descartarTodo();
            return std::unexpected(cerrada.error());
        }
    }
    // Every output is complete: only now do they take their names.
    for (Salida& s : salidas) {
        std::error_code ec;
        fs::rename(s.temporal, s.final, ec);
        if (ec) {
            descartarTodo();
            return std::unexpected(Falla(FalloMapa::Escribir, s.final, ec.message()));
        }
        s.temporal.clear();
        Sincronizar(fs::absolute(s.final).parent_path(), O_RDONLY | O_DIRECTORY);
    }
    return recuento;
}

std::string MensajeErrorMapa(const ErrorMapa& e) {
    const std::string archivo = e.archivo.string();
    switch (e.fallo) {
        case FalloMapa::Abrir: return Mensaje(kTextoRasterIlegible, {archivo, e.detalle});
        case FalloMapa::SinBanda: return Mensaje(kTextoRasterSinBanda, {archivo});
        case FalloMapa::Tipo: return Mensaje(kTextoRasterTipo, {archivo, e.detalle});
        case FalloMapa::Desalineados: return Mensaje(kTextoDesalineados, {archivo, e.rol, e.detalle, e.orden});
        case FalloMapa::Repetido: return Mensaje(kTextoArchivoRepetido, {archivo, e.rol, e.detalle});
        case FalloMapa::Crear: return Mensaje(kTextoNoSeCrea, {archivo, e.detalle});
        case FalloMapa::Leer:
            return Mensaje(kTextoNoSeLee, {archivo, std::to_string(e.ancho), std::to_string(e.alto),
                                            std::to_string(e.columna), std::to_string(e.fila), e.detalle});
        case FalloMapa::Escribir: return Mensaje(kTextoRasterNoSeEscribe, {archivo, e.detalle});
        case FalloMapa::Interrumpido: return Mensaje(kTextoInterrumpido, {archivo});
        case FalloMapa::Estricto: return Mensaje(kTextoEstricto, {archivo});
    }
    return {};
}

}  // namespace tarvel::raster
