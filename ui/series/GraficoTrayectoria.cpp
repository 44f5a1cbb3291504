#include "ui/series/GraficoTrayectoria.h"

#include <QChart>
#include <QFontInfo>
#include <QGraphicsLayout>
#include <QGraphicsSceneResizeEvent>
#include <QGraphicsScene>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QPalette>
#include <QSvgGenerator>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "app/Patrones.h"
#include "ui/common/Textos.h"
#include "ui/series/TextosTrayectoria.h"

namespace tarvel {
namespace {

constexpr const char* kRomanos[3] = {"I", "II", "III"};
constexpr double kMmPorPulgada = 25.4;
constexpr double kPppDisposicion = 96;
// Space around each chart, in layout pixels.
const QMargins kMargenes(8, 6, 10, 4);
// Whole years are marked while they stand at least this far apart.
constexpr double kSeparacionMarcas = 7;

// What a line of the figure shows: a curve number, the threshold P0 of a
// path computed without a ratio, or the initial abstraction or the runoff
// of one ratio.
enum class Magnitud { Numero, Umbral, Abstraccion, Escorrentia };
struct Curva {
    Magnitud magnitud;
    int condicion;  // J − 1
    Lambda lambda = Lambda::Clasica;
};

double Valor(const AnioTrayectoria& anio, Curva curva) {
    const auto j = static_cast<std::size_t>(curva.condicion);
    switch (curva.magnitud) {
        case Magnitud::Numero: return anio.CN[j];
        case Magnitud::Umbral: return anio.umbral[j];
        case Magnitud::Abstraccion: return anio.Ia(curva.lambda)[j];
        case Magnitud::Escorrentia: break;
    }
    return anio.Q(curva.lambda)[j];
}

// The lines of a chart, in the order of its legend: on the depth chart each
// ratio's initial abstractions, then its runoff.
std::vector<Curva> CurvasDe(PanelTrayectoria panel, const Trayectoria& trayectoria) {
    std::vector<Curva> curvas;
    const auto tres = [&](Magnitud magnitud, Lambda lambda = Lambda::Clasica) {
        for (int j = 0; j < 3; ++j) curvas.push_back({magnitud, j, lambda});
    };
    if (panel == PanelTrayectoria::NumerosCurva) {
        tres(Magnitud::Numero);
        return curvas;
    }
    if (!trayectoria.relacion) {
        tres(Magnitud::Umbral);
        return curvas;
    }
    for (const Lambda lambda : LambdasDe(*trayectoria.relacion)) {
        tres(Magnitud::Abstraccion, lambda);
        if (trayectoria.ConEscorrentia(lambda)) tres(Magnitud::Escorrentia, lambda);
    }
    return curvas;
}

QString NombreCurva(Curva curva) {
    const QString romano = QString::fromLatin1(kRomanos[curva.condicion]);
    const QString lambda = DeUtf8(TextoNumero(ValorLambda(curva.lambda)));
    switch (curva.magnitud) {
        case Magnitud::Numero: return T(kTextoSerieNumero + curva.condicion);
        case Magnitud::Umbral: return T(kTextoSerieUmbral).arg(romano);
        case Magnitud::Abstraccion: return T(kTextoSerieAbstraccion).arg(romano, lambda);
        case Magnitud::Escorrentia: break;
    }
    return T(kTextoSerieEscorrentia).arg(romano, lambda);
}

// Each condition keeps its colour; the stroke tells the quantity and the
// ratio: thresholds dashed (dash-dot for λ = 0.05), runoff solid (dotted).
QPen Trazo(Curva curva, const EstiloGrafico& estilo) {
    QPen trazo(estilo.condicion[static_cast<std::size_t>(curva.condicion)], 2.0, Qt::SolidLine, Qt::RoundCap,
               Qt::RoundJoin);
    const bool reducida = curva.lambda == Lambda::Reducida;
    switch (curva.magnitud) {
        case Magnitud::Numero: break;
        case Magnitud::Umbral:
        case Magnitud::Abstraccion:
            if (reducida) {
                trazo.setDashPattern({3.0, 2.2, 0.1, 2.2});
            } else {
                trazo.setCapStyle(Qt::FlatCap);
                trazo.setDashPattern({4.0, 2.5});
            }
            break;
        case Magnitud::Escorrentia:
            if (reducida) trazo.setDashPattern({0.1, 2.2});
            break;
    }
    return trazo;
}

QFont Letra(const EstiloGrafico& estilo, double escala, bool negrita = false) {
    QFont letra(estilo.familia);
    letra.setPixelSize(std::max(1, static_cast<int>(std::lround(estilo.pixeles * escala))));
    letra.setBold(negrita);
    return letra;
}

QColor Mezcla(const QColor& a, const QColor& b, double parte) {
    return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - parte) + b.redF() * parte),
                            static_cast<float>(a.greenF() * (1 - parte) + b.greenF() * parte),
                            static_cast<float>(a.blueF() * (1 - parte) + b.blueF() * parte));
}

