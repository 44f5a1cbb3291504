// The string table file: any bytes are either a complete table of 210 texts
// in two languages or a fault with its line. An accepted table written back
// with the file's escapes reads back the same.
#include <string>

#include "Comun.h"
#include "app/TablaTextosTsv.h"

using namespace tarvel;

namespace {

std::string ConEscapes(const std::string& texto) {
    std::string salida;
    for (const char c : texto) {
        switch (c) {
            case '\t': salida += "\\t"; break;
            case '\n': salida += "\\n"; break;
            case '\\': salida += "\\\\"; break;
            default: salida.push_back(c); break;
        }
    }
    return salida;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    const auto contenido = fuzz::ComoTexto(datos, tamano);
    const auto tabla = LeerTablaTextos(contenido);
    if (!tabla) {
        TARVEL_EXIGIR(tabla.error().linea >= 0 && !tabla.error().motivo.empty());
        return 0;
    }
    TARVEL_EXIGIR(fuzz::Utf8Valido(contenido));
    std::string escrito = "n\tes\ten\n";
    for (int n = 1; n <= kNumeroTextos; ++n) {
        const auto& par = tabla->textos[static_cast<std::size_t>(n - 1)];
        if (n > kTextosOriginales && par[0].empty()) continue;  // a number the file does not use
        for (const auto& texto : par) TARVEL_EXIGIR(!texto.empty() && fuzz::Utf8Valido(texto));
        escrito += std::to_string(n) + '\t' + ConEscapes(par[0]) + '\t' + ConEscapes(par[1]) + '\n';
    }
    const auto releida = LeerTablaTextos(escrito);
    TARVEL_EXIGIR(releida.has_value());
    TARVEL_EXIGIR(releida->textos == tabla->textos);
    return 0;
}
