#include "hydrology/EntradasCaudal.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/TablaTextos.h"
#include "app/TextosMensajes.h"
#include "hydrology/TextosCaudal.h"
#include "hydrology/TextosCaudalHoja.h"
#include "hydrology/TextosEscorrentia.h"

namespace tarvel {
namespace {

constexpr double kNada = std::numeric_limits<double>::quiet_NaN();

// What reads the inputs in order and notes what keeps a figure from being known.
class Lector {
public:
    explicit Lector(std::vector<FaltaCaudal>& faltas) : mFaltas(faltas) {}

    // The value of `dato` (of segment `tramo` or row `fila`, from 0), checked
    // against its range; `siVacio` stands for it when it is missing.
    std::optional<double> Leer(const std::optional<double>& valor, DatoCaudal dato, int tramo = -1, int fila = -1,
                               std::optional<double> siVacio = std::nullopt) const {
        RechazoCaudal lugar{dato, kNada, RangoDe(dato), tramo, fila};
        if (!valor) {
            if (siVacio) return siVacio;
            mFaltas.push_back({lugar, true});
            return std::nullopt;
        }
        if (DentroDe(lugar.rango, *valor)) return *valor + 0.0;  // -0 is 0
        lugar.valor = *valor;
        mFaltas.push_back({lugar, false});
        return std::nullopt;
    }