// Round numbers for an axis: a step of 1, 2, 2.5 or 5 times a power of ten
// that gives about `marcas` intervals, and the range widened to whole steps.
struct Escala {
    double minimo;
    double maximo;
    double paso;
};
Escala EscalaRedonda(double minimo, double maximo, int marcas) {
    if (!(maximo > minimo)) maximo = minimo + 1;
    const double bruto = (maximo - minimo) / marcas;
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    double paso = 10 * potencia;
    for (const double factor : {1.0, 2.0, 2.5, 5.0}) {
        if (bruto <= factor * potencia * 1.0000001) {
            paso = factor * potencia;
            break;
        }
    }
    return {std::floor(minimo / paso + 1e-9) * paso, std::ceil(maximo / paso - 1e-9) * paso, paso};
}

QString FormatoEtiquetas(double paso) {
    if (paso >= 1) return QStringLiteral("%.0f");
    if (paso >= 0.1) return QStringLiteral("%.1f");
    return QStringLiteral("%.2f");
}

QValueAxis* Eje(const QString& titulo, const Escala& escala, const EstiloGrafico& estilo) {
    auto* eje = new QValueAxis;
    eje->setTitleText(titulo);
    eje->setTitleFont(Letra(estilo, 1.0));
    eje->setTitleBrush(estilo.texto);
    eje->setLabelsFont(Letra(estilo, 0.92));
    eje->setLabelsBrush(estilo.texto);
    eje->setLinePen(QPen(estilo.ejes, 1));
    eje->setGridLinePen(QPen(estilo.rejilla, 1));
    eje->setMinorGridLineVisible(false);
    eje->setRange(escala.minimo, escala.maximo);
    eje->setTickType(QValueAxis::TicksDynamic);
    eje->setTickAnchor(0);
    eje->setTickInterval(escala.paso);
    eje->setLabelFormat(FormatoEtiquetas(escala.paso));
    return eje;
}

QString TituloGrafico(PanelTrayectoria panel, const Trayectoria& trayectoria, const EstiloGrafico& estilo) {
    if (panel == PanelTrayectoria::NumerosCurva) {
        const QString resumen = T(kTextoResumenTrayectoria)
                                    .arg(DeUtf8(TextoNumero(trayectoria.anios.front().CN[1])),
                                         DeUtf8(TextoNumero(trayectoria.anios.back().CN[1])),
                                         QString::number(trayectoria.lapso),
                                         DeUtf8(Formatear(trayectoria.variacion, Patron::DosDecimales)));
        return QStringLiteral("<b>%1</b><br><span style=\"color:%2; font-size:%3px; font-weight:normal\">%4</span>")
            .arg(T(kTextoGraficoNumeros).toHtmlEscaped(), estilo.tenue.name())
            .arg(std::lround(estilo.pixeles * 0.95))
            .arg(resumen.toHtmlEscaped());
    }
    const QString titulo = trayectoria.tormenta
                               ? T(kTextoGraficoEscorrentia).arg(DeUtf8(TextoNumero(trayectoria.tormenta->P)))
                               : T(kTextoGraficoUmbral);
    return QStringLiteral("<b>%1</b>").arg(titulo.toHtmlEscaped());
}

}  // namespace

EstiloGrafico EstiloGrafico::DePaleta(const QPalette& paleta, const QFont& letra) {
    EstiloGrafico estilo;
    estilo.fondo = paleta.color(QPalette::Base);
    estilo.texto = paleta.color(QPalette::Text);
    estilo.tenue = Mezcla(estilo.texto, estilo.fondo, 0.35);
    estilo.rejilla = Mezcla(estilo.texto, estilo.fondo, 0.86);
    estilo.ejes = Mezcla(estilo.texto, estilo.fondo, 0.45);
    // Colour-blind safe hues: dry warm, average green, wet blue; lighter on a
    // dark background so that they keep their contrast.
    if (estilo.fondo.lightness() < 128) {
        estilo.condicion = {QColor(0xff, 0x9a, 0x5c), QColor(0x3d, 0xd6, 0xa6), QColor(0x6c, 0xb8, 0xf6)};
    } else {
        estilo.condicion = {QColor(0xd5, 0x5e, 0x00), QColor(0x00, 0x9e, 0x73), QColor(0x00, 0x72, 0xb2)};
    }
    estilo.familia = QFontInfo(letra).family();
    estilo.pixeles = QFontInfo(letra).pixelSize();
    return estilo;
}

