#pragma once
// The help file as the viewer reads it. It is our own HTML: a front page (the
// part of the body before the first topic), then one <div> per topic that
// starts with its anchor <a name="topicN"></a> and its <h2> heading; the <h3>
// headings inside a topic carry anchors of their own and are its sections.
#include <QHash>
#include <QList>
#include <QString>
#include <QUrl>

namespace tarvel {

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

// The book of a help file; an empty book when the file cannot be read.
LibroAyuda LeerLibro(const QString& ruta);

// The page shown for one topic: the file's head (title, styles) and that
// topic alone, so that the viewer opens each topic at its top as a help
// viewer does. Topic 0, or a topic the file lacks, is the front page.
QString Pagina(const LibroAyuda& libro, int numero);
bool TieneTema(const LibroAyuda& libro, int numero);

// The address of a page: the help file itself, the topic in the query.
QUrl DireccionTema(const QString& archivo, int numero, const QString& ancla = {});
int TemaDeDireccion(const QUrl& url);
bool MismoArchivo(const QUrl& url, const QString& archivo);

}  // namespace tarvel
