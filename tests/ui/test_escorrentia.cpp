// The runoff window: the worked figures reached from the series results and
// from the main menu in both languages, values that are no depth or no curve
// number, and the table copied to the clipboard.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "EntornoUi.h"
#include "ui/common/SessionState.h"
#include "ui/determination/frmEleccion.h"
#include "ui/determination/frmPrincipal.h"
#include "ui/help/Ayuda.h"
#include "ui/hydrology/frmEscorrentia.h"
#include "ui/series/frmSerieNCCalculada.h"
#include "ui/shell/frmTarvelPrimera.h"

using namespace tarvel;
using namespace tarvel::prueba;

namespace {

// `abrir` opens the runoff window modally; `dentro` plays inside it.
void EnEscorrentia(const std::function<void()>& abrir, const std::function<void(frmEscorrentia*)>& dentro) {
    bool abierta = false;
    AlAbrir([&] {
        auto* ventana = Visible<frmEscorrentia>();
        if (!ventana || !QTest::qWaitForWindowActive(ventana)) return;
        abierta = true;
        dentro(ventana);
        ventana->close();
    });
    abrir();
    QVERIFY(abierta);
}

void DesdeResultados(const std::function<void(frmEscorrentia*)>& dentro) {
    gNAC = 85;
    gNOB = 70;
    auto* resultados = new frmSerieNCCalculada(nullptr);
    resultados->show();
    EnEscorrentia([&] { QTest::mouseClick(Hijo<QPushButton>(resultados, "cmdEscorrentia"), Qt::LeftButton); }, dentro);
}

// Typed into a field, then Enter.
void Teclear(QWidget* ventana, const char* campo, const QString& texto) {
    auto* caja = Hijo<QLineEdit>(ventana, campo);
    caja->setFocus();
    QTest::keyClicks(caja, texto);
    QTest::keyClick(caja, Qt::Key_Return);
    QApplication::processEvents();
}

QString Fila(frmEscorrentia* ventana, int fila) {
    auto* tabla = Hijo<QTableWidget>(ventana, "tblEscorrentia");
    QStringList textos;
    for (int c = 0; c < tabla->columnCount(); ++c) textos << tabla->item(fila, c)->text();
    return textos.join('|');
}

}  // namespace

class PruebaEscorrentia : public PruebaUi {
    Q_OBJECT

private slots:
    void workedExampleFromTheSeriesResults_data() { Idiomas(); }
    void workedExampleFromTheSeriesResults() {
        QFETCH(bool, ingles);
        Idioma(ingles);
        DesdeResultados([&](frmEscorrentia* ventana) {
            QCOMPARE(Hijo<QLineEdit>(ventana, "txtNAC")->text(), QString("85"));
            QCOMPARE(QApplication::focusWidget()->objectName(), QString("txtP"));
            Teclear(ventana, "txtP", "50");
            QCOMPARE(QApplication::focusWidget()->objectName(), QString("opcLambda_0"));
            QCOMPARE(Fila(ventana, 0), ingles ? QString("λ|Condition|NCS (degraded)|NCS (degraded)|NCS (degraded)|NCS (degraded)|"
                                                        "NOS (restored)|NOS (restored)|NOS (restored)|NOS (restored)|"
                                                        "Saving NCS − NOS|Saving NCS − NOS")
                                              : QString("λ|Condición|NAC (degradada)|NAC (degradada)|NAC (degradada)|"
                                                        "NAC (degradada)|NOB (restaurada)|NOB (restaurada)|"
                                                        "NOB (restaurada)|NOB (restaurada)|Ahorro NAC − NOB|Ahorro NAC − NOB"));
            QCOMPARE(Fila(ventana, 3), QString("0.2|II|85.0|44.8|9.0|19.6|70.0|108.9|21.8|5.8|13.8|70.4"));
            QCOMPARE(Hijo<QLabel>(ventana, "lblResumen")->text(),
                     ingles ? QString("With λ = 0.2, under condition II the runoff of the 50 mm storm goes from 19.6 mm "
                                      "on the degraded slope to 5.8 mm on the restored one.")
                            : QString("Con λ = 0.2, en condición II la escorrentía de la tormenta de 50 mm pasa de 19.6 mm "
                                      "en la ladera degradada a 5.8 mm en la restaurada."));
            QTest::mouseClick(Hijo<QRadioButton>(ventana, "opcLambda_2"), Qt::LeftButton, {}, QPoint(6, 6));
            QCOMPARE(Fila(ventana, 1).section('|', 2, 3), ingles ? QString("CN|CN0.05") : QString("NC|NC0.05"));
            QCOMPARE(Fila(ventana, 3), QString("0.2|II|85.0||44.8|9.0|19.6|70.0||108.9|21.8|5.8|13.8|70.4"));
            QCOMPARE(Fila(ventana, 6), QString("0.05|II|85.0|79.6|64.9|3.2|19.6|70.0|58.5|180.1|9.0|7.6|12.0|61.2"));
            QCOMPARE(Hijo<QLabel>(ventana, "lblResumen")->text().count('\n'), 1);
        });
    }

