// A worksheet file: any bytes are either refused with a message that says
// what is wrong, in both languages, or a worksheet that, written again, reads
// back equal, and whose answer (EvaluarHoja) holds together: a trail check
// per row with a message per finding, a composite between the rows' numbers,
// the runoff of each ratio within the storm (or the storm refused as too
// large), a peak discharge whose table is there exactly when nothing is
// missing (and a message for what is), and a report of every row.
#include <algorithm>

#include "Comun.h"
#include "app/Idioma.h"
#include "catchment/ArchivoHoja.h"
#include "catchment/EvaluacionHoja.h"
#include "catchment/InformeHoja.h"

using namespace tarvel;

namespace {

bool MensajeValido(const std::string& mensaje) {
    return !mensaje.empty() && fuzz::Utf8Valido(mensaje) && mensaje.find('%') == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    static const std::vector<FilaDatos> tablas = LeerDatos(TARVEL_DATOS_DAT).value();
    const auto hoja = LeerHoja(fuzz::ComoTexto(datos, tamano));
    if (!hoja) {
        for (const char* idioma : {"", "English"}) {
            AplicarIdioma(idioma);
            TARVEL_EXIGIR(MensajeValido(MensajeErrorHoja(hoja.error())));  // every placeholder filled
        }
        AplicarIdioma("");
        return 0;
    }
    TARVEL_EXIGIR(ValidarHoja(*hoja).has_value());
    const auto texto = TextoHoja(*hoja);
    TARVEL_EXIGIR(texto.has_value());
    const auto otra = LeerHoja(*texto);
    TARVEL_EXIGIR(otra.has_value() && *otra == *hoja);

    const EvaluacionHoja e = EvaluarHoja(*hoja, tablas);
    TARVEL_EXIGIR(e.trazas.size() == hoja->filas.size());
    for (std::size_t i = 0; i < hoja->filas.size(); ++i) {
        const auto mensajes = MensajesTraza(hoja->filas[i], static_cast<int>(i), e.trazas[i]);
        TARVEL_EXIGIR(mensajes.size() == e.trazas[i].avisos.size());
        // Their texture findings quote percentages: "%" is theirs.
        TARVEL_EXIGIR(std::ranges::all_of(mensajes, [](const std::string& m) { return !m.empty() && fuzz::Utf8Valido(m); }));
    }
    if (hoja->filas.empty()) {
        TARVEL_EXIGIR(e.rechazo && e.rechazo->fallo == FalloCuenca::SinFilas);
        return 0;
    }
    TARVEL_EXIGIR(CsvHoja(*hoja).has_value());
    TARVEL_EXIGIR(e.compuesto && e.compuesto->CN[1] > 0 && e.compuesto->CN[1] <= 100);
    TARVEL_EXIGIR(e.caudal.has_value() == hoja->caudal.has_value());
    if (e.caudal) {
        const ResultadoCaudal& c = *e.caudal;
        TARVEL_EXIGIR(c.tabla.has_value() == c.faltas.empty());
        TARVEL_EXIGIR(c.tramos.size() == hoja->caudal->tramos.size());
        if (c.tabla) {
            TARVEL_EXIGIR(c.tabla->filas.size() == c.filas.size() && c.filas.size() == c.tr55.size() + c.ic.size());
        } else {
            TARVEL_EXIGIR(MensajeValido(MensajeFaltaCaudal(c.faltas.front())));
        }
    }
    if (e.rechazo) {
        TARVEL_EXIGIR(hoja->lluvia && e.rechazo->fallo == FalloCuenca::LluviaExcesiva && e.escorrentias.empty());
        return 0;
    }
    TARVEL_EXIGIR(e.escorrentias.size() == (hoja->lluvia ? LambdasDe(hoja->lambda).size() : 0));
    for (const auto& r : e.escorrentias) {
        TARVEL_EXIGIR(r.Q >= 0 && r.Q <= r.P && r.equivalente.CN > 0 && r.equivalente.CN <= 100);
    }
    const auto informe = InformeDeHoja(*hoja, e, "a.tarvel", "2025-01-01");
    TARVEL_EXIGIR(informe.has_value());
    const auto& filas = std::get<TablaInforme>(informe->bloques.at(1)).filas;
    TARVEL_EXIGIR(filas.size() == hoja->filas.size() + 1);
    return 0;
}
