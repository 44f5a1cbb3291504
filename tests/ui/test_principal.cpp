// The step-by-step window as a user drives it: where the focus starts, what
// a second click on a chosen option leaves, the red "?", the soil and forest
// dialogs handed their answers back or cancelled, and what OK hands back; and
// the forest condition dialog itself: Calculate only moves the focus to what
// is missing, the factors are taken when their control loses the focus, and
// an edited depth disables OK.

#include <QAccessible>

#include "EntornoUi.h"
#include "ui/common/Colores.h"
#include "ui/determination/frmNomograma.h"
#include "ui/determination/frmPrincipal.h"

using namespace tarvel;
using namespace tarvel::prueba;

namespace {

QString Numero() { return EnFrente<QLabel>("lblTarvelva")->text(); }
QColor ColorNumero() { return EnFrente<QLabel>("lblTarvelva")->palette().color(QPalette::WindowText); }
QString Caja(const char* nombre) { return EnFrente<QLineEdit>(nombre)->text(); }
QString Clase() { return Caja("txtCondHidrologica"); }
bool Aceptable() { return EnFrente("cmdAceptar")->isEnabled(); }
bool Marcada(const char* nombre) { return EnFrente<QRadioButton>(nombre)->isChecked(); }

// The soil dialog answered with a rate class (opcTasa_0 to _3 for A to D).
Pasos Suelo(const char* tasa) { return {Pulsar("cmdDeterminarSuelo"), Pulsar(tasa), Pulsar("cmdAceptar")}; }

// The forest dialog's depths and compactness (-1: none chosen), then Calculate.
Pasos Calcular(const QString& arrope, const QString& humus, int compacidad) {
    Pasos pasos{Teclear("txtArrope", arrope, Qt::Key_unknown), Teclear("txtHumus", humus, Qt::Key_unknown)};
    if (compacidad >= 0) pasos.push_back(Elegir("lstCompacidad", compacidad));
    pasos.push_back(Pulsar("cmdCalcular"));
    return pasos;
}

}  // namespace

