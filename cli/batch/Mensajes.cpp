#include "cli/batch/Mensajes.h"

#include "app/TablaTextos.h"
#include "app/TextosMensajes.h"

namespace tarvel::cli {
namespace {

// A value longer than this is shown by its beginning: a whole CSV cell may be a megabyte.
constexpr std::size_t kLargoMostrado = 40;

}  // namespace

std::string ValorRechazado(std::string_view nombre, std::string_view valor, std::string_view porque, int primera) {
    std::string mostrado(valor.substr(0, kLargoMostrado));
    if (valor.size() > kLargoMostrado) {
        // Not in the middle of a UTF-8 sequence.
        while (!mostrado.empty() && (static_cast<unsigned char>(mostrado.back()) & 0xC0) == 0x80) mostrado.pop_back();
        if (!mostrado.empty() && static_cast<unsigned char>(mostrado.back()) >= 0xC0) mostrado.pop_back();
        mostrado += "\u2026";
    }
    return std::string(Texto(primera)) + ' ' + Mensaje(kTextoValorRechazado, {nombre, mostrado, porque});
}

}  // namespace tarvel::cli
