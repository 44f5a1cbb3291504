// The three readings of typed text as a number, and what is made of a number
// once read: its display patterns and the antecedent-condition conversions.
// Input: the decimal mark, the thousands separator, then the text.
#include <cmath>
#include <string>

#include "Comun.h"
#include "app/FormatoNumerico.h"
#include "app/Patrones.h"
#include "hydrology/Conversion.h"

using namespace tarvel;

namespace {

bool Cerca(double a, double b, double margen) { return std::fabs(a - b) <= margen + 1e-14 * std::fabs(b); }

void ComprobarPresentacion(double valor) {
    // Fifteen significant digits of the very largest doubles round past the
    // largest double: that text has no value to read back.
    const bool legible = std::fabs(valor) <= 1.79769313486231e308;
    const auto texto = TextoNumero(valor);
    TARVEL_EXIGIR(!texto.empty());
    const auto leido = ConvertirNumero(texto, {'.', ','});
    TARVEL_EXIGIR(!legible || (leido && Cerca(*leido, valor, 1e-300)));
    for (const auto& [patron, mitad] : {std::pair{Patron::UnDecimal, 0.05}, std::pair{Patron::DosDecimales, 0.005}}) {
        const auto mostrado = Formatear(valor, patron);
        TARVEL_EXIGIR(!mostrado.empty());
        TARVEL_EXIGIR(mostrado.find_first_not_of("-.0123456789") == std::string::npos);
        // What is shown reads back as the value, to the last decimal shown.
        const auto releido = ConvertirNumero(mostrado, {'.', ','});
        TARVEL_EXIGIR(!legible || (releido && Cerca(*releido, valor, mitad * 1.000001)));
    }
}

void ComprobarConversiones(double n) {
    for (const auto& resultado : {Ncondicion1(n), Ncondicion3(n), UmbralEscorrentia(n)}) {
        if (resultado) TARVEL_EXIGIR(std::isfinite(*resultado));
    }
    // The range in which the conversions promise never to fail.
    if (n >= 1e-300 && n <= 100) {
        constexpr double kCien = 100.00000000000002;  // 100 and one unit in the last place
        const auto seco = Ncondicion1(n);
        const auto humedo = Ncondicion3(n);
        const auto umbral = UmbralEscorrentia(n);
        TARVEL_EXIGIR(seco && *seco > 0 && *seco <= kCien);
        TARVEL_EXIGIR(humedo && *humedo > 0 && *humedo <= 100);
        TARVEL_EXIGIR(umbral && *umbral >= 0);
        TARVEL_EXIGIR(UmbralEscorrentia(*seco).has_value() && UmbralEscorrentia(*humedo).has_value());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    if (tamano < 2) return 0;
    const FormatoNumerico formato{static_cast<char>(datos[0]), static_cast<char>(datos[1])};
    const auto texto = fuzz::ComoTexto(datos + 2, tamano - 2);

    const auto valor = ConvertirNumero(texto, formato);
    if (valor) TARVEL_EXIGIR(std::isfinite(*valor));

    // A sign in front changes only the sign.
    auto sinBlancos = texto;
    while (!sinBlancos.empty() && (sinBlancos.front() == ' ' || sinBlancos.front() == '\t')) sinBlancos.remove_prefix(1);
    if (!sinBlancos.empty() && sinBlancos.front() != '-' && sinBlancos.front() != '+') {
        const auto negativo = ConvertirNumero("-" + std::string(sinBlancos), formato);
        TARVEL_EXIGIR(negativo.has_value() == valor.has_value());
        if (valor) TARVEL_EXIGIR(*negativo == -*valor);
    }

    // A plain decimal is a number of the full reading, with the same value.
    EstablecerFormato(formato);
    const auto simple = ConvertirDecimalSimple(texto);
    if (simple) TARVEL_EXIGIR(valor && *simple == *valor);
    EstablecerFormato({'.', ','});

    // The reading of the number a text starts with is always a finite number,
    // and the program's own format reads a text without thousands separators
    // to the same value.
    const double inicial = LeerNumeroInicial(texto);
    TARVEL_EXIGIR(std::isfinite(inicial));
    const auto propio = ConvertirNumero(texto, {'.', ','});
    if (propio && texto.find(',') == std::string_view::npos) TARVEL_EXIGIR(inicial == *propio);

    for (const double leido : {inicial, valor.value_or(0.0)}) {
        ComprobarPresentacion(leido);
        ComprobarConversiones(leido);
    }
    return 0;
}
