// A worksheet file: any bytes are either refused with a message that says
// what is wrong, in both languages, or a worksheet that the composite can
// work on and that, written again, reads back equal.
#include "Comun.h"
#include "app/Idioma.h"
#include "catchment/ArchivoHoja.h"

using namespace tarvel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    const auto hoja = LeerHoja(fuzz::ComoTexto(datos, tamano));
    if (!hoja) {
        for (const char* idioma : {"", "English"}) {
            AplicarIdioma(idioma);
            const std::string mensaje = MensajeErrorHoja(hoja.error());
            TARVEL_EXIGIR(!mensaje.empty() && fuzz::Utf8Valido(mensaje));
            TARVEL_EXIGIR(mensaje.find('%') == std::string::npos);  // every placeholder filled
        }
        AplicarIdioma("");
        return 0;
    }
    TARVEL_EXIGIR(ValidarHoja(*hoja).has_value());
    const auto texto = TextoHoja(*hoja);
    TARVEL_EXIGIR(texto.has_value());
    const auto otra = LeerHoja(*texto);
    TARVEL_EXIGIR(otra.has_value() && *otra == *hoja);
    if (hoja->filas.empty()) return 0;
    TARVEL_EXIGIR(CsvHoja(*hoja).has_value());
    const auto subareas = SubareasDe(*hoja);
    const auto compuesto = CalcularCompuesto(subareas);
    TARVEL_EXIGIR(compuesto && compuesto->CN[1] > 0 && compuesto->CN[1] <= 100);
    if (!hoja->lluvia) return 0;
    for (const Lambda lambda : LambdasDe(hoja->lambda)) {
        const auto r = CalcularEscorrentiaCompuesta(subareas, *hoja->lluvia, lambda);
        TARVEL_EXIGIR(r ? r->Q >= 0 && r->Q <= *hoja->lluvia && r->equivalente.CN > 0 && r->equivalente.CN <= 100
                        : r.error().fallo == FalloCuenca::LluviaExcesiva);
    }
    return 0;
}
