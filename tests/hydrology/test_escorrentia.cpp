#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/Patrones.h"
#include "app/TablaTextos.h"
#include "hydrology/Escorrentia.h"
#include "series/Serie.h"
#include "tests/Esperado.h"

namespace tarvel {
namespace {

using prueba::ErrorDe;

// The textbook form in inches, in extended precision: S = 1000 / CN − 10,
// Q = (P − λS)² / (P + (1 − λ)S), with S0.05 = 1.33 S^1.15.
long double QEnPulgadas(long double cn, long double pMm, Lambda lambda) {
    const long double p = pMm / 25.4L;
    long double s = 1000 / cn - 10;
    long double l = 0.2L;
    if (lambda == Lambda::Reducida) {
        s = 1.33L * std::pow(s, 1.15L);
        l = 0.05L;
    }
    return p <= l * s ? 0 : 25.4L * (p - l * s) * (p - l * s) / (p + (1 - l) * s);
}

TEST(Escorrentia, AgreesWithTheTextbookFormOverTheWholeRange) {
    for (const Lambda lambda : {Lambda::Clasica, Lambda::Reducida}) {
        for (double cn = 0.5; cn <= 100; cn += 0.5) {
            for (const double p : {0.0, 1.0, 12.5, 50.0, 150.0, 1000.0}) {
                const auto r = CalcularEscorrentia(cn, p, lambda);
                ASSERT_TRUE(r) << cn;
                const double esperado = static_cast<double>(QEnPulgadas(cn, p, lambda));
                EXPECT_NEAR(r->Q, esperado, 1e-11 * std::max(1.0, esperado)) << cn << " " << p;
            }
        }
    }
}

TEST(Escorrentia, WorkedFiguresAndTheEndsOfTheRange) {
    const auto cn85 = *CalcularEscorrentia(85, 50, Lambda::Clasica);
    EXPECT_EQ(Formatear(cn85.S, Patron::DosDecimales), "44.82");
    EXPECT_EQ(Formatear(cn85.Ia, Patron::DosDecimales), "8.96");
    EXPECT_EQ(Formatear(cn85.Q, Patron::UnDecimal), "19.6");
    EXPECT_EQ(Formatear(CalcularEscorrentia(70, 50, Lambda::Clasica)->Q, Patron::UnDecimal), "5.8");
    EXPECT_EQ(Formatear(CalcularEscorrentia(85, 50, Lambda::Reducida)->CN, Patron::UnDecimal), "79.6");
    // CN 100 keeps no water: Q is the whole storm, to the last bit.
    for (const double p : {0.1, 50.0, kLluviaMaxima}) {
        EXPECT_EQ(CalcularEscorrentia(100, p, Lambda::Reducida)->Q, p);
        EXPECT_EQ(CalcularEscorrentia(100, p, Lambda::Clasica)->S, 0);
    }
    // CN 50: S = 254, Ia = 50.8 exactly; a storm up to Ia gives nothing.
    EXPECT_EQ(CalcularEscorrentia(50, 50.8, Lambda::Clasica)->Q, 0);
    EXPECT_GT(CalcularEscorrentia(50, 50.81, Lambda::Clasica)->Q, 0);
    EXPECT_EQ(CalcularEscorrentia(85, 0, Lambda::Reducida)->Q, 0);
}

TEST(Escorrentia, SeriesUsesTheResultsWindowsConversions) {
    const auto serie = *CalcularSerie(85, 70);
    const auto r = CalcularEscorrentiaSerie(85, 70, 50, Lambda::Reducida);
    ASSERT_TRUE(r);
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(r->NAC.CN[j], serie.NAC[j]);
        EXPECT_EQ(r->NOB.CN[j], serie.NOB[j]);
        const double qac = CalcularEscorrentia(serie.NAC[j], 50, Lambda::Reducida)->Q;
        const double qob = CalcularEscorrentia(serie.NOB[j], 50, Lambda::Reducida)->Q;
        EXPECT_EQ(r->NAC.condicion[j].Q, qac);
        EXPECT_DOUBLE_EQ(r->ahorro[j].mm, qac - qob);
        EXPECT_DOUBLE_EQ(*r->ahorro[j].porcentaje, 100 * (qac - qob) / qac);
    }
    // The dry condition of 100 lies just above 100 and still has its runoff.
    const auto tope = CalcularEscorrentiaSerie(100, 99.9, 30, Lambda::Clasica);
    ASSERT_TRUE(tope);
    EXPECT_EQ(tope->NAC.condicion[0].Q, 30);
    // No runoff on the degraded hillside: nothing to take a per cent of.
    const auto seca = CalcularEscorrentiaSerie(40, 30, 5, Lambda::Clasica);
    EXPECT_EQ(seca->ahorro[1].mm, 0);
    EXPECT_FALSE(seca->ahorro[1].porcentaje);
}

TEST(Escorrentia, BadValuesAreNamed) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Caso { double nac, nob, p; int mensaje; };
    for (const Caso& c : {Caso{0, 70, 50, 193}, Caso{100.5, 70, 50, 193}, Caso{85, -5, 50, 194},
                          Caso{85, 1e-310, 50, 194}, Caso{85, 70, -1, 300}, Caso{85, 70, inf, 300},
                          Caso{85, 70, 5000.001, 302}, Caso{85, 70, 1e300, 302}}) {
        const auto r = CalcularEscorrentiaSerie(c.nac, c.nob, c.p, Lambda::Clasica);
        ASSERT_FALSE(r) << c.nac << " " << c.nob << " " << c.p;
        EXPECT_EQ(MensajeEscorrentia(r.error()), c.mensaje);
    }
    EXPECT_EQ(MensajeEscorrentia(ErrorDe(CalcularEscorrentiaCurva(0, 50, Lambda::Clasica))), 301);
    // A curve number near 0 with a storm near the largest double: P − Ia + S overflows.
    const auto desborde = CalcularEscorrentiaCurva(1e-262, std::numeric_limits<double>::max(), Lambda::Reducida);
    EXPECT_EQ(MensajeEscorrentia(ErrorDe(desborde)), 302);
    // Above kCurvaCalculableSegura the answer is quick; just below it the whole check must agree.
    EXPECT_TRUE(NumeroCurvaCalculable(std::nextafter(kCurvaCalculableSegura, 0.0)));
    EXPECT_FALSE(NumeroCurvaCalculable(1e-300));
    for (const char* malo : {"", "abc", "-1", "1,5", "1e3", "50mm"}) EXPECT_FALSE(LeerLluvia(malo)) << malo;
    EXPECT_EQ(*LeerLluvia(" 50.5 "), 50.5);
    // The storm's bound, which its message gives: the window, the chart and the worksheet read P with LeerLluvia.
    EXPECT_EQ(*LeerLluvia("5000"), kLluviaMaxima);
    EXPECT_EQ(ErrorDe(LeerLluvia("5000.1")), (RechazoEscorrentia{ValorEscorrentia::Lluvia, ErrorEscorrentia::Desbordamiento}));
    EXPECT_EQ(ErrorDe(CalcularEscorrentia(85, 5001, Lambda::Clasica)), ErrorEscorrentia::Desbordamiento);
    EXPECT_EQ(ErrorDe(NumeroCurvaDeEscorrentia(5001, 1, Lambda::Clasica)), ErrorEscorrentia::Desbordamiento);
    EXPECT_NE(std::string(Texto(302)).find(" " + TextoNumero(kLluviaMaxima) + " (mm)."), std::string::npos);
    EXPECT_FALSE(std::signbit(*LeerLluvia("-0")));
    EXPECT_EQ(*LeerNumeroCurvaEscorrentia("85"), 85);
    for (const char* malo : {"50,5", "0", "101", "x"}) {
        EXPECT_EQ(ErrorDe(LeerNumeroCurvaEscorrentia(malo, ValorEscorrentia::NOB)).valor, ValorEscorrentia::NOB);
    }
    EXPECT_EQ(LeerEleccionLambda(" Both "), EleccionLambda::Ambas);
    EXPECT_FALSE(LeerEleccionLambda("0.1"));
}