    void workedExampleFromTheMainMenu_data() { Idiomas(); }
    void workedExampleFromTheMainMenu() {
        QFETCH(bool, ingles);
        Idioma(ingles);
        auto* menu = new frmTarvelPrimera;
        menu->show();
        QCOMPARE(Hijo<QMenu>(menu, "mnuCalculos")->title(), ingles ? QString("&Calculations") : QString("&Cálculos"));
        const auto determinar = [](frmEscorrentia* ventana, int numero) { Determinar(ventana, numero); };
        EnEscorrentia([&] { Hijo<QAction>(menu, "mnuEscorrentia")->trigger(); }, [&](frmEscorrentia* ventana) {
            auto* curva = Hijo<QLineEdit>(ventana, "txtNC");
            determinar(ventana, 85);
            QCOMPARE(curva->text(), QString("85"));
            determinar(ventana, 0);
            QCOMPARE(curva->text(), QString("85"));
            Teclear(ventana, "txtP", "50");
            QCOMPARE(Fila(ventana, 3), QString("0.2|II|85.0|44.8|9.0|19.6"));
            auto* tabla = Hijo<QTableWidget>(ventana, "tblEscorrentia");
            QCOMPARE(tabla->item(3, 3)->toolTip() + " " + tabla->item(3, 4)->toolTip(), QString("44.82 8.96"));
            QTest::mouseClick(Hijo<QRadioButton>(ventana, "opcLambda_1"), Qt::LeftButton, {}, QPoint(6, 6));
            QCOMPARE(Fila(ventana, 3), QString("0.05|II|85.0|79.6|64.9|3.2|19.6"));
            curva->setText("70");
            QCOMPARE(Fila(ventana, 3).section('|', -1), QString("7.6"));
        });
    }

    void aValueThatIsNoDepthOrNoCurveNumberIsNamed_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("otro");  // what the other field holds
        QTest::addColumn<QString>("mensaje");
        const QString lluvia("La precipitación de diseño P debe ser un número mayor o igual que 0 (mm).");
        const QString curva("El número de curva debe ser >0 y <=100");
        QTest::newRow("P abc") << "txtP" << "abc" << "50" << lluvia;
        QTest::newRow("P -5") << "txtP" << "-5" << "50" << lluvia;
        QTest::newRow("P 1e3") << "txtP" << "1e3" << "50" << lluvia;
        QTest::newRow("CN 100.5") << "txtNC" << "100.5" << "50" << curva;
        // Leaving one wrong field for another: only the one left is named.
        QTest::newRow("CN 0, P abc") << "txtNC" << "0" << "abc" << curva;
    }
    void aValueThatIsNoDepthOrNoCurveNumberIsNamed() {
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QString, otro);
        QFETCH(QString, mensaje);
        Idioma(false);
        auto* ventana = new frmEscorrentia(nullptr);
        ventana->show();
        QVERIFY(QTest::qWaitForWindowActive(ventana));
        Hijo<QLineEdit>(ventana, campo == "txtNC" ? "txtP" : "txtNC")->setText(otro);
        Entorno().Responder(RespuestaMensaje::Aceptar);
        Teclear(ventana, qPrintable(campo), texto);
        QTRY_COMPARE(Entorno().Vistos().size(), std::size_t(1));
        QCOMPARE(Entorno().Vistos().front().texto, mensaje);
        QCOMPARE(QApplication::focusWidget()->objectName(), campo);
        // The table empties, and the other wrong field is not named once the
        // checks deferred to the settled focus have run.
        QTRY_COMPARE(Fila(ventana, 3), QString("0.2|II||||"));
        QApplication::processEvents();
        QCOMPARE(QApplication::focusWidget()->objectName(), campo);
        QCOMPARE(Entorno().Vistos().size(), std::size_t(1));
    }

    void theCopiedTableAsTabSeparatedText() {
        Idioma(false);
        DesdeResultados([](frmEscorrentia* ventana) {
            QApplication::clipboard()->setText("before");
            Entorno().Responder(RespuestaMensaje::Aceptar);  // nothing to copy without P
            QTest::mouseClick(Hijo<QPushButton>(ventana, "cmdCopiar"), Qt::LeftButton);
            QCOMPARE(QApplication::clipboard()->text(), QString("before"));
            Teclear(ventana, "txtP", "50");
            QTest::keyClick(Hijo<QTableWidget>(ventana, "tblEscorrentia"), Qt::Key_C, Qt::ControlModifier);
        });
        const QString grupos = QString("NAC (degradada)\t").repeated(4) + QString("NOB (restaurada)\t").repeated(4);
        QCOMPARE(QApplication::clipboard()->text(),
                 "P (mm)\t50\n"
                 "λ\tCondición\t" + grupos + "Ahorro NAC − NOB\tAhorro NAC − NOB\n"
                 "λ\tCondición\tNC\tS (mm)\tIa (mm)\tQ (mm)\tNC\tS (mm)\tIa (mm)\tQ (mm)\tQ (mm)\tQ (%)\n"
                 "0.2\tI\t70.4\t106.7\t21.3\t6.1\t49.5\t259.2\t51.8\t0.0\t6.1\t100.0\n"
                 "0.2\tII\t85.0\t44.8\t9.0\t19.6\t70.0\t108.9\t21.8\t5.8\t13.8\t70.4\n"
                 "0.2\tIII\t92.9\t19.5\t3.9\t32.4\t84.3\t47.3\t9.5\t18.7\t13.7\t42.3\n");
        QCOMPARE(Entorno().Vistos().front().texto,
                 QString("La precipitación de diseño P debe ser un número mayor o igual que 0 (mm)."));
    }
};

TARVEL_PRUEBA_UI(PruebaEscorrentia)
#include "test_escorrentia.moc"
