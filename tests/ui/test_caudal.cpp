// The peak discharge window: TR-55's example 4-1 typed as a user types it
// (its flow path of example 3-1 segment by segment, Enter moving from cell to
// cell) after the road from the main menu, in both languages; 5.2-IC's worked
// example with its warning; values refused with their range and kept; the
// copied text; every control named for screen readers.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
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
#include "ui/hydrology/frmCaudalPunta.h"
#include "ui/shell/frmTarvelPrimera.h"

using namespace tarvel;
using namespace tarvel::prueba;

namespace {

frmCaudalPunta* Abierta() {
    auto* ventana = new frmCaudalPunta(nullptr);
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    ventana->show();
    if (!QTest::qWaitForWindowActive(ventana)) qWarning("the window never became active");
    return ventana;
}

// Typed into the control that has the focus, which must be `nombre`, then Enter.
void EnFoco(const char* nombre, const QString& texto) {
    QCOMPARE(Foco(), QString(nombre));
    QTest::keyClicks(QApplication::focusWidget(), texto);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
}

// A field typed anew, then left with Enter.
void Teclear(QWidget* ventana, const QString& campo, const QString& texto) {
    auto* caja = Hijo<QLineEdit>(ventana, campo);
    caja->setFocus();
    caja->selectAll();
    QTest::keyClicks(caja, texto);
    QTest::keyClick(caja, Qt::Key_Return);
    QApplication::processEvents();
}

QString Celda(QWidget* ventana, const char* tabla, int fila, int columna) {
    return Hijo<QTableWidget>(ventana, tabla)->item(fila, columna)->text();
}

}  // namespace

// Opens the window from the main menu and plays `dentro` in it.
void DesdeElMenu(const std::function<void(frmCaudalPunta*)>& dentro) {
    auto* menu = new frmTarvelPrimera;
    menu->show();
    bool abierta = false;
    AlAbrir([&] {
        auto* ventana = Visible<frmCaudalPunta>();
        if (!ventana || !QTest::qWaitForWindowActive(ventana)) return;
        abierta = true;
        dentro(ventana);
        ventana->close();
    });
    Hijo<QAction>(menu, "mnuCaudalPunta")->trigger();
    QVERIFY(abierta);
}

// TR-55's example 4-1 on the flow path of example 3-1, in SI: 250 acres, CN
// 75, the 25-year storm of 6.0 in, type II; sheet flow on dense grass (n
// 0.24 from table 3-1) 100 ft long, P2 3.6 in, s 0.01; 1400 ft of unpaved
// shallow flow at 0.01; 7300 ft of channel, n 0.05, a 27 ft², pw 28.2 ft, s
// 0.005. Typed with Enter from field to field, as the focus goes.
void Ejemplo41(frmCaudalPunta* ventana) {
    EnFoco("txtArea", "1.0117141056");
    EnFoco("txtNC", "75");
    EnFoco("cboDistribucion", "");
    EnFoco("txtCharcas", "");
    QCOMPARE(Foco(), QString("cmdDeterminar"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EnFoco("cboTipo_0", "");
    auto* lista = Hijo<QComboBox>(ventana, "cboRugosidad_0");
    lista->setCurrentIndex(5);
    emit lista->activated(5);
    QCOMPARE(lista->currentText(), QString("0.24"));
    EnFoco("cboRugosidad_0", "");
    EnFoco("txtLongitud_0", "30.48");
    EnFoco("txtLluvia2_0", "91.44");
    EnFoco("txtPendiente_0", "0.01");
    QCOMPARE(Celda(ventana, "tblTramos", 0, 10), QString("0.296"));
    EnFoco("cmdAnadirTramo", "");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);  // shallow concentrated flow
    EnFoco("cboTipo_1", "");
    EnFoco("cboFirme_1", "");
    EnFoco("txtLongitud_1", "426.72");
    EnFoco("txtPendiente_1", "0.01");
    EnFoco("cmdAnadirTramo", "");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);  // channel
    EnFoco("cboTipo_2", "");
    EnFoco("txtRugosidad_2", "0.05");
    EnFoco("txtLongitud_2", "2225.04");
    EnFoco("txtPendiente_2", "0.005");
    EnFoco("txtSeccion_2", "2.50838");
    EnFoco("txtPerimetro_2", "8.59536");
    QCOMPARE(Foco(), QString("cmdAnadirTramo"));
    Teclear(ventana, "txtLluvia_3", "152.4");  // T = 25 years
}

