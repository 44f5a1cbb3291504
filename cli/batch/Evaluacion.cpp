#include "cli/batch/Evaluacion.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>

#include "app/Csv.h"
#include "app/Idioma.h"
#include "app/Patrones.h"
#include "app/TablaTextos.h"
#include "app/TextosMensajes.h"
#include "cli/batch/Mensajes.h"
#include "determination/Clasificacion.h"
#include "determination/GrupoSuelo.h"

namespace tarvel::cli {
namespace {

constexpr int kTextoSumaTextura = 209;  // the three percentages do not make 100

char Mayuscula(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool Igual(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return Mayuscula(x) == Mayuscula(y); });
}

// Whether the litter was measured after compaction, as a cell says it.
Leido<bool> SiNo(std::string_view valor) {
    const std::string_view texto = SinBlancos(valor);
    for (const std::string_view si : {"1", "yes", "y", "true", "si", "s", "s\u00ed", "S\u00ed", "S\u00cd"}) {
        if (Igual(texto, si)) return true;
    }
    for (const std::string_view no : {"0", "no", "n", "false"}) {
        if (Igual(texto, no)) return false;
    }
    return std::unexpected(ValorRechazado("after_compaction", texto, Mensaje(kTextoSiNo)));
}

bool Dado(std::string_view valor) { return !EsAusente(valor) && !SinBlancos(valor).empty(); }

// The value and the way it is shown, once the row and the group are known.
Leido<CurvaHallada> Buscar(int fila, int grupo, FilasDeDatos& datos) {
    const auto& campos = datos.Fila(fila);
    if (!campos) return std::unexpected(MensajeErrorDatos(campos.error(), IdiomaEnVigor().idioma));
    const ValorCurva valor = ValorDeFila(*campos, grupo);
    static constexpr std::string_view kLetras = "ABCD";
    return CurvaHallada{fila, kLetras.substr(static_cast<std::size_t>(grupo - 1), 1), valor,
                       PresentarNumeroCurva(valor, fila, grupo)};
}

// Result columns hold views of their names: built once, they live as long as the program.
std::string_view Nombre(std::string nombre) {
    static std::set<std::string, std::less<>> nombres;
    return *nombres.insert(std::move(nombre)).first;
}

// PREFIJO_i, PREFIJO_ii, PREFIJO_iii, each followed by `sufijo`: a value per antecedent condition.
void PorCondicion(std::vector<ResultadoLote>& columnas, std::string_view prefijo, std::string_view sufijo,
                  int siColumna = -1) {
    for (const std::string_view condicion : {"i", "ii", "iii"}) {
        columnas.push_back({Nombre(std::string(prefijo) + '_' + std::string(condicion) + std::string(sufijo)), true,
                            siColumna});
    }
}

// How the columns name a ratio: q02, q005.
std::string Ratio(std::string_view prefijo, Lambda lambda) {
    return std::string(prefijo) + (lambda == Lambda::Clasica ? "02" : "005");
}

constexpr Lambda kLambdas[] = {Lambda::Clasica, Lambda::Reducida};

// Three values, one per condition, into the result columns from `desde`.
void Poner(std::span<std::string> resultados, std::size_t desde, const std::array<double, 3>& valores) {
    for (std::size_t j = 0; j < valores.size(); ++j) resultados[desde + j] = NumeroCsv(valores[j]);
}

std::array<double, 3> DeCondiciones(const EscorrentiaCurva& curva, double Escorrentia::*campo) {
    return {curva.condicion[0].*campo, curva.condicion[1].*campo, curva.condicion[2].*campo};
}

std::string MensajeDe(RechazoEscorrentia rechazo) { return std::string(Texto(MensajeEscorrentia(rechazo))); }

// A span refused: the series input's own message, then the value and the range.
std::string LapsoRechazado(std::string_view valor) {
    const int incorrecto = MensajeDeRechazo(RechazoSerie::LapsoIncorrecto);
    return ValorRechazado("years", SinBlancos(valor),
                          Mensaje(kTextoEntero, {std::to_string(kLapsoMinimo), std::to_string(kLapsoMaximo)}),
                          incorrecto);
}

std::optional<std::string_view> SiDado(std::string_view valor) {
    return Dado(valor) ? std::optional(valor) : std::nullopt;
}

}  // namespace

