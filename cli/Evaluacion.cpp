#include "cli/Evaluacion.h"

#include <array>
#include <charconv>
#include <limits>

#include "app/Patrones.h"
#include "app/TablaTextos.h"
#include "determination/Clasificacion.h"
#include "determination/GrupoSuelo.h"

namespace tarvel::cli {
namespace {

std::string_view SinBlancos(std::string_view texto) {
    while (!texto.empty() && (texto.front() == ' ' || texto.front() == '\t')) texto.remove_prefix(1);
    while (!texto.empty() && (texto.back() == ' ' || texto.back() == '\t')) texto.remove_suffix(1);
    return texto;
}

char Mayuscula(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool Igual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Mayuscula(a[i]) != Mayuscula(b[i])) return false;
    }
    return true;
}

// A whole number in a cell: an optional sign and decimal digits, within the
// range the command line allows for the same argument.
std::optional<int> Entero(std::string_view texto, int minimo, int maximo) {
    texto = SinBlancos(texto);
    if (!texto.empty() && texto.front() == '+') texto.remove_prefix(1);
    int valor = 0;
    const auto [fin, ec] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (texto.empty() || ec != std::errc{} || fin != texto.data() + texto.size()) return std::nullopt;
    if (valor < minimo || valor > maximo) return std::nullopt;
    return valor;
}

// A soil group letter A to D in a cell: 1 to 4.
std::optional<int> Grupo(std::string_view texto) {
    texto = SinBlancos(texto);
    if (texto.size() != 1) return std::nullopt;
    const char letra = Mayuscula(texto.front());
    if (letra < 'A' || letra > 'D') return std::nullopt;
    return letra - 'A' + 1;
}

// Whether the litter was measured after compaction, as a cell says it.
std::optional<bool> SiNo(std::string_view texto) {
    texto = SinBlancos(texto);
    for (const std::string_view si : {"1", "yes", "y", "true", "si", "s", "s\u00ed", "S\u00ed", "S\u00cd"}) {
        if (Igual(texto, si)) return true;
    }
    for (const std::string_view no : {"0", "no", "n", "false"}) {
        if (Igual(texto, no)) return false;
    }
    return std::nullopt;
}

std::string_view Mensaje(int texto) { return Texto(texto); }

}  // namespace

std::expected<std::string_view, int> GrupoDeTextura(std::string_view arcilla, std::string_view limo,
                                                    std::string_view arena) {
    const std::array<std::string_view, 3> textos{arcilla, limo, arena};
    std::array<float, 3> valores{};
    std::array<bool, 3> validos{};
    for (std::size_t i = 0; i < textos.size(); ++i) {
        const Porcentaje leido = ValidarPorcentaje(textos[i]);
        if (!leido.valido) return std::unexpected(kTextoErrorEntrada);
        valores[i] = leido.valor;
        validos[i] = true;
    }
    const ComprobacionTextura comprobacion = ComprobarTextura(valores, validos);
    if (comprobacion.resultado != ComprobacionTextura::Resultado::Grupo) return std::unexpected(kTextoSumaTextura);
    return comprobacion.letra;
}

std::expected<CondicionBosque, int> CondicionDeBosque(std::string_view arrope, std::string_view humus,
                                                     std::string_view compacidad, bool despuesDeCompactar) {
    const auto espesorArrope = LeerEspesor(arrope);
    const auto espesorHumus = LeerEspesor(humus);
    if (!espesorArrope || !espesorHumus) return std::unexpected(kTextoErrorEntrada);
    compacidad = SinBlancos(compacidad);
    const GradoCompacidad* grado = nullptr;
    for (const GradoCompacidad& g : kGradosCompacidad) {
        if (compacidad.size() == 1 && Mayuscula(compacidad.front()) == g.codigo) grado = &g;
    }
    if (grado == nullptr) return std::unexpected(kTextoErrorEntrada);
    const double factor = despuesDeCompactar ? kFactorArropeDespues : kFactorArropeAntes;
    return ClaseCondicionBosque(*espesorArrope, *espesorHumus, factor, grado->valor);
}

std::expected<ResultadoSerie, int> ResolverSerie(std::string_view nac, std::string_view nob,
                                                 std::optional<std::string_view> anios) {
    const auto entrada = ValidarSerie(nac, nob, anios.has_value(), anios.value_or(""));
    if (!entrada) return std::unexpected(MensajeDeRechazo(entrada.error()));
    // ValidarSerie lets through only values the series can be computed from;
    // a fault all the same is refused like the input it comes from, never
    // shown as a number.
    const auto serie = CalcularSerie(entrada->nac, entrada->nob);
    if (!serie) return std::unexpected(MensajeDeRechazo(RechazoSerie::NACFueraDeRango));
    ResultadoSerie resultado{*entrada, *serie, TablaDeSerie(*serie), std::nullopt, {}};
    if (entrada->lapso != 0) {
        const auto variacion = VariacionAnual(entrada->nac, entrada->nob, entrada->lapso);
        if (!variacion) return std::unexpected(MensajeDeRechazo(RechazoSerie::LapsoIncorrecto));
        resultado.variacion = *variacion;
        resultado.variacionTexto = Formatear(*variacion, Patron::DosDecimales);
    }
    return resultado;
}

