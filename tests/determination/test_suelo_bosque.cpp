// The soil group (rate classes, percentages, the sum check, the texture boxes)
// and the forest condition class (the reading line and its limits).
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "app/FormatoNumerico.h"
#include "determination/CondicionBosque.h"
#include "determination/GrupoSuelo.h"

namespace tarvel {
namespace {

constexpr FormatoNumerico kPunto{'.', ','};
constexpr FormatoNumerico kComa{',', '.'};

class Formato : public ::testing::Test {
protected:
    void SetUp() override { EstablecerFormato(kPunto); }
    void TearDown() override { EstablecerFormato(kPunto); }
};

TEST(GrupoPorTasa, ClassesGiveTheirLetters) {
    EXPECT_EQ(GrupoPorTasa(0), "A");
    EXPECT_EQ(GrupoPorTasa(1), "B");
    EXPECT_EQ(GrupoPorTasa(2), "C");
    EXPECT_EQ(GrupoPorTasa(3), "D");
    EXPECT_EQ(GrupoPorTasa(-1), "");
    EXPECT_EQ(GrupoPorTasa(4), "");
}

using ValidarPorcentajeTest = Formato;

TEST_F(ValidarPorcentajeTest, NumbersOfZeroOrMoreThatFitInSinglePrecision) {
    struct Caso {
        const char* texto;
        bool valido;
        float valor;
    };
    const Caso casos[] = {
        {"20", true, 20.0f},      {" 33.3 ", true, 33.3f},  {"0", true, 0.0f},
        {"150", true, 150.0f},    {"1,000", true, 1000.0f},  // no upper limit: the sum check bounds it
        {"-5", false, 0},         {"-0.001", false, 0},      {"abc", false, 0},
        {"", false, 0},           {"12abc", false, 0},       {"3e38", true, 3e38f},
        {"4e38", false, 0},       {"1e400", false, 0},       // beyond single, then double precision
    };
    for (const auto& caso : casos) {
        const Porcentaje leido = ValidarPorcentaje(caso.texto);
        EXPECT_EQ(leido.valido, caso.valido) << '"' << caso.texto << '"';
        if (caso.valido && leido.valido) {
            EXPECT_EQ(leido.valor, caso.valor) << '"' << caso.texto << '"';
        }
    }
}

TEST_F(ValidarPorcentajeTest, ReadsTheDecimalMarkInForce) {
    EstablecerFormato(kComa);
    EXPECT_EQ(ValidarPorcentaje("33,3").valor, 33.3f);
    EXPECT_EQ(ValidarPorcentaje("1.000").valor, 1000.0f);
}

TEST(SumaCorrecta, RoundedToSinglePrecisionItMustBeExactlyOneHundred) {
    constexpr std::array<bool, 3> kTodos{true, true, true};
    struct Caso {
        std::array<float, 3> porcentajes;  // clay, silt, sand
        bool correcta;
    };
    const Caso casos[] = {
        {{33.3f, 33.3f, 33.4f}, true},  // 100 once rounded
        {{33.33f, 33.33f, 33.33f}, false},  // 99.99
        {{20, 40, 40}, true},
        {{100, 0, 0}, true},
        {{0.000001f, 50, 50}, true},   // 100.000001 rounds to 100
        // 100.000004 rounds to the next single above 100; adding in single
        // precision step by step would have lost the excess and passed.
        {{0.000004f, 50, 50}, false},
        {{20, 40, 41}, false},
        {{3e38f, 3e38f, 3e38f}, false},  // far beyond single precision: no fault, simply not 100
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(SumaCorrecta(caso.porcentajes, kTodos), caso.correcta)
            << caso.porcentajes[0] << " / " << caso.porcentajes[1] << " / " << caso.porcentajes[2];
    }
}

TEST(SumaCorrecta, EveryPercentageMustHaveBeenEntered) {
    for (int falta = 0; falta < 3; ++falta) {
        std::array<bool, 3> introducidos{true, true, true};
        introducidos[falta] = false;
        EXPECT_FALSE(SumaCorrecta({20, 40, 40}, introducidos)) << falta;
    }
}

struct PuntoTextura {
    float arcilla, limo, arena;
    int caja;  // 1-9, 0 outside every box
    const char* porque;
};

// Points on the edges of every box, and where the boxes overlap. Some do not
// add up to 100: the boxes are tried on any point.
const PuntoTextura kPuntos[] = {
    // Box 1, sand and loamy sand: arena - 70 must exceed arcilla.
    {5, 10, 85, 1, "inside"},
    {0, 0, 100, 1, "sand 100 and silt 0 are inside"},
    {14, 0, 86, 1, "16 > 14"},
    {15, 0, 85, 0, "15 is not greater than clay 15"},
    {15, 15, 70, 0, "arena - 70 = 0"},
    {10, 20, 70, 0, "arena - 70 = 0 is not greater than 10"},
    {0, 30, 70, 0, "0 is not greater than clay 0"},
    {0, 30, 80, 1, "silt 30 is inside"},
    {0.4f, 29.1f, 70.5f, 1, "0.5 > 0.4"},
    {15, 0, 100, 1, "clay 15 is inside"},
    {0.1f, 29.8f, 70.1f, 0, "70.1 - 70 in single precision is below 0.1"},
    // Box 2, clay and silty clay.
    {40, 15, 45, 2, "also in boxes 4 and 5: box 2 comes first"},
    {100, 0, 0, 2, "clay 100"},
    {40, 60, 0, 2, "clay 40 and silt 60 are inside"},
    {55, 0, 45, 2, "also in box 5"},
    {40, 14, 46, 5, "sand 46 leaves box 2 for box 5"},
    {39, 16, 45, 4, "clay 39 leaves box 2 for box 4"},
    // Box 3, silt.
    {10, 85, 5, 3, "inside"},
    {0, 100, 0, 3, "silt 100"},
    {12, 80, 8, 3, "also in box 8: box 3 comes first"},
    {12, 88, 0, 3, "also in box 8"},
    {0, 80, 20, 3, "sand 20 is inside"},
    {0, 79, 21, 9, "silt 79 leaves box 3 for box 9"},
    {0, 80, 21, 9, "sand 21 leaves box 3 for box 9"},
    // Box 4, clay loam and silty clay loam.
    {30, 30, 40, 4, "inside"},
    {33.3f, 33.3f, 33.4f, 4, "single-precision values"},
    {27, 73, 0, 4, "clay 27 and silt 73 are inside"},
    {27, 28, 45, 4, "also in box 7: box 4 comes first"},
    {27, 50, 23, 4, "also in boxes 7 and 9"},
    {35, 20, 45, 4, "also in box 5"},
    {26, 74, 0, 9, "silt 74 leaves box 4 for box 9"},
    {38, 14, 45, 5, "silt 14 leaves box 4 for box 5"},
    // Box 5, sandy clay.
    {35, 0, 65, 5, "also in box 6: box 5 comes first"},
    {36, 0, 64, 5, "inside"},
    {34, 0, 66, 6, "clay 34 leaves box 5 for box 6"},
    {35, 21, 44, 4, "silt 21 and sand 44 leave box 5"},
    // Box 6, sandy clay loam.
    {25, 15, 60, 6, "inside"},
    {20, 0, 80, 6, "clay 20 and sand 80 are inside; clay 20 is too much for box 1"},
    {20, 28, 52, 6, "also in box 7: box 6 comes first"},
    {20, 29, 51, 7, "silt 29 leaves box 6 for box 7"},
    {19, 28, 53, 0, "clay 19 leaves box 6, sand 53 box 7"},
    {19, 0, 81, 0, "sand 81 leaves box 6; 11 is not greater than 19"},
    // Box 7, loam.
    {20, 40, 40, 7, "inside"},
    {7, 50, 43, 7, "also in box 9: box 7 comes first"},
    {6, 50, 44, 9, "clay 6 leaves box 7 for box 9"},
    {26, 51, 23, 9, "silt 51 leaves box 7 for box 9"},
    {10, 38, 52, 7, "sand 52 is inside"},
    {10, 37, 53, 0, "sand 53 leaves box 7: sandy loam"},
    {20, 40, 23, 7, "sand 23 is inside"},
    {20, 40, 22, 0, "sand 22 leaves box 7"},
    // Box 8, silt loam with 80 % silt or more.
    {15, 82, 3, 8, "inside"},
    {20, 80, 0, 8, "clay 20 is inside"},
    {13, 87, 0, 8, "clay 13 is too much for box 3"},
    {13, 79, 8, 9, "silt 79 leaves box 8 for box 9"},
    {13, 78, 9, 9, "sand 9 leaves box 8 for box 9"},
    {21, 79, 0, 9, "clay 21 leaves box 8 for box 9"},
    // Box 9, silt loam.
    {0, 50, 50, 9, "clay 0, silt 50 and sand 50 are inside"},
    {0, 49, 51, 0, "silt 49 and sand 51 leave box 9: sandy loam"},
    {10, 30, 60, 0, "sandy loam"},
};

TEST(CajaTextura, EdgesAndOverlaps) {
    for (const auto& punto : kPuntos) {
        EXPECT_EQ(CajaTextura(punto.arcilla, punto.limo, punto.arena), punto.caja)
            << punto.arcilla << " / " << punto.limo << " / " << punto.arena << ": " << punto.porque;
    }
}

TEST(GrupoPorTextura, LetterOfTheFirstBoxAndBOutsideThemAll) {
    constexpr const char* kLetras = "BADDCCCCCC";  // outside, then boxes 1-9
    for (const auto& punto : kPuntos) {
        EXPECT_EQ(GrupoPorTextura(punto.arcilla, punto.limo, punto.arena), std::string(1, kLetras[punto.caja]))
            << punto.arcilla << " / " << punto.limo << " / " << punto.arena;
    }
}

TEST(ComprobarTextura, FirstMissingBoxThenTheSumThenTheGroup) {
    using R = ComprobacionTextura::Resultado;
    auto falta = ComprobarTextura({20, 0, 0}, {true, false, false});
    EXPECT_EQ(falta.resultado, R::FaltaPorcentaje);
    EXPECT_EQ(falta.caja, kLimo);
    falta = ComprobarTextura({0, 40, 40}, {false, true, false});
    EXPECT_EQ(falta.caja, kArcilla);
    falta = ComprobarTextura({20, 40, 0}, {true, true, false});
    EXPECT_EQ(falta.caja, kArena);

    EXPECT_EQ(ComprobarTextura({33.33f, 33.33f, 33.33f}, {true, true, true}).resultado, R::SumaIncorrecta);

    const auto grupo = ComprobarTextura({33.3f, 33.3f, 33.4f}, {true, true, true});
    EXPECT_EQ(grupo.resultado, R::Grupo);
    EXPECT_EQ(grupo.letra, "C");
    EXPECT_EQ(ComprobarTextura({20, 40, 40}, {true, true, true}).letra, "C");
    EXPECT_EQ(ComprobarTextura({5, 10, 85}, {true, true, true}).letra, "A");
}

double Compacidad(char codigo) {
    for (const auto& grado : kGradosCompacidad) {
        if (grado.codigo == codigo) return grado.valor;
    }
    ADD_FAILURE() << codigo;
    return 0;
}

TEST(ClaseCondicionBosque, WorkedExamples) {
    struct Caso {
        double arrope, humus, factor;
        char compacidad;
        double R;
        const char* clase;
    };
    const Caso casos[] = {
        {0, 0, kFactorArropeAntes, 'F', -0.42, "I"},
        {0, 0, kFactorArropeAntes, '3', 2.7, "III"},
        {0, 0, kFactorArropeAntes, '1', 0.9, "II"},
        {5, 5, kFactorArropeAntes, '2', 3.565, "IV"},   // A = 7.35, H = 1.475
        {5, 5, kFactorArropeDespues, '2', 5.045, "V"},  // A = 14.75
    };
    for (const auto& caso : casos) {
        const auto condicion = ClaseCondicionBosque(caso.arrope, caso.humus, caso.factor, Compacidad(caso.compacidad));
        EXPECT_NEAR(condicion.R, caso.R, 1e-12) << caso.arrope << ' ' << caso.humus << ' ' << caso.compacidad;
        EXPECT_EQ(condicion.clase, caso.clase) << caso.arrope << ' ' << caso.humus << ' ' << caso.compacidad;
    }
}

TEST(ClasePorIndice, EachLimitBelongsToTheLowerClass) {
    struct Limite {
        double R;
        const char* debajo;
        const char* encima;
    };
    const Limite limites[] = {{0.75, "I", "II"}, {1.825, "II", "III"}, {2.925, "III", "IV"}, {4.2, "IV", "V"}};
    for (const auto& limite : limites) {
        EXPECT_EQ(ClasePorIndice(limite.R), limite.debajo) << limite.R;
        EXPECT_EQ(ClasePorIndice(std::nextafter(limite.R, 0.0)), limite.debajo) << limite.R;
        EXPECT_EQ(ClasePorIndice(std::nextafter(limite.R, 10.0)), limite.encima) << limite.R;
    }
    EXPECT_EQ(ClasePorIndice(-100), "I");
    EXPECT_EQ(ClasePorIndice(100), "V");
}

// Depths whose exact reading falls on a limit: the steps in their order decide
// the last bit of R, and so the class.
TEST(ClaseCondicionBosque, ReadingsOnALimitFollowTheStepsInTheirOrder) {
    struct Caso {
        double arrope, humus;
        char compacidad;
        const char* clase;
    };
    const Caso casos[] = {
        {4.5, 3.0, '3', "IV"},   // R comes out as 4.2 exactly
        {1.9, 9.6, '2', "III"},  // R comes out as 2.925 exactly
        {1.3, 9.2, '1', "III"},  // 1.825 exactly on paper; the steps give a hair more
        {4.6, 11.4, '1', "IV"},  // 2.925 on paper; the steps give a hair more
        {7.2, 4.8, '2', "IV"},   // 4.2 on paper; the steps give a hair less
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(ClaseCondicionBosque(caso.arrope, caso.humus, kFactorArropeAntes, Compacidad(caso.compacidad)).clase,
                  caso.clase)
            << caso.arrope << ' ' << caso.humus << ' ' << caso.compacidad;
    }
    EXPECT_EQ(IndiceCondicionBosque(4.5, 3.0, kFactorArropeAntes, 4.5), 4.2);
    EXPECT_EQ(IndiceCondicionBosque(1.9, 9.6, kFactorArropeAntes, 3.0), 2.925);
}

using ComprobarNomogramaTest = Formato;

TEST_F(ComprobarNomogramaTest, ChecksInOrderNameTheFirstFaultyControl) {
    struct Caso {
        const char* arrope;
        const char* humus;
        bool compacidad;
        std::optional<CampoNomograma> fallo;
    };
    const Caso casos[] = {
        {"", "5", true, CampoNomograma::Arrope},
        {"abc", "abc", false, CampoNomograma::Arrope},
        {"-1", "5", true, CampoNomograma::Arrope},
        {"1e3", "5", true, CampoNomograma::Arrope},    // not a plain decimal
        {"1,000", "5", true, CampoNomograma::Arrope},  // nor with thousands
        {"5", "", true, CampoNomograma::Humus},
        {"5", "-0.5", false, CampoNomograma::Humus},
        {"5", "5", false, CampoNomograma::Compacidad},
        {"0", "0", true, std::nullopt},
        {" 2.5 ", "10", true, std::nullopt},
    };
    for (const auto& caso : casos) {
        const auto espesores = ComprobarNomograma(caso.arrope, caso.humus, caso.compacidad);
        if (caso.fallo) {
            ASSERT_FALSE(espesores.has_value()) << caso.arrope << " / " << caso.humus;
            EXPECT_EQ(espesores.error(), *caso.fallo) << caso.arrope << " / " << caso.humus;
        } else {
            EXPECT_TRUE(espesores.has_value()) << caso.arrope << " / " << caso.humus;
        }
    }
    EXPECT_EQ(ComprobarNomograma(" 2.5 ", "10", true)->arrope, 2.5);

    // Depths so large that the reading line would overflow are no depths at all.
    const std::string enorme = "5" + std::string(307, '0');
    EXPECT_EQ(ComprobarNomograma("1", enorme, true).error(), CampoNomograma::Humus);
    const std::string grande = "1" + std::string(307, '0');
    const auto admitido = ComprobarNomograma(grande, grande, true);
    ASSERT_TRUE(admitido.has_value());
    const auto condicion = ClaseCondicionBosque(admitido->arrope, admitido->humus, kFactorArropeDespues, 4.5);
    EXPECT_TRUE(std::isfinite(condicion.R));
    EXPECT_EQ(condicion.clase, "V");
}

TEST_F(ComprobarNomogramaTest, DepthsUseTheDecimalMarkInForce) {
    EstablecerFormato(kComa);
    EXPECT_EQ(ComprobarNomograma("2,5", "1,25", true)->humus, 1.25);
    EXPECT_FALSE(ComprobarNomograma("2.5", "1", true).has_value());
}

}  // namespace
}  // namespace tarvel
