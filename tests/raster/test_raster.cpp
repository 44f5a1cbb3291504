// Curve-number maps on small rasters the tests write through GDAL: every
// cell against the data file's value for its code and group, every empty cell
// accounted for, and no output under its final name unless the run completed.
#include <gdal_priv.h>
#include <gtest/gtest.h>
#include <ogr_spatialref.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <tuple>

#include "app/Idioma.h"
#include "app/TablaTextos.h"
#include "hydrology/Conversion.h"
#include "raster/MapaNumeroCurva.h"

namespace tarvel::raster {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTabla =
    "code,Row,vegetation,treatment,condition,name\n"
    "1,9,,,,row crops contoured good\n"
    "2,,7,-1,1,\"brush, good\"\n"     // row 43
    "3,58,,,,arid herbaceous poor\n"  // no value for group A
    "40,52,10,-1,3,woods class III\n";

struct Rejilla {
    int w = 37, h = 29;
    std::array<double, 6> gt{500000, 30, 0, 4200000, 0, -30};
    int epsg = 25830;
    int bloque = 0;  // tile side; 0: strips
    int bandas = 1;  // band b holds the values of band 1 plus 10 * (b - 1)
};

fs::path Escribir(const fs::path& ruta, GDALDataType tipo, const Rejilla& r, std::optional<double> sinDato,
                  const std::function<std::int64_t(int, int)>& valor) {
    GDALAllRegister();
    CPLStringList opciones;
    if (r.bloque > 0) {
        opciones.SetNameValue("TILED", "YES");
        opciones.SetNameValue("BLOCKXSIZE", std::to_string(r.bloque).c_str());
        opciones.SetNameValue("BLOCKYSIZE", std::to_string(r.bloque).c_str());
    }
    GDALDatasetUniquePtr ds(GetGDALDriverManager()->GetDriverByName("GTiff")->Create(ruta.c_str(), r.w, r.h, r.bandas,
                                                                                       tipo, opciones.List()));
    std::array<double, 6> gt = r.gt;
    ds->SetGeoTransform(gt.data());
    OGRSpatialReference srs;
    srs.importFromEPSG(r.epsg);
    ds->SetSpatialRef(&srs);
    for (int b = 1; b <= r.bandas; ++b) {
        GDALRasterBand* banda = ds->GetRasterBand(b);
        if (sinDato) banda->SetNoDataValue(*sinDato);
        std::vector<std::int64_t> valores;
        for (int y = 0; y < r.h; ++y) {
            for (int x = 0; x < r.w; ++x) valores.push_back(valor(x, y) + 10 * (b - 1));
        }
        EXPECT_EQ(banda->RasterIO(GF_Write, 0, 0, r.w, r.h, valores.data(), r.w, r.h, GDT_Int64, 0, 0, nullptr),
                  CE_None);
    }
    return ruta;
}

template <class T>
std::vector<T> Leer(const fs::path& ruta, GDALDataType tipo) {
    GDALDatasetUniquePtr ds(GDALDataset::Open(ruta.c_str(), GDAL_OF_RASTER));
    if (!ds) return {};
    std::vector<T> valores(static_cast<std::size_t>(ds->GetRasterXSize()) * ds->GetRasterYSize());
    EXPECT_EQ(ds->GetRasterBand(1)->RasterIO(GF_Read, 0, 0, ds->GetRasterXSize(), ds->GetRasterYSize(), valores.data(),
                                             ds->GetRasterXSize(), ds->GetRasterYSize(), tipo, 0, 0, nullptr),
              CE_None);
    return valores;
}

class Mapa : public ::testing::Test {
protected:
    void SetUp() override {
        FijarIdioma(kIdiomaIngles);
        std::string prueba = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::ranges::replace(prueba, '/', '-');  // parameterised tests are named "Name/Case"
        mCarpeta = fs::temp_directory_path() / ("tarvel-raster-" + std::to_string(::getpid()) + "-" + prueba);
        fs::remove_all(mCarpeta);
        fs::create_directories(mCarpeta);
        mParametros.datos = LeerDatos(TARVEL_DATOS_DAT).value();
        mParametros.tabla = AnalizarTablaCobertura(kTabla).value();
        mParametros.numeroCurva = mCarpeta / "cn.tif";
    }
    void TearDown() override {
        FijarIdioma(kIdiomaEspanol);
        fs::remove_all(mCarpeta);
    }
    // Nothing but the inputs is left in the folder.
    void SinSalidas() {
        for (const auto& e : fs::directory_iterator(mCarpeta)) {
            EXPECT_TRUE(e.path() == mParametros.cobertura || e.path() == mParametros.suelo ||
                        e.path() == mParametros.archivoTabla)
                << e.path();
        }
    }
    void Entradas(const Rejilla& cob, const Rejilla& sue) {
        mParametros.cobertura = Escribir(mCarpeta / "lc.tif", GDT_Byte, cob, 0, [](int x, int) { return x % 3 + 1; });
        mParametros.suelo = Escribir(mCarpeta / "hsg.tif", GDT_Byte, sue, 255, [](int, int y) { return y % 4 + 1; });
    }
    fs::path mCarpeta;
    PeticionMapa mParametros;
};

// Each land-cover code beside each soil value, types and block layouts varied.
struct Caso {
    GDALDataType tipoCobertura, tipoSuelo;
    int bloque;
    CondicionHumedad condicion;
    GruposDuales duales;
    Lambda lambda;
    double sinDatoCobertura, sinDatoSuelo;
};

// "Int32_Int16_tiles32_III_drained_lambda02": the case as a test's name and in a failure's message.
std::string Nombre(const Caso& c) {
    std::ostringstream nombre;
    nombre << GDALGetDataTypeName(c.tipoCobertura) << '_' << GDALGetDataTypeName(c.tipoSuelo) << '_'
           << (c.bloque > 0 ? "tiles" + std::to_string(c.bloque) : std::string("strips")) << '_'
           << (c.condicion == CondicionHumedad::I ? "I" : c.condicion == CondicionHumedad::II ? "II" : "III") << '_'
           << (c.duales == GruposDuales::Drenados ? "drained" : "undrained") << '_'
           << (c.lambda == Lambda::Clasica ? "lambda02" : "lambda005");
    return nombre.str();
}
void PrintTo(const Caso& c, std::ostream* os) {
    *os << Nombre(c) << ", no-data " << c.sinDatoCobertura << " and " << c.sinDatoSuelo;
}

class Celdas : public Mapa, public ::testing::WithParamInterface<Caso> {};

TEST_P(Celdas, EveryCellIsTheDataFileValueOfItsCodeAndGroup) {
    const Caso& c = GetParam();
    const std::vector<std::int64_t> codigos{static_cast<std::int64_t>(c.sinDatoCobertura), 1, 2, 3, 40, 7};
    const std::vector<std::int64_t> suelos{1, 2, 3, 4, 11, 12, 13, 14, 0, 9, static_cast<std::int64_t>(c.sinDatoSuelo)};
    const auto combinacion = [&](int x, int y) {
        return static_cast<std::size_t>(x * 7 + y * 3) % (codigos.size() * suelos.size());
    };
    const Rejilla r{.bloque = c.bloque};
    mParametros.cobertura = Escribir(mCarpeta / "lc.tif", c.tipoCobertura, r, c.sinDatoCobertura,
                            [&](int x, int y) { return codigos[combinacion(x, y) / suelos.size()]; });
    mParametros.suelo = Escribir(mCarpeta / "hsg.tif", c.tipoSuelo, r, c.sinDatoSuelo,
                        [&](int x, int y) { return suelos[combinacion(x, y) % suelos.size()]; });
    mParametros.umbral = mCarpeta / "p0.tif";
    mParametros.escorrentia = mCarpeta / "q.tif";
    mParametros.lluvia = 50;
    mParametros.condicion = c.condicion;
    mParametros.duales = c.duales;
    mParametros.lambda = c.lambda;
    mParametros.hilos = 3;
    const auto recuento = GenerarMapa(mParametros);
    ASSERT_TRUE(recuento) << MensajeErrorMapa(recuento.error());

    const auto cn = Leer<std::uint8_t>(mParametros.numeroCurva, GDT_Byte);
    const auto umbral = Leer<float>(mParametros.umbral, GDT_Float32);
    const auto q = Leer<float>(mParametros.escorrentia, GDT_Float32);
    const std::map<std::int64_t, int> filas{{1, 9}, {2, 43}, {3, 58}, {40, 52}};
    Recuento esperado;
    for (int y = 0; y < r.h; ++y) {
        for (int x = 0; x < r.w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * r.w + x);
            const std::int64_t codigo = codigos[combinacion(x, y) / suelos.size()];
            const std::int64_t suelo = suelos[combinacion(x, y) % suelos.size()];
            const int grupo = suelo <= 4                           ? static_cast<int>(suelo)
                              : c.duales == GruposDuales::Drenados ? static_cast<int>(suelo - 10)
                                                                   : 4;
            std::optional<double> numero;
            ++esperado.celdas;
            if (codigo == codigos[0]) {
                ++esperado.sinDatoCobertura;
            } else if (suelo == suelos.back()) {
                ++esperado.sinDatoSuelo;
            } else if (suelo == 0 || suelo == 9) {
                ++esperado.valoresSuelo[suelo];
            } else if (!filas.contains(codigo)) {
                ++esperado.codigosDesconocidos[codigo];
            } else if (const auto v = ValorNumeroCurva(TARVEL_DATOS_DAT, filas.at(codigo), grupo).value(); v.falta) {
                ++esperado.sinValor[{codigo, grupo}];
            } else {
                numero = std::stoi(v.texto);
                if (c.condicion == CondicionHumedad::I) numero = Ncondicion1(*numero).value();
                if (c.condicion == CondicionHumedad::III) numero = Ncondicion3(*numero).value();
                ++esperado.conNumero;
            }
            SCOPED_TRACE(testing::Message() << "cell " << x << "," << y << " code " << codigo << " soil " << suelo);
            if (!numero) {
                EXPECT_EQ(cn[i], kSinDatoNumeroCurva);
                EXPECT_EQ(umbral[i], kSinDatoMilimetros);
                EXPECT_EQ(q[i], kSinDatoMilimetros);
                continue;
            }
            const auto e = CalcularEscorrentia(*numero, 50, c.lambda).value();
            EXPECT_EQ(cn[i], std::lround(*numero));
            EXPECT_FLOAT_EQ(umbral[i], c.lambda == Lambda::Clasica ? UmbralEscorrentia(*numero).value() : e.Ia);
            EXPECT_FLOAT_EQ(q[i], e.Q);
        }
    }
    EXPECT_EQ(recuento->celdas, esperado.celdas);
    EXPECT_EQ(recuento->conNumero, esperado.conNumero);
    EXPECT_EQ(recuento->sinDatoCobertura, esperado.sinDatoCobertura);
    EXPECT_EQ(recuento->sinDatoSuelo, esperado.sinDatoSuelo);
    EXPECT_EQ(recuento->valoresSuelo, esperado.valoresSuelo);
    EXPECT_EQ(recuento->codigosDesconocidos, esperado.codigosDesconocidos);
    EXPECT_EQ(recuento->sinValor, esperado.sinValor);
}

