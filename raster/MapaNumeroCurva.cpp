// A curve-number map from its pieces (raster/PiezasMapa.h): the inputs
// prepared and checked, the tables worked out, the blocks processed into the
// outputs, and the outputs published under their names.
#include "raster/MapaNumeroCurva.h"

#include "app/TablaTextos.h"
#include "raster/PiezasMapa.h"
#include "raster/TablasMapa.h"
#include "raster/TextosRaster.h"

namespace tarvel::raster {

std::expected<Recuento, ErrorMapa> GenerarMapa(const PeticionMapa& p) {
    IniciarGdal();
    SilencioGdal silencio;
    auto entradas = PrepararEntradas(p);
    if (!entradas) return std::unexpected(entradas.error());
    const Tablas tablas = CalcularTablas(p, entradas->cobertura);
    // Whatever goes wrong from here on, the outputs are discarded as `salidas` goes.
    Salidas salidas(p);
    if (auto creadas = salidas.Crear(*entradas); !creadas) return std::unexpected(creadas.error());
    auto recuento = ProcesarBloques(p, *entradas, tablas, salidas);
    if (!recuento) return recuento;
    if (auto publicadas = salidas.Publicar(); !publicadas) return std::unexpected(publicadas.error());
    return recuento;
}

std::string MensajeErrorMapa(const ErrorMapa& e) {
    const std::string archivo = e.archivo.string();
    switch (e.fallo) {
        case FalloMapa::Abrir: return Mensaje(kTextoRasterIlegible, {archivo, e.detalle});
        case FalloMapa::SinBanda: return Mensaje(kTextoRasterSinBanda, {archivo});
        case FalloMapa::VariasBandas:
            return Mensaje(kTextoRasterVariasBandas, {archivo, std::to_string(e.bandas), e.rol});
        case FalloMapa::SinEsaBanda:
            return Mensaje(kTextoRasterSinEsaBanda, {archivo, std::to_string(e.banda), std::to_string(e.bandas)});
        case FalloMapa::Tipo: return Mensaje(kTextoRasterTipo, {archivo, e.detalle});
        case FalloMapa::Desalineados: return Mensaje(kTextoDesalineados, {archivo, e.rol, e.detalle, e.orden});
        case FalloMapa::Repetido: return Mensaje(kTextoArchivoRepetido, {archivo, e.rol, e.detalle});
        case FalloMapa::Crear: return Mensaje(kTextoNoSeCrea, {archivo, e.detalle});
        case FalloMapa::Leer:
            return Mensaje(kTextoNoSeLee, {archivo, std::to_string(e.ancho), std::to_string(e.alto),
                                            std::to_string(e.columna), std::to_string(e.fila), e.detalle});
        case FalloMapa::Escribir: return Mensaje(kTextoRasterNoSeEscribe, {archivo, e.detalle});
        case FalloMapa::Interrumpido: return Mensaje(kTextoInterrumpido, {archivo});
        case FalloMapa::Estricto: return Mensaje(kTextoEstricto, {archivo});
    }
    return {};
}

}  // namespace tarvel::raster
