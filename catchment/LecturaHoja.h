#pragma once
// What the worksheet file's reader and writer share (catchment/ArchivoHoja.cpp,
// catchment/ArchivoCaudal.cpp): places in the document as JSON Pointers, the
// faults they name, and the reading of one value of a kind, which throws a
// Rechazo that never leaves LeerHoja. Not for use elsewhere.
#include <array>
#include <cmath>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "catchment/ArchivoHoja.h"

namespace tarvel::archivo {

using Json = nlohmann::json;
using JsonOrdenado = nlohmann::ordered_json;

inline std::string Ruta(std::string_view padre, std::string_view hijo) {
    std::string ruta(padre);
    ruta += '/';
    ruta += hijo;
    return ruta;
}
inline std::string Ruta(std::string_view padre, std::size_t indice) { return Ruta(padre, std::to_string(indice)); }

inline ErrorHoja Error(FalloHoja fallo, std::string ruta, std::string detalle = {}) {
    ErrorHoja e;
    e.fallo = fallo;
    e.ruta = std::move(ruta);
    e.detalle = std::move(detalle);
    return e;
}

inline ErrorHoja ErrorEntero(std::string ruta, long long minimo, long long maximo, FalloHoja fallo = FalloHoja::NoEntero) {
    ErrorHoja e = Error(fallo, std::move(ruta));
    e.minimo = minimo;
    e.maximo = maximo;
    return e;
}

// A fault found while walking the document; never leaves LeerHoja.
struct Rechazo {
    ErrorHoja error;
};

[[noreturn]] inline void Rechazar(ErrorHoja error) { throw Rechazo{std::move(error)}; }

inline const Json& Campo(const Json& objeto, const char* nombre, const std::string& ruta) {
    const auto it = objeto.find(nombre);
    if (it == objeto.end()) Rechazar(Error(FalloHoja::Falta, Ruta(ruta, nombre)));
    return *it;
}

inline const Json& Objeto(const Json& valor, const std::string& ruta) {
    if (!valor.is_object()) Rechazar(Error(FalloHoja::NoObjeto, ruta));
    return valor;
}

inline std::string Cadena(const Json& valor, const std::string& ruta) {
    if (!valor.is_string()) Rechazar(Error(FalloHoja::NoTexto, ruta));
    return valor.get<std::string>();
}

inline double Numero(const Json& valor, const std::string& ruta) {
    if (!valor.is_number()) Rechazar(Error(FalloHoja::NoNumero, ruta));
    return valor.get<double>();
}

// A whole number; 9.0 is as whole as 9.
inline int Entero(const Json& valor, const std::string& ruta, int minimo, int maximo) {
    const double v = valor.is_number() ? valor.get<double>() : 0.5;
    if (v != std::floor(v) || v < minimo || v > maximo) Rechazar(ErrorEntero(ruta, minimo, maximo));
    return static_cast<int>(v);
}

// One of a few names; the index of the one found.
template <std::size_t N>
inline std::size_t Nombre(const Json& valor, const std::string& ruta, const std::array<std::string_view, N>& nombres) {
    const std::string texto = Cadena(valor, ruta);
    for (std::size_t i = 0; i < N; ++i) {
        if (texto == nombres[i]) return i;
    }
    std::string admitidos;
    for (const auto nombre : nombres) {
        if (!admitidos.empty()) admitidos += ", ";
        admitidos += nombre;
    }
    Rechazar(Error(FalloHoja::Desconocido, ruta, admitidos));
}

}  // namespace tarvel::archivo
