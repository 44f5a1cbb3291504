#include <gtest/gtest.h>

#include <optional>

#include "app/FormatoNumerico.h"
#include "app/ReglaEntrada.h"

namespace tarvel {
namespace {

constexpr FormatoNumerico kPunto{'.', ','};
constexpr FormatoNumerico kComa{',', '.'};

TEST(ConvertirNumero, UnderBothFormats) {
    struct Caso {
        FormatoNumerico formato;
        const char* texto;
        std::optional<double> valor;
    };
    const std::nullopt_t no = std::nullopt;
    const Caso casos[] = {
        {kPunto, "75", 75},     {kPunto, "  3.5  ", 3.5},  {kPunto, "1,234.5", 1234.5}, {kPunto, "0,5342", 5342},
        {kPunto, "-2", -2},     {kPunto, "+2", 2},         {kPunto, ".5", 0.5},         {kPunto, "5.", 5},
        {kPunto, "1e3", 1000},  {kPunto, "1.5E-2", 0.015}, {kPunto, "\t7\t", 7},        {kPunto, "", no},
        {kPunto, "   ", no},    {kPunto, "abc", no},       {kPunto, "1.2.3", no},       {kPunto, "12abc", no},
        {kPunto, ",5", no},     {kPunto, ".", no},         {kPunto, "-", no},           {kPunto, "1e", no},
        {kPunto, "e5", no},     {kPunto, "1 2", no},       {kPunto, "--1", no},         {kPunto, "1e400", no},
        {kPunto, "1e-400", 0},  {kPunto, "0.000e999999999999999", 0},
        {kComa, "0,5342", 0.5342}, {kComa, "1.234,5", 1234.5}, {kComa, "3.5", 35}, {kComa, ",5", 0.5},
        {kComa, "1,2,3", no},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(ConvertirNumero(caso.texto, caso.formato), caso.valor) << '"' << caso.texto << '"';
    }
}

TEST(ConvertirNumero, TheFormatInForceAndWhatDetectionFindsInIt) {
    for (const auto& [formato, separador, dosYMedio] : {std::tuple{kPunto, '.', 25.0}, std::tuple{kComa, ',', 2.5}}) {
        EstablecerFormato(formato);
        EXPECT_EQ(ConvertirNumero("2,5"), dosYMedio);
        EXPECT_EQ(DetectarSeparadorDecimal(), separador);
        EXPECT_EQ(SeparadorDecimalEnVigor(), separador);
        EXPECT_EQ(ConvertirDecimalSimple(std::string("5") + separador + "25"), 5.25);
    }
    EstablecerFormato(kPunto);
    DetectarSeparadorDecimal();
}

TEST(ConvertirDecimalSimple, OnlyPlainDecimals) {
    EstablecerFormato(kPunto);
    EXPECT_EQ(ConvertirDecimalSimple(" -5 "), -5);
    EXPECT_EQ(ConvertirDecimalSimple(".5"), 0.5);
    for (const char* texto : {"", " ", "1,000", "1e3", "5,25", "1.2.3", "-", ".", "5 cm", "+-1"}) {
        EXPECT_FALSE(ConvertirDecimalSimple(texto)) << texto;
    }
}

TEST(ReglaEntrada, EachKeyUnderBothSeparators) {
    using Tipo = AccionEntrada::Tipo;
    struct Caso {
        TeclaEntrada tecla;
        char separador;
        Tipo tipo;
        char entra;
    };
    const Caso casos[] = {
        {TeclaEntrada::Intro, '.', Tipo::Tabulador, 0},       {TeclaEntrada::Intro, ',', Tipo::Tabulador, 0},
        {TeclaEntrada::Coma, '.', Tipo::Separador, '.'},      {TeclaEntrada::Punto, '.', Tipo::Nada, 0},
        {TeclaEntrada::DecimalTeclado, '.', Tipo::Nada, 0},   {TeclaEntrada::Coma, ',', Tipo::Nada, 0},
        {TeclaEntrada::Punto, ',', Tipo::Separador, ','},     {TeclaEntrada::DecimalTeclado, ',', Tipo::Separador, ','},
        {TeclaEntrada::Otra, ',', Tipo::Nada, 0},
    };
    for (const auto& caso : casos) {
        const auto accion = ReglaEntrada(caso.tecla, caso.separador);
        EXPECT_EQ(accion.tipo, caso.tipo) << static_cast<int>(caso.tecla) << caso.separador;
        EXPECT_EQ(accion.separador, caso.tipo == Tipo::Separador ? caso.entra : accion.separador);
    }
}

}  // namespace
}  // namespace tarvel