TEST(Escorrentia, TheCurveNumberOfARunoffIsTheOneThatGaveIt) {
    for (const Lambda lambda : {Lambda::Clasica, Lambda::Reducida}) {
        for (double cn = 20; cn < 100; cn += 0.25) {
            const auto r = *CalcularEscorrentia(cn, 80, lambda);
            if (r.Q == 0) continue;
            const auto inversa = NumeroCurvaDeEscorrentia(80, r.Q, lambda);
            EXPECT_NEAR(inversa->CN, cn, 1e-9 * cn) << cn;
            EXPECT_NEAR(inversa->CNLambda, r.CN, 1e-9 * cn) << cn;
        }
    }
    // No runoff: the largest curve number without any is the one whose Ia is P.
    const auto ninguna = *NumeroCurvaDeEscorrentia(50.8, 0, Lambda::Clasica);
    EXPECT_TRUE(ninguna.sinEscorrentia);
    EXPECT_NEAR(ninguna.CN, 50, 1e-12);
    EXPECT_EQ(NumeroCurvaDeEscorrentia(50, 50, Lambda::Reducida)->CN, 100);
    EXPECT_EQ(NumeroCurvaDeEscorrentia(0, 0, Lambda::Clasica)->CN, 100);
    EXPECT_FALSE(NumeroCurvaDeEscorrentia(50, 51, Lambda::Clasica));
}

}  // namespace
}  // namespace tarvel
