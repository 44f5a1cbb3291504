// The inputs of a map, prepared and checked before any cell is read: the
// outputs' names, each raster opened at its band, both on one grid, and the
// blocks a run goes through.
#include <cpl_conv.h>
#include <ogr_spatialref.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <mutex>
#include <thread>

#include "app/TablaTextos.h"
#include "raster/PiezasMapa.h"
#include "raster/TextosRaster.h"

namespace tarvel::raster {
namespace {

namespace fs = std::filesystem;

std::int64_t BytesBloque(const Entrada& e) {
    int bx = 0, by = 0;
    e.banda->GetBlockSize(&bx, &by);
    return std::int64_t{bx} * by * GDALGetDataTypeSizeBytes(e.tipo);
}

bool MismoArchivo(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    return fs::weakly_canonical(fs::absolute(a), ec) == fs::weakly_canonical(fs::absolute(b), ec);
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
    if (!igual(g1[1], g2[1], celda * 1e-9) || !igual(g1[5], g2[5], celda * 1e-9)) {
        lista.push_back(
            Mensaje(kTextoDiferenciaCelda, {Numero(g1[1]), Numero(-g1[5]), Numero(g2[1]), Numero(-g2[5])}));
    }
    if (!igual(g1[2], g2[2], celda * 1e-9) || !igual(g1[4], g2[4], celda * 1e-9)) {
        lista.push_back(Mensaje(kTextoDiferenciaGiro, {Numero(g1[2]), Numero(g1[4]), Numero(g2[2]), Numero(g2[4])}));
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

// --- blocks ------------------------------------------------------------------------

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

}  // namespace

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

std::expected<void, ErrorMapa> ComprobarNombres(const PeticionMapa& p) {
    // The inputs first: an output is named after the first file it would overwrite.
    const std::array<std::pair<const fs::path*, const char*>, 6> roles{{{&p.cobertura, "--landcover"},
                                                                        {&p.suelo, "--soil"},
                                                                        {&p.archivoTabla, "--map"},
                                                                        {&p.numeroCurva, "--out"},
                                                                        {&p.umbral, "--threshold"},
                                                                        {&p.escorrentia, "--runoff"}}};
    constexpr std::size_t kPrimeraSalida = 3;
    for (std::size_t j = kPrimeraSalida; j < roles.size(); ++j) {
        for (std::size_t i = 0; i < j; ++i) {
            if (roles[j].first->empty() || roles[i].first->empty() || !MismoArchivo(*roles[i].first, *roles[j].first))
                continue;
            return std::unexpected(Falla(FalloMapa::Repetido, *roles[j].first, roles[j].second, roles[i].second));
        }
    }
    return {};
}

std::expected<Entrada, ErrorMapa> Abrir(const fs::path& archivo, int banda, std::string_view opcion) {
    Entrada e;
    CPLErrorReset();
    e.datos.reset(GDALDataset::Open(archivo.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY | GDAL_OF_VERBOSE_ERROR));
    if (!e.datos) return std::unexpected(Falla(FalloMapa::Abrir, archivo, UltimoErrorGdal()));
    const int bandas = e.datos->GetRasterCount();
    if (bandas < 1) return std::unexpected(Falla(FalloMapa::SinBanda, archivo));
    // Which band holds the codes is the user's to say: none is taken by default.
    if ((banda == 0 && bandas > 1) || banda < 0 || banda > bandas) {
        ErrorMapa error = Falla(banda == 0 ? FalloMapa::VariasBandas : FalloMapa::SinEsaBanda, archivo, {},
                                std::string(opcion));
        error.banda = banda;
        error.bandas = bandas;
        return std::unexpected(error);
    }
    e.banda = e.datos->GetRasterBand(banda == 0 ? 1 : banda);
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

std::expected<Entrada, ErrorMapa> AbrirCobertura(const PeticionMapa& p) {
    return Abrir(p.cobertura, p.bandaCobertura, "--landcover-band");
}

std::expected<Entrada, ErrorMapa> AbrirSuelo(const PeticionMapa& p) {
    return Abrir(p.suelo, p.bandaSuelo, "--soil-band");
}

std::expected<Entradas, ErrorMapa> PrepararEntradas(const PeticionMapa& p) {
    if (auto nombres = ComprobarNombres(p); !nombres) return std::unexpected(nombres.error());
    Entradas e;
    auto cob = AbrirCobertura(p);
    if (!cob) return std::unexpected(cob.error());
    e.cobertura = std::move(*cob);
    auto sue = AbrirSuelo(p);
    if (!sue) return std::unexpected(sue.error());
    e.suelo = std::move(*sue);
    if (const std::string diferencias = Diferencias(e.cobertura, e.suelo); !diferencias.empty()) {
        ErrorMapa error = Falla(FalloMapa::Desalineados, p.suelo, diferencias, p.cobertura.string());
        error.orden = OrdenAlinear(e.cobertura, p.suelo);
        return std::unexpected(error);
    }
    e.disposicion = Disponer(e.cobertura);
    e.hilos = p.hilos > 0 ? p.hilos : std::max(1u, std::thread::hardware_concurrency());
    // A format that keeps the whole raster in one block (PNG, for one) can
    // only be read a block at a time: the cache holds one of each input per
    // worker, or every window would decode the whole block again.
    const std::int64_t bloques = (BytesBloque(e.cobertura) + BytesBloque(e.suelo)) * e.hilos + (16 << 20);
    if (CPLGetConfigOption("GDAL_CACHEMAX", nullptr) == nullptr && GDALGetCacheMax64() < bloques) {
        GDALSetCacheMax64(bloques);
    }
    return e;
}

}  // namespace tarvel::raster
