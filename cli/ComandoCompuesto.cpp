// composite FILE [--storm P] [--lambda 0.2|0.05|both]: the composite curve
// number of a catchment's sub-areas, read from a worksheet (.tarvel) or from
// a CSV file with the columns area and cn; with a storm, each sub-area's
// runoff, the area-weighted runoff and the curve number that gives it; a
// worksheet with peak discharge inputs, its peak discharge too.
#include <algorithm>
#include <cmath>
#include <iostream>
#include <memory>
#include <optional>

#include "app/FormatoNumerico.h"
#include "app/Idioma.h"
#include "app/Patrones.h"
#include "app/TablaTextos.h"
#include "app/TextosMensajes.h"
#include "catchment/ArchivoHoja.h"
#include "catchment/Compuesto.h"
#include "catchment/EvaluacionHoja.h"
#include "catchment/TextosCuenca.h"
#include "cli/Comun.h"
#include "cli/CompuestoCsv.h"
#include "cli/SalidaCaudal.h"
#include "cli/batch/Evaluacion.h"
#include "cli/batch/Mensajes.h"
#include "hydrology/TextosEscorrentia.h"

namespace tarvel::cli {
namespace {

// The sub-areas of a worksheet, with the fields the rows table shows of each
// (a CSV file is read apart, in passes: cli/CompuestoCsv.cpp).
struct Cuenca {
    std::vector<std::string> cabecera;             // headings of the fields: name, area and CN
    std::vector<std::vector<std::string>> campos;  // one list per sub-area
    std::vector<int> filas;                        // each sub-area's row in the worksheet, from 1
    std::vector<Subarea> subareas;
};

bool EsHoja(const std::string& archivo) {
    std::string sufijo = std::filesystem::path(archivo).extension().string();
    std::ranges::transform(sufijo, sufijo.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; });
    return sufijo == kSufijoHoja;
}

std::string Cifra(double valor) { return Formatear(valor, Patron::UnDecimalConCero); }

std::string NombreLambda(Lambda lambda) { return TextoNumero(ValorLambda(lambda)); }

// Tab-separated cells on one line; a tab or line break inside a cell would
// split it, and reads as a blank.
void Linea(std::string& texto, std::vector<std::string> celdas) {
    for (std::size_t i = 0; i < celdas.size(); ++i) {
        std::ranges::replace_if(celdas[i], [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
        texto += (i > 0 ? "\t" : "") + celdas[i];
    }
    texto += '\n';
}

// The rows with their shares and runoff, the composite under the three
// conditions and, with a storm, the catchment's runoff, blocks apart.
std::string TextoCompuesto(const Cuenca& cuenca, const Compuesto& compuesto,
                           const std::vector<EscorrentiaCompuesta>& escorrentias) {
    std::string texto;
    auto cabecera = cuenca.cabecera;
    cabecera.emplace_back(Texto(kTextoColumnaCuota));
    for (const auto& e : escorrentias) cabecera.push_back(Mensaje(kTextoColumnaQLambda, {NombreLambda(e.lambda)}));
    Linea(texto, std::move(cabecera));
    for (std::size_t i = 0; i < cuenca.subareas.size(); ++i) {
        auto celdas = cuenca.campos[i];
        celdas.push_back(Cifra(100 * compuesto.cuota[i]));
        for (const auto& e : escorrentias) celdas.push_back(Cifra(e.subareas[i].Q));
        Linea(texto, std::move(celdas));
    }

    texto += '\n';
    Linea(texto, {std::string(Texto(kTextoAreaTotal)), TextoNumero(compuesto.areaTotal)});
    Linea(texto, {std::string(Texto(kTextoColumnaCondicion)), std::string(Texto(kTextoColumnaNC)),
                  std::string(Texto(kTextoColumnaUmbral))});
    const char* const condiciones[] = {"I", "II", "III"};
    for (std::size_t j = 0; j < 3; ++j) {
        Linea(texto, {condiciones[j], Cifra(compuesto.CN[j]), Cifra(compuesto.umbral[j])});
    }

    if (!escorrentias.empty()) {
        texto += '\n';
        Linea(texto, {std::string(Texto(kTextoLineaLluvia)), TextoNumero(escorrentias.front().P)});
        Linea(texto, {std::string(Texto(kTextoColumnaLambda)), std::string(Texto(kTextoQPonderada)),
                      std::string(Texto(kTextoNCDeQ)), std::string(Texto(kTextoQDelNCPonderado))});
        for (const auto& e : escorrentias) {
            // With no runoff, every curve number up to this one gives none: marked as the tables mark a bound.
            Linea(texto, {NombreLambda(e.lambda), Cifra(e.Q),
                          Cifra(e.equivalente.CN) + (e.equivalente.sinEscorrentia ? "\u2264" : ""),
                          Cifra(e.delCompuesto.Q)});
        }
    }
    texto.pop_back();
    return texto;
}

nlohmann::ordered_json JsonCompuesto(const Cuenca& cuenca, const Compuesto& compuesto,
                                     const std::vector<EscorrentiaCompuesta>& escorrentias) {
    nlohmann::ordered_json filas = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < cuenca.subareas.size(); ++i) {
        nlohmann::ordered_json fila{{"row", cuenca.filas[i]}, {"name", cuenca.campos[i][0]}};
        fila["area_ha"] = cuenca.subareas[i].area;
        fila["cn"] = cuenca.subareas[i].cn;
        fila["share_pct"] = 100 * compuesto.cuota[i];
        for (const auto& e : escorrentias) {
            fila[e.lambda == Lambda::Clasica ? "q02_mm" : "q005_mm"] = e.subareas[i].Q;
        }
        filas.push_back(std::move(fila));
    }
    nlohmann::ordered_json objeto{{"total_area_ha", compuesto.areaTotal},
                                  {"cn", compuesto.CN},
                                  {"threshold_mm", compuesto.umbral},
                                  {"rows", std::move(filas)}};
    if (escorrentias.empty()) return objeto;
    objeto["storm_mm"] = escorrentias.front().P;
    objeto["runoff"] = JsonEscorrentiasCompuestas(escorrentias);
    return objeto;
}

// A worksheet: its own storm and ratio unless the command gives them; every
// row whose trail does not give its number is told on standard error, and
// the stored number is the one used.
int CompuestoDeHoja(const Opciones& opciones, const std::string& archivo, std::optional<double> p,
                    std::optional<EleccionLambda> eleccion) {
    auto hoja = LeerHojaDeArchivo(archivo);
    if (!hoja) return Rechazar(MensajeErrorHoja(hoja.error()));
    if (p) hoja->lluvia = p;
    if (eleccion && !hoja->lluvia) Uso(kTextoFaltaArgumento, {"--storm"});
    if (eleccion) hoja->lambda = *eleccion;

    const auto datos = LeerDatos(RutaDatosPrograma());
    if (!datos) std::cerr << Mensaje(kTextoAvisoCompuesto, {MensajeErrorDatos(datos.error(), IdiomaEnVigor().idioma)}) << '\n';
    const EvaluacionHoja evaluacion = EvaluarHoja(*hoja, datos ? std::span<const FilaDatos>(*datos) : std::span<const FilaDatos>());
    for (std::size_t i = 0; i < hoja->filas.size(); ++i) {
        for (const std::string& aviso : MensajesTraza(hoja->filas[i], static_cast<int>(i), evaluacion.trazas[i])) {
            std::cerr << Mensaje(kTextoAvisoCompuesto, {aviso}) << '\n';
        }
    }
    if (evaluacion.rechazo) return Rechazar(MensajeCuenca(*evaluacion.rechazo));

    Cuenca cuenca;
    cuenca.cabecera = {std::string(Texto(kTextoColumnaNombre)), std::string(Texto(kTextoColumnaArea)),
                       std::string(Texto(kTextoColumnaNC))};
    cuenca.subareas = SubareasDe(*hoja);
    for (const FilaHoja& fila : hoja->filas) {
        cuenca.campos.push_back({fila.nombre, TextoNumero(fila.area), TextoNumero(fila.cn)});
        cuenca.filas.push_back(static_cast<int>(cuenca.filas.size()) + 1);
    }
    auto objeto = JsonCompuesto(cuenca, *evaluacion.compuesto, evaluacion.escorrentias);
    std::string texto = TextoCompuesto(cuenca, *evaluacion.compuesto, evaluacion.escorrentias);
    // The peak discharge the worksheet keeps, on its total area and composite curve number.
    if (hoja->caudal && evaluacion.caudal) {
        const auto pico =
            CaudalDeHoja(*hoja->caudal, *evaluacion.caudal, AreaEnKm2(*evaluacion.compuesto), evaluacion.compuesto->CN[1]);
        objeto["peak"] = pico.json;
        texto += pico.texto;
        if (!opciones.json) {
            for (const std::string& linea : pico.avisos) std::cerr << Mensaje(kTextoAvisoCompuesto, {linea}) << '\n';
        }
    }
    return Escribir(opciones, objeto, texto);
}

}  // namespace

Comando RegistrarCompuesto(CLI::App& app, const Opciones& opciones) {
    struct Argumentos {
        std::string archivo;
        std::optional<std::string> lluvia;
        std::optional<std::string> lambda;
    };
    auto a = std::make_shared<Argumentos>();
    auto* compuesto = app.add_subcommand(
        "composite", "the area-weighted curve number of a catchment's sub-areas, from a worksheet or a CSV file");
    compuesto->fallthrough();
    auto* archivo = compuesto->add_option(
        "FILE", a->archivo,
        "a worksheet saved by Tarvel (.tarvel), or a CSV file with the columns area (ha) and cn (condition II) and "
        "any others, shown as they are; - reads the CSV from standard input");
    auto* lluvia = compuesto
                       ->add_option("--storm", a->lluvia,
                                    "design storm depth P in mm, from 0 to " + TextoNumero(kLluviaMaxima) +
                                        ": adds each sub-area's runoff, the area-weighted runoff and the curve "
                                        "number that gives it (default: the worksheet's storm)")
                       ->type_name("P");
    auto* lambda = compuesto
                       ->add_option("--lambda", a->lambda,
                                    "initial abstraction ratio of the storm's runoff: 0.2, 0.05 or both (default: "
                                    "the worksheet's, else 0.2)")
                       ->type_name("0.2|0.05|both");
    compuesto->footer(
        "A CSV file is read as --csv files are (a header with \";\" between its columns takes \",\" as the decimal\n"
        "mark; text that is not UTF-8 is read as Windows-1252); its rows are numbered from the first after the header,\n"
        "and a row whose area and cn are both empty is skipped. It is read twice (three times with --json), holding one\n"
        "row at a time, so it may be of any length; standard input that is not a file is first copied to a temporary file.\n"
        "Printed, tab-separated: the rows with their share of the area (and runoff), then the total area and\n"
        "the composite curve number under conditions I, II, III with its runoff threshold P0; with a storm, the\n"
        "area-weighted runoff, the curve number giving that runoff over the whole area (followed by \u2264 when there\n"
        "is none: every lower number gives none either) and the runoff of the area-weighted curve number.\n"
        "A worksheet that keeps peak discharge inputs adds its peak, worked out on the total area (km²) and the\n"
        "composite CN of condition II: the method, the flow path's segments, Tc and the table of return periods as\n"
        "the peak window shows it; its warnings, or what keeps the peak from being worked out, go to standard error\n"
        "(with --json, in the \"peak\" object: method, area_km2, cn, segments, tc_h, p0i_mm, rows, warnings, incomplete).");

    return {compuesto, [a, archivo, lluvia, lambda, &opciones] {
                ExigirArgumentos({archivo});
                const bool hoja = a->archivo != "-" && EsHoja(a->archivo);
                // Only a worksheet can bring a storm of its own.
                if (!hoja && lambda->count() > 0 && lluvia->count() == 0) Uso(kTextoFaltaArgumento, {"--storm"});
                std::optional<double> p;
                if (a->lluvia) {
                    const auto leida = LeerTormenta(*a->lluvia, "storm");
                    if (!leida) return Rechazar(leida.error());
                    p = *leida;
                }
                std::optional<EleccionLambda> eleccion;
                if (a->lambda) {
                    const auto leida = LeerLambda(*a->lambda);
                    if (!leida) return Rechazar(leida.error());
                    eleccion = *leida;
                }

                if (hoja) return CompuestoDeHoja(opciones, a->archivo, p, eleccion);
                return CompuestoDeCsv(opciones, a->archivo, p, eleccion.value_or(EleccionLambda::Clasica));
            }};
}

}  // namespace tarvel::cli
