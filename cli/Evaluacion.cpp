#include "cli/Evaluacion.h"

#include <algorithm>
#include <charconv>

#include "app/Patrones.h"
#include "app/SessionState.h"
#include "app/TablaTextos.h"
#include "app/TextosMensajes.h"
#include "cli/Mensajes.h"
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
    if (!campos) return std::unexpected(MensajeErrorDatos(campos.error(), gIdioma));
    const ValorCurva valor = ValorDeFila(*campos, grupo);
    static constexpr std::string_view kLetras = "ABCD";
    return CurvaHallada{fila, kLetras.substr(static_cast<std::size_t>(grupo - 1), 1), valor,
                       PresentarNumeroCurva(valor, fila, grupo)};
}

}  // namespace

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
    if (!entrada) return rechazo(entrada.error());
    // ValidarSerie lets through only values the series can be computed from;
    // a fault all the same is refused like the input it comes from, never
    // shown as a number.
    const auto serie = CalcularSerie(entrada->nac, entrada->nob);
    if (!serie) return rechazo(RechazoSerie::NACFueraDeRango);
    ResultadoSerie resultado{*entrada, *serie, TablaDeSerie(*serie), std::nullopt, {}};
    if (entrada->lapso != 0) {
        const auto variacion = VariacionAnual(entrada->nac, entrada->nob, entrada->lapso);
        if (!variacion) return rechazo(RechazoSerie::LapsoIncorrecto);
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

DefinicionLote LoteSerie(std::optional<std::string> aniosPorDefecto) {
    std::vector<ResultadoLote> columnas;
    for (const std::string_view nombre : {"nac_1", "pac_1", "nob_1", "pob_1", "nac_2", "pac_2", "nob_2", "pob_2",
                                          "nac_3", "pac_3", "nob_3", "pob_3", "annual"}) {
        columnas.push_back({nombre, true});
    }
    return {{{"nac"}, {"nob"}, {"years", false}},
            std::move(columnas),
            [aniosPorDefecto](std::span<const std::string_view> valores, MarcaDecimal marca,
                              std::span<std::string> resultados) {
                std::optional<std::string_view> anios = aniosPorDefecto;
                if (Dado(valores[2])) anios = valores[2];
                const auto serie = ResolverSerie(valores[0], valores[1], anios, marca);
                if (!serie) return serie.error();
                std::size_t r = 0;
                for (int fila = 1; fila < kFilasTablaSerie; ++fila) {
                    for (int columna = 1; columna < kColumnasTablaSerie; ++columna) {
                        if (columna == kColumnaSeparador) continue;
                        resultados[r++] = serie->tabla[fila][columna];
                    }
                }
                resultados[r] = serie->variacionTexto;
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

}  // namespace tarvel::cli
