#include "EntornoUi.h"

#include <QApplication>
#include <memory>
#include <QFile>
#include <QPointer>
#include <QSettings>
#include <QTimer>

#include "app/FormatoNumerico.h"
#include "app/Idioma.h"
#include "app/SessionState.h"
#include "settings/Ajustes.h"
#include "ui/Arranque.h"
#include "ui/Ayuda.h"
#include "ui/DialogoArchivo.h"
#include "ui/frmTarvelPrimera.h"

namespace tarvel::prueba {

EntornoUi::EntornoUi() {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, carpeta_.path());
    SustituirMensajes([this](const PeticionMensaje& peticion) {
        vistos_.push_back(peticion);
        if (respuestas_.empty()) {
            inesperados_ << peticion.texto;
            // Unsaved work nobody was asked about is discarded, so that its window can always close.
            if (peticion.botones == BotonesMensaje::GuardarDescartarCancelar) return RespuestaMensaje::Descartar;
            return peticion.botones == BotonesMensaje::SiNo ? RespuestaMensaje::Si : RespuestaMensaje::Aceptar;
        }
        const auto respuesta = respuestas_.front();
        respuestas_.pop_front();
        return respuesta;
    });
    SustituirVisorAyuda([this](const QString&, int topico) { topicos_.push_back(topico); });
    // File and print dialogs are cancelled unless a test answers them itself.
    SustituirDialogosArchivo([](const PeticionArchivo&) { return QString(); });
    SustituirDialogoImpresion([](QPrinter&) { return false; });
}

EntornoUi::~EntornoUi() {
    SustituirMensajes({});
    SustituirVisorAyuda({});
    SustituirDialogosArchivo({});
    SustituirDialogoImpresion({});
}

void EntornoUi::Reiniciar() {
    QList<QPointer<QWidget>> ventanas;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->parentWidget()) ventanas << w;
    }
    for (const auto& ventana : ventanas) delete ventana.data();
    QFile::remove(carpeta_.filePath("Tarvel/Tarvel.ini"));
    respuestas_.clear();
    vistos_.clear();
    inesperados_.clear();
    topicos_.clear();
    gNCElegido = 0;
    gLetraGrupoSuelo.clear();
    gComoGrupoSuelo = {};
    gOrigenCurva = {};
    gClaseBosque = "-1";
    gNAC = gNOB = gLapsoAnios = 0;
    AplicarIdioma("");
    EstablecerFormato({'.', ','});
    DetectarSeparadorDecimal();
    EstablecerArchivoAyuda({});
}

void EntornoUi::Responder(RespuestaMensaje respuesta) { respuestas_.push_back(respuesta); }

QStringList EntornoUi::Sorpresas() const {
    QStringList todo = inesperados_;
    for (std::size_t i = 0; i < respuestas_.size(); ++i) todo << QStringLiteral("(an answer was never asked for)");
    return todo;
}

void EntornoUi::GuardarIdiomaAlmacenado(const QString& valor) {
    GuardarIdioma(valor);
}

QString EntornoUi::ContenidoAjustes() const {
    QFile archivo(carpeta_.filePath("Tarvel/Tarvel.ini"));
    if (!archivo.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(archivo.readAll());
}

EntornoUi& Entorno() {
    static EntornoUi entorno;
    return entorno;
}

void PruebaUi::init() { Entorno().Reiniciar(); }

void PruebaUi::cleanup() { QVERIFY2(Entorno().Sorpresas().isEmpty(), qPrintable(Entorno().Sorpresas().join('\n'))); }

void AlAbrir(std::function<void()> accion) { QTimer::singleShot(0, qApp, std::move(accion)); }

namespace {

void Siguiente(const std::shared_ptr<Pasos>& resto) {
    if (resto->empty()) return;
    auto paso = std::move(resto->front());
    resto->pop_front();
    QTimer::singleShot(0, qApp, [resto] { Siguiente(resto); });
    paso();
}

}  // namespace

bool Jugar(Pasos pasos) {
    bool hecho = false;
    pasos.push_back([&hecho] { hecho = true; });
    Siguiente(std::make_shared<Pasos>(std::move(pasos)));
    return QTest::qWaitFor([&] { return hecho; }, 20000);
}

QWidget* AlFrente() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return Visible<frmTarvelPrimera>();
}

std::function<void()> Pulsar(const char* nombre) {
    return [nombre] {
        QWidget* ventana = AlFrente();
        QWidget* control = ventana ? ventana->findChild<QWidget*>(nombre) : nullptr;
        if (!control) {
            QTest::qFail(qPrintable(QStringLiteral("no control %1 in front").arg(nombre)), __FILE__, __LINE__);
            return;
        }
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(qMin(8, control->width() / 2), control->height() / 2));
    };
}

std::function<void()> Cerrar() {
    return [] {
        if (QWidget* ventana = QApplication::activeModalWidget()) ventana->close();
    };
}

}  // namespace tarvel::prueba
