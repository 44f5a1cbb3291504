// The tables every cell of a map is looked up in, from the lookup table of
// land-cover codes, Datos.dat and the run's condition, ratio and storm.
#include "raster/TablasMapa.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "hydrology/Conversion.h"

namespace tarvel::raster {

std::int32_t Posicion(const std::vector<EntradaCobertura>& entradas, std::int64_t codigo,
                      std::optional<std::int64_t> sinDato) {
    if (sinDato && codigo == *sinDato) return kKSinDato;
    const auto it = std::ranges::lower_bound(entradas, codigo, {}, &EntradaCobertura::codigo);
    return it != entradas.end() && it->codigo == codigo ? static_cast<std::int32_t>(it - entradas.begin())
                                                        : kKDesconocido;
}

Tablas CalcularTablas(const PeticionMapa& p, const Entrada& cob) {
    Tablas t;
    const auto& entradas = p.tabla.entradas;
    if (cob.ancho == Ancho::U8) {
        t.codigoPorK = true;
        for (std::int64_t v = 0; v < 256; ++v) {
            t.codigo.push_back(v);
            t.entrada.push_back(Posicion(entradas, v, cob.sinDato));
        }
    } else {
        for (std::size_t i = 0; i < entradas.size(); ++i) {
            t.codigo.push_back(entradas[i].codigo);
            t.entrada.push_back(static_cast<std::int32_t>(i));
        }
        t.codigo.insert(t.codigo.end(), {0, 0});
        t.entrada.insert(t.entrada.end(), {kKSinDato, kKDesconocido});
    }
    const std::size_t total = t.entrada.size() * kClases;
    t.cn.assign(total, kSinDatoNumeroCurva);
    t.umbral.assign(total, kSinDatoMilimetros);
    t.q.assign(total, kSinDatoMilimetros);
    t.especial.assign(total, kNada);
    t.conValor.assign(total, false);
    for (std::size_t k = 0; k < t.entrada.size(); ++k) {
        // A land-cover no-data cell is counted as that, whatever its soil group.
        if (t.entrada[k] == kKSinDato) continue;
        t.especial[k * kClases + kSueloOtro] = kAnotarSuelo;
        if (t.entrada[k] == kKDesconocido) {
            if (!t.codigoPorK) {
                for (unsigned s = 0; s < 4; ++s) t.especial[k * kClases + s] = kAnotarCodigo;
            }
            continue;
        }
        const FilaDatos& fila =
            p.datos.at(static_cast<std::size_t>(entradas[static_cast<std::size_t>(t.entrada[k])].fila - 1));
        for (int g = 1; g <= 4; ++g) {
            const ValorCurva valor = ValorDeFila(fila, g);
            if (valor.falta) continue;
            // Datos.dat holds two digits, 06 to 99: every conversion and the
            // runoff are defined there; a failure all the same leaves no value.
            const double cn2 = std::stoi(valor.texto);
            const auto cn = p.condicion == CondicionHumedad::I     ? Ncondicion1(cn2)
                            : p.condicion == CondicionHumedad::III ? Ncondicion3(cn2)
                                                                   : std::expected<double, ErrorAritmetico>(cn2);
            if (!cn) continue;
            // The threshold is the initial abstraction of the ratio in force:
            // with 0.2 the program's own threshold, with 0.05 that of S0.05.
            const auto q = CalcularEscorrentia(*cn, p.lluvia, p.lambda);
            const auto umbral = p.lambda == Lambda::Clasica ? UmbralEscorrentia(*cn).value_or(NAN) : q ? q->Ia : NAN;
            if (!std::isfinite(umbral) || !q) continue;
            const std::size_t c = k * kClases + static_cast<unsigned>(g - 1);
            // The byte holds the curve number rounded to a whole number; the
            // threshold and the runoff come from the unrounded one.
            t.cn[c] = static_cast<std::uint8_t>(std::lround(*cn));
            t.umbral[c] = static_cast<float>(umbral);
            t.q[c] = static_cast<float>(q->Q);
            t.conValor[c] = true;
        }
    }
    return t;
}

IndiceCobertura CrearIndiceCobertura(const Entrada& e, const TablaCobertura& tabla) {
    IndiceCobertura ic;
    ic.conSigno = e.conSigno;
    ic.sinDato = e.sinDato;
    ic.entradas = tabla.entradas;
    if (e.ancho == Ancho::U8) {
        ic.lut.resize(256);
        for (std::uint32_t u = 0; u < 256; ++u) ic.lut[u] = u;
    } else if (e.ancho == Ancho::U16) {
        ic.lut.resize(65536);
        for (std::size_t u = 0; u < ic.lut.size(); ++u) {
            ic.lut[u] = ic.Indice(Posicion(ic.entradas, ic.Valor(static_cast<std::uint16_t>(u)), ic.sinDato));
        }
    } else {
        // Wide codes: a dense table over the span of the listed codes when it
        // is small, a search among them otherwise.
        ic.minimo = ic.entradas.front().codigo;
        const std::uint64_t span =
            static_cast<std::uint64_t>(ic.entradas.back().codigo) - static_cast<std::uint64_t>(ic.minimo);
        ic.denso = span < (1u << 20);
        if (ic.denso) {
            ic.lut.resize(span + 1);
            for (std::uint64_t d = 0; d <= span; ++d) {
                ic.lut[d] = ic.Indice(Posicion(ic.entradas, ic.minimo + static_cast<std::int64_t>(d), ic.sinDato));
            }
        }
    }
    return ic;
}

ClaseSuelo CrearClaseSuelo(const Entrada& e, GruposDuales duales) {
    ClaseSuelo cs;
    cs.sinDato = e.sinDato;
    cs.conSigno = e.conSigno;
    for (std::uint8_t g = 0; g < 4; ++g) cs.duales[g] = duales == GruposDuales::Drenados ? g : 3;
    if (e.ancho != Ancho::I64) {
        cs.lut.resize(e.ancho == Ancho::U8 ? 256 : 65536);
        for (std::size_t u = 0; u < cs.lut.size(); ++u) cs.lut[u] = cs.Clase(cs.Valor(static_cast<std::uint16_t>(u)));
    }
    return cs;
}

}  // namespace tarvel::raster