INSTANTIATE_TEST_SUITE_P(TiposYBloques, Celdas,
                         ::testing::Values(Caso{GDT_Byte, GDT_Byte, 0, CondicionHumedad::II, GruposDuales::Drenados,
                                                Lambda::Clasica, 0, 255},
                                           Caso{GDT_UInt16, GDT_Byte, 16, CondicionHumedad::I, GruposDuales::NoDrenados,
                                                Lambda::Reducida, 65535, 200},
                                           Caso{GDT_Int32, GDT_Int16, 32, CondicionHumedad::III, GruposDuales::Drenados,
                                                Lambda::Clasica, -9999, -1},
                                           Caso{GDT_Int16, GDT_UInt32, 0, CondicionHumedad::II,
                                                GruposDuales::NoDrenados, Lambda::Reducida, -1, 4000000000.0}),
                         [](const ::testing::TestParamInfo<Caso>& caso) { return Nombre(caso.param); });

TEST_F(Mapa, OutputsShareTheInputGridAndAreTiledAndCompressed) {
    Entradas({.bloque = 16}, {.bloque = 16});
    mParametros.umbral = mCarpeta / "p0.tif";
    ASSERT_TRUE(GenerarMapa(mParametros));
    GDALDatasetUniquePtr entrada(GDALDataset::Open(mParametros.cobertura.c_str(), GDAL_OF_RASTER));
    for (const auto& [ruta, sinDato] : {std::pair{mParametros.numeroCurva, 255.0}, std::pair{mParametros.umbral, -9999.0}}) {
        GDALDatasetUniquePtr salida(GDALDataset::Open(ruta.c_str(), GDAL_OF_RASTER));
        ASSERT_TRUE(salida);
        std::array<double, 6> g1{}, g2{};
        entrada->GetGeoTransform(g1.data());
        salida->GetGeoTransform(g2.data());
        EXPECT_EQ(g1, g2);
        EXPECT_EQ(salida->GetRasterXSize(), entrada->GetRasterXSize());
        EXPECT_EQ(salida->GetRasterYSize(), entrada->GetRasterYSize());
        EXPECT_TRUE(salida->GetSpatialRef()->IsSame(entrada->GetSpatialRef()));
        EXPECT_STREQ(salida->GetMetadataItem("COMPRESSION", "IMAGE_STRUCTURE"), "DEFLATE");
        int bx = 0, by = 0;
        salida->GetRasterBand(1)->GetBlockSize(&bx, &by);
        EXPECT_EQ(bx, 16);
        EXPECT_EQ(salida->GetRasterBand(1)->GetNoDataValue(), sinDato);
    }
}

