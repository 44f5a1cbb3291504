#pragma once
// What tc and peak share: the flow-path options (--sheet, --shallow,
// --channel, in the order given), and how segments and warnings are written.
#include <CLI/CLI.hpp>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/Comun.h"
#include "cli/batch/Valores.h"
#include "hydrology/EntradasCaudal.h"
#include "hydrology/PresentacionCaudal.h"
#include "hydrology/TiempoConcentracion.h"

namespace tarvel::cli {

struct OpcionesTramos {
    std::vector<std::string> valores[3];  // by TipoTramo
    CLI::Option* opcion[3] = {};
};

// Adds --sheet, --shallow and --channel, each as often as wanted.
std::shared_ptr<OpcionesTramos> AnadirOpcionesTramos(CLI::App& comando);

// Whether any segment option was given.
bool HayTramos(const OpcionesTramos& opciones);

// The segments in the order they were given on the command line; a value
// with the wrong number of fields is a usage error (ErrorUso), a field out
// of its range a refusal.
Leido<std::vector<TramoFlujo>> LeerTramos(const CLI::App& comando, const OpcionesTramos& opciones);

// The segments' travel times, tab-separated under their headings, one line
// each (no final line break).
std::string TextoTramos(std::span<const TramoFlujo> tramos, const TiempoTR55& tiempo);

// [{"kind": "sheet", "tt_h": …, "velocity_m_s": …(, "hydraulic_radius_m": … for a channel)}, …]
nlohmann::ordered_json JsonTramos(std::span<const TramoFlujo> tramos, const TiempoTR55& tiempo);

// [{"kind": ClaveAviso, "value", "limit"(, "segment" from 1), "message"}, …]
nlohmann::ordered_json JsonAvisos(std::span<const Aviso> avisos, MetodoCaudal metodo);

// The result, and without --json its warnings on standard error, one a line.
int EscribirConAvisos(const Opciones& opciones, const nlohmann::ordered_json& objeto, const std::string& texto,
                      std::span<const Aviso> avisos, MetodoCaudal metodo);

// "NAME<TAB>VALUE" lines (no final line break).
std::string Lineas(std::initializer_list<std::pair<std::string_view, std::string>> lineas);

// The peak discharge a worksheet keeps, worked out (EvaluarCaudal) on its
// total area `area` (km²) and composite curve number `cn`, as composite
// prints it: lines that begin with a blank one, a JSON object (keys in the
// README), and what goes to standard error without --json (the warnings, or
// why the peak cannot be worked out).
struct SalidaCaudalHoja {
    std::string texto;
    nlohmann::ordered_json json;
    std::vector<std::string> avisos;
};
SalidaCaudalHoja CaudalDeHoja(const EntradasCaudal& entradas, const ResultadoCaudal& resultado, double area, double cn);

}  // namespace tarvel::cli
