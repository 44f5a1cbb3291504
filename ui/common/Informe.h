#pragma once
// A report for paper: a title, a heading block of labelled values, sections
// with paragraphs, tables and pictures, laid out on the pages of whatever it
// is painted on (an A4 PDF, a printer). Every page carries a foot line with
// the report's own text on the left and "page n of m" on the right, and the
// pages after the first the title at their head. Tables wrap their cells and
// go on over the next page with their heading row repeated; a word wider than
// its column breaks rather than being cut; a section heading never ends a
// page. Pictures are painted by a function of the caller, into the rectangle
// the layout gives them, so that any drawing (a chart) can go into a report.
//
//   Informe informe(T(...));
//   informe.Dato(T(...), QStringLiteral("2025-05-06"));
//   informe.Seccion(T(...));
//   informe.AnadirTabla({.cabecera = {...}, .filas = {...}, .alineacion = {...}});
//   informe.Dibujo(80, [](QPainter& p, const QRectF& r) { ... });
//   GuardarPdf(informe, ruta);
#include <QPagedPaintDevice>
#include <QString>
#include <QStringList>
#include <expected>
#include <functional>
#include <variant>
#include <vector>

#include "app/ModeloInforme.h"

class QPainter;
class QRectF;
class QWidget;

namespace tarvel {

class Informe {
public:
    struct Tabla {
        QStringList cabecera;
        std::vector<QStringList> filas;
        std::vector<Qt::Alignment> alineacion;  // per column; left where not given
        int filasFinalesNegrita = 0;            // the last rows in bold (totals)
    };
    using Pintor = std::function<void(QPainter& pintor, const QRectF& rectangulo)>;

    explicit Informe(QString titulo);
    // Everything a report model says (app/ModeloInforme.h), in its order.
    explicit Informe(const ModeloInforme& modelo);

    // One line of the heading block under the title: a label and its value.
    void Dato(const QString& etiqueta, const QString& valor);
    void Seccion(const QString& titulo);
    void Parrafo(const QString& texto);
    // A small note in grey, for what a table's figures mean.
    void Nota(const QString& texto);
    void AnadirTabla(Tabla tabla);
    // A picture as wide as the text and `altoMm` millimetres high (less when
    // a page is not that high), painted by `pintor` in device units.
    void Dibujo(double altoMm, Pintor pintor);

    // The left of every page's foot line; the right reads `plantillaPagina`
    // with %1 the page and %2 the pages ("Page %1 of %2").
    void Pie(const QString& texto, const QString& plantillaPagina);

    // Lays the report out on the device's pages (its page layout as it is)
    // and paints it. The number of pages.
    int Pintar(QPagedPaintDevice& dispositivo) const;

private:
    struct Seccion_ { QString titulo; };
    struct Parrafo_ { QString texto; bool nota; };
    struct Dibujo_ { double altoMm; Pintor pintor; };
    using Bloque = std::variant<Seccion_, Parrafo_, Tabla, Dibujo_>;

    QString mTitulo;
    std::vector<std::pair<QString, QString>> mDatos;
    std::vector<Bloque> mBloques;
    QString mPie;
    QString mPlantillaPagina = QStringLiteral("%1 / %2");
};

// The report as an A4 portrait PDF, 20 mm margins, written whole to a
// temporary file that replaces `ruta` only when complete (QSaveFile): a
// failure leaves the previous file as it was and gives the reason.
std::expected<void, QString> GuardarPdf(const Informe& informe, const QString& ruta, const QString& tituloDocumento);

// The system print dialog, then the report on the printer chosen; nothing
// when the user cancels.
void ImprimirInforme(const Informe& informe, QWidget* padre, const QString& tituloDialogo);

}  // namespace tarvel
