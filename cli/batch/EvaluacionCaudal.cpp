#include "cli/batch/EvaluacionCaudal.h"

#include <tuple>

#include "app/Csv.h"
#include "app/FormatoNumerico.h"
#include "app/Patrones.h"
#include "app/TablaTextos.h"
#include "app/TextosMensajes.h"
#include "cli/batch/Mensajes.h"
#include "hydrology/PresentacionCaudal.h"
#include "hydrology/TextosCaudal.h"

namespace tarvel::cli {
namespace {

using Opcional = std::optional<std::string_view>;

bool Dado(std::string_view valor) { return !EsAusente(valor) && !SinBlancos(valor).empty(); }

Opcional SiDado(std::string_view valor) { return Dado(valor) ? Opcional(valor) : std::nullopt; }

std::string Clave(DatoCaudal dato) { return std::string(ClaveDato(dato)); }

std::string FaltaUnoDeDos(std::string_view uno, std::string_view otro) {
    return std::string(Texto(kTextoErrorEntrada)) + ' ' + Mensaje(kTextoFaltaUnoDeDos, {uno, otro});
}

std::string Incompatibles(std::string_view uno, std::string_view otro) {
    return std::string(Texto(kTextoErrorEntrada)) + ' ' + Mensaje(kTextoIncompatibles, {uno, otro});
}

}  // namespace

Leido<double> LeerDatoCaudal(std::string_view valor, DatoCaudal dato, MarcaDecimal marca, int tramo) {
    // A segment's value is named with its segment; any other by its key, with
    // no text made for it (a batch reads millions of values).
    const std::string deTramo = tramo < 0 ? std::string() : NombreDeDato(ClaveDato(dato), tramo);
    const std::string_view nombre = tramo < 0 ? ClaveDato(dato) : std::string_view(deTramo);
    const auto texto = TextoDeNumero(valor, nombre, marca);
    if (!texto) return std::unexpected(texto.error());
    const auto numero = ConvertirNumero(*texto, FormatoNumerico{'.', ','});
    if (numero && !ComprobarDato(dato, *numero)) return *numero + 0.0;  // -0 is 0
    return std::unexpected(ValorRechazado(nombre, SinBlancos(valor), MotivoRango(RangoDe(dato))));
}

std::string MensajeRechazoCaudal(const RechazoCaudal& rechazo) {
    return ValorRechazado(NombreDeDato(ClaveDato(rechazo.dato), rechazo.tramo), TextoNumero(rechazo.valor),
                          MotivoRango(rechazo.rango));
}

Leido<DistribucionLluvia> LeerDistribucionLluvia(std::string_view valor) {
    if (const auto distribucion = LeerDistribucion(SinBlancos(valor))) return *distribucion;
    return std::unexpected(ValorRechazado("distribution", SinBlancos(valor), Mensaje(kTextoDistribucion)));
}

Leido<TramoFlujo> LeerTramo(TipoTramo tipo, std::span<const std::string_view> campos, MarcaDecimal marca, int tramo) {
    // The fields in the order of the option, each with what it is.
    static constexpr DatoCaudal kLaminar[] = {DatoCaudal::Rugosidad, DatoCaudal::Longitud, DatoCaudal::Lluvia2Anios,
                                              DatoCaudal::Pendiente};
    static constexpr DatoCaudal kSuperficial[] = {DatoCaudal::Longitud, DatoCaudal::Pendiente};
    static constexpr DatoCaudal kCauce[] = {DatoCaudal::Rugosidad, DatoCaudal::SeccionCauce,
                                            DatoCaudal::PerimetroMojado, DatoCaudal::Pendiente, DatoCaudal::Longitud};
    const std::span<const DatoCaudal> datos = tipo == TipoTramo::Laminar       ? std::span<const DatoCaudal>(kLaminar)
                                              : tipo == TipoTramo::Superficial ? std::span<const DatoCaudal>(kSuperficial)
                                                                               : std::span<const DatoCaudal>(kCauce);
    std::vector<double> v;
    for (std::size_t i = 0; i < datos.size(); ++i) {
        const auto leido = LeerDatoCaudal(campos[i], datos[i], marca, tramo);
        if (!leido) return std::unexpected(leido.error());
        v.push_back(*leido);
    }
    switch (tipo) {
        case TipoTramo::Laminar: return TramoLaminar(v[0], v[1], v[2], v[3]);
        case TipoTramo::Superficial: break;
        case TipoTramo::Cauce: return TramoCauce(v[0], v[1], v[2], v[3], v[4]);
    }
    const std::string_view firme = SinBlancos(campos[2]);
    const auto leida = LeerFirme(firme);
    if (!leida) return std::unexpected(ValorRechazado(NombreDeDato("surface", tramo), firme, Mensaje(kTextoFirme)));
    return TramoSuperficial(v[0], v[1], *leida);
}

Leido<TiempoTR55> TiempoDeTramos(std::span<const TramoFlujo> tramos) {
    auto tiempo = CalcularTiempoTR55(tramos);
    if (!tiempo) return std::unexpected(MensajeRechazoCaudal(tiempo.error()));
    return std::move(*tiempo);
}

Leido<double> TiempoDeCauce(std::string_view longitud, std::string_view pendiente, MarcaDecimal marca) {
    const auto lc = LeerDatoCaudal(longitud, DatoCaudal::LongitudCauceKm, marca);
    if (!lc) return std::unexpected(lc.error());
    const auto jc = LeerDatoCaudal(pendiente, DatoCaudal::Pendiente, marca);
    if (!jc) return std::unexpected(jc.error());
    const auto tc = CalcularTiempoIC(*lc, *jc);
    if (!tc) return std::unexpected(MensajeRechazoCaudal(tc.error()));
    return *tc;
}

Leido<double> ValorODefecto(std::string_view valor, std::optional<double> porDefecto, DatoCaudal dato,
                            MarcaDecimal marca) {
    if (!Dado(valor) && porDefecto) return *porDefecto;
    return LeerDatoCaudal(EsAusente(valor) ? std::string_view() : valor, dato, marca);
}

Leido<CaudalTR55> PicoTR55(std::string_view area, std::string_view cn, std::string_view lluvia, double tc,
                           DistribucionLluvia distribucion, double charcas, MarcaDecimal marca) {
    DatosTR55 datos{0, 0, 0, tc, distribucion, charcas};
    const std::tuple<std::string_view, DatoCaudal, double*> campos[] = {
        {area, DatoCaudal::Area, &datos.area}, {cn, DatoCaudal::NumeroCurva, &datos.cn},
        {lluvia, DatoCaudal::Lluvia, &datos.lluvia}};
    for (const auto& [valor, dato, destino] : campos) {
        const auto leido = LeerDatoCaudal(valor, dato, marca);
        if (!leido) return std::unexpected(leido.error());
        *destino = *leido;
    }
    auto caudal = CalcularCaudalTR55(datos);
    if (!caudal) return std::unexpected(MensajeRechazoCaudal(caudal.error()));
    return std::move(*caudal);
}

Leido<double> UmbralInicial(std::optional<std::string_view> umbral, std::optional<std::string_view> cn,
                            MarcaDecimal marca) {
    const std::string p0 = Clave(DatoCaudal::UmbralInicial), curva = Clave(DatoCaudal::NumeroCurva);
    if (umbral && cn) return std::unexpected(Incompatibles(p0, curva));
    if (umbral) return LeerDatoCaudal(*umbral, DatoCaudal::UmbralInicial, marca);
    if (!cn) return std::unexpected(FaltaUnoDeDos(p0, curva));
    const auto numero = LeerDatoCaudal(*cn, DatoCaudal::NumeroCurva, marca);
    if (!numero) return std::unexpected(numero.error());
    const auto calculado = UmbralInicialDeNumeroCurva(*numero);
    if (!calculado) return std::unexpected(MensajeRechazoCaudal(calculado.error()));
    return *calculado;
}

Leido<double> TiempoIC(std::optional<std::string_view> tc, std::optional<std::string_view> longitud,
                       std::optional<std::string_view> pendiente, MarcaDecimal marca) {
    const std::string tiempo = Clave(DatoCaudal::TiempoConcentracion);
    const std::string cauce = Clave(DatoCaudal::LongitudCauceKm) + " + " + Clave(DatoCaudal::Pendiente);
    if (tc && (longitud || pendiente)) return std::unexpected(Incompatibles(tiempo, cauce));
    if (tc) return LeerDatoCaudal(*tc, DatoCaudal::TiempoConcentracion, marca);
    if (!longitud && !pendiente) return std::unexpected(FaltaUnoDeDos(tiempo, cauce));
    return TiempoDeCauce(longitud.value_or(""), pendiente.value_or(""), marca);
}

Leido<CaudalIC> PicoIC(const EntradaPicoIC& e, MarcaDecimal marca) {
    DatosIC datos{0, e.tc, 0, 0, e.fb, e.umbralInicial, e.beta};
    const std::tuple<std::string_view, DatoCaudal, double*> campos[] = {
        {e.area, DatoCaudal::Area, &datos.area},
        {e.lluviaDiaria, DatoCaudal::LluviaDiaria, &datos.lluviaDiaria},
        {e.i1id, DatoCaudal::IndiceTorrencialidad, &datos.i1id}};
    for (const auto& [valor, dato, destino] : campos) {
        const auto leido = LeerDatoCaudal(valor, dato, marca);
        if (!leido) return std::unexpected(leido.error());
        *destino = *leido;
    }
    auto caudal = CalcularCaudalIC(datos);
    if (!caudal) return std::unexpected(MensajeRechazoCaudal(caudal.error()));
    return std::move(*caudal);
}

std::string AvisosEnLinea(std::span<const Aviso> avisos, bool tr55) {
    std::string linea;
    for (const Aviso& aviso : avisos) {
        if (!linea.empty()) linea += " | ";
        linea += TextoAviso(aviso, tr55 ? MetodoCaudal::TR55 : MetodoCaudal::IC);
    }
    return linea;
}

DefinicionLote LoteTiempoTR55() {
    return {{{"kind"},
             {"n", false},
             {"length_m", false},
             {"p2_mm", false},
             {"slope", false},
             {"surface", false},
             {"area_m2", false},
             {"wetted_perimeter_m", false}},
            {{"tt_h", true}, {"velocity_m_s", true}, {"warnings"}},
            [](std::span<const std::string_view> v, MarcaDecimal marca, std::vector<std::string>& resultados) {
                const std::string_view clase = SinBlancos(v[0]);
                const auto tipo = LeerTipoTramo(clase);
                if (!tipo) return ValorRechazado("kind", clase, Mensaje(kTextoTipoTramo));
                // The columns in the order of the kind's option.
                const auto campo = [&v](std::size_t i) { return EsAusente(v[i]) ? std::string_view() : v[i]; };
                std::vector<std::string_view> campos;
                switch (*tipo) {
                    case TipoTramo::Laminar: campos = {campo(1), campo(2), campo(3), campo(4)}; break;
                    case TipoTramo::Superficial: campos = {campo(2), campo(4), campo(5)}; break;
                    case TipoTramo::Cauce: campos = {campo(1), campo(6), campo(7), campo(4), campo(2)}; break;
                }
                const auto tramo = LeerTramo(*tipo, campos, marca);
                if (!tramo) return tramo.error();
                const auto tiempo = TiempoDeTramos(std::span(&*tramo, 1));
                if (!tiempo) return tiempo.error();
                resultados[0] = NumeroCsv(tiempo->horas);
                resultados[1] = NumeroCsv(tiempo->tramos.front().velocidad);
                resultados[2] = AvisosEnLinea(tiempo->avisos, true);
                return std::string();
            }};
}

DefinicionLote LoteTiempoIC() {
    return {{{"length_km"}, {"slope"}},
            {{"tc_h", true}},
            [](std::span<const std::string_view> v, MarcaDecimal marca, std::vector<std::string>& resultados) {
                const auto tc = TiempoDeCauce(v[0], v[1], marca);
                if (!tc) return tc.error();
                resultados[0] = NumeroCsv(*tc);
                return std::string();
            }};
}

DefinicionLote LotePicoTR55(PorDefectoTR55 d) {
    return {{{"area_km2"},
             {"cn"},
             {"storm_mm"},
             {"tc_h", !d.tc},
             {"distribution", !d.distribucion},
             {"ponds_percent", false}},
            {{"peak_m3s", true},
             {"runoff_mm", true},
             {"ia_mm", true},
             {"ia_p", true},
             {"qu", true},
             {"fp", true},
             {"tc_used_h", true},
             {"warnings"}},
            [d](std::span<const std::string_view> v, MarcaDecimal marca, std::vector<std::string>& resultados) {
                const auto tc = ValorODefecto(v[3], d.tc, DatoCaudal::TiempoConcentracion, marca);
                if (!tc) return tc.error();
                const auto distribucion = !Dado(v[4]) && d.distribucion
                                              ? Leido<DistribucionLluvia>(*d.distribucion)
                                              : LeerDistribucionLluvia(EsAusente(v[4]) ? "" : v[4]);
                if (!distribucion) return distribucion.error();
                const auto charcas = ValorODefecto(v[5], d.charcas.value_or(0), DatoCaudal::Charcas, marca);
                if (!charcas) return charcas.error();
                const auto c = PicoTR55(v[0], v[1], v[2], *tc, *distribucion, *charcas, marca);
                if (!c) return c.error();
                resultados[0] = NumeroCsv(c->qp);
                resultados[1] = NumeroCsv(c->Q);
                resultados[2] = NumeroCsv(c->Ia);
                resultados[3] = NumeroCsv(c->iaP);
                resultados[4] = NumeroCsv(c->qu);
                resultados[5] = NumeroCsv(c->Fp);
                resultados[6] = NumeroCsv(*tc);
                resultados[7] = AvisosEnLinea(c->avisos, true);
                return std::string();
            }};
}

DefinicionLote LotePicoIC(PorDefectoIC d) {
    return {{{"area_km2"},
             {"pd_mm"},
             {"i1id"},
             {"p0_mm", false},
             {"cn", false},
             {"beta", false},
             {"fb", false},
             {"tc_h", false},
             {"length_km", false},
             {"slope", false}},
            {{"peak_m3s", true},
             {"c", true},
             {"kt", true},
             {"i_mm_h", true},
             {"ka", true},
             {"id_mm_h", true},
             {"fa", true},
             {"fint", true},
             {"p0_used_mm", true},
             {"tc_used_h", true},
             {"warnings"}},
            [d](std::span<const std::string_view> v, MarcaDecimal marca, std::vector<std::string>& resultados) {
                const auto umbral = Dado(v[3]) || Dado(v[4]) || !d.umbral
                                        ? UmbralInicial(SiDado(v[3]), SiDado(v[4]), marca)
                                        : Leido<double>(*d.umbral);
                if (!umbral) return umbral.error();
                const auto beta = ValorODefecto(v[5], d.beta.value_or(1), DatoCaudal::Beta, marca);
                if (!beta) return beta.error();
                std::optional<double> fb = d.fb;
                if (Dado(v[6])) {
                    const auto leido = LeerDatoCaudal(v[6], DatoCaudal::FactorIDF, marca);
                    if (!leido) return leido.error();
                    fb = *leido;
                }
                const auto tc = Dado(v[7]) || Dado(v[8]) || Dado(v[9]) || !d.tc
                                    ? TiempoIC(SiDado(v[7]), SiDado(v[8]), SiDado(v[9]), marca)
                                    : Leido<double>(*d.tc);
                if (!tc) return tc.error();
                const auto c = PicoIC({v[0], v[1], v[2], *umbral, *beta, fb, *tc}, marca);
                if (!c) return c.error();
                const double valores[] = {c->Q, c->C, c->Kt, c->I, c->KA, c->Id, c->Fa, c->Fint, c->P0, *tc};
                for (std::size_t i = 0; i < std::size(valores); ++i) resultados[i] = NumeroCsv(valores[i]);
                resultados[10] = AvisosEnLinea(c->avisos, false);
                return std::string();
            }};
}

}  // namespace tarvel::cli