Leido<EleccionLambda> LeerLambda(std::string_view valor, MarcaDecimal marca) {
    const auto texto = TextoDeNumero(valor, "lambda", marca);
    if (!texto) return std::unexpected(texto.error());
    if (const auto eleccion = LeerEleccionLambda(*texto)) return *eleccion;
    return std::unexpected(ValorRechazado("lambda", SinBlancos(valor), Mensaje(kTextoLambda)));
}

Leido<double> LeerTormenta(std::string_view valor, std::string_view nombre, MarcaDecimal marca) {
    const auto p = LeerNumero(valor, nombre, 0, kLluviaMaxima, marca);
    if (!p) return std::unexpected(p.error());
    return *p + 0.0;  // -0 is 0
}

Leido<double> LeerCurva(std::string_view valor, std::string_view nombre, MarcaDecimal marca) {
    const auto texto = TextoDeNumero(valor, nombre, marca);
    if (!texto) return std::unexpected(texto.error());
    const auto cn = LeerNumeroCurvaEscorrentia(*texto);
    if (!cn) return std::unexpected(ValorRechazado(nombre, SinBlancos(valor), Mensaje(kTextoCurvaRango)));
    return *cn;
}

Leido<ResultadoEscorrentia> ResolverEscorrentia(std::string_view cn, std::string_view p,
                                                std::optional<std::string_view> lambda, EleccionLambda porDefecto,
                                                MarcaDecimal marca) {
    const auto curva = LeerCurva(cn, "cn", marca);
    if (!curva) return std::unexpected(curva.error());
    const auto lluvia = LeerTormenta(p, "p", marca);
    if (!lluvia) return std::unexpected(lluvia.error());
    EleccionLambda eleccion = porDefecto;
    if (lambda) {
        const auto leida = LeerLambda(*lambda, marca);
        if (!leida) return std::unexpected(leida.error());
        eleccion = *leida;
    }
    ResultadoEscorrentia resultado{*curva, {*lluvia, eleccion}, {}};
    for (const Lambda l : LambdasDe(eleccion)) {
        const auto r = CalcularEscorrentiaCurva(*curva, *lluvia, l);
        if (!r) return std::unexpected(MensajeDe(r.error()));
        resultado.porLambda.push_back({l, *r});
    }
    return resultado;
}

Leido<std::optional<Tormenta>> LeerTormentaSerie(std::optional<std::string_view> lluvia,
                                                 std::optional<std::string_view> lambda,
                                                 std::optional<double> lluviaPorDefecto, EleccionLambda lambdaPorDefecto,
                                                 MarcaDecimal marca) {
    std::optional<double> p = lluviaPorDefecto;
    if (lluvia) {
        const auto leida = LeerTormenta(*lluvia, "storm", marca);
        if (!leida) return std::unexpected(leida.error());
        p = *leida;
    }
    if (!p) return std::optional<Tormenta>();
    Tormenta tormenta{*p, lambdaPorDefecto};
    if (lambda) {
        const auto leida = LeerLambda(*lambda, marca);
        if (!leida) return std::unexpected(leida.error());
        tormenta.lambda = *leida;
    }
    return tormenta;
}

Leido<std::vector<EscorrentiaSeriePorLambda>> EscorrentiaDeSerie(const ResultadoSerie& serie, const Tormenta& tormenta) {
    std::vector<EscorrentiaSeriePorLambda> resultado;
    for (const Lambda lambda : LambdasDe(tormenta.lambda)) {
        const auto r = CalcularEscorrentiaSerie(serie.entrada.nac, serie.entrada.nob, tormenta.P, lambda);
        if (!r) return std::unexpected(MensajeDe(r.error()));
        resultado.push_back({lambda, *r});
    }
    return resultado;
}

Leido<Trayectoria> TrayectoriaDeSerie(const ResultadoSerie& serie, std::optional<Tormenta> tormenta) {
    const EntradaSerie& e = serie.entrada;
    if (e.lapso == 0) return std::unexpected(LapsoRechazado(""));
    auto trayectoria = CalcularTrayectoria(e.nac, e.nob, static_cast<int>(e.lapso), tormenta);
    if (!trayectoria) return std::unexpected(std::string(Texto(MensajeTrayectoria(trayectoria.error()))));
    return std::move(*trayectoria);
}

