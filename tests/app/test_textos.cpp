#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/Idioma.h"
#include "app/SessionState.h"
#include "app/TablaTextos.h"
#include "app/TablaTextosTsv.h"

namespace tarvel {
namespace {

struct TextoEsperado {
    int n;
    std::string_view espanol;
    std::string_view ingles;
};

// Texts whose blanks, ampersands and bars must survive the build exactly.
class TextosExactos : public ::testing::TestWithParam<TextoEsperado> {};

TEST_P(TextosExactos, BothLanguagesByIdAndByNumber) {
    const auto& t = GetParam();
    EXPECT_EQ(TextoPorId(1000 + t.n), t.espanol);
    EXPECT_EQ(TextoPorId(2000 + t.n), t.ingles);
    EXPECT_EQ(TextoIdioma(kIdiomaEspanol, t.n), t.espanol);
    EXPECT_EQ(TextoIdioma(kIdiomaIngles, t.n), t.ingles);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, TextosExactos,
    ::testing::Values(TextoEsperado{1, "Determinación de números de curva", "Determination of curve numbers"},
                      TextoEsperado{19, "&Aceptar", "&OK"},
                      TextoEsperado{29, "Pastizales o  pastos naturales",
                                    "Pasture, grassland, or range-continous forage for grazing"},
                      TextoEsperado{68, "Espesor del arrope", "Litter layer depth "},
                      TextoEsperado{123, " o con surcos pequeños o mal definidos", " "},
                      TextoEsperado{127, " ", " forage for grazing"},
                      TextoEsperado{183, "Serie progresiva del número de curva", "Progressive series  of curve number"},
                      TextoEsperado{186, "Ladera objetivo restaurada ", "Restored objective slope"},
                      TextoEsperado{201, "Condición(J)|NAC(J)|PAC(J)||NOB(J)|POB(J)",
                                    "Condition(J)|NCS(J)|PCS(J)||NOS(J)|POS(J)"},
                      TextoEsperado{207, "E&spañol", "&Spanish"},
                      TextoEsperado{210, "Error en los datos introducidos.", "Error in input data."}));

TEST(TablaTextos, IdsOutsideTheTableHaveNoText) {
    for (int id : {0, 1000, 1999, 2000, 2999, 3001, 999, -1001, 32767}) {
        EXPECT_TRUE(TextoPorId(id).empty()) << id;
    }
    EXPECT_TRUE(TextoIdioma(0, 1).empty());
    EXPECT_TRUE(TextoIdioma(1, 0).empty());
    EXPECT_TRUE(TextoIdioma(2, 999).empty());
}

TEST(TablaTextos, FollowsTheLanguageOfTheRun) {
    gIdioma = kIdiomaIngles;
    EXPECT_EQ(Texto(12), "OK");
    gIdioma = kIdiomaEspanol;
    EXPECT_EQ(Texto(12), "Aceptar");
}

// The compiled table is the file: every text of both languages, byte for byte.
TEST(TablaTextos, CompiledTableMatchesTheFile) {
    std::ifstream archivo(TARVEL_STRINGS_TSV, std::ios::binary);
    ASSERT_TRUE(archivo);
    std::stringstream contenido;
    contenido << archivo.rdbuf();
    const auto tabla = LeerTablaTextos(contenido.str());
    ASSERT_TRUE(tabla) << tabla.error().linea << ": " << tabla.error().motivo;
    for (int n = 1; n <= kNumeroTextos; ++n) {
        EXPECT_EQ(TextoIdioma(1, n), tabla->textos[n - 1][0]) << n;
        EXPECT_EQ(TextoIdioma(2, n), tabla->textos[n - 1][1]) << n;
    }
}

std::string TablaCompleta(const std::string& sustituirLinea5 = {}) {
    std::string tsv = "n\tes\ten\n";
    for (int n = 1; n <= kTextosOriginales; ++n) {
        if (n == 5 && !sustituirLinea5.empty()) {
            tsv += sustituirLinea5 + "\n";
        } else {
            tsv += std::to_string(n) + "\tes" + std::to_string(n) + "\ten" + std::to_string(n) + "\n";
        }
    }
    return tsv;
}

TEST(LecturaTsv, UndoesEscapesAndAcceptsCrlf) {
    auto tsv = TablaCompleta("5\ta\\tb\\nc\\\\d\t x ");
    tsv.replace(tsv.find("\n"), 1, "\r\n");
    const auto tabla = LeerTablaTextos(tsv);
    ASSERT_TRUE(tabla) << tabla.error().motivo;
    EXPECT_EQ(tabla->textos[4][0], "a\tb\nc\\d");
    EXPECT_EQ(tabla->textos[4][1], " x ");
    // Numbers after the original texts come in blocks: a gap before a block is no fault.
    const auto conBloque = LeerTablaTextos(TablaCompleta() + "300\tuno\tone\n");
    ASSERT_TRUE(conBloque) << conBloque.error().motivo;
    EXPECT_EQ(conBloque->textos[299][1], "one");
    EXPECT_TRUE(conBloque->textos[250][0].empty());
}

TEST(LecturaTsv, RefusesBrokenFilesWithTheLine) {
    struct Caso {
        std::string tsv;
        int linea;
    };
    const Caso casos[] = {
        {"", 0},
        {"n\tes\n1\ta\tb\n", 1},
        {TablaCompleta("5\tonly two"), 6},
        {TablaCompleta("5\ta\tb\tc"), 6},
        {TablaCompleta("4\ta\tb"), 6},       // number 4 twice
        {TablaCompleta("1000\ta\tb"), 6},
        {TablaCompleta("x5\ta\tb"), 6},
        {TablaCompleta("5\ta\\q\tb"), 6},
        {TablaCompleta("5\ta\\\tb"), 6},
        {TablaCompleta("5\t\tb"), 6},
        {TablaCompleta("5\ta\xC3\tb"), 0},   // cut UTF-8 sequence
        {TablaCompleta("5\ta\xED\xA0\x80\tb"), 0},  // encoded surrogate
        {TablaCompleta().substr(0, TablaCompleta().rfind("\n210\t") + 1), 0},  // 210 missing
    };
    for (const auto& caso : casos) {
        const auto tabla = LeerTablaTextos(caso.tsv);
        ASSERT_FALSE(tabla) << caso.tsv.substr(0, 40);
        EXPECT_EQ(tabla.error().linea, caso.linea) << tabla.error().motivo;
    }
}

TEST(Idioma, ResolutionOfTheStoredValue) {
    struct Caso {
        std::string_view guardado;
        std::int16_t idioma;
        std::string_view nombre;
    };
    const Caso casos[] = {
        {"", 1, "Español"},        {"Español", 1, "Español"}, {"English", 2, "English"},
        {"english", 1, "Español"}, {"ENGLISH", 1, "Español"}, {"Espanol", 1, "Español"},
        {"Klingon", 1, "Español"}, {" English", 1, "Español"},
    };
    for (const auto& caso : casos) {
        const auto resuelto = ResolverIdioma(caso.guardado);
        EXPECT_EQ(resuelto.idioma, caso.idioma) << caso.guardado;
        EXPECT_EQ(resuelto.nombre, caso.nombre) << caso.guardado;
    }
    AplicarIdioma("English");
    EXPECT_EQ(gIdioma, 2);
    EXPECT_EQ(gNombreIdioma, "English");
    AplicarIdioma("");
    EXPECT_EQ(gIdioma, 1);
    EXPECT_EQ(gNombreIdioma, "Español");
}

TEST(Idioma, HelpFileByLanguageName) {
    EXPECT_EQ(ArchivoAyudaDe("Español"), "AYUDA Nº CURVA.HLP");
    EXPECT_EQ(ArchivoAyudaDe("English"), "HELPTARVEL.HLP");
    EXPECT_FALSE(ArchivoAyudaDe("Deutsch"));
}

}  // namespace
}  // namespace tarvel
