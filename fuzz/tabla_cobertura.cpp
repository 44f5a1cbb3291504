// The lookup table of land-cover codes of the curve-number maps: whatever the
// text, it is either refused with a line inside the text and a message in
// both languages, or read into codes in increasing order, each with a row of
// the data file and the line it came from.
#include <algorithm>

#include "Comun.h"
#include "app/Idioma.h"
#include "app/TablaTextos.h"
#include "data/Datos.h"
#include "raster/TablaCobertura.h"

using namespace tarvel;
using namespace tarvel::raster;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    const auto texto = fuzz::ComoTexto(datos, tamano);
    const auto lineas = static_cast<int>(std::count(texto.begin(), texto.end(), '\n') +
                                         std::count(texto.begin(), texto.end(), '\r') + 1);
    const auto tabla = AnalizarTablaCobertura(texto);
    if (!tabla) {
        TARVEL_EXIGIR(tabla.error().linea >= 0 && tabla.error().linea <= lineas);
        for (const int idioma : {kIdiomaEspanol, kIdiomaIngles}) {
            FijarIdioma(static_cast<std::int16_t>(idioma));
            TARVEL_EXIGIR(!MensajeErrorTabla(tabla.error(), "m.csv").empty());
        }
        return 0;
    }
    const auto& entradas = tabla->entradas;
    TARVEL_EXIGIR(!entradas.empty());
    for (std::size_t i = 0; i < entradas.size(); ++i) {
        TARVEL_EXIGIR(entradas[i].fila >= 1 && entradas[i].fila <= kFilasDatos);
        TARVEL_EXIGIR(entradas[i].linea >= 2 && entradas[i].linea <= lineas);
        if (i > 0) TARVEL_EXIGIR(entradas[i - 1].codigo < entradas[i].codigo);
    }
    return 0;
}
