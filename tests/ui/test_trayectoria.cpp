// The year-by-year chart: its charts, lines and axes in both languages, the
// storm typed into it, its desktop colours, what its exports write, and the
// results window's button that opens it.
#include <QApplication>
#include <QChart>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QValueAxis>
#include <charconv>

#include "EntornoUi.h"
#include "ui/common/DialogoArchivo.h"
#include "ui/common/SessionState.h"
#include "ui/help/Ayuda.h"
#include "ui/series/GraficoTrayectoria.h"
#include "ui/series/frmSerieNCCalculada.h"
#include "ui/series/frmTrayectoria.h"

using namespace tarvel;
using namespace tarvel::prueba;

namespace {

std::unique_ptr<frmTrayectoria> AbrirGrafico(int lapso) {
    auto ventana = std::make_unique<frmTrayectoria>(nullptr, *CalcularTrayectoria(85, 70, lapso));
    ventana->show();
    if (!QTest::qWaitForWindowActive(ventana.get())) qFatal("the chart window never became active");
    return ventana;
}

QChart* Grafico(const std::unique_ptr<frmTrayectoria>& ventana, PanelTrayectoria panel) { return ventana->Grafico()->Grafico(panel); }

QStringList Nombres(QChart* grafico) {
    QStringList nombres;
    for (QAbstractSeries* serie : grafico->series()) nombres << serie->name();
    return nombres;
}

QString TituloEje(QChart* grafico, Qt::Orientation orientacion) {
    return grafico->axes(orientacion).constFirst()->titleText();
}

// Types a storm and leaves its field, as a user does.
void EscribirTormenta(const std::unique_ptr<frmTrayectoria>& ventana, const QString& lluvia, int lambda) {
    auto* campo = Hijo<QLineEdit>(ventana.get(), "txtLluvia");
    campo->setFocus();
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Delete);
    QTest::keyClicks(campo, lluvia);
    QTest::keyClick(campo, Qt::Key_Return);
    QTest::mouseClick(Hijo<QRadioButton>(ventana.get(), qPrintable(QStringLiteral("opcLambda_%1").arg(lambda))),
                      Qt::LeftButton, {}, QPoint(6, 6));
    QApplication::processEvents();
}

}  // namespace

