// The step-by-step window, driven as a user drives it, from the method choice
// to the number handed back.
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "EntornoUi.h"
#include "app/SessionState.h"
#include "ui/Arranque.h"
#include "ui/Ayuda.h"
#include "ui/frmEleccion.h"
#include "ui/frmNomograma.h"
#include "ui/frmPrincipal.h"
#include "ui/frmSuelo.h"
#include "ui/frmTarvelPrimera.h"

using namespace tarvel;
using namespace tarvel::prueba;

namespace {


// A click near the left edge, where an option button's circle and text are.
void Pulsar(QObject* ventana, const QString& nombre) {
    QWidget* control = Hijo(ventana, nombre);
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(qMin(8, control->width() / 2), control->height() / 2));
}

// Chooses an entry of a vegetation list with the keyboard, as a user may.
void ElegirEntrada(frmPrincipal* ventana, int lista, int posicion) {
    auto* combo = Hijo<QComboBox>(ventana, QStringLiteral("lstVegetacion_%1").arg(lista));
    combo->setFocus();
    while (combo->currentIndex() < posicion) QTest::keyClick(combo, Qt::Key_Down);
    while (combo->currentIndex() > posicion) QTest::keyClick(combo, Qt::Key_Up);
}

QString Numero(frmPrincipal* ventana) { return Hijo<QLabel>(ventana, "lblTarvelva")->text(); }

bool Habilitada(frmPrincipal* ventana, const QString& nombre) { return Hijo(ventana, nombre)->isEnabled(); }

// The soil dialog answered with a rate class (0 to 3 for A to D).
void ElegirSueloPorTasa(frmPrincipal* ventana, int clase) {
    AlAbrir([clase] {
        auto* suelo = Visible<frmSuelo>();
        QVERIFY(suelo);
        Pulsar(suelo, QStringLiteral("opcTasa_%1").arg(clase));
        Pulsar(suelo, "cmdAceptar");
    });
    Pulsar(ventana, "cmdDeterminarSuelo");
}

}  // namespace

class PruebaPrincipal : public PruebaUi {
    Q_OBJECT

    frmPrincipal* Abrir(std::filesystem::path datos = {}) {
        ResolverIdiomaDeArranque();
        auto* ventana = new frmPrincipal(nullptr, std::move(datos));
        ventana->setAttribute(Qt::WA_DeleteOnClose);
        ventana->show();
        return ventana;
    }

private slots:
    // The window keeps its options' exclusivity itself: one chosen from a
    // screen reader must be clicked, so that the window hears of it.
    void anOptionChosenFromAScreenReaderIsClicked() {
        auto* ventana = Abrir();
        auto* opcion = QAccessible::queryAccessibleInterface(Hijo(ventana, "opcTipo_1"));
        opcion->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(Hijo(ventana, "lstVegetacion_1")->isVisible());
    }

    void opensOnFallowWithItsOptions() {
        auto* ventana = Abrir();
        QCOMPARE(ventana->windowTitle(), QString("Determinación del número de curva"));
        QVERIFY(Hijo<QRadioButton>(ventana, "opcTipo_0")->isChecked());
        QVERIFY(Hijo(ventana, "lstVegetacion_0")->isVisible());
        QVERIFY(!Hijo(ventana, "lstVegetacion_1")->isVisible());
        QCOMPARE(Hijo<QComboBox>(ventana, "lstVegetacion_0")->currentText(), QString("Barbecho"));
        QCOMPARE(Hijo<QComboBox>(ventana, "lstVegetacion_0")->count(), 14);
        QCOMPARE(Hijo<QComboBox>(ventana, "lstVegetacion_1")->count(), 5);
        for (int i = 0; i < 8; ++i) QCOMPARE(Habilitada(ventana, QStringLiteral("opcSuelo_%1").arg(i)), i < 2);
        QVERIFY(Habilitada(ventana, "opcCondicion_0") && Habilitada(ventana, "opcCondicion_1"));
        QVERIFY(!Habilitada(ventana, "opcCondicion_2"));
        QCOMPARE(Hijo<QRadioButton>(ventana, "opcCondicion_2")->text(), QString("Media"));
        QVERIFY(!Habilitada(ventana, "cmdHidro"));
        QCOMPARE(Numero(ventana), QString());
    }

