// The catchment worksheet window: what a file holds comes back through the
// window whole, bad files and failed saves change nothing, unsaved work is
// never left without asking, and the figures shown are the catchment's.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QTableWidget>
#include <deque>

#include "EntornoUi.h"
#include "catchment/ArchivoHoja.h"
#include "catchment/InformeHoja.h"
#include "ui/catchment/HojasRecientes.h"
#include "ui/catchment/frmHojaCuenca.h"
#include "ui/common/Colores.h"
#include "ui/common/DialogoArchivo.h"
#include "ui/common/SessionState.h"
#include "ui/common/Textos.h"
#include "ui/help/Ayuda.h"
#include "ui/hydrology/frmCaudalPunta.h"
#include "ui/shell/frmTarvelPrimera.h"

using namespace tarvel;
using namespace tarvel::prueba;

Q_DECLARE_METATYPE(std::function<void()>)
Q_DECLARE_METATYPE(tarvel::OrigenCurva)

namespace {

// File dialogs answer with these paths, in order; the file each proposed.
std::deque<QString> gArchivos;
int gDialogosSinRespuesta = 0;
QStringList gPropuestos;

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
// Peak inputs too, by 5.2-IC with a flow path kept for TR-55, so that the
// report's pages carry the peak table.
HojaCuenca HojaCompleta() {
    TrazaPasoAPaso cultivo{1, 4, 1, "C", SueloPorTextura{{"20", "40,0", "40"}}, "", 9, "Cultivos alineados; C; Buena"};
    TrazaPasoAPaso bosque{10, -1, 3, "B", SueloPorTasa{1}, "III", 52, "Woods; III fair", kIdiomaIngles};
    EntradasCaudal caudal;
    caudal.metodo = MetodoCaudal::IC;
    caudal.i1id = 11.72;
    caudal.longitudCauce = 0.8;
    caudal.pendienteCauce = 0.05;
    caudal.tramos = {{TipoTramo::Superficial, Firme::Pavimentado, {}, 120, {}, 0.02, {}, {}}};
    caudal.periodos[2] = {10, {}, 64.5, 1.2, {}};
    caudal.periodos[4] = {100, {}, 101.25, {}, {}};
    return {"Arroyo del Molino «norte»",
            0.1 + 0.2,
            EleccionLambda::Ambas,
            {{"Olivar", 12.5, 82, cultivo},
             {"Pinar", 1.0 / 3.0, 60, bosque},
             {"Camino", 0.8, 89, TrazaTabla{TablaReferencia::General, 56, "D"}},
             {"", 2.25, 97.25, CurvaEscrita{}}},
            caudal};
}

void Elegir(QWidget* ventana, const char* accion) { Hijo<QAction>(ventana, accion)->trigger(); }

QLineEdit* EditorAbierto(QTableWidget* filas) {
    for (QLineEdit* caja : filas->viewport()->findChildren<QLineEdit*>()) {
        if (caja->isVisible()) return caja;
    }
    return nullptr;
}

// Types into a cell of the rows as a user does, and leaves it with Enter.
void Teclear(QTableWidget* filas, int fila, int columna, const QString& texto) {
    QLineEdit* editor = EditorAbierto(filas);
    // Enter left the previous cell for this one, already being edited.
    if (!editor || filas->currentRow() != fila || filas->currentColumn() != columna) {
        filas->setCurrentCell(fila, columna);
        filas->editItem(filas->item(fila, columna));
        editor = EditorAbierto(filas);
    }
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, texto);
    QTest::keyClick(editor, Qt::Key_Return);
}

QString Celda(QTableWidget* tabla, int fila, int columna) { return tabla->item(fila, columna)->text(); }

