#include <gtest/gtest.h>


#include "data/Datos.h"
#include "data/TablasReferencia.h"

namespace tarvel {
namespace {

constexpr auto kGeneral = TablaReferencia::General;
constexpr auto kArida = TablaReferencia::Arida;

std::string Marca(int fila, int g) { return "#" + std::to_string(fila) + "." + std::to_string(g); }

// Row r, field g of these rows reads "#r.g", so every value cell tells where it came from.
std::vector<FilaDatos> DatosMarcados(int filas = kFilasDatos) {
    std::vector<FilaDatos> datos(static_cast<std::size_t>(filas));
    for (int fila = 1; fila <= filas; ++fila) {
        for (int g = 0; g < 4; ++g) datos[fila - 1][g] = Marca(fila, g);
    }
    return datos;
}

TEST(TablasReferencia, EveryDataRowFillsItsGridRowAndNothingElse) {
    struct Caso {
        TablaReferencia tabla;
        int filas, columnas, primeraColumna, desplazamiento;  // grid row = data row + desplazamiento
        int primeraFilaDatos, ultimaFilaDatos;
    };
    const Caso tablas[] = {{kGeneral, 59, 7, 3, 1, 1, 57}, {kArida, 17, 6, 2, -56, 58, 72}};
    for (int vuelta = 0; vuelta < 4; ++vuelta) {
        const Caso& caso = tablas[vuelta % 2];
        const auto celdas = CeldasDeTabla(caso.tabla, DatosMarcados(), 1 + vuelta / 2);
        ASSERT_EQ(celdas.size(), std::size_t(caso.filas));
        for (int r = caso.primeraFilaDatos; r <= caso.ultimaFilaDatos; ++r) {
            EXPECT_EQ(FilaRejilla(caso.tabla, r), r + caso.desplazamiento);
            for (int g = 0; g < 4; ++g) EXPECT_EQ(celdas[r + caso.desplazamiento][caso.primeraColumna + g], Marca(r, g));
        }
        for (std::size_t fila = 0; fila < celdas.size(); ++fila) {
            ASSERT_EQ(celdas[fila].size(), std::size_t(caso.columnas));
            for (int columna = 0; columna < caso.columnas; ++columna) {
                const bool esValor = fila >= 2 && columna >= caso.primeraColumna;
                EXPECT_EQ(celdas[fila][columna].starts_with('#'), esValor) << fila << "," << columna;
                // Descriptive cells are blank only where the general table has no label.
                const bool vacia = caso.tabla == kGeneral && columna < 3 &&
                                   ((columna == 2 && (fila == 2 || fila == 41 || fila >= 56)) || (columna == 1 && fila >= 35 &&
                                                                                     (fila <= 37 || fila >= 41)));
                EXPECT_TRUE(esValor || celdas[fila][columna].empty() == vacia) << fila << "," << columna;
            }
        }
    }
    // Data ending early leaves only the missing values blank.
    const auto corta = CeldasDeTabla(kArida, DatosMarcados(70), 1);
    EXPECT_EQ(corta[14][2], Marca(70, 0));
    EXPECT_EQ(corta[15][2] + corta[16][5], "");
    EXPECT_FALSE(corta[16][0].empty());
}

TEST(TablasReferencia, LabelsJoinedFromTheirPieces) {
    const std::tuple<TablaReferencia, int, int, std::string_view, std::string_view> casos[] = {
        {kGeneral, 0, 5, "Tipo de suelo", "Soil type"},
        {kGeneral, 17, 0, "Cultivos no alineados, o con surcos pequeños o mal definidos", "Small grain "},
        {kGeneral, 37, 0, "Pastizales o pastos naturales ", "Pasture, grassland, or range-continous forage for grazing"},
        {kGeneral, 53, 2, "III regular", "III fair"},
        {kArida, 3, 0, "Herbazal con algo de matorral ",
         "Herbaceous-mixture of grass, weeds and low-growing brush, with brush the minor element"},
        {kArida, 16, 0, "Matorral desértico: Palo verde, mesquite, cactus, bursage, saltbrush, etc.",
         "Desert shrub-major plants include saltbrush, bursage, cactus, mesquite, palo verde, etc."},
    };
    for (const auto& [tabla, fila, columna, es, en] : casos) {
        EXPECT_EQ(CeldasDeTabla(tabla, {}, 1)[fila][columna], es) << fila << "," << columna;
        EXPECT_EQ(CeldasDeTabla(tabla, {}, 2)[fila][columna], en) << fila << "," << columna;
    }
}

// Joins as "row,column rows x columns", column by column, then heading row 0.
std::string Uniones(TablaReferencia tabla, int idioma) {
    std::string texto;
    for (const auto& u : UnionesDeTabla(tabla, CeldasDeTabla(tabla, DatosMarcados(), idioma))) {
        texto += std::to_string(u.fila) + "," + std::to_string(u.columna) + " " + std::to_string(u.filas) + "x" +
                 std::to_string(u.columnas) + " ";
    }
    return texto;
}

// Headings over both heading rows, every vegetation type over its rows, a
// treatment shared by successive rows over them, blank treatments under one
// vegetation type only (farmsteads and roads keep their own), "soil type" over
// A to D; values and conditions never join.
TEST(TablasReferencia, HeadingsAndLabelsJoinWhereTheyRepeat) {
    const std::string general =
        "0,0 2x1 2,0 3x1 5,0 12x1 17,0 12x1 29,0 6x1 35,0 3x1 38,0 3x1 42,0 3x1 45,0 3x1 48,0 3x1 51,0 5x1 0,1 2x1 "
        "3,1 2x1 5,1 2x1 7,1 2x1 9,1 2x1 11,1 2x1 13,1 2x1 15,1 2x1 17,1 2x1 19,1 2x1 21,1 2x1 23,1 2x1 25,1 2x1 "
        "27,1 2x1 29,1 2x1 31,1 2x1 33,1 2x1 35,1 3x1 38,1 3x1 42,1 3x1 45,1 3x1 48,1 3x1 51,1 5x1 0,2 2x1 0,3 1x4 ";
    const std::string arida = "0,0 2x1 2,0 3x1 5,0 3x1 8,0 3x1 11,0 3x1 14,0 3x1 0,1 2x1 0,2 1x4 ";
    for (const int idioma : {1, 2}) {
        EXPECT_EQ(Uniones(kGeneral, idioma), general) << idioma;
        EXPECT_EQ(Uniones(kArida, idioma), arida) << idioma;
    }
}

TEST(TablasReferencia, ShadingOfEvenBodyRowsFromTheCondition) {
    const std::tuple<TablaReferencia, int, int, bool> casos[] = {
        {kGeneral, 2, 2, true},  {kGeneral, 2, 6, true},  {kGeneral, 3, 2, false}, {kGeneral, 2, 1, false},
        {kGeneral, 58, 4, true}, {kGeneral, 1, 3, false}, {kGeneral, 60, 3, false}, {kGeneral, 2, 7, false},
        {kArida, 2, 1, true},    {kArida, 2, 0, false},   {kArida, 16, 5, true},    {kArida, 2, 6, false},
    };
    for (const auto& [tabla, fila, columna, sombreada] : casos) {
        EXPECT_EQ(CeldaSombreada(tabla, fila, columna), sombreada) << fila << "," << columna;
    }
}

TEST(TablasReferencia, SelectionAsTabSeparatedText) {
    EXPECT_EQ(TextoTabulado(std::vector<CeldaCopiada>{}), "");
    // Out of order, with a gap: the missing cell is an empty field.
    const std::vector<CeldaCopiada> celdas{{6, 4, "85"}, {5, 3, "67"}, {5, 4, "78"}, {6, 3, "a\tb\nc"}, {5, 5, "85"}};
    EXPECT_EQ(TextoTabulado(celdas), "67\t78\t85\na b c\t85\t\n");
}

}  // namespace
}  // namespace tarvel
