// The catchment worksheet window: what a file holds comes back through the
// window whole, bad files and failed saves change nothing, unsaved work is
// never left without asking, and the figures shown are the catchment's.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QTableWidget>
#include <deque>

#include "EntornoUi.h"
#include "catchment/ArchivoHoja.h"
#include "ui/catchment/HojasRecientes.h"
#include "ui/catchment/frmHojaCuenca.h"
#include "ui/common/DialogoArchivo.h"
#include "ui/common/SessionState.h"
#include "ui/common/Textos.h"
#include "ui/help/Ayuda.h"
#include "ui/shell/frmTarvelPrimera.h"

using namespace tarvel;
using namespace tarvel::prueba;

Q_DECLARE_METATYPE(std::function<void()>)
Q_DECLARE_METATYPE(tarvel::OrigenCurva)

namespace {

// File dialogs answer with these paths, in order.
std::deque<QString> gArchivos;
int gDialogosSinRespuesta = 0;

QByteArray Leer(const QString& ruta) {
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

void Escribir(const QString& ruta, const QByteArray& texto) {
    QFile archivo(ruta);
    QVERIFY(archivo.open(QIODevice::WriteOnly));
    archivo.write(texto);
}

QByteArray Texto(const HojaCuenca& hoja) { return QByteArray::fromStdString(TextoHoja(hoja).value()); }

// Every road to a curve number and every kind of trail, and values that only
// come back when written and read exactly.
HojaCuenca HojaCompleta() {
    TrazaPasoAPaso cultivo{1, 4, 1, "C", SueloPorTextura{{"20", "40,0", "40"}}, "", 9, "Cultivos alineados; C; Buena"};
    TrazaPasoAPaso bosque{10, -1, 3, "B", SueloPorTasa{1}, "III", 52, "Woods; III fair", kIdiomaIngles};
    return {"Arroyo del Molino «norte»",
            0.1 + 0.2,
            EleccionLambda::Ambas,
            {{"Olivar", 12.5, 82, cultivo},
             {"Pinar", 1.0 / 3.0, 60, bosque},
             {"Camino", 0.8, 89, TrazaTabla{TablaReferencia::General, 56, "D"}},
             {"", 2.25, 97.25, CurvaEscrita{}}}};
}

void Elegir(QWidget* ventana, const char* accion) { Hijo<QAction>(ventana, accion)->trigger(); }

// Types into a cell of the rows as a user does, and leaves it with Enter.
void Teclear(QTableWidget* filas, int fila, int columna, const QString& texto) {
    filas->setCurrentCell(fila, columna);
    filas->editItem(filas->item(fila, columna));
    QLineEdit* editor = nullptr;
    for (QLineEdit* caja : filas->viewport()->findChildren<QLineEdit*>()) {
        if (caja->isVisible()) editor = caja;
    }
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, texto);
    QTest::keyClick(editor, Qt::Key_Return);
}

QString Celda(QTableWidget* tabla, int fila, int columna) { return tabla->item(fila, columna)->text(); }

}  // namespace

class PruebaHojaCuenca : public PruebaUi {
    Q_OBJECT

    QTemporaryDir mCarpeta;
    QString Ruta(const QString& nombre) const { return mCarpeta.filePath(nombre); }

    // A window showing the file `a.tarvel`, which holds HojaCompleta().
    frmHojaCuenca* VentanaConArchivo() {
        Escribir(Ruta("a.tarvel"), Texto(HojaCompleta()));
        auto* hoja = new frmHojaCuenca(nullptr);
        hoja->show();
        gArchivos = {Ruta("a.tarvel")};
        Elegir(hoja, "mnuAbrir");
        return hoja;
    }

private slots:
    void initTestCase() {
        SustituirDialogosArchivo([](const PeticionArchivo&) {
            if (gArchivos.empty()) {
                ++gDialogosSinRespuesta;
                return ArchivoElegido();
            }
            const QString ruta = gArchivos.front();
            gArchivos.pop_front();
            return ArchivoElegido{ruta};
        });
    }
    void init() {
        Entorno().Reiniciar();
        gArchivos.clear();
        gDialogosSinRespuesta = 0;
    }

