#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "series/Serie.h"
#include "series/Trayectoria.h"
#include "tests/Esperado.h"

namespace tarvel {
namespace {

using prueba::ErrorDe;

TEST(Trayectoria, EndsAreTheResultsWindowsFiguresAndTheStepIsConstant) {
    for (const auto& [nac, nob, lapso] : {std::tuple{85.0, 70.0, 10}, {90.0, 88.5, 2}, {100.0, 0.5, 32767},
                                          {85.0, 70.0, 32767}, {30.0, 29.9, 7}}) {
        const auto t = CalcularTrayectoria(nac, nob, lapso);
        ASSERT_TRUE(t);
        ASSERT_EQ(t->anios.size(), static_cast<std::size_t>(lapso) + 1);
        // Years 0 and T are the results window's columns, bit for bit.
        const auto serie = *CalcularSerie(nac, nob);
        EXPECT_TRUE(t->anios.front().CN == serie.NAC && t->anios.front().umbral == serie.PAC);
        EXPECT_TRUE(t->anios.back().CN == serie.NOB && t->anios.back().umbral == serie.POB);
        EXPECT_EQ(t->variacion, *VariacionAnual(nac, nob, lapso));
        for (int anio = 0; anio <= lapso; anio += 1 + lapso / 50) {
            const auto& fila = t->anios[static_cast<std::size_t>(anio)];
            const long double esperado = nac - anio * (static_cast<long double>(nac) - nob) / lapso;
            EXPECT_NEAR(fila.CN[1], static_cast<double>(esperado), 1e-12 * nac) << anio;
            EXPECT_EQ(fila.CN[0], *Ncondicion1(fila.CN[1]));
            EXPECT_EQ(fila.umbral[2], *UmbralEscorrentia(*Ncondicion3(fila.CN[1])));
            if (anio > 0) {
                EXPECT_LE(fila.CN[1], t->anios[static_cast<std::size_t>(anio) - 1].CN[1]);
            }
        }
    }
    EXPECT_EQ(CalcularTrayectoria(85, 70, 10)->anios[5].CN[1], 77.5);
}

TEST(Trayectoria, RunoffColumnsAndTheirTable) {
    const auto t = CalcularTrayectoria(85, 70, 10, Tormenta{50, EleccionLambda::Ambas});
    ASSERT_TRUE(t);
    for (const auto& fila : t->anios) {
        for (int j = 0; j < 3; ++j) {
            const double cn = std::min(fila.CN[j], 100.0);
            EXPECT_EQ(fila.QClasica[j], CalcularEscorrentia(cn, 50, Lambda::Clasica)->Q);
            EXPECT_EQ(fila.QReducida[j], CalcularEscorrentia(cn, 50, Lambda::Reducida)->Q);
        }
    }
    // Every number of the CSV reads back to the double it came from.
    std::istringstream csv(TextoTrayectoria(*t));
    std::string linea;
    std::getline(csv, linea);
    EXPECT_EQ(linea.substr(0, 20), "year,cn_i,cn_ii,cn_i");
    EXPECT_NE(linea.find(",q005_iii_mm"), std::string::npos);
    for (const auto& fila : t->anios) {
        ASSERT_TRUE(std::getline(csv, linea));
        std::vector<double> v;
        for (std::istringstream campos(linea); std::getline(campos, linea, ',');) v.push_back(std::strtod(linea.c_str(), nullptr));
        ASSERT_EQ(v.size(), 13u);
        EXPECT_EQ(v[0], fila.anio);
        EXPECT_EQ(v[2], fila.CN[1]);
        EXPECT_EQ(v[6], fila.umbral[2]);
        EXPECT_EQ(v[9], fila.QClasica[2]);
        EXPECT_EQ(v[10], fila.QReducida[0]);
    }
    EXPECT_EQ(TextoTrayectoria(*CalcularTrayectoria(85, 70, 2), '\t').substr(0, 10), "year\tcn_i\t");
}

TEST(Trayectoria, RefusesWhatHasNoPath) {
    EXPECT_EQ(ErrorDe(CalcularTrayectoria(85, 70, 1)), FalloTrayectoria::Lapso);
    EXPECT_EQ(ErrorDe(CalcularTrayectoria(85, 70, 32768)), FalloTrayectoria::Lapso);
    EXPECT_EQ(ErrorDe(CalcularTrayectoria(0, 70, 10)), FalloTrayectoria::NAC);
    EXPECT_EQ(ErrorDe(CalcularTrayectoria(85, 101, 10)), FalloTrayectoria::NOB);
    EXPECT_EQ(ErrorDe(CalcularTrayectoria(85, 70, 10, Tormenta{-1})), FalloTrayectoria::Lluvia);
    EXPECT_EQ(ErrorDe(CalcularTrayectoria(85, 70, 10, Tormenta{5001})), FalloTrayectoria::LluviaExcesiva);
    EXPECT_EQ(MensajeTrayectoria(FalloTrayectoria::Lapso), 196);
}

}  // namespace
}  // namespace tarvel