    void Vacio(DatoCaudal dato, int tramo, int fila) const {
        mFaltas.push_back({{dato, kNada, RangoDe(dato), tramo, fila}, true});
    }

private:
    std::vector<FaltaCaudal>& mFaltas;
};

TramoFlujo Construir(TipoTramo tipo, const std::vector<double>& v, Firme firme) {
    switch (tipo) {
        case TipoTramo::Laminar: return TramoLaminar(v[0], v[1], v[2], v[3]);
        case TipoTramo::Superficial: return TramoSuperficial(v[0], v[1], firme);
        case TipoTramo::Cauce: break;
    }
    return TramoCauce(v[0], v[1], v[2], v[3], v[4]);
}

void CalcularTiempo(const EntradasCaudal& e, const Lector& lector, ResultadoCaudal& r) {
    r.tramos.assign(e.tramos.size(), std::nullopt);
    if (e.tiempoTecleado) {
        r.tc = lector.Leer(e.tc, DatoCaudal::TiempoConcentracion);
        return;
    }
    if (e.metodo == MetodoCaudal::IC) {
        const auto lc = lector.Leer(e.longitudCauce, DatoCaudal::LongitudCauceKm);
        const auto jc = lector.Leer(e.pendienteCauce, DatoCaudal::Pendiente);
        if (!lc || !jc) return;
        if (const auto tc = CalcularTiempoIC(*lc, *jc)) r.tc = *tc;
        return;
    }
    // The flow path: its segments with every field a value, in order.
    std::vector<TramoFlujo> camino;
    std::vector<int> deTramo;
    bool completo = true;
    for (std::size_t t = 0; t < e.tramos.size(); ++t) {
        const TramoEscrito& tramo = e.tramos[t];
        const auto datos = DatosDeTramo(tramo.tipo);
        if (std::ranges::none_of(datos, [&](DatoCaudal d) { return ValorDeTramo(tramo, d).has_value(); })) continue;
        std::vector<double> valores;
        for (const DatoCaudal d : datos) {
            if (const auto v = lector.Leer(ValorDeTramo(tramo, d), d, static_cast<int>(t))) valores.push_back(*v);
        }
        if (valores.size() < datos.size()) {
            completo = false;
            continue;
        }
        const TramoFlujo flujo = Construir(tramo.tipo, valores, tramo.firme);
        const TramoFlujo solo[] = {flujo};
        if (const auto tiempo = CalcularTiempoTR55(solo)) r.tramos[t] = tiempo->tramos.front();
        camino.push_back(flujo);
        deTramo.push_back(static_cast<int>(t));
    }
    if (camino.empty() && completo) {
        if (!e.tramos.empty()) lector.Vacio(DatosDeTramo(e.tramos.front().tipo).front(), 0, -1);
        else lector.Vacio(DatoCaudal::Tramos, -1, -1);
        return;
    }
    if (!completo) return;
    const auto tiempo = CalcularTiempoTR55(camino);
    if (!tiempo) return;  // every field was checked against the same ranges
    r.tc = tiempo->horas;
    for (Aviso aviso : tiempo->avisos) {
        aviso.tramo = deTramo[static_cast<std::size_t>(aviso.tramo)];
        r.avisosCamino.push_back(aviso);
        r.avisos.push_back(TextoAviso(aviso, MetodoCaudal::TR55));
    }
}

// A name as its label reads, without the accelerator mark and the colon.
std::string Rotulo(int texto) {
    std::string nombre;
    const std::string_view rotulo = Texto(texto);
    for (std::size_t i = 0; i < rotulo.size(); ++i) {
        if (rotulo[i] == '&' && i + 1 < rotulo.size()) ++i;
        nombre += rotulo[i];
    }
    while (!nombre.empty() && (nombre.back() == ':' || nombre.back() == ' ')) nombre.pop_back();
    return nombre;
}

}  // namespace

std::vector<DatoCaudal> DatosDeTramo(TipoTramo tipo) {
    switch (tipo) {
        case TipoTramo::Laminar:
            return {DatoCaudal::Rugosidad, DatoCaudal::Longitud, DatoCaudal::Lluvia2Anios, DatoCaudal::Pendiente};
        case TipoTramo::Superficial: return {DatoCaudal::Longitud, DatoCaudal::Pendiente};
        case TipoTramo::Cauce: break;
    }
    return {DatoCaudal::Rugosidad, DatoCaudal::SeccionCauce, DatoCaudal::PerimetroMojado, DatoCaudal::Pendiente,
            DatoCaudal::Longitud};
}

std::optional<double>& ValorDeTramo(TramoEscrito& tramo, DatoCaudal dato) {
    switch (dato) {
        case DatoCaudal::Rugosidad: return tramo.n;
        case DatoCaudal::Longitud: return tramo.longitud;
        case DatoCaudal::Lluvia2Anios: return tramo.lluvia2;
        case DatoCaudal::Pendiente: return tramo.pendiente;
        case DatoCaudal::SeccionCauce: return tramo.seccion;
        default: break;
    }
    return tramo.perimetro;
}

const std::optional<double>& ValorDeTramo(const TramoEscrito& tramo, DatoCaudal dato) {
    return ValorDeTramo(const_cast<TramoEscrito&>(tramo), dato);
}

ResultadoCaudal EvaluarCaudal(const EntradasCaudal& e, std::optional<double> areaDada, std::optional<double> cnDado) {
    ResultadoCaudal r;
    const Lector lector(r.faltas);
    const bool tr55 = e.metodo == MetodoCaudal::TR55;
    // The catchment, in the order of the window's fields.
    const auto area = lector.Leer(areaDada, DatoCaudal::Area);
    std::optional<double> cn, charcas, umbral, beta, i1id;
    if (tr55 || !e.umbralTecleado) cn = lector.Leer(cnDado, DatoCaudal::NumeroCurva);
    if (tr55) {
        charcas = lector.Leer(e.charcas, DatoCaudal::Charcas, -1, -1, 0.0);
    } else {
        if (e.umbralTecleado) {
            umbral = lector.Leer(e.umbral, DatoCaudal::UmbralInicial);
        } else if (cn) {
            const auto deCurva = UmbralInicialDeNumeroCurva(*cn);
            if (deCurva) {
                r.umbralDeCurva = umbral = *deCurva;
            } else {
                r.faltas.push_back({deCurva.error(), false});
            }
        }
        beta = lector.Leer(e.beta, DatoCaudal::Beta, -1, -1, 1.0);
        i1id = lector.Leer(e.i1id, DatoCaudal::IndiceTorrencialidad);
    }
    CalcularTiempo(e, lector, r);

    // The return periods whose storm is given.
    std::vector<TormentaTR55> tr55s;
    std::vector<TormentaIC> ics;
    bool filasCompletas = true;
    for (std::size_t f = 0; f < e.periodos.size(); ++f) {
        const PeriodoEscrito& p = e.periodos[f];
        const int fila = static_cast<int>(f);
        const auto& lluvia = tr55 ? p.lluvia : p.lluviaDiaria;
        if (!lluvia) continue;
        const auto T = lector.Leer(p.T, DatoCaudal::PeriodoRetorno, -1, fila);
        const auto P = lector.Leer(lluvia, tr55 ? DatoCaudal::Lluvia : DatoCaudal::LluviaDiaria, -1, fila);
        std::optional<double> betaFila = 1, fb;
        if (!tr55) {
            betaFila = lector.Leer(p.beta, DatoCaudal::Beta, -1, fila, beta.value_or(1));
            if (p.fb) {
                fb = lector.Leer(p.fb, DatoCaudal::FactorIDF, -1, fila);
                if (!fb) filasCompletas = false;
            }
        }
        if (!T || !P || !betaFila) {
            filasCompletas = false;
            continue;
        }
        r.filas.push_back(fila);
        if (tr55) {
            tr55s.push_back({*T, *P});
        } else {
            ics.push_back({*T, *P, *betaFila, fb});
        }
    }
    if (r.filas.empty() && filasCompletas) lector.Vacio(tr55 ? DatoCaudal::Lluvia : DatoCaudal::LluviaDiaria, -1, 0);
    if (!area || !r.tc || !filasCompletas || r.filas.empty()) return r;

    // A refusal of the core names a row of the table: the return period's row it is.
    const auto rechazar = [&r](RechazoCaudal rechazo) {
        if (rechazo.fila >= 0) rechazo.fila = r.filas[static_cast<std::size_t>(rechazo.fila)];
        r.faltas.push_back({rechazo, false});
    };
    if (tr55) {
        if (!cn || !charcas) return r;
        const DatosTR55 datos{*area, *cn, 0, *r.tc, e.distribucion, *charcas};
        auto filas = CalcularTablaTR55(datos, tr55s);
        if (!filas) {
            rechazar(filas.error());
            return r;
        }
        r.tabla = TablaDeTR55(datos, tr55s, *filas);
        r.tr55 = std::move(*filas);
    } else {
        if (!umbral || !beta || !i1id) return r;
        const DatosIC datos{*area, *r.tc, 0, *i1id, std::nullopt, *umbral, *beta};
        auto filas = CalcularTablaIC(datos, ics);
        if (!filas) {
            rechazar(filas.error());
            return r;
        }
        r.tabla = TablaDeIC(datos, ics, *filas);
        r.ic = std::move(*filas);
    }
    r.avisos.insert(r.avisos.end(), r.tabla->avisos.begin(), r.tabla->avisos.end());
    return r;
}

std::string NombreEntradaCaudal(const RechazoCaudal& lugar) {
    const auto deTramo = [&](int columna) { return NombreDeDato(Texto(columna), lugar.tramo); };
    const auto deFila = [&](int columna) { return Mensaje(kTextoEnFila, {std::to_string(lugar.fila + 1), Texto(columna)}); };
    switch (lugar.dato) {
        case DatoCaudal::Rugosidad: return deTramo(kTextoColumnaRugosidad);
        case DatoCaudal::Longitud: return deTramo(kTextoColumnaLongitud);
        case DatoCaudal::Lluvia2Anios: return deTramo(kTextoColumnaLluvia2);
        case DatoCaudal::Pendiente:
            return lugar.tramo < 0 ? Rotulo(kTextoCampoPendienteCauce) : deTramo(kTextoColumnaPendiente);
        case DatoCaudal::SeccionCauce: return deTramo(kTextoColumnaSeccion);
        case DatoCaudal::PerimetroMojado: return deTramo(kTextoColumnaPerimetro);
        case DatoCaudal::Tramos: return Rotulo(kTextoTiempoTramos);
        case DatoCaudal::LongitudCauceKm: return Rotulo(kTextoCampoLongitudCauce);
        case DatoCaudal::Area: return Rotulo(kTextoCampoArea);
        case DatoCaudal::NumeroCurva: return Rotulo(kTextoCampoCurva);
        case DatoCaudal::Lluvia: return deFila(kTextoColumnaLluvia24);
        // Typed or worked out, it is the time of concentration.
        case DatoCaudal::TiempoConcentracion: return Rotulo(kTextoMarcoTiempo);
        case DatoCaudal::Charcas: return Rotulo(kTextoCampoCharcas);
        case DatoCaudal::LluviaDiaria: return deFila(kTextoColumnaLluviaDiaria);
        case DatoCaudal::IndiceTorrencialidad: return Rotulo(kTextoCampoI1Id);
        case DatoCaudal::FactorIDF: return deFila(kTextoColumnaFb);
        case DatoCaudal::UmbralInicial: return Rotulo(kTextoMarcoUmbral) + ": " + Rotulo(kTextoUmbralTecleado);
        case DatoCaudal::Beta: return lugar.fila < 0 ? Rotulo(kTextoCampoBeta) : deFila(kTextoColumnaBeta);
        case DatoCaudal::PeriodoRetorno: break;
    }
    return deFila(kTextoColumnaPeriodo);
}

std::string MensajeFaltaCaudal(const FaltaCaudal& falta) {
    const std::string nombre = NombreEntradaCaudal(falta.lugar);
    const std::string porque = falta.vacio ? Mensaje(kTextoFaltaDatoCaudal, {nombre})
                                           : Mensaje(kTextoValorRechazado, {nombre, Cifra(falta.lugar.valor),
                                                                            MotivoRango(falta.lugar.rango)});
    return Mensaje(kTextoCaudalIncompleto, {porque});
}

}  // namespace tarvel
