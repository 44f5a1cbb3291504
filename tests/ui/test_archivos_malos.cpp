// Broken files, end to end: with each kind of broken Datos.dat the program
// starts, says what is wrong where the file is needed (the step-by-step
// lookup, the table screen) and goes on working; with a stored language
// setting of every odd kind it starts in Spanish, and the language menu still
// writes a setting the next start reads.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <fstream>
#include <memory>

#include "EntornoUi.h"
#include "app/SessionState.h"
#include "data/Datos.h"
#include "settings/Ajustes.h"
#include "ui/Arranque.h"
#include "ui/Ayuda.h"
#include "ui/frmEleccion.h"
#include "ui/frmPresentacion.h"
#include "ui/frmPrincipal.h"
#include "ui/frmSerieNC.h"
#include "ui/frmSerieNCCalculada.h"
#include "ui/frmSuelo.h"
#include "ui/frmTabla.h"
#include "ui/frmTarvelPrimera.h"

using namespace tarvel;
using namespace tarvel::prueba;

namespace {

std::string Publicado() {
    std::ifstream entrada(TARVEL_DATOS_DAT, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
}

// The splash of a new run, and the main menu after a click on it.
frmTarvelPrimera* Arrancar() {
    auto* splash = new frmPresentacion;
    if (!splash->isVisible()) return nullptr;
    QTest::mouseClick(splash, Qt::LeftButton);
    return Visible<frmTarvelPrimera>();
}

}  // namespace

class PruebaArchivosMalos : public QObject {
    Q_OBJECT

    QTemporaryDir carpeta_;

    // The road to a curve number and on to the series: proof the run goes on.
    static bool SerieCalculada(frmTarvelPrimera* menu) {
        bool resultados = false;
        const bool hecho = Jugar({Pulsar("optSerieProgresivaNC"), Pulsar("cmdAceptar"),
                                  [] {
                                      auto* serie = Visible<frmSerieNC>();
                                      QTest::keyClicks(serie->findChild<QLineEdit*>("txtNAC"), "85");
                                      QTest::keyClicks(serie->findChild<QLineEdit*>("txtNOB"), "70");
                                  },
                                  Pulsar("cmdCalcular"),
                                  [&resultados] { resultados = Visible<frmSerieNCCalculada>() != nullptr; },
                                  Cerrar(), Cerrar()});
        return hecho && resultados && menu->isVisible();
    }

private slots:
    void init() {
        Entorno().Reiniciar();
        SustituirRutaDatos({});
    }
    void cleanup() {
        SustituirRutaDatos({});
        QVERIFY2(Entorno().Sorpresas().isEmpty(), qPrintable(Entorno().Sorpresas().join('\n')));
    }

    void aBrokenDataFileIsReportedWhereItIsNeeded_data() {
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<QString>("linea");  // what the message names, beside the file
        const std::string bueno = Publicado();
        auto linea = [&](int n) { return bueno.substr(static_cast<std::size_t>(kBytesLinea) * (n - 1), kBytesLinea); };
        auto sinLinea = [&](int n, const std::string& nueva) {
            std::string b = bueno;
            b.replace(static_cast<std::size_t>(kBytesLinea) * (n - 1), kBytesLinea, nueva);
            return QByteArray::fromStdString(b);
        };
        std::string soloLf = bueno;
        for (std::size_t i; (i = soloLf.find("\r\n")) != std::string::npos;) soloLf.erase(i, 1);

        QTest::newRow("missing") << QByteArray() << QString();
        QTest::newRow("short") << QByteArray::fromStdString(bueno.substr(0, kBytesLinea * 10)) << QString("10");
        QTest::newRow("a 12-byte line") << sinLinea(5, linea(5).substr(0, 10) + "\r\n") << QString("5");
        QTest::newRow("a 14-byte line") << sinLinea(5, linea(5).substr(0, 11) + " \r\n") << QString("5");
        QTest::newRow("LF only") << QByteArray::fromStdString(soloLf) << QString("1");
        QTest::newRow("a bad field") << sinLinea(1, "7x" + linea(1).substr(2)) << QString("1");
        QTest::newRow("a line after row 72") << QByteArray::fromStdString(bueno + "77 86 91 94\r\n") << QString("73");
    }
    void aBrokenDataFileIsReportedWhereItIsNeeded() {
        QFETCH(QByteArray, contenido);
        QFETCH(QString, linea);
        const auto ruta = RutaDatos(QFile::encodeName(carpeta_.path()).toStdString());
        std::filesystem::remove(ruta);
        if (!linea.isEmpty()) std::ofstream(ruta, std::ios::binary) << contenido.toStdString();
        SustituirRutaDatos(ruta);
        const QString archivo = QString::fromStdString(ruta.string());

        auto* menu = Arrancar();
        QVERIFY(menu);

        // Step by step: bare fallow on group A needs row 1.
        const QString esperadoFila = QString::fromStdString(MensajeErrorDatos(LeerFilaDatos(ruta, 1).error(), 1));
        Entorno().Responder(RespuestaMensaje::Aceptar);
        Entorno().Responder(RespuestaMensaje::Aceptar);
        QVERIFY(Jugar({Pulsar("cmdAceptar"), Pulsar("cmdAceptar"), Pulsar("opcSuelo_0"), Pulsar("cmdDeterminarSuelo"),
                       Pulsar("opcTasa_0"), Pulsar("cmdAceptar"),
                       [] {
                           auto* principal = Visible<frmPrincipal>();
                           QVERIFY(principal);
                           QCOMPARE(principal->findChild<QLabel*>("lblTarvelva")->text(), QString());
                       },
                       Pulsar("cmdAceptar"), Cerrar()}));
        // OK with no number says so; the data file's message came first.
        QCOMPARE(Entorno().Vistos().size(), std::size_t(2));
        const QString enLaFila = Entorno().Vistos()[0].texto;
        QCOMPARE(enLaFila, esperadoFila);
        QVERIFY(enLaFila.contains(archivo));
        if (!linea.isEmpty()) QVERIFY2(enLaFila.contains(linea), qPrintable(enLaFila));
        QVERIFY(Entorno().Vistos()[0].icono == IconoMensaje::Aviso);
        QCOMPARE(gNCElegido, std::int16_t(0));

        // The table screen says the same of the whole file and never opens.
        Entorno().Responder(RespuestaMensaje::Aceptar);
        bool tablaAbierta = false;
        QVERIFY(Jugar({Pulsar("cmdAceptar"), Pulsar("opcElige_1"), Pulsar("cmdAceptar"),
                       [&tablaAbierta] { tablaAbierta = Visible<frmTabla>() != nullptr; }}));
        QVERIFY(!tablaAbierta);
        QVERIFY(!Visible<frmEleccion>());
        QCOMPARE(Entorno().Vistos().size(), std::size_t(3));
        const QString enLaTabla = Entorno().Vistos()[2].texto;
        QCOMPARE(enLaTabla, QString::fromStdString(MensajeErrorDatos(LeerDatos(ruta).error(), 1)));
        if (!linea.isEmpty()) QVERIFY2(enLaTabla.contains(linea), qPrintable(enLaTabla));

        QVERIFY(SerieCalculada(menu));
    }