TEST_F(Mapa, InputsOffTheGridAreRefusedWithTheDifferenceAndTheCommandToAlign) {
    struct Desalineado {
        Rejilla suelo;
        std::string_view diferencia;
    };
    // Each dimension of the grid on its own.
    for (const auto& [suelo, diferencia] :
         {Desalineado{{.w = 36}, "size 37 × 29 cells (land cover) against 36 × 29"},
          Desalineado{{.h = 30}, "size 37 × 29 cells (land cover) against 37 × 30"},
          Desalineado{{.gt = {500015, 30, 0, 4200000, 0, -30}}, "origin (500000, 4200000) against (500015, 4200000)"},
          Desalineado{{.gt = {500000, 30, 0, 4199985, 0, -30}}, "origin (500000, 4200000) against (500000, 4199985)"},
          Desalineado{{.gt = {500000, 25, 0, 4200000, 0, -30}}, "cell size 30 × 30 against 25 × 30"},
          Desalineado{{.gt = {500000, 30, 0, 4200000, 0, -25}}, "cell size 30 × 30 against 30 × 25"},
          Desalineado{{.gt = {500000, 30, 0.5, 4200000, 0, -30}}, "cell rotation 0, 0 against 0.5, 0"},
          Desalineado{{.epsg = 4326},
                      "projection “ETRS89 / UTM zone 30N (EPSG:25830)” against “WGS 84 (EPSG:4326)”"}}) {
        Entradas({}, suelo);
        const auto resultado = GenerarMapa(mParametros);
        ASSERT_FALSE(resultado) << diferencia;
        const std::string mensaje = MensajeErrorMapa(resultado.error());
        EXPECT_NE(mensaje.find(diferencia), std::string::npos) << mensaje;
        EXPECT_NE(mensaje.find("gdalwarp -t_srs EPSG:25830 -te 500000 4199130 501110 4200000 -ts 37 29 -r near "),
                  std::string::npos)
            << mensaje;
        SinSalidas();
    }
    // Files written by different programs may differ in the last digits.
    Entradas({}, {.gt = {500000.00001, 30.0000000000001, 0, 4200000, 0, -30}});
    EXPECT_TRUE(GenerarMapa(mParametros));
}

