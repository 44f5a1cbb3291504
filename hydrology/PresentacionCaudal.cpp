#include "hydrology/PresentacionCaudal.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "app/Patrones.h"
#include "app/TablaTextos.h"
#include "app/TextosMensajes.h"
#include "hydrology/TextosCaudal.h"
#include "hydrology/TextosEscorrentia.h"

namespace tarvel {
namespace {

constexpr int kSignificativas = 3;
constexpr int kDecimalesMaximos = 9;  // below a billionth, a figure shows as 0.000000000

// The power of ten of the first digit of |valor| once rounded to the
// significant digits kept (99.96 counts as 100).
int Exponente(double valor) {
    char texto[32];
    const auto fin = std::to_chars(texto, texto + sizeof texto, std::fabs(valor), std::chars_format::scientific,
                                   kSignificativas - 1).ptr;
    const std::string_view cientifico(texto, static_cast<std::size_t>(fin - texto));
    std::string_view resto = cientifico.substr(cientifico.find('e') + 1);
    if (resto.front() == '+') resto.remove_prefix(1);
    int exponente = 0;
    std::from_chars(resto.data(), resto.data() + resto.size(), exponente);
    return exponente;
}

// A figure in a sentence, without the zeros that only mark its precision: 35, 0.05, 1.89.
std::string CifraEnTexto(double valor) {
    std::string texto = Cifra(valor);
    if (texto.find('.') != std::string::npos) {
        texto.erase(texto.find_last_not_of('0') + 1);
        if (texto.back() == '.') texto.pop_back();
    }
    return texto;
}

std::string Linea(const std::vector<std::string>& campos) {
    std::string linea;
    for (std::size_t i = 0; i < campos.size(); ++i) linea += (i ? "\t" : "") + campos[i];
    return linea + '\n';
}

}  // namespace

std::string Cifra(double valor) {
    if (!std::isfinite(valor)) return {};
    if (valor == 0) return Formatear(0, Patron::UnDecimalConCero);
    return FormatearDecimales(valor, std::clamp(kSignificativas - 1 - Exponente(valor), 0, kDecimalesMaximos));
}

std::string TextoLimite(double valor) {
    if (!std::isfinite(valor)) return {};
    if (valor == 0 || std::fabs(valor) >= 1e-4) return TextoNumero(valor);
    std::string texto = FormatearDecimales(valor, 15);
    texto.erase(texto.find_last_not_of('0') + 1);
    return texto;
}

std::string MotivoRango(const Rango& rango) {
    const std::string desde = TextoLimite(rango.minimo);
    const std::string hasta = TextoLimite(rango.maximo);
    const int texto = rango.minimoAbierto ? (rango.maximoAbierto ? kTextoRangoAbierto : kTextoRangoAbiertoAbajo)
                                          : (rango.maximoAbierto ? kTextoRangoAbiertoArriba : kTextoNumero);
    return Mensaje(texto, {desde, hasta});
}

std::string NombreDeDato(std::string_view nombre, int tramo) {
    if (tramo < 0) return std::string(nombre);
    return Mensaje(kTextoDatoDeTramo, {std::to_string(tramo + 1), nombre});
}

std::string TextoAviso(const Aviso& aviso, MetodoCaudal metodo) {
    const bool tr55 = metodo == MetodoCaudal::TR55;
    int texto = kTextoAvisoAreaIC;
    switch (aviso.tipo) {
        case TipoAviso::LaminarLarga: texto = kTextoAvisoLaminarLarga; break;
        case TipoAviso::NumeroCurvaBajo: texto = kTextoAvisoCurvaBaja; break;
        case TipoAviso::TiempoCorto: texto = tr55 ? kTextoAvisoTiempoCortoTR55 : kTextoAvisoTiempoCortoIC; break;
        case TipoAviso::TiempoLargo: texto = tr55 ? kTextoAvisoTiempoLargoTR55 : kTextoAvisoTiempoLargoIC; break;
        case TipoAviso::IaPBajo: texto = kTextoAvisoIaPBajo; break;
        case TipoAviso::IaPAlto: texto = kTextoAvisoIaPAlto; break;
        case TipoAviso::AreaGrande: texto = tr55 ? kTextoAvisoAreaTR55 : kTextoAvisoAreaIC; break;
        case TipoAviso::CharcasExcesivas: texto = kTextoAvisoCharcas; break;
    }
    // 2000 acres in km² has no short exact form: it reads at the figures' precision.
    const bool acres = tr55 && aviso.tipo == TipoAviso::AreaGrande;
    return Mensaje(texto, {CifraEnTexto(aviso.valor), acres ? CifraEnTexto(aviso.limite) : TextoLimite(aviso.limite),
                           std::to_string(aviso.tramo + 1)});
}

std::string_view ClaveAviso(TipoAviso tipo) {
    switch (tipo) {
        case TipoAviso::LaminarLarga: return "sheet_flow_too_long";
        case TipoAviso::NumeroCurvaBajo: return "cn_below_range";
        case TipoAviso::TiempoCorto: return "tc_below_range";
        case TipoAviso::TiempoLargo: return "tc_above_range";
        case TipoAviso::IaPBajo: return "ia_p_below_table";
        case TipoAviso::IaPAlto: return "ia_p_above_table";
        case TipoAviso::AreaGrande: return "area_above_range";
        case TipoAviso::CharcasExcesivas: break;
    }
    return "ponds_above_table";
}

std::vector<std::string> AvisosDeFilas(MetodoCaudal metodo, std::span<const AvisosDeFila> filas) {
    struct Visto {
        Aviso aviso;
        std::vector<double> periodos;
    };
    std::vector<Visto> vistos;
    for (const AvisosDeFila& fila : filas) {
        for (const Aviso& aviso : fila.avisos) {
            auto visto = std::ranges::find(vistos, aviso, &Visto::aviso);
            if (visto == vistos.end()) visto = vistos.insert(vistos.end(), {aviso, {}});
            visto->periodos.push_back(fila.T);
        }
    }
    std::vector<std::string> textos;
    for (const Visto& visto : vistos) {
        std::string texto = TextoAviso(visto.aviso, metodo);
        if (visto.periodos.size() < filas.size()) {
            std::string periodos;
            for (const double T : visto.periodos) periodos += (periodos.empty() ? "" : ", ") + TextoNumero(T);
            texto = Mensaje(kTextoAvisoDeFilas, {periodos, texto});
        }
        textos.push_back(std::move(texto));
    }
    return textos;
}

TablaCaudal TablaDeTR55(const DatosTR55& cuenca, std::span<const TormentaTR55> tormentas,
                        std::span<const FilaTR55> filas) {
    TablaCaudal tabla;
    tabla.columnas = {kTextoColumnaPeriodo, kTextoColumnaLluvia24, kTextoColumnaQ, kTextoColumnaIaP,
                      kTextoColumnaQu,      kTextoColumnaQp};
    std::vector<AvisosDeFila> avisos;
    for (std::size_t i = 0; i < filas.size(); ++i) {
        const CaudalTR55& c = filas[i].caudal;
        tabla.filas.push_back({TextoNumero(filas[i].T), TextoNumero(tormentas[i].lluvia), Cifra(c.Q), Cifra(c.iaP),
                               Cifra(c.qu), Cifra(c.qp)});
        avisos.push_back({filas[i].T, c.avisos});
    }
    if (!filas.empty()) {
        const CaudalTR55& c = filas.front().caudal;
        tabla.constantes = Mensaje(kTextoConstantesTR55, {Cifra(cuenca.tc), Cifra(c.S), Cifra(c.Ia), Cifra(c.Fp)});
    }
    tabla.avisos = AvisosDeFilas(MetodoCaudal::TR55, avisos);
    return tabla;
}

TablaCaudal TablaDeIC(const DatosIC& cuenca, std::span<const TormentaIC> tormentas, std::span<const FilaIC> filas) {
    TablaCaudal tabla;
    tabla.columnas = {kTextoColumnaPeriodo, kTextoColumnaLluviaDiaria, kTextoColumnaBeta, kTextoColumnaFb,
                      kTextoColumnaId,      kTextoColumnaFint,         kTextoColumnaI,    kTextoColumnaP0,
                      kTextoColumnaC,       kTextoColumnaQp};
    std::vector<AvisosDeFila> avisos;
    for (std::size_t i = 0; i < filas.size(); ++i) {
        const CaudalIC& c = filas[i].caudal;
        const TormentaIC& t = tormentas[i];
        tabla.filas.push_back({TextoNumero(filas[i].T), TextoNumero(t.lluviaDiaria), TextoNumero(t.beta),
                               t.fb ? TextoNumero(*t.fb) : std::string(), Cifra(c.Id), Cifra(c.Fint), Cifra(c.I),
                               Cifra(c.P0), Cifra(c.C), Cifra(c.Q)});
        avisos.push_back({filas[i].T, c.avisos});
    }
    if (!filas.empty()) {
        const CaudalIC& c = filas.front().caudal;
        tabla.constantes = Mensaje(kTextoConstantesIC, {Cifra(cuenca.tc), Cifra(c.KA), Cifra(c.Fa), Cifra(c.Kt)});
    }
    tabla.avisos = AvisosDeFilas(MetodoCaudal::IC, avisos);
    return tabla;
}

std::string TablaCaudalTsv(const TablaCaudal& tabla) {
    std::vector<std::string> cabecera;
    for (const int columna : tabla.columnas) cabecera.emplace_back(Texto(columna));
    std::string texto = Linea(cabecera);
    for (const auto& fila : tabla.filas) texto += Linea(fila);
    if (!tabla.constantes.empty()) texto += tabla.constantes + '\n';
    return texto;
}

}  // namespace tarvel