Leido<std::string_view> GrupoDeTasa(std::string_view clase) {
    const auto leida = LeerEntero(clase, "class", 0, 3);
    if (!leida) return std::unexpected(leida.error());
    return GrupoPorTasa(*leida);
}

Leido<std::string_view> GrupoDeTextura(std::string_view arcilla, std::string_view limo, std::string_view arena,
                                       MarcaDecimal marca) {
    const std::array<std::string_view, 3> textos{arcilla, limo, arena};
    static constexpr std::array<std::string_view, 3> kNombres{"clay", "silt", "sand"};
    std::array<float, 3> valores{};
    for (std::size_t i = 0; i < textos.size(); ++i) {
        const auto texto = TextoDeNumero(textos[i], kNombres[i], marca);
        if (!texto) return std::unexpected(texto.error());
        const Porcentaje leido = ValidarPorcentaje(*texto);
        if (!leido.valido) {
            return std::unexpected(ValorRechazado(kNombres[i], SinBlancos(textos[i]), Mensaje(kTextoPorcentaje)));
        }
        valores[i] = leido.valor;
    }
    const ComprobacionTextura comprobacion = ComprobarTextura(valores, {true, true, true});
    if (comprobacion.resultado != ComprobacionTextura::Resultado::Grupo) {
        return std::unexpected(std::string(Texto(kTextoSumaTextura)));
    }
    return comprobacion.letra;
}

Leido<CondicionBosque> CondicionDeBosque(std::string_view arrope, std::string_view humus,
                                         std::string_view compacidad, bool despuesDeCompactar, MarcaDecimal marca) {
    std::array<double, 2> espesores{};
    const std::array<std::pair<std::string_view, std::string_view>, 2> textos{{{"litter", arrope}, {"humus", humus}}};
    for (std::size_t i = 0; i < textos.size(); ++i) {
        const auto [nombre, valor] = textos[i];
        const auto texto = TextoDeNumero(valor, nombre, marca);
        if (!texto) return std::unexpected(texto.error());
        const auto espesor = LeerEspesor(*texto);
        if (!espesor) return std::unexpected(ValorRechazado(nombre, SinBlancos(valor), Mensaje(kTextoEspesor)));
        espesores[i] = *espesor;
    }
    compacidad = SinBlancos(compacidad);
    const GradoCompacidad* grado = nullptr;
    for (const GradoCompacidad& g : kGradosCompacidad) {
        if (compacidad.size() == 1 && Mayuscula(compacidad.front()) == g.codigo) grado = &g;
    }
    if (grado == nullptr) return std::unexpected(ValorRechazado("compactness", compacidad, Mensaje(kTextoCompacidad)));
    const double factor = FactorArrope(despuesDeCompactar);
    return ClaseCondicionBosque(espesores[0], espesores[1], factor, grado->valor);
}

Leido<ResultadoSerie> ResolverSerie(std::string_view nac, std::string_view nob, std::optional<std::string_view> anios,
                                    MarcaDecimal marca) {
    const auto textoNac = TextoDeNumero(nac, "nac", marca);
    if (!textoNac) return std::unexpected(textoNac.error());
    const auto textoNob = TextoDeNumero(nob, "nob", marca);
    if (!textoNob) return std::unexpected(textoNob.error());
    Leido<std::string> textoAnios;
    if (anios) {
        textoAnios = TextoDeNumero(*anios, "years", marca);
        if (!textoAnios) return std::unexpected(textoAnios.error());
    }
    const auto rechazo = [](RechazoSerie r) { return std::unexpected(std::string(Texto(MensajeDeRechazo(r)))); };
    const auto entrada = ValidarSerie(*textoNac, *textoNob, anios.has_value(), anios ? *textoAnios : "");
    if (!entrada && MensajeDeRechazo(entrada.error()) == MensajeDeRechazo(RechazoSerie::LapsoIncorrecto)) {
        return std::unexpected(LapsoRechazado(*anios));
    }
    if (!entrada) return rechazo(entrada.error());
    // ValidarSerie lets through only values the series can be computed from;
    // a fault all the same is refused like the input it comes from, never
    // shown as a number.
    const auto serie = CalcularSerie(entrada->nac, entrada->nob);
    if (!serie) return rechazo(RechazoSerie::NACFueraDeRango);
    ResultadoSerie resultado{*entrada, *serie, TablaDeSerie(*serie), std::nullopt, {}};
    if (entrada->lapso != 0) {
        const auto variacion = VariacionAnual(entrada->nac, entrada->nob, entrada->lapso);
        if (!variacion) return std::unexpected(LapsoRechazado(*anios));
        resultado.variacion = *variacion;
        resultado.variacionTexto = Formatear(*variacion, Patron::DosDecimales);
    }
    return resultado;
}

