#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "data/Datos.h"
#include "tests/Esperado.h"

namespace tarvel {
namespace {

namespace fs = std::filesystem;
using prueba::ErrorDe;

const fs::path kDatos = TARVEL_DATOS_DAT;

std::string Publicado() {
    std::ifstream entrada(kDatos, std::ios::binary);
    std::stringstream contenido;
    contenido << entrada.rdbuf();
    return contenido.str();
}

// The published file with line `linea` (1-based) replaced by `nueva`.
std::string ConLinea(int linea, const std::string& nueva, std::string bytes = Publicado()) {
    return bytes.replace(static_cast<std::size_t>(kBytesLinea) * (linea - 1), kBytesLinea, nueva);
}

TEST(DatosPublicados, RowsAndGroupsAsTheTablesGiveThem) {
    const std::tuple<int, int, std::string_view> casos[] = {
        {1, 1, "77"},  {1, 4, "94"},  {9, 3, "82"},  {39, 1, "06"}, {43, 1, "30"}, {57, 4, "92"},
        {58, 1, "-1"}, {58, 2, "80"}, {70, 1, "63"}, {72, 1, "49"}, {72, 4, "84"},
    };
    for (const auto& [fila, grupo, texto] : casos) {
        const auto valor = ValorNumeroCurva(kDatos, fila, grupo);
        ASSERT_TRUE(valor) << MensajeErrorDatos(valor.error(), 2);
        EXPECT_EQ(valor->texto, texto) << fila << "/" << grupo;
        EXPECT_EQ(valor->falta, texto == "-1") << fila << "/" << grupo;
    }
    const auto todas = LeerDatos(kDatos);
    ASSERT_TRUE(todas && todas->size() == 72u);
    for (int fila = 1; fila <= kFilasDatos; ++fila) EXPECT_EQ(LeerFilaDatos(kDatos, fila), (*todas)[fila - 1]) << fila;
}

TEST(DatosPublicados, ColourQuestionMarkAndTheSignOfRow43GroupA) {
    const std::tuple<ValorCurva, int, int, std::string_view, bool> casos[] = {
        {{"30", false}, 43, 1, "30≤", false}, {{"48", false}, 43, 2, "48", false}, {{"-1", true}, 43, 1, "?≤", true},
        {{"-1", true}, 58, 1, "?", true},     {{"30", false}, 42, 1, "30", false},
    };
    for (const auto& [valor, fila, grupo, texto, rojo] : casos) {
        const auto presentacion = PresentarNumeroCurva(valor, fila, grupo);
        EXPECT_EQ(presentacion.texto, texto) << fila << "/" << grupo;
        EXPECT_EQ(presentacion.rojo, rojo) << fila << "/" << grupo;
    }
}

// A data file of our own in a folder of its own, removed afterwards.
class ArchivoDePrueba : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* prueba = ::testing::UnitTest::GetInstance();
        mCarpeta = fs::temp_directory_path() /
                   ("tarvel-datos-" + std::to_string(prueba->random_seed()) + prueba->current_test_info()->name());
        fs::create_directories(mCarpeta);
        mRuta = RutaDatos(mCarpeta);
    }
    void TearDown() override { fs::remove_all(mCarpeta); }
    fs::path Escribir(const std::string& bytes) {
        std::ofstream(mRuta, std::ios::binary | std::ios::trunc) << bytes;
        return mRuta;
    }
    fs::path mCarpeta, mRuta;
};

TEST_F(ArchivoDePrueba, LastLineWithoutItsCrLfReadsAlike) {
    const auto ruta = Escribir(Publicado().substr(0, 934));
    EXPECT_EQ(LeerFilaDatos(ruta, 72), (FilaDatos{"49", "68", "79", "84"}));
    EXPECT_TRUE(LeerDatos(ruta));
}

