// The series input and its results as a user drives them: the focus order,
// what each refused request does to the fields and the focus, the span check
// on leaving its field, Determinar, the road from the main menu, and the
// results grid with its colours, its tooltip rule and its copy.
#include <QClipboard>

#include "EntornoUi.h"
#include "ui/common/Colores.h"
#include "ui/series/frmSerieNC.h"
#include "ui/series/frmSerieNCCalculada.h"
#include "ui/shell/frmTarvelPrimera.h"

using namespace tarvel;
using namespace tarvel::prueba;

namespace {

QString Texto(const char* campo) { return EnFrente<QLineEdit>(campo)->text(); }
void Escribir(const char* campo, const QString& texto) { EnFrente<QLineEdit>(campo)->setText(texto); }
void ConLapso(const QString& lapso) {
    EnFrente<QCheckBox>("chkDefinirTiempo")->setChecked(true);
    Escribir("txtAnios", lapso);
}

QStringList Filas(QTableWidget* tabla) {
    QStringList filas;
    for (int f = 0; f < tabla->rowCount(); ++f) {
        QStringList celdas;
        for (int c = 0; c < tabla->columnCount(); ++c) celdas << tabla->item(f, c)->text();
        filas << celdas.join('|');
    }
    return filas;
}

// What the results window showed when Calcular opened it: its rows and the span panel.
QStringList Calcular() {
    QStringList vistos;
    Jugar({Pulsar("cmdCalcular"), [&vistos] {
               auto* resultados = Visible<frmSerieNCCalculada>();
               if (!resultados) return;
               vistos = Filas(Hijo<QTableWidget>(resultados, "tblNCP"));
               if (Hijo(resultados, "Frame1")->isVisible()) {
                   vistos << Hijo<QLabel>(resultados, "Label3")->text() + " " + Hijo<QLabel>(resultados, "Label5")->text();
               }
               resultados->close();
           }});
    return vistos;
}

// "Determinar", answered by the step-by-step window: permanent meadow on group A, 30.
Pasos Determinar(const char* boton) {
    return {Pulsar(boton), Pulsar("cmdAceptar"), Elegir("lstVegetacion_0", 6), Pulsar("cmdDeterminarSuelo"),
            Pulsar("opcTasa_0"), Pulsar("cmdAceptar"), Pulsar("cmdAceptar")};
}

}  // namespace

class PruebaSerie : public PruebaUi {
    Q_OBJECT

private slots:
    void focusOrderWithEnterAndTheSpanCheckedOnLeaving() {
        Abrir<frmSerieNC>();
        QCOMPARE(Foco(), QString("txtNAC"));
        QVERIFY(!EnFrente("txtAnios")->isEnabled());
        EnFrente<QCheckBox>("chkDefinirTiempo")->setChecked(true);
        QVERIFY(Jugar({Teclear("txtNAC", "8,5", Qt::Key_unknown)}));
        QCOMPARE(Texto("txtNAC"), QString("8.5"));
        for (const char* siguiente : {"txtNOB", "cmdDeterminarNAC", "cmdDeterminarNOB", "txtAnios"}) {
            Tecla(qobject_cast<QLineEdit*>(QApplication::focusWidget()) ? Qt::Key_Return : Qt::Key_Tab)();
            QCOMPARE(Foco(), QString(siguiente));
        }
        // Leaving a span that is no whole number of years from 2 on gives the message and the focus back.
        for (const char* lapso : {"", "2.5", "40000"}) {
            Entorno().Responder(RespuestaMensaje::Aceptar);
            QVERIFY(Jugar({Teclear("txtAnios", lapso, Qt::Key_Tab), [] {}}));
            QCOMPARE(Entorno().UltimoMensaje(), QString("Lapso de tiempo incorrecto."));
            QCOMPARE(Foco(), QString("txtAnios"));
        }
        // A button pressed from there stops at the span: the focus comes back and nothing opens.
        Entorno().Responder(RespuestaMensaje::Aceptar);
        bool abierta = false;
        QVERIFY(Jugar({[] { EnFrente("cmdDeterminarNAC")->setFocus(Qt::MouseFocusReason); }, Pulsar("cmdDeterminarNAC"),
                       [&abierta] {
                           abierta = AlFrente() != Visible<frmSerieNC>();
                           if (abierta) Cerrar()();
                       }}));
        QVERIFY(!abierta);
        QCOMPARE(Foco(), QString("txtAnios"));
        QVERIFY(Jugar({Teclear("txtAnios", "10"), [] {}}));
        QCOMPARE(Foco(), QString("chkDefinirTiempo"));
        QCOMPARE(Entorno().Vistos().size(), std::size_t(4));
    }