TEST_F(Mapa, DamagedTruncatedOrNonWholeInputsAreRefusedAndLeaveNothing) {
    const Rejilla grande{.w = 600, .h = 600, .bloque = 64};
    for (const FalloMapa fallo : {FalloMapa::Abrir, FalloMapa::Leer, FalloMapa::Tipo}) {
        Entradas(grande, grande);
        if (fallo == FalloMapa::Abrir) {
            std::fstream(mParametros.cobertura, std::ios::in | std::ios::out | std::ios::binary).write("garbage!", 8);
        } else if (fallo == FalloMapa::Leer) {
            fs::resize_file(mParametros.cobertura, fs::file_size(mParametros.cobertura) * 2 / 3);
        } else {
            Escribir(mParametros.cobertura, GDT_Float32, grande, {}, [](int, int) { return 1; });
        }
        const auto resultado = GenerarMapa(mParametros);
        ASSERT_FALSE(resultado);
        EXPECT_EQ(resultado.error().fallo, fallo) << MensajeErrorMapa(resultado.error());
        SinSalidas();
    }
}

TEST_F(Mapa, UnknownCodeIsCountedOrUnderStrictAnErrorThatWritesNothing) {
    mParametros.tabla = AnalizarTablaCobertura("code,row\n1,9\n2,43\n").value();  // code 3 is not listed
    Entradas({}, {});
    const auto recuento = GenerarMapa(mParametros);
    ASSERT_TRUE(recuento);
    EXPECT_EQ(recuento->codigosDesconocidos, (std::map<std::int64_t, std::uint64_t>{{3, 12 * 29}}));
    fs::remove(mParametros.numeroCurva);
    mParametros.estricto = true;
    const auto estricto = GenerarMapa(mParametros);
    ASSERT_FALSE(estricto);
    EXPECT_EQ(estricto.error().fallo, FalloMapa::Estricto);
    EXPECT_GT(estricto.error().recuento.codigosDesconocidos.at(3), 0u);
    SinSalidas();
}