// Keys as the keyboard gives them, each to the control that has the focus.
void Teclas(const QString& texto) {
    for (const QChar c : texto) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

QString TextoPdf(const QString& ruta) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), ruta, QStringLiteral("-")});
    if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0) return {};
    // The pages' ligatures read as their letters.
    return QString::fromUtf8(pdftotext.readAllStandardOutput())
        .replace(QChar(0xFB01), QStringLiteral("fi"))
        .replace(QChar(0xFB02), QStringLiteral("fl"))
        .simplified();
}

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
        SustituirDialogosArchivo([](const PeticionArchivo& peticion) {
            gPropuestos << peticion.propuesto;
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
        gPropuestos.clear();
    }

    void aSavedWorksheetReopensWithEveryFieldAndTrail() {
        frmHojaCuenca* hoja = VentanaConArchivo();
        QVERIFY(hoja->Hoja().value() == HojaCompleta());
        QCOMPARE(hoja->windowTitle(), "a.tarvel[*] — Hoja de cuenca");

        gArchivos = {Ruta("b")};
        Elegir(hoja, "mnuGuardarComo");
        QCOMPARE(hoja->Ruta(), Ruta("b.tarvel"));
        QCOMPARE(hoja->windowTitle(), "b.tarvel[*] — Hoja de cuenca");
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
        QTest::newRow("newer") << QByteArray(bueno).replace("\"version\": 2", "\"version\": 3");
        QTest::newRow("bad trail") << QByteArray(bueno).replace("\"data_row\": 52", "\"data_row\": 53");
        QTest::newRow("letters for a percentage") << QByteArray(bueno).replace("\"clay\": \"20\"", "\"clay\": \"xx\"");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("folder") << QByteArray("/");
    }
    void aFileThatIsNoWorksheetChangesNothing() {
        QFETCH(QByteArray, contenido);
        frmHojaCuenca* hoja = VentanaConArchivo();
        const QString titulo = hoja->windowTitle();
        const QString malo = Ruta(contenido == "/" ? "carpeta.tarvel" : "malo.tarvel");
        QFile::remove(malo);
        if (contenido == "/") QDir().mkpath(malo);
        else if (!contenido.isEmpty()) Escribir(malo, contenido);
        const auto fallo = LeerHojaDeArchivo(malo.toStdString());
        QVERIFY(!fallo);

        Entorno().Responder(RespuestaMensaje::Aceptar);
        gArchivos = {malo};
        Elegir(hoja, "mnuAbrir");
        QVERIFY(Entorno().Vistos().back().texto.contains(DeUtf8(MensajeErrorHoja(fallo.error()))));
        // The system's reason for a file that cannot be read at all.
        if (contenido.isEmpty()) QVERIFY(Entorno().Vistos().back().texto.endsWith(": no existe."));
        if (contenido == "/") QVERIFY(Entorno().Vistos().back().texto.endsWith(": es una carpeta."));
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
        const HojaCuenca otra{"Otra", std::nullopt, EleccionLambda::Clasica, {{"Prado", 4, 58, CurvaEscrita{}}}, {}};
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

    // "Save" to the question is only as good as the save: a worksheet never
    // saved whose "Save as" is cancelled stays, with its changes.
    void aSaveThatDidNotHappenLeavesNothing() {
        auto* hoja = new frmHojaCuenca(nullptr);
        hoja->show();
        QTest::keyClicks(Hijo<QLineEdit>(hoja, "txtTitulo"), "Prado");
        Entorno().Responder(RespuestaMensaje::Guardar);
        hoja->close();
        QVERIFY(hoja->isVisible());
        QVERIFY(hoja->isWindowModified());
        QCOMPARE(gDialogosSinRespuesta, 1);
    }

    // What a save leaves behind: no unsaved mark, and the values saved are
    // the ones in use (the storm typed, not the one the file had).
    void aSaveLeavesTheValuesSavedInUse() {
        frmHojaCuenca* hoja = VentanaConArchivo();
        auto* lluvia = Hijo<QLineEdit>(hoja, "txtLluvia");
        lluvia->selectAll();
        QTest::keyClicks(lluvia, "50");
        QVERIFY(hoja->isWindowModified());
        Elegir(hoja, "mnuGuardar");
        QVERIFY(!hoja->isWindowModified());
        QCOMPARE(hoja->windowTitle(), "a.tarvel[*] — Hoja de cuenca");
        QCOMPARE(hoja->Hoja().value().lluvia, std::optional<double>(50));
        QCOMPARE(LeerHojaDeArchivo(Ruta("a.tarvel").toStdString()).value().lluvia, std::optional<double>(50));
        QCOMPARE(Celda(Hijo<QTableWidget>(hoja, "tblEscorrentia"), 0, 3), "19.9");  // Σ(Aᵢ·Qᵢ)/ΣAᵢ at 50 mm
        // Closing now asks nothing.
        hoja->close();
        QVERIFY(!hoja->isVisible());
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

        // A storm of 0 mm gives no runoff, which every curve number up to 100 gives.
        auto* lluvia = Hijo<QLineEdit>(hoja, "txtLluvia");
        lluvia->selectAll();
        QTest::keyClicks(lluvia, "0");
        tormenta.clear();
        for (int c = 0; c < 5; ++c) tormenta << Celda(escorrentia, 0, c);
        QCOMPARE(tormenta, (QStringList{"0.2", "59.3", "0.0", "0.0", "≤ 100.0"}));
        QCOMPARE((QStringList{Celda(filas, 0, 4), Celda(filas, 1, 4)}), (QStringList{"0.0", "0.0"}));

        // A row that cannot be a sub-area: the figures give way to the reason.
        Teclear(filas, 1, 1, "0");
        QCOMPARE(Hijo<QLabel>(hoja, "lblMensaje")->text(), "El área de la fila 2 debe ser un número mayor que 0 (ha).");
        QCOMPARE(Celda(compuesto, 1, 1), QString());
        QVERIFY(!escorrentia->isVisible());
    }

    // Name, area and CN typed with the keyboard alone, each followed by Tab
    // or by Enter: every value is kept, the cells the program fills are
    // passed over, and past the last row the focus goes on to "Add row".
    void keyboardAloneKeepsEveryValueTyped_data() {
        QTest::addColumn<int>("tecla");
        QTest::newRow("Tab") << int(Qt::Key_Tab);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }
    void keyboardAloneKeepsEveryValueTyped() {
        QFETCH(int, tecla);
        auto* hoja = Abrir<frmHojaCuenca>();
        auto* filas = Hijo<QTableWidget>(hoja, "tblSubareas");
        for (int i = 0; i < 2; ++i) QTest::mouseClick(Hijo<QWidget>(hoja, "cmdAnadir"), Qt::LeftButton);
        filas->setCurrentCell(0, 0);
        for (const char* valor : {"Pavimento", "10", "98", "Bosque", "90", "55"}) {
            Teclas(valor);
            Tecla(Qt::Key(tecla))();
        }
        const std::vector<FilaHoja> tecleadas{{"Pavimento", 10, 98, CurvaEscrita{}}, {"Bosque", 90, 55, CurvaEscrita{}}};
        QVERIFY(hoja->Hoja().value().filas == tecleadas);
        QCOMPARE(Foco(), "cmdAnadir");

        // Typed where the program writes: said, and kept nowhere.
        filas->setFocus();
        filas->setCurrentCell(1, 2);
        auto* aviso = Hijo<QLabel>(hoja, "lblAvisoFilas");
        QVERIFY(aviso->isHidden());
        Teclas("55");
        QVERIFY(aviso->isVisible());
        QCOMPARE(aviso->text(), "«% del total» lo calcula el programa y no se escribe: escriba en Nombre, Área (ha) o NC.");
        QVERIFY(hoja->Hoja().value().filas == tecleadas);
        filas->setCurrentCell(1, 3);
        QVERIFY(aviso->isHidden());
    }

    // What a worksheet lacks is said once the user is done typing it: not
    // to a new worksheet, not to a row or a storm still being typed; on
    // leaving the row or the storm, or on saving or exporting, it is.
    void faultsWaitUntilTheUserIsDoneTyping() {
        auto* hoja = Abrir<frmHojaCuenca>();
        auto* mensaje = Hijo<QLabel>(hoja, "lblMensaje");
        QVERIFY(mensaje->isHidden());
        Entorno().Responder(RespuestaMensaje::Aceptar);
        Elegir(hoja, "mnuExportarPdf");
        QCOMPARE(Entorno().UltimoMensaje(), "La hoja no tiene ninguna subárea.");
        QCOMPARE(mensaje->text(), "La hoja no tiene ninguna subárea.");
        QVERIFY(mensaje->isVisible());

        hoja->Cargar(HojaCuenca{}, {});
        QVERIFY(mensaje->isHidden());
        QTest::mouseClick(Hijo<QWidget>(hoja, "cmdAnadir"), Qt::LeftButton);
        Teclas("Prado");
        Tecla(Qt::Key_Tab)();
        QVERIFY(mensaje->isHidden());
        Entorno().Responder(RespuestaMensaje::Aceptar);
        Elegir(hoja, "mnuGuardar");
        QCOMPARE(Entorno().UltimoMensaje(), "El área de la fila 1 debe ser un número mayor que 0 (ha).");
        QVERIFY(mensaje->isVisible());

        hoja->Cargar(HojaCuenca{}, {});
        QTest::mouseClick(Hijo<QWidget>(hoja, "cmdAnadir"), Qt::LeftButton);
        Teclas("Prado");
        Tecla(Qt::Key_Tab)();
        Teclas("4");
        Tecla(Qt::Key_Tab)();
        QVERIFY(mensaje->isHidden());
        QTest::mouseClick(Hijo<QWidget>(hoja, "cmdAnadir"), Qt::LeftButton);
        QCOMPARE(mensaje->text(), "El número de curva de la fila 1 debe ser mayor que 0 y no mayor que 100.");
        QVERIFY(mensaje->isVisible());

        hoja->Cargar(HojaCompleta(), {});
        auto* lluvia = Hijo<QLineEdit>(hoja, "txtLluvia");
        lluvia->setFocus();
        lluvia->selectAll();
        Teclas("-");
        QVERIFY(mensaje->isHidden());
        Hijo<QLineEdit>(hoja, "txtTitulo")->setFocus();
        QVERIFY(mensaje->isVisible());
        QVERIFY(!mensaje->text().isEmpty());
    }

    // A row whose stored number its trail does not give keeps its number,
    // and says so: a mark, a colour, the reason in its tooltip and to screen
    // readers, and a line under the rows.
    void aRowWhoseTrailGivesAnotherNumberIsMarked() {
        const HojaCuenca guardada{"", std::nullopt, EleccionLambda::Clasica,
                                  {{"Olivar", 2, 50, TrazaTabla{TablaReferencia::General, 9, "C"}}, {"Prado", 1, 58, CurvaEscrita{}}},
                                  {}};
        Escribir(Ruta("t.tarvel"), Texto(guardada));
        auto* hoja = new frmHojaCuenca(nullptr);
        hoja->show();
        gArchivos = {Ruta("t.tarvel")};
        Elegir(hoja, "mnuAbrir");
        auto* filas = Hijo<QTableWidget>(hoja, "tblSubareas");
        const QString porque = "Fila 1 (Olivar): su obtención (fila 9 de las tablas, grupo C) da el NC 82, no el 50 "
                               "guardado; se usa el guardado.";
        QCOMPARE(filas->item(0, 3)->toolTip(), porque);
        QCOMPARE(filas->item(0, 3)->data(Qt::AccessibleDescriptionRole).toString(), porque);
        QCOMPARE(filas->item(0, 3)->background().color(), kFondoTrazaDudosa);
        QVERIFY(filas->item(0, 6)->toolTip().endsWith(porque));
        QVERIFY(!filas->item(0, 6)->icon().isNull());
        QVERIFY(filas->item(1, 6)->icon().isNull() && filas->item(1, 3)->toolTip().isEmpty());
        QCOMPARE(Hijo<QLabel>(hoja, "lblAvisoFilas")->text(), porque);
        QVERIFY(hoja->Hoja().value() == guardada);
        QCOMPARE(Celda(Hijo<QTableWidget>(hoja, "tblCompuesto"), 1, 1), "52.7");

        // A number typed over it has no trail left to disagree with.
        Teclear(filas, 0, 3, "82");
        QVERIFY(Hijo<QLabel>(hoja, "lblAvisoFilas")->isHidden());
        QCOMPARE(filas->item(0, 3)->background().style(), Qt::NoBrush);
    }

    // File dialogs start in the folder last used, else in the documents
    // folder if there is one, else at home, and propose the worksheet's
    // name, or its title, or "Untitled"; a saved worksheet's exports go beside it.
    void fileDialogsStartWhereTheUserWorksAndProposeTheTitle() {
        const QByteArray casaAntes = qgetenv("HOME");
        const QByteArray configAntes = qgetenv("XDG_CONFIG_HOME");
        QTemporaryDir casa;
        qputenv("HOME", casa.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", casa.filePath(".config").toUtf8());
        auto* hoja = new frmHojaCuenca(nullptr);
        hoja->show();
        Elegir(hoja, "mnuGuardarComo");
        QDir(casa.path()).mkdir("Documents");
        QTest::keyClicks(Hijo<QLineEdit>(hoja, "txtTitulo"), "Arroyo: norte/sur.");
        Elegir(hoja, "mnuGuardarComo");
        QTest::mouseClick(Hijo<QWidget>(hoja, "cmdAnadir"), Qt::LeftButton);
        Teclear(Hijo<QTableWidget>(hoja, "tblSubareas"), 0, 1, "4");
        Teclear(Hijo<QTableWidget>(hoja, "tblSubareas"), 0, 3, "58");
        Elegir(hoja, "mnuExportarCsv");
        gArchivos = {Ruta("c.tarvel")};
        Elegir(hoja, "mnuGuardarComo");
        Elegir(hoja, "mnuExportarPdf");
        Elegir(hoja, "mnuAbrir");
        hoja->Cargar(HojaCuenca{}, {});
        Elegir(hoja, "mnuGuardarComo");
        qputenv("HOME", casaAntes);
        if (configAntes.isNull()) qunsetenv("XDG_CONFIG_HOME");
        else qputenv("XDG_CONFIG_HOME", configAntes);
        QCOMPARE(gPropuestos, (QStringList{casa.filePath("Sin título.tarvel"),
                                           casa.filePath("Documents/Arroyo norte sur.tarvel"),
                                           casa.filePath("Documents/Arroyo norte sur.csv"),
                                           casa.filePath("Documents/Arroyo norte sur.tarvel"), Ruta("c.pdf"),
                                           mCarpeta.path(), Ruta("Sin título.tarvel")}));
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
        // The pages hold the report's headings and texts in its order, and every figure of its tables.
        const QString texto = TextoPdf(Ruta("informe.pdf"));
        const QStringList palabras = texto.split(' ');
        const auto modelo = InformeDeHoja(HojaCompleta(), EvaluarHoja(HojaCompleta(), {}), "a.tarvel", "");
        QStringList enOrden{DeUtf8(modelo->titulo)};
        for (const auto& bloque : modelo->bloques) {
            if (const auto* s = std::get_if<SeccionInforme>(&bloque)) enOrden << DeUtf8(s->titulo);
            if (const auto* p = std::get_if<ParrafoInforme>(&bloque)) enOrden << DeUtf8(p->texto).simplified();
            for (const auto& fila : std::get_if<TablaInforme>(&bloque) ? std::get<TablaInforme>(bloque).filas
                                                                       : std::vector<std::vector<std::string>>{}) {
                for (const auto& celda : fila) {
                    for (const QString& cifra : DeUtf8(celda).simplified().split(' ', Qt::SkipEmptyParts)) {
                        if (cifra.front().isDigit() || cifra == "⚠") QVERIFY2(palabras.contains(cifra), qPrintable(cifra));
                    }
                }
            }
        }
        qsizetype desde = 0;
        for (const QString& parte : enOrden) {
            const qsizetype donde = texto.indexOf(parte, desde);
            QVERIFY2(donde >= 0, qPrintable(parte));
            desde = donde + parte.size();
        }
        QCOMPARE(Leer(Ruta("filas.csv")), QByteArray::fromStdString(CsvHoja(HojaCompleta()).value()));
    }

    // The peak window works on the catchment's 1 km² and composite CN 74,
    // shown and fixed; what it holds when it closes is the worksheet's, a
    // change to save, and comes back when it opens again. Left as it starts,
    // it leaves nothing; a value refused keeps it open.
    void thePeakWindowTakesTheCatchmentAndGivesBackItsInputs() {
        auto* hoja = new frmHojaCuenca(nullptr);
        hoja->setAttribute(Qt::WA_DeleteOnClose);
        hoja->show();
        hoja->Cargar({"", std::nullopt, EleccionLambda::Clasica, {{"a", 60, 70, CurvaEscrita{}}, {"b", 40, 80, CurvaEscrita{}}}, {}},
                     {});
        const auto abrir = [hoja] { QTest::mouseClick(Hijo<QPushButton>(hoja, "cmdCaudalPunta"), Qt::LeftButton); };
        QStringList cuenca;
        QVERIFY(Jugar({abrir,
                       [&cuenca] {
                           for (const char* campo : {"txtArea", "txtNC"}) {
                               auto* caja = EnFrente<QLineEdit>(campo);
                               cuenca << caja->text() + (caja->isReadOnly() ? "" : " editable");
                           }
                       },
                       Cerrar()}));
        QCOMPARE(cuenca, (QStringList{"1", "74.0"}));
        QVERIFY(!hoja->isWindowModified() && !hoja->Hoja()->caudal);

        QString pico;
        QVERIFY(Jugar({abrir, Teclear("txtLluvia_3", "152.4"), Teclear("txtCharcas", "1"), Teclear("txtLluvia_0", "x", Qt::Key_unknown),
                       [] { Entorno().Responder(RespuestaMensaje::Aceptar); }, Cerrar(),
                       Teclear("txtLluvia_0", "", Qt::Key_Backspace), Pulsar("opcTiempo_2"), Teclear("txtTc", "1.53"),
                       [&pico] { pico = EnFrente<QTableWidget>("tblCaudal")->item(3, 13)->text(); }, Cerrar()}));
        QCOMPARE(Entorno().UltimoMensaje(),
                 "Error en los datos introducidos. Fila 1: P 24 h (mm) = «x»: debe ser un número mayor que 0 y no mayor que 2000.");
        // 1 km² with CN 74 under 152.4 mm, type II, 1 % ponds, Tc 1.53 h:
        // qu 0.115 m³/s/km²/mm · 1 km² · Q 80.9 mm · Fp 0.87.
        QCOMPARE(pico, "8.09");
        QVERIFY(hoja->isWindowModified());
        const auto caudal = hoja->Hoja()->caudal;
        QVERIFY(caudal && caudal->periodos[3].lluvia == 152.4 && caudal->charcas == 1 && !caudal->periodos[0].lluvia &&
                caudal->tiempoTecleado && caudal->tc == 1.53);

        QStringList vuelta;
        QVERIFY(Jugar({abrir, [&vuelta] { vuelta << EnFrente<QLineEdit>("txtLluvia_3")->text() << EnFrente<QLineEdit>("txtCharcas")->text(); },
                       Cerrar()}));
        QCOMPARE(vuelta, (QStringList{"152.4", "1"}));
        hoja->setWindowModified(false);
        hoja->close();
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