std::expected<int, int> FilaDeRespuestas(int vegetacion, int laboreo, int condicion) {
    const auto fila = FilaDeDatos(vegetacion, laboreo, condicion);
    // The tables list no row for these answers.
    if (!fila) return std::unexpected(kTextoErrorEntrada);
    return *fila;
}

DefinicionLote LoteTextura() {
    return {{{"clay"}, {"silt"}, {"sand"}},
            {"group"},
            [](std::span<const std::string_view> valores, std::span<std::string> resultados) -> std::string_view {
                const auto grupo = GrupoDeTextura(valores[0], valores[1], valores[2]);
                if (!grupo) return Mensaje(grupo.error());
                resultados[0].assign(*grupo);
                return {};
            }};
}

DefinicionLote LoteBosque(bool despuesPorDefecto) {
    return {{{"litter"}, {"humus"}, {"compactness"}, {"after_compaction", false}},
            {"class", "R"},
            [despuesPorDefecto](std::span<const std::string_view> valores,
                                std::span<std::string> resultados) -> std::string_view {
                bool despues = despuesPorDefecto;
                if (!EsAusente(valores[3]) && !SinBlancos(valores[3]).empty()) {
                    const auto leido = SiNo(valores[3]);
                    if (!leido) return Mensaje(kTextoErrorEntrada);
                    despues = *leido;
                }
                const auto condicion = CondicionDeBosque(valores[0], valores[1], valores[2], despues);
                if (!condicion) return Mensaje(condicion.error());
                resultados[0].assign(condicion->clase);
                // The shortest text that reads back as the same double.
                std::array<char, 32> texto{};
                const auto fin = std::to_chars(texto.data(), texto.data() + texto.size(), condicion->R).ptr;
                resultados[1].assign(texto.data(), fin);
                return {};
            }};
}

DefinicionLote LoteSerie(std::optional<std::string> aniosPorDefecto) {
    return {{{"nac"}, {"nob"}, {"years", false}},
            {"nac_1", "pac_1", "nob_1", "pob_1", "nac_2", "pac_2", "nob_2", "pob_2", "nac_3", "pac_3", "nob_3",
             "pob_3", "annual"},
            [aniosPorDefecto](std::span<const std::string_view> valores,
                              std::span<std::string> resultados) -> std::string_view {
                std::optional<std::string_view> anios = aniosPorDefecto;
                if (!EsAusente(valores[2]) && !SinBlancos(valores[2]).empty()) anios = valores[2];
                const auto serie = ResolverSerie(valores[0], valores[1], anios);
                if (!serie) return Mensaje(serie.error());
                std::size_t r = 0;
                for (int fila = 1; fila < kFilasTablaSerie; ++fila) {
                    for (int columna = 1; columna < kColumnasTablaSerie; ++columna) {
                        if (columna == kColumnaSeparador) continue;
                        resultados[r++] = serie->tabla[fila][columna];
                    }
                }
                resultados[r] = serie->variacionTexto;
                return {};
            }};
}

DefinicionLote LoteCn(std::vector<FilaDatos> datos) {
    return {{{"vegetation"}, {"treatment"}, {"condition"}, {"group"}},
            {"row", "text", "missing"},
            [datos = std::move(datos)](std::span<const std::string_view> valores,
                                       std::span<std::string> resultados) -> std::string_view {
                // The ranges the command line checks for the same arguments.
                const auto vegetacion = Entero(valores[0], 0, kPrimeraArida + kEntradasAridas - 1);
                const auto laboreo = Entero(valores[1], -1, kTratamientos - 1);
                const auto condicion = Entero(valores[2], -1, 5);
                const auto grupo = Grupo(valores[3]);
                if (!vegetacion || !laboreo || !condicion || !grupo) return Mensaje(kTextoErrorEntrada);
                const auto fila = FilaDeRespuestas(*vegetacion, *laboreo, *condicion);
                if (!fila) return Mensaje(fila.error());
                if (*fila < 1 || static_cast<std::size_t>(*fila) > datos.size()) return Mensaje(kTextoErrorEntrada);
                const ValorCurva valor = ValorDeFila(datos[static_cast<std::size_t>(*fila - 1)], *grupo);
                resultados[0] = std::to_string(*fila);
                resultados[1] = PresentarNumeroCurva(valor, *fila, *grupo).texto;
                resultados[2] = valor.falta ? "true" : "false";
                return {};
            }};
}

}  // namespace tarvel::cli