// A broken file is never read around: both readers blame the line at fault,
// whichever row is asked for, and never return a neighbour's value.
TEST_F(ArchivoDePrueba, BrokenFilesNameTheLineAndTheFault) {
    using F = FalloDatos;
    const std::string bueno = Publicado();
    std::string soloLf;
    for (int fila = 1; fila <= kFilasDatos; ++fila) soloLf += bueno.substr(kBytesLinea * (fila - 1), 11) + "\n";
    struct Caso {
        std::string bytes;
        std::vector<int> filas;
        F fallo;
        int linea, campo = -1;
    };
    const Caso casos[] = {
        {"", {1}, F::Tamano, 0},
        {bueno.substr(0, kBytesLinea * 70), {1, 70, 72}, F::FaltanLineas, 70},
        {ConLinea(5, "7 86 91 94\r\n"), {1, 5, 6, 72}, F::LongitudLinea, 5},
        {ConLinea(5, "77  86 91 94\r\n"), {1, 5, 6, 72}, F::LongitudLinea, 5},
        // Line 5 one byte short, line 10 one byte long: 936 bytes, rows 6 to 10 displaced.
        {ConLinea(5, "7 86 91 94\r\n", ConLinea(10, "77  86 91 94\r\n")), {6, 8, 10}, F::LongitudLinea, 5},
        {soloLf, {30}, F::FinDeLinea, 1},
        {ConLinea(72, "49 68 79 84\n\n"), {72}, F::FinDeLinea, 72},  // made up to size by an empty line
        {ConLinea(9, "77 86 91 94\n\r"), {9}, F::FinDeLinea, 9},
        {ConLinea(9, "7x 86 91 94\r\n"), {9}, F::Campo, 9, 0},
        {ConLinea(9, "77 1- 91 94\r\n"), {9}, F::Campo, 9, 1},
        {ConLinea(9, "77 86 -2 94\r\n"), {9}, F::Campo, 9, 2},
        {ConLinea(9, "77 86 91 +4\r\n"), {9}, F::Campo, 9, 3},
        {ConLinea(9, "77\t86 91 94\r\n"), {9}, F::Separador, 9},
        {ConLinea(9, "77 86\t91 94\r\n"), {9}, F::Separador, 9},
        {ConLinea(9, "77 86 91,94\r\n"), {9}, F::Separador, 9},
        {bueno + "\r\n", {1}, F::LineaSobrante, 73},
        {bueno + " ", {72}, F::LineaSobrante, 73},
    };
    for (const auto& caso : casos) {
        const auto ruta = Escribir(caso.bytes);
        const auto todo = ErrorDe(LeerDatos(ruta));
        EXPECT_EQ(todo.fallo, caso.fallo) << caso.linea;
        EXPECT_EQ(todo.linea, caso.linea);
        for (int fila : caso.filas) {
            const auto error = ErrorDe(LeerFilaDatos(ruta, fila));
            EXPECT_EQ(error.fallo, caso.fallo) << caso.linea << ", row " << fila;
            EXPECT_EQ(error.linea, caso.linea) << "row " << fila;
            EXPECT_EQ(error.campo, caso.campo) << "row " << fila;
        }
    }
    EXPECT_EQ(ErrorDe(LeerFilaDatos(Escribir(casos[2].bytes), 6)).contenido, "12");  // the line's length
    EXPECT_EQ(ErrorDe(LeerDatos(Escribir(casos[3].bytes))).contenido, "14");
    // The rows around a displaced block, or around a broken field, still read.
    EXPECT_EQ(LeerFilaDatos(Escribir(casos[4].bytes), 11), (FilaDatos{"64", "74", "81", "85"}));
    EXPECT_EQ(ValorNumeroCurva(Escribir(casos[9].bytes), 8, 3).value().texto, "84");
}

TEST_F(ArchivoDePrueba, MissingFileAFolderInItsPlaceAndRowsOutsideTheFile) {
    EXPECT_EQ(ErrorDe(LeerFilaDatos(mRuta, 1)).fallo, FalloDatos::FaltaArchivo);
    EXPECT_EQ(ErrorDe(LeerDatos(mRuta)).fallo, FalloDatos::FaltaArchivo);
    fs::create_directory(mRuta);
    EXPECT_EQ(ErrorDe(LeerFilaDatos(mRuta, 1)).fallo, FalloDatos::NoLegible);
    for (int fila : {0, -1, 73, 32767}) EXPECT_EQ(ErrorDe(LeerFilaDatos(kDatos, fila)).fallo, FalloDatos::FilaInexistente);
}

// A message names the file, the line and the field, shows the field safely,
// and never fills in a mark found inside a path or a field.
TEST(MensajesDeDatos, NameTheFileTheLineAndTheField) {
    const ErrorDatos campo{FalloDatos::Campo, "/tmp/%l/Datos.dat", 9, 1, "%f\x01"};
    EXPECT_EQ(MensajeErrorDatos(campo, 2),
              "Data file “/tmp/%l/Datos.dat”, line 9, group B: “%f\\x01” is not a curve number "
              "(two digits, or -1 where there is no value).");
    EXPECT_NE(MensajeErrorDatos(campo, 1).find("«/tmp/%l/Datos.dat», línea 9, grupo B: «%f\\x01»"), std::string::npos);
}

}  // namespace
}  // namespace tarvel
