#include "app/FormatoNumerico.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "app/Texto.h"

namespace tarvel {
namespace {

FormatoNumerico gFormato;
char gSeparadorDetectado = '.';

bool EsBlancoInicial(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool EsCifra(char c) { return c >= '0' && c <= '9'; }

// Decimal order of magnitude of a neutral number "[-]d*[.d*][e[+-]d+]" with a
// non-zero digit; only its sign matters, so the exponent saturates.
long long OrdenDeMagnitud(std::string_view neutro) {
    if (!neutro.empty() && neutro.front() == '-') neutro.remove_prefix(1);
    const auto e = neutro.find('e');
    const std::string_view mantisa = neutro.substr(0, e);
    long long exponente = 0;
    if (e != std::string_view::npos) {
        std::string_view cifras = neutro.substr(e + 1);
        const bool negativo = !cifras.empty() && cifras.front() == '-';
        if (!cifras.empty() && (cifras.front() == '-' || cifras.front() == '+')) cifras.remove_prefix(1);
        for (const char c : cifras) exponente = std::min(exponente * 10 + (c - '0'), 1'000'000'000LL);
        if (negativo) exponente = -exponente;
    }
    const auto punto = std::min(mantisa.find('.'), mantisa.size());
    const auto primera = mantisa.find_first_of("123456789");
    if (primera == std::string_view::npos) return -1;
    const long long orden = primera < punto ? static_cast<long long>(punto - primera - 1)
                                            : -static_cast<long long>(primera - punto);
    return orden + exponente;
}

// A text being rewritten, never longer than the text it comes from.
class Neutro {
public:
    explicit Neutro(std::size_t maximo) {
        if (maximo > kPila) {
            mMonton.resize(maximo);
            mDatos = mMonton.data();
        }
    }
    void push_back(char c) { mDatos[mN++] = c; }
    const char* data() const { return mDatos; }
    std::size_t size() const { return mN; }
    char front() const { return mDatos[0]; }
    std::string_view vista() const { return {mDatos, mN}; }

private:
    static constexpr std::size_t kPila = 64;
    char mPila[kPila];
    std::string mMonton;
    char* mDatos = mPila;
    std::size_t mN = 0;
};

}  // namespace

FormatoNumerico FormatoEnVigor() { return gFormato; }
void EstablecerFormato(FormatoNumerico formato) { gFormato = formato; }

std::optional<double> ConvertirNumero(std::string_view texto, FormatoNumerico formato) {
    while (!texto.empty() && EsBlanco(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && EsBlanco(texto.back())) texto.remove_suffix(1);

    // Rewritten in the neutral form that std::from_chars reads: "-1234.5e3",
    // on the stack for every text a person types (batch work reads millions).
    Neutro neutro(texto.size());
    std::size_t i = 0;
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) {
        if (texto[i] == '-') neutro.push_back('-');
        ++i;
    }
    bool cifras = false;
    for (; i < texto.size(); ++i) {
        const char c = texto[i];
        if (EsCifra(c)) {
            neutro.push_back(c);
            cifras = true;
        } else if (c == formato.miles && cifras && formato.miles != formato.decimal) {
            continue;
        } else {
            break;
        }
    }
    if (i < texto.size() && texto[i] == formato.decimal) {
        neutro.push_back('.');
        for (++i; i < texto.size() && EsCifra(texto[i]); ++i) {
            neutro.push_back(texto[i]);
            cifras = true;
        }
    }
    if (!cifras) return std::nullopt;
    if (i < texto.size() && (texto[i] == 'e' || texto[i] == 'E')) {
        neutro.push_back('e');
        ++i;
        if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) neutro.push_back(texto[i++]);
        const std::size_t antes = i;
        for (; i < texto.size() && EsCifra(texto[i]); ++i) neutro.push_back(texto[i]);
        if (i == antes) return std::nullopt;
    }
    if (i != texto.size()) return std::nullopt;

    double valor = 0;
    const auto [fin, ec] = std::from_chars(neutro.data(), neutro.data() + neutro.size(), valor);
    if (ec == std::errc::result_out_of_range) {
        // Too small to tell from zero reads as zero; too large has no value.
        if (OrdenDeMagnitud(neutro.vista()) > 0) return std::nullopt;
        return neutro.front() == '-' ? -0.0 : 0.0;
    }
    if (ec != std::errc{} || fin != neutro.data() + neutro.size() || !std::isfinite(valor)) return std::nullopt;
    return valor;
}

std::optional<double> ConvertirNumero(std::string_view texto) { return ConvertirNumero(texto, gFormato); }

std::optional<double> ConvertirDecimalSimple(std::string_view texto) {
    std::string_view resto = texto;
    while (!resto.empty() && EsBlanco(resto.front())) resto.remove_prefix(1);
    while (!resto.empty() && EsBlanco(resto.back())) resto.remove_suffix(1);
    if (!resto.empty() && (resto.front() == '+' || resto.front() == '-')) resto.remove_prefix(1);
    bool cifras = false;
    bool marca = false;
    for (const char c : resto) {
        if (EsCifra(c)) {
            cifras = true;
        } else if (c == gFormato.decimal && !marca) {
            marca = true;
        } else {
            return std::nullopt;
        }
    }
    if (!cifras) return std::nullopt;
    return ConvertirNumero(texto, gFormato);
}

double LeerNumeroInicial(std::string_view texto) {
    // The characters that carry the number, blanks left out.
    std::string cifras;
    for (const char c : texto) {
        if (!EsBlancoInicial(c)) cifras.push_back(c);
    }
    std::string neutro;
    std::size_t i = 0;
    if (i < cifras.size() && (cifras[i] == '+' || cifras[i] == '-')) {
        if (cifras[i] == '-') neutro.push_back('-');
        ++i;
    }
    bool hayCifras = false;
    for (; i < cifras.size() && EsCifra(cifras[i]); ++i, hayCifras = true) neutro.push_back(cifras[i]);
    if (i < cifras.size() && cifras[i] == '.') {
        neutro.push_back('.');
        for (++i; i < cifras.size() && EsCifra(cifras[i]); ++i, hayCifras = true) neutro.push_back(cifras[i]);
    }
    if (!hayCifras) return 0;
    // An exponent counts only with its digits: "12e" reads as 12.
    if (i < cifras.size() && (cifras[i] == 'e' || cifras[i] == 'E')) {
        std::string exponente = "e";
        std::size_t j = i + 1;
        if (j < cifras.size() && (cifras[j] == '+' || cifras[j] == '-')) exponente.push_back(cifras[j++]);
        const std::size_t antes = exponente.size();
        for (; j < cifras.size() && EsCifra(cifras[j]); ++j) exponente.push_back(cifras[j]);
        if (exponente.size() > antes) neutro += exponente;
    }

    double valor = 0;
    const auto [fin, ec] = std::from_chars(neutro.data(), neutro.data() + neutro.size(), valor);
    const bool negativo = neutro.front() == '-';
    if (ec == std::errc::result_out_of_range) {
        if (OrdenDeMagnitud(neutro) <= 0) return 0;
        const double maximo = std::numeric_limits<double>::max();
        return negativo ? -maximo : maximo;
    }
    if (ec != std::errc{}) return 0;
    return valor;
}

char DetectarSeparadorDecimal() {
    const auto valor = ConvertirNumero("0,5342");
    const char separador = (!valor || static_cast<float>(*valor) > 1.0f) ? '.' : ',';
    gSeparadorDetectado = separador;
    return separador;
}

char SeparadorDecimalEnVigor() { return gSeparadorDetectado; }

}  // namespace tarvel
