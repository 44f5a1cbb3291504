// The composite read in two passes, one sub-area at a time, against the same
// catchment held whole: the same figures to the last bit, the same refusals.
#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <vector>

#include "catchment/CompuestoPorPasadas.h"

namespace tarvel {
namespace {

TEST(CompuestoPorPasadas, TwoPassesGiveTheFiguresOfTheWholeCatchment) {
    std::mt19937 azar(3);
    std::uniform_real_distribution<double> area(0.01, 500);
    std::uniform_real_distribution<double> cn(20, 100);
    std::vector<std::vector<Subarea>> cuencas{{{2, 85}}, {{3, 98}, {7, 60}}, {{1, 70}, {5, 70}, {2, 70}}, {}};
    for (int i = 0; i < 5000; ++i) cuencas.back().push_back({area(azar), cn(azar)});
    const auto ambas = LambdasDe(EleccionLambda::Ambas);
    for (const double p : {0.0, 3.0, 50.0, kLluviaMaxima}) {
        for (const auto& cuenca : cuencas) {
            const auto entera = *CalcularCompuesto(cuenca);
            CompuestoPorPasadas pasadas(p, ambas);
            for (const Subarea& s : cuenca) ASSERT_FALSE(pasadas.Contar(s));
            ASSERT_FALSE(pasadas.CerrarPrimera());
            for (std::size_t i = 0; i < cuenca.size(); ++i) ASSERT_EQ(pasadas.Sumar(cuenca[i]).cuota, entera.cuota[i]);
            const auto r = *pasadas.Terminar();
            EXPECT_EQ(r.compuesto.areaTotal, entera.areaTotal);
            EXPECT_EQ(r.compuesto.CN, entera.CN) << cuenca.size() << " sub-areas, P " << p;
            EXPECT_EQ(r.compuesto.umbral, entera.umbral);
            ASSERT_EQ(r.escorrentias.size(), 2u);
            for (std::size_t l = 0; l < 2; ++l) {
                const auto& a = r.escorrentias[l];
                const auto b = *CalcularEscorrentiaCompuesta(cuenca, p, ambas[l]);
                EXPECT_EQ(pasadas.Valores(cuenca.back()).escorrentia[l].Q, b.subareas.back().Q);
                EXPECT_EQ(a.Q, b.Q) << cuenca.size() << " sub-areas, P " << p << ", ratio " << l;
                EXPECT_EQ(a.equivalente.CN, b.equivalente.CN);
                EXPECT_EQ(a.equivalente.sinEscorrentia, b.equivalente.sinEscorrentia);
                EXPECT_EQ(a.delCompuesto.Q, b.delCompuesto.Q);
            }
        }
    }
    // Refused as the whole catchment is: a row by its place, then the total and the storm.
    const double max = std::numeric_limits<double>::max();
    const std::pair<std::vector<Subarea>, double> malas[] = {
        {{}, 50}, {{{1, 80}, {0, 70}}, 50}, {{{max, 80}, {max, 70}}, 50}, {{{1, 80}}, 5001}};
    for (const auto& [filas, p] : malas) {
        CompuestoPorPasadas pasadas(p, ambas);
        std::optional<RechazoCuenca> rechazo;
        for (std::size_t i = 0; i < filas.size() && !rechazo; ++i) rechazo = pasadas.Contar(filas[i]);
        if (!rechazo) rechazo = pasadas.CerrarPrimera();
        EXPECT_EQ(rechazo, CalcularEscorrentiaCompuesta(filas, p, Lambda::Clasica).error()) << filas.size() << " " << p;
    }
}

}  // namespace
}  // namespace tarvel
