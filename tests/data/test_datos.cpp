#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "data/Datos.h"

namespace tarvel {
namespace {

namespace fs = std::filesystem;

std::string LeerBytes(const fs::path& ruta) {
    std::ifstream entrada(ruta, std::ios::binary);
    std::stringstream contenido;
    contenido << entrada.rdbuf();
    return contenido.str();
}

const fs::path kDatos = TARVEL_DATOS_DAT;

std::string Linea(int fila) { return LeerBytes(kDatos).substr(static_cast<std::size_t>(kBytesLinea) * (fila - 1), kBytesLinea); }

// A data file of our own in a folder of its own, removed afterwards.
class ArchivoDePrueba : public ::testing::Test {
protected:
    void SetUp() override {
        carpeta_ = fs::temp_directory_path() /
                   ("tarvel-datos-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(carpeta_);
    }
    void TearDown() override { fs::remove_all(carpeta_); }

    fs::path Escribir(const std::string& bytes) {
        const auto ruta = RutaDatos(carpeta_);
        std::ofstream(ruta, std::ios::binary | std::ios::trunc) << bytes;
        return ruta;
    }
    // The shipped file with line `linea` (1-based) replaced by `nueva`.
    fs::path ConLinea(int linea, const std::string& nueva) {
        auto bytes = LeerBytes(kDatos);
        bytes.replace(static_cast<std::size_t>(kBytesLinea) * (linea - 1), kBytesLinea, nueva);
        return Escribir(bytes);
    }

    fs::path carpeta_;
};

TEST(DatosPublicados, RowsAndGroupsAsTheTablesGiveThem) {
    struct Caso {
        int fila, grupo;
        std::string_view texto;
        bool falta;
    };
    const Caso casos[] = {
        {1, 1, "77", false},  {1, 4, "94", false},  {9, 3, "82", false},  {39, 1, "06", false},
        {43, 1, "30", false}, {43, 2, "48", false}, {57, 4, "92", false}, {58, 1, "-1", true},
        {58, 2, "80", false}, {70, 1, "63", false}, {72, 1, "49", false}, {72, 4, "84", false},
    };
    for (const auto& caso : casos) {
        const auto valor = ValorNumeroCurva(kDatos, caso.fila, caso.grupo);
        ASSERT_TRUE(valor) << MensajeErrorDatos(valor.error(), 2);
        EXPECT_EQ(valor->texto, caso.texto) << caso.fila << "/" << caso.grupo;
        EXPECT_EQ(valor->falta, caso.falta) << caso.fila << "/" << caso.grupo;
    }
    EXPECT_EQ(LeerBytes(kDatos).size(), 936u);
}

TEST(DatosPublicados, PositionalAndSequentialReadingAgree) {
    const auto todas = LeerDatos(kDatos);
    ASSERT_TRUE(todas) << MensajeErrorDatos(todas.error(), 2);
    ASSERT_EQ(todas->size(), 72u);
    for (int fila = 1; fila <= kFilasDatos; ++fila) {
        const auto una = LeerFilaDatos(kDatos, fila);
        ASSERT_TRUE(una) << fila;
        EXPECT_EQ(*una, (*todas)[fila - 1]) << fila;
    }
}

TEST(Presentacion, ColourQuestionMarkAndTheSignOfRow43GroupA) {
    struct Caso {
        ValorCurva valor;
        int fila, grupo;
        std::string_view texto;
        bool rojo;
    };
    const Caso casos[] = {
        {{"30", false}, 43, 1, "30≤", false}, {{"48", false}, 43, 2, "48", false},
        {{"73", false}, 43, 4, "73", false},  {{"-1", true}, 43, 1, "?≤", true},
        {{"-1", true}, 58, 1, "?", true},     {{"30", false}, 42, 1, "30", false},
        {{"06", false}, 39, 1, "06", false},
    };
    for (const auto& caso : casos) {
        const auto presentacion = PresentarNumeroCurva(caso.valor, caso.fila, caso.grupo);
        EXPECT_EQ(presentacion.texto, caso.texto) << caso.fila << "/" << caso.grupo;
        EXPECT_EQ(presentacion.rojo, caso.rojo) << caso.fila << "/" << caso.grupo;
    }
}

TEST_F(ArchivoDePrueba, LastLineWithoutItsCrLfReadsAlike) {
    auto bytes = LeerBytes(kDatos);
    bytes.resize(934);
    const auto ruta = Escribir(bytes);
    const auto fila = LeerFilaDatos(ruta, 72);
    ASSERT_TRUE(fila) << MensajeErrorDatos(fila.error(), 2);
    EXPECT_EQ(*fila, (FilaDatos{"49", "68", "79", "84"}));
    EXPECT_TRUE(LeerDatos(ruta));
}

TEST_F(ArchivoDePrueba, MissingFileOrFolderInItsPlace) {
    const auto ruta = RutaDatos(carpeta_);
    auto error = LeerFilaDatos(ruta, 1).error();
    EXPECT_EQ(error.fallo, FalloDatos::FaltaArchivo);
    EXPECT_NE(MensajeErrorDatos(error, 1).find(ruta.string()), std::string::npos);
    EXPECT_EQ(LeerDatos(ruta).error().fallo, FalloDatos::FaltaArchivo);

    fs::create_directory(ruta);
    EXPECT_EQ(LeerFilaDatos(ruta, 1).error().fallo, FalloDatos::NoLegible);
}

TEST_F(ArchivoDePrueba, ShortFileNamesWhereItEnds) {
    const auto ruta = Escribir(LeerBytes(kDatos).substr(0, kBytesLinea * 70));
    for (int fila : {1, 70, 72}) {
        const auto error = LeerFilaDatos(ruta, fila).error();
        EXPECT_EQ(error.fallo, FalloDatos::FaltanLineas);
        EXPECT_EQ(error.linea, 70);
    }
    const auto vacio = Escribir("");
    EXPECT_EQ(LeerFilaDatos(vacio, 1).error().fallo, FalloDatos::Tamano);
    EXPECT_EQ(LeerDatos(vacio).error().fallo, FalloDatos::Tamano);
}

// A line one byte short or long would move every later row: the reader blames
// that line, never returns the neighbour's value.
TEST_F(ArchivoDePrueba, TwelveOrFourteenByteLineIsNamed) {
    for (const std::string& linea : {std::string("7 86 91 94\r\n"), std::string("77  86 91 94\r\n")}) {
        const auto ruta = ConLinea(5, linea);
        for (int fila : {1, 5, 6, 72}) {
            const auto error = LeerFilaDatos(ruta, fila);
            ASSERT_FALSE(error) << fila;
            EXPECT_EQ(error.error().fallo, FalloDatos::LongitudLinea);
            EXPECT_EQ(error.error().linea, 5);
            EXPECT_EQ(error.error().contenido, std::to_string(linea.size()));
        }
    }
}

TEST_F(ArchivoDePrueba, ShiftsThatCancelStillNeverGiveAnotherRow) {
    // Line 5 one byte short, line 10 one byte long: 936 bytes, rows 6 to 10 displaced.
    auto bytes = LeerBytes(kDatos);
    bytes.replace(kBytesLinea * 9, kBytesLinea, "77  86 91 94\r\n");
    bytes.replace(kBytesLinea * 4, kBytesLinea, "7 86 91 94\r\n");
    ASSERT_EQ(bytes.size(), 936u);
    const auto ruta = Escribir(bytes);
    for (int fila = 6; fila <= 10; ++fila) {
        const auto error = LeerFilaDatos(ruta, fila);
        ASSERT_FALSE(error) << fila;
        EXPECT_EQ(error.error().linea, 5) << fila;
    }
    EXPECT_EQ(*LeerFilaDatos(ruta, 3), (FilaDatos{"74", "83", "88", "90"}));
    EXPECT_EQ(*LeerFilaDatos(ruta, 11), (FilaDatos{"64", "74", "81", "85"}));
    EXPECT_EQ(LeerDatos(ruta).error().linea, 5);
}

TEST_F(ArchivoDePrueba, LfOnlyLineEnds) {
    std::string bytes;
    for (int fila = 1; fila <= kFilasDatos; ++fila) bytes += Linea(fila).substr(0, 11) + "\n";
    const auto ruta = Escribir(bytes);
    const auto error = LeerFilaDatos(ruta, 30).error();
    EXPECT_EQ(error.fallo, FalloDatos::FinDeLinea);
    EXPECT_EQ(error.linea, 1);

    // One LF-only line among good ones, the file made up to size by a longer one.
    auto mezcla = LeerBytes(kDatos);
    mezcla.replace(kBytesLinea * 71, kBytesLinea, "49 68 79 84\n\n");
    EXPECT_EQ(LeerFilaDatos(Escribir(mezcla), 72).error().fallo, FalloDatos::FinDeLinea);
}

TEST_F(ArchivoDePrueba, FieldsThatAreNotCurveNumbers) {
    struct Caso {
        std::string linea;
        FalloDatos fallo;
        int campo;
    };
    const Caso casos[] = {
        {"7x 86 91 94\r\n", FalloDatos::Campo, 0},   {"77 86 91 +4\r\n", FalloDatos::Campo, 3},
        {"77 1- 91 94\r\n", FalloDatos::Campo, 1},   {"77 86 -2 94\r\n", FalloDatos::Campo, 2},
        {"77\t86 91 94\r\n", FalloDatos::Separador, -1}, {"77,86,91,94\r\n", FalloDatos::Separador, -1},
        {"77 86 91 94\n\r", FalloDatos::FinDeLinea, -1},
    };
    for (const auto& caso : casos) {
        const auto ruta = ConLinea(9, caso.linea);
        const auto error = ValorNumeroCurva(ruta, 9, 3);
        ASSERT_FALSE(error) << caso.linea;
        EXPECT_EQ(error.error().fallo, caso.fallo) << caso.linea;
        EXPECT_EQ(error.error().linea, 9) << caso.linea;
        EXPECT_EQ(error.error().campo, caso.campo) << caso.linea;
        // The other rows are not touched by it.
        EXPECT_EQ(ValorNumeroCurva(ruta, 8, 3)->texto, "84");
    }
}

TEST_F(ArchivoDePrueba, AnythingAfterRow72) {
    for (const std::string& resto : {std::string("\r\n"), std::string("10 20 30 40\r\n"), std::string(" ")}) {
        const auto ruta = Escribir(LeerBytes(kDatos) + resto);
        const auto error = LeerFilaDatos(ruta, 1).error();
        EXPECT_EQ(error.fallo, FalloDatos::LineaSobrante) << resto;
        EXPECT_EQ(error.linea, 73);
        EXPECT_EQ(LeerDatos(ruta).error().fallo, FalloDatos::LineaSobrante);
    }
}

TEST(DatosPublicados, RowsOutsideTheFile) {
    for (int fila : {0, -1, 73, 32767}) {
        const auto error = LeerFilaDatos(kDatos, fila);
        ASSERT_FALSE(error);
        EXPECT_EQ(error.error().fallo, FalloDatos::FilaInexistente);
    }
}

TEST(MensajesDeDatos, NameTheFileTheLineAndTheFaultInBothLanguages) {
    const ErrorDatos linea{FalloDatos::LongitudLinea, "/opt/tarvel/Datos.dat", 5, -1, "12"};
    EXPECT_EQ(MensajeErrorDatos(linea, 1),
              "Archivo de datos «/opt/tarvel/Datos.dat», línea 5: tiene 12 bytes y cada línea debe tener 13 "
              "(cuatro valores de dos caracteres separados por un espacio, y CR LF).");
    EXPECT_EQ(MensajeErrorDatos(linea, 2),
              "Data file “/opt/tarvel/Datos.dat”, line 5: it is 12 bytes long and every line must be 13 "
              "(four two-character values separated by one space, then CR LF).");

    // A field is shown safely, and a mark inside a path or a field is not filled in.
    const ErrorDatos campo{FalloDatos::Campo, "/tmp/%l/Datos.dat", 9, 1, "%f\x01"};
    EXPECT_EQ(MensajeErrorDatos(campo, 2),
              "Data file “/tmp/%l/Datos.dat”, line 9, group B: “%f\\x01” is not a curve number "
              "(two digits, or -1 where there is no value).");
}

}  // namespace
}  // namespace tarvel
