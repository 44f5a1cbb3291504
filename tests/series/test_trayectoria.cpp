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
            for (const Lambda lambda : {Lambda::Clasica, Lambda::Reducida}) {
                const auto r = *CalcularEscorrentia(cn, 50, lambda);
                EXPECT_EQ(fila.Q(lambda)[j], r.Q);
                EXPECT_EQ(fila.Ia(lambda)[j], r.Ia);
            }
        }
    }
    // Every number of the CSV reads back to the double it came from, in the
    // column its header names.
    std::istringstream csv(TextoTrayectoria(*t));
    std::string linea;
    std::getline(csv, linea);
    EXPECT_EQ(linea, "year,cn_i,cn_ii,cn_iii,threshold_i_mm,threshold_ii_mm,threshold_iii_mm,"
                     "q02_i_mm,q02_ii_mm,q02_iii_mm,q005_i_mm,q005_ii_mm,q005_iii_mm,"
                     "ia02_i_mm,ia02_ii_mm,ia02_iii_mm,ia005_i_mm,ia005_ii_mm,ia005_iii_mm");
    for (const auto& fila : t->anios) {
        ASSERT_TRUE(std::getline(csv, linea));
        std::vector<double> v;
        for (std::istringstream campos(linea); std::getline(campos, linea, ',');) v.push_back(std::strtod(linea.c_str(), nullptr));
        ASSERT_EQ(v.size(), 19u);
        EXPECT_EQ(v[0], fila.anio);
        EXPECT_EQ(v[2], fila.CN[1]);
        EXPECT_EQ(v[6], fila.umbral[2]);
        EXPECT_EQ(v[9], fila.QClasica[2]);
        EXPECT_EQ(v[10], fila.QReducida[0]);
        EXPECT_EQ(v[14], fila.IaClasica[1]);
        EXPECT_EQ(v[18], fila.IaReducida[2]);
    }
    EXPECT_EQ(TextoTrayectoria(*CalcularTrayectoria(85, 70, 2), '\t').substr(0, 10), "year\tcn_i\t");
}

// Each ratio has its own threshold: on the restored dry hillside (year 10,
// CN I 49.5) P0 = 51.8 mm holds a 30 mm storm back, Ia0.05 = 24.4 mm does not
// (5.58² / (5.58 + 488.4) mm run off). Without a storm the ratios asked for
// still give their thresholds, named in the table; a path asked for no ratio
// keeps the columns it always had.
TEST(Trayectoria, EachRatioHasItsOwnThresholdStormOrNot) {
    const auto camino = CalcularTrayectoria(85, 70, 10, EleccionLambda::Ambas, 30.0);
    const auto& restaurada = camino->anios.back();
    EXPECT_NEAR(restaurada.umbral[0], 51.84, 0.01);
    EXPECT_NEAR(restaurada.IaClasica[0], restaurada.umbral[0], 1e-12);
    EXPECT_NEAR(restaurada.IaReducida[0], 24.42, 0.01);
    EXPECT_EQ(restaurada.QClasica[0], 0);
    EXPECT_NEAR(restaurada.QReducida[0], 0.063, 0.0005);

    const std::string siempre = "year,cn_i,cn_ii,cn_iii,threshold_i_mm,threshold_ii_mm,threshold_iii_mm";
    const auto cabecera = [](const Trayectoria& t) {
        const std::string texto = TextoTrayectoria(t);
        return texto.substr(0, texto.find('\n'));
    };
    EXPECT_EQ(cabecera(*CalcularTrayectoria(85, 70, 10)), siempre);
    const auto reducida = CalcularTrayectoria(85, 70, 10, EleccionLambda::Reducida, std::nullopt);
    EXPECT_FALSE(reducida->tormenta || reducida->ConEscorrentia(Lambda::Reducida) || reducida->ConAbstraccion(Lambda::Clasica));
    EXPECT_EQ(reducida->anios[0].IaReducida[1], CalcularEscorrentia(85, 0, Lambda::Reducida)->Ia);
    EXPECT_EQ(cabecera(*reducida), siempre + ",ia005_i_mm,ia005_ii_mm,ia005_iii_mm");
    EXPECT_EQ(cabecera(*CalcularTrayectoria(85, 70, 10, EleccionLambda::Clasica, std::nullopt)),
              siempre + ",ia02_i_mm,ia02_ii_mm,ia02_iii_mm");
}

TEST(Trayectoria, RefusesWhatHasNoPath) {
    EXPECT_EQ(ErrorDe(CalcularTrayectoria(85, 70, 1)), FalloTrayectoria::Lapso);
    EXPECT_EQ(ErrorDe(CalcularTrayectoria(85, 70, 32768)), FalloTrayectoria::Lapso);
    EXPECT_EQ(ErrorDe(CalcularTrayectoria(0, 70, 10)), FalloTrayectoria::NAC);
    EXPECT_EQ(ErrorDe(CalcularTrayectoria(85, 101, 10)), FalloTrayectoria::NOB);
    EXPECT_EQ(ErrorDe(CalcularTrayectoria(85, 70, 10, Tormenta{-1})), FalloTrayectoria::Lluvia);
    EXPECT_EQ(ErrorDe(CalcularTrayectoria(85, 70, 10, EleccionLambda::Reducida, -1.0)), FalloTrayectoria::Lluvia);
    EXPECT_EQ(ErrorDe(CalcularTrayectoria(85, 70, 10, Tormenta{5001})), FalloTrayectoria::LluviaExcesiva);
    EXPECT_EQ(MensajeTrayectoria(FalloTrayectoria::Lapso), 196);
}

}  // namespace
}  // namespace tarvel
