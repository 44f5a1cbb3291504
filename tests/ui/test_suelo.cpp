// The soil group dialog driven as a user drives it: the rate road, the
// texture road typed with Enter, the focus sent back to a faulty box, the sum
// message, and what OK and Cancel hand back.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "EntornoUi.h"
#include "app/FormatoNumerico.h"
#include "app/SessionState.h"
#include "ui/Ayuda.h"
#include "ui/frmSuelo.h"

using namespace tarvel;
using namespace tarvel::prueba;

class PruebaSuelo : public QObject {
    Q_OBJECT

    std::unique_ptr<frmSuelo> dialogo_;

    template <class T>
    T* Hijo(const QString& nombre) {
        auto* hijo = dialogo_->findChild<T*>(nombre);
        if (!hijo) qFatal("no control %s", qPrintable(nombre));
        return hijo;
    }
    QLineEdit* Caja(int i) { return Hijo<QLineEdit>(QStringLiteral("txtPorcentaje_%1").arg(i)); }
    QLabel* Grupo(int i) { return Hijo<QLabel>(QStringLiteral("lblGrupo_%1").arg(i)); }
    QPushButton* Aceptar() { return Hijo<QPushButton>("cmdAceptar"); }
    QWidget* Foco() { return QApplication::focusWidget(); }

    void Abrir() {
        dialogo_ = std::make_unique<frmSuelo>(nullptr);
        dialogo_->show();
        QVERIFY(QTest::qWaitForWindowActive(dialogo_.get()));
    }
    void ElegirTextura() { QTest::mouseClick(Hijo<QRadioButton>("opcMetodo_1"), Qt::LeftButton); }
    // Each value typed into its box and followed by Enter, from the clay box on.
    void Teclear(const QStringList& valores) {
        Caja(0)->setFocus(Qt::MouseFocusReason);
        for (const QString& valor : valores) {
            QWidget* caja = Foco();
            QTest::keyClicks(caja, valor);
            QTest::keyClick(caja, Qt::Key_Return);
        }
    }

private slots:
    void init() {
        Entorno().Reiniciar();
        gLetraGrupoSuelo.clear();
    }
    void cleanup() {
        dialogo_.reset();
        QVERIFY2(Entorno().Sorpresas().isEmpty(), qPrintable(Entorno().Sorpresas().join('\n')));
    }

    void opensOnTheRatePanelWithNothingChosen() {
        Abrir();
        QCOMPARE(dialogo_->windowTitle(), QString("Tipo de suelo"));
        QVERIFY(dialogo_->isModal());
        QCOMPARE(Foco(), Hijo<QRadioButton>("opcMetodo_0"));
        QVERIFY(Hijo<QRadioButton>("opcMetodo_0")->isChecked());
        QVERIFY(!Hijo<QRadioButton>("opcMetodo_2")->isEnabled());
        QCOMPARE(Hijo<QRadioButton>("opcMetodo_2")->text(), QString("Valor de ks"));
        QVERIFY(Hijo<QWidget>("mrcMetodo_0")->isVisible());
        QVERIFY(!Hijo<QWidget>("mrcMetodo_1")->isVisible());
        for (int k = 0; k < 4; ++k) QVERIFY(!Hijo<QRadioButton>(QStringLiteral("opcTasa_%1").arg(k))->isChecked());
        QCOMPARE(Hijo<QRadioButton>("opcTasa_1")->text(), QString("mayor que 20 y menor que 50 mm/h"));
        QVERIFY(Grupo(0)->text().isEmpty());
        QVERIFY(Grupo(1)->text().isEmpty());
        QVERIFY(!Aceptar()->isEnabled());
        QCOMPARE(Caja(1)->toolTip(), QString("D = [0,002-0,05] mm"));
        QCOMPARE(Hijo<QLabel>("Label5")->toolTip(), QString("D = [0,05-2,00] mm"));
    }

