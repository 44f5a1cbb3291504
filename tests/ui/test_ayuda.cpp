// The help: every topic the program asks for is in both help files, whose
// links lead nowhere else and which quote the screens' own texts; a topic's
// page holds that topic alone; the viewer opens at the topic, lists the
// contents, follows links back and forward, stays usable beside a modal
// dialog, and loads nothing from outside the help file's folder.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrlQuery>

#include "EntornoUi.h"
#include "app/TablaTextos.h"
#include "app/TopicosAyuda.h"
#include "ui/common/Textos.h"
#include "ui/determination/frmSuelo.h"
#include "ui/help/GuardaAyuda.h"
#include "ui/help/LibroAyuda.h"
#include "ui/shell/Arranque.h"

using namespace tarvel;
using namespace tarvel::prueba;

namespace {

const QString kCarpeta = QStringLiteral(TARVEL_SOURCE_DIR "/resources/help/");
const QString kArchivos[] = {QStringLiteral("AYUDA Nº CURVA.HLP"), QStringLiteral("HELPTARVEL.HLP")};  // by language

QString Leer(const QString& ruta) {
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? QString::fromUtf8(archivo.readAll()) : QString();
}

QStringList Capturas(const QString& texto, const QString& patron) {
    QStringList todas;
    for (auto it = QRegularExpression(patron).globalMatch(texto); it.hasNext();) todas << it.next().captured(1);
    return todas;
}

QWidget* Visor() { return VentanaVisible("VisorAyuda"); }
QTextBrowser* Navegador() { return Hijo<QTextBrowser>(Visor(), "navegador"); }
int TemaMostrado() { return QUrlQuery(Navegador()->source()).queryItemValue("tema").toInt(); }

QStringList Encabezados(int nivel) {
    QStringList encabezados;
    for (QTextBlock b = Navegador()->document()->begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() == nivel) encabezados << b.text().simplified();
    }
    return encabezados;
}

// A click as the window system delivers it, so that a window blocked by a modal one would not get it.
void Clic(QWidget* control, QPoint punto) {
    QWidget* ventana = control->window();
    QTest::mouseClick(ventana->windowHandle(), Qt::LeftButton, Qt::NoModifier, control->mapTo(ventana, punto));
}

// A click where the link to `destino` stands on the page.
void PulsarEnlace(const QString& destino) {
    QTextBrowser* navegador = Navegador();
    for (QTextBlock b = navegador->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorHref() != destino) continue;
            QTextCursor cursor(navegador->document());
            cursor.setPosition(it.fragment().position() + it.fragment().length() / 2);
            navegador->setTextCursor(cursor);
            navegador->ensureCursorVisible();
            return Clic(navegador->viewport(), navegador->cursorRect(cursor).center());
        }
    }
    QFAIL(qPrintable("no link to " + destino));
}

void PulsarContenido(const QString& texto) {
    auto* arbol = Hijo<QTreeWidget>(Visor(), "arbolTemas");
    const auto items = arbol->findItems(texto, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY2(!items.isEmpty(), qPrintable(texto));
    arbol->scrollToItem(items.front());
    Clic(arbol->viewport(), arbol->visualItemRect(items.front()).center());
}

}  // namespace

class PruebaAyuda : public PruebaUi {
    Q_OBJECT

private slots:
    void initTestCase() { SustituirVisorAyuda({}); }  // the real viewer, not the recorder

    void everyTopicIsInBothFilesAndNoLinkLeadsOutside() {
        QCOMPARE(Capturas(Leer(kCarpeta + kArchivos[0]), "<a\\s+name=\"([^\"]+)\""),
                 Capturas(Leer(kCarpeta + kArchivos[1]), "<a\\s+name=\"([^\"]+)\""));
        for (const QString& nombre : kArchivos) {
            const QString html = Leer(kCarpeta + nombre);
            const LibroAyuda libro = LeerLibro(kCarpeta + nombre);
            for (int topico : kTopicosAyuda) {
                QVERIFY2(html.count(QStringLiteral("<a name=\"topic%1\"></a>").arg(topico)) == 1, qPrintable(nombre));
                // A topic's page is that topic alone: its own heading, no other topic, not the front page.
                const QString pagina = Pagina(libro, topico);
                QCOMPARE(Capturas(pagina, "<a name=\"topic(\\d+)\"").join(','), QString::number(topico));
                QVERIFY2(!pagina.contains("<h1") && pagina.contains("<h2"), qPrintable(nombre));
            }
            QVERIFY(Pagina(libro, 0).contains("<h1") && !Pagina(libro, 99).contains("name=\"topic"));
            const QStringList anclas = Capturas(html, "<a\\s+name=\"([^\"]+)\"");
            const QStringList enlaces = Capturas(html, "href\\s*=\\s*\"([^\"]*)\"");
            QVERIFY(enlaces.size() > 40);
            for (const QString& enlace : enlaces) QVERIFY2(anclas.contains(enlace.mid(1)) && enlace.startsWith('#'), qPrintable(enlace));
            for (const char* prohibido : {"src=", "<link", "url(", "http:", "https:", "file:"}) {
                QVERIFY2(!html.contains(prohibido, Qt::CaseInsensitive), qPrintable(nombre + ": " + prohibido));
            }
        }
    }

