#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "app/FormatoNumerico.h"
#include "app/Idioma.h"
#include "series/Conversion.h"
#include "series/Serie.h"
#include "series/ValidacionSerie.h"

namespace tarvel {
namespace {

constexpr double kSeisDecimales = 5e-7;

TEST(Conversion, PublishedValuesToSixDecimals) {
    struct Caso {
        double n, seco, humedo, umbral;
    };
    const Caso casos[] = {
        {1, 0.422450, 2.270484, 5029.200000},   {50, 29.577465, 69.696970, 50.800000},
        {60, 38.650307, 77.528090, 33.866667},  {70, 49.494949, 84.293194, 21.771429},
        {75, 55.752212, 87.341772, 16.933333},  {80, 62.686567, 90.196078, 12.700000},
        {85, 70.414201, 92.874109, 8.964706},   {90, 79.079498, 95.391705, 5.644444},
        {95, 88.864143, 97.762864, 2.673684},   {100, 100.000000, 100.000000, 0.000000},
    };
    for (const auto& caso : casos) {
        EXPECT_NEAR(*Ncondicion1(caso.n), caso.seco, kSeisDecimales) << caso.n;
        EXPECT_NEAR(*Ncondicion3(caso.n), caso.humedo, kSeisDecimales) << caso.n;
        EXPECT_NEAR(*UmbralEscorrentia(caso.n), caso.umbral, kSeisDecimales) << caso.n;
    }
    // The top of the range: the wet conversion gives exactly 100; the dry one,
    // in its fixed order of evaluation, the double just above it, which every
    // pattern shows as 100.
    EXPECT_DOUBLE_EQ(*Ncondicion1(100), 100.0);
    EXPECT_EQ(*Ncondicion3(100), 100.0);
    EXPECT_EQ(*UmbralEscorrentia(100), 0.0);
    EXPECT_EQ(*UmbralEscorrentia(50), 50.8);
    // Thresholds of the converted values, unrounded.
    EXPECT_NEAR(*UmbralEscorrentia(*Ncondicion1(85)), 21.344538, kSeisDecimales);
    EXPECT_NEAR(*UmbralEscorrentia(*Ncondicion3(85)), 3.897698, kSeisDecimales);
    EXPECT_NEAR(*UmbralEscorrentia(*Ncondicion1(70)), 51.836735, kSeisDecimales);
    EXPECT_NEAR(*UmbralEscorrentia(*Ncondicion3(70)), 9.465839, kSeisDecimales);
}

TEST(Conversion, OrderOfTheDryAndWetValuesInsideTheRange) {
    for (double n = 0.5; n < 100; n += 0.5) {
        const double seco = *Ncondicion1(n);
        const double humedo = *Ncondicion3(n);
        EXPECT_TRUE(0 < seco && seco < n && n < humedo && humedo <= 100) << n;
        EXPECT_GT(*UmbralEscorrentia(n), 0) << n;
    }
}

TEST(Conversion, FaultsAreErrorsNeverInfiniteValues) {
    EXPECT_EQ(UmbralEscorrentia(0).error(), ErrorAritmetico::DivisionPorCero);
    EXPECT_EQ(UmbralEscorrentia(-0.0).error(), ErrorAritmetico::DivisionPorCero);
    EXPECT_EQ(Ncondicion1(10 / 0.058).error(), ErrorAritmetico::DivisionPorCero);
    EXPECT_EQ(UmbralEscorrentia(1e-310).error(), ErrorAritmetico::Desbordamiento);
    EXPECT_EQ(Ncondicion3(1e308).error(), ErrorAritmetico::Desbordamiento);
    EXPECT_EQ(Ncondicion1(std::numeric_limits<double>::quiet_NaN()).error(), ErrorAritmetico::ResultadoInvalido);
    // Beside the pole of the dry conversion the value is large but finite.
    EXPECT_TRUE(std::isfinite(*Ncondicion1(std::nextafter(10 / 0.058, 0.0))));
}

class TablaSerieTest : public ::testing::Test {
protected:
    void SetUp() override { AplicarIdioma(""); }
    void TearDown() override { AplicarIdioma(""); }
};

TEST_F(TablaSerieTest, WorkedExampleCellByCellWithItsTooltips) {
    const auto serie = CalcularSerie(85, 70);
    ASSERT_TRUE(serie);
    const TablaSerie esperada{{
        {"Condición(J)", "NAC(J)", "PAC(J)", "", "NOB(J)", "POB(J)"},
        {"1", "70.4", "21.3", "", "49.5", "51.8"},
        {"2", "85.0", "9.0", "", "70.0", "21.8"},
        {"3", "92.9", "3.9", "", "84.3", "9.5"},
    }};
    EXPECT_EQ(TablaDeSerie(*serie), esperada);
    const std::string tsv = TablaSerieTsv(esperada);
    EXPECT_EQ(tsv.substr(0, tsv.find('\n') + 1), "Condición(J)\tNAC(J)\tPAC(J)\t\tNOB(J)\tPOB(J)\n");
    EXPECT_EQ(tsv.substr(tsv.rfind('\n', tsv.size() - 2) + 1), "3\t92.9\t3.9\t\t84.3\t9.5\n");
    EXPECT_EQ(*VariacionAnual(85, 70, 10), 1.5);

    using Accion = TooltipSerie::Accion;
    struct Caso {
        int fila, columna;
        Accion accion;
        const char* texto;
    };
    const Caso casos[] = {
        {1, 1, Accion::Mostrar, "70.41"}, {1, 2, Accion::Mostrar, "21.34"}, {3, 5, Accion::Mostrar, "9.47"},
        {2, 4, Accion::Mostrar, "70.00"}, {3, 2, Accion::Mostrar, "3.90"},  {2, 5, Accion::Mostrar, "21.77"},
        {0, 1, Accion::Vaciar, ""},       {0, 3, Accion::Vaciar, ""},       {0, -1, Accion::Vaciar, ""},
        {2, 0, Accion::Vaciar, ""},       {1, 3, Accion::Mantener, ""},     {-1, 2, Accion::Mantener, ""},
        {4, 1, Accion::Mantener, ""},     {2, 6, Accion::Mantener, ""},     {2, -1, Accion::Mantener, ""},
    };
    for (const auto& caso : casos) {
        const auto tooltip = TooltipDeCelda(*serie, caso.fila, caso.columna);
        EXPECT_EQ(tooltip.accion, caso.accion) << caso.fila << ',' << caso.columna;
        EXPECT_EQ(tooltip.texto, caso.texto) << caso.fila << ',' << caso.columna;
    }
}

TEST_F(TablaSerieTest, EdgesOfTheTable) {
    // A present value of 100: 100.0 and .0 in every row, 100.00 and 0.00 as tooltips.
    const auto completa = CalcularSerie(100, 90.0);
    ASSERT_TRUE(completa);
    const auto tabla = TablaDeSerie(*completa);
    for (int fila = 1; fila <= 3; ++fila) {
        EXPECT_EQ(tabla[fila][1], "100.0");
        EXPECT_EQ(tabla[fila][2], ".0");
        EXPECT_EQ(TooltipDeCelda(*completa, fila, 1).texto, "100.00");
        EXPECT_EQ(TooltipDeCelda(*completa, fila, 2).texto, "0.00");
    }
    const auto lenta = CalcularSerie(90, 88.5);
    ASSERT_TRUE(lenta);
    const auto fila2 = TablaDeSerie(*lenta)[2];
    EXPECT_EQ(fila2[1] + " " + fila2[2] + " " + fila2[4] + " " + fila2[5], "90.0 5.6 88.5 6.6");
    EXPECT_EQ(*VariacionAnual(90, 88.5, 2), 0.75);
    EXPECT_EQ(VariacionAnual(90, 88.5, 0).error(), ErrorAritmetico::DivisionPorCero);
    EXPECT_FALSE(CalcularSerie(85, 0));

    AplicarIdioma(kNombreIngles);
    EXPECT_EQ(TablaDeSerie(*lenta)[0],
              (std::array<std::string, 6>{"Condition(J)", "NCS(J)", "PCS(J)", "", "NOS(J)", "POS(J)"}));
}

TEST(ValidarLapso, WholeYearsFromTwo) {
    const std::pair<const char*, bool> casos[] = {
        {"10", true},   {"3.0", true},   {"2", true},      {"32767", true}, {"12abc", true},
        {"", false},    {"0", false},    {"1", false},     {"2.5", false},  {"-4", false},
        {"abc", false}, {"32768", false}, {"1e10", false}, {"1.5", false},  {"1e400", false},
    };
    for (const auto& [texto, valido] : casos) EXPECT_EQ(ValidarLapso(texto), valido) << '"' << texto << '"';
}

TEST(ValidarSerie, OutcomesInTheirOrder) {
    EstablecerFormato({'.', ','});
    struct Caso {
        const char* nac;
        const char* nob;
        bool activo;
        const char* lapso;
        std::optional<RechazoSerie> rechazo;
    };
    using R = RechazoSerie;
    const Caso casos[] = {
        // Each step is checked before the next: NOB is not looked at while NAC is no number.
        {"abc", "50", false, "", R::NACNoNumerico},
        {"", "abc", true, "", R::NACNoNumerico},
        {"85", "", false, "", R::NOBNoNumerico},
        {"0", "abc", false, "", R::NOBNoNumerico},
        {"0", "50", false, "", R::NACFueraDeRango},
        {"100.5", "-5", false, "", R::NACFueraDeRango},
        {"85", "-5", false, "", R::NOBFueraDeRango},
        {"85", "100.5", true, "", R::NOBFueraDeRango},
        {"85", "70", true, "", R::LapsoVacio},
        {"70", "85", true, "", R::LapsoVacio},
        {"100", "100", false, "", R::NOBNoMenor},
        {"70", "85", true, "2.5", R::NOBNoMenor},
        {"85", "70", true, "2.5", R::LapsoIncorrecto},
        {"85", "70", true, " ", R::LapsoIncorrecto},
        // A span that reads as a whole number but is not one as a whole text.
        {"85", "70", true, "12abc", R::LapsoIncorrecto},
        {"85", "70", true, "10,0", R::LapsoIncorrecto},
        // The value checked is the value kept: "1,000" reads 1 but converts to 1000.
        {"1,000", "50", false, "", R::NACFueraDeRango},
        {"85", "50,5", false, "", R::NOBFueraDeRango},
        // So close to 0 that the threshold overflows.
        {"1e-310", "50", false, "", R::NACFueraDeRango},
        {"85", "1e-320", false, "", R::NOBFueraDeRango},
        {"100", "99.9", false, "", std::nullopt},
        {"85", "70", true, "10", std::nullopt},
    };
    for (const auto& caso : casos) {
        const auto resultado = ValidarSerie(caso.nac, caso.nob, caso.activo, caso.lapso);
        const std::string nombre = std::string(caso.nac) + " / " + caso.nob + " / " + caso.lapso;
        ASSERT_EQ(resultado.has_value(), !caso.rechazo.has_value()) << nombre;
        if (caso.rechazo) {
            EXPECT_EQ(resultado.error(), *caso.rechazo) << nombre;
        }
    }
}

TEST(ValidarSerie, AcceptedValuesAreTheFullConversions) {
    const auto conLapso = ValidarSerie(" 85 ", "7e1", true, "10");
    ASSERT_TRUE(conLapso);
    EXPECT_EQ(conLapso->nac, 85);
    EXPECT_EQ(conLapso->nob, 70);
    EXPECT_EQ(conLapso->lapso, 10);
    // With the switch off, whatever the span field holds is not looked at.
    const auto sinLapso = ValidarSerie("100", "99.9", false, "abc");
    ASSERT_TRUE(sinLapso);
    EXPECT_EQ(sinLapso->nob, 99.9);
    EXPECT_EQ(sinLapso->lapso, 0);
}

}  // namespace
}  // namespace tarvel