FilasDeDatos::FilasDeDatos(std::filesystem::path archivo) : mArchivo(std::move(archivo)) {}

const std::expected<FilaDatos, ErrorDatos>& FilasDeDatos::Fila(int fila) {
    auto& leida = mFilas.at(static_cast<std::size_t>(fila - 1));
    if (!leida) leida = LeerFilaDatos(mArchivo, fila);
    return *leida;
}

Leido<CurvaHallada> NumeroCurvaDeFila(std::string_view fila, std::string_view grupo, FilasDeDatos& datos) {
    const auto numero = LeerEntero(fila, "row", 1, kFilasDatos);
    if (!numero) return std::unexpected(numero.error());
    const auto letra = LeerGrupo(grupo, "group");
    if (!letra) return std::unexpected(letra.error());
    return Buscar(*numero, *letra, datos);
}

Leido<CurvaHallada> NumeroCurvaDeRespuestas(std::string_view vegetacion, std::string_view laboreo,
                                           std::string_view condicion, std::string_view grupo, FilasDeDatos& datos,
                                           MarcaDecimal marca) {
    const auto v = LeerEntero(vegetacion, "vegetation", 0, kPrimeraArida + kEntradasAridas - 1, marca);
    if (!v) return std::unexpected(v.error());
    const auto t = LeerEntero(laboreo, "treatment", -1, kTratamientos - 1, marca);
    if (!t) return std::unexpected(t.error());
    // 0 poor, 1 good, 2 fair, or forest class 1 to 5 for woods.
    const auto c = LeerEntero(condicion, "condition", -1, 5, marca);
    if (!c) return std::unexpected(c.error());
    const auto letra = LeerGrupo(grupo, "group");
    if (!letra) return std::unexpected(letra.error());
    const auto fila = FilaDeDatos(*v, *t, *c);
    if (!fila) {
        return std::unexpected(std::string(Texto(kTextoErrorEntrada)) + ' ' +
                               Mensaje(kTextoSinFila, {std::to_string(*v), std::to_string(*t), std::to_string(*c)}));
    }
    return Buscar(*fila, *letra, datos);
}

DefinicionLote LoteTextura() {
    return {{{"clay"}, {"silt"}, {"sand"}},
            {{"group"}},
            [](std::span<const std::string_view> valores, MarcaDecimal marca, std::span<std::string> resultados) {
                const auto grupo = GrupoDeTextura(valores[0], valores[1], valores[2], marca);
                if (!grupo) return grupo.error();
                resultados[0].assign(*grupo);
                return std::string();
            }};
}

DefinicionLote LoteBosque(bool despuesPorDefecto) {
    return {{{"litter"}, {"humus"}, {"compactness"}, {"after_compaction", false}},
            {{"class"}, {"R", true}},
            [despuesPorDefecto](std::span<const std::string_view> valores, MarcaDecimal marca,
                                std::span<std::string> resultados) {
                bool despues = despuesPorDefecto;
                if (Dado(valores[3])) {
                    const auto leido = SiNo(valores[3]);
                    if (!leido) return leido.error();
                    despues = *leido;
                }
                const auto condicion = CondicionDeBosque(valores[0], valores[1], valores[2], despues, marca);
                if (!condicion) return condicion.error();
                resultados[0].assign(condicion->clase);
                // The shortest text that reads back as the same double.
                std::array<char, 32> texto{};
                const auto fin = std::to_chars(texto.data(), texto.data() + texto.size(), condicion->R).ptr;
                resultados[1].assign(texto.data(), fin);
                return std::string();
            }};
}

