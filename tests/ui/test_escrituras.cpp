// The program writes nothing but its language setting. A whole session runs
// under a home folder of its own (HOME, the XDG folders and TMPDIR all point
// inside it, set before the application object exists): the splash, a
// step-by-step determination with the soil dialog, a pick from the tables, a
// series with its results, the help viewer, a language change and the exit.
// Afterwards the only file created or changed under that home is the settings
// file, and nothing beside the executable has changed.
//
// This test has its own main: the folders must be set before Qt starts, and
// the settings store is left where Qt puts it for a user, not redirected.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>

#include "EntornoUi.h"
#include "app/SessionState.h"
#include "ui/Ayuda.h"
#include "ui/Mensajes.h"
#include "ui/frmPresentacion.h"
#include "ui/frmPrincipal.h"
#include "ui/frmSerieNCCalculada.h"
#include "ui/frmTabla.h"
#include "ui/frmTarvelPrimera.h"

using namespace tarvel;
using namespace tarvel::prueba;
namespace fs = std::filesystem;

namespace {

struct Huella {
    fs::file_type tipo;
    std::uintmax_t tamano;
    fs::file_time_type cambio;
    bool operator==(const Huella&) const = default;
};
using Arbol = std::map<fs::path, Huella>;

// Every file and folder under a folder, with its size and time of change.
Arbol Fotografiar(const fs::path& raiz) {
    Arbol arbol;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(raiz, fs::directory_options::skip_permission_denied, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const auto estado = it->symlink_status();
        const bool archivo = estado.type() == fs::file_type::regular;
        arbol[fs::relative(it->path(), raiz)] = {estado.type(), archivo ? it->file_size() : 0,
                                                 archivo ? it->last_write_time() : fs::file_time_type{}};
    }
    return arbol;
}

QStringList Diferencias(const Arbol& antes, const Arbol& despues) {
    QStringList cambios;
    for (const auto& [ruta, huella] : despues) {
        const auto previa = antes.find(ruta);
        if (previa == antes.end()) {
            cambios << "created " + QString::fromStdString(ruta.string());
        } else if (!(previa->second == huella)) {
            cambios << "changed " + QString::fromStdString(ruta.string());
        }
    }
    for (const auto& [ruta, huella] : antes) {
        if (!despues.contains(ruta)) cambios << "removed " + QString::fromStdString(ruta.string());
    }
    return cambios;
}

fs::path gRaiz;                 // the session's own home, TMPDIR and runtime folder
fs::path gCarpetaEjecutable;   // where the program and its files lie
Arbol gRaizAntes;
Arbol gEjecutableAntes;
std::deque<RespuestaMensaje> gRespuestas;
QStringList gMensajes;

template <class T = QWidget>
T* Control(const char* nombre) {
    QWidget* ventana = AlFrente();
    T* control = ventana ? ventana->findChild<T*>(nombre) : nullptr;
    if (!control) qFatal("no control %s in front", nombre);
    return control;
}

std::function<void()> Teclear(const char* nombre, const char* texto) {
    return [nombre, texto] {
        auto* campo = Control<QLineEdit>(nombre);
        campo->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(campo, texto);
        QTest::keyClick(campo, Qt::Key_Return);
    };
}

// The help viewer: a window of its own that shows the help file.
QWidget* VisorAbierto() {
    for (QWidget* ventana : QApplication::topLevelWidgets()) {
        if (ventana->isVisible() && ventana->findChild<QTextBrowser*>()) return ventana;
    }
    return nullptr;
}

}  // namespace

