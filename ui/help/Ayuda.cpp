#include "ui/help/Ayuda.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QWidget>

#include "ui/common/Mensajes.h"
#include "ui/common/Textos.h"
#include "ui/help/VisorAyuda.h"

namespace tarvel {
namespace {

constexpr const char* kPropiedadTopico = "topicoAyuda";
// "The help file “%1” was not found."
constexpr int kTextoFaltaAyuda = 550;

QString& Archivo() {
    static QString archivo;
    return archivo;
}

std::function<void(const QString&, int)>& Sustituto() {
    static std::function<void(const QString&, int)> sustituto;
    return sustituto;
}

class FiltroF1 : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(evento)->key() != Qt::Key_F1 ||
            !objeto->isWidgetType()) {
            return false;
        }
        const QWidget* control = QApplication::focusWidget();
        if (!control) control = static_cast<QWidget*>(objeto);
        AbrirAyuda(TopicoAyudaDe(control));
        return true;
    }
};

}  // namespace

void EstablecerArchivoAyuda(const QString& ruta) { Archivo() = ruta; }
QString ArchivoAyuda() { return Archivo(); }

void FijarTopicoAyuda(QWidget* control, TopicoAyuda topico) { control->setProperty(kPropiedadTopico, topico); }

int TopicoAyudaDe(const QWidget* control) {
    if (!control) return 0;
    const int propio = control->property(kPropiedadTopico).toInt();
    if (propio != 0) return propio;
    return control->window()->property(kPropiedadTopico).toInt();
}

void InstalarAyuda(QApplication& aplicacion) { aplicacion.installEventFilter(new FiltroF1(&aplicacion)); }

void EnviarF1() {
    QWidget* destino = QApplication::focusWidget();
    if (!destino) destino = QApplication::activeWindow();
    if (destino) QApplication::postEvent(destino, new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier));
}

void AbrirAyuda(int topico) {
    if (Sustituto()) {
        Sustituto()(Archivo(), topico);
        return;
    }
    if (Archivo().isEmpty()) return;
    if (!QFileInfo(Archivo()).isFile()) {
        MostrarMensaje(QApplication::activeWindow(), T(kTextoFaltaAyuda).arg(QDir::toNativeSeparators(Archivo())),
                       BotonesMensaje::Aceptar, IconoMensaje::Aviso);
        return;
    }
    MostrarVisorAyuda(Archivo(), topico);
}

void SustituirVisorAyuda(std::function<void(const QString&, int)> visor) { Sustituto() = std::move(visor); }

}  // namespace tarvel