class PruebaTrayectoria : public PruebaUi {
    Q_OBJECT

private slots:
    void chartsOfBothLanguagesWithAStormAndTheValuesOfAPoint_data() {
        QTest::addColumn<bool>("ingles");
        // x axis, CN axis, depth axis, CN I, Q III of 0.05, year 5, the option of both ratios
        QTest::addColumn<QStringList>("textos");
        QTest::newRow("Spanish") << false
                                 << QStringList{"Tiempo t (años)", "NC (adimensional)", "Lámina de agua (mm)",
                                                "NC I (seca)", "Q III, λ = 0.05", "Año 5", "Ambas"};
        QTest::newRow("English") << true
                                 << QStringList{"Time t (years)", "CN (dimensionless)", "Water depth (mm)",
                                                "CN I (dry)", "Q III, λ = 0.05", "Year 5", "Both"};
    }
    void chartsOfBothLanguagesWithAStormAndTheValuesOfAPoint() {
        QFETCH(bool, ingles);
        QFETCH(QStringList, textos);
        Idioma(ingles);
        const auto ventana = AbrirGrafico(10);
        QChart* numeros = Grafico(ventana, PanelTrayectoria::NumerosCurva);
        QCOMPARE(TituloEje(numeros, Qt::Horizontal), textos[0]);
        QCOMPARE(TituloEje(numeros, Qt::Vertical), textos[1]);
        QCOMPARE(Nombres(numeros).size(), 3);
        QCOMPARE(Nombres(numeros).front(), textos[3]);
        // Condition II runs straight from NAC to NOB, through every year.
        const auto puntos = static_cast<QLineSeries*>(numeros->series()[1])->points();
        QCOMPARE(puntos.size(), 11);
        QCOMPARE(puntos.front(), QPointF(0, 85));
        QCOMPARE(puntos.back(), QPointF(10, 70));
        QCOMPARE(TituloEje(Grafico(ventana, PanelTrayectoria::Laminas), Qt::Vertical), textos[2]);
        QCOMPARE(Nombres(Grafico(ventana, PanelTrayectoria::Laminas)),
                 (QStringList{"Ia I, λ = 0.2", "Ia II, λ = 0.2", "Ia III, λ = 0.2"}));

        EscribirTormenta(ventana, "50", 2);
        QChart* laminas = Grafico(ventana, PanelTrayectoria::Laminas);
        QCOMPARE(Nombres(laminas).size(), 12);
        QCOMPARE(Nombres(laminas).back(), textos[4]);
        QCOMPARE(Hijo<QRadioButton>(ventana.get(), "opcLambda_2")->text(), textos[6]);
        QVERIFY(laminas->title().contains("50 mm"));
        QVERIFY(ventana->Datos().ConEscorrentia(Lambda::Reducida));

        numeros = Grafico(ventana, PanelTrayectoria::NumerosCurva);
        emit static_cast<QLineSeries*>(numeros->series()[1])->hovered(QPointF(5.2, 77.4), true);
        QVERIFY(numeros->toolTip().contains(textos[5]) && numeros->toolTip().contains("77.50"));
        // The restored dry hillside gives no runoff with λ = 0.2: "0.00 mm", never ".00".
        emit static_cast<QLineSeries*>(laminas->series()[3])->hovered(QPointF(10, 0), true);
        QVERIFY2(laminas->toolTip().contains("&nbsp;0.00 mm") && !laminas->toolTip().contains(QRegularExpression("[^0-9]\\.[0-9]")),
                 qPrintable(laminas->toolTip()));
    }

    // Each change of the storm or the ratio redraws the depth chart with the
    // thresholds of the ratios chosen, storm or not, and their runoff: each
    // line holds the path's values of what its legend names, and no runoff
    // line leaves zero before the storm passes the threshold drawn with it.
    void theLinesAndThresholdsFollowTheRatio() {
        const auto ventana = AbrirGrafico(10);
        struct Paso {
            const char* lluvia;
            int opcion;
        };
        for (const Paso paso : {Paso{"", 1}, Paso{"50", 1}, Paso{"50", 2}, Paso{"50", 0}, Paso{"", 0}, Paso{"", 2}}) {
            EscribirTormenta(ventana, paso.lluvia, paso.opcion);
            const auto eleccion = static_cast<EleccionLambda>(paso.opcion);
            const std::optional<double> lluvia = *paso.lluvia ? std::optional(50.0) : std::nullopt;
            const Trayectoria esperada = *CalcularTrayectoria(85, 70, 10, eleccion, lluvia);
            QStringList nombres;
            std::vector<std::array<double, 3> AnioTrayectoria::*> campos;
            for (const Lambda lambda : LambdasDe(eleccion)) {
                const QString valor = lambda == Lambda::Clasica ? "0.2" : "0.05";
                const bool clasica = lambda == Lambda::Clasica;
                for (const QString& cantidad : {QString("Ia"), QString("Q")}) {
                    if (cantidad == "Q" && !lluvia) continue;
                    for (const char* romano : {"I", "II", "III"}) nombres << QString("%1 %2, λ = %3").arg(cantidad, romano, valor);
                    campos.push_back(cantidad == "Ia" ? (clasica ? &AnioTrayectoria::IaClasica : &AnioTrayectoria::IaReducida)
                                                      : (clasica ? &AnioTrayectoria::QClasica : &AnioTrayectoria::QReducida));
                }
            }
            const QString caso = QString("P \"%1\", option %2").arg(paso.lluvia).arg(paso.opcion);
            QChart* laminas = Grafico(ventana, PanelTrayectoria::Laminas);
            QVERIFY2(Nombres(laminas) == nombres, qPrintable(caso + ": " + Nombres(laminas).join(", ")));
            const auto series = laminas->series();
            for (qsizetype i = 0; i < series.size(); ++i) {
                const auto puntos = static_cast<QLineSeries*>(series[i])->points();
                QCOMPARE(puntos.size(), 11);
                for (const QPointF& punto : puntos) {
                    const auto& anio = esperada.anios[static_cast<std::size_t>(punto.x())];
                    QVERIFY2(punto.y() == (anio.*campos[static_cast<std::size_t>(i / 3)])[i % 3], qPrintable(caso));
                    // A runoff line follows its own ratio's thresholds, three lines before it.
                    if (nombres[i].startsWith('Q')) {
                        const double umbral = static_cast<QLineSeries*>(series[i - 3])->at(static_cast<int>(punto.x())).y();
                        QVERIFY2((punto.y() > 0) == (50 > umbral), qPrintable(caso + " " + nombres[i]));
                    }
                }
            }
        }
    }