    // NAC, NOB, the span ("-" for the switch off); the message, the focus, and NAC|NOB afterwards.
    void refusedRequestsKeepTheFocusWhereTheFaultIs() {
        const QString menor = "El número de curva objetivo debe ser menor que el de la ladera degradada.";
        for (const auto& [nac, nob, lapso, mensaje, foco, quedan] :
             {std::tuple<QString, QString, QString, QString, QString, QString>{"abc", "50", "-", "", "txtNAC", "|50"},
              {"85", "", "-", "", "txtNOB", "85|"},
              {"1,000", "50", "-", "NAC debe ser >0 y <=100", "cmdCalcular", "1,000|50"},
              {"100", "100", "-", menor, "cmdCalcular", "100|100"},
              {"85", "70", "", "", "txtAnios", "85|70"},
              {"85", "70", "12abc", "Lapso de tiempo incorrecto.", "txtAnios", "85|70"}}) {
            Entorno().SiguienteCaso();
            Abrir<frmSerieNC>();
            Escribir("txtNAC", nac);
            Escribir("txtNOB", nob);
            if (lapso != "-") ConLapso(lapso);
            if (!mensaje.isEmpty()) Entorno().Responder(RespuestaMensaje::Aceptar);
            QCOMPARE(Calcular(), QStringList());
            QCOMPARE(Entorno().UltimoMensaje(), mensaje);
            QCOMPARE(Foco(), foco);
            QCOMPARE(Texto("txtNAC") + "|" + Texto("txtNOB"), quedan);
            QCOMPARE(gNAC, 0.0);  // nothing stored
        }
    }

    void theResultsOfAnAcceptedRequest() {
        Abrir<frmSerieNC>();
        Escribir("txtNAC", "85");
        Escribir("txtNOB", "70");
        ConLapso("10");
        QCOMPARE(Calcular(), (QStringList{"Condición(J)|NAC(J)|PAC(J)||NOB(J)|POB(J)", "1|70.4|21.3||49.5|51.8",
                                          "2|85.0|9.0||70.0|21.8", "3|92.9|3.9||84.3|9.5", "10 1.50"}));
        QCOMPARE(gLapsoAnios, 10.0);
        // Switching the span off empties it, and the results show no span panel.
        EnFrente<QCheckBox>("chkDefinirTiempo")->setChecked(false);
        QVERIFY(Texto("txtAnios").isEmpty());
        QCOMPARE(Calcular().size(), 4);
        QCOMPARE(gLapsoAnios, 0.0);
    }

    // A Determinar left without a number keeps both fields as typed; Enter
    // where it means nothing else presses Calcular, the default button.
    void aCancelledDeterminarKeepsTheFieldsAndEnterPressesCalcular() {
        Abrir<frmSerieNC>();
        Escribir("txtNAC", "85");
        QVERIFY(EnFrente<QPushButton>("cmdCalcular")->isDefault());
        EnFrente("chkDefinirTiempo")->setFocus();
        Tecla(Qt::Key_Return)();
        QCOMPARE(Foco(), QString("txtNOB"));
        Escribir("txtNOB", "50");
        QVERIFY(Jugar(Determinar("cmdDeterminarNAC") + Pasos{Pulsar("cmdDeterminarNOB"), Cerrar()}));
        QCOMPARE(Texto("txtNAC") + "|" + Texto("txtNOB"), QString("30|50"));
    }

    void determinarFromTheMainMenuFillsItsOwnField() {
        AbrirMenu();
        Entorno().Responder(RespuestaMensaje::Si);
        QStringList campos;
        QVERIFY(Jugar(Pasos{Pulsar("optSerieProgresivaNC"), Pulsar("cmdAceptar"),
                            [] { QVERIFY(AlFrente()->parentWidget() == Visible<frmTarvelPrimera>()); }} +
                      Determinar("cmdDeterminarNOB") +
                      Pasos{[&campos] { campos << Texto("txtNAC") << Texto("txtNOB"); }, Cerrar()}));
        QCOMPARE(campos, (QStringList{"", "30"}));
        QCOMPARE(Entorno().UltimoMensaje(), QString("El número de curva elegido es 30.\r\n¿Desea determinar otro número?"));
    }

    void theResultsGridColoursTooltipsCopyAndHelp() {
        gNAC = 85;
        gNOB = 70;
        auto* tabla = Hijo<QTableWidget>(Abrir<frmSerieNCCalculada>(), "tblNCP");
        QCOMPARE(tabla->item(0, 0)->background().color(), kFondoCondicion);
        QCOMPARE(tabla->item(3, 2)->background().color(), kFondoPresente);
        QCOMPARE(tabla->item(2, 5)->background().color(), kFondoObjetivo);
        const std::tuple<int, int, const char*> pasos[] = {
            {1, 1, "70.41"}, {1, 3, "70.41"}, {3, 5, "9.47"}, {0, 4, ""}, {2, 2, "8.96"}, {2, 0, ""}, {2, 4, "70.00"}};
        for (const auto& [fila, columna, tooltip] : pasos) {
            QTest::mouseMove(tabla->viewport(), tabla->visualRect(tabla->model()->index(fila, columna)).center());
            QCOMPARE(tabla->toolTip(), QString(tooltip));
        }
        QApplication::clipboard()->clear();
        QTest::keyClick(tabla, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text().split('\n'), Filas(tabla).replaceInStrings("|", "\t") << "");
        Pulsar("cmdAyuda")();
        QTRY_COMPARE(Entorno().TopicosPedidos(), std::vector<int>{60});
    }
};

TARVEL_PRUEBA_UI(PruebaSerie)
#include "test_serie.moc"