    void enterFollowsTheFocusOrderOfThePanelShown() {
        Abrir();
        QTest::keyClick(Foco(), Qt::Key_Return);
        QCOMPARE(Foco(), Hijo<QRadioButton>("opcTasa_0"));
        QVERIFY(!Hijo<QRadioButton>("opcTasa_0")->isChecked());
        QTest::keyClick(Foco(), Qt::Key_Return);
        QCOMPARE(Foco(), Hijo<QPushButton>("cmdCancelar"));  // OK is still disabled

        ElegirTextura();
        QTest::keyClick(Foco(), Qt::Key_Return);
        QCOMPARE(Foco(), Caja(0));
        QTest::keyClick(Foco(), Qt::Key_Return);
        QCOMPARE(Foco(), Caja(1));
        QTest::keyClick(Foco(), Qt::Key_Return);
        QCOMPARE(Foco(), Caja(2));
        QTest::keyClick(Foco(), Qt::Key_Return);  // through the auxiliary stop, back to the first empty box
        QCOMPARE(Foco(), Caja(0));
        QVERIFY(Entorno().Vistos().empty());
    }

    void rateClassGivesItsLetterAndOkHandsItBack() {
        Abrir();
        QTest::mouseClick(Hijo<QRadioButton>("opcTasa_1"), Qt::LeftButton);
        QCOMPARE(Grupo(0)->text(), QString("B"));
        QVERIFY(Aceptar()->isEnabled());
        QTest::mouseClick(Aceptar(), Qt::LeftButton);
        QCOMPARE(gLetraGrupoSuelo, std::string("B"));
        QVERIFY(!dialogo_->isVisible());
        QCOMPARE(dialogo_->result(), int(QDialog::Accepted));
    }

    void switchingMethodKeepsTheRateLetterForOk() {
        Abrir();
        QTest::mouseClick(Hijo<QRadioButton>("opcTasa_2"), Qt::LeftButton);
        ElegirTextura();
        QVERIFY(!Hijo<QWidget>("mrcMetodo_0")->isVisible());
        QVERIFY(Hijo<QWidget>("mrcMetodo_1")->isVisible());
        QVERIFY(Grupo(1)->text().isEmpty());
        QVERIFY(Aceptar()->isEnabled());
        QTest::mouseClick(Aceptar(), Qt::LeftButton);
        QCOMPARE(gLetraGrupoSuelo, std::string("C"));
    }

    void textureTypedWithEnter_data() {
        QTest::addColumn<char>("separador");
        QTest::addColumn<QStringList>("valores");
        QTest::addColumn<QString>("letra");
        QTest::newRow("loam") << '.' << QStringList{"20", "40", "40"} << "C";
        QTest::newRow("sand") << '.' << QStringList{"5", "10", "85"} << "A";
        QTest::newRow("silt") << '.' << QStringList{"10", "85", "5"} << "D";
        // The full-stop key enters the separator in force.
        QTest::newRow("33.3 with a comma separator") << ',' << QStringList{"33.3", "33.3", "33.4"} << "C";
    }
    void textureTypedWithEnter() {
        QFETCH(char, separador);
        QFETCH(QStringList, valores);
        QFETCH(QString, letra);
        EstablecerFormato(separador == ',' ? FormatoNumerico{',', '.'} : FormatoNumerico{'.', ','});
        DetectarSeparadorDecimal();
        Abrir();
        ElegirTextura();
        Teclear(valores);
        QCOMPARE(Grupo(1)->text(), letra);
        QCOMPARE(Foco(), Aceptar());
        QVERIFY(Aceptar()->isEnabled());
        QTest::keyClick(Aceptar(), Qt::Key_Space);
        QCOMPARE(gLetraGrupoSuelo, letra.toStdString());
    }

    void aBoxWithNoValidNumberTakesTheFocusBackSilently_data() {
        QTest::addColumn<QStringList>("valores");
        QTest::addColumn<int>("caja");
        QTest::newRow("abc in silt, sand empty") << QStringList{"20", "abc", ""} << 1;
        QTest::newRow("-5 in clay") << QStringList{"-5", "40", "65"} << 0;
        QTest::newRow("sand empty") << QStringList{"20", "40", ""} << 2;
        QTest::newRow("too large for single precision") << QStringList{"4e38", "40", "40"} << 0;
    }
    void aBoxWithNoValidNumberTakesTheFocusBackSilently() {
        QFETCH(QStringList, valores);
        QFETCH(int, caja);
        Abrir();
        ElegirTextura();
        Teclear(valores);
        QCOMPARE(Foco(), Caja(caja));
        QVERIFY(Entorno().Vistos().empty());
        QVERIFY(!Aceptar()->isEnabled());
        QVERIFY(Grupo(1)->text().isEmpty());
        QCOMPARE(Caja(caja)->text(), valores[caja]);
    }