    void aStormThatIsNoDepthIsRefusedAndThePathStays() {
        const auto ventana = AbrirGrafico(10);
        EscribirTormenta(ventana, "30", 0);
        Entorno().Responder(RespuestaMensaje::Aceptar);
        EscribirTormenta(ventana, "-4", 0);
        QCOMPARE(Entorno().Vistos().back().texto,
                 QString("La precipitación de diseño P debe ser un número mayor o igual que 0 (mm)."));
        QCOMPARE(ventana->Datos().tormenta->P, 30.0);
        QCOMPARE(QApplication::focusWidget(), Hijo<QWidget>(ventana.get(), "txtLluvia"));
    }

    void theChartFollowsADarkPalette() {
        const QPalette clara = QApplication::palette();
        QPalette oscura = clara;
        oscura.setColor(QPalette::Base, QColor(30, 30, 32));
        oscura.setColor(QPalette::Text, QColor(230, 230, 230));
        const auto ventana = AbrirGrafico(10);
        QVERIFY(Grafico(ventana, PanelTrayectoria::Laminas)->backgroundBrush().color().lightness() > 200);
        QApplication::setPalette(oscura);
        QApplication::processEvents();
        QChart* grafico = Grafico(ventana, PanelTrayectoria::Laminas);
        QApplication::setPalette(clara);
        QVERIFY(grafico->backgroundBrush().color().lightness() < 60);
        QVERIFY(grafico->axes(Qt::Vertical).constFirst()->labelsBrush().color().lightness() > 200);
    }