class PruebaPrincipal : public PruebaUi {
    Q_OBJECT

private slots:
    // The window keeps its options' exclusivity itself: one chosen from a
    // screen reader must be clicked, so that the window hears of it.
    void anOptionChosenFromAScreenReaderIsClicked() {
        Abrir<frmPrincipal>();
        QAccessible::queryAccessibleInterface(EnFrente("opcTipo_1"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(EnFrente("lstVegetacion_1")->isVisible());
    }

    void theGroupsAndTheRedQuestionMark() {
        Abrir<frmPrincipal>();
        QCOMPARE(Foco(), QString("opcTipo_0"));
        QVERIFY(EnFrente("lstVegetacion_0")->isVisible() && !EnFrente("lstVegetacion_1")->isVisible());
        // Arid herbaceous, poor, on group A: the tables give no value.
        QVERIFY(Jugar(Pasos{Pulsar("opcTipo_1"), Pulsar("opcCondicion_0")} + Suelo("opcTasa_0")));
        QVERIFY(EnFrente("lstVegetacion_1")->isVisible() && !EnFrente("lstVegetacion_0")->isVisible());
        QCOMPARE(Numero(), QString("?"));
        QCOMPARE(ColorNumero(), kTextoFalta);
        // Choosing the group already chosen changes nothing.
        Pulsar("opcTipo_1")();
        QVERIFY(Marcada("opcCondicion_0"));
        QCOMPARE(Caja("txtSuelo"), QString("A"));
        QCOMPARE(Numero(), QString("?"));
        Entorno().Responder(RespuestaMensaje::Aceptar);
        Pulsar("cmdAceptar")();
        QCOMPARE(Entorno().UltimoMensaje(), QString("Debe seleccionar un número de curva."));
        QVERIFY(Visible<frmPrincipal>());
        QCOMPARE(gNCElegido, std::int16_t(0));
    }

    void aSecondClickOnTheTreatmentAndOkHandingTheNumberBack() {
        Abrir<frmPrincipal>();
        QVERIFY(Jugar(Pasos{Pulsar("opcSuelo_1"), Pulsar("opcCondicion_0")} + Suelo("opcTasa_2")));
        QCOMPARE(Numero(), QString("90"));
        Pulsar("opcSuelo_1")();
        QVERIFY(Marcada("opcCondicion_0"));
        QCOMPARE(Numero(), QString("90"));
        // Brush, good, on group A, with its sign; the list carries its entry's help.
        QVERIFY(Jugar(Pasos{Elegir("lstVegetacion_0", 7), Pulsar("opcCondicion_1")} + Suelo("opcTasa_0")));
        QCOMPARE(TopicoAyudaDe(EnFrente("lstVegetacion_0")), 13);
        QCOMPARE(Numero(), QString("30≤"));
        QCOMPARE(ColorNumero(), kTextoResultado);
        Pulsar("cmdAceptar")();
        QCOMPARE(gNCElegido, std::int16_t(30));
        QVERIFY(!Visible<frmPrincipal>());
    }

    void woodsTakeTheClassOfTheForestDialogAndCancelledDialogsChangeNothing() {
        gNCElegido = 64;
        Abrir<frmPrincipal>();
        QVERIFY(!EnFrente("cmdHidro")->isEnabled());
        QVERIFY(Jugar(Pasos{Elegir("lstVegetacion_0", 10)} + Suelo("opcTasa_1") +
                      Pasos{Pulsar("cmdHidro"), Teclear("txtArrope", "0"), Teclear("txtHumus", "0"),
                            Elegir("lstCompacidad", 1), Pulsar("cmdCalcular"), Pulsar("cmdAceptar")}));
        QCOMPARE(Caja("txtClaseBosque"), QString("II"));
        QCOMPARE(Numero(), QString("68"));  // row 51, group B
        QVERIFY(Jugar({Pulsar("cmdHidro"), Pulsar("cmdCancelar"), Pulsar("cmdDeterminarSuelo"), Pulsar("cmdCancelar")}));
        QCOMPARE(Caja("txtClaseBosque") + Caja("txtSuelo") + Numero(), QString("IIB68"));
        // Another entry forgets the class and the soil group.
        Elegir("lstVegetacion_0", 9)();
        QVERIFY(!EnFrente("cmdHidro")->isEnabled());
        QCOMPARE(Caja("txtClaseBosque") + Caja("txtSuelo") + Numero(), QString());
        // The close box hands nothing back.
        Visible<frmPrincipal>()->close();
        QCOMPARE(gNCElegido, std::int16_t(64));
    }

    void theForestDialogCalculatesOnlyWhatIsThere() {
        for (const auto& [arrope, humus, compacidad, control] :
             {std::tuple{"-1", "5", 2, "txtArrope"}, {"5", "5,5,5", -1, "txtHumus"}, {"5", "5", -1, "lstCompacidad"}}) {
            Entorno().SiguienteCaso();
            Abrir<frmNomograma>();
            QCOMPARE(Foco(), QString("opcEspesor_0"));
            QVERIFY(Jugar(Calcular(arrope, humus, compacidad)));
            QCOMPARE(Foco(), QString(control));
            QVERIFY(Clase().isEmpty() && !Aceptable() && Entorno().Vistos().empty());
        }
    }

    void theForestFactorsCountOnceTheirControlIsLeft() {
        Abrir<frmNomograma>();
        QVERIFY(Jugar(Calcular("5", "5", 2)));
        QCOMPARE(Clase(), QString("IV"));  // R 3.565
        QCOMPARE(Foco(), QString("txtCondHidrologica"));
        // Chosen, but still holding the focus: the factor in force is the old one.
        Pulsar("opcEspesor_1")();
        EnFrente<QPushButton>("cmdCalcular")->click();
        QCOMPARE(Clase(), QString("IV"));
        EnFrente<QPushButton>("cmdCalcular")->click();
        QCOMPARE(Clase(), QString("V"));  // R 5.045, after compaction
        QVERIFY(Aceptable());
        // Typing in a depth selects it first, so it replaces it; any edit disables OK.
        EnFrente("txtHumus")->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(EnFrente("txtHumus"), "5");
        QCOMPARE(EnFrente<QLineEdit>("txtHumus")->text(), QString("5"));
        QVERIFY(!Aceptable());
        QVERIFY(Jugar(Calcular("5", "5", 2)));
        Pulsar("cmdAceptar")();
        QCOMPARE(gClaseBosque, std::string("V"));
    }
};

TARVEL_PRUEBA_UI(PruebaPrincipal)
#include "test_principal.moc"
