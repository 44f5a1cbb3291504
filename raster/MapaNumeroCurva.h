#pragma once
// Curve-number maps: a land-cover raster and a hydrologic-soil-group raster on
// the same grid, through the lookup table of land-cover codes and Datos.dat,
// give a curve-number GeoTIFF, and optionally the runoff threshold and the
// runoff depth of a design storm, both in millimetres.
//
// Soil-group cells: 1-4 are the groups A-D; 11-14 are the dual groups A/D,
// B/D, C/D and D/D of the global soil-group products, read as their first
// letter for drained soils and as D for undrained ones. A cell gets no curve
// number, for the first of these reasons that applies:
//   1. the land-cover cell holds the land-cover raster's no-data value;
//   2. the soil-group cell holds the soil-group raster's no-data value;
//   3. the soil-group cell holds a value that is no group;
//   4. the land-cover code is not in the lookup table;
//   5. Datos.dat gives no value ("-1") for the code's row and that group.
// Each is counted, 3 per soil value, 4 per code, 5 per code and group.
//
// Each input is read at one band: the band asked for, or else its only one
// (a raster of several bands names none by itself).
//
// The rasters are read in the land-cover raster's own blocks, by worker
// threads, and written block by block, so memory does not grow with their
// size. Every output is written under a temporary name beside its final one
// and renamed only when all of them are complete; a fault or a stop request
// removes them and leaves whatever had the final names untouched.
//
// The work is split as raster tools split theirs (raster/PiezasMapa.h): the
// inputs prepared and checked, the lookup tables, the block loop and the
// outputs' life.
#include <cstdint>
#include <expected>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "data/Datos.h"
#include "hydrology/Escorrentia.h"
#include "raster/TablaCobertura.h"

namespace tarvel::raster {

// Curve numbers are 1 to 100 in a byte: 255 lies outside any curve number,
// and 0, which some programs would read as "no runoff at all", is never
// used for a missing one.
inline constexpr std::uint8_t kSinDatoNumeroCurva = 255;
// Thresholds and runoff depths are never negative.
inline constexpr float kSinDatoMilimetros = -9999.0f;

enum class CondicionHumedad { I, II, III };
enum class GruposDuales { Drenados, NoDrenados };

// What a run tells its caller while it lasts, and how the caller stops it,
// as the feedback objects of QGIS's processing tools: derive from it and hand
// it to the run.
class Seguimiento {
public:
    virtual ~Seguimiento() = default;
    // The fraction of the blocks written so far, after each block, from the
    // thread that called GenerarMapa.
    virtual void Avance(double fraccion) { (void)fraccion; }
    // Asked between blocks, from every thread of the run: true stops it, and
    // its outputs are removed.
    virtual bool Cancelado() const { return false; }
};

struct PeticionMapa {
    std::filesystem::path cobertura;
    std::filesystem::path suelo;
    std::filesystem::path archivoTabla;  // the file `tabla` was read from, which no output may overwrite
    int bandaCobertura = 0;              // band of each input, from 1; 0: its only band
    int bandaSuelo = 0;
    std::filesystem::path numeroCurva;  // the curve-number GeoTIFF
    std::filesystem::path umbral;       // runoff thresholds; empty for none
    std::filesystem::path escorrentia;  // runoff depths of the storm; empty for none
    TablaCobertura tabla;
    std::vector<FilaDatos> datos;  // Datos.dat, read once
    CondicionHumedad condicion = CondicionHumedad::II;
    GruposDuales duales = GruposDuales::Drenados;
    double lluvia = 0;                           // storm depth in mm, for the runoff
    Lambda lambda = Lambda::Clasica;             // for the runoff and the threshold
    bool estricto = false;                       // any cell left empty is a fault
    unsigned hilos = 0;                 // worker threads; 0: one per core
    Seguimiento* seguimiento = nullptr;  // none: the run reports nothing and goes to its end
};

struct Recuento {
    std::uint64_t celdas = 0;
    std::uint64_t conNumero = 0;
    std::uint64_t sinDatoCobertura = 0;
    std::uint64_t sinDatoSuelo = 0;
    std::map<std::int64_t, std::uint64_t> valoresSuelo;              // soil values that are no group
    std::map<std::int64_t, std::uint64_t> codigosDesconocidos;       // land-cover codes not in the table
    std::map<std::pair<std::int64_t, int>, std::uint64_t> sinValor;  // (code, group 1-4) whose value is "-1"

    std::uint64_t Vacias() const { return celdas - conNumero; }
};

enum class FalloMapa {
    Abrir,  // an input cannot be opened as a raster
    SinBanda,
    VariasBandas,  // an input of several bands, none chosen
    SinEsaBanda,   // the band chosen is not one of the input's
    Tipo,          // an input whose values are not whole numbers
    Desalineados,  // the inputs do not share size, geotransform and projection
    Repetido,      // one file named for two roles
    Crear,         // an output cannot be created
    Leer,          // a block of an input cannot be read
    Escribir,      // an output cannot be written, flushed or renamed
    Interrumpido,
    Estricto,  // cells left empty under `estricto`
};

struct ErrorMapa {
    FalloMapa fallo = FalloMapa::Abrir;
    std::filesystem::path archivo;  // the file at fault (the curve-number output for Interrumpido, Estricto)
    std::string detalle;            // GDAL's message; the data type; the differences; the other role (Repetido)
    std::string orden;              // Desalineados: the gdalwarp command that aligns the soil groups
    std::string rol;                // Repetido: the first role; Desalineados: the land-cover file;
                                    // VariasBandas, SinEsaBanda: the option that chooses the band
    int banda = 0, bandas = 0;      // VariasBandas, SinEsaBanda: the band chosen, the input's bands
    int columna = 0, fila = 0, ancho = 0, alto = 0;  // Leer: the block
    Recuento recuento;                               // Estricto, Interrumpido: the cells counted so far
};

std::expected<Recuento, ErrorMapa> GenerarMapa(const PeticionMapa& peticion);

// The message of a fault, in the language of the run.
std::string MensajeErrorMapa(const ErrorMapa& error);

}  // namespace tarvel::raster
