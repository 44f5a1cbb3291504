#pragma once
// What the pieces of a curve-number map share, and nothing more. A map is
// made as GDAL's and QGIS's raster tools make theirs, in pieces that run in
// this order (MapaNumeroCurva.cpp calls them):
//   EntradasMapa.cpp  the inputs opened, their band chosen, checked against
//                     each other (the grid) and against the outputs' names;
//   TablasMapa.cpp    what every cell becomes, worked out once (TablasMapa.h);
//   ProcesoMapa.cpp   the block loop on worker threads, reporting to the
//                     caller's Seguimiento and stopping when it asks;
//   SalidaMapa.cpp    the outputs' life: created under a temporary name,
//                     written block by block, then renamed or discarded.
// Each piece includes this header (and TablasMapa.h where it needs the
// tables), never another piece. Only raster/ includes it.
#include <cpl_error.h>
#include <gdal_priv.h>

#include <cstdint>
#include <expected>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "raster/MapaNumeroCurva.h"

namespace tarvel::raster {

// --- faults ---------------------------------------------------------------------

inline ErrorMapa Falla(FalloMapa fallo, const std::filesystem::path& archivo, std::string detalle = {},
                       std::string rol = {}) {
    ErrorMapa e;
    e.fallo = fallo;
    e.archivo = archivo;
    e.detalle = std::move(detalle);
    e.rol = std::move(rol);
    return e;
}

inline ErrorMapa Falla(FalloMapa fallo, const std::filesystem::path& archivo, const Recuento& recuento) {
    ErrorMapa e = Falla(fallo, archivo);
    e.recuento = recuento;
    return e;
}

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

// GDAL's last message on this thread, or a general one when it gave none.
std::string UltimoErrorGdal();

// --- an input ---------------------------------------------------------------------

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

inline GDALDataType TipoLectura(const Entrada& e) {
    switch (e.ancho) {
        case Ancho::U8: return GDT_Byte;
        case Ancho::U16: return e.conSigno ? GDT_Int16 : GDT_UInt16;
        case Ancho::I64: return GDT_Int64;
    }
    return GDT_Int64;
}

inline std::size_t BytesValor(Ancho ancho) { return ancho == Ancho::U8 ? 1 : ancho == Ancho::U16 ? 2 : 8; }

// --- the blocks a run goes through -----------------------------------------------------

struct Ventana {
    int x = 0, y = 0, w = 0, h = 0;
};

struct Disposicion {
    std::vector<Ventana> ventanas;
    int teselaX = 256, teselaY = 256;  // the outputs' tiles
    bool porBloques = false;           // each window is one block of the land cover and one tile of the outputs

    bool Entera(const Ventana& v) const { return v.w == teselaX && v.h == teselaY; }
};

// Both inputs open, on one grid, and the blocks to go through.
struct Entradas {
    Entrada cobertura, suelo;
    Disposicion disposicion;
    unsigned hilos = 1;  // worker threads
};

// --- EntradasMapa.cpp ---------------------------------------------------------------

// GDAL's drivers registered, once for the process.
void IniciarGdal();

// No output may take the name of an input (the land cover, the soil groups,
// the lookup table) or of another output.
std::expected<void, ErrorMapa> ComprobarNombres(const PeticionMapa& p);

// One input opened at the band asked for (0: its only band; `opcion` is the
// option that chooses it, for the message), its values whole numbers.
std::expected<Entrada, ErrorMapa> Abrir(const std::filesystem::path& archivo, int banda, std::string_view opcion);
std::expected<Entrada, ErrorMapa> AbrirCobertura(const PeticionMapa& p);
std::expected<Entrada, ErrorMapa> AbrirSuelo(const PeticionMapa& p);

// Both inputs opened and on one grid, the blocks laid out, GDAL's cache sized
// for the workers.
std::expected<Entradas, ErrorMapa> PrepararEntradas(const PeticionMapa& p);

// --- SalidaMapa.cpp ------------------------------------------------------------------

// The outputs of a run, from their creation under temporary names to their
// final names. Whatever was not published when they go out of scope is
// discarded: nothing of it stays on disk.
class Salidas {
public:
    explicit Salidas(const PeticionMapa& p);
    ~Salidas();
    Salidas(const Salidas&) = delete;
    Salidas& operator=(const Salidas&) = delete;

    // Every output created beside its final name, on the land cover's grid.
    std::expected<void, ErrorMapa> Crear(const Entradas& e);
    // One block of each output: the curve numbers, and the thresholds and
    // runoff depths where those are written.
    std::expected<void, ErrorMapa> Escribir(const Ventana& v, const std::uint8_t* cn, const float* umbral,
                                            const float* q);
    // Every output closed and on disk, then renamed to its final name.
    std::expected<void, ErrorMapa> Publicar();

private:
    enum class Contenido { NumeroCurva, Umbral, Escorrentia };
    struct Salida {
        std::filesystem::path final;
        Contenido contenido;
        GDALDataType tipo;
        std::filesystem::path temporal;
        GDALDatasetUniquePtr datos;
        GDALRasterBand* banda = nullptr;
    };
    std::expected<void, ErrorMapa> Crear(Salida& s, const Entradas& e);
    void Descartar();

    std::vector<Salida> mSalidas;
    const Disposicion* mDisposicion = nullptr;
};

// --- ProcesoMapa.cpp -----------------------------------------------------------------

struct Tablas;  // TablasMapa.h

// Every block read, looked up and written to `salidas`, in order; the cells counted.
std::expected<Recuento, ErrorMapa> ProcesarBloques(const PeticionMapa& p, const Entradas& e, const Tablas& t,
                                                   Salidas& salidas);

}  // namespace tarvel::raster
