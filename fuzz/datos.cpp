// Datos.dat as a whole file: any bytes are either the 72 rows of four curve
// numbers or one fault that names its line, in a message that can be shown.
#include <string>

#include "Comun.h"
#include "data/Datos.h"

using namespace tarvel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    const auto contenido = fuzz::ComoTexto(datos, tamano);
    const auto filas = AnalizarDatos(contenido, "Datos.dat");
    if (filas) {
        // Only a file of exactly 72 well-formed lines is accepted.
        TARVEL_EXIGIR(filas->size() == static_cast<std::size_t>(kFilasDatos));
        TARVEL_EXIGIR(tamano == 936 || tamano == 934);
        for (const auto& fila : *filas) {
            for (const auto& campo : fila) {
                TARVEL_EXIGIR(campo == "-1" || (campo.size() == 2 && campo[0] >= '0' && campo[0] <= '9' &&
                                                campo[1] >= '0' && campo[1] <= '9'));
            }
        }
        return 0;
    }
    const ErrorDatos& error = filas.error();
    TARVEL_EXIGIR(error.fallo != FalloDatos::FaltaArchivo && error.fallo != FalloDatos::NoLegible &&
                  error.fallo != FalloDatos::FilaInexistente);
    TARVEL_EXIGIR(error.linea >= 0 && error.linea <= kFilasDatos + 1);
    TARVEL_EXIGIR((error.fallo == FalloDatos::Campo) == (error.campo >= 0));
    TARVEL_EXIGIR(error.campo < 4);
    for (int idioma : {1, 2}) {
        const std::string mensaje = MensajeErrorDatos(error, idioma);
        // Whatever bytes the file holds, the message is text a window can show.
        TARVEL_EXIGIR(!mensaje.empty() && fuzz::Utf8Valido(mensaje));
        TARVEL_EXIGIR(mensaje.find("Datos.dat") != std::string::npos);
    }
    return 0;
}