    void anOddStoredLanguageStartsInSpanish_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("ingles");
        const QByteArray largo(1 << 20, 'E');
        QTest::newRow("unknown") << QByteArray("[Options]\nLanguage=Klingon\n") << false;
        QTest::newRow("very long") << "[Options]\nLanguage=" + largo + "\n" << false;
        QTest::newRow("English and more") << "[Options]\nLanguage=English" + largo + "\n" << false;
        QTest::newRow("not UTF-8") << QByteArray("[Options]\nLanguage=\xff\xfe\x80\xc3(\n") << false;
        QTest::newRow("Latin-1 Español") << QByteArray("[Options]\nLanguage=Espa\xf1ol\n") << false;
        QTest::newRow("a list") << QByteArray("[Options]\nLanguage=English, Espa\xc3\xb1ol\n") << false;
        QTest::newRow("a serialized variant") << QByteArray("[Options]\nLanguage=@Variant(\\0\\0\\0\\x7f\\0\\xff)\n") << false;
        QTest::newRow("a byte array") << QByteArray("[Options]\nLanguage=@ByteArray(English)\n") << true;
        QTest::newRow("NUL bytes") << QByteArray("[Options]\nLanguage=Eng") + QByteArray(1, '\0') + "lish\n" << false;
        QTest::newRow("no section header") << QByteArray("Language=English\n") << false;
        QTest::newRow("garbage") << QByteArray(2, '\0') + "\x01[[[\n=\n[Options\n\xff" << false;
        QTest::newRow("quoted English") << QByteArray("[Options]\nLanguage=\"English\"\n") << true;
    }
    void anOddStoredLanguageStartsInSpanish() {
        QFETCH(QByteArray, ini);
        QFETCH(bool, ingles);
        const QString ruta = ArchivoAjustes();
        QVERIFY(QDir().mkpath(QFileInfo(ruta).path()));
        {
            QFile archivo(ruta);
            QVERIFY(archivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
            archivo.write(ini);
        }

        auto* menu = Arrancar();
        QVERIFY(menu);
        QCOMPARE(gIdioma, std::int16_t(ingles ? 2 : 1));
        QCOMPARE(menu->findChild<QRadioButton*>("optTarvel")->text(),
                 ingles ? QString("Determination of a curve number") : QString("Determinación de un número de curva"));
        QCOMPARE(menu->findChild<QAction*>("mnuIdiomaEspanol")->isChecked(), !ingles);
        QCOMPARE(menu->findChild<QAction*>("mnuIdiomaEnglish")->isChecked(), ingles);
        QVERIFY(SerieCalculada(menu));

        // The menu mends the setting: the next start is in English.
        menu->findChild<QAction*>("mnuIdiomaEnglish")->trigger();
        menu->close();
        ResolverIdiomaDeArranque();
        QCOMPARE(gIdioma, std::int16_t(2));
    }
};

TARVEL_PRUEBA_UI(PruebaArchivosMalos)
#include "test_archivos_malos.moc"
