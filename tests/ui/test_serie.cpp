// The series input and its results: typing, checks in their order, the span
// switch and its check on leaving, determinations through the method choice,
// the results table with its tooltip rule and the span panel, and the road
// from the main menu.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "EntornoUi.h"
#include "app/SessionState.h"
#include "ui/Arranque.h"
#include "ui/Ayuda.h"
#include "ui/frmEleccion.h"
#include "ui/frmSerieNC.h"
#include "ui/frmSerieNCCalculada.h"
#include "ui/frmTarvelPrimera.h"

using namespace tarvel;
using namespace tarvel::prueba;

namespace {


frmSerieNC* AbrirSerie() {
    auto* serie = new frmSerieNC(nullptr);
    serie->show();
    if (!QTest::qWaitForWindowActive(serie)) qFatal("the series window never became active");
    return serie;
}

frmSerieNCCalculada* AbrirResultados(double nac, double nob, double lapso) {
    gNAC = nac;
    gNOB = nob;
    gLapsoAnios = lapso;
    auto* resultados = new frmSerieNCCalculada(nullptr);
    resultados->show();
    if (!QTest::qWaitForWindowExposed(resultados)) qFatal("the results window never showed");
    return resultados;
}

void Escribir(QWidget* ventana, const char* campo, const QString& texto) {
    auto* caja = Hijo<QLineEdit>(ventana, campo);
    caja->setText(texto);
}

QStringList Fila(QTableWidget* tabla, int fila) {
    QStringList textos;
    for (int c = 0; c < tabla->columnCount(); ++c) textos << tabla->item(fila, c)->text();
    return textos;
}

// Calcular on the input window; what opened (if anything) is handed to `enLosResultados`.
bool Calcular(frmSerieNC* serie, std::function<void(frmSerieNCCalculada*)> enLosResultados = {}) {
    bool abiertos = false;
    AlAbrir([&] {
        if (auto* resultados = Visible<frmSerieNCCalculada>()) {
            abiertos = true;
            if (enLosResultados) enLosResultados(resultados);
            resultados->close();
        }
    });
    QTest::mouseClick(Hijo<QPushButton>(serie, "cmdCalcular"), Qt::LeftButton);
    QApplication::processEvents();
    return abiertos;
}

// A determination from a "Determinar" button: `numero` chosen, or the method
// choice closed without choosing when it is absent. The method choice's OK
// opens the work window of its road, which hands the number back as its own
// OK does.
void Determinar(frmSerieNC* serie, const char* boton, std::optional<int> numero) {
    bool abierta = false;
    AlAbrir([&] {
        auto* eleccion = Visible<frmEleccion>();
        abierta = eleccion != nullptr;
        if (!eleccion) return;
        QCOMPARE(eleccion->parentWidget(), static_cast<QWidget*>(serie));
        if (!numero) {
            eleccion->close();
            return;
        }
        const auto elegido = static_cast<std::int16_t>(*numero);
        AlAbrir([eleccion, elegido] {
            for (QWidget* ventana : QApplication::topLevelWidgets()) {
                auto* trabajo = qobject_cast<QDialog*>(ventana);
                if (trabajo && trabajo->isVisible() && trabajo->parentWidget() == eleccion) {
                    gNCElegido = elegido;
                    trabajo->accept();
                }
            }
        });
        gNCElegido = elegido;
        QTest::mouseClick(Hijo<QPushButton>(eleccion, "cmdAceptar"), Qt::LeftButton);
    });
    QTest::mouseClick(Hijo<QPushButton>(serie, boton), Qt::LeftButton);
    QVERIFY(abierta);
    QVERIFY(!Visible<frmEleccion>());
}

QPoint CentroDeCelda(QTableWidget* tabla, int fila, int columna) {
    return tabla->visualRect(tabla->model()->index(fila, columna)).center();
}

}  // namespace

