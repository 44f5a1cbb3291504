#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "data/Datos.h"
#include "data/TablasReferencia.h"

namespace tarvel {
namespace {

constexpr auto kGeneral = TablaReferencia::General;
constexpr auto kArida = TablaReferencia::Arida;

// Row r, field g of these rows reads "#r.g", so every value cell tells where it came from.
std::vector<FilaDatos> DatosMarcados() {
    std::vector<FilaDatos> datos;
    for (int fila = 1; fila <= kFilasDatos; ++fila) {
        FilaDatos campos;
        for (int g = 0; g < 4; ++g) campos[g] = "#" + std::to_string(fila) + "." + std::to_string(g);
        datos.push_back(campos);
    }
    return datos;
}

std::string Marca(int fila, int g) { return "#" + std::to_string(fila) + "." + std::to_string(g); }

TEST(TablasReferencia, EveryDataRowFillsItsGridRow) {
    const auto datos = DatosMarcados();
    struct Caso {
        TablaReferencia tabla;
        int filas, columnas, primeraColumna, desplazamiento;  // grid row = data row + desplazamiento
        int primeraFilaDatos, ultimaFilaDatos;
    };
    for (const Caso caso : {Caso{kGeneral, 59, 7, 3, 1, 1, 57}, Caso{kArida, 17, 6, 2, -56, 58, 72}}) {
        for (const int idioma : {1, 2}) {
            const auto celdas = CeldasDeTabla(caso.tabla, datos, idioma);
            ASSERT_EQ(celdas.size(), std::size_t(caso.filas));
            for (const auto& fila : celdas) ASSERT_EQ(fila.size(), std::size_t(caso.columnas));
            for (int r = caso.primeraFilaDatos; r <= caso.ultimaFilaDatos; ++r) {
                EXPECT_EQ(FilaRejilla(caso.tabla, r), r + caso.desplazamiento);
                for (int g = 0; g < 4; ++g) {
                    EXPECT_EQ(celdas[r + caso.desplazamiento][caso.primeraColumna + g], Marca(r, g)) << r << "/" << g;
                }
            }
            // No value lands in a heading row or a descriptive column.
            for (std::size_t fila = 0; fila < celdas.size(); ++fila) {
                for (int columna = 0; columna < caso.columnas; ++columna) {
                    const bool esValor = fila >= 2 && columna >= caso.primeraColumna;
                    EXPECT_EQ(celdas[fila][columna].starts_with('#'), esValor) << fila << "," << columna;
                }
            }
        }
    }
}

TEST(TablasReferencia, ShippedFileFillsTheEndRowsAndKeepsMinusOne) {
    const auto datos = LeerDatos(TARVEL_DATOS_DAT);
    ASSERT_TRUE(datos) << MensajeErrorDatos(datos.error(), 2);
    const auto general = CeldasDeTabla(kGeneral, *datos, 1);
    const auto arida = CeldasDeTabla(kArida, *datos, 1);
    EXPECT_EQ(general[2][3], (*datos)[0][0]);   // line 1: fallow, bare soil
    EXPECT_EQ(general[58][6], (*datos)[56][3]); // line 57: paved roads
    EXPECT_EQ(arida[2][3], (*datos)[57][1]);    // line 58
    EXPECT_EQ(arida[16][5], (*datos)[71][3]);   // line 72
    EXPECT_EQ(arida[2][2], "-1");               // no value for group A: shown as the file has it
}

TEST(TablasReferencia, ShortDataLeavesOnlyTheMissingValuesBlank) {
    auto datos = DatosMarcados();
    datos.resize(70);
    const auto arida = CeldasDeTabla(kArida, datos, 1);
    EXPECT_EQ(arida[14][2], Marca(70, 0));
    EXPECT_EQ(arida[15][2], "");
    EXPECT_EQ(arida[16][5], "");
    EXPECT_EQ(arida[16][0], "Matorral desértico: Palo verde, mesquite, cactus, bursage, saltbrush, etc.");
}

TEST(TablasReferencia, EmptyDescriptiveCellsInBothLanguages) {
    // General table: condition of fallow bare soil; treatment of rows 35-37 and
    // 41-58; both for permanent meadow, farmsteads and the two kinds of road.
    std::set<std::pair<int, int>> vacias{{2, 2}, {41, 2}, {56, 2}, {57, 2}, {58, 2}};
    for (int fila : {35, 36, 37}) vacias.insert({fila, 1});
    for (int fila = 41; fila <= 58; ++fila) vacias.insert({fila, 1});
    for (const int idioma : {1, 2}) {
        const auto general = CeldasDeTabla(kGeneral, DatosMarcados(), idioma);
        for (int fila = 0; fila < 59; ++fila) {
            for (int columna = 0; columna < 3; ++columna) {
                EXPECT_EQ(general[fila][columna].empty(), vacias.contains({fila, columna}))
                    << idioma << ": " << fila << "," << columna;
            }
        }
        const auto arida = CeldasDeTabla(kArida, DatosMarcados(), idioma);
        for (const auto& fila : arida) {
            EXPECT_FALSE(fila[0].empty());
            EXPECT_FALSE(fila[1].empty());
        }
    }
}

TEST(TablasReferencia, LabelsJoinedFromTheirPieces) {
    struct Caso {
        TablaReferencia tabla;
        int fila, columna;
        std::string_view es, en;
    };
    const Caso casos[] = {
        {kGeneral, 0, 1, "Laboreo", "Treatment"},
        {kGeneral, 1, 1, "Laboreo", "Treatment"},
        {kGeneral, 0, 5, "Tipo de suelo", "Soil type"},
        {kGeneral, 1, 4, "B", "B"},
        {kGeneral, 2, 1, "Desnudo", "Naked"},
        {kGeneral, 5, 1, "R", "SR"},
        {kGeneral, 16, 1, "C + T + CR", "C + T + CR"},
        {kGeneral, 17, 0, "Cultivos no alineados, o con surcos pequeños o mal definidos", "Small grain "},
        {kGeneral, 34, 0, "Cultivos densos de leguminosas o prados en alternancia",
         "Close-seeded or broadcast legumes or rotation meadow"},
        {kGeneral, 37, 0, "Pastizales o pastos naturales ", "Pasture, grassland, or range-continous forage for grazing"},
        {kGeneral, 37, 2, "Buenas", "Good"},
        {kGeneral, 38, 2, "Pobres", "Poor"},
        {kGeneral, 43, 0, "Matorral-herbazal, siendo el matorral preponderante",
         "Brush-brush-weed-grass mixture with brush the major element"},
        {kGeneral, 53, 2, "III regular", "III fair"},
        {kGeneral, 58, 0, "Caminos con firme", "Paved streets and roads"},
        {kArida, 0, 0, "Tipo de vegetación", "Vegetation type"},
        {kArida, 1, 2, "A", "A"},
        {kArida, 3, 0, "Herbazal con algo de matorral ",
         "Herbaceous-mixture of grass, weeds and low-growing brush, with brush the minor element"},
        {kArida, 5, 0, "Oak brush, aspen, mountain mahogany, bitter brush, maple",
         "Oak-aspen-mountain brush mixture of oak brush, aspen, mountain mahogany, bitter brush, maple, and other brush"},
        {kArida, 16, 0, "Matorral desértico: Palo verde, mesquite, cactus, bursage, saltbrush, etc.",
         "Desert shrub-major plants include saltbrush, bursage, cactus, mesquite, palo verde, etc."},
        {kArida, 3, 1, "Medio", "Fair"},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(CeldasDeTabla(caso.tabla, {}, 1)[caso.fila][caso.columna], caso.es) << caso.fila << "," << caso.columna;
        EXPECT_EQ(CeldasDeTabla(caso.tabla, {}, 2)[caso.fila][caso.columna], caso.en) << caso.fila << "," << caso.columna;
    }
}

bool Contiene(const std::vector<UnionCeldas>& uniones, UnionCeldas u) {
    return std::ranges::find(uniones, u) != uniones.end();
}

// Two joins never cover the same cell.
void SinSolapes(const std::vector<UnionCeldas>& uniones) {
    std::set<std::pair<int, int>> cubiertas;
    for (const auto& u : uniones) {
        for (int f = u.fila; f < u.fila + u.filas; ++f) {
            for (int c = u.columna; c < u.columna + u.columnas; ++c) {
                EXPECT_TRUE(cubiertas.insert({f, c}).second) << f << "," << c;
            }
        }
    }
}

TEST(TablasReferencia, HeadingsAndLabelsJoinWhereTheyRepeat) {
    for (const int idioma : {1, 2}) {
        const auto uniones = UnionesDeTabla(kGeneral, CeldasDeTabla(kGeneral, DatosMarcados(), idioma));
        const UnionCeldas esperadas[] = {
            // Each descriptive heading fills rows 0 and 1; "soil type" spans A to D.
            {0, 0, 2, 1}, {0, 1, 2, 1}, {0, 2, 2, 1}, {0, 3, 1, 4},
            // Every vegetation type spans all its rows.
            {2, 0, 3, 1}, {5, 0, 12, 1}, {17, 0, 12, 1}, {29, 0, 6, 1}, {35, 0, 3, 1}, {38, 0, 3, 1},
            {42, 0, 3, 1}, {45, 0, 3, 1}, {48, 0, 3, 1}, {51, 0, 5, 1},
            // A treatment shared by successive rows spans them.
            {3, 1, 2, 1}, {5, 1, 2, 1}, {15, 1, 2, 1}, {17, 1, 2, 1}, {33, 1, 2, 1}, {38, 1, 3, 1},
            // Blank treatments join under one vegetation type only.
            {35, 1, 3, 1}, {42, 1, 3, 1}, {45, 1, 3, 1}, {48, 1, 3, 1}, {51, 1, 5, 1},
        };
        for (const auto& u : esperadas) {
            EXPECT_TRUE(Contiene(uniones, u)) << idioma << ": " << u.fila << "," << u.columna << " " << u.filas;
        }
        for (const auto& u : uniones) {
            // Conditions never repeat next to each other, values never join,
            // and only heading row 0 joins across.
            EXPECT_TRUE(u.columna < 2 || u.fila == 0) << u.fila << "," << u.columna;
            EXPECT_TRUE(u.columnas == 1 || u.fila == 0) << u.fila << "," << u.columna;
            // No join runs from the heading into the body.
            EXPECT_TRUE(u.fila >= 2 || u.fila + u.filas <= 2) << u.fila << "," << u.columna;
            // Farmsteads and the two kinds of road keep blank treatment cells of their own.
            EXPECT_FALSE(u.columna == 1 && u.fila + u.filas > 56) << u.fila;
        }
        SinSolapes(uniones);
        EXPECT_EQ(uniones.size(), std::size(esperadas) + 11)  // the other treatment pairs of rows 7-32
            << idioma;
    }

    const auto arida = UnionesDeTabla(kArida, CeldasDeTabla(kArida, DatosMarcados(), 2));
    const std::vector<UnionCeldas> esperadasArida{{0, 0, 2, 1}, {0, 1, 2, 1},  {2, 0, 3, 1}, {5, 0, 3, 1},
                                                  {8, 0, 3, 1}, {11, 0, 3, 1}, {14, 0, 3, 1}, {0, 2, 1, 4}};
    SinSolapes(arida);
    EXPECT_EQ(arida.size(), esperadasArida.size());
    for (const auto& u : esperadasArida) EXPECT_TRUE(Contiene(arida, u)) << u.fila << "," << u.columna;
}

TEST(TablasReferencia, ShadingOfEvenBodyRows) {
    struct Caso {
        TablaReferencia tabla;
        int fila, columna;
        bool sombreada;
    };
    const Caso casos[] = {
        {kGeneral, 2, 2, true},   {kGeneral, 2, 6, true},   {kGeneral, 3, 2, false}, {kGeneral, 2, 1, false},
        {kGeneral, 2, 0, false},  {kGeneral, 58, 4, true},  {kGeneral, 57, 4, false}, {kGeneral, 0, 3, false},
        {kGeneral, 1, 3, false},  {kGeneral, 60, 3, false}, {kGeneral, 2, 7, false},
        {kArida, 2, 1, true},     {kArida, 2, 0, false},    {kArida, 16, 5, true},    {kArida, 15, 3, false},
        {kArida, 18, 3, false},   {kArida, 2, 6, false},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(CeldaSombreada(caso.tabla, caso.fila, caso.columna), caso.sombreada) << caso.fila << "," << caso.columna;
    }
    for (int fila = 0; fila < 59; ++fila) EXPECT_FALSE(CeldaSombreada(kGeneral, fila, 0));
}

TEST(TablasReferencia, SelectionAsTabSeparatedText) {
    EXPECT_EQ(TextoTabulado(std::vector<CeldaCopiada>{}), "");
    EXPECT_EQ(TextoTabulado(std::vector<CeldaCopiada>{{5, 4, "78"}}), "78\n");
    // Out of order, with a gap: the missing cell is an empty field.
    const std::vector<CeldaCopiada> celdas{{6, 4, "85"}, {5, 3, "67"}, {5, 4, "78"}, {6, 3, "a\tb\nc"}, {5, 5, "85"}};
    EXPECT_EQ(TextoTabulado(celdas), "67\t78\t85\na b c\t85\t\n");
}

}  // namespace
}  // namespace tarvel
