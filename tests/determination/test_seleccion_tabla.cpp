#include <gtest/gtest.h>

#include "determination/SeleccionTabla.h"

namespace tarvel {
namespace {

TEST(SeleccionTabla, OnlyCurveNumbersOfTheBodyCanBePicked) {
    struct Caso {
        TablaReferencia tabla;
        int fila, columna;
        std::string_view texto;
        bool tomado;
    };
    const Caso casos[] = {
        {TablaReferencia::General, 5, 4, "78", true},   // group B of file row 4
        {TablaReferencia::General, 2, 3, "77", true},   // first body row, group A
        {TablaReferencia::General, 58, 6, "93", true},  // last body row, group D
        {TablaReferencia::General, 39, 3, "06", true},  // kept as written, leading zero too
        {TablaReferencia::General, 1, 4, "B", false},   // heading rows
        {TablaReferencia::General, 0, 3, "Tipo de suelo", false},
        {TablaReferencia::General, 5, 2, "Pobre", false},  // condition, treatment and vegetation columns
        {TablaReferencia::General, 5, 1, "R", false},
        {TablaReferencia::General, 5, 0, "Cultivos alineados", false},
        {TablaReferencia::General, 9, 2, "77", false},  // a number in a descriptive column is still no pick
        {TablaReferencia::General, 5, 7, "78", false},  // outside the grid
        {TablaReferencia::General, 59, 3, "78", false},
        {TablaReferencia::General, -1, 3, "", false},   // below the last row
        {TablaReferencia::General, 5, -1, "", false},
        {TablaReferencia::Arida, 3, 2, "71", true},     // arid group A is column 2
        {TablaReferencia::Arida, 16, 5, "84", true},
        {TablaReferencia::Arida, 3, 1, "Medio", false}, // its condition column
        {TablaReferencia::Arida, 3, 6, "71", false},
        {TablaReferencia::Arida, 1, 2, "A", false},
        {TablaReferencia::Arida, 2, 2, "-1", false},    // no value for this soil group
        {TablaReferencia::General, 20, 5, "", false},   // a value cell left blank
    };
    for (const auto& caso : casos) {
        const auto valor = ValorDeCelda(caso.tabla, caso.fila, caso.columna, caso.texto);
        EXPECT_EQ(valor.has_value(), caso.tomado) << caso.fila << "," << caso.columna;
        if (valor) {
            EXPECT_EQ(*valor, caso.texto);
        }
    }
}

TEST(SeleccionTabla, NumberHandedBackOnOk) {
    struct Caso {
        std::string_view texto;
        int numero;  // 0: nothing picked
    };
    const Caso casos[] = {{"78", 78}, {"06", 6}, {"99", 99}, {"100", 100}, {"", 0},  {"-1", 0},
                          {"0", 0},   {"101", 0}, {" 7", 0},  {"7a", 0},     {"1e2", 0}, {"+7", 0}};
    for (const auto& caso : casos) {
        const auto numero = NumeroCurva(caso.texto);
        EXPECT_EQ(numero.value_or(0), caso.numero) << caso.texto;
    }
}

}  // namespace
}  // namespace tarvel