    // The help names the controls as the screens do, in each language.
    void theHelpQuotesTheScreensOwnTexts() {
        for (const int idioma : {kIdiomaEspanol, kIdiomaIngles}) {
            QTextDocument documento;
            documento.setHtml(Leer(kCarpeta + kArchivos[idioma - 1]));
            const QString ayuda = documento.toPlainText().simplified();
            QList<int> textos{9, 10, 11, 13, 14, 17, 18, 100, 102, 104, 107, 108, 152, 156, 182, 202, 203, 204, 206,
                              207, 208, 209, idioma == kIdiomaEspanol ? 66 : 65};
            // The step-by-step window, the forest and soil dialogs, the series, the
            // runoff window (318, its "?", is not quoted), the peak discharge window.
            for (const auto& [desde, hasta] : {std::pair{20, 64}, {67, 86}, {88, 99}, {183, 200}, {300, 317}, {319, 330},
                                               {600, 647}, {649, 662}, {665, 666}}) {
                for (int n = desde; n <= hasta; ++n) textos << n;
            }
            QStringList faltan = DeUtf8(TextoIdioma(idioma, 201)).split('|', Qt::SkipEmptyParts);
            for (int n : textos) faltan << DeUtf8(TextoIdioma(idioma, n)).remove('&').simplified();
            faltan.removeIf([&ayuda](const QString& texto) { return ayuda.contains(texto); });
            QVERIFY2(faltan.isEmpty(), qPrintable(faltan.join(", ")));
        }
    }

    // Beside the soil dialog, modal, F1 opens its topic alone; the clicks reach
    // the viewer as the window system delivers them.
    void theViewerOpensAtTheTopicAndFollowsTheContentsAndLinks() {
        AbrirMenu();
        QStringList temas;
        QVERIFY(Jugar({Pulsar("cmdAceptar"), Pulsar("cmdAceptar"), Pulsar("cmdDeterminarSuelo"), Tecla(Qt::Key_F1),
                       [&temas] {
                           QVERIFY(Visor() && Visor()->windowTitle() == "Ayuda de Tarvel");
                           QCOMPARE(Encabezados(1) << Encabezados(2), QStringList{"Grupo hidrológico de suelo"});
                           auto* arbol = Hijo<QTreeWidget>(Visor(), "arbolTemas");
                           for (int i = 0; i < arbol->topLevelItemCount(); ++i) temas << arbol->topLevelItem(i)->text(0);
                           PulsarContenido("Textura del suelo");  // a section of the topic
                           QVERIFY(TemaMostrado() == 20 && Navegador()->verticalScrollBar()->value() > 0);
                           PulsarEnlace("#topic10");
                           QCOMPARE(TemaMostrado(), 10);
                           Clic(Hijo(Visor(), "cmdAtras"), QPoint(4, 4));
                           QCOMPARE(TemaMostrado(), 20);
                           Clic(Hijo(Visor(), "cmdAdelante"), QPoint(4, 4));
                           QCOMPARE(TemaMostrado(), 10);
                           PulsarContenido("Bosques y condición hidrológica del bosque");
                           QCOMPARE(TemaMostrado(), 16);
                       },
                       Cerrar(), Cerrar()}));
        // The front page first, then every topic in the order of the file.
        QCOMPARE(temas, QStringList{"Ayuda de Tarvel"} +
                            Capturas(Leer(kCarpeta + kArchivos[0]), "<a name=\"topic\\d+\"></a>\\s*<h2>([^<]+)</h2>"));
        AbrirAyuda(0);
        QCOMPARE(Encabezados(1) << Encabezados(2), QStringList{"Ayuda de Tarvel"});
    }

    void loadsAndFollowsNothingFromOutsideItsFolder() {
        QTemporaryDir raiz;
        QDir(raiz.path()).mkdir("ayuda");
        QImage punto(4, 4, QImage::Format_RGB32);
        QVERIFY(punto.save(raiz.filePath("ayuda/dentro.png")) && punto.save(raiz.filePath("fuera.png")));
        QVERIFY(QFile::link(raiz.filePath("fuera.png"), raiz.filePath("ayuda/disfrazada.png")));
        const GuardaAyuda guarda(raiz.filePath("ayuda/HELPTARVEL.HLP"));
        const QUrl base = QUrl::fromLocalFile(raiz.filePath("ayuda/"));
        QVERIFY(!guarda.Leer(base.resolved(QUrl("dentro.png"))).isEmpty());
        for (const char* fuera : {"../fuera.png", "disfrazada.png", "https://example.org/remota.png"}) {
            QVERIFY2(guarda.Leer(base.resolved(QUrl(fuera))).isEmpty(), fuera);
        }
        QFile archivo(raiz.filePath("ayuda/HELPTARVEL.HLP"));
        QVERIFY(archivo.open(QIODevice::WriteOnly));
        archivo.write("<html><body><h1>T</h1><div><a name=\"topic1\"></a><h2>One</h2><p><a href=\"https://example.org/"
                      "#topic2\">web</a> <a href=\"../fuera.html#topic2\">file</a></p></div><div><a name=\"topic2\"></a>"
                      "<h2>Two</h2></div></body></html>");
        archivo.close();
        EstablecerArchivoAyuda(archivo.fileName());
        AbrirAyuda(1);
        for (const char* enlace : {"https://example.org/#topic2", "../fuera.html#topic2"}) {
            PulsarEnlace(enlace);
            QCOMPARE(Encabezados(2), QStringList{"One"});
        }
    }

    void aMissingHelpFileIsReported() {
        EstablecerArchivoAyuda(QDir::temp().filePath("no-such-folder/HELPTARVEL.HLP"));
        Entorno().Responder(RespuestaMensaje::Aceptar);
        AbrirAyuda(1);
        QVERIFY(Entorno().UltimoMensaje().contains("HELPTARVEL.HLP"));
    }
};

TARVEL_PRUEBA_UI(PruebaAyuda)
#include "test_ayuda.moc"
