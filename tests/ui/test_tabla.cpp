// The table screen: both grids as the user sees them, picking a curve number
// by double-click, OK, the tabs, help, copying, and the road from the menu.
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <fstream>

#include "EntornoUi.h"
#include "app/Idioma.h"
#include "app/SessionState.h"
#include "data/Datos.h"
#include "ui/Arranque.h"
#include "ui/Ayuda.h"
#include "ui/RejillaTabla.h"
#include "ui/frmEleccion.h"
#include "ui/frmTabla.h"
#include "ui/frmTarvelPrimera.h"

using namespace tarvel;
using namespace tarvel::prueba;

namespace {


RejillaTabla* Rejilla(QWidget* ventana, int indice) {
    return Hijo<RejillaTabla>(ventana, indice == 0 ? "Tabla_0" : "Tabla_1");
}

QString Elegido(QWidget* ventana) { return Hijo<QLabel>(ventana, "lblCoefEsc")->text(); }

// A double-click in the middle of a cell, in the heading view for rows 0 and 1.
void DobleClic(QWidget* ventana, int indice, int fila, int columna) {
    RejillaTabla* rejilla = Rejilla(ventana, indice);
    QTableView* vista = fila < rejilla->FilasCabecera() ? rejilla->VistaCabecera() : rejilla;
    const QModelIndex celda = vista->model()->index(fila, columna);
    vista->scrollTo(celda);
    const QRect rect = vista->visualRect(celda);
    QVERIFY2(vista->viewport()->rect().contains(rect.center()), "cell not in view");
    QTest::mouseDClick(vista->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

void Aceptar(QWidget* ventana) { QTest::mouseClick(Hijo<QPushButton>(ventana, "cmdAceptar"), Qt::LeftButton); }

void ElegirFicha(QWidget* ventana, int indice) {
    QTabBar* fichas = Hijo<QTabWidget>(ventana, "Ficha")->tabBar();
    QTest::mouseClick(fichas, Qt::LeftButton, Qt::NoModifier, fichas->tabRect(indice).center());
}

FilaDatos FilaPublicada(int fila) { return *LeerFilaDatos(RutaDatosPrograma(), fila); }

}  // namespace

class PruebaTabla : public PruebaUi {
    Q_OBJECT

    static void Ingles(bool ingles) { AplicarIdioma(ingles ? "English" : ""); }

private slots:
    void openingShowsTheGeneralTableInTheLanguageOfTheRun_data() {
        QTest::addColumn<bool>("ingles");
        QTest::newRow("Spanish") << false;
        QTest::newRow("English") << true;
    }
    void openingShowsTheGeneralTableInTheLanguageOfTheRun() {
        QFETCH(bool, ingles);
        Ingles(ingles);
        frmTabla tabla(nullptr);
        tabla.show();
        QCOMPARE(tabla.windowTitle(), ingles ? QString("Table for determination of the curve number")
                                             : QString("Tabla para la determinación del número de curva"));
        auto* ficha = Hijo<QTabWidget>(&tabla, "Ficha");
        QCOMPARE(ficha->currentIndex(), 0);
        QCOMPARE(ficha->tabText(0), ingles ? QString("General table") : QString("Tabla General"));
        QCOMPARE(ficha->tabToolTip(1),
                 ingles ? QString("Curve numbers of arid and semiarid zones")
                        : QString("Números de curva de zonas áridas y semiáridas"));
        QCOMPARE(Hijo<QLabel>(&tabla, "Label1")->text(), ingles ? QString("Chosen Curve Number:") : QString("Nº de curva elegido:"));
        QCOMPARE(Hijo<QPushButton>(&tabla, "cmdAceptar")->text(), ingles ? QString("OK") : QString("Aceptar"));
        QCOMPARE(Hijo<QPushButton>(&tabla, "cmdAyuda")->text(), QString("?"));
        QVERIFY(Rejilla(&tabla, 0)->isVisible());
        QVERIFY(Rejilla(&tabla, 1)->isHidden());
        QCOMPARE(Elegido(&tabla), QString());

        RejillaTabla* general = Rejilla(&tabla, 0);
        QCOMPARE(general->rowCount(), 59);
        QCOMPARE(general->columnCount(), 7);
        QCOMPARE(Rejilla(&tabla, 1)->rowCount(), 17);
        QCOMPARE(Rejilla(&tabla, 1)->columnCount(), 6);
        QCOMPARE(general->item(0, 1)->text(), ingles ? QString("Treatment") : QString("Laboreo"));
        QCOMPARE(general->item(5, 1)->text(), ingles ? QString("SR") : QString("R"));
        QCOMPARE(general->item(41, 1)->text(), QString());
        const auto fila1 = FilaPublicada(1), fila57 = FilaPublicada(57);
        QCOMPARE(general->item(2, 3)->text(), QString::fromStdString(fila1[0]));
        QCOMPARE(general->item(58, 6)->text(), QString::fromStdString(fila57[3]));
        QCOMPARE(Rejilla(&tabla, 1)->item(2, 2)->text(), QString("-1"));

        // OK with nothing picked asks for a choice and the window stays.
        Entorno().Responder(RespuestaMensaje::Aceptar);
        Aceptar(&tabla);
        QCOMPARE(Entorno().Vistos().size(), std::size_t(1));
        const auto& aviso = Entorno().Vistos().front();
        QCOMPARE(aviso.texto, ingles ? QString("You must select a curve number.") : QString("Debe seleccionar un número de curva."));
        QCOMPARE(aviso.titulo, QString("Tarvel"));
        QVERIFY(aviso.botones == BotonesMensaje::Aceptar);
        QVERIFY(aviso.icono == IconoMensaje::Ninguno);
        QVERIFY(tabla.isVisible());
        QCOMPARE(gNCElegido, std::int16_t(0));
    }

    void mergesAndShadingWhereTheTableHasThem() {
        frmTabla tabla(nullptr);
        tabla.show();
        RejillaTabla* general = Rejilla(&tabla, 0);
        QTableView* cabecera = general->VistaCabecera();
        QCOMPARE(cabecera->rowSpan(0, 0), 2);
        QCOMPARE(cabecera->rowSpan(0, 2), 2);
        QCOMPARE(cabecera->columnSpan(0, 3), 4);
        QCOMPARE(cabecera->columnSpan(1, 3), 1);
        QCOMPARE(general->rowSpan(5, 0), 12);   // row crops
        QCOMPARE(general->rowSpan(5, 1), 2);    // R, poor and good
        QCOMPARE(general->rowSpan(5, 2), 1);
        QCOMPARE(general->rowSpan(5, 4), 1);
        QCOMPARE(Rejilla(&tabla, 1)->rowSpan(14, 0), 3);
        QCOMPARE(Rejilla(&tabla, 1)->VistaCabecera()->columnSpan(0, 2), 4);

        const QColor sombra(242, 226, 194);
        for (int columna = 2; columna <= 6; ++columna) {
            QCOMPARE(general->item(2, columna)->background().color(), sombra);
            QCOMPARE(general->item(58, columna)->background().color(), sombra);
            QCOMPARE(general->item(3, columna)->background().style(), Qt::NoBrush);
        }
        for (int fila = 0; fila < 59; ++fila) {
            QCOMPARE(general->item(fila, 0)->background().style(), Qt::NoBrush);
            QCOMPARE(general->item(fila, 1)->background().style(), Qt::NoBrush);
        }
        QCOMPARE(Rejilla(&tabla, 1)->item(2, 1)->background().color(), sombra);
        QCOMPARE(Rejilla(&tabla, 1)->item(2, 0)->background().style(), Qt::NoBrush);
        QCOMPARE(general->item(0, 3)->textAlignment(), int(Qt::AlignCenter));
    }

    // Both headings stay in view at any scroll position, every column fits
    // without a horizontal bar, and every text fits its (joined) cell.
    void headingStaysAndEveryLabelCanBeRead_data() {
        QTest::addColumn<bool>("ingles");
        QTest::newRow("Spanish") << false;
        QTest::newRow("English") << true;
    }
    void headingStaysAndEveryLabelCanBeRead() {
        QFETCH(bool, ingles);
        Ingles(ingles);
        frmTabla tabla(nullptr);
        tabla.show();
        for (int indice : {0, 1}) {
            ElegirFicha(&tabla, indice);
            RejillaTabla* rejilla = Rejilla(&tabla, indice);
            QVERIFY(QTest::qWaitForWindowExposed(&tabla));
            QVERIFY(!rejilla->horizontalScrollBar()->isVisible());
            int ancho = 0;
            for (int c = 0; c < rejilla->columnCount(); ++c) ancho += rejilla->columnWidth(c);
            QVERIFY2(ancho <= rejilla->viewport()->width(), qPrintable(QString("%1 > %2").arg(ancho).arg(rejilla->viewport()->width())));

            for (QTableView* vista : {static_cast<QTableView*>(rejilla), rejilla->VistaCabecera()}) {
                const bool esCabecera = vista != rejilla;
                for (int fila = esCabecera ? 0 : 2; fila < (esCabecera ? 2 : rejilla->rowCount()); ++fila) {
                    for (int columna = 0; columna < rejilla->columnCount(); ++columna) {
                        // A cell inside a joined one has its text and its whole rectangle.
                        const QModelIndex celda = vista->model()->index(fila, columna);
                        const QRect rect = vista->visualRect(celda);
                        QFont fuente = vista->font();
                        if (celda.data(Qt::FontRole).isValid()) fuente = celda.data(Qt::FontRole).value<QFont>();
                        const QRect necesario = QFontMetrics(fuente).boundingRect(
                            QRect(0, 0, rect.width() - 6, 10000), Qt::TextWordWrap, celda.data().toString());
                        QVERIFY2(necesario.height() <= rect.height() && necesario.width() <= rect.width() - 6,
                                 qPrintable(QString("%1,%2 \"%3\" needs %4x%5 in %6x%7")
                                                .arg(fila).arg(columna).arg(celda.data().toString())
                                                .arg(necesario.width()).arg(necesario.height())
                                                .arg(rect.width()).arg(rect.height())));
                    }
                }
            }

            QTableView* cabecera = rejilla->VistaCabecera();
            const QPoint arriba = cabecera->mapTo(&tabla, QPoint(0, 0));
            rejilla->verticalScrollBar()->setValue(rejilla->verticalScrollBar()->maximum());
            QCOMPARE(cabecera->mapTo(&tabla, QPoint(0, 0)), arriba);
            QVERIFY(cabecera->isVisible());
            QCOMPARE(cabecera->rowAt(1), 0);
            QCOMPARE(cabecera->columnAt(cabecera->width() - 2), rejilla->columnCount() - 1);
            QVERIFY(rejilla->rowAt(1) >= 2);
            QCOMPARE(rejilla->rowAt(rejilla->viewport()->height() - 2), rejilla->rowCount() - 1);
        }
    }

    void doubleClickTakesOnlyCurveNumbersOfTheBody() {
        frmTabla tabla(nullptr);
        tabla.show();
        const auto fila4 = FilaPublicada(4);
        DobleClic(&tabla, 0, 5, 4);  // group B of grid row 5
        QCOMPARE(Elegido(&tabla), QString::fromStdString(fila4[1]));

        // Headings, labels, and a cell with no curve number leave it as it was.
        struct Celda {
            int indice, fila, columna;
        };
        for (const Celda c : {Celda{0, 0, 0}, Celda{0, 0, 3}, Celda{0, 1, 4}, Celda{0, 5, 0}, Celda{0, 5, 1},
                              Celda{0, 5, 2}, Celda{0, 41, 1}, Celda{1, 1, 2}, Celda{1, 2, 1}, Celda{1, 2, 2}}) {
            if (c.indice == 1) ElegirFicha(&tabla, 1);
            DobleClic(&tabla, c.indice, c.fila, c.columna);
            QCOMPARE(Elegido(&tabla), QString::fromStdString(fila4[1]));
        }

        // The arid table's group A is column 2; a later pick replaces the earlier one.
        DobleClic(&tabla, 1, 14, 2);
        const QString desierto = QString::fromStdString(FilaPublicada(70)[0]);
        QCOMPARE(Elegido(&tabla), desierto);

        // A click, or the keyboard, picks nothing.
        RejillaTabla* arida = Rejilla(&tabla, 1);
        QTest::mouseClick(arida->viewport(), Qt::LeftButton, Qt::NoModifier, arida->visualRect(arida->model()->index(4, 3)).center());
        QTest::keyClick(arida, Qt::Key_Down);
        QTest::keyClick(arida, Qt::Key_Space);
        QCOMPARE(Elegido(&tabla), desierto);
    }

    void okReturnsThePickedNumberAndCloses() {
        frmTabla tabla(nullptr);
        tabla.show();
        DobleClic(&tabla, 0, 5, 4);
        Aceptar(&tabla);
        QCOMPARE(gNCElegido, std::int16_t(std::stoi(FilaPublicada(4)[1])));
        QVERIFY(!tabla.isVisible());
        QCOMPARE(tabla.result(), int(QDialog::Accepted));
    }

    void aPickSurvivesTheSwitchOfTabs() {
        frmTabla tabla(nullptr);
        tabla.show();
        DobleClic(&tabla, 0, 40, 6);  // pastures, contoured, good, group D
        const QString valor = Elegido(&tabla);
        QVERIFY(!valor.isEmpty());
        ElegirFicha(&tabla, 1);
        QVERIFY(Rejilla(&tabla, 1)->isVisible());
        QVERIFY(Rejilla(&tabla, 0)->isHidden());
        QCOMPARE(Elegido(&tabla), valor);
        Aceptar(&tabla);
        QCOMPARE(gNCElegido, std::int16_t(valor.toInt()));
    }

    void closeBoxLeavesTheNumberAsItWas() {
        gNCElegido = 33;
        frmTabla tabla(nullptr);
        tabla.show();
        DobleClic(&tabla, 0, 9, 5);
        QVERIFY(!Elegido(&tabla).isEmpty());
        tabla.close();
        QCOMPARE(gNCElegido, std::int16_t(33));
    }

    void helpFollowsTheTabShown() {
        frmTabla tabla(nullptr);
        tabla.show();
        QVERIFY(QTest::qWaitForWindowActive(&tabla));
        QTabBar* fichas = Hijo<QTabWidget>(&tabla, "Ficha")->tabBar();
        ElegirFicha(&tabla, 1);
        fichas->setFocus();
        QTest::keyClick(fichas, Qt::Key_F1);
        ElegirFicha(&tabla, 0);
        fichas->setFocus();
        QTest::keyClick(fichas, Qt::Key_F1);
        // The "?" button opens the topic of the tab shown.
        ElegirFicha(&tabla, 1);
        QTest::mouseClick(Hijo<QPushButton>(&tabla, "cmdAyuda"), Qt::LeftButton);
        QApplication::processEvents();
        ElegirFicha(&tabla, 0);
        QTest::mouseClick(Hijo<QPushButton>(&tabla, "cmdAyuda"), Qt::LeftButton);
        QApplication::processEvents();
        QCOMPARE(Entorno().TopicosPedidos(), (std::vector<int>{50, 10, 50, 10}));
        QCOMPARE(TopicoAyudaDe(Rejilla(&tabla, 0)), 10);
        QCOMPARE(TopicoAyudaDe(Rejilla(&tabla, 1)), 50);
    }

    void ctrlCCopiesTheSelectedCells() {
        frmTabla tabla(nullptr);
        tabla.show();
        RejillaTabla* general = Rejilla(&tabla, 0);
        general->setRangeSelected(QTableWidgetSelectionRange(5, 2, 6, 4), true);
        QApplication::clipboard()->clear();
        QTest::keySequence(general, QKeySequence::Copy);
        const auto f4 = FilaPublicada(4), f5 = FilaPublicada(5);
        const QString esperado = QString("Pobre\t%1\t%2\nBuena\t%3\t%4\n")
                                     .arg(QString::fromStdString(f4[0]), QString::fromStdString(f4[1]),
                                          QString::fromStdString(f5[0]), QString::fromStdString(f5[1]));
        QCOMPARE(QApplication::clipboard()->text(), esperado);
        QCOMPARE(Elegido(&tabla), QString());
    }

    // A file that breaks its layout is reported and the window never opens:
    // no value may be shown in a row it does not belong to.
    void brokenDataFileIsReportedAndTheScreenStaysClosed() {
        QTemporaryDir carpeta;
        const auto ruta = RutaDatos(QFile::encodeName(carpeta.path()).toStdString());
        {
            std::ifstream entrada(RutaDatosPrograma(), std::ios::binary);
            std::string bytes((std::istreambuf_iterator<char>(entrada)), std::istreambuf_iterator<char>());
            bytes.erase(kBytesLinea * 10, 1);  // line 11 one byte short: every later row moves
            std::ofstream(ruta, std::ios::binary) << bytes;
        }
        gNCElegido = 0;
        QWidget duenio;
        frmTabla tabla(&duenio, ruta);
        bool abierta = false;
        AlAbrir([&] { abierta = Visible<frmTabla>() != nullptr; if (abierta) Visible<frmTabla>()->close(); });
        Entorno().Responder(RespuestaMensaje::Aceptar);
        QCOMPARE(tabla.exec(), int(QDialog::Rejected));
        QApplication::processEvents();
        QVERIFY(!abierta);
        QCOMPARE(Entorno().Vistos().size(), std::size_t(1));
        const auto& aviso = Entorno().Vistos().front();
        QCOMPARE(aviso.texto, QString::fromStdString(MensajeErrorDatos(LeerDatos(ruta).error(), 1)));
        QVERIFY(aviso.texto.contains("11"));
        QVERIFY(aviso.icono == IconoMensaje::Aviso);
        QCOMPARE(Rejilla(&tabla, 0)->rowCount(), 0);
        QCOMPARE(gNCElegido, std::int16_t(0));
    }

    // From the main menu: the method choice opens the table screen, the pick
    // comes back to the menu's question, and the method choice closes too.
    void roadFromTheMenu_data() {
        QTest::addColumn<bool>("aceptar");
        QTest::newRow("OK") << true;
        QTest::newRow("close box") << false;
    }
    void roadFromTheMenu() {
        QFETCH(bool, aceptar);
        ResolverIdiomaDeArranque();
        auto* menu = new frmTarvelPrimera;
        menu->show();
        const QString numero = QString::fromStdString(FilaPublicada(4)[1]);
        bool tablaAbierta = false;
        AlAbrir([&] {
            auto* eleccion = Visible<frmEleccion>();
            QVERIFY(eleccion);
            QTest::mouseClick(Hijo<QRadioButton>(eleccion, "opcElige_1"), Qt::LeftButton);
            AlAbrir([&] {
                auto* tabla = Visible<frmTabla>();
                tablaAbierta = tabla != nullptr;
                QVERIFY(tabla);
                QCOMPARE(tabla->parentWidget(), static_cast<QWidget*>(Visible<frmEleccion>()));
                DobleClic(tabla, 0, 5, 4);
                if (aceptar) {
                    Aceptar(tabla);
                } else {
                    tabla->close();
                }
            });
            Aceptar(eleccion);
        });
        if (aceptar) Entorno().Responder(RespuestaMensaje::Si);
        Aceptar(menu);
        QVERIFY(tablaAbierta);
        QVERIFY(!Visible<frmEleccion>());
        QVERIFY(!Visible<frmTabla>());
        if (aceptar) {
            QCOMPARE(Entorno().Vistos().size(), std::size_t(1));
            QCOMPARE(Entorno().Vistos().front().texto,
                     "El número de curva elegido es " + QString::number(numero.toInt()) + ".\r\n¿Desea determinar otro número?");
        } else {
            QVERIFY(Entorno().Vistos().empty());
            QCOMPARE(gNCElegido, std::int16_t(0));
        }
        QVERIFY(menu->isVisible());
    }
};

TARVEL_PRUEBA_UI(PruebaTabla)
#include "test_tabla.moc"
