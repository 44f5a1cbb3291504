// The composite read in two passes, one sub-area at a time, against the same
// catchment held whole: the same figures to the last bit, and the same refusals.
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
    std::vector<std::vector<Subarea>> cuencas{{{2, 85}}, {{3, 98}, {7, 60}}, {{1, 70}, {5, 70}, {2, 70}}};
    for (const int filas : {9, 5000}) {
        auto& cuenca = cuencas.emplace_back();
        for (int i = 0; i < filas; ++i) cuenca.push_back({area(azar), cn(azar)});
    }
    for (const double p : {0.0, 3.0, 50.0, kLluviaMaxima}) {
        for (const auto& cuenca : cuencas) {
            const auto entera = CalcularCompuesto(cuenca);
            ASSERT_TRUE(entera);
            CompuestoPorPasadas pasadas(p, LambdasDe(EleccionLambda::Ambas));
            for (const Subarea& s : cuenca) ASSERT_FALSE(pasadas.Contar(s));
            ASSERT_FALSE(pasadas.CerrarPrimera());
            EXPECT_EQ(pasadas.AreaTotal(), entera->areaTotal);
            std::vector<EscorrentiaCompuesta> enteras;
            for (const Lambda l : LambdasDe(EleccionLambda::Ambas)) enteras.push_back(*CalcularEscorrentiaCompuesta(cuenca, p, l));
            for (std::size_t i = 0; i < cuenca.size(); ++i) {
                const auto fila = pasadas.Sumar(cuenca[i]);
                ASSERT_EQ(fila.cuota, entera->cuota[i]);
                for (std::size_t l = 0; l < 2; ++l) ASSERT_EQ(fila.escorrentia[l].Q, enteras[l].subareas[i].Q);
            }
            const auto r = pasadas.Terminar();
            ASSERT_TRUE(r);
            EXPECT_EQ(r->compuesto.CN, entera->CN) << cuenca.size() << " sub-areas, P " << p;
            EXPECT_EQ(r->compuesto.umbral, entera->umbral);
            ASSERT_EQ(r->escorrentias.size(), 2u);
            for (std::size_t l = 0; l < 2; ++l) {
                const auto& a = r->escorrentias[l];
                const auto& b = enteras[l];
                EXPECT_EQ(a.lambda, b.lambda);
                EXPECT_EQ(a.Q, b.Q) << cuenca.size() << " sub-areas, P " << p;
                EXPECT_EQ(a.equivalente.CN, b.equivalente.CN);
                EXPECT_EQ(a.equivalente.CNLambda, b.equivalente.CNLambda);
                EXPECT_EQ(a.equivalente.sinEscorrentia, b.equivalente.sinEscorrentia);
                EXPECT_EQ(a.delCompuesto.Q, b.delCompuesto.Q);
            }
        }
    }
    // Without a storm: the composite only.
    CompuestoPorPasadas sinLluvia(std::nullopt, LambdasDe(EleccionLambda::Ambas));
    ASSERT_FALSE(sinLluvia.Contar({4, 80}));
    ASSERT_FALSE(sinLluvia.CerrarPrimera());
    sinLluvia.Sumar({4, 80});
    EXPECT_EQ(sinLluvia.Terminar()->compuesto.CN[1], 80);
    EXPECT_TRUE(sinLluvia.Terminar()->escorrentias.empty());
}

TEST(CompuestoPorPasadas, RefusesWhatTheWholeCatchmentRefuses) {
    const double max = std::numeric_limits<double>::max();
    const struct {
        std::vector<Subarea> filas;
        double p;
        RechazoCuenca rechazo;
    } casos[] = {
        {{}, 50, {FalloCuenca::SinFilas}},
        {{{1, 80}, {0, 70}}, 50, {FalloCuenca::Area, 1}},
        {{{1, 80}, {2, 70}, {1, 100.5}}, 50, {FalloCuenca::NumeroCurva, 2}},
        {{{max, 80}, {max, 70}}, 50, {FalloCuenca::AreaTotal}},
        {{{1, 80}}, -1, {FalloCuenca::Lluvia}},
        {{{1, 80}}, 5001, {FalloCuenca::LluviaExcesiva}},
    };
    for (const auto& caso : casos) {
        CompuestoPorPasadas pasadas(caso.p, LambdasDe(EleccionLambda::Clasica));
        std::optional<RechazoCuenca> rechazo;
        for (const Subarea& s : caso.filas) {
            if ((rechazo = pasadas.Contar(s))) break;
        }
        if (!rechazo) rechazo = pasadas.CerrarPrimera();
        EXPECT_EQ(rechazo, caso.rechazo) << caso.filas.size() << " rows, P " << caso.p;
        // The same refusal as the whole catchment's.
        const auto entera = CalcularEscorrentiaCompuesta(caso.filas, caso.p, Lambda::Clasica);
        EXPECT_EQ(entera.error(), caso.rechazo);
    }
}

}  // namespace
}  // namespace tarvel
