#include "EntornoUi.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <memory>

#include "app/FormatoNumerico.h"
#include "app/Idioma.h"
#include "settings/Ajustes.h"
#include "ui/common/DatosPrograma.h"
#include "ui/common/DialogoArchivo.h"
#include "ui/common/SessionState.h"
#include "ui/determination/frmEleccion.h"
#include "ui/determination/frmPrincipal.h"
#include "ui/help/Ayuda.h"
#include "ui/shell/Arranque.h"
#include "ui/shell/frmTarvelPrimera.h"

namespace tarvel::prueba {

EntornoUi::EntornoUi() {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, mCarpeta.path());
    SustituirMensajes([this](const PeticionMensaje& peticion) {
        mVistos.push_back(peticion);
        if (mRespuestas.empty()) {
            mInesperados << peticion.texto;
            // Unsaved work nobody was asked about is discarded, so that its window can always close.
            if (peticion.botones == BotonesMensaje::GuardarDescartarCancelar) return RespuestaMensaje::Descartar;
            return peticion.botones == BotonesMensaje::SiNo ? RespuestaMensaje::Si : RespuestaMensaje::Aceptar;
        }
        const auto respuesta = mRespuestas.front();
        mRespuestas.pop_front();
        return respuesta;
    });
    SustituirVisorAyuda([this](const QString&, int topico) { mTopicos.push_back(topico); });
    // File and print dialogs are cancelled unless a test answers them itself.
    SustituirDialogosArchivo([](const PeticionArchivo&) { return ArchivoElegido(); });
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
    QFile::remove(mCarpeta.filePath("Tarvel/Tarvel.ini"));
    mRespuestas.clear();
    mVistos.clear();
    mInesperados.clear();
    mTopicos.clear();
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
    SustituirRutaDatos({});
}

void EntornoUi::SiguienteCaso() {
    if (!Sorpresas().isEmpty()) QTest::qFail(qPrintable(Sorpresas().join('\n')), __FILE__, __LINE__);
    Reiniciar();
}

void EntornoUi::Responder(RespuestaMensaje respuesta) { mRespuestas.push_back(respuesta); }

QStringList EntornoUi::Sorpresas() const {
    QStringList todo = mInesperados;
    for (std::size_t i = 0; i < mRespuestas.size(); ++i) todo << QStringLiteral("(an answer was never asked for)");
    return todo;
}

void EntornoUi::GuardarIdiomaAlmacenado(const QString& valor) { GuardarIdioma(valor); }

QString EntornoUi::ContenidoAjustes() const {
    QFile archivo(mCarpeta.filePath("Tarvel/Tarvel.ini"));
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

void Determinar(QWidget* ventana, int numero) {
    AlAbrir([numero] {
        auto* eleccion = Visible<frmEleccion>();
        if (!numero) {
            eleccion->close();
            return;
        }
        AlAbrir([numero] {
            gNCElegido = static_cast<std::int16_t>(numero);
            Visible<frmPrincipal>()->accept();
        });
        QTest::mouseClick(Hijo<QPushButton>(eleccion, "cmdAceptar"), Qt::LeftButton);
    });
    QTest::mouseClick(Hijo<QPushButton>(ventana, "cmdDeterminar"), Qt::LeftButton);
}

namespace {

using Generador = std::function<std::function<void()>()>;

void Siguiente(const std::shared_ptr<Generador>& siguiente, const std::shared_ptr<bool>& hecho) {
    auto paso = (*siguiente)();
    if (!paso) {
        *hecho = true;
        return;
    }
    QTimer::singleShot(0, qApp, [siguiente, hecho] { Siguiente(siguiente, hecho); });
    paso();
}

// The control of the window in front, or a failure naming it.
QWidget* Control(const char* nombre) {
    QWidget* ventana = AlFrente();
    QWidget* control = ventana ? ventana->findChild<QWidget*>(nombre) : nullptr;
    if (!control) QTest::qFail(qPrintable(QStringLiteral("no control %1 in front").arg(nombre)), __FILE__, __LINE__);
    return control;
}

}  // namespace

bool Jugar(Generador siguiente, int segundos) {
    auto hecho = std::make_shared<bool>(false);
    Siguiente(std::make_shared<Generador>(std::move(siguiente)), hecho);
    return QTest::qWaitFor([hecho] { return *hecho; }, segundos * 1000);
}

bool Jugar(Pasos pasos) {
    auto resto = std::make_shared<Pasos>(std::move(pasos));
    return Jugar(
        [resto] {
            std::function<void()> paso;
            if (!resto->empty()) {
                paso = std::move(resto->front());
                resto->pop_front();
            }
            return paso;
        },
        20);
}

QWidget* VentanaVisible(const QString& nombre) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == nombre) return w;
    }
    return nullptr;
}

QWidget* AlFrente() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return Visible<frmTarvelPrimera>();
}

QString Foco() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

void Idioma(bool ingles) {
    if (ingles) Entorno().GuardarIdiomaAlmacenado("English");
    ResolverIdiomaDeArranque();
}

void Idiomas() {
    QTest::addColumn<bool>("ingles");
    QTest::newRow("Spanish") << false;
    QTest::newRow("English") << true;
}

frmTarvelPrimera* AbrirMenu() {
    ResolverIdiomaDeArranque();
    ElegirArchivoAyuda();
    auto* menu = new frmTarvelPrimera;
    menu->show();
    return menu;
}

std::function<void()> Pulsar(const char* nombre) {
    return [nombre] {
        if (QWidget* control = Control(nombre)) {
            QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(qMin(8, control->width() / 2), control->height() / 2));
        }
    };
}

std::function<void()> Teclear(const char* nombre, const QString& texto, Qt::Key fin) {
    return [nombre, texto, fin] {
        auto* campo = qobject_cast<QLineEdit*>(Control(nombre));
        if (!campo) return;
        campo->setFocus(Qt::TabFocusReason);
        campo->selectAll();
        QTest::keyClicks(campo, texto);
        if (fin != Qt::Key_unknown) QTest::keyClick(campo, fin);
    };
}

std::function<void()> Elegir(const char* lista, int posicion) {
    return [lista, posicion] {
        auto* combo = qobject_cast<QComboBox*>(Control(lista));
        if (!combo) return;
        combo->setFocus(Qt::TabFocusReason);
        while (combo->currentIndex() < posicion) QTest::keyClick(combo, Qt::Key_Down);
        while (combo->currentIndex() > posicion) QTest::keyClick(combo, Qt::Key_Up);
    };
}

std::function<void()> Tecla(Qt::Key tecla, Qt::KeyboardModifiers modificadores) {
    return [tecla, modificadores] {
        QWidget* destino = QApplication::focusWidget() ? QApplication::focusWidget() : AlFrente();
        if (destino) QTest::keyClick(destino, tecla, modificadores);
    };
}

std::function<void()> Cerrar() {
    return [] {
        if (QWidget* ventana = QApplication::activeModalWidget()) ventana->close();
    };
}

}  // namespace tarvel::prueba
