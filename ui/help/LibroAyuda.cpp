#include "ui/help/LibroAyuda.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QUrlQuery>
#include <algorithm>

namespace tarvel {
namespace {

QString TextoPlano(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

}  // namespace

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

QString Pagina(const LibroAyuda& libro, int numero) {
    QString cuerpo = libro.portada;
    for (const Tema& tema : libro.temas) {
        if (tema.numero == numero) cuerpo = tema.html;
    }
    return libro.prologo + cuerpo + QStringLiteral("</body></html>");
}

QUrl DireccionTema(const QString& archivo, int numero, const QString& ancla) {
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

bool TieneTema(const LibroAyuda& libro, int numero) {
    return std::any_of(libro.temas.begin(), libro.temas.end(), [numero](const Tema& t) { return t.numero == numero; });
}

}  // namespace tarvel
