#include "hydrology/TablaEscorrentia.h"

#include <span>

#include "app/Patrones.h"
#include "app/TablaTextos.h"
#include "hydrology/TextosEscorrentia.h"

namespace tarvel {
namespace {

constexpr const char* kCondiciones[3] = {"I", "II", "III"};

std::string Cifra(double valor) { return Formatear(valor, Patron::UnDecimalConCero); }

// One line of the summary: %1 the ratio, %2 P, %3 and %4 the runoff depths.
std::string Resumen(int plantilla, Lambda lambda, const std::string& lluvia, const std::string& q1 = {},
                    const std::string& q2 = {}) {
    return Mensaje(plantilla, {TextoNumero(ValorLambda(lambda)), lluvia, q1, q2});
}

}  // namespace

TablaEscorrentia EsqueletoEscorrentia(bool serie, EleccionLambda eleccion) {
    const bool reducida = eleccion != EleccionLambda::Clasica;
    TablaEscorrentia tabla;
    std::vector<std::string> grupo;
    std::vector<std::string> columna;
    const auto anadir = [&](GrupoEscorrentia g, int textoGrupo, int textoColumna) {
        tabla.grupos.push_back(g);
        grupo.emplace_back(Texto(textoGrupo));
        columna.emplace_back(Texto(textoColumna));
    };
    anadir(GrupoEscorrentia::Condicion, kTextoColumnaLambda, kTextoColumnaLambda);
    anadir(GrupoEscorrentia::Condicion, kTextoColumnaCondicion, kTextoColumnaCondicion);
    const auto curva = [&](GrupoEscorrentia g, int titulo) {
        anadir(g, titulo, kTextoColumnaNC);
        if (reducida) anadir(g, titulo, kTextoColumnaNCReducido);
        anadir(g, titulo, kTextoColumnaS);
        anadir(g, titulo, kTextoColumnaIa);
        anadir(g, titulo, kTextoColumnaQ);
    };
    if (serie) {
        curva(GrupoEscorrentia::Degradada, kTextoGrupoDegradada);
        curva(GrupoEscorrentia::Restaurada, kTextoGrupoRestaurada);
        anadir(GrupoEscorrentia::Ahorro, kTextoGrupoAhorro, kTextoColumnaQ);
        anadir(GrupoEscorrentia::Ahorro, kTextoGrupoAhorro, kTextoColumnaPorcentaje);
    } else {
        curva(GrupoEscorrentia::Curva, kTextoGrupoCurva);
    }
    tabla.textos = {grupo, columna};
    for (const Lambda lambda : LambdasDe(eleccion)) {
        for (const char* condicion : kCondiciones) {
            std::vector<std::string> fila(tabla.grupos.size());
            fila[0] = TextoNumero(ValorLambda(lambda));
            fila[1] = condicion;
            tabla.textos.push_back(std::move(fila));
        }
    }
    tabla.valores.assign(tabla.textos.size(), std::vector<std::optional<double>>(tabla.grupos.size()));
    return tabla;
}

std::expected<TablaEscorrentia, RechazoEscorrentia> CalcularTablaEscorrentia(const PeticionEscorrentia& peticion) {
    const bool serie = peticion.nob.has_value();
    const bool reducida = peticion.eleccion != EleccionLambda::Clasica;
    TablaEscorrentia tabla = EsqueletoEscorrentia(serie, peticion.eleccion);
    tabla.lluvia = TextoNumero(peticion.p);

    std::size_t fila = kFilasCabeceraEscorrentia;
    for (const Lambda lambda : LambdasDe(peticion.eleccion)) {
        EscorrentiaSerie resultado;
        if (serie) {
            const auto r = CalcularEscorrentiaSerie(peticion.cn, *peticion.nob, peticion.p, lambda);
            if (!r) return std::unexpected(r.error());
            resultado = *r;
        } else {
            const auto r = CalcularEscorrentiaCurva(peticion.cn, peticion.p, lambda);
            if (!r) return std::unexpected(r.error());
            resultado.NAC = *r;
        }
        for (int j = 0; j < 3; ++j, ++fila) {
            std::size_t c = 2;
            const auto poner = [&](std::optional<double> valor) {
                tabla.valores[fila][c] = valor;
                tabla.textos[fila][c] = valor ? Cifra(*valor) : std::string();
                ++c;
            };
            const EscorrentiaCurva* curvas[] = {&resultado.NAC, &resultado.NOB};
            for (const EscorrentiaCurva* curva : std::span(curvas, serie ? 2 : 1)) {
                const Escorrentia& e = curva->condicion[j];
                poner(curva->CN[j]);
                if (reducida) poner(lambda == Lambda::Reducida ? std::optional(e.CN) : std::nullopt);
                poner(e.S);
                poner(e.Ia);
                poner(e.Q);
            }
            if (serie) {
                poner(resultado.ahorro[j].mm);
                poner(resultado.ahorro[j].porcentaje);
            }
        }
        const double q = resultado.NAC.condicion[1].Q;
        if (serie) {
            const double qob = resultado.NOB.condicion[1].Q;
            tabla.resumen.push_back(q == 0 && qob == 0
                                        ? Resumen(kTextoResumenSerieSinEscorrentia, lambda, tabla.lluvia)
                                        : Resumen(kTextoResumenSerie, lambda, tabla.lluvia, Cifra(q), Cifra(qob)));
        } else {
            tabla.resumen.push_back(q == 0 ? Resumen(kTextoResumenCurvaSinEscorrentia, lambda, tabla.lluvia)
                                           : Resumen(kTextoResumenCurva, lambda, tabla.lluvia, Cifra(q)));
        }
    }
    return tabla;
}

std::string TablaEscorrentiaTsv(const TablaEscorrentia& tabla) {
    std::string texto = std::string(Texto(kTextoLineaLluvia)) + '\t' + tabla.lluvia + '\n';
    for (const auto& fila : tabla.textos) {
        for (std::size_t c = 0; c < fila.size(); ++c) {
            if (c > 0) texto += '\t';
            texto += fila[c];
        }
        texto += '\n';
    }
    return texto;
}

}  // namespace tarvel
