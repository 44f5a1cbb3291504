// The batch reader of tarvel-cli: the first byte picks the command (soil
// texture, forest, series, cn, runoff, series with a storm), the rest is its
// CSV input. Whatever the input,
// the batch ends as it says it ended, its output is CSV with one width, the
// stream and in-memory forms agree, and every input record has its output
// record.
#include <csv.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/Csv.h"
#include "Comun.h"
#include "cli/batch/Evaluacion.h"
#include "cli/batch/Lote.h"

using namespace tarvel;
using namespace tarvel::cli;

namespace {

// The number of fields of each record of a CSV text, as libcsv reads it
// with the separator its first line uses.
std::vector<std::size_t> Anchos(const std::string& csv) {
    struct Cuenta {
        std::vector<std::size_t> anchos;
        std::size_t campos = 0;
    } cuenta;
    csv_parser lector;
    if (csv_init(&lector, 0) != 0) std::abort();
    csv_set_delim(&lector, static_cast<unsigned char>(SeparadorCsv(csv)));
    const auto campo = [](void*, std::size_t, void* c) { ++static_cast<Cuenta*>(c)->campos; };
    const auto registro = [](int, void* c) {
        auto* cuenta = static_cast<Cuenta*>(c);
        cuenta->anchos.push_back(cuenta->campos);
        cuenta->campos = 0;
    };
    TARVEL_EXIGIR(csv_parse(&lector, csv.data(), csv.size(), campo, registro, &cuenta) == csv.size());
    csv_fini(&lector, campo, registro, &cuenta);
    csv_free(&lector);
    return cuenta.anchos;
}

const DefinicionLote& Definicion(int orden) {
    static const DefinicionLote textura = LoteTextura();
    static const DefinicionLote bosque = LoteBosque(false);
    static const DefinicionLote serie = LoteSerie(std::nullopt);
    static const DefinicionLote cn = LoteCn(TARVEL_DATOS_DAT);
    static const DefinicionLote escorrentia = LoteEscorrentia(EleccionLambda::Ambas);
    static const DefinicionLote tormenta = LoteSerie(std::nullopt, 50.0, EleccionLambda::Ambas);
    switch (orden % 6) {
        case 0: return textura;
        case 1: return bosque;
        case 2: return serie;
        case 3: return cn;
        case 4: return escorrentia;
        default: return tormenta;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    if (tamano < 1) return 0;
    const DefinicionLote& definicion = Definicion(datos[0]);
    const auto entrada = fuzz::ComoTexto(datos + 1, tamano - 1);

    std::string salida;
    std::string errores;
    const FinLote fin = EjecutarLote(definicion, entrada, salida, errores);
    TARVEL_EXIGIR((fin == FinLote::Hecho) == errores.empty());
    TARVEL_EXIGIR(fin != FinLote::SalidaFallida);

    // Read from a stream and written to one, the batch is the same.
    std::istringstream flujo{std::string(entrada)};
    std::ostringstream salidaFlujo;
    std::ostringstream erroresFlujo;
    TARVEL_EXIGIR(EjecutarLote(definicion, flujo, salidaFlujo, erroresFlujo) == fin);
    TARVEL_EXIGIR(salidaFlujo.str() == salida);
    TARVEL_EXIGIR(erroresFlujo.str() == errores);

    if (salida.empty()) return 0;
    const auto anchos = Anchos(salida);
    TARVEL_EXIGIR(!anchos.empty());
    for (const std::size_t ancho : anchos) TARVEL_EXIGIR(ancho == anchos.front());

    // Without quotes or a byte-order mark a record is a line, CR LF counted
    // as one line end: each line after the header has its output record, the
    // empty ones included.
    if (fin == FinLote::Hecho && entrada.find_first_of("\"\xEF") == std::string_view::npos) {
        std::string lf(entrada);
        for (std::size_t i = 0; (i = lf.find('\r', i)) != std::string::npos;) {
            if (i + 1 < lf.size() && lf[i + 1] == '\n') {
                lf.erase(i, 1);
            } else {
                lf[i] = '\n';
            }
        }
        auto lineas = fuzz::Lineas(lf);
        if (lineas.back().empty()) lineas.pop_back();
        TARVEL_EXIGIR(anchos.size() == lineas.size());
    }
    return 0;
}
