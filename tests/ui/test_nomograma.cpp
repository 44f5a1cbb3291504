// The forest condition dialog driven as a user drives it: the checks of
// Calculate that only move the focus, when the factors and the compactness
// are taken, what disables OK, and what OK and Cancel hand back.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "EntornoUi.h"
#include "app/SessionState.h"
#include "ui/Ayuda.h"
#include "ui/frmNomograma.h"

using namespace tarvel;
using namespace tarvel::prueba;

class PruebaNomograma : public QObject {
    Q_OBJECT

    std::unique_ptr<frmNomograma> dialogo_;

    template <class T>
    T* Hijo(const char* nombre) {
        auto* hijo = dialogo_->findChild<T*>(nombre);
        if (!hijo) qFatal("no control %s", nombre);
        return hijo;
    }
    QLineEdit* Arrope() { return Hijo<QLineEdit>("txtArrope"); }
    QLineEdit* Humus() { return Hijo<QLineEdit>("txtHumus"); }
    QComboBox* Lista() { return Hijo<QComboBox>("lstCompacidad"); }
    QLineEdit* Clase() { return Hijo<QLineEdit>("txtCondHidrologica"); }
    QPushButton* Calcular() { return Hijo<QPushButton>("cmdCalcular"); }
    QPushButton* Aceptar() { return Hijo<QPushButton>("cmdAceptar"); }
    QWidget* Foco() { return QApplication::focusWidget(); }

    void Abrir() {
        dialogo_ = std::make_unique<frmNomograma>(nullptr);
        dialogo_->show();
        QVERIFY(QTest::qWaitForWindowActive(dialogo_.get()));
    }
    void Escribir(QLineEdit* caja, const QString& texto) {
        QTest::mouseClick(caja, Qt::LeftButton);
        caja->selectAll();
        if (texto.isEmpty()) {
            QTest::keyClick(caja, Qt::Key_Delete);
        } else {
            QTest::keyClicks(caja, texto);
        }
    }
    void ElegirCompacidad(int posicion) {
        Lista()->setFocus(Qt::MouseFocusReason);
        Lista()->setCurrentIndex(posicion);
    }
    // Depths and compactness, then a click on Calculate.
    void Calcular(const QString& arrope, const QString& humus, int compacidad) {
        Escribir(Arrope(), arrope);
        Escribir(Humus(), humus);
        if (compacidad >= 0) ElegirCompacidad(compacidad);
        QTest::mouseClick(Calcular(), Qt::LeftButton);
    }

private slots:
    void init() {
        Entorno().Reiniciar();
        gClaseBosque = "-1";
    }
    void cleanup() {
        dialogo_.reset();
        QVERIFY2(Entorno().Sorpresas().isEmpty(), qPrintable(Entorno().Sorpresas().join('\n')));
    }

    void opensEmptyWithTheFourCompactnessEntries() {
        Abrir();
        QCOMPARE(dialogo_->windowTitle(), QString("Condición hidrológica del bosque"));
        QVERIFY(dialogo_->isModal());
        QCOMPARE(Foco(), Hijo<QRadioButton>("opcEspesor_0"));
        QVERIFY(Hijo<QRadioButton>("opcEspesor_0")->isChecked());
        QCOMPARE(Lista()->count(), 4);
        QCOMPARE(Lista()->itemText(0), QString("F - Congelado"));
        QCOMPARE(Lista()->itemText(3), QString("3 - Suelo no compacto, friable"));
        QCOMPARE(Lista()->currentIndex(), -1);
        QVERIFY(Arrope()->text().isEmpty());
        QVERIFY(Humus()->text().isEmpty());
        QVERIFY(Clase()->text().isEmpty());
        QVERIFY(Clase()->isReadOnly());
        QVERIFY(!Aceptar()->isEnabled());
    }

    void calculateOnlyMovesTheFocusToWhatIsMissing_data() {
        QTest::addColumn<QString>("arrope");
        QTest::addColumn<QString>("humus");
        QTest::addColumn<int>("compacidad");
        QTest::addColumn<QString>("control");
        QTest::newRow("litter empty") << "" << "5" << 2 << "txtArrope";
        QTest::newRow("litter not a number") << "abc" << "x" << -1 << "txtArrope";
        QTest::newRow("litter negative") << "-1" << "5" << 2 << "txtArrope";
        QTest::newRow("humus not a number") << "5" << "5,5,5" << 2 << "txtHumus";
        QTest::newRow("humus negative") << "0" << "-0.5" << -1 << "txtHumus";
        QTest::newRow("no compactness") << "5" << "5" << -1 << "lstCompacidad";
    }
    void calculateOnlyMovesTheFocusToWhatIsMissing() {
        QFETCH(QString, arrope);
        QFETCH(QString, humus);
        QFETCH(int, compacidad);
        QFETCH(QString, control);
        Abrir();
        Calcular(arrope, humus, compacidad);
        QCOMPARE(Foco()->objectName(), control);
        QVERIFY(Clase()->text().isEmpty());
        QVERIFY(!Aceptar()->isEnabled());
        QVERIFY(Entorno().Vistos().empty());
    }

