#pragma once
// The year-by-year path of a restoration as one figure: two charts, one above
// the other, with the same years across and their plot areas aligned. Above,
// the curve numbers under conditions I, II and III; below, in millimetres,
// their runoff thresholds: the initial abstraction Ia = λ·S of each ratio the
// path holds (dashed for λ = 0.2, dash-dot for λ = 0.05; P₀ of the series,
// dashed, for a path without a ratio) and, with a design storm, their runoff
// Q (solid for λ = 0.2, dotted for λ = 0.05), so that no runoff line rises
// above zero before the storm passes the threshold drawn with it. Each
// condition keeps one colour on both charts. Whole years are marked on the lines while there is room
// for the marks.
//
// A long span is drawn through at most kAniosDibujados of its years, the
// first and the last among them; the values of a year, drawn or not, always
// come from the full path.
//
// The chart window shows this figure, and its PNG and SVG files, like any
// report that carries the chart, paint the same one with PintarTrayectoria.
#include <QColor>
#include <QGraphicsWidget>
#include <QImage>
#include <array>
#include <memory>
#include <vector>

#include "series/Trayectoria.h"

class QChart;
class QFont;
class QIODevice;
class QPainter;
class QPalette;

namespace tarvel {

// Colours and letters of the figure.
struct EstiloGrafico {
    QColor fondo;
    QColor texto;
    QColor tenue;    // secondary text: the line under the first title
    QColor rejilla;  // grid lines
    QColor ejes;     // axis lines
    std::array<QColor, 3> condicion;  // condition J at J − 1
    QString familia;
    double pixeles = 12;  // size of the letters, in pixels of the layout (96 to the inch)

    // The light or dark palette of the desktop, with its font.
    static EstiloGrafico DePaleta(const QPalette& paleta, const QFont& letra);
    // Dark on white, for paper, with 8-point letters.
    static EstiloGrafico Papel();
};

enum class PanelTrayectoria { NumerosCurva, Laminas };

inline constexpr int kAniosDibujados = 600;

// The years drawn of a span: all of them up to `maximo`, else `maximo` years
// evenly spread from 0 to the span, both included.
std::vector<int> AniosDibujados(int lapso, int maximo = kAniosDibujados);

class GraficoTrayectoria : public QGraphicsWidget {
    Q_OBJECT
public:
    GraficoTrayectoria(std::shared_ptr<const Trayectoria> trayectoria, const EstiloGrafico& estilo,
                       QGraphicsItem* padre = nullptr);
    ~GraficoTrayectoria() override;

    QChart* Grafico(PanelTrayectoria panel) const { return mGraficos[static_cast<int>(panel)]; }

    // The values of one year on one chart, as the tooltip of a point shows
    // them (rich text): the year, then each line with its value ("0.00").
    QString TextoAnio(PanelTrayectoria panel, int anio) const;

protected:
    void resizeEvent(QGraphicsSceneResizeEvent* evento) override;

private:
    void CrearGrafico(PanelTrayectoria panel);
    void Alinear();
    void Marcar(PanelTrayectoria panel);
    void Senalar(PanelTrayectoria panel, const QPointF& punto, bool encima);

    std::shared_ptr<const Trayectoria> mTrayectoria;
    EstiloGrafico mEstilo;
    std::array<QChart*, 2> mGraficos{};
    // Left margins added so that both plot areas start at the same x.
    std::array<int, 2> mSangria{};
};

// A figure for a report page: 160 × 120 mm (the text width of an A4 page
// with margins of 25 mm), and its PNG at 300 dpi, 1890 × 1417 pixels.
inline constexpr double kAnchoFiguraMm = 160;
inline constexpr double kAltoFiguraMm = 120;
inline constexpr double kPppImagen = 300;
QSize TamanoImagenInforme();

// Paints the figure into `destino`, in the painter's coordinates. It is laid
// out as at 96 dpi for the resolution of the painter's device, so on paper
// and in images of any resolution its letters keep their size in points.
void PintarTrayectoria(QPainter& pintor, const QRectF& destino, std::shared_ptr<const Trayectoria> trayectoria,
                       const EstiloGrafico& estilo = EstiloGrafico::Papel());
void PintarTrayectoria(QPainter& pintor, const QRectF& destino, const Trayectoria& trayectoria,
                       const EstiloGrafico& estilo = EstiloGrafico::Papel());

// The figure as an image of `pixeles`, marked as `ppp` dots per inch.
QImage ImagenTrayectoria(std::shared_ptr<const Trayectoria> trayectoria, QSize pixeles, double ppp = kPppImagen,
                         const EstiloGrafico& estilo = EstiloGrafico::Papel());

// The figure as an SVG drawing of the report size, written to `destino`.
// False when it could not be written.
bool EscribirSvgTrayectoria(QIODevice& destino, std::shared_ptr<const Trayectoria> trayectoria,
                            const QString& titulo, const EstiloGrafico& estilo = EstiloGrafico::Papel());

}  // namespace tarvel