class PruebaCaudal : public PruebaUi {
    Q_OBJECT

private slots:
    void tr55Example41TypedFromTheMainMenu_data() { Idiomas(); }
    void tr55Example41TypedFromTheMainMenu() {
        QFETCH(bool, ingles);
        Idioma(ingles);
        DesdeElMenu([&](frmCaudalPunta* ventana) {
            QCOMPARE(Hijo<QRadioButton>(ventana, "opcMetodo_0")->isChecked(), true);
            Ejemplo41(ventana);
            if (QTest::currentTestFailed()) return;
            // The travel times 0.30, 0.24 and 0.99 h and Tc 1.53 h of example 3-1.
            QCOMPARE(Celda(ventana, "tblTramos", 1, 10) + " " + Celda(ventana, "tblTramos", 2, 10), QString("0.241 0.993"));
            QCOMPARE(Celda(ventana, "tblTramos", 1, 9), QString("0.492"));  // 1.6 ft/s
            QCOMPARE(Hijo<QLabel>(ventana, "lblTc")->text(),
                     ingles ? QString("Time of concentration: 1.53 h") : QString("Tiempo de concentración: 1.53 h"));
            // Ia/P 0.11, Q 3.28 in, qu 270 csm/in and qp 345 cfs of example 4-1.
            QStringList fila;
            for (const int columna : {5, 6, 7, 13}) fila << Celda(ventana, "tblCaudal", 3, columna);
            QCOMPARE(fila.join(' '), QString("83.4 0.111 0.116 9.75"));
            QCOMPARE(Celda(ventana, "tblCaudal", 2, 13), QString());  // no storm, no peak
            QCOMPARE(Hijo<QLabel>(ventana, "lblConstantes")->text(),
                     QString("Tc = 1.53 h · S = 84.7 mm · Ia = 0.2 S = 16.9 mm · Fp = 1.00"));
            QCOMPARE(Hijo<QLabel>(ventana, "lblAvisos")->text(),
                     ingles ? QString("None: every input lies within the method's limits.")
                            : QString("Ninguno: todos los datos están dentro de los límites del método."));
            // Every control a user reaches is named for screen readers.
            for (QWidget* control : ventana->findChildren<QWidget*>()) {
                if (!control->isVisible() || control->focusPolicy() == Qt::NoFocus ||
                    qobject_cast<QComboBox*>(control->parentWidget())) {
                    continue;
                }
                QAccessibleInterface* accesible = QAccessible::queryAccessibleInterface(control);
                QVERIFY2(accesible && !accesible->text(QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
            }
            QCOMPARE(Hijo<QWidget>(ventana, "txtLongitud_2")->accessibleName(),
                     ingles ? QString("Segment 3: L (m)") : QString("Tramo 3: L (m)"));
            // A segment added and left empty is no part of the path.
            QTest::mouseClick(Hijo<QPushButton>(ventana, "cmdAnadirTramo"), Qt::LeftButton);
            QVERIFY(Hijo<QLabel>(ventana, "lblTc")->text().endsWith(" 1.53 h"));
        });
    }

    // A kind changed keeps what was typed; removing a segment renumbers the rest.
    void segmentsKeepWhatWasTyped() {
        Idioma(true);
        auto* ventana = Abierta();
        Teclear(ventana, "txtLluvia2_0", "90");
        Teclear(ventana, "txtLongitud_0", "50");
        auto* tipo = Hijo<QComboBox>(ventana, "cboTipo_0");
        tipo->setCurrentIndex(2);
        QCOMPARE(Hijo<QLineEdit>(ventana, "txtLongitud_0")->text(), QString("50"));
        QVERIFY(!ventana->findChild<QLineEdit*>("txtLluvia2_0"));
        tipo->setCurrentIndex(0);
        QCOMPARE(Hijo<QLineEdit>(ventana, "txtLluvia2_0")->text(), QString("90"));
        QTest::mouseClick(Hijo<QPushButton>(ventana, "cmdAnadirTramo"), Qt::LeftButton);
        QTest::mouseClick(Hijo<QPushButton>(ventana, "cmdAnadirTramo"), Qt::LeftButton);
        Teclear(ventana, "txtLongitud_2", "70");
        Hijo<QLineEdit>(ventana, "txtLongitud_1")->setFocus();
        QTest::mouseClick(Hijo<QPushButton>(ventana, "cmdQuitarTramo"), Qt::LeftButton);
        QTest::qWait(20);
        QCOMPARE(Hijo<QLineEdit>(ventana, "txtLongitud_1")->text(), QString("70"));
        QVERIFY(!ventana->findChild<QLineEdit*>("txtLongitud_2"));
        // F1 in a segment's cell opens the time of concentration; elsewhere, the window's topic.
        for (const char* campo : {"txtLongitud_1", "txtArea"}) {
            Hijo<QLineEdit>(ventana, campo)->setFocus();
            QTest::keyClick(Hijo<QLineEdit>(ventana, campo), Qt::Key_F1);
        }
        QCOMPARE(Entorno().TopicosPedidos(), (std::vector<int>{kAyudaTiempoConcentracion, kAyudaCaudalPunta}));
        ventana->close();
    }

    void ic52WorkedExampleAndItsWarning() {
        Idioma(false);
        auto* ventana = Abierta();
        QTest::mouseClick(Hijo<QRadioButton>(ventana, "opcMetodo_1"), Qt::LeftButton, {}, QPoint(6, 6));
        // A published Témez worksheet: 380 km², P0 of CN 89.48, I1/Id 11.72, tc 2.32 h, Pd 88.21 mm.
        Teclear(ventana, "txtArea", "380");
        Teclear(ventana, "txtNC", "89.48");
        QCOMPARE(Hijo<QLabel>(ventana, "lblUmbralCurva")->text(), QString("5.97"));
        Teclear(ventana, "txtI1Id", "11.72");
        QTest::mouseClick(Hijo<QRadioButton>(ventana, "opcTiempo_2"), Qt::LeftButton, {}, QPoint(6, 6));
        Teclear(ventana, "txtTc", "2.32");
        Teclear(ventana, "txtLluviaDiaria_0", "88.21");
        QStringList fila;
        for (int columna = 8; columna < 14; ++columna) fila << Celda(ventana, "tblCaudal", 0, columna);
        QCOMPARE(fila.join(' '), QString("3.04 6.79 20.7 5.97 0.733 1869"));
        QCOMPARE(Hijo<QLabel>(ventana, "lblConstantes")->text(), QString("tc = 2.32 h · KA = 0.828 · Fa = 6.79 · Kt = 1.17"));
        QCOMPARE(Hijo<QLabel>(ventana, "lblAvisos")->text(),
                 QString("• El área, 380 km², pasa de los 50 km² para los que la Instrucción 5.2-IC aplica el método "
                         "racional."));
        // β of a row over the catchment's; the main channel gives tc by Témez.
        Teclear(ventana, "txtBetaFila_0", "2");
        QCOMPARE(Celda(ventana, "tblCaudal", 0, 11), QString("11.9"));
        QTest::mouseClick(Hijo<QRadioButton>(ventana, "opcTiempo_1"), Qt::LeftButton, {}, QPoint(6, 6));
        Teclear(ventana, "txtLc", "10");
        Teclear(ventana, "txtJc", "0.05");
        QCOMPARE(Hijo<QLabel>(ventana, "lblTc")->text(), QString("Tiempo de concentración: 3.05 h"));
        ventana->close();
    }

    void aRefusedValueSaysWhichAndWhyAndIsKept_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("mensaje");
        const QString error("Error en los datos introducidos. ");
        QTest::newRow("slope") << "txtPendiente_0" << "0" << error + "Tramo 1: s (m/m) = «0»: debe ser un número de 0.000001 a 10.";
        QTest::newRow("area") << "txtArea" << "0" << error + "Área A (km²) = «0»: debe ser un número mayor que 0 y no mayor que 100000.";
        QTest::newRow("CN") << "txtNC" << "abc" << error + "Número de curva (condición II) = «abc»: debe ser un número mayor que 0 y no mayor que 100.";
        QTest::newRow("T") << "txtPeriodo_2" << "0.5" << error + "Fila 3: T (años) = «0.5»: debe ser un número de 1 a 100000.";
        QTest::newRow("n") << "txtRugosidad_0" << "2" << error + "Tramo 1: n de Manning = «2»: debe ser un número de 0.001 a 1.";
    }
    void aRefusedValueSaysWhichAndWhyAndIsKept() {
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QString, mensaje);
        Idioma(false);
        auto* ventana = Abierta();
        Teclear(ventana, "txtLluvia_2", "100");
        Entorno().Responder(RespuestaMensaje::Aceptar);
        Teclear(ventana, campo, texto);
        QTRY_COMPARE(Entorno().Vistos().size(), std::size_t(1));
        QCOMPARE(Entorno().Vistos().front().texto, mensaje);
        QTRY_COMPARE(QApplication::focusWidget(), Hijo<QWidget>(ventana, campo == "txtRugosidad_0" ? "cboRugosidad_0" : campo));
        QCOMPARE(Hijo<QLineEdit>(ventana, campo)->text(), texto);
        ventana->close();
    }

