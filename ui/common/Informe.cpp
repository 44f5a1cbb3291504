#include "ui/common/Informe.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextLayout>
#include <algorithm>
#include <numeric>

#include "ui/common/DialogoArchivo.h"
#include "ui/common/GuardarArchivo.h"

namespace tarvel {
namespace {

const QColor kTinta(29, 38, 35);
const QColor kTintaSuave(84, 98, 93);
const QColor kTitulo(47, 107, 94);
const QColor kFondoCabecera(220, 235, 230);
const QColor kFondoAlterno(244, 248, 246);
const QColor kRaya(150, 168, 162);

// Sizes in points; the device turns them into its own units.
constexpr double kPuntosTitulo = 16;
constexpr double kPuntosSeccion = 11.5;
constexpr double kPuntosTexto = 9;
constexpr double kPuntosTabla = 8.5;
constexpr double kPuntosPie = 7.5;

QFont Letra(double puntos, bool negrita = false) {
    QFont letra(QStringLiteral("DejaVu Sans"));
    letra.setStyleHint(QFont::SansSerif);
    letra.setPointSizeF(puntos);
    letra.setBold(negrita);
    return letra;
}

// Lays a text out in lines of the given width: broken at words, and inside a
// word too wide for a line, so that nothing is ever cut. Its height.
double Componer(QTextLayout& capa, double ancho, int alineacion) {
    QTextOption opcion(Qt::Alignment::fromInt(alineacion & Qt::AlignHorizontal_Mask));
    opcion.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    capa.setTextOption(opcion);
    capa.beginLayout();
    double alto = 0;
    for (QTextLine linea = capa.createLine(); linea.isValid(); linea = capa.createLine()) {
        linea.setLineWidth(std::max(1.0, ancho));
        linea.setPosition(QPointF(0, alto));
        alto += linea.height();
    }
    capa.endLayout();
    return alto;
}

QString ConSaltos(QString texto) { return texto.replace('\n', QChar::LineSeparator); }

// One piece of a page: its height, and how to paint it with its top at y.
struct Pieza {
    double alto = 0;
    std::function<void(QPainter&, double y)> pintar;
    bool conSiguiente = false;  // never the last piece of a page
    int tabla = -1;             // a body row of this table: its heading row repeats on a new page
    bool espacio = false;       // blank space, dropped where it does not fit
};

class Maqueta {
public:
    explicit Maqueta(QPagedPaintDevice& dispositivo)
        : mDispositivo(dispositivo),
          mAncho(dispositivo.width()),
          mAlto(dispositivo.height()),
          mPuntosPorMm(dispositivo.logicalDpiY() / 25.4) {}

    double Mm(double mm) const { return mm * mPuntosPorMm; }
    double Ancho() const { return mAncho; }
    double Alto() const { return mAlto; }
    QFontMetricsF Medidas(const QFont& letra) const { return QFontMetricsF(letra, &mDispositivo); }

