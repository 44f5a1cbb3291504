#include "ui/help/VisorAyuda.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/help/GuardaAyuda.h"
#include "ui/help/LibroAyuda.h"

namespace tarvel {
namespace {

// The browser of the viewer: it reads the help file's pages from the book and
// anything else through the guard.
class Navegador : public QTextBrowser {
public:
    explicit Navegador(QWidget* padre) : QTextBrowser(padre) {}

    void Abrir(const QString& archivo, LibroAyuda libro) {
        mArchivo = QFileInfo(archivo).absoluteFilePath();
        mGuarda = GuardaAyuda(mArchivo);
        mLibro = std::move(libro);
    }
    const LibroAyuda& Libro() const { return mLibro; }
    const QString& ArchivoAbierto() const { return mArchivo; }

    QVariant loadResource(int tipo, const QUrl& nombre) override {
        const QUrl url = nombre.isRelative() ? source().resolved(nombre) : nombre;
        if (tipo == QTextDocument::HtmlResource && MismoArchivo(url, mArchivo)) {
            return Pagina(mLibro, TemaDeDireccion(url));
        }
        return mGuarda.Leer(url);
    }

private:
    QString mArchivo;
    GuardaAyuda mGuarda;
    LibroAyuda mLibro;
};

// One help window for the whole run, reused by every request. It is not
// modal and has no owner, so it stays usable beside the program's windows
// (they are modal to their owners only). The contents on the left list the
// file's topics and their sections; links lead from topic to topic and never
// out of the help file.
class VisorAyudaVentana : public QWidget {
public:
    VisorAyudaVentana() {
        setObjectName("VisorAyuda");
        setAttribute(Qt::WA_DeleteOnClose);
        setAttribute(Qt::WA_QuitOnClose, false);

        mAtras = Boton("cmdAtras", QStyle::SP_ArrowBack);
        mAdelante = Boton("cmdAdelante", QStyle::SP_ArrowForward);

        mNavegador = new Navegador(this);
        mNavegador->setObjectName("navegador");
        mNavegador->setOpenLinks(false);
        mNavegador->setOpenExternalLinks(false);
        mNavegador->document()->setDocumentMargin(14);

        mArbolTemas = new QTreeWidget(this);
        mArbolTemas->setObjectName("arbolTemas");
        mArbolTemas->setColumnCount(1);
        mArbolTemas->setRootIsDecorated(true);
        mArbolTemas->setUniformRowHeights(true);
        mArbolTemas->header()->setStretchLastSection(true);
        mArbolTemas->setTextElideMode(Qt::ElideRight);

        connect(mAtras, &QToolButton::clicked, mNavegador, &QTextBrowser::backward);
        connect(mAdelante, &QToolButton::clicked, mNavegador, &QTextBrowser::forward);
        connect(mNavegador, &QTextBrowser::backwardAvailable, mAtras, &QToolButton::setEnabled);
        connect(mNavegador, &QTextBrowser::forwardAvailable, mAdelante, &QToolButton::setEnabled);
        connect(mNavegador, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { Seguir(url); });
        connect(mNavegador, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) { MarcarTema(url); });
        connect(mArbolTemas, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { Elegir(item); });
        connect(mArbolTemas, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { Elegir(item); });
        auto* atras = new QShortcut(QKeySequence::Back, this);
        connect(atras, &QShortcut::activated, mNavegador, &QTextBrowser::backward);
        auto* adelante = new QShortcut(QKeySequence::Forward, this);
        connect(adelante, &QShortcut::activated, mNavegador, &QTextBrowser::forward);
        auto* cerrar = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        connect(cerrar, &QShortcut::activated, this, &QWidget::close);

        mDivisor = new QSplitter(Qt::Horizontal, this);
        mDivisor->addWidget(mArbolTemas);
        mDivisor->addWidget(mNavegador);
        mDivisor->setStretchFactor(1, 1);
        mDivisor->setChildrenCollapsible(false);

        auto* barra = new QHBoxLayout;
        barra->setSpacing(4);
        barra->addWidget(mAtras);
        barra->addWidget(mAdelante);
        barra->addStretch();
        auto* columna = new QVBoxLayout(this);
        columna->setContentsMargins(8, 8, 8, 8);
        columna->setSpacing(6);
        columna->addLayout(barra);
        columna->addWidget(mDivisor, 1);
    }

    void Mostrar(const QString& archivo, int topico) {
        const QString ruta = QFileInfo(archivo).absoluteFilePath();
        if (ruta != mNavegador->ArchivoAbierto()) {
            mNavegador->Abrir(ruta, LeerLibro(ruta));
            mNavegador->clearHistory();
            Rotular();
            LlenarContenido();
        }
        Ir(topico);
        if (!isVisible()) Colocar();
        show();
        raise();
        activateWindow();
    }

private:
    QToolButton* Boton(const char* nombre, QStyle::StandardPixmap icono) {
        auto* boton = new QToolButton(this);
        boton->setObjectName(nombre);
        boton->setIcon(style()->standardIcon(icono));
        boton->setAutoRaise(true);
        boton->setIconSize(QSize(20, 20));
        boton->setEnabled(false);
        return boton;
    }