    void theCopiedText() {
        Idioma(false);
        auto* ventana = Abierta();
        QApplication::clipboard()->setText("antes");
        Entorno().Responder(RespuestaMensaje::Aceptar);  // nothing to copy without an area
        QTest::mouseClick(Hijo<QPushButton>(ventana, "cmdCopiar"), Qt::LeftButton);
        QCOMPARE(Entorno().UltimoMensaje(),
                 QString("Error en los datos introducidos. Área A (km²) = «»: debe ser un número mayor que 0 y no mayor que 100000."));
        QCOMPARE(QApplication::clipboard()->text(), QString("antes"));
        Ejemplo41(ventana);
        if (QTest::currentTestFailed()) return;
        Teclear(ventana, "txtLluvia_5", "250");
        Teclear(ventana, "txtNC", "35");
        QTest::keyClick(Hijo<QTableWidget>(ventana, "tblCaudal"), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 QString("Caudal punta\n"
                 "Método\tTR-55 (NRCS, 1986), método gráfico\n"
                 "Área A (km²)\t1.0117141056\n"
                 "Número de curva (condición II)\t35\n"
                 "Distribución de la lluvia\tII\n"
                 "Charcas y zonas pantanosas (%)\t0\n"
                 "Recorrido del flujo, por tramos\n"
                 "Tramo\tTipo\tn de Manning\tFirme\tL (m)\tP2 (mm)\ts (m/m)\ta (m²)\tpm (m)\tV (m/s)\tTt (h)\n"
                 "1\tLaminar\t0.24\t\t30.48\t91.44\t0.01\t\t\t0.0286\t0.296\n"
                 "2\tConcentrado superficial\t\tSin pavimentar\t426.72\t\t0.01\t\t\t0.492\t0.241\n"
                 "3\tCauce\t0.05\t\t2225.04\t\t0.005\t2.50838\t8.59536\t0.622\t0.993\n"
                 "Tiempo de concentración: 1.53 h\n"
                 "T (años)\tP 24 h (mm)\tQ (mm)\tIa/P\tqu (m³/s/km²/mm)\tQp (m³/s)\n"
                 "25\t152.4\t6.36\t0.619\t0.0551\t0.355\n"
                 "500\t250\t38.6\t0.377\t0.0810\t3.16\n"
                 "Tc = 1.53 h · S = 472 mm · Ia = 0.2 S = 94.3 mm · Fp = 1.00\n"
                 "Avisos\n"
                 "NC 35: el método gráfico de TR-55 está pensado para números de curva de 40 o más.\n"
                 "T = 25 años: Ia/P = 0.619 es mayor que 0.5, la última fila de la tabla F-1: se ha usado esa fila.\n"));
        ventana->close();
    }

    // The choice of method through the determination: a number accepted, or the road left with none.
    void theCurveNumberDetermined() {
        Idioma(false);
        auto* ventana = Abierta();
        const auto determinar = [ventana](int numero) { Determinar(ventana, numero); };
        determinar(82);
        QCOMPARE(Hijo<QLineEdit>(ventana, "txtNC")->text(), QString("82"));
        determinar(0);
        QCOMPARE(Hijo<QLineEdit>(ventana, "txtNC")->text(), QString("82"));
        ventana->close();
    }
};

TARVEL_PRUEBA_UI(PruebaCaudal)
#include "test_caudal.moc"
