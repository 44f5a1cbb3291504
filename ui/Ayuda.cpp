#include "ui/Ayuda.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrlQuery>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

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

// ---------------------------------------------------------------------------
// The help file as the viewer reads it. It is our own HTML: a front page (the
// part of the body before the first topic), then one <div> per topic that
// starts with its anchor <a name="topicN"></a> and its <h2> heading; the <h3>
// headings inside a topic carry anchors of their own and are its sections.

struct Apartado {
    QString ancla;
    QString titulo;
};

struct Tema {
    int numero = 0;
    QString titulo;
    QString html;
    QList<Apartado> apartados;
};

struct LibroAyuda {
    QString titulo;                 // <title>
    QString portadaTitulo;          // <h1> of the front page
    QString prologo;                // from the start of the file to the end of <body ...>
    QString portada;                // the front page's body
    QList<Tema> temas;              // in the order of the file
    QHash<QString, int> temaDeAncla;  // every anchor of the file -> the topic that holds it (0: front page)
    QHash<QString, QString> rotulos;  // the viewer's own words: <meta name="..." content="...">
};

QString TextoPlano(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

LibroAyuda LeerLibro(const QString& ruta) {
    LibroAyuda libro;
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly)) return libro;
    const QString html = QString::fromUtf8(archivo.readAll());

    static const QRegularExpression titulo(QStringLiteral("<title>(.*?)</title>"),
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::DotMatchesEverythingOption);
    if (const auto m = titulo.match(html); m.hasMatch()) libro.titulo = TextoPlano(m.captured(1));

    static const QRegularExpression meta(
        QStringLiteral("<meta\\s+name=\"([^\"]+)\"\\s+content=\"([^\"]*)\"\\s*/?>"),
        QRegularExpression::CaseInsensitiveOption);
    for (auto it = meta.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        libro.rotulos.insert(m.captured(1), TextoPlano(m.captured(2)));
    }

    static const QRegularExpression cuerpo(QStringLiteral("<body[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    const auto inicio = cuerpo.match(html);
    if (!inicio.hasMatch()) return libro;
    libro.prologo = html.left(inicio.capturedEnd());
    qsizetype fin = html.lastIndexOf(QLatin1String("</body>"), -1, Qt::CaseInsensitive);
    if (fin < inicio.capturedEnd()) fin = html.size();
    const QString contenido = html.mid(inicio.capturedEnd(), fin - inicio.capturedEnd());

    // Each topic begins at the <div> that opens right before its anchor.
    static const QRegularExpression ancla(QStringLiteral("<a\\s+name=\"topic(\\d+)\"\\s*>\\s*</a>"),
                                          QRegularExpression::CaseInsensitiveOption);
    QList<std::pair<qsizetype, int>> comienzos;
    for (auto it = ancla.globalMatch(contenido); it.hasNext();) {
        const auto m = it.next();
        const qsizetype div = contenido.lastIndexOf(QLatin1String("<div"), m.capturedStart(), Qt::CaseInsensitive);
        // An anchor without a <div> of its own starts its topic by itself.
        const bool propio = div >= 0 && (comienzos.isEmpty() || div > comienzos.back().first);
        comienzos.append({propio ? div : m.capturedStart(), m.captured(1).toInt()});
    }
    libro.portada = contenido.left(comienzos.isEmpty() ? contenido.size() : comienzos.front().first);

    static const QRegularExpression h1(QStringLiteral("<h1[^>]*>(.*?)</h1>"),
                                       QRegularExpression::CaseInsensitiveOption |
                                           QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression h2(QStringLiteral("<h2[^>]*>(.*?)</h2>"),
                                       QRegularExpression::CaseInsensitiveOption |
                                           QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression h3(
        QStringLiteral("<h3[^>]*>\\s*<a\\s+name=\"([^\"]+)\"\\s*>\\s*</a>(.*?)</h3>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression nombre(QStringLiteral("<a\\s+name=\"([^\"]+)\""),
                                           QRegularExpression::CaseInsensitiveOption);

    if (const auto m = h1.match(libro.portada); m.hasMatch()) libro.portadaTitulo = TextoPlano(m.captured(1));
    for (auto it = nombre.globalMatch(libro.portada); it.hasNext();) libro.temaDeAncla.insert(it.next().captured(1), 0);

    for (qsizetype i = 0; i < comienzos.size(); ++i) {
        const qsizetype desde = comienzos[i].first;
        const qsizetype hasta = i + 1 < comienzos.size() ? comienzos[i + 1].first : contenido.size();
        Tema tema;
        tema.numero = comienzos[i].second;
        tema.html = contenido.mid(desde, hasta - desde);
        if (const auto m = h2.match(tema.html); m.hasMatch()) tema.titulo = TextoPlano(m.captured(1));
        for (auto it = h3.globalMatch(tema.html); it.hasNext();) {
            const auto m = it.next();
            tema.apartados.append({m.captured(1), TextoPlano(m.captured(2))});
        }
        for (auto it = nombre.globalMatch(tema.html); it.hasNext();) {
            libro.temaDeAncla.insert(it.next().captured(1), tema.numero);
        }
        libro.temas.append(tema);
    }
    return libro;
}

// ---------------------------------------------------------------------------
// The page shown for one topic: the file's head (title, styles) and that
// topic alone, so that the viewer opens each topic at its top as a help
// viewer does. Topic 0 is the front page.

QString Pagina(const LibroAyuda& libro, int numero) {
    QString cuerpo = libro.portada;
    for (const Tema& tema : libro.temas) {
        if (tema.numero == numero) cuerpo = tema.html;
    }
    return libro.prologo + cuerpo + QStringLiteral("</body></html>");
}

// The address of a page: the help file itself, the topic in the query.
QUrl DireccionTema(const QString& archivo, int numero, const QString& ancla = {}) {
    QUrl url = QUrl::fromLocalFile(archivo);
    QUrlQuery consulta;
    consulta.addQueryItem(QStringLiteral("tema"), QString::number(numero));
    url.setQuery(consulta);
    if (!ancla.isEmpty()) url.setFragment(ancla);
    return url;
}

bool MismoArchivo(const QUrl& url, const QString& archivo) {
    return url.isLocalFile() && QFileInfo(url.toLocalFile()) == QFileInfo(archivo);
}

int TemaDeDireccion(const QUrl& url) {
    bool ok = false;
    const int numero = QUrlQuery(url).queryItemValue(QStringLiteral("tema")).toInt(&ok);
    return ok ? numero : 0;
}

// The browser of the viewer: it reads the help file's pages from the book and
// loads nothing that lies outside the help file's folder: no remote address,
// no file elsewhere on the disk.
class Navegador : public QTextBrowser {
public:
    explicit Navegador(QWidget* padre) : QTextBrowser(padre) {}

    void Abrir(const QString& archivo, LibroAyuda libro) {
        archivo_ = QFileInfo(archivo).absoluteFilePath();
        carpeta_ = QFileInfo(archivo_).absoluteDir().canonicalPath();
        libro_ = std::move(libro);
    }
    const LibroAyuda& Libro() const { return libro_; }
    const QString& ArchivoAbierto() const { return archivo_; }

    QVariant loadResource(int tipo, const QUrl& nombre) override {
        const QUrl url = nombre.isRelative() ? source().resolved(nombre) : nombre;
        if (tipo == QTextDocument::HtmlResource && MismoArchivo(url, archivo_)) {
            return Pagina(libro_, TemaDeDireccion(url));
        }
        // Anything refused is answered with nothing at all; a null answer
        // would let the document go and read the file by itself.
        if (!url.isLocalFile() || carpeta_.isEmpty()) return QByteArray();
        const QString ruta = QFileInfo(url.toLocalFile()).canonicalFilePath();
        if (ruta.isEmpty() || !ruta.startsWith(carpeta_ + QLatin1Char('/'))) return QByteArray();
        QFile recurso(ruta);
        if (!recurso.open(QIODevice::ReadOnly)) return QByteArray();
        return recurso.readAll();
    }

private:
    QString archivo_;
    QString carpeta_;
    LibroAyuda libro_;
};

// One help window for the whole run, reused by every request. It is not
// modal and has no owner, so it stays usable beside the program's windows
// (they are modal to their owners only). The contents on the left list the
// file's topics and their sections; links lead from topic to topic and never
// out of the help file.
class VisorAyuda : public QWidget {
public:
    VisorAyuda() {
        setObjectName("VisorAyuda");
        setAttribute(Qt::WA_DeleteOnClose);
        setAttribute(Qt::WA_QuitOnClose, false);

        cmdAtras_ = Boton("cmdAtras", QStyle::SP_ArrowBack);
        cmdAdelante_ = Boton("cmdAdelante", QStyle::SP_ArrowForward);

        navegador_ = new Navegador(this);
        navegador_->setObjectName("navegador");
        navegador_->setOpenLinks(false);
        navegador_->setOpenExternalLinks(false);
        navegador_->document()->setDocumentMargin(14);

        arbolTemas_ = new QTreeWidget(this);
        arbolTemas_->setObjectName("arbolTemas");
        arbolTemas_->setColumnCount(1);
        arbolTemas_->setRootIsDecorated(true);
        arbolTemas_->setUniformRowHeights(true);
        arbolTemas_->header()->setStretchLastSection(true);
        arbolTemas_->setTextElideMode(Qt::ElideRight);

        connect(cmdAtras_, &QToolButton::clicked, navegador_, &QTextBrowser::backward);
        connect(cmdAdelante_, &QToolButton::clicked, navegador_, &QTextBrowser::forward);
        connect(navegador_, &QTextBrowser::backwardAvailable, cmdAtras_, &QToolButton::setEnabled);
        connect(navegador_, &QTextBrowser::forwardAvailable, cmdAdelante_, &QToolButton::setEnabled);
        connect(navegador_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { Seguir(url); });
        connect(navegador_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) { MarcarTema(url); });
        connect(arbolTemas_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { Elegir(item); });
        connect(arbolTemas_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { Elegir(item); });
        auto* atras = new QShortcut(QKeySequence::Back, this);
        connect(atras, &QShortcut::activated, navegador_, &QTextBrowser::backward);
        auto* adelante = new QShortcut(QKeySequence::Forward, this);
        connect(adelante, &QShortcut::activated, navegador_, &QTextBrowser::forward);
        auto* cerrar = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        connect(cerrar, &QShortcut::activated, this, &QWidget::close);

        divisor_ = new QSplitter(Qt::Horizontal, this);
        divisor_->addWidget(arbolTemas_);
        divisor_->addWidget(navegador_);
        divisor_->setStretchFactor(1, 1);
        divisor_->setChildrenCollapsible(false);

        auto* barra = new QHBoxLayout;
        barra->setSpacing(4);
        barra->addWidget(cmdAtras_);
        barra->addWidget(cmdAdelante_);
        barra->addStretch();
        auto* columna = new QVBoxLayout(this);
        columna->setContentsMargins(8, 8, 8, 8);
        columna->setSpacing(6);
        columna->addLayout(barra);
        columna->addWidget(divisor_, 1);
    }

    void Mostrar(const QString& archivo, int topico) {
        const QString ruta = QFileInfo(archivo).absoluteFilePath();
        if (ruta != navegador_->ArchivoAbierto()) {
            navegador_->Abrir(ruta, LeerLibro(ruta));
            navegador_->clearHistory();
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
        const LibroAyuda& libro = navegador_->Libro();
        setWindowTitle(libro.titulo);
        cmdAtras_->setToolTip(libro.rotulos.value(QStringLiteral("atras")));
        cmdAdelante_->setToolTip(libro.rotulos.value(QStringLiteral("adelante")));
        arbolTemas_->setHeaderLabel(libro.rotulos.value(QStringLiteral("contenido")));
    }

    void LlenarContenido() {
        const LibroAyuda& libro = navegador_->Libro();
        arbolTemas_->clear();
        auto* portada = new QTreeWidgetItem(arbolTemas_, {libro.portadaTitulo});
        portada->setData(0, Qt::UserRole, 0);
        QFont negrita = portada->font(0);
        negrita.setBold(true);
        portada->setFont(0, negrita);
        for (const Tema& tema : libro.temas) {
            auto* item = new QTreeWidgetItem(arbolTemas_, {tema.titulo});
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
        const QFontMetrics medida(arbolTemas_->font());
        for (int i = 0; i < arbolTemas_->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = arbolTemas_->topLevelItem(i);
            ancho = std::max(ancho, medida.horizontalAdvance(item->text(0)));
            for (int j = 0; j < item->childCount(); ++j) {
                ancho = std::max(ancho, medida.horizontalAdvance(item->child(j)->text(0)) + arbolTemas_->indentation());
            }
        }
        const int contenido = std::clamp(ancho + arbolTemas_->indentation() + 40, 200, 340);
        const QRect pantalla = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
        const int total = std::min(contenido + 660, pantalla.width() - 40);
        const int alto = std::min(680, pantalla.height() - 60);
        resize(total, alto);
        divisor_->setSizes({contenido, total - contenido});
        move(pantalla.right() - total - 20, pantalla.top() + 30);
    }

    void Ir(int tema, const QString& ancla = {}) {
        const LibroAyuda& libro = navegador_->Libro();
        const bool existe = std::any_of(libro.temas.begin(), libro.temas.end(),
                                        [tema](const Tema& t) { return t.numero == tema; });
        navegador_->setSource(DireccionTema(navegador_->ArchivoAbierto(), existe ? tema : 0, ancla),
                              QTextDocument::HtmlResource);
    }

    // Links inside the help file (an anchor of a topic or of a section) are
    // followed; anything else is not.
    void Seguir(const QUrl& url) {
        const bool interno = (url.isRelative() && url.path().isEmpty()) || MismoArchivo(url, navegador_->ArchivoAbierto());
        if (!interno || !url.hasFragment()) return;
        const QString ancla = url.fragment();
        static const QRegularExpression tema(QStringLiteral("^topic(\\d+)$"));
        if (const auto m = tema.match(ancla); m.hasMatch()) {
            Ir(m.captured(1).toInt());
        } else if (navegador_->Libro().temaDeAncla.contains(ancla)) {
            Ir(navegador_->Libro().temaDeAncla.value(ancla), ancla);
        }
    }

    void Elegir(QTreeWidgetItem* item) {
        if (!item) return;
        const int tema = item->data(0, Qt::UserRole).toInt();
        const QString ancla = item->data(0, Qt::UserRole + 1).toString();
        if (TemaDeDireccion(navegador_->source()) == tema && navegador_->source().fragment() == ancla) return;
        Ir(tema, ancla);
    }

    // The contents follow the page shown: its topic, or its section.
    void MarcarTema(const QUrl& url) {
        const int tema = TemaDeDireccion(url);
        const QString ancla = url.fragment();
        QTreeWidgetItem* elegido = nullptr;
        for (int i = 0; i < arbolTemas_->topLevelItemCount() && !elegido; ++i) {
            QTreeWidgetItem* item = arbolTemas_->topLevelItem(i);
            if (item->data(0, Qt::UserRole).toInt() != tema) continue;
            elegido = item;
            for (int j = 0; j < item->childCount(); ++j) {
                if (!ancla.isEmpty() && item->child(j)->data(0, Qt::UserRole + 1).toString() == ancla) {
                    elegido = item->child(j);
                }
            }
            item->setExpanded(true);
        }
        const QSignalBlocker bloqueo(arbolTemas_);
        arbolTemas_->setCurrentItem(elegido);
        if (elegido) arbolTemas_->scrollToItem(elegido);
    }

    QToolButton* cmdAtras_ = nullptr;
    QToolButton* cmdAdelante_ = nullptr;
    Navegador* navegador_ = nullptr;
    QTreeWidget* arbolTemas_ = nullptr;
    QSplitter* divisor_ = nullptr;
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
