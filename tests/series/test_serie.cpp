#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "app/FormatoNumerico.h"
#include "app/Idioma.h"
#include "hydrology/Conversion.h"
#include "series/Serie.h"
#include "series/ValidacionSerie.h"
#include "tests/Esperado.h"

namespace tarvel {
namespace {

using prueba::ErrorDe;

TEST(Conversion, PublishedValuesToSixDecimals) {
    const std::array<double, 4> casos[] = {
        {1, 0.422450, 2.270484, 5029.200000},  {50, 29.577465, 69.696970, 50.800000},
        {70, 49.494949, 84.293194, 21.771429}, {85, 70.414201, 92.874109, 8.964706},
        {95, 88.864143, 97.762864, 2.673684},  {100, 100.000000, 100.000000, 0.000000},
    };
    for (const auto& [n, seco, humedo, umbral] : casos) {
        EXPECT_NEAR(Ncondicion1(n).value(), seco, 5e-7) << n;
        EXPECT_NEAR(Ncondicion3(n).value(), humedo, 5e-7) << n;
        EXPECT_NEAR(UmbralEscorrentia(n).value(), umbral, 5e-7) << n;
    }
    // The top of the range exactly; in between, dry below and wet above.
    EXPECT_EQ(Ncondicion1(100), 100.0);
    EXPECT_EQ(Ncondicion3(100), 100.0);
    EXPECT_EQ(UmbralEscorrentia(100), 0.0);
    for (double n = 0.5; n < 100; n += 0.5) {
        const double seco = Ncondicion1(n).value(), humedo = Ncondicion3(n).value();
        EXPECT_TRUE(0 < seco && seco < n && n < humedo && humedo <= 100 && UmbralEscorrentia(n).value() > 0) << n;
    }
}

TEST(Conversion, FaultsAreErrorsNeverInfiniteValues) {
    EXPECT_EQ(ErrorDe(UmbralEscorrentia(-0.0)), ErrorAritmetico::DivisionPorCero);
    EXPECT_EQ(ErrorDe(Ncondicion1(10 / 0.058)), ErrorAritmetico::DivisionPorCero);
    EXPECT_EQ(ErrorDe(UmbralEscorrentia(1e-310)), ErrorAritmetico::Desbordamiento);
    EXPECT_EQ(ErrorDe(Ncondicion3(1e308)), ErrorAritmetico::Desbordamiento);
    EXPECT_EQ(ErrorDe(Ncondicion1(std::numeric_limits<double>::quiet_NaN())), ErrorAritmetico::ResultadoInvalido);
    EXPECT_TRUE(std::isfinite(Ncondicion1(std::nextafter(10 / 0.058, 0.0)).value()));
}

// The worked example, cell by cell, with its tooltips and its copy.
TEST(TablaSerie, WorkedExample) {
    AplicarIdioma("");
    const auto serie = CalcularSerie(85, 70).value();
    const TablaSerie esperada{{
        {"Condición(J)", "NAC(J)", "PAC(J)", "", "NOB(J)", "POB(J)"},
        {"1", "70.4", "21.3", "", "49.5", "51.8"},
        {"2", "85.0", "9.0", "", "70.0", "21.8"},
        {"3", "92.9", "3.9", "", "84.3", "9.5"},
    }};
    EXPECT_EQ(TablaDeSerie(serie), esperada);
    EXPECT_EQ(TablaSerieTsv({{{"a", "", "c", "", "e", "f"}}}), "a\t\tc\t\te\tf\n\t\t\t\t\t\n\t\t\t\t\t\n\t\t\t\t\t\n");
    EXPECT_EQ(VariacionAnual(85, 70, 10), 1.5);
    using Accion = TooltipSerie::Accion;
    const std::tuple<int, int, Accion, const char*> casos[] = {
        {1, 1, Accion::Mostrar, "70.41"}, {3, 5, Accion::Mostrar, "9.47"}, {2, 4, Accion::Mostrar, "70.00"},
        {3, 2, Accion::Mostrar, "3.90"},  {0, 1, Accion::Vaciar, ""},      {0, -1, Accion::Vaciar, ""},
        {2, 0, Accion::Vaciar, ""},       {1, 3, Accion::Mantener, ""},    {-1, 2, Accion::Mantener, ""},
        {4, 1, Accion::Mantener, ""},     {2, 6, Accion::Mantener, ""},
    };
    for (const auto& [fila, columna, accion, texto] : casos) {
        const auto tooltip = TooltipDeCelda(serie, fila, columna);
        EXPECT_EQ(tooltip.accion, accion) << fila << ',' << columna;
        EXPECT_EQ(tooltip.texto, texto) << fila << ',' << columna;
    }
}

TEST(TablaSerie, EdgesOfTheTable) {
    // A present value of 100: 100.0 and .0 in every row, 0.00 as tooltip.
    const auto completa = CalcularSerie(100, 90.0).value();
    for (int fila = 1; fila <= 3; ++fila) {
        EXPECT_EQ(TablaDeSerie(completa)[fila][1] + TablaDeSerie(completa)[fila][2], "100.0.0");
        EXPECT_EQ(TooltipDeCelda(completa, fila, 2).texto, "0.00");
    }
    EXPECT_EQ(VariacionAnual(90, 88.5, 2), 0.75);
    EXPECT_EQ(ErrorDe(VariacionAnual(90, 88.5, 0)), ErrorAritmetico::DivisionPorCero);
    EXPECT_FALSE(CalcularSerie(85, 0));
    AplicarIdioma(kNombreIngles);
    EXPECT_EQ(TablaDeSerie(completa)[0][2] + TablaDeSerie(completa)[0][5], "PCS(J)POS(J)");
    AplicarIdioma("");
}

TEST(ValidarLapso, WholeYearsFromTwo) {
    const std::pair<const char*, bool> casos[] = {
        {"10", true},   {"3.0", true},    {"2", true},      {"32767", true}, {"12abc", true},
        {"", false},    {"0", false},     {"1", false},     {"2.5", false},  {"-4", false},
        {"abc", false}, {"32768", false}, {"1e10", false},  {"1e400", false},
    };
    for (const auto& [texto, valido] : casos) EXPECT_EQ(ValidarLapso(texto), valido) << '"' << texto << '"';
}

TEST(ValidarSerie, OutcomesInTheirOrder) {
    EstablecerFormato({'.', ','});
    using R = RechazoSerie;
    const std::tuple<const char*, const char*, bool, const char*, std::optional<R>> casos[] = {
        // Each step is checked before the next: NOB is not looked at while NAC is no number.
        {"abc", "50", false, "", R::NACNoNumerico},      {"", "abc", true, "", R::NACNoNumerico},
        {"85", "", false, "", R::NOBNoNumerico},         {"0", "abc", false, "", R::NOBNoNumerico},
        {"0", "50", false, "", R::NACFueraDeRango},      {"100.5", "-5", false, "", R::NACFueraDeRango},
        {"85", "-5", false, "", R::NOBFueraDeRango},     {"85", "100.5", true, "", R::NOBFueraDeRango},
        {"70", "85", true, "", R::LapsoVacio},           {"100", "100", false, "", R::NOBNoMenor},
        {"70", "85", true, "2.5", R::NOBNoMenor},        {"85", "70", true, " ", R::LapsoIncorrecto},
        // A span that reads as a whole number but is not one as a whole text.
        {"85", "70", true, "12abc", R::LapsoIncorrecto}, {"85", "70", true, "10,0", R::LapsoIncorrecto},
        // The value checked is the value kept: "1,000" reads 1 but converts to 1000;
        // so close to 0 that the threshold overflows.
        {"1,000", "50", false, "", R::NACFueraDeRango},  {"85", "50,5", false, "", R::NOBFueraDeRango},
        {"1e-310", "50", false, "", R::NACFueraDeRango}, {"85", "1e-320", false, "", R::NOBFueraDeRango},
        {"100", "99.9", false, "abc", std::nullopt},     {" 85 ", "7e1", true, "10", std::nullopt},
    };
    for (const auto& [nac, nob, activo, lapso, rechazo] : casos) {
        const auto resultado = ValidarSerie(nac, nob, activo, lapso);
        EXPECT_EQ(resultado ? std::nullopt : std::optional(resultado.error()), rechazo) << nac << " / " << nob << " / " << lapso;
    }
    const auto aceptada = ValidarSerie(" 85 ", "7e1", true, "10").value();
    EXPECT_EQ(std::tuple(aceptada.nac, aceptada.nob, aceptada.lapso), std::tuple(85.0, 70.0, 10.0));
    EXPECT_EQ(ValidarSerie("100", "99.9", false, "abc").value().lapso, 0);  // the span is not looked at
}

}  // namespace
}  // namespace tarvel
