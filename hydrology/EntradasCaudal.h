#pragma once
// The inputs of the peak discharge window as values, and what they give.
//
// EntradasCaudal is what the window holds apart from the catchment's area and
// curve number: the method, the time of concentration (a flow path of
// segments, the main channel, or typed), the method's catchment inputs and
// the return periods with their storms. A field left empty is a value missing
// (std::nullopt). The window fills it from its fields and shows it again, a
// catchment worksheet keeps it in its file (catchment/ArchivoHoja.h), and its
// report and the companion's composite present what EvaluarCaudal makes of it.
//
// EvaluarCaudal is the one owner of how the inputs make a peak, figure by
// figure as the window shows them while they are typed:
//   - a value missing takes its default where it has one (ponds 0, β 1, a
//     return period's β the catchment's), else keeps what needs it from
//     being worked out and is named (FaltaCaudal::vacio);
//   - a segment whose every field is empty is no part of the flow path; one
//     partly typed keeps Tc from being known;
//   - a return period whose storm (P for TR-55, Pd for 5.2-IC) is empty is
//     left out of the table;
//   - a value out of its range (RangoDe), or NaN where a window holds text
//     that is no number, is refused and named with its range.
// What is found missing or refused is listed in the order of the window's
// fields; the figures that could be worked out are there all the same.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hydrology/CaudalPunta.h"
#include "hydrology/PresentacionCaudal.h"
#include "hydrology/TiempoConcentracion.h"

namespace tarvel {

// The most segments a flow path has.
inline constexpr int kTramosMaximos = 10;

// A segment as typed: its kind and surface, and the values of the fields its
// kind reads (DatosDeTramo); the others are not kept.
struct TramoEscrito {
    TipoTramo tipo = TipoTramo::Laminar;
    Firme firme = Firme::SinPavimentar;  // shallow flow
    std::optional<double> n, longitud, lluvia2, pendiente, seccion, perimetro;
    friend bool operator==(const TramoEscrito&, const TramoEscrito&) = default;
};

// The fields a kind of segment reads, in the order of its builder
// (TramoLaminar, TramoSuperficial, TramoCauce).
std::vector<DatoCaudal> DatosDeTramo(TipoTramo tipo);
// The value of one of them (Rugosidad, Longitud, Lluvia2Anios, Pendiente,
// SeccionCauce, PerimetroMojado).
std::optional<double>& ValorDeTramo(TramoEscrito& tramo, DatoCaudal dato);
const std::optional<double>& ValorDeTramo(const TramoEscrito& tramo, DatoCaudal dato);

// One row of the return periods' table.
struct PeriodoEscrito {
    std::optional<double> T;             // years
    std::optional<double> lluvia;        // TR-55's P, 24 hours, mm
    std::optional<double> lluviaDiaria;  // 5.2-IC's Pd, mm
    std::optional<double> beta;          // 5.2-IC: empty, the catchment's
    std::optional<double> fb;            // 5.2-IC: from a local IDF curve, when there is one
    friend bool operator==(const PeriodoEscrito&, const PeriodoEscrito&) = default;
};

inline constexpr std::size_t kFilasPeriodos = kPeriodosRetorno.size();

constexpr std::array<PeriodoEscrito, kFilasPeriodos> PeriodosIniciales() {
    std::array<PeriodoEscrito, kFilasPeriodos> periodos{};
    for (std::size_t f = 0; f < kFilasPeriodos; ++f) periodos[f].T = kPeriodosRetorno[f];
    return periodos;
}

// Every member starts as the window starts.
struct EntradasCaudal {
    MetodoCaudal metodo = MetodoCaudal::TR55;
    // TR-55
    DistribucionLluvia distribucion = DistribucionLluvia::II;
    std::optional<double> charcas = 0.0;  // %; empty is 0
    // 5.2-IC
    bool umbralTecleado = false;          // P0ⁱ typed, else that of the curve number
    std::optional<double> umbral;         // P0ⁱ typed, mm
    std::optional<double> beta = 1.0;     // empty is 1
    std::optional<double> i1id;
    // The time of concentration: typed, or the method's own way to it (the
    // flow path for TR-55, the main channel for 5.2-IC).
    bool tiempoTecleado = false;
    std::optional<double> tc;             // h
    std::vector<TramoEscrito> tramos{TramoEscrito{}};  // 1 to kTramosMaximos
    std::optional<double> longitudCauce;  // Lc, km
    std::optional<double> pendienteCauce; // Jc, m/m
    std::array<PeriodoEscrito, kFilasPeriodos> periodos = PeriodosIniciales();
    friend bool operator==(const EntradasCaudal&, const EntradasCaudal&) = default;
};

// An input that keeps a figure from being worked out. `lugar` says which:
// its DatoCaudal, its segment (tramo, from 0) or return period (fila, from
// 0); Beta with no row is the catchment's, Pendiente with no segment the
// main channel's Jc. A value refused carries itself and its range; one
// missing (vacio) carries NaN and the range it would have to lie in.
struct FaltaCaudal {
    RechazoCaudal lugar;
    bool vacio = false;
    friend bool operator==(const FaltaCaudal&, const FaltaCaudal&) = default;
};

struct ResultadoCaudal {
    std::vector<std::optional<TiempoTramo>> tramos;  // per segment, once its every field is a value
    std::vector<Aviso> avisosCamino;      // the flow path's, each naming its segment among `tramos`
    std::optional<double> tc;             // h
    std::optional<double> umbralDeCurva;  // 5.2-IC: P0ⁱ of the curve number, when it is used
    std::vector<int> filas;               // the return period (row of `periodos`) of each row worked out
    std::vector<FilaTR55> tr55;           // one per row of `filas`, by the method chosen
    std::vector<FilaIC> ic;
    std::optional<TablaCaudal> tabla;     // the table as the window shows it, with its warnings
    std::vector<std::string> avisos;      // every warning in words: the flow path's, then the table's
    std::vector<FaltaCaudal> faltas;      // in the order of the fields; empty when `tabla` is there
};

// `area` in km² and `cn` of condition II, or nothing when they are not given.
ResultadoCaudal EvaluarCaudal(const EntradasCaudal& entradas, std::optional<double> area, std::optional<double> cn);

// The name of an input as the window labels it ("Area A (km²)", "Segment 2:
// L (m)", "Row 3: T (years)"), in the language of the run.
std::string NombreEntradaCaudal(const RechazoCaudal& lugar);

// Why the peak cannot be worked out, in words: the input missing, or the
// value refused with its range.
std::string MensajeFaltaCaudal(const FaltaCaudal& falta);

// "tr55" and "ic52", as files and the companion name the methods.
constexpr std::string_view NombreMetodoCaudal(MetodoCaudal metodo) {
    return metodo == MetodoCaudal::IC ? "ic52" : "tr55";
}

}  // namespace tarvel
