#include "app/TablaTextos.h"

#include "app/SessionState.h"
#include "app/TablaTextosTsv.h"

namespace tarvel {
namespace detalle {
extern const std::string_view kTextos[kNumeroTextos][2];
}

std::string_view TextoPorId(int id) {
    const int idioma = id / 1000;
    const int n = id % 1000;
    if (id < 0 || (idioma != kIdiomaEspanol && idioma != kIdiomaIngles) || n < 1 || n > kNumeroTextos) return {};
    return detalle::kTextos[n - 1][idioma - 1];
}

std::string_view TextoIdioma(int idioma, int n) {
    if (n < 1 || n > kNumeroTextos) return {};
    return TextoPorId(idioma * 1000 + n);
}

std::string_view Texto(int n) { return TextoIdioma(gIdioma, n); }

}  // namespace tarvel
