// The table screen as a user meets it: both grids readable with their heading
// in view, the colours and joins drawn, a curve number picked by a double-click
// on the body only, OK, the tabs and their help, and copying.
#include <QClipboard>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>

#include "EntornoUi.h"
#include "app/Idioma.h"
#include "ui/common/Colores.h"
#include "ui/determination/RejillaTabla.h"
#include "ui/determination/frmTabla.h"

using namespace tarvel;
using namespace tarvel::prueba;

namespace {

RejillaTabla* Rejilla(int indice) { return EnFrente<RejillaTabla>(indice == 0 ? "Tabla_0" : "Tabla_1"); }
QString Elegido() { return EnFrente<QLabel>("lblCoefEsc")->text(); }

void Ficha(int indice) {
    QTabBar* fichas = EnFrente<QTabWidget>("Ficha")->tabBar();
    QTest::mouseClick(fichas, Qt::LeftButton, Qt::NoModifier, fichas->tabRect(indice).center());
}

// A double-click in the middle of a cell, in the heading view for rows 0 and 1.
void DobleClic(int indice, int fila, int columna) {
    RejillaTabla* rejilla = Rejilla(indice);
    QTableView* vista = fila < rejilla->FilasCabecera() ? rejilla->VistaCabecera() : rejilla;
    const QModelIndex celda = vista->model()->index(fila, columna);
    vista->scrollTo(celda);
    QTest::mouseDClick(vista->viewport(), Qt::LeftButton, Qt::NoModifier, vista->visualRect(celda).center());
}

}  // namespace

class PruebaTabla : public PruebaUi {
    Q_OBJECT

private slots:
    // Every column in view without a horizontal bar, every text inside its
    // (joined) cell, and the heading in place at any scroll position.
    void everyLabelCanBeReadAndTheHeadingStays() {
        for (const char* idioma : {"", "English"}) {
            Entorno().SiguienteCaso();
            AplicarIdioma(idioma);
            auto* tabla = Abrir<frmTabla>();
            for (int indice : {0, 1}) {
                Ficha(indice);
                RejillaTabla* rejilla = Rejilla(indice);
                QVERIFY(rejilla->isVisible() && Rejilla(1 - indice)->isHidden());
                QVERIFY(!rejilla->horizontalScrollBar()->isVisible());
                for (QTableView* vista : {static_cast<QTableView*>(rejilla), rejilla->VistaCabecera()}) {
                    for (int fila = 0; fila < rejilla->rowCount(); ++fila) {
                        for (int columna = 0; columna < rejilla->columnCount(); ++columna) {
                            const QModelIndex celda = vista->model()->index(fila, columna);
                            const QRect rect = vista->visualRect(celda);
                            if (vista->isRowHidden(fila) || rect.isEmpty()) continue;
                            const QRect necesario = vista->fontMetrics().boundingRect(
                                QRect(0, 0, rect.width() - 6, 10000), Qt::TextWordWrap, celda.data().toString());
                            QVERIFY2(necesario.height() <= rect.height() && necesario.width() <= rect.width() - 6,
                                     qPrintable(QStringLiteral("%1,%2 %3").arg(fila).arg(columna).arg(celda.data().toString())));
                        }
                    }
                }
                QTableView* cabecera = rejilla->VistaCabecera();
                const QPoint arriba = cabecera->mapTo(tabla, QPoint(0, 0));
                rejilla->verticalScrollBar()->setValue(rejilla->verticalScrollBar()->maximum());
                QCOMPARE(cabecera->mapTo(tabla, QPoint(0, 0)), arriba);
                QCOMPARE(cabecera->rowAt(1), 0);
                QCOMPARE(rejilla->rowAt(rejilla->viewport()->height() - 2), rejilla->rowCount() - 1);
            }
        }
        QCOMPARE(Rejilla(0)->item(2, 2)->background().color(), kFondoFilaAlterna);
        QCOMPARE(Rejilla(0)->item(3, 2)->background().style(), Qt::NoBrush);
        QCOMPARE(Rejilla(0)->rowSpan(5, 0), 12);  // row crops
        QCOMPARE(Rejilla(0)->VistaCabecera()->columnSpan(0, 3), 4);
    }

    void aDoubleClickOnACurveNumberOfTheBodyPicksIt() {
        Abrir<frmTabla>();
        Entorno().Responder(RespuestaMensaje::Aceptar);
        Pulsar("cmdAceptar")();
        QCOMPARE(Entorno().UltimoMensaje(), QString("Debe seleccionar un número de curva."));
        DobleClic(0, 5, 4);  // row crops, R, poor, group B
        QCOMPARE(Elegido(), QString("81"));
        // Headings, labels, a cell with no value, a click and the keyboard leave it.
        for (const auto& [fila, columna] : {std::pair{0, 3}, {1, 4}, {5, 0}, {5, 2}, {41, 1}}) DobleClic(0, fila, columna);
        Ficha(1);
        for (const auto& [fila, columna] : {std::pair{1, 2}, {2, 1}, {2, 2}}) DobleClic(1, fila, columna);
        QTest::mouseClick(Rejilla(1)->viewport(), Qt::LeftButton, {}, Rejilla(1)->visualRect(Rejilla(1)->model()->index(4, 3)).center());
        QTest::keyClick(Rejilla(1), Qt::Key_Space);
        QCOMPARE(Elegido(), QString("81"));
        DobleClic(1, 14, 2);  // desert shrub, poor, group A: a later pick replaces it
        QCOMPARE(Elegido(), QString("63"));
        Pulsar("cmdAceptar")();
        QCOMPARE(gNCElegido, std::int16_t(63));
        QVERIFY(!Visible<frmTabla>());
    }

    void theCloseBoxHelpAndCopying() {
        gNCElegido = 33;
        auto* tabla = Abrir<frmTabla>();
        Rejilla(0)->setRangeSelected(QTableWidgetSelectionRange(5, 2, 6, 4), true);
        QApplication::clipboard()->clear();
        QTest::keySequence(Rejilla(0), QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), QString("Pobre\t72\t81\nBuena\t67\t78\n"));
        // F1 and the "?" button open the topic of the tab shown.
        for (int indice : {1, 0}) {
            Ficha(indice);
            QTest::keyClick(EnFrente<QTabWidget>("Ficha")->tabBar(), Qt::Key_F1);
            Pulsar("cmdAyuda")();
            QApplication::processEvents();
        }
        QTRY_COMPARE(Entorno().TopicosPedidos(), (std::vector<int>{50, 50, 10, 10}));
        DobleClic(0, 9, 5);
        tabla->close();
        QCOMPARE(gNCElegido, std::int16_t(33));
    }
};

TARVEL_PRUEBA_UI(PruebaTabla)
#include "test_tabla.moc"