    void aSavedWorksheetReopensWithEveryFieldAndTrail() {
        frmHojaCuenca* hoja = VentanaConArchivo();
        QVERIFY(hoja->Hoja().value() == HojaCompleta());
        QCOMPARE(hoja->windowTitle(), "a.tarvel[*] — Hoja de cuenca");

        gArchivos = {Ruta("b")};
        Elegir(hoja, "mnuGuardarComo");
        QCOMPARE(hoja->Ruta(), Ruta("b.tarvel"));
        QVERIFY(LeerHojaDeArchivo(Ruta("b.tarvel").toStdString()).value() == HojaCompleta());

        auto* otra = new frmHojaCuenca(nullptr);
        otra->show();
        gArchivos = {Ruta("b.tarvel")};
        Elegir(otra, "mnuAbrir");
        QVERIFY(otra->Hoja().value() == HojaCompleta());
        QVERIFY(!otra->isWindowModified());
        QCOMPARE(HojasRecientes(), (QStringList{Ruta("b.tarvel"), Ruta("a.tarvel")}));
        QCOMPARE(gDialogosSinRespuesta, 0);
    }

    // Both roads to a determined number hand their trail back to the row.
    void aDeterminedNumberKeepsItsTrail_data() {
        QTest::addColumn<std::function<void()>>("camino");
        QTest::addColumn<OrigenCurva>("traza");
        const auto dobleClic = [] {
            auto* rejilla = Hijo<QTableWidget>(AlFrente(), "Tabla_0");
            const QRect celda = rejilla->visualRect(rejilla->model()->index(5, 4));
            QTest::mouseDClick(rejilla->viewport(), Qt::LeftButton, {}, celda.center());
        };
        QTest::newRow("from the tables") << std::function<void()>([dobleClic] {
            QVERIFY(Jugar({Pulsar("opcElige_1"), Pulsar("cmdAceptar"), dobleClic, Pulsar("cmdAceptar")}));
        }) << OrigenCurva(TrazaTabla{TablaReferencia::General, 4, "B"});
        QTest::newRow("step by step") << std::function<void()>([] {
            QVERIFY(Jugar({Pulsar("cmdAceptar"), Pulsar("opcSuelo_1"), Pulsar("opcCondicion_0"), Pulsar("cmdDeterminarSuelo"),
                           Pulsar("opcTasa_2"), Pulsar("cmdAceptar"), Pulsar("cmdAceptar")}));
        }) << OrigenCurva(TrazaPasoAPaso{0, 1, 0, "C", SueloPorTasa{2}, "", 2, "Barbecho; CR; Pobre"});
    }
    void aDeterminedNumberKeepsItsTrail() {
        QFETCH(std::function<void()>, camino);
        QFETCH(OrigenCurva, traza);
        auto* hoja = new frmHojaCuenca(nullptr);
        hoja->show();
        QTest::mouseClick(Hijo<QWidget>(hoja, "cmdAnadir"), Qt::LeftButton);
        Teclear(Hijo<QTableWidget>(hoja, "tblSubareas"), 0, 1, "5");
        AlAbrir(camino);
        QTest::mouseClick(Hijo<QWidget>(hoja, "cmdDeterminar"), Qt::LeftButton);
        const FilaHoja fila = hoja->Hoja().value().filas.at(0);
        QCOMPARE(fila.cn, double(gNCElegido));
        QVERIFY(fila.origen == traza);
        QVERIFY(hoja->isWindowModified());
    }

    void aFileThatIsNoWorksheetChangesNothing_data() {
        QTest::addColumn<QByteArray>("contenido");
        const QByteArray bueno = Texto(HojaCompleta());
        QTest::newRow("damaged") << QByteArray(bueno).replace("\"rows\": [", "\"rows\": [}");
        QTest::newRow("truncated") << bueno.left(bueno.size() / 2);
        QTest::newRow("foreign") << QByteArray(R"({"type": "FeatureCollection", "features": []})");
        QTest::newRow("newer") << QByteArray(bueno).replace("\"version\": 1", "\"version\": 2");
        QTest::newRow("bad trail") << QByteArray(bueno).replace("\"data_row\": 52", "\"data_row\": 53");
        QTest::newRow("missing") << QByteArray();
    }
    void aFileThatIsNoWorksheetChangesNothing() {
        QFETCH(QByteArray, contenido);
        frmHojaCuenca* hoja = VentanaConArchivo();
        const QString titulo = hoja->windowTitle();
        const QString malo = Ruta("malo.tarvel");
        QFile::remove(malo);
        if (!contenido.isEmpty()) Escribir(malo, contenido);
        const auto fallo = LeerHojaDeArchivo(malo.toStdString());
        QVERIFY(!fallo);

        Entorno().Responder(RespuestaMensaje::Aceptar);
        gArchivos = {malo};
        Elegir(hoja, "mnuAbrir");
        QVERIFY(Entorno().Vistos().back().texto.contains(DeUtf8(MensajeErrorHoja(fallo.error()))));
        QVERIFY(hoja->Hoja().value() == HojaCompleta());
        QCOMPARE(hoja->Ruta(), Ruta("a.tarvel"));
        QCOMPARE(hoja->windowTitle(), titulo);
        QVERIFY(!hoja->isWindowModified());
    }