    // The window's words come from the help file, in its language.
    void Rotular() {
        const LibroAyuda& libro = mNavegador->Libro();
        setWindowTitle(libro.titulo);
        mAtras->setToolTip(libro.rotulos.value(QStringLiteral("atras")));
        mAdelante->setToolTip(libro.rotulos.value(QStringLiteral("adelante")));
        mArbolTemas->setHeaderLabel(libro.rotulos.value(QStringLiteral("contenido")));
        // The arrows have no caption: screen readers call them by their hints.
        mAtras->setAccessibleName(mAtras->toolTip());
        mAdelante->setAccessibleName(mAdelante->toolTip());
        mArbolTemas->setAccessibleName(libro.rotulos.value(QStringLiteral("contenido")));
        mNavegador->setAccessibleName(libro.titulo);
    }

    void LlenarContenido() {
        const LibroAyuda& libro = mNavegador->Libro();
        mArbolTemas->clear();
        auto* portada = new QTreeWidgetItem(mArbolTemas, {libro.portadaTitulo});
        portada->setData(0, Qt::UserRole, 0);
        QFont negrita = portada->font(0);
        negrita.setBold(true);
        portada->setFont(0, negrita);
        for (const Tema& tema : libro.temas) {
            auto* item = new QTreeWidgetItem(mArbolTemas, {tema.titulo});
            item->setData(0, Qt::UserRole, tema.numero);
            item->setToolTip(0, tema.titulo);
            for (const Apartado& apartado : tema.apartados) {
                auto* hijo = new QTreeWidgetItem(item, {apartado.titulo});
                hijo->setData(0, Qt::UserRole, tema.numero);
                hijo->setData(0, Qt::UserRole + 1, apartado.ancla);
                hijo->setToolTip(0, apartado.titulo);
            }
        }
    }

    // A first opening: wide enough for the contents, tall enough to read.
    void Colocar() {
        int ancho = 0;
        const QFontMetrics medida(mArbolTemas->font());
        for (int i = 0; i < mArbolTemas->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = mArbolTemas->topLevelItem(i);
            ancho = std::max(ancho, medida.horizontalAdvance(item->text(0)));
            for (int j = 0; j < item->childCount(); ++j) {
                ancho = std::max(ancho, medida.horizontalAdvance(item->child(j)->text(0)) + mArbolTemas->indentation());
            }
        }
        const int contenido = std::clamp(ancho + mArbolTemas->indentation() + 40, 200, 340);
        const QRect pantalla = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
        const int total = std::min(contenido + 660, pantalla.width() - 40);
        const int alto = std::min(680, pantalla.height() - 60);
        resize(total, alto);
        mDivisor->setSizes({contenido, total - contenido});
        move(pantalla.right() - total - 20, pantalla.top() + 30);
    }

    void Ir(int tema, const QString& ancla = {}) {
        const LibroAyuda& libro = mNavegador->Libro();
        mNavegador->setSource(DireccionTema(mNavegador->ArchivoAbierto(), TieneTema(libro, tema) ? tema : 0, ancla),
                              QTextDocument::HtmlResource);
    }

    // Links inside the help file (an anchor of a topic or of a section) are
    // followed; anything else is not.
    void Seguir(const QUrl& url) {
        const bool interno = (url.isRelative() && url.path().isEmpty()) || MismoArchivo(url, mNavegador->ArchivoAbierto());
        if (!interno || !url.hasFragment()) return;
        const QString ancla = url.fragment();
        static const QRegularExpression tema(QStringLiteral("^topic(\\d+)$"));
        if (const auto m = tema.match(ancla); m.hasMatch()) {
            Ir(m.captured(1).toInt());
        } else if (mNavegador->Libro().temaDeAncla.contains(ancla)) {
            Ir(mNavegador->Libro().temaDeAncla.value(ancla), ancla);
        }
    }

    void Elegir(QTreeWidgetItem* item) {
        if (!item) return;
        const int tema = item->data(0, Qt::UserRole).toInt();
        const QString ancla = item->data(0, Qt::UserRole + 1).toString();
        if (TemaDeDireccion(mNavegador->source()) == tema && mNavegador->source().fragment() == ancla) return;
        Ir(tema, ancla);
    }

    // The contents follow the page shown: its topic, or its section.
    void MarcarTema(const QUrl& url) {
        const int tema = TemaDeDireccion(url);
        const QString ancla = url.fragment();
        QTreeWidgetItem* elegido = nullptr;
        for (int i = 0; i < mArbolTemas->topLevelItemCount() && !elegido; ++i) {
            QTreeWidgetItem* item = mArbolTemas->topLevelItem(i);
            if (item->data(0, Qt::UserRole).toInt() != tema) continue;
            elegido = item;
            for (int j = 0; j < item->childCount(); ++j) {
                if (!ancla.isEmpty() && item->child(j)->data(0, Qt::UserRole + 1).toString() == ancla) {
                    elegido = item->child(j);
                }
            }
            item->setExpanded(true);
        }
        const QSignalBlocker bloqueo(mArbolTemas);
        mArbolTemas->setCurrentItem(elegido);
        if (elegido) mArbolTemas->scrollToItem(elegido);
    }

    QToolButton* mAtras = nullptr;
    QToolButton* mAdelante = nullptr;
    Navegador* mNavegador = nullptr;
    QTreeWidget* mArbolTemas = nullptr;
    QSplitter* mDivisor = nullptr;
};

}  // namespace

void MostrarVisorAyuda(const QString& archivo, int topico) {
    static QPointer<VisorAyudaVentana> visor;
    if (!visor) visor = new VisorAyudaVentana;
    visor->Mostrar(archivo, topico);
}

}  // namespace tarvel
