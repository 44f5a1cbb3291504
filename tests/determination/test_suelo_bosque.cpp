// The soil group (rate classes, percentages, the sum check, the texture boxes)
// and the forest condition class (the reading line and its limits).
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "app/FormatoNumerico.h"
#include "determination/CondicionBosque.h"
#include "determination/GrupoSuelo.h"
#include "tests/Esperado.h"

namespace tarvel {
namespace {

using prueba::ErrorDe;

TEST(GrupoSuelo, RateClassesAndPercentages) {
    std::string letras;
    for (int clase = -1; clase <= 4; ++clase) letras += std::string(GrupoPorTasa(clase)) + "|";
    EXPECT_EQ(letras, "|A|B|C|D||");
    // No upper limit (the sum check bounds it), but within single precision.
    const std::pair<const char*, std::optional<float>> casos[] = {
        {"20", 20.0f},     {" 33.3 ", 33.3f},      {"0", 0.0f},       {"1,000", 1000.0f}, {"3e38", 3e38f},
        {"-5", std::nullopt}, {"-0.001", std::nullopt}, {"abc", std::nullopt}, {"", std::nullopt},
        {"12abc", std::nullopt}, {"4e38", std::nullopt}, {"1e400", std::nullopt},
    };
    for (const auto& [texto, valor] : casos) {
        const Porcentaje leido = ValidarPorcentaje(texto);
        EXPECT_EQ(leido.valido ? std::optional(leido.valor) : std::nullopt, valor) << '"' << texto << '"';
    }
    EstablecerFormato({',', '.'});
    EXPECT_EQ(ValidarPorcentaje("33,3").valor, 33.3f);
    EstablecerFormato({'.', ','});
}

TEST(SumaCorrecta, RoundedToSinglePrecisionItMustBeExactlyOneHundred) {
    const std::pair<std::array<float, 3>, bool> casos[] = {
        {{33.3f, 33.3f, 33.4f}, true}, {{33.33f, 33.33f, 33.33f}, false}, {{100, 0, 0}, true},
        {{0.000001f, 50, 50}, true},   // 100.000001 rounds to 100
        // 100.000004 rounds to the next single above 100; adding in single
        // precision step by step would have lost the excess and passed.
        {{0.000004f, 50, 50}, false},  {{20, 40, 41}, false}, {{3e38f, 3e38f, 3e38f}, false},
    };
    for (const auto& [porcentajes, correcta] : casos) EXPECT_EQ(SumaCorrecta(porcentajes, {true, true, true}), correcta);
    for (int falta = 0; falta < 3; ++falta) {
        std::array<bool, 3> introducidos{true, true, true};
        introducidos[falta] = false;
        EXPECT_FALSE(SumaCorrecta({20, 40, 40}, introducidos)) << falta;
    }
}

// Points on the edges of every box and where boxes overlap (the earlier box
// wins): clay, silt, sand, then the box, 0 for outside them all. Some do not
// add up to 100: the boxes are tried on any point.
const std::tuple<float, float, float, int> kPuntos[] = {
    // Box 1, sand and loamy sand: sand - 70 must exceed clay, in single precision.
    {5, 10, 85, 1},   {0, 0, 100, 1},  {14, 0, 86, 1},  {15, 0, 85, 0},   {15, 15, 70, 0},  {10, 20, 70, 0},
    {0, 30, 70, 0},   {0, 30, 80, 1},  {0.4f, 29.1f, 70.5f, 1},           {15, 0, 100, 1},  {0.1f, 29.8f, 70.1f, 0},
    // Box 2, clay and silty clay.
    {40, 15, 45, 2},  {100, 0, 0, 2},  {40, 60, 0, 2},  {55, 0, 45, 2},   {40, 14, 46, 5},  {39, 16, 45, 4},
    // Box 3, silt.
    {10, 85, 5, 3},   {0, 100, 0, 3},  {12, 80, 8, 3},  {12, 88, 0, 3},   {0, 80, 20, 3},   {0, 79, 21, 9},
    {0, 80, 21, 9},
    // Box 4, clay loam and silty clay loam.
    {30, 30, 40, 4},  {33.3f, 33.3f, 33.4f, 4},         {27, 73, 0, 4},   {27, 28, 45, 4},  {27, 50, 23, 4},
    {35, 20, 45, 4},  {26, 74, 0, 9},  {38, 14, 45, 5},
    // Box 5, sandy clay.
    {35, 0, 65, 5},   {36, 0, 64, 5},  {34, 0, 66, 6},  {35, 21, 44, 4},
    // Box 6, sandy clay loam.
    {25, 15, 60, 6},  {20, 0, 80, 6},  {20, 28, 52, 6}, {20, 29, 51, 7},  {19, 28, 53, 0},  {19, 0, 81, 0},
    // Box 7, loam.
    {20, 40, 40, 7},  {7, 50, 43, 7},  {6, 50, 44, 9},  {26, 51, 23, 9},  {10, 38, 52, 7},  {10, 37, 53, 0},
    {20, 40, 23, 7},  {20, 40, 22, 0},
    // Box 8, silt loam with 80 % silt or more; box 9, silt loam.
    {15, 82, 3, 8},   {20, 80, 0, 8},  {13, 87, 0, 8},  {13, 79, 8, 9},   {13, 78, 9, 9},   {21, 79, 0, 9},
    {0, 50, 50, 9},   {0, 49, 51, 0},  {10, 30, 60, 0},
};

TEST(Textura, TheFirstBoxGivesTheLetterAndBOutsideThemAll) {
    constexpr const char* kLetras = "BADDCCCCCC";  // outside, then boxes 1-9
    for (const auto& [arcilla, limo, arena, caja] : kPuntos) {
        EXPECT_EQ(CajaTextura(arcilla, limo, arena), caja) << arcilla << " / " << limo << " / " << arena;
        EXPECT_EQ(GrupoPorTextura(arcilla, limo, arena), std::string(1, kLetras[caja])) << arcilla << " / " << limo;
    }
}

TEST(Textura, FirstMissingBoxThenTheSumThenTheGroup) {
    using R = ComprobacionTextura::Resultado;
    const std::pair<std::array<bool, 3>, int> faltas[] = {
        {{true, false, false}, kLimo}, {{false, false, true}, kArcilla}, {{true, true, false}, kArena}};
    for (const auto& [introducidos, caja] : faltas) {
        const auto falta = ComprobarTextura({20, 40, 0}, introducidos);
        EXPECT_EQ(falta.resultado, R::FaltaPorcentaje);
        EXPECT_EQ(falta.caja, caja);
    }
    EXPECT_EQ(ComprobarTextura({33.33f, 33.33f, 33.33f}, {true, true, true}).resultado, R::SumaIncorrecta);
    const auto grupo = ComprobarTextura({33.3f, 33.3f, 33.4f}, {true, true, true});
    EXPECT_EQ(grupo.resultado, R::Grupo);
    EXPECT_EQ(grupo.letra, "C");
}

double Compacidad(char codigo) {
    for (const auto& grado : kGradosCompacidad) {
        if (grado.codigo == codigo) return grado.valor;
    }
    ADD_FAILURE() << codigo;
    return 0;
}

// Worked examples, then depths whose exact reading falls on a limit: the steps
// in their order decide the last bit of R, and so the class.
TEST(ClaseCondicionBosque, WorkedExamplesAndReadingsOnALimit) {
    const std::tuple<double, double, double, char, std::optional<double>, const char*> casos[] = {
        {0, 0, kFactorArropeAntes, 'F', -0.42, "I"},   {0, 0, kFactorArropeAntes, '3', 2.7, "III"},
        {0, 0, kFactorArropeAntes, '1', 0.9, "II"},    {5, 5, kFactorArropeAntes, '2', 3.565, "IV"},
        {5, 5, kFactorArropeDespues, '2', 5.045, "V"}, {4.5, 3.0, kFactorArropeAntes, '3', 4.2, "IV"},
        {1.9, 9.6, kFactorArropeAntes, '2', 2.925, "III"},
        {1.3, 9.2, kFactorArropeAntes, '1', {}, "III"},  // 1.825 on paper; the steps give a hair more
        {4.6, 11.4, kFactorArropeAntes, '1', {}, "IV"},  // 2.925 on paper; a hair more
        {7.2, 4.8, kFactorArropeAntes, '2', {}, "IV"},   // 4.2 on paper; a hair less
    };
    for (const auto& [arrope, humus, factor, compacidad, R, clase] : casos) {
        const auto condicion = ClaseCondicionBosque(arrope, humus, factor, Compacidad(compacidad));
        EXPECT_NEAR(condicion.R, R.value_or(condicion.R), 1e-12) << arrope << ' ' << humus << ' ' << compacidad;
        EXPECT_EQ(condicion.clase, clase) << arrope << ' ' << humus << ' ' << compacidad;
    }
    EXPECT_EQ(IndiceCondicionBosque(4.5, 3.0, kFactorArropeAntes, 4.5), 4.2);
    EXPECT_EQ(IndiceCondicionBosque(1.9, 9.6, kFactorArropeAntes, 3.0), 2.925);
}

TEST(ClaseCondicionBosque, EachLimitBelongsToTheLowerClass) {
    const std::tuple<double, const char*, const char*> limites[] = {
        {0.75, "I", "II"}, {1.825, "II", "III"}, {2.925, "III", "IV"}, {4.2, "IV", "V"}};
    for (const auto& [R, debajo, encima] : limites) {
        EXPECT_EQ(ClasePorIndice(R), debajo) << R;
        EXPECT_EQ(ClasePorIndice(std::nextafter(R, 10.0)), encima) << R;
    }
    EXPECT_EQ(ClasePorIndice(-100), "I");
}

TEST(ComprobarNomograma, ChecksInOrderNameTheFirstFaultyControl) {
    using C = CampoNomograma;
    const std::string enorme = "5" + std::string(307, '0');
    const std::tuple<const char*, const char*, bool, std::optional<C>> casos[] = {
        {"", "5", true, C::Arrope},      {"abc", "abc", false, C::Arrope}, {"-1", "5", true, C::Arrope},
        {"1e3", "5", true, C::Arrope},   {"1,000", "5", true, C::Arrope},  {"5", "", true, C::Humus},
        {"5", "-0.5", false, C::Humus},  {"5", "5", false, C::Compacidad}, {"0", "0", true, std::nullopt},
        // Depths so large that the reading line would overflow are no depths at all.
        {"1", enorme.c_str(), true, C::Humus},
    };
    for (const auto& [arrope, humus, compacidad, fallo] : casos) {
        const auto espesores = ComprobarNomograma(arrope, humus, compacidad);
        EXPECT_EQ(espesores ? std::nullopt : std::optional(espesores.error()), fallo) << arrope << " / " << humus;
    }
    EXPECT_EQ(ComprobarNomograma(" 2.5 ", "10", true).value().arrope, 2.5);
    const std::string grande = "1" + std::string(307, '0');
    const auto admitido = ComprobarNomograma(grande, grande, true).value();
    const auto condicion = ClaseCondicionBosque(admitido.arrope, admitido.humus, kFactorArropeDespues, 4.5);
    EXPECT_TRUE(std::isfinite(condicion.R));
    EXPECT_EQ(condicion.clase, "V");
    EstablecerFormato({',', '.'});
    EXPECT_EQ(ComprobarNomograma("2,5", "1,25", true).value().humus, 1.25);
    EXPECT_EQ(ErrorDe(ComprobarNomograma("2.5", "1", true)), C::Arrope);
    EstablecerFormato({'.', ','});
}

}  // namespace
}  // namespace tarvel