    void theAridGroupReplacesTheList() {
        Entorno().GuardarIdiomaAlmacenado("English");
        auto* ventana = Abrir();
        Pulsar(ventana, "opcTipo_1");
        QVERIFY(Hijo(ventana, "lstVegetacion_1")->isVisible());
        QVERIFY(!Hijo(ventana, "lstVegetacion_0")->isVisible());
        QCOMPARE(Hijo<QComboBox>(ventana, "lstVegetacion_1")->currentIndex(), 0);
        for (int i = 0; i < 8; ++i) QVERIFY(!Habilitada(ventana, QStringLiteral("opcSuelo_%1").arg(i)));
        for (int i = 0; i < 3; ++i) QVERIFY(Habilitada(ventana, QStringLiteral("opcCondicion_%1").arg(i)));
        QCOMPARE(TopicoAyudaDe(Hijo(ventana, "lstVegetacion_1")), 50);
        Entorno().Reiniciar();
        ventana = Abrir();
        Pulsar(ventana, "opcTipo_1");
        QCOMPARE(Hijo<QRadioButton>(ventana, "opcCondicion_2")->text(), QString("Regular"));
        Pulsar(ventana, "opcTipo_0");
        QCOMPARE(Hijo<QRadioButton>(ventana, "opcCondicion_2")->text(), QString("Media"));
    }

    void okWithIncompleteAnswersOrNoValue() {
        auto* ventana = Abrir();
        Pulsar(ventana, "opcSuelo_1");
        Entorno().Responder(RespuestaMensaje::Aceptar);
        Pulsar(ventana, "cmdAceptar");
        QCOMPARE(Entorno().Vistos().back().texto, QString("Debe seleccionar un número de curva."));
        QVERIFY(ventana->isVisible());
        QVERIFY(Hijo<QRadioButton>(ventana, "opcSuelo_1")->isChecked());

        // Arid herbaceous on group A: the tables give no value.
        Pulsar(ventana, "opcTipo_1");
        Pulsar(ventana, "opcCondicion_0");
        ElegirSueloPorTasa(ventana, 0);
        QCOMPARE(Numero(ventana), QString("?"));
        Entorno().Responder(RespuestaMensaje::Aceptar);
        Pulsar(ventana, "cmdAceptar");
        QCOMPARE(Entorno().Vistos().back().texto, QString("Debe seleccionar un número de curva."));
        QVERIFY(ventana->isVisible());
        QCOMPARE(gNCElegido, std::int16_t(0));
    }

    void brushInGoodConditionOnGroupAHandsBack30() {
        auto* ventana = Abrir();
        ElegirEntrada(ventana, 0, 7);
        QCOMPARE(TopicoAyudaDe(Hijo(ventana, "lstVegetacion_0")), 13);
        Pulsar(ventana, "opcCondicion_1");
        ElegirSueloPorTasa(ventana, 0);
        QCOMPARE(Numero(ventana), QString("30≤"));
        QCOMPARE(Hijo<QLineEdit>(ventana, "txtSuelo")->text(), QString("A"));
        Pulsar(ventana, "cmdAceptar");
        QCOMPARE(gNCElegido, std::int16_t(30));
        QVERIFY(!ventana->isVisible());
    }

    void clickingTheSelectedOptionAgainChangesNothing() {
        auto* ventana = Abrir();
        Pulsar(ventana, "opcSuelo_1");
        Pulsar(ventana, "opcCondicion_0");
        ElegirSueloPorTasa(ventana, 2);
        QCOMPARE(Numero(ventana), QString("90"));
        Pulsar(ventana, "opcSuelo_1");
        Pulsar(ventana, "opcCondicion_0");
        QVERIFY(Hijo<QRadioButton>(ventana, "opcSuelo_1")->isChecked());
        QVERIFY(Hijo<QRadioButton>(ventana, "opcCondicion_0")->isChecked());
        QCOMPARE(Numero(ventana), QString("90"));
    }

    void woodsTakeTheClassOfTheForestDialog() {
        auto* ventana = Abrir();
        ElegirEntrada(ventana, 0, 10);
        QVERIFY(Habilitada(ventana, "cmdHidro"));
        QVERIFY(Habilitada(ventana, "txtClaseBosque"));
        ElegirSueloPorTasa(ventana, 1);
        AlAbrir([] {
            auto* bosque = Visible<frmNomograma>();
            QVERIFY(bosque);
            QVERIFY(QTest::qWaitForWindowActive(bosque));
            QTest::keyClicks(Hijo(bosque, "txtArrope"), "0");
            QTest::keyClicks(Hijo(bosque, "txtHumus"), "0");
            auto* compacidad = Hijo<QComboBox>(bosque, "lstCompacidad");
            compacidad->setFocus(Qt::MouseFocusReason);
            compacidad->setCurrentIndex(1);
            Pulsar(bosque, "cmdCalcular");
            QCOMPARE(Hijo<QLineEdit>(bosque, "txtCondHidrologica")->text(), QString("II"));
            Pulsar(bosque, "cmdAceptar");
        });
        Pulsar(ventana, "cmdHidro");
        QCOMPARE(Hijo<QLineEdit>(ventana, "txtClaseBosque")->text(), QString("II"));
        QCOMPARE(Numero(ventana), QString("68"));  // row 51, group B

        // Cancelled dialogs leave every answer as it was.
        AlAbrir([] { Pulsar(Visible<frmNomograma>(), "cmdCancelar"); });
        Pulsar(ventana, "cmdHidro");
        AlAbrir([] { Pulsar(Visible<frmSuelo>(), "cmdCancelar"); });
        Pulsar(ventana, "cmdDeterminarSuelo");
        QCOMPARE(Hijo<QLineEdit>(ventana, "txtClaseBosque")->text(), QString("II"));
        QCOMPARE(Hijo<QLineEdit>(ventana, "txtSuelo")->text(), QString("B"));
        QCOMPARE(Numero(ventana), QString("68"));

        ElegirEntrada(ventana, 0, 9);
        QVERIFY(!Habilitada(ventana, "cmdHidro"));
        QCOMPARE(Hijo<QLineEdit>(ventana, "txtClaseBosque")->text(), QString());
        QCOMPARE(Hijo<QLineEdit>(ventana, "txtSuelo")->text(), QString());
    }

