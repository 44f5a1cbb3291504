#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <limits>
#include <map>
#include <string>

#include "app/Csv.h"
#include "app/Idioma.h"
#include "catchment/ArchivoHoja.h"
#include "catchment/Compuesto.h"
#include "catchment/EvaluacionHoja.h"
#include "catchment/HojaCuenca.h"
#include "catchment/InformeHoja.h"
#include "catchment/TextosCuenca.h"
#include "tests/Esperado.h"

namespace tarvel {
namespace {

using prueba::ErrorDe;

class Cuenca : public ::testing::Test {
protected:
    void SetUp() override { AplicarIdioma(""); }
    void TearDown() override { AplicarIdioma(""); }
};

HojaCuenca Escritas(std::optional<double> lluvia, EleccionLambda lambda, std::vector<std::pair<double, double>> filas) {
    HojaCuenca hoja{"", lluvia, lambda, {}, {}};
    for (const auto& [area, cn] : filas) hoja.filas.push_back({"", area, cn, CurvaEscrita{}});
    return hoja;
}

// Figures worked out apart from the program (Python, bisection for the inverse).
TEST_F(Cuenca, WidelyDifferentSubareasWeightRunoffAndCurveNumbersApart) {
    auto hoja = Escritas(50, EleccionLambda::Ambas, {{3, 98}, {7, 60}});
    const auto e = EvaluarHoja(hoja, {});
    ASSERT_TRUE(e.compuesto && !e.rechazo);
    EXPECT_NEAR(e.compuesto->CN[1], 71.4, 1e-12);
    EXPECT_NEAR(e.compuesto->CN[0], 51.184542909810894, 1e-12);
    EXPECT_NEAR(e.compuesto->CN[2], 85.1675137433876, 1e-12);

    ASSERT_EQ(e.escorrentias.size(), 2u);
    const auto& clasica = e.escorrentias[0];
    EXPECT_EQ(clasica.lambda, Lambda::Clasica);
    EXPECT_NEAR(clasica.subareas[0].Q, 44.275842802068794, 1e-11);
    EXPECT_NEAR(clasica.subareas[1].Q, 1.4034028277018933, 1e-11);
    EXPECT_NEAR(clasica.Q, 14.265134820011964, 1e-11);
    EXPECT_NEAR(clasica.delCompuesto.Q, 6.6914390919027875, 1e-11);
    EXPECT_NEAR(clasica.equivalente.CN, 80.44754551289105, 1e-9);
    const auto& reducida = e.escorrentias[1];
    EXPECT_EQ(reducida.lambda, Lambda::Reducida);
    EXPECT_NEAR(reducida.Q, 16.01857848631539, 1e-11);
    EXPECT_NEAR(reducida.equivalente.CN, 81.77122167106074, 1e-9);

    // A storm of 0 mm is a storm: no runoff anywhere, and every curve number
    // up to 100 gives none; the composite does not depend on it.
    hoja.lluvia = 0;
    const auto seca = EvaluarHoja(hoja, {});
    ASSERT_EQ(seca.escorrentias.size(), 2u);
    EXPECT_EQ(seca.compuesto->CN, e.compuesto->CN);
    for (const auto& r : seca.escorrentias) {
        EXPECT_EQ(r.Q, 0);
        EXPECT_EQ(r.subareas[0].Q + r.subareas[1].Q + r.delCompuesto.Q, 0);
        EXPECT_TRUE(r.equivalente.sinEscorrentia);
        EXPECT_EQ(r.equivalente.CN, 100);
    }

    // One sub-area: the composite is its own number; a storm too small for any runoff.
    const auto una = EvaluarHoja(Escritas(5, EleccionLambda::Clasica, {{1e-300, 85}}), {});
    EXPECT_EQ(una.compuesto->CN[1], 85);
    EXPECT_TRUE(una.escorrentias.at(0).equivalente.sinEscorrentia);
    EXPECT_EQ(una.escorrentias.at(0).Q, 0);
    // Without a storm, no runoff at all.
    EXPECT_TRUE(EvaluarHoja(Escritas(std::nullopt, EleccionLambda::Ambas, {{1, 85}}), {}).escorrentias.empty());
}

// The rows are refused before the storm; a storm too large leaves the composite standing.
TEST_F(Cuenca, TheAnswerSaysWhichFiguresAreMissingAndWhy) {
    const double nada = std::numeric_limits<double>::quiet_NaN();
    const auto filas = EvaluarHoja(Escritas(50, EleccionLambda::Clasica, {{1, 80}, {2, nada}}), {});
    EXPECT_EQ(filas.rechazo, (RechazoCuenca{FalloCuenca::NumeroCurva, 1}));
    EXPECT_FALSE(filas.compuesto);
    EXPECT_EQ(filas.trazas.size(), 2u);
    // The retention of λ = 0.05 of so low a number overflows beside the largest storm.
    const auto tormenta = EvaluarHoja(Escritas(std::numeric_limits<double>::max(), EleccionLambda::Ambas, {{1, 1e-250}}), {});
    EXPECT_EQ(tormenta.rechazo, (RechazoCuenca{FalloCuenca::LluviaExcesiva}));
    EXPECT_TRUE(tormenta.compuesto && tormenta.escorrentias.empty());
    EXPECT_EQ(EvaluarHoja(HojaCuenca{}, {}).rechazo, (RechazoCuenca{FalloCuenca::SinFilas}));
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
    // The message names the row from 1 and quotes the value refused.
    EXPECT_EQ(MensajeCuenca(ErrorDe(CalcularCompuesto(casos[2].filas))),
              "El área de la fila 3 («-3») debe ser un número mayor que 0 (ha).");
    AplicarIdioma("English");
    EXPECT_EQ(MensajeCuenca(ErrorDe(CalcularCompuesto(casos[6].filas))),
              "The curve number of row 1 (“100.01”) must be greater than 0 and at most 100.");
    const Subarea una[] = {{1, 80}};
    EXPECT_EQ(ErrorDe(CalcularEscorrentiaCompuesta(una, -1, Lambda::Clasica)).fallo, FalloCuenca::Lluvia);
    EXPECT_EQ(ErrorDe(CalcularEscorrentiaCompuesta(una, 5001, Lambda::Clasica)).fallo, FalloCuenca::LluviaExcesiva);
    EXPECT_EQ(ErrorDe(CalcularEscorrentiaCompuesta(std::span<const Subarea>(), 10, Lambda::Clasica)).fallo,
              FalloCuenca::SinFilas);
    EXPECT_FALSE(LeerArea("1,5"));
    EXPECT_FALSE(LeerArea("0"));
    EXPECT_EQ(LeerArea(" 12.5 "), 12.5);
}

// Peak inputs of every kind of value: both ways to a typed flag, each kind
// of segment, values missing, a return period without its T.
EntradasCaudal CaudalCompleto() {
    EntradasCaudal e;
    e.metodo = MetodoCaudal::IC;
    e.distribucion = DistribucionLluvia::IA;
    e.charcas.reset();
    e.umbralTecleado = e.tiempoTecleado = true;
    e.umbral = 1.0 / 3;
    e.beta = 1.3;
    e.tc = 0.1 + 0.2;
    e.tramos = {{TipoTramo::Laminar, Firme::SinPavimentar, 0.24, 30.48, std::nullopt, 0.01, {}, {}},
                {TipoTramo::Superficial, Firme::Pavimentado, {}, 426.72, {}, 0.01, {}, {}},
                {TipoTramo::Cauce, Firme::SinPavimentar, 0.05, 2225.04, {}, 0.005, 2.50838, 8.59536}};
    e.pendienteCauce = 0.05;
    e.periodos[0] = {2.5, 80, 88.21, 2, 7.5};
    e.periodos[5].T.reset();
    return e;
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
    hoja.caudal = CaudalCompleto();
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
    // Peak inputs make a version 2 file; without them it is a version 1 file,
    // and a version 1 file's peak inputs are none of its own.
    EXPECT_NE(texto->find("\"version\": 2"), std::string::npos);
    auto sinCaudal = hoja;
    sinCaudal.caudal.reset();
    const std::string uno = *TextoHoja(sinCaudal);
    EXPECT_NE(uno.find("\"version\": 1"), std::string::npos);
    std::string antiguo = *texto;
    antiguo.replace(antiguo.find("\"version\": 2"), 12, "\"version\": 1");
    EXPECT_EQ(LeerHoja(antiguo), sinCaudal);
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
        {cambiar("\"version\": 2", "\"version\": 3"), FalloHoja::VersionNueva, "/version"},
        {cambiar("\"version\": 2", "\"version\": \"1\""), FalloHoja::VersionIncorrecta, "/version"},
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
        {cambiar("\"storm_mm\": 0.3", "\"storm_mm\": 5000.5"), FalloHoja::Cuenca, "/storm_mm"},
        {cambiar("\"clay\": \"20\"", "\"clay\": \"veinte\""), FalloHoja::Porcentaje, "/rows/1/trail/soil_group_from/clay"},
        {cambiar("\"sand\": \" 40\"", "\"sand\": \"\""), FalloHoja::Porcentaje, "/rows/1/trail/soil_group_from/sand"},
        {cambiar("\"ic52\"", "\"rational\""), FalloHoja::Desconocido, "/peak/method"},
        {cambiar("\"slope\": 0.005", "\"slope\": 0"), FalloHoja::FueraDeRango, "/peak/segments/2/slope"},
        {cambiar("\"length_m\": 426.72", "\"length_m\": \"426.72\""), FalloHoja::NoNumero, "/peak/segments/1/length_m"},
        {cambiar("\"kind\": \"shallow\",\n        \"surface\": \"paved\",", "\"kind\": \"shallow\","), FalloHoja::Falta,
         "/peak/segments/1/surface"},
        {cambiar("\"return_periods\": [", "\"return_periods\": [{},"), FalloHoja::Elementos, "/peak/return_periods"},
        {cambiar("\"segments\": [", "\"segments\": {\"x\": [") + "}", FalloHoja::NoLista, "/peak/segments"},
        {cambiar("\"fb\": 7.5", "\"fb\": 0"), FalloHoja::FueraDeRango, "/peak/return_periods/0/fb"},
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
    EXPECT_EQ(MensajeErrorHoja(ErrorDe(LeerHoja(casos[std::size(casos) - 1].texto))),
              "El valor /peak/return_periods/0/fb debe ser un número mayor que 0 y no mayor que 10000.");
    const auto sintaxis = ErrorDe(LeerHoja("{\n  \"format\": x}"));
    EXPECT_EQ(MensajeErrorHoja(sintaxis), "El archivo está dañado: error de sintaxis en la línea 2, columna 13.");
    AplicarIdioma("English");
    EXPECT_EQ(MensajeErrorHoja(ErrorDe(LeerHoja(cambiar("\"version\": 2", "\"version\": 7")))),
              "The worksheet comes from a newer version of Tarvel (format 7); this version reads formats up to 2.");
    EXPECT_EQ(MensajeErrorHoja(ErrorDe(LeerHoja(cambiar("\"return_periods\": [", "\"return_periods\": [{},")))),
              "The value /peak/return_periods must be a list of 6 items.");
    // A file that is not there or is a folder says so.
    const auto noHay = ErrorDe(LeerHojaDeArchivo("/nonexistent/a.tarvel"));
    EXPECT_EQ(noHay.fallo, FalloHoja::NoLegible);
    EXPECT_EQ(MensajeErrorHoja(noHay), "The file /nonexistent/a.tarvel cannot be read: it does not exist.");
    const auto carpeta = ErrorDe(LeerHojaDeArchivo(std::filesystem::temp_directory_path()));
    EXPECT_EQ(carpeta.errorSistema, EISDIR);
    AplicarIdioma("");
    EXPECT_EQ(MensajeErrorHoja(carpeta), "No se puede leer el archivo " + std::filesystem::temp_directory_path().string() +
                                             ": es una carpeta.");
}

// A trail is checked against today's tables and, for a texture, as the soil
// window reads its percentages; the stored number stays whatever is found.
TEST_F(Cuenca, TrailsThatDoNotGiveTheirNumberAreFound) {
    const auto datos = LeerDatos(TARVEL_DATOS_DAT).value();
    const auto textura = [](std::array<std::string, 3> p, std::string grupo = "C") {
        return TrazaPasoAPaso{1, 4, 1, std::move(grupo), SueloPorTextura{std::move(p)}, "", 9, "", kIdiomaEspanol};
    };
    using enum AvisoTraza;
    struct Caso {
        const char* que;
        OrigenCurva origen;
        double cn;
        std::vector<AvisoTraza> avisos;
        std::optional<int> cnTablas;
        std::string grupoTextura;
    };
    const Caso casos[] = {
        {"typed", CurvaEscrita{}, 50, {}, std::nullopt, ""},
        {"a table cell, its number", TrazaTabla{TablaReferencia::General, 9, "C"}, 82, {}, 82, ""},
        {"a table cell, another number", TrazaTabla{TablaReferencia::General, 9, "C"}, 82.5, {NumeroDistinto}, 82, ""},
        {"a cell the tables leave empty", TrazaTabla{TablaReferencia::Arida, 58, "A"}, 80, {SinValorEnTablas}, std::nullopt, ""},
        {"by the rate", TrazaPasoAPaso{1, 4, 1, "C", SueloPorTasa{2}, "", 9, "", 1}, 82, {}, 82, ""},
        {"a loam", textura({"20", "40", "40"}), 82, {}, 82, "C"},
        {"thirds making 100", textura({"33.3", "33.3", "33.4"}), 82, {}, 82, "C"},
        {"a clay kept as C", textura({"60", "20", "20"}), 82, {TexturaOtroGrupo}, 82, "D"},
        {"105 %", textura({"20", "40", "45"}), 82, {TexturaSinSuma}, 82, ""},
        {"a negative percentage", textura({"-20", "60", "60"}), 82, {TexturaSinSuma}, 82, ""},
        {"both at once", textura({"60", "20", "20"}), 50, {NumeroDistinto, TexturaOtroGrupo}, 82, "D"},
    };
    HojaCuenca hoja;
    for (const auto& caso : casos) hoja.filas.push_back({caso.que, 1, caso.cn, caso.origen});
    const auto e = EvaluarHoja(hoja, datos);
    ASSERT_EQ(e.trazas.size(), std::size(casos));
    for (std::size_t i = 0; i < std::size(casos); ++i) {
        const auto& c = e.trazas[i];
        EXPECT_EQ(c.avisos, casos[i].avisos) << casos[i].que;
        EXPECT_EQ(c.cnTablas, casos[i].cnTablas) << casos[i].que;
        EXPECT_EQ(c.grupoTextura, casos[i].grupoTextura) << casos[i].que;
        EXPECT_EQ(MensajesTraza(hoja.filas[i], int(i), c).size(), c.avisos.size()) << casos[i].que;
    }
    EXPECT_EQ(e.compuesto->CN[1], (50 + 82 + 82.5 + 80 + 82 * 6 + 50) / 11.0);

    // Without the tables only the texture is checked.
    const auto sinTablas = EvaluarHoja(hoja, {});
    EXPECT_EQ(sinTablas.trazas[2].avisos, std::vector<AvisoTraza>{});
    EXPECT_EQ(sinTablas.trazas[10].avisos, std::vector<AvisoTraza>{TexturaOtroGrupo});

    const auto mensajes = MensajesTraza(hoja.filas[10], 10, e.trazas[10]);
    EXPECT_EQ(mensajes.at(0), "Fila 11 (both at once): su obtención (fila 9 de las tablas, grupo C) da el NC 82, no el 50 "
                              "guardado; se usa el guardado.");
    AplicarIdioma("English");
    EXPECT_EQ(MensajesTraza(hoja.filas[10], 10, e.trazas[10]).at(1),
              "Row 11 (both at once): the texture percentages (clay 60 %, silt 20 %, sand 20 %) give soil group D, not "
              "the stored C.");
    EXPECT_EQ(MensajesTraza(hoja.filas[3], 3, e.trazas[3]).at(0),
              "Row 4 (a cell the tables leave empty): the tables give no curve number in row 58, group A; the stored 80 "
              "is used.");
    EXPECT_EQ(MensajesTraza(hoja.filas[8], 8, e.trazas[8]).at(0),
              "Row 9 (105 %): the texture percentages (clay 20 %, silt 40 %, sand 45 %) are not three percentages "
              "adding up to 100.");
}

// One row of each kind, and every column of each as a spreadsheet reads it.
TEST_F(Cuenca, CsvOfTheRowsHasEveryColumnOfEachRow) {
    HojaCuenca hoja;
    hoja.filas = {
        {"urbano, centro", 10, 98, CurvaEscrita{}},
        {"olivar", 20, 82, TrazaPasoAPaso{1, 4, 1, "C", SueloPorTextura{{"20", "40,0", " 40"}}, "", 9, "Cultivos alineados; C; Buena", 1}},
        {"pinar", 30, 60, TrazaPasoAPaso{10, -1, 3, "B", SueloPorTasa{1}, "III", 52, "Woods; III fair", 2}},
        {"erial", 40, 49, TrazaTabla{TablaReferencia::Arida, 72, "A"}},
    };
    const auto csv = CsvHoja(hoja);
    ASSERT_TRUE(csv);
    // name,area,share_pct,cn,source,data_row,soil_group,table,vegetation,treatment,condition,forest_class,
    // soil_group_from,rate_class,clay,silt,sand,description,description_language
    const std::string esperado =
        "name,area,share_pct,cn,source,data_row,soil_group,table,vegetation,treatment,condition,forest_class,"
        "soil_group_from,rate_class,clay,silt,sand,description,description_language\n"
        "\"urbano, centro\",10,10,98,typed,,,,,,,,,,,,,,\n"
        "olivar,20,20,82,step-by-step,9,C,,1,4,1,,texture,,20,\"40,0\",\" 40\",Cultivos alineados; C; Buena,es\n"
        "pinar,30,30,60,step-by-step,52,B,,10,-1,3,III,rate,1,,,,Woods; III fair,en\n"
        "erial,40,40,49,table,72,A,arid,,,,,,,,,,,\n";
    EXPECT_EQ(*csv, esperado);
    EXPECT_EQ(CampoCsv("di \"x\""), "\"di \"\"x\"\"\"");
    HojaCuenca mala;
    mala.filas = {{"x", 0, 80, CurvaEscrita{}}};
    EXPECT_EQ(ErrorDe(CsvHoja(mala)), (RechazoCuenca{FalloCuenca::Area, 0}));
    EXPECT_EQ(*CsvHoja(HojaCuenca{}), esperado.substr(0, esperado.find('\n') + 1));
}

// The report of 10 ha paved (CN 98) and 90 ha of woods (CN 55, kept against
// a trail that gives 82) under 50 mm, worked by hand: S, Ia and Q of each
// sub-area under each ratio, S0.05 = 25.4 · 1.33 · (S / 25.4)^1.15.
TEST_F(Cuenca, TheReportLaysOutEveryFigureOfEachRatioChosen) {
    const auto datos = LeerDatos(TARVEL_DATOS_DAT).value();
    HojaCuenca hoja{"Molino", 50, EleccionLambda::Ambas,
                    {{"pavimento", 10, 98, CurvaEscrita{}}, {"bosque", 90, 55, TrazaTabla{TablaReferencia::General, 9, "C"}}},
                    {}};
    AplicarIdioma("English");
    const auto informe = InformeDeHoja(hoja, EvaluarHoja(hoja, datos), "m.tarvel", "2025-05-06");
    ASSERT_TRUE(informe);
    EXPECT_EQ(informe->titulo, "Catchment worksheet: Molino");
    using Datos = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(informe->datos, (Datos{{"File:", "m.tarvel"}, {"Date:", "2025-05-06"}, {"Number of sub-areas:", "2"},
                                     {"Total area (ha):", "100"}, {"Design storm depth P (mm):", "50"},
                                     {"Ratio λ:", std::string(Texto(kTextoHojaLambdaAmbas))}}));
    std::vector<std::string> secciones;
    std::vector<std::vector<std::vector<std::string>>> tablas;
    std::vector<std::string> notas;
    for (const auto& bloque : informe->bloques) {
        if (const auto* s = std::get_if<SeccionInforme>(&bloque)) secciones.push_back(s->titulo);
        if (const auto* t = std::get_if<TablaInforme>(&bloque)) tablas.push_back(t->filas);
        if (const auto* p = std::get_if<ParrafoInforme>(&bloque)) notas.push_back(p->texto);
    }
    EXPECT_EQ(secciones, (std::vector<std::string>{"Sub-areas and how their curve numbers were obtained",
                                                   "Composite curve number", "Design storm runoff, λ = 0.2 (P = 50 mm)",
                                                   "Design storm runoff, λ = 0.05 (P = 50 mm)"}));
    using Filas = std::vector<std::vector<std::string>>;
    ASSERT_EQ(tablas.size(), 4u);
    EXPECT_EQ(tablas[0], (Filas{{"1", "pavimento", "10", "10.00", "98", "Typed"},
                                {"2", "bosque", "90", "90.00", "55 ⚠", TextoOrigen(hoja.filas[1].origen, kIdiomaIngles)},
                                {"", "Catchment, area-weighted", "100", "100.00", "59.3", ""}}));
    EXPECT_EQ(tablas[1], (Filas{{"I", "38.0", "83.0"}, {"II", "59.3", "34.9"}, {"III", "77.0", "15.2"}}));
    EXPECT_EQ(tablas[2], (Filas{{"1", "pavimento", "98", "5.2", "1.0", "44.3"},
                                {"2", "bosque", "55", "207.8", "41.6", "0.3"},
                                {"", "Catchment, area-weighted", "", "", "", "4.7"}}));
    EXPECT_EQ(tablas[3], (Filas{{"1", "pavimento", "98", "5.4", "0.3", "44.8"},
                                {"2", "bosque", "55", "378.8", "18.9", "2.4"},
                                {"", "Catchment, area-weighted", "", "", "", "6.6"}}));
    EXPECT_EQ(notas.at(0), Texto(kTextoNotaTrazas));
    EXPECT_EQ(notas.at(1), "Row 2 (bosque): how its CN was obtained (row 9 of the tables, group C) gives 82, not the "
                           "stored 55; the stored one is used.");
    EXPECT_EQ(std::ranges::count(notas, "Area-weighted CN: 59.3; its Q: 1.2 mm. CN of the area-weighted Q: 68.1."), 1);
    EXPECT_EQ(std::ranges::count(notas, "Area-weighted CN: 59.3; its Q: 3.5 mm. CN of the area-weighted Q: 67.9."), 1);

    // One ratio: its table alone. No storm: none, and the storm line says so.
    hoja.lambda = EleccionLambda::Reducida;
    const auto reducida = InformeDeHoja(hoja, EvaluarHoja(hoja, datos), "m.tarvel", "2025-05-06");
    EXPECT_EQ(std::get<SeccionInforme>(reducida->bloques.at(7)).titulo, "Design storm runoff, λ = 0.05 (P = 50 mm)");
    EXPECT_EQ(std::get<TablaInforme>(reducida->bloques.at(8)).filas.back().back(), "6.6");
    EXPECT_EQ(reducida->bloques.size(), 11u);
    hoja.lluvia.reset();
    const auto seca = InformeDeHoja(hoja, EvaluarHoja(hoja, datos), "m.tarvel", "2025-05-06");
    EXPECT_EQ(seca->datos.back(), (std::pair<std::string, std::string>{"Design storm depth P (mm):", "none"}));
    EXPECT_EQ(seca->bloques.size(), 7u);
    hoja.filas.clear();
    EXPECT_EQ(ErrorDe(InformeDeHoja(hoja, EvaluarHoja(hoja, datos), "m.tarvel", "")), RechazoCuenca{FalloCuenca::SinFilas});
}

// The peak of TR-55's example 4-1 on the flow path of example 3-1, handed
// the catchment of two rows whose 101.17 ha (250 acres) weigh CN 70 and 80
// to 75; then the Témez worksheet by 5.2-IC on one row of 380 km²; then
// inputs the peak cannot be worked out of.
TEST_F(Cuenca, TheReportAddsThePeakOfTheWorksheetsCatchment) {
    AplicarIdioma("English");
    HojaCuenca hoja{"", std::nullopt, EleccionLambda::Clasica,
                    {{"a", 50.58570528, 70, CurvaEscrita{}}, {"b", 50.58570528, 80, CurvaEscrita{}}}, EntradasCaudal{}};
    auto& e = *hoja.caudal;
    e.tramos = {{TipoTramo::Laminar, Firme::SinPavimentar, 0.24, 30.48, 91.44, 0.01, {}, {}},
                {TipoTramo::Superficial, Firme::SinPavimentar, {}, 426.72, {}, 0.01, {}, {}},
                {},
                {TipoTramo::Cauce, Firme::SinPavimentar, 0.05, 2225.04, {}, 0.005, 2.50838, 8.59536}};
    e.periodos[3].lluvia = 152.4;
    e.periodos[5].lluvia = 250;
    using Filas = std::vector<std::vector<std::string>>;
    struct Leido {
        std::vector<std::string> textos;  // sections and paragraphs, in order
        std::vector<Filas> tablas;
    };
    const auto peak = [&hoja] {
        const auto informe = InformeDeHoja(hoja, EvaluarHoja(hoja, {}), "p.tarvel", "");
        Leido leido;
        // What comes after the composite's note.
        const auto desde = std::ranges::find_if(informe->bloques, [](const BloqueInforme& b) {
            return std::holds_alternative<ParrafoInforme>(b) && std::get<ParrafoInforme>(b).texto == Texto(kTextoNotaCompuesto);
        });
        for (auto b = desde + 1; b != informe->bloques.end(); ++b) {
            if (const auto* s = std::get_if<SeccionInforme>(&*b)) leido.textos.push_back(s->titulo);
            if (const auto* p = std::get_if<ParrafoInforme>(&*b)) leido.textos.push_back(p->texto);
            if (const auto* t = std::get_if<TablaInforme>(&*b)) leido.tablas.push_back(t->filas);
        }
        return leido;
    };
    auto r = peak();
    EXPECT_EQ(r.textos, (std::vector<std::string>{
                            "Peak discharge: TR-55 (NRCS, 1986), graphical method", "Time of concentration: 1.53 h",
                            "Peak discharge by return period", "Tc = 1.53 h · S = 84.7 mm · Ia = 0.2 S = 16.9 mm · Fp = 1.00", "Warnings:",
                            "• T = 500 years: Ia/P = 0.0677 is below 0.1, the first row of table F-1: that row was used."}));
    ASSERT_EQ(r.tablas.size(), 3u);
    EXPECT_EQ(r.tablas[0], (Filas{{"Area A (km²)", "1.0117141056"}, {"Curve number (condition II)", "75.0"},
                                  {"Rainfall distribution", "II"}, {"Pond and swamp areas (%)", "0"},
                                  {"Time of concentration", "Flow path, by segments"}}));
    // The empty third segment is no part of the path.
    EXPECT_EQ(r.tablas[1],
              (Filas{{"1", "Sheet flow", "Manning's n = 0.24 · L (m) = 30.48 · P2 (mm) = 91.44 · s (m/m) = 0.01", "0.0286", "0.296"},
                     {"2", "Shallow concentrated", "Unpaved · L (m) = 426.72 · s (m/m) = 0.01", "0.492", "0.241"},
                     {"4", "Channel", "Manning's n = 0.05 · a (m²) = 2.50838 · pw (m) = 8.59536 · s (m/m) = 0.005 · L (m) = 2225.04",
                      "0.622", "0.993"}}));
    EXPECT_EQ(r.tablas[2], (Filas{{"25", "152.4", "83.4", "0.111", "0.116", "9.75"}, {"500", "250", "171", "0.0677", "0.117", "20.2"}}));

    hoja.filas = {{"", 38000, 89.48, CurvaEscrita{}}};
    e.metodo = MetodoCaudal::IC;
    e.tiempoTecleado = true;
    e.tc = 2.32;
    e.i1id = 11.72;
    e.periodos[0].lluviaDiaria = 88.21;
    AplicarIdioma("");
    r = peak();
    EXPECT_EQ(r.tablas.at(0), (Filas{{"Área A (km²)", "380"}, {"P0ⁱ del número de curva (mm)", "5.97 (del NC 89.5)"},
                                     {"Coeficiente corrector β", "1"}, {"Índice de torrencialidad I1/Id", "11.72"},
                                     {"Tiempo de concentración", "Tecleado (h)"}, {"Tc (h)", "2.32"}}));
    EXPECT_EQ(r.tablas.at(1), (Filas{{"2", "88.21", "1", "", "3.04", "6.79", "20.7", "5.97", "0.733", "1869"}}));
    EXPECT_EQ(r.textos.back(), "• El área, 380 km², pasa de los 50 km² para los que la Instrucción 5.2-IC aplica el método racional.");

    // Without I1/Id, the peak says what it lacks; a computed tc beyond any range is refused.
    e.i1id.reset();
    EXPECT_EQ(peak().textos.at(2), "El caudal punta no puede calcularse con los datos guardados: falta Índice de torrencialidad I1/Id.");
    e.i1id = 11.72;
    e.tiempoTecleado = false;
    e.longitudCauce = 1e4;
    e.pendienteCauce = 1e-6;
    EXPECT_EQ(peak().textos.at(2), "El caudal punta no puede calcularse con los datos guardados: Tiempo de concentración "
                                   "= «4541»: debe ser un número mayor que 0 y no mayor que 1000.");
}

}  // namespace
}  // namespace tarvel