EstiloGrafico EstiloGrafico::Papel() {
    QPalette papel;
    papel.setColor(QPalette::Base, Qt::white);
    papel.setColor(QPalette::Text, QColor(0x1a, 0x1a, 0x1a));
    EstiloGrafico estilo = DePaleta(papel, QFont());
    estilo.pixeles = 8.0 * kPppDisposicion / 72;
    return estilo;
}

std::vector<int> AniosDibujados(int lapso, int maximo) {
    const int cuantos = std::min(lapso + 1, std::max(2, maximo));
    std::vector<int> anios(static_cast<std::size_t>(cuantos));
    for (int i = 0; i < cuantos; ++i) {
        anios[static_cast<std::size_t>(i)] =
            static_cast<int>((static_cast<long long>(i) * lapso + (cuantos - 1) / 2) / (cuantos - 1));
    }
    return anios;
}

GraficoTrayectoria::GraficoTrayectoria(std::shared_ptr<const Trayectoria> trayectoria, const EstiloGrafico& estilo,
                                       QGraphicsItem* padre)
    : QGraphicsWidget(padre), mTrayectoria(std::move(trayectoria)), mEstilo(estilo) {
    CrearGrafico(PanelTrayectoria::NumerosCurva);
    CrearGrafico(PanelTrayectoria::Laminas);

    // Both legends as wide as the wider, so that both plot areas end at the same x.
    qreal ancho = 0;
    for (QChart* grafico : mGraficos) ancho = std::max(ancho, grafico->legend()->preferredWidth());
    for (QChart* grafico : mGraficos) {
        grafico->legend()->setMinimumWidth(ancho);
        grafico->legend()->setMaximumWidth(ancho);
    }
}

GraficoTrayectoria::~GraficoTrayectoria() {
    // The charts are deleted after this object's members, by the base
    // class: nothing of theirs may call back into it meanwhile.
    for (QChart* grafico : mGraficos) {
        grafico->disconnect(this);
        for (QAbstractSeries* serie : grafico->series()) serie->disconnect(this);
    }
}

