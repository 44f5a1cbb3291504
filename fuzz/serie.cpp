// A series request as typed: present curve number, target curve number and,
// on a third line, the span in years (no third line: the span switch is off).
// Whatever is typed, an accepted request is one the results window can show
// in full, with finite numbers only.
#include <cmath>
#include <string>

#include "Comun.h"
#include "app/FormatoNumerico.h"
#include "series/Serie.h"
#include "series/ValidacionSerie.h"

using namespace tarvel;

namespace {

bool SinNumerosRaros(const std::string& texto) {
    return texto.find_first_not_of("-.0123456789") == std::string::npos;
}

void Comprobar(std::string_view nac, std::string_view nob, bool activo, std::string_view lapso) {
    const auto entrada = ValidarSerie(nac, nob, activo, lapso);
    if (!entrada) {
        const int mensaje = MensajeDeRechazo(entrada.error());
        TARVEL_EXIGIR(mensaje >= 193 && mensaje <= 196);
        const auto accion = AccionDeRechazo(entrada.error());
        TARVEL_EXIGIR(accion.mensaje == 0 || (accion.mensaje >= 193 && accion.mensaje <= 196));
        TARVEL_EXIGIR(accion.campo != CampoSerie::Ninguno || accion.mensaje != 0);
        return;
    }
    TARVEL_EXIGIR(entrada->nac > 0 && entrada->nac <= 100);
    TARVEL_EXIGIR(entrada->nob > 0 && entrada->nob <= 100);
    TARVEL_EXIGIR(entrada->nob < entrada->nac);
    if (activo) {
        TARVEL_EXIGIR(ValidarLapso(lapso));
        TARVEL_EXIGIR(entrada->lapso >= 2 && entrada->lapso <= 32767 && entrada->lapso == std::floor(entrada->lapso));
        const auto variacion = VariacionAnual(entrada->nac, entrada->nob, entrada->lapso);
        TARVEL_EXIGIR(variacion && std::isfinite(*variacion) && *variacion > 0);
    } else {
        TARVEL_EXIGIR(entrada->lapso == 0);
    }

    const auto serie = CalcularSerie(entrada->nac, entrada->nob);
    TARVEL_EXIGIR(serie.has_value());
    const auto tabla = TablaDeSerie(*serie);
    for (int fila = 1; fila < kFilasTablaSerie; ++fila) {
        for (int columna = 1; columna < kColumnasTablaSerie; ++columna) {
            const auto& celda = tabla[fila][columna];
            TARVEL_EXIGIR(SinNumerosRaros(celda));
            TARVEL_EXIGIR(celda.empty() == (columna == kColumnaSeparador));
            const auto tooltip = TooltipDeCelda(*serie, fila, columna);
            TARVEL_EXIGIR(SinNumerosRaros(tooltip.texto));
        }
    }
    for (const auto* valores : {&serie->NAC, &serie->PAC, &serie->NOB, &serie->POB}) {
        for (const double v : *valores) TARVEL_EXIGIR(std::isfinite(v) && v >= 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    const auto campos = fuzz::Lineas(fuzz::ComoTexto(datos, tamano));
    if (campos.size() < 2) return 0;
    const bool activo = campos.size() >= 3;
    const std::string_view lapso = activo ? campos[2] : std::string_view();

    // The span check stands on its own, by the number the text starts with.
    const double anios = LeerNumeroInicial(lapso);
    TARVEL_EXIGIR(ValidarLapso(lapso) == (anios >= 2 && anios <= 32767 && anios == std::floor(anios)));

    // The program's format, and the other one a test may set.
    for (const FormatoNumerico formato : {FormatoNumerico{'.', ','}, FormatoNumerico{',', '.'}}) {
        EstablecerFormato(formato);
        Comprobar(campos[0], campos[1], activo, lapso);
    }
    EstablecerFormato({'.', ','});
    return 0;
}
