#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <string>

#include "app/Csv.h"
#include "app/Idioma.h"
#include "catchment/ArchivoHoja.h"
#include "catchment/Compuesto.h"
#include "catchment/HojaCuenca.h"
#include "tests/Esperado.h"

namespace tarvel {
namespace {

using prueba::ErrorDe;

class Cuenca : public ::testing::Test {
protected:
    void SetUp() override { AplicarIdioma(""); }
    void TearDown() override { AplicarIdioma(""); }
};

// Figures worked out apart from the program (Python, bisection for the inverse).
TEST_F(Cuenca, WidelyDifferentSubareasWeightRunoffAndCurveNumbersApart) {
    const Subarea subareas[] = {{3, 98}, {7, 60}};
    const auto c = CalcularCompuesto(subareas);
    ASSERT_TRUE(c);
    EXPECT_NEAR(c->CN[1], 71.4, 1e-12);
    EXPECT_NEAR(c->CN[0], 51.184542909810894, 1e-12);
    EXPECT_NEAR(c->CN[2], 85.1675137433876, 1e-12);

    const auto clasica = CalcularEscorrentiaCompuesta(subareas, 50, Lambda::Clasica);
    EXPECT_NEAR(clasica->subareas[0].Q, 44.275842802068794, 1e-11);
    EXPECT_NEAR(clasica->subareas[1].Q, 1.4034028277018933, 1e-11);
    EXPECT_NEAR(clasica->Q, 14.265134820011964, 1e-11);
    EXPECT_NEAR(clasica->delCompuesto.Q, 6.6914390919027875, 1e-11);
    EXPECT_NEAR(clasica->equivalente.CN, 80.44754551289105, 1e-9);
    const auto reducida = CalcularEscorrentiaCompuesta(subareas, 50, Lambda::Reducida);
    EXPECT_NEAR(reducida->Q, 16.01857848631539, 1e-11);
    EXPECT_NEAR(reducida->equivalente.CN, 81.77122167106074, 1e-9);

    // One sub-area: the composite is its own number; a storm too small for any runoff.
    const Subarea una[] = {{1e-300, 85}};
    EXPECT_EQ(CalcularCompuesto(una)->CN[1], 85);
    const auto seca = CalcularEscorrentiaCompuesta(una, 5, Lambda::Clasica);
    EXPECT_TRUE(seca->equivalente.sinEscorrentia);
    EXPECT_EQ(seca->Q, 0);
}

TEST_F(Cuenca, RefusesWhatCannotBeACatchmentNamingTheRow) {
    const double inf = std::numeric_limits<double>::infinity();
    const double max = std::numeric_limits<double>::max();
    struct Caso { std::vector<Subarea> filas; FalloCuenca fallo; int fila; };
    const Caso casos[] = {
        {{}, FalloCuenca::SinFilas, -1},
        {{{1, 80}, {0, 70}}, FalloCuenca::Area, 1},
        {{{1, 80}, {2, 70}, {-3, 70}}, FalloCuenca::Area, 2},
        {{{NAN, 80}}, FalloCuenca::Area, 0},
        {{{inf, 80}}, FalloCuenca::Area, 0},
        {{{1, 80}, {1, 0}}, FalloCuenca::NumeroCurva, 1},
        {{{1, 100.01}}, FalloCuenca::NumeroCurva, 0},
        {{{1, NAN}}, FalloCuenca::NumeroCurva, 0},
        {{{max, 80}, {max, 70}}, FalloCuenca::AreaTotal, -1},
    };
    for (const auto& caso : casos) {
        const auto r = CalcularCompuesto(caso.filas);
        ASSERT_FALSE(r);
        EXPECT_EQ(r.error(), (RechazoCuenca{caso.fallo, caso.fila}));
    }
    EXPECT_EQ(MensajeCuenca({FalloCuenca::Area, 2}), "El área de la fila 3 debe ser un número mayor que 0 (ha).");
    AplicarIdioma("English");
    EXPECT_EQ(MensajeCuenca({FalloCuenca::NumeroCurva, 0}), "The curve number of row 1 must be >0 and <=100");
    const Subarea una[] = {{1, 80}};
    EXPECT_EQ(ErrorDe(CalcularEscorrentiaCompuesta(una, -1, Lambda::Clasica)).fallo, FalloCuenca::Lluvia);
    EXPECT_EQ(ErrorDe(CalcularEscorrentiaCompuesta(una, 5001, Lambda::Clasica)).fallo, FalloCuenca::LluviaExcesiva);
    EXPECT_FALSE(LeerArea("1,5"));
    EXPECT_FALSE(LeerArea("0"));
    EXPECT_EQ(LeerArea(" 12.5 "), 12.5);
}

HojaCuenca HojaCompleta() {
    HojaCuenca hoja;
    hoja.titulo = "Barranco \"del\" Moro, ñ ≤ \u00e9\n2";
    hoja.lluvia = 1.0 / 3;
    hoja.lambda = EleccionLambda::Ambas;
    TrazaPasoAPaso cultivo{1, 4, 1, "C", SueloPorTextura{{"20", "40,0", " 40"}}, "", 9, DescripcionFilaDatos(9, 1), 1};
    TrazaPasoAPaso bosque{10, -1, 3, "B", SueloPorTasa{1}, "III", 52, DescripcionFilaDatos(52, 2), 2};
    hoja.filas = {
        {"", 0.1, std::nextafter(85.0, 0.0), CurvaEscrita{}},
        {"a,b", 12345.678901234567, 82, cultivo},
        {"bosque", 1e-300, 60, bosque},
        {"tabla", 1e300, 49, TrazaTabla{TablaReferencia::Arida, 72, "A"}},
    };
    return hoja;
}

TEST_F(Cuenca, SavedWorksheetReadsBackBitForBit) {
    const auto hoja = HojaCompleta();
    const auto texto = TextoHoja(hoja);
    ASSERT_TRUE(texto);
    const auto leida = LeerHoja(*texto);
    ASSERT_TRUE(leida) << MensajeErrorHoja(leida.error());
    EXPECT_EQ(*leida, hoja);
    for (std::size_t i = 0; i < hoja.filas.size(); ++i) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(leida->filas[i].area), std::bit_cast<std::uint64_t>(hoja.filas[i].area));
        EXPECT_EQ(std::bit_cast<std::uint64_t>(leida->filas[i].cn), std::bit_cast<std::uint64_t>(hoja.filas[i].cn));
    }
    EXPECT_EQ(DescripcionFilaDatos(9, 1), "Cultivos alineados; C; Buena");
    EXPECT_EQ(DescripcionFilaDatos(52, 2), "Woods; III fair");
    EXPECT_EQ(*TextoHoja(*leida), *texto);
    EXPECT_TRUE(LeerHoja(*TextoHoja(HojaCuenca{})));
}

