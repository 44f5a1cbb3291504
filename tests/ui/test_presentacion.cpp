// The splash: start-up work, its texts, and what closes it.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTimer>

#include "EntornoUi.h"
#include "app/FormatoNumerico.h"
#include "app/SessionState.h"
#include "ui/Ayuda.h"
#include "ui/Textos.h"
#include "ui/frmPresentacion.h"
#include "ui/frmTarvelPrimera.h"

using namespace tarvel;
using namespace tarvel::prueba;

class PruebaPresentacion : public PruebaUi {
    Q_OBJECT

    frmPresentacion* Abrir() {
        auto* splash = new frmPresentacion;
        [&] { QVERIFY(QTest::qWaitForWindowExposed(splash)); }();
        return splash;
    }

    static QString TextoDe(frmPresentacion* splash, const char* nombre) {
        return splash->findChild<QLabel*>(nombre)->text();
    }

private slots:
    void startsInSpanishWithNothingStoredAndWritesNothing() {
        EstablecerFormato({',', '.'});  // whatever was in force before, start-up sets its own
        auto* splash = Abrir();
        QCOMPARE(gIdioma, 1);
        QCOMPARE(gNombreIdioma, std::string("Español"));
        QCOMPARE(gSeparadorDecimal, std::string("."));
        QCOMPARE(TextoDe(splash, "Label1"), QString("Determinación de números de curva"));
        QCOMPARE(TextoDe(splash, "Label5"), TextoDe(splash, "Label1"));
        QVERIFY(ArchivoAyuda().endsWith("/AYUDA Nº CURVA.HLP"));
        QCOMPARE(Entorno().ContenidoAjustes(), QString());
    }

    // The picture the build painted is the one the SVG paints, pixel for pixel.
    void pictureIsTheSvgPainted() {
        QVERIFY(QFile::exists(":/splash-240x180.argb"));  // the splash does not paint it at start
        auto* splash = Abrir();
        const QPixmap mostrada = splash->findChild<QLabel*>("Image1")->pixmap();
        const QImage esperada = IlustracionSvg(QSize(240, 180), 1).toImage();
        QCOMPARE(mostrada.size(), QSize(240, 180));
        QVERIFY(mostrada.toImage().convertToFormat(esperada.format()) == esperada);
        // Other pixel ratios paint the SVG at their own resolution.
        QCOMPARE(Ilustracion(QSize(240, 180), 2).size(), QSize(480, 360));
        QCOMPARE(Ilustracion(QSize(100, 80), 1).toImage().convertToFormat(esperada.format()),
                 IlustracionSvg(QSize(100, 80), 1).toImage().convertToFormat(esperada.format()));
    }

    void englishStoredGivesEnglishTextsAndHelp() {
        Entorno().GuardarIdiomaAlmacenado("English");
        auto* splash = Abrir();
        QCOMPARE(gIdioma, 2);
        QCOMPARE(TextoDe(splash, "Label1"), QString("Determination of curve numbers"));
        const QStringList etiquetas{"Label2", "lblLugar_0", "lblLugar_1", "lblLugar_2", "Label4", "Label3"};
        for (int i = 0; i < etiquetas.size(); ++i) {
            QCOMPARE(TextoDe(splash, qPrintable(etiquetas[i])), T(2 + i));
            QVERIFY(!TextoDe(splash, qPrintable(etiquetas[i])).isEmpty());
        }
        QVERIFY(ArchivoAyuda().endsWith("/HELPTARVEL.HLP"));
    }

    void clickTargetsCloseItAndOpenTheMenu_data() {
        QTest::addColumn<QString>("objetivo");
        for (const char* nombre : {"", "Image1", "Label1", "lblAutor_0", "lblAutor_1", "lblAutor_2", "lblLugar_0",
                                   "lblLugar_1", "lblLugar_2"}) {
            QTest::newRow(*nombre ? nombre : "background") << QString(nombre);
        }
    }
    void clickTargetsCloseItAndOpenTheMenu() {
        QFETCH(QString, objetivo);
        auto* splash = Abrir();
        QPointer<frmPresentacion> vivo(splash);
        if (objetivo.isEmpty()) {
            // The right margin, beside the credit column: only the splash itself is there.
            QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(splash->width() - 8, splash->height() / 2));
        } else {
            QTest::mouseClick(splash->findChild<QWidget*>(objetivo), Qt::LeftButton);
        }
        QVERIFY(!splash->isVisible());
        QVERIFY(Visible<frmTarvelPrimera>());
        QTRY_VERIFY(vivo.isNull());
    }

    void creditLinesAndTheShadowDoNotClose_data() {
        QTest::addColumn<QString>("objetivo");
        for (const char* nombre : {"Label2", "Label3", "Label4", "Label5"}) QTest::newRow(nombre) << QString(nombre);
    }
    void creditLinesAndTheShadowDoNotClose() {
        QFETCH(QString, objetivo);
        auto* splash = Abrir();
        auto* etiqueta = splash->findChild<QWidget*>(objetivo);
        QTest::mouseClick(etiqueta, Qt::LeftButton);
        QTest::mouseClick(etiqueta, Qt::LeftButton, {}, QPoint(1, etiqueta->height() - 2));
        QVERIFY(splash->isVisible());
        QVERIFY(!Visible<frmTarvelPrimera>());
    }

    void theTimerClosesItAfterTenSeconds() {
        auto* splash = Abrir();
        auto* reloj = splash->findChild<QTimer*>("Timer1");
        QVERIFY(reloj->isActive());
        QCOMPARE(reloj->interval(), 10000);
        QTest::mouseClick(splash->findChild<QWidget*>("Label5"), Qt::LeftButton);
        // The splash deletes itself once closed: it is watched, not touched.
        QPointer<frmPresentacion> vivo(splash);
        reloj->start(1);
        QTRY_VERIFY(Visible<frmTarvelPrimera>());
        QVERIFY(!vivo || !vivo->isVisible());
    }

    void closingTwiceOpensOneMenu() {
        auto* splash = Abrir();
        QTest::mouseClick(splash->findChild<QWidget*>("Image1"), Qt::LeftButton);
        splash->Cerrar();
        int menus = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) menus += qobject_cast<frmTarvelPrimera*>(w) != nullptr;
        QCOMPARE(menus, 1);
    }
};

TARVEL_PRUEBA_UI(PruebaPresentacion)
#include "test_presentacion.moc"
