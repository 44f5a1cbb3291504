// The help: every topic the program asks for is in both help files, every
// link inside them leads somewhere, they quote the screens' own texts, and the
// viewer opens at the topic, lists the contents, follows links, goes back and
// forward, stays usable beside a modal dialog and loads nothing from outside
// the help file's folder.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrlQuery>
#include <map>

#include "EntornoUi.h"
#include "app/TablaTextos.h"
#include "app/TopicosAyuda.h"
#include "ui/Arranque.h"
#include "ui/Ayuda.h"
#include "ui/Textos.h"
#include "ui/frmSuelo.h"

using namespace tarvel;
using namespace tarvel::prueba;

namespace {

const QString kCarpetaAyuda = QStringLiteral(TARVEL_SOURCE_DIR "/resources/help");
const QString kEspanol = QStringLiteral("AYUDA Nº CURVA.HLP");
const QString kIngles = QStringLiteral("HELPTARVEL.HLP");

QString Leer(const QString& ruta) {
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(ruta));
    return QString::fromUtf8(archivo.readAll());
}

QString Ayuda(const QString& nombre) { return Leer(kCarpetaAyuda + "/" + nombre); }

QList<QString> Capturas(const QString& texto, const QString& patron) {
    QList<QString> todas;
    const QRegularExpression expresion(patron);
    for (auto it = expresion.globalMatch(texto); it.hasNext();) todas << it.next().captured(1);
    return todas;
}

QString TextoPlano(const QString& html) {
    QTextDocument documento;
    documento.setHtml(html);
    return documento.toPlainText().simplified();
}

// ----- the viewer, as a user meets it ----------------------------------------

QWidget* Visor() {
    for (QWidget* ventana : QApplication::topLevelWidgets()) {
        if (ventana->objectName() == "VisorAyuda" && ventana->isVisible()) return ventana;
    }
    return nullptr;
}


QTextBrowser* Navegador() { return Hijo<QTextBrowser>(Visor(), "navegador"); }
QTreeWidget* Contenido() { return Hijo<QTreeWidget>(Visor(), "arbolTemas"); }

int TemaMostrado() { return QUrlQuery(Navegador()->source()).queryItemValue("tema").toInt(); }

// The headings of the page shown, in order.
QStringList Encabezados(int nivel) {
    QStringList encabezados;
    for (QTextBlock b = Navegador()->document()->begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() == nivel) encabezados << b.text().simplified();
    }
    return encabezados;
}

// A click as the window system delivers it, so that a window blocked by a
// modal one would not get it.
void Pulsar(QWidget* control, QPoint punto) {
    QWidget* ventana = control->window();
    QTest::mouseClick(ventana->windowHandle(), Qt::LeftButton, Qt::NoModifier, control->mapTo(ventana, punto));
}

// A click on the link whose target is `destino`, where it stands on the page.
bool PulsarEnlace(const QString& destino) {
    QTextBrowser* navegador = Navegador();
    for (QTextBlock b = navegador->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment trozo = it.fragment();
            if (trozo.charFormat().anchorHref() != destino) continue;
            QTextCursor cursor(navegador->document());
            cursor.setPosition(trozo.position() + trozo.length() / 2);
            navegador->setTextCursor(cursor);
            navegador->ensureCursorVisible();
            const QPoint punto = navegador->cursorRect(cursor).center();
            Pulsar(navegador->viewport(), punto);
            return true;
        }
    }
    return false;
}

void PulsarContenido(QTreeWidgetItem* item) {
    QTreeWidget* arbol = Contenido();
    arbol->scrollToItem(item);
    Pulsar(arbol->viewport(), arbol->visualItemRect(item).center());
}

QTreeWidgetItem* ItemDeContenido(const QString& texto) {
    const auto items = Contenido()->findItems(texto, Qt::MatchExactly | Qt::MatchRecursive);
    return items.isEmpty() ? nullptr : items.front();
}

void AbrirEn(const QString& idioma, int topico) {
    if (idioma == "en") Entorno().GuardarIdiomaAlmacenado("English");
    ResolverIdiomaDeArranque();
    ElegirArchivoAyuda();
    AbrirAyuda(topico);
}

}  // namespace

