#include <gtest/gtest.h>

#include "determination/SeleccionTabla.h"

namespace tarvel {
namespace {

TEST(SeleccionTabla, OnlyCurveNumbersOfTheBodyCanBePicked) {
    constexpr auto G = TablaReferencia::General;
    constexpr auto A = TablaReferencia::Arida;
    const std::tuple<TablaReferencia, int, int, std::string_view, bool> casos[] = {
        {G, 5, 4, "78", true},   {G, 2, 3, "77", true},  {G, 58, 6, "93", true},  // first and last body rows
        {G, 39, 3, "06", true},  // kept as written, leading zero too
        {G, 1, 4, "B", false},   {G, 9, 2, "77", false},  // a heading; a number in a descriptive column
        {G, 5, 7, "78", false},  {G, 59, 3, "78", false}, {G, -1, 3, "", false}, {G, 5, -1, "", false},
        {A, 3, 2, "71", true},   {A, 16, 5, "84", true},  {A, 3, 1, "71", false}, {A, 3, 6, "71", false},
        {A, 2, 2, "-1", false},  {G, 20, 5, "", false},   // no value, a value cell left blank
    };
    for (const auto& [tabla, fila, columna, texto, tomado] : casos) {
        const auto valor = ValorDeCelda(tabla, fila, columna, texto);
        EXPECT_EQ(valor, tomado ? std::optional<std::string>(texto) : std::nullopt) << fila << "," << columna;
    }
}

TEST(SeleccionTabla, NumberHandedBackOnOk) {
    const std::pair<std::string_view, int> casos[] = {{"78", 78}, {"06", 6},  {"100", 100}, {"", 0},   {"-1", 0},
                                                      {"0", 0},   {"101", 0}, {" 7", 0},    {"7a", 0}, {"1e2", 0},
                                                      {"+7", 0},  {"30≤", 0}};
    for (const auto& [texto, numero] : casos) EXPECT_EQ(NumeroCurva(texto).value_or(0), numero) << texto;
}

}  // namespace
}  // namespace tarvel
