#include "hydrology/TiempoConcentracion.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <initializer_list>

namespace tarvel {
namespace {

std::unexpected<RechazoCaudal> Rechazo(RechazoCaudal rechazo) { return std::unexpected(rechazo); }

// The fields of a segment in the order its builder takes them.
std::optional<RechazoCaudal> ComprobarTramo(const TramoFlujo& t, int i) {
    struct Campo {
        DatoCaudal dato;
        double valor;
    };
    const auto primero = [i](std::initializer_list<Campo> campos) -> std::optional<RechazoCaudal> {
        for (const auto& c : campos) {
            if (auto r = ComprobarDato(c.dato, c.valor, i)) return r;
        }
        return std::nullopt;
    };
    switch (t.tipo) {
        case TipoTramo::Laminar:
            return primero({{DatoCaudal::Rugosidad, t.n},
                            {DatoCaudal::Longitud, t.longitud},
                            {DatoCaudal::Lluvia2Anios, t.lluvia2},
                            {DatoCaudal::Pendiente, t.pendiente}});
        case TipoTramo::Superficial:
            return primero({{DatoCaudal::Longitud, t.longitud}, {DatoCaudal::Pendiente, t.pendiente}});
        case TipoTramo::Cauce: break;
    }
    return primero({{DatoCaudal::Rugosidad, t.n},
                    {DatoCaudal::SeccionCauce, t.seccion},
                    {DatoCaudal::PerimetroMojado, t.perimetro},
                    {DatoCaudal::Pendiente, t.pendiente},
                    {DatoCaudal::Longitud, t.longitud}});
}

// `texto` is `nombre` (lower case) in any case.
bool IgualSinMayusculas(std::string_view texto, std::string_view nombre) {
    return std::ranges::equal(texto, nombre, [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

TiempoTramo Recorrido(const TramoFlujo& t) {
    TiempoTramo r;
    switch (t.tipo) {
        case TipoTramo::Laminar:
            r.horas = CoeficienteLaminar() * std::pow(t.n * t.longitud, 0.8) /
                      (std::sqrt(t.lluvia2) * std::pow(t.pendiente, 0.4));
            r.velocidad = t.longitud / (3600 * r.horas);
            return r;
        case TipoTramo::Superficial:
            r.velocidad = (t.firme == Firme::Pavimentado ? kVelocidadPavimentado : kVelocidadSinPavimentar) *
                          std::sqrt(t.pendiente);
            break;
        case TipoTramo::Cauce:
            r.radio = t.seccion / t.perimetro;
            r.velocidad = std::cbrt(r.radio * r.radio) * std::sqrt(t.pendiente) / t.n;
            break;
    }
    r.horas = t.longitud / (3600 * r.velocidad);
    return r;
}

}  // namespace

std::string_view NombreTipoTramo(TipoTramo tipo) {
    switch (tipo) {
        case TipoTramo::Laminar: return "sheet";
        case TipoTramo::Superficial: return "shallow";
        case TipoTramo::Cauce: break;
    }
    return "channel";
}

std::optional<TipoTramo> LeerTipoTramo(std::string_view texto) {
    for (const TipoTramo tipo : {TipoTramo::Laminar, TipoTramo::Superficial, TipoTramo::Cauce}) {
        if (IgualSinMayusculas(texto, NombreTipoTramo(tipo))) return tipo;
    }
    return std::nullopt;
}

std::string_view NombreFirme(Firme firme) { return firme == Firme::Pavimentado ? "paved" : "unpaved"; }

std::optional<Firme> LeerFirme(std::string_view texto) {
    for (const Firme firme : {Firme::SinPavimentar, Firme::Pavimentado}) {
        if (IgualSinMayusculas(texto, NombreFirme(firme))) return firme;
    }
    return std::nullopt;
}

TramoFlujo TramoLaminar(double n, double longitud, double lluvia2, double pendiente) {
    TramoFlujo t;
    t.tipo = TipoTramo::Laminar;
    t.n = n;
    t.longitud = longitud;
    t.lluvia2 = lluvia2;
    t.pendiente = pendiente;
    return t;
}

TramoFlujo TramoSuperficial(double longitud, double pendiente, Firme firme) {
    TramoFlujo t;
    t.tipo = TipoTramo::Superficial;
    t.longitud = longitud;
    t.pendiente = pendiente;
    t.firme = firme;
    return t;
}

TramoFlujo TramoCauce(double n, double seccion, double perimetro, double pendiente, double longitud) {
    TramoFlujo t;
    t.tipo = TipoTramo::Cauce;
    t.n = n;
    t.seccion = seccion;
    t.perimetro = perimetro;
    t.pendiente = pendiente;
    t.longitud = longitud;
    return t;
}

// TR-55's sheet flow, Tt = 0.007 (n L_ft)^0.8 / (P2_in^0.5 s^0.4), with L_ft =
// L / 0.3048 and P2_in = P2 / 25.4: (n L_ft)^0.8 = (n L)^0.8 · 0.3048^-0.8 and
// 1 / P2_in^0.5 = 25.4^0.5 / P2^0.5, so the SI coefficient is
// 0.007 · 0.3048^-0.8 · 25.4^0.5 = 0.007 · 2.58716 · 5.03984 = 0.091272.
// (The shallow-flow velocities are the ft/s ones times 0.3048; the channel's
// 1.49 is 1 / 0.3048^(1/3) rounded, and the SI form has 1.)
double CoeficienteLaminar() {
    static const double k = 0.007 * std::pow(0.3048, -0.8) * std::sqrt(25.4);
    return k;
}

std::expected<TiempoTR55, RechazoCaudal> CalcularTiempoTR55(std::span<const TramoFlujo> tramos) {
    const double cuantos = static_cast<double>(tramos.size());
    if (auto r = ComprobarDato(DatoCaudal::Tramos, cuantos)) return Rechazo(*r);
    TiempoTR55 tc;
    for (std::size_t i = 0; i < tramos.size(); ++i) {
        const int indice = static_cast<int>(i);
        if (auto r = ComprobarTramo(tramos[i], indice)) return Rechazo(*r);
        tc.tramos.push_back(Recorrido(tramos[i]));
        tc.horas += tc.tramos.back().horas;
        if (tramos[i].tipo == TipoTramo::Laminar && tramos[i].longitud > kLaminarMaxima) {
            tc.avisos.push_back({TipoAviso::LaminarLarga, tramos[i].longitud, kLaminarMaxima, indice});
        }
    }
    return tc;
}

std::optional<double> RugosidadDeClave(std::string_view clave) {
    const auto fila = std::ranges::find(kTabla31, clave, &RugosidadLaminar::clave);
    if (fila == kTabla31.end()) return std::nullopt;
    return fila->n;
}

std::expected<double, RechazoCaudal> CalcularTiempoIC(double longitudKm, double pendiente) {
    if (auto r = ComprobarDato(DatoCaudal::LongitudCauceKm, longitudKm)) return Rechazo(*r);
    if (auto r = ComprobarDato(DatoCaudal::Pendiente, pendiente)) return Rechazo(*r);
    return 0.3 * std::pow(longitudKm, 0.76) * std::pow(pendiente, -0.19);
}

}  // namespace tarvel
