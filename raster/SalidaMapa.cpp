// The outputs' life: each is created under a temporary name beside its final
// one, written block by block, and renamed only when every output of the run
// is complete and on disk; a fault or a stop discards them all, leaving
// whatever had the final names untouched.
#include <cpl_conv.h>
#include <fcntl.h>
#include <ogr_spatialref.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <random>

#include "app/MotivoSistema.h"
#include "raster/PiezasMapa.h"

namespace tarvel::raster {
namespace {

namespace fs = std::filesystem;

fs::path NombreTemporal(const fs::path& final) {
    std::random_device azar;
    const auto sufijo = std::to_string(azar() % 1000000000u);
    fs::path temporal = final;
    temporal.replace_filename("." + final.filename().string() + "." + sufijo + ".part");
    return temporal;
}

bool Sincronizar(const fs::path& ruta, int modo) {
    const int fd = ::open(ruta.c_str(), modo | O_CLOEXEC);
    if (fd < 0) return false;
    const bool hecho = ::fsync(fd) == 0;
    ::close(fd);
    return hecho;
}

}  // namespace

Salidas::Salidas(const PeticionMapa& p) {
    mSalidas.push_back({p.numeroCurva, Contenido::NumeroCurva, GDT_Byte, {}, {}, nullptr});
    if (!p.umbral.empty()) mSalidas.push_back({p.umbral, Contenido::Umbral, GDT_Float32, {}, {}, nullptr});
    if (!p.escorrentia.empty()) {
        mSalidas.push_back({p.escorrentia, Contenido::Escorrentia, GDT_Float32, {}, {}, nullptr});
    }
}

Salidas::~Salidas() { Descartar(); }

std::expected<void, ErrorMapa> Salidas::Crear(const Entradas& e) {
    mDisposicion = &e.disposicion;
    for (Salida& s : mSalidas) {
        if (auto creada = Crear(s, e); !creada) {
            Descartar();
            return creada;
        }
    }
    return {};
}

std::expected<void, ErrorMapa> Salidas::Crear(Salida& s, const Entradas& e) {
    std::error_code ec;
    const fs::path carpeta = fs::absolute(s.final).parent_path();
    if (!fs::is_directory(carpeta, ec)) {
        return std::unexpected(
            Falla(FalloMapa::Crear, s.final, MotivoDeSistema(ENOENT)));
    }
    GDALDataset& cob = *e.cobertura.datos;
    GDALDriver* gtiff = GetGDALDriverManager()->GetDriverByName("GTiff");
    CPLStringList opciones;
    opciones.SetNameValue("TILED", "YES");
    opciones.SetNameValue("BLOCKXSIZE", std::to_string(e.disposicion.teselaX).c_str());
    opciones.SetNameValue("BLOCKYSIZE", std::to_string(e.disposicion.teselaY).c_str());
    opciones.SetNameValue("COMPRESS", "DEFLATE");
    // Level 1 of libdeflate: files 6 % (curve numbers) to 8 % (depths) larger
    // than at GDAL's default level 6, written with half the processor time.
    opciones.SetNameValue("ZLEVEL", "1");
    // Horizontal differencing for the curve numbers, the floating-point predictor for depths.
    opciones.SetNameValue("PREDICTOR", s.tipo == GDT_Byte ? "2" : "3");
    opciones.SetNameValue("BIGTIFF", "IF_SAFER");
    opciones.SetNameValue("NUM_THREADS", std::to_string(e.hilos).c_str());
    s.temporal = NombreTemporal(s.final);
    CPLErrorReset();
    s.datos.reset(
        gtiff->Create(s.temporal.c_str(), cob.GetRasterXSize(), cob.GetRasterYSize(), 1, s.tipo, opciones.List()));
    if (!s.datos) return std::unexpected(Falla(FalloMapa::Crear, s.final, UltimoErrorGdal()));
    std::array<double, 6> g{};
    if (cob.GetGeoTransform(g.data()) == CE_None) s.datos->SetGeoTransform(g.data());
    if (const OGRSpatialReference* srs = cob.GetSpatialRef()) s.datos->SetSpatialRef(srs);
    s.banda = s.datos->GetRasterBand(1);
    s.banda->SetNoDataValue(s.tipo == GDT_Byte ? kSinDatoNumeroCurva : kSinDatoMilimetros);
    if (s.tipo != GDT_Byte) s.banda->SetUnitType("mm");
    if (CPLGetLastErrorType() == CE_Failure) {
        return std::unexpected(Falla(FalloMapa::Crear, s.final, UltimoErrorGdal()));
    }
    return {};
}

std::expected<void, ErrorMapa> Salidas::Escribir(const Ventana& v, const std::uint8_t* cn, const float* umbral,
                                                 const float* q) {
    const Disposicion& d = *mDisposicion;
    for (Salida& s : mSalidas) {
        void* datos = const_cast<void*>(s.contenido == Contenido::NumeroCurva ? static_cast<const void*>(cn)
                                        : s.contenido == Contenido::Umbral    ? static_cast<const void*>(umbral)
                                                                              : static_cast<const void*>(q));
        CPLErrorReset();
        // A whole tile goes straight into the file, past GDAL's block cache.
        const CPLErr escrito =
            d.porBloques && d.Entera(v)
                ? s.banda->WriteBlock(v.x / d.teselaX, v.y / d.teselaY, datos)
                : s.banda->RasterIO(GF_Write, v.x, v.y, v.w, v.h, datos, v.w, v.h, s.tipo, 0, 0, nullptr);
        if (escrito != CE_None) return std::unexpected(Falla(FalloMapa::Escribir, s.final, UltimoErrorGdal()));
    }
    return {};
}

std::expected<void, ErrorMapa> Salidas::Publicar() {
    // Each output closed, and every byte of it on disk.
    for (Salida& s : mSalidas) {
        CPLErrorReset();
        s.datos->FlushCache(true);
        const bool fallo = CPLGetLastErrorType() == CE_Failure;
        s.datos.reset();
        if (fallo || CPLGetLastErrorType() == CE_Failure || !Sincronizar(s.temporal, O_RDONLY)) {
            const std::string motivo = CPLGetLastErrorMsg()[0] ? UltimoErrorGdal() : MotivoDeSistema(errno);
            Descartar();
            return std::unexpected(Falla(FalloMapa::Escribir, s.final, motivo));
        }
    }
    // Every output is complete: only now do they take their names.
    for (Salida& s : mSalidas) {
        std::error_code ec;
        fs::rename(s.temporal, s.final, ec);
        if (ec) {
            Descartar();
            return std::unexpected(Falla(FalloMapa::Escribir, s.final, MotivoDeSistema(ec.value())));
        }
        s.temporal.clear();
        Sincronizar(fs::absolute(s.final).parent_path(), O_RDONLY | O_DIRECTORY);
    }
    return {};
}

// A temporary output dropped: nothing of it is flushed, nothing stays on disk.
void Salidas::Descartar() {
    for (Salida& s : mSalidas) {
        if (s.datos) {
            s.datos->MarkSuppressOnClose();
            s.datos.reset();
        }
        std::error_code ec;
        if (!s.temporal.empty()) fs::remove(s.temporal, ec);
        s.temporal.clear();
    }
}

}  // namespace tarvel::raster
