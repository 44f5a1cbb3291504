#include "determination/GrupoSuelo.h"

#include <limits>

#include "app/FormatoNumerico.h"

namespace tarvel {
namespace {

struct Caja {
    float arenaMin, arenaMax;
    float limoMin, limoMax;
    float arcillaMin, arcillaMax;
    std::string_view letra;
};

// Tried in this order; where two overlap the earlier one wins.
constexpr std::array<Caja, 9> kCajas{{
    {70, 100, 0, 30, 0, 15, "A"},   // 1 sand, loamy sand (and arena - 70 > arcilla)
    {0, 45, 0, 60, 40, 100, "D"},   // 2 clay, silty clay
    {0, 20, 80, 100, 0, 12, "D"},   // 3 silt
    {0, 45, 15, 73, 27, 40, "C"},   // 4 clay loam, silty clay loam
    {45, 65, 0, 20, 35, 55, "C"},   // 5 sandy clay
    {45, 80, 0, 28, 20, 35, "C"},   // 6 sandy clay loam
    {23, 52, 28, 50, 7, 27, "C"},   // 7 loam
    {0, 8, 80, 88, 12, 20, "C"},    // 8 silt loam with 80 % silt or more
    {0, 50, 50, 80, 0, 27, "C"},    // 9 silt loam
}};

constexpr std::string_view kFueraDeLasCajas = "B";  // sandy loam, and anything else

bool Dentro(float valor, float minimo, float maximo) { return valor >= minimo && valor <= maximo; }

}  // namespace

std::string_view GrupoPorTasa(int clase) {
    constexpr std::array<std::string_view, 4> kLetras{"A", "B", "C", "D"};
    if (clase < 0 || clase >= static_cast<int>(kLetras.size())) return {};
    return kLetras[static_cast<std::size_t>(clase)];
}

Porcentaje ValidarPorcentaje(std::string_view texto) {
    const auto valor = ConvertirNumero(texto);
    // A value beyond the largest single-precision number cannot be kept as a
    // percentage: it counts as not valid, like text.
    if (!valor || !(*valor >= 0) || *valor > std::numeric_limits<float>::max()) return {};
    return {true, static_cast<float>(*valor)};
}

bool SumaCorrecta(const std::array<float, 3>& porcentajes, const std::array<bool, 3>& introducidos) {
    if (!introducidos[kArcilla] || !introducidos[kLimo] || !introducidos[kArena]) return false;
    const long double suma = static_cast<long double>(porcentajes[kLimo]) + porcentajes[kArcilla] + porcentajes[kArena];
    // Huge values would overflow single precision; they are far from 100 anyway.
    if (suma > 200.0L) return false;
    return static_cast<float>(suma) == 100.0f;
}

int CajaTextura(float arcilla, float limo, float arena) {
    for (std::size_t i = 0; i < kCajas.size(); ++i) {
        const Caja& caja = kCajas[i];
        if (!Dentro(arena, caja.arenaMin, caja.arenaMax) || !Dentro(limo, caja.limoMin, caja.limoMax) ||
            !Dentro(arcilla, caja.arcillaMin, caja.arcillaMax)) {
            continue;
        }
        if (i == 0) {
            const float exceso = arena - 70.0f;  // rounded to single precision before the comparison
            if (!(exceso > arcilla)) continue;
        }
        return static_cast<int>(i) + 1;
    }
    return 0;
}

std::string_view GrupoPorTextura(float arcilla, float limo, float arena) {
    const int caja = CajaTextura(arcilla, limo, arena);
    return caja == 0 ? kFueraDeLasCajas : kCajas[static_cast<std::size_t>(caja - 1)].letra;
}

ComprobacionTextura ComprobarTextura(const std::array<float, 3>& porcentajes, const std::array<bool, 3>& introducidos) {
    for (int i : {kArcilla, kLimo, kArena}) {
        if (!introducidos[static_cast<std::size_t>(i)]) return {ComprobacionTextura::Resultado::FaltaPorcentaje, {}, i};
    }
    if (!SumaCorrecta(porcentajes, introducidos)) return {ComprobacionTextura::Resultado::SumaIncorrecta, {}, -1};
    return {ComprobacionTextura::Resultado::Grupo,
            GrupoPorTextura(porcentajes[kArcilla], porcentajes[kLimo], porcentajes[kArena]), -1};
}

}  // namespace tarvel