class PruebaEscrituras : public QObject {
    Q_OBJECT

private slots:
    void aWholeSessionWritesOnlyTheSetting() {
        auto* splash = new frmPresentacion;
        QVERIFY(splash->isVisible());
        QTest::mouseClick(splash, Qt::LeftButton);
        auto* menu = Visible<frmTarvelPrimera>();
        QVERIFY(menu);

        // Step by step: bare fallow, soil group by texture, then OK.
        gRespuestas = {RespuestaMensaje::Si};
        QVERIFY(Jugar({Pulsar("cmdAceptar"), Pulsar("cmdAceptar"), Pulsar("opcSuelo_0"), Pulsar("cmdDeterminarSuelo"),
                       Pulsar("opcMetodo_1"), Teclear("txtPorcentaje_0", "20"), Teclear("txtPorcentaje_1", "40"),
                       Teclear("txtPorcentaje_2", "40"), Pulsar("cmdAceptar"), Pulsar("cmdAceptar")}));
        QCOMPARE(gLetraGrupoSuelo, std::string("C"));
        QVERIFY(gNCElegido > 0);

        // A curve number picked from the general table.
        gRespuestas = {RespuestaMensaje::Si};
        QVERIFY(Jugar({Pulsar("cmdAceptar"), Pulsar("opcElige_1"), Pulsar("cmdAceptar"),
                       [] {
                           auto* rejilla = Control<QTableWidget>("Tabla_0");
                           const QRect celda = rejilla->visualRect(rejilla->model()->index(4, rejilla->columnCount() - 1));
                           QTest::mouseDClick(rejilla->viewport(), Qt::LeftButton, {}, celda.center());
                       },
                       Pulsar("cmdAceptar")}));
        QVERIFY(gNCElegido > 0);

        // A series over ten years, its results copied, then closed.
        bool resultados = false;
        QVERIFY(Jugar({Pulsar("optSerieProgresivaNC"), Pulsar("cmdAceptar"), Teclear("txtNAC", "85"),
                       Teclear("txtNOB", "70"), Pulsar("chkDefinirTiempo"), Teclear("txtAnios", "10"),
                       Pulsar("cmdCalcular"),
                       [&resultados] {
                           resultados = Visible<frmSerieNCCalculada>() != nullptr;
                           QTest::keySequence(Control<QTableWidget>("tblNCP"), QKeySequence::Copy);
                       },
                       Cerrar(), Cerrar()}));
        QVERIFY(resultados);
        QCOMPARE(gLapsoAnios, 10.0);

        // The help viewer itself, opened from the menu and closed.
        QTest::keyClick(menu, Qt::Key_F1);
        QWidget* visor = nullptr;
        QTRY_VERIFY((visor = VisorAbierto()) != nullptr);
        QTest::qWait(50);
        visor->close();

        // English for the next start, then the exit item.
        menu->findChild<QAction*>("mnuIdiomaEnglish")->trigger();
        menu->findChild<QAction*>("mnuArchivoSalir")->trigger();
        QVERIFY(!Visible<frmTarvelPrimera>());
        QTest::qWait(50);
        // The two closing questions, and no other message.
        QCOMPARE(gMensajes.size(), 2);
        for (const QString& mensaje : gMensajes) QVERIFY2(mensaje.startsWith("El número de curva elegido es"), qPrintable(mensaje));

        const QStringList ejecutable = Diferencias(gEjecutableAntes, Fotografiar(gCarpetaEjecutable));
        QVERIFY2(ejecutable.isEmpty(), qPrintable("beside the executable: " + ejecutable.join(", ")));

        const QStringList enCasa = Diferencias(gRaizAntes, Fotografiar(gRaiz));
        const QStringList esperado{"created home/.config/Tarvel", "created home/.config/Tarvel/Tarvel.ini"};
        QVERIFY2(enCasa == esperado, qPrintable("under the home folder: " + enCasa.join(", ")));
        QFile ajustes(QString::fromStdString((gRaiz / "home/.config/Tarvel/Tarvel.ini").string()));
        QVERIFY(ajustes.open(QIODevice::ReadOnly));
        QCOMPARE(ajustes.readAll(), QByteArray("[Options]\nLanguage=English\n"));
    }
};

int main(int argc, char** argv) {
    // A home of the session's own, made and photographed before Qt starts.
    std::string plantilla = (fs::temp_directory_path() / "tarvel-escrituras-XXXXXX").string();
    if (!mkdtemp(plantilla.data())) return 2;
    gRaiz = plantilla;
    for (const char* carpeta : {"home/.config", "home/.cache", "home/.local/share", "home/.local/state", "tmp", "runtime"}) {
        fs::create_directories(gRaiz / carpeta);
    }
    fs::permissions(gRaiz / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    const auto poner = [](const char* variable, const fs::path& ruta) { qputenv(variable, QByteArray::fromStdString(ruta.string())); };
    poner("HOME", gRaiz / "home");
    poner("XDG_CONFIG_HOME", gRaiz / "home/.config");
    poner("XDG_CACHE_HOME", gRaiz / "home/.cache");
    poner("XDG_DATA_HOME", gRaiz / "home/.local/share");
    poner("XDG_STATE_HOME", gRaiz / "home/.local/state");
    poner("XDG_RUNTIME_DIR", gRaiz / "runtime");
    poner("TMPDIR", gRaiz / "tmp");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    gCarpetaEjecutable = fs::canonical("/proc/self/exe").parent_path();
    gRaizAntes = Fotografiar(gRaiz);
    gEjecutableAntes = Fotografiar(gCarpetaEjecutable);

    int resultado = 0;
    {
        QApplication aplicacion(argc, argv);
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setQuitOnLastWindowClosed(false);
        InstalarAyuda(aplicacion);
        SustituirMensajes([](const PeticionMensaje& peticion) {
            gMensajes << peticion.texto;
            if (gRespuestas.empty()) return RespuestaMensaje::Aceptar;
            const auto respuesta = gRespuestas.front();
            gRespuestas.pop_front();
            return respuesta;
        });
        PruebaEscrituras prueba;
        resultado = QTest::qExec(&prueba, argc, argv);
    }
    std::error_code ec;
    fs::remove_all(gRaiz, ec);
    return resultado;
}

#include "test_escrituras.moc"
