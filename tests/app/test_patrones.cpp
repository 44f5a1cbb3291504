#include <gtest/gtest.h>

#include <limits>

#include "app/FormatoNumerico.h"
#include "app/Patrones.h"

namespace tarvel {
namespace {

TEST(Formatear, BothPatterns) {
    struct Caso {
        double valor;
        const char* unDecimal;     // "##.0"
        const char* dosDecimales;  // "0.00"
    };
    const Caso casos[] = {
        {0.8, ".8", "0.80"},         {0, ".0", "0.00"},           {100, "100.0", "100.00"},
        {70.414201183431956, "70.4", "70.41"},                    {9.465839, "9.5", "9.47"},
        // Rounding up across a unit and a power of ten; halves away from zero,
        // as the number reads in decimal.
        {9.96, "10.0", "9.96"},      {99.999, "100.0", "100.00"}, {0.999, "1.0", "1.00"},
        {0.25, ".3", "0.25"},        {2.675, "2.7", "2.68"},      {0.005, ".0", "0.01"},
        {0.004999, ".0", "0.00"},    {-1.25, "-1.3", "-1.25"},    {-0.8, "-.8", "-0.80"},
        // No sign on a value that shows as zero; no grouping and no exponent.
        {-0.04, ".0", "-0.04"},      {-0.001, ".0", "0.00"},      {-0.0, ".0", "0.00"},
        {1e-300, ".0", "0.00"},      {1234567.25, "1234567.3", "1234567.25"},
        {1e20, "100000000000000000000.0", "100000000000000000000.00"},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(Formatear(caso.valor, Patron::UnDecimal), caso.unDecimal) << caso.valor;
        EXPECT_EQ(Formatear(caso.valor, Patron::DosDecimales), caso.dosDecimales) << caso.valor;
        // "0.0" is "##.0" with its leading zero.
        std::string conCero = caso.unDecimal;
        const std::size_t punto = conCero.find('.');
        if (punto == 0 || (punto == 1 && conCero[0] == '-')) conCero.insert(punto, "0");
        EXPECT_EQ(Formatear(caso.valor, Patron::UnDecimalConCero), conCero) << caso.valor;
    }
    EXPECT_EQ(Formatear(std::numeric_limits<double>::infinity(), Patron::UnDecimal), "");
    EXPECT_EQ(Formatear(std::numeric_limits<double>::quiet_NaN(), Patron::DosDecimales), "");
    EXPECT_EQ(TextoNumero(32767), "32767");
    EXPECT_EQ(TextoNumero(0.1 + 0.2), "0.3");
}

// The point is its only decimal mark, whatever the format in force.
TEST(LeerNumeroInicial, TheNumberATextStartsWith) {
    EstablecerFormato({',', '.'});
    const std::pair<const char*, double> casos[] = {
        {"  85  ", 85}, {"12abc", 12}, {"abc", 0},   {"", 0},        {"-4", -4},     {"+7", 7},
        {".5", 0.5},    {"5.", 5},     {"-.5", -0.5}, {".", 0},      {"-", 0},       {"1,000", 1},
        {"2,5", 2},     {"1.2.3", 1.2}, {"1 2", 12}, {"\t1\n0", 10}, {"1E+2x", 100}, {"2.5e-1", 0.25},
        {"12e", 12},    {"12e+", 12},  {"1 e 2", 100}, {"0x10", 0},  {"- 3", -3},    {"e5", 0},
        {"1e-400", 0},
    };
    for (const auto& [texto, valor] : casos) EXPECT_DOUBLE_EQ(LeerNumeroInicial(texto), valor) << '"' << texto << '"';
    EXPECT_EQ(LeerNumeroInicial("1e400"), std::numeric_limits<double>::max());
    EXPECT_EQ(LeerNumeroInicial("-1e400abc"), -std::numeric_limits<double>::max());
    EstablecerFormato({'.', ','});
}

}  // namespace
}  // namespace tarvel