    double AltoTexto(const QFont& letra, double ancho, const QString& texto) const {
        QTextLayout capa(ConSaltos(texto), letra, &mDispositivo);
        return std::max(Componer(capa, ancho, Qt::AlignLeft), Medidas(letra).height());
    }
    double AnchoLinea(const QFont& letra, const QString& texto) const {
        double ancho = 0;
        for (const QString& linea : texto.split('\n')) ancho = std::max(ancho, Medidas(letra).horizontalAdvance(linea));
        return ancho;
    }

private:
    QPagedPaintDevice& mDispositivo;
    double mAncho;
    double mAlto;
    double mPuntosPorMm;
};

void Texto(QPainter& pintor, const QFont& letra, const QColor& color, const QRectF& caja, int alineacion,
           const QString& texto) {
    QTextLayout capa(ConSaltos(texto), letra, pintor.device());
    const double alto = Componer(capa, caja.width(), alineacion);
    double y = caja.top();
    if (alineacion & Qt::AlignBottom) y = caja.bottom() - alto;
    if (alineacion & Qt::AlignVCenter) y = caja.center().y() - alto / 2;
    pintor.setPen(color);
    capa.draw(&pintor, QPointF(caja.left(), y));
}

// Column widths: each as wide as its widest line where the page allows;
// otherwise the narrow columns keep their width and the wide ones share the
// rest in proportion to their lines, so that long texts get the room. The
// table always fills the width.
std::vector<double> AnchosColumnas(const std::vector<double>& naturales, double disponible) {
    std::vector<double> anchos = naturales;
    const double total = std::accumulate(naturales.begin(), naturales.end(), 0.0);
    if (total <= 0) return anchos;
    if (total <= disponible) {
        for (double& ancho : anchos) ancho *= disponible / total;
        return anchos;
    }
    std::vector<bool> fija(naturales.size(), false);
    double resto = disponible;
    std::size_t libres = naturales.size();
    for (bool cambio = true; cambio && libres > 0;) {
        cambio = false;
        const double parte = resto / static_cast<double>(libres);
        for (std::size_t c = 0; c < naturales.size(); ++c) {
            if (fija[c] || naturales[c] > parte) continue;
            fija[c] = true;
            resto -= naturales[c];
            --libres;
            cambio = true;
        }
    }
    double anchas = 0;
    for (std::size_t c = 0; c < naturales.size(); ++c) {
        if (!fija[c]) anchas += naturales[c];
    }
    for (std::size_t c = 0; c < naturales.size(); ++c) {
        if (!fija[c]) anchos[c] = resto * naturales[c] / anchas;
    }
    return anchos;
}

}  // namespace

Informe::Informe(QString titulo) : mTitulo(std::move(titulo)) {}

Informe::Informe(const ModeloInforme& modelo) : mTitulo(QString::fromStdString(modelo.titulo)) {
    const auto texto = [](const std::string& t) { return QString::fromStdString(t); };
    for (const auto& [etiqueta, valor] : modelo.datos) Dato(texto(etiqueta), texto(valor));
    for (const BloqueInforme& bloque : modelo.bloques) {
        if (const auto* seccion = std::get_if<SeccionInforme>(&bloque)) {
            Seccion(texto(seccion->titulo));
        } else if (const auto* parrafo = std::get_if<ParrafoInforme>(&bloque)) {
            mBloques.emplace_back(Parrafo_{texto(parrafo->texto), parrafo->nota});
        } else {
            const auto& origen = std::get<TablaInforme>(bloque);
            Tabla tabla;
            for (const auto& celda : origen.cabecera) tabla.cabecera << texto(celda);
            for (const auto& fila : origen.filas) {
                QStringList celdas;
                for (const auto& celda : fila) celdas << texto(celda);
                tabla.filas.push_back(std::move(celdas));
            }
            for (const Alineacion a : origen.alineacion) {
                tabla.alineacion.push_back(a == Alineacion::Derecha  ? Qt::AlignRight
                                           : a == Alineacion::Centro ? Qt::AlignHCenter
                                                                     : Qt::AlignLeft);
            }
            tabla.filasFinalesNegrita = origen.filasFinalesNegrita;
            AnadirTabla(std::move(tabla));
        }
    }
    Pie(texto(modelo.pie), texto(modelo.plantillaPagina));
}

void Informe::Dato(const QString& etiqueta, const QString& valor) { mDatos.emplace_back(etiqueta, valor); }
void Informe::Seccion(const QString& titulo) { mBloques.emplace_back(Seccion_{titulo}); }
void Informe::Parrafo(const QString& texto) { mBloques.emplace_back(Parrafo_{texto, false}); }
void Informe::Nota(const QString& texto) { mBloques.emplace_back(Parrafo_{texto, true}); }
void Informe::AnadirTabla(Tabla tabla) { mBloques.emplace_back(std::move(tabla)); }
void Informe::Dibujo(double altoMm, Pintor pintor) { mBloques.emplace_back(Dibujo_{altoMm, std::move(pintor)}); }

void Informe::Pie(const QString& texto, const QString& plantillaPagina) {
    mPie = texto;
    mPlantillaPagina = plantillaPagina;
}

int Informe::Pintar(QPagedPaintDevice& dispositivo) const {
    const Maqueta m(dispositivo);
    const double ancho = m.Ancho();
    const QFont letraTitulo = Letra(kPuntosTitulo, true);
    const QFont letraSeccion = Letra(kPuntosSeccion, true);
    const QFont letraTexto = Letra(kPuntosTexto);
    const QFont letraEtiqueta = Letra(kPuntosTexto, true);
    const QFont letraNota = Letra(kPuntosTabla);
    const QFont letraTabla = Letra(kPuntosTabla);
    const QFont letraTablaNegrita = Letra(kPuntosTabla, true);
    const QFont letraPie = Letra(kPuntosPie);
    const double raya = m.Mm(0.2);
    const double margenCelda = m.Mm(1.5);
    const double margenCeldaV = m.Mm(1.0);

    // The head of the pages after the first, and the foot of every page.
    const double altoCabeza = m.Medidas(letraPie).height() + m.Mm(5);
    const double altoPie = m.Medidas(letraPie).height() + m.Mm(4);
    const double fondo = m.Alto() - altoPie;

    std::vector<Pieza> piezas;

    // The title and the heading block.
    {
        const double altoTitulo = m.AltoTexto(letraTitulo, ancho, mTitulo);
        piezas.push_back({altoTitulo + m.Mm(3), [=, titulo = mTitulo](QPainter& p, double y) {
                              Texto(p, letraTitulo, kTitulo, QRectF(0, y, ancho, altoTitulo), Qt::AlignLeft, titulo);
                              p.setPen(QPen(kTitulo, 2 * raya));
                              p.drawLine(QPointF(0, y + altoTitulo + m.Mm(1.5)),
                                         QPointF(ancho, y + altoTitulo + m.Mm(1.5)));
                          }});
        double anchoEtiqueta = 0;
        for (const auto& [etiqueta, valor] : mDatos)
            anchoEtiqueta = std::max(anchoEtiqueta, m.AnchoLinea(letraEtiqueta, etiqueta));
        anchoEtiqueta = std::min(anchoEtiqueta + m.Mm(3), ancho / 2);
        for (std::size_t i = 0; i < mDatos.size(); ++i) {
            const auto [etiqueta, valor] = mDatos[i];
            const double alto = std::max(m.AltoTexto(letraEtiqueta, anchoEtiqueta - m.Mm(3), etiqueta),
                                         m.AltoTexto(letraTexto, ancho - anchoEtiqueta, valor)) +
                                m.Mm(0.8);
            const bool ultimo = i + 1 == mDatos.size();
            piezas.push_back({alto + (ultimo ? m.Mm(3) : 0), [=](QPainter& p, double y) {
                                  Texto(p, letraEtiqueta, kTinta, QRectF(0, y, anchoEtiqueta - m.Mm(3), alto),
                                        Qt::AlignLeft, etiqueta);
                                  Texto(p, letraTexto, kTinta, QRectF(anchoEtiqueta, y, ancho - anchoEtiqueta, alto),
                                        Qt::AlignLeft, valor);
                              }});
        }
    }

    int numeroTabla = 0;
    std::vector<Pieza> cabecerasTabla;
    for (const Bloque& bloque : mBloques) {
        if (const auto* seccion = std::get_if<Seccion_>(&bloque)) {
            const double alto = m.AltoTexto(letraSeccion, ancho, seccion->titulo);
            const double antes = m.Mm(4);
            piezas.push_back({antes + alto + m.Mm(1.5),
                              [=, titulo = seccion->titulo](QPainter& p, double y) {
                                  Texto(p, letraSeccion, kTitulo, QRectF(0, y + antes, ancho, alto), Qt::AlignLeft,
                                        titulo);
                              },
                              true});
        } else if (const auto* parrafo = std::get_if<Parrafo_>(&bloque)) {
            // Text right after a table explains it: never alone at the top of a page.
            double antes = 0;
            if (piezas.size() >= 2 && piezas.back().espacio && piezas[piezas.size() - 2].tabla >= 0) {
                piezas.pop_back();
                piezas.back().conSiguiente = true;
                antes = m.Mm(1.2);
            }
            const QFont letra = parrafo->nota ? letraNota : letraTexto;
            const QColor color = parrafo->nota ? kTintaSuave : kTinta;
            const double alto = m.AltoTexto(letra, ancho, parrafo->texto);
            piezas.push_back({antes + alto + m.Mm(2), [=, texto = parrafo->texto](QPainter& p, double y) {
                                  Texto(p, letra, color, QRectF(0, y + antes, ancho, alto), Qt::AlignLeft, texto);
                              }});
        } else if (const auto* dibujo = std::get_if<Dibujo_>(&bloque)) {
            const double alto = std::min(m.Mm(dibujo->altoMm), fondo - altoCabeza - m.Mm(4));
            piezas.push_back({alto + m.Mm(3), [=, pintor = dibujo->pintor](QPainter& p, double y) {
                                  p.save();
                                  const QRectF caja(0, y, ancho, alto);
                                  p.setClipRect(caja);
                                  pintor(p, caja);
                                  p.restore();
                              }});
        } else {
            const auto& tabla = std::get<Tabla>(bloque);
            std::size_t columnas = static_cast<std::size_t>(tabla.cabecera.size());
            for (const auto& fila : tabla.filas) columnas = std::max(columnas, static_cast<std::size_t>(fila.size()));
            if (columnas == 0) continue;
            const auto celda = [](const QStringList& fila, std::size_t c) {
                return c < static_cast<std::size_t>(fila.size()) ? fila[static_cast<qsizetype>(c)] : QString();
            };
            std::vector<double> naturales(columnas, 0);
            for (std::size_t c = 0; c < columnas; ++c) {
                naturales[c] = m.AnchoLinea(letraTablaNegrita, celda(tabla.cabecera, c));
                for (const auto& fila : tabla.filas)
                    naturales[c] = std::max(naturales[c], m.AnchoLinea(letraTablaNegrita, celda(fila, c)));
                naturales[c] += 2 * margenCelda;
            }
            const std::vector<double> anchos = AnchosColumnas(naturales, ancho);
            std::vector<Qt::Alignment> alineacion(columnas, Qt::AlignLeft);
            for (std::size_t c = 0; c < std::min(columnas, tabla.alineacion.size()); ++c)
                alineacion[c] = tabla.alineacion[c];

            // A row of cells: heading (shaded, bold), body (every other one shaded) or total (bold).
            const auto fila = [&](const QStringList& textos, bool cabecera, bool sombreada, bool negrita) {
                const QFont letra = cabecera || negrita ? letraTablaNegrita : letraTabla;
                double alto = 0;
                for (std::size_t c = 0; c < columnas; ++c) {
                    alto = std::max(alto, m.AltoTexto(letra, anchos[c] - 2 * margenCelda, celda(textos, c)));
                }
                alto += 2 * margenCeldaV;
                const QColor fondoFila = cabecera ? kFondoCabecera : sombreada ? kFondoAlterno : QColor(Qt::white);
                return Pieza{alto, [=](QPainter& p, double y) {
                                 p.fillRect(QRectF(0, y, ancho, alto), fondoFila);
                                 double x = 0;
                                 for (std::size_t c = 0; c < columnas; ++c) {
                                     const int vertical = cabecera ? Qt::AlignBottom : Qt::AlignTop;
                                     Texto(p, letra, kTinta,
                                           QRectF(x + margenCelda, y + margenCeldaV, anchos[c] - 2 * margenCelda,
                                                  alto - 2 * margenCeldaV),
                                           static_cast<int>(alineacion[c]) | vertical, celda(textos, c));
                                     x += anchos[c];
                                 }
                                 p.setPen(QPen(kRaya, raya));
                                 p.setBrush(Qt::NoBrush);
                                 p.drawRect(QRectF(0, y, ancho, alto));
                                 x = 0;
                                 for (std::size_t c = 0; c + 1 < columnas; ++c) {
                                     x += anchos[c];
                                     p.drawLine(QPointF(x, y), QPointF(x, y + alto));
                                 }
                             }};
            };
            Pieza cabecera = fila(tabla.cabecera, true, false, false);
            cabecera.conSiguiente = true;
            cabecerasTabla.push_back(cabecera);
            piezas.push_back(cabecera);
            const int primeraNegrita = static_cast<int>(tabla.filas.size()) - tabla.filasFinalesNegrita;
            for (std::size_t r = 0; r < tabla.filas.size(); ++r) {
                Pieza pieza = fila(tabla.filas[r], false, r % 2 == 1, static_cast<int>(r) >= primeraNegrita);
                pieza.tabla = numeroTabla;
                // The last row (a total, as often as not) never goes over to a page alone.
                pieza.conSiguiente = r + 2 == tabla.filas.size();
                piezas.push_back(std::move(pieza));
            }
            // The space after the table, never carried to the next page's top.
            piezas.push_back({m.Mm(2.5), [](QPainter&, double) {}, false, -1, true});
            ++numeroTabla;
        }
    }

    // Pages: each piece where it fits; a piece that must stay with the next
    // goes over with it; a table continued on a new page gets its heading again.
    struct Colocada {
        const Pieza* pieza;
        double y;
    };
    std::vector<std::vector<Colocada>> paginas(1);
    double y = 0;
    for (std::size_t i = 0; i < piezas.size(); ++i) {
        const Pieza& pieza = piezas[i];
        double necesita = pieza.alto;
        for (std::size_t j = i; j + 1 < piezas.size() && piezas[j].conSiguiente; ++j) necesita += piezas[j + 1].alto;
        const double arriba = paginas.size() == 1 ? 0 : altoCabeza;
        if (y + necesita > fondo && y > arriba) {
            if (pieza.espacio) continue;
            paginas.emplace_back();
            y = altoCabeza;
            // Only body rows carry a table: a break before one continues that table.
            if (pieza.tabla >= 0) {
                const Pieza& repetida = cabecerasTabla[static_cast<std::size_t>(pieza.tabla)];
                paginas.back().push_back({&repetida, y});
                y += repetida.alto;
            }
        }
        paginas.back().push_back({&pieza, y});
        y += pieza.alto;
    }

    QPainter pintor(&dispositivo);
    pintor.setRenderHint(QPainter::Antialiasing);
    const int total = static_cast<int>(paginas.size());
    for (int n = 0; n < total; ++n) {
        if (n > 0) dispositivo.newPage();
        if (n > 0) {
            Texto(pintor, letraPie, kTintaSuave, QRectF(0, 0, ancho, altoCabeza - m.Mm(3)),
                  Qt::AlignLeft | Qt::AlignBottom, mTitulo);
            pintor.setPen(QPen(kRaya, raya));
            pintor.drawLine(QPointF(0, altoCabeza - m.Mm(2)), QPointF(ancho, altoCabeza - m.Mm(2)));
        }
        for (const Colocada& colocada : paginas[static_cast<std::size_t>(n)])
            colocada.pieza->pintar(pintor, colocada.y);
        const double lineaPie = m.Alto() - altoPie + m.Mm(2);
        pintor.setPen(QPen(kRaya, raya));
        pintor.drawLine(QPointF(0, lineaPie), QPointF(ancho, lineaPie));
        const QRectF cajaPie(0, lineaPie + m.Mm(1), ancho, m.Alto() - lineaPie - m.Mm(1));
        const QString pagina = QString(mPlantillaPagina).arg(n + 1).arg(total);
        const double anchoPagina = m.AnchoLinea(letraPie, pagina) + m.Mm(2);
        Texto(pintor, letraPie, kTintaSuave, cajaPie.adjusted(0, 0, -anchoPagina - m.Mm(4), 0),
              Qt::AlignLeft | Qt::AlignTop, mPie);
        Texto(pintor, letraPie, kTintaSuave, cajaPie, Qt::AlignRight | Qt::AlignTop, pagina);
    }
    return total;
}

std::expected<void, QString> GuardarPdf(const Informe& informe, const QString& ruta, const QString& tituloDocumento) {
    return GuardarArchivo(ruta, [&](QIODevice& archivo) {
        QPdfWriter pdf(&archivo);
        pdf.setResolution(300);
        pdf.setTitle(tituloDocumento);
        pdf.setCreator(QStringLiteral("Tarvel"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 16, 20, 14),
                                      QPageLayout::Millimeter));
        informe.Pintar(pdf);
        return true;
    });
}

void ImprimirInforme(const Informe& informe, QWidget* padre, const QString& tituloDialogo) {
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 16, 20, 14),
                                        QPageLayout::Millimeter));
    if (ElegirImpresora(impresora, padre, tituloDialogo)) informe.Pintar(impresora);
}

}  // namespace tarvel
