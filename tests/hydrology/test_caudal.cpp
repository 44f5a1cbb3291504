#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "hydrology/TiempoConcentracion.h"

namespace tarvel {
namespace {

constexpr double kPie = 0.3048, kPulgada = 25.4;

// A worked example prints `impreso` with `decimales` decimals: the value must
// round to it.
void Impreso(double valor, double impreso, int decimales) {
    EXPECT_NEAR(valor, impreso, 0.5 * std::pow(10.0, -decimales) + 1e-12) << valor;
}

// TR-55 example 3-1 (figure 3-2), its US inputs converted.
const std::vector<TramoFlujo> kEjemplo31{
    TramoLaminar(0.24, 100 * kPie, 3.6 * kPulgada, 0.01),
    TramoSuperficial(1400 * kPie, 0.01, Firme::SinPavimentar),
    TramoCauce(0.05, 27 * kPie * kPie, 28.2 * kPie, 0.005, 7300 * kPie),
};

TEST(TiempoConcentracion, Tr55Example31) {
    const auto tc = CalcularTiempoTR55(kEjemplo31);
    ASSERT_TRUE(tc);
    Impreso(tc->tramos[0].horas, 0.30, 2);
    Impreso(tc->tramos[1].horas, 0.24, 2);
    Impreso(tc->tramos[2].horas, 0.99, 2);
    Impreso(tc->horas, 1.53, 2);
    Impreso(tc->tramos[1].velocidad / kPie, 1.6, 1);  // the worksheet's V, ft/s
    EXPECT_TRUE(tc->avisos.empty());
}

TEST(TiempoConcentracion, SiFormsAgreeWithTheUsOnes) {
    for (const double s : {0.001, 0.02, 0.3}) {
        const double nL = 0.15 * 80 / kPie, p2 = 60 / kPulgada;
        const double us = 0.007 * std::pow(nL, 0.8) / (std::sqrt(p2) * std::pow(s, 0.4));
        EXPECT_NEAR(CalcularTiempoTR55(std::vector{TramoLaminar(0.15, 80, 60, s)})->horas, us, 1e-12);
        for (const auto& [firme, k] : {std::pair{Firme::Pavimentado, 20.3282}, {Firme::SinPavimentar, 16.1345}}) {
            EXPECT_NEAR(CalcularTiempoTR55(std::vector{TramoSuperficial(500, s, firme)})->horas,
                        500 / kPie / (3600 * k * std::sqrt(s)), 1e-12);
        }
    }
    // Sheet flow beyond TR-55's 300 ft is kept and warned about, naming the segment.
    const auto largo = CalcularTiempoTR55(std::vector{kEjemplo31[1], TramoLaminar(0.24, 100, 90, 0.01)});
    EXPECT_EQ(largo->avisos, std::vector<Aviso>{(Aviso{TipoAviso::LaminarLarga, 100, kLaminarMaxima, 1})});
    EXPECT_EQ(RugosidadDeClave("grass-dense"), 0.24);
    EXPECT_EQ(LeerFirme("Paved"), Firme::Pavimentado);
    // 5.2-IC: Témez's formula at its unit point and one other.
    EXPECT_DOUBLE_EQ(*CalcularTiempoIC(1, 1), 0.3);
    EXPECT_NEAR(*CalcularTiempoIC(10, 0.05), 0.3 * std::pow(10, 0.76) * std::pow(0.05, -0.19), 1e-12);
}

}  // namespace
}  // namespace tarvel
