#include "raster/TextosRaster.h"

#include "app/TablaTextos.h"

namespace tarvel::raster {

std::string Componer(int n, std::initializer_list<std::string_view> valores) {
    const std::string_view texto = Texto(n);
    std::string resultado;
    resultado.reserve(texto.size() + 64);
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char siguiente = i + 1 < texto.size() ? texto[i + 1] : '\0';
        const auto indice = static_cast<std::size_t>(siguiente - '1');
        if (texto[i] == '%' && siguiente >= '1' && siguiente <= '9' && indice < valores.size()) {
            resultado += valores.begin()[indice];
            ++i;
        } else {
            resultado += texto[i];
        }
    }
    return resultado;
}

}  // namespace tarvel::raster