    void aFailedSaveLeavesThePreviousFileIntact() {
        // The longest name a folder takes: the new copy's temporary name cannot be made beside it.
        const QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QString(255 - 7, 'h') + ".tarvel");
        Escribir(ruta, Texto(HojaCompleta()));
        auto* hoja = new frmHojaCuenca(nullptr);
        hoja->show();
        gArchivos = {ruta};
        Elegir(hoja, "mnuAbrir");
        QTest::keyClicks(Hijo<QLineEdit>(hoja, "txtTitulo"), " (revisada)");

        Entorno().Responder(RespuestaMensaje::Aceptar);
        Elegir(hoja, "mnuGuardar");
        QVERIFY(Entorno().Vistos().back().texto.startsWith("No se pudo guardar el archivo"));
        QCOMPARE(Leer(ruta), Texto(HojaCompleta()));
        QVERIFY(hoja->isWindowModified());
        QCOMPARE(QDir(carpeta.path()).entryList(QDir::Files).size(), 1);
    }

    void everyRoadOutAsksAboutUnsavedWork_data() {
        QTest::addColumn<QString>("camino");
        QTest::addColumn<int>("respuesta");
        for (const char* camino : {"close", "new", "open"}) {
            for (auto respuesta : {RespuestaMensaje::Cancelar, RespuestaMensaje::Descartar, RespuestaMensaje::Guardar}) {
                QTest::addRow("%s, answer %d", camino, int(respuesta)) << QString(camino) << int(respuesta);
            }
        }
    }
    void everyRoadOutAsksAboutUnsavedWork() {
        QFETCH(QString, camino);
        QFETCH(int, respuesta);
        const HojaCuenca otra{"Otra", std::nullopt, EleccionLambda::Clasica, {{"Prado", 4, 58, CurvaEscrita{}}}};
        Escribir(Ruta("otra.tarvel"), Texto(otra));
        frmHojaCuenca* hoja = VentanaConArchivo();
        QTest::keyClicks(Hijo<QLineEdit>(hoja, "txtTitulo"), " (revisada)");
        const HojaCuenca editada = hoja->Hoja().value();
        QVERIFY(hoja->isWindowModified());

        const auto dada = static_cast<RespuestaMensaje>(respuesta);
        Entorno().Responder(dada);
        if (camino == "open") gArchivos = {Ruta("otra.tarvel")};
        if (camino == "close") hoja->close();
        if (camino == "new") Elegir(hoja, "mnuNueva");
        if (camino == "open") Elegir(hoja, "mnuAbrir");

        QCOMPARE(Entorno().Vistos().size(), std::size_t(1));
        QCOMPARE(Entorno().Vistos().front().botones, BotonesMensaje::GuardarDescartarCancelar);
        QCOMPARE(Entorno().Vistos().front().texto, "La hoja «a.tarvel» tiene cambios sin guardar. ¿Desea guardarlos?");
        const auto enDisco = LeerHojaDeArchivo(Ruta("a.tarvel").toStdString()).value();
        QVERIFY(enDisco == (dada == RespuestaMensaje::Guardar ? editada : HojaCompleta()));
        if (dada == RespuestaMensaje::Cancelar) {
            QVERIFY(hoja->isVisible());
            QVERIFY(hoja->Hoja().value() == editada);
            QVERIFY(hoja->isWindowModified());
            QCOMPARE(gArchivos.size(), std::size_t(camino == "open"));
            gArchivos.clear();
            return;
        }
        QCOMPARE(hoja->isVisible(), camino != "close");
        if (camino == "new") QVERIFY(hoja->Hoja().value() == HojaCuenca{} && hoja->Ruta().isEmpty());
        if (camino == "open") QVERIFY(hoja->Hoja().value() == otra && hoja->Ruta() == Ruta("otra.tarvel"));
        if (camino != "close") QVERIFY(!hoja->isWindowModified());
    }

    // 10 ha paved (CN 98) and 90 ha of woods (CN 55) under a 50 mm storm,
    // worked by hand: weighted CN 59.3 (I 38.0, III 77.0; P0 83.0, 34.9,
    // 15.2 mm), Q 44.28 and 0.33 mm, weighted Q 4.72 mm, whose CN is 68.09,
    // while the weighted CN gives 1.21 mm.
    void showsTheFiguresOfATwoRowWorksheet() {
        auto* hoja = new frmHojaCuenca(nullptr);
        hoja->show();
        auto* filas = Hijo<QTableWidget>(hoja, "tblSubareas");
        for (int i = 0; i < 2; ++i) QTest::mouseClick(Hijo<QWidget>(hoja, "cmdAnadir"), Qt::LeftButton);
        const QStringList textos[2] = {{"Pavimento", "10", "98"}, {"Bosque", "90", "55"}};
        for (int f = 0; f < 2; ++f) {
            for (int c : {0, 1, 3}) Teclear(filas, f, c, textos[f][c == 3 ? 2 : c]);
        }
        QTest::keyClicks(Hijo<QLineEdit>(hoja, "txtLluvia"), "50");

        QCOMPARE((QStringList{Celda(filas, 0, 2), Celda(filas, 1, 2), Celda(filas, 0, 4), Celda(filas, 1, 4)}),
                 (QStringList{"10.00", "90.00", "44.3", "0.3"}));
        QCOMPARE(Hijo<QLabel>(hoja, "lblAreaTotal")->text(), "Área total: 100 ha");
        auto* compuesto = Hijo<QTableWidget>(hoja, "tblCompuesto");
        QStringList condiciones;
        for (int j = 0; j < 3; ++j) condiciones << Celda(compuesto, j, 1) << Celda(compuesto, j, 2);
        QCOMPARE(condiciones, (QStringList{"38.0", "83.0", "59.3", "34.9", "77.0", "15.2"}));
        auto* escorrentia = Hijo<QTableWidget>(hoja, "tblEscorrentia");
        QStringList tormenta;
        for (int c = 0; c < 5; ++c) tormenta << Celda(escorrentia, 0, c);
        QCOMPARE(tormenta, (QStringList{"0.2", "59.3", "1.2", "4.7", "68.1"}));
        QVERIFY(!Hijo<QLabel>(hoja, "lblMensaje")->isVisible());

        // A row that cannot be a sub-area: the figures give way to the reason.
        Teclear(filas, 1, 1, "0");
        QCOMPARE(Hijo<QLabel>(hoja, "lblMensaje")->text(), "El área de la fila 2 debe ser un número mayor que 0 (ha).");
        QCOMPARE(Celda(compuesto, 1, 1), QString());
        QVERIFY(!escorrentia->isVisible());
    }

    void exportsWriteTheReportAndTheRows() {
        frmHojaCuenca* hoja = VentanaConArchivo();
        gArchivos = {Ruta("informe.pdf"), Ruta("filas.csv")};
        Elegir(hoja, "mnuExportarPdf");
        Elegir(hoja, "mnuExportarCsv");
        SustituirDialogoImpresion([this](QPrinter& impresora) {
            impresora.setOutputFileName(Ruta("impreso.pdf"));
            return true;
        });
        Elegir(hoja, "mnuImprimir");
        SustituirDialogoImpresion([](QPrinter&) { return false; });
        QVERIFY(Leer(Ruta("impreso.pdf")).startsWith("%PDF-"));
        QVERIFY(Leer(Ruta("informe.pdf")).startsWith("%PDF-"));
        QCOMPARE(Leer(Ruta("filas.csv")), QByteArray::fromStdString(CsvHoja(HojaCompleta()).value()));
    }

    void theMainMenuOpensTheWorksheet() {
        auto* menu = new frmTarvelPrimera;
        menu->show();
        QStringList items;
        for (QAction* item : Hijo<QMenu>(menu, "mnuArchivo")->actions()) items << item->objectName();
        QCOMPARE(items, (QStringList{"mnuArchivoNuevaHoja", "mnuArchivoAbrirHoja", "", "", "mnuArchivoSalir"}));
        bool abierta = false;
        QVERIFY(Jugar({[menu] { Hijo<QAction>(menu, "mnuArchivoNuevaHoja")->trigger(); },
                       [&abierta] { abierta = qobject_cast<frmHojaCuenca*>(AlFrente()) != nullptr; }, Cerrar()}));
        QVERIFY(abierta);
        QVERIFY(menu->isVisible());
    }
};

TARVEL_PRUEBA_UI(PruebaHojaCuenca)
#include "test_hoja_cuenca.moc"
