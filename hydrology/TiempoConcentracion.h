#pragma once
// Time of concentration, in hours, by two published methods.
//
// TR-55 (1986), chapter 3, the velocity method: Tc is the sum of the travel
// times Tt of the segments of the flow path from the hydraulically most
// distant point to the outlet. In SI (every conversion derived in
// TiempoConcentracion.cpp):
//   sheet flow    Tt = 0.0913 (n L)^0.8 / (P2^0.5 s^0.4)        L m, P2 mm, s m/m
//   shallow flow  V = 4.918 s^0.5 (unpaved) or 6.196 s^0.5 (paved), m/s
//   channel       V = r^(2/3) s^(1/2) / n, r = a / p_w          a m², p_w m
//   and Tt = L / (3600 V) for the last two.
// Sheet flow longer than TR-55's 300 ft (91.44 m) is computed and warned
// about (the 2010 NEH-630 chapter 15 is said to allow 100 ft; TR-55 is
// followed, and the warning carries the limit used).
//
// 5.2-IC (Orden FOM/298/2016), for a catchment with a main channel:
//   tc = 0.3 Lc^0.76 Jc^-0.19                                  Lc km, Jc m/m
// The standard's time for diffuse overland flow could not be read from a
// source and is not offered: the user types tc for such a catchment.
//
// Sources and what could not be read: docs/peak-discharge-sources.md.
#include <expected>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "hydrology/TablasTR55.h"
#include "hydrology/ValidacionCaudal.h"

namespace tarvel {

enum class TipoTramo { Laminar, Superficial, Cauce };

// "sheet", "shallow" and "channel", as files and the companion name them.
std::string_view NombreTipoTramo(TipoTramo tipo);
// The reverse, letter case aside; nothing for any other text.
std::optional<TipoTramo> LeerTipoTramo(std::string_view texto);

// The surface of shallow concentrated flow.
enum class Firme { SinPavimentar, Pavimentado };

// "unpaved" and "paved", as files and the companion name them.
std::string_view NombreFirme(Firme firme);
// The reverse, letter case aside; nothing for any other text.
std::optional<Firme> LeerFirme(std::string_view texto);

// One segment of a flow path. Each kind reads only its own fields; build them
// with the three functions below, which take the fields in the order the
// companion's options give them.
struct TramoFlujo {
    TipoTramo tipo = TipoTramo::Laminar;
    double n = 0;          // Manning's n (sheet, channel)
    double longitud = 0;   // m
    double lluvia2 = 0;    // P2, the 2-year 24-hour rainfall, mm (sheet)
    double pendiente = 0;  // m/m
    Firme firme = Firme::SinPavimentar;  // (shallow)
    double seccion = 0;    // flow area, m² (channel)
    double perimetro = 0;  // wetted perimeter, m (channel)
};

TramoFlujo TramoLaminar(double n, double longitud, double lluvia2, double pendiente);
TramoFlujo TramoSuperficial(double longitud, double pendiente, Firme firme);
TramoFlujo TramoCauce(double n, double seccion, double perimetro, double pendiente, double longitud);

struct TiempoTramo {
    double horas = 0;      // Tt
    double velocidad = 0;  // mean velocity over the segment, m/s (for sheet flow L / (3600 Tt))
    double radio = 0;      // hydraulic radius a / p_w, m (channel only)
};

struct TiempoTR55 {
    std::vector<TiempoTramo> tramos;  // one per segment, in order
    double horas = 0;                 // Tc
    std::vector<Aviso> avisos;        // LaminarLarga, with the segment
};

// Checks every segment in order, each field in the order of its builder, and
// refuses the first value out of its range (RechazoCaudal::tramo is the
// segment); an empty path is refused as DatoCaudal::Tramos.
std::expected<TiempoTR55, RechazoCaudal> CalcularTiempoTR55(std::span<const TramoFlujo> tramos);

// The SI coefficients, for the help and the tests.
double CoeficienteLaminar();                               // 0.091272
inline constexpr double kVelocidadSinPavimentar = 16.1345 * 0.3048;  // 4.91780 m/s
inline constexpr double kVelocidadPavimentado = 20.3282 * 0.3048;    // 6.19604 m/s
inline constexpr double kLaminarMaxima = 300 * 0.3048;               // 91.44 m

// n of a key of table 3-1; nothing for any other text.
std::optional<double> RugosidadDeClave(std::string_view clave);

// 5.2-IC: Lc in km, Jc in m/m; refuses either out of its range.
std::expected<double, RechazoCaudal> CalcularTiempoIC(double longitudKm, double pendiente);

}  // namespace tarvel