class PruebaSerie : public PruebaUi {
    Q_OBJECT

private slots:
    void inputWindowOpensEmptyWithItsTexts_data() {
        QTest::addColumn<bool>("ingles");
        QTest::newRow("Spanish") << false;
        QTest::newRow("English") << true;
    }
    void inputWindowOpensEmptyWithItsTexts() {
        QFETCH(bool, ingles);
        if (ingles) {
            Entorno().GuardarIdiomaAlmacenado("English");
            ResolverIdiomaDeArranque();
        }
        auto* serie = AbrirSerie();
        QCOMPARE(serie->windowTitle(),
                 ingles ? QString("Progressive series  of curve number") : QString("Serie progresiva del número de curva"));
        QCOMPARE(Hijo<QLabel>(serie, "Label4")->text(), ingles ? QString("NOS") : QString("NOB "));
        QCOMPARE(Hijo<QLabel>(serie, "Label5")->text(),
                 ingles ? QString("Time interval (in years)") : QString("Lapso de tiempo (en años):"));
        QCOMPARE(Hijo<QCheckBox>(serie, "chkDefinirTiempo")->text(),
                 ingles ? QString("Define time interval") : QString("Definir lapso de tiempo"));
        // Each title exactly in its frame, and every text wide enough for its control.
        for (const char* nombre : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
            auto* etiqueta = Hijo<QLabel>(serie, nombre);
            QVERIFY2(etiqueta->width() >= etiqueta->sizeHint().width(), nombre);
        }
        QCOMPARE(Hijo<QFrame>(serie, "Shape1")->contentsRect(), Hijo<QLabel>(serie, "Label1")->geometry());
        for (const char* nombre : {"cmdDeterminarNAC", "cmdDeterminarNOB", "cmdCalcular", "chkDefinirTiempo"}) {
            auto* control = Hijo<QWidget>(serie, nombre);
            QVERIFY2(control->width() >= control->sizeHint().width(), nombre);
        }
        QVERIFY(!Hijo<QCheckBox>(serie, "chkDefinirTiempo")->isChecked());
        QVERIFY(!Hijo<QLineEdit>(serie, "txtAnios")->isEnabled());
        QVERIFY(!Hijo<QLabel>(serie, "Label5")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), Hijo<QWidget>(serie, "txtNAC"));
    }

    void focusOrderAndTheKeyRuleInTheFieldsOnly() {
        auto* serie = AbrirSerie();
        Hijo<QCheckBox>(serie, "chkDefinirTiempo")->setChecked(true);
        auto* nac = Hijo<QLineEdit>(serie, "txtNAC");
        nac->setFocus();
        QTest::keyClick(nac, '8');
        QTest::keyClick(nac, Qt::Key_Comma);
        QTest::keyClick(nac, '5');
        QCOMPARE(nac->text(), QString("8.5"));
        const QStringList orden{"txtNOB", "cmdDeterminarNAC", "cmdDeterminarNOB", "txtAnios", "chkDefinirTiempo",
                                "cmdCalcular", "txtNAC"};
        for (const QString& siguiente : orden) {
            // Enter moves on like Tab where the rule applies; Tab elsewhere.
            QWidget* actual = QApplication::focusWidget();
            QTest::keyClick(actual, qobject_cast<QLineEdit*>(actual) ? Qt::Key_Return : Qt::Key_Tab);
            if (siguiente == "chkDefinirTiempo") {
                // Leaving the empty span field is refused until it holds a span.
                Entorno().Responder(RespuestaMensaje::Aceptar);
                QTRY_COMPARE(QApplication::focusWidget()->objectName(), QString("txtAnios"));
                QTest::keyClicks(QApplication::focusWidget(), "10");
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            }
            QTRY_COMPARE(QApplication::focusWidget()->objectName(), siguiente);
        }
        // Enter where it means nothing else presses Calcular, drawn as the
        // default button: its check sends the focus to the empty NOB.
        QVERIFY(Hijo<QPushButton>(serie, "cmdCalcular")->isDefault());
        auto* casilla = Hijo<QCheckBox>(serie, "chkDefinirTiempo");
        casilla->setFocus();
        QTest::keyClick(casilla, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("txtNOB"));
        QCOMPARE(Entorno().Vistos().size(), std::size_t(1));
    }

    void rejectedRequestsInTheirOrder_data() {
        QTest::addColumn<QString>("nac");
        QTest::addColumn<QString>("nob");
        QTest::addColumn<QString>("lapso");  // "-" for the switch off
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<QString>("foco");
        QTest::addColumn<QString>("nacQueda");
        QTest::addColumn<QString>("nobQueda");
        QTest::newRow("NAC abc") << "abc" << "50" << "-" << "" << "txtNAC" << "" << "50";
        QTest::newRow("NAC empty") << "" << "50" << "-" << "" << "txtNAC" << "" << "50";
        QTest::newRow("NOB empty") << "85" << "" << "-" << "" << "txtNOB" << "85" << "";
        QTest::newRow("NAC 0") << "0" << "50" << "-" << "NAC debe ser >0 y <=100" << "cmdCalcular" << "0" << "50";
        QTest::newRow("NAC 1,000") << "1,000" << "50" << "-" << "NAC debe ser >0 y <=100" << "cmdCalcular" << "1,000"
                                   << "50";
        QTest::newRow("NOB -5") << "85" << "-5" << "-" << "NOB debe ser >0 y <=100" << "cmdCalcular" << "85" << "-5";
        QTest::newRow("100 / 100") << "100" << "100" << "-"
                                   << "El número de curva objetivo debe ser menor que el de la ladera degradada."
                                   << "cmdCalcular" << "100" << "100";
        QTest::newRow("span empty") << "85" << "70" << "" << "" << "txtAnios" << "85" << "70";
        QTest::newRow("span 12abc") << "85" << "70" << "12abc" << "Lapso de tiempo incorrecto." << "txtAnios" << "85"
                                    << "70";
        QTest::newRow("span 10,0") << "85" << "70" << "10,0" << "Lapso de tiempo incorrecto." << "txtAnios" << "85"
                                   << "70";
    }
    void rejectedRequestsInTheirOrder() {
        QFETCH(QString, nac);
        QFETCH(QString, nob);
        QFETCH(QString, lapso);
        QFETCH(QString, mensaje);
        QFETCH(QString, foco);
        QFETCH(QString, nacQueda);
        QFETCH(QString, nobQueda);
        auto* serie = AbrirSerie();
        gNAC = gNOB = gLapsoAnios = -1;
        Escribir(serie, "txtNAC", nac);
        Escribir(serie, "txtNOB", nob);
        if (lapso != "-") {
            Hijo<QCheckBox>(serie, "chkDefinirTiempo")->setChecked(true);
            Escribir(serie, "txtAnios", lapso);
        }
        Hijo<QPushButton>(serie, "cmdCalcular")->setFocus();
        if (!mensaje.isEmpty()) Entorno().Responder(RespuestaMensaje::Aceptar);

        QVERIFY(!Calcular(serie));
        QCOMPARE(Entorno().Vistos().size(), std::size_t(mensaje.isEmpty() ? 0 : 1));
        if (!mensaje.isEmpty()) {
            QCOMPARE(Entorno().Vistos().front().texto, mensaje);
            QCOMPARE(Entorno().Vistos().front().titulo, QString("Tarvel"));
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), foco);
        QCOMPARE(Hijo<QLineEdit>(serie, "txtNAC")->text(), nacQueda);
        QCOMPARE(Hijo<QLineEdit>(serie, "txtNOB")->text(), nobQueda);
        QCOMPARE(gNAC, -1.0);  // nothing stored
    }

    void acceptedRequestOpensTheResultsOfTheWorkedExample() {
        auto* serie = AbrirSerie();
        Escribir(serie, "txtNAC", "85");
        Escribir(serie, "txtNOB", "70");
        Hijo<QCheckBox>(serie, "chkDefinirTiempo")->setChecked(true);
        Escribir(serie, "txtAnios", "10");
        QStringList filas;
        QVERIFY(Calcular(serie, [&](frmSerieNCCalculada* resultados) {
            QCOMPARE(resultados->parentWidget(), static_cast<QWidget*>(serie));
            QVERIFY(resultados->isModal());
            auto* tabla = Hijo<QTableWidget>(resultados, "tblNCP");
            for (int fila = 0; fila < 4; ++fila) filas << Fila(tabla, fila).join('|');
            QVERIFY(Hijo<QFrame>(resultados, "Frame1")->isVisible());
            QCOMPARE(Hijo<QLabel>(resultados, "Label3")->text(), QString("10"));
            QCOMPARE(Hijo<QLabel>(resultados, "Label5")->text(), QString("1.50"));
        }));
        QCOMPARE(filas, (QStringList{"Condición(J)|NAC(J)|PAC(J)||NOB(J)|POB(J)", "1|70.4|21.3||49.5|51.8",
                                     "2|85.0|9.0||70.0|21.8", "3|92.9|3.9||84.3|9.5"}));
        QCOMPARE(gNAC, 85.0);
        QCOMPARE(gNOB, 70.0);
        QCOMPARE(gLapsoAnios, 10.0);
        // Back on the input window, fields unchanged; switching the span off
        // empties it and the next request stores no span.
        QCOMPARE(Hijo<QLineEdit>(serie, "txtAnios")->text(), QString("10"));
        Hijo<QCheckBox>(serie, "chkDefinirTiempo")->setChecked(false);
        QVERIFY(Hijo<QLineEdit>(serie, "txtAnios")->text().isEmpty());
        QVERIFY(!Hijo<QLineEdit>(serie, "txtAnios")->isEnabled());
        Escribir(serie, "txtNOB", "99.9");
        Escribir(serie, "txtNAC", "100");
        QVERIFY(Calcular(serie, [](frmSerieNCCalculada* resultados) {
            QVERIFY(!Hijo<QFrame>(resultados, "Frame1")->isVisible());
            QCOMPARE(Fila(Hijo<QTableWidget>(resultados, "tblNCP"), 2).join('|'), QString("2|100.0|.0||99.9|.1"));
        }));
        QCOMPARE(gLapsoAnios, 0.0);
    }

    void leavingAnInvalidSpanGivesTheMessageAndTheFocusBack_data() {
        QTest::addColumn<QString>("lapso");
        QTest::addColumn<bool>("valido");
        QTest::newRow("2.5") << "2.5" << false;
        QTest::newRow("1") << "1" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("40000") << "40000" << false;
        QTest::newRow("10") << "10" << true;
        QTest::newRow("12abc, checked on calculation") << "12abc" << true;
    }
    void leavingAnInvalidSpanGivesTheMessageAndTheFocusBack() {
        QFETCH(QString, lapso);
        QFETCH(bool, valido);
        auto* serie = AbrirSerie();
        Hijo<QCheckBox>(serie, "chkDefinirTiempo")->setChecked(true);
        auto* anios = Hijo<QLineEdit>(serie, "txtAnios");
        anios->setFocus();
        QTest::keyClicks(anios, lapso);
        if (!valido) Entorno().Responder(RespuestaMensaje::Aceptar);
        QTest::keyClick(anios, Qt::Key_Tab);
        QTest::qWait(20);
        QApplication::processEvents();
        QCOMPARE(Entorno().Vistos().size(), std::size_t(valido ? 0 : 1));
        if (!valido) QCOMPARE(Entorno().Vistos().front().texto, QString("Lapso de tiempo incorrecto."));
        QCOMPARE(QApplication::focusWidget()->objectName(), valido ? QString("chkDefinirTiempo") : QString("txtAnios"));
        QCOMPARE(anios->text(), lapso);
    }

    void pressingAButtonFromAnInvalidSpanStopsAtTheSpan_data() {
        QTest::addColumn<QString>("boton");
        QTest::newRow("Calcular") << "cmdCalcular";
        QTest::newRow("Determinar") << "cmdDeterminarNAC";
    }
    void pressingAButtonFromAnInvalidSpanStopsAtTheSpan() {
        QFETCH(QString, boton);
        auto* serie = AbrirSerie();
        Escribir(serie, "txtNAC", "85");
        Escribir(serie, "txtNOB", "70");
        Hijo<QCheckBox>(serie, "chkDefinirTiempo")->setChecked(true);
        auto* anios = Hijo<QLineEdit>(serie, "txtAnios");
        anios->setFocus();
        QTest::keyClicks(anios, "2.5");
        Entorno().Responder(RespuestaMensaje::Aceptar);
        bool abierta = false;
        AlAbrir([&] {
            QWidget* otra = Visible<frmSerieNCCalculada>();
            if (!otra) otra = Visible<frmEleccion>();
            abierta = otra != nullptr;
            if (otra) otra->close();
        });
        // A click gives the focus to the button first, as a user's click does.
        auto* pulsado = Hijo<QPushButton>(serie, qPrintable(boton));
        pulsado->setFocus(Qt::MouseFocusReason);
        QTest::mouseClick(pulsado, Qt::LeftButton);
        QTest::qWait(20);
        QVERIFY(!abierta);
        QCOMPARE(Entorno().Vistos().size(), std::size_t(1));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(anios));
        QCOMPARE(Hijo<QLineEdit>(serie, "txtNAC")->text(), QString("85"));
    }

    void determinarCopiesOnlyANumberAcceptedIntoItsField() {
        auto* serie = AbrirSerie();
        Escribir(serie, "txtNAC", "12");
        Escribir(serie, "txtNOB", "50");
        // Abandoned before anything was chosen: both fields as typed.
        Determinar(serie, "cmdDeterminarNAC", std::nullopt);
        QCOMPARE(Hijo<QLineEdit>(serie, "txtNAC")->text(), QString("12"));
        Determinar(serie, "cmdDeterminarNAC", 85);
        QCOMPARE(Hijo<QLineEdit>(serie, "txtNAC")->text(), QString("85"));
        // Abandoned after a choice: the older number goes nowhere.
        Determinar(serie, "cmdDeterminarNOB", std::nullopt);
        QCOMPARE(Hijo<QLineEdit>(serie, "txtNOB")->text(), QString("50"));
        QCOMPARE(gNCElegido, std::int16_t(85));
        // Enter after NOB reaches the NAC button, Enter presses it, Escape leaves the choice.
        auto* nob = Hijo<QLineEdit>(serie, "txtNOB");
        nob->setFocus();
        AlAbrir([] {
            if (auto* eleccion = Visible<frmEleccion>()) QTest::keyClick(eleccion, Qt::Key_Escape);
        });
        for (int i = 0; i < 2; ++i) QTest::keyClick(serie->focusWidget(), Qt::Key_Return);
        QVERIFY(!Visible<frmEleccion>());
        QCOMPARE(Hijo<QLineEdit>(serie, "txtNAC")->text(), QString("85"));
        Determinar(serie, "cmdDeterminarNOB", 70);
        QCOMPARE(Hijo<QLineEdit>(serie, "txtNOB")->text(), QString("70"));
        QCOMPARE(Hijo<QLineEdit>(serie, "txtNAC")->text(), QString("85"));
        // A table cell without a value hands back -1, which the range check refuses.
        Determinar(serie, "cmdDeterminarNAC", -1);
        QCOMPARE(Hijo<QLineEdit>(serie, "txtNAC")->text(), QString("-1"));
        Entorno().Responder(RespuestaMensaje::Aceptar);
        QVERIFY(!Calcular(serie));
        QCOMPARE(Entorno().Vistos().back().texto, QString("NAC debe ser >0 y <=100"));
    }

    void theRoadFromTheMainMenu() {
        ResolverIdiomaDeArranque();
        auto* menu = new frmTarvelPrimera;
        menu->show();
        Hijo<QRadioButton>(menu, "optSerieProgresivaNC")->setChecked(true);
        Entorno().Responder(RespuestaMensaje::Si);
        bool abierta = false;
        AlAbrir([&] {
            auto* serie = Visible<frmSerieNC>();
            abierta = serie != nullptr;
            if (!serie) return;
            QCOMPARE(serie->parentWidget(), static_cast<QWidget*>(menu));
            Determinar(serie, "cmdDeterminarNAC", 75);
            serie->close();
        });
        QTest::mouseClick(Hijo<QPushButton>(menu, "cmdAceptar"), Qt::LeftButton);
        QVERIFY(abierta);
        QCOMPARE(Entorno().Vistos().size(), std::size_t(1));
        QCOMPARE(Entorno().Vistos().front().texto, QString("El número de curva elegido es 75.\r\n¿Desea determinar otro número?"));
        QVERIFY(menu->isVisible());
    }

    void resultsWindowTextsLayoutAndPanel_data() {
        QTest::addColumn<bool>("ingles");
        QTest::addColumn<double>("lapso");
        QTest::newRow("Spanish, span") << false << 10.0;
        QTest::newRow("English, no span") << true << 0.0;
    }
    void resultsWindowTextsLayoutAndPanel() {
        QFETCH(bool, ingles);
        QFETCH(double, lapso);
        if (ingles) {
            Entorno().GuardarIdiomaAlmacenado("English");
            ResolverIdiomaDeArranque();
        }
        auto* resultados = AbrirResultados(85, 70, lapso);
        QCOMPARE(resultados->windowTitle(),
                 ingles ? QString("Progressive series forecast for CN") : QString("Serie progresiva prevista para NC"));
        auto* tabla = Hijo<QTableWidget>(resultados, "tblNCP");
        QCOMPARE(Fila(tabla, 0).join('|'),
                 ingles ? QString("Condition(J)|NCS(J)|PCS(J)||NOS(J)|POS(J)")
                        : QString("Condición(J)|NAC(J)|PAC(J)||NOB(J)|POB(J)"));
        QCOMPARE(tabla->rowCount(), 4);
        QCOMPARE(tabla->columnCount(), 6);
        // All four rows in view, nothing to scroll; the separator is thin.
        QVERIFY(tabla->viewport()->height() >= tabla->rowViewportPosition(3) + tabla->rowHeight(3));
        QVERIFY(tabla->viewport()->width() >= tabla->columnViewportPosition(5) + tabla->columnWidth(5));
        QVERIFY(tabla->columnWidth(3) < tabla->columnWidth(2) / 10);
        for (int c : {0, 1, 2, 4, 5}) {
            QVERIFY(tabla->columnWidth(c) >= QFontMetrics(tabla->item(0, c)->font()).horizontalAdvance(tabla->item(0, c)->text()));
        }
        QCOMPARE(tabla->item(0, 0)->background().color(), QColor(0x60, 0xCF, 0xFF));
        QCOMPARE(tabla->item(3, 2)->background().color(), QColor(0xFF, 0xDF, 0x4F));
        QCOMPARE(tabla->item(2, 5)->background().color(), QColor(0xBF, 0xEF, 0x7F));
        QCOMPARE(Hijo<QFrame>(resultados, "Frame1")->isVisible(), lapso != 0);
        if (lapso != 0) {
            QCOMPARE(Hijo<QLabel>(resultados, "Label2")->text(), QString("Lapso temporal considerado:"));
            QCOMPARE(Hijo<QLabel>(resultados, "Label4")->text(), QString("años."));
        }
        QTest::mouseClick(Hijo<QPushButton>(resultados, "cmdAyuda"), Qt::LeftButton);
        QApplication::processEvents();
        QCOMPARE(Entorno().TopicosPedidos(), std::vector<int>{60});
    }

    void tooltipRuleOverTheGrid() {
        auto* resultados = AbrirResultados(85, 70, 10);
        auto* tabla = Hijo<QTableWidget>(resultados, "tblNCP");
        const struct {
            int fila, columna;
            const char* tooltip;
        } pasos[] = {
            {1, 1, "70.41"}, {1, 3, "70.41"},  // the separator column leaves it
            {3, 5, "9.47"},  {0, 4, ""},       // the header row clears it
            {2, 2, "8.96"},  {2, 0, ""},       // so does the condition column
            {2, 3, ""},      {2, 4, "70.00"},
        };
        for (const auto& paso : pasos) {
            QTest::mouseMove(tabla->viewport(), CentroDeCelda(tabla, paso.fila, paso.columna));
            QCOMPARE(tabla->toolTip(), QString(paso.tooltip));
        }
    }

    void ctrlCCopiesTheTableAsTabSeparatedText() {
        auto* resultados = AbrirResultados(85, 70, 10);
        auto* tabla = Hijo<QTableWidget>(resultados, "tblNCP");
        QApplication::clipboard()->clear();
        tabla->setFocus();
        QTest::keyClick(tabla, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 QString("Condición(J)\tNAC(J)\tPAC(J)\t\tNOB(J)\tPOB(J)\n1\t70.4\t21.3\t\t49.5\t51.8\n"
                         "2\t85.0\t9.0\t\t70.0\t21.8\n3\t92.9\t3.9\t\t84.3\t9.5\n"));
    }

    void aSecondOpeningShowsOnlyTheNewResults() {
        auto* primera = AbrirResultados(85, 70, 10);
        delete primera;
        auto* segunda = AbrirResultados(90, 88.5, 2);
        QCOMPARE(Fila(Hijo<QTableWidget>(segunda, "tblNCP"), 2).join('|'), QString("2|90.0|5.6||88.5|6.6"));
        QCOMPARE(Hijo<QLabel>(segunda, "Label5")->text(), QString("0.75"));
        QCOMPARE(Hijo<QLabel>(segunda, "Label3")->text(), QString("2"));
    }
};

TARVEL_PRUEBA_UI(PruebaSerie)
#include "test_serie.moc"
