#pragma once
// What tc and peak compute, shared by their single-value forms and their
// batch forms (--csv), so that both give the same answer or the same message
// for the same input. Values come as typed; each is named in a message by
// the key scripts and CSV columns use for it (ClaveDato: area_km2, cn,
// storm_mm, ...), and refused with its range (RangoDe).
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch/Lote.h"
#include "cli/batch/Valores.h"
#include "hydrology/CaudalPunta.h"
#include "hydrology/TiempoConcentracion.h"

namespace tarvel::cli {

// A number within the range of `dato`; `tramo` (from 0) names its segment.
Leido<double> LeerDatoCaudal(std::string_view valor, DatoCaudal dato, MarcaDecimal marca = MarcaDecimal::Punto,
                             int tramo = -1);

// A refusal the core made of a value it checked or computed itself.
std::string MensajeRechazoCaudal(const RechazoCaudal& rechazo);

// I, IA, II or III, any case; named "distribution".
Leido<DistribucionLluvia> LeerDistribucionLluvia(std::string_view valor);

// The fields of a segment in the order its option gives them:
//   sheet    n, length_m, p2_mm, slope
//   shallow  length_m, slope, surface (paved or unpaved)
//   channel  n, area_m2, wetted_perimeter_m, slope, length_m
// `campos` has exactly that many.
inline constexpr std::size_t CamposDeTramo(TipoTramo tipo) {
    return tipo == TipoTramo::Laminar ? 4 : tipo == TipoTramo::Superficial ? 3 : 5;
}
Leido<TramoFlujo> LeerTramo(TipoTramo tipo, std::span<const std::string_view> campos,
                            MarcaDecimal marca = MarcaDecimal::Punto, int tramo = -1);

// tc tr55: the travel time of each segment and their sum.
Leido<TiempoTR55> TiempoDeTramos(std::span<const TramoFlujo> tramos);

// tc ic52: Lc in km and Jc in m/m.
Leido<double> TiempoDeCauce(std::string_view longitud, std::string_view pendiente,
                            MarcaDecimal marca = MarcaDecimal::Punto);

// A row's value as typed, else the value of the option that stands for an
// empty or absent column (already read), else refused as an empty value.
Leido<double> ValorODefecto(std::string_view valor, std::optional<double> porDefecto, DatoCaudal dato,
                            MarcaDecimal marca = MarcaDecimal::Punto);

// peak tr55: area, CN and storm as typed, the rest already read.
Leido<CaudalTR55> PicoTR55(std::string_view area, std::string_view cn, std::string_view lluvia, double tc,
                           DistribucionLluvia distribucion, double charcas, MarcaDecimal marca = MarcaDecimal::Punto);

// The threshold P0ⁱ of peak ic52: typed, or that of a curve number; exactly
// one of the two.
Leido<double> UmbralInicial(std::optional<std::string_view> umbral, std::optional<std::string_view> cn,
                            MarcaDecimal marca = MarcaDecimal::Punto);

// The time of concentration of peak ic52: typed, or from the main channel
// (its length and its slope); one of the two.
Leido<double> TiempoIC(std::optional<std::string_view> tc, std::optional<std::string_view> longitud,
                       std::optional<std::string_view> pendiente, MarcaDecimal marca = MarcaDecimal::Punto);

// peak ic52: area, Pd and I1/Id as typed, the rest already read.
struct EntradaPicoIC {
    std::string_view area;
    std::string_view lluviaDiaria;
    std::string_view i1id;
    double umbralInicial = 0;
    double beta = 1;
    std::optional<double> fb;
    double tc = 0;
};
Leido<CaudalIC> PicoIC(const EntradaPicoIC& entrada, MarcaDecimal marca = MarcaDecimal::Punto);

// The warnings of a result in words, for standard error and the batch's
// warnings column (joined by " | ").
std::string AvisosEnLinea(std::span<const Aviso> avisos, bool tr55);

// The batch forms. An option kept in batch work gives the value of the rows
// whose column is absent or empty (read once, before the batch), and makes
// that column optional.
DefinicionLote LoteTiempoTR55();  // one segment a row
DefinicionLote LoteTiempoIC();

struct PorDefectoTR55 {
    std::optional<double> tc;  // --tc, or the Tc of the segment options
    std::optional<DistribucionLluvia> distribucion;
    std::optional<double> charcas;
};
DefinicionLote LotePicoTR55(PorDefectoTR55 porDefecto);

// A row that gives any of p0_mm and cn takes its threshold from them alone,
// and one that gives any of tc_h, length_km and slope its time likewise.
struct PorDefectoIC {
    std::optional<double> umbral;  // --p0, or the threshold of --cn
    std::optional<double> beta;
    std::optional<double> fb;
    std::optional<double> tc;  // --tc, or from --length and --slope
};
DefinicionLote LotePicoIC(PorDefectoIC porDefecto);

}  // namespace tarvel::cli
