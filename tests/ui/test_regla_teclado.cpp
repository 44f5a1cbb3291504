// The input rule in numeric fields, typed as a user types, under both decimal separators.
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "EntornoUi.h"
#include "app/FormatoNumerico.h"
#include "app/SessionState.h"
#include "ui/Ayuda.h"
#include "ui/ReglaTeclado.h"

using namespace tarvel;
using namespace tarvel::prueba;

namespace {

// A window with three numeric fields and a button, like the soil dialog.
struct Ventana {
    QDialog dialogo;
    QLineEdit* campos[3];
    QPushButton* boton;

    explicit Ventana(bool soloPrimerCampo = false) {
        auto* columna = new QVBoxLayout(&dialogo);
        for (auto*& campo : campos) {
            campo = new QLineEdit(&dialogo);
            columna->addWidget(campo);
        }
        boton = new QPushButton("OK", &dialogo);
        columna->addWidget(boton);
        if (soloPrimerCampo) {
            ReglaTeclado::AplicarACampo(campos[0]);
        } else {
            ReglaTeclado::AplicarAVentana(&dialogo);
        }
        dialogo.show();
        campos[0]->setFocus();
    }
};

void FijarSeparador(char decimal) {
    EstablecerFormato(decimal == ',' ? FormatoNumerico{',', '.'} : FormatoNumerico{'.', ','});
    DetectarSeparadorDecimal();
}

}  // namespace

class PruebaReglaTeclado : public PruebaUi {
    Q_OBJECT

private slots:
    void decimalKeysEnterTheSeparatorInForce_data() {
        QTest::addColumn<char>("separador");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<bool>("teclado");
        QTest::addColumn<QString>("esperado");
        QTest::newRow(". comma") << '.' << int(Qt::Key_Comma) << false << "2.5";
        QTest::newRow(". full stop") << '.' << int(Qt::Key_Period) << false << "2.5";
        QTest::newRow(". keypad") << '.' << int(Qt::Key_Period) << true << "2.5";
        QTest::newRow(", comma") << ',' << int(Qt::Key_Comma) << false << "2,5";
        QTest::newRow(", full stop") << ',' << int(Qt::Key_Period) << false << "2,5";
        QTest::newRow(", keypad .") << ',' << int(Qt::Key_Period) << true << "2,5";
        QTest::newRow(", keypad ,") << ',' << int(Qt::Key_Comma) << true << "2,5";
    }
    void decimalKeysEnterTheSeparatorInForce() {
        QFETCH(char, separador);
        QFETCH(int, tecla);
        QFETCH(bool, teclado);
        QFETCH(QString, esperado);
        FijarSeparador(separador);
        Ventana ventana;
        QTest::keyClick(ventana.campos[1], '2');
        QTest::keyClick(ventana.campos[1], Qt::Key(tecla), teclado ? Qt::KeypadModifier : Qt::NoModifier);
        QTest::keyClick(ventana.campos[1], '5');
        QCOMPARE(ventana.campos[1]->text(), esperado);
        // What is typed is what the conversion reads.
        QCOMPARE(*ConvertirNumero(ventana.campos[1]->text().toStdString()), 2.5);
    }

    void aSelectionIsReplacedBySeparator() {
        FijarSeparador('.');
        Ventana ventana;
        ventana.campos[0]->setText("123");
        ventana.campos[0]->setSelection(1, 1);
        QTest::keyClick(ventana.campos[0], Qt::Key_Comma);
        QCOMPARE(ventana.campos[0]->text(), QString("1.3"));
    }

    void enterMovesTheFocusOnInFocusOrder() {
        FijarSeparador(',');
        Ventana ventana;
        QTest::keyClick(ventana.campos[0], Qt::Key_Return);
        QCOMPARE(ventana.dialogo.focusWidget(), ventana.campos[1]);
        QTest::keyClick(ventana.campos[1], Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(ventana.dialogo.focusWidget(), ventana.campos[2]);
        // From the last field Enter goes on like Tab, to the button, and never presses it.
        bool pulsado = false;
        QObject::connect(ventana.boton, &QPushButton::clicked, [&] { pulsado = true; });
        QTest::keyClick(ventana.campos[2], Qt::Key_Return);
        QCOMPARE(ventana.dialogo.focusWidget(), ventana.boton);
        QTest::keyClick(ventana.boton, Qt::Key_Return);
        QVERIFY(!pulsado);
        QVERIFY(ventana.dialogo.isVisible());
        QCOMPARE(ventana.campos[2]->text(), QString());
    }

    void fieldRuleLeavesOtherFieldsAlone() {
        FijarSeparador('.');
        Ventana ventana(true);
        QTest::keyClick(ventana.campos[0], Qt::Key_Comma);
        QTest::keyClick(ventana.campos[1], Qt::Key_Comma);
        QCOMPARE(ventana.campos[0]->text(), QString("."));
        QCOMPARE(ventana.campos[1]->text(), QString(","));
    }

    void otherKeysPassUntouched() {
        FijarSeparador(',');
        Ventana ventana;
        QTest::keyClicks(ventana.campos[0], "1a-;");
        QCOMPARE(ventana.campos[0]->text(), QString("1a-;"));
    }
};

TARVEL_PRUEBA_UI(PruebaReglaTeclado)
#include "test_regla_teclado.moc"