TEST_F(Mapa, AStoppedRunLeavesWhatHadTheFinalNameUntouched) {
    Entradas({.w = 200, .h = 200, .bloque = 16}, {.w = 200, .h = 200, .bloque = 16});
    std::ofstream(mParametros.numeroCurva) << "older map";
    // Stops the run as soon as it has written its first block.
    struct Impaciente : Seguimiento {
        void Avance(double) override { detener = true; }
        bool Cancelado() const override { return detener; }
        std::atomic<bool> detener{false};
    } impaciente;
    mParametros.seguimiento = &impaciente;
    const auto resultado = GenerarMapa(mParametros);
    ASSERT_FALSE(resultado);
    EXPECT_EQ(resultado.error().fallo, FalloMapa::Interrumpido);
    std::string contenido;
    std::getline(std::ifstream(mParametros.numeroCurva), contenido);
    EXPECT_EQ(contenido, "older map");
    fs::remove(mParametros.numeroCurva);
    SinSalidas();
}

// Every input, and an output already named, against each output, by any spelling of its path.
TEST_F(Mapa, AnOutputNamedAsAnyInputIsRefusedAndTheInputsStayAsTheyWere) {
    Entradas({}, {});
    mParametros.archivoTabla = mCarpeta / "map.csv";
    std::ofstream(mParametros.archivoTabla) << kTabla;
    const auto tamanos = [&] {
        return std::array{fs::file_size(mParametros.cobertura), fs::file_size(mParametros.suelo),
                          fs::file_size(mParametros.archivoTabla)};
    };
    const auto antes = tamanos();
    struct Caso {
        fs::path PeticionMapa::*salida;
        fs::path nombre;
        std::string_view roles;
    };
    for (const auto& [salida, nombre, roles] :
         {Caso{&PeticionMapa::numeroCurva, "lc.tif", "--landcover and --out"},
          Caso{&PeticionMapa::umbral, "./hsg.tif", "--soil and --threshold"},
          Caso{&PeticionMapa::escorrentia, "x/../map.csv", "--map and --runoff"},
          Caso{&PeticionMapa::numeroCurva, "map.csv", "--map and --out"},
          Caso{&PeticionMapa::umbral, "cn.tif", "--out and --threshold"}}) {
        PeticionMapa p = mParametros;
        p.numeroCurva = mCarpeta / "cn.tif";
        p.lluvia = 50;
        p.*salida = mCarpeta / nombre;
        fs::create_directories(mCarpeta / "x");
        const auto resultado = GenerarMapa(p);
        fs::remove(mCarpeta / "x");
        ASSERT_FALSE(resultado) << roles;
        EXPECT_EQ(MensajeErrorMapa(resultado.error()),
                  "The file “" + (mCarpeta / nombre).string() + "” is given twice (" + std::string(roles) + ").");
        EXPECT_EQ(tamanos(), antes);
        SinSalidas();
    }
}