class PruebaAyuda : public PruebaUi {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The real viewer, not the recorder the other window tests use.
        SustituirVisorAyuda({});
    }

    // ----- the help files ------------------------------------------------------

    void everyTopicOfTheProgramHasItsAnchorInBothFiles() {
        for (const QString& nombre : {kEspanol, kIngles}) {
            const QString html = Ayuda(nombre);
            for (int topico : kTopicosAyuda) {
                const QString ancla = QStringLiteral("<a name=\"topic%1\"></a>").arg(topico);
                QVERIFY2(html.count(ancla) == 1, qPrintable(nombre + ": " + ancla));
                const QRegularExpression enSuDiv(QStringLiteral("<div>\\s*") + QRegularExpression::escape(ancla) + "\\s*<h2");
                QVERIFY2(enSuDiv.match(html).hasMatch(), qPrintable(nombre + ": topic " + QString::number(topico) + " opens a <div> with its heading"));
            }
        }
    }

    void everyLinkInsideTheFilesResolves() {
        for (const QString& nombre : {kEspanol, kIngles}) {
            const QString html = Ayuda(nombre);
            const QList<QString> nombres = Capturas(html, "<a\\s+name=\"([^\"]+)\"");
            const QSet<QString> anclas(nombres.begin(), nombres.end());
            const QList<QString> enlaces = Capturas(html, "href\\s*=\\s*\"([^\"]*)\"");
            QVERIFY(enlaces.size() > 40);
            for (const QString& enlace : enlaces) {
                QVERIFY2(enlace.startsWith('#') && anclas.contains(enlace.mid(1)), qPrintable(nombre + ": " + enlace));
            }
            // Nothing is fetched from anywhere: no pictures, style sheets or addresses.
            for (const char* prohibido : {"src=", "<link", "url(", "http:", "https:", "file:"}) {
                QVERIFY2(!html.contains(prohibido, Qt::CaseInsensitive), qPrintable(nombre + ": " + prohibido));
            }
        }
    }

    void bothLanguagesHaveTheSameTopicsAndSections() {
        const QString anclas = "<a\\s+name=\"([^\"]+)\"";
        QCOMPARE(Capturas(Ayuda(kEspanol), anclas), Capturas(Ayuda(kIngles), anclas));
        QCOMPARE(Capturas(Ayuda(kEspanol), "<title>([^<]+)</title>"), QList<QString>{"Ayuda de Tarvel"});
        QCOMPARE(Capturas(Ayuda(kIngles), "<title>([^<]+)</title>"), QList<QString>{"Tarvel help"});
    }

    // The help names the controls as the screens do, in each language.
    void theHelpQuotesTheScreensOwnTexts_data() {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("archivo");
        QTest::newRow("Spanish") << kIdiomaEspanol << kEspanol;
        QTest::newRow("English") << kIdiomaIngles << kIngles;
    }
    void theHelpQuotesTheScreensOwnTexts() {
        QFETCH(int, idioma);
        QFETCH(QString, archivo);
        const QString ayuda = TextoPlano(Ayuda(archivo));
        QList<int> textos{9, 10, 11, 13, 14, 17, 18, 203, 204, 206, 207, 208};  // main menu, method choice
        for (int n = 20; n <= 64; ++n) textos << n;                          // step-by-step window
        textos << (idioma == kIdiomaEspanol ? 66 : 65);                      // its third condition
        for (int n = 67; n <= 86; ++n) textos << n;                          // forest and soil dialogs
        for (int n = 88; n <= 99; ++n) textos << n;
        textos << 100 << 102 << 104 << 107 << 108 << 152 << 156 << 182 << 202;  // table screen
        for (int n = 183; n <= 200; ++n) textos << n;                        // series
        textos << 209;
        for (int n = 300; n <= 330; ++n) {                                    // runoff window; 318 names "?"
            if (n != 318) textos << n;
        }
        QStringList faltan;
        for (int n : textos) {
            const QString texto = DeUtf8(TextoIdioma(idioma, n)).remove('&').simplified();
            if (!texto.isEmpty() && !ayuda.contains(texto)) faltan << QStringLiteral("%1 \"%2\"").arg(n).arg(texto);
        }
        for (const QString& cabecera : DeUtf8(TextoIdioma(idioma, 201)).split('|', Qt::SkipEmptyParts)) {
            if (!ayuda.contains(cabecera)) faltan << "201 " + cabecera;
        }
        QVERIFY2(faltan.isEmpty(), qPrintable(faltan.join(", ")));
    }

    // ----- the viewer ------------------------------------------------------------

    void opensAtTheTopicAlone_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<int>("topico");
        QTest::addColumn<QString>("encabezado");
        QTest::addColumn<QString>("titulo");
        QTest::newRow("woods, Spanish") << "es" << 16 << "Bosques y condición hidrológica del bosque" << "Ayuda de Tarvel";
        QTest::newRow("soil dialog, Spanish") << "es" << 20 << "Grupo hidrológico de suelo" << "Ayuda de Tarvel";
        QTest::newRow("series, English") << "en" << 60 << "Progressive series of the curve number" << "Tarvel help";
        QTest::newRow("main menu, English") << "en" << 1 << "Main menu and choice of method" << "Tarvel help";
        QTest::newRow("no topic: the front page") << "en" << 0 << "" << "Tarvel help";
        QTest::newRow("an unknown topic: the front page") << "es" << 99 << "" << "Ayuda de Tarvel";
    }
    void opensAtTheTopicAlone() {
        QFETCH(QString, idioma);
        QFETCH(int, topico);
        QFETCH(QString, encabezado);
        QFETCH(QString, titulo);
        AbrirEn(idioma, topico);
        QVERIFY(Visor());
        QCOMPARE(Visor()->windowTitle(), titulo);
        if (encabezado.isEmpty()) {
            QCOMPARE(Encabezados(1), QStringList{titulo});
            QCOMPARE(Encabezados(2), QStringList{});
        } else {
            QCOMPARE(Encabezados(2), QStringList{encabezado});
            QCOMPARE(Navegador()->verticalScrollBar()->value(), 0);
            QCOMPARE(Contenido()->currentItem()->text(0), encabezado);
        }
    }

    void theContentsListEveryTopicInTheOrderOfTheFile() {
        AbrirEn("en", 1);
        const QString html = Ayuda(kIngles);
        const QList<QString> temas = Capturas(html, "<a name=\"topic\\d+\"></a>\\s*<h2>([^<]+)</h2>");
        QTreeWidget* arbol = Contenido();
        QCOMPARE(arbol->topLevelItemCount(), temas.size() + 1);
        QCOMPARE(arbol->topLevelItem(0)->text(0), QString("Tarvel help"));
        for (int i = 0; i < temas.size(); ++i) QCOMPARE(arbol->topLevelItem(i + 1)->text(0), temas[i]);
        QTreeWidgetItem* serie = ItemDeContenido("Progressive series of the curve number");
        QStringList apartados;
        for (int i = 0; i < serie->childCount(); ++i) apartados << serie->child(i)->text(0);
        QVERIFY2(apartados.contains("Reading the results") && apartados.contains("The mean change per year"), qPrintable(apartados.join(", ")));
    }

    void theContentsOpenATopicOrASection() {
        AbrirEn("es", 1);
        PulsarContenido(ItemDeContenido("Vegetación de zonas áridas y semiáridas"));
        QCOMPARE(TemaMostrado(), 50);
        QCOMPARE(Encabezados(2), QStringList{"Vegetación de zonas áridas y semiáridas"});

        PulsarContenido(ItemDeContenido("Textura del suelo"));
        QCOMPARE(TemaMostrado(), 20);
        QCOMPARE(Navegador()->source().fragment(), QString("textura"));
        QVERIFY(Navegador()->verticalScrollBar()->value() > 0);
        QCOMPARE(Contenido()->currentItem()->text(0), QString("Textura del suelo"));
    }

    void followsLinksThenGoesBackAndForward() {
        AbrirEn("en", 1);
        QToolButton* atras = Hijo<QToolButton>(Visor(), "cmdAtras");
        QToolButton* adelante = Hijo<QToolButton>(Visor(), "cmdAdelante");
        QVERIFY(!atras->isEnabled());

        QVERIFY(PulsarEnlace("#topic60"));
        QCOMPARE(TemaMostrado(), 60);
        QVERIFY(atras->isEnabled());
        QVERIFY(PulsarEnlace("#numero-curva"));  // a section of another topic
        QCOMPARE(TemaMostrado(), 1);
        QCOMPARE(Contenido()->currentItem()->text(0), QString("What the curve number is"));
        QVERIFY(Navegador()->verticalScrollBar()->value() > 0);

        Pulsar(atras, atras->rect().center());
        QCOMPARE(TemaMostrado(), 60);
        QCOMPARE(Contenido()->currentItem()->text(0), QString("Progressive series of the curve number"));
        Pulsar(atras, atras->rect().center());
        QCOMPARE(TemaMostrado(), 1);
        QVERIFY(!atras->isEnabled());
        QVERIFY(adelante->isEnabled());
        Pulsar(adelante, adelante->rect().center());
        QCOMPARE(TemaMostrado(), 60);

        // A new request from the program opens its topic in the same window.
        AbrirAyuda(13);
        QCOMPARE(TemaMostrado(), 13);
        QCOMPARE(Encabezados(2), QStringList{"Brush"});
    }

    void staysUsableBesideAModalDialog() {
        ResolverIdiomaDeArranque();
        ElegirArchivoAyuda();
        QWidget ventana;
        ventana.show();
        frmSuelo suelo(&ventana);
        bool navego = false;
        AlAbrir([&] {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &suelo, Qt::Key_F1);
            QVERIFY(Visor());
            QCOMPARE(TemaMostrado(), 20);
            PulsarContenido(ItemDeContenido("Bosques y condición hidrológica del bosque"));
            navego = TemaMostrado() == 16;
            Visor()->close();
            suelo.reject();
        });
        suelo.exec();
        QVERIFY(navego);
    }

    void loadsNothingFromOutsideItsFolder() {
        QTemporaryDir raiz;
        QDir(raiz.path()).mkdir("ayuda");
        const QString carpeta = raiz.filePath("ayuda");
        QImage punto(4, 4, QImage::Format_RGB32);
        punto.fill(Qt::darkGreen);
        QVERIFY(punto.save(carpeta + "/dentro.png"));
        QVERIFY(punto.save(raiz.filePath("fuera.png")));
        QVERIFY(QFile::link(raiz.filePath("fuera.png"), carpeta + "/disfrazada.png"));
        QFile pagina(raiz.filePath("fuera.html"));
        QVERIFY(pagina.open(QIODevice::WriteOnly));
        pagina.write("<html><body><h2>Outside</h2></body></html>");
        pagina.close();

        const QString fuera = QUrl::fromLocalFile(raiz.filePath("fuera.png")).toString();
        QFile archivo(carpeta + "/HELPTARVEL.HLP");
        QVERIFY(archivo.open(QIODevice::WriteOnly));
        archivo.write(QStringLiteral(
                          "<html><head><title>T</title></head><body><h1>T</h1><div>\n<a name=\"topic1\"></a>\n<h2>One</h2>"
                          "<p><img src=\"dentro.png\"><img src=\"../fuera.png\"><img src=\"%1\"><img src=\"disfrazada.png\">"
                          "<img src=\"https://example.org/remota.png\"></p>"
                          "<p><a href=\"https://example.org/\">web</a> <a href=\"../fuera.html\">file</a> "
                          "<a href=\"%2\">page</a></p></div></body></html>")
                          .arg(fuera, QUrl::fromLocalFile(raiz.filePath("fuera.html")).toString())
                          .toUtf8());
        archivo.close();

        EstablecerArchivoAyuda(carpeta + "/HELPTARVEL.HLP");
        AbrirAyuda(1);
        QTextDocument* documento = Navegador()->document();
        const auto cargado = [&](const QString& nombre) {
            const QVariant recurso = documento->resource(QTextDocument::ImageResource, QUrl(nombre));
            return !recurso.toByteArray().isEmpty() || !recurso.value<QImage>().isNull();
        };
        QVERIFY(cargado("dentro.png"));
        QVERIFY(!cargado("../fuera.png"));
        QVERIFY(!cargado(fuera));
        QVERIFY(!cargado("disfrazada.png"));
        QVERIFY(!cargado("https://example.org/remota.png"));

        for (const QString& enlace : {QStringLiteral("https://example.org/"), QStringLiteral("../fuera.html"),
                                      QUrl::fromLocalFile(raiz.filePath("fuera.html")).toString()}) {
            QVERIFY2(PulsarEnlace(enlace), qPrintable(enlace));
            QCOMPARE(TemaMostrado(), 1);
            QCOMPARE(Encabezados(2), QStringList{"One"});
        }
    }

    void aMissingHelpFileIsReported() {
        EstablecerArchivoAyuda(QDir::temp().filePath("no-such-folder/HELPTARVEL.HLP"));
        Entorno().Responder(RespuestaMensaje::Aceptar);
        AbrirAyuda(1);
        QVERIFY(!Visor());
        QVERIFY(Entorno().Vistos().back().texto.contains("HELPTARVEL.HLP"));
    }
};

TARVEL_PRUEBA_UI(PruebaAyuda)
#include "test_ayuda.moc"