namespace {

// A series batch row's series and storm; an empty span, storm or ratio column
// takes the command's own value.
struct FilaSerie {
    ResultadoSerie serie;
    std::optional<Tormenta> tormenta;
};

Leido<FilaSerie> LeerFilaSerie(std::span<const std::string_view> valores, MarcaDecimal marca,
                               const std::optional<std::string>& aniosPorDefecto,
                               std::optional<double> lluviaPorDefecto, EleccionLambda lambdaPorDefecto) {
    std::optional<std::string_view> anios = aniosPorDefecto;
    if (Dado(valores[2])) anios = valores[2];
    auto serie = ResolverSerie(valores[0], valores[1], anios, marca);
    if (!serie) return std::unexpected(serie.error());
    const auto tormenta =
        LeerTormentaSerie(SiDado(valores[3]), SiDado(valores[4]), lluviaPorDefecto, lambdaPorDefecto, marca);
    if (!tormenta) return std::unexpected(tormenta.error());
    return FilaSerie{std::move(*serie), *tormenta};
}

}  // namespace

DefinicionLote LoteSerie(std::optional<std::string> aniosPorDefecto, std::optional<double> lluviaPorDefecto,
                         EleccionLambda lambdaPorDefecto) {
    std::vector<ResultadoLote> columnas;
    for (const std::string_view nombre : {"nac_1", "pac_1", "nob_1", "pob_1", "nac_2", "pac_2", "nob_2", "pob_2",
                                          "nac_3", "pac_3", "nob_3", "pob_3", "annual"}) {
        columnas.push_back({nombre, true});
    }
    // The runoff of both hillsides and the saving, ratio after ratio.
    const int siTormenta = lluviaPorDefecto ? -1 : 3;
    for (const Lambda lambda : kLambdas) {
        PorCondicion(columnas, Ratio("q", lambda) + "_nac", "_mm", siTormenta);
        PorCondicion(columnas, Ratio("q", lambda) + "_nob", "_mm", siTormenta);
        PorCondicion(columnas, Ratio("saving", lambda), "_mm", siTormenta);
        PorCondicion(columnas, Ratio("saving", lambda), "_pct", siTormenta);
    }
    return {{{"nac"}, {"nob"}, {"years", false}, {"storm", false}, {"lambda", false}},
            std::move(columnas),
            [aniosPorDefecto, lluviaPorDefecto, lambdaPorDefecto](std::span<const std::string_view> valores,
                                                                  MarcaDecimal marca, std::span<std::string> resultados) {
                const auto leida = LeerFilaSerie(valores, marca, aniosPorDefecto, lluviaPorDefecto, lambdaPorDefecto);
                if (!leida) return leida.error();
                std::vector<EscorrentiaSeriePorLambda> escorrentia;
                if (leida->tormenta) {
                    auto calculada = EscorrentiaDeSerie(leida->serie, *leida->tormenta);
                    if (!calculada) return calculada.error();
                    escorrentia = std::move(*calculada);
                }
                std::size_t r = 0;
                for (int fila = 1; fila < kFilasTablaSerie; ++fila) {
                    for (int columna = 1; columna < kColumnasTablaSerie; ++columna) {
                        if (columna == kColumnaSeparador) continue;
                        resultados[r++] = leida->serie.tabla[fila][columna];
                    }
                }
                resultados[r++] = leida->serie.variacionTexto;
                for (const auto& [lambda, e] : escorrentia) {
                    const std::size_t desde = r + (lambda == Lambda::Clasica ? 0 : 12);
                    Poner(resultados, desde, DeCondiciones(e.NAC, &Escorrentia::Q));
                    Poner(resultados, desde + 3, DeCondiciones(e.NOB, &Escorrentia::Q));
                    for (std::size_t j = 0; j < 3; ++j) {
                        resultados[desde + 6 + j] = NumeroCsv(e.ahorro[j].mm);
                        if (e.ahorro[j].porcentaje) resultados[desde + 9 + j] = NumeroCsv(*e.ahorro[j].porcentaje);
                    }
                }
                return std::string();
            }};
}

DefinicionLote LoteCn(std::filesystem::path archivo) {
    auto datos = std::make_shared<FilasDeDatos>(std::move(archivo));
    return {{{"vegetation"}, {"treatment"}, {"condition"}, {"group"}},
            {{"row"}, {"text"}, {"missing"}},
            [datos](std::span<const std::string_view> valores, MarcaDecimal marca, std::span<std::string> resultados) {
                const auto numero =
                    NumeroCurvaDeRespuestas(valores[0], valores[1], valores[2], valores[3], *datos, marca);
                if (!numero) return numero.error();
                resultados[0] = std::to_string(numero->fila);
                resultados[1] = numero->presentacion.texto;
                resultados[2] = numero->valor.falta ? "true" : "false";
                return std::string();
            }};
}