// A raster of several bands is read at the band chosen, and only then.
TEST_F(Mapa, ARasterOfSeveralBandsNeedsItsBandChosen) {
    Entradas({.bandas = 2}, {.bandas = 3});
    auto resultado = GenerarMapa(mParametros);
    ASSERT_FALSE(resultado);
    EXPECT_EQ(MensajeErrorMapa(resultado.error()),
              "The raster “" + mParametros.cobertura.string() + "” has 2 bands: choose the one to read with " +
                  "--landcover-band.");
    mParametros.bandaCobertura = 2;
    resultado = GenerarMapa(mParametros);
    ASSERT_FALSE(resultado);
    EXPECT_EQ(resultado.error().fallo, FalloMapa::VariasBandas);
    EXPECT_EQ(resultado.error().rol, "--soil-band");
    mParametros.bandaSuelo = 4;
    resultado = GenerarMapa(mParametros);
    ASSERT_FALSE(resultado);
    EXPECT_EQ(MensajeErrorMapa(resultado.error()),
              "The raster “" + mParametros.suelo.string() + "” has 3 band(s): there is no band 4.");
    SinSalidas();
    // Band 2 of the land cover holds the codes 11 to 13, none in the table;
    // band 1 of the soil groups holds 1 to 4, band 3 holds 21 to 24, no group.
    for (const auto& [bandaCobertura, bandaSuelo, desconocidos, sinGrupo] :
         {std::tuple{1, 1, 0u, 0u}, std::tuple{2, 1, 37u * 29u, 0u}, std::tuple{1, 3, 0u, 37u * 29u}}) {
        mParametros.bandaCobertura = bandaCobertura;
        mParametros.bandaSuelo = bandaSuelo;
        fs::remove(mParametros.numeroCurva);
        const auto recuento = GenerarMapa(mParametros);
        ASSERT_TRUE(recuento) << MensajeErrorMapa(recuento.error());
        std::uint64_t codigos = 0, suelos = 0;
        for (const auto& [codigo, celdas] : recuento->codigosDesconocidos) codigos += codigo > 10 ? celdas : 0;
        for (const auto& [valor, celdas] : recuento->valoresSuelo) suelos += valor > 20 ? celdas : 0;
        EXPECT_EQ(codigos, desconocidos) << bandaCobertura << "," << bandaSuelo;
        EXPECT_EQ(suelos, sinGrupo) << bandaCobertura << "," << bandaSuelo;
    }
}

