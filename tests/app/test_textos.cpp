#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/Idioma.h"
#include "app/TablaTextos.h"
#include "app/TablaTextosTsv.h"
#include "app/Texto.h"
#include "tests/Esperado.h"

namespace tarvel {
namespace {

using prueba::ErrorDe;

// The compiled table is the file: every text of both languages, byte for byte,
// and nothing outside its numbers.
TEST(TablaTextos, CompiledTableMatchesTheFile) {
    std::ifstream archivo(TARVEL_STRINGS_TSV, std::ios::binary);
    std::stringstream contenido;
    contenido << archivo.rdbuf();
    const auto tabla = LeerTablaTextos(contenido.str());
    ASSERT_TRUE(tabla) << tabla.error().linea << ": " << tabla.error().motivo;
    for (int n = 1; n <= kNumeroTextos; ++n) {
        EXPECT_EQ(TextoIdioma(kIdiomaEspanol, n), tabla->textos[n - 1][0]) << n;
        EXPECT_EQ(TextoPorId(2000 + n), tabla->textos[n - 1][1]) << n;
    }
    for (int id : {0, 1000, 2000, 3001, 999, -1001}) EXPECT_TRUE(TextoPorId(id).empty()) << id;
    FijarIdioma(kIdiomaIngles);
    EXPECT_EQ(Texto(12), "OK");
    FijarIdioma(kIdiomaEspanol);
}

// Text brought from elsewhere: UTF-8 stays as it is; anything else is read as
// Windows-1252, what Spanish spreadsheets save, and comes out as UTF-8.
TEST(Texto, OutsideTextComesOutAsUtf8) {
    const struct {
        std::string_view entrada, salida;
    } casos[] = {
        {"Olivar de Pe\xC3\xB1" "as", "Olivar de Pe\xC3\xB1" "as"},  // already UTF-8
        {"Olivar de Pe\xF1" "as", "Olivar de Pe\xC3\xB1" "as"},       // ñ of Windows-1252
        {"\x80 \x9F \xFF", "\xE2\x82\xAC \xC5\xB8 \xC3\xBF"},  // €, Ÿ, ÿ
        {"\x81\x8D", "\xC2\x81\xC2\x8D"},                     // undefined bytes keep their value
        {"\xC3", "\xC3\x83"},                                 // a sequence cut short
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                     // an overlong "/"
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},       // a surrogate
        {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"},  // above U+10FFFF
        {"\xF0\x9F\x8C\xA7", "\xF0\x9F\x8C\xA7"},               // a four-byte character stays
    };
    for (const auto& c : casos) {
        EXPECT_EQ(TextoUtf8(c.entrada), c.salida) << c.entrada;
        EXPECT_TRUE(EsUtf8(TextoUtf8(c.entrada))) << c.entrada;
    }
    EXPECT_EQ(SinBlancos(" \t a b\t "), "a b");
    EXPECT_EQ(SinBlancos(" \t "), "");
}

std::string TablaCompleta(const std::string& linea5 = {}) {
    std::string tsv = "n\tes\ten\n";
    for (int n = 1; n <= kTextosOriginales; ++n) {
        const auto numero = std::to_string(n);
        tsv += (n == 5 && !linea5.empty() ? linea5 : numero + "\tes" + numero + "\ten" + numero) + "\n";
    }
    return tsv;
}

TEST(LecturaTsv, UndoesEscapesAcceptsCrlfAndGapsBetweenBlocks) {
    auto tsv = TablaCompleta("5\ta\\tb\\nc\\\\d\t x ") + "300\tuno\tone\n";
    tsv.replace(tsv.find('\n'), 1, "\r\n");
    const auto tabla = LeerTablaTextos(tsv);
    ASSERT_TRUE(tabla) << tabla.error().motivo;
    EXPECT_EQ(tabla->textos[4][0], "a\tb\nc\\d");
    EXPECT_EQ(tabla->textos[4][1], " x ");
    EXPECT_EQ(tabla->textos[299][1], "one");
    EXPECT_TRUE(tabla->textos[250][0].empty());
}

TEST(LecturaTsv, RefusesBrokenFilesWithTheLine) {
    const std::pair<std::string, int> casos[] = {
        {"", 0},
        {"n\tes\n1\ta\tb\n", 1},
        {TablaCompleta("5\tonly two"), 6},
        {TablaCompleta("5\ta\tb\tc"), 6},
        {TablaCompleta("4\ta\tb"), 6},  // number 4 twice
        {TablaCompleta("1000\ta\tb"), 6},
        {TablaCompleta("x5\ta\tb"), 6},
        {TablaCompleta("5\ta\\q\tb"), 6},
        {TablaCompleta("5\ta\\\tb"), 6},
        {TablaCompleta("5\t\tb"), 6},
        {TablaCompleta("5\ta\xC3\tb"), 0},          // cut UTF-8 sequence
        {TablaCompleta("5\ta\xED\xA0\x80\tb"), 0},  // encoded surrogate
        {TablaCompleta().substr(0, TablaCompleta().rfind("\n210\t") + 1), 0},  // 210 missing
    };
    for (const auto& [tsv, linea] : casos) EXPECT_EQ(ErrorDe(LeerTablaTextos(tsv)).linea, linea) << tsv.substr(0, 40);
}

// Only "English" exactly gives English; anything else, Spanish.
TEST(Idioma, ResolutionOfTheStoredValue) {
    const std::pair<std::string_view, std::int16_t> casos[] = {
        {"", 1},        {"Español", 1},  {"English", 2},  {"english", 1},
        {"ENGLISH", 1}, {"Klingon", 1},  {" English", 1}, {"English and more", 1},
    };
    for (const auto& [guardado, idioma] : casos) {
        const auto resuelto = ResolverIdioma(guardado);
        EXPECT_EQ(resuelto.idioma, idioma) << guardado;
        EXPECT_EQ(resuelto.nombre, idioma == 2 ? kNombreIngles : kNombreEspanol) << guardado;
    }
    AplicarIdioma("English");
    EXPECT_EQ(IdiomaEnVigor().idioma, 2);
    EXPECT_EQ(IdiomaEnVigor().nombre, "English");
    AplicarIdioma("");
    EXPECT_EQ(IdiomaEnVigor().nombre, "Español");
}

}  // namespace
}  // namespace tarvel
