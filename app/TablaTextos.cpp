#include "app/TablaTextos.h"

#include "app/Idioma.h"
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

std::string_view Texto(int n) { return TextoIdioma(IdiomaEnVigor().idioma, n); }

std::string Rellenar(std::string_view plantilla, std::initializer_list<std::string_view> valores) {
    std::string salida;
    salida.reserve(plantilla.size());
    for (std::size_t i = 0; i < plantilla.size(); ++i) {
        const std::size_t n = i + 1 < plantilla.size() && plantilla[i] == '%' ? plantilla[i + 1] - '1' : valores.size();
        if (n < valores.size()) {
            salida += valores.begin()[n];
            ++i;
        } else {
            salida.push_back(plantilla[i]);
        }
    }
    return salida;
}

std::string Mensaje(int n, std::initializer_list<std::string_view> valores) { return Rellenar(Texto(n), valores); }

}  // namespace tarvel