void GraficoTrayectoria::CrearGrafico(PanelTrayectoria panel) {
    const Trayectoria& datos = *mTrayectoria;
    auto* grafico = new QChart(this);
    mGraficos[static_cast<int>(panel)] = grafico;
    grafico->setMinimumSize(1, 1);
    grafico->setAnimationOptions(QChart::NoAnimation);
    grafico->setBackgroundRoundness(0);
    grafico->setBackgroundBrush(mEstilo.fondo);
    grafico->setBackgroundPen(Qt::NoPen);
    grafico->setDropShadowEnabled(false);
    grafico->setPlotAreaBackgroundVisible(false);
    grafico->layout()->setContentsMargins(0, 0, 0, 0);
    grafico->setMargins(kMargenes);
    grafico->setTitleFont(Letra(mEstilo, 1.08));
    grafico->setTitleBrush(mEstilo.texto);
    grafico->setTitle(TituloGrafico(panel, datos, mEstilo));

    QLegend* leyenda = grafico->legend();
    leyenda->setAlignment(Qt::AlignRight);
    leyenda->setMarkerShape(QLegend::MarkerShapeFromSeries);
    // Twelve lines of two ratios need closer legends to fit beside their chart.
    leyenda->setFont(Letra(mEstilo, CurvasDe(PanelTrayectoria::Laminas, datos).size() > 6 ? 0.85 : 0.92));
    leyenda->setLabelColor(mEstilo.texto);

    const std::vector<Curva> curvas = CurvasDe(panel, datos);
    const std::vector<int> anios = AniosDibujados(datos.lapso);
    double minimo = INFINITY;
    double maximo = -INFINITY;
    for (const Curva curva : curvas) {
        QList<QPointF> puntos;
        puntos.reserve(static_cast<qsizetype>(anios.size()));
        for (const int anio : anios) {
            const double valor = Valor(datos.anios[static_cast<std::size_t>(anio)], curva);
            puntos.append({static_cast<double>(anio), valor});
        }
        // The extremes of every year: a thinned line still fits its axis.
        for (const auto& fila : datos.anios) {
            minimo = std::min(minimo, Valor(fila, curva));
            maximo = std::max(maximo, Valor(fila, curva));
        }
        auto* linea = new QLineSeries;
        linea->setName(NombreCurva(curva));
        linea->replace(puntos);
        linea->setPen(Trazo(curva, mEstilo));
        linea->setMarkerSize(mEstilo.pixeles * (curva.magnitud == Magnitud::Numero ? 0.32 : 0.25));
        grafico->addSeries(linea);
        connect(linea, &QLineSeries::hovered, this,
                [this, panel](const QPointF& punto, bool encima) { Senalar(panel, punto, encima); });
    }

    // Years across in whole numbers; curve numbers within 0 to 100; depths from 0.
    Escala tiempo = EscalaRedonda(0, datos.lapso, 10);
    tiempo.paso = std::max(1.0, std::round(tiempo.paso));
    tiempo.minimo = 0;
    tiempo.maximo = datos.lapso;
    auto* ejeX = Eje(T(kTextoEjeTiempo), tiempo, mEstilo);
    ejeX->setLabelFormat(QStringLiteral("%i"));
    // At least one unit high, so that nearly equal values do not share one label.
    Escala valores = panel == PanelTrayectoria::NumerosCurva ? EscalaRedonda(minimo, std::max(maximo, minimo + 1), 6)
                                                             : EscalaRedonda(0, std::max(maximo, 1.0), 6);
    if (panel == PanelTrayectoria::NumerosCurva) {
        valores.minimo = std::max(0.0, valores.minimo);
        valores.maximo = std::min(100.0, valores.maximo);
    }
    auto* ejeY = Eje(T(panel == PanelTrayectoria::NumerosCurva ? kTextoEjeNumero : kTextoEjeLamina), valores, mEstilo);
    grafico->addAxis(ejeX, Qt::AlignBottom);
    grafico->addAxis(ejeY, Qt::AlignLeft);
    for (QAbstractSeries* serie : grafico->series()) {
        serie->attachAxis(ejeX);
        serie->attachAxis(ejeY);
    }

    connect(grafico, &QChart::plotAreaChanged, this, [this, panel] {
        Alinear();
        Marcar(panel);
    });
}

void GraficoTrayectoria::resizeEvent(QGraphicsSceneResizeEvent* evento) {
    QGraphicsWidget::resizeEvent(evento);
    // One chart above the other; a storm's runoff lines and a second ratio
    // lengthen the lower legend, so that chart then gets more of the height.
    const QSizeF tamano = size();
    const auto lineas = mGraficos[1]->series().size();
    const double parte = lineas > 6 ? 0.43 : lineas > 3 ? 4.0 / 9 : 0.5;
    const double alto = std::round(tamano.height() * parte);
    mGraficos[0]->setGeometry(QRectF(0, 0, tamano.width(), alto));
    mGraficos[1]->setGeometry(QRectF(0, alto, tamano.width(), tamano.height() - alto));
}

void GraficoTrayectoria::Alinear() {
    std::array<double, 2> natural{};
    for (std::size_t i = 0; i < 2; ++i) natural[i] = mGraficos[i]->plotArea().left() - mSangria[i];
    const double comun = std::max(natural[0], natural[1]);
    for (std::size_t i = 0; i < 2; ++i) {
        const int sangria = static_cast<int>(std::lround(comun - natural[i]));
        if (sangria == mSangria[i]) continue;
        mSangria[i] = sangria;
        mGraficos[i]->setMargins(kMargenes + QMargins(sangria, 0, 0, 0));
    }
}

void GraficoTrayectoria::Marcar(PanelTrayectoria panel) {
    QChart* grafico = Grafico(panel);
    const int lapso = mTrayectoria->lapso;
    const bool todos = lapso + 1 <= kAniosDibujados;
    const bool visibles = todos && grafico->plotArea().width() / lapso >= kSeparacionMarcas;
    for (QAbstractSeries* serie : grafico->series()) static_cast<QLineSeries*>(serie)->setPointsVisible(visibles);
}

void GraficoTrayectoria::Senalar(PanelTrayectoria panel, const QPointF& punto, bool encima) {
    // The chart's own tooltip, which the view shows once the pointer rests.
    const int anio = std::clamp(static_cast<int>(std::lround(punto.x())), 0, mTrayectoria->lapso);
    Grafico(panel)->setToolTip(encima ? TextoAnio(panel, anio) : QString());
}