    void percentagesNotAddingUpToOneHundredShowTheMessage() {
        Abrir();
        ElegirTextura();
        Entorno().Responder(RespuestaMensaje::Aceptar);
        Teclear({"33.33", "33.33", "33.33"});
        QCOMPARE(Entorno().Vistos().size(), std::size_t(1));
        const auto& mensaje = Entorno().Vistos().front();
        QCOMPARE(mensaje.texto, QString("La suma de las tres fracciones debe ser igual a 100%."));
        QCOMPARE(mensaje.titulo, QString("Error en los datos introducidos."));
        QVERIFY(mensaje.icono == IconoMensaje::Informacion);
        QVERIFY(mensaje.botones == BotonesMensaje::Aceptar);
        QCOMPARE(Foco(), Caja(0));
        QVERIFY(Grupo(1)->text().isEmpty());
        QCOMPARE(Caja(2)->text(), QString("33.33"));

        // The clay box's text is selected, so typing replaces it; the group follows.
        QTest::keyClicks(Caja(0), "33.34");
        QTest::keyClick(Caja(0), Qt::Key_Return);
        QCOMPARE(Caja(0)->text(), QString("33.34"));
        QVERIFY(Aceptar()->isEnabled());  // leaving a box with a sum of 100
        QTest::mouseClick(Grupo(1), Qt::LeftButton);  // a click on the group runs the check
        QCOMPARE(Grupo(1)->text(), QString("C"));
        QCOMPARE(Foco(), Aceptar());
    }

    void leavingABoxWithAWrongSumDisablesOk() {
        Abrir();
        QTest::mouseClick(Hijo<QRadioButton>("opcTasa_0"), Qt::LeftButton);
        ElegirTextura();
        Caja(0)->setFocus();
        QTest::keyClicks(Caja(0), "20");
        QVERIFY(Aceptar()->isEnabled());
        QTest::keyClick(Caja(0), Qt::Key_Tab);
        QVERIFY(!Aceptar()->isEnabled());
        // The rate letter is still the one found; a click on the rate panel's group does nothing.
        QTest::mouseClick(Hijo<QRadioButton>("opcMetodo_0"), Qt::LeftButton);
        QVERIFY(Grupo(0)->text().isEmpty());
        QTest::mouseClick(Grupo(0), Qt::LeftButton);
        QCOMPARE(Foco(), Hijo<QRadioButton>("opcMetodo_0"));
        QTest::mouseClick(Hijo<QRadioButton>("opcTasa_0"), Qt::LeftButton);
        QCOMPARE(Grupo(0)->text(), QString("A"));
    }

    void cancelAndTheCloseBoxLeaveTheLetter_data() {
        QTest::addColumn<bool>("cierre");
        QTest::newRow("Cancel") << false;
        QTest::newRow("close box") << true;
    }
    void cancelAndTheCloseBoxLeaveTheLetter() {
        QFETCH(bool, cierre);
        gLetraGrupoSuelo = std::string(1, 'D');  // not from a literal: GCC 12 warns falsely on that
        Abrir();
        QTest::mouseClick(Hijo<QRadioButton>("opcTasa_0"), Qt::LeftButton);
        QCOMPARE(Grupo(0)->text(), QString("A"));
        if (cierre) {
            dialogo_->close();
        } else {
            QTest::mouseClick(Hijo<QPushButton>("cmdCancelar"), Qt::LeftButton);
        }
        QVERIFY(!dialogo_->isVisible());
        QCOMPARE(dialogo_->result(), int(QDialog::Rejected));
        QCOMPARE(gLetraGrupoSuelo, std::string("D"));
    }

    void neitherEnterNorEscapePressesAButton() {
        Abrir();
        QTest::mouseClick(Hijo<QRadioButton>("opcTasa_3"), Qt::LeftButton);
        Aceptar()->setFocus();
        QTest::keyClick(Aceptar(), Qt::Key_Return);
        QVERIFY(dialogo_->isVisible());
        QCOMPARE(Foco(), Hijo<QPushButton>("cmdCancelar"));
        QTest::keyClick(Foco(), Qt::Key_Escape);
        QTest::keyClick(dialogo_.get(), Qt::Key_Escape);
        QVERIFY(dialogo_->isVisible());
        QVERIFY(gLetraGrupoSuelo.empty());
    }
};

TARVEL_PRUEBA_UI(PruebaSuelo)
#include "test_suelo.moc"
