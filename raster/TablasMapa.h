#pragma once
// What every cell of a map becomes, worked out once before the first block:
// a cell's land-cover index k and its soil class s pick every output of the
// cell from tables read at k * 8 + s.
//
// k is, for byte rasters, the code itself, so that every code not in the
// table is counted apart by k; for wider ones, the position of its code in
// the lookup table, then one k for no-data and one for every code not in the
// table. s is the group 0-3 (A-D), or 4 for no-data, 5 for a value that is
// no group.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "raster/PiezasMapa.h"

namespace tarvel::raster {

inline constexpr unsigned kClases = 8;
inline constexpr std::uint8_t kSueloSinDato = 4, kSueloOtro = 5;
inline constexpr std::int32_t kKSinDato = -1, kKDesconocido = -2;
enum Especial : std::uint8_t { kNada = 0, kAnotarSuelo = 1, kAnotarCodigo = 2 };

struct Tablas {
    std::vector<std::int32_t> entrada;  // by k: position in the lookup table, kKSinDato or kKDesconocido
    std::vector<std::int64_t> codigo;   // by k: its code, where k stands for one
    bool codigoPorK = false;
    std::vector<std::uint8_t> cn;
    std::vector<float> umbral, q;
    std::vector<std::uint8_t> especial;  // the cells whose values are counted one by one
    std::vector<bool> conValor;          // the cell gets a curve number
};

Tablas CalcularTablas(const PeticionMapa& p, const Entrada& cob);

// The position of a code in the lookup table, or kKSinDato, kKDesconocido.
std::int32_t Posicion(const std::vector<EntradaCobertura>& entradas, std::int64_t codigo,
                      std::optional<std::int64_t> sinDato);

// Land-cover value to index k, for each width a band's values are held in.
struct IndiceCobertura {
    std::vector<std::uint32_t> lut;  // by value (bytes, words) or by value - minimo (wide codes close together)
    std::vector<EntradaCobertura> entradas;
    std::int64_t minimo = 0;
    bool conSigno = false;
    bool denso = true;
    std::optional<std::int64_t> sinDato;

    std::uint32_t operator()(std::uint8_t v) const { return lut[v]; }
    std::uint32_t operator()(std::uint16_t v) const { return lut[v]; }
    std::uint32_t operator()(std::int64_t v) const {
        if (denso) {
            const std::uint64_t d = static_cast<std::uint64_t>(v) - static_cast<std::uint64_t>(minimo);
            if (d < lut.size()) return lut[d];
            if (!sinDato || v != *sinDato) return Indice(kKDesconocido);
        }
        return Indice(Posicion(entradas, v, sinDato));
    }
    std::uint32_t Indice(std::int32_t posicion) const {
        const auto n = static_cast<std::uint32_t>(entradas.size());
        return posicion == kKSinDato ? n : posicion == kKDesconocido ? n + 1 : static_cast<std::uint32_t>(posicion);
    }
    std::int64_t Valor(std::uint8_t v) const { return v; }
    std::int64_t Valor(std::uint16_t v) const { return conSigno ? static_cast<std::int16_t>(v) : v; }
    std::int64_t Valor(std::int64_t v) const { return v; }
};

IndiceCobertura CrearIndiceCobertura(const Entrada& e, const TablaCobertura& tabla);

// Soil-group value to class s.
struct ClaseSuelo {
    std::array<std::uint8_t, 4> duales{};  // groups of 11-14
    std::vector<std::uint8_t> lut;         // bytes and words
    std::optional<std::int64_t> sinDato;
    bool conSigno = false;

    std::uint8_t Clase(std::int64_t v) const {
        if (sinDato && v == *sinDato) return kSueloSinDato;
        if (v >= 1 && v <= 4) return static_cast<std::uint8_t>(v - 1);
        if (v >= 11 && v <= 14) return duales[static_cast<std::size_t>(v - 11)];
        return kSueloOtro;
    }
    std::uint8_t operator()(std::uint8_t v) const { return lut[v]; }
    std::uint8_t operator()(std::uint16_t v) const { return lut[v]; }
    std::uint8_t operator()(std::int64_t v) const { return Clase(v); }
    std::int64_t Valor(std::uint8_t v) const { return v; }
    std::int64_t Valor(std::uint16_t v) const { return conSigno ? static_cast<std::int16_t>(v) : v; }
    std::int64_t Valor(std::int64_t v) const { return v; }
};

ClaseSuelo CrearClaseSuelo(const Entrada& e, GruposDuales duales);

}  // namespace tarvel::raster