QString GraficoTrayectoria::TextoAnio(PanelTrayectoria panel, int anio) const {
    const auto& fila = mTrayectoria->anios.at(static_cast<std::size_t>(anio));
    QString texto = QStringLiteral("<b>%1</b><table cellspacing=\"0\" cellpadding=\"1\">").arg(T(kTextoAnio).arg(anio));
    for (const Curva curva : CurvasDe(panel, *mTrayectoria)) {
        QString valor = DeUtf8(Formatear(Valor(fila, curva), Patron::DosDecimales));
        if (curva.magnitud != Magnitud::Numero) valor += QStringLiteral(" mm");
        texto += QStringLiteral("<tr><td><span style=\"color:%1\">&#9632;</span> %2</td>"
                                "<td align=\"right\">&nbsp;&nbsp;%3</td></tr>")
                     .arg(mEstilo.condicion[static_cast<std::size_t>(curva.condicion)].name(),
                          NombreCurva(curva).toHtmlEscaped(), valor);
    }
    return texto + QStringLiteral("</table>");
}

QSize TamanoImagenInforme() {
    return {static_cast<int>(std::lround(kAnchoFiguraMm / kMmPorPulgada * kPppImagen)),
            static_cast<int>(std::lround(kAltoFiguraMm / kMmPorPulgada * kPppImagen))};
}

void PintarTrayectoria(QPainter& pintor, const QRectF& destino, std::shared_ptr<const Trayectoria> trayectoria,
                       const EstiloGrafico& estilo) {
    const double ppp = pintor.device() ? pintor.device()->logicalDpiX() : kPppDisposicion;
    const QRectF disposicion(QPointF(0, 0), destino.size() * (kPppDisposicion / ppp));
    QGraphicsScene escena;
    auto* grafico = new GraficoTrayectoria(std::move(trayectoria), estilo);
    escena.addItem(grafico);
    grafico->setGeometry(disposicion);
    // The alignment of the plot areas asks for one more layout of each chart.
    for (int vuelta = 0; vuelta < 3; ++vuelta) {
        for (auto panel : {PanelTrayectoria::NumerosCurva, PanelTrayectoria::Laminas}) {
            grafico->Grafico(panel)->layout()->activate();
        }
    }
    escena.setSceneRect(disposicion);
    pintor.save();
    pintor.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    escena.render(&pintor, destino, disposicion, Qt::IgnoreAspectRatio);
    pintor.restore();
}

void PintarTrayectoria(QPainter& pintor, const QRectF& destino, const Trayectoria& trayectoria,
                       const EstiloGrafico& estilo) {
    PintarTrayectoria(pintor, destino, std::make_shared<const Trayectoria>(trayectoria), estilo);
}

QImage ImagenTrayectoria(std::shared_ptr<const Trayectoria> trayectoria, QSize pixeles, double ppp,
                         const EstiloGrafico& estilo) {
    QImage imagen(pixeles, QImage::Format_RGB32);
    const int puntosPorMetro = static_cast<int>(std::lround(ppp / kMmPorPulgada * 1000));
    imagen.setDotsPerMeterX(puntosPorMetro);
    imagen.setDotsPerMeterY(puntosPorMetro);
    imagen.fill(estilo.fondo);
    QPainter pintor(&imagen);
    PintarTrayectoria(pintor, QRectF(QPointF(0, 0), QSizeF(pixeles)), std::move(trayectoria), estilo);
    return imagen;
}

bool EscribirSvgTrayectoria(QIODevice& destino, std::shared_ptr<const Trayectoria> trayectoria,
                            const QString& titulo, const EstiloGrafico& estilo) {
    // At 127 dpi a millimetre is 5 units: the drawing is exactly the figure's size.
    constexpr int kPppSvg = 127;
    const QSize tamano = (QSizeF(kAnchoFiguraMm, kAltoFiguraMm) * (kPppSvg / kMmPorPulgada)).toSize();
    QSvgGenerator svg;
    svg.setOutputDevice(&destino);
    svg.setResolution(kPppSvg);
    svg.setSize(tamano);
    svg.setViewBox(QRect(QPoint(0, 0), tamano));
    svg.setTitle(titulo);
    QPainter pintor;
    if (!pintor.begin(&svg)) return false;
    pintor.fillRect(svg.viewBoxF(), estilo.fondo);
    PintarTrayectoria(pintor, svg.viewBoxF(), std::move(trayectoria), estilo);
    return pintor.end();
}

}  // namespace tarvel
