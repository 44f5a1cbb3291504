#include "ui/Ayuda.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#include "app/SessionState.h"
#include "app/TablaTextos.h"
#include "ui/Mensajes.h"

namespace tarvel {
namespace {

constexpr const char* kPropiedadTopico = "topicoAyuda";

QString& Archivo() {
    static QString archivo;
    return archivo;
}

std::function<void(const QString&, int)>& Sustituto() {
    static std::function<void(const QString&, int)> sustituto;
    return sustituto;
}

// One help window for the whole run, reused by every request. It stays usable
// beside the modal windows, reads only the help file and the files beside it,
// and never follows a link out of the program.
class VisorAyuda : public QWidget {
public:
    VisorAyuda() {
        setObjectName("VisorAyuda");
        setAttribute(Qt::WA_DeleteOnClose);
        setAttribute(Qt::WA_QuitOnClose, false);
        resize(640, 560);

        auto* atras = new QToolButton(this);
        atras->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
        auto* adelante = new QToolButton(this);
        adelante->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
        atras->setEnabled(false);
        adelante->setEnabled(false);

        navegador_ = new QTextBrowser(this);
        navegador_->setOpenExternalLinks(false);
        connect(atras, &QToolButton::clicked, navegador_, &QTextBrowser::backward);
        connect(adelante, &QToolButton::clicked, navegador_, &QTextBrowser::forward);
        connect(navegador_, &QTextBrowser::backwardAvailable, atras, &QToolButton::setEnabled);
        connect(navegador_, &QTextBrowser::forwardAvailable, adelante, &QToolButton::setEnabled);
        connect(navegador_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { Seguir(url); });
        navegador_->setOpenLinks(false);
        connect(navegador_, &QTextBrowser::sourceChanged, this,
                [this] { setWindowTitle(navegador_->documentTitle()); });

        auto* barra = new QHBoxLayout;
        barra->addWidget(atras);
        barra->addWidget(adelante);
        barra->addStretch();
        auto* columna = new QVBoxLayout(this);
        columna->addLayout(barra);
        columna->addWidget(navegador_);
    }

    void Mostrar(const QString& archivo, int topico) {
        archivo_ = QFileInfo(archivo).absoluteFilePath();
        navegador_->setSearchPaths({QFileInfo(archivo_).absolutePath()});
        QUrl url = QUrl::fromLocalFile(archivo_);
        if (topico > 0) url.setFragment(QStringLiteral("topic%1").arg(topico));
        navegador_->setSource(url, QTextDocument::HtmlResource);
        show();
        raise();
        activateWindow();
    }

private:
    // Links inside the help file (to an anchor of the same file) are followed;
    // anything else is not.
    void Seguir(const QUrl& url) {
        const QUrl base = QUrl::fromLocalFile(archivo_);
        if (url.isRelative() && url.path().isEmpty()) {
            QUrl destino = base;
            destino.setFragment(url.fragment());
            navegador_->setSource(destino, QTextDocument::HtmlResource);
        } else if (url.adjusted(QUrl::RemoveFragment) == base) {
            navegador_->setSource(url, QTextDocument::HtmlResource);
        }
    }

    QTextBrowser* navegador_ = nullptr;
    QString archivo_;
};

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

void FijarTopicoAyuda(QWidget* control, int topico) { control->setProperty(kPropiedadTopico, topico); }

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
        MostrarMensaje(QApplication::activeWindow(),
                       (gIdioma == kIdiomaIngles ? QStringLiteral("The help file “%1” was not found.")
                                                 : QStringLiteral("No se encuentra el archivo de ayuda «%1»."))
                           .arg(QDir::toNativeSeparators(Archivo())),
                       BotonesMensaje::Aceptar, IconoMensaje::Aviso);
        return;
    }
    static QPointer<VisorAyuda> visor;
    if (!visor) visor = new VisorAyuda;
    visor->Mostrar(Archivo(), topico);
}

void SustituirVisorAyuda(std::function<void(const QString&, int)> visor) { Sustituto() = std::move(visor); }

}  // namespace tarvel