    void aBrokenDataFileIsReportedAndShowsNoNumber() {
        auto* ventana = Abrir("/nonexistent/Datos.dat");
        Pulsar(ventana, "opcSuelo_0");
        Entorno().Responder(RespuestaMensaje::Aceptar);
        ElegirSueloPorTasa(ventana, 0);
        QVERIFY(Entorno().Vistos().back().texto.contains("/nonexistent/Datos.dat"));
        QCOMPARE(Numero(ventana), QString());
        QVERIFY(ventana->isVisible());
    }

    void theCloseBoxHandsNothingBack() {
        gNCElegido = 64;
        auto* ventana = Abrir();
        Pulsar(ventana, "opcSuelo_0");
        ElegirSueloPorTasa(ventana, 3);
        ventana->close();
        QCOMPARE(gNCElegido, std::int16_t(64));
    }

    void helpFromTheListShowsItsTopic() {
        auto* ventana = Abrir();
        ElegirEntrada(ventana, 0, 4);
        QVERIFY(QTest::qWaitForWindowActive(ventana));
        Hijo(ventana, "lstVegetacion_0")->setFocus();
        Pulsar(ventana, "cmdAyuda");
        QTRY_COMPARE(Entorno().TopicosPedidos(), std::vector<int>{11});
    }

    // The typical request: row crops, contoured, good, and the soil group from
    // its texture typed with Enter, from the main menu to its question.
    void fromTheMenuToTheQuestion() {
        ResolverIdiomaDeArranque();
        auto* menu = new frmTarvelPrimera;
        menu->show();
        bool recorrido = false;
        AlAbrir([&] {
            auto* eleccion = Visible<frmEleccion>();
            QVERIFY(eleccion);
            QVERIFY(Hijo<QRadioButton>(eleccion, "opcElige_0")->isChecked());
            AlAbrir([&] {
                auto* ventana = Visible<frmPrincipal>();
                QVERIFY(ventana);
                ElegirEntrada(ventana, 0, 1);
                Pulsar(ventana, "opcSuelo_4");
                Pulsar(ventana, "opcCondicion_1");
                AlAbrir([] {
                    auto* suelo = Visible<frmSuelo>();
                    QVERIFY(suelo);
                    QVERIFY(QTest::qWaitForWindowActive(suelo));
                    Pulsar(suelo, "opcMetodo_1");
                    Hijo(suelo, "txtPorcentaje_0")->setFocus();
                    for (const char* valor : {"20", "40", "40"}) {
                        QWidget* campo = QApplication::focusWidget();
                        QVERIFY(campo && campo->objectName().startsWith("txtPorcentaje_"));
                        QTest::keyClicks(campo, valor);
                        QTest::keyClick(campo, Qt::Key_Return);
                    }
                    QCOMPARE(Hijo<QLabel>(suelo, "lblGrupo_1")->text(), QString("C"));
                    QCOMPARE(QApplication::focusWidget(), Hijo(suelo, "cmdAceptar"));
                    Pulsar(suelo, "cmdAceptar");
                });
                Pulsar(ventana, "cmdDeterminarSuelo");
                QCOMPARE(gFilaDatos, std::int16_t(9));
                QCOMPARE(Numero(ventana), QString("82"));
                Pulsar(ventana, "cmdAceptar");
                recorrido = true;
            });
            Pulsar(eleccion, "cmdAceptar");
        });
        Entorno().Responder(RespuestaMensaje::Si);
        Pulsar(menu, "cmdAceptar");
        QVERIFY(recorrido);
        QCOMPARE(gNCElegido, std::int16_t(82));
        QCOMPARE(Entorno().Vistos().back().texto,
                 QString("El número de curva elegido es 82.\r\n¿Desea determinar otro número?"));
        QVERIFY(!Visible<frmEleccion>());
        QVERIFY(menu->isVisible());
    }
};

TARVEL_PRUEBA_UI(PruebaPrincipal)
#include "test_principal.moc"
