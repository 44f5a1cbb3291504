#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "determination/Clasificacion.h"

namespace tarvel {
namespace {

const std::filesystem::path kDatos = TARVEL_DATOS_DAT;

// Every row of the two reference tables with the answers that designate it:
// vegetation entry, treatment (-1 where none is asked), condition (0 poor,
// 1 good, 2 fair; forest class 1-5 for woods; -1 where none is asked).
struct Respuesta {
    int fila, vegetacion, laboreo, condicion;
};
constexpr Respuesta kFilas[] = {
    {1, 0, 0, -1},   {2, 0, 1, 0},    {3, 0, 1, 1},    {4, 1, 2, 0},    {5, 1, 2, 1},    {6, 1, 3, 0},
    {7, 1, 3, 1},    {8, 1, 4, 0},    {9, 1, 4, 1},    {10, 1, 5, 0},   {11, 1, 5, 1},   {12, 1, 6, 0},
    {13, 1, 6, 1},   {14, 1, 7, 0},   {15, 1, 7, 1},   {16, 2, 2, 0},   {17, 2, 2, 1},   {18, 2, 3, 0},
    {19, 2, 3, 1},   {20, 2, 4, 0},   {21, 2, 4, 1},   {22, 2, 5, 0},   {23, 2, 5, 1},   {24, 2, 6, 0},
    {25, 2, 6, 1},   {26, 2, 7, 0},   {27, 2, 7, 1},   {28, 3, 2, 0},   {29, 3, 2, 1},   {30, 3, 4, 0},
    {31, 3, 4, 1},   {32, 3, 6, 0},   {33, 3, 6, 1},   {34, 4, -1, 0},  {35, 4, -1, 2},  {36, 4, -1, 1},
    {37, 5, 4, 0},   {38, 5, 4, 2},   {39, 5, 4, 1},   {40, 6, -1, -1}, {41, 7, -1, 0},  {42, 7, -1, 2},
    {43, 7, -1, 1},  {44, 8, -1, 0},  {45, 8, -1, 2},  {46, 8, -1, 1},  {47, 9, -1, 0},  {48, 9, -1, 2},
    {49, 9, -1, 1},  {50, 10, -1, 1}, {51, 10, -1, 2}, {52, 10, -1, 3}, {53, 10, -1, 4}, {54, 10, -1, 5},
    {55, 11, -1, -1}, {56, 12, -1, -1}, {57, 13, -1, -1}, {58, 14, -1, 0}, {59, 14, -1, 2}, {60, 14, -1, 1},
    {61, 15, -1, 0}, {62, 15, -1, 2}, {63, 15, -1, 1}, {64, 16, -1, 0}, {65, 16, -1, 2}, {66, 16, -1, 1},
    {67, 17, -1, 0}, {68, 17, -1, 2}, {69, 17, -1, 1}, {70, 18, -1, 0}, {71, 18, -1, 2}, {72, 18, -1, 1},
};

TEST(FilaDeDatos, EveryRowFromItsAnswers) {
    for (const auto& r : kFilas) EXPECT_EQ(FilaDeDatos(r.vegetacion, r.laboreo, r.condicion), r.fila) << r.fila;
}

TEST(FilaDeDatos, CombinationsTheTablesDoNotList) {
    const std::tuple<int, int, int> casos[] = {
        {0, 2, 0},  {0, 1, 2},  {0, -1, 0}, {1, 0, 0}, {1, 1, 1}, {1, 2, 2}, {2, 8, 0}, {3, 3, 0},
        {3, 5, 1},  {4, -1, -1}, {10, -1, 0}, {10, -1, 6}, {14, -1, 3}, {19, -1, 0}, {-1, 0, 0},
    };
    for (const auto& [v, l, c] : casos) EXPECT_FALSE(FilaDeDatos(v, l, c)) << v << " " << l << " " << c;
}

// Drives the classification as the step-by-step window does.
class Pasos : public ::testing::Test {
protected:
    void SetUp() override { c.ElegirGrupoVegetacion(kGrupoGeneral); }
    void Entrada(int vegetacion) {
        c.ElegirVegetacion(vegetacion >= kPrimeraArida ? kGrupoArido : kGrupoGeneral,
                           vegetacion >= kPrimeraArida ? vegetacion - kPrimeraArida : vegetacion);
    }
    // The soil dialog accepted `letra`; it keeps it for a later cancelled opening.
    void Suelo(const char* letra) {
        ultimaLetra = letra;
        c.FijarGrupoSuelo(ultimaLetra);
    }
    void Clase(const char* clase) { c.FijarClaseBosque(clase); }
    const RespuestasClasificacion& R() const { return c.Estado().respuestas; }
    std::string Numero() const { return c.Estado().numeroCurva ? c.Estado().numeroCurva->texto : ""; }
    std::vector<int> Habilitados(bool laboreo) const {
        std::vector<int> indices;
        const auto& e = c.Estado();
        for (int i = 0; i < (laboreo ? kTratamientos : kCondiciones); ++i) {
            if (laboreo ? e.laboreoHabilitado[i] : e.condicionHabilitada[i]) indices.push_back(i);
        }
        return indices;
    }

