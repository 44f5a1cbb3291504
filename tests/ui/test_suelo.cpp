// The soil group dialog as a user drives it: where the focus starts and goes
// on Enter, the rate road, the texture typed with Enter, the focus sent back
// to a faulty box, the sum message, and what OK and Cancel hand back.

#include "EntornoUi.h"
#include "app/FormatoNumerico.h"
#include "ui/determination/frmSuelo.h"

using namespace tarvel;
using namespace tarvel::prueba;

namespace {

QString Grupo(int panel) { return EnFrente<QLabel>(QStringLiteral("lblGrupo_%1").arg(panel))->text(); }
bool Aceptable() { return EnFrente("cmdAceptar")->isEnabled(); }

// The three boxes typed from the clay box on, each followed by Enter.
Pasos Textura(const QString& arcilla, const QString& limo, const QString& arena) {
    return {Pulsar("opcMetodo_1"), Teclear("txtPorcentaje_0", arcilla, Qt::Key_Enter),
            [limo] { QTest::keyClicks(QApplication::focusWidget(), limo); }, Tecla(Qt::Key_Return),
            [arena] { QTest::keyClicks(QApplication::focusWidget(), arena); }, Tecla(Qt::Key_Return)};
}

}  // namespace

class PruebaSuelo : public PruebaUi {
    Q_OBJECT

private slots:
    void theRateRoadAndWhatOkHandsBack() {
        Abrir<frmSuelo>();
        QCOMPARE(Foco(), QString("opcMetodo_0"));
        QVERIFY(!Aceptable());
        Tecla(Qt::Key_Return)();
        QCOMPARE(Foco(), QString("opcTasa_0"));
        Tecla(Qt::Key_Return)();
        QCOMPARE(Foco(), QString("cmdCancelar"));  // OK is still disabled
        Pulsar("opcTasa_1")();
        QCOMPARE(Grupo(0), QString("B"));
        QVERIFY(Aceptable());
        Pulsar("cmdAceptar")();
        QCOMPARE(gLetraGrupoSuelo, std::string("B"));
        QVERIFY(!Visible<frmSuelo>());
    }

    // Under "," as separator the full stop key enters it; Enter goes on from
    // box to box, and after the sand box the group is found and OK takes the focus.
    void theTextureTypedWithEnter() {
        EstablecerFormato({',', '.'});
        DetectarSeparadorDecimal();
        Abrir<frmSuelo>();
        QCOMPARE(EnFrente("txtPorcentaje_1")->toolTip(), QString("D = [0,002-0,05] mm"));
        QVERIFY(Jugar(Textura("33.3", "33.3", "33.4")));
        QCOMPARE(EnFrente<QLineEdit>("txtPorcentaje_2")->text(), QString("33,4"));
        QCOMPARE(Grupo(1), QString("C"));
        QCOMPARE(Foco(), QString("cmdAceptar"));
        Tecla(Qt::Key_Space)();
        QCOMPARE(gLetraGrupoSuelo, std::string("C"));
    }

    void aBoxWithNoValidNumberTakesTheFocusBackSilently() {
        for (const auto& [arcilla, limo, arena, caja] :
             {std::tuple{"20", "abc", "", "txtPorcentaje_1"}, {"-5", "40", "65", "txtPorcentaje_0"}}) {
            Entorno().SiguienteCaso();
            Abrir<frmSuelo>();
            QVERIFY(Jugar(Textura(arcilla, limo, arena)));
            QCOMPARE(Foco(), QString(caja));
            QVERIFY(Entorno().Vistos().empty() && !Aceptable() && Grupo(1).isEmpty());
        }
    }

    void percentagesNotAddingUpToOneHundredShowTheMessage() {
        Abrir<frmSuelo>();
        Entorno().Responder(RespuestaMensaje::Aceptar);
        QVERIFY(Jugar(Textura("33.33", "33.33", "33.33")));
        QCOMPARE(Entorno().Vistos().size(), std::size_t(1));
        QCOMPARE(Entorno().Vistos().front().titulo, QString("Error en los datos introducidos."));
        QVERIFY(Entorno().Vistos().front().icono == IconoMensaje::Informacion);
        QCOMPARE(Foco(), QString("txtPorcentaje_0"));
        QVERIFY(Grupo(1).isEmpty());
        // The clay box's text is selected, so typing replaces it; a click on the group runs the check.
        QVERIFY(Jugar({[] { QTest::keyClicks(QApplication::focusWidget(), "33.34"); }, Tecla(Qt::Key_Return)}));
        QVERIFY(Aceptable());
        QTest::mouseClick(EnFrente("lblGrupo_1"), Qt::LeftButton);
        QCOMPARE(Grupo(1), QString("C"));
        QCOMPARE(Foco(), QString("cmdAceptar"));
    }

    void neitherEnterNorEscapePressesAButtonAndCancelHandsNothingBack() {
        gLetraGrupoSuelo = std::string(1, 'D');  // not from a literal: GCC 12 warns falsely on that
        auto* suelo = Abrir<frmSuelo>();
        Pulsar("opcTasa_0")();
        EnFrente("cmdAceptar")->setFocus();
        Tecla(Qt::Key_Return)();
        QCOMPARE(Foco(), QString("cmdCancelar"));
        Tecla(Qt::Key_Escape)();
        QTest::keyClick(suelo, Qt::Key_Escape);
        QVERIFY(suelo->isVisible());
        Pulsar("cmdCancelar")();
        QCOMPARE(gLetraGrupoSuelo, std::string("D"));
    }
};

TARVEL_PRUEBA_UI(PruebaSuelo)
#include "test_suelo.moc"
