// The rules without windows: number reading, soil group, forest class, row
// computation, the data file, the series and its year-by-year path, and the
// batch reader on text in memory (rows per second without the process or the
// disk).
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "app/FormatoNumerico.h"
#include "cli/batch/Evaluacion.h"
#include "cli/batch/Lote.h"
#include "data/Datos.h"
#include "determination/Clasificacion.h"
#include "determination/CondicionBosque.h"
#include "determination/GrupoSuelo.h"
#include "series/Serie.h"
#include "series/Trayectoria.h"

using namespace tarvel;

namespace {

void BM_ConvertirNumero(benchmark::State& estado) {
    for (auto _ : estado) benchmark::DoNotOptimize(ConvertirNumero("33.25"));
}
BENCHMARK(BM_ConvertirNumero);

void BM_GrupoDeTextura(benchmark::State& estado) {
    for (auto _ : estado) benchmark::DoNotOptimize(cli::GrupoDeTextura("20", "40", "40"));
}
BENCHMARK(BM_GrupoDeTextura);

void BM_GrupoPorTextura(benchmark::State& estado) {
    for (auto _ : estado) benchmark::DoNotOptimize(GrupoPorTextura(20, 40, 40));
}
BENCHMARK(BM_GrupoPorTextura);

void BM_ClaseCondicionBosque(benchmark::State& estado) {
    for (auto _ : estado) benchmark::DoNotOptimize(ClaseCondicionBosque(5, 5, kFactorArropeAntes, 3.0));
}
BENCHMARK(BM_ClaseCondicionBosque);

void BM_FilaDeDatos(benchmark::State& estado) {
    for (auto _ : estado) benchmark::DoNotOptimize(FilaDeDatos(1, 4, 1));
}
BENCHMARK(BM_FilaDeDatos);

// One lookup as the step-by-step window makes it: open, read one line, close.
void BM_ValorNumeroCurva(benchmark::State& estado) {
    const auto datos = RutaDatos(TARVEL_CARPETA_PROGRAMA);
    for (auto _ : estado) benchmark::DoNotOptimize(ValorNumeroCurva(datos, 9, 3));
}
BENCHMARK(BM_ValorNumeroCurva)->Unit(benchmark::kMicrosecond);

// The whole file, as the table screen reads it.
void BM_LeerDatos(benchmark::State& estado) {
    const auto datos = RutaDatos(TARVEL_CARPETA_PROGRAMA);
    for (auto _ : estado) benchmark::DoNotOptimize(LeerDatos(datos));
}
BENCHMARK(BM_LeerDatos)->Unit(benchmark::kMicrosecond);

void BM_SerieYTabla(benchmark::State& estado) {
    for (auto _ : estado) benchmark::DoNotOptimize(TablaDeSerie(*CalcularSerie(85, 70)));
}
BENCHMARK(BM_SerieYTabla);

// The year-by-year path of the longest span, as the chart window computes
// it: without a storm, and with a storm under both ratios.
void BM_TrayectoriaMaxima(benchmark::State& estado) {
    std::optional<Tormenta> tormenta;
    if (estado.range(0) != 0) tormenta = Tormenta{50, EleccionLambda::Ambas};
    for (auto _ : estado) benchmark::DoNotOptimize(CalcularTrayectoria(85, 70, kLapsoMaximo, tormenta));
}
BENCHMARK(BM_TrayectoriaMaxima)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The batch soil classification on a text in memory, as scripts/bench
// generates its files: an ID, then clay, silt and sand that add up to 100.
void BM_LoteTextura(benchmark::State& estado) {
    std::mt19937 azar(1);
    std::string entrada = "id,clay,silt,sand\n";
    const auto filas = static_cast<int>(estado.range(0));
    for (int i = 0; i < filas; ++i) {
        const int arcilla = static_cast<int>(azar() % 61);
        const int limo = static_cast<int>(azar() % static_cast<unsigned>(101 - arcilla));
        entrada += "P" + std::to_string(i) + ',' + std::to_string(arcilla) + ',' + std::to_string(limo) + ',' +
                   std::to_string(100 - arcilla - limo) + '\n';
    }
    const cli::DefinicionLote definicion = cli::LoteTextura();
    std::string salida;
    std::string errores;
    for (auto _ : estado) {
        cli::EjecutarLote(definicion, entrada, salida, errores);
        benchmark::DoNotOptimize(salida.data());
    }
    estado.SetItemsProcessed(estado.iterations() * filas);
    estado.SetBytesProcessed(estado.iterations() * static_cast<long long>(entrada.size()));
}
BENCHMARK(BM_LoteTextura)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