    Clasificacion c{kDatos, 1};
    std::string ultimaLetra;
};

TEST_F(Pasos, OpeningAndSwitchingGroups) {
    EXPECT_EQ(R().vegetacion, 0);
    EXPECT_EQ(Habilitados(true), (std::vector<int>{0, 1}));
    EXPECT_EQ(Habilitados(false), (std::vector<int>{0, 1}));
    EXPECT_EQ(c.Estado().textoCondicion2, 66);
    EXPECT_EQ(Numero(), "");

    c.ElegirGrupoVegetacion(kGrupoArido);
    EXPECT_EQ(R().vegetacion, 14);
    EXPECT_TRUE(Habilitados(true).empty());
    EXPECT_EQ(Habilitados(false), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(c.Estado().textoCondicion2, 65);
    c.ElegirGrupoVegetacion(kGrupoGeneral);
    EXPECT_EQ(c.Estado().textoCondicion2, 66);
}

TEST_F(Pasos, EveryRowShowsItsCurveNumberThroughTheAnswers) {
    const auto todas = LeerDatos(kDatos);
    ASSERT_TRUE(todas);
    for (const auto& r : kFilas) {
        Entrada(r.vegetacion);
        if (r.laboreo >= 0 && c.Estado().laboreoMarcado != r.laboreo) c.ElegirLaboreo(r.laboreo);
        if (r.vegetacion == kBosques) {
            Clase(std::array{"", "I", "II", "III", "IV", "V"}[r.condicion]);
        } else if (r.condicion >= 0) {
            c.ElegirCondicion(r.condicion);
        }
        Suelo("B");
        EXPECT_EQ(R().filaDatos, r.fila);
        EXPECT_EQ(Numero(), (*todas)[r.fila - 1][1]) << r.fila;
    }
}

TEST_F(Pasos, BareFallowThenCropResidueAsksForTheConditionAgain) {
    Suelo("C");
    c.ElegirLaboreo(1);
    c.ElegirCondicion(0);
    EXPECT_EQ(Numero(), "90");  // row 2, group C
    c.ElegirLaboreo(0);
    EXPECT_EQ(Numero(), "91");  // row 1 whatever condition was selected
    EXPECT_EQ(Habilitados(false), std::vector<int>{});
    EXPECT_EQ(c.Estado().condicionMarcada, 0);  // disabled, still selected
    c.ElegirLaboreo(1);
    EXPECT_EQ(Habilitados(false), (std::vector<int>{0, 1}));
    EXPECT_EQ(c.Estado().condicionMarcada, -1);
    EXPECT_FALSE(c.Estado().listo[1]);
    EXPECT_EQ(Numero(), "");
}

TEST_F(Pasos, TreatmentChangeKeepsTheCondition) {
    Entrada(1);
    EXPECT_EQ(Habilitados(true), (std::vector<int>{2, 3, 4, 5, 6, 7}));
    c.ElegirLaboreo(6);
    c.ElegirCondicion(1);
    Suelo("A");
    EXPECT_EQ(R().filaDatos, 13);
    c.ElegirLaboreo(2);
    EXPECT_EQ(R().filaDatos, 5);
    EXPECT_EQ(Numero(), "67");
}

TEST_F(Pasos, PasturesOnTheContourChooseTheirTreatmentAtOnce) {
    Entrada(5);
    EXPECT_EQ(Habilitados(true), std::vector<int>{4});
    EXPECT_EQ(c.Estado().laboreoMarcado, 4);
    EXPECT_EQ(R().laboreo, 4);
    Suelo("A");
    c.ElegirCondicion(1);
    EXPECT_EQ(R().filaDatos, 39);
    EXPECT_EQ(Numero(), "06");
    c.ElegirCondicion(2);
    EXPECT_EQ(R().filaDatos, 38);
}

TEST_F(Pasos, WoodsTakeTheForestClass) {
    Entrada(kBosques);
    EXPECT_TRUE(c.Estado().claseBosqueHabilitada);
    EXPECT_TRUE(Habilitados(false).empty());
    Suelo("D");
    Clase("-1");  // the forest dialog cancelled right after choosing woods
    EXPECT_EQ(c.Estado().textoClaseBosque, "");
    EXPECT_EQ(Numero(), "");
    Clase("iii");
    EXPECT_EQ(c.Estado().textoClaseBosque, "");
    Clase("III");
    EXPECT_EQ(c.Estado().textoClaseBosque, "III");
    EXPECT_EQ(R().filaDatos, 52);
    EXPECT_EQ(Numero(), "77");
    Entrada(0);
    EXPECT_FALSE(c.Estado().claseBosqueHabilitada);
    EXPECT_EQ(R().claseBosque, "-1");
}

TEST_F(Pasos, EntriesThatNeedOnlyTheSoilGroup) {
    for (const auto& [entrada, fila] : {std::pair{6, 40}, {11, 55}, {12, 56}, {13, 57}}) {
        Entrada(entrada);
        EXPECT_TRUE(Habilitados(true).empty());
        EXPECT_TRUE(Habilitados(false).empty());
        EXPECT_EQ(Numero(), "");
        Suelo("A");
        EXPECT_EQ(R().filaDatos, fila);
    }
}

TEST_F(Pasos, AChangeOfVegetationForgetsTheSoilGroupButNotTheLetter) {
    Suelo("B");
    EXPECT_EQ(R().grupoSuelo, 2);
    Entrada(16);
    EXPECT_EQ(R().grupoSuelo, -1);
    EXPECT_EQ(c.Estado().textoSuelo, "");
    c.ElegirCondicion(2);
    EXPECT_EQ(Numero(), "");
    c.FijarGrupoSuelo(ultimaLetra);  // the soil dialog cancelled: its last letter again
    EXPECT_EQ(c.Estado().textoSuelo, "B");
    EXPECT_EQ(R().filaDatos, 65);
    EXPECT_EQ(Numero(), "58");
}

TEST_F(Pasos, NoLetterYetLeavesTheSoilUnknown) {
    c.ElegirLaboreo(0);
    c.FijarGrupoSuelo("");
    EXPECT_FALSE(c.Estado().listo[2]);
    EXPECT_EQ(Numero(), "");
}

TEST_F(Pasos, MissingValueAndTheSignOfRow43) {
    Entrada(14);
    c.ElegirCondicion(0);
    Suelo("A");
    EXPECT_EQ(Numero(), "?");
    EXPECT_TRUE(c.Estado().numeroCurva->rojo);
    EXPECT_FALSE(NumeroCurva(*c.Estado().valor));
    Entrada(7);
    c.ElegirCondicion(1);
    Suelo("A");
    EXPECT_EQ(Numero(), "30≤");
    EXPECT_EQ(NumeroCurva(*c.Estado().valor), 30);
}

TEST(Clasificacion, ABrokenDataFileShowsNoNumberAndSaysWhy) {
    Clasificacion c{"/nonexistent/Datos.dat", 1};
    c.ElegirVegetacion(kGrupoGeneral, 6);
    c.FijarGrupoSuelo("A");
    EXPECT_FALSE(c.Estado().numeroCurva);
    ASSERT_TRUE(c.Estado().errorDatos);
    EXPECT_EQ(c.Estado().errorDatos->fallo, FalloDatos::FaltaArchivo);
}

}  // namespace
}  // namespace tarvel
