// The program writes nothing but its language setting. A whole run of the program goes
// under a home folder of its own (HOME, the XDG folders and TMPDIR all point
// inside it, set before the application object exists): the splash, a
// step-by-step determination with the soil dialog, a pick from the tables, a
// series with its results, the help viewer, a language change and the exit.
// Afterwards the only file created or changed under that home is the settings
// file, and nothing beside the executable has changed.
//
// This test has its own main: the folders must be set before Qt starts, and
// the settings store is left where Qt puts it for a user, not redirected.
#include <filesystem>
#include <map>

#include "EntornoUi.h"
#include "ui/series/frmSerieNCCalculada.h"
#include "ui/shell/frmPresentacion.h"
#include "ui/shell/frmTarvelPrimera.h"

using namespace tarvel;
using namespace tarvel::prueba;
namespace fs = std::filesystem;

namespace {

// Every file and folder under a folder, with its size and time of change.
using Arbol = std::map<fs::path, std::tuple<fs::file_type, std::uintmax_t, fs::file_time_type>>;
Arbol Fotografiar(const fs::path& raiz) {
    Arbol arbol;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(raiz, fs::directory_options::skip_permission_denied, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const bool archivo = it->symlink_status().type() == fs::file_type::regular;
        arbol[fs::relative(it->path(), raiz)] = {it->symlink_status().type(), archivo ? it->file_size() : 0,
                                                 archivo ? it->last_write_time() : fs::file_time_type{}};
    }
    return arbol;
}

// What was created, changed or removed under a folder since its photograph.
QStringList Cambios(const fs::path& raiz, const Arbol& antes) {
    QStringList cambios;
    Arbol despues = Fotografiar(raiz);
    for (const auto& [ruta, huella] : antes) {
        if (despues.contains(ruta) && despues.at(ruta) == huella) despues.erase(ruta);
        else if (!despues.contains(ruta)) cambios << "removed " + QString::fromStdString(ruta.string());
    }
    for (const auto& [ruta, huella] : despues) cambios << QString::fromStdString(ruta.string());
    return cambios;
}

fs::path gRaiz;  // the run's own home, TMPDIR and runtime folder
fs::path gCarpetaEjecutable;
Arbol gRaizAntes, gEjecutableAntes;
std::deque<RespuestaMensaje> gRespuestas;
QStringList gMensajes;

}  // namespace

class PruebaEscrituras : public QObject {
    Q_OBJECT

private slots:
    void aWholeRunWritesOnlyTheSetting() {
        QTest::mouseClick(new frmPresentacion, Qt::LeftButton);
        auto* menu = Visible<frmTarvelPrimera>();
        QVERIFY(menu);
        // Step by step: bare fallow, soil group by texture, then OK; a pick from
        // the general table; a series over ten years, its results copied.
        gRespuestas = {RespuestaMensaje::Si, RespuestaMensaje::Si};
        bool resultados = false;
        QVERIFY(Jugar({Pulsar("cmdAceptar"), Pulsar("cmdAceptar"), Pulsar("opcSuelo_0"), Pulsar("cmdDeterminarSuelo"),
                       Pulsar("opcMetodo_1"), Teclear("txtPorcentaje_0", "20"), Teclear("txtPorcentaje_1", "40"),
                       Teclear("txtPorcentaje_2", "40"), Pulsar("cmdAceptar"), Pulsar("cmdAceptar"),
                       Pulsar("cmdAceptar"), Pulsar("opcElige_1"), Pulsar("cmdAceptar"),
                       [] {
                           auto* rejilla = EnFrente<QTableWidget>("Tabla_0");
                           QTest::mouseDClick(rejilla->viewport(), Qt::LeftButton, {},
                                              rejilla->visualRect(rejilla->model()->index(4, 6)).center());
                       },
                       Pulsar("cmdAceptar"), Pulsar("optSerieProgresivaNC"), Pulsar("cmdAceptar"),
                       Teclear("txtNAC", "85"), Teclear("txtNOB", "70"), Pulsar("chkDefinirTiempo"),
                       Teclear("txtAnios", "10"), Pulsar("cmdCalcular"),
                       [&resultados] {
                           resultados = Visible<frmSerieNCCalculada>() != nullptr;
                           QTest::keySequence(EnFrente("tblNCP"), QKeySequence::Copy);
                       },
                       Cerrar(), Cerrar()}));
        QCOMPARE(gLetraGrupoSuelo, std::string("C"));
        QVERIFY(resultados && gLapsoAnios == 10.0);
        // The help viewer itself, opened from the menu and closed.
        QTest::keyClick(menu, Qt::Key_F1);
        QTRY_VERIFY(VentanaVisible("VisorAyuda"));
        VentanaVisible("VisorAyuda")->close();
        // English for the next start, then the exit item.
        Hijo<QAction>(menu, "mnuIdiomaEnglish")->trigger();
        Hijo<QAction>(menu, "mnuArchivoSalir")->trigger();
        QVERIFY(!Visible<frmTarvelPrimera>());
        // The language chosen is the one thing the run leaves behind.
        const auto ajustes = [] {
            QFile archivo(QString::fromStdString((gRaiz / "home/.config/Tarvel/Tarvel.ini").string()));
            return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
        };
        QTRY_COMPARE(ajustes(), QByteArray("[Options]\nLanguage=English\n"));
        // The two closing questions, and no other message.
        QCOMPARE(gMensajes.size(), 2);
        for (const QString& mensaje : gMensajes) QVERIFY2(mensaje.startsWith("El número de curva elegido es"), qPrintable(mensaje));

        const QStringList ejecutable = Cambios(gCarpetaEjecutable, gEjecutableAntes);
        QVERIFY2(ejecutable.isEmpty(), qPrintable("beside the executable: " + ejecutable.join(", ")));
        const QStringList enCasa = Cambios(gRaiz, gRaizAntes);
        QVERIFY2(enCasa == (QStringList{"home/.config/Tarvel", "home/.config/Tarvel/Tarvel.ini"}),
                 qPrintable("under the home folder: " + enCasa.join(", ")));
    }
};

int main(int argc, char** argv) {
    // A home of the run's own, made and photographed before Qt starts.
    std::string plantilla = (fs::temp_directory_path() / "tarvel-escrituras-XXXXXX").string();
    if (!mkdtemp(plantilla.data())) return 2;
    gRaiz = plantilla;
    for (const auto& [variable, carpeta] : {std::pair{"HOME", "home"}, {"XDG_CONFIG_HOME", "home/.config"},
                                            {"XDG_CACHE_HOME", "home/.cache"}, {"XDG_DATA_HOME", "home/.local/share"},
                                            {"XDG_STATE_HOME", "home/.local/state"}, {"XDG_RUNTIME_DIR", "runtime"},
                                            {"TMPDIR", "tmp"}}) {
        fs::create_directories(gRaiz / carpeta);
        qputenv(variable, QByteArray::fromStdString((gRaiz / carpeta).string()));
    }
    fs::permissions(gRaiz / "runtime", fs::perms::owner_all, fs::perm_options::replace);
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