TEST_F(Cuenca, DamagedForeignAndNewerFilesAreRefusedSayingWhere) {
    const std::string bueno = *TextoHoja(HojaCompleta());
    const auto cambiar = [&](std::string_view de, std::string_view a) {
        std::string t = bueno;
        t.replace(t.find(de), de.size(), a);
        return t;
    };
    struct Caso { std::string texto; FalloHoja fallo; std::string ruta; };
    const Caso casos[] = {
        {bueno.substr(0, bueno.size() / 2), FalloHoja::Incompleto, ""},
        {"", FalloHoja::Incompleto, ""},
        {"{\n  \"format\": x}", FalloHoja::Sintaxis, ""},
        {"[1, 2]", FalloHoja::Ajeno, ""},
        {"{\"format\": \"other\", \"version\": 1}", FalloHoja::Ajeno, ""},
        {cambiar("\"version\": 1", "\"version\": 2"), FalloHoja::VersionNueva, "/version"},
        {cambiar("\"version\": 1", "\"version\": \"1\""), FalloHoja::VersionIncorrecta, "/version"},
        {cambiar("\"area_ha\": 12345", "\"area_ha\": -12345"), FalloHoja::Cuenca, "/rows/1/area_ha"},
        {cambiar("\"cn\": 60.0", "\"cn\": 160.0"), FalloHoja::Cuenca, "/rows/2/cn"},
        {cambiar("\"data_row\": 9", "\"data_row\": 10"), FalloHoja::FilaNoDesignada, "/rows/1/trail/data_row"},
        {cambiar("\"forest_class\": \"III\"", "\"forest_class\": \"IV\""), FalloHoja::ClaseBosque, "/rows/2/trail/forest_class"},
        {cambiar("\"class\": 1", "\"class\": 2"), FalloHoja::GrupoTasa, "/rows/2/trail/soil_group_from/class"},
        {cambiar("\"data_row\": 72", "\"data_row\": 57"), FalloHoja::FilaTabla, "/rows/3/trail/data_row"},
        {cambiar("\"vegetation\": 1", "\"vegetation\": 1.5"), FalloHoja::NoEntero, "/rows/1/trail/vegetation"},
        {cambiar("\"source\": \"typed\"", "\"source\": \"guessed\""), FalloHoja::Desconocido, "/rows/0/source"},
        {cambiar("\"cn\": 82.0", "\"cn\": \"82\""), FalloHoja::NoNumero, "/rows/1/cn"},
        {cambiar("\"sand\"", "\"arena\""), FalloHoja::Falta, "/rows/1/trail/soil_group_from/sand"},
        {cambiar("\"rows\": [", "\"rows\": {\"x\": [") + "}", FalloHoja::NoLista, "/rows"},
        {cambiar("\"storm_mm\": 0.3", "\"storm_mm\": -0.3"), FalloHoja::Cuenca, "/storm_mm"},
    };
    for (const auto& caso : casos) {
        const auto r = LeerHoja(caso.texto);
        ASSERT_FALSE(r) << caso.texto;
        EXPECT_EQ(r.error().fallo, caso.fallo) << caso.texto;
        EXPECT_EQ(r.error().ruta, caso.ruta);
        if (caso.fallo != FalloHoja::VersionNueva) {
            EXPECT_NE(MensajeErrorHoja(r.error()).find(caso.ruta), std::string::npos);
        }
    }
    const auto sintaxis = ErrorDe(LeerHoja("{\n  \"format\": x}"));
    EXPECT_EQ(MensajeErrorHoja(sintaxis), "El archivo está dañado: error de sintaxis en la línea 2, columna 13.");
    AplicarIdioma("English");
    EXPECT_EQ(MensajeErrorHoja(ErrorDe(LeerHoja(cambiar("\"version\": 1", "\"version\": 7")))),
              "The worksheet comes from a newer version of Tarvel (format 7); this version reads formats up to 1.");
    EXPECT_EQ(ErrorDe(LeerHojaDeArchivo("/nonexistent/a.tarvel")).fallo, FalloHoja::NoLegible);
}

TEST_F(Cuenca, CsvOfTheRowsQuotesWhatNeedsIt) {
    const auto csv = CsvHoja(HojaCompleta());
    ASSERT_TRUE(csv);
    EXPECT_EQ(csv->substr(0, csv->find('\n')),
              "name,area,share_pct,cn,source,data_row,soil_group,table,vegetation,treatment,condition,forest_class,"
              "soil_group_from,rate_class,clay,silt,sand,description,description_language");
    EXPECT_NE(csv->find("\n\"a,b\",12345.678901234567,"), std::string::npos);
    EXPECT_NE(csv->find(",step-by-step,9,C,,1,4,1,,texture,,20,\"40,0\",\" 40\",Cultivos alineados; C; Buena,es\n"),
              std::string::npos);
    EXPECT_NE(csv->find(",table,72,A,arid,"), std::string::npos);
    EXPECT_EQ(CampoCsv("di \"x\""), "\"di \"\"x\"\"\"");
    HojaCuenca mala;
    mala.filas = {{"x", 0, 80, CurvaEscrita{}}};
    EXPECT_EQ(ErrorDe(CsvHoja(mala)), (RechazoCuenca{FalloCuenca::Area, 0}));
}

}  // namespace
}  // namespace tarvel
