// Broken files, end to end: with a broken Datos.dat the program starts, says
// what is wrong where the file is needed (the step-by-step lookup, the table
// screen) and goes on; with a stored language setting of every odd
// kind it starts in Spanish, and the language menu still writes a setting the
// next start reads.
#include <QDir>
#include <QFileInfo>
#include <fstream>

#include "EntornoUi.h"
#include "app/Idioma.h"
#include "data/Datos.h"
#include "settings/Ajustes.h"
#include "ui/common/DatosPrograma.h"
#include "ui/determination/frmTabla.h"
#include "ui/shell/Arranque.h"
#include "ui/shell/frmPresentacion.h"
#include "ui/shell/frmTarvelPrimera.h"

using namespace tarvel;
using namespace tarvel::prueba;

namespace {

// The splash of a new run, and the main menu after a click on it.
frmTarvelPrimera* Arrancar() {
    QTest::mouseClick(new frmPresentacion, Qt::LeftButton);
    return Visible<frmTarvelPrimera>();
}

}  // namespace

class PruebaArchivosMalos : public PruebaUi {
    Q_OBJECT

    QTemporaryDir mCarpeta;

private slots:
    void aBrokenDataFileIsReportedWhereItIsNeeded_data() {
        QTest::addColumn<QByteArray>("contenido");  // empty: no file at all
        std::ifstream entrada(TARVEL_DATOS_DAT, std::ios::binary);
        const std::string bueno{std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("short") << QByteArray::fromStdString(bueno.substr(0, kBytesLinea * 10));
        QTest::newRow("a bad field in row 1") << QByteArray::fromStdString("7x" + bueno.substr(2));
    }
    void aBrokenDataFileIsReportedWhereItIsNeeded() {
        QFETCH(QByteArray, contenido);
        const auto ruta = RutaDatos(QFile::encodeName(mCarpeta.path()).toStdString());
        std::filesystem::remove(ruta);
        if (!contenido.isEmpty()) std::ofstream(ruta, std::ios::binary) << contenido.toStdString();
        SustituirRutaDatos(ruta);
        QVERIFY(Arrancar());

        // Step by step: bare fallow on group A needs row 1; OK with no number says so.
        Entorno().Responder(RespuestaMensaje::Aceptar);
        Entorno().Responder(RespuestaMensaje::Aceptar);
        QVERIFY(Jugar({Pulsar("cmdAceptar"), Pulsar("cmdAceptar"), Pulsar("opcSuelo_0"), Pulsar("cmdDeterminarSuelo"),
                       Pulsar("opcTasa_0"), Pulsar("cmdAceptar"),
                       [] { QCOMPARE(EnFrente<QLabel>("lblTarvelva")->text(), QString()); }, Pulsar("cmdAceptar"),
                       Cerrar()}));
        QCOMPARE(Entorno().Vistos().size(), std::size_t(2));
        const auto fila = LeerFilaDatos(ruta, 1);
        const auto todo = LeerDatos(ruta);
        QVERIFY(!fila && !todo);
        QCOMPARE(Entorno().Vistos()[0].texto, QString::fromStdString(MensajeErrorDatos(fila.error(), 1)));
        QVERIFY(Entorno().Vistos()[0].icono == IconoMensaje::Aviso);
        // The table screen says the same of the whole file and never opens.
        Entorno().Responder(RespuestaMensaje::Aceptar);
        bool tablaAbierta = false;
        QVERIFY(Jugar({Pulsar("cmdAceptar"), Pulsar("opcElige_1"), Pulsar("cmdAceptar"),
                       [&tablaAbierta] { tablaAbierta = Visible<frmTabla>() != nullptr; }}));
        QVERIFY(!tablaAbierta);
        QCOMPARE(Entorno().UltimoMensaje(), QString::fromStdString(MensajeErrorDatos(todo.error(), 1)));
        QCOMPARE(gNCElegido, std::int16_t(0));
        QVERIFY(Visible<frmTarvelPrimera>());
    }

    // Qt reads a byte array or a quoted value as the text inside; nothing else is English.
    void anOddStoredLanguageStartsInSpanish() {
        const QByteArray largo(1 << 20, 'E');
        for (const auto& [valor, ingles] :
             {std::pair{"Language=" + largo, false}, {"Language=\xff\xfe\x80\xc3(", false}, {"Language=Espa\xf1ol", false},
              {"Language=English, Espa\xc3\xb1ol", false}, {"Language=@Variant(\\0\\0\\0\\x7f\\0\\xff)", false},
              {"Language=Eng" + QByteArray(1, '\0') + "lish", false}, {"Language=@ByteArray(English)", true},
              {"Language=\"English\"", true}}) {
            Entorno().SiguienteCaso();
            QVERIFY(QDir().mkpath(QFileInfo(ArchivoAjustes()).path()));
            QFile archivo(ArchivoAjustes());
            QVERIFY(archivo.open(QIODevice::WriteOnly | QIODevice::Truncate) && archivo.write("[Options]\n" + valor + "\n") > 0);
            archivo.close();
            auto* menu = Arrancar();
            QVERIFY(menu);
            QCOMPARE(IdiomaEnVigor().idioma, std::int16_t(ingles ? 2 : 1));
            QCOMPARE(Hijo<QAction>(menu, "mnuIdiomaEnglish")->isChecked(), ingles);
            // The menu mends the setting: the next start is in English.
            Hijo<QAction>(menu, "mnuIdiomaEnglish")->trigger();
            ResolverIdiomaDeArranque();
            QCOMPARE(IdiomaEnVigor().idioma, std::int16_t(2));
        }
    }
};

TARVEL_PRUEBA_UI(PruebaArchivosMalos)
#include "test_archivos_malos.moc"
