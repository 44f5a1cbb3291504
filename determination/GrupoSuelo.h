#pragma once
// The hydrologic soil group A to D of a ground, found either from its class of
// minimum infiltration rate or from the clay, silt and sand percentages of the
// soil (the rectangular limits of the USDA texture classes).
#include <array>
#include <string_view>

namespace tarvel {

// Letter of a class of minimum infiltration rate: 0 (50 mm/h or more) gives
// "A", 1 "B", 2 "C", 3 (1 mm/h or less) "D". Empty outside 0 to 3.
std::string_view GrupoPorTasa(int clase);

// Percentages are kept in this order everywhere: clay, silt, sand.
inline constexpr int kArcilla = 0;
inline constexpr int kLimo = 1;
inline constexpr int kArena = 2;

struct Porcentaje {
    bool valido = false;
    float valor = 0;  // meaningful only when valido
};

// A typed percentage: valid when the text is a number for the conversion in
// force and its value is 0 or more and fits in single precision. There is no
// upper limit of 100: the sum check bounds the three together.
Porcentaje ValidarPorcentaje(std::string_view texto);

// True when the three percentages were all entered and, added as silt + clay
// + sand in extended precision and rounded to single precision, make exactly
// 100. So 33.3 / 33.3 / 33.4 passes and 33.33 three times (99.99) does not.
bool SumaCorrecta(const std::array<float, 3>& porcentajes, const std::array<bool, 3>& introducidos);

// The texture box holding a point, 1 to 9 in the order they are tried, 0 when
// none does. Bounds are inclusive; box 1 also needs arena - 70 (in single
// precision) to be strictly greater than arcilla.
int CajaTextura(float arcilla, float limo, float arena);

// The letter of the first box holding the point; "B" outside every box.
std::string_view GrupoPorTextura(float arcilla, float limo, float arena);

// What entering the auxiliary stop after the sand box leads to.
struct ComprobacionTextura {
    enum class Resultado {
        Grupo,           // the percentages are consistent: letra holds the group
        SumaIncorrecta,  // all entered, but they do not make 100
        FaltaPorcentaje, // box `caja` (the first in the order clay, silt, sand) holds no valid value
    } resultado;
    std::string_view letra;
    int caja = -1;
};
ComprobacionTextura ComprobarTextura(const std::array<float, 3>& porcentajes, const std::array<bool, 3>& introducidos);

}  // namespace tarvel
