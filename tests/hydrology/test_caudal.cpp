#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <tuple>
#include <limits>
#include <vector>

#include "app/Idioma.h"
#include "app/TablaTextos.h"
#include "hydrology/CaudalPunta.h"
#include "hydrology/EntradasCaudal.h"
#include "hydrology/PresentacionCaudal.h"
#include "hydrology/TiempoConcentracion.h"
#include "tests/Esperado.h"

namespace tarvel {
namespace {

using prueba::ErrorDe;

constexpr double kPie = 0.3048, kPulgada = 25.4, kCfs = 0.028316846592;
constexpr double kAcre = 0.0040468564224;  // km²
const double kNaN = std::numeric_limits<double>::quiet_NaN();

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

TEST(CaudalPunta, Tr55Example41) {
    // 250 acres, CN 75, 6.0 in, Type II, Tc of example 3-1, no ponds: Ia/P 0.11,
    // Q 3.28 in, qu read off exhibit 4-II as 270 csm/in, qp 345 cfs.
    const DatosTR55 datos{250 * kAcre, 75, 6 * kPulgada, CalcularTiempoTR55(kEjemplo31)->horas,
                          DistribucionLluvia::II, 0};
    const auto c = CalcularCaudalTR55(datos);
    ASSERT_TRUE(c);
    Impreso(c->Ia / kPulgada, 0.667, 3);
    Impreso(c->iaP, 0.11, 2);
    Impreso(c->Q / kPulgada, 3.28, 2);
    EXPECT_NEAR(c->quCsm, 270, 5);
    EXPECT_NEAR(c->qp / kCfs, 345, 1);
    EXPECT_NEAR(kCsmPorPulgada, 4.3044e-4, 1e-8);
    EXPECT_TRUE(c->avisos.empty());
}

TEST(CaudalPunta, PonceExample59InSi) {
    // 4 km², 90 mm, CN 74, Tc 1.5 h, 1 % ponds, Type II: Ia/P 0.198, 12.09 m³/s.
    const auto c = CalcularCaudalTR55({4, 74, 90, 1.5, DistribucionLluvia::II, 1});
    ASSERT_TRUE(c);
    Impreso(c->iaP, 0.198, 3);
    EXPECT_EQ(c->Fp, 0.87);
    EXPECT_NEAR(c->qp, 12.09, 0.005 * 12.09);
}

TEST(CaudalPunta, TableRowsLimitsAndWarnings) {
    // At a row, the row itself; between two, the line between them; outside, the end row.
    const auto fila = CoeficientesTR55(DistribucionLluvia::IA, 0.25);
    EXPECT_EQ(fila.c0, 1.83842);
    EXPECT_EQ(fila.c2, -0.02597);
    const auto medio = CoeficientesTR55(DistribucionLluvia::II, 0.2);
    EXPECT_NEAR(medio.c1, (-0.61512 - 0.62257) / 2, 1e-15);
    EXPECT_EQ(CoeficientesTR55(DistribucionLluvia::III, 0.02).c0, 2.47317);
    EXPECT_EQ(CoeficientesTR55(DistribucionLluvia::I, 0.9).c1, -0.06930);
    EXPECT_EQ(FactorCharcas(0), 1.0);
    EXPECT_NEAR(FactorCharcas(0.6), 0.92, 1e-15);
    EXPECT_EQ(FactorCharcas(5), 0.72);
    EXPECT_EQ(FactorCharcas(40), 0.72);

    // CN 39 and 60 mm: Ia/P 1.32, read at 0.5; Tc 0.05 h read at 0.1 h;
    // 12 km²; 8 % ponds. Everything computed, everything warned about.
    const auto c = CalcularCaudalTR55({12, 39, 60, 0.05, DistribucionLluvia::I, 8});
    ASSERT_TRUE(c);
    EXPECT_EQ(c->iaPTabla, 0.5);
    EXPECT_EQ(c->tcTabla, 0.1);
    EXPECT_DOUBLE_EQ(c->quCsm, std::pow(10.0, 1.67889 + 0.06930));
    EXPECT_EQ(c->avisos, (std::vector<Aviso>{{TipoAviso::AreaGrande, 12, kAreaMaximaTR55},
                                             {TipoAviso::NumeroCurvaBajo, 39, 40},
                                             {TipoAviso::TiempoCorto, 0.05, 0.1},
                                             {TipoAviso::IaPAlto, c->iaP, 0.5},
                                             {TipoAviso::CharcasExcesivas, 8, 5}}));
    EXPECT_EQ(c->Q, 0);  // the storm is below Ia: no runoff, no peak
    EXPECT_EQ(c->qp, 0);
    const auto largo = CalcularCaudalTR55({1, 98, 200, 30, DistribucionLluvia::II, 0});
    EXPECT_EQ(largo->avisos, (std::vector<Aviso>{{TipoAviso::TiempoLargo, 30, 10},
                                                 {TipoAviso::IaPBajo, largo->iaP, 0.1}}));
    EXPECT_EQ(largo->iaPTabla, 0.1);
}

TEST(CaudalPunta, TemezWorkedExample) {
    // 380 km², tc 2.32 h, Pd 88.21 mm, local IDF I = 35.669 t^-0.487, P0 from
    // CN 89.48, β 1: KA 0.83, Pd·KA 73.04, Id 3.04, I 20.65, P0 5.97, C 0.73,
    // Kt 1.17, Q 1870 m³/s.
    const double id = 88.21 * FactorArea(380) / 24;
    const auto p0 = UmbralInicialDeNumeroCurva(89.48);
    ASSERT_TRUE(p0);
    const auto c = CalcularCaudalIC({380, 2.32, 88.21, 35.669 / id, std::nullopt, *p0, 1});
    ASSERT_TRUE(c);
    Impreso(c->KA, 0.83, 2);
    Impreso(c->lluviaCorregida, 73.04, 2);
    Impreso(c->Id, 3.04, 2);
    Impreso(c->I, 20.65, 2);
    Impreso(c->P0, 5.97, 2);
    Impreso(c->C, 0.73, 2);
    Impreso(c->Kt, 1.17, 2);
    Impreso(c->Q, 1870, 0);
    EXPECT_EQ(c->avisos, std::vector<Aviso>{(Aviso{TipoAviso::AreaGrande, 380, 50})});
}

TEST(CaudalPunta, RationalMethodEdges) {
    EXPECT_EQ(FactorArea(0.999), 1);
    EXPECT_EQ(FactorArea(1), 1);
    EXPECT_DOUBLE_EQ(FactorArea(10), 1 - 1.0 / 15);
    // At one hour the intensity is the hour's own.
    EXPECT_NEAR(FactorIntensidad(9.5, 1), 9.5, 1e-12);
    // No runoff up to the threshold, some just above, all of it without one.
    EXPECT_EQ(CoeficienteEscorrentiaIC(30, 30), 0);
    EXPECT_GT(CoeficienteEscorrentiaIC(30.001, 30), 0);
    EXPECT_EQ(CoeficienteEscorrentiaIC(30, 0), 1);
    EXPECT_EQ(CoeficienteEscorrentiaIC(0, 0), 0);
    EXPECT_LT(CoeficienteEscorrentiaIC(1e300, 1e-300), 1.0000001);
    EXPECT_EQ(*UmbralInicialDeNumeroCurva(100), 0);
    // A local IDF curve above the standard's ratio wins; β scales the threshold.
    const auto c = CalcularCaudalIC({0.5, 0.3, 100, 10, 40.0, 20, 1.5});
    ASSERT_TRUE(c);
    EXPECT_EQ(c->KA, 1);
    EXPECT_EQ(c->Fint, 40);
    EXPECT_EQ(c->P0, 30);
    EXPECT_NEAR(c->Q, c->I * c->C * 0.5 * c->Kt / 3.6, 1e-12);
    EXPECT_TRUE(c->avisos.empty());
}

TEST(CaudalPunta, SeveralReturnPeriods) {
    std::vector<TormentaTR55> tr55;
    for (const double t : kPeriodosRetorno) tr55.push_back({t, 40 + t / 5});
    const auto filas = CalcularTablaTR55({2, 80, 0, 1, DistribucionLluvia::II, 0}, tr55);
    ASSERT_EQ(filas->size(), 6u);
    EXPECT_EQ(filas->back().T, 500);
    EXPECT_EQ(filas->back().caudal.qp, CalcularCaudalTR55({2, 80, 140, 1, DistribucionLluvia::II, 0})->qp);
    for (std::size_t i = 1; i < filas->size(); ++i) EXPECT_GT((*filas)[i].caudal.qp, (*filas)[i - 1].caudal.qp);

    const std::vector<TormentaIC> ic{{10, 80, 1.2, std::nullopt}, {100, 120, 0.9, 30.0}};
    const auto filasIC = CalcularTablaIC({3, 1.2, 0, 10, std::nullopt, 25, 1}, ic);
    ASSERT_TRUE(filasIC);
    EXPECT_DOUBLE_EQ((*filasIC)[0].caudal.P0, 30);
    EXPECT_EQ((*filasIC)[1].caudal.Fint, 30);
}

TEST(CaudalPunta, RefusalsNameTheInputItsRangeAndWhere) {
    struct Caso {
        RechazoCaudal obtenido;
        RechazoCaudal esperado;
    };
    const auto tc = [](std::vector<TramoFlujo> t) { return ErrorDe(CalcularTiempoTR55(t)); };
    const auto tr55 = [](DatosTR55 d) { return ErrorDe(CalcularCaudalTR55(d)); };
    const DatosIC bueno{3, 1, 80, 10, std::nullopt, 20, 1};
    const auto conIC = [&](auto cambio) {
        DatosIC d = bueno;
        cambio(d);
        return ErrorDe(CalcularCaudalIC(d));
    };
    const std::vector<Caso> casos{
        {tc({}), {DatoCaudal::Tramos, 0, {1, 1000}}},
        {tc({kEjemplo31[0], TramoLaminar(0, 10, 50, 0.1)}), {DatoCaudal::Rugosidad, 0, {0.001, 1}, 1}},
        {tc({TramoCauce(0.03, 2, kNaN, 0.01, 100)}), {DatoCaudal::PerimetroMojado, kNaN, {1e-3, 1e5}, 0}},
        {tc({TramoSuperficial(100, 0, Firme::Pavimentado)}), {DatoCaudal::Pendiente, 0, {1e-6, 10}, 0}},
        {ErrorDe(CalcularTiempoIC(0, 0.1)), {DatoCaudal::LongitudCauceKm, 0, {0.001, 1e4}}},
        {tr55({0, 80, 50, 1}), {DatoCaudal::Area, 0, {0, 1e5, true}}},
        {tr55({1, 101, 50, 1}), {DatoCaudal::NumeroCurva, 101, {0, 100, true}}},
        {tr55({1, 80, 0, 1}), {DatoCaudal::Lluvia, 0, {0, 2000, true}}},
        {tr55({1, 80, 50, -1}), {DatoCaudal::TiempoConcentracion, -1, {0, 1000, true}}},
        {tr55({1, 80, 50, 1, DistribucionLluvia::II, 101}), {DatoCaudal::Charcas, 101, {0, 100}}},
        {conIC([](DatosIC& d) { d.i1id = 0.5; }), {DatoCaudal::IndiceTorrencialidad, 0.5, {1, 100}}},
        {conIC([](DatosIC& d) { d.fb = -1; }), {DatoCaudal::FactorIDF, -1, {0, 1e4, true}}},
        {conIC([](DatosIC& d) { d.beta = 0; }), {DatoCaudal::Beta, 0, {0, 10, true}}},
        {ErrorDe(UmbralInicialDeNumeroCurva(0.01)), {DatoCaudal::NumeroCurva, 0.01, {0.0508, 100}}},
    };
    for (std::size_t i = 0; i < casos.size(); ++i) {
        const RechazoCaudal& r = casos[i].obtenido;
        const RechazoCaudal& e = casos[i].esperado;
        EXPECT_EQ(r.dato, e.dato) << i;
        EXPECT_EQ(r.rango, e.rango) << i;
        EXPECT_EQ(r.tramo, e.tramo) << i;
        EXPECT_TRUE(r.valor == e.valor || (std::isnan(r.valor) && std::isnan(e.valor))) << i;
    }
    // In a table, the refusal names its row; T is checked first.
    const std::vector<TormentaTR55> filas{{2, 50}, {5, std::numeric_limits<double>::infinity()}, {0, 60}};
    EXPECT_EQ(ErrorDe(CalcularTablaTR55({1, 80, 0, 1}, filas)).fila, 1);
    const auto t = ErrorDe(CalcularTablaTR55({1, 80, 0, 1}, std::span(filas).subspan(2)));
    EXPECT_EQ(t.dato, DatoCaudal::PeriodoRetorno);
    EXPECT_EQ(t.fila, 0);
}

// Three significant digits, never fewer than the whole part; limits exact
// and short; a range's open ends said as such.
TEST(PresentacionCaudal, FiguresLimitsAndRanges) {
    const std::pair<double, const char*> cifras[] = {
        {9.746, "9.75"},   {12.04, "12.0"}, {1867.6, "1868"},    {0.1158, "0.116"}, {0.02864, "0.0286"},
        {99.96, "100"},    {0.9996, "1.00"}, {0, "0.0"},         {1e-12, "0.000000000"}, {-0.5, "-0.500"},
        {2.675, "2.68"},   {1e6, "1000000"}};
    for (const auto& [valor, texto] : cifras) EXPECT_EQ(Cifra(valor), texto) << valor;
    EXPECT_EQ(Cifra(kNaN), "");
    EXPECT_EQ(TextoLimite(1e-6), "0.000001");
    EXPECT_EQ(TextoLimite(91.44), "91.44");
    EXPECT_EQ(TextoLimite(1e5), "100000");
    FijarIdioma(kIdiomaIngles);
    EXPECT_EQ(MotivoRango({1, 2}), "it must be a number from 1 to 2");
    EXPECT_EQ(MotivoRango({0, 100, true}), "it must be a number above 0 and not above 100");
    EXPECT_EQ(MotivoRango({0, 5, false, true}), "it must be a number from 0 and below 5");
    EXPECT_EQ(MotivoRango({0, 5, true, true}), "it must be a number above 0 and below 5");
    // A warning's value without the zeros of its precision, its limit as exact as it is short.
    EXPECT_EQ(TextoAviso({TipoAviso::TiempoCorto, 0.05, 0.1}, MetodoCaudal::TR55),
              "Tc = 0.05 h is below 0.1 h, the least TR-55's graphical method covers: qu was read at 0.1 h.");
    EXPECT_EQ(TextoAviso({TipoAviso::AreaGrande, 12, kAreaMaximaTR55}, MetodoCaudal::TR55),
              "The area, 12 km², is larger than the 8.09 km² (2000 acres) TR-55's graphical method was published for.");
    // The warnings of a table once each, those of some rows with their return periods.
    const std::vector<Aviso> comun{{TipoAviso::NumeroCurvaBajo, 35, 40}};
    std::vector<Aviso> alto = comun;
    alto.push_back({TipoAviso::IaPAlto, 0.6, 0.5});
    const AvisosDeFila filas[] = {{2, alto}, {5, alto}, {100, comun}};
    EXPECT_EQ(AvisosDeFilas(MetodoCaudal::TR55, filas),
              (std::vector<std::string>{"CN 35: TR-55's graphical method is meant for curve numbers of 40 or more.",
                                        "T = 2, 5 years: Ia/P = 0.6 is above 0.5, the last row of table F-1: that row "
                                        "was used."}));
    FijarIdioma(kIdiomaEspanol);
}

// The window's inputs as values: what each case changes of TR-55's example
// 4-1 on the path of example 3-1 (25-year storm), and the first input that
// keeps the peak from being worked out, in the order of the fields (none:
// the peak is there). A segment or a return period left empty is no part of
// it; empty ponds count as 0.
TEST(EntradasCaudal, WhatKeepsThePeakFromBeingKnownInTheOrderOfTheFields) {
    EntradasCaudal base;
    base.tramos = {{TipoTramo::Laminar, Firme::SinPavimentar, 0.24, 30.48, 91.44, 0.01, {}, {}},
                   {TipoTramo::Superficial, Firme::SinPavimentar, {}, 426.72, {}, 0.01, {}, {}},
                   {TipoTramo::Cauce, Firme::SinPavimentar, 0.05, 2225.04, {}, 0.005, 2.50838, 8.59536}};
    base.periodos[3].lluvia = 152.4;
    struct Caso {
        const char* que;
        std::function<void(EntradasCaudal&, std::optional<double>&)> cambio;
        std::optional<FaltaCaudal> falta;
    };
    const auto vacio = [](DatoCaudal d, int tramo = -1, int fila = -1) {
        return FaltaCaudal{{d, kNaN, RangoDe(d), tramo, fila}, true};
    };
    const Caso casos[] = {
        {"as typed", [](auto&, auto&) {}, std::nullopt},
        {"an empty segment and ponds", [](auto& e, auto&) { e.tramos.insert(e.tramos.begin() + 1, TramoEscrito{}); e.charcas.reset(); }, std::nullopt},
        {"no area, no slope", [](auto& e, auto& a) { a.reset(); e.tramos[1].pendiente.reset(); }, vacio(DatoCaudal::Area)},
        {"a segment half typed", [](auto& e, auto&) { e.tramos[1].pendiente.reset(); }, vacio(DatoCaudal::Pendiente, 1)},
        {"no segment", [](auto& e, auto&) { e.tramos.assign(1, {}); e.tramos[0].tipo = TipoTramo::Cauce; }, vacio(DatoCaudal::Rugosidad, 0)},
        {"no storm", [](auto& e, auto&) { e.periodos[3].lluvia.reset(); }, vacio(DatoCaudal::Lluvia, -1, 0)},
        {"a storm without its T", [](auto& e, auto&) { e.periodos[3].T.reset(); }, vacio(DatoCaudal::PeriodoRetorno, -1, 3)},
        {"a storm of 0", [](auto& e, auto&) { e.periodos[3].lluvia = 0.0; },
         FaltaCaudal{{DatoCaudal::Lluvia, 0, RangoDe(DatoCaudal::Lluvia), -1, 3}}},
        {"ponds that are no number", [](auto& e, auto&) { e.charcas = kNaN; },
         FaltaCaudal{{DatoCaudal::Charcas, kNaN, RangoDe(DatoCaudal::Charcas)}}},
        {"a typed tc refused", [](auto& e, auto&) { e.tiempoTecleado = true; e.tc = -1.0; },
         FaltaCaudal{{DatoCaudal::TiempoConcentracion, -1, RangoDe(DatoCaudal::TiempoConcentracion)}}},
    };
    for (const auto& caso : casos) {
        EntradasCaudal e = base;
        std::optional<double> area = 250 * kAcre;
        caso.cambio(e, area);
        const ResultadoCaudal r = EvaluarCaudal(e, area, 75);
        EXPECT_EQ(r.tabla.has_value(), !caso.falta) << caso.que;
        EXPECT_EQ(r.tramos.size(), e.tramos.size()) << caso.que;
        if (!caso.falta) {
            EXPECT_EQ(r.filas, std::vector<int>{3}) << caso.que;
            Impreso(r.tr55.at(0).caudal.qp, 9.75, 2);
            continue;
        }
        ASSERT_FALSE(r.faltas.empty()) << caso.que;
        const auto& f = r.faltas.front();
        EXPECT_EQ(f.vacio, caso.falta->vacio) << caso.que;
        EXPECT_EQ(f.lugar.dato, caso.falta->lugar.dato) << caso.que;
        EXPECT_EQ(std::tuple(f.lugar.tramo, f.lugar.fila, f.lugar.rango), std::tuple(caso.falta->lugar.tramo, caso.falta->lugar.fila, caso.falta->lugar.rango)) << caso.que;
        if (!f.vacio && !std::isnan(caso.falta->lugar.valor)) {
            EXPECT_EQ(f.lugar.valor, caso.falta->lugar.valor) << caso.que;
        }
    }

    // 5.2-IC: a return period's β is the catchment's while its own is empty;
    // P0 is that of the curve number, or typed.
    EntradasCaudal ic = base;
    ic.metodo = MetodoCaudal::IC;
    ic.beta = 2.0;
    ic.i1id = 11.72;
    ic.tiempoTecleado = true;
    ic.tc = 2.32;
    ic.periodos[0].lluviaDiaria = 88.21;
    ic.periodos[1] = {5, {}, 88.21, 0.5, {}};
    auto r = EvaluarCaudal(ic, 380, 89.48);
    ASSERT_EQ(r.ic.size(), 2u);
    EXPECT_NEAR(r.ic[0].caudal.P0, 2 * *r.umbralDeCurva, 1e-12);
    EXPECT_NEAR(r.ic[1].caudal.P0, 0.5 * *r.umbralDeCurva, 1e-12);
    ic.umbralTecleado = true;
    r = EvaluarCaudal(ic, 380, std::nullopt);
    EXPECT_TRUE(r.faltas.at(0).vacio && r.faltas.at(0).lugar.dato == DatoCaudal::UmbralInicial);
    EXPECT_FALSE(r.umbralDeCurva);

    FijarIdioma(kIdiomaIngles);
    const std::pair<RechazoCaudal, const char*> nombres[] = {
        {{DatoCaudal::Pendiente, 0, {}, 1}, "Segment 2: s (m/m)"}, {{DatoCaudal::Pendiente, 0, {}, -1, -1}, "Channel slope Jc (m/m)"},
        {{DatoCaudal::Beta, 0, {}, -1, -1}, "Correction coefficient β"},          {{DatoCaudal::Beta, 0, {}, -1, 0}, "Row 1: β"},
        {{DatoCaudal::PeriodoRetorno, 0, {}, -1, 3}, "Row 4: T (years)"}};
    for (const auto& [lugar, nombre] : nombres) EXPECT_EQ(NombreEntradaCaudal(lugar), nombre);
    EXPECT_EQ(MensajeFaltaCaudal(vacio(DatoCaudal::Lluvia, -1, 0)),
              "The peak discharge cannot be worked out from the inputs kept: Row 1: P 24 h (mm) is missing.");
    FijarIdioma(kIdiomaEspanol);
}

}  // namespace
}  // namespace tarvel