    void exportsWriteWhatTheySayAndAFailureIsReported() {
        QTemporaryDir carpeta;
        QString ruta;
        SustituirDialogosArchivo([&](const PeticionArchivo&) { return ArchivoElegido{ruta, 0}; });
        const auto ventana = AbrirGrafico(32767);
        EscribirTormenta(ventana, "120", 2);
        // The drawing is thinned, never the table.
        QVERIFY(static_cast<QLineSeries*>(Grafico(ventana, PanelTrayectoria::Laminas)->series()[0])->count() <=
                kAniosDibujados);

        ruta = carpeta.filePath("t.csv");
        QTest::mouseClick(Hijo<QPushButton>(ventana.get(), "cmdGuardarTabla"), Qt::LeftButton);
        QFile csv(ruta);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray tabla = csv.readAll();
        const QList<QByteArray> lineas = tabla.split('\n');
        QCOMPARE(lineas.size(), 32767 + 3);  // header, every year, and the empty rest after the last LF
        for (const int anio : {0, 1, 16384, 32767}) {
            const auto& fila = ventana->Datos().anios[static_cast<std::size_t>(anio)];
            // Every number in full: it reads back to the very double.
            const std::vector<double> esperados{fila.CN[2],         fila.umbral[0],    fila.QClasica[1],
                                                fila.QReducida[2], fila.IaClasica[0], fila.IaReducida[2]};
            const QList<QByteArray> campos = lineas[anio + 1].split(',');
            QCOMPARE(campos.size(), 19);
            std::vector<double> leidos;
            for (const int c : {3, 4, 8, 12, 13, 18}) {
                double x = 0;
                std::from_chars(campos[c].constData(), campos[c].constData() + campos[c].size(), x);
                leidos.push_back(x);
            }
            QCOMPARE(leidos, esperados);
        }

        QTest::mouseClick(Hijo<QPushButton>(ventana.get(), "cmdCopiarTabla"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QString::fromUtf8(tabla).replace(',', '\t'));

        // The figure is for paper, dark on white, whatever the desktop's colours.
        const QPalette clara = QApplication::palette();
        QPalette oscura = clara;
        oscura.setColor(QPalette::Base, QColor(30, 30, 32));
        oscura.setColor(QPalette::Text, QColor(230, 230, 230));
        QApplication::setPalette(oscura);
        QTRY_VERIFY(ventana->palette().color(QPalette::Base).lightness() < 60);
        ruta = carpeta.filePath("t.png");
        QTest::mouseClick(Hijo<QPushButton>(ventana.get(), "cmdGuardarGrafico"), Qt::LeftButton);
        const QImage imagen(ruta);
        QCOMPARE(imagen.size(), QSize(1890, 1417));  // 160 × 120 mm
        QCOMPARE(qRound(imagen.dotsPerMeterX() * 0.0254), 300);
        QCOMPARE(imagen.pixelColor(0, 0), QColor(Qt::white));
        int oscuros = 0;
        for (int y = 0; y < imagen.height(); y += 3) {
            for (int x = 0; x < imagen.width(); x += 3) oscuros += imagen.pixelColor(x, y).lightness() < 60;
        }
        QVERIFY2(oscuros > 1000, qPrintable(QString::number(oscuros)));  // the letters and axes

        ruta = carpeta.filePath("t.svg");
        QTest::mouseClick(Hijo<QPushButton>(ventana.get(), "cmdGuardarGrafico"), Qt::LeftButton);
        QApplication::setPalette(clara);
        QFile svg(ruta);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray dibujo = svg.readAll();
        QVERIFY(dibujo.contains("<svg") && dibujo.contains("width=\"160mm\"") && dibujo.trimmed().endsWith("</svg>"));
        // The page filled white first, then dark letters.
        const QRegularExpression relleno("fill=\"(#[0-9a-f]{6})\"");
        QCOMPARE(relleno.match(dibujo).captured(1), QString("#ffffff"));
        QVERIFY(dibujo.contains("fill=\"#1a1a1a\""));

        ruta = carpeta.filePath("no/such/folder/t.csv");
        Entorno().Responder(RespuestaMensaje::Aceptar);
        QTest::mouseClick(Hijo<QPushButton>(ventana.get(), "cmdGuardarTabla"), Qt::LeftButton);
        QVERIFY(Entorno().Vistos().back().texto.startsWith("No se pudo guardar el archivo"));
        SustituirDialogosArchivo([](const PeticionArchivo&) { return ArchivoElegido(); });
    }

    void theResultsWindowOffersTheChartOnlyWithASpan() {
        gNAC = 85;
        gNOB = 70;
        frmSerieNCCalculada sinLapso(nullptr);
        QVERIFY(!sinLapso.findChild<QPushButton*>("cmdTrayectoria"));
        gLapsoAnios = 10;
        frmSerieNCCalculada resultados(nullptr);
        resultados.show();
        int lapso = 0;
        double nac = 0;
        AlAbrir([&] {
            if (auto* grafico = Visible<frmTrayectoria>()) {
                lapso = grafico->Datos().lapso;
                nac = grafico->Datos().anios.front().CN[1];
                grafico->close();
            }
        });
        QTest::mouseClick(Hijo<QPushButton>(&resultados, "cmdTrayectoria"), Qt::LeftButton);
        QCOMPARE(lapso, 10);
        QCOMPARE(nac, 85.0);
    }
};

TARVEL_PRUEBA_UI(PruebaTrayectoria)
#include "test_trayectoria.moc"
