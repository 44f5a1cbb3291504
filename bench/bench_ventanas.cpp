// How long each window takes to open offscreen (built, shown and painted
// once), and how long an answer on the step-by-step window takes to show its
// curve number. Google Benchmark reports the warm figures; the first opening
// of the table screen in a fresh process, when fonts and styles are still
// cold, is measured once before them and printed on its own line.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <memory>

#include "ui/common/SessionState.h"
#include "ui/determination/frmEleccion.h"
#include "ui/determination/frmNomograma.h"
#include "ui/determination/frmPrincipal.h"
#include "ui/determination/frmSuelo.h"
#include "ui/determination/frmTabla.h"
#include "ui/help/Ayuda.h"
#include "ui/series/frmSerieNC.h"
#include "ui/series/frmSerieNCCalculada.h"
#include "ui/series/frmTrayectoria.h"
#include "ui/shell/Arranque.h"
#include "ui/shell/frmPresentacion.h"
#include "ui/shell/frmTarvelPrimera.h"

using namespace tarvel;

namespace {

// Counts the paint events of a window, to make sure it was painted.
class Pinturas : public QObject {
public:
    int n = 0;
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::Paint) ++n;
        return false;
    }
};

// Shown and painted: the platform exposes the window and it paints itself
// (children included) before this returns.
void Mostrar(QWidget* ventana) {
    Pinturas pinturas;
    ventana->installEventFilter(&pinturas);
    ventana->show();
    for (int i = 0; i < 100 && pinturas.n == 0; ++i) QCoreApplication::processEvents();
    ventana->removeEventFilter(&pinturas);
    if (pinturas.n == 0) qFatal("%s was never painted", ventana->metaObject()->className());
}

// Built, shown, painted and released, as a user opening and leaving it.
template <class Ventana, class... Argumentos>
void Abrir(Argumentos&&... argumentos) {
    auto ventana = std::make_unique<Ventana>(std::forward<Argumentos>(argumentos)...);
    Mostrar(ventana.get());
}

template <class Ventana>
void BM_Abrir(benchmark::State& estado) {
    for (auto _ : estado) Abrir<Ventana>(nullptr);
}

void BM_AbrirTabla(benchmark::State& estado) {
    for (auto _ : estado) Abrir<frmTabla>(nullptr);
}
BENCHMARK(BM_AbrirTabla)->Unit(benchmark::kMillisecond);

// Built only: what the constructor costs without the first paint.
void BM_ConstruirTabla(benchmark::State& estado) {
    for (auto _ : estado) frmTabla ventana(nullptr);
}
BENCHMARK(BM_ConstruirTabla)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_Abrir<frmPrincipal>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Abrir<frmEleccion>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Abrir<frmSuelo>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Abrir<frmNomograma>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Abrir<frmSerieNC>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Abrir<frmTarvelPrimera>)->Unit(benchmark::kMillisecond);

void BM_AbrirSerieCalculada(benchmark::State& estado) {
    gNAC = 85;
    gNOB = 70;
    gLapsoAnios = 10;
    for (auto _ : estado) Abrir<frmSerieNCCalculada>(nullptr);
    gNAC = gNOB = gLapsoAnios = 0;
}
BENCHMARK(BM_AbrirSerieCalculada)->Unit(benchmark::kMillisecond);

// The year-by-year chart as the results window's button opens it: the path
// computed with the thresholds of λ = 0.2, the window built, shown and painted.
void AbrirTrayectoria(int lapso) {
    auto ventana =
        std::make_unique<frmTrayectoria>(nullptr, *CalcularTrayectoria(85, 70, lapso, EleccionLambda::Clasica, std::nullopt));
    Mostrar(ventana.get());
}

void BM_AbrirTrayectoria(benchmark::State& estado) {
    for (auto _ : estado) AbrirTrayectoria(static_cast<int>(estado.range(0)));
}
BENCHMARK(BM_AbrirTrayectoria)->Arg(100)->Arg(32767)->Unit(benchmark::kMillisecond);

