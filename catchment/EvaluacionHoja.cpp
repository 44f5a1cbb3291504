#include "catchment/EvaluacionHoja.h"

#include <array>
#include <cmath>

#include "app/Patrones.h"
#include "app/TablaTextos.h"
#include "catchment/TextosCuenca.h"
#include "determination/GrupoSuelo.h"

namespace tarvel {
namespace {

int IndiceGrupo(std::string_view grupo) { return grupo.size() == 1 ? grupo[0] - 'A' + 1 : 0; }

// The number the tables give for a data row and a soil group, or nothing
// where they give none; `hay` is false when the tables do not hold that row.
std::optional<int> NumeroDeTablas(std::span<const FilaDatos> datos, int filaDatos, std::string_view grupo, bool& hay) {
    const int indice = IndiceGrupo(grupo);
    hay = filaDatos >= 1 && static_cast<std::size_t>(filaDatos) <= datos.size() && indice >= 1 && indice <= 4;
    if (!hay) return std::nullopt;
    return NumeroCurva(ValorDeFila(datos[static_cast<std::size_t>(filaDatos - 1)], indice));
}

// The percentages read as the soil window reads them, and what its check makes of them.
void ComprobarTexturaGuardada(const SueloPorTextura& textura, std::string_view grupo, ComprobacionTraza& c) {
    std::array<float, 3> valores{};
    std::array<bool, 3> introducidos{};
    for (std::size_t i = 0; i < 3; ++i) {
        const Porcentaje p = ValidarPorcentaje(textura.porcentajes[i]);
        valores[i] = p.valor;
        introducidos[i] = p.valido;
    }
    const ComprobacionTextura comprobacion = ComprobarTextura(valores, introducidos);
    if (comprobacion.resultado != ComprobacionTextura::Resultado::Grupo) {
        c.avisos.push_back(AvisoTraza::TexturaSinSuma);
        return;
    }
    c.grupoTextura = comprobacion.letra;
    if (c.grupoTextura != grupo) c.avisos.push_back(AvisoTraza::TexturaOtroGrupo);
}

ComprobacionTraza ComprobarTraza(const FilaHoja& fila, std::span<const FilaDatos> datos) {
    ComprobacionTraza c;
    int filaDatos = 0;
    std::string_view grupo;
    if (const auto* paso = std::get_if<TrazaPasoAPaso>(&fila.origen)) {
        filaDatos = paso->filaDatos;
        grupo = paso->grupoSuelo;
        if (const auto* textura = std::get_if<SueloPorTextura>(&paso->comoGrupo)) {
            ComprobarTexturaGuardada(*textura, grupo, c);
        }
    } else if (const auto* tabla = std::get_if<TrazaTabla>(&fila.origen)) {
        filaDatos = tabla->filaDatos;
        grupo = tabla->grupoSuelo;
    } else {
        return c;
    }
    bool hay = false;
    c.cnTablas = NumeroDeTablas(datos, filaDatos, grupo, hay);
    if (!hay) return c;
    // A number not yet typed has nothing to disagree with.
    if (!c.cnTablas) {
        c.avisos.insert(c.avisos.begin(), AvisoTraza::SinValorEnTablas);
    } else if (std::isfinite(fila.cn) && fila.cn != *c.cnTablas) {
        c.avisos.insert(c.avisos.begin(), AvisoTraza::NumeroDistinto);
    }
    return c;
}

}  // namespace

EvaluacionHoja EvaluarHoja(const HojaCuenca& hoja, std::span<const FilaDatos> datos) {
    EvaluacionHoja e;
    e.trazas.reserve(hoja.filas.size());
    for (const FilaHoja& fila : hoja.filas) e.trazas.push_back(ComprobarTraza(fila, datos));

    const auto subareas = SubareasDe(hoja);
    auto compuesto = CalcularCompuesto(subareas);
    if (!compuesto) {
        e.rechazo = compuesto.error();
        return e;
    }
    e.compuesto = std::move(*compuesto);
    // The catchment of the peak: the total area in km², the composite of condition II.
    if (hoja.caudal) e.caudal = EvaluarCaudal(*hoja.caudal, AreaEnKm2(*e.compuesto), e.compuesto->CN[1]);
    if (!hoja.lluvia) return e;
    for (const Lambda lambda : LambdasDe(hoja.lambda)) {
        auto escorrentia = CalcularEscorrentiaCompuesta(*e.compuesto, subareas, *hoja.lluvia, lambda);
        if (!escorrentia) {
            e.rechazo = escorrentia.error();
            e.escorrentias.clear();
            return e;
        }
        e.escorrentias.push_back(std::move(*escorrentia));
    }
    return e;
}

std::vector<std::string> MensajesTraza(const FilaHoja& fila, int numeroFila, const ComprobacionTraza& c) {
    std::vector<std::string> mensajes;
    if (c.Valida()) return mensajes;
    std::string numero = std::to_string(numeroFila + 1);
    if (!fila.nombre.empty()) numero += " (" + fila.nombre + ")";
    int filaDatos = 0;
    std::string grupo;
    const SueloPorTextura* textura = nullptr;
    if (const auto* paso = std::get_if<TrazaPasoAPaso>(&fila.origen)) {
        filaDatos = paso->filaDatos;
        grupo = paso->grupoSuelo;
        textura = std::get_if<SueloPorTextura>(&paso->comoGrupo);
    } else if (const auto* tabla = std::get_if<TrazaTabla>(&fila.origen)) {
        filaDatos = tabla->filaDatos;
        grupo = tabla->grupoSuelo;
    }
    const std::string guardado = TextoNumero(fila.cn);
    for (const AvisoTraza aviso : c.avisos) {
        switch (aviso) {
            case AvisoTraza::NumeroDistinto:
                mensajes.push_back(Mensaje(kTextoTrazaOtroNumero, {numero, std::to_string(filaDatos), grupo,
                                                                   std::to_string(c.cnTablas.value_or(0)), guardado}));
                break;
            case AvisoTraza::SinValorEnTablas:
                mensajes.push_back(Mensaje(kTextoTrazaSinValor, {numero, std::to_string(filaDatos), grupo, guardado}));
                break;
            case AvisoTraza::TexturaSinSuma:
            case AvisoTraza::TexturaOtroGrupo: {
                if (!textura) break;
                const auto& p = textura->porcentajes;
                mensajes.push_back(aviso == AvisoTraza::TexturaSinSuma
                                       ? Mensaje(kTextoTrazaSinSuma, {numero, p[kArcilla], p[kLimo], p[kArena]})
                                       : Mensaje(kTextoTrazaOtroGrupo, {numero, p[kArcilla], p[kLimo], p[kArena],
                                                                        c.grupoTextura, grupo}));
                break;
            }
        }
    }
    return mensajes;
}

}  // namespace tarvel
