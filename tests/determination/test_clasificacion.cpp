#include <gtest/gtest.h>

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

TEST(FilaDeDatos, EveryRowFromItsAnswersAndNoneForOtherAnswers) {
    for (const auto& r : kFilas) EXPECT_EQ(FilaDeDatos(r.vegetacion, r.laboreo, r.condicion), r.fila) << r.fila;
    const std::tuple<int, int, int> otras[] = {
        {0, 2, 0}, {0, 1, 2},  {0, -1, 0},  {1, 1, 1},   {1, 2, 2},   {2, 8, 0},   {3, 3, 0},  {3, 5, 1},
        {4, -1, -1}, {10, -1, 0}, {10, -1, 6}, {14, -1, 3}, {19, -1, 0}, {-1, 0, 0},
    };
    for (const auto& [v, l, c] : otras) EXPECT_FALSE(FilaDeDatos(v, l, c)) << v << " " << l << " " << c;
}

// Drives the classification as the step-by-step window does.
class Pasos : public ::testing::Test {
protected:
    void SetUp() override { c.ElegirGrupoVegetacion(kGrupoGeneral); }
    void Entrada(int vegetacion) {
        const bool arida = vegetacion >= kPrimeraArida;
        c.ElegirVegetacion(arida ? kGrupoArido : kGrupoGeneral, arida ? vegetacion - kPrimeraArida : vegetacion);
    }
    const EstadoClasificacion& E() const { return c.Estado(); }
    std::string Numero() const { return E().numeroCurva ? E().numeroCurva->texto : ""; }
    std::vector<int> Habilitados(bool laboreo) const {
        std::vector<int> indices;
        for (int i = 0; i < (laboreo ? kTratamientos : kCondiciones); ++i) {
            if (laboreo ? E().laboreoHabilitado[i] : E().condicionHabilitada[i]) indices.push_back(i);
        }
        return indices;
    }

    Clasificacion c{kDatos, 1};
};

TEST_F(Pasos, EveryRowShowsItsCurveNumberThroughTheAnswers) {
    const auto todas = LeerDatos(kDatos);
    ASSERT_TRUE(todas);
    for (const auto& r : kFilas) {
        Entrada(r.vegetacion);
        // No number before the soil group, whatever else is answered.
        if (r.laboreo >= 0 && E().laboreoMarcado != r.laboreo) c.ElegirLaboreo(r.laboreo);
        if (r.vegetacion == kBosques) {
            c.FijarClaseBosque(std::array{"", "I", "II", "III", "IV", "V"}[r.condicion]);
        } else if (r.condicion >= 0) {
            c.ElegirCondicion(r.condicion);
        }
        EXPECT_EQ(Numero(), "") << r.fila;
        c.FijarGrupoSuelo("B");
        EXPECT_EQ(E().respuestas.filaDatos, r.fila);
        EXPECT_EQ(Numero(), (*todas)[r.fila - 1][1]) << r.fila;
    }
}

TEST_F(Pasos, WhatEachEntryAsksFor) {
    EXPECT_EQ(Habilitados(true), (std::vector<int>{0, 1}));
    EXPECT_EQ(Habilitados(false), (std::vector<int>{0, 1}));
    EXPECT_EQ(E().textoCondicion2, 66);
    c.ElegirGrupoVegetacion(kGrupoArido);
    EXPECT_EQ(E().respuestas.vegetacion, 14);
    EXPECT_TRUE(Habilitados(true).empty());
    EXPECT_EQ(Habilitados(false), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(E().textoCondicion2, 65);
    Entrada(1);
    EXPECT_EQ(Habilitados(true), (std::vector<int>{2, 3, 4, 5, 6, 7}));
    Entrada(3);
    EXPECT_EQ(Habilitados(true), (std::vector<int>{2, 4, 6}));
    // Pastures on the contour have one treatment, chosen at once.
    Entrada(5);
    EXPECT_EQ(Habilitados(true), std::vector<int>{4});
    EXPECT_EQ(E().laboreoMarcado, 4);
    EXPECT_EQ(E().respuestas.laboreo, 4);
    for (int entrada : {6, 11, 12, 13}) {
        Entrada(entrada);
        EXPECT_TRUE(Habilitados(true).empty() && Habilitados(false).empty()) << entrada;
    }
    Entrada(kBosques);
    EXPECT_TRUE(E().claseBosqueHabilitada);
    EXPECT_TRUE(Habilitados(false).empty());
}

TEST_F(Pasos, CropResidueAsksForTheConditionAgainAndTheTreatmentKeepsIt) {
    c.FijarGrupoSuelo("C");
    c.ElegirLaboreo(1);
    c.ElegirCondicion(0);
    EXPECT_EQ(Numero(), "90");  // row 2, group C
    c.ElegirLaboreo(0);
    EXPECT_EQ(Numero(), "91");  // row 1 whatever condition was selected
    EXPECT_TRUE(Habilitados(false).empty());
    EXPECT_EQ(E().condicionMarcada, 0);  // disabled, still selected
    c.ElegirLaboreo(1);
    EXPECT_EQ(Habilitados(false), (std::vector<int>{0, 1}));
    EXPECT_EQ(E().condicionMarcada, -1);
    EXPECT_EQ(Numero(), "");

    Entrada(1);
    c.ElegirLaboreo(6);
    c.ElegirCondicion(1);
    c.FijarGrupoSuelo("A");
    EXPECT_EQ(E().respuestas.filaDatos, 13);
    c.ElegirLaboreo(2);
    EXPECT_EQ(E().respuestas.filaDatos, 5);
    EXPECT_EQ(Numero(), "67");
}

TEST_F(Pasos, WoodsTakeTheForestClassAndANewEntryForgetsItAndTheSoil) {
    Entrada(kBosques);
    c.FijarGrupoSuelo("D");
    for (const char* clase : {"-1", "iii"}) {  // the dialog cancelled, or no class at all
        c.FijarClaseBosque(clase);
        EXPECT_EQ(E().textoClaseBosque, "");
        EXPECT_EQ(Numero(), "");
    }
    c.FijarClaseBosque("III");
    EXPECT_EQ(E().textoClaseBosque, "III");
    EXPECT_EQ(E().respuestas.filaDatos, 52);
    EXPECT_EQ(Numero(), "77");
    Entrada(16);
    EXPECT_FALSE(E().claseBosqueHabilitada);
    EXPECT_EQ(E().respuestas.claseBosque, "-1");
    EXPECT_EQ(E().respuestas.grupoSuelo, -1);
    EXPECT_EQ(E().textoSuelo, "");
    c.ElegirCondicion(2);
    EXPECT_EQ(Numero(), "");
    c.FijarGrupoSuelo("");  // no letter yet
    EXPECT_EQ(Numero(), "");
    c.FijarGrupoSuelo("D");  // the soil dialog cancelled: its last letter again
    EXPECT_EQ(E().respuestas.filaDatos, 65);
    EXPECT_EQ(Numero(), "80");
}

TEST_F(Pasos, MissingValueAndTheSignOfRow43) {
    Entrada(14);
    c.ElegirCondicion(0);
    c.FijarGrupoSuelo("A");
    EXPECT_EQ(Numero(), "?");
    EXPECT_TRUE(E().numeroCurva.value().rojo);
    EXPECT_FALSE(NumeroCurva(E().valor.value()));
    Entrada(7);
    c.ElegirCondicion(1);
    c.FijarGrupoSuelo("A");
    EXPECT_EQ(Numero(), "30≤");
    EXPECT_EQ(NumeroCurva(E().valor.value()), 30);
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