// A design storm applied on the chart of the longest span, the ratio switched
// between 0.2 and both: the path computed again and the chart redrawn.
void BM_TormentaTrayectoria(benchmark::State& estado) {
    frmTrayectoria ventana(nullptr, *CalcularTrayectoria(85, 70, 32767, EleccionLambda::Clasica, std::nullopt));
    Mostrar(&ventana);
    ventana.findChild<QLineEdit*>("txtLluvia")->setText(QStringLiteral("50"));
    std::array<QRadioButton*, 2> opciones{ventana.findChild<QRadioButton*>("opcLambda_0"),
                                          ventana.findChild<QRadioButton*>("opcLambda_2")};
    int i = 0;
    for (auto _ : estado) {
        opciones[i]->click();
        QCoreApplication::processEvents();
        i = 1 - i;
    }
    if (!ventana.Datos().tormenta) estado.SkipWithError("no storm applied");
}
BENCHMARK(BM_TormentaTrayectoria)->Unit(benchmark::kMillisecond);

// The splash builds and shows itself; its timer never fires here.
void BM_AbrirPresentacion(benchmark::State& estado) {
    for (auto _ : estado) {
        auto splash = std::make_unique<frmPresentacion>();
        splash->hide();
        Mostrar(splash.get());
    }
}
BENCHMARK(BM_AbrirPresentacion)->Unit(benchmark::kMillisecond);

// Row crops, the fifth treatment, soil group C from the soil dialog; then each
// iteration answers the condition, poor and good in turn: the row is worked
// out, its line of Datos.dat read and the window repainted with the number.
void BM_RespuestaPasoAPaso(benchmark::State& estado) {
    frmPrincipal ventana(nullptr);
    Mostrar(&ventana);
    auto hijo = [&](const char* nombre) { return ventana.findChild<QWidget*>(nombre); };
    auto* lista = static_cast<QComboBox*>(hijo("lstVegetacion_0"));
    lista->setCurrentIndex(1);
    emit lista->activated(1);
    static_cast<QRadioButton*>(hijo("opcSuelo_4"))->click();
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* suelo = qobject_cast<frmSuelo*>(w); suelo && suelo->isVisible()) {
                suelo->findChild<QRadioButton*>("opcTasa_2")->click();
                suelo->findChild<QPushButton*>("cmdAceptar")->click();
            }
        }
    });
    static_cast<QPushButton*>(hijo("cmdDeterminarSuelo"))->click();
    std::array<QRadioButton*, 2> condicion{static_cast<QRadioButton*>(hijo("opcCondicion_0")),
                                           static_cast<QRadioButton*>(hijo("opcCondicion_1"))};
    auto* numero = static_cast<QLabel*>(hijo("lblTarvelva"));
    int i = 0;
    for (auto _ : estado) {
        condicion[i]->click();
        // Every repaint the answer asked for, the number's label among them.
        QCoreApplication::processEvents();
        i = 1 - i;
    }
    if (numero->text().isEmpty()) estado.SkipWithError("no curve number shown");
}
BENCHMARK(BM_RespuestaPasoAPaso)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // No stored setting: the Spanish texts, the longer ones.
    QTemporaryDir ajustes;
    qputenv("XDG_CONFIG_HOME", ajustes.path().toLocal8Bit());
    QApplication aplicacion(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);
    InstalarAyuda(aplicacion);
    ResolverIdiomaDeArranque();
    FijarFormatoNumerico();

    // The table screen's first opening in a run: after the main menu and the
    // method choice, as a user reaches it, but with its own first-use costs.
    {
        frmTarvelPrimera menu;
        Mostrar(&menu);
        Abrir<frmEleccion>(&menu);
        timespec cpu0{}, cpu1{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu0);
        QElapsedTimer reloj;
        reloj.start();
        Abrir<frmTabla>(&menu);
        const double pared = reloj.nsecsElapsed() / 1e6;
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu1);
        const double cpu = (cpu1.tv_sec - cpu0.tv_sec) * 1e3 + (cpu1.tv_nsec - cpu0.tv_nsec) / 1e6;
        std::printf("first opening of the table screen in this run: %.2f ms (%.2f ms of CPU)\n", pared, cpu);
        // Then the year-by-year chart of 100 years, Qt Charts' first use in the run.
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu0);
        reloj.restart();
        AbrirTrayectoria(100);
        const double paredGrafico = reloj.nsecsElapsed() / 1e6;
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu1);
        std::printf("first opening of the 100-year chart in this run: %.2f ms (%.2f ms of CPU)\n", paredGrafico,
                    (cpu1.tv_sec - cpu0.tv_sec) * 1e3 + (cpu1.tv_nsec - cpu0.tv_nsec) / 1e6);
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
