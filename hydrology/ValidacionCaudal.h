#pragma once
// What time of concentration and peak discharge accept, and what they say
// about what they computed.
//
// A value the rules cannot work with (not finite, negative, zero where it
// cannot be, out of physical range) is refused: the functions return a
// RechazoCaudal naming the input, the value and the range it must lie in, so
// that the companion can print "NAME = VALUE: must be in [a, b]" (with "(" or
// ")" for an open end, Rango::minimoAbierto / maximoAbierto) and a window its
// message. A value the rules can work with but that lies outside what the
// published method was built for is kept, and the result carries an Aviso: the
// kind, the value and the limit it passed.
//
// Every range lives in RangoDe, one table; ComprobarDato checks one value
// against it, so that a window can check a field as it is typed.
#include <optional>
#include <string_view>

namespace tarvel {

enum class DatoCaudal {
    // A segment of a TR-55 flow path (RechazoCaudal::tramo says which).
    Rugosidad,        // Manning's n of sheet or channel flow
    Longitud,         // segment length, m
    Lluvia2Anios,     // P2, the 2-year 24-hour rainfall, mm
    Pendiente,        // slope, m/m (of a segment, or the 5.2-IC Jc)
    SeccionCauce,     // channel flow area, m²
    PerimetroMojado,  // channel wetted perimeter, m
    Tramos,           // the number of segments of a flow path
    // 5.2-IC time of concentration.
    LongitudCauceKm,  // Lc, km
    // A catchment and its storm.
    Area,                  // km²
    NumeroCurva,           // condition II, tables of λ = 0.2
    Lluvia,                // P, 24-hour storm depth, mm (TR-55)
    TiempoConcentracion,   // h
    Charcas,               // pond and swamp area, % of the catchment (TR-55)
    LluviaDiaria,          // Pd, daily rainfall, mm (5.2-IC)
    IndiceTorrencialidad,  // I1/Id (5.2-IC)
    FactorIDF,             // Fb from a local IDF curve (5.2-IC)
    UmbralInicial,         // P0i, runoff threshold before the correction, mm (5.2-IC)
    Beta,                  // regional correction coefficient of P0 (5.2-IC)
    PeriodoRetorno,        // T, years
};

// The key scripts and files name an input by ("n", "length_m", "area_km2", ...).
std::string_view ClaveDato(DatoCaudal dato);

struct Rango {
    double minimo = 0;
    double maximo = 0;
    bool minimoAbierto = false;  // (minimo, ...: the end itself is refused
    bool maximoAbierto = false;
    friend bool operator==(const Rango&, const Rango&) = default;
};

// The range every value of an input must lie in. The ends keep every result
// finite: lengths from 1 cm, slopes from 1e-6, a 2-year rainfall from 1 mm,
// Manning's n from 0.001.
Rango RangoDe(DatoCaudal dato);

// Finite and within the range.
bool DentroDe(const Rango& rango, double valor);

struct RechazoCaudal {
    DatoCaudal dato = DatoCaudal::Area;
    double valor = 0;  // as given (may be NaN or infinite)
    Rango rango;       // where it must lie
    int tramo = -1;    // the flow-path segment (from 0), when the value belongs to one
    int fila = -1;     // the return-period row (from 0), in a table of several
    friend bool operator==(const RechazoCaudal&, const RechazoCaudal&) = default;
};

// Nothing when the value lies in RangoDe(dato); else its refusal.
std::optional<RechazoCaudal> ComprobarDato(DatoCaudal dato, double valor, int tramo = -1);

enum class TipoAviso {
    LaminarLarga,      // a sheet-flow segment longer than TR-55's 300 ft (valor and limite in m)
    NumeroCurvaBajo,   // CN below 40, the lowest TR-55's graphical method is for
    TiempoCorto,       // Tc below the method's range (h); TR-55 reads qu at the limit
    TiempoLargo,       // Tc above it (h); TR-55 reads qu at the limit
    IaPBajo,           // Ia/P below the first row of table F-1: that row was used
    IaPAlto,           // Ia/P above the last row: that row was used
    AreaGrande,        // catchment area beyond the method's (km²)
    CharcasExcesivas,  // pond and swamp area beyond table 4-2 (%): its last Fp was used
};

struct Aviso {
    TipoAviso tipo = TipoAviso::AreaGrande;
    double valor = 0;
    double limite = 0;
    int tramo = -1;  // the flow-path segment (from 0), for LaminarLarga
    friend bool operator==(const Aviso&, const Aviso&) = default;
};

}  // namespace tarvel
