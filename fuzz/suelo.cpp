// The soil dialog's texture method: the clay, silt and sand percentages as
// typed, one a line (a missing line is a box left empty), then the group.
#include <cmath>
#include <limits>

#include "Comun.h"
#include "determination/GrupoSuelo.h"

using namespace tarvel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    const auto campos = fuzz::Lineas(fuzz::ComoTexto(datos, tamano));
    std::array<float, 3> porcentajes{};
    std::array<bool, 3> introducidos{};
    for (std::size_t i = 0; i < 3 && i < campos.size(); ++i) {
        const Porcentaje leido = ValidarPorcentaje(campos[i]);
        if (!leido.valido) continue;
        TARVEL_EXIGIR(std::isfinite(leido.valor) && leido.valor >= 0);
        porcentajes[i] = leido.valor;
        introducidos[i] = true;
    }

    const bool suma = SumaCorrecta(porcentajes, introducidos);
    if (suma) {
        TARVEL_EXIGIR(introducidos[0] && introducidos[1] && introducidos[2]);
        for (const float p : porcentajes) TARVEL_EXIGIR(p <= 100.0f);
    }
    const auto comprobacion = ComprobarTextura(porcentajes, introducidos);
    using Resultado = ComprobacionTextura::Resultado;
    switch (comprobacion.resultado) {
        case Resultado::Grupo:
            TARVEL_EXIGIR(suma);
            TARVEL_EXIGIR(comprobacion.letra == "A" || comprobacion.letra == "B" || comprobacion.letra == "C" ||
                          comprobacion.letra == "D");
            TARVEL_EXIGIR(comprobacion.letra == GrupoPorTextura(porcentajes[0], porcentajes[1], porcentajes[2]));
            break;
        case Resultado::SumaIncorrecta:
            TARVEL_EXIGIR(!suma && introducidos[0] && introducidos[1] && introducidos[2]);
            break;
        case Resultado::FaltaPorcentaje:
            // The first box, in the order clay, silt, sand, that holds no valid value.
            TARVEL_EXIGIR(comprobacion.caja >= 0 && comprobacion.caja < 3);
            TARVEL_EXIGIR(!introducidos[static_cast<std::size_t>(comprobacion.caja)]);
            for (int i = 0; i < comprobacion.caja; ++i) TARVEL_EXIGIR(introducidos[static_cast<std::size_t>(i)]);
            break;
    }

    // Any point, even one no box can hold, has a letter.
    const int caja = CajaTextura(porcentajes[0], porcentajes[1], porcentajes[2]);
    TARVEL_EXIGIR(caja >= 0 && caja <= 9);
    if (campos.size() > 3 && !campos[3].empty()) {
        const int clase = static_cast<signed char>(campos[3][0]);
        const auto letra = GrupoPorTasa(clase);
        TARVEL_EXIGIR(letra.empty() == (clase < 0 || clase > 3));
    }
    return 0;
}