DefinicionLote LoteEscorrentia(EleccionLambda lambdaPorDefecto) {
    std::vector<ResultadoLote> columnas;
    PorCondicion(columnas, "cn", "");
    for (const Lambda lambda : kLambdas) {
        if (lambda == Lambda::Reducida) PorCondicion(columnas, "cn005", "");
        for (const std::string_view valor : {"s", "ia", "q"}) PorCondicion(columnas, Ratio(valor, lambda), "_mm");
    }
    return {{{"cn"}, {"p"}, {"lambda", false}},
            std::move(columnas),
            [lambdaPorDefecto](std::span<const std::string_view> valores, MarcaDecimal marca,
                               std::span<std::string> resultados) {
                const auto r = ResolverEscorrentia(valores[0], valores[1], SiDado(valores[2]), lambdaPorDefecto, marca);
                if (!r) return r.error();
                Poner(resultados, 0, r->porLambda.front().curva.CN);
                for (const auto& [lambda, curva] : r->porLambda) {
                    std::size_t desde = lambda == Lambda::Clasica ? 3 : 12;
                    if (lambda == Lambda::Reducida) {
                        Poner(resultados, desde, DeCondiciones(curva, &Escorrentia::CN));
                        desde += 3;
                    }
                    Poner(resultados, desde, DeCondiciones(curva, &Escorrentia::S));
                    Poner(resultados, desde + 3, DeCondiciones(curva, &Escorrentia::Ia));
                    Poner(resultados, desde + 6, DeCondiciones(curva, &Escorrentia::Q));
                }
                return std::string();
            }};
}

DefinicionLote LoteTrayectoria(std::optional<std::string> aniosPorDefecto, std::optional<double> lluviaPorDefecto,
                               EleccionLambda lambdaPorDefecto) {
    // The columns of TextoTrayectoria, both ratios' runoff and initial
    // abstraction where a storm can be given.
    std::vector<ResultadoLote> columnas{{"year"}};
    PorCondicion(columnas, "cn", "");
    PorCondicion(columnas, "threshold", "_mm");
    const int siTormenta = lluviaPorDefecto ? -1 : 3;
    for (const std::string_view valor : {"q", "ia"}) {
        for (const Lambda lambda : kLambdas) PorCondicion(columnas, Ratio(valor, lambda), "_mm", siTormenta);
    }
    const std::size_t ancho = columnas.size();
    return {{{"nac"}, {"nob"}, {"years", false}, {"storm", false}, {"lambda", false}},
            std::move(columnas),
            [aniosPorDefecto, lluviaPorDefecto, lambdaPorDefecto, ancho](
                std::span<const std::string_view> valores, MarcaDecimal marca, std::vector<std::string>& resultados) {
                const auto leida = LeerFilaSerie(valores, marca, aniosPorDefecto, lluviaPorDefecto, lambdaPorDefecto);
                if (!leida) return leida.error();
                const auto trayectoria = TrayectoriaDeSerie(leida->serie, leida->tormenta);
                if (!trayectoria) return trayectoria.error();
                const bool clasica = trayectoria->ConEscorrentia(Lambda::Clasica);
                const bool reducida = trayectoria->ConEscorrentia(Lambda::Reducida);
                resultados.resize(trayectoria->anios.size() * ancho);
                std::span<std::string> fila(resultados);
                for (const AnioTrayectoria& anio : trayectoria->anios) {
                    fila[0] = std::to_string(anio.anio);
                    Poner(fila, 1, anio.CN);
                    Poner(fila, 4, anio.umbral);
                    if (clasica) Poner(fila, 7, anio.QClasica);
                    if (reducida) Poner(fila, 10, anio.QReducida);
                    if (clasica) Poner(fila, 13, anio.IaClasica);
                    if (reducida) Poner(fila, 16, anio.IaReducida);
                    fila = fila.subspan(ancho);
                }
                return std::string();
            }};
}

}  // namespace tarvel::cli