// Lookup tables refused before any cell is read, with the line at fault.
TEST(TablaCobertura, EveryFaultNamesItsLine) {
    FijarIdioma(kIdiomaIngles);
    struct Mala {
        std::string_view csv;
        std::string_view mensaje;
    };
    for (const auto& [csv, mensaje] : std::initializer_list<Mala>{
             {"code,row\n1,9\n\n2,10\n1,11\n", "Lookup table “m.csv”, line 5: code 1 is already listed on line 2."},
             {"code,row\n1,73\n", "line 2: row “73” does not exist; the rows of the data file are 1 to 72."},
             {"code,row,name\r\n1,9,\"two\r\nlines\"\r\n1,10", "line 4: code 1 is already listed on line 2."},
             {"code,row\n1,0\n", "line 2: row “0” does not exist"},
             {"\xEF\xBB\xBF"
              "Code,vegetation,treatment,condition\r\n1,1,0,1\r\n",
              "line 2: the answers “1,0,1” designate no row of the tables"},
             {"code,vegetation,treatment,condition\n1,19,-1,0\n", "line 2: the answers “19,-1,0” designate no row"},
             {"code,row,vegetation,treatment,condition\n1,10,1,4,1\n",
              "line 2: row 10 is not the one the answers “1,4,1” designate (row 9)."},
             {"code,row\n1.5,9\n", "line 2: “1.5” is not a land-cover code (a whole number)."},
             {"code,row,name\n1,,x\n", "line 2: code 1 has neither a row nor answers."},
             {"id,row\n1,9\n", "line 1: the header has no “code” column."},
             {"code,vegetation\n1,9\n", "line 1: the header must have a “row” column or the columns"},
             {"code,row,CODE\n1,9,1\n", "line 1: the column “code” appears twice."},
             {"code,row\n1,9\n2,\"10\n", "line 3: it cannot be read as CSV"},
             {"code,row\n1,9\n2,1\"0\n", "line 3: it cannot be read as CSV"},
             {"code,row\n,,\n", "Lookup table “m.csv”: it lists no code."},
             // As a batch file: more fields than the header, the ";" form, Windows-1252.
             {"code,row\n1,9\n2,10,x\n", "line 3: the line has 3 fields and the header 2."},
             {"code;row;name\n1;9;\"a; b\"\n2;10;x;y\n", "line 3: the line has 4 fields and the header 3."},
             {"code;row\n1,5;9\n", "line 2: “1,5” is not a land-cover code"},
             {"code,row\nPe\xF1" "as,9\n", "line 2: “Peñas” is not a land-cover code"}}) {
        const auto tabla = AnalizarTablaCobertura(csv);
        ASSERT_FALSE(tabla) << csv;
        const std::string texto = MensajeErrorTabla(tabla.error(), "m.csv");
        EXPECT_NE(texto.find(mensaje), std::string::npos) << texto;
    }
    FijarIdioma(kIdiomaEspanol);
}

TEST(TablaCobertura, TheSemicolonFormIsReadByItsHeader) {
    const auto tabla = AnalizarTablaCobertura("code;row;vegetation;treatment;condition;name\r\n"
                                              "40;;7;-1;2;brush, fair\r\n"
                                              " 11 ; 56 ;;;;\r\n");
    ASSERT_TRUE(tabla);
    ASSERT_EQ(tabla->entradas.size(), 2u);
    EXPECT_EQ(tabla->entradas[0].codigo, 11);
    EXPECT_EQ(tabla->entradas[0].fila, 56);
    EXPECT_EQ(tabla->entradas[1].fila, 42);
    EXPECT_EQ(tabla->entradas[1].linea, 2);
}

}  // namespace
}  // namespace tarvel::raster
