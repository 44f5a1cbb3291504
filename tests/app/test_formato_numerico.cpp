#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "app/FormatoNumerico.h"
#include "app/ReglaEntrada.h"
#include "app/SessionState.h"

namespace tarvel {
namespace {

constexpr FormatoNumerico kPunto{'.', ','};
constexpr FormatoNumerico kComa{',', '.'};

struct Conversion {
    const char* texto;
    std::optional<double> valor;
};

void Comprobar(FormatoNumerico formato, std::initializer_list<Conversion> casos) {
    for (const auto& caso : casos) {
        const auto valor = ConvertirNumero(caso.texto, formato);
        ASSERT_EQ(valor.has_value(), caso.valor.has_value()) << '"' << caso.texto << '"';
        if (valor) {
            EXPECT_DOUBLE_EQ(*valor, *caso.valor) << '"' << caso.texto << '"';
        }
    }
}

TEST(ConvertirNumero, PointDecimalCommaThousands) {
    Comprobar(kPunto, {
                          {"75", 75},          {"  3.5  ", 3.5},   {"1,234.5", 1234.5}, {"0,5342", 5342},
                          {"-2", -2},          {"+2", 2},          {".5", 0.5},         {"5.", 5},
                          {"1e3", 1000},       {"1.5E-2", 0.015},  {"33.3", 33.3},      {"\t7\t", 7},
                          {"", std::nullopt},  {"   ", std::nullopt}, {"abc", std::nullopt},
                          {"1.2.3", std::nullopt}, {"12abc", std::nullopt}, {",5", std::nullopt},
                          {".", std::nullopt}, {"-", std::nullopt}, {"1e", std::nullopt},
                          {"e5", std::nullopt}, {"1 2", std::nullopt}, {"--1", std::nullopt},
                          {"1e400", std::nullopt}, {"1e-400", 0}, {"0.000e999999999999999", 0},
                      });
}

TEST(ConvertirNumero, CommaDecimalPointThousands) {
    Comprobar(kComa, {
                         {"0,5342", 0.5342}, {"1.234,5", 1234.5}, {"3.5", 35}, {"33,3", 33.3},
                         {",5", 0.5},        {"1,2,3", std::nullopt},
                     });
}

TEST(ConvertirNumero, UsesTheFormatInForce) {
    EstablecerFormato(kComa);
    EXPECT_DOUBLE_EQ(*ConvertirNumero("2,5"), 2.5);
    EstablecerFormato(kPunto);
    EXPECT_DOUBLE_EQ(*ConvertirNumero("2,5"), 25);
}

TEST(ConvertirDecimalSimple, OnlyPlainDecimalsInTheFormatInForce) {
    EstablecerFormato(kPunto);
    EXPECT_DOUBLE_EQ(*ConvertirDecimalSimple(" 5.25 "), 5.25);
    EXPECT_DOUBLE_EQ(*ConvertirDecimalSimple("-5"), -5);
    EXPECT_DOUBLE_EQ(*ConvertirDecimalSimple("0"), 0);
    EXPECT_DOUBLE_EQ(*ConvertirDecimalSimple(".5"), 0.5);
    for (const char* texto : {"", " ", "1,000", "1e3", "5,25", "1.2.3", "-", ".", "5 cm", "+-1"}) {
        EXPECT_FALSE(ConvertirDecimalSimple(texto)) << texto;
    }
    EstablecerFormato(kComa);
    EXPECT_DOUBLE_EQ(*ConvertirDecimalSimple("5,25"), 5.25);
    EXPECT_FALSE(ConvertirDecimalSimple("5.25"));
    EstablecerFormato(kPunto);
}

TEST(DetectarSeparadorDecimal, FindsTheSeparatorInForce) {
    EstablecerFormato(kPunto);
    EXPECT_EQ(DetectarSeparadorDecimal(), '.');
    EXPECT_EQ(gSeparadorDecimal, ".");
    EstablecerFormato(kComa);
    EXPECT_EQ(DetectarSeparadorDecimal(), ',');
    EXPECT_EQ(gSeparadorDecimal, ",");
    EstablecerFormato(kPunto);
    DetectarSeparadorDecimal();
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
        {TeclaEntrada::Intro, '.', Tipo::Tabulador, 0},
        {TeclaEntrada::Intro, ',', Tipo::Tabulador, 0},
        {TeclaEntrada::Coma, '.', Tipo::Separador, '.'},
        {TeclaEntrada::Punto, '.', Tipo::Nada, 0},
        {TeclaEntrada::DecimalTeclado, '.', Tipo::Nada, 0},
        {TeclaEntrada::Coma, ',', Tipo::Nada, 0},
        {TeclaEntrada::Punto, ',', Tipo::Separador, ','},
        {TeclaEntrada::DecimalTeclado, ',', Tipo::Separador, ','},
        {TeclaEntrada::Otra, ',', Tipo::Nada, 0},
        {TeclaEntrada::Otra, '.', Tipo::Nada, 0},
    };
    for (const auto& caso : casos) {
        const auto accion = ReglaEntrada(caso.tecla, caso.separador);
        EXPECT_EQ(accion.tipo, caso.tipo) << static_cast<int>(caso.tecla) << caso.separador;
        if (caso.tipo == Tipo::Separador) {
            EXPECT_EQ(accion.separador, caso.entra);
        }
    }
}

}  // namespace
}  // namespace tarvel