    void workedExamplesAndOk_data() {
        QTest::addColumn<bool>("despues");
        QTest::addColumn<QString>("arrope");
        QTest::addColumn<QString>("humus");
        QTest::addColumn<int>("compacidad");
        QTest::addColumn<QString>("clase");
        QTest::newRow("5 / 5 moderately compact") << false << "5" << "5" << 2 << "IV";
        QTest::newRow("after compaction") << true << "5" << "5" << 2 << "V";
        QTest::newRow("bare and frozen") << false << "0" << "0" << 0 << "I";
        QTest::newRow("bare and compact") << false << "0" << "0" << 1 << "II";
        QTest::newRow("bare and friable") << false << "0" << "0" << 3 << "III";
    }
    void workedExamplesAndOk() {
        QFETCH(bool, despues);
        QFETCH(QString, arrope);
        QFETCH(QString, humus);
        QFETCH(int, compacidad);
        QFETCH(QString, clase);
        Abrir();
        if (despues) QTest::mouseClick(Hijo<QRadioButton>("opcEspesor_1"), Qt::LeftButton);
        Calcular(arrope, humus, compacidad);
        QCOMPARE(Clase()->text(), clase);
        QCOMPARE(Foco(), Clase());
        QVERIFY(Aceptar()->isEnabled());
        QTest::mouseClick(Aceptar(), Qt::LeftButton);
        QCOMPARE(gClaseBosque, clase.toStdString());
        QCOMPARE(dialogo_->result(), int(QDialog::Accepted));
    }

    void factorsAndCompactnessAreTakenWhenTheirControlLosesTheFocus() {
        Abrir();
        Calcular("5", "5", 2);
        QCOMPARE(Clase()->text(), QString("IV"));

        // Chosen, but still holding the focus: the factor in force is the old one.
        QTest::mouseClick(Hijo<QRadioButton>("opcEspesor_1"), Qt::LeftButton);
        QCOMPARE(Foco(), Hijo<QRadioButton>("opcEspesor_1"));
        Calcular()->click();
        QCOMPARE(Clase()->text(), QString("IV"));  // R 3.565
        // Calculate moved the focus on to the class box: now it counts.
        QCOMPARE(Foco(), Clase());
        Calcular()->click();
        QCOMPARE(Clase()->text(), QString("V"));  // R 5.045

        // The same for the compactness list.
        ElegirCompacidad(0);
        Calcular()->click();
        QCOMPARE(Clase()->text(), QString("V"));  // still moderately compact
        Calcular()->click();
        QCOMPARE(Clase()->text(), QString("III"));  // frozen: R 2.825

        // A press on the other option released off it selects nothing, and
        // leaving it keeps the factor of the option that stands selected.
        auto* antes = Hijo<QRadioButton>("opcEspesor_0");
        QTest::mousePress(antes, Qt::LeftButton);
        QTest::mouseRelease(antes, Qt::LeftButton, {}, QPoint(antes->width() + 40, antes->height() + 40));
        QCOMPARE(Foco(), antes);
        QVERIFY(Hijo<QRadioButton>("opcEspesor_1")->isChecked());
        QTest::mouseClick(Calcular(), Qt::LeftButton);
        QCOMPARE(Clase()->text(), QString("III"));
    }

    void onlyEditingADepthDisablesOk() {
        Abrir();
        Calcular("5", "5", 2);
        QVERIFY(Aceptar()->isEnabled());
        QTest::mouseClick(Hijo<QRadioButton>("opcEspesor_1"), Qt::LeftButton);
        ElegirCompacidad(0);
        QTest::mouseClick(Calcular(), Qt::LeftButton);  // the same depths
        QCOMPARE(Clase()->text(), QString("III"));      // A 14.75, frozen: R 2.825
        QTest::mouseClick(Hijo<QRadioButton>("opcEspesor_0"), Qt::LeftButton);
        ElegirCompacidad(3);
        QVERIFY(Aceptar()->isEnabled());

        // Entering a depth selects it, so typing replaces it; any edit disables OK.
        Humus()->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(Humus(), "7");
        QCOMPARE(Humus()->text(), QString("7"));
        QVERIFY(!Aceptar()->isEnabled());
        QTest::mouseClick(Calcular(), Qt::LeftButton);
        QVERIFY(Aceptar()->isEnabled());
        QTest::keyClick(Arrope(), Qt::Key_Backspace);
        QVERIFY(!Aceptar()->isEnabled());
    }

    void cancelTheCloseBoxAndEscapeLeaveTheClass_data() {
        QTest::addColumn<bool>("cierre");
        QTest::newRow("Cancel") << false;
        QTest::newRow("close box") << true;
    }
    void cancelTheCloseBoxAndEscapeLeaveTheClass() {
        QFETCH(bool, cierre);
        gClaseBosque = "II";
        Abrir();
        Calcular("5", "5", 2);
        QTest::keyClick(Foco(), Qt::Key_Escape);
        QVERIFY(dialogo_->isVisible());
        if (cierre) {
            dialogo_->close();
        } else {
            QTest::mouseClick(Hijo<QPushButton>("cmdCancelar"), Qt::LeftButton);
        }
        QVERIFY(!dialogo_->isVisible());
        QCOMPARE(gClaseBosque, std::string("II"));
    }
};

TARVEL_PRUEBA_UI(PruebaNomograma)
#include "test_nomograma.moc"
